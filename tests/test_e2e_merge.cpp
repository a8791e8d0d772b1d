// One report from many machines' exports, end to end: exports written by
// the real binary, an overlapping re-export, a damaged export and a file
// that is no export, merged into one JSON report whose counts match the
// machines' own reports.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

namespace {

using vt_test::ChromeTime;
using vt_test::RunResult;
using vt_test::StoreVisit;

constexpr int64_t kT0 = 1700000000;  // 2023-11-14 22:13:20 UTC

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

int64_t IntAfter(const std::string& json, const std::string& key) {
  const size_t at = json.find("\"" + key + "\":");
  return at == std::string::npos ? -1 : std::stoll(json.substr(at + key.size() + 3));
}

// "cats":[["name",count,"colour"],…] as name -> count.
std::map<std::string, int64_t> Categories(const std::string& json) {
  std::map<std::string, int64_t> cats;
  size_t at = json.find("\"cats\":[");
  const size_t end = json.find("]]", at);
  while ((at = json.find("[\"", at)) != std::string::npos && at < end) {
    const size_t close = json.find('"', at + 2);
    cats[json.substr(at + 2, close - at - 2)] += std::stoll(json.substr(close + 2));
    at = close;
  }
  return cats;
}

class MergeRun : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int m = 1; m <= 4; ++m) {
      std::vector<StoreVisit> visits;
      for (int i = 0; i < 10 + m; ++i)
        visits.push_back({"https://site" + std::to_string(i % 3) + ".example/p" + std::to_string(i),
                          "page " + std::to_string(i), ChromeTime(kT0 - 3600 * i)});
      visits.push_back({"https://www.baidu.com/s?wd=m" + std::to_string(m), "搜索", ChromeTime(kT0 - 7)});
      visits.push_back({"https://ads.example/x", "ad", ChromeTime(kT0 - 9)});
      FUsers.emplace_back(new vt_test::UserFolder(FRoot.Sub("m" + std::to_string(m)), "alice"));
      FUsers.back()->AddChrome("Default", visits);
    }
  }

  RunResult RunOn(int machine, std::vector<std::string> args) {
    return vt_test::RunVisitrail(args, {{"USERPROFILE", FUsers[machine - 1]->Root()},
                                        {"USERNAME", "alice"},
                                        {"-APPDATA", ""},
                                        {"-LOCALAPPDATA", ""},
                                        {"TZ", "UTC"}});
  }
  RunResult Merge(std::vector<std::string> args) {
    return vt_test::RunVisitrail(args, {{"TZ", "UTC"}});
  }

  // Each machine's export into the share, its own report beside it; then
  // an overlapping re-export of PC-1, PC-4's export damaged in its middle
  // and at its end, and a file of another program's.
  void MakeShare() {
    for (int m = 1; m <= 4; ++m) {
      const std::string name = "PC-" + std::to_string(m);
      ASSERT_EQ(RunOn(m, {"/format:jsonl", "/machine:" + name, "/out:" + Share(name + ".jsonl")})
                    .ExitCode, 0);
      const RunResult own = RunOn(m, {"/format:json", "/out:" + FRoot.Sub(name + ".json")});
      ASSERT_EQ(own.ExitCode, 0) << own.Out;
      FOwn.push_back(vt_test::ReadFile(FRoot.Sub(name + ".json")));
    }
    ASSERT_EQ(RunOn(1, {"/format:jsonl", "/machine:PC-1", "/from:2023-11-14",
                        "/out:" + Share("PC-1-again.jsonl")})
                  .ExitCode, 0);
    std::string broken = vt_test::ReadFile(Share("PC-4.jsonl"));
    const size_t second = broken.find('\n') + 1, third = broken.find('\n', second) + 1;
    const std::string lost = broken.substr(second, third - second);
    FLostCategory = lost.substr(lost.find("\"category\":\"") + 12);
    FLostCategory = FLostCategory.substr(0, FLostCategory.find('"'));
    broken.replace(second, third - second, "{\"kind\":\"visit\",\"run\":\n");
    broken.resize(broken.size() - 20);  // the last line cut short
    vt_test::WriteFile(Share("PC-4.jsonl"), broken);
    vt_test::WriteFile(Share("notes.jsonl"), "{\"level\":\"info\",\"msg\":\"started\"}\n");
  }

  std::string Share(const std::string& name) const { return FRoot.Sub("share/" + name); }

  vt_test::TempFolder FRoot;
  std::vector<std::unique_ptr<vt_test::UserFolder>> FUsers;
  std::vector<std::string> FOwn;
  std::string FLostCategory;
};

}  // namespace

TEST_F(MergeRun, MergedReportCountsEachVisitOnceAndMatchesTheMachines) {
  MakeShare();
  // The folder and one of its files again: given twice, read twice, counted once.
  const RunResult r = Merge({"/in:" + FRoot.Sub("share"), "/in:" + Share("PC-1.jsonl"),
                             "/format:json", "/out:" + FRoot.Sub("merged.json")});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  const std::string json = vt_test::ReadFile(FRoot.Sub("merged.json"));

  int64_t total = 0;
  std::map<std::string, int64_t> cats;
  for (int m = 1; m <= 4; ++m) {
    const std::string& own = FOwn[static_cast<size_t>(m - 1)];
    const int64_t visits = IntAfter(own, "total") - (m == 4 ? 1 : 0);  // PC-4's broken line
    total += visits;
    for (const auto& c : Categories(own)) cats[c.first] += c.second;
    const std::string name = "PC-" + std::to_string(m);
    EXPECT_EQ(Occurrences(json, ",\"machine\":\"" + name + "\",\"browser\""),
              static_cast<size_t>(visits))
        << name;
    // PC-4's one source line was its cut last line.
    EXPECT_NE(json.find("[\"" + name + "\"," + std::to_string(visits) +
                        (m == 4 ? ",0,0,0,\"2" : ",0,1,0,\"2")),
              std::string::npos)
        << name;
  }
  ASSERT_GT(cats.count("搜索引擎"), 0u);
  --cats[FLostCategory];
  if (cats[FLostCategory] == 0) cats.erase(FLostCategory);
  EXPECT_EQ(IntAfter(json, "total"), total);
  EXPECT_EQ(Categories(json), cats);
  // Every record names its machine; "machines" lists all four.
  EXPECT_EQ(Occurrences(json, "\"ts\":"), static_cast<size_t>(total));
  EXPECT_EQ(Occurrences(json, ",\"machine\":\"PC-"), static_cast<size_t>(total));
  EXPECT_EQ(Occurrences(json.substr(json.find("\"machines\":")), "[\"PC-"), 4u);
  EXPECT_NE(json.find("\"scope\":\"4 台计算机\""), std::string::npos);

  EXPECT_NE(r.Out.find("警告: " + Share("PC-4.jsonl") + " 有 2 行无法解析，已跳过（第 2 行起）"),
            std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find("警告: " + Share("notes.jsonl") + " 不是 Visitrail 导出文件"),
            std::string::npos);
  EXPECT_NE(r.Out.find("读取导出：" + Share("PC-2.jsonl") + "（计算机 PC-2"), std::string::npos);
}

TEST_F(MergeRun, FiltersApplyAndCsvAndStandardOutputCarryTheMachine) {
  MakeShare();
  const RunResult all = Merge({"/in:" + FRoot.Sub("share"), "/format:json"});
  ASSERT_EQ(all.ExitCode, 0);
  const RunResult some =
      Merge({"/in:" + FRoot.Sub("share"), "/format:json", "/exclude:ads.example"});
  ASSERT_EQ(some.ExitCode, 0);
  EXPECT_EQ(IntAfter(all.Out, "total") - IntAfter(some.Out, "total"), 4);
  EXPECT_EQ(some.Out.find("ads.example"), std::string::npos);
  // Warnings leave standard output to the report.
  EXPECT_NE(all.Err.find("不是 Visitrail 导出文件"), std::string::npos);
  EXPECT_EQ(all.Out.find("警告"), std::string::npos);

  const RunResult csv = Merge({"/in:" + Share("PC-2.jsonl"), "/format:csv", "/src:firefox"});
  EXPECT_EQ(csv.ExitCode, 2);  // no Firefox on PC-2: a header alone
  EXPECT_EQ(csv.Out, "\xEF\xBB\xBF计算机,时间,浏览器,配置,标题,网址\r\n");
  const RunResult rows = Merge({"/in:" + Share("PC-2.jsonl"), "/format:csv"});
  EXPECT_NE(rows.Out.find("\r\nPC-2,2023-11-14 22:13:20,Google Chrome,alice\\Default,"),
            std::string::npos)
      << rows.Out;
}

TEST_F(MergeRun, ListMissingPathsAndNoExportAtAll) {
  MakeShare();
  const RunResult list = Merge({"/in:" + FRoot.Sub("share"), "/list"});
  ASSERT_EQ(list.ExitCode, 0);
  for (const char* machine : {"PC-1", "PC-2", "PC-3", "PC-4"})
    EXPECT_NE(list.Out.find(machine), std::string::npos) << list.Out;
  EXPECT_NE(list.Out.find(Share("PC-1-again.jsonl")), std::string::npos);

  const RunResult missing = Merge({"/in:" + FRoot.Sub("nowhere"), "/format:json"});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_NE(missing.Err.find("/in 路径不存在："), std::string::npos);

  const RunResult foreign = Merge({"/in:" + Share("notes.jsonl"), "/format:json"});
  EXPECT_EQ(foreign.ExitCode, 3);
  EXPECT_EQ(foreign.Out, "");
}

TEST_F(MergeRun, ReExportKeepsMachinesAndKeys) {
  MakeShare();
  const std::string again = FRoot.Sub("again/merged.jsonl");
  ASSERT_EQ(Merge({"/in:" + FRoot.Sub("share"), "/format:jsonl", "/machine:AUDITOR",
                   "/out:" + again})
                .ExitCode,
            0);
  const std::string lines = vt_test::ReadFile(again);
  EXPECT_EQ(lines.find("AUDITOR"), std::string::npos);
  // The merged lines with the share again: nothing new, nothing lost.
  const RunResult once = Merge({"/in:" + FRoot.Sub("share"), "/format:json"});
  const RunResult twice =
      Merge({"/in:" + FRoot.Sub("share"), "/in:" + again, "/format:json"});
  const RunResult alone = Merge({"/in:" + again, "/format:json"});
  ASSERT_EQ(once.ExitCode, 0);
  EXPECT_EQ(IntAfter(twice.Out, "total"), IntAfter(once.Out, "total"));
  EXPECT_EQ(IntAfter(alone.Out, "total"), IntAfter(once.Out, "total"));
  EXPECT_EQ(Categories(alone.Out), Categories(once.Out));
}
