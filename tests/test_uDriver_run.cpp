#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "TestSupport.h"
#include "uDriver.h"
#include "uPlatform.h"

namespace {

TDateTime Day(int y, int m, int d) {
  TDateTime t;
  t.Year = y;
  t.Month = m;
  t.Day = d;
  return t;
}

std::string LocalText(int64_t unix) { return FormatDateTime(UnixToLocal(unix)); }

}  // namespace

TEST(Ellipsize, KeepsShortTextAndCutsLongTextByDisplayColumns) {
  const std::string s112(112, 'a');
  EXPECT_EQ(Ellipsize(s112, 112), s112);
  EXPECT_EQ(Ellipsize("short", 3), "short");  // below 16 nothing is cut
  EXPECT_EQ(Ellipsize(std::string(40, 'x'), 15), std::string(40, 'x'));

  const std::string s113 = "0123456789AB" + std::string(100, 'm') + "Z";
  const std::string cut = Ellipsize(s113, 112);
  EXPECT_EQ(DisplayWidth(cut), 111u);
  EXPECT_EQ(cut.substr(0, 12), "0123456789AB");
  EXPECT_EQ(Utf16Left(Utf16Right(cut, 99), 1), "\xE2\x80\xA6");  // "…" is column 13
  EXPECT_EQ(cut.back(), 'Z');

  // Chinese characters take two columns: a path of them is cut to fit the
  // same console width, never through a character.
  std::string wide;
  for (int i = 0; i < 20; ++i) wide += "历";
  EXPECT_EQ(Ellipsize(wide, 40), wide);
  const std::string w = Ellipsize(wide, 17);
  EXPECT_EQ(w, Utf16Left(wide, 6) + "\xE2\x80\xA6" + Utf16Left(wide, 1));
  EXPECT_LE(DisplayWidth(w), 16u);
}

TEST(ReportPath, OutRules) {
  vt_test::TempFolder tmp;
  const std::string dir = tmp.Sub("reports");
  vt_test::MakeDirs(dir);
  const std::string def = "Visitrail_Report_20261118_090507.html";

  // An existing folder, with or without a trailing separator.
  EXPECT_EQ(ResolveReportPath(dir, "html", def), dir + "/" + def);
  EXPECT_EQ(ResolveReportPath(dir + "/", "html", def), dir + "/" + def);
  // A trailing separator names a folder even when it does not exist yet.
  EXPECT_EQ(ResolveReportPath(tmp.Sub("new/"), "html", def), tmp.Sub("new/") + def);
  EXPECT_EQ(ResolveReportPath(tmp.Sub("new\\"), "html", def), tmp.Sub("new\\") + def);
  // Known extensions are kept whatever the format and letter case.
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.HTML"), "json", def), tmp.Sub("r.HTML"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.Json"), "html", def), tmp.Sub("r.Json"));
  // Another extension gets the format's one appended; none stays none.
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.txt"), "html", def), tmp.Sub("r.txt.html"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.txt"), "json", def), tmp.Sub("r.txt.json"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.txt"), "csv", def), tmp.Sub("r.txt.csv"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.CSV"), "csv", def), tmp.Sub("r.CSV"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.JSONL"), "jsonl", def), tmp.Sub("r.JSONL"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.txt"), "jsonl", def), tmp.Sub("r.txt.jsonl"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.csv"), "json", def), tmp.Sub("r.csv"));
  EXPECT_EQ(ResolveReportPath(tmp.Sub("report"), "html", def), tmp.Sub("report"));
  // ".htm" names a page as ".html" does (not "r.htm.html").
  EXPECT_EQ(ResolveReportPath(tmp.Sub("r.HTM"), "html", def), tmp.Sub("r.HTM"));
  // A dot in a folder name is not an extension.
  EXPECT_EQ(ResolveReportPath(tmp.Sub("v1.2/report"), "json", def), tmp.Sub("v1.2/report"));

  // Relative paths are made absolute against the current folder.
  const std::string abs = ResolveReportPath("out/r.html", "html", def);
  EXPECT_EQ(abs, JoinPath(plat::CurrentDir(), "out/r.html"));
  EXPECT_EQ(abs.front(), '/');

  EXPECT_EQ(DefaultReportExt("json"), ".json");
  EXPECT_EQ(DefaultReportExt("html"), ".html");
  EXPECT_EQ(DefaultReportExt("csv"), ".csv");
}

// The /from and /to days are local calendar days: the window must start and
// end at local midnight, so a morning visit on the /from day is inside.
TEST(TimeWindow, DatesAreLocalDaysInEveryZone) {
  for (const char* zone : {"Asia/Shanghai", "America/New_York", "UTC"}) {
    SCOPED_TRACE(zone);
    vt_test::TzOverride tz(zone);
    TOptions o;
    o.HasFrom = o.HasTo = true;
    o.FromDT = Day(2025, 11, 22);
    o.ToDT = Day(2025, 11, 22);
    int64_t from = -1, to = -1;
    std::string range;
    BuildTimeWindow(o, 1900000000, from, to, range);
    EXPECT_EQ(range, "2025-11-22 ~ 2025-11-22");
    EXPECT_EQ(LocalText(from), "2025-11-22 00:00:00");
    EXPECT_EQ(LocalText(to), "2025-11-23 00:00:00");
    EXPECT_EQ(to - from, 86400);

    o.HasTo = false;
    BuildTimeWindow(o, 1900000000, from, to, range);
    EXPECT_EQ(range, "2025-11-22 之后");
    EXPECT_EQ(LocalText(from), "2025-11-22 00:00:00");
    EXPECT_EQ(to, 0);

    o.HasFrom = false;
    o.HasTo = true;
    o.ToDT = Day(2026, 12, 31);  // the next day is in the next year
    BuildTimeWindow(o, 1900000000, from, to, range);
    EXPECT_EQ(range, "截至 2026-12-31");
    EXPECT_EQ(from, 0);
    EXPECT_EQ(LocalText(to), "2027-01-01 00:00:00");
  }

  vt_test::TzOverride tz("Asia/Shanghai");
  TOptions o;
  o.HasFrom = o.HasTo = true;
  o.FromDT = o.ToDT = Day(2025, 11, 22);
  int64_t from = 0, to = 0;
  std::string range;
  BuildTimeWindow(o, 0, from, to, range);
  // 2025-11-22 07:00 in Shanghai is 2025-11-21 23:00 UTC.
  const int64_t morning = DaysFromCivil(2025, 11, 21) * 86400 + 23 * 3600;
  EXPECT_EQ(LocalText(morning), "2025-11-22 07:00:00");
  EXPECT_TRUE(from <= morning && morning < to);
  // 2025-11-23 07:00 local is on the next day and outside.
  EXPECT_FALSE(morning + 86400 < to);
}

// A local midnight is converted with the offset in effect at that midnight:
// in New York a summer day starts at 04:00 UTC and a winter day at 05:00,
// whatever the season of the run.
TEST(TimeWindow, MidnightsTakeTheirOwnDaylightSaving) {
  vt_test::TzOverride tz("EST5EDT,M3.2.0,M11.1.0");
  TOptions o;
  o.HasFrom = o.HasTo = true;
  o.FromDT = Day(2026, 7, 15);
  o.ToDT = Day(2026, 11, 1);  // the day that has 25 hours
  int64_t from = 0, to = 0;
  std::string range;
  BuildTimeWindow(o, 0, from, to, range);
  EXPECT_EQ(from, DaysFromCivil(2026, 7, 15) * 86400 + 4 * 3600);
  EXPECT_EQ(to, DaysFromCivil(2026, 11, 2) * 86400 + 5 * 3600);
  EXPECT_EQ(LocalText(from), "2026-07-15 00:00:00");
  EXPECT_EQ(LocalText(to), "2026-11-02 00:00:00");
}

// East of Greenwich a change day's midnight read as UTC already has the new
// offset: in New Zealand 2024-09-29 begins at 12:00 UTC the day before, two
// hours before the clocks go forward, so a visit at 23:30 on the 28th
// belongs to the 28th alone.
TEST(TimeWindow, MidnightBeforeTheClocksGoForwardInTheEast) {
  vt_test::TzOverride tz("NZST-12NZDT,M9.5.0,M4.1.0/3");
  const int64_t lateOn28th = DaysFromCivil(2024, 9, 28) * 86400 + 11 * 3600 + 30 * 60;
  ASSERT_EQ(LocalText(lateOn28th), "2024-09-28 23:30:00");
  TOptions o;
  int64_t from = 0, to = 0;
  std::string range;

  o.HasFrom = true;
  o.FromDT = Day(2024, 9, 29);
  BuildTimeWindow(o, 0, from, to, range);
  EXPECT_EQ(LocalText(from), "2024-09-29 00:00:00");
  EXPECT_LT(lateOn28th, from) << "/from:2024-09-29 takes in a visit of the 28th";

  o.HasFrom = false;
  o.HasTo = true;
  o.ToDT = Day(2024, 9, 28);
  BuildTimeWindow(o, 0, from, to, range);
  EXPECT_EQ(LocalText(to), "2024-09-29 00:00:00");
  EXPECT_LT(lateOn28th, to) << "/to:2024-09-28 leaves out a visit of the 28th";
}

TEST(TimeWindow, DaysAndWholeHistory) {
  TOptions o;
  int64_t from = -1, to = -1;
  std::string range;
  BuildTimeWindow(o, 1800000000, from, to, range);
  EXPECT_EQ(range, "全部历史");
  EXPECT_EQ(from, 0);
  EXPECT_EQ(to, 0);

  // /days counts back from the true current time; /from and /to are ignored.
  o.Days = 7;
  o.HasFrom = o.HasTo = true;
  o.FromDT = o.ToDT = Day(2026, 11, 1);
  BuildTimeWindow(o, 1800000000, from, to, range);
  EXPECT_EQ(range, "最近 7 天");
  EXPECT_EQ(from, 1800000000 - 7 * 86400);
  EXPECT_EQ(to, 0);

  // A huge day count must not wrap around in 32 bits.
  o.Days = 2147483647;
  BuildTimeWindow(o, 1800000000, from, to, range);
  EXPECT_LT(from, 0);
}

TEST(ExceptionClassName, ReadableNames) {
  EXPECT_EQ(ExceptionClassName(std::runtime_error("x")), "std::runtime_error");
  EXPECT_EQ(ExceptionClassName(std::out_of_range("x")), "std::out_of_range");
  struct TMyError : std::exception {};
  EXPECT_NE(ExceptionClassName(TMyError()).find("TMyError"), std::string::npos);
}

TEST(ConsoleWidth, ClampedRange) {
  const int w = ConsoleWidth();
  EXPECT_GE(w, 70);
  EXPECT_LE(w, 160);
}

TEST(ReportPath, DefaultNameNeverReplacesAnEarlierReport) {
  vt_test::TempFolder tmp;
  const std::string def = "Visitrail_Report_20261118_090507.html";
  bool defaultUsed = false;
  std::string path = ResolveReportPath(tmp.Path(), "html", def, &defaultUsed);
  EXPECT_TRUE(defaultUsed);
  ASSERT_TRUE(ClaimReportPath(path));
  EXPECT_EQ(path, tmp.Sub(def));
  EXPECT_TRUE(vt_test::Exists(path));  // taken: a second run cannot take it too

  // Two more runs within the same second, one with a JSON report.
  path = tmp.Sub(def);
  ASSERT_TRUE(ClaimReportPath(path));
  EXPECT_EQ(path, tmp.Sub("Visitrail_Report_20261118_090507_2.html"));
  path = tmp.Sub(def);
  ASSERT_TRUE(ClaimReportPath(path));
  EXPECT_EQ(path, tmp.Sub("Visitrail_Report_20261118_090507_3.html"));
  path = tmp.Sub("Visitrail_Report_20261118_090507.json");
  ASSERT_TRUE(ClaimReportPath(path));
  EXPECT_EQ(path, tmp.Sub("Visitrail_Report_20261118_090507.json"));

  // A folder that is not there yet: nothing is claimed, the writer makes it.
  path = tmp.Sub("new/") + def;
  EXPECT_FALSE(ClaimReportPath(path));
  EXPECT_EQ(path, tmp.Sub("new/") + def);

  // A name the user gave is not the default one, and is replaced as asked.
  ResolveReportPath(tmp.Sub("r.html"), "html", def, &defaultUsed);
  EXPECT_FALSE(defaultUsed);
}

namespace {

TSourceInfo Source(const std::string& name, const std::string& profile, TSourceStatus st,
                   int32_t count, const std::string& msg = std::string()) {
  TSourceInfo s;
  s.BrowserName = name;
  s.Profile = profile;
  s.DbPath = "/home/" + profile + "/History";
  s.Status = st;
  s.Count = count;
  s.Message = msg;
  return s;
}

// Display column at which `text` starts in `line`.
size_t ColumnOf(const std::string& line, const std::string& text) {
  const size_t at = line.find(text);
  return at == std::string::npos ? std::string::npos : DisplayWidth(line.substr(0, at));
}

}  // namespace

// Chinese, emoji, combining marks and labels too long for their column: the
// status column starts at the same display column in every row, and the
// rule is as wide as the header.
TEST(SourceTable, ColumnsLineUpByDisplayWidth) {
  TSourceList sources;
  sources.Add(Source("Google Chrome", "alice\\Default", ssOk, 3));
  sources.Add(Source("QQ 浏览器", "张三\\工作", ssOk, 12345));
  sources.Add(Source("360 安全浏览器", "王\xF0\x9F\x98\x80\\Profile 1", ssEmpty, 0));
  sources.Add(Source("Mozilla Firefox", "bob\\k3x9q7zz.default-release", ssParseError, 0, "坏"));
  sources.Add(Source("Microsoft Edge", "Ame\xCC\x81lie\\配置文件一号（工作专用）很长很长", ssLocked, 7));
  sources.Add(Source("Chromium", "carol\\Default (flatpak)", ssNotFound, 0));
  const std::vector<std::string> lines = SourceTableLines(sources, 120);
  ASSERT_EQ(lines.size(), 2u + 6u * 2u + 1u);
  EXPECT_EQ(lines[1], std::string(DisplayWidth(lines[0]), '-'));
  EXPECT_EQ(DisplayWidth(lines[0]), 64u);  // the name column grows to "Mozilla Firefox"

  const size_t profileCol = ColumnOf(lines[0], "配置/用户"), statusCol = ColumnOf(lines[0], "状态");
  ASSERT_EQ(profileCol, 16u);
  std::vector<std::string> rows;
  for (size_t i = 2; i < lines.size(); ++i)
    if (lines[i].compare(0, 4, "    ") != 0) rows.push_back(lines[i]);
  ASSERT_EQ(rows.size(), 6u);
  for (int32_t i = 0; i < sources.Count(); ++i) {
    const TSourceInfo& s = sources.Items()[static_cast<size_t>(i)];
    const std::string& row = rows[static_cast<size_t>(i)];
    EXPECT_EQ(row.compare(0, s.BrowserName.size(), s.BrowserName), 0) << row;
    EXPECT_EQ(ColumnOf(row, s.Profile.substr(0, 3)), profileCol) << row;
    EXPECT_EQ(ColumnOf(row, StatusLabel(s.Status)), statusCol) << row;
    EXPECT_EQ(DisplayWidth(row), DisplayWidth(lines[0])) << row;  // counts end together
  }
  // Long labels are cut in the middle; the end (the channel) stays.
  EXPECT_NE(rows[3].find("bob\\k3x9q7z\xE2\x80\xA6" "ault-release"), std::string::npos) << rows[3];
  EXPECT_NE(rows[4].find("\xE2\x80\xA6"), std::string::npos) << rows[4];
  EXPECT_NE(rows[5].find("carol\\Default (flatpak)"), std::string::npos) << rows[5];
  EXPECT_EQ(lines[10], "    \xE2\x94\x94 坏");  // a message line under its source
}

TEST(SourceTable, EmptyListAndPathsCutToTheConsole) {
  EXPECT_EQ(SourceTableLines(TSourceList(), 120), std::vector<std::string>{"未发现任何可用数据源。"});
  TSourceList sources;
  TSourceInfo s = Source("Google Chrome", "alice\\Default", ssOk, 1);
  s.DbPath = "/用户/" + std::string(100, 'p') + "/History";
  sources.Add(s);
  const std::vector<std::string> lines = SourceTableLines(sources, 70);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(DisplayWidth(lines[3]), 4u + 61u) << lines[3];
}
