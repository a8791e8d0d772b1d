// The statistics pass over the sorted visit list: the visits are counted by
// address and by time, then each distinct address once for its counters,
// domain, search keyword and category.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "uAggregate.h"
#include "uPlatform.h"

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

// Runs both tasks side by side when there is enough work to pay for a
// thread and a second processor to run it; otherwise one after the other.
void RunBoth(bool worthThreads, const std::function<void()>& first,
             const std::function<void()>& second) {
  if (worthThreads && plat::ProcessorCount() > 1) {
    plat::RunTogether({first, second});
  } else {
    first();
    second();
  }
}

}  // namespace

// The state of one Analyze call and its steps. What is met per spelling,
// host or source is tallied here in first-seen order and handed to the
// analyzer's counters at the end; the rest goes straight to the analyzer.
// Steps that run side by side write disjoint state.
class TAnalyzer::TPass {
 public:
  TPass(TAnalyzer& out, const THistoryList& list);

  void CountVisitsByAddress();
  void CountVisitTimes();
  // Distinct addresses met by CountVisitsByAddress.
  size_t AddressCount() const { return FAddressTable.InOrder().size(); }
  void CountAddresses();
  void CountAddressFacts();
  void FlushTallies();

 private:
  // The address entry of a record whose reader numbered its address and
  // whose address has been met; -1 otherwise.
  int32_t KnownEntry(const THistoryRecord& r) const {
    return r.Address < FByAddress.size() ? FByAddress[r.Address] : -1;
  }
  void PrefetchSlot(const THistoryRecord& r, uint64_t& hash) const {
    hash = TUrlTable::kNoHash;
    if (KnownEntry(r) < 0) FAddressTable.PrefetchSlot(r.Url, hash);
  }
  void SortTitlesByVisit(size_t titlesFrom, const std::vector<int32_t>& titleSeqs);
  const THostSlot& HostSlot(const std::string& host);

  TAnalyzer& FOut;
  const THistoryArray& FItems;
  const int32_t FCount;
  TUrlTable FAddressTable;
  // Address number -> entry in FAddressTable, once the address is met.
  std::vector<int32_t> FByAddress;
  TTally FDomainTally, FKeywordTally, FBrowserTally;
  // Host -> what depends on the host alone; far fewer hosts than addresses.
  std::unordered_map<std::string, int32_t> FHostIndex;
  std::vector<THostSlot> FHosts;
  int32_t FCategoryCounts[kCategoryCount] = {};
};

// A record whose reader numbered its address finds the address's entry by
// that number, in a table small enough for the caches, once the address's
// first visit has put it there: its stored text is not loaded again. Other
// records go by the memo kept with their stored text.
TAnalyzer::TPass::TPass(TAnalyzer& out, const THistoryList& list)
    : FOut(out), FItems(list.Items()), FCount(list.Count()), FByAddress(list.AddressCount(), -1) {
  FAddressTable.Reserve(FByAddress.size());
}

// Visit by visit: each visit is counted under its address spelling, which
// keeps its first titled visit. Lookups run ahead of their use: the stored
// text of the visit 2 * kAhead on, then the entry it remembers. Records are
// sorted by time, not by where their addresses' entries live, so without
// this the pass waits on memory at every visit. The characters are needed
// only on a first visit, but which visit that is shows only at the lookup:
// they are loaded ahead for every visit whose entry is not known by number.
// A first visit's text is hashed kHashAhead visits on, once its characters
// are near, and its slot in the table of texts loaded.
void TAnalyzer::TPass::CountVisitsByAddress() {
  const THistoryArray& items = FItems;
  const int32_t n = FCount;
  constexpr int32_t kAhead = 8, kHashAhead = 4;
  uint64_t hashes[kHashAhead] = {};
  for (int32_t i = 0; i < n && i < kHashAhead; ++i) PrefetchSlot(items[i], hashes[i]);
  for (int32_t i = 0; i < n; ++i) {
    if (i + 2 * kAhead < n && KnownEntry(items[i + 2 * kAhead]) < 0)
      items[i + 2 * kAhead].Url.PrefetchHeader();
    if (i + kAhead < n) {
      const THistoryRecord& next = items[i + kAhead];
      const int32_t known = KnownEntry(next);
      if (known >= 0) {
        FAddressTable.PrefetchAt(known);
      } else {
        FAddressTable.PrefetchEntry(next.Url);
        next.Url.PrefetchChars();
      }
    }
    uint64_t& hashSlot = hashes[i % kHashAhead];
    const uint64_t hash = hashSlot;
    if (i + kHashAhead < n) PrefetchSlot(items[i + kHashAhead], hashSlot);

    const THistoryRecord& rec = items[i];
    if (rec.VisitUnix <= 0) continue;
    int32_t index = KnownEntry(rec);
    if (index < 0) {
      bool added;
      index = FAddressTable.Find(rec.Url, added, hash);
      if (rec.Address < FByAddress.size()) FByAddress[rec.Address] = index;
    }
    TUrlTable::Entry& slot = FAddressTable.At(index);
    ++slot.Count;

    if (slot.Title == nullptr && !rec.Title.empty()) {
      slot.Title = &rec.Title;
      slot.TitleSeq = i;
    }
  }
}

// What depends on the visits' times and sources alone: the totals, first
// and last visit, heat grid, days and browsers. It needs nothing of the
// addresses, so it runs beside CountVisitsByAddress.
void TAnalyzer::TPass::CountVisitTimes() {
  // Locals, which the loop's stores cannot alias: members would be read
  // again at every visit, from memory the address step keeps writing to.
  const THistoryArray& items = FItems;
  const int32_t n = FCount;
  TAnalyzer& out = FOut;
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
    ++out.FTotal;
    if (out.FEarliest == 0 || t < out.FEarliest) out.FEarliest = t;
    if (t > out.FLatest) out.FLatest = t;

    // Local weekday, hour and day; visits come sorted, so a day's figures
    // are computed once and reused for its other visits.
    int hour;
    if (t >= dayFrom && t < dayTo) {
      hour = static_cast<int>((t - dayFrom) / 3600);
    } else {
      const TDateTime d = UnixToLocal(t);
      hour = d.Hour;
      dayCount = &out.FDays[FormatDate(d)];
      heatRow = &out.FHeat[DayOfWeek(d) * 24];
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
      browserSlot = FBrowserTally.Slot(rec.BrowserName());
    }
    FBrowserTally.Add(browserSlot, 1);
  }
}

namespace {

// The steps over the addresses meet their texts in no order of memory: the
// record, the stored text's header, then its characters, loaded some
// entries ahead.
inline void ReadAddressAhead(const std::vector<TUrlTable::Entry>& order, size_t k) {
  if (k + 24 < order.size()) PrefetchRead(order[k + 24].Text);
  if (k + 20 < order.size()) order[k + 20].Text->PrefetchHeaderToRead();
  if (k + 16 < order.size()) order[k + 16].Text->PrefetchChars();
}

}  // namespace

// Address by address, in order of first visit: the address counters, each
// raised once by all the visits of its spelling. An address keeps the title
// of its first titled visit in list order (the newest one with a title),
// whichever of its spellings that visit used: the titled spellings go into
// FUrlTitles in the order of those visits. They are gathered here, where
// the counters have just loaded the same stored texts; a copy of a text
// raises its count, so the step beside this one copies none.
void TAnalyzer::TPass::CountAddresses() {
  const std::vector<TUrlTable::Entry>& order = FAddressTable.InOrder();
  TCounters& urls = FOut.FUrls;
  std::vector<std::pair<TSharedText, TSharedText>>& urlTitles = FOut.FUrlTitles;
  const size_t titlesFrom = urlTitles.size();
  urls.Reserve(static_cast<size_t>(urls.Count()) + order.size());
  urlTitles.reserve(titlesFrom + order.size());
  std::vector<int32_t> titleSeqs;
  titleSeqs.reserve(order.size());
  // Each address is folded and hashed kKeysAhead entries before it is
  // counted, when its characters have arrived, so that its bucket is loaded
  // by then too.
  constexpr size_t kKeysAhead = 8;
  TCounters::TPrepared prepared[kKeysAhead];
  for (size_t k = 0; k < order.size() && k < kKeysAhead; ++k)
    urls.Prepare(*order[k].Text, prepared[k]);
  for (size_t k = 0; k < order.size(); ++k) {
    ReadAddressAhead(order, k);
    if (k + 16 < order.size() && order[k + 16].Title != nullptr) PrefetchRead(order[k + 16].Title);
    if (k + 8 < order.size() && order[k + 8].Title != nullptr) order[k + 8].Title->PrefetchHeader();
    const TUrlTable::Entry& e = order[k];
    TCounters::TPrepared& p = prepared[k % kKeysAhead];
    urls.IncValue(*e.Text, p, e.Count);
    if (k + kKeysAhead < order.size()) urls.Prepare(*order[k + kKeysAhead].Text, p);
    if (e.Title != nullptr) {
      urlTitles.emplace_back(*e.Text, *e.Title);
      titleSeqs.push_back(e.TitleSeq);
    }
  }
  SortTitlesByVisit(titlesFrom, titleSeqs);
}

// Puts the titled spellings gathered from `titlesFrom` on in the order of
// their titled visits (`titleSeqs`, in the same order). Most addresses have
// their title from their first visit on: the titles are then in order
// already. (No two share a visit, so the order is one.)
void TAnalyzer::TPass::SortTitlesByVisit(size_t titlesFrom,
                                         const std::vector<int32_t>& titleSeqs) {
  if (std::is_sorted(titleSeqs.begin(), titleSeqs.end())) return;
  std::vector<std::pair<TSharedText, TSharedText>>& urlTitles = FOut.FUrlTitles;
  std::vector<size_t> byVisit(titleSeqs.size());
  for (size_t i = 0; i < byVisit.size(); ++i) byVisit[i] = i;
  std::sort(byVisit.begin(), byVisit.end(),
            [&](size_t a, size_t b) { return titleSeqs[a] < titleSeqs[b]; });
  std::vector<std::pair<TSharedText, TSharedText>> sorted;
  sorted.reserve(byVisit.size());
  for (size_t i : byVisit) sorted.push_back(std::move(urlTitles[titlesFrom + i]));
  std::move(sorted.begin(), sorted.end(),
            urlTitles.begin() + static_cast<std::ptrdiff_t>(titlesFrom));
}

// What follows from an address alone: its domain, keyword and category,
// counted once for all its visits. It touches none of what CountAddresses
// does, so the two run side by side. Domains and keywords are met in the
// same order as visit by visit, so their tallies come out the same.
void TAnalyzer::TPass::CountAddressFacts() {
  const std::vector<TUrlTable::Entry>& order = FAddressTable.InOrder();
  for (size_t k = 0; k < order.size(); ++k) {
    ReadAddressAhead(order, k);
    const TUrlTable::Entry& e = order[k];
    const std::string& url = *e.Text;
    const THostSlot& host = HostSlot(ExtractHost(url));
    FDomainTally.Add(host.Domain, e.Count);
    if (host.KeywordRule >= 0) {
      const std::string text = KeywordByRule(host.KeywordRule, url);
      if (!text.empty()) FKeywordTally.Add(FKeywordTally.Slot(text), e.Count);
    }
    FCategoryCounts[host.Category] += e.Count;
  }
}

// What depends on the host alone, worked out at its first address.
const THostSlot& TAnalyzer::TPass::HostSlot(const std::string& host) {
  auto it = FHostIndex.find(host);
  if (it != FHostIndex.end()) return FHosts[it->second];
  std::string domain = RegistrableDomain(host);
  if (domain.empty()) domain = kLocalDomain;
  FHostIndex.emplace(host, static_cast<int32_t>(FHosts.size()));
  FHosts.push_back(THostSlot{FDomainTally.Slot(domain), KeywordRuleOf(host),
                             static_cast<int8_t>(CategoryIndexOfHost(domain, host))});
  return FHosts.back();
}

// Hands the tallies over in first-seen order, which leaves the analyzer's
// counters as visit-by-visit counting would.
void TAnalyzer::TPass::FlushTallies() {
  FDomainTally.FlushTo(FOut.FDomains);
  for (int c = 0; c < kCategoryCount; ++c)
    if (FCategoryCounts[c] != 0) FOut.FCategories.IncValue(CategoryNames[c], FCategoryCounts[c]);
  FBrowserTally.FlushTo(FOut.FBrowsers);
  FKeywordTally.FlushTo(FOut.FKeywords);
}

void TAnalyzer::Analyze(const THistoryList& list) {
  std::fill(std::begin(FHeat), std::end(FHeat), 0);
  FTotal = 0;
  FPeakCount = 0;
  FEarliest = 0;
  FLatest = 0;

  TPass pass(*this, list);
  // The visits first: under their addresses, and beside that by their times
  // and sources, which need nothing of the addresses. A thread pays for
  // itself only on a long list.
  RunBoth(list.Count() >= 65536, [&] { pass.CountVisitsByAddress(); },
          [&] { pass.CountVisitTimes(); });
  // Then each address once, in order of first visit, which is known only
  // when every visit has been met: its counters beside what follows from
  // the address alone. Both only read the address table.
  RunBoth(pass.AddressCount() >= 4096, [&] { pass.CountAddresses(); },
          [&] { pass.CountAddressFacts(); });
  pass.FlushTallies();

  FActiveDays = static_cast<int32_t>(FDays.size());
  FindPeak();
}

// Strictly greater: ties go to the earlier weekday (Sunday first), then hour.
void TAnalyzer::FindPeak() {
  for (int w = 0; w < 7; ++w)
    for (int h = 0; h < 24; ++h)
      if (FHeat[w * 24 + h] > FPeakCount) {
        FPeakCount = FHeat[w * 24 + h];
        FPeakDay = w;
        FPeakHour = h;
      }
}
