#include "uAggregate.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "uPlatform.h"

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

namespace {

// The category of a visit depends on its host alone (lower case, as
// ExtractHost gives it): intranet by the registrable domain, otherwise by
// the site fragments in the host.
int CategoryOfHost(const std::string& host, const std::string& domain) {
  if (IsIntranetHost(domain)) return kCatIntranet;
  return SiteIndex().CategoryOfHost(host);
}

}  // namespace

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
  return CategoryOfHost(ExtractHost(url), domain);
}

std::string CategoryOf(const std::string& domain, const std::string& url) {
  return CategoryNames[CategoryIndexOf(domain, url)];
}

std::string ExtractKeywordText(const std::string& url) {
  return KeywordByRule(KeywordRuleOf(ExtractHost(url)), url);
}

// ---- Analysis ----------------------------------------------------------------

namespace {

// Counts by exact spelling in first-seen order. Handing the totals to a
// TCounters in that order leaves it exactly as if it had been fed visit by
// visit (it keeps the first spelling of each case-insensitive key), while
// the per-visit work is a plain hash lookup.
class TTally {
 public:
  int32_t Slot(const std::string& key) {
    auto it = FIndex.find(key);
    if (it != FIndex.end()) return it->second;
    int32_t slot = static_cast<int32_t>(FKeys.size());
    FIndex.emplace(key, slot);
    FKeys.push_back(key);
    FCounts.push_back(0);
    return slot;
  }
  void Add(int32_t slot, int32_t n) { FCounts[slot] += n; }
  void FlushTo(TCounters& dst) const {
    for (size_t i = 0; i < FKeys.size(); ++i)
      if (FCounts[i] != 0) dst.IncValue(FKeys[i], FCounts[i]);
  }

 private:
  std::unordered_map<std::string, int32_t> FIndex;
  std::vector<std::string> FKeys;
  std::vector<int32_t> FCounts;
};

struct THostSlot {
  int32_t Domain;
  int KeywordRule;  // -1 = not a search engine
  int8_t Category;
};


// The address spellings met in one pass, in order of first visit, with
// their visits counted (what follows from an address alone, its domain,
// category and keyword, is worked out once per entry after the pass).
// The readers give all visits of one address the same stored text, and the
// stored text remembers the position of its entry (TSharedText::Memo): a
// visit finds its entry with one look at the text's header, which is read
// ahead anyway. Only a text not met before in this pass is hashed and
// compared, and spellings held in several stored copies (an address in two
// browser profiles) still come to one entry.
class TUrlTable {
 public:
  struct Entry {
    const TSharedText* Text;   // the first visit's address; valid during the pass
    const void* Identity;      // its stored text, kept here so that a later visit of the same
                               // stored text is recognised without reading that record
    const TSharedText* Title;  // of the first titled visit of this spelling
    int32_t TitleSeq;          // list position of that visit
    int32_t Count;
  };

  TUrlTable() : FByText(1024, TTextSlot{0, -1}) {}

  // Once the text's header is cached: brings in the entry it remembers.
  void PrefetchEntry(const TSharedText& text) const {
    const uint32_t memo = text.Memo();
    if (memo < FEntries.size()) PrefetchRead(&FEntries[memo]);
  }

  // A text that remembers no entry of this pass is looked up by its hash in
  // a table far larger than the caches: once its characters are near, this
  // hashes it and starts loading its slot, for Find to use. `hash` is left
  // kNoHash when the text's remembered entry is likely to serve.
  static constexpr uint64_t kNoHash = 0;
  void PrefetchSlot(const TSharedText& text, uint64_t& hash) const {
    hash = kNoHash;
    if (text.Identity() == nullptr || text.Memo() < FEntries.size()) return;
    hash = HashOf(text) | 1;  // never kNoHash
    PrefetchRead(&FByText[hash & (FByText.size() - 1)]);
  }

  // The place of the entry of `text`; a new one has Count 0 and sets
  // `added`. `hash`: what PrefetchSlot gave for this text, or kNoHash.
  int32_t Find(const TSharedText& text, bool& added, uint64_t hash = kNoHash) {
    added = false;
    if (text.Identity() == nullptr) {  // the empty text
      if (FEmpty < 0) FEmpty = FindText(text, added, kNoHash);
      return FEmpty;
    }
    // A remembered position is this pass's when its entry holds the same
    // stored text, or another copy of the same spelling.
    const uint32_t memo = text.Memo();
    if (memo < FEntries.size()) {
      const Entry& e = FEntries[memo];
      if (e.Identity == text.Identity() || e.Text->str() == text.str())
        return static_cast<int32_t>(memo);
    }
    const int32_t index = FindText(text, added, hash);
    text.SetMemo(static_cast<uint32_t>(index));
    return index;
  }
  Entry& At(int32_t index) { return FEntries[static_cast<size_t>(index)]; }
  // Room for `count` addresses, so that the tables are not rebuilt as they
  // grow.
  void Reserve(size_t count) {
    FEntries.reserve(count);
    size_t slots = FByText.size();
    while (slots < 2 * count) slots *= 2;
    if (slots > FByText.size()) FByText.assign(slots, TTextSlot{0, -1});
  }
  void PrefetchAt(int32_t index) const { PrefetchRead(&FEntries[static_cast<size_t>(index)]); }

  // The entries in order of first visit.
  const std::vector<Entry>& InOrder() const { return FEntries; }

 private:
  struct TTextSlot {
    uint64_t Hash;
    int32_t Index;  // -1: free
  };

  static uint64_t HashOf(const std::string& s) { return std::hash<std::string_view>()(s) | 1; }

  int32_t FindText(const TSharedText& text, bool& added, uint64_t known = kNoHash) {
    const std::string& s = text;
    const uint64_t hash = known != kNoHash ? known : HashOf(s);
    size_t mask = FByText.size() - 1;
    size_t i = hash & mask;
    for (; FByText[i].Index >= 0; i = (i + 1) & mask) {
      const TTextSlot& t = FByText[i];
      if (t.Hash == hash && FEntries[t.Index].Text->str() == s) return t.Index;
    }
    if (2 * (FEntries.size() + 1) > FByText.size()) {
      GrowTexts();
      mask = FByText.size() - 1;
      i = hash & mask;
      while (FByText[i].Index >= 0) i = (i + 1) & mask;
    }
    const int32_t index = static_cast<int32_t>(FEntries.size());
    FByText[i] = TTextSlot{hash, index};
    FEntries.push_back(Entry{&text, text.Identity(), nullptr, -1, 0});
    added = true;
    return index;
  }

  void GrowTexts() {
    std::vector<TTextSlot> old(FByText.size() * 2, TTextSlot{0, -1});
    old.swap(FByText);
    const size_t mask = FByText.size() - 1;
    for (const TTextSlot& t : old) {
      if (t.Index < 0) continue;
      size_t i = t.Hash & mask;
      while (FByText[i].Index >= 0) i = (i + 1) & mask;
      FByText[i] = t;
    }
  }

  std::vector<Entry> FEntries;
  std::vector<TTextSlot> FByText;  // size a power of two, at most half used
  int32_t FEmpty = -1;
};

// Local instants inside this window are shown with their own UTC offset
// (UnixToLocal falls back to UTC figures outside 1990..2100), so a local
// day with one offset throughout can be cached as a range of Unix seconds.
constexpr int64_t kCacheFrom = 631152000LL + 2 * 86400;  // 1990-01-03 UTC
constexpr int64_t kCacheTo = kUnix2100 + 362 * 86400;     // 2100-12-29 UTC

}  // namespace

void TAnalyzer::Analyze(const THistoryList& list) {
  std::fill(std::begin(FHeat), std::end(FHeat), 0);
  FTotal = 0;
  FPeakCount = 0;
  FEarliest = 0;
  FLatest = 0;

  const THistoryArray& items = list.Items();
  const int32_t n = list.Count();

  TUrlTable urls;
  TTally domains, keywords, browsers;

  // Host -> what depends on the host alone; far fewer hosts than addresses.
  std::unordered_map<std::string, int32_t> hostIndex;
  std::vector<THostSlot> hosts;
  auto HostSlot = [&](const std::string& host) -> const THostSlot& {
    auto it = hostIndex.find(host);
    if (it != hostIndex.end()) return hosts[it->second];
    std::string domain = RegistrableDomain(host);
    if (domain.empty()) domain = kLocalDomain;
    hostIndex.emplace(host, static_cast<int32_t>(hosts.size()));
    hosts.push_back(THostSlot{domains.Slot(domain), KeywordRuleOf(host),
                              static_cast<int8_t>(CategoryOfHost(host, domain))});
    return hosts.back();
  };
  int32_t catCounts[kCategoryCount] = {};

  // A record whose reader numbered its address finds the address's entry
  // by that number, in a table small enough for the caches, once the
  // address's first visit has put it there: its stored text is not loaded
  // again. Other records go by the memo kept with their stored text.
  std::vector<int32_t> byAddress(list.AddressCount(), -1);
  urls.Reserve(byAddress.size());
  auto knownEntry = [&](const THistoryRecord& r) {
    return r.Address < byAddress.size() ? byAddress[r.Address] : -1;
  };

  // Address lookups run ahead of their use: the stored text of the visit
  // 2 * kAhead on, then the entry it remembers. Records are sorted by time,
  // not by where their addresses' entries live, so without this the pass
  // waits on memory at every visit. The characters are needed only on a
  // first visit, but which visit that is shows only at the lookup: they are
  // loaded ahead for every visit whose entry is not known by number.
  // A first visit's text is hashed kHashAhead visits on, once its
  // characters are near, and its slot in the table of texts loaded.
  constexpr int32_t kAhead = 8, kHashAhead = 4;
  uint64_t hashes[kHashAhead] = {};
  auto prefetchSlot = [&](const THistoryRecord& r, uint64_t& hash) {
    hash = TUrlTable::kNoHash;
    if (knownEntry(r) < 0) urls.PrefetchSlot(r.Url, hash);
  };
  auto addressPass = [&]() {
    for (int32_t i = 0; i < n && i < kHashAhead; ++i) prefetchSlot(items[i], hashes[i]);
    for (int32_t i = 0; i < n; ++i) {
      if (i + 2 * kAhead < n && knownEntry(items[i + 2 * kAhead]) < 0)
        items[i + 2 * kAhead].Url.PrefetchHeader();
      if (i + kAhead < n) {
        const THistoryRecord& next = items[i + kAhead];
        const int32_t known = knownEntry(next);
        if (known >= 0) {
          urls.PrefetchAt(known);
        } else {
          urls.PrefetchEntry(next.Url);
          next.Url.PrefetchChars();
        }
      }
      uint64_t& hashSlot = hashes[i % kHashAhead];
      const uint64_t hash = hashSlot;
      if (i + kHashAhead < n) prefetchSlot(items[i + kHashAhead], hashSlot);

      const THistoryRecord& rec = items[i];
      if (rec.VisitUnix <= 0) continue;
      int32_t index = knownEntry(rec);
      if (index < 0) {
        bool added;
        index = urls.Find(rec.Url, added, hash);
        if (rec.Address < byAddress.size()) byAddress[rec.Address] = index;
      }
      TUrlTable::Entry& slot = urls.At(index);
      ++slot.Count;

      if (slot.Title == nullptr && !rec.Title.empty()) {
        slot.Title = &rec.Title;
        slot.TitleSeq = i;
      }
    }
  };
  // What depends on the visits' times and sources alone, beside the
  // addresses (on another processor when there is one).
  auto timePass = [&]() {
    // The current local day: [dayFrom, dayTo) in Unix seconds.
    int64_t dayFrom = 0, dayTo = 0;
    int32_t* dayCount = nullptr;
    int32_t* heatRow = nullptr;
    // Visits of one source come together; several sources may share a name.
    TSourceLabelId lastSource = 0;
    int32_t browserSlot = -1;
    for (int32_t i = 0; i < n; ++i) {
      const THistoryRecord& rec = items[i];
      const int64_t t = rec.VisitUnix;
      if (t <= 0) continue;
      ++FTotal;
      if (FEarliest == 0 || t < FEarliest) FEarliest = t;
      if (t > FLatest) FLatest = t;

      // Local weekday, hour and day; visits come sorted, so a day's figures
      // are computed once and reused for its other visits.
      int hour;
      if (t >= dayFrom && t < dayTo) {
        hour = static_cast<int>((t - dayFrom) / 3600);
      } else {
        const TDateTime d = UnixToLocal(t);
        hour = d.Hour;
        dayCount = &FDays[FormatDate(d)];
        heatRow = &FHeat[DayOfWeek(d) * 24];
        const int64_t from = t - (d.Hour * 3600 + d.Minute * 60 + d.Second);
        // A day on which the zone's rules change is not 24 hours long: its
        // visits are converted one by one.
        const int64_t offset = UtcOffsetAt(t);
        if (from >= kCacheFrom && from + 86400 <= kCacheTo && UtcOffsetAt(from) == offset &&
            UtcOffsetAt(from + 86399) == offset) {
          dayFrom = from;
          dayTo = from + 86400;
        } else {
          dayFrom = dayTo = 0;
        }
      }
      ++heatRow[hour];
      ++*dayCount;

      if (browserSlot < 0 || rec.Source != lastSource) {
        lastSource = rec.Source;
        browserSlot = browsers.Slot(rec.BrowserName());
      }
      browsers.Add(browserSlot, 1);
    }
  };
  if (n >= 65536 && plat::ProcessorCount() > 1) {
    plat::RunTogether({addressPass, timePass});
  } else {
    addressPass();
    timePass();
  }

  // Then by address, in order of first visit: the address counters, and
  // beside them (on another processor when there is one) what follows from
  // each address: its domain, keyword and category, counted once for all
  // its visits. Domains and keywords are met in the same order as visit by
  // visit, so their tallies come out the same.
  const std::vector<TUrlTable::Entry>& order = urls.InOrder();
  // Both passes meet the texts in no order of memory: the record, the
  // stored text's header, then its characters, loaded some entries ahead.
  auto readAhead = [&](size_t k) {
    if (k + 24 < order.size()) PrefetchRead(order[k + 24].Text);
    if (k + 20 < order.size()) order[k + 20].Text->PrefetchHeaderToRead();
    if (k + 16 < order.size()) order[k + 16].Text->PrefetchChars();
  };
  // An address keeps the title of its first titled visit in list order (the
  // newest one with a title), whichever of its spellings that visit used:
  // the titled spellings go into FUrlTitles in the order of those visits.
  // They are gathered with the address counters, which have just loaded
  // the same stored texts and raise their counts too (no other thread may
  // touch those counts meanwhile).
  const size_t titlesFrom = FUrlTitles.size();
  auto countAddresses = [&]() {
    FUrls.Reserve(static_cast<size_t>(FUrls.Count()) + order.size());
    FUrlTitles.reserve(titlesFrom + order.size());
    std::vector<int32_t> titleSeqs;
    titleSeqs.reserve(order.size());
    // Each address is folded and hashed kKeysAhead entries before it is
    // counted, when its characters have arrived, so that its bucket is
    // loaded by then too.
    constexpr size_t kKeysAhead = 8;
    TCounters::TPrepared prepared[kKeysAhead];
    for (size_t k = 0; k < order.size() && k < kKeysAhead; ++k)
      FUrls.Prepare(*order[k].Text, prepared[k]);
    for (size_t k = 0; k < order.size(); ++k) {
      readAhead(k);
      if (k + 16 < order.size() && order[k + 16].Title != nullptr)
        PrefetchRead(order[k + 16].Title);
      if (k + 8 < order.size() && order[k + 8].Title != nullptr)
        order[k + 8].Title->PrefetchHeader();
      const TUrlTable::Entry& e = order[k];
      TCounters::TPrepared& p = prepared[k % kKeysAhead];
      FUrls.IncValue(*e.Text, p, e.Count);
      if (k + kKeysAhead < order.size()) FUrls.Prepare(*order[k + kKeysAhead].Text, p);
      if (e.Title != nullptr) {
        FUrlTitles.emplace_back(*e.Text, *e.Title);
        titleSeqs.push_back(e.TitleSeq);
      }
    }
    // Most addresses have their title from their first visit on: the titles
    // are then in order already. (No two share a visit, so the order is one.)
    if (!std::is_sorted(titleSeqs.begin(), titleSeqs.end())) {
      std::vector<size_t> byVisit(titleSeqs.size());
      for (size_t i = 0; i < byVisit.size(); ++i) byVisit[i] = i;
      std::sort(byVisit.begin(), byVisit.end(),
                [&](size_t a, size_t b) { return titleSeqs[a] < titleSeqs[b]; });
      std::vector<std::pair<TSharedText, TSharedText>> sorted;
      sorted.reserve(byVisit.size());
      for (size_t i : byVisit) sorted.push_back(std::move(FUrlTitles[titlesFrom + i]));
      std::move(sorted.begin(), sorted.end(),
                FUrlTitles.begin() + static_cast<std::ptrdiff_t>(titlesFrom));
    }
  };
  auto addressFacts = [&]() {
    for (size_t k = 0; k < order.size(); ++k) {
      readAhead(k);
      const TUrlTable::Entry& e = order[k];
      const std::string& url = *e.Text;
      const THostSlot& host = HostSlot(ExtractHost(url));
      domains.Add(host.Domain, e.Count);
      if (host.KeywordRule >= 0) {
        const std::string text = KeywordByRule(host.KeywordRule, url);
        if (!text.empty()) keywords.Add(keywords.Slot(text), e.Count);
      }
      catCounts[host.Category] += e.Count;
    }
  };
  if (order.size() >= 4096 && plat::ProcessorCount() > 1)
    plat::RunTogether({countAddresses, addressFacts});
  else {
    countAddresses();
    addressFacts();
  }
  domains.FlushTo(FDomains);
  for (int c = 0; c < kCategoryCount; ++c)
    if (catCounts[c] != 0) FCategories.IncValue(CategoryNames[c], catCounts[c]);
  browsers.FlushTo(FBrowsers);
  keywords.FlushTo(FKeywords);

  FActiveDays = static_cast<int32_t>(FDays.size());

  // Strictly greater: ties go to the earlier weekday (Sunday first), then hour.
  for (int w = 0; w < 7; ++w)
    for (int h = 0; h < 24; ++h)
      if (FHeat[w * 24 + h] > FPeakCount) {
        FPeakCount = FHeat[w * 24 + h];
        FPeakDay = w;
        FPeakHour = h;
      }
}

// ---- Chart series ----------------------------------------------------------------

namespace {

void AppendInt(std::string& out, int64_t v) { out += std::to_string(v); }

// [["key",count],...] in top-N order.
std::string PairsJson(const TCounters& table, int n) {
  std::vector<TCounters::Entry> top;
  table.TopN(n, top);
  std::string out = "[";
  for (size_t i = 0; i < top.size(); ++i) {
    if (i > 0) out += ',';
    out += "[\"";
    JsonEscapeTo(out, top[i].first);
    out += "\",";
    AppendInt(out, top[i].second);
    out += ']';
  }
  out += ']';
  return out;
}

// Digits of key[pos, pos + len) as a number; 0 when any is not a digit.
int KeyNumber(const std::string& key, size_t pos, size_t len) {
  if (key.size() < pos + len) return 0;
  int v = 0;
  for (size_t i = pos; i < pos + len; ++i) {
    if (key[i] < '0' || key[i] > '9') return 0;
    v = v * 10 + (key[i] - '0');
  }
  return v;
}

}  // namespace

std::string TAnalyzer::HeatJson() const {
  std::string out = "[";
  for (int w = 0; w < 7; ++w) {
    if (w > 0) out += ',';
    out += '[';
    for (int h = 0; h < 24; ++h) {
      if (h > 0) out += ',';
      AppendInt(out, FHeat[w * 24 + h]);
    }
    out += ']';
  }
  out += ']';
  return out;
}

std::string TAnalyzer::DaysJson() const {
  const size_t days = FDays.size();
  const int64_t bucket = days <= 150 ? 1 : days <= 800 ? 7 : 30;

  // Keys come in calendar order, so buckets are met in index order: each is
  // written when the next one starts. Empty buckets never get a label.
  std::string out = "[";
  bool haveBase = false, open = false;
  int64_t base = 0, current = 0;
  std::string label;
  int64_t sum = 0;
  auto flush = [&]() {
    if (!open) return;
    if (out.size() > 1) out += ',';
    out += "[\"" + label + "\",";
    AppendInt(out, sum);
    out += ']';
  };
  for (const auto& [key, count] : FDays) {
    const int y = KeyNumber(key, 0, 4), m = KeyNumber(key, 5, 2), d = KeyNumber(key, 8, 2);
    if (!IsValidDate(y, m, d)) continue;
    const int64_t day = DaysFromCivil(y, m, d);
    if (!haveBase) {
      base = day;
      haveBase = true;
    }
    const int64_t k = (day - base) / bucket;
    if (!open || k != current) {
      flush();
      open = true;
      current = k;
      label = key;
      sum = 0;
    }
    sum += count;
  }
  flush();
  out += ']';
  return out;
}

std::string TAnalyzer::DomainsJson(int n) const { return PairsJson(FDomains, n); }
std::string TAnalyzer::KeywordsJson(int n) const { return PairsJson(FKeywords, n); }
std::string TAnalyzer::BrowsersJson() const { return PairsJson(FBrowsers, 0); }

std::string TAnalyzer::PagesJson(int n) const {
  std::vector<TCounters::Entry> top;
  FUrls.TopN(n, top);
  // Each address shown gets the title of its first titled spelling.
  std::vector<std::string> folded;
  std::unordered_map<std::string, const TSharedText*> titles;
  for (const TCounters::Entry& e : top) {
    folded.push_back(FoldCase(e.first));
    titles.emplace(folded.back(), nullptr);
  }
  size_t open = titles.size();
  for (size_t k = 0; k < FUrlTitles.size() && open > 0; ++k) {
    auto it = titles.find(FoldCase(FUrlTitles[k].first));
    if (it != titles.end() && it->second == nullptr) {
      it->second = &FUrlTitles[k].second;
      --open;
    }
  }
  std::string out = "[";
  for (size_t i = 0; i < top.size(); ++i) {
    if (i > 0) out += ',';
    out += "[\"";
    JsonEscapeTo(out, top[i].first);
    out += "\",\"";
    const TSharedText* title = titles[folded[i]];
    if (title != nullptr) JsonEscapeTo(out, *title);
    out += "\",";
    AppendInt(out, top[i].second);
    out += ']';
  }
  out += ']';
  return out;
}

std::string TAnalyzer::CatsJson() const {
  std::vector<TCounters::Entry> top;
  FCategories.TopN(0, top);
  std::string out = "[";
  for (size_t i = 0; i < top.size(); ++i) {
    if (i > 0) out += ',';
    out += "[\"";
    JsonEscapeTo(out, top[i].first);
    out += "\",";
    AppendInt(out, top[i].second);
    out += ",\"" + CategoryColor(top[i].first) + "\"]";
  }
  out += ']';
  return out;
}
