// The chart series as exact JSON text.
#include <gtest/gtest.h>

#include "test_uAggregate.h"

using namespace agg_test;

namespace {

// One visit on each of the given days after 2024-01-07 (UTC), newest first.
THistoryList OnDays(const std::vector<int>& offsets) {
  THistoryList list;
  for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
    list.Add(Visit("https://example.com/", kSunday + *it * kDay + 12 * kHour));
  return list;
}

std::string DayKey(int offset) { return FormatDate(UnixToLocal(kSunday + offset * kDay)); }

bool StartsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }
bool EndsWith(const std::string& s, const std::string& p) {
  return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

size_t Elements(const std::string& json) {
  if (json == "[]") return 0;
  size_t n = 0;
  for (size_t p = 0; (p = json.find("[\"", p)) != std::string::npos; ++p) ++n;
  return n;
}

}  // namespace

TEST(Series, HeatAndSmallTables) {
  ScopedTz tz("UTC0");
  THistoryList list;
  list.Add(Visit("https://www.google.com/search?q=a", kSunday + kDay + 2 * kHour, "t\"1", "Edge"));
  list.Add(Visit("https://www.google.com/search?q=a", kSunday + 23 * kHour, "", "Chrome"));
  list.Add(Visit("https://example.org/p", kSunday + 23 * kHour, "back\\slash\nline", "chrome"));
  TAnalyzer a;
  a.Analyze(list);
  const std::string zero = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
  const std::string zeroRow = "[" + zero + "]";
  EXPECT_EQ(a.HeatJson(), "[[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2],"
                          "[0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]," +
                              zeroRow + "," + zeroRow + "," + zeroRow + "," + zeroRow + "," +
                              zeroRow + "]");
  EXPECT_EQ(a.DaysJson(), "[[\"2024-01-07\",2],[\"2024-01-08\",1]]");
  EXPECT_EQ(a.DomainsJson(15), "[[\"google.com\",2],[\"example.org\",1]]");
  EXPECT_EQ(a.PagesJson(12),
            "[[\"https://www.google.com/search?q=a\",\"t\\\"1\",2],"
            "[\"https://example.org/p\",\"back\\\\slash\\nline\",1]]");
  EXPECT_EQ(a.KeywordsJson(12), "[[\"a\",2]]");
  EXPECT_EQ(a.CatsJson(), "[[\"搜索引擎\",2,\"#4c8bf5\"],[\"其他\",1,\"#7c8798\"]]");
  // Browser names are one key whatever their case; the newest spelling shows.
  EXPECT_EQ(a.BrowsersJson(), "[[\"Chrome\",2],[\"Edge\",1]]");
}

TEST(Series, TopListsOrderAndLimit) {
  THistoryList list;
  int64_t t = kSunday + 1000 * kHour;
  // Sixteen domains d01..d16 with 20 - i visits; ab/a_ tie at one visit each
  // ("_" sorts after the letters).
  for (int i = 1; i <= 16; ++i)
    for (int k = 0; k < 20 - i; ++k)
      list.Add(Visit("https://d" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".net/",
                     t--));
  list.Add(Visit("https://a_.org/", t--));
  list.Add(Visit("https://ab.org/", t--));
  TAnalyzer a;
  a.Analyze(list);
  const std::string top = a.DomainsJson(15);
  EXPECT_EQ(Elements(top), 15u);
  EXPECT_EQ(top.find("d16.net"), std::string::npos);
  EXPECT_TRUE(StartsWith(top, "[[\"d01.net\",19],[\"d02.net\",18],")) << top;
  const std::string all = a.DomainsJson(0);
  EXPECT_EQ(Elements(all), 18u);
  EXPECT_TRUE(EndsWith(all, ",[\"d16.net\",4],[\"ab.org\",1],[\"a_.org\",1]]")) << all;
  EXPECT_EQ(Elements(a.DomainsJson(-5)), 18u);
  EXPECT_EQ(Elements(a.DomainsJson(100)), 18u);
}

TEST(Series, DayBuckets) {
  ScopedTz tz("UTC0");
  auto run = [](int activeDays) {
    std::vector<int> offsets;
    for (int i = 0; i < activeDays; ++i) offsets.push_back(i);
    TAnalyzer a;
    a.Analyze(OnDays(offsets));
    EXPECT_EQ(a.ActiveDays(), activeDays);
    return a.DaysJson();
  };
  EXPECT_EQ(Elements(run(150)), 150u);
  EXPECT_EQ(Elements(run(151)), 22u);  // weekly: ceil(151 / 7)
  EXPECT_EQ(Elements(run(800)), 115u);
  const std::string monthly = run(801);
  EXPECT_EQ(Elements(monthly), 27u);  // ceil(801 / 30)
  EXPECT_TRUE(StartsWith(monthly, "[[\"2024-01-07\",30],[\"2024-02-06\",30],")) << monthly;

  // Weekly buckets 0, 0, 1 and 4 (days 0, 3, 9, 30), then 147 more days far
  // later: empty buckets 2 and 3 are left out, labels are first active days.
  std::vector<int> offsets = {0, 0, 3, 9, 30};
  for (int i = 0; i < 147; ++i) offsets.push_back(1000 + i);
  TAnalyzer a;
  a.Analyze(OnDays(offsets));
  ASSERT_EQ(a.ActiveDays(), 151);
  const std::string json = a.DaysJson();
  const std::string head = "[[\"" + DayKey(0) + "\",3],[\"" + DayKey(9) + "\",1],[\"" +
                           DayKey(30) + "\",1],[\"" + DayKey(1000) + "\",";
  EXPECT_TRUE(StartsWith(json, head)) << json;
  EXPECT_EQ(Elements(json), 3u + 22u);  // days 1000..1146 span buckets 142..163
}
