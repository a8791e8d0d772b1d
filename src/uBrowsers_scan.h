// The two table scans that stand in for the history query, and what the
// collector shares with them: private to uBrowsers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "uSqlite.h"
#include "uTypes.h"

namespace browsers_detail {

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
inline const TStoreShape kChromiumShape = {"urls", "visits", "url", "visit_time", "u", false,
                                           "visit_count"};
inline const TStoreShape kFirefoxShape = {"moz_places", "moz_historyvisits", "place_id",
                                          "visit_date", "p", true, "visit_count"};

// Both tables are ordinary tables with the columns the reading uses, so
// that nothing of the store's own SQL runs in the query. False with the
// source's message; `missing` when a table is simply not there yet.
bool CheckHistoryTables(TSqliteDb& db, const TStoreShape& shape, std::string& errMsg,
                        bool& missing);

// The time window in the store's own units: raw times t with
// lo <= t < hi are kept (no bound where the window is open).
struct TRawWindow {
  bool HasLo = false, HasHi = false;
  int64_t Lo = 0, Hi = 0;
  bool Holds(int64_t t) const { return (!HasLo || t >= Lo) && (!HasHi || t < Hi); }
};

// The window [fromUnix, toUnix) (0: open) in a store's raw microseconds,
// counted from its epoch `epochOffset` seconds before 1970.
TRawWindow RawWindow(int64_t fromUnix, int64_t toUnix, int64_t epochOffset);

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
  // Left unset: a table of visits is sized first and then filled in place.
  TScanVisit() {}
  TScanVisit(int64_t time, int64_t rowId, int64_t urlIndex)
      : Time(time), RowId(rowId), UrlIndex(urlIndex) {}
  int64_t Time;
  int64_t RowId;
  int64_t UrlIndex;
};

// Reads the rows of the history query by two sequential scans, far cheaper
// than the query's index walk with one address lookup per visit: the
// address table into memory and the visits in the window, each from the
// table's pages where the store allows it (TTablePages), else through the
// engine (side by side when `second`, another connection to the same copy,
// is open), then the visits sorted as the query would deliver them. False (nothing kept) when
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
                 std::vector<TScanVisit>& visits, const std::function<void(TScanUrl&)>& settle);

}  // namespace browsers_detail
