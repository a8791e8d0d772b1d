#include "uBrowsers.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <utility>

#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"
#include "uWebCache.h"

namespace {

// Every "/" and "\" as the platform separator (profiles.ini is written with
// "/" on every platform).
std::string NativeSeparators(std::string path) {
  for (char& c : path)
    if (plat::IsPathSep(c)) c = plat::kPathSep;
  return path;
}

// "." and empty components dropped and ".." resolved, so that one folder
// has one spelling whatever path led to it (profiles.ini may say
// "Profiles/x/../x").
std::string NormalizeLexically(const std::string& path) {
  const std::string native = NativeSeparators(path);
  const bool absolute = !native.empty() && native[0] == plat::kPathSep;
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos <= native.size()) {
    size_t end = native.find(plat::kPathSep, pos);
    if (end == std::string::npos) end = native.size();
    const std::string part = native.substr(pos, end - pos);
    pos = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == ".." && !parts.empty() && parts.back() != "..") {
      parts.pop_back();
      continue;
    }
    if (part == ".." && absolute) continue;  // nothing above the root
    parts.push_back(part);
  }
  std::string out = absolute ? std::string(1, plat::kPathSep) : std::string();
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += plat::kPathSep;
    out += parts[i];
  }
  return out;
}

// A fixed file or folder name (History, places.sqlite, Profiles …) inside
// `dir`, in whatever letter case it is stored: copies of NTFS disks may
// change it, and Windows would not care.
std::string FixedName(const std::string& dir, const char* name) {
  return plat::ResolvePathCase(JoinPath(dir, name));
}

// "user\profile", and for a snap or flatpak copy of a browser the channel
// too, so that it can be told from the plain one.
std::string ProfileLabel(const TBrowserEntry& entry, const TUserProfile& user,
                         const std::string& profile) {
  std::string label = user.Name + "\\" + profile;
  if (entry.Native && !entry.Channel.empty()) label += " (" + entry.Channel + ")";
  return label;
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsWindowsAbsolute(const std::string& p) {
  return (p.size() >= 3 && IsDriveLetter(p[0]) && p[1] == ':' && plat::IsPathSep(p[2])) ||
         (p.size() >= 2 && p[0] == '\\' && p[1] == '\\');
}

// A profiles.ini path written absolute (IsRelative=0), as the folder to
// read: a path of this platform's own kind as written; read on another
// platform, a drive path below the user's own Windows folder
// ("C:\Users\<name>\…") inside the scanned user folder. Empty when it
// names nothing this run can reach.
std::string AbsoluteProfileFolder(const std::string& value, const TUserProfile& user) {
  const bool windowsPath = IsWindowsAbsolute(value);
  if (windowsPath == (plat::kPathSep == '\\')) return value;
  if (!windowsPath) return std::string();
  const std::string native = NativeSeparators(value);
  const std::string users = std::string(1, plat::kPathSep) + "users" + plat::kPathSep;
  if (native.size() < 3 + users.size() || FoldCase(native.substr(2, users.size())) != users)
    return std::string();
  const size_t nameStart = 2 + users.size();
  size_t nameEnd = native.find(plat::kPathSep, nameStart);
  if (nameEnd == std::string::npos) nameEnd = native.size();
  const std::string name = FoldCase(native.substr(nameStart, nameEnd - nameStart));
  if (name != FoldCase(ExtractFileName(user.Root)) && name != FoldCase(user.Name))
    return std::string();
  const std::string rest = nameEnd < native.size() ? native.substr(nameEnd + 1) : std::string();
  return plat::ResolvePathCase(rest.empty() ? user.Root : JoinPath(user.Root, rest));
}


constexpr int kSqliteRow = 100;
constexpr int kSqliteDone = 101;
constexpr int kSqliteTooBig = 18;

constexpr int kSqliteInteger = 1;
constexpr int kSqliteFloat = 2;
constexpr int kSqliteNull = 5;

// The two tables a history query joins, as each family names them.
struct TStoreShape {
  const char* UrlTable;     // one row per address: id, url, title
  const char* VisitTable;   // one row per visit
  const char* VisitRef;     // the visit's column holding the address's id
  const char* VisitTime;    // the visit's time column (microseconds)
  const char* UrlAlias;     // the address table's alias in the query
  bool PositiveTimesOnly;   // the query keeps only times above 0
  const char* UrlCount;     // the address's visit count, which the query selects
};
const TStoreShape kChromiumShape = {"urls", "visits", "url", "visit_time", "u", false,
                                    "visit_count"};
const TStoreShape kFirefoxShape = {"moz_places", "moz_historyvisits", "place_id", "visit_date",
                                   "p", true, "visit_count"};

// Both tables are ordinary tables with the columns the reading uses, so
// that nothing of the store's own SQL runs in the query. False with the
// source's message; `missing` when a table is simply not there yet.
bool CheckHistoryTables(TSqliteDb& db, const TStoreShape& shape, std::string& errMsg,
                        bool& missing) {
  return db.CheckTable(shape.VisitTable, {shape.VisitRef, shape.VisitTime}, errMsg, &missing) &&
         db.CheckTable(shape.UrlTable, {"id", "url", "title", shape.UrlCount}, errMsg, &missing);
}

// The time window in the store's own units: raw times t with
// lo <= t < hi are kept (no bound where the window is open).
struct TRawWindow {
  bool HasLo = false, HasHi = false;
  int64_t Lo = 0, Hi = 0;
  bool Holds(int64_t t) const { return (!HasLo || t >= Lo) && (!HasHi || t < Hi); }
};

TRawWindow RawWindow(int64_t fromUnix, int64_t toUnix, int64_t epochOffset) {
  TRawWindow w;
  w.HasLo = fromUnix > 0;
  w.HasHi = toUnix > 0;
  if (w.HasLo) w.Lo = (fromUnix + epochOffset) * 1000000;
  if (w.HasHi) w.Hi = (toUnix + epochOffset) * 1000000;
  return w;
}

// One address row: its texts as stored, and once a visit has needed them,
// as the visits carry them.
struct TScanUrl {
  int64_t Id;
  TSharedText Url;
  TSharedText Title;
  int8_t State;  // 0 = not looked at yet, 1 = kept, -1 = dropped
};

// One visit row in the window: its time, its row id and its address (the
// address's id as stored, then its place in the address rows).
struct TScanVisit {
  int64_t Time;
  int64_t RowId;
  int64_t UrlIndex;
};

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

// Keeps a visit row of the window: false when the row is not as the
// query would join it (its address or time not an integer).
bool KeepVisitRow(const TStoreShape& shape, const TRawWindow& window, int64_t rowid, int refType,
                  int64_t ref, int timeType, int64_t t, std::vector<TScanVisit>& visits) {
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
                std::vector<TScanVisit>& visits, const std::string& range = std::string()) {
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
                     const TRawWindow& window, std::vector<TScanVisit>& visits) {
  visits.reserve(pages.RowsOnLeaves(to - from));
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

// Reads the rows of the history query by two sequential scans, far cheaper
// than the query's index walk with one address lookup per visit: the
// address table into memory and the visits in the window (side by side
// when `second`, another connection to the same copy, is open), then the
// visits sorted as the query would deliver them. False (nothing kept) when
// anything is not as the query would see it, or the engine reports an
// error: the caller then runs the query itself, which handles every case
// as it stands.
//
// With `second`, the address table is read sooner than the visits: the
// addresses are then settled (`settle`: what a kept visit of each takes)
// while the visits are still being read. Alone, the caller settles an
// address at its first visit in the window, and no other.
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
  std::vector<std::vector<TScanVisit>> visitRuns;
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
  const bool visitsRead = !visitsFailed;
  if (urlsRead && visitsRead) {
    size_t total = 0;
    for (const auto& run : visitRuns) total += run.size();
    visits.reserve(total);
    for (const auto& run : visitRuns) visits.insert(visits.end(), run.begin(), run.end());
  }
  if (!urlsRead || !visitsRead) {
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
  // Each visit's address id becomes its place; a visit of no address joins
  // nothing and goes.
  size_t kept = 0;
  for (const TScanVisit& v : visits) {
    const int64_t at = find(v.UrlIndex);
    if (at >= 0) visits[kept++] = TScanVisit{v.Time, v.RowId, at};
  }
  visits.resize(kept);

  // Newest first, equal times by descending row id. Visits are mostly
  // stored in time order already, and then reversing is enough.
  auto older = [](const TScanVisit& a, const TScanVisit& b) {
    return a.Time != b.Time ? a.Time < b.Time : a.RowId < b.RowId;
  };
  if (std::is_sorted(visits.begin(), visits.end(), older))
    std::reverse(visits.begin(), visits.end());
  else
    std::sort(visits.begin(), visits.end(),
              [&](const TScanVisit& a, const TScanVisit& b) { return older(b, a); });
  return true;
}

// How a source whose store could not be copied is recorded. A temporary
// folder that cannot be written is our own problem: the store is neither
// held by the browser nor denied to us.
TSourceStatus SnapshotFailureStatus(const std::string& err) {
  if (ContainsText(err, "无权限")) return ssNoPermission;
  if (err.compare(0, std::strlen(kTempFolderNotWritable), kTempFolderNotWritable) == 0)
    return ssParseError;
  return ssLocked;
}

}  // namespace

// ---- Queries ---------------------------------------------------------------

std::string ChromiumHistoryQuery(int64_t fromUnix, int64_t toUnix) {
  // visit_time counts microseconds since 1601-01-01 UTC.
  const TRawWindow w = RawWindow(fromUnix, toUnix, kUnixTo1601Seconds);
  std::string sql =
      "SELECT u.url, u.title, v.visit_time, u.visit_count FROM visits v JOIN urls u ON u.id = "
      "v.url WHERE 1=1";
  if (w.HasLo) sql += " AND v.visit_time >= " + IntToStr(w.Lo);
  if (w.HasHi) sql += " AND v.visit_time < " + IntToStr(w.Hi);
  sql += " ORDER BY v.visit_time DESC";
  return sql;
}

std::string FirefoxPlacesQuery(int64_t fromUnix, int64_t toUnix) {
  // visit_date counts microseconds since 1970-01-01 UTC.
  const TRawWindow w = RawWindow(fromUnix, toUnix, 0);
  std::string sql =
      "SELECT p.url, p.title, v.visit_date, p.visit_count FROM moz_places p JOIN "
      "moz_historyvisits v ON v.place_id = p.id WHERE v.visit_date > 0";
  if (w.HasLo) sql += " AND v.visit_date >= " + IntToStr(w.Lo);
  if (w.HasHi) sql += " AND v.visit_date < " + IntToStr(w.Hi);
  sql += " ORDER BY v.visit_date DESC";
  return sql;
}

// True when the engine answers the history query by walking the visits'
// single-column time index backwards and looking each address up by its
// id: rows then come newest first, and visits of equal time in descending
// row id order (the index's hidden second key). Only then can two plain
// table scans and one sort reproduce the query's rows in the same order;
// any other plan (another schema, an older engine, statistics that change
// its choice) keeps the query.
bool HistoryQueryWalksTimeIndex(TSqliteDb& db, bool firefox, const std::string& sql) {
  const TStoreShape& shape = firefox ? kFirefoxShape : kChromiumShape;
  TSqlStmt stmt = nullptr;
  std::vector<std::string> plan;
  if (!db.Prepare("EXPLAIN QUERY PLAN " + sql, stmt)) return false;
  while (db.Step(stmt) == kSqliteRow && plan.size() < 8) plan.push_back(db.ColText(stmt, 3));
  db.Finalize(stmt);
  if (plan.size() != 2) return false;
  std::string index;
  for (const char* verb : {"SCAN v USING INDEX ", "SEARCH v USING INDEX "}) {
    if (plan[0].compare(0, std::strlen(verb), verb) == 0) {
      index = plan[0].substr(std::strlen(verb));
      index = index.substr(0, index.find(' '));
    }
  }
  if (index.empty() || index.find('\'') != std::string::npos) return false;
  if (plan[1] != std::string("SEARCH ") + shape.UrlAlias + " USING INTEGER PRIMARY KEY (rowid=?)")
    return false;
  // The index must order by the time column alone, ascending.
  if (!db.Prepare("SELECT name, desc FROM pragma_index_xinfo('" + index + "') WHERE key = 1", stmt))
    return false;
  int keys = 0;
  bool timeAscending = false;
  while (db.Step(stmt) == kSqliteRow) {
    ++keys;
    timeAscending = db.ColText(stmt, 0) == shape.VisitTime && db.ColInt(stmt, 1) == 0;
  }
  db.Finalize(stmt);
  return keys == 1 && timeAscending;
}

// ---- Collector -------------------------------------------------------------

TCollector::TCollector(THistoryList& list, TSourceList& sources, TLogger* log, int64_t fromUnix,
                       int64_t toUnix)
    : FList(list), FSources(sources), FLog(log), FFromUnix(fromUnix), FToUnix(toUnix) {}

void TCollector::SetSourceFilter(const std::string& csv) {
  FFilter.clear();
  FHasFilter = false;
  const std::string text = Trim(csv);
  if (text.empty() || SameTextAscii(text, "auto") || SameTextAscii(text, "all")) return;
  FHasFilter = true;

  // Items are separated by "," and, outside double quotes, by blanks; a
  // quoted item may hold blanks and commas, with "" standing for one quote.
  auto isBlank = [](char c) { return c >= 1 && c <= ' '; };
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && (isBlank(text[i]) || text[i] == ',')) ++i;
    if (i >= n) break;
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < n && !isBlank(text[i]) && text[i] != ',') item += text[i++];
    }
    item = Trim(item);
    if (!item.empty()) FFilter.push_back(LowerAscii(item));
  }
}

bool TCollector::SourceSelected(const std::string& id) const {
  if (!FHasFilter) return true;
  const std::string lid = LowerAscii(id);
  auto listed = [this](const std::string& s) {
    for (const std::string& f : FFilter)
      if (f == s) return true;
    return false;
  };
  if (listed(lid)) return true;
  // "qq_r" is a variant of "qq": naming the base selects the variants.
  const size_t us = lid.find('_');
  return us != std::string::npos && listed(lid.substr(0, us));
}

std::vector<std::string> TCollector::UnknownFilterIds() const {
  TBrowserDefs defs;
  GetBrowserDefs(defs);
  std::vector<std::string> unknown;
  for (const std::string& item : FFilter) {
    const std::string base = item.substr(0, item.find('_'));
    bool known = false;
    for (const TBrowserEntry& d : defs)
      if (d.Id == item || d.Id == base) known = true;
    if (!known) unknown.push_back(item);
  }
  return unknown;
}

void TCollector::SetKeywordFilter(const std::vector<std::string>* include,
                                  const std::vector<std::string>* exclude) {
  FHasInclude = include && !include->empty();
  FInclude = FHasInclude ? *include : std::vector<std::string>();
  FHasExclude = exclude && !exclude->empty();
  FExclude = FHasExclude ? *exclude : std::vector<std::string>();
}

bool TCollector::VisitPasses(const std::string& url, const std::string& title) const {
  return VisitPassesFilters(FHasInclude ? &FInclude : nullptr, FHasExclude ? &FExclude : nullptr,
                            url, title);
}

void TCollector::AddSource(const std::string& browserId, const std::string& browserName,
                           const std::string& profile, const std::string& dbPath,
                           TSourceStatus status, int32_t count, const std::string& message) {
  TSourceInfo info;
  info.BrowserId = browserId;
  info.BrowserName = browserName;
  info.Profile = profile;
  info.DbPath = dbPath;
  info.Status = status;
  info.Count = count;
  info.Message = message;
  FSources.Add(info);
}

void TCollector::Collect(const TUserProfiles& users) {
  TBrowserDefs defs, native;
  GetBrowserDefs(defs);
  GetNativeBrowserDefs(native);
  defs.insert(defs.end(), native.begin(), native.end());
  for (const TUserProfile& user : users) {
    for (const TBrowserEntry& entry : defs) {
      if (!SourceSelected(entry.Id)) continue;
      // A user folder copied from Windows may spell "AppData" or a vendor
      // folder in another letter case; Windows would not care. Unix homes
      // spell their folders one way.
      const std::string expanded = ExpandRoot(entry.Root, user);
      const std::string dir = entry.Native ? expanded : plat::ResolvePathCase(expanded);
      if (plat::DirExists(dir)) {
        switch (entry.Family) {
          case bfChromium: ScanChromium(entry, user, dir); break;
          case bfFirefox: ScanFirefox(entry, user, dir); break;
          case bfWebCache: ReadWebCache(entry, user, dir); break;
        }
      } else if (FHasFilter && !entry.Native) {
        // Behind a user folder we may not list, the browser's folder may
        // well exist: say so rather than that it is missing.
        if (user.ListError == plat::kErrAccessDenied)
          AddSource(entry.Id, entry.Name, user.Name, dir, ssNoPermission, 0, "权限不足");
        else
          AddSource(entry.Id, entry.Name, user.Name, dir, ssNotFound, 0, "目录不存在");
      }
    }
  }
}

// ---- Chromium --------------------------------------------------------------

void TCollector::ScanChromium(const TBrowserEntry& entry, const TUserProfile& user,
                              const std::string& dir) {
  bool found = false;
  // Opera and its kin keep their only profile in the data folder itself.
  const std::string rootHistory = FixedName(dir, "History");
  if (plat::FileExists(rootHistory)) {
    ReadChromiumHistory(entry, user, "Default", rootHistory);
    found = true;
  }
  std::vector<plat::DirEntry> entries;
  plat::ListDir(dir, entries);
  for (const plat::DirEntry& e : entries) {
    if (!e.IsDir) continue;
    const std::string history = FixedName(JoinPath(dir, e.Name), "History");
    if (!plat::FileExists(history)) continue;
    ReadChromiumHistory(entry, user, e.Name, history);
    found = true;
  }
  if (!found && FHasFilter)
    AddSource(entry.Id, entry.Name, user.Name, dir, ssNotFound, 0, "未找到 History 数据库");
}

void TCollector::ReadChromiumHistory(const TBrowserEntry& entry, const TUserProfile& user,
                                     const std::string& profileName, const std::string& dbPath) {
  ReadSqliteStore(entry, ProfileLabel(entry, user, profileName), dbPath, false);
}

// ---- Firefox ---------------------------------------------------------------

void TCollector::ScanFirefox(const TBrowserEntry& entry, const TUserProfile& user,
                             const std::string& dir) {
  std::vector<std::string> done;  // folded folder paths already read
  bool found = false;
  const std::string profilesDir = FixedName(dir, "Profiles");

  // A folder reached both through profiles.ini and through the Profiles scan,
  // in whatever spelling, is read once.
  auto tryProfile = [&](const std::string& folder) {
    const std::string path = NormalizeLexically(folder);
    const std::string key = FoldCase(path);
    for (const std::string& k : done)
      if (k == key) return;
    const std::string places = FixedName(path, "places.sqlite");
    if (!plat::FileExists(places)) return;
    done.push_back(key);
    ReadFirefoxPlaces(entry, user, ExtractFileName(path), places);
    found = true;
  };

  const std::string ini = FixedName(dir, "profiles.ini");
  if (plat::FileExists(ini)) {
    std::string text;
    ReadWholeFile(ini, text);  // what could be read; nothing when it cannot be opened
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    size_t pos = 0;
    while (pos <= text.size()) {
      size_t end = text.find_first_of("\r\n", pos);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(pos, end - pos);
      pos = end + 1;
      if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
      if (line.compare(0, 5, "Path=") != 0) continue;
      const std::string written = Trim(Utf8BytesToString(line.substr(5)));
      if (!written.empty() && (written[0] == '/' || IsWindowsAbsolute(written))) {
        // A profile kept elsewhere (IsRelative=0). One that cannot be found
        // is said, not passed over.
        const std::string folder = AbsoluteProfileFolder(written, user);
        if (!folder.empty() && plat::DirExists(folder)) {
          tryProfile(folder);
        } else {
          const std::string name = ExtractFileName(NativeSeparators(written));
          AddSource(entry.Id, entry.Name, ProfileLabel(entry, user, name), written, ssNotFound, 0,
                    "找不到 profiles.ini 所列的配置文件夹：" + written);
          found = true;
        }
        continue;
      }
      const std::string value = NativeSeparators(written);
      const std::string inProfiles = plat::ResolvePathCase(JoinPath(profilesDir, value));
      const std::string inDir = plat::ResolvePathCase(JoinPath(dir, value));
      if (plat::DirExists(inProfiles))
        tryProfile(inProfiles);
      else if (plat::DirExists(inDir))
        tryProfile(inDir);
    }
  }

  // Windows keeps the profiles in "Profiles"; Unix homes keep them beside
  // profiles.ini.
  for (const std::string& parent : {profilesDir, entry.Native ? dir : std::string()}) {
    if (parent.empty() || !plat::DirExists(parent)) continue;
    std::vector<plat::DirEntry> entries;
    plat::ListDir(parent, entries);
    for (const plat::DirEntry& e : entries)
      if (e.IsDir) tryProfile(JoinPath(parent, e.Name));
  }

  if (!found && FHasFilter)
    AddSource(entry.Id, entry.Name, user.Name, dir, ssNotFound, 0, "未找到 places.sqlite");
}

void TCollector::ReadFirefoxPlaces(const TBrowserEntry& entry, const TUserProfile& user,
                                   const std::string& profileName, const std::string& dbPath) {
  ReadSqliteStore(entry, ProfileLabel(entry, user, profileName), dbPath, true);
}

// ---- Shared SQLite reading -------------------------------------------------

void TCollector::ReadSqliteStore(const TBrowserEntry& entry, const std::string& profileLabel,
                                 const std::string& dbPath, bool firefox) {
  std::string copy, err;
  if (!SnapshotDatabase(dbPath, copy, err)) {
    AddSource(entry.Id, entry.Name, profileLabel, dbPath, SnapshotFailureStatus(err), 0, err);
    return;
  }

  TSourceStatus status = ssEmpty;
  int32_t count = 0, downloads = 0;
  std::string message, readError, downloadProblem;
  const TSourceLabelId label = InternSourceLabel(entry.Id, entry.Name, profileLabel);
  bool removed = false;        // the snapshot, once the store was done with early
  bool scanTimedOut = false;  // then: out of time before its downloads were read
  {
    TSqliteDb db;
    TSqlStmt stmt = nullptr;
    // Downloads come from the same snapshot; a store whose visits could not
    // be queried may still hold them, and a damaged downloads table costs
    // only the downloads.
    auto readDownloads = [&]() {
      if (FDownloads && db.IsOpen() && !db.TimedOut())
        downloads = firefox ? ReadFirefoxDownloads(db, label, downloadProblem)
                            : ReadChromiumDownloads(db, label, downloadProblem);
    };
    const std::string sql =
        firefox ? FirefoxPlacesQuery(FFromUnix, FToUnix) : ChromiumHistoryQuery(FFromUnix, FToUnix);
    const TStoreShape& shape = firefox ? kFirefoxShape : kChromiumShape;
    bool missing = false;
    if (!db.OpenSnapshot(copy)) {
      status = ssParseError;
      message = "打开数据库失败：" + db.LastError();
    } else if (!CheckHistoryTables(db, shape, message, missing)) {
      status = missing ? ssEmpty : ssParseError;
      if (missing) message = "历史库为空（尚无访问记录）";
    } else if (!db.Prepare(sql, stmt)) {
      // Both tables were checked above: a store without them is empty there.
      status = ssParseError;
      message = "查询失败：" + db.LastError();
    } else {
      // Firefox counts from 1970 and takes 2100-01-01 itself; Chromium counts
      // from 1601 and stops just before it.
      const int64_t offset = firefox ? 0 : kUnixTo1601Seconds;
      const int64_t last = firefox ? kUnix2100 : kUnix2100 - 1;
      THistoryRecord rec;
      rec.Source = label;

      std::vector<TScanUrl> urls;
      std::vector<TScanVisit> visits;
      // The visits are read over a connection of their own, beside the
      // addresses, when another processor can take them.
      TSqliteDb second;
      const bool walks = HistoryQueryWalksTimeIndex(db, firefox, sql);
      if (walks && plat::ProcessorCount() > 1) second.OpenSnapshot(copy);
      // An address is settled once: its visits are kept or dropped by its
      // texts alone, and all of them share those texts.
      auto settle = [&](TScanUrl& u) {
        u.State = -1;
        if (u.Url.empty()) return;
        std::string title = CleanTitle(u.Title);
        if (!VisitPasses(u.Url, title)) return;
        if (title != u.Title.str()) u.Title = std::move(title);
        if (FPrivacy) u.Url = StripQuery(u.Url);
        u.State = 1;
      };
      if (walks && ScanHistory(db, second, shape, RawWindow(FFromUnix, FToUnix, offset), urls,
                               visits, settle)) {
        second.Close();
        // Nothing more is read from the store once its downloads are: the
        // snapshot is removed (on this thread, which keeps the list of
        // files to clean up after an interruption) while the records are
        // built beside it.
        scanTimedOut = db.TimedOut();
        readDownloads();
        db.Finalize(stmt);
        stmt = nullptr;
        db.Close();
        removed = true;
        // The same rows in the same order as the query gives them. Every
        // record of an address shares its texts: their counts are raised
        // once for all its records, in address order, and the records then
        // take them without touching the texts, which visit order meets in
        // no order of memory.
        auto buildRecords = [&]() {
          constexpr size_t kAhead = 16;
          auto urlOf = [&](size_t k) -> TScanUrl& {
            return urls[static_cast<size_t>(visits[k].UrlIndex)];
          };
          auto timeOf = [&](size_t k) { return visits[k].Time / 1000000 - offset; };
          auto keeps = [&](size_t k) {
            const int64_t t = timeOf(k);
            return urlOf(k).State > 0 && t > 0 && t <= last;
          };
          std::vector<uint32_t> records(urls.size(), 0);
          size_t total = 0;
          for (size_t k = 0; k < visits.size(); ++k) {
            if (k + kAhead < visits.size()) PrefetchRead(&urlOf(k + kAhead));
            TScanUrl& u = urlOf(k);
            if (u.State == 0) settle(u);
            if (!keeps(k)) continue;
            ++records[static_cast<size_t>(visits[k].UrlIndex)];
            ++total;
          }
          FList.Reserve(total);
          // Every visit of one address row shares its texts: the address
          // is numbered for the passes over the list.
          const uint32_t firstAddress = FList.NumberAddresses(urls.size());
          auto addressOf = [&](size_t k) {
            return firstAddress == kNoAddress
                       ? kNoAddress
                       : firstAddress + static_cast<uint32_t>(visits[k].UrlIndex);
          };
          for (size_t i = 0; i < urls.size(); ++i) {
            urls[i].Url.Hold(records[i]);
            urls[i].Title.Hold(records[i]);
          }
          for (size_t k = 0; k < visits.size(); ++k) {
            if (k + kAhead < visits.size()) PrefetchRead(&urlOf(k + kAhead));
            if (!keeps(k)) continue;
            const TScanUrl& u = urlOf(k);
            FList.Add(
                THistoryRecord{label, addressOf(k), u.Url.Handed(), u.Title.Handed(), timeOf(k)});
            ++count;
          }
        };
        plat::RunTogether({[&]() { DeleteSnapshot(copy); }, buildRecords});
      } else {
        db.MapForRandomReads();
        int rc;
        while ((rc = db.Step(stmt)) == kSqliteRow) {
          std::string url = db.ColText(stmt, 0);
          if (url.empty()) continue;
          const int64_t t = db.ColInt(stmt, 2) / 1000000 - offset;
          if (t <= 0 || t > last) continue;
          std::string title = CleanTitle(db.ColText(stmt, 1));
          if (!VisitPasses(url, title)) continue;
          if (FPrivacy) url = StripQuery(url);
          rec.Url = std::move(url);
          rec.Title = std::move(title);
          rec.VisitUnix = t;
          FList.Add(rec);
          ++count;
        }
        // A store damaged part-way through its rows: what was read before
        // the damage stays, and the source says where reading stopped.
        if (rc != kSqliteDone) readError = db.LastError();
      }
      db.Finalize(stmt);
      if (!readError.empty()) {
        status = ssParseError;
        message = Format("读取中断：%s（已读取 %d 条）", readError.c_str(), count);
      } else if (count > 0) {
        status = ssOk;
      } else {
        status = ssEmpty;
        message = "时间范围内无记录";
      }
    }
    // Out of time at any step: what was read before stays, as for a damaged
    // store, and the run goes on with the next source.
    if (removed ? scanTimedOut : db.TimedOut()) {
      status = ssParseError;
      message = Format("读取超时（已读取 %d 条）", count);
    }
    readDownloads();
    db.Close();
  }
  if (!removed) DeleteSnapshot(copy);
  if (!downloadProblem.empty())
    message = message.empty() ? downloadProblem : message + "；" + downloadProblem;
  AddSource(entry.Id, entry.Name, profileLabel, dbPath, status, count, message);
  if (downloads > 0) FSources.SetDownloads(FSources.Count() - 1, downloads);
}

// ---- WebCache --------------------------------------------------------------

void TCollector::ReadWebCache(const TBrowserEntry& entry, const TUserProfile& user,
                              const std::string& dir) {
  const std::string datPath = FixedName(dir, "WebCacheV01.dat");
  if (!plat::FileExists(datPath)) {
    if (FHasFilter)
      AddSource(entry.Id, entry.Name, user.Name, dir, ssNotFound, 0, "未找到 WebCacheV01.dat");
    return;
  }
  const std::string label = user.Name + "\\WebCache";
  TWebCacheFilter filter;
  filter.FromUnix = FFromUnix;
  filter.ToUnix = FToUnix;
  filter.Include = FHasInclude ? &FInclude : nullptr;
  filter.Exclude = FHasExclude ? &FExclude : nullptr;
  filter.Privacy = FPrivacy;
  std::string message;
  TSourceStatus status = ssNotFound;
  int32_t downloads = 0;
  const int32_t count = CollectWebCache(datPath, FList, entry.Id, entry.Name, label, filter,
                                        message, status, FDownloads, &downloads);
  AddSource(entry.Id, entry.Name, label, datPath, status, count, message);
  if (downloads > 0) FSources.SetDownloads(FSources.Count() - 1, downloads);
}
