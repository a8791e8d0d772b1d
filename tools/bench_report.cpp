// Times the report writers on a synthetic history: a million visits over
// two years (default), spread over thousands of sites, with Chinese and
// English titles and some search pages, as a heavy real run would give.
// Usage: bench_report [visits] [limit]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "uAggregate.h"
#include "uReport.h"
#include "uTypes.h"
#include "uUtil.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Small deterministic generator, so runs are comparable.
struct TRandom {
  uint64_t State = 0x9E3779B97F4A7C15ULL;
  uint32_t Next() {
    State ^= State << 13;
    State ^= State >> 7;
    State ^= State << 17;
    return static_cast<uint32_t>(State >> 16);
  }
  uint32_t Below(uint32_t n) { return Next() % n; }
};

THistoryList MakeVisits(int32_t count) {
  static const char* const kBrowsers[] = {"Chrome", "Edge", "Firefox", "Brave", "360安全浏览器"};
  static const char* const kProfiles[] = {"Default", "Profile 1", "abcd1234.default-release"};
  static const char* const kWords[] = {"新闻", "视频", "下载", "教程", "Release notes", "价格",
                                       "Documentation", "登录", "Issue #1234", "天气预报"};
  TRandom rnd;
  THistoryList list;
  const int64_t newest = 1790000000;  // late 2026
  const int64_t span = 2 * 365 * 86400LL;
  for (int32_t i = 0; i < count; ++i) {
    THistoryRecord r;
    uint32_t b = rnd.Below(5);
    r.SetSource("b" + std::to_string(b), kBrowsers[b], kProfiles[rnd.Below(3)]);
    // Visits come newest first, a few seconds to minutes apart.
    r.VisitUnix = newest - static_cast<int64_t>(i) * span / count - rnd.Below(30);
    uint32_t site = rnd.Below(6000);
    if (rnd.Below(20) == 0) {
      r.Url = "https://www.baidu.com/s?ie=utf-8&wd=" + std::string(kWords[rnd.Below(10)]) +
              std::to_string(rnd.Below(500));
      r.Title = std::string(kWords[rnd.Below(10)]) + "_百度搜索";
    } else {
      r.Url = "https://www.site" + std::to_string(site) + ".com/articles/" +
              std::to_string(rnd.Below(40)) + "/page-" + std::to_string(rnd.Below(1000)) +
              ".html?ref=home&utm_source=feed";
      r.Title = std::string(kWords[rnd.Below(10)]) + " - 第 " + std::to_string(rnd.Below(1000)) +
                " 篇 | Site " + std::to_string(site) + (rnd.Below(50) == 0 ? " \"精选\"" : "");
    }
    list.Add(std::move(r));
  }
  return list;
}

// Best of three runs: the machine may be busy with other work.
template <typename Fn>
void Measure(const char* what, Fn fn) {
  double best = 1e9;
  size_t bytes = 0;
  for (int run = 0; run < 3; ++run) {
    auto start = std::chrono::steady_clock::now();
    bytes = fn();
    best = std::min(best, SecondsSince(start));
  }
  std::printf("%-34s %9.1f MB %8.3f s %9.1f MB/s\n", what, bytes / 1e6, best,
              best > 0 ? bytes / 1e6 / best : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t count = argc > 1 ? std::atoi(argv[1]) : 1000000;
  const int32_t limit = argc > 2 ? std::atoi(argv[2]) : 5000;

  auto start = std::chrono::steady_clock::now();
  THistoryList list = MakeVisits(count);
  std::printf("%d synthetic visits made in %.3f s\n", list.Count(), SecondsSince(start));

  start = std::chrono::steady_clock::now();
  TAnalyzer analyzer;
  analyzer.Analyze(list);
  std::printf("Analyze: %.3f s (%d urls, %d domains, %d days)\n", SecondsSince(start),
              analyzer.UniqueUrls(), analyzer.UniqueDomains(), analyzer.ActiveDays());

  TSourceList sources;
  TSourceInfo src;
  src.BrowserName = "Chrome";
  src.Profile = "Default";
  src.DbPath = "C:\\Users\\a\\AppData\\Local\\Google\\Chrome\\User Data\\Default\\History";
  src.Count = count;
  sources.Add(src);

  TReportOptions opts;
  opts.Title = "浏览器访问记录报告";
  opts.RangeText = "全部历史";
  opts.ScopeText = "当前用户 bench";
  // Both writers paste these unchanged; their cost is the analyzer's.
  Measure("the seven series (analyzer)", [&] {
    return analyzer.HeatJson().size() + analyzer.DaysJson().size() +
           analyzer.DomainsJson(15).size() + analyzer.PagesJson(12).size() +
           analyzer.KeywordsJson(12).size() + analyzer.CatsJson().size() +
           analyzer.BrowsersJson().size();
  });
  for (int32_t max : {0, limit}) {
    opts.MaxRecords = max;
    const std::string suffix = max == 0 ? " (all visits)" : Format(" (/limit:%d)", max);
    Measure(("BuildJsonReport" + suffix).c_str(),
            [&] { return BuildJsonReport(analyzer, list, sources, opts).size(); });
    Measure(("BuildHtmlData" + suffix).c_str(),
            [&] { return BuildHtmlData(analyzer, list, sources, opts).size(); });
    Measure(("BuildHtmlReport" + suffix).c_str(), [&] {
      std::string html, err;
      BuildHtmlReport(analyzer, list, sources, opts, html, err);
      if (html.empty()) std::printf("BuildHtmlReport failed: %s\n", err.c_str());
      return html.size();
    });
    Measure(("RecordsJson" + suffix).c_str(), [&] { return RecordsJson(list, max).size(); });
  }
  return 0;
}
