// The lines for many machines: one valid object per line whatever a title
// holds, the fields a fleet groups by, and record keys that stay the same
// across exports while two real visits of one second stay two.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <tuple>

#include "TestSupport.h"
#include "test_uReport_helpers.h"
#include "uUtil.h"

using namespace report_test;

namespace {

TJsonlOptions Opts(const std::string& machine = "PC-01") {
  TJsonlOptions o;
  o.Machine = machine;
  o.RunId = "20261207_101010Z-42";
  return o;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
    lines.push_back(text.substr(from, at - from));
  EXPECT_EQ(from, text.size()) << "the last line has no line feed";
  return lines;
}

// The text of a string field as written (still escaped); "" when absent.
std::string Field(const std::string& line, const std::string& key) {
  const std::string k = "\"" + key + "\":";
  const size_t at = line.find(k);
  if (at == std::string::npos) return std::string();
  size_t p = at + k.size();
  if (line[p] != '"') return line.substr(p, line.find_first_of(",}", p) - p);
  std::string v;
  for (++p; p < line.size() && line[p] != '"'; ++p) {
    if (line[p] == '\\') v += line[p++];
    v += line[p];
  }
  return v;
}

using TKey = std::tuple<std::string, std::string, std::string, std::string, std::string,
                        std::string, std::string>;
TKey KeyOf(const std::string& line) {
  return TKey{Field(line, "machine"), Field(line, "user"), Field(line, "browser_id"),
              Field(line, "profile"), Field(line, "ts"),   Field(line, "url"),
              Field(line, "seq")};
}

std::vector<TKey> VisitKeys(const std::string& text) {
  std::vector<TKey> keys;
  for (const std::string& line : SplitLines(text))
    if (line.rfind("{\"kind\":\"visit\"", 0) == 0) keys.push_back(KeyOf(line));
  return keys;
}

}  // namespace

TEST(uReportJsonl, HostileTitlesStayOneValidLineEach) {
  const std::string hostile[] = {
      "say \"hi\" \\ back",
      std::string("ctrl \x01\x02\x1f and nul ") + '\0' + " end",
      "line\nbreak\r\nand tab\t",
      "sep \xE2\x80\xA8 para \xE2\x80\xA9 dash \xE2\x80\x94 ellipsis \xE2\x80\xA6",
      "\xE2\x80\xA8",
      "中文标题 </script><!--"};
  THistoryList list;
  int64_t t = 1700000000;
  for (const std::string& title : hostile)
    list.Add(Visit(title, "https://example.com/?q=\xE2\x80\xA8\"x", t--));
  TSourceList sources;
  TSourceInfo s;
  s.BrowserId = "chrome";
  s.BrowserName = "Chrome";
  s.Profile = "alice\\Default";
  s.DbPath = "C:\\Users\\alice\\History";
  s.Message = "bad \"quote\"\n\xE2\x80\xA8";
  sources.Add(s);

  const std::string text = BuildJsonlReport(list, sources, Opts());
  const std::vector<std::string> lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 7u);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find('\r'), std::string::npos);
    EXPECT_EQ(line.find("\xE2\x80\xA8"), std::string::npos) << line;
    EXPECT_EQ(line.find("\xE2\x80\xA9"), std::string::npos) << line;
    TJsonChecker checker(line);
    EXPECT_TRUE(checker.WholeDocument()) << line;
  }
  EXPECT_EQ(Field(lines[3], "title"),
            "sep \\u2028 para \\u2029 dash \xE2\x80\x94 ellipsis \xE2\x80\xA6");
  EXPECT_EQ(Field(lines[4], "title"), "\\u2028");
  EXPECT_EQ(text.compare(0, 3, "\xEF\xBB\xBF") == 0, false) << "no byte-order mark";
}

TEST(uReportJsonl, PythonReadsBackEveryTextUnchanged) {
  FILE* probe = popen("python3 -c 'import json' 2>/dev/null", "r");
  if (!probe || pclose(probe) != 0) GTEST_SKIP() << "python3 is not available";
  const std::string title = std::string("q\"\\\x01\x7f\n\xE2\x80\xA8\xE2\x80\xA9 标题 \xF0\x9F\x98\x80");
  THistoryList list;
  list.Add(Visit(title, "https://www.baidu.com/s?wd=%E5%A4%A9%E6%B0%94", 1700000000));
  vt_test::TempFolder dir;
  const std::string path = dir.Sub("m.jsonl"), expect = dir.Sub("title.txt");
  std::string err;
  ASSERT_TRUE(WriteJsonlReportFile(path, list, TSourceList(), Opts(), err)) << err;
  vt_test::WriteFile(expect, title);
  // splitlines() ends lines at U+2028 as well: each record must still be
  // one line to it.
  const std::string script =
      "import json,sys\n"
      "text=open(sys.argv[1],encoding='utf-8').read()\n"
      "rows=[json.loads(l) for l in text.splitlines()]\n"
      "assert len(rows)==1, len(rows)\n"
      "assert rows[0]['title']==open(sys.argv[2],encoding='utf-8',newline='').read()\n"
      "assert rows[0]['keyword']=='天气', rows[0]['keyword']\n";
  vt_test::WriteFile(dir.Sub("check.py"), script);
  const std::string cmd = "python3 '" + dir.Sub("check.py") + "' '" + path + "' '" + expect + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST(uReportJsonl, VisitLinesCarryOriginTimeAndWhatTheAddressSays) {
  vt_test::TzOverride tz("CST-8");
  THistoryList list;
  THistoryRecord r = Visit("天气_百度搜索", "https://www.baidu.com/s?wd=%E5%A4%A9%E6%B0%94",
                           1700000000);
  r.SetSource("edge", "Microsoft Edge", "alice\\Profile 1");
  list.Add(r);
  r = Visit("NAS", "http://192.168.1.10/admin", 1699990000);
  r.SetSource("ie", "Internet Explorer", "bob");  // a WebCache source: a user alone
  list.Add(r);
  list.Add(Visit("本地文件", "file:///C:/x.html", 1699980000, "Chrome", "carol\\Default"));

  const std::vector<std::string> lines = SplitLines(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "{\"kind\":\"visit\",\"run\":\"20261207_101010Z-42\",\"machine\":\"PC-01\","
            "\"user\":\"alice\",\"browser\":\"Microsoft Edge\",\"browser_id\":\"edge\","
            "\"profile\":\"Profile 1\",\"ts\":1700000000,\"seq\":0,"
            "\"time\":\"2023-11-15 06:13:20\",\"utc_offset\":480,"
            "\"url\":\"https://www.baidu.com/s?wd=%E5%A4%A9%E6%B0%94\",\"title\":\"天气_百度搜索\","
            "\"host\":\"www.baidu.com\",\"domain\":\"baidu.com\",\"category\":\"搜索引擎\","
            "\"keyword\":\"天气\"}");
  EXPECT_EQ(Field(lines[1], "user"), "bob");
  EXPECT_EQ(Field(lines[1], "profile"), "");
  EXPECT_EQ(Field(lines[1], "domain"), "192.168.1.10");
  EXPECT_EQ(Field(lines[1], "category"), "内网/局域网");
  EXPECT_EQ(Field(lines[1], "keyword"), "");
  EXPECT_EQ(Field(lines[2], "host"), "");
  EXPECT_EQ(Field(lines[2], "domain"), kLocalDomain);
}

TEST(uReportJsonl, SeqTellsRealRepeatsApartAndKeysSurviveANarrowerWindow) {
  // Newest first, as the run sorts them: a reload of one page within one
  // second (two visits), the same page in another profile and another
  // second, and a redirect chain sharing one time.
  THistoryList list;
  list.Add(Visit("a", "https://a.example/", 1700000100));
  list.Add(Visit("a", "https://a.example/", 1700000100));
  list.Add(Visit("a", "https://a.example/", 1700000100, "Chrome", "Profile 2"));
  list.Add(Visit("b", "https://b.example/", 1700000100));
  list.Add(Visit("a", "https://a.example/", 1700000100));
  list.Add(Visit("a", "https://a.example/", 1700000050));
  list.Add(Visit("c", "https://c.example/hop1", 1700000000));
  list.Add(Visit("c", "https://c.example/hop2", 1700000000));

  const std::vector<TKey> keys = VisitKeys(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(keys.size(), 8u);
  const std::vector<std::string> seqs = {"0", "1", "0", "0", "2", "0", "0", "0"};
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(std::get<6>(keys[i]), seqs[i]) << i;
  EXPECT_EQ(std::set<TKey>(keys.begin(), keys.end()).size(), keys.size());

  // A later export that no longer reaches the oldest visits, and one taken
  // after new visits arrived: the visits they share keep their keys.
  THistoryList older, newer;
  for (int i = 0; i < 6; ++i) older.Add(list.Items()[i]);
  newer.Add(Visit("n", "https://a.example/", 1700000200));
  for (int i = 0; i < list.Count(); ++i) newer.Add(list.Items()[i]);
  const std::vector<TKey> olderKeys = VisitKeys(BuildJsonlReport(older, TSourceList(), Opts()));
  const std::vector<TKey> newerKeys = VisitKeys(BuildJsonlReport(newer, TSourceList(), Opts()));
  EXPECT_EQ(olderKeys, std::vector<TKey>(keys.begin(), keys.begin() + 6));
  EXPECT_EQ(std::vector<TKey>(newerKeys.begin() + 1, newerKeys.end()), keys);
}

TEST(uReportJsonl, SeqCountsOneSpellingAcrossItsStoredCopiesAndNumbers) {
  // Numbered visits tell their addresses apart without reading the texts;
  // two stored copies of one spelling (two address rows, two numbers) must
  // still count as one address, and a number's visit that holds another
  // spelling as its own.
  THistoryList list;
  const uint32_t first = list.NumberAddresses(3);
  const TSharedText a1(std::string("https://s.example/a")), a2(std::string("https://s.example/a"));
  const TSharedText b(std::string("https://s.example/b")), c(std::string("https://s.example/c"));
  struct TStep {
    const TSharedText* Url;
    uint32_t Number;
  };
  // number 0 and 1 hold "a" in two copies, number 2 holds "b"; the last
  // visit of number 2 is "c", and the one after it "a" under number 2.
  const TStep steps[] = {{&a1, 0}, {&b, 2}, {&a2, 1}, {&a1, 0}, {&a2, 1},
                         {&b, 2},  {&c, 2}, {&a1, 2}};
  for (const TStep& st : steps) {
    THistoryRecord r = Visit("t", "", 1700000000);
    r.Url = *st.Url;
    r.Address = first + st.Number;
    list.Add(r);
  }
  list.Add(Visit("t", "https://s.example/a", 1699999999));
  const std::vector<TKey> keys = VisitKeys(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(keys.size(), 9u);
  const std::vector<std::string> seqs = {"0", "0", "1", "2", "3", "1", "0", "4", "0"};
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(std::get<6>(keys[i]), seqs[i]) << i;
  EXPECT_EQ(std::set<TKey>(keys.begin(), keys.end()).size(), keys.size());
}

TEST(uReportJsonl, LinesOfAnyLengthAreWrittenWholeWhereverTheyFall) {
  // Lines are put together in a buffer of some tens of kilobytes: lines
  // that end just short of it, just past it, and one far longer than it
  // must each come out whole.
  THistoryList list;
  std::vector<std::string> urls;
  for (int i = 0; i < 20400; ++i) {
    // Mostly short lines of many lengths, so that they meet the buffer's
    // end at every place; then long ones.
    const size_t length = i == 20200 ? 300000
                          : i < 20000 ? static_cast<size_t>(i) * 37 % 301
                                      : 100 + static_cast<size_t>(i) * 397 % 40000;
    std::string url = "https://long.example/" + std::to_string(i) + "/";
    url += std::string(length, static_cast<char>('a' + i % 26));
    urls.push_back(url);
    list.Add(Visit("t" + std::to_string(i), url, 1700000000 - i));
  }
  const std::vector<std::string> lines = SplitLines(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(lines.size(), urls.size());
  for (size_t i = 0; i < lines.size(); i += i < 20000 ? 7 : 1) {
    EXPECT_EQ(Field(lines[i], "url"), urls[i]) << i;
    EXPECT_EQ(Field(lines[i], "title"), "t" + std::to_string(i)) << i;
    EXPECT_EQ(lines[i].back(), '}') << i;
  }
}

TEST(uReportJsonl, TimesAndOffsetsAcrossDaylightSavingChanges) {
  // A day's date is reused for its other visits, and its offset too where
  // the day keeps one: on the days the clocks change, in either order.
  vt_test::TzOverride tz("CET-1CEST,M3.5.0,M10.5.0/3");
  const int64_t times[] = {1711879200, 1711845000, 1729983600, 1730026800};
  const char* texts[] = {"2024-03-31 12:00:00", "2024-03-31 01:30:00", "2024-10-27 01:00:00",
                         "2024-10-27 12:00:00"};
  const char* offsets[] = {"120", "60", "120", "60"};
  THistoryList list;
  for (int64_t t : times) list.Add(Visit("t", "https://dst.example/", t));
  const std::vector<std::string> lines = SplitLines(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(lines.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Field(lines[i], "time"), texts[i]) << i;
    EXPECT_EQ(Field(lines[i], "utc_offset"), offsets[i]) << i;
  }
}

TEST(uReportJsonl, LongRunsOfOneSecondCountEachAddressOnItsOwn) {
  // An imported history can stamp hundreds of visits with one time; past a
  // short run the count goes through a table and must agree with a scan.
  THistoryList list;
  for (int i = 0; i < 300; ++i)
    list.Add(Visit("x", "https://x.example/" + std::to_string(i % 7), 1700000000));
  // The seconds after it start counting afresh.
  for (int i = 0; i < 6; ++i) list.Add(Visit("x", "https://x.example/0", 1699999999 - i / 2));
  const std::vector<TKey> keys = VisitKeys(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(keys.size(), 306u);
  for (int i = 0; i < 300; ++i) EXPECT_EQ(std::get<6>(keys[i]), std::to_string(i / 7)) << i;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(std::get<6>(keys[300 + i]), std::to_string(i % 2)) << i;
}

// A visit's key must not depend on what else an export holds: past the
// short scan, a run of one second counts each profile's visits of an
// address apart, so that an export of one profile keys its visits as an
// export of all profiles does, and merging the two counts nothing twice.
TEST(uReportJsonl, ALongRunOfOneSecondCountsEachProfileApart) {
  THistoryList both, one;
  for (int i = 0; i < 80; ++i) {
    const std::string profile = i % 2 == 0 ? "alice\\Default" : "alice\\Profile 1";
    const THistoryRecord r = Visit("t", "https://same.example/", 1700000000, "Chrome", profile);
    both.Add(r);
    if (i % 2 == 0) one.Add(r);
  }
  const std::vector<TKey> all = VisitKeys(BuildJsonlReport(both, TSourceList(), Opts()));
  const std::vector<TKey> alone = VisitKeys(BuildJsonlReport(one, TSourceList(), Opts()));
  ASSERT_EQ(all.size(), 80u);
  ASSERT_EQ(alone.size(), 40u);
  std::vector<TKey> defaults;
  for (const TKey& k : all)
    if (std::get<3>(k) == "Default") defaults.push_back(k);
  EXPECT_EQ(defaults, alone);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(std::get<6>(alone[i]), std::to_string(i)) << i;
}

// A source's key holds its store's path: two stores under one profile label
// (a profile folder read through two paths) are two sources, each the first
// of its key, while one store named twice counts on.
TEST(uReportJsonl, SourceLinesAreKeyedByTheirStorePath) {
  TSourceList sources;
  TSourceInfo s;
  s.BrowserId = "firefox";
  s.BrowserName = "Firefox";
  s.Profile = "alice\\abc.default";
  for (const char* path : {"/h/a/places.sqlite", "/h/b/places.sqlite", "/h/a/places.sqlite"}) {
    s.DbPath = path;
    sources.Add(s);
  }
  const std::vector<std::string> lines =
      SplitLines(BuildJsonlReport(THistoryList(), sources, Opts()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Field(lines[0], "seq"), "0");
  EXPECT_EQ(Field(lines[1], "seq"), "0");
  EXPECT_EQ(Field(lines[2], "seq"), "1");
}

TEST(uReportJsonl, SourceLinesSayWhatFailedAndEveryVisitIsWrittenWithoutLimit) {
  TSourceList sources;
  TSourceInfo ok;
  ok.BrowserId = "chrome";
  ok.BrowserName = "Google Chrome";
  ok.Profile = "alice\\Default";
  ok.DbPath = "/h/History";
  ok.Count = 1500;
  sources.Add(ok);
  TSourceInfo locked = ok;
  locked.Status = ssLocked;
  locked.Count = 0;
  locked.Message = "数据库被占用";
  sources.Add(locked);  // the same store named twice stays two lines

  const THistoryList list = NumberedVisits(1500);
  const std::vector<std::string> lines = SplitLines(BuildJsonlReport(list, sources, Opts("srv")));
  ASSERT_EQ(lines.size(), 1502u);
  EXPECT_EQ(lines[1501],
            "{\"kind\":\"source\",\"run\":\"20261207_101010Z-42\",\"machine\":\"srv\","
            "\"user\":\"alice\",\"browser\":\"Google Chrome\",\"browser_id\":\"chrome\","
            "\"profile\":\"Default\",\"path\":\"/h/History\",\"seq\":1,\"state\":\"locked\","
            "\"status\":\"" + StatusLabel(ssLocked) + "\",\"ok\":0,\"count\":0,"
            "\"message\":\"数据库被占用\"}");
  EXPECT_EQ(Field(lines[1500], "seq"), "0");
  EXPECT_EQ(Field(lines[1500], "ok"), "1");
  EXPECT_EQ(Field(lines[1500], "count"), "1500");
}

TEST(uReportJsonl, RunIdsSortByTimeAndLabelsSplitAtTheFirstBackslash) {
  EXPECT_EQ(JsonlRunId(1700000000, 7), "20231114_221320Z-7");
  EXPECT_LT(JsonlRunId(1700000000, 99999), JsonlRunId(1700000001, 1));
  std::string user, profile;
  SplitProfileLabel("alice\\Profile 1 (snap)", user, profile);
  EXPECT_EQ(user + "|" + profile, "alice|Profile 1 (snap)");
  SplitProfileLabel("a\\b\\c", user, profile);
  EXPECT_EQ(user + "|" + profile, "a|b\\c");
  SplitProfileLabel("", user, profile);
  EXPECT_EQ(user + "|" + profile, "|");
}

TEST(uReportJsonl, AnEmptyRunWritesNothingAndAFailedWriteSaysSo) {
  EXPECT_EQ(BuildJsonlReport(THistoryList(), TSourceList(), Opts()), "");
  vt_test::TempFolder dir;
  vt_test::WriteFile(dir.Sub("file"), "x");
  std::string err;
  EXPECT_FALSE(
      WriteJsonlReportFile(dir.Sub("file/sub/m.jsonl"), NumberedVisits(3), TSourceList(), Opts(), err));
  EXPECT_EQ(err.rfind("写入 JSONL 报告失败：", 0), 0u) << err;
}

TEST(uReportJsonl, DownloadLinesStandBetweenVisitsAndSourcesWithTheirOwnKey) {
  vt_test::TzOverride tz("CST-8");
  THistoryList list;
  list.Add(Visit("a", "https://a.example/", 1700000100, "Chrome", "alice\\Default"));
  TDownloadList downloads;
  TDownloadRecord d;
  d.Source = InternSourceLabel("chrome", "Google Chrome", "alice\\Default");
  d.Path = "C:\\Users\\alice\\Downloads\\setup \"x\".exe";
  d.Url = "https://dl.example/setup.exe";
  d.StartUnix = 1700000000;
  d.TotalBytes = 4096;
  d.State = dsComplete;
  downloads.Add(d);
  downloads.Add(d);  // fetched twice in one second to the same name: two records
  d.Path = "C:\\Users\\alice\\Downloads\\setup (1).exe";
  d.TotalBytes = -1;
  d.ReceivedBytes = -1;
  d.State = dsUnknown;
  downloads.Add(d);
  TSourceList sources;
  sources.Add(TSourceInfo{"chrome", "Google Chrome", "alice\\Default", "/h", ssOk, 1, ""});
  TJsonlOptions o = Opts();
  o.Downloads = &downloads;

  const std::vector<std::string> lines = SplitLines(BuildJsonlReport(list, sources, o));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("{\"kind\":\"visit\"", 0), 0u);
  EXPECT_EQ(lines[4].rfind("{\"kind\":\"source\"", 0), 0u);
  EXPECT_EQ(lines[1],
            "{\"kind\":\"download\",\"run\":\"20261207_101010Z-42\",\"machine\":\"PC-01\","
            "\"user\":\"alice\",\"browser\":\"Google Chrome\",\"browser_id\":\"chrome\","
            "\"profile\":\"Default\",\"ts\":1700000000,\"seq\":0,"
            "\"time\":\"2023-11-15 06:13:20\",\"utc_offset\":480,"
            "\"path\":\"C:\\\\Users\\\\alice\\\\Downloads\\\\setup \\\"x\\\".exe\","
            "\"url\":\"https://dl.example/setup.exe\",\"bytes\":4096,\"state\":\"完成\"}");
  EXPECT_EQ(Field(lines[2], "seq"), "1");
  // Another file name is another record: its count starts again.
  EXPECT_EQ(Field(lines[3], "seq"), "0");
  EXPECT_EQ(Field(lines[3], "bytes"), "-1");
  EXPECT_EQ(Field(lines[3], "state"), "未知");
  // Without a list, no download lines.
  EXPECT_EQ(SplitLines(BuildJsonlReport(list, sources, Opts())).size(), 2u);
}

TEST(uReportJsonl, LinesAreTheSameWhetherVisitsShareTheirAddressTextOrNot) {
  // The readers give every visit of an address the same stored texts, and
  // such an address's line end is made once; visits with texts of their
  // own are written one by one. Both must give the same bytes, including a
  // visit whose shared address comes with a title of its own, and enough
  // visits that the lines are written in several chunks.
  // A third list numbers its shared addresses as a reader does, some
  // visits with numbers out of its range.
  THistoryList shared, own, numbered;
  const uint32_t first = numbered.NumberAddresses(2);
  THistoryRecord a = Visit("Alpha \"报告\"", "https://www.baidu.com/s?wd=%E4%BD%A0", 0);
  THistoryRecord b = Visit("Beta\u2028", "https://b.example/p", 0);
  for (int i = 0; i < 20000; ++i) {
    const THistoryRecord& base = i % 3 == 2 ? b : a;
    THistoryRecord r = base;  // shares the stored texts
    r.Address = i % 11 == 0 ? kNoAddress - 1 : first + (i % 3 == 2 ? 1 : 0);
    r.VisitUnix = 1700000000 - i / 5;
    // The first visit met of an address may be the odd one out too: its
    // end is the one made once, and the others are not to take it.
    if (i == 0 || i == 7) r.Title = std::string(i == 0 ? "first title" : "another title");
    numbered.Add(r);
    r.Address = kNoAddress;
    shared.Add(r);
    own.Add(Visit(r.Title.str(), r.Url.str(), r.VisitUnix));
  }
  const std::string fromShared = BuildJsonlReport(shared, TSourceList(), Opts());
  EXPECT_EQ(fromShared, BuildJsonlReport(own, TSourceList(), Opts()));
  EXPECT_EQ(fromShared, BuildJsonlReport(numbered, TSourceList(), Opts()));
  const std::vector<std::string> lines = SplitLines(fromShared);
  ASSERT_EQ(lines.size(), 20000u);
  EXPECT_EQ(Field(lines[0], "title"), "first title");
  EXPECT_EQ(Field(lines[3], "title"), "Alpha \\\"报告\\\"");
  EXPECT_EQ(Field(lines[7], "title"), "another title");
  EXPECT_EQ(Field(lines[8], "title"), "Beta\\u2028");
  EXPECT_EQ(Field(lines[9], "title"), "Alpha \\\"报告\\\"");
  EXPECT_EQ(Field(lines[9], "keyword"), "你");
}

TEST(uReportJsonl, NumberedEndsFillManyBlocksAndOneOutgrowsABlock) {
  // The line ends of numbered addresses are kept in blocks of some
  // megabytes, made while the lines are written, side by side: thousands of
  // long ends, one far longer than a block, each address met in several
  // chunks, must give the bytes of ends made visit by visit.
  THistoryList numbered, own;
  const int kAddresses = 20000;
  const uint32_t first = numbered.NumberAddresses(kAddresses);
  std::vector<THistoryRecord> bases;
  for (int a = 0; a < kAddresses; ++a) {
    std::string url = "https://blocks.example/" + std::to_string(a) + "?q=" + std::string(200, 'u');
    if (a == 777) url += std::string(size_t{5} << 20, 'x');
    THistoryRecord r = Visit("标题 " + std::to_string(a) + std::string(100, 't'), url, 0);
    r.Address = first + static_cast<uint32_t>(a);
    bases.push_back(r);
  }
  for (int i = 0; i < 3 * kAddresses; ++i) {
    THistoryRecord r = bases[static_cast<size_t>(i * 7919 % kAddresses)];
    r.VisitUnix = 1700000000 - i;
    numbered.Add(r);
    own.Add(Visit(r.Title.str(), r.Url.str(), r.VisitUnix));
  }
  const std::string fromNumbered = BuildJsonlReport(numbered, TSourceList(), Opts());
  EXPECT_TRUE(fromNumbered == BuildJsonlReport(own, TSourceList(), Opts()));
  EXPECT_EQ(SplitLines(fromNumbered).size(), size_t{3} * kAddresses);
}

TEST(uReportJsonl, ANumberNeverLendsItsLineEndToAnotherAddress) {
  // Numbers come from the readers, one to a stored address; should a list
  // ever give one number two addresses, each visit still shows its own.
  THistoryList list;
  const uint32_t number = list.NumberAddresses(1);
  const THistoryRecord base = Visit("t", "https://n.example/0", 0);
  const TSharedText other(std::string("https://n.example/1"));
  for (int i = 0; i < 20000; ++i) {
    THistoryRecord r = base;  // one stored title for all
    if (i % 2 == 1) r.Url = other;
    r.Address = number;
    r.VisitUnix = 1700000000 - i;
    list.Add(r);
  }
  const std::vector<std::string> lines = SplitLines(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(lines.size(), 20000u);
  for (size_t i = 0; i < lines.size(); i += 997)
    EXPECT_EQ(Field(lines[i], "url"), "https://n.example/" + std::to_string(i % 2)) << i;
}

TEST(uReportJsonl, ARunOfOneSecondKeepsCountingAcrossChunks) {
  // Lines are made in chunks of some thousands of visits, side by side on
  // machines with several processors: a second whose visits straddle a
  // chunk's start must go on counting from the run's start, not from the
  // chunk's.
  THistoryList list;
  const THistoryRecord urls[3] = {Visit("x", "https://x.example/0", 1700000000),
                                  Visit("x", "https://x.example/1", 1700000000),
                                  Visit("x", "https://x.example/2", 1700000000)};
  for (int i = 0; i < 30000; ++i) list.Add(urls[i % 3]);
  list.Add(Visit("y", "https://x.example/0", 1699999999));
  const std::vector<TKey> keys = VisitKeys(BuildJsonlReport(list, TSourceList(), Opts()));
  ASSERT_EQ(keys.size(), 30001u);
  int wrong = 0;
  for (int i = 0; i < 30000; ++i) wrong += std::get<6>(keys[i]) != std::to_string(i / 3);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(std::get<6>(keys[30000]), "0");
}
