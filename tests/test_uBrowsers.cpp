// Catalogue, user profiles and the collector's source filter.
#include <gtest/gtest.h>

#include <set>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uPlatform.h"

using namespace vt_test;

TEST(Catalogue, TwentySixRowsInOrder) {
  TBrowserDefs defs;
  defs.push_back(TBrowserEntry{"stale", "x", bfFirefox, "y", ""});
  GetBrowserDefs(defs);
  ASSERT_EQ(defs.size(), 26u);
  const char* ids[] = {"chrome",  "edge",     "brave",    "vivaldi",  "chromium", "yandex",
                       "opera",   "operagx",  "qq",       "qq_r",     "360se",    "360se_l",
                       "360chrome", "sogou",  "sogou_l",  "2345",     "liebao",   "liebao_l",
                       "theworld", "115",     "maxthon",  "firefox",  "waterfox", "palemoon",
                       "librewolf", "ie"};
  std::set<std::string> unique;
  int families[3] = {0, 0, 0};
  for (size_t i = 0; i < defs.size(); ++i) {
    EXPECT_EQ(defs[i].Id, ids[i]);
    unique.insert(defs[i].Id);
    families[defs[i].Family]++;
    EXPECT_EQ(defs[i].Root.find(plat::kPathSep == '/' ? '\\' : '/'), std::string::npos)
        << defs[i].Root;
  }
  EXPECT_EQ(unique.size(), 26u);
  EXPECT_EQ(families[bfChromium], 21);
  EXPECT_EQ(families[bfFirefox], 4);
  EXPECT_EQ(families[bfWebCache], 1);

  const std::string sep(1, plat::kPathSep);
  EXPECT_EQ(defs[0].Name, "Google Chrome");
  EXPECT_EQ(defs[0].Root, "%L%" + sep + "Google" + sep + "Chrome" + sep + "User Data");
  EXPECT_EQ(defs[9].Name, "QQ 浏览器");
  EXPECT_EQ(defs[9].Channel, "roaming");
  EXPECT_EQ(defs[11].Channel, "local");
  EXPECT_EQ(defs[20].Root, "%R%" + sep + "Maxthon5" + sep + "Users");
  EXPECT_EQ(defs[25].Name, "IE / 旧版 Edge");
  EXPECT_EQ(defs[25].Root, "%L%" + sep + "Microsoft" + sep + "Windows" + sep + "WebCache");

  TBrowserDefs again;
  GetBrowserDefs(again);
  for (size_t i = 0; i < defs.size(); ++i) {
    EXPECT_EQ(again[i].Root, defs[i].Root);
    EXPECT_EQ(again[i].Name, defs[i].Name);
  }
}

TEST(Catalogue, ExpandRoot) {
  const std::string sep(1, plat::kPathSep);
  const std::string chrome = "%L%" + sep + "Google" + sep + "Chrome" + sep + "User Data";
  const std::string want = "/home/bob/AppData/Local/Google/Chrome/User Data";
  if (plat::kPathSep == '/') {
    EXPECT_EQ(ExpandRoot(chrome, "/home/bob"), want);
    EXPECT_EQ(ExpandRoot(chrome, "/home/bob/"), want);
    EXPECT_EQ(ExpandRoot("%R%/x", "/home/bob"), "/home/bob/AppData/Roaming/x");
    EXPECT_EQ(ExpandRoot("%P%/x", "/home/bob"), "/home/bob/AppData/LocalLow/x");
    EXPECT_EQ(ExpandRoot("%U%/x/%U%", "/home/bob/"), "/home/bob/x//home/bob");
  }
  // Tokens are matched exactly; anything else stays as written.
  EXPECT_EQ(ExpandRoot("%l%" + sep + "x", "/home/bob"), "%l%" + sep + "x");
  EXPECT_EQ(ExpandRoot("%APPDATA%" + sep + "x", "/home/bob"), "%APPDATA%" + sep + "x");
}

TEST(Queries, ExactTextsAndWindowClauses) {
  EXPECT_EQ(ChromiumHistoryQuery(0, 0),
            "SELECT u.url, u.title, v.visit_time, u.visit_count FROM visits v JOIN urls u ON "
            "u.id = v.url WHERE 1=1 ORDER BY v.visit_time DESC");
  EXPECT_EQ(ChromiumHistoryQuery(1700000000, 0),
            "SELECT u.url, u.title, v.visit_time, u.visit_count FROM visits v JOIN urls u ON "
            "u.id = v.url WHERE 1=1 AND v.visit_time >= 13344473600000000 ORDER BY "
            "v.visit_time DESC");
  EXPECT_NE(ChromiumHistoryQuery(0, 1700000000).find(" AND v.visit_time < 13344473600000000 "),
            std::string::npos);
  EXPECT_EQ(FirefoxPlacesQuery(0, 0),
            "SELECT p.url, p.title, v.visit_date, p.visit_count FROM moz_places p JOIN "
            "moz_historyvisits v ON v.place_id = p.id WHERE v.visit_date > 0 ORDER BY "
            "v.visit_date DESC");
  EXPECT_EQ(FirefoxPlacesQuery(1700000000, 1700000100),
            "SELECT p.url, p.title, v.visit_date, p.visit_count FROM moz_places p JOIN "
            "moz_historyvisits v ON v.place_id = p.id WHERE v.visit_date > 0 AND v.visit_date "
            ">= 1700000000000000 AND v.visit_date < 1700000100000000 ORDER BY v.visit_date DESC");
}

// ---- Source filter -----------------------------------------------------------

namespace {

std::set<std::string> Selected(const std::string& csv) {
  THistoryList list;
  TSourceList sources;
  TCollector c(list, sources, nullptr, 0, 0);
  c.SetSourceFilter(csv);
  TBrowserDefs defs;
  GetBrowserDefs(defs);
  std::set<std::string> out;
  for (const auto& d : defs)
    if (c.SourceSelected(d.Id)) out.insert(d.Id);
  return out;
}

}  // namespace

TEST(SourceFilter, AutoAllAndBlankMeanEverything) {
  for (const char* csv : {"auto", "AUTO", "All", "", "   "}) {
    THistoryList list;
    TSourceList sources;
    TCollector c(list, sources, nullptr, 0, 0);
    c.SetSourceFilter("edge");
    c.SetSourceFilter(csv);
    EXPECT_FALSE(c.HasFilter()) << csv;
    EXPECT_EQ(Selected(csv).size(), 26u) << csv;
  }
}

TEST(SourceFilter, BaseIdsSelectTheirVariants) {
  EXPECT_EQ(Selected("QQ,Edge"), (std::set<std::string>{"qq", "qq_r", "edge"}));
  EXPECT_EQ(Selected("qq_r"), (std::set<std::string>{"qq_r"}));
  EXPECT_EQ(Selected("360se sogou"), (std::set<std::string>{"360se", "360se_l", "sogou", "sogou_l"}));
  EXPECT_EQ(Selected("liebao,,ie"), (std::set<std::string>{"liebao", "liebao_l", "ie"}));
  EXPECT_EQ(Selected("\"Chrome\",\"fire\"\"fox\""), (std::set<std::string>{"chrome"}));
  // Digits alone name no row: "360se" and "360chrome" have no base "360".
  EXPECT_TRUE(Selected("360").empty());
  EXPECT_TRUE(Selected("nosuch").empty());
  EXPECT_EQ(Selected("2345;115"), (std::set<std::string>{}));
  EXPECT_EQ(Selected("2345 115"), (std::set<std::string>{"2345", "115"}));
}

// ---- User profiles -------------------------------------------------------------

namespace {

struct ProfileEnv {
  ProfileEnv(const std::string& userProfile, const std::string& appData,
             const std::string& home, const std::string& userName)
      : FUserProfile("USERPROFILE", userProfile),
        FAppData("APPDATA", appData),
        FHome("HOME", home),
        FUserName("USERNAME", userName) {}
  EnvOverride FUserProfile, FAppData, FHome, FUserName;
};

}  // namespace

TEST(UserProfiles, HomeAndNameFromTheEnvironment) {
  {
    ProfileEnv env("/u/alice/", "/elsewhere/x/Roaming", "/home/h", "alice");
    EXPECT_EQ(GetUserHome(), "/u/alice/");
    std::string err;
    TUserProfiles p;
    ListUserProfiles("current", err, p);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].Name, "alice");
    EXPECT_EQ(p[0].Root, "/u/alice");
    EXPECT_TRUE(p[0].IsCurrent);
    EXPECT_EQ(err, "");
  }
  {
    ProfileEnv env("", "/Home/alice/Application Data", "/home/h", "");
    EnvOverride user("USER", "posixname");
    EXPECT_EQ(GetUserHome(), "/Home/alice");
    EXPECT_EQ(GetUserName(), "posixname");
  }
  {
    ProfileEnv env("", "", "/home/h", "n");
    EXPECT_EQ(GetUserHome(), "/home/h");
  }
}

TEST(UserProfiles, AllUsersAreTheRealSiblings) {
  TempFolder base;
  for (const char* d : {"alice", "bob", "Public", "default", "Default User", "ALL USERS",
                        "systemprofile", "ALICE", "carol"})
    MakeDirs(base.Sub(d));
  WriteFile(base.Sub("notes.txt"), "x");
  ProfileEnv env(base.Sub("alice") + "/", "", "/nonexistent", "alice");

  std::string err;
  TUserProfiles p;
  ListUserProfiles("current", err, p);
  EXPECT_EQ(p.size(), 1u);

  ListUserProfiles("all", err, p);
  EXPECT_EQ(err, "");
  ASSERT_GE(p.size(), 1u);
  EXPECT_EQ(p[0].Root, base.Sub("alice"));
  EXPECT_TRUE(p[0].IsCurrent);
  std::set<std::string> others;
  for (size_t i = 1; i < p.size(); ++i) {
    EXPECT_FALSE(p[i].IsCurrent);
    EXPECT_EQ(p[i].Root, base.Sub(p[i].Name));
    others.insert(p[i].Name);
  }
  EXPECT_EQ(others, (std::set<std::string>{"bob", "carol"}));
}

TEST(UserProfiles, UnreadableListKeepsTheRunningUser) {
  ProfileEnv env("alice", "", "", "alice");  // no folder above it to list
  std::string err;
  TUserProfiles p;
  ListUserProfiles("ALL", err, p);
  EXPECT_EQ(err, "无法读取用户配置列表（注册表访问被拒绝）");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].Name, "alice");
}

TEST(UserProfiles, ExpandEnvPath) {
  EnvOverride drive("VT_TEST_DRIVE", "/mnt/c");
  EXPECT_EQ(ExpandEnvPath("/plain/path"), "/plain/path");
  EXPECT_EQ(ExpandEnvPath("%VT_TEST_DRIVE%/Users/bob"), "/mnt/c/Users/bob");
}
