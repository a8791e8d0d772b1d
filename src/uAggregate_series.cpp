// The analyzer's chart series: compact JSON arrays for the reports.
#include <string>
#include <unordered_map>
#include <vector>

#include "uAggregate.h"

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
