// Whole runs against a synthetic user folder: the endings and exit codes of
// the run sequence, where the report goes, the source listing and the time
// window in two time zones.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "uUtil.h"

namespace {

using vt_test::RunResult;
using Lines = std::vector<std::string>;

constexpr int64_t kUnixTo1601 = 11644473600LL;

struct Visit {
  std::string Url;
  std::string Title;
  int64_t Unix;
};

void Exec(sqlite3* db, const std::string& sql) {
  char* err = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "");
}

// A Chromium History database with the two tables the reader queries.
void WriteChromeHistory(const std::string& path, const std::vector<Visit>& visits) {
  vt_test::MakeDirs(path.substr(0, path.rfind('/')));
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  Exec(db,
       "CREATE TABLE urls(id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR,"
       " visit_count INTEGER DEFAULT 0);"
       "CREATE TABLE visits(id INTEGER PRIMARY KEY, url INTEGER NOT NULL, visit_time INTEGER"
       " NOT NULL);");
  int id = 0;
  for (const Visit& v : visits) {
    ++id;
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "INSERT INTO urls VALUES(?,?,?,1)", -1, &st, nullptr),
              SQLITE_OK);
    sqlite3_bind_int(st, 1, id);
    sqlite3_bind_text(st, 2, v.Url.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 3, v.Title.c_str(), -1, SQLITE_TRANSIENT);
    ASSERT_EQ(sqlite3_step(st), SQLITE_DONE);
    sqlite3_finalize(st);
    Exec(db, "INSERT INTO visits(url, visit_time) VALUES(" + std::to_string(id) + "," +
                 std::to_string((v.Unix + kUnixTo1601) * 1000000) + ")");
  }
  sqlite3_close(db);
}

int64_t Utc(int y, int mo, int d, int h, int mi) {
  // Days from civil (proleptic Gregorian), independent of the program.
  y -= mo <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return (era * 146097 + doe - 719468) * 86400 + h * 3600 + mi * 60;
}

size_t CountOf(const std::string& hay, const std::string& needle) {
  size_t n = 0;
  for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + 1)) ++n;
  return n;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

bool HasLine(const Lines& lines, const std::string& line) {
  for (const auto& l : lines)
    if (l == line) return true;
  return false;
}

// The line after `prefix`, or empty.
std::string LineStarting(const Lines& lines, const std::string& prefix) {
  for (const auto& l : lines)
    if (StartsWith(l, prefix)) return l;
  return std::string();
}

const char* const kBanner1 = "Visitrail v1.1.4\xE3\x80\x80\xEF\xBC\x88" "2026-11-19\xEF\xBC\x89";
const char* const kBanner2 =
    "Visitrail 项目\xE3\x80\x80\xC2\xB7\xE3\x80\x80https://visitrail.example.org";
const char* const kMakerHome =
    "Visitrail 项目出品 · 开源的浏览器历史审计工具\xE3\x80\x80https://visitrail.example.org";

class ReportRun : public testing::Test {
 protected:
  void SetUp() override {
    vt_test::MakeDirs(home_);
    vt_test::MakeDirs(tmpDir_);
  }
  void TearDown() override {
    // Snapshots and worker folders must all be gone when the process ends.
    EXPECT_EQ(vt_test::ListNames(tmpDir_), std::vector<std::string>());
  }

  std::string ChromeHistoryPath() const {
    return home_ + "/AppData/Local/Google/Chrome/User Data/Default/History";
  }
  void WriteThreeVisits() {
    const int64_t t = Utc(2025, 6, 15, 12, 0);
    WriteChromeHistory(ChromeHistoryPath(), {{"https://www.example.com/a", "A", t},
                                             {"https://www.example.com/a", "A", t + 600},
                                             {"https://news.example.org/b?q=1", "B", t + 1200}});
  }

  RunResult Run(const std::vector<std::string>& args, const std::string& tz = "Asia/Shanghai",
                const std::string& cwd = std::string()) {
    return vt_test::RunVisitrail(args,
                                 {{"USERPROFILE", home_},
                                  {"USERNAME", "alice"},
                                  {"-APPDATA", ""},
                                  {"-LOCALAPPDATA", ""},
                                  {"TMPDIR", tmpDir_},
                                  {"TZ", tz}},
                                 cwd);
  }

  vt_test::TempFolder root_;
  const std::string home_ = root_.Sub("Users/alice");
  const std::string tmpDir_ = root_.Sub("tmp");
  const std::string outDir_ = root_.Sub("out");
};

}  // namespace

TEST_F(ReportRun, NoVisitsToFileEndsWithTwo) {
  const std::string out = outDir_ + "/r.html";
  auto r = Run({"/out:" + out});
  EXPECT_EQ(r.ExitCode, 2);
  const Lines lines = r.Lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], kBanner1);
  EXPECT_EQ(lines[1], kBanner2);
  EXPECT_EQ(lines[2], std::string(60, '-'));
  EXPECT_TRUE(HasLine(lines, "扫描范围：当前用户 alice"));
  EXPECT_TRUE(HasLine(lines, "采集完成：0 条记录，0 个数据源"));
  EXPECT_TRUE(HasLine(lines, "未发现任何可用数据源。"));
  EXPECT_EQ(lines[lines.size() - 2], "");
  EXPECT_EQ(lines.back(), "时间范围内没有可用记录，未生成报告。");
  EXPECT_FALSE(vt_test::Exists(out));

  // Quiet hides the banner but not this ending.
  r = Run({"/out:" + out, "/quiet"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_EQ(r.Lines(), (Lines{"", "时间范围内没有可用记录，未生成报告。"}));

  // A source filter naming a browser that is not installed is no failure.
  r = Run({"/out:" + out, "/quiet", "/src:chrome"});
  EXPECT_EQ(r.ExitCode, 2);
}

TEST_F(ReportRun, NoVisitsToStandardOutputStillWritesTheReport) {
  auto r = Run({});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_TRUE(StartsWith(r.Out, "<!DOCTYPE html>")) << r.Out.substr(0, 200);
  EXPECT_EQ(r.Out.find("扫描范围"), std::string::npos);
  EXPECT_EQ(r.Out.find("Visitrail v1.1.4\xE3\x80\x80"), std::string::npos);

  r = Run({"/format:json"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_TRUE(StartsWith(r.Out, "{\"tool\":\"Visitrail\",\"version\":\"1.1.4\",")) << r.Out.substr(0, 200);
  EXPECT_NE(r.Out.find("\"records\":[],\"downloads\":[]}"), std::string::npos);

  // JSON to a file with no visits is written and still ends with two.
  const std::string out = outDir_ + "/empty.json";
  r = Run({"/format:json", "/out:" + out, "/quiet"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_TRUE(vt_test::Exists(out));
  EXPECT_TRUE(HasLine(r.Lines(), "JSON 报告已生成：" + out));
  EXPECT_TRUE(HasLine(r.Lines(), "统计：0 次访问，0 个网址，0 个域名，0 天活跃"));
}

TEST_F(ReportRun, OnlyFailedSourcesEndWithThree) {
  vt_test::WriteFile(ChromeHistoryPath(), std::string(4096, 'x'));  // not a database
  const std::string out = outDir_ + "/r.html";
  auto r = Run({"/out:" + out, "/quiet"});
  EXPECT_EQ(r.ExitCode, 3);
  EXPECT_EQ(r.Lines(), (Lines{"错误: 所有数据源均读取失败，未生成报告。"}));
  EXPECT_FALSE(vt_test::Exists(out));

  // Standard output mode is quiet, but the error line is still printed, on
  // standard error: standard output holds nothing but a report.
  r = Run({});
  EXPECT_EQ(r.ExitCode, 3);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "错误: 所有数据源均读取失败，未生成报告。\n");

  // The source table names the failed source with its status.
  r = Run({"/out:" + out});
  EXPECT_EQ(r.ExitCode, 3);
  const std::string row = LineStarting(r.Lines(), "Google Chrome");
  EXPECT_NE(row.find("alice"), std::string::npos);
  EXPECT_NE(row.find("解析失败"), std::string::npos);
  EXPECT_TRUE(HasLine(r.Lines(), "    " + ChromeHistoryPath()));
}

// One source read without visits beside a failed one: the run did read
// something, so it is an empty result (2), not a total failure (3), and a
// JSON report is still written.
TEST_F(ReportRun, AnEmptySourceBesideAFailedOneIsNoTotalFailure) {
  vt_test::WriteFile(ChromeHistoryPath(), std::string(4096, 'x'));  // not a database
  WriteChromeHistory(home_ + "/AppData/Local/Google/Chrome/User Data/Profile 1/History", {});
  const std::string out = outDir_ + "/r.json";
  auto r = Run({"/format:json", "/out:" + out, "/quiet"});
  EXPECT_EQ(r.ExitCode, 2) << r.Out;
  EXPECT_EQ(r.Lines(), (Lines{"", "JSON 报告已生成：" + out,
                              "统计：0 次访问，0 个网址，0 个域名，0 天活跃"}));
  const std::string json = vt_test::ReadFile(out);
  EXPECT_NE(json.find("\"records\":[],\"downloads\":[]}"), std::string::npos) << json.substr(0, 300);
  EXPECT_EQ(CountOf(json, "\"state\":\"empty\""), 1u) << json.substr(0, 600);
  EXPECT_EQ(CountOf(json, "\"state\":\"parseerror\""), 1u) << json.substr(0, 600);

  // To a file as HTML the same result is the empty-range ending.
  r = Run({"/out:" + outDir_ + "/r.html", "/quiet"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_EQ(r.Lines(), (Lines{"", "时间范围内没有可用记录，未生成报告。"}));
}

TEST_F(ReportRun, LogThatCannotBeCreatedEndsWithFive) {
  vt_test::WriteFile(root_.Sub("plainfile"), "x");
  auto r = Run({"/out:" + outDir_ + "/r.html", "/log:" + root_.Sub("plainfile/sub/run.log")});
  EXPECT_EQ(r.ExitCode, 5);
  const Lines lines = r.Lines();
  ASSERT_EQ(lines.size(), 1u) << r.Out;
  EXPECT_TRUE(StartsWith(lines[0], "内部错误：")) << lines[0];
  EXPECT_NE(lines[0].find(": "), std::string::npos);
  EXPECT_EQ(lines[0].find("内部错误：unknown"), std::string::npos);
}

TEST_F(ReportRun, LogFileGetsTheRun) {
  WriteThreeVisits();
  const std::string log = root_.Sub("logs/run.log");
  auto r = Run({"/out:" + outDir_ + "/", "/log:" + log, "/quiet"});
  EXPECT_EQ(r.ExitCode, 0);
  const std::string text = vt_test::ReadFile(log);
  EXPECT_NE(text.find("[信息] 采集完成：3 条记录，1 个数据源"), std::string::npos) << text;
}

TEST_F(ReportRun, ReportThatCannotBeWrittenEndsWithFour) {
  WriteThreeVisits();
  vt_test::WriteFile(root_.Sub("plainfile"), "x");
  for (const char* fmt : {"html", "json"}) {
    auto r = Run({"/out:" + root_.Sub("plainfile/r.") + fmt, "/format:" + std::string(fmt),
                  "/quiet"});
    EXPECT_EQ(r.ExitCode, 4) << fmt;
    const Lines lines = r.Lines();
    ASSERT_EQ(lines.size(), 1u) << r.Out;
    const std::string prefix =
        std::string("错误: ") + (fmt[0] == 'h' ? "写入报告失败：" : "写入 JSON 报告失败：");
    EXPECT_TRUE(StartsWith(lines[0], prefix)) << lines[0];
  }
}

TEST_F(ReportRun, HtmlReportToFolderWithResultLines) {
  WriteThreeVisits();
  vt_test::MakeDirs(outDir_);
  auto r = Run({"/out:" + outDir_, "/title:T&<x>"});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  const auto names = vt_test::ListNames(outDir_);
  ASSERT_EQ(names.size(), 1u);
  const std::string& name = names[0];
  // Visitrail_Report_yyyymmdd_hhnnss.html
  ASSERT_EQ(name.size(), std::string("Visitrail_Report_20261118_090507.html").size()) << name;
  EXPECT_TRUE(StartsWith(name, "Visitrail_Report_"));
  EXPECT_EQ(name.substr(name.size() - 5), ".html");
  EXPECT_EQ(name[25], '_');

  const Lines lines = r.Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[lines.size() - 4], "");
  EXPECT_EQ(lines[lines.size() - 3], "报告已生成：" + outDir_ + "/" + name);
  EXPECT_EQ(lines[lines.size() - 2], "统计：3 次访问，2 个网址，2 个域名，1 天活跃");
  EXPECT_EQ(lines.back(), kMakerHome);
  EXPECT_TRUE(HasLine(lines, "采集完成：3 条记录，1 个数据源"));
  // Source table: the header padded by display columns, the rule under it
  // as wide as the header.
  EXPECT_TRUE(HasLine(lines, "浏览器" + std::string(9, ' ') + "配置/用户" + std::string(16, ' ') +
                                 "状态" + std::string(15, ' ') + "条数"));
  EXPECT_TRUE(HasLine(lines, std::string(63, '-')));

  const std::string html = vt_test::ReadFile(outDir_ + "/" + name);
  EXPECT_NE(html.find("T&amp;&lt;x&gt;"), std::string::npos);
  EXPECT_NE(html.find("全部历史（2025-06-15 至 2025-06-15）"), std::string::npos);
  EXPECT_NE(html.find("当前用户 alice"), std::string::npos);
}

TEST_F(ReportRun, OutPathRules) {
  WriteThreeVisits();
  struct Case {
    std::vector<std::string> Args;
    std::string Expected;  // relative to root_
    bool Json;
  };
  const std::vector<Case> cases = {
      {{"/out:" + root_.Sub("report.HTML"), "/format:json"}, "report.HTML", true},
      {{"/out:" + root_.Sub("report.txt")}, "report.txt.html", false},
      {{"/out:" + root_.Sub("report.txt"), "/format:json"}, "report.txt.json", true},
      {{"/out:" + root_.Sub("report")}, "report", false},
      {{"/out:" + root_.Sub("v1.5/plain")}, "v1.5/plain", false},
  };
  for (const Case& c : cases) {
    auto args = c.Args;
    args.push_back("/quiet");
    auto r = Run(args);
    EXPECT_EQ(r.ExitCode, 0) << c.Expected;
    const std::string path = root_.Sub(c.Expected);
    ASSERT_TRUE(vt_test::Exists(path)) << c.Expected;
    const std::string body = vt_test::ReadFile(path);
    EXPECT_EQ(body[0], c.Json ? '{' : '<') << c.Expected;
    EXPECT_TRUE(HasLine(r.Lines(), (c.Json ? "JSON 报告已生成：" : "报告已生成：") + path));
  }

  // A trailing "/" names a folder that is created with the default name.
  auto r = Run({"/out:" + root_.Sub("fresh/"), "/format:json", "/quiet", "/open"});
  EXPECT_EQ(r.ExitCode, 0);
  const auto names = vt_test::ListNames(root_.Sub("fresh"));
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].substr(names[0].size() - 5), ".json");
  // /open has no effect on a JSON report, so no maker line either.
  EXPECT_TRUE(StartsWith(r.Lines().back(), "统计："));

  // A relative /out is printed absolute.
  vt_test::MakeDirs(root_.Sub("cwd"));
  r = Run({"/out:rel/r.html", "/quiet"}, "Asia/Shanghai", root_.Sub("cwd"));
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_TRUE(vt_test::Exists(root_.Sub("cwd/rel/r.html")));
  const std::string printed = LineStarting(r.Lines(), "报告已生成：");
  ASSERT_FALSE(printed.empty()) << r.Out;
  const std::string path = printed.substr(std::string("报告已生成：").size());
  EXPECT_EQ(path.front(), '/');
  EXPECT_EQ(path.substr(path.size() - std::string("/cwd/rel/r.html").size()), "/cwd/rel/r.html");
}

TEST_F(ReportRun, JsonToStandardOutputIsTheWholeOutput) {
  WriteThreeVisits();
  auto r = Run({"/format:json", "/limit:2"});
  EXPECT_EQ(r.ExitCode, 0);
  const std::string& j = r.Out;
  ASSERT_FALSE(j.empty());
  EXPECT_TRUE(StartsWith(j, "{\"tool\":\"Visitrail\",\"version\":\"1.1.4\",")) << j.substr(0, 200);
  EXPECT_EQ(j.substr(j.size() - 2), "]}");  // nothing after the document
  EXPECT_EQ(j.find('\n'), std::string::npos);
  EXPECT_NE(j.find("\"total\":3"), std::string::npos);
  EXPECT_NE(j.find("\"truncated\":true,\"shown\":2"), std::string::npos);
  EXPECT_NE(j.find("\"scope\":\"当前用户 alice\""), std::string::npos);
  EXPECT_EQ(CountOf(j, "{\"time\":"), 2u);
}

TEST_F(ReportRun, SourceListing) {
  WriteThreeVisits();
  auto r = Run({"/list", "/out:" + outDir_ + "/x.html"});
  EXPECT_EQ(r.ExitCode, 0);
  const Lines lines = r.Lines();
  const std::string row = LineStarting(lines, "Google Chrome");
  // Columns of 14, 24, 12 and 10 display columns; the label is the user and
  // the browser profile.
  EXPECT_TRUE(StartsWith(row, "Google Chrome  ")) << row;
  EXPECT_EQ(row.substr(15, 13), std::string("alice") + row[20] + "Default") << row;
  EXPECT_EQ(DisplayWidth(row), 63u) << row;
  const std::string tail = "已采集" + std::string(16, ' ') + "3";
  EXPECT_EQ(row.substr(row.size() - tail.size()), tail) << row;
  EXPECT_TRUE(HasLine(lines, "    " + ChromeHistoryPath()));
  EXPECT_EQ(lines.back(), "    " + ChromeHistoryPath());  // no summary after the table
  EXPECT_FALSE(vt_test::Exists(outDir_));

  r = Run({"/list", "/format:json"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_TRUE(StartsWith(r.Out, "{\"tool\":\"Visitrail\",\"version\":\"1.1.4\",")) << r.Out;
  EXPECT_NE(r.Out.find("\"sources\":[{\"name\":\"Google Chrome\""), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("\"count\":3"), std::string::npos);
  EXPECT_EQ(r.Out.substr(r.Out.size() - 2), "]}");

  // /list ends with 0 also when nothing was found.
  vt_test::TempFolder other;
  auto e = vt_test::RunVisitrail({"/list"}, {{"USERPROFILE", other.Path()}, {"TMPDIR", tmpDir_}});
  EXPECT_EQ(e.ExitCode, 0);
  EXPECT_EQ(e.Lines(), (Lines{"未发现任何可用数据源。"}));
}

// /from and /to name the days as the report shows them, in the machine's
// own time zone.
TEST_F(ReportRun, DateWindowFollowsLocalDays) {
  WriteChromeHistory(ChromeHistoryPath(),
                     {{"https://a.example.com/1", "1", Utc(2025, 11, 21, 23, 0)},
                      {"https://a.example.com/2", "2", Utc(2025, 11, 22, 12, 0)},
                      {"https://a.example.com/3", "3", Utc(2025, 11, 22, 17, 0)},
                      {"https://a.example.com/4", "4", Utc(2025, 11, 23, 3, 30)}});
  struct Zone {
    const char* Tz;
    int Total;
  };
  // Shanghai (UTC+8): visits 1 (07:00) and 2 (20:00) fall on 22 November.
  // New York (UTC-5, or -4 in summer time): visits 2, 3 and 4.
  for (const Zone& z : {Zone{"Asia/Shanghai", 2}, Zone{"America/New_York", 3}}) {
    SCOPED_TRACE(z.Tz);
    auto r = Run({"/from:2025-11-22", "/to:2025-11-22", "/format:json"}, z.Tz);
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_NE(r.Out.find("\"total\":" + std::to_string(z.Total) + ","), std::string::npos)
        << r.Out.substr(0, 400);
    EXPECT_NE(r.Out.find("\"range\":\"2025-11-22 ~ 2025-11-22\""), std::string::npos);
    EXPECT_EQ(CountOf(r.Out, "{\"time\":\"2025-11-22 "), static_cast<size_t>(z.Total));
  }

  auto r = Run({"/from:2025-11-23", "/format:json"}, "Asia/Shanghai");
  EXPECT_NE(r.Out.find("\"total\":2,"), std::string::npos);
  EXPECT_NE(r.Out.find("\"range\":\"2025-11-23 之后\""), std::string::npos);
  r = Run({"/to:2025-11-21", "/format:json"}, "America/New_York");
  EXPECT_NE(r.Out.find("\"total\":1,"), std::string::npos);
  EXPECT_NE(r.Out.find("\"range\":\"截至 2025-11-21\""), std::string::npos);

  // A window with nothing in it: JSON still produced, exit code 2.
  r = Run({"/from:2030-01-01", "/format:json"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_NE(r.Out.find("\"total\":0,"), std::string::npos);
}

TEST_F(ReportRun, CsvReportToFileAndToStandardOutput) {
  WriteThreeVisits();
  // A name with another extension gets ".csv"; the file holds what standard
  // output gets.
  auto r = Run({"/format:CSV", "/out:" + outDir_ + "/r.txt", "/quiet"});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  const std::string path = outDir_ + "/r.txt.csv";
  EXPECT_EQ(r.Lines(), (Lines{"", "CSV 报告已生成：" + path,
                              "统计：3 次访问，2 个网址，2 个域名，1 天活跃"}));
  const std::string csv = vt_test::ReadFile(path);
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF时间,浏览器,配置,标题,网址\r\n"
            "2025-06-15 20:20:00,Google Chrome,alice\\Default,B,https://news.example.org/b?q=1\r\n"
            "2025-06-15 20:10:00,Google Chrome,alice\\Default,A,https://www.example.com/a\r\n"
            "2025-06-15 20:00:00,Google Chrome,alice\\Default,A,https://www.example.com/a\r\n");
  r = Run({"/format:csv"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Out, csv);
  // /limit samples as the JSON report does; a ".csv" name is kept.
  r = Run({"/format:csv", "/limit:2", "/out:" + outDir_ + "/two.CSV", "/quiet"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(CountOf(vt_test::ReadFile(outDir_ + "/two.CSV"), "\r\n"), 3u);
  // The default name in a folder.
  r = Run({"/format:csv", "/out:" + outDir_ + "/", "/quiet"});
  const std::string named = LineStarting(r.Lines(), "CSV 报告已生成：");
  EXPECT_TRUE(StartsWith(named, "CSV 报告已生成：" + outDir_ + "/Visitrail_Report_")) << named;
  EXPECT_EQ(named.substr(named.size() - 4), ".csv");
}

TEST_F(ReportRun, EmptyCsvReportIsWrittenAndEndsWithTwo) {
  WriteThreeVisits();
  const std::string out = outDir_ + "/empty.csv";
  auto r = Run({"/format:csv", "/from:2030-01-01", "/out:" + out, "/quiet"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_TRUE(HasLine(r.Lines(), "CSV 报告已生成：" + out));
  EXPECT_EQ(vt_test::ReadFile(out), "\xEF\xBB\xBF时间,浏览器,配置,标题,网址\r\n");
  r = Run({"/format:csv", "/from:2030-01-01"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_EQ(r.Out, "\xEF\xBB\xBF时间,浏览器,配置,标题,网址\r\n");
}

// Every visit is shown with the offset of its own date, not the one in
// effect on the day of the run: a summer and a winter visit at noon UTC.
TEST_F(ReportRun, TimesTakeTheOffsetOfTheirOwnDate) {
  WriteChromeHistory(ChromeHistoryPath(),
                     {{"https://a.example.com/summer", "S", Utc(2026, 7, 15, 12, 0)},
                      {"https://a.example.com/winter", "W", Utc(2026, 1, 15, 12, 0)},
                      {"https://a.example.com/early", "E", Utc(2026, 7, 15, 4, 30)}});
  struct Zone {
    const char* Tz;
    const char* Summer;
    const char* Winter;
  };
  for (const Zone& z : {Zone{"America/New_York", "2026-07-15 08:00:00", "2026-01-15 07:00:00"},
                        Zone{"Australia/Sydney", "2026-07-15 22:00:00", "2026-01-15 23:00:00"}}) {
    SCOPED_TRACE(z.Tz);
    auto r = Run({"/format:json"}, z.Tz);
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_NE(r.Out.find(std::string("{\"time\":\"") + z.Summer + "\""), std::string::npos)
        << r.Out;
    EXPECT_NE(r.Out.find(std::string("{\"time\":\"") + z.Winter + "\""), std::string::npos);
    EXPECT_NE(r.Out.find(std::string("\"range\":\"全部历史（2026-01-15 至 2026-07-15）\"")),
              std::string::npos);
  }
  // A /from day in summer starts at that day's own local midnight (04:00
  // UTC), so the visit at 00:30 local is inside.
  auto r = Run({"/from:2026-07-15", "/format:json"}, "America/New_York");
  EXPECT_NE(r.Out.find("\"total\":2,"), std::string::npos);
  EXPECT_NE(r.Out.find("{\"time\":\"2026-07-15 00:30:00\""), std::string::npos);
}

// On the day the clocks go forward, visits before and after the change share
// a local date but not an offset; each report format shows both right.
TEST_F(ReportRun, DaylightSavingDayKeepsEachVisitsOwnOffset) {
  WriteChromeHistory(ChromeHistoryPath(),
                     {{"https://a.example.com/before", "B", Utc(2026, 3, 8, 6, 30)},
                      {"https://a.example.com/after", "A", Utc(2026, 3, 8, 7, 30)},
                      {"https://a.example.com/later", "L", Utc(2026, 3, 8, 20, 0)}});
  for (const char* format : {"/format:json", "/format:csv", "/format:html"}) {
    SCOPED_TRACE(format);
    auto r = Run({format}, "America/New_York");
    EXPECT_EQ(r.ExitCode, 0);
    for (const char* shown : {"2026-03-08 01:30:00", "2026-03-08 03:30:00", "2026-03-08 16:00:00"})
      EXPECT_NE(r.Out.find(shown), std::string::npos) << shown;
    EXPECT_EQ(r.Out.find("2026-03-08 02:30:00"), std::string::npos);
  }
}
