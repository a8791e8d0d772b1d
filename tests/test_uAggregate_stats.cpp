// The analysis pass: totals, first/last, heat grid and peak, local days,
// addresses, titles and domains.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <unordered_map>

#include "test_uAggregate.h"

using namespace agg_test;

TEST(Analyze, EmptyListAndNonPositiveTimes) {
  const std::string zeroRow = "[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]";
  const std::string zeroHeat = "[" + zeroRow + "," + zeroRow + "," + zeroRow + "," + zeroRow +
                               "," + zeroRow + "," + zeroRow + "," + zeroRow + "]";
  for (int variant = 0; variant < 2; ++variant) {
    THistoryList list;
    if (variant == 1) {
      list.Add(Visit("https://www.google.com/search?q=a", 0, "t"));
      list.Add(Visit("https://github.com/", -5, "t"));
    }
    TAnalyzer a;
    a.Analyze(list);
    EXPECT_EQ(a.Total(), 0);
    EXPECT_EQ(a.ActiveDays(), 0);
    EXPECT_EQ(a.UniqueUrls(), 0);
    EXPECT_EQ(a.UniqueDomains(), 0);
    EXPECT_EQ(a.PeakCount(), 0);
    EXPECT_EQ(a.PeakDay(), 0);
    EXPECT_EQ(a.PeakHour(), 0);
    EXPECT_EQ(a.Earliest(), 0);
    EXPECT_EQ(a.Latest(), 0);
    EXPECT_EQ(a.HeatJson(), zeroHeat);
    EXPECT_EQ(a.DaysJson(), "[]");
    EXPECT_EQ(a.DomainsJson(15), "[]");
    EXPECT_EQ(a.PagesJson(12), "[]");
    EXPECT_EQ(a.KeywordsJson(12), "[]");
    EXPECT_EQ(a.CatsJson(), "[]");
    EXPECT_EQ(a.BrowsersJson(), "[]");
  }
}

TEST(Analyze, SkipsNonPositiveTimesAmongValidOnes) {
  ScopedTz tz("UTC0");
  THistoryList list;
  list.Add(Visit("https://a.example.com/", kSunday + 5 * kHour));
  list.Add(Visit("https://b.example.org/", 0));
  list.Add(Visit("https://c.example.net/", kSunday + 2 * kHour));
  list.Add(Visit("https://d.example.net/", -1));
  TAnalyzer a;
  a.Analyze(list);
  EXPECT_EQ(a.Total(), 2);
  EXPECT_EQ(a.UniqueUrls(), 2);
  EXPECT_EQ(a.Earliest(), kSunday + 2 * kHour);
  EXPECT_EQ(a.Latest(), kSunday + 5 * kHour);
  EXPECT_EQ(a.DomainsJson(0), "[[\"example.com\",1],[\"example.net\",1]]");
  EXPECT_EQ(a.DaysJson(), "[[\"2024-01-07\",2]]");
}

TEST(Analyze, PeakTiesGoToEarliestWeekdayThenHour) {
  ScopedTz tz("UTC0");
  {
    // Monday listed first (newest), Sunday later: Sunday still wins the tie.
    THistoryList list;
    list.Add(Visit("https://x.org/1", kSunday + kDay + 10 * kHour + 60));
    list.Add(Visit("https://x.org/2", kSunday + kDay + 10 * kHour));
    list.Add(Visit("https://x.org/3", kSunday + 10 * kHour + 60));
    list.Add(Visit("https://x.org/4", kSunday + 10 * kHour));
    TAnalyzer a;
    a.Analyze(list);
    EXPECT_EQ(a.PeakDay(), 0);
    EXPECT_EQ(a.PeakHour(), 10);
    EXPECT_EQ(a.PeakCount(), 2);
  }
  {
    THistoryList list;
    list.Add(Visit("https://x.org/1", kSunday + kDay + 10 * kHour + 60));
    list.Add(Visit("https://x.org/2", kSunday + kDay + 10 * kHour));
    list.Add(Visit("https://x.org/3", kSunday + kDay + 9 * kHour + 60));
    list.Add(Visit("https://x.org/4", kSunday + kDay + 9 * kHour));
    list.Add(Visit("https://x.org/5", kSunday + 3 * kHour));
    TAnalyzer a;
    a.Analyze(list);
    EXPECT_EQ(a.PeakDay(), 1);
    EXPECT_EQ(a.PeakHour(), 9);
    EXPECT_EQ(a.PeakCount(), 2);
  }
}

TEST(Analyze, AddressesTitlesAndLocalDomain) {
  ScopedTz tz("UTC0");
  THistoryList list;
  // Same address in two letter cases: one entry, newest spelling, count 2.
  list.Add(Visit("https://Example.com/Page", kSunday + 9 * kHour));
  list.Add(Visit("https://example.com/page", kSunday + 8 * kHour));
  // Newest visit untitled, then "x", then "y": the title is "x".
  list.Add(Visit("https://t.example.org/", kSunday + 7 * kHour));
  list.Add(Visit("https://t.example.org/", kSunday + 6 * kHour, "x"));
  list.Add(Visit("https://t.example.org/", kSunday + 5 * kHour, "y"));
  // A case variant shares the title table entry of its address.
  list.Add(Visit("https://T.example.org/", kSunday + 4 * kHour, "z"));
  list.Add(Visit("file:///C:/Users/me/notes.html", kSunday + 3 * kHour, "notes"));
  TAnalyzer a;
  a.Analyze(list);
  EXPECT_EQ(a.Total(), 7);
  EXPECT_EQ(a.UniqueUrls(), 3);
  EXPECT_EQ(a.UniqueDomains(), 3);
  EXPECT_EQ(a.PagesJson(0),
            "[[\"https://t.example.org/\",\"x\",4],[\"https://Example.com/Page\",\"\",2],"
            "[\"file:///C:/Users/me/notes.html\",\"notes\",1]]");
  EXPECT_EQ(a.DomainsJson(0),
            "[[\"example.org\",4],[\"example.com\",2],[\"(本地/其他)\",1]]");
  EXPECT_EQ(a.CatsJson(), "[[\"其他\",6,\"#7c8798\"],[\"内网/局域网\",1,\"#b45309\"]]");
  EXPECT_EQ(a.PagesJson(1), "[[\"https://t.example.org/\",\"x\",4]]");
}

TEST(Analyze, DaysAndHoursAreLocal) {
  // 2024-01-06 (Saturday) 23:30 UTC.
  const int64_t t = kSunday - 30 * 60;
  THistoryList list;
  list.Add(Visit("https://example.com/", t));
  {
    ScopedTz tz("UTC0");
    TAnalyzer a;
    a.Analyze(list);
    EXPECT_EQ(a.DaysJson(), "[[\"2024-01-06\",1]]");
    EXPECT_EQ(a.PeakDay(), 6);
    EXPECT_EQ(a.PeakHour(), 23);
  }
  {
    ScopedTz tz("CST-8");  // eight hours ahead of UTC
    TAnalyzer a;
    a.Analyze(list);
    EXPECT_EQ(a.DaysJson(), "[[\"2024-01-07\",1]]");
    EXPECT_EQ(a.PeakDay(), 0);
    EXPECT_EQ(a.PeakHour(), 7);
  }
}

// The pass reuses one day's figures for the visits that follow; the grid
// and day counts must equal a visit-by-visit conversion, also across the
// edges of the years where local display falls back to UTC figures.
// Under a fixed offset, and under daylight saving whose change days have 23
// and 25 hours (New York, and Lord Howe Island's half-hour change).
class DayReuse : public ::testing::TestWithParam<const char*> {};
INSTANTIATE_TEST_SUITE_P(Zones, DayReuse,
                         ::testing::Values("NPT-5:45", "EST5EDT,M3.2.0,M11.1.0",
                                           "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0"));

TEST_P(DayReuse, MatchesPerVisitConversion) {
  ScopedTz tz(GetParam());
  std::mt19937_64 rng(7);
  std::vector<int64_t> times;
  for (int i = 0; i < 3000; ++i) times.push_back(1700000000 + int64_t(rng() % (120 * kDay)));
  const int64_t edges[] = {631152000, 4133980800,  // 1990-01-01 and 2101-01-01 UTC
                           1699164000, 1710054000,  // New York's changes, Nov 2023 and Mar 2024
                           1696087800, 1712415600};  // Lord Howe's, Oct 2023 and Apr 2024
  for (int64_t e : edges)
    for (int64_t d = -2 * kDay; d <= 2 * kDay; d += 900) times.push_back(e + d);
  times.push_back(100);  // 1970: UTC figures
  std::sort(times.rbegin(), times.rend());

  THistoryList list;
  int32_t heat[7 * 24] = {};
  std::map<std::string, int> days;
  for (int64_t t : times) {
    list.Add(Visit("https://example.com/", t));
    const TDateTime d = UnixToLocal(t);
    ++heat[DayOfWeek(d) * 24 + d.Hour];
    ++days[FormatDate(d)];
  }
  TAnalyzer a;
  a.Analyze(list);

  std::string heatJson = "[";
  for (int w = 0; w < 7; ++w) {
    heatJson += w ? ",[" : "[";
    for (int h = 0; h < 24; ++h) heatJson += (h ? "," : "") + std::to_string(heat[w * 24 + h]);
    heatJson += "]";
  }
  heatJson += "]";
  EXPECT_EQ(a.HeatJson(), heatJson);
  EXPECT_EQ(a.ActiveDays(), static_cast<int32_t>(days.size()));
  EXPECT_EQ(a.Total(), static_cast<int32_t>(times.size()));
  ASSERT_LE(a.ActiveDays(), 150);  // one element per day
  std::string daysJson = "[";
  for (const auto& [key, count] : days)
    daysJson += (daysJson.size() > 1 ? ",[\"" : "[\"") + key + "\"," + std::to_string(count) + "]";
  daysJson += "]";
  EXPECT_EQ(a.DaysJson(), daysJson);
}

TEST(Analyze, TitleComesFromFirstTitledVisitWhateverSpelling) {
  THistoryList list;
  list.Add(Visit("https://example.com/A", kSunday + 30));
  list.Add(Visit("https://example.com/a", kSunday + 20, "new"));
  list.Add(Visit("https://example.com/A", kSunday + 10, "old"));
  TAnalyzer a;
  a.Analyze(list);
  EXPECT_EQ(a.PagesJson(0), "[[\"https://example.com/A\",\"new\",3]]");
}

// The pass counts per spelling and hands the totals over at the end; the
// tables must read exactly as if every visit had been counted one by one.
TEST(Analyze, MatchesVisitByVisitCounting) {
  std::mt19937 rng(3);
  const char* bases[] = {"https://www.google.com/search?q=", "https://www.baidu.com/s?wd=",
                         "https://github.com/", "https://news.example.cn/", "file:///c:/",
                         "https://192.168.1.1/", "https://mail.example.org/?"};
  const char* words[] = {"alpha", "Beta", "gamma", "%E4%B8%AD", "www.x", "Ünïcode", "delta+x"};
  const char* browsers[] = {"Chrome", "chrome", "Firefox", "Edge"};
  auto vary = [&](std::string s) {
    for (char& c : s)
      if (c >= 'a' && c <= 'z' && rng() % 9 == 0) c = static_cast<char>(c - 32);
    return s;
  };
  THistoryList list;
  int64_t t = kSunday + 40000 * kHour;
  // Long enough for the times to be counted beside the addresses.
  for (int i = 0; i < 70000; ++i) {
    std::string url = std::string(bases[rng() % 7]) + words[rng() % 7] + std::to_string(rng() % 700);
    if (rng() % 4 == 0) url = vary(url);
    const std::string title = rng() % 3 ? "" : "T\"" + std::to_string(rng() % 50);
    list.Add(Visit(url, t, title, browsers[rng() % 4]));
    t -= rng() % 2000;
  }
  TAnalyzer a;
  a.Analyze(list);

  TCounters urls, domains, keywords, cats, brs;
  std::unordered_map<std::string, std::string> titles;
  std::set<std::string> days;
  for (int i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[i];
    days.insert(FormatDate(UnixToLocal(r.VisitUnix)));
    std::string d = RegistrableDomain(ExtractHost(r.Url));
    if (d.empty()) d = kLocalDomain;
    domains.IncValue(d);
    urls.IncValue(r.Url);
    if (!r.Title.empty()) titles.emplace(FoldCase(r.Url), r.Title);
    cats.IncValue(CategoryOf(d, r.Url));
    brs.IncValue(r.BrowserName());
    keywords.IncValue(ExtractKeywordText(r.Url));
  }
  auto pairs = [](const TCounters& c) {
    std::vector<TCounters::Entry> top;
    c.TopN(0, top);
    std::string out = "[";
    for (const auto& [k, v] : top)
      out += (out.size() > 1 ? ",[\"" : "[\"") + JsonEscape(k) + "\"," + std::to_string(v) + "]";
    return out + "]";
  };
  std::vector<TCounters::Entry> top;
  urls.TopN(0, top);
  std::string pages = "[";
  for (const auto& [k, v] : top) {
    auto it = titles.find(FoldCase(k));
    pages += (pages.size() > 1 ? ",[\"" : "[\"") + JsonEscape(k) + "\",\"" +
             (it == titles.end() ? "" : JsonEscape(it->second)) + "\"," + std::to_string(v) + "]";
  }
  pages += "]";
  EXPECT_EQ(a.Total(), list.Count());
  EXPECT_EQ(a.Earliest(), list.Items()[list.Count() - 1].VisitUnix);
  EXPECT_EQ(a.Latest(), list.Items()[0].VisitUnix);
  EXPECT_EQ(a.ActiveDays(), static_cast<int32_t>(days.size()));
  EXPECT_EQ(a.UniqueUrls(), urls.Count());
  // The address table grew several times, and there are enough addresses
  // for their facts to be worked out beside their counters.
  EXPECT_GT(a.UniqueUrls(), 4096);
  EXPECT_EQ(a.PagesJson(0), pages);
  EXPECT_EQ(a.DomainsJson(0), pairs(domains));
  EXPECT_EQ(a.KeywordsJson(0), pairs(keywords));
  EXPECT_EQ(a.BrowsersJson(), pairs(brs));
  std::string catsJson = pairs(cats);
  EXPECT_EQ(a.CatsJson().size(), catsJson.size() + 10 * cats.Count());  // plus ,"#rrggbb"
}

// Readers give all visits of an address one stored text (and number it),
// but a list may also hold equal texts stored apart (the same address in two
// profiles) and texts differing only in case: every mixture counts as the
// plain texts do.
TEST(Analyze, SharedAndSeparateTextsCountAlike) {
  std::mt19937 rng(7);
  const std::vector<std::string> spellings = {
      "https://a.example/x", "https://A.example/x", "https://b.example/", "",
      "https://www.baidu.com/s?wd=%E5%A4%A9", "https://www.baidu.com/s?wd=%e5%a4%a9"};
  std::vector<TSharedText> shared(spellings.begin(), spellings.end());
  std::vector<TSharedText> titles = {"", "标题", "Title"};
  THistoryList mixed, plain;
  // Shared texts numbered as two readers number them (the same spelling
  // under two numbers), and some numbers out of the list's range.
  const uint32_t firstStore = mixed.NumberAddresses(spellings.size());
  const uint32_t secondStore = mixed.NumberAddresses(spellings.size());
  for (int i = 0; i < 3000; ++i) {
    const size_t u = rng() % spellings.size(), t = rng() % titles.size();
    const int64_t when = kSunday + 5000000 - i * 1000;
    THistoryRecord r = Visit(spellings[u], when, titles[t]);
    plain.Add(r);
    if (rng() % 3 != 0) {
      r.Url = shared[u];
      r.Title = titles[t];
      const uint32_t store = rng() % 2 ? firstStore : secondStore;
      r.Address = rng() % 10 ? store + static_cast<uint32_t>(u) : mixed.AddressCount() + 5;
    }
    mixed.Add(r);
  }
  TAnalyzer a, b;
  a.Analyze(mixed);
  b.Analyze(plain);
  EXPECT_EQ(a.UniqueUrls(), b.UniqueUrls());
  EXPECT_EQ(a.UniqueUrls(), 3);  // case folds "A.example" and "%E5"; "" is no address
  EXPECT_EQ(a.PagesJson(0), b.PagesJson(0));
  EXPECT_EQ(a.DomainsJson(0), b.DomainsJson(0));
  EXPECT_EQ(a.KeywordsJson(0), b.KeywordsJson(0));
  EXPECT_EQ(a.CatsJson(), b.CatsJson());
}

// A stored text remembers where the last analysis put its address. Another
// list sharing the texts in another order, analysed afterwards (or the
// first one again), must not take those positions for its own.
TEST(Analyze, TextsSharedWithAnEarlierAnalysisCountAfresh) {
  const TSharedText x = "https://x.example/", y = "https://y.example/", z = "https://z.example/";
  const TSharedText yCopy = std::string("https://y.example/");  // same spelling, own copy
  auto add = [](THistoryList& list, const TSharedText& url, int64_t when) {
    THistoryRecord r = Visit("", when);
    r.Url = url;
    list.Add(r);
  };
  THistoryList first, second;
  add(first, x, kSunday + 300);
  add(first, y, kSunday + 200);
  add(second, z, kSunday + 300);
  add(second, yCopy, kSunday + 250);
  add(second, y, kSunday + 200);
  add(second, x, kSunday + 100);
  add(second, x, kSunday + 50);
  TAnalyzer a;
  a.Analyze(first);
  TAnalyzer b;
  b.Analyze(second);
  EXPECT_EQ(b.UniqueUrls(), 3);
  EXPECT_EQ(b.PagesJson(0),
            "[[\"https://x.example/\",\"\",2],[\"https://y.example/\",\"\",2],"
            "[\"https://z.example/\",\"\",1]]");
  TAnalyzer again;
  again.Analyze(first);
  EXPECT_EQ(again.PagesJson(0), a.PagesJson(0));
  EXPECT_EQ(a.PagesJson(0), "[[\"https://x.example/\",\"\",1],[\"https://y.example/\",\"\",1]]");
}
