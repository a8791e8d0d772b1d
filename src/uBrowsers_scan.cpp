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
                   std::vector<TScanUrl>& urls) {
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
  });
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
  });
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

}  // namespace

bool ScanHistory(TSqliteDb& db, TSqliteDb& second, const TStoreShape& shape,
                 const TRawWindow& window, std::vector<TScanUrl>& urls,
                 std::vector<TScanVisit>& visits, const std::function<void(TScanUrl&)>& settle) {
  urls.clear();
  visits.clear();
  const bool together = second.IsOpen();
  // Both tables are read from their pages where the store allows it, else
  // through the engine; in runs, which the threads take in turn (the
  // address runs first), so that neither waits for the other. The runs are
  // put together in row id order, as one scan gives them. A run of pages
  // that cannot be read sends its whole table to the engine.
  TSqliteDb& schema = together ? second : db;
  TTablePages urlPages, visitPages;
  bool urlsByPages = urlPages.Open(schema, shape.UrlTable, {"url", "title"}) &&
                     SameTextAscii(urlPages.RowIdColumn(), "id");
  bool visitsByPages =
      visitPages.Open(schema, shape.VisitTable, {shape.VisitRef, shape.VisitTime});
  std::vector<std::vector<TScanUrl>> urlRuns;
  std::vector<std::string> ranges;
  std::vector<TVisitRun> visitRuns;
  // The stretches of the runs read from pages, one after the other.
  std::vector<TScanVisit> table;
  std::atomic<size_t> nextRun{0};
  std::atomic<bool> urlsFailed{false}, visitsFailed{false};
  auto runsOf = [](const TTablePages& pages) {
    return std::min<size_t>(kScanRuns, pages.LeafCount());
  };
  auto plan = [&]() {
    urlRuns.assign(urlsByPages ? runsOf(urlPages) : 0, {});
    ranges.clear();
    if (!visitsByPages)
      ranges = together ? RowIdRanges(second, shape.VisitTable, kScanRuns)
                        : std::vector<std::string>{std::string()};
    visitRuns.assign(visitsByPages ? runsOf(visitPages) : ranges.size(), {});
    std::vector<TScanVisit>().swap(table);
    if (visitsByPages) {
      const size_t n = visitRuns.size(), leaves = visitPages.LeafCount();
      std::vector<size_t> from(n + 1, 0);  // each run's stretch: [from[v], from[v + 1])
      for (size_t v = 0; v < n; ++v)
        from[v + 1] = from[v] + visitPages.RowsOnLeaves(leaves * (v + 1) / n - leaves * v / n);
      table.resize(from[n]);  // left unset: each run writes its own stretch
      for (size_t v = 0; v < n; ++v)
        visitRuns[v].Into(table.data() + from[v], from[v + 1] - from[v]);
    }
    nextRun = 0;
  };
  auto takeRuns = [&](TSqliteDb& conn) {
    for (size_t r; (r = nextRun++) < urlRuns.size() + visitRuns.size();) {
      if (r < urlRuns.size()) {
        const size_t n = urlRuns.size(), leaves = urlPages.LeafCount();
        if (urlsFailed) continue;
        if (!ScanUrlLeaves(urlPages, leaves * r / n, leaves * (r + 1) / n, urlRuns[r]))
          urlsFailed = true;
        else if (together)
          for (TScanUrl& u : urlRuns[r]) settle(u);
        continue;
      }
      const size_t v = r - urlRuns.size(), n = visitRuns.size(), leaves = visitPages.LeafCount();
      if (visitsFailed) break;
      const bool read = visitsByPages ? ScanVisitLeaves(visitPages, leaves * v / n,
                                                        leaves * (v + 1) / n, shape, window,
                                                        visitRuns[v])
                                      : ScanVisits(conn, shape, window, visitRuns[v], ranges[v]);
      if (!read) visitsFailed = true;
    }
  };
  // The addresses through the engine, settled at once when the visits are
  // read beside them.
  auto urlsByEngine = [&]() {
    urls.clear();
    const bool read = ScanUrls(db, shape, urls);
    if (read && together)
      for (TScanUrl& u : urls) settle(u);
    return read;
  };
  auto runAll = [&]() {
    if (together)
      plat::RunTogether({[&]() { takeRuns(db); }, [&]() { takeRuns(second); }});
    else
      takeRuns(db);
  };

  plan();
  bool urlsRead = true;
  if (urlsByPages) {
    runAll();
  } else if (together) {
    plat::RunTogether({[&]() {
                         urlsRead = urlsByEngine();
                         takeRuns(db);
                       },
                       [&]() { takeRuns(second); }});
  } else {
    urlsRead = urlsByEngine();
    if (urlsRead) takeRuns(db);
  }
  if (urlsByPages) {
    size_t total = 0;
    for (const auto& run : urlRuns) total += run.size();
    urls.reserve(total);
    for (auto& run : urlRuns) std::move(run.begin(), run.end(), std::back_inserter(urls));
    urlRuns.clear();
    // Row ids come in order in any sound table.
    for (size_t i = 1; i < urls.size() && !urlsFailed; ++i)
      if (urls[i].Id <= urls[i - 1].Id) urlsFailed = true;
    if (urlsFailed) urlsRead = urlsByEngine();
    urlsByPages = false;
  }
  if (urlsRead && visitsFailed && visitsByPages) {
    visitsByPages = false;
    visitsFailed = false;
    plan();
    runAll();
  }
  if (!urlsRead || visitsFailed) {
    urls.clear();
    visits.clear();
    return false;
  }

  // Address ids are row ids, ascending: dense ones index a table directly.
  std::vector<int32_t> direct;
  const bool dense = !urls.empty() && urls.front().Id >= 0 &&
                     urls.back().Id < static_cast<int64_t>(urls.size()) * 4 + 1024;
  if (dense) {
    direct.assign(static_cast<size_t>(urls.back().Id) + 1, -1);
    for (size_t i = 0; i < urls.size(); ++i) direct[static_cast<size_t>(urls[i].Id)] =
        static_cast<int32_t>(i);
  }
  auto find = [&](int64_t id) -> int64_t {
    if (dense) return id >= 0 && id < static_cast<int64_t>(direct.size()) ? direct[id] : -1;
    auto it = std::lower_bound(urls.begin(), urls.end(), id,
                               [](const TScanUrl& u, int64_t v) { return u.Id < v; });
    return it != urls.end() && it->Id == id ? it - urls.begin() : -1;
  };

  // Visits are mostly stored oldest first: each run's visits take their
  // places reversed, their address ids turned into places on the way, and
  // what is then out of order is sorted, by insertion where it is little.
  // The work is split between the threads at the run nearest the middle.
  std::vector<size_t> starts(visitRuns.size() + 1, 0);
  for (size_t r = 0; r < visitRuns.size(); ++r) starts[r + 1] = starts[r] + visitRuns[r].size();
  const size_t total = starts.back();
  auto budgetFor = [](size_t n) { return 8 * n + 1024; };
  std::atomic<bool> sorted{true}, lost{false};
  size_t half = 0;
  while (half < visitRuns.size() && 2 * starts[half] < total) ++half;
  const bool split = together && half > 0 && half < visitRuns.size();
  auto halves = [&](const std::function<void(size_t, size_t)>& work) {
    if (split)
      plat::RunTogether({[&]() { work(0, half); }, [&]() { work(half, visitRuns.size()); }});
    else
      work(0, visitRuns.size());
  };
  // Run r's places, newest first: [total - starts[r + 1], total - starts[r]).
  auto sortRun = [&](size_t r) {
    TScanVisit* const first = visits.data() + (total - starts[r + 1]);
    TScanVisit* const end = visits.data() + (total - starts[r]);
    for (TScanVisit* v = first; v + 1 < end; ++v)
      if (!Newer(*v, *(v + 1))) {
        if (!SortNearlySorted(first, end, budgetFor(static_cast<size_t>(end - first))))
          sorted = false;
        break;
      }
  };
  const bool inTable = !table.empty() && std::all_of(visitRuns.begin(), visitRuns.end(),
                                                     [](const TVisitRun& run) {
                                                       return run.InStretch();
                                                     });
  if (inTable) {
    // Every run is in its stretch of the table: the stretches close up and
    // the table, turned end to end, is the list itself (the last run's
    // newest visit first), without a second table of a million visits.
    for (size_t r = 0; r < visitRuns.size(); ++r)
      if (visitRuns[r].data() != table.data() + starts[r])  // moved down, never up
        std::copy(visitRuns[r].data(), visitRuns[r].data() + visitRuns[r].size(),
                  table.data() + starts[r]);
    visits.swap(table);
    visits.resize(total);
    auto turn = [&](size_t from, size_t to) {
      bool missing = false;
      auto placed = [&](TScanVisit& v) {
        v.UrlIndex = find(v.UrlIndex);
        missing |= v.UrlIndex < 0;
      };
      for (size_t i = from; i < to; ++i) {
        std::swap(visits[i], visits[total - 1 - i]);
        placed(visits[i]);
        if (i != total - 1 - i) placed(visits[total - 1 - i]);
      }
      if (missing) lost = true;
    };
    // Pairs of places, from both ends in: half of them on each thread.
    const size_t pairs = (total + 1) / 2;
    if (split)
      plat::RunTogether({[&]() { turn(0, pairs / 2); }, [&]() { turn(pairs / 2, pairs); }});
    else
      turn(0, pairs);
    halves([&](size_t fromRun, size_t toRun) {
      for (size_t r = fromRun; r < toRun; ++r) sortRun(r);
    });
  } else {
    visits.resize(total);  // left unset: every place is written below
    halves([&](size_t fromRun, size_t toRun) {
      bool missing = false;
      for (size_t r = fromRun; r < toRun; ++r) {
        const TScanVisit* const run = visitRuns[r].data();
        TScanVisit* to = visits.data() + (total - starts[r]);
        for (size_t j = 0; j < visitRuns[r].size(); ++j) {
          const int64_t at = find(run[j].UrlIndex);
          missing |= at < 0;
          *--to = TScanVisit{run[j].Time, run[j].RowId, at};
        }
        visitRuns[r].Release();
        sortRun(r);
      }
      if (missing) lost = true;
    });
  }
  std::vector<TScanVisit>().swap(table);
  // Each run is in order now; where one meets the next may not be.
  bool joined = true;
  for (size_t r = 1; r + 1 < starts.size(); ++r)
    if (starts[r] > 0 && starts[r] < total &&
        !Newer(visits[total - starts[r] - 1], visits[total - starts[r]]))
      joined = false;
  if (sorted && !joined &&
      !SortNearlySorted(visits.data(), visits.data() + total, budgetFor(total)))
    sorted = false;
  if (!sorted) std::sort(visits.begin(), visits.end(), Newer);
  // A visit of no address joins nothing and goes.
  if (lost)
    visits.erase(std::remove_if(visits.begin(), visits.end(),
                                [](const TScanVisit& v) { return v.UrlIndex < 0; }),
                 visits.end());
  return true;
}

}  // namespace browsers_detail
