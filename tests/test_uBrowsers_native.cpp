// Unix homes: the browsers' own locations there, the accounts that count as
// users, Firefox profiles kept at an absolute path, and fixed names stored
// in another letter case.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

constexpr int64_t kT0 = 1700000000;

StoreVisit V(const std::string& url, int64_t raw) { return StoreVisit{url, "t " + url, raw}; }

struct Outcome {
  THistoryList List;
  TSourceList Sources;
  std::map<std::string, const TSourceInfo*> ByLabel;  // "name|profile"
  std::set<std::string> Urls;
};

class Native : public ::testing::Test {
 protected:
  Native() : FTmpEnv("TMPDIR", FTmp.Path()) {}
  void TearDown() override { EXPECT_TRUE(ListNames(FTmp.Path()).empty()); }

  void Collect(Outcome& r, const TUserProfiles& users, const std::string& filter = "auto") {
    TCollector c(r.List, r.Sources, nullptr, 0, 0);
    c.SetSourceFilter(filter);
    c.Collect(users);
    for (int i = 0; i < r.Sources.Count(); ++i) {
      const TSourceInfo& s = r.Sources.Items()[i];
      r.ByLabel[s.BrowserName + "|" + s.Profile] = &r.Sources.Items()[i];
    }
    for (int i = 0; i < r.List.Count(); ++i) r.Urls.insert(r.List.Items()[i].Url);
  }

  TempFolder FBase;

 private:
  TempFolder FTmp;
  EnvOverride FTmpEnv;
};

// Firefox on Linux: profiles.ini beside the profile folders.
void AddLinuxFirefox(const std::string& dir, const std::string& listed,
                     const std::vector<StoreVisit>& visits) {
  WriteFile(dir + "/profiles.ini",
            "[Profile0]\nName=default-esr\nIsRelative=1\nPath=" + listed + "\nDefault=1\n");
  MakeFirefoxPlaces(dir + "/" + listed + "/places.sqlite", visits);
}

}  // namespace

TEST(NativeCatalogue, LocationsCarryTheCatalogueIdsAndNames) {
  TBrowserDefs catalogue, native;
  GetBrowserDefs(catalogue);
  GetNativeBrowserDefs(native);
  ASSERT_EQ(catalogue.size(), 26u);  // the catalogue itself is untouched
  std::map<std::string, std::string> names;
  for (const TBrowserEntry& e : catalogue) names[e.Id] = e.Name;
  std::set<std::string> roots;
  for (const TBrowserEntry& e : native) {
    EXPECT_TRUE(e.Native);
    ASSERT_TRUE(names.count(e.Id)) << e.Id;
    EXPECT_EQ(e.Name, names[e.Id]);
    roots.insert(e.Id + " " + e.Root + " " + e.Channel);
  }
  for (const char* want :
       {"chrome %C%/google-chrome ", "chrome %U%/.var/app/com.google.Chrome/config/google-chrome flatpak",
        "chromium %C%/chromium ", "chromium %U%/snap/chromium/common/chromium snap",
        "chromium %U%/.var/app/org.chromium.Chromium/config/chromium flatpak",
        "edge %C%/microsoft-edge ", "brave %C%/BraveSoftware/Brave-Browser ",
        "vivaldi %C%/vivaldi ", "opera %C%/opera ", "yandex %C%/yandex-browser ",
        "firefox %U%/.mozilla/firefox ", "firefox %C%/mozilla/firefox ",
        "firefox %U%/snap/firefox/common/.mozilla/firefox snap",
        "firefox %U%/.var/app/org.mozilla.firefox/.mozilla/firefox flatpak",
        "librewolf %U%/.librewolf ", "waterfox %U%/.waterfox ",
        "palemoon %U%/.moonchild productions/pale moon "})
    EXPECT_TRUE(roots.count(want)) << want;

  TUserProfile u("u", "/home/u/", true);
  EXPECT_EQ(ExpandRoot("%C%/chromium", u), "/home/u/.config/chromium");
  u.ConfigHome = "/srv/cfg";
  EXPECT_EQ(ExpandRoot("%C%/chromium", u), "/srv/cfg/chromium");
  EXPECT_EQ(ExpandRoot("%U%/.mozilla/firefox", u), "/home/u/.mozilla/firefox");
}

TEST_F(Native, HomeLocationsDebAndSnapAreTwoSources) {
  const std::string home = FBase.Sub("home/u");
  MakeChromeHistory(home + "/.config/chromium/Default/History", {V("https://deb.example/", ChromeTime(kT0))});
  MakeChromeHistory(home + "/snap/chromium/common/chromium/Default/History",
                    {V("https://snap.example/", ChromeTime(kT0))});
  // Listed in profiles.ini, and one only found beside it.
  AddLinuxFirefox(home + "/.mozilla/firefox", "abcd.default-esr",
                  {V("https://ff.example/", FirefoxTime(kT0))});
  MakeFirefoxPlaces(home + "/.mozilla/firefox/efgh.other/places.sqlite",
                    {V("https://other.example/", FirefoxTime(kT0))});
  MakeDirs(home + "/.mozilla/firefox/Crash Reports");

  Outcome r;
  Collect(r, {TUserProfile("u", home, true)});
  EXPECT_EQ(r.Sources.Count(), 4);
  ASSERT_TRUE(r.ByLabel.count("Chromium|u\\Default"));
  EXPECT_EQ(r.ByLabel["Chromium|u\\Default"]->DbPath, home + "/.config/chromium/Default/History");
  ASSERT_TRUE(r.ByLabel.count("Chromium|u\\Default (snap)"));
  EXPECT_EQ(r.ByLabel["Chromium|u\\Default (snap)"]->Count, 1);
  EXPECT_EQ(r.ByLabel["Chromium|u\\Default (snap)"]->BrowserId, "chromium");
  ASSERT_TRUE(r.ByLabel.count("Mozilla Firefox|u\\abcd.default-esr"));
  ASSERT_TRUE(r.ByLabel.count("Mozilla Firefox|u\\efgh.other"));
  EXPECT_EQ(r.Urls, (std::set<std::string>{"https://deb.example/", "https://snap.example/",
                                            "https://ff.example/", "https://other.example/"}));

  // The catalogue's ids select the home locations; a home location that is
  // missing says nothing, the Windows row keeps its "目录不存在".
  Outcome f;
  Collect(f, {TUserProfile("u", home, true)}, "chromium");
  EXPECT_EQ(f.Sources.Count(), 3);
  EXPECT_EQ(f.Sources.Items()[0].Message, "目录不存在");
  EXPECT_EQ(f.Urls, (std::set<std::string>{"https://deb.example/", "https://snap.example/"}));
}

TEST_F(Native, ConfigHomeOfTheRunningUser) {
  const std::string home = FBase.Sub("home/u");
  const std::string xdg = FBase.Sub("xdg");
  MakeChromeHistory(xdg + "/google-chrome/Profile 1/History", {V("https://xdg.example/", ChromeTime(kT0))});
  MakeChromeHistory(home + "/.config/google-chrome/Default/History",
                    {V("https://dotconfig.example/", ChromeTime(kT0))});
  EnvOverride up("USERPROFILE", ""), ad("APPDATA", ""), h("HOME", home), x("XDG_CONFIG_HOME", xdg);
  std::string err;
  TUserProfiles users;
  ListUserProfiles("current", err, users);
  ASSERT_EQ(users.size(), 1u);
  EXPECT_EQ(users[0].ConfigHome, xdg);
  Outcome r;
  Collect(r, users);
  EXPECT_EQ(r.Urls, (std::set<std::string>{"https://xdg.example/"}));

  // A Windows user folder named by USERPROFILE is not the running user's
  // Unix home: its settings are not looked for in XDG_CONFIG_HOME.
  EnvOverride up2("USERPROFILE", home);
  ListUserProfiles("current", err, users);
  EXPECT_EQ(users[0].ConfigHome, "");
}

TEST(Accounts, OnlyPeopleWithAHomeOfTheirOwn) {
  const std::vector<plat::Account> db = {
      {"root", "/root", "/bin/bash", 0},
      {"daemon", "/usr/sbin", "/usr/sbin/nologin", 1},
      {"www-data", "/var/www", "/bin/sh", 33},
      {"alice", "/home/alice", "/bin/bash", 1000},
      {"svc", "/var/lib/svc", "/bin/bash", 1001},
      {"locked", "/home/locked", "/usr/sbin/nologin", 1002},
      {"stop", "/home/stop", "/bin/false", 1003},
      {"slash", "/", "/bin/bash", 1004},
      {"twin1", "/home/shared", "/bin/bash", 1005},
      {"twin2", "/home/shared/", "/bin/zsh", 1006},
      {"nohome", "", "/bin/bash", 1007},
      {"bob", "/data/people/bob", "", 1008},
      {"nobody", "/nonexistent", "/usr/sbin/nologin", 65534},
      {"proc", "/proc/1", "/bin/bash", 1009},
      {"carol", "/var/home/carol", "/bin/bash", 1010},
  };
  std::vector<std::string> names;
  for (const plat::Account& a : SelectLoginAccounts(db)) names.push_back(a.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"root", "alice", "bob", "carol"}));
}

TEST(Accounts, AllUsersOfThisMachineAreNoSystemFolders) {
  EnvOverride up("USERPROFILE", ""), ad("APPDATA", ""), un("USERNAME", ""), us("USER", "");
  std::string err;
  TUserProfiles users;
  ListUserProfiles("all", err, users);
  EXPECT_EQ(err, "");
  ASSERT_GE(users.size(), 1u);
  // No USERNAME nor USER: the name comes from the user database.
  EXPECT_EQ(users[0].Name, plat::CurrentAccountName());
  EXPECT_FALSE(users[0].Name.empty());
  for (size_t i = 1; i < users.size(); ++i) {
    for (const char* sys : {"/etc", "/proc", "/sys", "/usr", "/bin", "/var", "/dev", "/run"})
      EXPECT_NE(users[i].Root.compare(0, std::string(sys).size(), sys), 0) << users[i].Root;
    EXPECT_NE(users[i].Root, users[0].Root);
  }
}

TEST_F(Native, FirefoxProfilesAtAnAbsolutePath) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string dir = alice.Roaming("Mozilla/Firefox");
  const std::string posix = FBase.Sub("elsewhere/p.posix");
  MakeFirefoxPlaces(posix + "/places.sqlite", {V("https://posix.example/", FirefoxTime(kT0))});
  // A drive path below the user's own Windows folder, in any letter case.
  MakeFirefoxPlaces(alice.Root() + "/FF/w.win/places.sqlite",
                    {V("https://win.example/", FirefoxTime(kT0))});
  WriteFile(dir + "/profiles.ini",
            "[Profile0]\nIsRelative=0\nPath=" + posix +
                "\n[Profile1]\nIsRelative=0\nPath=c:\\USERS\\ALICE\\ff\\w.win\n"
                "[Profile2]\nIsRelative=0\nPath=D:\\Firefox\\gone.default\n"
                "[Profile3]\nIsRelative=0\nPath=C:\\Users\\bob\\FF\\b.win\n");
  Outcome r;
  Collect(r, {TUserProfile("alice", alice.Root(), true)});
  EXPECT_EQ(r.Urls, (std::set<std::string>{"https://posix.example/", "https://win.example/"}));
  ASSERT_EQ(r.Sources.Count(), 4);
  EXPECT_EQ(r.ByLabel["Mozilla Firefox|alice\\p.posix"]->Status, ssOk);
  EXPECT_EQ(r.ByLabel["Mozilla Firefox|alice\\w.win"]->DbPath,
            alice.Root() + "/FF/w.win/places.sqlite");
  // What names no folder this run can reach is said, with its path.
  const TSourceInfo* gone = r.ByLabel["Mozilla Firefox|alice\\gone.default"];
  ASSERT_NE(gone, nullptr);
  EXPECT_EQ(gone->Status, ssNotFound);
  EXPECT_EQ(gone->Message, "找不到 profiles.ini 所列的配置文件夹：D:\\Firefox\\gone.default");
  EXPECT_EQ(r.ByLabel["Mozilla Firefox|alice\\w.win"]->Status, ssOk);
  int notFound = 0;
  for (int i = 0; i < r.Sources.Count(); ++i) notFound += r.Sources.Items()[i].Status == ssNotFound;
  EXPECT_EQ(notFound, 2);  // gone.default and bob's folder
}

// Another user's profile named in alice's profiles.ini (a roaming copy, a
// shared machine) is not alice's folder of the same name: it is said as not
// found, and alice's own p1.default is read once, by the Profiles scan.
TEST_F(Native, AnotherUsersAbsolutePathIsNotTheScannedUsersFolder) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string dir = alice.Roaming("Mozilla/Firefox");
  MakeFirefoxPlaces(dir + "/Profiles/p1.default/places.sqlite",
                    {V("https://alice.example/", FirefoxTime(kT0))});
  const std::string bobs = "C:\\Users\\bob\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles\\p1.default";
  WriteFile(dir + "/profiles.ini", "[Profile0]\r\nIsRelative=0\r\nPath=" + bobs + "\r\n");
  Outcome r;
  Collect(r, {TUserProfile("alice", alice.Root(), true)});
  ASSERT_EQ(r.Sources.Count(), 2);
  int read = 0, notFound = 0;
  for (int i = 0; i < r.Sources.Count(); ++i) {
    const TSourceInfo& s = r.Sources.Items()[i];
    EXPECT_EQ(s.Profile, "alice\\p1.default");
    if (s.Status == ssOk) {
      ++read;
      EXPECT_EQ(s.Count, 1);
    } else {
      ++notFound;
      EXPECT_EQ(s.Status, ssNotFound);
      EXPECT_EQ(s.DbPath, bobs);
      EXPECT_EQ(s.Message, "找不到 profiles.ini 所列的配置文件夹：" + bobs);
    }
  }
  EXPECT_EQ(read, 1);
  EXPECT_EQ(notFound, 1);
  EXPECT_EQ(r.List.Count(), 1);
}

TEST_F(Native, FixedNamesInAnotherLetterCase) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string chrome = alice.Local("Google/Chrome/User Data");
  MakeChromeHistory(chrome + "/Default/HISTORY", {V("https://upper.example/", ChromeTime(kT0))});
  MakeChromeHistory(chrome + "/history", {V("https://root.example/", ChromeTime(kT0))});
  // Firefox with its index, folder, store and write-ahead log renamed.
  const std::string ff = alice.Roaming("Mozilla/Firefox");
  std::vector<StoreVisit> visits;
  for (int i = 0; i < 8; ++i) visits.push_back(V("https://ff.example/" + std::to_string(i),
                                                 FirefoxTime(kT0 + i)));
  MakeFirefoxPlaces(ff + "/profiles/x.default/places.sqlite", visits, true);
  for (const char* suffix : {"", "-wal", "-shm"}) {
    const std::string from = ff + "/profiles/x.default/places.sqlite" + suffix;
    if (Exists(from))
      std::rename(from.c_str(), (ff + "/profiles/x.default/PLACES.SQLITE" +
                                 UpperAscii(suffix)).c_str());
  }
  WriteFile(ff + "/PROFILES.INI", "[Profile0]\nPath=profiles/x.default\n");

  Outcome r;
  Collect(r, {TUserProfile("alice", alice.Root(), true)});
  EXPECT_EQ(r.Sources.Count(), 3);
  EXPECT_TRUE(r.Urls.count("https://upper.example/"));
  EXPECT_TRUE(r.Urls.count("https://root.example/"));
  ASSERT_TRUE(r.ByLabel.count("Mozilla Firefox|alice\\x.default"));
  // Every visit, the ones still in the write-ahead log too.
  EXPECT_EQ(r.ByLabel["Mozilla Firefox|alice\\x.default"]->Count, 8);
}
