// Statistics over the sorted visit list: totals, heat grid, days, top
// domains/pages/keywords, site categories, browsers, and their JSON series.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "uTypes.h"
#include "uUtil.h"

extern const char* const WeekdayNames[7];
std::string WeekdayName(int index);

extern const char* const CategoryNames[10];
extern const char* const CategoryColors[10];
std::string CategoryColor(const std::string& name);
bool IsIntranetHost(const std::string& host);
// Category of a visit from its registrable domain and address.
std::string CategoryOf(const std::string& domain, const std::string& url);
// The search keyword of a search-result address, or empty.
std::string ExtractKeywordText(const std::string& url);

class TAnalyzer {
 public:
  TAnalyzer();
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

  std::string HeatJson() const;
  std::string DaysJson() const;
  std::string DomainsJson(int n) const;
  std::string PagesJson(int n) const;
  std::string KeywordsJson(int n) const;
  std::string CatsJson() const;
  std::string BrowsersJson() const;

 private:
  int32_t FHeat[7 * 24] = {};
  std::map<std::string, int32_t> FDays;  // "yyyy-mm-dd" -> visits
  TCounters FDomains;
  TCounters FUrls;
  std::unordered_map<std::string, std::string> FUrlTitles;  // folded url -> title
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
