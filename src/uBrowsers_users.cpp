// Which user folders a run scans: the running user, and with scope "all"
// every other real user of the machine.
#include <map>
#include <utility>

#include "uBrowsers.h"
#include "uPlatform.h"
#include "uUtil.h"

namespace {

std::string WithoutTrailingSep(std::string path) {
  while (path.size() > 1 && plat::IsPathSep(path.back())) path.pop_back();
  return path;
}

std::string WithTrailingSep(const std::string& path) {
  std::string s = WithoutTrailingSep(path);
  if (s.empty() || !plat::IsPathSep(s.back())) s += plat::kPathSep;
  return s;
}

bool SameFolderName(const std::string& a, const std::string& b) {
  return FoldCase(a) == FoldCase(b);
}

// Ordinary accounts on Debian and its kin: root, and the range that adduser
// hands out (system accounts sit below it, "nobody" above it).
constexpr uint32_t kFirstUserUid = 1000;
constexpr uint32_t kLastUserUid = 60000;

bool IsLoginShell(const std::string& shell) {
  const std::string name = ExtractFileName(shell);
  return name != "nologin" && name != "false" && name != "sync" && name != "shutdown" &&
         name != "halt";
}

// Where no person keeps a home: the root folder, the system's own folders
// and everything below them, and the top of the folders that only hold
// other things (a disk mounted under /mnt may well hold a user folder).
bool IsSystemFolder(const std::string& path) {
  const std::string p = WithoutTrailingSep(path);
  if (p.empty() || p == "/") return true;
  // Image-based systems (Fedora Silverblue and its kin) keep homes there.
  if (p.compare(0, 10, "/var/home/") == 0) return false;
  for (const char* top : {"/bin", "/boot", "/dev", "/etc", "/lib", "/lib32", "/lib64", "/libx32",
                          "/proc", "/run", "/sbin", "/sys", "/usr", "/var", "/snap",
                          "/lost+found", "/nonexistent"}) {
    const std::string t = top;
    if (p == t || p.compare(0, t.size() + 1, t + "/") == 0) return true;
  }
  for (const char* top : {"/tmp", "/opt", "/srv", "/media", "/mnt"})
    if (p == top) return true;
  return false;
}

struct TCandidate {
  std::string Name;
  std::string Path;
  std::string Owner;  // the account of a live user; empty for a copied folder
};

// The Windows way: folders of the profile list (or, on other platforms,
// the folders beside a Windows user folder), named after the folder.
bool ProfileFolderCandidates(const std::string& home, std::vector<TCandidate>& out) {
  std::vector<std::string> folders, owners;
  if (!plat::ListProfileFolders(home, folders, &owners)) return false;
  for (size_t i = 0; i < folders.size(); ++i) {
    const std::string& raw = folders[i];
    if (raw.empty()) continue;
    const std::string path = ExpandEnvPath(raw);
    if (FoldCase(path).find("systemprofile") != std::string::npos) continue;
    const std::string last = ExtractFileName(WithoutTrailingSep(path));
    if (SameFolderName(last, "Public") || SameFolderName(last, "Default") ||
        SameFolderName(last, "Default User") || SameFolderName(last, "All Users"))
      continue;
    out.push_back(TCandidate{last, path, i < owners.size() ? owners[i] : std::string()});
  }
  return true;
}

// The live users of this machine, where the run reads them (not a Windows
// folder named by the environment on another system): POSIX accounts with
// their user ids, or the registry's profile folders with their SIDs.
bool LiveCandidates(const std::string& home, std::vector<TCandidate>& out) {
  std::vector<plat::Account> accounts;
  if (plat::ListAccounts(accounts)) {
    if (!plat::GetEnv("USERPROFILE").empty() || !plat::GetEnv("APPDATA").empty()) return false;
    for (const plat::Account& a : SelectLoginAccounts(accounts))
      out.push_back(TCandidate{a.Name, a.Home, plat::UserIdOf(a.Uid)});
    return true;
  }
  return ProfileFolderCandidates(home, out);
}

// The running user's account when `home` is their own folder on this
// machine; empty for a mounted disk or a copied folder.
std::string OwnerOfOwnHome(const std::string& home) {
  std::vector<TCandidate> live;
  const std::string self = plat::CurrentUserId();
  if (self.empty() || !LiveCandidates(home, live)) return std::string();
  for (const TCandidate& c : live)
    if (c.Owner == self && SameFolderName(WithTrailingSep(c.Path), WithTrailingSep(home)))
      return self;
  return std::string();
}

}  // namespace

std::string GetUserHome() {
  std::string home = plat::GetEnv("USERPROFILE");
  if (!home.empty()) return home;
  std::string appData = plat::GetEnv("APPDATA");
  if (!appData.empty()) return ExtractFileDir(appData);
  return plat::GetEnv("HOME");
}

std::string GetUserName() {
  std::string name = plat::GetEnv("USERNAME");
  if (name.empty()) name = plat::GetEnv("USER");
  // A root shell or a service often has neither.
  if (name.empty()) name = plat::CurrentAccountName();
  return name;
}

std::string ExpandEnvPath(const std::string& path) {
  if (path.find('%') == std::string::npos) return path;
  std::string expanded = plat::ExpandEnvStrings(path);
  return expanded.empty() ? path : expanded;
}

std::vector<plat::Account> SelectLoginAccounts(const std::vector<plat::Account>& accounts) {
  std::vector<plat::Account> people;
  std::map<std::string, int> homes;
  for (const plat::Account& a : accounts) {
    if (a.Uid != 0 && (a.Uid < kFirstUserUid || a.Uid > kLastUserUid)) continue;
    if (!IsLoginShell(a.Shell)) continue;
    if (a.Home.empty() || a.Home[0] != '/' || IsSystemFolder(a.Home)) continue;
    people.push_back(a);
    ++homes[WithoutTrailingSep(a.Home)];
  }
  // A home that several accounts share belongs to none of them.
  std::vector<plat::Account> out;
  for (plat::Account& a : people)
    if (homes[WithoutTrailingSep(a.Home)] == 1) out.push_back(std::move(a));
  return out;
}

void ListUserProfiles(const std::string& scope, std::string& errorMsg, TUserProfiles& profiles) {
  errorMsg.clear();
  profiles.clear();
  const std::string home = GetUserHome();
  const std::string homeWithSep = WithTrailingSep(home);

  TUserProfile self;
  self.Name = GetUserName();
  self.Root = WithoutTrailingSep(home);
  self.IsCurrent = true;
  self.Owner = OwnerOfOwnHome(home);
  // Only the user's own environment says where their settings live, and
  // only for their own home (not for a Windows folder named by USERPROFILE).
  const std::string xdg = plat::GetEnv("XDG_CONFIG_HOME");
  if (plat::kUnixHomeLayout && plat::GetEnv("USERPROFILE").empty() &&
      plat::GetEnv("APPDATA").empty() && !xdg.empty() && xdg[0] == '/')
    self.ConfigHome = WithoutTrailingSep(xdg);
  profiles.push_back(self);
  if (!SameTextAscii(scope, "all")) return;

  // A Windows user folder (USERPROFILE) has its users beside it; a Unix home
  // has them in the user database.
  std::vector<TCandidate> candidates;
  std::vector<plat::Account> accounts;
  if (plat::GetEnv("USERPROFILE").empty() && plat::ListAccounts(accounts)) {
    for (const plat::Account& a : SelectLoginAccounts(accounts))
      candidates.push_back(TCandidate{a.Name, a.Home, plat::UserIdOf(a.Uid)});
  } else if (!ProfileFolderCandidates(home, candidates)) {
    errorMsg = "无法读取用户配置列表（注册表访问被拒绝）";
    return;
  }

  for (const TCandidate& c : candidates) {
    if (!plat::DirExists(c.Path)) continue;
    if (plat::kUnixHomeLayout && IsSystemFolder(c.Path)) continue;
    // The running user is element 0 already, however the list spells it.
    if (SameFolderName(WithTrailingSep(c.Path), homeWithSep)) continue;
    TUserProfile p;
    p.Name = c.Name;
    p.Root = WithoutTrailingSep(c.Path);
    p.IsCurrent = false;
    p.Owner = c.Owner;
    std::vector<plat::DirEntry> entries;
    if (!plat::ListDir(p.Root, entries)) p.ListError = plat::LastErrorCode();
    profiles.push_back(std::move(p));
  }
}

std::string ExpandRoot(const std::string& tmpl, const std::string& userRoot) {
  const std::string user = WithoutTrailingSep(userRoot);
  const std::string sep(1, plat::kPathSep);
  std::string s = ReplaceAll(tmpl, "%U%", user);
  s = ReplaceAll(s, "%L%", JoinPath(user, "AppData" + sep + "Local"));
  s = ReplaceAll(s, "%R%", JoinPath(user, "AppData" + sep + "Roaming"));
  s = ReplaceAll(s, "%P%", JoinPath(user, "AppData" + sep + "LocalLow"));
  return s;
}

std::string ExpandRoot(const std::string& tmpl, const TUserProfile& user) {
  if (tmpl.find("%C%") == std::string::npos) return ExpandRoot(tmpl, user.Root);
  const std::string config =
      user.ConfigHome.empty() ? JoinPath(WithoutTrailingSep(user.Root), ".config") : user.ConfigHome;
  return ExpandRoot(ReplaceAll(tmpl, "%C%", config), user.Root);
}
