// The operating-system layer on Windows. Every call is the wide-character
// form: paths, registry values and console text may hold any Unicode
// character, and the ANSI forms would lose what the code page cannot show.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <shellapi.h>
// The shadow-copy service's requester interface (bound at run time).
#include <vss.h>
#include <vswriter.h>
#include <vsbackup.h>

#include <cstring>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"

namespace plat {

std::wstring detail::Wide(const std::string& s) {
  if (s.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
  return w;
}

namespace {

using detail::Wide;

std::string Narrow(const wchar_t* w, size_t len, UINT codePage = CP_UTF8) {
  if (len == 0) return std::string();
  int n = WideCharToMultiByte(codePage, 0, w, static_cast<int>(len), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, w, static_cast<int>(len), &s[0], n, nullptr, nullptr);
  return s;
}

std::string Narrow(const std::wstring& w, UINT codePage = CP_UTF8) {
  return Narrow(w.data(), w.size(), codePage);
}

// Closes a kernel handle when the scope ends.
class THandle {
 public:
  explicit THandle(HANDLE h = INVALID_HANDLE_VALUE) : FHandle(h) {}
  ~THandle() { Close(); }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  HANDLE Get() const { return FHandle; }
  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE && FHandle != nullptr; }
  bool Close() {
    bool ok = !Valid() || CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE FHandle;
};

// A path for the file APIs: the extended form when it is long.
std::wstring WPath(const std::string& path) { return Wide(LongPathForm(path)); }

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

bool CopyFromHandle(HANDLE in, const std::string& dst, uint32_t& code) {
  std::wstring wdst = WPath(dst);
  // The target is a fresh name in the temporary folder. Replace a file of
  // our own, but never write through a link or junction planted under that
  // name: removing the entry removes a link itself, and a new file is then
  // created or nothing is. Shared for deletion only: an interruption removes
  // the copy while it is being written (it vanishes when this handle closes).
  DeleteFileW(wdst.c_str());
  THandle out(CreateFileW(wdst.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!out.Valid()) {
    code = GetLastError();
    return false;
  }
  static char buf[65536];
  uint64_t offset = 0;
  bool ok = true;
  for (;;) {
    if (InterruptRequested()) {
      code = ERROR_OPERATION_ABORTED;
      ok = false;
      break;
    }
    DWORD got = 0;
    if (!ReadAt(in, offset, buf, sizeof buf, got)) {
      bool inLockPage = offset + sizeof buf > kSqliteLockOffset &&
                        offset < kSqliteLockOffset + kSqliteLockPageMax;
      if (GetLastError() != ERROR_LOCK_VIOLATION || !inLockPage ||
          !ReadAroundLocks(in, offset, buf, sizeof buf, got)) {
        code = GetLastError();
        ok = false;
        break;
      }
    }
    if (got == 0) break;
    if (!WriteAllTo(out.Get(), buf, got)) {
      code = GetLastError();
      ok = false;
      break;
    }
    offset += got;
  }
  if (!out.Close() && ok) {
    code = GetLastError();
    ok = false;
  }
  // A half-written copy would be read as a damaged database later.
  if (!ok) DeleteFileW(wdst.c_str());
  return ok;
}

bool CopyWithFlags(const std::string& src, const std::string& dst, DWORD share, DWORD flags,
                   uint32_t& code) {
  code = 0;
  THandle in(CreateFileW(WPath(src).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | flags, nullptr));
  if (!in.Valid()) {
    code = GetLastError();
    return false;
  }
  if (flags & FILE_FLAG_BACKUP_SEMANTICS) {
    // Backup semantics also opens folders; a folder is no file to copy.
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(in.Get(), &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      code = kErrAccessDenied;
      return false;
    }
  }
  return CopyFromHandle(in.Get(), dst, code);
}

HANDLE StdOut() { return GetStdHandle(STD_OUTPUT_HANDLE); }

bool IsConsoleHandle(HANDLE h) {
  DWORD mode;
  return h != INVALID_HANDLE_VALUE && h != nullptr && GetFileType(h) == FILE_TYPE_CHAR &&
         GetConsoleMode(h, &mode);
}

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
  THandle h(CreateFileW(WPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.Valid()) {
    code = GetLastError();
    return false;
  }
  code = 0;
  return true;
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

bool CopyFileShared(const std::string& src, const std::string& dst, uint32_t& code) {
  return CopyWithFlags(src, dst, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0,
                       code);
}

bool CopyFileBackup(const std::string& src, const std::string& dst, uint32_t& code) {
  EnableBackupPrivilege();
  return CopyWithFlags(src, dst, 0, FILE_FLAG_BACKUP_SEMANTICS, code);
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

// ---- Volume shadow copies ------------------------------------------------

namespace {

// Making the shadow copy: the service freezes writes for ten seconds at
// most, but may first wait for another requester's set.
constexpr DWORD kShadowLimitMs = 120000;

// "step（0x80042306：text）": the service's own codes carry no system text.
std::string ShadowReason(const std::string& step, HRESULT hr) {
  const char* known = nullptr;
  switch (hr) {
    case VSS_E_VOLUME_NOT_SUPPORTED: known = "该卷不支持卷影副本"; break;
    case VSS_E_MAXIMUM_NUMBER_OF_SNAPSHOTS_REACHED: known = "卷影副本数量已达上限"; break;
    case VSS_E_SNAPSHOT_SET_IN_PROGRESS: known = "另一个卷影副本正在创建"; break;
    case VSS_E_INSUFFICIENT_STORAGE: known = "卷影副本存储空间不足"; break;
    case VSS_E_PROVIDER_VETO: known = "卷影副本提供程序拒绝了请求"; break;
    case VSS_E_UNEXPECTED_PROVIDER_ERROR: known = "卷影副本提供程序出错"; break;
    case VSS_E_PROVIDER_NOT_REGISTERED: known = "没有可用的卷影副本提供程序"; break;
    case VSS_E_BAD_STATE: known = "卷影复制服务不接受此时的请求"; break;
    case VSS_E_UNEXPECTED: known = "卷影复制服务出现意外错误"; break;
    default: break;
  }
  const std::string text = known ? known : SystemErrorMessage(static_cast<uint32_t>(hr));
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  return step + "（" + code + (text.empty() ? std::string() : "：" + text) + "）";
}

// vssapi.dll from the system folder: an import would be looked for beside
// the program first.
struct TVssApi {
  using TCreate = HRESULT(WINAPI*)(IVssBackupComponents**);
  using TFreeProps = void(WINAPI*)(VSS_SNAPSHOT_PROP*);
  TCreate Create = nullptr;
  TFreeProps FreeProps = nullptr;
  DWORD LoadError = 0;
};

template <typename T>
T Proc(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const TVssApi& VssApi() {
  static const TVssApi api = [] {
    TVssApi a;
    const std::string path = SystemToolPath("vssapi.dll");
    HMODULE m = path.empty() ? nullptr
                             : LoadLibraryExW(Wide(path).c_str(), nullptr,
                                              LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!m) {
      a.LoadError = path.empty() ? ERROR_PATH_NOT_FOUND : GetLastError();
      return a;
    }
    a.Create = Proc<TVssApi::TCreate>(m, "CreateVssBackupComponentsInternal");
    if (!a.Create)  // systems before the plain name: the C++ one
      a.Create = Proc<TVssApi::TCreate>(m, "?CreateVssBackupComponents@@YAJPEAPEAVIVssBackupComponents@@@Z");
    a.FreeProps = Proc<TVssApi::TFreeProps>(m, "VssFreeSnapshotPropertiesInternal");
    if (!a.FreeProps) a.FreeProps = Proc<TVssApi::TFreeProps>(m, "VssFreeSnapshotProperties");
    if (!a.Create) a.LoadError = ERROR_PROC_NOT_FOUND;
    return a;
  }();
  return api;
}

// Waits for an operation of the service, cancelling it on interruption or
// at the limit; the operation's own result (VSS_S_ASYNC_FINISHED on
// success).
HRESULT WaitForService(IVssAsync* async, DWORD limitMs) {
  const DWORD start = GetTickCount();
  HRESULT result = VSS_S_ASYNC_PENDING;
  HRESULT abandoned = S_OK;
  for (;;) {
    HRESULT hr = async->QueryStatus(&result, nullptr);
    if (FAILED(hr)) {
      result = hr;
      break;
    }
    if (result != VSS_S_ASYNC_PENDING) break;
    if (abandoned == S_OK && (InterruptRequested() || GetTickCount() - start >= limitMs)) {
      abandoned = HRESULT_FROM_WIN32(InterruptRequested() ? ERROR_OPERATION_ABORTED : ERROR_TIMEOUT);
      async->Cancel();
    }
    // A cancelled operation normally ends at once; it is not waited for long.
    if (abandoned != S_OK && GetTickCount() - start >= limitMs + 10000) break;
    Sleep(100);
  }
  async->Release();
  return abandoned != S_OK ? abandoned : result;
}

// One shadow copy of one volume, made by the service without writers
// (a crash-consistent image, which is what a database's own recovery
// expects), not persistent and released automatically: deleted explicitly
// when this object ends, and by the service itself should the process end
// first. While it exists an interruption waits for the main thread to
// delete it.
class TShadowCopy {
 public:
  TShadowCopy() { detail::BeginExitHold(); }
  ~TShadowCopy() {
    if (FBackup) {
      if (FMade) {
        LONG deleted = 0;
        VSS_ID notDeleted = {};
        FBackup->DeleteSnapshots(FSetId, VSS_OBJECT_SNAPSHOT_SET, TRUE, &deleted, &notDeleted);
      } else if (FStarted) {
        FBackup->AbortBackup();
      }
      FBackup->Release();
    }
    if (FComReady) CoUninitialize();
    detail::EndExitHold();
  }
  TShadowCopy(const TShadowCopy&) = delete;
  TShadowCopy& operator=(const TShadowCopy&) = delete;

  // `volume` as "\\?\Volume{…}\"; false with the reason.
  bool Make(const std::wstring& volume, std::string& reason) {
    EnableBackupPrivilege();
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr)) {
      FComReady = true;
    } else if (hr != RPC_E_CHANGED_MODE) {  // already set up otherwise: usable as it is
      reason = ShadowReason("初始化 COM", hr);
      return false;
    }
    // The security a requester declares; too late when COM was set up
    // before, which changes nothing for a requester without writers.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                         RPC_C_IMP_LEVEL_IDENTIFY, nullptr, EOAC_DYNAMIC_CLOAKING, nullptr);
    const TVssApi& api = VssApi();
    if (!api.Create) {
      reason = ShadowReason("加载 vssapi.dll", HRESULT_FROM_WIN32(api.LoadError));
      return false;
    }
    hr = api.Create(&FBackup);
    if (FAILED(hr) || !FBackup) {
      FBackup = nullptr;
      reason = ShadowReason("连接卷影复制服务", FAILED(hr) ? hr : E_UNEXPECTED);
      return false;
    }
    if (FAILED(hr = FBackup->InitializeForBackup(nullptr))) {
      reason = ShadowReason("连接卷影复制服务", hr);
      return false;
    }
    if (FAILED(hr = FBackup->SetContext(VSS_CTX_FILE_SHARE_BACKUP))) {
      reason = ShadowReason("设置卷影副本类型", hr);
      return false;
    }
    if (FAILED(hr = FBackup->StartSnapshotSet(&FSetId))) {
      reason = ShadowReason("创建卷影副本", hr);
      return false;
    }
    FStarted = true;
    VSS_ID snapshotId = {};
    std::wstring name = volume;
    if (FAILED(hr = FBackup->AddToSnapshotSet(&name[0], VSS_ID{}, &snapshotId))) {
      reason = ShadowReason("将卷加入卷影副本", hr);
      return false;
    }
    IVssAsync* async = nullptr;
    if (FAILED(hr = FBackup->DoSnapshotSet(&async)) || !async) {
      reason = ShadowReason("创建卷影副本", FAILED(hr) ? hr : E_UNEXPECTED);
      return false;
    }
    hr = WaitForService(async, kShadowLimitMs);
    if (hr != VSS_S_ASYNC_FINISHED) {
      reason = ShadowReason("创建卷影副本", hr == VSS_S_ASYNC_CANCELLED ? E_ABORT : hr);
      return false;
    }
    FMade = true;
    VSS_SNAPSHOT_PROP prop = {};
    if (FAILED(hr = FBackup->GetSnapshotProperties(snapshotId, &prop))) {
      reason = ShadowReason("读取卷影副本属性", hr);
      return false;
    }
    if (prop.m_pwszSnapshotDeviceObject) FDevice = prop.m_pwszSnapshotDeviceObject;
    if (api.FreeProps) {
      api.FreeProps(&prop);
    } else {
      CoTaskMemFree(prop.m_pwszSnapshotDeviceObject);
      CoTaskMemFree(prop.m_pwszOriginalVolumeName);
      CoTaskMemFree(prop.m_pwszOriginatingMachine);
      CoTaskMemFree(prop.m_pwszServiceMachine);
      CoTaskMemFree(prop.m_pwszExposedName);
      CoTaskMemFree(prop.m_pwszExposedPath);
    }
    if (FDevice.empty()) {
      reason = ShadowReason("读取卷影副本属性", E_UNEXPECTED);
      return false;
    }
    return true;
  }

  // "\\?\GLOBALROOT\Device\HarddiskVolumeShadowCopyN"
  const std::wstring& Device() const { return FDevice; }

 private:
  IVssBackupComponents* FBackup = nullptr;
  bool FComReady = false;
  bool FStarted = false;
  bool FMade = false;
  VSS_ID FSetId = {};
  std::wstring FDevice;
};

// The volume of a folder ("\\?\Volume{…}\") and the folder's path below the
// volume's root ("\Users\…"), with links, junctions and mount points
// resolved. The folder is opened without any data access, which neither
// needs nor disturbs anyone's sharing.
bool VolumeOfFolder(const std::string& dir, std::wstring& volume, std::wstring& below,
                    std::string& reason) {
  THandle h(CreateFileW(WPath(dir).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.Valid()) {
    reason = ShadowReason("打开文件夹 " + dir, HRESULT_FROM_WIN32(GetLastError()));
    return false;
  }
  auto finalPath = [&](DWORD flags, std::wstring& out) {
    DWORD n = GetFinalPathNameByHandleW(h.Get(), nullptr, 0, flags);
    if (n == 0) return false;
    out.assign(n, L'\0');
    n = GetFinalPathNameByHandleW(h.Get(), &out[0], n, flags);
    if (n == 0 || n >= out.size()) return false;
    out.resize(n);
    return true;
  };
  std::wstring full;
  if (!finalPath(FILE_NAME_NORMALIZED | VOLUME_NAME_GUID, full) ||
      !finalPath(FILE_NAME_NORMALIZED | VOLUME_NAME_NONE, below)) {
    reason = ShadowReason("确定 " + dir + " 所在的卷", HRESULT_FROM_WIN32(GetLastError()));
    return false;
  }
  if (below.empty() || full.size() <= below.size() ||
      full.compare(full.size() - below.size(), below.size(), below) != 0) {
    reason = ShadowReason("确定 " + dir + " 所在的卷", HRESULT_FROM_WIN32(ERROR_INVALID_NAME));
    return false;
  }
  volume = full.substr(0, full.size() - below.size());
  if (volume.back() != L'\\') volume += L'\\';
  if (below.back() != L'\\') below += L'\\';
  return true;
}

}  // namespace

bool CopyFromShadow(const std::vector<ShadowFile>& files, std::string& reason) {
  reason.clear();
  if (files.empty()) return true;
  if (InterruptRequested()) {  // nothing new is made now
    reason = ShadowReason("创建卷影副本", HRESULT_FROM_WIN32(ERROR_OPERATION_ABORTED));
    return false;
  }
  // Where each file lies inside the shadow copy.
  std::wstring volume;
  std::vector<std::wstring> inShadow;
  for (const ShadowFile& f : files) {
    const size_t sep = f.Src.find_last_of("\\/");
    std::string dir = sep == std::string::npos ? CurrentDir() : f.Src.substr(0, sep);
    if (dir.empty() || dir.back() == ':') dir += '\\';  // a drive's root
    const std::string name = sep == std::string::npos ? f.Src : f.Src.substr(sep + 1);
    std::wstring vol, below;
    if (!VolumeOfFolder(dir, vol, below, reason)) return false;
    if (volume.empty()) {
      volume = vol;
    } else if (_wcsicmp(vol.c_str(), volume.c_str()) != 0) {
      reason = "文件不在同一个卷上";
      return false;
    }
    inShadow.push_back(below + Wide(name));
  }

  TShadowCopy shadow;
  if (!shadow.Make(volume, reason)) return false;
  std::vector<const ShadowFile*> written;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::wstring src = shadow.Device() + inShadow[i];
    if (files[i].IfPresent && GetFileAttributesW(src.c_str()) == INVALID_FILE_ATTRIBUTES) {
      const DWORD err = GetLastError();
      if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) continue;
    }
    uint32_t code = 0;
    // The shadow is read-only and ours alone; backup semantics reach other
    // users' files as they do on the live volume.
    if (!CopyWithFlags(Narrow(src), files[i].Dst,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       FILE_FLAG_BACKUP_SEMANTICS, code)) {
      const size_t sep = files[i].Src.find_last_of("\\/");
      reason = ShadowReason("从卷影副本复制 " + files[i].Src.substr(sep == std::string::npos ? 0 : sep + 1),
                            HRESULT_FROM_WIN32(code));
      for (const ShadowFile* w : written) DeleteFileW(WPath(w->Dst).c_str());
      return false;
    }
    written.push_back(&files[i]);
  }
  return true;
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
  // CreateDirectoryW stops at 248 characters, the other calls at 260.
  if (path.size() < 248 || path.compare(0, 4, "\\\\?\\") == 0 ||
      path.compare(0, 4, "\\\\.\\") == 0)
    return path;
  std::wstring w = Wide(path);
  DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(w.c_str(), n, &full[0], nullptr);
  full.resize(n);
  if (full.size() < 248) return path;
  if (full.compare(0, 2, L"\\\\") == 0) return "\\\\?\\UNC\\" + Narrow(full.substr(2));
  return "\\\\?\\" + Narrow(full);
}

std::string TempDir() {
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

// ---- Process -----------------------------------------------------------

uint32_t ProcessId() { return GetCurrentProcessId(); }

int32_t TickCount() { return static_cast<int32_t>(GetTickCount()); }

void SleepMs(uint32_t ms) { Sleep(ms); }

std::string OwnExePath() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, &buf[0], static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) {
      buf.resize(n);
      return Narrow(buf);
    }
    buf.resize(buf.size() * 2);
  }
}

namespace {

// The job every child is placed in: closing its last handle, which the
// system does when this process ends in any way, ends the children too, and
// a child that crashes ends at once instead of waiting for error reporting.
HANDLE ChildJob() {
  static HANDLE job = [] {
    HANDLE h = CreateJobObjectW(nullptr, nullptr);
    if (!h) return h;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (!SetInformationJobObject(h, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
      CloseHandle(h);
      return HANDLE(nullptr);
    }
    return h;
  }();
  return job;
}

}  // namespace

bool SpawnAndWait(const std::string& exe, const std::vector<std::string>& args,
                  uint32_t timeoutMs, int32_t& exitCode, uint32_t& errCode) {
  exitCode = -1;
  errCode = 0;
  std::vector<std::string> all{exe};
  all.insert(all.end(), args.begin(), args.end());
  std::string line;
  if (!BuildCommandLine(all, line)) {
    errCode = ERROR_INVALID_PARAMETER;
    return false;
  }
  std::wstring cmd = Wide(line);
  PROCESS_INFORMATION pi = {};
  // The child starts suspended so that it is in the job before it runs a
  // single instruction.
  if (!detail::StartTrackedProcess(cmd, CREATE_NO_WINDOW | CREATE_SUSPENDED, pi)) {
    errCode = GetLastError();
    return false;
  }
  THandle process(pi.hProcess), thread(pi.hThread);
  // Outside a job (a parent job that forbids nesting on old systems) the
  // child still runs; only the clean-up after our own end is lost.
  if (HANDLE job = ChildJob()) AssignProcessToJobObject(job, pi.hProcess);
  ResumeThread(pi.hThread);
  if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_TIMEOUT) {
    // Still running at the limit: stop it, so that the files it holds can
    // be removed, and report it as still active.
    TerminateProcess(pi.hProcess, kErrStillActive);
    WaitForSingleObject(pi.hProcess, 5000);
    detail::TrackChildProcess(nullptr);
    exitCode = static_cast<int32_t>(kErrStillActive);
    return true;
  }
  detail::TrackChildProcess(nullptr);
  DWORD code = 0;
  if (GetExitCodeProcess(pi.hProcess, &code)) exitCode = static_cast<int32_t>(code);
  return true;
}

std::vector<std::string> CommandLineArgs() {
  const wchar_t* line = GetCommandLineW();
  return SplitCommandLine(line ? Narrow(line, wcslen(line)) : std::string());
}

void HardenProcess() {
  // Not a search path: the program's own folder and the current folder may
  // hold a planted copy of a system DLL, loaded elevated with /user:all.
  SetDllDirectoryW(L"");
  using TSetDefault = BOOL(WINAPI*)(DWORD);
  // Windows 8 and later (Windows 7 with its security update) have it.
  auto setDefault = reinterpret_cast<TSetDefault>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

namespace {
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info) {
  TerminateProcess(GetCurrentProcess(),
                   info && info->ExceptionRecord ? info->ExceptionRecord->ExceptionCode : 1);
  return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

void SuppressErrorDialogs() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(EndOnCrash);
}

std::string SystemToolPath(const std::string& name) {
  wchar_t buf[MAX_PATH + 1];
  UINT n = GetSystemDirectoryW(buf, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return std::string();
  std::string dir = Narrow(buf, static_cast<size_t>(n));
  if (!IsPathSep(dir.back())) dir += '\\';
  return dir + name;
}

void ShellOpen(const std::string& path) {
  // Shell extensions behind "open" may be COM objects.
  HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (SUCCEEDED(init)) CoUninitialize();
}

// ---- Environment and users ---------------------------------------------

std::string GetEnv(const std::string& name) {
  std::wstring wname = Wide(name);
  std::wstring buf(256, L'\0');
  for (;;) {
    SetLastError(0);
    DWORD n = GetEnvironmentVariableW(wname.c_str(), &buf[0], static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) {
      buf.resize(n);
      return Narrow(buf);
    }
    buf.resize(n);  // n is the size needed, terminator included
  }
}

std::string ExpandEnvStrings(const std::string& path) {
  if (path.find('%') == std::string::npos) return path;
  std::wstring src = Wide(path);
  // 520 characters and the terminator hold every ordinary profile path; a
  // longer expansion is taken whole rather than cut.
  std::wstring buf(521, L'\0');
  DWORD n = ExpandEnvironmentStringsW(src.c_str(), &buf[0], static_cast<DWORD>(buf.size()));
  if (n > buf.size()) {
    buf.assign(n, L'\0');
    n = ExpandEnvironmentStringsW(src.c_str(), &buf[0], static_cast<DWORD>(buf.size()));
  }
  if (n == 0 || n > buf.size()) return path;
  buf.resize(wcsnlen(buf.c_str(), buf.size()));
  return Narrow(buf);
}

bool ListProfileFolders(const std::string& /*homeDir*/, std::vector<std::string>& out) {
  out.clear();
  static const wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
  HKEY list;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &list) != ERROR_SUCCESS) return false;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLen = 256;
    LONG r = RegEnumKeyExW(list, i, name, &nameLen, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS) continue;
    HKEY sub;
    if (RegOpenKeyExW(list, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
    DWORD type = 0, size = 0;
    std::wstring value;
    if (RegQueryValueExW(sub, L"ProfileImagePath", nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size >= sizeof(wchar_t)) {
      value.assign(size / sizeof(wchar_t) + 1, L'\0');
      if (RegQueryValueExW(sub, L"ProfileImagePath", nullptr, &type,
                           reinterpret_cast<BYTE*>(&value[0]), &size) == ERROR_SUCCESS &&
          (type == REG_SZ || type == REG_EXPAND_SZ)) {
        // Stored strings need not end with a terminator; cut at the first one.
        value.resize(wcsnlen(value.c_str(), size / sizeof(wchar_t)));
      } else {
        value.clear();
      }
    }
    RegCloseKey(sub);
    if (!value.empty()) out.push_back(Narrow(value));
  }
  RegCloseKey(list);
  return true;
}

// Windows users are the registry's profile folders (ListProfileFolders).
bool ListAccounts(std::vector<Account>& out) {
  out.clear();
  return false;
}

// USERNAME is always set on Windows; nothing further is looked up.
std::string CurrentAccountName() { return std::string(); }

std::string ComputerName() {
  wchar_t buf[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD n = MAX_COMPUTERNAME_LENGTH + 1;
  return GetComputerNameW(buf, &n) ? Narrow(std::wstring(buf, n)) : std::string();
}

bool IsElevated() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  TOKEN_ELEVATION elevation = {};
  DWORD size = 0;
  bool elevated = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
                  elevation.TokenIsElevated != 0;
  CloseHandle(token);
  return elevated;
}

// ---- Console -----------------------------------------------------------

StdOutKind StdOutType() {
  HANDLE h = StdOut();
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return StdOutKind::Other;
  switch (GetFileType(h)) {
    case FILE_TYPE_DISK: return StdOutKind::File;
    case FILE_TYPE_PIPE: return StdOutKind::Pipe;
    case FILE_TYPE_CHAR: return IsConsoleHandle(h) ? StdOutKind::Console : StdOutKind::Other;
    default: return StdOutKind::Other;
  }
}

int ConsoleColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(StdOut(), &info)) return -1;
  return info.dwSize.X;
}

namespace {
bool WriteLineTo(HANDLE h, const std::string& text) {
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  std::fflush(stdout);
  std::wstring w = Wide(text);
  w += L"\r\n";
  if (IsConsoleHandle(h)) {
    // The console shows every character whatever the code page is.
    size_t pos = 0;
    while (pos < w.size()) {
      size_t n = w.size() - pos < 8192 ? w.size() - pos : 8192;
      if (pos + n < w.size() && IS_HIGH_SURROGATE(w[pos + n - 1])) --n;  // keep pairs whole
      DWORD written = 0;
      if (!WriteConsoleW(h, w.data() + pos, static_cast<DWORD>(n), &written, nullptr) ||
          written == 0)
        return false;
      pos += written;
    }
    return true;
  }
  // Redirected: the ANSI code page, "?" for what it cannot represent.
  std::string bytes = Narrow(w, CP_ACP);
  return WriteAllTo(h, bytes.data(), bytes.size());
}
}  // namespace

bool WriteConsoleLine(const std::string& text) { return WriteLineTo(StdOut(), text); }

bool WriteErrorLine(const std::string& text) {
  return WriteLineTo(GetStdHandle(STD_ERROR_HANDLE), text);
}

bool WriteStdOutRaw(const std::string& bytes) {
  HANDLE h = StdOut();
  if (bytes.empty()) return true;
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  std::fflush(stdout);
  return WriteAllTo(h, bytes.data(), bytes.size());
}

const char* LineEnd() { return "\r\n"; }

std::string LogFileText(const std::string& text) { return Narrow(Wide(text), CP_ACP); }

// ---- Time and messages --------------------------------------------------

namespace {
constexpr int64_t kUnixEpochAs1601 = 116444736000000000LL;  // 100 ns units

int64_t NowFileTime() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  return static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) |
                              ft.dwLowDateTime);
}
}  // namespace

int64_t NowUnixUtc() { return (NowFileTime() - kUnixEpochAs1601) / 10000000; }

int64_t NowUnixMillis() { return (NowFileTime() - kUnixEpochAs1601) / 10000; }

int64_t UtcOffsetNowSeconds() {
  TIME_ZONE_INFORMATION tz;
  DWORD which = GetTimeZoneInformation(&tz);
  if (which == TIME_ZONE_ID_INVALID) return 0;
  LONG bias = tz.Bias;  // minutes, UTC = local + bias
  if (which == TIME_ZONE_ID_DAYLIGHT)
    bias += tz.DaylightBias;
  else if (which == TIME_ZONE_ID_STANDARD)
    bias += tz.StandardBias;
  return -static_cast<int64_t>(bias) * 60;
}

int64_t UtcOffsetAtSeconds(int64_t unixUtc) {
  // Outside the years 1601..9999 the calendar calls fail or overflow.
  if (unixUtc < -11644473600LL || unixUtc > 253402300799LL) return UtcOffsetNowSeconds();
  const uint64_t ticks = static_cast<uint64_t>(unixUtc * 10000000 + kUnixEpochAs1601);
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(ticks);
  ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  SYSTEMTIME utc, local;
  FILETIME localFt;
  // The current zone's dynamic rules give each year its own daylight-saving
  // dates. (SystemTimeToTzSpecificLocalTimeEx would take them directly, but
  // Wine lacks it.)
  DYNAMIC_TIME_ZONE_INFORMATION dtz;
  TIME_ZONE_INFORMATION tzi;
  if (!FileTimeToSystemTime(&ft, &utc) ||
      GetDynamicTimeZoneInformation(&dtz) == TIME_ZONE_ID_INVALID ||
      !GetTimeZoneInformationForYear(utc.wYear, &dtz, &tzi) ||
      !SystemTimeToTzSpecificLocalTime(&tzi, &utc, &local) ||
      !SystemTimeToFileTime(&local, &localFt))
    return UtcOffsetNowSeconds();
  const uint64_t localTicks =
      (static_cast<uint64_t>(localFt.dwHighDateTime) << 32) | localFt.dwLowDateTime;
  return (static_cast<int64_t>(localTicks) - static_cast<int64_t>(ticks)) / 10000000;
}

std::string SystemErrorMessage(uint32_t code) {
  wchar_t* buf = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                               FORMAT_MESSAGE_ALLOCATE_BUFFER,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  if (n == 0 || !buf) return std::string();
  std::wstring text(buf, n);
  LocalFree(buf);
  // The system texts end with a line break.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
    text.pop_back();
  return Narrow(text);
}

// ---- Embedded resources -------------------------------------------------

bool LoadEmbeddedResource(const std::string& name, std::string& data) {
  data.clear();
  HRSRC res = FindResourceW(nullptr, Wide(name).c_str(), RT_RCDATA);
  if (!res) return false;
  HGLOBAL loaded = LoadResource(nullptr, res);
  DWORD size = SizeofResource(nullptr, res);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return false;
  data.assign(static_cast<const char*>(bytes), size);
  return true;
}

}  // namespace plat
