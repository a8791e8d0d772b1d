// The operating-system layer on Windows. Every call is the wide-character
// form: paths, registry values and console text may hold any Unicode
// character, and the ANSI forms would lose what the code page cannot show.
#include <windows.h>
#include <sddl.h>

#include <fcntl.h>
#include <io.h>

#include <cstring>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {

std::wstring detail::Wide(const std::string& s) {
  if (s.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
  return w;
}

namespace detail {

std::string Narrow(const wchar_t* w, size_t len, UINT codePage) {
  if (len == 0) return std::string();
  int n = WideCharToMultiByte(codePage, 0, w, static_cast<int>(len), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, w, static_cast<int>(len), &s[0], n, nullptr, nullptr);
  return s;
}

std::string Narrow(const std::wstring& w, UINT codePage) {
  return Narrow(w.data(), w.size(), codePage);
}

// A path for the file APIs: the extended form when it is long.
std::wstring WPath(const std::string& path) { return Wide(LongPathForm(path)); }

std::wstring FullPath(const std::string& path) {
  std::wstring w = Wide(path.empty() ? "." : path);
  DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (n == 0) return w;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(w.c_str(), n, &full[0], nullptr);
  if (n == 0 || n >= full.size()) return w;
  full.resize(n);
  return full;
}

std::wstring LongForm(const std::wstring& full) {
  if (full.size() < kLongPathFrom || full.compare(0, 4, L"\\\\?\\") == 0 ||
      full.compare(0, 4, L"\\\\.\\") == 0)
    return full;
  if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::wstring ChildPath(const std::wstring& dir, const std::wstring& name) {
  std::wstring child = dir;
  if (child.empty() || (child.back() != L'\\' && child.back() != L'/')) child += L'\\';
  return LongForm(child + name);
}

bool WriteAllTo(HANDLE h, const char* data, size_t len) {
  while (len > 0) {
    DWORD chunk = len > 0x40000000u ? 0x40000000u : static_cast<DWORD>(len);
    DWORD written = 0;
    if (!WriteFile(h, data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    len -= written;
  }
  return true;
}

}  // namespace detail

namespace {

using detail::CopyWithFlags;
using detail::Narrow;
using detail::THandle;
using detail::Wide;
using detail::WPath;
using detail::WriteAllTo;

DWORD Attributes(const std::string& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(WPath(path).c_str());
}

// SQLite takes its file locks on the 512 bytes at offset 1 GiB (pending,
// reserved and shared bytes) and never stores data in the page holding
// them. A browser that keeps its database locked exclusively therefore makes
// reads of that range fail with a lock violation, while every other byte
// stays readable.
constexpr uint64_t kSqliteLockOffset = 0x40000000ull;
constexpr uint64_t kSqliteLockPageMax = 65536;  // the largest page size

bool ReadAt(HANDLE h, uint64_t offset, char* buf, DWORD want, DWORD& got) {
  OVERLAPPED ov = {};
  ov.Offset = static_cast<DWORD>(offset);
  ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
  got = 0;
  if (ReadFile(h, buf, want, &got, &ov)) return true;
  if (GetLastError() == ERROR_HANDLE_EOF) {
    got = 0;
    return true;
  }
  return false;
}

// One chunk inside the lock-byte page, read sector by sector: a sector that
// is locked reads as zeros (its true content is unused by SQLite).
bool ReadAroundLocks(HANDLE h, uint64_t offset, char* buf, DWORD want, DWORD& got) {
  constexpr DWORD kSector = 512;
  got = 0;
  while (got < want) {
    DWORD part = want - got < kSector ? want - got : kSector;
    DWORD n = 0;
    if (!ReadAt(h, offset + got, buf + got, part, n)) {
      if (GetLastError() != ERROR_LOCK_VIOLATION) return false;
      std::memset(buf + got, 0, part);
      n = part;
    }
    got += n;
    if (n < part) break;  // end of file
  }
  return true;
}

// Security for the run's folders and copies: in an elevated run, an access
// list that grants SYSTEM and Administrators alone (inherited by what a
// folder holds) and none of what the temporary folder would pass on, so
// that the unelevated user (and anything running as that user) cannot read
// the other users' history copied there. Unelevated: the defaults.
class TPrivateSecurity {
 public:
  explicit TPrivateSecurity(bool folder) {
    if (!IsElevated()) return;
    const wchar_t* sddl = folder ? L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)"
                                 : L"D:P(A;;FA;;;SY)(A;;FA;;;BA)";
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &FDescriptor,
                                                              nullptr))
      FDescriptor = nullptr;
    FAttributes.nLength = sizeof FAttributes;
    FAttributes.lpSecurityDescriptor = FDescriptor;
    FAttributes.bInheritHandle = FALSE;
  }
  ~TPrivateSecurity() {
    if (FDescriptor) LocalFree(FDescriptor);
  }
  TPrivateSecurity(const TPrivateSecurity&) = delete;
  TPrivateSecurity& operator=(const TPrivateSecurity&) = delete;
  // Null (the defaults) when not elevated or when the list cannot be made.
  SECURITY_ATTRIBUTES* Get() { return FDescriptor ? &FAttributes : nullptr; }

 private:
  PSECURITY_DESCRIPTOR FDescriptor = nullptr;
  SECURITY_ATTRIBUTES FAttributes = {};
};

// Opened without waiting on anything (CreateFileW does not wait for a pipe's
// server or a device), a source is taken only when it is a file on disk: a
// console (CON), a pipe, a serial port or a folder is refused before a byte
// is read. `size` is its size at open.
bool IsFileOnDisk(HANDLE h, uint64_t& size) {
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return true;
}

// Opens a file someone else wrote for reading, with the given sharing and
// flags, and keeps it only when it is a file on disk (IsFileOnDisk): an
// invalid handle otherwise, with the reason in `code`.
HANDLE OpenFileOnDisk(const std::string& path, DWORD share, DWORD flags, uint64_t& size,
                      uint32_t& code) {
  const HANDLE h = CreateFileW(WPath(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL | flags, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    code = GetLastError();
    return h;
  }
  // Backup semantics also opens folders; a folder is no file to read.
  if (!IsFileOnDisk(h, size)) {
    CloseHandle(h);
    code = kErrNotRegularFile;
    return INVALID_HANDLE_VALUE;
  }
  return h;
}

// Up to `want` bytes at `offset`: a SQLite store held by its browser reads
// around the locked bytes (they read as zeros).
bool ReadPiece(HANDLE in, uint64_t offset, char* buf, DWORD want, DWORD& got) {
  if (ReadAt(in, offset, buf, want, got)) return true;
  const bool inLockPage =
      offset + want > kSqliteLockOffset && offset < kSqliteLockOffset + kSqliteLockPageMax;
  return GetLastError() == ERROR_LOCK_VIOLATION && inLockPage &&
         ReadAroundLocks(in, offset, buf, want, got);
}

// Writes [offset, size) of `in` to `out`, checking the time before each piece.
bool CopyPieces(HANDLE in, HANDLE out, uint64_t offset, uint64_t size, const CopyChecks& checks,
                uint32_t& code) {
  static thread_local char buf[65536];
  while (offset < size) {
    if (InterruptRequested()) {
      code = ERROR_OPERATION_ABORTED;
      return false;
    }
    if (checks.InTime && !checks.InTime()) {
      code = kErrTimeout;
      return false;
    }
    const DWORD want = size - offset < sizeof buf ? static_cast<DWORD>(size - offset) : sizeof buf;
    DWORD got = 0;
    if (!ReadPiece(in, offset, buf, want, got)) {
      code = GetLastError();
      return false;
    }
    if (got == 0) break;  // shorter now than at open: what there is
    if (!WriteAllTo(out, buf, got)) {
      code = GetLastError();
      return false;
    }
    offset += got;
  }
  return true;
}

bool CopyFromHandle(HANDLE in, uint64_t size, const std::string& dst, const CopyChecks& checks,
                    uint32_t& code) {
  // The head is looked at before anything is written.
  char head[kCopyHeadBytes];
  DWORD got = 0;
  const DWORD want = size < sizeof head ? static_cast<DWORD>(size) : sizeof head;
  if (want > 0 && !ReadPiece(in, 0, head, want, got)) {
    code = GetLastError();
    return false;
  }
  if (checks.Accept && (code = checks.Accept(std::string(head, got), static_cast<int64_t>(size))))
    return false;
  std::wstring wdst = WPath(dst);
  // The target is a fresh name in the temporary folder. Replace a file of
  // our own, but never write through a link or junction planted under that
  // name: removing the entry removes a link itself, and a new file is then
  // created or nothing is. Shared for deletion only: an interruption removes
  // the copy while it is being written (it vanishes when this handle closes).
  // Someone's history: in an elevated run only SYSTEM and Administrators
  // may read the copy.
  DeleteFileW(wdst.c_str());
  TPrivateSecurity security(false);
  detail::TCreationHold creating;  // an interruption waits for the copy to stop
  THandle out(CreateFileW(wdst.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, security.Get(),
                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!out.Valid()) {
    code = GetLastError();
    return false;
  }
  bool ok = WriteAllTo(out.Get(), head, got);
  if (!ok) code = GetLastError();
  ok = ok && CopyPieces(in, out.Get(), got, size, checks, code);
  if (!out.Close() && ok) {
    code = GetLastError();
    ok = false;
  }
  // A half-written copy would be read as a damaged database later.
  if (!ok) DeleteFileW(wdst.c_str());
  return ok;
}

}  // namespace

bool detail::CopyWithFlags(const std::string& src, const std::string& dst, DWORD share,
                           DWORD flags, uint32_t& code, const CopyChecks& checks) {
  code = 0;
  uint64_t size = 0;
  THandle in(OpenFileOnDisk(src, share, FILE_FLAG_SEQUENTIAL_SCAN | flags, size, code));
  if (!in.Valid()) return false;
  // The owner of the file finally opened, through every link and junction:
  // one that cannot be read is no proof of the owner asked for.
  if (!checks.Owner.empty()) {
    std::string id, name;
    if (!detail::FileOwner(in.Get(), id, name) || !detail::OwnerStandsFor(id, checks.Owner)) {
      code = kErrOtherOwner;
      if (checks.OwnerFound) *checks.OwnerFound = name.empty() ? std::string("?") : name;
      return false;
    }
  }
  return CopyFromHandle(in.Get(), size, dst, checks, code);
}

namespace {
bool IsAbsolute(const std::string& path) {
  if (path.size() >= 2 && IsPathSep(path[0]) && IsPathSep(path[1])) return true;  // UNC
  return path.size() >= 3 && path[1] == ':' && IsPathSep(path[2]);
}
}  // namespace

// ---- Files and folders -------------------------------------------------

bool FileExists(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirExists(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(WPath(path).c_str(), GetFileExInfoStandard, &data))
    return -1;
  return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) |
                              data.nFileSizeLow);
}

bool CreateDirs(const std::string& path) {
  if (path.empty()) return false;
  if (DirExists(path)) return true;
  std::string trimmed = path;
  while (trimmed.size() > 1 && IsPathSep(trimmed.back())) trimmed.pop_back();
  size_t sep = trimmed.find_last_of("\\/");
  if (sep != std::string::npos && sep > 0) {
    std::string parent = trimmed.substr(0, sep);
    // Stop at a drive ("C:") or the server part of a UNC name.
    bool isRoot = (parent.size() == 2 && parent[1] == ':') ||
                  (parent.size() > 2 && IsPathSep(parent[0]) && IsPathSep(parent[1]) &&
                   parent.find_first_of("\\/", 2) == std::string::npos);
    if (!isRoot && !IsPathSep(parent.back()) && !CreateDirs(parent)) return false;
  }
  if (!CreateDirectoryW(WPath(trimmed).c_str(), nullptr) &&
      GetLastError() != ERROR_ALREADY_EXISTS)
    return false;
  return DirExists(trimmed);
}

bool CreateNewFile(const std::string& path, uint32_t& code) {
  detail::TCreationHold creating;
  THandle h(CreateFileW(WPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.Valid()) {
    code = GetLastError();
    return false;
  }
  code = 0;
  return true;
}

bool CreatePrivateDir(const std::string& path, uint32_t& code) {
  TPrivateSecurity security(true);
  detail::TCreationHold creating;
  // A folder is created new or not at all: an existing entry under the name
  // (a junction planted there among them) is an error.
  if (path.empty() || !CreateDirectoryW(WPath(path).c_str(), security.Get())) {
    code = path.empty() ? ERROR_PATH_NOT_FOUND : GetLastError();
    return false;
  }
  code = 0;
  return true;
}

std::FILE* CreatePrivateFile(const std::string& path, uint32_t& code) {
  const std::wstring w = WPath(path);
  DeleteFileW(w.c_str());  // a link under the name goes itself
  TPrivateSecurity security(false);
  detail::TCreationHold creating;
  HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                         security.Get(), CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    code = GetLastError();
    return nullptr;
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY | _O_WRONLY);
  std::FILE* f = fd < 0 ? nullptr : _fdopen(fd, "wb");
  if (!f) {
    if (fd < 0)
      CloseHandle(h);
    else
      _close(fd);
    DeleteFileW(w.c_str());
    code = ERROR_TOO_MANY_OPEN_FILES;
    return nullptr;
  }
  code = 0;
  return f;
}

bool RemoveTree(const std::string& path) {
  if (path.empty()) return true;
  return detail::RemoveTreeW(detail::LongForm(detail::FullPath(path)));
}

bool RemoveFile(const std::string& path) { return DeleteFileW(WPath(path).c_str()) != 0; }

bool RemoveEmptyDir(const std::string& path) {
  return RemoveDirectoryW(WPath(path).c_str()) != 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  return MoveFileExW(WPath(from).c_str(), WPath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
}

bool ListDir(const std::string& dir, std::vector<DirEntry>& out) {
  out.clear();
  if (dir.empty()) return false;
  std::wstring pattern = WPath(dir);
  if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &fd, FindExSearchNameMatch,
                              nullptr, 0);
  // "Nothing matches" in an existing folder is an empty listing, not a failure.
  if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND && DirExists(dir);
  do {
    if (wcscmp(fd.cFileName, L".") == 0 || wcscmp(fd.cFileName, L"..") == 0) continue;
    DirEntry e;
    e.Name = Narrow(fd.cFileName, wcslen(fd.cFileName));
    e.IsDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    e.IsLink = (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    out.push_back(std::move(e));
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return true;
}

// Windows file names are case-insensitive: every spelling already works.
std::string ResolvePathCase(const std::string& path) { return path; }

std::FILE* OpenFile(const std::string& path, const char* mode) {
  if (!mode || !*mode) return nullptr;
  const bool plus = std::strchr(mode, '+') != nullptr;
  const bool text = std::strchr(mode, 't') != nullptr;
  DWORD access = 0, disposition = 0;
  int flags = text ? _O_TEXT : _O_BINARY;
  switch (mode[0]) {
    case 'r':
      access = GENERIC_READ | (plus ? GENERIC_WRITE : 0);
      disposition = OPEN_EXISTING;
      flags |= plus ? _O_RDWR : _O_RDONLY;
      break;
    case 'w':
      access = GENERIC_WRITE | (plus ? GENERIC_READ : 0);
      disposition = CREATE_ALWAYS;
      flags |= plus ? _O_RDWR : _O_WRONLY;
      break;
    case 'a':
      access = GENERIC_WRITE | (plus ? GENERIC_READ : 0);
      disposition = OPEN_ALWAYS;
      flags |= (plus ? _O_RDWR : _O_WRONLY) | _O_APPEND;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
  HANDLE h = CreateFileW(WPath(path).c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
  if (fd < 0) {
    CloseHandle(h);
    SetLastError(ERROR_TOO_MANY_OPEN_FILES);
    return nullptr;
  }
  // Binary unless text was asked for, whatever the runtime's default is.
  const char crtMode[4] = {mode[0], plus ? '+' : (text ? 't' : 'b'), plus ? (text ? 't' : 'b') : '\0',
                           '\0'};
  std::FILE* f = _fdopen(fd, crtMode);
  if (!f) {
    _close(fd);  // closes the handle too
    SetLastError(ERROR_TOO_MANY_OPEN_FILES);
    return nullptr;
  }
  return f;
}

uint32_t LastErrorCode() { return GetLastError(); }

TFileReader::~TFileReader() {
  if (FHandle != -1) CloseHandle(reinterpret_cast<HANDLE>(FHandle));
}

bool TFileReader::Open(const std::string& path) {
  if (FHandle != -1) CloseHandle(reinterpret_cast<HANDLE>(FHandle));
  HANDLE h = CreateFileW(WPath(path).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  FHandle = reinterpret_cast<intptr_t>(h);  // INVALID_HANDLE_VALUE is -1
  return h != INVALID_HANDLE_VALUE;
}

int64_t TFileReader::Size() const {
  LARGE_INTEGER size;
  return FHandle != -1 && GetFileSizeEx(reinterpret_cast<HANDLE>(FHandle), &size)
             ? static_cast<int64_t>(size.QuadPart)
             : -1;
}

bool TFileReader::ReadAt(uint64_t offset, void* buf, size_t n) const {
  if (FHandle == -1) return false;
  char* at = static_cast<char*>(buf);
  while (n > 0) {
    // Each read names its own offset: the handle's position is shared by
    // the threads reading through it.
    OVERLAPPED ov = {};
    ov.Offset = static_cast<DWORD>(offset);
    ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const DWORD want = n > 0x40000000u ? 0x40000000u : static_cast<DWORD>(n);
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(FHandle), at, want, &got, &ov) || got == 0)
      return false;
    at += got;
    offset += got;
    n -= got;
  }
  return true;
}

bool CopyRegularFile(const std::string& src, const std::string& dst, bool backup,
                     const CopyChecks& checks, uint32_t& code) {
  if (!backup)
    return CopyWithFlags(src, dst, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0,
                         code, checks);
  EnableBackupPrivilege();
  return CopyWithFlags(src, dst, 0, FILE_FLAG_BACKUP_SEMANTICS, code, checks);
}

bool CopyFileShared(const std::string& src, const std::string& dst, uint32_t& code) {
  return CopyRegularFile(src, dst, false, CopyChecks(), code);
}

bool CopyFileBackup(const std::string& src, const std::string& dst, uint32_t& code) {
  return CopyRegularFile(src, dst, true, CopyChecks(), code);
}

bool ReadRegularFile(const std::string& path, int64_t maxBytes, std::string& bytes,
                     uint32_t& code) {
  bytes.clear();
  code = 0;
  uint64_t size = 0;
  THandle in(OpenFileOnDisk(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0, size,
                            code));
  if (!in.Valid()) return false;
  if (size > static_cast<uint64_t>(maxBytes)) {
    code = kErrFileTooLarge;
    return false;
  }
  bytes.resize(static_cast<size_t>(size));
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t left = bytes.size() - at;
    DWORD got = 0;
    if (!ReadAt(in.Get(), at, &bytes[at], left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left),
                got)) {
      code = GetLastError();
      bytes.clear();
      return false;
    }
    if (got == 0) break;
    at += got;
  }
  bytes.resize(at);
  return true;
}

int64_t FreeDiskBytes(const std::string& dir) {
  ULARGE_INTEGER avail;
  if (dir.empty() || !GetDiskFreeSpaceExW(WPath(dir).c_str(), &avail, nullptr, nullptr))
    return -1;
  return static_cast<int64_t>(avail.QuadPart);
}

void EnableBackupPrivilege() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return;
  TOKEN_PRIVILEGES tp = {};
  tp.PrivilegeCount = 1;
  tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, L"SeBackupPrivilege", &tp.Privileges[0].Luid))
    AdjustTokenPrivileges(token, FALSE, &tp, sizeof tp, nullptr, nullptr);
  CloseHandle(token);
}

std::string CurrentDir() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  if (n == 0) return std::string();
  std::wstring w(n, L'\0');
  n = GetCurrentDirectoryW(n, &w[0]);
  w.resize(n);
  return Narrow(w);
}

std::string AbsolutePath(const std::string& path) {
  if (IsAbsolute(path)) return path;
  std::wstring w = Wide(path.empty() ? "." : path);
  DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(w.c_str(), n, &full[0], nullptr);
  full.resize(n);
  return Narrow(full);
}

std::string LongPathForm(const std::string& path) {
  if (path.empty() || path.compare(0, 4, "\\\\?\\") == 0 || path.compare(0, 4, "\\\\.\\") == 0)
    return path;
  if (IsAbsolute(path) && path.size() < detail::kLongPathFrom) return path;  // the common case
  // The decision is made on the full path: a short relative path may name a
  // long one.
  const std::wstring full = detail::FullPath(path);
  if (full.size() < detail::kLongPathFrom) return path;
  return Narrow(detail::LongForm(full));
}

std::string UserTempDir() {
  std::wstring buf(MAX_PATH + 2, L'\0');
  DWORD n = GetTempPathW(static_cast<DWORD>(buf.size()), &buf[0]);
  std::string dir;
  if (n > 0 && n < buf.size()) {
    dir = Narrow(buf.data(), n);
  } else {
    // GetTempPathW gives up on a TEMP longer than MAX_PATH; such a folder
    // is found in the same order the system looks (TMP, TEMP, the profile).
    for (const char* name : {"TMP", "TEMP", "USERPROFILE"}) {
      dir = GetEnv(name);
      if (!dir.empty()) break;
    }
    if (dir.empty()) return std::string();
    dir = AbsolutePath(dir);
  }
  if (!IsPathSep(dir.back())) dir += '\\';
  return dir;
}

}  // namespace plat
