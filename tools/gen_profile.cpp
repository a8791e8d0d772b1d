// Builds a Windows-style user folder with browser stores in the browsers'
// real schemas, for trying the program and measuring it on large histories:
//
//   gen_profile <userfolder> [--visits N] [--urls M] [--seed S] [--only chrome|edge|firefox]
//
// Chrome gets three profiles, Edge one, Firefox one (in WAL mode, its newest
// visits still in places.sqlite-wal, with profiles.ini). The same arguments
// always give the same stores. Visits are drawn from M addresses with a
// skewed popularity: search engines with query words (Baidu wd=, Google q=,
// Bing q=), Chinese and English titles, intranet pages and redirect chains
// whose hops share one time.
//
// Point USERPROFILE at <userfolder> to scan it.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The store builders are shared with the tests; this program is linked
// without the test support library, so it compiles them itself.
#include "../tests/support/Stores.cpp"

using vt_test::StoreVisit;

namespace {

// Small deterministic generator (splitmix64): the standard distributions
// differ between libraries, and the output must not.
struct Rng {
  uint64_t s;
  uint64_t Next() {
    uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  uint64_t Below(uint64_t n) { return n ? Next() % n : 0; }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
  template <class T, size_t N>
  const T& Pick(const T (&a)[N]) { return a[Below(N)]; }
};

const char* const kWordsZh[] = {"天气", "北京", "上海", "新闻", "股票", "翻译", "地图", "高铁",
                                "火车票", "电影", "小说", "菜谱", "红烧肉", "机票", "酒店", "手机",
                                "电脑", "显卡", "招聘", "考研", "公务员", "英语", "四级", "论文",
                                "旅游", "攻略", "成都", "火锅", "杭州", "西湖", "疫苗", "医院",
                                "挂号", "快递", "查询", "汇率", "美元", "基金", "房价", "装修"};
const char* const kWordsEn[] = {"weather", "python", "tutorial", "rust", "async", "linux",
                                "kernel", "docker", "compose", "recipe", "pasta", "flight",
                                "hotel", "review", "laptop", "2026", "best", "cheap", "news",
                                "football", "score", "lyrics", "download", "free", "error",
                                "fix", "windows", "update", "sqlite", "wal", "mode"};

struct Site {
  const char* Host;
  const char* TitleZh;  // empty: English titles
  const char* TitleEn;
};
const Site kSites[] = {
    {"www.zhihu.com", "知乎 - 有问题，就会有答案", ""},
    {"www.bilibili.com", "哔哩哔哩 (゜-゜)つロ 干杯~", ""},
    {"weibo.com", "微博-随时随地发现新鲜事", ""},
    {"www.taobao.com", "淘宝网 - 淘！我喜欢", ""},
    {"item.jd.com", "京东(JD.COM)-正品低价", ""},
    {"www.douban.com", "豆瓣", ""},
    {"news.qq.com", "腾讯新闻", ""},
    {"www.163.com", "网易", ""},
    {"mail.qq.com", "QQ邮箱", ""},
    {"www.csdn.net", "CSDN - 专业开发者社区", ""},
    {"github.com", "", "GitHub"},
    {"stackoverflow.com", "", "Stack Overflow"},
    {"en.wikipedia.org", "", "Wikipedia"},
    {"zh.wikipedia.org", "维基百科，自由的百科全书", ""},
    {"www.youtube.com", "", "YouTube"},
    {"docs.python.org", "", "Python documentation"},
    {"www.reddit.com", "", "Reddit"},
    {"news.ycombinator.com", "", "Hacker News"},
    {"mp.weixin.qq.com", "微信公众平台", ""},
    {"www.12306.cn", "中国铁路12306", ""},
    {"oa.corp.example", "办公自动化系统", ""},
    {"192.168.1.10", "内网管理页面", ""},
    {"localhost:8080", "", "Local dev server"},
};

std::string PercentEncode(const std::string& s) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.') {
      out += static_cast<char>(c);
    } else if (c == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// One address of the pool; a redirect chain is several hops visited at once.
struct Address {
  std::vector<std::string> Urls;  // hops, the landing page last
  std::string Title;
};

Address MakeAddress(Rng& rng, uint64_t index) {
  Address a;
  const uint64_t kind = rng.Below(100);
  if (kind < 30) {
    // A search: 1-3 query words, Chinese mostly.
    std::string words;
    const bool zh = rng.Below(4) != 0;
    const uint64_t n = 1 + rng.Below(3);
    for (uint64_t i = 0; i < n; ++i) {
      if (i) words += ' ';
      words += zh ? rng.Pick(kWordsZh) : rng.Pick(kWordsEn);
    }
    const std::string q = PercentEncode(words);
    const uint64_t engine = rng.Below(10);
    if (engine < 5) {
      a.Urls.push_back("https://www.baidu.com/s?wd=" + q + "&rsv_spt=1&ie=utf-8&pn=" +
                       std::to_string(index % 7 * 10));
      a.Title = words + "_百度搜索";
    } else if (engine < 8) {
      a.Urls.push_back("https://www.google.com/search?q=" + q + "&hl=zh-CN&ei=" +
                       std::to_string(index));
      a.Title = words + " - Google 搜索";
    } else {
      a.Urls.push_back("https://cn.bing.com/search?q=" + q + "&form=QBLH&sp=" +
                       std::to_string(index % 5));
      a.Title = words + " - 搜索";
    }
    return a;
  }
  const Site& site = rng.Pick(kSites);
  const bool https = std::strncmp(site.Host, "192.", 4) != 0 &&
                     std::strncmp(site.Host, "localhost", 9) != 0;
  const std::string scheme = https ? "https://" : "http://";
  const std::string page = scheme + site.Host + "/p/" + std::to_string(index) +
                           (rng.Below(5) == 0 ? "?from=timeline&id=" + std::to_string(index * 7)
                                              : std::string());
  if (*site.TitleZh) {
    a.Title = std::string(rng.Pick(kWordsZh)) + rng.Pick(kWordsZh) + " - " + site.TitleZh;
  } else {
    a.Title = std::string(rng.Pick(kWordsEn)) + " " + rng.Pick(kWordsEn) + " - " + site.TitleEn;
  }
  if (kind < 38) {
    // Short link -> landing page, or http -> https -> www: hops share a time.
    if (rng.Below(2) == 0) {
      a.Urls.push_back("http://t.cn/" + std::to_string(100000 + index));
    } else {
      a.Urls.push_back(std::string("http://") + site.Host + "/p/" + std::to_string(index));
    }
  }
  if (kind >= 95) a.Title.clear();  // pages without a title
  a.Urls.push_back(page);
  return a;
}

struct Target {
  const char* Name;
  double Share;
};

void Usage() {
  std::fprintf(stderr,
               "usage: gen_profile <userfolder> [--visits N] [--urls M] [--seed S] "
               "[--only chrome|edge|firefox]\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    Usage();
    return 1;
  }
  std::string root = argv[1];
  uint64_t visits = 10000, urls = 2000, seed = 20261119;
  std::string only;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) {
      Usage();
      return 1;
    }
    std::string v = argv[++i];
    if (a == "--visits") visits = std::strtoull(v.c_str(), nullptr, 10);
    else if (a == "--urls") urls = std::strtoull(v.c_str(), nullptr, 10);
    else if (a == "--seed") seed = std::strtoull(v.c_str(), nullptr, 10);
    else if (a == "--only") only = v;
    else {
      Usage();
      return 1;
    }
  }
  if (urls == 0) urls = 1;
  while (root.size() > 1 && root.back() == '/') root.pop_back();

  Rng rng{seed};
  std::vector<Address> pool;
  pool.reserve(urls);
  for (uint64_t i = 0; i < urls; ++i) pool.push_back(MakeAddress(rng, i));

  // Two years of browsing up to a fixed day, busiest in the evening.
  const int64_t end = 1793491200;  // 2026-11-01 00:00:00 UTC
  const int64_t span = 2 * 365 * 86400LL;
  std::vector<int64_t> times(visits);
  for (auto& t : times) {
    const int64_t day = static_cast<int64_t>(rng.Below(span / 86400));
    const int64_t hour = static_cast<int64_t>(std::min<uint64_t>(23, 8 + rng.Below(10) + rng.Below(7)));
    t = end - span + day * 86400 + hour * 3600 + static_cast<int64_t>(rng.Below(3600));
  }
  std::sort(times.begin(), times.end());

  const Target all[] = {{"chrome/Default", 0.50}, {"chrome/Profile 1", 0.15},
                        {"chrome/Profile 2", 0.05}, {"edge/Default", 0.15},
                        {"firefox/xk2b9m4q.default-release", 0.15}};
  std::vector<Target> targets;
  for (const Target& t : all)
    if (only.empty() || std::string(t.Name).compare(0, only.size(), only) == 0)
      targets.push_back(t);
  if (targets.empty()) {
    Usage();
    return 1;
  }
  double total = 0;
  for (const Target& t : targets) total += t.Share;

  vt_test::UserFolder user(root.substr(0, root.rfind('/')), root.substr(root.rfind('/') + 1));
  size_t next = 0, produced = 0;
  for (size_t ti = 0; ti < targets.size(); ++ti) {
    const std::string name = targets[ti].Name;
    const bool firefox = name.compare(0, 7, "firefox") == 0;
    const size_t count = ti + 1 == targets.size()
                             ? static_cast<size_t>(visits) - produced
                             : static_cast<size_t>(static_cast<double>(visits) *
                                                   targets[ti].Share / total);
    std::vector<StoreVisit> list;
    list.reserve(count);
    while (list.size() < count && next < times.size()) {
      // Popular addresses come back often: index skewed towards the start.
      const double u = rng.Unit();
      const Address& a = pool[static_cast<size_t>(u * u * u * static_cast<double>(urls))];
      // Sub-second part keeps times distinct, except along a redirect chain.
      const int64_t t = times[next++];
      const int64_t raw = (firefox ? vt_test::FirefoxTime(t) : vt_test::ChromeTime(t)) +
                          static_cast<int64_t>(rng.Below(1000000));
      for (size_t h = 0; h < a.Urls.size() && list.size() < count; ++h) {
        StoreVisit v;
        v.Url = a.Urls[h];
        v.Title = h + 1 == a.Urls.size() ? a.Title : std::string();
        v.RawTime = raw;
        v.Redirect = h > 0;
        list.push_back(std::move(v));
      }
    }
    produced += list.size();
    const std::string profile = name.substr(name.find('/') + 1);
    std::string path;
    if (name.compare(0, 6, "chrome") == 0) path = user.AddChrome(profile, list);
    else if (name.compare(0, 4, "edge") == 0) path = user.AddEdge(profile, list);
    else path = user.AddFirefox(profile, list, true);
    std::printf("%-60s %zu visits\n", path.c_str(), list.size());
  }
  return 0;
}
