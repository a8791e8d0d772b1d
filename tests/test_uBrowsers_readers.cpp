// The Chromium and Firefox readers, driven through TCollector::Collect over
// synthetic Windows-style user folders.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

constexpr int64_t k2100 = 4102444800LL;

struct Result {
  THistoryList List;
  TSourceList Sources;
  const TSourceInfo& Src(int i) const { return Sources.Items()[i]; }
  const THistoryRecord& Rec(int i) const { return List.Items()[i]; }
  std::vector<std::string> Urls() const {
    std::vector<std::string> out;
    for (int i = 0; i < List.Count(); ++i) out.push_back(List.Items()[i].Url);
    return out;
  }
};

// Every test runs with a private temporary folder, which must be empty
// again once collection is over: snapshots never outlive their reader.
class Readers : public ::testing::Test {
 protected:
  Readers() : FTmpEnv("TMPDIR", FTmp.Path()) {}
  void TearDown() override { EXPECT_TRUE(ListNames(FTmp.Path()).empty()); }

  void Collect(Result& r, const TUserProfiles& users, const std::string& filter = "auto",
               int64_t from = 0, int64_t to = 0,
               const std::function<void(TCollector&)>& setup = nullptr) {
    TCollector c(r.List, r.Sources, nullptr, from, to);
    c.SetSourceFilter(filter);
    if (setup) setup(c);
    c.Collect(users);
  }

  TempFolder FBase;

 private:
  TempFolder FTmp;
  EnvOverride FTmpEnv;
};

TUserProfile U(const UserFolder& u) { return TUserProfile{u.Name(), u.Root(), false}; }

StoreVisit V(const std::string& url, const std::string& title, int64_t raw) {
  return StoreVisit{url, title, raw};
}

}  // namespace

TEST_F(Readers, ChromiumTimeBoundsAndRowRules) {
  UserFolder alice(FBase.Path(), "alice");
  StoreVisit nullTitle = V("https://null.example/", "", ChromeTime(1600000003));
  nullTitle.NullTitle = true;
  const std::string db = alice.AddChrome(
      "Default", {V("https://zero.example/", "z", 0), V("https://neg.example/", "n", -5),
                  V("https://1601.example/", "o", 5),
                  V("https://epoch.example/", "e", ChromeTime(0)),
                  V("https://first.example/", "f", ChromeTime(1)),
                  V("https://2100.example/", "x", ChromeTime(k2100)),
                  V("https://last.example/", "l", ChromeTime(k2100) - 1),
                  V("", "empty url", ChromeTime(1600000001)),
                  V("https://t.example/", "  百度\n一下 ", ChromeTime(1600000002)), nullTitle});
  Result r;
  Collect(r, {U(alice)});
  ASSERT_EQ(r.Sources.Count(), 1);
  EXPECT_EQ(r.Src(0).BrowserId, "chrome");
  EXPECT_EQ(r.Src(0).BrowserName, "Google Chrome");
  EXPECT_EQ(r.Src(0).Profile, "alice\\Default");
  EXPECT_EQ(r.Src(0).DbPath, db);
  EXPECT_EQ(r.Src(0).Status, ssOk);
  EXPECT_EQ(r.Src(0).Message, "");
  // Newest first, as the query orders them.
  EXPECT_EQ(r.Urls(), (std::vector<std::string>{"https://last.example/", "https://null.example/",
                                                "https://t.example/", "https://first.example/"}));
  EXPECT_EQ(r.Src(0).Count, 4);
  EXPECT_EQ(r.Rec(0).VisitUnix, k2100 - 1);
  EXPECT_EQ(r.Rec(1).Title, "");
  EXPECT_EQ(r.Rec(2).Title, "百度 一下");
  EXPECT_EQ(r.Rec(2).VisitUnix, 1600000002);
  EXPECT_EQ(r.Rec(3).VisitUnix, 1);
  EXPECT_EQ(r.Rec(3).Profile(), "alice\\Default");
  EXPECT_EQ(r.Rec(3).BrowserName(), "Google Chrome");
}

TEST_F(Readers, FirefoxTimeBoundsIncludeTheYear2100) {
  UserFolder alice(FBase.Path(), "alice");
  alice.AddFirefox("abcd.default-release",
                   {V("https://zero.example/", "z", 0), V("https://neg.example/", "n", -1000000),
                    V("https://first.example/", "f", FirefoxTime(1)),
                    V("https://2100.example/", "x", FirefoxTime(k2100)),
                    V("https://after.example/", "a", FirefoxTime(k2100 + 1)),
                    V("https://sub.example/", "s", FirefoxTime(k2100) + 999999)});
  Result r;
  Collect(r, {U(alice)});
  ASSERT_EQ(r.Sources.Count(), 1);
  EXPECT_EQ(r.Src(0).BrowserId, "firefox");
  EXPECT_EQ(r.Src(0).Profile, "alice\\abcd.default-release");
  EXPECT_EQ(r.Urls(), (std::vector<std::string>{"https://sub.example/", "https://2100.example/",
                                                "https://first.example/"}));
  EXPECT_EQ(r.Rec(0).VisitUnix, k2100);
}

TEST_F(Readers, TimeWindowIsStartInclusiveEndExclusive) {
  UserFolder alice(FBase.Path(), "alice");
  std::vector<StoreVisit> chrome, firefox;
  for (int64_t t : {999, 1000, 1500, 1999, 2000}) {
    chrome.push_back(V("https://c.example/" + std::to_string(t), "", ChromeTime(t)));
    firefox.push_back(V("https://f.example/" + std::to_string(t), "", FirefoxTime(t)));
  }
  alice.AddChrome("Default", chrome);
  alice.AddFirefox("p.default", firefox);
  Result r;
  Collect(r, {U(alice)}, "chrome,firefox", 1000, 2000);
  ASSERT_EQ(r.Sources.Count(), 2);
  EXPECT_EQ(r.Urls(), (std::vector<std::string>{"https://c.example/1999", "https://c.example/1500",
                                                "https://c.example/1000", "https://f.example/1999",
                                                "https://f.example/1500",
                                                "https://f.example/1000"}));

  Result none;
  Collect(none, {U(alice)}, "chrome,firefox", 5000, 0);
  ASSERT_EQ(none.Sources.Count(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(none.Src(i).Status, ssEmpty);
    EXPECT_EQ(none.Src(i).Count, 0);
    EXPECT_EQ(none.Src(i).Message, "时间范围内无记录");
  }
}

TEST_F(Readers, BrokenStoresBecomeStatuses) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string noVisits = alice.Local("Google/Chrome/User Data/Default/History");
  MakeDirs(alice.Local("Google/Chrome/User Data/Default"));
  ExecSql(noVisits, "CREATE TABLE urls(id INTEGER PRIMARY KEY, url TEXT, title TEXT);");
  const std::string junk = alice.Local("Microsoft/Edge/User Data/Default/History");
  WriteFile(junk, std::string(8192, 'j'));
  const std::string schemaDrift = alice.Local("Vivaldi/User Data/Default/History");
  MakeDirs(alice.Local("Vivaldi/User Data/Default"));
  ExecSql(schemaDrift, "CREATE TABLE urls(id INTEGER PRIMARY KEY, link TEXT);"
                       "CREATE TABLE visits(url INTEGER, visit_time INTEGER);");

  Result r;
  Collect(r, {U(alice)});
  ASSERT_EQ(r.Sources.Count(), 3);
  EXPECT_EQ(r.Src(0).DbPath, noVisits);
  EXPECT_EQ(r.Src(0).Status, ssEmpty);
  EXPECT_EQ(r.Src(0).Message, "历史库为空（尚无访问记录）");
  EXPECT_EQ(r.Src(1).BrowserId, "edge");
  EXPECT_EQ(r.Src(1).DbPath, junk);
  EXPECT_EQ(r.Src(1).Status, ssParseError);
  // Refused by its first bytes, before it is copied.
  EXPECT_EQ(r.Src(1).Message, "文件不是数据库");
  EXPECT_EQ(r.Src(2).BrowserId, "vivaldi");
  EXPECT_EQ(r.Src(2).Status, ssParseError);
  EXPECT_EQ(r.Src(2).Message, "结构异常：urls 缺少列 url");
  EXPECT_EQ(r.List.Count(), 0);
}

TEST_F(Readers, FiltersAndPrivacy) {
  UserFolder alice(FBase.Path(), "alice");
  alice.AddChrome("Default",
                  {V("https://www.baidu.com/s?wd=secret#top", "百度", ChromeTime(1600000005)),
                   V("https://news.example/a#frag", "News", ChromeTime(1600000004)),
                   V("https://ads.tracker.example/x?wd=secret", "ad", ChromeTime(1600000003)),
                   V("https://tracker.example/?q=1", "t", ChromeTime(1600000002)),
                   V("https://plain.example/", "Secret Title", ChromeTime(1600000001))});
  Result r;
  const std::vector<std::string> include = {"SECRET"};
  const std::vector<std::string> exclude = {"*.tracker.example"};
  Collect(r, {U(alice)}, "auto", 0, 0, [&](TCollector& c) {
    c.SetKeywordFilter(&include, &exclude);
    c.SetPrivacy(true);
  });
  // The keyword lives only in the query, which privacy then removes; the
  // exclude pattern does not reach the bare domain.
  EXPECT_EQ(r.Urls(), (std::vector<std::string>{"https://www.baidu.com/s",
                                                "https://plain.example/"}));

  Result priv;
  Collect(priv, {U(alice)}, "auto", 0, 0, [](TCollector& c) { c.SetPrivacy(true); });
  ASSERT_EQ(priv.List.Count(), 5);
  EXPECT_EQ(priv.Rec(1).Url, "https://news.example/a#frag");
  EXPECT_EQ(priv.Rec(3).Url, "https://tracker.example/");

  Result nothing;
  const std::vector<std::string> emptyItem = {""};
  Collect(nothing, {U(alice)}, "auto", 0, 0,
          [&](TCollector& c) { c.SetKeywordFilter(&emptyItem, nullptr); });
  EXPECT_EQ(nothing.List.Count(), 0);
  EXPECT_EQ(nothing.Src(0).Status, ssEmpty);
}

TEST_F(Readers, ChromiumProfilesAndOperaStyleRoot) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string d = alice.AddChrome("Default", {V("https://d.example/", "d", ChromeTime(1600000000))});
  const std::string p1 = alice.AddChrome("Profile 1", {V("https://p.example/", "p", ChromeTime(1600000001)),
                                                       V("https://p.example/", "p", ChromeTime(1600000002))});
  MakeDirs(alice.Local("Google/Chrome/User Data/System Profile"));  // no History: no source
  const std::string root = alice.AddOpera({V("https://o.example/", "o", ChromeTime(1600000000))});
  const std::string sub = alice.Roaming("Opera Software/Opera Stable/Default/History");
  MakeChromeHistory(sub, {V("https://o2.example/", "o2", ChromeTime(1600000000))}, false);

  Result r;
  Collect(r, {U(alice)});
  ASSERT_EQ(r.Sources.Count(), 4);
  std::map<std::string, std::pair<std::string, int>> byPath;
  for (int i = 0; i < r.Sources.Count(); ++i)
    byPath[r.Src(i).DbPath] = {r.Src(i).Profile, r.Src(i).Count};
  EXPECT_EQ(byPath[d], (std::pair<std::string, int>{"alice\\Default", 1}));
  EXPECT_EQ(byPath[p1], (std::pair<std::string, int>{"alice\\Profile 1", 2}));
  EXPECT_EQ(byPath[root], (std::pair<std::string, int>{"alice\\Default", 1}));
  EXPECT_EQ(byPath[sub], (std::pair<std::string, int>{"alice\\Default", 1}));
  // Chrome's rows come before Opera's (catalogue order); the data folder's
  // own History before its sub-folders.
  EXPECT_EQ(r.Src(0).BrowserId, "chrome");
  EXPECT_EQ(r.Src(2).DbPath, root);
  EXPECT_EQ(r.Src(3).DbPath, sub);
}

TEST_F(Readers, FirefoxIndexAndScanReadEachProfileOnce) {
  UserFolder alice(FBase.Path(), "alice");
  alice.AddFirefox("abcd.default", {V("https://a.example/", "a", FirefoxTime(1600000000))}, true);
  const std::string ff = alice.Roaming("Mozilla/Firefox");
  MakeFirefoxPlaces(ff + "/Profiles/bare.dev/places.sqlite",
                    {V("https://b.example/", "b", FirefoxTime(1600000000))});
  MakeFirefoxPlaces(ff + "/Profiles/lower.key/places.sqlite",
                    {V("https://c.example/", "c", FirefoxTime(1600000000))});
  MakeDirs(ff + "/Profiles/empty.profile");
  // Index lines: standard, bare folder name, other spelling with trailing
  // separator, and lines that do not count.
  WriteFile(ff + "/profiles.ini",
            "\xEF\xBB\xBF[Profile0]\nPath=Profiles/abcd.default\r\n"
            "[Profile1]\nPath=bare.dev\n"
            "[Profile2]\nPath=Profiles/ABCD.DEFAULT/\n"
            "path=Profiles/lower.key\n  Path=Profiles/lower.key\n");
  Result r;
  Collect(r, {U(alice)}, "firefox");
  ASSERT_EQ(r.Sources.Count(), 3);
  std::vector<std::string> labels;
  for (int i = 0; i < 3; ++i) {
    labels.push_back(r.Src(i).Profile);
    EXPECT_EQ(r.Src(i).Status, ssOk) << r.Src(i).Message;
    EXPECT_EQ(r.Src(i).Count, 1);
  }
  // Index order first, then the remaining folders of the scan.
  EXPECT_EQ(labels[0], "alice\\abcd.default");
  EXPECT_EQ(labels[1], "alice\\bare.dev");
  EXPECT_EQ(labels[2], "alice\\lower.key");
  EXPECT_EQ(r.Src(0).DbPath, ff + "/Profiles/abcd.default/places.sqlite");
}

TEST_F(Readers, ExplicitFilterRecordsWhatIsMissing) {
  UserFolder alice(FBase.Path(), "alice");
  UserFolder bob(FBase.Path(), "bob");
  MakeDirs(alice.Local("Google/Chrome/User Data/Default"));     // no History
  MakeDirs(alice.Roaming("Mozilla/Firefox/Profiles/x.default"));  // no places
  MakeDirs(alice.Local("Microsoft/Windows/WebCache"));            // no database
  Result r;
  Collect(r, {U(alice), U(bob)}, "chrome,firefox,ie,edge");
  ASSERT_EQ(r.Sources.Count(), 8);
  const std::string chromeDir = alice.Local("Google/Chrome/User Data");
  EXPECT_EQ(r.Src(0).Profile, "alice");
  EXPECT_EQ(r.Src(0).DbPath, chromeDir);
  EXPECT_EQ(r.Src(0).Status, ssNotFound);
  EXPECT_EQ(r.Src(0).Message, "未找到 History 数据库");
  EXPECT_EQ(r.Src(1).BrowserId, "edge");
  EXPECT_EQ(r.Src(1).Message, "目录不存在");
  EXPECT_EQ(r.Src(1).DbPath, alice.Local("Microsoft/Edge/User Data"));
  EXPECT_EQ(r.Src(2).Message, "未找到 places.sqlite");
  EXPECT_EQ(r.Src(3).Message, "未找到 WebCacheV01.dat");
  EXPECT_EQ(r.Src(3).DbPath, alice.Local("Microsoft/Windows/WebCache"));
  for (int i = 4; i < 8; ++i) {
    EXPECT_EQ(r.Src(i).Profile, "bob");
    EXPECT_EQ(r.Src(i).Message, "目录不存在");
    EXPECT_EQ(r.Src(i).Count, 0);
  }

  // Without a filter nothing is said about what is missing; "360" selects
  // nothing at all; no users, no sources.
  Result quiet, digits, nobody;
  Collect(quiet, {U(alice), U(bob)});
  Collect(digits, {U(alice), U(bob)}, "360");
  Collect(nobody, {}, "chrome");
  EXPECT_EQ(quiet.Sources.Count(), 0);
  EXPECT_EQ(digits.Sources.Count(), 0);
  EXPECT_EQ(nobody.Sources.Count(), 0);
}

TEST_F(Readers, TwoUsersAndFoldersInAnotherLetterCase) {
  UserFolder alice(FBase.Path(), "alice");
  alice.AddEdge("Default", {V("https://a.example/", "a", ChromeTime(1600000000))});
  // A user folder copied from Windows with its own spelling of the path.
  const std::string bobRoot = FBase.Sub("bob");
  MakeChromeHistory(bobRoot + "/appdata/LOCAL/microsoft/edge/user data/Default/History",
                    {V("https://b.example/", "b", ChromeTime(1600000000))});

  Result r;
  Collect(r, {U(alice), TUserProfile{"bob", bobRoot, false}});
  ASSERT_EQ(r.Sources.Count(), 2);
  EXPECT_EQ(r.Src(0).Profile, "alice\\Default");
  EXPECT_EQ(r.Src(1).Profile, "bob\\Default");
  EXPECT_EQ(r.Src(1).Count, 1);
  EXPECT_EQ(r.Rec(1).Url, "https://b.example/");
}

// A store is closed when its source is done, whatever the outcome: a run
// over many profiles must not pile up open files (and a snapshot still open
// could not be deleted on Windows).
TEST_F(Readers, EveryStoreIsClosedWhenItsSourceIsDone) {
  if (!Exists("/proc/self/fd")) GTEST_SKIP() << "no /proc/self/fd";
  UserFolder alice(FBase.Path(), "alice");
  alice.AddChrome("Default", {V("https://a.example/", "a", ChromeTime(1600000000)),
                              V("https://b.example/", "b", ChromeTime(1600000001))});
  alice.AddChrome("Profile 1", {});
  alice.AddFirefox("x.default", {V("https://c.example/", "c", FirefoxTime(1600000002))}, true);
  WriteFile(alice.Local("Microsoft/Edge/User Data/Default/History"), std::string(4096, 'x'));
  const size_t before = ListNames("/proc/self/fd").size();
  Result r;
  Collect(r, {U(alice)});
  EXPECT_EQ(r.Sources.Count(), 4);
  EXPECT_EQ(r.List.Count(), 3);
  EXPECT_EQ(ListNames("/proc/self/fd").size(), before);
}
