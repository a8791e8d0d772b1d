// Downloads of the Chromium and Firefox stores, read from the snapshot that
// the visits were read from (ReadSqliteStore opens it once for both).
#include <algorithm>
#include <cctype>
#include <utility>

#include "uBrowsers.h"
#include "uSqlite.h"
#include "uUtil.h"

namespace {

constexpr int kSqliteRow = 100;
constexpr int kSqliteDone = 101;
constexpr int kSqliteNull = 5;

bool Has(const std::vector<std::string>& columns, const char* name) {
  return std::find(columns.begin(), columns.end(), name) != columns.end();
}

// The column when the table has it, else NULL: older schemas lack some.
std::string ColumnOrNull(const std::vector<std::string>& columns, const char* name) {
  return Has(columns, name) ? std::string(name) : std::string("NULL");
}

// Text of a column, empty for NULL.
std::string Text(TSqliteDb& db, TSqlStmt stmt, int index) { return db.ColText(stmt, index); }

// An integer column; `absent` for NULL.
int64_t IntOr(TSqliteDb& db, TSqlStmt stmt, int index, int64_t absent) {
  return db.ColType(stmt, index) == kSqliteNull ? absent : db.ColInt(stmt, index);
}

// Microseconds since `epochOffset` seconds before 1970 as Unix seconds; 0
// when outside 1970 … 2100.
int64_t MicrosToUnix(int64_t micros, int64_t epochOffset) {
  if (micros <= 0) return 0;
  const int64_t t = micros / 1000000 - epochOffset;
  return t > 0 && t <= kUnix2100 ? t : 0;
}

// A Chromium download time. Stores before 2013 (schema 24 and older) kept
// downloads in Unix seconds, later ones in microseconds since 1601 like the
// visits; a value of a few billion is seconds, since microseconds since
// 1601 of any date after 1970 exceed 10^16.
int64_t ChromiumDownloadTime(int64_t raw) {
  if (raw > 0 && raw <= kUnix2100) return raw;
  return MicrosToUnix(raw, kUnixTo1601Seconds);
}

std::string ReadStopped(const std::string& why, int32_t count) {
  return Format("下载记录读取中断：%s（已读取 %d 个）", why.c_str(), count);
}

}  // namespace

bool StoreTableColumns(TSqliteDb& db, const std::string& table,
                       std::vector<std::string>& columns, std::string& problem) {
  columns.clear();
  // Only an ordinary table counts: a view or virtual table of that name
  // would run the store's own SQL, and is refused with its reason.
  bool missing = false;
  std::string why;
  if (!db.CheckTable(table, {}, why, &missing)) {
    if (!missing && problem.empty()) problem = "下载记录" + why;
    return false;
  }
  // Stored columns only (hidden 0): a computed one would run the store's
  // expression; an older schema simply lacks some.
  TSqlStmt stmt = nullptr;
  if (!db.Prepare("SELECT name FROM pragma_table_xinfo('" + table + "') WHERE hidden = 0", stmt))
    return false;
  while (db.Step(stmt) == kSqliteRow) columns.push_back(db.ColText(stmt, 0));
  db.Finalize(stmt);
  return !columns.empty();
}

bool JsonIntField(const std::string& json, const char* key, int64_t& value) {
  const std::string quoted = std::string("\"") + key + "\"";
  size_t at = json.find(quoted);
  if (at == std::string::npos) return false;
  at += quoted.size();
  while (at < json.size() && std::isspace(static_cast<unsigned char>(json[at]))) ++at;
  if (at >= json.size() || json[at] != ':') return false;
  ++at;
  while (at < json.size() && std::isspace(static_cast<unsigned char>(json[at]))) ++at;
  size_t end = at;
  if (end < json.size() && json[end] == '-') ++end;
  while (end < json.size() && std::isdigit(static_cast<unsigned char>(json[end]))) ++end;
  // A fraction or exponent is no count of bytes or milliseconds.
  if (end < json.size() && (json[end] == '.' || json[end] == 'e' || json[end] == 'E')) return false;
  return TryStrToInt64(json.substr(at, end - at), value);
}

TDownloadState ChromiumDownloadState(int64_t state) {
  switch (state) {
    case 0: return dsInProgress;
    case 1: return dsComplete;
    case 2: return dsCancelled;
    case 3:  // an interruption as browsers of 2012 recorded it
    case 4: return dsInterrupted;
    default: return dsUnknown;
  }
}

TDownloadState FirefoxDownloadState(int64_t state) {
  switch (state) {
    case 1: return dsComplete;
    case 2: return dsInterrupted;  // failed
    case 3: return dsCancelled;
    case 4: return dsInProgress;   // paused, can be resumed
    case 6:                        // blocked by parental controls
    case 8: return dsInterrupted;  // blocked as dangerous
    default: return dsUnknown;
  }
}

bool TCollector::KeepDownload(TDownloadRecord& d) {
  if (!AcceptDownload(d, FFromUnix, FToUnix, FHasInclude ? &FInclude : nullptr,
                      FHasExclude ? &FExclude : nullptr, FPrivacy))
    return false;
  FDownloads->Add(std::move(d));
  return true;
}

int32_t TCollector::ReadChromiumDownloads(TSqliteDb& db, TSourceLabelId label,
                                          std::string& problem) {
  problem.clear();
  std::vector<std::string> cols, chainCols;
  if (!StoreTableColumns(db, "downloads", cols, problem) || !Has(cols, "id")) return 0;

  // Each download's addresses in request order: the first is what was
  // asked for, the last where the file came from after redirects.
  struct TChain {
    int64_t Id;
    std::string First, Last;
  };
  std::vector<TChain> chains;  // ascending ids
  TSqlStmt stmt = nullptr;
  int rc = kSqliteDone;
  if (StoreTableColumns(db, "downloads_url_chains", chainCols, problem) && Has(chainCols, "id") &&
      Has(chainCols, "url")) {
    const std::string order = Has(chainCols, "chain_index") ? "id, chain_index" : "id";
    if (!db.Prepare("SELECT id, url FROM downloads_url_chains ORDER BY " + order, stmt)) {
      problem = "下载记录查询失败：" + db.LastError();
      return 0;
    }
    while ((rc = db.Step(stmt)) == kSqliteRow) {
      const int64_t id = db.ColInt(stmt, 0);
      std::string url = Text(db, stmt, 1);
      if (chains.empty() || chains.back().Id != id) {
        chains.push_back(TChain{id, url, std::move(url)});
      } else {
        chains.back().Last = std::move(url);
      }
    }
    db.Finalize(stmt);
    if (rc != kSqliteDone) {
      problem = ReadStopped(db.LastError(), 0);
      return 0;
    }
  }

  const char* const wanted[] = {"target_path", "current_path", "full_path",  "start_time",
                                "end_time",    "received_bytes", "total_bytes", "state",
                                "danger_type", "mime_type",    "referrer",   "tab_url",
                                "url"};
  std::string sql = "SELECT id";
  for (const char* c : wanted) sql += ", " + ColumnOrNull(cols, c);
  sql += " FROM downloads";
  if (!db.Prepare(sql, stmt)) {
    problem = "下载记录查询失败：" + db.LastError();
    return 0;
  }
  int32_t count = 0;
  while ((rc = db.Step(stmt)) == kSqliteRow) {
    TDownloadRecord d;
    d.Source = label;
    // Where the file ended up; the browsers of 2011 called it full_path.
    for (int i : {1, 2, 3}) {
      d.Path = Text(db, stmt, i);
      if (!d.Path.empty()) break;
    }
    d.StartUnix = ChromiumDownloadTime(IntOr(db, stmt, 4, 0));
    d.EndUnix = ChromiumDownloadTime(IntOr(db, stmt, 5, 0));
    d.ReceivedBytes = IntOr(db, stmt, 6, -1);
    d.TotalBytes = IntOr(db, stmt, 7, -1);
    d.State = db.ColType(stmt, 8) == kSqliteNull ? dsUnknown
                                                 : ChromiumDownloadState(db.ColInt(stmt, 8));
    d.DangerType = static_cast<int32_t>(IntOr(db, stmt, 9, -1));
    d.MimeType = Text(db, stmt, 10);
    d.Referrer = Text(db, stmt, 11);
    d.TabUrl = Text(db, stmt, 12);
    const int64_t id = db.ColInt(stmt, 0);
    const auto chain = std::lower_bound(chains.begin(), chains.end(), id,
                                        [](const TChain& c, int64_t v) { return c.Id < v; });
    if (chain != chains.end() && chain->Id == id) {
      d.OriginalUrl = std::move(chain->First);
      d.Url = std::move(chain->Last);
    } else {
      d.Url = d.OriginalUrl = Text(db, stmt, 13);  // before chains were kept
    }
    if (KeepDownload(d)) ++count;
  }
  db.Finalize(stmt);
  if (rc != kSqliteDone) problem = ReadStopped(db.LastError(), count);
  return count;
}

int32_t TCollector::ReadFirefoxDownloads(TSqliteDb& db, TSourceLabelId label,
                                         std::string& problem) {
  problem.clear();
  std::vector<std::string> annos, names, places;
  if (!StoreTableColumns(db, "moz_annos", annos, problem) ||
      !StoreTableColumns(db, "moz_anno_attributes", names, problem) ||
      !StoreTableColumns(db, "moz_places", places, problem))
    return 0;
  for (const char* c : {"place_id", "anno_attribute_id", "content"})
    if (!Has(annos, c)) return 0;
  if (!Has(names, "id") || !Has(names, "name") || !Has(places, "id") || !Has(places, "url"))
    return 0;

  // One destination annotation per downloaded place; its metaData (state,
  // end time, size) only when the downloads view wrote it.
  const std::string added = Has(annos, "dateAdded") ? "d.dateAdded" : "NULL";
  const std::string sql =
      "SELECT p.url, d.content, " + added +
      ", (SELECT m.content FROM moz_annos m WHERE m.place_id = d.place_id AND "
      "m.anno_attribute_id = (SELECT id FROM moz_anno_attributes WHERE name = "
      "'downloads/metaData')) FROM moz_annos d JOIN moz_places p ON p.id = d.place_id WHERE "
      "d.anno_attribute_id = (SELECT id FROM moz_anno_attributes WHERE name = "
      "'downloads/destinationFileURI')";
  TSqlStmt stmt = nullptr;
  if (!db.Prepare(sql, stmt)) {
    problem = "下载记录查询失败：" + db.LastError();
    return 0;
  }
  int32_t count = 0;
  int rc;
  while ((rc = db.Step(stmt)) == kSqliteRow) {
    TDownloadRecord d;
    d.Source = label;
    d.Url = d.OriginalUrl = Text(db, stmt, 0);
    d.Path = FileUriToPath(Text(db, stmt, 1));
    d.StartUnix = MicrosToUnix(IntOr(db, stmt, 2, 0), 0);
    const std::string meta = Text(db, stmt, 3);
    int64_t v = 0;
    if (JsonIntField(meta, "state", v)) d.State = FirefoxDownloadState(v);
    if (JsonIntField(meta, "endTime", v)) d.EndUnix = MicrosToUnix(v * 1000, 0);  // milliseconds
    if (JsonIntField(meta, "fileSize", v) && v >= 0) {
      d.TotalBytes = v;
      if (d.State == dsComplete) d.ReceivedBytes = v;
    }
    if (KeepDownload(d)) ++count;
  }
  db.Finalize(stmt);
  if (rc != kSqliteDone) problem = ReadStopped(db.LastError(), count);
  return count;
}
