// The history query's rows by two table scans: the address table into
// memory, the visits in the window, read from the tables' pages or through
// the engine, on two threads where there are two processors.
#include "uBrowsers_scan.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>
#include <utility>

#include "uPlatform.h"
#include "uUtil.h"

namespace browsers_detail {

// Both tables are ordinary tables with the columns the reading uses, so
// that nothing of the store's own SQL runs in the query. False with the
// source's message; `missing` when a table is simply not there yet.
bool CheckHistoryTables(TSqliteDb& db, const TStoreShape& shape, std::string& errMsg,
                        bool& missing) {
  return db.CheckTable(shape.VisitTable, {shape.VisitRef, shape.VisitTime}, errMsg, &missing) &&
         db.CheckTable(shape.UrlTable, {"id", "url", "title", shape.UrlCount}, errMsg, &missing);
}

TRawWindow RawWindow(int64_t fromUnix, int64_t toUnix, int64_t epochOffset) {
  TRawWindow w;
  w.HasLo = fromUnix > 0;
  w.HasHi = toUnix > 0;
  if (w.HasLo) w.Lo = (fromUnix + epochOffset) * 1000000;
  if (w.HasHi) w.Hi = (toUnix + epochOffset) * 1000000;
  return w;
}

namespace {

// Every address's title waits in memory until its first visit is met, and
// the report keeps 300 characters of it: a store of many long titles (no
// browser writes one of over 4096 characters) must not cost their whole
// size. A title is cut to its first 16384 characters, which cleans to
// the same 300 unless thousands of blanks lead it or a control character
// comes only after the cut.
std::string BoundedTitle(std::string title) {
  constexpr size_t kKeptUnits = 16384;
  if (title.size() > kKeptUnits) title = Utf16Left(title, kKeptUnits);
  return title;
}

// The address row after the last one in `urls`, whose address or title is
// too long to be loaded: appended with the beginnings of both. False when
// it cannot be read so.
bool ReadOversizedUrl(TSqliteDb& db, const TStoreShape& shape, std::vector<TScanUrl>& urls) {
  TSqlStmt stmt = nullptr;
  const std::string after = urls.empty() ? "" : " WHERE id > " + IntToStr(urls.back().Id);
  if (!db.Prepare(std::string("SELECT rowid, id FROM ") + shape.UrlTable + after +
                      " ORDER BY id LIMIT 1",
                  stmt))
    return false;
  const bool row = db.Step(stmt) == kSqliteRow && db.ColType(stmt, 1) == kSqliteInteger;
  const int64_t rowid = row ? db.ColInt(stmt, 0) : 0, id = row ? db.ColInt(stmt, 1) : 0;
  db.Finalize(stmt);
  std::string url, title;
  if (!row || !db.ReadTextPrefix(shape.UrlTable, "url", rowid, url) ||
      !db.ReadTextPrefix(shape.UrlTable, "title", rowid, title))
    return false;
  urls.push_back(TScanUrl{id, std::move(url), BoundedTitle(title), 0});
  return true;
}

// The address rows in id order. False when the engine reports an error.
bool ScanUrls(TSqliteDb& db, const TStoreShape& shape, std::vector<TScanUrl>& urls) {
  TSqlStmt stmt = nullptr;
  int rc;
  // An address or title longer than the engine will load stops the scan
  // with the engine's "too big": that row is taken by the beginnings of its
  // texts, and the scan goes on after it.
  for (;;) {
    const std::string after = urls.empty() ? "" : " WHERE id > " + IntToStr(urls.back().Id);
    if (!db.Prepare(std::string("SELECT id, url, title FROM ") + shape.UrlTable + after +
                        " ORDER BY id",
                    stmt))
      return false;
    while ((rc = db.Step(stmt)) == kSqliteRow) {
      if (db.ColType(stmt, 0) != kSqliteInteger) break;
      urls.push_back(
          TScanUrl{db.ColInt(stmt, 0), db.ColText(stmt, 1), BoundedTitle(db.ColText(stmt, 2)), 0});
    }
    db.Finalize(stmt);
    if (rc != kSqliteTooBig || !ReadOversizedUrl(db, shape, urls)) break;
  }
  return rc == kSqliteDone;
}

// The address rows on the leaves [from, to) of the address table's pages,
// as ScanUrls reads them. False when a row is not as it would read it (an
// address or title that is a number) or the pages cannot be read.
bool ScanUrlLeaves(const TTablePages& pages, size_t from, size_t to,
                   std::vector<TScanUrl>& urls, TTablePages::TRowSpan& span) {
  urls.reserve(pages.RowsOnLeaves(to - from));
  bool plain = true;
  auto text = [&](const TTablePages::TValue& v) {
    if (v.Type == kSqliteNull) return std::string();
    plain = plain && v.Type != kSqliteInteger && v.Type != kSqliteFloat;
    return StoredText(v.Bytes, v.Size);
  };
  const bool read = pages.Scan(from, to, [&](int64_t rowid, const TTablePages::TValue* v) {
    std::string url = text(v[0]);
    urls.push_back(TScanUrl{rowid, std::move(url), BoundedTitle(text(v[1])), 0});
    return plain;
  }, &span);
  return read && plain;
}

// One run's visits, in stored order. They go into a stretch of one table
// that all runs share, made as large as the run's leaves are judged to
// hold, so that the table can later be turned into the visit list where it
// lies; a run that outgrows its stretch (or has none) goes on in a vector
// of its own.
class TVisitRun {
 public:
  void Into(TScanVisit* stretch, size_t room) {
    FAt = stretch;
    FRoom = room;
    FSize = 0;
    FOwn = false;
    std::vector<TScanVisit>().swap(FSpill);
  }
  void push_back(const TScanVisit& v) {
    if (FSize < FRoom)
      FAt[FSize++] = v;
    else
      Spill(v);
  }
  bool InStretch() const { return !FOwn; }
  // The row ids the run's scan of pages passed, kept or not.
  TTablePages::TRowSpan Span;
  const TScanVisit* data() const { return FOwn ? FSpill.data() : FAt; }
  size_t size() const { return FOwn ? FSpill.size() : FSize; }
  // Gives back the memory of a run that went on in a vector of its own.
  void Release() { std::vector<TScanVisit>().swap(FSpill); }

 private:
  void Spill(const TScanVisit& v) {
    if (!FOwn) {
      FSpill.reserve(2 * FSize + 16);
      FSpill.assign(FAt, FAt + FSize);
      FOwn = true;
    }
    FSpill.push_back(v);
  }

  TScanVisit* FAt = nullptr;
  size_t FRoom = 0;
  size_t FSize = 0;
  bool FOwn = false;
  std::vector<TScanVisit> FSpill;
};

// Keeps a visit row of the window: false when the row is not as the
// query would join it (its address or time not an integer).
bool KeepVisitRow(const TStoreShape& shape, const TRawWindow& window, int64_t rowid, int refType,
                  int64_t ref, int timeType, int64_t t, TVisitRun& visits) {
  if (refType == kSqliteNull) return true;  // joins no address
  if (refType != kSqliteInteger || timeType != kSqliteInteger) return false;
  if (shape.PositiveTimesOnly && t <= 0) return true;
  if (window.Holds(t)) visits.push_back(TScanVisit{t, rowid, ref});
  return true;
}

// The visit rows in the window, in stored order, each with its address's
// id; `range`: a condition on the row id that keeps a run of the rows, or
// empty for all. False when a row is not as the query would join it, or
// the engine reports an error.
bool ScanVisits(TSqliteDb& db, const TStoreShape& shape, const TRawWindow& window,
                TVisitRun& visits, const std::string& range = std::string()) {
  TSqlStmt stmt = nullptr;
  if (!db.Prepare(std::string("SELECT rowid, ") + shape.VisitRef + ", " + shape.VisitTime +
                      " FROM " + shape.VisitTable + (range.empty() ? "" : " WHERE " + range),
                  stmt))
    return false;
  int rc;
  bool plain = true;
  while (plain && (rc = db.Step(stmt)) == kSqliteRow) {
    // The types before the values: reading a value may convert it.
    const int refType = db.ColType(stmt, 1), timeType = db.ColType(stmt, 2);
    plain = KeepVisitRow(shape, window, db.ColInt(stmt, 0), refType, db.ColInt(stmt, 1), timeType,
                         db.ColInt(stmt, 2), visits);
  }
  db.Finalize(stmt);
  return plain && rc == kSqliteDone;
}

// The same rows read from the leaves [from, to) of the visits table's
// pages.
bool ScanVisitLeaves(const TTablePages& pages, size_t from, size_t to, const TStoreShape& shape,
                     const TRawWindow& window, TVisitRun& visits) {
  bool plain = true;
  const bool read = pages.Scan(from, to, [&](int64_t rowid, const TTablePages::TValue* v) {
    plain = KeepVisitRow(shape, window, rowid, v[0].Type, v[0].Int, v[1].Type, v[1].Int, visits);
    return plain;
  }, &visits.Span);
  return read && plain;
}

// How many runs ScanHistory reads each table in (of pages, or of row ids).
constexpr int kScanRuns = 16;

// Conditions that split a table by row id into about `parts` runs of equal
// span, in row id order; the first and the last are open, so that every
// row is in exactly one. One empty condition (every row) when the table
// has under two rows or its bounds cannot be read.
std::vector<std::string> RowIdRanges(TSqliteDb& db, const char* table, int parts) {
  TSqlStmt stmt = nullptr;
  int64_t lo = 0, hi = 0;
  bool bounds = false;
  // Each bound in a query of its own: the engine seeks a lone min() or
  // max() of the row id, but scans the whole table for the two together.
  const std::string from = std::string(" FROM ") + table + ")";
  if (db.Prepare("SELECT (SELECT min(rowid)" + from + ", (SELECT max(rowid)" + from, stmt)) {
    bounds = db.Step(stmt) == kSqliteRow && db.ColType(stmt, 0) == kSqliteInteger &&
             db.ColType(stmt, 1) == kSqliteInteger;
    if (bounds) {
      lo = db.ColInt(stmt, 0);
      hi = db.ColInt(stmt, 1);
    }
    db.Finalize(stmt);
  }
  if (!bounds || hi <= lo || parts < 2) return {std::string()};
  std::vector<std::string> ranges;
  int64_t below = 0;
  for (int k = 1; k < parts; ++k) {
    // In floating point, held to [lo, hi]: the span of two row ids far
    // apart does not fit in an integer.
    const double x = static_cast<double>(lo) +
                     (static_cast<double>(hi) - static_cast<double>(lo)) * k / parts;
    const int64_t cut = x <= static_cast<double>(lo)   ? lo
                        : x >= static_cast<double>(hi) ? hi
                                                       : static_cast<int64_t>(x);
    if (k > 1 && cut <= below) continue;
    ranges.push_back(k == 1 ? "rowid <= " + IntToStr(cut)
                            : "rowid > " + IntToStr(below) + " AND rowid <= " + IntToStr(cut));
    below = cut;
  }
  ranges.push_back("rowid > " + IntToStr(below));
  return ranges;
}

// Newest first, equal times by descending row id: one order for any
// order the rows come in, row ids being unique.
bool Newer(const TScanVisit& a, const TScanVisit& b) {
  return a.Time != b.Time ? a.Time > b.Time : a.RowId > b.RowId;
}

// Sorts [first, last) newest first by insertion: quick where every visit
// lies a few places from its own, as in a store written as it browsed.
// False after `budget` moves, the range then still holding the same visits
// but not yet in order.
// The insertion moves a run of `n` visits may take before a full sort is
// cheaper.
size_t SortBudget(size_t n) { return 8 * n + 1024; }

bool SortNearlySorted(TScanVisit* first, TScanVisit* last, size_t budget) {
  for (TScanVisit* i = first + (first < last); i < last; ++i) {
    if (!Newer(*i, *(i - 1))) continue;
    const TScanVisit v = *i;
    TScanVisit* j = i;
    do {
      *j = *(j - 1);
      --j;
      if (--budget == 0) {
        *j = v;
        return false;
      }
    } while (j > first && Newer(v, *(j - 1)));
    *j = v;
  }
  return true;
}

// True when the scans of neighbouring runs met their row ids in order,
// as one scan of a sound table does.
bool RunsInOrder(const std::vector<TTablePages::TRowSpan>& spans) {
  const TTablePages::TRowSpan* last = nullptr;
  for (const TTablePages::TRowSpan& span : spans) {
    if (!span.Any) continue;
    if (last != nullptr && span.First <= last->Last) return false;
    last = &span;
  }
  return true;
}

bool IdsRise(const std::vector<TScanUrl>& urls) {
  for (size_t i = 1; i < urls.size(); ++i)
    if (urls[i].Id <= urls[i - 1].Id) return false;
  return true;
}

// Address ids as places in the address rows: ids are row ids, ascending,
// and dense ones index a table directly.
class TUrlPlaces {
 public:
  explicit TUrlPlaces(const std::vector<TScanUrl>& urls) : FUrls(urls) {
    FDense = !urls.empty() && urls.front().Id >= 0 &&
             urls.back().Id < static_cast<int64_t>(urls.size()) * 4 + 1024;
    if (!FDense) return;
    FDirect.assign(static_cast<size_t>(urls.back().Id) + 1, -1);
    for (size_t i = 0; i < urls.size(); ++i)
      FDirect[static_cast<size_t>(urls[i].Id)] = static_cast<int32_t>(i);
  }
  // The place of address `id`, or -1 when there is no such address.
  int64_t Find(int64_t id) const {
    if (FDense) return id >= 0 && id < static_cast<int64_t>(FDirect.size()) ? FDirect[id] : -1;
    auto it = std::lower_bound(FUrls.begin(), FUrls.end(), id,
                               [](const TScanUrl& u, int64_t v) { return u.Id < v; });
    return it != FUrls.end() && it->Id == id ? it - FUrls.begin() : -1;
  }

 private:
  const std::vector<TScanUrl>& FUrls;
  bool FDense;
  std::vector<int32_t> FDirect;
};

// One reading of the history tables. Both are read from their pages where
// the store allows it, else through the engine; in runs, which the threads
// take in turn (the address runs first), so that neither waits for the
// other. The runs are put together in row id order, as one scan gives
// them. A run of pages that cannot be read, or runs whose row ids do not
// rise from one to the next, send the whole table to the engine.
class THistoryScan {
 public:
  THistoryScan(TSqliteDb& db, TSqliteDb& second, const TStoreShape& shape,
               const TRawWindow& window, const std::function<void(TScanUrl&)>& settle)
      : FDb(db), FSecond(second), FShape(shape), FWindow(window), FSettle(settle),
        FTogether(second.IsOpen()) {}

  // Reads both tables: the address rows into `urls`, the visits into runs.
  // False when the engine reports an error or a row is not as the query
  // would see it.
  bool Read(std::vector<TScanUrl>& urls);
  // The visits read, newest first, their address ids turned into places in
  // `urls`; a visit of no address goes.
  void Place(const std::vector<TScanUrl>& urls, std::vector<TScanVisit>& visits);

 private:
  void Plan();
  void TakeRuns(TSqliteDb& conn);
  void ReadUrlRun(size_t r);
  bool ReadVisitRun(TSqliteDb& conn, size_t v);
  void RunAll();
  bool UrlsByEngine(std::vector<TScanUrl>& urls);
  bool JoinUrlRuns(std::vector<TScanUrl>& urls);
  bool VisitRunsInOrder() const;
  void TurnTable(const TUrlPlaces& places, std::vector<TScanVisit>& visits);
  void CopyRuns(const TUrlPlaces& places, std::vector<TScanVisit>& visits);
  void SortRun(std::vector<TScanVisit>& visits, size_t r);
  void InHalves(const std::function<void(size_t, size_t)>& work) const;

  TSqliteDb& FDb;
  TSqliteDb& FSecond;
  const TStoreShape& FShape;
  const TRawWindow& FWindow;
  const std::function<void(TScanUrl&)>& FSettle;
  const bool FTogether;
  TTablePages FUrlPages, FVisitPages;
  bool FUrlsByPages = false, FVisitsByPages = false;
  std::vector<std::vector<TScanUrl>> FUrlRuns;
  std::vector<TTablePages::TRowSpan> FUrlSpans;
  std::vector<std::string> FRanges;  // the row id conditions of runs through the engine
  std::vector<TVisitRun> FVisitRuns;
  std::vector<TScanVisit> FTable;    // the stretches of the runs read from pages
  std::atomic<size_t> FNextRun{0};
  std::atomic<bool> FUrlsFailed{false}, FVisitsFailed{false};
  // Placing: each run's first place counted from the oldest end, whether
  // the work is split between the threads and where.
  std::vector<size_t> FStarts;
  size_t FTotal = 0, FHalf = 0;
  bool FSplit = false;
  std::atomic<bool> FSorted{true}, FLost{false};
};

void THistoryScan::Plan() {
  auto runsOf = [](const TTablePages& pages) {
    return std::min<size_t>(kScanRuns, pages.LeafCount());
  };
  FUrlRuns.assign(FUrlsByPages ? runsOf(FUrlPages) : 0, {});
  FUrlSpans.assign(FUrlRuns.size(), {});
  FRanges.clear();
  if (!FVisitsByPages)
    FRanges = FTogether ? RowIdRanges(FSecond, FShape.VisitTable, kScanRuns)
                        : std::vector<std::string>{std::string()};
  FVisitRuns.assign(FVisitsByPages ? runsOf(FVisitPages) : FRanges.size(), {});
  std::vector<TScanVisit>().swap(FTable);
  if (FVisitsByPages) {
    const size_t n = FVisitRuns.size(), leaves = FVisitPages.LeafCount();
    std::vector<size_t> from(n + 1, 0);  // each run's stretch: [from[v], from[v + 1])
    for (size_t v = 0; v < n; ++v)
      from[v + 1] = from[v] + FVisitPages.RowsOnLeaves(leaves * (v + 1) / n - leaves * v / n);
    FTable.resize(from[n]);  // left unset: each run writes its own stretch
    for (size_t v = 0; v < n; ++v)
      FVisitRuns[v].Into(FTable.data() + from[v], from[v + 1] - from[v]);
  }
  FNextRun = 0;
}

void THistoryScan::ReadUrlRun(size_t r) {
  const size_t n = FUrlRuns.size(), leaves = FUrlPages.LeafCount();
  if (FUrlsFailed) return;
  if (!ScanUrlLeaves(FUrlPages, leaves * r / n, leaves * (r + 1) / n, FUrlRuns[r], FUrlSpans[r]))
    FUrlsFailed = true;
  else if (FTogether)
    for (TScanUrl& u : FUrlRuns[r]) FSettle(u);
}

bool THistoryScan::ReadVisitRun(TSqliteDb& conn, size_t v) {
  const size_t n = FVisitRuns.size(), leaves = FVisitPages.LeafCount();
  return FVisitsByPages ? ScanVisitLeaves(FVisitPages, leaves * v / n, leaves * (v + 1) / n,
                                          FShape, FWindow, FVisitRuns[v])
                        : ScanVisits(conn, FShape, FWindow, FVisitRuns[v], FRanges[v]);
}

void THistoryScan::TakeRuns(TSqliteDb& conn) {
  for (size_t r; (r = FNextRun++) < FUrlRuns.size() + FVisitRuns.size();) {
    if (r < FUrlRuns.size()) {
      ReadUrlRun(r);
      continue;
    }
    if (FVisitsFailed) break;
    if (!ReadVisitRun(conn, r - FUrlRuns.size())) FVisitsFailed = true;
  }
}

void THistoryScan::RunAll() {
  if (FTogether)
    plat::RunTogether({[&]() { TakeRuns(FDb); }, [&]() { TakeRuns(FSecond); }});
  else
    TakeRuns(FDb);
}

// The addresses through the engine, settled at once when the visits are
// read beside them.
bool THistoryScan::UrlsByEngine(std::vector<TScanUrl>& urls) {
  urls.clear();
  const bool read = ScanUrls(FDb, FShape, urls);
  if (read && FTogether)
    for (TScanUrl& u : urls) FSettle(u);
  return read;
}

// The address runs one after the other. False when they cannot stand for
// the table (a run failed, or row ids do not rise from run to run).
bool THistoryScan::JoinUrlRuns(std::vector<TScanUrl>& urls) {
  if (FUrlsFailed || !RunsInOrder(FUrlSpans)) return false;
  size_t total = 0;
  for (const auto& run : FUrlRuns) total += run.size();
  urls.reserve(total);
  for (auto& run : FUrlRuns) std::move(run.begin(), run.end(), std::back_inserter(urls));
  FUrlRuns.clear();
  return true;
}

bool THistoryScan::VisitRunsInOrder() const {
  std::vector<TTablePages::TRowSpan> spans;
  for (const TVisitRun& run : FVisitRuns) spans.push_back(run.Span);
  return RunsInOrder(spans);
}

bool THistoryScan::Read(std::vector<TScanUrl>& urls) {
  TSqliteDb& schema = FTogether ? FSecond : FDb;
  FUrlsByPages = FUrlPages.Open(schema, FShape.UrlTable, {"url", "title"}) &&
                 SameTextAscii(FUrlPages.RowIdColumn(), "id");
  FVisitsByPages = FVisitPages.Open(schema, FShape.VisitTable, {FShape.VisitRef, FShape.VisitTime});
  Plan();
  bool urlsRead = true;
  if (FUrlsByPages) {
    RunAll();
    if (!JoinUrlRuns(urls)) urlsRead = UrlsByEngine(urls);
    FUrlsByPages = false;
  } else if (FTogether) {
    plat::RunTogether({[&]() {
                         urlsRead = UrlsByEngine(urls);
                         TakeRuns(FDb);
                       },
                       [&]() { TakeRuns(FSecond); }});
  } else {
    urlsRead = UrlsByEngine(urls);
    if (urlsRead) TakeRuns(FDb);
  }
  // Address ids that do not rise (damage the engine's scan passes on as it
  // finds it) leave the query to find each address as it would.
  if (urlsRead && !IdsRise(urls)) return false;
  if (urlsRead && FVisitsByPages && (FVisitsFailed || !VisitRunsInOrder())) {
    FVisitsByPages = false;
    FVisitsFailed = false;
    Plan();
    RunAll();
  }
  return urlsRead && !FVisitsFailed;
}

// Runs [0, FHalf) on one thread and the rest on the other, where the work
// is split; else all on this one.
void THistoryScan::InHalves(const std::function<void(size_t, size_t)>& work) const {
  if (FSplit)
    plat::RunTogether({[&]() { work(0, FHalf); }, [&]() { work(FHalf, FVisitRuns.size()); }});
  else
    work(0, FVisitRuns.size());
}

// Run r's places, newest first: [total - starts[r + 1], total - starts[r]).
void THistoryScan::SortRun(std::vector<TScanVisit>& visits, size_t r) {
  if (FStarts[r + 1] - FStarts[r] < 2) return;  // nothing to order (and maybe no list at all)
  TScanVisit* const first = visits.data() + (FTotal - FStarts[r + 1]);
  TScanVisit* const end = visits.data() + (FTotal - FStarts[r]);
  for (TScanVisit* v = first; v + 1 < end; ++v)
    if (!Newer(*v, *(v + 1))) {
      if (!SortNearlySorted(first, end, SortBudget(static_cast<size_t>(end - first))))
        FSorted = false;
      break;
    }
}

// Every run is in its stretch of the table: the stretches close up and the
// table, turned end to end, is the list itself (the last run's newest
// visit first), without a second table of a million visits.
void THistoryScan::TurnTable(const TUrlPlaces& places, std::vector<TScanVisit>& visits) {
  for (size_t r = 0; r < FVisitRuns.size(); ++r)
    if (FVisitRuns[r].data() != FTable.data() + FStarts[r])  // moved down, never up
      std::copy(FVisitRuns[r].data(), FVisitRuns[r].data() + FVisitRuns[r].size(),
                FTable.data() + FStarts[r]);
  visits.swap(FTable);
  visits.resize(FTotal);
  const size_t total = FTotal;
  auto turn = [&](size_t from, size_t to) {
    bool missing = false;
    auto placed = [&](TScanVisit& v) {
      v.UrlIndex = places.Find(v.UrlIndex);
      missing |= v.UrlIndex < 0;
    };
    for (size_t i = from; i < to; ++i) {
      std::swap(visits[i], visits[total - 1 - i]);
      placed(visits[i]);
      if (i != total - 1 - i) placed(visits[total - 1 - i]);
    }
    if (missing) FLost = true;
  };
  // Pairs of places, from both ends in: half of them on each thread.
  const size_t pairs = (total + 1) / 2;
  if (FSplit)
    plat::RunTogether({[&]() { turn(0, pairs / 2); }, [&]() { turn(pairs / 2, pairs); }});
  else
    turn(0, pairs);
  InHalves([&](size_t fromRun, size_t toRun) {
    for (size_t r = fromRun; r < toRun; ++r) SortRun(visits, r);
  });
}

// Some run went on in a vector of its own: each run's visits are copied to
// their places reversed.
void THistoryScan::CopyRuns(const TUrlPlaces& places, std::vector<TScanVisit>& visits) {
  visits.resize(FTotal);  // left unset: every place is written below
  InHalves([&](size_t fromRun, size_t toRun) {
    bool missing = false;
    for (size_t r = fromRun; r < toRun; ++r) {
      const TScanVisit* const run = FVisitRuns[r].data();
      TScanVisit* to = visits.data() + (FTotal - FStarts[r]);
      for (size_t j = 0; j < FVisitRuns[r].size(); ++j) {
        const int64_t at = places.Find(run[j].UrlIndex);
        missing |= at < 0;
        *--to = TScanVisit{run[j].Time, run[j].RowId, at};
      }
      FVisitRuns[r].Release();
      SortRun(visits, r);
    }
    if (missing) FLost = true;
  });
}

// Visits are mostly stored oldest first: each run's visits take their
// places reversed, their address ids turned into places on the way, and
// what is then out of order is sorted, by insertion where it is little.
// The work is split between the threads at the run nearest the middle.
void THistoryScan::Place(const std::vector<TScanUrl>& urls, std::vector<TScanVisit>& visits) {
  const TUrlPlaces places(urls);
  FStarts.assign(FVisitRuns.size() + 1, 0);
  for (size_t r = 0; r < FVisitRuns.size(); ++r)
    FStarts[r + 1] = FStarts[r] + FVisitRuns[r].size();
  FTotal = FStarts.back();
  FHalf = 0;
  while (FHalf < FVisitRuns.size() && 2 * FStarts[FHalf] < FTotal) ++FHalf;
  FSplit = FTogether && FHalf > 0 && FHalf < FVisitRuns.size();
  const bool inTable = !FTable.empty() &&
                       std::all_of(FVisitRuns.begin(), FVisitRuns.end(),
                                   [](const TVisitRun& run) { return run.InStretch(); });
  if (inTable)
    TurnTable(places, visits);
  else
    CopyRuns(places, visits);
  std::vector<TScanVisit>().swap(FTable);
  // Each run is in order now; where one meets the next may not be.
  bool joined = true;
  for (size_t r = 1; r + 1 < FStarts.size(); ++r)
    if (FStarts[r] > 0 && FStarts[r] < FTotal &&
        !Newer(visits[FTotal - FStarts[r] - 1], visits[FTotal - FStarts[r]]))
      joined = false;
  if (FSorted && !joined &&
      !SortNearlySorted(visits.data(), visits.data() + FTotal, SortBudget(FTotal)))
    FSorted = false;
  if (!FSorted) std::sort(visits.begin(), visits.end(), Newer);
  if (FLost)
    visits.erase(std::remove_if(visits.begin(), visits.end(),
                                [](const TScanVisit& v) { return v.UrlIndex < 0; }),
                 visits.end());
}

}  // namespace

bool ScanHistory(TSqliteDb& db, TSqliteDb& second, const TStoreShape& shape,
                 const TRawWindow& window, std::vector<TScanUrl>& urls,
                 std::vector<TScanVisit>& visits, const std::function<void(TScanUrl&)>& settle) {
  urls.clear();
  visits.clear();
  THistoryScan scan(db, second, shape, window, settle);
  if (!scan.Read(urls)) {
    urls.clear();
    return false;
  }
  scan.Place(urls, visits);
  return true;
}

}  // namespace browsers_detail
