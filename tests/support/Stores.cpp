#include "Stores.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <unordered_map>

#include "uPlatform.h"

namespace vt_test {

const char* const kChromeSchemaModern = R"SQL(
CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);
CREATE TABLE urls(id INTEGER PRIMARY KEY AUTOINCREMENT,url LONGVARCHAR,title LONGVARCHAR,visit_count INTEGER DEFAULT 0 NOT NULL,typed_count INTEGER DEFAULT 0 NOT NULL,last_visit_time INTEGER NOT NULL,hidden INTEGER DEFAULT 0 NOT NULL);
CREATE TABLE visits(id INTEGER PRIMARY KEY AUTOINCREMENT,url INTEGER NOT NULL,visit_time INTEGER NOT NULL,from_visit INTEGER,external_referrer_url TEXT,transition INTEGER DEFAULT 0 NOT NULL,segment_id INTEGER,visit_duration INTEGER DEFAULT 0 NOT NULL,incremented_omnibox_typed_score BOOLEAN DEFAULT FALSE NOT NULL,opener_visit INTEGER,originator_cache_guid TEXT,originator_visit_id INTEGER,originator_from_visit INTEGER,originator_opener_visit INTEGER,is_known_to_sync BOOLEAN DEFAULT FALSE NOT NULL,consider_for_ntp_most_visited BOOLEAN DEFAULT FALSE NOT NULL,visited_link_id INTEGER DEFAULT 0 NOT NULL,app_id TEXT);
CREATE TABLE visit_source(id INTEGER PRIMARY KEY,source INTEGER NOT NULL);
CREATE TABLE keyword_search_terms (keyword_id INTEGER NOT NULL,url_id INTEGER NOT NULL,term LONGVARCHAR NOT NULL,normalized_term LONGVARCHAR NOT NULL);
CREATE TABLE segments (id INTEGER PRIMARY KEY,name VARCHAR,url_id INTEGER NON NULL);
CREATE TABLE segment_usage (id INTEGER PRIMARY KEY,segment_id INTEGER NOT NULL,time_slot INTEGER NOT NULL,visit_count INTEGER DEFAULT 0 NOT NULL);
CREATE TABLE content_annotations(visit_id INTEGER PRIMARY KEY,visibility_score NUMERIC,floc_protected_score NUMERIC,categories VARCHAR,page_topics_model_version INTEGER,annotation_flags INTEGER NOT NULL,entities VARCHAR,related_searches VARCHAR,search_normalized_url VARCHAR,search_terms LONGVARCHAR,alternative_title VARCHAR,page_language VARCHAR,password_state INTEGER DEFAULT 0 NOT NULL,has_url_keyed_image BOOLEAN NOT NULL);
CREATE TABLE context_annotations(visit_id INTEGER PRIMARY KEY,context_annotation_flags INTEGER NOT NULL,duration_since_last_visit INTEGER,page_end_reason INTEGER,total_foreground_duration INTEGER,browser_type INTEGER DEFAULT 0 NOT NULL,window_id INTEGER DEFAULT -1 NOT NULL,tab_id INTEGER DEFAULT -1 NOT NULL,task_id INTEGER DEFAULT -1 NOT NULL,root_task_id INTEGER DEFAULT -1 NOT NULL,parent_task_id INTEGER DEFAULT -1 NOT NULL,response_code INTEGER DEFAULT 0 NOT NULL);
CREATE INDEX visits_url_index ON visits (url);
CREATE INDEX visits_from_index ON visits (from_visit);
CREATE INDEX visits_time_index ON visits (visit_time);
CREATE INDEX visits_originator_id_index ON visits (originator_visit_id);
CREATE INDEX urls_url_index ON urls (url);
CREATE INDEX keyword_search_terms_index1 ON keyword_search_terms (keyword_id, normalized_term);
CREATE INDEX keyword_search_terms_index2 ON keyword_search_terms (url_id);
CREATE INDEX keyword_search_terms_index3 ON keyword_search_terms (term);
CREATE INDEX segments_name ON segments(name);
CREATE INDEX segments_url_id ON segments(url_id);
CREATE INDEX segment_usage_time_slot_segment_id ON segment_usage(time_slot, segment_id);
CREATE INDEX segments_usage_seg_id ON segment_usage(segment_id);
INSERT INTO meta VALUES('mmap_status','-1');
INSERT INTO meta VALUES('version','67');
INSERT INTO meta VALUES('last_compatible_version','16');
)SQL";

const char* const kChromeSchemaLegacy = R"SQL(
CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY,value LONGVARCHAR);
CREATE TABLE urls(id INTEGER PRIMARY KEY,url LONGVARCHAR,title LONGVARCHAR,visit_count INTEGER DEFAULT 0 NOT NULL,typed_count INTEGER DEFAULT 0 NOT NULL,last_visit_time INTEGER NOT NULL,hidden INTEGER DEFAULT 0 NOT NULL,favicon_id INTEGER DEFAULT 0 NOT NULL);
CREATE TABLE visits(id INTEGER PRIMARY KEY,url INTEGER NOT NULL,visit_time INTEGER NOT NULL,from_visit INTEGER,transition INTEGER DEFAULT 0 NOT NULL,segment_id INTEGER,is_indexed BOOLEAN);
CREATE TABLE visit_source(id INTEGER PRIMARY KEY,source INTEGER NOT NULL);
CREATE INDEX visits_url_index ON visits (url);
CREATE INDEX visits_from_index ON visits (from_visit);
CREATE INDEX visits_time_index ON visits (visit_time);
CREATE INDEX urls_url_index ON urls (url);
INSERT INTO meta VALUES('version','20');
INSERT INTO meta VALUES('last_compatible_version','16');
)SQL";

const char* const kFirefoxSchema = R"SQL(
CREATE TABLE moz_origins ( id INTEGER PRIMARY KEY, prefix TEXT NOT NULL, host TEXT NOT NULL, frecency INTEGER NOT NULL, recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency INTEGER, recalc_alt_frecency INTEGER NOT NULL DEFAULT 0, UNIQUE (prefix, host) );
CREATE TABLE moz_places (   id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL, typed INTEGER DEFAULT 0 NOT NULL, frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date INTEGER , guid TEXT, foreign_count INTEGER DEFAULT 0 NOT NULL, url_hash INTEGER DEFAULT 0 NOT NULL , description TEXT, preview_image_url TEXT, site_name TEXT, origin_id INTEGER REFERENCES moz_origins(id), recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency INTEGER, recalc_alt_frecency INTEGER NOT NULL DEFAULT 0);
CREATE TABLE moz_historyvisits (  id INTEGER PRIMARY KEY, from_visit INTEGER, place_id INTEGER, visit_date INTEGER, visit_type INTEGER, session INTEGER, source INTEGER DEFAULT 0 NOT NULL, triggeringPlaceId INTEGER);
CREATE TABLE moz_inputhistory (  place_id INTEGER NOT NULL, input LONGVARCHAR NOT NULL, use_count INTEGER, PRIMARY KEY (place_id, input));
CREATE TABLE moz_bookmarks (  id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, dateAdded INTEGER, lastModified INTEGER, guid TEXT, syncStatus INTEGER NOT NULL DEFAULT 0, syncChangeCounter INTEGER NOT NULL DEFAULT 1);
CREATE TABLE moz_keywords (  id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE, place_id INTEGER, post_data TEXT);
CREATE TABLE moz_anno_attributes (  id INTEGER PRIMARY KEY, name VARCHAR(32) UNIQUE NOT NULL);
CREATE TABLE moz_annos (  id INTEGER PRIMARY KEY, place_id INTEGER NOT NULL, anno_attribute_id INTEGER, content LONGVARCHAR, flags INTEGER DEFAULT 0, expiration INTEGER DEFAULT 0, type INTEGER DEFAULT 0, dateAdded INTEGER DEFAULT 0, lastModified INTEGER DEFAULT 0);
CREATE TABLE moz_meta (key TEXT PRIMARY KEY, value NOT NULL) WITHOUT ROWID;
CREATE INDEX moz_places_url_hashindex ON moz_places (url_hash);
CREATE INDEX moz_places_hostindex ON moz_places (rev_host);
CREATE INDEX moz_places_visitcount ON moz_places (visit_count);
CREATE INDEX moz_places_frecencyindex ON moz_places (frecency);
CREATE INDEX moz_places_lastvisitdateindex ON moz_places (last_visit_date);
CREATE UNIQUE INDEX moz_places_guid_uniqueindex ON moz_places (guid);
CREATE INDEX moz_places_originidindex ON moz_places (origin_id);
CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date);
CREATE INDEX moz_historyvisits_fromindex ON moz_historyvisits (from_visit);
CREATE INDEX moz_historyvisits_dateindex ON moz_historyvisits (visit_date);
CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);
CREATE INDEX moz_bookmarks_parentindex ON moz_bookmarks (parent, position);
CREATE UNIQUE INDEX moz_annos_placeattributeindex ON moz_annos (place_id, anno_attribute_id);
PRAGMA user_version = 77;
)SQL";

namespace {

// Chromium page transitions: LINK with the chain start/end qualifiers, and a
// server redirect that ends a chain.
constexpr int64_t kTransitionLink = 0x30000000;
constexpr int64_t kTransitionRedirect = 0xA0000000;
// Firefox visit types.
constexpr int kVisitLink = 1;
constexpr int kVisitRedirectPermanent = 5;

class Db {
 public:
  explicit Db(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &FDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK)
      Fail("open " + path);
  }
  ~Db() {
    for (auto* s : FStmts) sqlite3_finalize(s);
    sqlite3_close(FDb);
  }
  sqlite3* Handle() const { return FDb; }
  void Exec(const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(FDb, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
      std::string msg = err ? err : "?";
      sqlite3_free(err);
      throw std::runtime_error("sqlite: " + msg + " in " + sql.substr(0, 80));
    }
  }
  sqlite3_stmt* Prepare(const char* sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(FDb, sql, -1, &s, nullptr) != SQLITE_OK) Fail(sql);
    FStmts.push_back(s);
    return s;
  }
  void Run(sqlite3_stmt* s) {
    if (sqlite3_step(s) != SQLITE_DONE) Fail("step");
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
  }
  int64_t LastId() const { return sqlite3_last_insert_rowid(FDb); }
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("sqlite: " + what + ": " + sqlite3_errmsg(FDb));
  }

 private:
  sqlite3* FDb = nullptr;
  std::vector<sqlite3_stmt*> FStmts;
};

void BindText(sqlite3_stmt* s, int i, const std::string& v) {
  sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}

void FreshFile(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) plat::CreateDirs(path.substr(0, slash));
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) plat::RemoveFile(path + suffix);
}

std::string HostOf(const std::string& url) {
  size_t p = url.find("://");
  if (p == std::string::npos) return std::string();
  p += 3;
  size_t e = url.find_first_of("/?#:", p);
  return url.substr(p, e == std::string::npos ? std::string::npos : e - p);
}

std::string PrefixOf(const std::string& url) {
  size_t p = url.find("://");
  return p == std::string::npos ? std::string() : url.substr(0, p + 3);
}

std::string Guid(int64_t n) {
  static const char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  std::string g;
  uint64_t v = static_cast<uint64_t>(n) * 0x9E3779B97F4A7C15ULL + 0x1234567;
  for (int i = 0; i < 12; ++i) {
    g += kAlphabet[v & 63];
    v = (v >> 6) | (v << 58);
  }
  return g;
}

struct UrlRow {
  int64_t Id = 0;
  int64_t Count = 0;
  int64_t Last = 0;
};

}  // namespace

void ExecSql(const std::string& path, const std::string& sql) {
  Db db(path);
  db.Exec(sql);
}

sqlite3* OpenLogWriter(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK ||
      sqlite3_exec(db, ("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;" + sql).c_str(),
                   nullptr, nullptr, nullptr) != SQLITE_OK) {
    const std::string err = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw std::runtime_error("sqlite: " + err + " in " + sql);
  }
  return db;
}

void MakeChromeHistory(const std::string& path, const std::vector<StoreVisit>& visits,
                       bool modernSchema) {
  FreshFile(path);
  Db db(path);
  db.Exec("PRAGMA journal_mode=DELETE; PRAGMA synchronous=OFF;");
  db.Exec(modernSchema ? kChromeSchemaModern : kChromeSchemaLegacy);
  db.Exec("BEGIN");
  sqlite3_stmt* insUrl = db.Prepare(
      "INSERT INTO urls(url,title,visit_count,typed_count,last_visit_time,hidden) "
      "VALUES(?,?,0,0,0,0)");
  sqlite3_stmt* insVisit = db.Prepare(
      "INSERT INTO visits(url,visit_time,from_visit,transition,segment_id) VALUES(?,?,?,?,0)");
  std::unordered_map<std::string, UrlRow> urls;
  int64_t prevVisit = 0;
  for (const StoreVisit& v : visits) {
    auto it = urls.find(v.Url);
    if (it == urls.end()) {
      BindText(insUrl, 1, v.Url);
      if (v.NullTitle)
        sqlite3_bind_null(insUrl, 2);
      else
        BindText(insUrl, 2, v.Title);
      db.Run(insUrl);
      it = urls.emplace(v.Url, UrlRow{db.LastId(), 0, 0}).first;
    }
    it->second.Count++;
    if (v.RawTime > it->second.Last) it->second.Last = v.RawTime;
    sqlite3_bind_int64(insVisit, 1, it->second.Id);
    sqlite3_bind_int64(insVisit, 2, v.RawTime);
    sqlite3_bind_int64(insVisit, 3, v.Redirect ? prevVisit : 0);
    sqlite3_bind_int64(insVisit, 4, v.Redirect ? kTransitionRedirect : kTransitionLink);
    db.Run(insVisit);
    prevVisit = db.LastId();
  }
  sqlite3_stmt* upd = db.Prepare("UPDATE urls SET visit_count=?, last_visit_time=? WHERE id=?");
  for (const auto& kv : urls) {
    sqlite3_bind_int64(upd, 1, kv.second.Count);
    sqlite3_bind_int64(upd, 2, kv.second.Last);
    sqlite3_bind_int64(upd, 3, kv.second.Id);
    db.Run(upd);
  }
  db.Exec("COMMIT");
}

void MakeFirefoxPlaces(const std::string& path, const std::vector<StoreVisit>& visits,
                       bool walMode) {
  FreshFile(path);
  std::unordered_map<std::string, UrlRow> places;
  size_t inWal = walMode ? std::max<size_t>(1, visits.size() / 4) : 0;
  if (inWal > visits.size()) inWal = visits.size();
  const size_t inMain = visits.size() - inWal;

  // Writes visits [from, to) in one transaction; returns the last visit id.
  auto writeVisits = [&](Db& db, size_t from, size_t to, int64_t prevVisit) {
    db.Exec("BEGIN");
    sqlite3_stmt* insOrigin =
        db.Prepare("INSERT OR IGNORE INTO moz_origins(prefix,host,frecency) VALUES(?,?,1)");
    sqlite3_stmt* findOrigin = db.Prepare("SELECT id FROM moz_origins WHERE prefix=? AND host=?");
    sqlite3_stmt* insPlace = db.Prepare(
        "INSERT INTO moz_places(url,title,rev_host,visit_count,hidden,typed,frecency,"
        "last_visit_date,guid,url_hash,origin_id) VALUES(?,?,?,0,0,0,100,NULL,?,?,?)");
    sqlite3_stmt* insVisit = db.Prepare(
        "INSERT INTO moz_historyvisits(from_visit,place_id,visit_date,visit_type,session,source) "
        "VALUES(?,?,?,?,0,0)");
    sqlite3_stmt* updPlace =
        db.Prepare("UPDATE moz_places SET visit_count=?, last_visit_date=? WHERE id=?");
    for (size_t i = from; i < to; ++i) {
      const StoreVisit& v = visits[i];
      auto it = places.find(v.Url);
      if (it == places.end()) {
        const std::string host = HostOf(v.Url);
        int64_t originId = 0;
        BindText(insOrigin, 1, PrefixOf(v.Url));
        BindText(insOrigin, 2, host);
        db.Run(insOrigin);
        BindText(findOrigin, 1, PrefixOf(v.Url));
        BindText(findOrigin, 2, host);
        if (sqlite3_step(findOrigin) == SQLITE_ROW) originId = sqlite3_column_int64(findOrigin, 0);
        sqlite3_reset(findOrigin);
        std::string revHost(host.rbegin(), host.rend());
        revHost += '.';
        BindText(insPlace, 1, v.Url);
        if (v.NullTitle)
          sqlite3_bind_null(insPlace, 2);
        else
          BindText(insPlace, 2, v.Title);
        BindText(insPlace, 3, revHost);
        BindText(insPlace, 4, Guid(static_cast<int64_t>(places.size()) + 1));
        sqlite3_bind_int64(insPlace, 5,
                           static_cast<int64_t>(std::hash<std::string>()(v.Url) >> 16));
        sqlite3_bind_int64(insPlace, 6, originId);
        db.Run(insPlace);
        it = places.emplace(v.Url, UrlRow{db.LastId(), 0, 0}).first;
      }
      it->second.Count++;
      if (v.RawTime > it->second.Last) it->second.Last = v.RawTime;
      sqlite3_bind_int64(insVisit, 1, v.Redirect ? prevVisit : 0);
      sqlite3_bind_int64(insVisit, 2, it->second.Id);
      sqlite3_bind_int64(insVisit, 3, v.RawTime);
      sqlite3_bind_int(insVisit, 4, v.Redirect ? kVisitRedirectPermanent : kVisitLink);
      db.Run(insVisit);
      prevVisit = db.LastId();
      sqlite3_bind_int64(updPlace, 1, it->second.Count);
      sqlite3_bind_int64(updPlace, 2, it->second.Last);
      sqlite3_bind_int64(updPlace, 3, it->second.Id);
      db.Run(updPlace);
    }
    db.Exec("COMMIT");
    return prevVisit;
  };

  int64_t last = 0;
  {
    Db db(path);
    db.Exec(walMode ? "PRAGMA journal_mode=WAL;" : "PRAGMA journal_mode=DELETE;");
    db.Exec("PRAGMA synchronous=OFF;");
    db.Exec(kFirefoxSchema);
    last = writeVisits(db, 0, inMain, 0);
  }
  if (inWal == 0) return;
  // The newest visits stay in the write-ahead log: no automatic checkpoint
  // and none when the connection closes.
  Db db(path);
  sqlite3_db_config(db.Handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  db.Exec("PRAGMA wal_autocheckpoint=0;");
  writeVisits(db, inMain, visits.size(), last);
}

// ---- User folders -----------------------------------------------------------

UserFolder::UserFolder(const std::string& base, const std::string& name)
    : FRoot(base + "/" + name), FName(name) {
  plat::CreateDirs(Local());
  plat::CreateDirs(Roaming());
}

std::string UserFolder::Local(const std::string& rel) const {
  return FRoot + "/AppData/Local" + (rel.empty() ? "" : "/" + rel);
}

std::string UserFolder::Roaming(const std::string& rel) const {
  return FRoot + "/AppData/Roaming" + (rel.empty() ? "" : "/" + rel);
}

std::string UserFolder::AddChrome(const std::string& profile,
                                  const std::vector<StoreVisit>& visits) const {
  std::string path = Local("Google/Chrome/User Data/" + profile + "/History");
  MakeChromeHistory(path, visits);
  return path;
}

std::string UserFolder::AddEdge(const std::string& profile,
                                const std::vector<StoreVisit>& visits) const {
  std::string path = Local("Microsoft/Edge/User Data/" + profile + "/History");
  MakeChromeHistory(path, visits);
  return path;
}

std::string UserFolder::AddOpera(const std::vector<StoreVisit>& visits) const {
  std::string path = Roaming("Opera Software/Opera Stable/History");
  MakeChromeHistory(path, visits);
  return path;
}

std::string UserFolder::AddFirefox(const std::string& folder,
                                   const std::vector<StoreVisit>& visits, bool walMode) {
  const std::string dir = Roaming("Mozilla/Firefox");
  std::string path = dir + "/Profiles/" + folder + "/places.sqlite";
  MakeFirefoxPlaces(path, visits, walMode);
  FFirefoxProfiles.push_back(folder);
  std::string ini = "[General]\r\nStartWithLastProfile=1\r\nVersion=2\r\n";
  for (size_t i = 0; i < FFirefoxProfiles.size(); ++i) {
    ini += "\r\n[Profile" + std::to_string(i) + "]\r\nName=" + FFirefoxProfiles[i] +
           "\r\nIsRelative=1\r\nPath=Profiles/" + FFirefoxProfiles[i] + "\r\n";
    if (i == 0) ini += "Default=1\r\n";
  }
  std::FILE* f = plat::OpenFile(dir + "/profiles.ini", "wb");
  if (!f) throw std::runtime_error("cannot write profiles.ini");
  std::fwrite(ini.data(), 1, ini.size(), f);
  std::fclose(f);
  return path;
}

}  // namespace vt_test

namespace vt_test {

void AddChromeDownloads(const std::string& path, const std::vector<StoreDownload>& downloads,
                        bool legacy) {
  Db db(path);
  if (legacy) {
    db.Exec(
        "CREATE TABLE IF NOT EXISTS downloads (id INTEGER PRIMARY KEY,full_path LONGVARCHAR NOT "
        "NULL,url LONGVARCHAR NOT NULL,start_time INTEGER NOT NULL,received_bytes INTEGER NOT "
        "NULL,total_bytes INTEGER NOT NULL,state INTEGER NOT NULL)");
  } else {
    db.Exec(
        "CREATE TABLE IF NOT EXISTS downloads (id INTEGER PRIMARY KEY,guid VARCHAR NOT "
        "NULL,current_path LONGVARCHAR NOT NULL,target_path LONGVARCHAR NOT NULL,start_time "
        "INTEGER NOT NULL,received_bytes INTEGER NOT NULL,total_bytes INTEGER NOT NULL,state "
        "INTEGER NOT NULL,danger_type INTEGER NOT NULL,interrupt_reason INTEGER NOT NULL,hash "
        "BLOB NOT NULL,end_time INTEGER NOT NULL,opened INTEGER NOT NULL,last_access_time "
        "INTEGER NOT NULL,transient INTEGER NOT NULL,referrer VARCHAR NOT NULL,site_url VARCHAR "
        "NOT NULL,embedder_download_data VARCHAR NOT NULL,tab_url VARCHAR NOT NULL,"
        "tab_referrer_url VARCHAR NOT NULL,http_method VARCHAR NOT NULL,by_ext_id VARCHAR NOT "
        "NULL,by_ext_name VARCHAR NOT NULL,by_web_app_id VARCHAR NOT NULL,etag VARCHAR NOT "
        "NULL,last_modified VARCHAR NOT NULL,mime_type VARCHAR(255) NOT NULL,original_mime_type "
        "VARCHAR(255) NOT NULL);"
        "CREATE TABLE IF NOT EXISTS downloads_url_chains (id INTEGER NOT NULL,chain_index "
        "INTEGER NOT NULL,url LONGVARCHAR NOT NULL, PRIMARY KEY (id, chain_index) );"
        "CREATE TABLE IF NOT EXISTS downloads_slices (download_id INTEGER NOT NULL,offset "
        "INTEGER NOT NULL,received_bytes INTEGER NOT NULL,finished INTEGER NOT NULL DEFAULT 0, "
        "PRIMARY KEY (download_id, offset) );");
  }
  db.Exec("BEGIN");
  sqlite3_stmt* ins =
      legacy ? db.Prepare("INSERT INTO downloads (full_path,url,start_time,received_bytes,"
                          "total_bytes,state) VALUES (?,?,?,?,?,?)")
             : db.Prepare(
                   "INSERT INTO downloads (guid,current_path,target_path,start_time,"
                   "received_bytes,total_bytes,state,danger_type,interrupt_reason,hash,end_time,"
                   "opened,last_access_time,transient,referrer,site_url,embedder_download_data,"
                   "tab_url,tab_referrer_url,http_method,by_ext_id,by_ext_name,by_web_app_id,etag,"
                   "last_modified,mime_type,original_mime_type) VALUES (?,?,?,?,?,?,?,0,0,X'',?,"
                   "0,0,0,?,'','',?,'','GET','','','','','',?,?)");
  sqlite3_stmt* chain =
      legacy ? nullptr
             : db.Prepare("INSERT INTO downloads_url_chains (id,chain_index,url) VALUES (?,?,?)");
  int64_t n = 0;
  for (const StoreDownload& d : downloads) {
    ++n;
    const std::string first = d.Chain.empty() ? std::string() : d.Chain.front();
    if (legacy) {
      BindText(ins, 1, d.Path);
      BindText(ins, 2, first);
      sqlite3_bind_int64(ins, 3, d.RawStart);
      sqlite3_bind_int64(ins, 4, d.Received);
      sqlite3_bind_int64(ins, 5, d.Total);
      sqlite3_bind_int64(ins, 6, d.State);
      db.Run(ins);
      continue;
    }
    BindText(ins, 1, Guid(n));
    BindText(ins, 2, d.Path);
    BindText(ins, 3, d.Path);
    sqlite3_bind_int64(ins, 4, d.RawStart);
    sqlite3_bind_int64(ins, 5, d.Received);
    sqlite3_bind_int64(ins, 6, d.Total);
    sqlite3_bind_int64(ins, 7, d.State);
    sqlite3_bind_int64(ins, 8, d.RawEnd);
    BindText(ins, 9, d.Referrer);
    BindText(ins, 10, d.TabUrl);
    BindText(ins, 11, d.Mime);
    BindText(ins, 12, d.Mime);
    db.Run(ins);
    const int64_t id = db.LastId();
    for (size_t k = 0; k < d.Chain.size(); ++k) {
      sqlite3_bind_int64(chain, 1, id);
      sqlite3_bind_int64(chain, 2, static_cast<int64_t>(k));
      BindText(chain, 3, d.Chain[k]);
      db.Run(chain);
    }
  }
  db.Exec("COMMIT");
}

void AddFirefoxDownloads(const std::string& path, const std::vector<StoreDownload>& downloads) {
  Db db(path);
  db.Exec(
      "INSERT OR IGNORE INTO moz_anno_attributes (name) VALUES ('downloads/destinationFileURI');"
      "INSERT OR IGNORE INTO moz_anno_attributes (name) VALUES ('downloads/metaData');"
      "BEGIN");
  sqlite3_stmt* place = db.Prepare(
      "INSERT INTO moz_places (url, title, rev_host, visit_count, hidden, typed, frecency, "
      "guid, url_hash) VALUES (?, NULL, '', 0, 0, 0, -1, ?, 0)");
  sqlite3_stmt* anno = db.Prepare(
      "INSERT INTO moz_annos (place_id, anno_attribute_id, content, flags, expiration, type, "
      "dateAdded, lastModified) VALUES (?, (SELECT id FROM moz_anno_attributes WHERE name = ?), "
      "?, 0, 4, 3, ?, ?)");
  int64_t n = 0;
  for (const StoreDownload& d : downloads) {
    BindText(place, 1, d.Chain.empty() ? std::string() : d.Chain.front());
    BindText(place, 2, "dl" + Guid(++n).substr(0, 10));
    db.Run(place);
    const int64_t id = db.LastId();
    sqlite3_bind_int64(anno, 1, id);
    BindText(anno, 2, "downloads/destinationFileURI");
    BindText(anno, 3, d.Path);
    sqlite3_bind_int64(anno, 4, d.RawStart);
    sqlite3_bind_int64(anno, 5, d.RawStart);
    db.Run(anno);
    if (d.State < 0) continue;
    sqlite3_bind_int64(anno, 1, id);
    BindText(anno, 2, "downloads/metaData");
    BindText(anno, 3, "{\"state\":" + std::to_string(d.State) + ",\"deleted\":false,\"endTime\":" +
                          std::to_string(d.RawEnd) + ",\"fileSize\":" + std::to_string(d.Total) +
                          "}");
    sqlite3_bind_int64(anno, 4, d.RawStart);
    sqlite3_bind_int64(anno, 5, d.RawStart);
    db.Run(anno);
  }
  db.Exec("COMMIT");
}

void DamageTable(const std::string& path, const std::string& table) {
  std::vector<int64_t> pages;
  int64_t pageSize = 0;
  {
    Db db(path);
    sqlite3_stmt* s = db.Prepare("PRAGMA page_size");
    if (sqlite3_step(s) == SQLITE_ROW) pageSize = sqlite3_column_int64(s, 0);
    // The table's root page: the tables built here are small enough to
    // live on it whole.
    sqlite3_stmt* q = db.Prepare("SELECT rootpage FROM sqlite_master WHERE name = ?");
    BindText(q, 1, table);
    while (sqlite3_step(q) == SQLITE_ROW) pages.push_back(sqlite3_column_int64(q, 0));
  }
  if (pages.empty() || pageSize <= 0) throw std::runtime_error("no pages for " + table);
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  if (!f) throw std::runtime_error("cannot open " + path);
  const std::string junk(static_cast<size_t>(pageSize), '\xA5');
  for (int64_t p : pages) {
    std::fseek(f, static_cast<long>((p - 1) * pageSize), SEEK_SET);
    std::fwrite(junk.data(), 1, junk.size(), f);
  }
  std::fclose(f);
}

}  // namespace vt_test
