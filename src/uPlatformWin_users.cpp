// Environment and users on Windows: environment strings, the registry's
// profile list, elevation.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <cstring>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {
using detail::Narrow;
using detail::Wide;

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

namespace {

std::string SidText(PSID sid) {
  LPWSTR text = nullptr;
  if (!sid || !ConvertSidToStringSidW(sid, &text)) return std::string();
  const std::string s = Narrow(text);
  LocalFree(text);
  return s;
}

}  // namespace

bool detail::FileOwner(HANDLE h, std::string& id, std::string& name) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (GetSecurityInfo(h, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                      nullptr, &sd) != ERROR_SUCCESS)
    return false;
  id = SidText(owner);
  wchar_t account[256], domain[256];
  DWORD accountLen = 256, domainLen = 256;
  SID_NAME_USE use;
  if (owner && LookupAccountSidW(nullptr, owner, account, &accountLen, domain, &domainLen, &use))
    name = Narrow(std::wstring(domain) + L"\\" + account);
  else
    name = id;
  LocalFree(sd);
  return !id.empty();
}

bool detail::OwnerStandsFor(const std::string& id, const std::string& account) {
  return _stricmp(id.c_str(), account.c_str()) == 0 || id == "S-1-5-32-544" || id == "S-1-5-18";
}

bool detail::UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::string CurrentUserId() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return std::string();
  std::string id;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buf(size);
  if (size > 0 && GetTokenInformation(token, TokenUser, buf.data(), size, &size))
    id = SidText(reinterpret_cast<TOKEN_USER*>(buf.data())->User.Sid);
  CloseHandle(token);
  return id;
}

// Windows files are owned by SIDs; user ids belong to POSIX.
std::string UserIdOf(uint32_t /*uid*/) { return std::string(); }

bool ListProfileFolders(const std::string& /*homeDir*/, std::vector<std::string>& out,
                        std::vector<std::string>* owners) {
  out.clear();
  if (owners) owners->clear();
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
    if (value.empty()) continue;
    out.push_back(Narrow(value));
    // The profile's key is named by its owner's SID; under Wine no file is
    // any profile's own, so none is given.
    if (owners)
      owners->push_back(detail::UnderWine() ? std::string() : Narrow(std::wstring(name, nameLen)));
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

}  // namespace plat
