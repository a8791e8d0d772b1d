// The HTML report: data object layout, sampling, filling the page and
// writing the file.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "test_uReport_helpers.h"
#include "uPlatform.h"
#include "uReport_out.h"
#include "uUtil.h"

using namespace report_test;

namespace {

// This binary runs in China Standard Time, the zone the tool is made for.
// The program reads the UTC offset once, so it is set before any test runs;
// with a zero offset local and UTC figures coincide and slips between them
// would go unseen.
const vt_test::TzOverride gChinaTime("CST-8");

const std::vector<std::string> kDataKeys = {
    "title",    "version", "build",  "generated", "range",    "scope",    "total",
    "uniqueUrl", "uniqueDomain", "activeDays", "peakText", "heat", "days", "domains",
    "pages",    "keywords", "cats",  "browsers",  "sources",  "records"};

std::string Template() {
  std::string tpl, err;
  LoadReportTemplate(tpl, err);
  return tpl;
}

// The data object as it stands in the page: the text after the template's
// own prefix (before its first "__DATA__"), one JSON value long. Only the
// prefix's part after the record profiles (generated text too) is matched.
std::string DataInPage(const std::string& html, const std::string& title) {
  std::string prefix = Template();
  prefix = prefix.substr(0, prefix.find("__DATA__"));
  // The page's text between the last placeholder before the data and it.
  for (const std::string slot : {"__PROFILES__", "__DOWNLOADS__"}) {
    const size_t at = prefix.rfind(slot);
    if (at != std::string::npos) prefix = prefix.substr(at + slot.size());
  }
  prefix = ReplaceAll(prefix, "__TITLE__", HtmlEscape(title));
  prefix = ReplaceAll(prefix, "__COMPANY__", HtmlEscape(kMakerName));
  prefix = ReplaceAll(prefix, "__HOMEPAGE__", HtmlEscape(kHomepage));
  const size_t at = html.find(prefix);
  if (at == std::string::npos) return std::string();
  const size_t from = at + prefix.size();
  size_t end = TJsonChecker(html).Value(from);
  return end == std::string::npos ? std::string() : html.substr(from, end - from);
}

std::string Html(const THistoryList& list, const TReportOptions& opts,
                 const TSourceList& sources = TSourceList()) {
  TAnalyzer a;
  a.Analyze(list);
  std::string html, err;
  BuildHtmlReport(a, list, sources, opts, html, err);
  EXPECT_EQ(err, "");
  return html;
}

}  // namespace

TEST(uReportSampling, StepAndShownFollowTheLimitRule) {
  struct Case { int32_t n, limit, step, shown; } cases[] = {
      {10, 0, 1, 10}, {10, -5, 1, 10}, {10, 10, 1, 10}, {10, 11, 1, 10}, {10, 3, 4, 3},
      {10, 4, 3, 4},  {10, 6, 2, 5},   {10, 1, 10, 1},  {0, 5, 1, 0},    {1, 1, 1, 1},
      // n + limit overflows 32 bits.
      {2147483647, 2147483646, 2, 1073741824}};
  for (const Case& c : cases) {
    int32_t step = -1, shown = -1;
    report_detail::SampleStep(c.n, c.limit, step, shown);
    EXPECT_EQ(step, c.step) << c.n << "/" << c.limit;
    EXPECT_EQ(shown, c.shown) << c.n << "/" << c.limit;
  }
}

TEST(uReportSampling, RecordsAreSpreadOverTheWholeList) {
  THistoryList list = NumberedVisits(10);
  auto titles = [&](int32_t limit) {
    std::string json = RecordsJson(list, limit), got;
    EXPECT_TRUE(IsJson(json)) << json;
    for (int i = 0; i < 10; ++i)
      if (json.find("\"t" + std::to_string(i) + "\"") != std::string::npos)
        got += std::to_string(i);
    return got;
  };
  EXPECT_EQ(titles(3), "048");
  EXPECT_EQ(titles(4), "0369");
  EXPECT_EQ(titles(6), "02468");
  for (int32_t all : {0, -1, 10, 11}) EXPECT_EQ(titles(all), "0123456789") << all;
}

TEST(uReportRecords, ElementLayoutAndEscaping) {
  THistoryList list;
  list.Add(Visit("say \"hi\"\nnow", "https://a.example/p?q=1", 1700000000, "Edge", "Work"));
  list.Add(Visit("", "file:///C:/x.txt", 0));
  EXPECT_EQ(RecordsJson(list, 0),
            "[[\"" + UnixToText(1700000000) +
                "\",\"Edge\",\"say \\\"hi\\\"\\nnow\",\"https://a.example/p?q=1\"],"
                "[\"\",\"Chrome\",\"\",\"file:///C:/x.txt\"]]");
  EXPECT_EQ(RecordsJson(THistoryList(), 0), "[]");
}

// The record writer reuses the date of the previous visit while the next
// one is on the same local day; it must still say exactly what UnixToText
// says, across midnights, within one second and outside the local window.
TEST(uReportRecords, TimeTextsMatchUnixToText) {
  const int64_t base = 1700000000;
  std::vector<int64_t> times = {base + 86400 * 2, base + 86400 * 2, base + 86399, base + 86340,
                                base + 1,         base,             base - 1,     base - 3599,
                                base - 43200,     base - 86400,     base - 86401, 946684800,
                                946684799,        100000,           1,            4102444800 + 5,
                                -7,               0,                base};
  // Every second of a stretch that crosses a local midnight, both ways.
  TDateTime d = UnixToLocal(base);
  int64_t toMidnight = 86400 - (d.Hour * 3600 + d.Minute * 60 + d.Second);
  for (int64_t t = base + toMidnight + 90; t > base + toMidnight - 90; --t) times.push_back(t);
  for (int64_t t = base + toMidnight - 90; t < base + toMidnight + 90; ++t) times.push_back(t);
  // Both ends of the window in which local time is shown; outside it the
  // conversion gives UTC figures.
  const int64_t offset = DateTimeToUnix(d) - base;
  EXPECT_EQ(offset, 8 * 3600);
  for (int year : {1990, 2101}) {
    const int64_t edge = DaysFromCivil(year, 1, 1) * 86400 - offset;
    for (int64_t t = edge - 90; t < edge + 90; ++t) times.push_back(t);
    for (int64_t t = edge + 90; t > edge - 90; --t) times.push_back(t);
  }
  THistoryList list;
  std::string expected = "[";
  for (size_t i = 0; i < times.size(); ++i) {
    list.Add(Visit("x", "u", times[i]));
    if (i > 0) expected += ',';
    expected += "[\"" + UnixToText(times[i]) + "\",\"Chrome\",\"x\",\"u\"]";
  }
  expected += "]";
  EXPECT_EQ(RecordsJson(list, 0), expected);
}

TEST(uReportSources, ElementLayout) {
  TSourceList sources;
  TSourceInfo ok;
  ok.BrowserId = "chrome";
  ok.BrowserName = "Chrome";
  ok.Profile = "Default";
  ok.DbPath = "C:\\Users\\a\\History";
  ok.Status = ssOk;
  ok.Count = 12;
  sources.Add(ok);
  TSourceInfo bad = ok;
  bad.Status = ssLocked;
  bad.Count = 0;
  bad.Message = "被 \"占用\"";
  sources.Add(bad);
  EXPECT_EQ(SourcesJson(sources),
            "[{\"name\":\"Chrome\",\"profile\":\"Default\",\"path\":\"C:\\\\Users\\\\a\\\\History\","
            "\"status\":\"" + StatusLabel(ssOk) + "\",\"state\":\"ok\",\"count\":12,\"msg\":\"\","
            "\"ok\":true},"
            "{\"name\":\"Chrome\",\"profile\":\"Default\",\"path\":\"C:\\\\Users\\\\a\\\\History\","
            "\"status\":\"" + StatusLabel(ssLocked) + "\",\"state\":\"locked\",\"count\":0,"
            "\"msg\":\"被 \\\"占用\\\"\",\"ok\":false}]");
  EXPECT_EQ(SourcesJson(TSourceList()), "[]");
}

TEST(uReportHtmlData, NoVisits) {
  THistoryList list;
  TAnalyzer a;
  a.Analyze(list);
  TReportOptions opts;
  opts.Title = "T";
  std::string data = BuildHtmlData(a, list, TSourceList(), opts);
  std::vector<std::string> keys;
  ASSERT_TRUE(IsJson(data, &keys)) << data;
  EXPECT_EQ(keys, kDataKeys);
  EXPECT_NE(data.find("\"peakText\":\"\xE2\x80\x94\""), std::string::npos);
  EXPECT_NE(data.find("\"total\":0,\"uniqueUrl\":0,\"uniqueDomain\":0,\"activeDays\":0,"),
            std::string::npos);
  EXPECT_NE(data.find("\"days\":[]"), std::string::npos);
  EXPECT_NE(data.find("\"sources\":[],\"records\":[]}"), std::string::npos);
  EXPECT_EQ(data.rfind("{\"title\":\"T\",\"version\":\"1.1.4\",\"build\":\"2026-11-19\",", 0), 0u);
  EXPECT_EQ(HtmlPeakText(a), "\xE2\x80\x94");
}

TEST(uReportHtmlData, FiguresAndPeak) {
  // Two visits in one local hour, one elsewhere: that hour is the peak.
  const int64_t t = 1700000000;
  THistoryList list;
  list.Add(Visit("a", "https://www.example.com/a", t + 7200));
  list.Add(Visit("b", "https://www.example.com/b", t + 60));
  list.Add(Visit("c", "https://other.example.org/", t));
  TAnalyzer a;
  a.Analyze(list);
  TDateTime local = UnixToLocal(t);
  if (local.Minute == 59) GTEST_SKIP() << "time zone puts the two visits in different hours";
  std::string peak = WeekdayName(DayOfWeek(local)) + " " + std::to_string(local.Hour) + ":00";
  EXPECT_EQ(HtmlPeakText(a), peak);
  TReportOptions opts;
  opts.MaxRecords = 2;
  std::string data = BuildHtmlData(a, list, TSourceList(), opts);
  ASSERT_TRUE(IsJson(data)) << data;
  EXPECT_NE(data.find("\"total\":3,\"uniqueUrl\":3,\"uniqueDomain\":2,"), std::string::npos);
  EXPECT_NE(data.find("\"peakText\":\"" + peak + "\""), std::string::npos);
  // The statistics count every visit; the table holds the sample only.
  EXPECT_EQ(MemberText(data, "records"),
            "[[\"" + UnixToText(t + 7200) + "\",\"Chrome\",\"a\",\"https://www.example.com/a\"],"
            "[\"" + UnixToText(t) + "\",\"Chrome\",\"c\",\"https://other.example.org/\"]]");
}

TEST(uReportHtml, TemplateIsAvailable) {
  std::string tpl, err;
  LoadReportTemplate(tpl, err);
  EXPECT_EQ(err, "");
  ASSERT_FALSE(tpl.empty());
  EXPECT_NE(tpl.find("__DATA__"), std::string::npos);
  EXPECT_NE(tpl.find("__TITLE__"), std::string::npos);
}

TEST(uReportHtml, ScriptClosingTextInsideTheDataIsDefused) {
  THistoryList list;
  list.Add(Visit("x</script><script>alert(1)</script>", "https://e.example/</x", 1700000000));
  list.Add(Visit("<!--<script>", "https://e.example/c", 1699999000));
  list.Add(Visit("a<</b<!--</c<!-x</", "https://e.example/d", 1699998000));
  TReportOptions opts;
  opts.Title = "R";
  std::string html = Html(list, opts);
  std::string data = DataInPage(html, opts.Title);
  ASSERT_FALSE(data.empty());
  EXPECT_TRUE(IsJson(data)) << data;
  EXPECT_NE(data.find("x<\\/script><script>alert(1)<\\/script>"), std::string::npos);
  EXPECT_NE(data.find("https://e.example/<\\/x"), std::string::npos);
  EXPECT_NE(data.find("\\u003c!--<script>"), std::string::npos);
  EXPECT_NE(data.find("\"a<<\\/b\\u003c!--<\\/c<!-x<\\/\""), std::string::npos);
  EXPECT_EQ(data.find("</"), std::string::npos);
  EXPECT_EQ(data.find("<!--"), std::string::npos);
}

TEST(uReportHtml, TitleIsHtmlEscapedInThePageAndJsonEscapedInTheData) {
  THistoryList list = NumberedVisits(2);
  TReportOptions opts;
  opts.Title = "A & B <C> \"q\"";
  std::string html = Html(list, opts);
  const std::string escaped = "A &amp; B &lt;C&gt; &quot;q&quot;";
  EXPECT_EQ(CountOf(html, escaped), CountOf(Template(), "__TITLE__"));
  std::string data = DataInPage(html, opts.Title);
  ASSERT_FALSE(data.empty());
  EXPECT_EQ(data.rfind("{\"title\":\"A & B <C> \\\"q\\\"\",", 0), 0u) << data.substr(0, 40);
  EXPECT_EQ(html.find("__TITLE__"), std::string::npos);
  EXPECT_EQ(html.find("__COMPANY__"), std::string::npos);
  EXPECT_EQ(html.find("__HOMEPAGE__"), std::string::npos);
}

TEST(uReportHtml, PlaceholderWordsInTitlesAndData) {
  THistoryList list;
  list.Add(Visit("page __TITLE__ __DATA__ __COMPANY__", "https://e.example/", 1700000000));
  TReportOptions opts;
  opts.Title = "T __COMPANY__ __HOMEPAGE__ __DATA__";
  std::string html = Html(list, opts);
  // The page's title places: the later replacements reach into the title,
  // but the data object is only pasted at the page's own placeholder.
  const std::string shown =
      "T " + HtmlEscape(kMakerName) + " " + HtmlEscape(kHomepage) + " __DATA__";
  EXPECT_EQ(CountOf(html, shown), CountOf(Template(), "__TITLE__"));
  EXPECT_EQ(CountOf(html, "{\"title\":"), CountOf(Template(), "__DATA__"));
  // Inside the data everything stays as written.
  std::string data = DataInPage(html, opts.Title);
  ASSERT_FALSE(data.empty());
  EXPECT_NE(data.find("\"title\":\"T __COMPANY__ __HOMEPAGE__ __DATA__\""), std::string::npos);
  EXPECT_NE(data.find("\"page __TITLE__ __DATA__ __COMPANY__\""), std::string::npos);
}

TEST(uReportHtml, HostileTextKeepsTheDataValid) {
  THistoryList list;
  std::string nasty = "q\"\\/\b\f\n\r\t\x01\x1f\x7f 中文 😀 </ <!-- ]]> }{";
  for (int i = 0; i < 300; ++i)
    list.Add(Visit(nasty + std::to_string(i), "https://h" + std::to_string(i % 7) + ".example/" +
                                                   nasty,
                   1700000000 - i * 977, nasty, nasty));
  TSourceList sources;
  TSourceInfo s;
  s.BrowserName = nasty;
  s.Profile = nasty;
  s.DbPath = nasty;
  s.Message = nasty;
  s.Status = ssParseError;
  sources.Add(s);
  TReportOptions opts;
  opts.Title = opts.RangeText = opts.ScopeText = nasty;
  std::string html = Html(list, opts, sources);
  std::string data = DataInPage(html, nasty);
  ASSERT_FALSE(data.empty());
  std::vector<std::string> keys;
  EXPECT_TRUE(IsJson(data, &keys));
  EXPECT_EQ(keys, kDataKeys);
}

// Beside the data object the page gets each listed visit's profile, for its
// per-user view and its CSV export: an index into the distinct labels, with
// the /limit sample of "records"; a label cannot end the script element.
TEST(uReportHtml, RecordProfilesFollowTheListedVisits) {
  THistoryList list;
  for (int i = 0; i < 10; ++i)
    list.Add(Visit("t", "https://e.example/", 1700000000 - i * 60, i % 3 == 2 ? "Edge" : "Chrome",
                   i % 2 ? "bob\\</script><!--" : "alice\\Default"));
  TReportOptions opts;
  const std::string open = "<script type=\"application/json\" id=\"record-profiles\">";
  auto profilesIn = [&](const std::string& html) {
    const size_t at = html.find(open);
    if (at == std::string::npos) return std::string();
    return html.substr(at + open.size(), html.find("</script>", at) - at - open.size());
  };
  const std::string bob = "\"bob\\\\<\\/script>\\u003c!--\"";
  EXPECT_EQ(profilesIn(Html(list, opts)),
            "{\"of\":[0,1,0,1,0,1,0,1,0,1],\"labels\":[\"alice\\\\Default\"," + bob + "]}");
  opts.MaxRecords = 4;  // visits 0, 3, 6, 9
  EXPECT_EQ(profilesIn(Html(list, opts)),
            "{\"of\":[0,1,0,1],\"labels\":[\"alice\\\\Default\"," + bob + "]}");
  EXPECT_EQ(profilesIn(Html(THistoryList(), opts)), "{\"of\":[],\"labels\":[]}");
  // A title spelling the placeholder keeps it: the indexes go only where
  // the page has its own.
  opts.Title = "__PROFILES__";
  EXPECT_EQ(CountOf(Html(list, opts), "{\"of\":["), 1u);
}

TEST(uReportWrite, CreatesFoldersAndWritesWithoutBom) {
  vt_test::TempFolder tmp;
  THistoryList list = NumberedVisits(3);
  TAnalyzer a;
  a.Analyze(list);
  TReportOptions opts;
  opts.Title = "报告";
  std::string path = tmp.Sub("a/b/c/report.html"), err = "stale";
  ASSERT_TRUE(WriteHtmlReport(path, a, list, TSourceList(), opts, err)) << err;
  EXPECT_EQ(err, "");
  std::string bytes = vt_test::ReadFile(path);
  ASSERT_GT(bytes.size(), 3u);
  EXPECT_NE(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0);
  EXPECT_NE(bytes.find("\"title\":\"报告\""), std::string::npos);
  EXPECT_NE(bytes.find(HtmlEscape(kMakerName)), std::string::npos);

  // An existing report is replaced.
  opts.Title = "第二份";
  ASSERT_TRUE(WriteHtmlReport(path, a, list, TSourceList(), opts, err)) << err;
  EXPECT_EQ(vt_test::ReadFile(path).find("\"title\":\"报告\""), std::string::npos);
}

TEST(uReportWrite, FailsWhenTheFolderCannotBeMade) {
  vt_test::TempFolder tmp;
  vt_test::WriteFile(tmp.Sub("plain"), "x");
  THistoryList list = NumberedVisits(1);
  TAnalyzer a;
  a.Analyze(list);
  std::string err;
  EXPECT_FALSE(WriteHtmlReport(tmp.Sub("plain/sub/r.html"), a, list, TSourceList(),
                               TReportOptions(), err));
  EXPECT_EQ(err.rfind("写入报告失败：", 0), 0u) << err;
  EXPECT_GT(err.size(), std::string("写入报告失败：").size());
  EXPECT_EQ(vt_test::ReadFile(tmp.Sub("plain")), "x");

  EXPECT_FALSE(WriteHtmlReport(tmp.Sub("plain/r.html"), a, list, TSourceList(),
                               TReportOptions(), err));
  EXPECT_EQ(err.rfind("写入报告失败：", 0), 0u) << err;
}

TEST(uReportWrite, FullDiskIsAFailure) {
  if (!plat::FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  THistoryList list = NumberedVisits(50);
  TAnalyzer a;
  a.Analyze(list);
  std::string err;
  EXPECT_FALSE(WriteHtmlReport("/dev/full", a, list, TSourceList(), TReportOptions(), err));
  EXPECT_EQ(err.rfind("写入报告失败：", 0), 0u) << err;
  EXPECT_TRUE(plat::FileExists("/dev/full"));  // not ours to remove
}
