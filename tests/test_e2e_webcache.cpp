// Internet Explorer / legacy Edge history end to end: the program copies the
// WebCache folder, runs itself as the dump worker and reports the visits.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "uUtil.h"
#include "webcache_sample.h"

namespace {

class WebCacheE2E : public testing::Test {
 protected:
  void SetUp() override { vt_test::MakeDirs(tmpDir_); }
  void TearDown() override {
    // Snapshot folders and result files are gone when the process ends.
    EXPECT_EQ(vt_test::ListNames(tmpDir_), std::vector<std::string>());
  }

  static std::string WebCacheDir(const std::string& home) {
    return home + "/AppData/Local/Microsoft/Windows/WebCache";
  }
  vt_test::RunResult Run(const std::vector<std::string>& args) {
    return vt_test::RunVisitrail(args, {{"USERPROFILE", alice_},
                                        {"USERNAME", "alice"},
                                        {"-APPDATA", ""},
                                        {"-LOCALAPPDATA", ""},
                                        {"TMPDIR", tmpDir_},
                                        {"TZ", "UTC"}});
  }

  vt_test::TempFolder root_;
  const std::string alice_ = root_.Sub("Users/alice");
  const std::string bob_ = root_.Sub("Users/bob");
  const std::string tmpDir_ = root_.Sub("tmp");
};

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace

TEST_F(WebCacheE2E, ReportsTheVisitsOfARealDatabase) {
  VT_REQUIRE_WEBCACHE_SAMPLE(file, WebCacheDir(alice_));
  const auto r = Run({"/src:ie", "/format:json"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  const std::string& json = r.Out;
  EXPECT_NE(json.find("\"name\":\"IE / 旧版 Edge\",\"profile\":\"alice\\\\WebCache\""),
            std::string::npos);
  EXPECT_NE(json.find("\"count\":27,"), std::string::npos);
  EXPECT_EQ(Occurrences(json, "\"browser\":\"IE / 旧版 Edge\""), 27u);
  // Addresses without the "Visited: user@" prefix, access times, page titles.
  EXPECT_EQ(json.find("Visited:"), std::string::npos);
  EXPECT_EQ(json.find("javascript:"), std::string::npos);
  EXPECT_NE(json.find("\"ts\":1638226071,\"browser\":\"IE / 旧版 Edge\",\"profile\":\"alice\\\\"
                      "WebCache\",\"title\":\"Google\",\"url\":\"https://www.google.com/?gws_rd=ssl\""),
            std::string::npos);
  EXPECT_NE(json.find("\"ts\":1638226035,\"browser\":\"IE / 旧版 Edge\",\"profile\":\"alice\\\\"
                      "WebCache\",\"title\":\"How to Check Windows 10 Computer System Specs & "
                      "Requirements - Microsoft\",\"url\":\"https://www.microsoft.com/en-us/windows/"
                      "windows-10-specifications\""),
            std::string::npos);
  EXPECT_NE(json.find("\"time\":\"2021-11-29 21:05:33\",\"ts\":1638219933"), std::string::npos);
  // Titles hold no control characters (JSON would show them escaped).
  EXPECT_EQ(json.find("\\u00"), std::string::npos);
}

TEST_F(WebCacheE2E, TwoUsersGiveTwoSources) {
  VT_REQUIRE_WEBCACHE_SAMPLE(a, WebCacheDir(alice_));
  VT_REQUIRE_WEBCACHE_SAMPLE(b, WebCacheDir(bob_));
  const auto r = Run({"/list", "/src:ie", "/user:all"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  const std::vector<std::string> lines = r.Lines();
  std::vector<std::string> sources;
  for (const auto& l : lines)
    if (l.compare(0, std::string("IE / 旧版 Edge").size(), "IE / 旧版 Edge") == 0) sources.push_back(l);
  ASSERT_EQ(sources.size(), 2u) << r.Out;
  const std::string tail = " " + PadRightCols("已采集", 12) + " " + PadLeftCols("27", 10);
  EXPECT_EQ(sources[0], PadRightCols("IE / 旧版 Edge", 14) + " " + PadRightCols("alice\\WebCache", 24) + tail);
  EXPECT_EQ(sources[1], PadRightCols("IE / 旧版 Edge", 14) + " " + PadRightCols("bob\\WebCache", 24) + tail);
}

TEST_F(WebCacheE2E, BrokenDatabaseCostsOnlyItsSource) {
  vt_test::WriteFile(WebCacheDir(alice_) + "/WebCacheV01.dat", vt_test::EseLike(std::string(70000, 'Z')));
  const auto r = Run({"/list", "/src:ie"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_NE(r.Out.find("解析子进程异常退出（代码 1），该浏览器数据无法提取"), std::string::npos)
      << r.Out;
}

TEST_F(WebCacheE2E, DatabaseNameInAnotherLetterCase) {
  // Copies of NTFS disks may change the letter case of the file name.
  VT_REQUIRE_WEBCACHE_SAMPLE(file, WebCacheDir(alice_));
  const std::string lower = WebCacheDir(alice_) + "/webcachev01.dat";
  ASSERT_EQ(std::rename(file.c_str(), lower.c_str()), 0);
  const auto r = Run({"/src:ie", "/format:json"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_EQ(Occurrences(r.Out, "\"browser\":\"IE / 旧版 Edge\""), 27u) << r.Out.substr(0, 2000);
}
