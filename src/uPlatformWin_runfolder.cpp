// The run's lock and, for an elevated run, its folder on Windows. An
// elevated run copies every user's history; the user's own %TEMP% is a
// folder that user (and anything running as that user) can change, so the
// copies go to a folder of the run's own in the system's Temp folder,
// created with owner and access list for SYSTEM and Administrators alone and
// held open for the whole run without delete sharing, so that it can be
// neither renamed nor replaced by a junction.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {
namespace {

using detail::ExtendedChild;
using detail::Narrow;
using detail::THandle;
using detail::Wide;

SRWLOCK gLock = SRWLOCK_INIT;
std::string gRunDir;           // UTF-8, without a final separator; empty: none
std::wstring gRunDirW;         // the same in the extended form
HANDLE gRunHandle = nullptr;   // the held folder
HANDLE gLockHandle = nullptr;  // the run's lock file, deleted when closed

class TExclusive {
 public:
  TExclusive() { AcquireSRWLockExclusive(&gLock); }
  ~TExclusive() { ReleaseSRWLockExclusive(&gLock); }
  TExclusive(const TExclusive&) = delete;
  TExclusive& operator=(const TExclusive&) = delete;
};

// A security descriptor from its text form; Get() is null when it could
// not be built.
class TSecurity {
 public:
  explicit TSecurity(const wchar_t* sddl) {
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &FDescriptor,
                                                              nullptr))
      FDescriptor = nullptr;
    FAttributes.nLength = sizeof FAttributes;
    FAttributes.lpSecurityDescriptor = FDescriptor;
  }
  ~TSecurity() {
    if (FDescriptor) LocalFree(FDescriptor);
  }
  TSecurity(const TSecurity&) = delete;
  TSecurity& operator=(const TSecurity&) = delete;
  SECURITY_ATTRIBUTES* Get() { return FDescriptor ? &FAttributes : nullptr; }

 private:
  PSECURITY_DESCRIPTOR FDescriptor = nullptr;
  SECURITY_ATTRIBUTES FAttributes = {};
};

// Owner Administrators, protected from what the parent would pass on.
constexpr wchar_t kFolderSddl[] = L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
constexpr wchar_t kLockSddl[] = L"O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)";

std::string SystemTempDir() {
  wchar_t buf[MAX_PATH + 1];
  const UINT n = GetWindowsDirectoryW(buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  std::string dir = Narrow(buf, static_cast<size_t>(n));
  if (!IsPathSep(dir.back())) dir += '\\';
  return dir + "Temp\\";
}

// The owner of what `h` refers to, checked against `want`.
bool OwnerIs(HANDLE h, bool (*want)(PSID)) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (GetSecurityInfo(h, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                      nullptr, &sd) != ERROR_SUCCESS)
    return false;
  const bool ok = owner && want(owner);
  LocalFree(sd);
  return ok;
}

bool IsAdministrators(PSID sid) { return IsWellKnownSid(sid, WinBuiltinAdministratorsSid) != 0; }

bool IsAdministratorsOrSystem(PSID sid) {
  return IsAdministrators(sid) || IsWellKnownSid(sid, WinLocalSystemSid) != 0;
}

bool IsTokenUser(PSID sid) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  std::vector<DWORD> buf(64);
  DWORD size = 0;
  bool same = GetTokenInformation(token, TokenUser, buf.data(),
                                  static_cast<DWORD>(buf.size() * sizeof(DWORD)), &size) &&
              EqualSid(reinterpret_cast<TOKEN_USER*>(buf.data())->User.Sid, sid);
  CloseHandle(token);
  return same;
}

bool IsRunAccount(PSID sid) {
  return IsTokenUser(sid) || (IsElevated() && IsAdministratorsOrSystem(sid));
}

// The run's lock: a new file, opened without any sharing (so that another
// run's sweep cannot open it while this run lives) and deleted by the
// system when this process ends, however it ends.
HANDLE CreateLock(const std::wstring& path, SECURITY_ATTRIBUTES* sa) {
  return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, sa, CREATE_NEW,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE |
                         FILE_FLAG_OPEN_REPARSE_POINT,
                     nullptr);
}

// The run folder: made new with its owner and access list, then opened
// without following a link and without delete sharing, and looked at
// through that handle: a folder, no reparse point, owned by Administrators.
// Wine keeps no owner or access list given at creation: a file's owner
// reads back as the account that runs Wine, and the Unix permissions of
// that account guard it. There a folder made new by this run is taken as
// owned by it; on Windows the owner must be the one it was created with.
HANDLE CreateHeldFolder(const std::wstring& path, SECURITY_ATTRIBUTES* sa, DWORD& code) {
  code = 0;
  if (!CreateDirectoryW(path.c_str(), sa)) {
    code = GetLastError();
    return nullptr;
  }
  HANDLE h = CreateFileW(path.c_str(),
                         FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | READ_CONTROL | DELETE |
                             SYNCHRONIZE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    code = GetLastError();
    RemoveDirectoryW(path.c_str());
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
      !(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
      (OwnerIs(h, IsAdministrators) || (detail::UnderWine() && OwnerIs(h, IsTokenUser))))
    return h;
  code = ERROR_INVALID_OWNER;
  detail::DeleteByHandle(h, 0);  // ours, just made and empty
  CloseHandle(h);
  return nullptr;
}

// Takes a lock (and, `withFolder`, the folder) under a fresh name in `parent`.
bool OpenIn(const std::string& parent, bool withFolder, std::string& err) {
  TSecurity folderSd(kFolderSddl), lockSd(kLockSddl);
  if (withFolder && (!folderSd.Get() || !lockSd.Get())) {
    err = "无法建立访问控制列表（" + SystemErrorMessage(GetLastError()) + "）";
    return false;
  }
  const std::wstring parentW = Wide(parent);
  for (int n = 0; n < 100; ++n) {
    char name[64];
    std::snprintf(name, sizeof name, n ? "vt_run_%u_%d_%d" : "vt_run_%u_%d",
                  static_cast<unsigned>(ProcessId()), static_cast<int>(TickCount()), n);
    HANDLE lock = CreateLock(ExtendedChild(parentW, Wide(name) + L".lock"),
                             withFolder ? lockSd.Get() : nullptr);
    if (lock == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) continue;
      err = SystemErrorMessage(GetLastError());
      return false;
    }
    if (!withFolder) {
      gLockHandle = lock;
      return true;
    }
    const std::wstring dirW = ExtendedChild(parentW, Wide(name));
    DWORD code = 0;
    HANDLE dir = CreateHeldFolder(dirW, folderSd.Get(), code);
    if (!dir) {
      CloseHandle(lock);
      if (code == ERROR_ALREADY_EXISTS) continue;  // a name someone took first
      err = code == ERROR_INVALID_OWNER ? "新建的文件夹不是属于 Administrators 的普通文件夹"
                                        : SystemErrorMessage(code);
      return false;
    }
    gLockHandle = lock;
    gRunHandle = dir;
    gRunDirW = dirW;
    gRunDir = parent + name;
    return true;
  }
  err = SystemErrorMessage(ERROR_FILE_EXISTS);
  return false;
}

}  // namespace

std::string TempDir() {
  {
    TExclusive hold;
    if (!gRunDir.empty()) return gRunDir + '\\';
  }
  return UserTempDir();
}

std::string RunFolder() {
  TExclusive hold;
  return gRunDir;
}

bool OpenRunFolder(std::string& err) {
  err.clear();
  TExclusive hold;
  if (gLockHandle) return true;
  if (!IsElevated()) {
    // The user's own files in the user's own %TEMP%: the lock alone. A run
    // without it still runs; a later sweep then goes by its process id.
    std::string ignored;
    const std::string temp = UserTempDir();
    if (!temp.empty()) OpenIn(temp, false, ignored);
    return true;
  }
  const std::string parent = SystemTempDir();
  const DWORD attrs = parent.empty() ? INVALID_FILE_ATTRIBUTES
                                     : GetFileAttributesW(Wide(parent).c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_DIRECTORY) ||
      (attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
    err = "系统临时文件夹不可用：" + parent;
    return false;
  }
  std::string why;
  if (OpenIn(parent, true, why)) return true;
  err = "无法在 " + parent + " 中建立本次运行的私有文件夹（" + why + "）";
  return false;
}

void detail::RemoveRunFolderNow() {
  TExclusive hold;
  if (gRunHandle) {
    EmptyHeldFolder(gRunHandle, gRunDirW);
    DeleteByHandle(gRunHandle, 0);
    CloseHandle(gRunHandle);
    gRunHandle = nullptr;
  }
  if (gLockHandle) CloseHandle(gLockHandle);  // the system deletes it
  gLockHandle = nullptr;
  gRunDir.clear();
  gRunDirW.clear();
}

void CloseRunFolder() { detail::RemoveRunFolderNow(); }

std::vector<std::string> RunParentFolders() {
  std::vector<std::string> out;
  const std::string user = UserTempDir();
  if (!user.empty()) out.push_back(user);
  if (IsElevated()) {
    const std::string system = SystemTempDir();
    if (!system.empty() && CompareStringOrdinal(Wide(system).c_str(), -1, Wide(user).c_str(), -1,
                                                TRUE) != CSTR_EQUAL)
      out.push_back(system);
  }
  return out;
}

bool OwnedByRunAccount(const std::string& path) {
  THandle h(CreateFileW(detail::ExtendedPath(detail::FullPath(path)).c_str(), READ_CONTROL,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                        nullptr));
  return h.Valid() && OwnerIs(h.Get(), IsRunAccount);
}

bool RunLockFree(const std::string& path) {
  // A live run holds its lock without any sharing: this open fails then.
  THandle h(CreateFileW(detail::ExtendedPath(detail::FullPath(path)).c_str(), GENERIC_READ, 0,
                        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  return h.Valid() && GetFileInformationByHandle(h.Get(), &info) &&
         !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

}  // namespace plat
