// The line export run end to end: file name after the machine, every visit
// whatever /limit says, the filters applied, standard output holding the
// lines alone, and the same record keys from two runs over the same stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

namespace {

using vt_test::ChromeTime;
using vt_test::RunResult;
using vt_test::StoreVisit;
using Lines = std::vector<std::string>;

constexpr int64_t kT0 = 1700000000;

// A line's text from its first key up to "time" (origin, ts and seq): the
// record key and nothing that changes from run to run.
std::string KeyPart(const std::string& line) {
  const size_t from = line.find(",\"machine\"");
  return line.substr(from, line.find(",\"time\"") - from) +
         line.substr(line.find(",\"url\""), line.find(",\"title\"") - line.find(",\"url\""));
}

Lines Split(const std::string& text) {
  Lines out;
  size_t from = 0;
  for (size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
    out.push_back(text.substr(from, at - from));
  EXPECT_EQ(from, text.size());
  return out;
}

Lines OfKind(const Lines& lines, const std::string& kind) {
  Lines out;
  for (const std::string& l : lines)
    if (l.rfind("{\"kind\":\"" + kind + "\"", 0) == 0) out.push_back(l);
  return out;
}

class JsonlRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<StoreVisit> visits;
    // A page reloaded within one second: two rows, two visits.
    visits.push_back({"https://news.example/a", "A \"quoted\"\ntitle \xE2\x80\xA8", ChromeTime(kT0)});
    visits.push_back({"https://news.example/a", "A \"quoted\"\ntitle \xE2\x80\xA8", ChromeTime(kT0)});
    for (int i = 1; i <= 40; ++i)
      visits.push_back({"https://site" + std::to_string(i % 5) + ".example/p",
                        "Page " + std::to_string(i), ChromeTime(kT0 - 60 * i)});
    FAlice.AddChrome("Default", visits);
    FAlice.AddFirefox("abc.default", {{"https://www.baidu.com/s?wd=abc", "abc_百度搜索",
                                       vt_test::FirefoxTime(kT0 - 5)}});
  }

  RunResult Run(const std::vector<std::string>& args) {
    return vt_test::RunVisitrail(args, {{"USERPROFILE", FAlice.Root()},
                                        {"USERNAME", "alice"},
                                        {"-APPDATA", ""},
                                        {"-LOCALAPPDATA", ""},
                                        {"TZ", "UTC"}});
  }

  vt_test::TempFolder FRoot;
  vt_test::UserFolder FAlice{FRoot.Sub("Users"), "alice"};
};

}  // namespace

TEST_F(JsonlRun, FileIsNamedAfterTheMachineAndKeysRepeatAcrossRuns) {
  const std::string out = FRoot.Sub("share") + "/";
  const RunResult a = Run({"/format:jsonl", "/machine:PC/07", "/out:" + out});
  ASSERT_EQ(a.ExitCode, 0) << a.Out;
  const RunResult b = Run({"/format:jsonl", "/machine:PC/07", "/out:" + out, "/limit:3"});
  ASSERT_EQ(b.ExitCode, 0) << b.Out;

  const Lines names = vt_test::ListNames(FRoot.Sub("share"));
  ASSERT_EQ(names.size(), 2u);
  for (const std::string& n : names) {
    EXPECT_EQ(n.rfind("Visitrail_PC_07_", 0), 0u) << n;
    EXPECT_EQ(n.size(), std::string("Visitrail_PC_07_yyyymmdd_hhnnss.jsonl").size() +
                            (n.find("_2.") != std::string::npos ? 2 : 0))
        << n;
  }
  EXPECT_NE(a.Out.find("JSONL 报告已生成：" + out), std::string::npos) << a.Out;
  EXPECT_NE(a.Out.find("导出：43 次访问，2 个数据源（计算机 PC/07）"), std::string::npos) << a.Out;

  const Lines first = Split(vt_test::ReadFile(out + names[0]));
  const Lines second = Split(vt_test::ReadFile(out + names[1]));
  const Lines visits = OfKind(first, "visit");
  ASSERT_EQ(visits.size(), 43u) << "every visit; /limit applies to reports only";
  EXPECT_EQ(OfKind(first, "source").size(), 2u);
  EXPECT_EQ(first.size(), 45u);
  ASSERT_EQ(OfKind(second, "visit").size(), 43u);
  Lines keysA, keysB;
  for (const std::string& l : visits) keysA.push_back(KeyPart(l));
  for (const std::string& l : OfKind(second, "visit")) keysB.push_back(KeyPart(l));
  EXPECT_EQ(keysA, keysB);
  Lines unique = keysA;
  std::sort(unique.begin(), unique.end());
  EXPECT_EQ(std::unique(unique.begin(), unique.end()), unique.end()) << "keys repeat";
  // The reload: two lines, told apart by seq only.
  EXPECT_NE(keysA[0].find("\"seq\":0"), std::string::npos) << keysA[0];
  EXPECT_NE(keysA[1].find("\"seq\":1"), std::string::npos) << keysA[1];
  EXPECT_NE(visits[0].find("\"machine\":\"PC/07\",\"user\":\"alice\""), std::string::npos);
  // The reader makes the line break a blank; U+2028 is escaped.
  EXPECT_NE(visits[0].find("\"title\":\"A \\\"quoted\\\" title \\u2028\""), std::string::npos)
      << visits[0];
}

TEST_F(JsonlRun, StandardOutputHoldsTheLinesAloneAndFiltersApply) {
  const RunResult all = Run({"/format:jsonl", "/machine:m1"});
  ASSERT_EQ(all.ExitCode, 0) << all.Err;
  const Lines lines = Split(all.Out);
  EXPECT_EQ(OfKind(lines, "visit").size(), 43u);
  EXPECT_EQ(lines.size(), 45u) << "nothing but records on standard output";

  const RunResult some = Run({"/format:jsonl", "/machine:m1", "/include:site3", "/src:chrome"});
  ASSERT_EQ(some.ExitCode, 0) << some.Err;
  const Lines visits = OfKind(Split(some.Out), "visit");
  EXPECT_EQ(visits.size(), 8u);
  for (const std::string& l : visits) EXPECT_NE(l.find("site3.example"), std::string::npos) << l;
  EXPECT_EQ(OfKind(Split(some.Out), "source").size(), 1u);

  // Nothing in the window: the sources still go out, with exit code 2.
  const RunResult none = Run({"/format:jsonl", "/machine:m1", "/from:2030-01-01"});
  EXPECT_EQ(none.ExitCode, 2);
  EXPECT_EQ(Split(none.Out).size(), 2u);
  EXPECT_EQ(OfKind(Split(none.Out), "source").size(), 2u);
}
