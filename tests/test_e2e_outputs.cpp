// The files a run writes: a default-named report never replaces an earlier
// one, and a report or worker result that cannot be written to the end
// (a file-size limit here; a small file system alike) is reported, ends the
// run with its failure code and leaves no file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "webcache_sample.h"

namespace {

using vt_test::RunResult;
using Lines = std::vector<std::string>;

constexpr int64_t kT0 = 1700000000;

long long SizeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

// The run's report name for a moment, as the run forms it under TZ=UTC.
std::string DefaultName(std::time_t t, const std::string& ext) {
  char buf[32];
  std::tm tm{};
  ::gmtime_r(&t, &tm);
  std::strftime(buf, sizeof buf, "%Y%m%d_%H%M%S", &tm);
  return std::string("Visitrail_Report_") + buf + ext;
}

class OutputRun : public ::testing::Test {
 protected:
  void SetUp() override {
    vt_test::MakeDirs(FTmp);
    // Many visits of a few addresses in the two tables the reader uses: a
    // small store, a large report.
    FStore = FAlice.Local("Google/Chrome/User Data/Default/History");
    vt_test::MakeDirs(FAlice.Local("Google/Chrome/User Data/Default"));
    vt_test::ExecSql(
        FStore,
        "CREATE TABLE urls(id INTEGER PRIMARY KEY, url TEXT, title TEXT, visit_count INTEGER);"
        "CREATE TABLE visits(id INTEGER PRIMARY KEY, url INTEGER, visit_time INTEGER);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20)"
        " INSERT INTO urls SELECT i, 'https://site' || i || '.example/page', 'Page ' || i, 1 FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 19999)"
        " INSERT INTO visits(url, visit_time) SELECT 1 + i % 20, (" +
            std::to_string(kT0) + " + 11644473600 + 7 * i) * 1000000 FROM n;");
  }
  void TearDown() override {
    EXPECT_EQ(vt_test::ListNames(FTmp), Lines()) << "left in the temporary folder";
  }

  RunResult Run(const std::vector<std::string>& args,
                const std::vector<std::string>& prefix = {}) {
    return vt_test::RunVisitrail(args,
                                 {{"USERPROFILE", FAlice.Root()},
                                  {"USERNAME", "alice"},
                                  {"-APPDATA", ""},
                                  {"-LOCALAPPDATA", ""},
                                  {"TMPDIR", FTmp},
                                  {"TZ", "UTC"}},
                                 std::string(), prefix);
  }

  vt_test::TempFolder FRoot;
  vt_test::UserFolder FAlice{FRoot.Sub("Users"), "alice"};
  const std::string FTmp = FRoot.Sub("tmp");
  std::string FStore;
};

}  // namespace

TEST_F(OutputRun, DefaultNamedReportsOfOneSecondNeverReplaceEachOther) {
  // Earlier reports under every name this run may choose in the next seconds.
  const std::string out = FRoot.Sub("out");
  const std::time_t now = std::time(nullptr);
  Lines earlier;
  for (int s = 0; s < 5; ++s) {
    earlier.push_back(DefaultName(now + s, ".html"));
    vt_test::WriteFile(out + "/" + earlier.back(), "earlier report");
  }
  const RunResult r = Run({"/out:" + out + "/", "/quiet"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out;
  for (const std::string& name : earlier)
    EXPECT_EQ(vt_test::ReadFile(out + "/" + name), "earlier report") << name;
  const Lines names = vt_test::ListNames(out);
  ASSERT_EQ(names.size(), earlier.size() + 1);
  std::string added;
  for (const std::string& n : names)
    if (n.size() > 7 && n.compare(n.size() - 7, 7, "_2.html") == 0) added = n;
  ASSERT_FALSE(added.empty()) << "no report named with _2";
  EXPECT_NE(r.Out.find("报告已生成：" + out + "/" + added), std::string::npos) << r.Out;
  EXPECT_GT(SizeOf(out + "/" + added), 10000);

  // A name the user gave is still replaced.
  vt_test::WriteFile(out + "/mine.json", "old");
  ASSERT_EQ(Run({"/out:" + out + "/mine.json", "/format:json", "/quiet"}).ExitCode, 0);
  EXPECT_NE(vt_test::ReadFile(out + "/mine.json"), "old");
}

TEST_F(OutputRun, ReportCutShortByAFileSizeLimitLeavesNoFile) {
  // A limit that lets the store's snapshot through but not the report.
  const long long limit = SizeOf(FStore) + 4096;
  for (const std::string fmt : {"html", "json", "csv"}) {
    SCOPED_TRACE(fmt);
    const std::string probe = FRoot.Sub("probe/r." + fmt);
    ASSERT_EQ(Run({"/out:" + probe, "/format:" + fmt, "/quiet"}).ExitCode, 0);
    ASSERT_GT(SizeOf(probe), limit) << "the report must outgrow the limit";

    // The default name in a folder that exists (the run claims the name
    // before writing) and in one the writer has to make.
    for (const bool exists : {true, false}) {
      SCOPED_TRACE(exists ? "existing folder" : "new folder");
      const std::string out = FRoot.Sub("out-" + fmt + (exists ? "-existing" : "-new"));
      if (exists) vt_test::MakeDirs(out);
      const RunResult r = Run({"/out:" + out + "/", "/format:" + fmt, "/quiet"},
                              {"prlimit", "--fsize=" + std::to_string(limit), "--"});
      EXPECT_EQ(r.ExitCode, 4) << r.Out << r.Err;
      EXPECT_NE(r.Out.find(fmt == "html"   ? "错误: 写入报告失败："
                           : fmt == "json" ? "错误: 写入 JSON 报告失败："
                                           : "错误: 写入 CSV 报告失败："),
                std::string::npos)
          << r.Out;
      EXPECT_EQ(vt_test::ListNames(out), Lines()) << "a report cut short was left behind";
    }
  }
}

TEST(WorkerOutput, ResultCutShortByAFileSizeLimitLeavesNoFile) {
  vt_test::TempFolder t;
  VT_REQUIRE_WEBCACHE_SAMPLE(db, t.Sub("snap"));
  // The whole result is some kilobytes; a limit of one lets it begin only.
  const RunResult r =
      vt_test::RunVisitrail({"/worker:dump", t.Sub("snap"), t.Sub("result.tsv")}, {},
                            std::string(), {"prlimit", "--fsize=1024", "--"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_FALSE(vt_test::Exists(t.Sub("result.tsv")));

  const RunResult whole =
      vt_test::RunVisitrail({"/worker:dump", t.Sub("snap"), t.Sub("result.tsv")});
  ASSERT_EQ(whole.ExitCode, 0);
  EXPECT_GT(SizeOf(t.Sub("result.tsv")), 1024);
}

TEST_F(OutputRun, OneProcessorOrSeveralWriteTheSameReports) {
  // With the time index, the store is read by the two-scan path: over two
  // connections side by side where several processors are free, over one
  // otherwise; the records are then formatted on one lane per processor.
  // A run held to a single processor must write the very same bytes.
  if (std::system("taskset -c 0 true >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "taskset cannot hold a process to one processor here";
  vt_test::ExecSql(FStore, "CREATE INDEX visits_time_index ON visits(visit_time);");
  auto masked = [](std::string text) {
    for (const char* key : {"\"generated\":\"", "\"run\":\""}) {
      for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        const size_t from = at + std::strlen(key);
        text.replace(from, text.find('"', from) - from, "*");
      }
    }
    return text;
  };
  for (const std::string format : {"json", "csv", "html", "jsonl"}) {
    const std::string many = FRoot.Sub("many." + format), one = FRoot.Sub("one." + format);
    const RunResult a = Run({"/format:" + format, "/out:" + many});
    const RunResult b = Run({"/format:" + format, "/out:" + one}, {"taskset", "-c", "0"});
    ASSERT_EQ(a.ExitCode, 0) << format << a.Err;
    ASSERT_EQ(b.ExitCode, 0) << format << b.Err;
    const std::string report = vt_test::ReadFile(many);
    EXPECT_GT(report.size(), 20000u * 40) << format;
    EXPECT_TRUE(masked(report) == masked(vt_test::ReadFile(one))) << format;
  }
}
