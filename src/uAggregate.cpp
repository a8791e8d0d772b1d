// Weekday names, site categories and search keywords: what a visit's
// address says about it.
#include "uAggregate.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

const char* const WeekdayNames[7] = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};

std::string WeekdayName(int index) {
  if (index < 0 || index > 6) return std::string();
  return WeekdayNames[index];
}

const char* const kLocalDomain = "(本地/其他)";

// ---- Site categories ---------------------------------------------------------

const char* const CategoryNames[kCategoryCount] = {
    "搜索引擎", "视频", "社交", "购物", "开发技术", "新闻资讯", "邮箱", "网盘", "其他", "内网/局域网"};
const char* const CategoryColors[kCategoryCount] = {
    "#4c8bf5", "#e5484d", "#8e4ec6", "#f2a93b", "#30a46c",
    "#0ea5b7", "#6e7681", "#d6409f", "#7c8798", "#b45309"};

std::string CategoryColor(const std::string& name) {
  for (int i = 0; i < kCategoryCount; ++i)
    if (name == CategoryNames[i]) return CategoryColors[i];
  return CategoryColors[kCatIntranet];
}

// Fragment forms: "site.tld" for one registrable domain, "name." for a site
// under any suffix, a bare word where the name alone is telling, and
// "sub.site.tld" where only part of a larger site belongs here. Only the
// host is tested, so a search whose query names a video site stays a search.
const std::vector<TSitePatterns>& SitePatternLists() {
  static const std::vector<TSitePatterns> lists = {
      {kCatSearch,
       {"google.", "baidu.com", "bing.com", "sogou.com", "so.com", "sm.cn", "yahoo.",
        "duckduckgo", "yandex.", "naver.com", "ecosia.", "search.brave.com"}},
      {kCatVideo,
       {"youtube.", "bilibili.com", "iqiyi.com", "youku.com", "v.qq.com", "douyin.com",
        "tiktok.com", "netflix.com", "mgtv.com", "ixigua", "ixigua.com", "douyu.com",
        "huya.com", "twitch.tv"}},
      {kCatSocial,
       {"weibo.", "zhihu.com", "douban.com", "facebook.com", "twitter.com", "x.com",
        "instagram.com", "linkedin.com", "reddit.com", "tieba.baidu.com", "weixin.qq.com",
        "whatsapp.com", "telegram.", "t.me", "discord.com"}},
      {kCatShopping,
       {"taobao.com", "tmall.com", "jd.com", "pinduoduo.com", "yangkeduo.com", "amazon.",
        "ebay.", "aliexpress.", "suning.com", "vip.com", "1688.com", "smzdm.com",
        "xiaohongshu.com"}},
      {kCatDev,
       {"github.com", "gitlab.", "gitee.com", "stackoverflow.com", "csdn.net", "cnblogs.com",
        "juejin.cn", "npmjs.com", "pypi.org", "developer.mozilla.org", "jetbrains.com",
        "python", "nuget.org", "mvnrepository", "segmentfault.com", "oschina.net",
        "codeproject.com"}},
      {kCatNews,
       {"sina.com.cn", "sohu.com", "163.com", "ifeng.com", "thepaper.cn", "cctv.com",
        "xinhuanet.com", "people.com.cn", "zaobao.com", "36kr.com", "huxiu.com", "cnbeta.com",
        "ithome.com", "news."}},
      {kCatMail,
       {"mail.", "outlook.", "gmail.", "mail.qq.com", "mail.163.com", "mail.sina.com.cn",
        "zimbra", "exchange."}},
      {kCatDrive,
       {"pan.baidu.com", "aliyundrive.com", "alipan.com", "115.com", "weiyun.com",
        "dropbox.com", "onedrive.", "drive.google.com", "jianguoyun.com"}},
  };
  return lists;
}

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
  return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool EndsWith(const std::string& s, const char* suffix) {
  size_t n = std::char_traits<char>::length(suffix);
  return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// Site fragments indexed by their first byte: at a label start only the
// few fragments beginning with that byte are compared. Ids are positions in
// the lists read in order, so a smaller id belongs to an earlier list, and
// keeping the first of equally long matches keeps the earlier list.
class TSiteIndex {
 public:
  struct Fragment {
    std::string_view Text;
    int Category;
  };

  TSiteIndex() {
    for (const auto& list : SitePatternLists())
      for (const auto& p : list.Patterns) {
        FByFirst[static_cast<unsigned char>(p[0])].push_back(FFragments.size());
        FFragments.push_back(Fragment{p, list.Category});
      }
  }

  // Category of a lower-case host: the fragment matching at the leftmost
  // label wins (the most specific part of the host), then the longer
  // fragment, then the earlier list; kCatOther when none matches.
  int CategoryOfHost(std::string_view host) const {
    for (size_t pos = 0; pos < host.size();) {
      const Fragment* best = nullptr;
      for (size_t id : FByFirst[static_cast<unsigned char>(host[pos])]) {
        const Fragment& f = FFragments[id];
        if ((best == nullptr || f.Text.size() > best->Text.size()) &&
            MatchesLabelsAt(host, pos, f.Text))
          best = &f;
      }
      if (best != nullptr) return best->Category;
      pos = host.find('.', pos);
      if (pos == std::string_view::npos) break;
      ++pos;
    }
    return kCatOther;
  }

 private:
  std::vector<Fragment> FFragments;
  std::array<std::vector<size_t>, 256> FByFirst;
};

const TSiteIndex& SiteIndex() {
  static const TSiteIndex index;
  return index;
}

// Engines whose result pages carry the search text, in the order they are
// tried, with the query parameters to read (first usable one wins).
struct TKeywordRule {
  std::vector<const char*> Hosts;
  std::vector<const char*> Params;
};

const std::vector<TKeywordRule>& KeywordRules() {
  static const std::vector<TKeywordRule> rules = {
      {{"baidu.com"}, {"wd", "word"}},
      {{"sogou.com"}, {"query", "keyword"}},
      {{"yandex."}, {"text"}},
      {{"yahoo."}, {"p"}},
      {{"google.", "bing.com", "so.com", "duckduckgo", "sm.cn", "naver.com"}, {"q"}},
  };
  return rules;
}

constexpr size_t kKeywordMaxUnits = 60;

}  // namespace

int KeywordRuleOf(const std::string& host) {
  if (host.empty()) return -1;
  const auto& rules = KeywordRules();
  for (size_t r = 0; r < rules.size(); ++r)
    for (const char* h : rules[r].Hosts)
      if (HostHasLabels(host, h)) return static_cast<int>(r);
  return -1;
}

std::string KeywordByRule(int rule, const std::string& url) {
  if (rule < 0 || static_cast<size_t>(rule) >= KeywordRules().size()) return std::string();
  for (const char* name : KeywordRules()[rule].Params) {
    std::string v = GetQueryParam(url, name);
    if (v.empty() || v.find("://") != std::string::npos) continue;
    if (LowerAscii(v.substr(0, 4)) == "www.") continue;  // a typed address, not a search
    // A surrogate pair straddling the cut is dropped whole.
    if (Utf16Length(v) > kKeywordMaxUnits) v = Utf16Left(v, kKeywordMaxUnits);
    return v;
  }
  return std::string();
}

// The category of a visit depends on its host alone: intranet by the
// registrable domain, otherwise by the site fragments in the host.
int CategoryIndexOfHost(const std::string& domain, const std::string& host) {
  if (IsIntranetHost(domain)) return kCatIntranet;
  return SiteIndex().CategoryOfHost(host);
}

bool IsIntranetHost(const std::string& host) {
  const std::string s = LowerAscii(Trim(host));
  if (s.empty()) return false;
  if (s.find(".local") != std::string::npos || EndsWith(s, ".lan") ||
      s.find(".internal") != std::string::npos || s.find(".corp") != std::string::npos ||
      s.find('.') == std::string::npos)
    return true;
  if (!IsIPv4Host(s)) return false;
  // 172.16.0.0/12 is 172.16. to 172.31.; a bare "172.2" prefix would also
  // claim public addresses such as 172.217.x.x.
  static const char* const prefixes[] = {
      "10.", "127.", "192.168.", "169.254.", "172.16.", "172.17.", "172.18.", "172.19.",
      "172.20.", "172.21.", "172.22.", "172.23.", "172.24.", "172.25.", "172.26.", "172.27.",
      "172.28.", "172.29.", "172.30.", "172.31."};
  for (const char* p : prefixes)
    if (StartsWith(s, p)) return true;
  return false;
}

bool MatchesLabelsAt(std::string_view host, size_t pos, std::string_view pattern) {
  if (pattern.empty() || pos > host.size() || host.size() - pos < pattern.size()) return false;
  if (pos > 0 && host[pos - 1] != '.') return false;
  if (host.compare(pos, pattern.size(), pattern) != 0) return false;
  const size_t end = pos + pattern.size();
  return end == host.size() || host[end] == '.' || pattern.back() == '.';
}

bool HostHasLabels(std::string_view host, std::string_view pattern) {
  for (size_t pos = 0;; ++pos) {
    if (MatchesLabelsAt(host, pos, pattern)) return true;
    pos = host.find('.', pos);
    if (pos == std::string_view::npos) return false;
  }
}

bool MatchAny(const std::string& host, const std::vector<std::string>& patterns) {
  const std::string h = LowerAscii(host);
  for (const auto& p : patterns)
    if (HostHasLabels(h, p)) return true;
  return false;
}

int CategoryIndexOf(const std::string& domain, const std::string& url) {
  return CategoryIndexOfHost(domain, ExtractHost(url));
}

std::string CategoryOf(const std::string& domain, const std::string& url) {
  return CategoryNames[CategoryIndexOf(domain, url)];
}

std::string ExtractKeywordText(const std::string& url) {
  return KeywordByRule(KeywordRuleOf(ExtractHost(url)), url);
}
