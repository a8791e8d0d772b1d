// The built program collecting from synthetic Windows-style user folders:
// which sources the listing shows, with which status and count, and that no
// snapshot is left in the temporary folder.
#include <gtest/gtest.h>

#include "Stores.h"
#include "TestSupport.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

StoreVisit V(const std::string& url, const std::string& title, int64_t raw) {
  return StoreVisit{url, title, raw};
}

// The first line of a source in the listing: name, profile, status, count,
// padded by display columns. The name column is 14 wide, or as wide as the
// longest name ("Mozilla Firefox" takes 15).
std::string SourceLine(const std::string& browser, const std::string& profile,
                       const std::string& status, int count, size_t nameCols = 14) {
  return PadRightCols(browser, nameCols) + " " + PadRightCols(profile, 24) + " " +
         PadRightCols(status, 12) + " " + PadLeftCols(std::to_string(count), 10);
}

class CollectE2E : public ::testing::Test {
 protected:
  CollectE2E() : FAlice(FBase.Sub("Users"), "alice"), FBob(FBase.Sub("Users"), "bob") {
    FChromeDefault = FAlice.AddChrome(
        "Default", {V("https://www.baidu.com/s?wd=%E5%A4%A9%E6%B0%94", "天气_百度搜索",
                      ChromeTime(1700000000)),
                    V("https://github.com/", "GitHub", ChromeTime(1700000100)),
                    V("https://github.com/", "GitHub", ChromeTime(1700000200))});
    FChromeProfile1 = FAlice.AddChrome(
        "Profile 1", {V("https://news.example/", "新闻", ChromeTime(1700000300)),
                      V("https://news.example/b", "b", ChromeTime(1700000400))});
    FOpera = FAlice.AddOpera({V("https://opera.example/", "o", ChromeTime(1700000500))});
    FFirefox = FAlice.AddFirefox(
        "k3x9.default-release",
        {V("https://a.example/", "a", FirefoxTime(1700000000)),
         V("https://b.example/", "b", FirefoxTime(1700000001)),
         V("https://c.example/", "c", FirefoxTime(1700000002)),
         V("https://d.example/", "d (only in the log)", FirefoxTime(1700000003))},
        true);
    FBobEdge = FBob.AddEdge("Default", {V("https://bob.example/", "bob", ChromeTime(1700000000)),
                                        V("https://bob.example/2", "2", ChromeTime(1700000001))});
  }

  RunResult Run(const std::vector<std::string>& args) {
    return RunVisitrail(args, {{"USERPROFILE", FAlice.Root()},
                               {"USERNAME", "alice"},
                               {"-APPDATA", ""},
                               {"TMPDIR", FTmp.Path()}});
  }

  bool HasLine(const RunResult& r, const std::string& line) {
    for (const auto& l : r.Lines())
      if (l == line) return true;
    return false;
  }

  int CountLines(const RunResult& r, const std::string& prefix) {
    int n = 0;
    for (const auto& l : r.Lines())
      if (l.compare(0, prefix.size(), prefix) == 0) ++n;
    return n;
  }

  TempFolder FBase, FTmp;
  UserFolder FAlice, FBob;
  std::string FChromeDefault, FChromeProfile1, FOpera, FFirefox, FBobEdge;
};

}  // namespace

TEST_F(CollectE2E, ListsTheCurrentUsersSources) {
  RunResult r = Run({"/list"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_TRUE(HasLine(r, SourceLine("Google Chrome", "alice\\Default", "已采集", 3, 15))) << r.Out;
  EXPECT_TRUE(HasLine(r, SourceLine("Google Chrome", "alice\\Profile 1", "已采集", 2, 15))) << r.Out;
  EXPECT_TRUE(HasLine(r, SourceLine("Opera", "alice\\Default", "已采集", 1, 15))) << r.Out;
  // A label wider than its column is cut in the middle.
  EXPECT_TRUE(HasLine(r, SourceLine("Mozilla Firefox", "alice\\k3x9.\xE2\x80\xA6" "ault-release", "已采集", 4, 15)))
      << r.Out;
  EXPECT_TRUE(HasLine(r, "    " + FChromeDefault)) << r.Out;
  EXPECT_TRUE(HasLine(r, "    " + FOpera)) << r.Out;
  EXPECT_TRUE(HasLine(r, "    " + FFirefox)) << r.Out;
  EXPECT_EQ(r.Out.find("bob"), std::string::npos);
  EXPECT_EQ(r.Out.find("目录不存在"), std::string::npos);
  // The live store's log is still there; our snapshots are gone.
  EXPECT_TRUE(Exists(FFirefox + "-wal"));
  EXPECT_TRUE(ListNames(FTmp.Path()).empty());
}

TEST_F(CollectE2E, ExplicitSourcesReportWhatIsNotInstalled) {
  RunResult r = Run({"/list", "/src:edge,qq"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_TRUE(HasLine(r, SourceLine("Microsoft Edge", "alice", "未安装/无库", 0))) << r.Out;
  EXPECT_EQ(CountLines(r, SourceLine("QQ 浏览器", "alice", "未安装/无库", 0)), 2) << r.Out;
  EXPECT_EQ(CountLines(r, "    └ 目录不存在"), 3) << r.Out;
  EXPECT_EQ(r.Out.find("Google Chrome"), std::string::npos);
  EXPECT_TRUE(ListNames(FTmp.Path()).empty());
}

TEST_F(CollectE2E, WebCacheSourceIsLabelledPerUser) {
  const std::string dat = FAlice.Local("Microsoft/Windows/WebCache/WebCacheV01.dat");
  WriteFile(dat, std::string(65536, 'w'));  // not an ESE database
  RunResult r = Run({"/list", "/src:ie"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_TRUE(HasLine(r, SourceLine("IE / 旧版 Edge", "alice\\WebCache", "解析失败", 0))) << r.Out;
  EXPECT_TRUE(HasLine(r, "    " + dat)) << r.Out;
  EXPECT_EQ(CountLines(r, "    └ WebCache 库：文件不是数据库"), 1) << r.Out;
  EXPECT_TRUE(ListNames(FTmp.Path()).empty());
}

TEST_F(CollectE2E, AllUsersAddsTheSiblingFolders) {
  RunResult r = Run({"/user:all", "/list"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_TRUE(HasLine(r, SourceLine("Google Chrome", "alice\\Default", "已采集", 3, 15))) << r.Out;
  EXPECT_TRUE(HasLine(r, SourceLine("Microsoft Edge", "bob\\Default", "已采集", 2, 15))) << r.Out;
  EXPECT_TRUE(HasLine(r, "    " + FBobEdge)) << r.Out;
  // The running user first, then the others.
  EXPECT_LT(r.Out.find("alice\\Default"), r.Out.find("bob\\Default"));
  EXPECT_TRUE(ListNames(FTmp.Path()).empty());
}
