// Statistics over the sorted visit list: totals, heat grid, days, top
// domains/pages/keywords, site categories, browsers, and their JSON series.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "uTypes.h"
#include "uUtil.h"

extern const char* const WeekdayNames[7];  // 0 = Sunday
// "" outside 0..6.
std::string WeekdayName(int index);

// ---- Site categories -------------------------------------------------------
enum : int {
  kCatSearch = 0,
  kCatVideo = 1,
  kCatSocial = 2,
  kCatShopping = 3,
  kCatDev = 4,
  kCatNews = 5,
  kCatMail = 6,
  kCatDrive = 7,
  kCatOther = 8,
  kCatIntranet = 9,
  kCategoryCount = 10,
};
extern const char* const CategoryNames[kCategoryCount];
extern const char* const CategoryColors[kCategoryCount];
// Colour of the category named exactly `name`; the intranet colour otherwise.
std::string CategoryColor(const std::string& name);

// One list of lower-case site fragments. A fragment matches a host at label
// boundaries only: it starts at the host's start or right after a ".", and
// ends at the host's end or right before a "." (or itself ends with ".").
// Of all matches the one starting furthest left decides, then the longer
// fragment, then the earlier list in SitePatternLists() order.
struct TSitePatterns {
  int Category;  // index into CategoryNames
  std::vector<std::string> Patterns;
};
const std::vector<TSitePatterns>& SitePatternLists();

// Private networks, link-local and loopback addresses, and host names that
// only make sense inside a local network (no dot, .local, .lan, ...).
bool IsIntranetHost(const std::string& host);
// True when `pattern` matches the lower-case `host` at label boundaries
// starting at byte `pos` / anywhere in it.
bool MatchesLabelsAt(std::string_view host, size_t pos, std::string_view pattern);
bool HostHasLabels(std::string_view host, std::string_view pattern);
// True when a fragment of `patterns` matches `host` at label boundaries.
bool MatchAny(const std::string& host, const std::vector<std::string>& patterns);
// Category of a visit from its registrable domain ("(本地/其他)" when it has
// none, which is intranet) and the host of its address: an index into
// CategoryNames, or its name.
int CategoryIndexOf(const std::string& domain, const std::string& url);
// The same from the lower-case host of the address (as ExtractHost gives
// it), for callers that meet many addresses of one host.
int CategoryIndexOfHost(const std::string& domain, const std::string& host);
std::string CategoryOf(const std::string& domain, const std::string& url);

// ---- Search keywords -------------------------------------------------------
// The search text of a search-result address (at most 60 UTF-16 units), or
// empty when the address is not a search of a known engine.
std::string ExtractKeywordText(const std::string& url);
// The same in two steps, for callers that meet many addresses of one host:
// the engine rule of a lower-case host (as ExtractHost gives it), -1 when
// it is no known engine's; then the search text of an address of that host
// under that rule (the first of the rule's parameters with a usable value;
// empty for -1).
int KeywordRuleOf(const std::string& host);
std::string KeywordByRule(int rule, const std::string& url);

// Domain under which visits without a host are counted.
extern const char* const kLocalDomain;

class TAnalyzer {
 public:
  TAnalyzer() = default;
  // One pass over the list (sorted newest first by the caller). Visits with
  // a time <= 0 are ignored.
  void Analyze(const THistoryList& list);

  int32_t Total() const { return FTotal; }
  int32_t ActiveDays() const { return FActiveDays; }
  int64_t Earliest() const { return FEarliest; }
  int64_t Latest() const { return FLatest; }
  int32_t UniqueUrls() const { return FUrls.Count(); }
  int32_t UniqueDomains() const { return FDomains.Count(); }
  int32_t PeakDay() const { return FPeakDay; }
  int32_t PeakHour() const { return FPeakHour; }
  int32_t PeakCount() const { return FPeakCount; }

  // Chart series: compact JSON arrays (no spaces). n <= 0 means all entries.
  std::string HeatJson() const;
  std::string DaysJson() const;
  std::string DomainsJson(int n) const;
  std::string PagesJson(int n) const;
  std::string KeywordsJson(int n) const;
  std::string CatsJson() const;
  std::string BrowsersJson() const;

 private:
  class TPass;  // the state and steps of one Analyze call
  void FindPeak();

  int32_t FHeat[7 * 24] = {};
  std::map<std::string, int32_t> FDays;  // "yyyy-mm-dd" -> visits
  TCounters FDomains;
  TCounters FUrls;
  // Address spellings with a title, in the list order of their first titled
  // visit, each with that visit's title. An address's title is the one of
  // its first spelling here (its newest titled visit); PagesJson looks up
  // the few addresses it shows rather than every address getting a table
  // entry with a folded key.
  std::vector<std::pair<TSharedText, TSharedText>> FUrlTitles;
  TCounters FKeywords;
  TCounters FCategories;
  TCounters FBrowsers;
  int32_t FTotal = 0;
  int32_t FActiveDays = 0;
  int32_t FPeakDay = 0;
  int32_t FPeakHour = 0;
  int32_t FPeakCount = 0;
  int64_t FEarliest = 0;
  int64_t FLatest = 0;
};
