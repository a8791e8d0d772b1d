#include "uBrowsers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"
#include "uWebCache.h"

namespace {

// Catalogue templates are written the Windows way; other platforms get their
// own separator so the expanded folders can be tested directly.
std::string NativePath(const char* tmpl) {
  std::string s = tmpl;
  for (char& c : s)
    if (c == '\\') c = plat::kPathSep;
  return s;
}

void AddDef(TBrowserDefs& defs, const char* id, const char* name, TBrowserFamily family,
            const char* root, const char* channel = "") {
  defs.emplace_back();
  TBrowserEntry& e = defs.back();
  e.Id = id;
  e.Name = name;
  e.Family = family;
  e.Root = NativePath(root);
  e.Channel = channel;
}

std::string WithoutTrailingSep(std::string path) {
  while (path.size() > 1 && plat::IsPathSep(path.back())) path.pop_back();
  return path;
}

std::string WithTrailingSep(const std::string& path) {
  std::string s = WithoutTrailingSep(path);
  if (s.empty() || !plat::IsPathSep(s.back())) s += plat::kPathSep;
  return s;
}

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

bool SameFolderName(const std::string& a, const std::string& b) {
  return FoldCase(a) == FoldCase(b);
}

// Whole text file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path) {
  std::string data;
  std::FILE* f = plat::OpenFile(path, "rb");
  if (!f) return data;
  char buf[16384];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  std::fclose(f);
  return data;
}

constexpr int kSqliteRow = 100;
constexpr int kSqliteDone = 101;

constexpr int kSqliteInteger = 1;
constexpr int kSqliteNull = 5;

// The two tables a history query joins, as each family names them.
struct TStoreShape {
  const char* UrlTable;     // one row per address: id, url, title
  const char* VisitTable;   // one row per visit
  const char* VisitRef;     // the visit's column holding the address's id
  const char* VisitTime;    // the visit's time column (microseconds)
  const char* UrlAlias;     // the address table's alias in the query
  bool PositiveTimesOnly;   // the query keeps only times above 0
};
const TStoreShape kChromiumShape = {"urls", "visits", "url", "visit_time", "u", false};
const TStoreShape kFirefoxShape = {"moz_places", "moz_historyvisits", "place_id", "visit_date",
                                   "p", true};

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

// One visit row in the window: its time, its row id and its address.
struct TScanVisit {
  int64_t Time;
  int64_t RowId;
  size_t UrlIndex;
};

// Reads the rows of the history query by two sequential scans, far cheaper
// than the query's index walk with one address lookup per visit: the
// address table into memory, then the visits in the window, sorted as the
// query would deliver them. False (nothing kept) when anything is not as
// the query would see it, or the engine reports an error: the caller then
// runs the query itself, which handles every case as it stands.
bool ScanHistory(TSqliteDb& db, const TStoreShape& shape, const TRawWindow& window,
                 std::vector<TScanUrl>& urls, std::vector<TScanVisit>& visits) {
  urls.clear();
  visits.clear();
  TSqlStmt stmt = nullptr;
  if (!db.Prepare(std::string("SELECT id, url, title FROM ") + shape.UrlTable + " ORDER BY id",
                  stmt))
    return false;
  int rc;
  while ((rc = db.Step(stmt)) == kSqliteRow) {
    if (db.ColType(stmt, 0) != kSqliteInteger) break;
    urls.push_back(TScanUrl{db.ColInt(stmt, 0), db.ColText(stmt, 1), db.ColText(stmt, 2), 0});
  }
  db.Finalize(stmt);
  if (rc != kSqliteDone) return false;

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

  if (!db.Prepare(std::string("SELECT rowid, ") + shape.VisitRef + ", " + shape.VisitTime +
                      " FROM " + shape.VisitTable,
                  stmt))
    return false;
  bool plain = true;
  while ((rc = db.Step(stmt)) == kSqliteRow) {
    const int refType = db.ColType(stmt, 1);
    if (refType == kSqliteNull) continue;  // joins no address
    if (refType != kSqliteInteger || db.ColType(stmt, 2) != kSqliteInteger) {
      plain = false;
      break;
    }
    const int64_t t = db.ColInt(stmt, 2);
    if (shape.PositiveTimesOnly && t <= 0) continue;
    if (!window.Holds(t)) continue;
    const int64_t at = find(db.ColInt(stmt, 1));
    if (at < 0) continue;
    visits.push_back(TScanVisit{t, db.ColInt(stmt, 0), static_cast<size_t>(at)});
  }
  db.Finalize(stmt);
  if (!plain || rc != kSqliteDone) {
    urls.clear();
    visits.clear();
    return false;
  }

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

// ---- Catalogue -------------------------------------------------------------

void GetBrowserDefs(TBrowserDefs& defs) {
  defs.clear();
  AddDef(defs, "chrome", "Google Chrome", bfChromium, "%L%\\Google\\Chrome\\User Data");
  AddDef(defs, "edge", "Microsoft Edge", bfChromium, "%L%\\Microsoft\\Edge\\User Data");
  AddDef(defs, "brave", "Brave", bfChromium, "%L%\\BraveSoftware\\Brave-Browser\\User Data");
  AddDef(defs, "vivaldi", "Vivaldi", bfChromium, "%L%\\Vivaldi\\User Data");
  AddDef(defs, "chromium", "Chromium", bfChromium, "%L%\\Chromium\\User Data");
  AddDef(defs, "yandex", "Yandex Browser", bfChromium, "%L%\\Yandex\\YandexBrowser\\User Data");
  AddDef(defs, "opera", "Opera", bfChromium, "%R%\\Opera Software\\Opera Stable");
  AddDef(defs, "operagx", "Opera GX", bfChromium, "%R%\\Opera Software\\Opera GX Stable");
  AddDef(defs, "qq", "QQ 浏览器", bfChromium, "%L%\\Tencent\\QQBrowser\\User Data");
  AddDef(defs, "qq_r", "QQ 浏览器", bfChromium, "%R%\\Tencent\\QQBrowser\\User Data", "roaming");
  AddDef(defs, "360se", "360 安全浏览器", bfChromium, "%R%\\360se6\\User Data");
  AddDef(defs, "360se_l", "360 安全浏览器", bfChromium, "%L%\\360se6\\User Data", "local");
  AddDef(defs, "360chrome", "360 极速浏览器", bfChromium, "%L%\\360Chrome\\Chrome\\User Data");
  AddDef(defs, "sogou", "搜狗高速浏览器", bfChromium, "%R%\\SogouExplorer\\Webkit");
  AddDef(defs, "sogou_l", "搜狗高速浏览器", bfChromium, "%L%\\SogouExplorer\\Webkit", "local");
  AddDef(defs, "2345", "2345 加速浏览器", bfChromium, "%R%\\2345Explorer\\User Data");
  AddDef(defs, "liebao", "猎豹浏览器", bfChromium, "%R%\\liebao\\User Data");
  AddDef(defs, "liebao_l", "猎豹浏览器", bfChromium, "%L%\\liebao\\User Data", "local");
  AddDef(defs, "theworld", "世界之窗浏览器", bfChromium, "%R%\\TheWorld6\\User Data");
  AddDef(defs, "115", "115 浏览器", bfChromium, "%L%\\115Chrome\\User Data");
  AddDef(defs, "maxthon", "傲游浏览器", bfChromium, "%R%\\Maxthon5\\Users");
  AddDef(defs, "firefox", "Mozilla Firefox", bfFirefox, "%R%\\Mozilla\\Firefox");
  AddDef(defs, "waterfox", "Waterfox", bfFirefox, "%R%\\Waterfox");
  AddDef(defs, "palemoon", "Pale Moon", bfFirefox, "%R%\\Moonchild Productions\\Pale Moon");
  AddDef(defs, "librewolf", "LibreWolf", bfFirefox, "%R%\\LibreWolf");
  AddDef(defs, "ie", "IE / 旧版 Edge", bfWebCache, "%L%\\Microsoft\\Windows\\WebCache");
}

// ---- User profiles ---------------------------------------------------------

std::string GetUserHome() {
  std::string home = plat::GetEnv("USERPROFILE");
  if (!home.empty()) return home;
  std::string appData = plat::GetEnv("APPDATA");
  if (!appData.empty()) return ExtractFileDir(appData);
  return plat::GetEnv("HOME");
}

std::string GetUserName() {
  std::string name = plat::GetEnv("USERNAME");
  if (name.empty()) name = plat::GetEnv("USER");
  return name;
}

std::string ExpandEnvPath(const std::string& path) {
  if (path.find('%') == std::string::npos) return path;
  std::string expanded = plat::ExpandEnvStrings(path);
  return expanded.empty() ? path : expanded;
}

void ListUserProfiles(const std::string& scope, std::string& errorMsg, TUserProfiles& profiles) {
  errorMsg.clear();
  profiles.clear();
  const std::string home = GetUserHome();
  const std::string homeWithSep = WithTrailingSep(home);

  TUserProfile self;
  self.Name = GetUserName();
  self.Root = WithoutTrailingSep(home);
  self.IsCurrent = true;
  profiles.push_back(self);
  if (!SameTextAscii(scope, "all")) return;

  std::vector<std::string> candidates;
  if (!plat::ListProfileFolders(home, candidates)) {
    errorMsg = "无法读取用户配置列表（注册表访问被拒绝）";
    return;
  }
  for (const std::string& raw : candidates) {
    if (raw.empty()) continue;
    const std::string path = ExpandEnvPath(raw);
    if (FoldCase(path).find("systemprofile") != std::string::npos) continue;
    if (!plat::DirExists(path)) continue;
    const std::string root = WithoutTrailingSep(path);
    const std::string last = ExtractFileName(root);
    if (SameFolderName(last, "Public") || SameFolderName(last, "Default") ||
        SameFolderName(last, "Default User") || SameFolderName(last, "All Users"))
      continue;
    // The running user is element 0 already, however the list spells it.
    if (SameFolderName(WithTrailingSep(path), homeWithSep)) continue;
    TUserProfile p;
    p.Name = last;
    p.Root = root;
    p.IsCurrent = false;
    profiles.push_back(std::move(p));
  }
}

std::string ExpandRoot(const std::string& tmpl, const std::string& userRoot) {
  const std::string user = WithoutTrailingSep(userRoot);
  const std::string sep(1, plat::kPathSep);
  std::string s = ReplaceAll(tmpl, "%U%", user);
  s = ReplaceAll(s, "%L%", JoinPath(user, "AppData" + sep + "Local"));
  s = ReplaceAll(s, "%R%", JoinPath(user, "AppData" + sep + "Roaming"));
  s = ReplaceAll(s, "%P%", JoinPath(user, "AppData" + sep + "LocalLow"));
  return s;
}

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
  TBrowserDefs defs;
  GetBrowserDefs(defs);
  for (const TUserProfile& user : users) {
    for (const TBrowserEntry& entry : defs) {
      if (!SourceSelected(entry.Id)) continue;
      // A user folder copied from Windows may spell "AppData" or a vendor
      // folder in another letter case; Windows would not care.
      const std::string dir = plat::ResolvePathCase(ExpandRoot(entry.Root, user.Root));
      if (plat::DirExists(dir)) {
        switch (entry.Family) {
          case bfChromium: ScanChromium(entry, user, dir); break;
          case bfFirefox: ScanFirefox(entry, user, dir); break;
          case bfWebCache: ReadWebCache(entry, user, dir); break;
        }
      } else if (FHasFilter) {
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
  const std::string rootHistory = JoinPath(dir, "History");
  if (plat::FileExists(rootHistory)) {
    ReadChromiumHistory(entry, user, "Default", rootHistory);
    found = true;
  }
  std::vector<plat::DirEntry> entries;
  plat::ListDir(dir, entries);
  for (const plat::DirEntry& e : entries) {
    if (!e.IsDir) continue;
    const std::string history = JoinPath(JoinPath(dir, e.Name), "History");
    if (!plat::FileExists(history)) continue;
    ReadChromiumHistory(entry, user, e.Name, history);
    found = true;
  }
  if (!found && FHasFilter)
    AddSource(entry.Id, entry.Name, user.Name, dir, ssNotFound, 0, "未找到 History 数据库");
}

void TCollector::ReadChromiumHistory(const TBrowserEntry& entry, const TUserProfile& user,
                                     const std::string& profileName, const std::string& dbPath) {
  ReadSqliteStore(entry, user.Name + "\\" + profileName, dbPath, false);
}

// ---- Firefox ---------------------------------------------------------------

void TCollector::ScanFirefox(const TBrowserEntry& entry, const TUserProfile& user,
                             const std::string& dir) {
  std::vector<std::string> done;  // folded folder paths already read
  bool found = false;
  const std::string profilesDir = JoinPath(dir, "Profiles");

  // A folder reached both through profiles.ini and through the Profiles scan,
  // in whatever spelling, is read once.
  auto tryProfile = [&](const std::string& folder) {
    const std::string path = NormalizeLexically(folder);
    const std::string key = FoldCase(path);
    for (const std::string& k : done)
      if (k == key) return;
    const std::string places = JoinPath(path, "places.sqlite");
    if (!plat::FileExists(places)) return;
    done.push_back(key);
    ReadFirefoxPlaces(entry, user, ExtractFileName(path), places);
    found = true;
  };

  const std::string ini = JoinPath(dir, "profiles.ini");
  if (plat::FileExists(ini)) {
    std::string text = ReadWholeFile(ini);
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    size_t pos = 0;
    while (pos <= text.size()) {
      size_t end = text.find_first_of("\r\n", pos);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(pos, end - pos);
      pos = end + 1;
      if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
      if (line.compare(0, 5, "Path=") != 0) continue;
      const std::string value = NativeSeparators(Trim(Utf8BytesToString(line.substr(5))));
      const std::string inProfiles = plat::ResolvePathCase(JoinPath(profilesDir, value));
      const std::string inDir = plat::ResolvePathCase(JoinPath(dir, value));
      if (plat::DirExists(inProfiles))
        tryProfile(inProfiles);
      else if (plat::DirExists(inDir))
        tryProfile(inDir);
    }
  }

  if (plat::DirExists(profilesDir)) {
    std::vector<plat::DirEntry> entries;
    plat::ListDir(profilesDir, entries);
    for (const plat::DirEntry& e : entries)
      if (e.IsDir) tryProfile(JoinPath(profilesDir, e.Name));
  }

  if (!found && FHasFilter)
    AddSource(entry.Id, entry.Name, user.Name, dir, ssNotFound, 0, "未找到 places.sqlite");
}

void TCollector::ReadFirefoxPlaces(const TBrowserEntry& entry, const TUserProfile& user,
                                   const std::string& profileName, const std::string& dbPath) {
  ReadSqliteStore(entry, user.Name + "\\" + profileName, dbPath, true);
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
  int32_t count = 0;
  std::string message, readError;
  {
    TSqliteDb db;
    TSqlStmt stmt = nullptr;
    const std::string sql =
        firefox ? FirefoxPlacesQuery(FFromUnix, FToUnix) : ChromiumHistoryQuery(FFromUnix, FToUnix);
    if (!db.OpenSnapshot(copy)) {
      status = ssParseError;
      message = "打开数据库失败：" + db.LastError();
    } else if (!db.Prepare(sql, stmt)) {
      const std::string why = db.LastError();
      if (LowerAscii(why).find("no such table") != std::string::npos) {
        status = ssEmpty;
        message = "历史库为空（尚无访问记录）";
      } else {
        status = ssParseError;
        message = "查询失败：" + why;
      }
    } else {
      // Firefox counts from 1970 and takes 2100-01-01 itself; Chromium counts
      // from 1601 and stops just before it.
      const int64_t offset = firefox ? 0 : kUnixTo1601Seconds;
      const int64_t last = firefox ? kUnix2100 : kUnix2100 - 1;
      const TStoreShape& shape = firefox ? kFirefoxShape : kChromiumShape;
      const TSourceLabelId label = InternSourceLabel(entry.Id, entry.Name, profileLabel);
      THistoryRecord rec;
      rec.Source = label;

      std::vector<TScanUrl> urls;
      std::vector<TScanVisit> visits;
      if (HistoryQueryWalksTimeIndex(db, firefox, sql) &&
          ScanHistory(db, shape, RawWindow(FFromUnix, FToUnix, offset), urls, visits)) {
        // The same rows in the same order as the query gives them. What a
        // row keeps depends on its address alone (and its time), so each
        // address is checked once, and all its visits share its texts.
        // Addresses and their texts are met in no order of memory: their
        // loading starts some visits ahead.
        constexpr size_t kFar = 16, kNear = 8;
        FList.Reserve(visits.size());
        for (size_t k = 0; k < visits.size(); ++k) {
          if (k + kFar < visits.size()) PrefetchRead(&urls[visits[k + kFar].UrlIndex]);
          if (k + kNear < visits.size()) {
            const TScanUrl& next = urls[visits[k + kNear].UrlIndex];
            next.Url.PrefetchHeader();
            next.Title.PrefetchHeader();
          }
          const TScanVisit& v = visits[k];
          TScanUrl& u = urls[v.UrlIndex];
          if (u.State == 0) {
            u.State = -1;
            if (u.Url.empty()) continue;
            std::string title = CleanTitle(u.Title);
            if (!VisitPasses(u.Url, title)) continue;
            if (title != u.Title.str()) u.Title = std::move(title);
            if (FPrivacy) u.Url = StripQuery(u.Url);
            u.State = 1;
          }
          if (u.State < 0) continue;
          const int64_t t = v.Time / 1000000 - offset;
          if (t <= 0 || t > last) continue;
          rec.Url = u.Url;
          rec.Title = u.Title;
          rec.VisitUnix = t;
          FList.Add(rec);
          ++count;
        }
      } else {
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
    db.Close();
  }
  DeleteSnapshot(copy);
  AddSource(entry.Id, entry.Name, profileLabel, dbPath, status, count, message);
}

// ---- WebCache --------------------------------------------------------------

void TCollector::ReadWebCache(const TBrowserEntry& entry, const TUserProfile& user,
                              const std::string& dir) {
  const std::string datPath = JoinPath(dir, "WebCacheV01.dat");
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
  const int32_t count = CollectWebCache(datPath, FList, entry.Id, entry.Name, label, filter,
                                        message, status);
  AddSource(entry.Id, entry.Name, label, datPath, status, count, message);
}
