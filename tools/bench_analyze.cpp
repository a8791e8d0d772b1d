// Times the statistics pass and the chart series on a synthetic history.
//
//   bench_analyze [visits]   (default 1000000)
//
// The visits are made in memory: about a fifth as many distinct addresses as
// visits, popular ones visited far more often, a fifth of the addresses being
// search-result pages with Chinese or English search texts, Chinese titles,
// four browsers, spread over three years and sorted newest first as the run
// sorts them before analysis.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "uAggregate.h"
#include "uTypes.h"
#include "uUtil.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

std::string PercentEncode(const std::string& s) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') {
      out += static_cast<char>(c);
    } else if (c == ' ') {
      out += '+';
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t visits = argc > 1 ? std::atoi(argv[1]) : 1000000;
  if (visits <= 0) {
    std::fprintf(stderr, "usage: bench_analyze [visits]\n");
    return 1;
  }
  std::mt19937_64 rng(20261119);
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };

  const std::vector<std::string> words = {
      "天气预报", "机器学习", "c++ 教程", "visitrail", "火车票", "python list", "新闻",
      "翻译", "股票行情", "地图", "rust async", "菜谱", "电影推荐", "高考", "github actions",
      "招聘", "手机评测", "sqlite wal", "旅游攻略", "汇率"};
  const std::vector<std::string> engines = {
      "https://www.baidu.com/s?ie=utf-8&wd=", "https://www.google.com/search?q=",
      "https://cn.bing.com/search?q=", "https://www.sogou.com/web?query=",
      "https://www.so.com/s?q=", "https://duckduckgo.com/?q="};
  const std::vector<std::string> sites = {
      "www.bilibili.com", "www.zhihu.com", "github.com", "item.taobao.com", "item.jd.com",
      "news.sina.com.cn", "mail.qq.com", "pan.baidu.com", "stackoverflow.com",
      "www.youtube.com", "developer.mozilla.org", "blog.csdn.net", "weibo.com",
      "www.thepaper.cn", "192.168.1.1", "intranet.corp", "localhost"};
  const std::vector<std::string> titleParts = {"首页", "文章", "视频", "详情", "搜索结果",
                                               "个人中心", "设置", "评论", "下载"};

  // Distinct addresses and their titles.
  const size_t distinct = std::max<size_t>(1, static_cast<size_t>(visits) / 5);
  std::vector<std::string> urls(distinct), titles(distinct);
  for (size_t i = 0; i < distinct; ++i) {
    const int kind = static_cast<int>(rng() % 10);
    if (kind < 2) {
      std::string q = words[pick(words.size())];
      if (rng() % 2) q += " " + words[pick(words.size())];
      q += " " + std::to_string(i % 977);
      urls[i] = engines[pick(engines.size())] + PercentEncode(q) + "&rsv=" + std::to_string(i);
      titles[i] = q + "_搜索";
    } else if (kind < 6) {
      urls[i] = "https://" + sites[pick(sites.size())] + "/p/" + std::to_string(i) +
                "?from=feed&spm=" + std::to_string(rng() % 100000);
      titles[i] = titleParts[pick(titleParts.size())] + " - 第" + std::to_string(i) + "篇";
    } else {
      urls[i] = "https://www.site" + std::to_string(i % 5000) + (i % 3 ? ".com" : ".com.cn") +
                "/article/" + std::to_string(i) + ".html";
      titles[i] = "某网站 " + titleParts[pick(titleParts.size())] + " " + std::to_string(i);
    }
  }

  const std::vector<std::string> browsers = {"Google Chrome", "Microsoft Edge", "Firefox",
                                             "360 安全浏览器"};
  const int64_t now = 1795000000;  // late 2026
  const int64_t span = 3LL * 365 * 86400;
  // The readers give every visit of an address the same stored texts.
  const std::vector<TSharedText> urlTexts(urls.begin(), urls.end());
  const std::vector<TSharedText> titleTexts(titles.begin(), titles.end());
  THistoryList list;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int32_t i = 0; i < visits; ++i) {
    THistoryRecord r;
    // Skewed popularity: a few addresses take most visits.
    const double u = unit(rng);
    const size_t idx = std::min(distinct - 1, static_cast<size_t>(u * u * u * distinct));
    r.SetSource("b", browsers[idx % 7 == 0 ? 2 : pick(browsers.size())], "Default");
    r.Url = urlTexts[idx];
    if (rng() % 5 != 0) r.Title = titleTexts[idx];
    r.VisitUnix = now - static_cast<int64_t>(rng() % span);
    list.Add(std::move(r));
  }
  auto t0 = Clock::now();
  list.SortByTimeDesc();
  std::printf("visits: %d (distinct addresses generated: %zu), sort: %.0f ms\n", list.Count(),
              distinct, MsSince(t0));

  // Best of three: other work on the machine only ever adds time. CPU time
  // is shown too, as the wall clock on a busy machine also counts waiting.
  TAnalyzer a;
  double bestWall = 0, bestCpu = 0, bestFree = 0;
  for (int round = 0; round < 3; ++round) {
    auto fresh = std::make_unique<TAnalyzer>();
    const std::clock_t c0 = std::clock();
    t0 = Clock::now();
    fresh->Analyze(list);
    const double wall = MsSince(t0);
    const double cpu = 1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    t0 = Clock::now();
    fresh.reset();
    const double freeMs = MsSince(t0);
    if (round == 0 || wall < bestWall) bestWall = wall;
    if (round == 0 || cpu < bestCpu) bestCpu = cpu;
    if (round == 0 || freeMs < bestFree) bestFree = freeMs;
  }
  a.Analyze(list);

  // The category step alone, as the pass meets it: once per distinct
  // address, over every visit's address text in list order.
  {
    std::vector<const TSharedText*> seen;
    std::unordered_set<const void*> ids;
    for (const THistoryRecord& r : list.Items())
      if (ids.insert(r.Url.Identity()).second) seen.push_back(&r.Url);
    std::vector<std::string> domains;
    for (const TSharedText* u : seen) {
      std::string d = RegistrableDomain(ExtractHost(*u));
      domains.push_back(d.empty() ? kLocalDomain : d);
    }
    double best = 0;
    int64_t sink = 0;
    for (int round = 0; round < 5; ++round) {
      const std::clock_t c0 = std::clock();
      for (size_t k = 0; k < seen.size(); ++k) sink += CategoryIndexOf(domains[k], *seen[k]);
      const double ms = 1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
      if (round == 0 || ms < best) best = ms;
    }
    std::printf("category step: CPU %.1f ms for %zu distinct addresses of %d visits, best of 5\n",
                best, seen.size(), list.Count());
    if (sink == 0) std::printf("(no categories)\n");
  }
  std::printf("Analyze: %.0f ms (CPU %.0f ms), freeing the analyzer: %.0f ms, best of 3\n",
              bestWall, bestCpu, bestFree);
  std::printf("  total %d, addresses %d, domains %d, active days %d, peak %s %d:00 (%d)\n",
              a.Total(), a.UniqueUrls(), a.UniqueDomains(), a.ActiveDays(),
              WeekdayName(a.PeakDay()).c_str(), a.PeakHour(), a.PeakCount());

  struct Series {
    const char* Name;
    std::string (*Run)(const TAnalyzer&);
  };
  const Series series[] = {
      {"HeatJson", [](const TAnalyzer& x) { return x.HeatJson(); }},
      {"DaysJson", [](const TAnalyzer& x) { return x.DaysJson(); }},
      {"DomainsJson(15)", [](const TAnalyzer& x) { return x.DomainsJson(15); }},
      {"PagesJson(12)", [](const TAnalyzer& x) { return x.PagesJson(12); }},
      {"KeywordsJson(12)", [](const TAnalyzer& x) { return x.KeywordsJson(12); }},
      {"CatsJson", [](const TAnalyzer& x) { return x.CatsJson(); }},
      {"BrowsersJson", [](const TAnalyzer& x) { return x.BrowsersJson(); }},
  };
  double seriesMs = 0;
  for (const Series& s : series) {
    t0 = Clock::now();
    const std::string json = s.Run(a);
    const double ms = MsSince(t0);
    seriesMs += ms;
    std::printf("%-17s %7.1f ms  %zu bytes\n", s.Name, ms, json.size());
  }
  std::printf("series total: %.0f ms\n", seriesMs);
  std::printf("categories: %s\n", a.CatsJson().c_str());
  return 0;
}
