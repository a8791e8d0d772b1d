#include "uBrowsers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <new>
#include <unordered_map>
#include <utility>

#include "uBrowsers_scan.h"
#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"
#include "uWebCache.h"

using namespace browsers_detail;

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
  // A folder's name may hold bytes that are not UTF-8 (legal on Linux, and
  // left by old disks named in GBK): every report must stay valid UTF-8.
  return Utf8BytesToString(label);
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


// What a source says of the exception that ended its reading. The texts of
// the standard library's exceptions are short and ASCII, but whatever a
// store made us throw is shown only as well-formed and bounded text.
std::string ExceptionReason(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return "内存不足";
  std::string text = Utf16Left(Utf8BytesToString(e.what()), 200);
  return text.empty() ? std::string("未知错误") : text;
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
  info.Profile = Utf8BytesToString(profile);
  info.DbPath = Utf8BytesToString(dbPath);  // shown only: the store was opened by its real name
  info.Status = status;
  info.Count = count;
  info.Message = message;
  FSources.Add(info);
}

void TCollector::ReadContained(const TBrowserEntry& entry, const std::string& profileLabel,
                               const std::string& path, const std::function<void()>& read) {
  const int32_t sources = FSources.Count(), visits = FList.Count();
  const int32_t downloads = FDownloads ? FDownloads->Count() : 0;
  std::string reason;
  try {
    read();
    return;
  } catch (const std::exception& e) {
    reason = ExceptionReason(e);
  } catch (...) {
    reason = "未知错误";
  }
  // Every record a reader adds is a whole visit of the store (the table
  // scans add theirs at once when all rows are read, the query row by row):
  // what was added before the exception is kept and counted. The sources
  // recorded inside `read` (the stores of a browser folder whose listing
  // then failed) keep theirs.
  int32_t count = FList.Count() - visits, added = FDownloads ? FDownloads->Count() - downloads : 0;
  for (int32_t i = sources; i < FSources.Count(); ++i) {
    count -= FSources.Items()[static_cast<size_t>(i)].Count;
    added -= FSources.Items()[static_cast<size_t>(i)].Downloads;
  }
  const std::string message = count > 0 ? Format("%s（已读取 %d 条）", reason.c_str(), count) : reason;
  if (FLog) FLog->Raw("[异常] " + entry.Name + " " + profileLabel + "：" + message);
  AddSource(entry.Id, entry.Name, profileLabel, path, ssParseError, count, message);
  if (added > 0) FSources.SetDownloads(FSources.Count() - 1, added);
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
        // Each store is contained where it is read; this catches what the
        // browser's folder itself makes us throw (a listing too large to hold).
        ReadContained(entry, user.Name, dir, [&]() {
          switch (entry.Family) {
            case bfChromium: ScanChromium(entry, user, dir); break;
            case bfFirefox: ScanFirefox(entry, user, dir); break;
            case bfWebCache: ReadWebCache(entry, user, dir); break;
          }
        });
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
  const std::string label = ProfileLabel(entry, user, profileName);
  ReadContained(entry, label, dbPath,
                [&]() { ReadSqliteStore(entry, user, label, dbPath, false); });
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
    // A profile list holds a few lines. One that is no file (a pipe, a
    // device) or runs past a megabyte is not read, and the source list
    // says so; the profiles of the Profiles folder are still read. One that
    // cannot be opened is passed over as before.
    constexpr int64_t kMaxIniBytes = int64_t{1} << 20;
    std::string text;
    uint32_t code = 0;
    if (!ReadWholeFile(ini, text, &code, kMaxIniBytes) &&
        (code == plat::kErrNotRegularFile || code == plat::kErrFileTooLarge))
      AddSource(entry.Id, entry.Name, user.Name, ini, ssParseError, 0,
                "profiles.ini " + ReadFileErrorText(code, kMaxIniBytes) + "，未读取");
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
  const std::string label = ProfileLabel(entry, user, profileName);
  ReadContained(entry, label, dbPath,
                [&]() { ReadSqliteStore(entry, user, label, dbPath, true); });
}

// ---- Shared SQLite reading -------------------------------------------------

void TCollector::ReadSqliteStore(const TBrowserEntry& entry, const TUserProfile& user,
                                 const std::string& profileLabel, const std::string& dbPath,
                                 bool firefox) {
  std::string copy, err;
  bool refused = false, foreign = false;
  if (!SnapshotDatabase(dbPath, copy, err, &refused, user.Owner, &foreign)) {
    // A store refused for what it is cannot be read, however often tried;
    // another user's store is not this user's to read.
    const TSourceStatus status = foreign   ? ssNoPermission
                                 : refused ? ssParseError
                                           : SnapshotFailureStatus(err);
    AddSource(entry.Id, entry.Name, profileLabel, dbPath, status, 0, err);
    return;
  }

  TSourceStatus status = ssEmpty;
  int32_t count = 0, downloads = 0;
  std::string message, readError, downloadProblem;
  bool removed = false;        // the snapshot, once the store was done with early
  // An exception that ends the reading (the collector contains it) must not
  // leave the copy of someone's history behind; it goes once the
  // connections to it are closed.
  struct TCopyGuard {
    const std::string& Copy;
    const bool& Removed;
    ~TCopyGuard() {
      try {
        if (!Removed) DeleteSnapshot(Copy);
      } catch (...) {
      }
    }
  } copyGuard{copy, removed};
  const TSourceLabelId label = InternSourceLabel(entry.Id, entry.Name, profileLabel);
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
        // Nearly every stored title is clean already, and stays as stored.
        const bool clean = TitleIsClean(u.Title);
        std::string cleaned = clean ? std::string() : CleanTitle(u.Title);
        if (!VisitPasses(u.Url, clean ? u.Title.str() : cleaned)) return;
        if (!clean && cleaned != u.Title.str()) u.Title = std::move(cleaned);
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
          auto countKept = [&]() {
            for (size_t k = 0; k < visits.size(); ++k) {
              if (k + kAhead < visits.size()) PrefetchRead(&urlOf(k + kAhead));
              TScanUrl& u = urlOf(k);
              if (u.State == 0) settle(u);
              if (!keeps(k)) continue;
              ++records[static_cast<size_t>(visits[k].UrlIndex)];
              ++total;
            }
          };
          // Without a keyword filter nearly every visit read becomes a
          // record: the list's room for all of them is made beside the
          // count (its memory, touched for the first time, can take longer
          // than the count itself). With one, only what the count keeps.
          if (!FHasInclude && !FHasExclude && visits.size() >= 65536)
            plat::RunTogether({countKept, [&]() { FList.Reserve(visits.size()); }});
          else
            countKept();
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
        // A store damaged part-way through its rows: what was read before
        // the damage stays, and the source says where reading stopped.
        count = ReadQueryRows(db, firefox, stmt, sql, label, readError);
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
  removed = true;
  if (!downloadProblem.empty())
    message = message.empty() ? downloadProblem : message + "；" + downloadProblem;
  AddSource(entry.Id, entry.Name, profileLabel, dbPath, status, count, message);
  if (downloads > 0) FSources.SetDownloads(FSources.Count() - 1, downloads);
}

namespace {

// One address row as the visits of the query path carry it: read once,
// settled once (kept or dropped by its texts).
struct TQueryAddress {
  TSharedText Url;
  TSharedText Title;
  bool Kept = false;
};

// The texts of the address row `rowid` through `texts` (its url and title
// by row id). A value too long for the engine to load is taken by its
// beginning, as the scans take it. False with the engine's reason.
bool LoadQueryAddress(TSqliteDb& db, const TStoreShape& shape, TSqlStmt texts, int64_t rowid,
                      std::string& url, std::string& title, std::string& error) {
  if (!db.Rebind(texts, 1, rowid)) {
    error = db.LastError();
    return false;
  }
  const int rc = db.Step(texts);
  if (rc == kSqliteRow) {
    url = db.ColText(texts, 0);
    title = db.ColText(texts, 1);
    return true;
  }
  if (rc == kSqliteDone) return true;  // gone from under the join: nothing to show
  const std::string why = db.LastError();
  if (rc == kSqliteTooBig && db.ReadTextPrefix(shape.UrlTable, "url", rowid, url) &&
      db.ReadTextPrefix(shape.UrlTable, "title", rowid, title))
    return true;
  error = why;
  return false;
}

}  // namespace

// Firefox counts from 1970 and takes 2100-01-01 itself; Chromium counts
// from 1601 and stops just before it.
int32_t TCollector::ReadQueryRows(TSqliteDb& db, bool firefox, TSqlStmt stmt,
                                  const std::string& sql, TSourceLabelId label,
                                  std::string& readError) {
  const int64_t offset = firefox ? 0 : kUnixTo1601Seconds;
  const int64_t last = firefox ? kUnix2100 : kUnix2100 - 1;
  const int32_t first = FList.Count();
  THistoryRecord rec;
  rec.Source = label;
  int32_t count = 0;
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
  if (rc == kSqliteDone) return count;
  if (rc != kSqliteTooBig) {
    readError = db.LastError();
    return count;
  }
  // An address or title too long to load ends the query there, and where
  // the engine sorts the rows itself, before the first: the store is read
  // again without loading any text in the query.
  FList.Truncate(first);
  return ReadRowsByAddress(db, firefox, sql, label, readError);
}

int32_t TCollector::ReadRowsByAddress(TSqliteDb& db, bool firefox, const std::string& sql,
                                      TSourceLabelId label, std::string& readError) {
  const TStoreShape& shape = firefox ? kFirefoxShape : kChromiumShape;
  const int64_t offset = firefox ? 0 : kUnixTo1601Seconds;
  const int64_t last = firefox ? kUnix2100 : kUnix2100 - 1;
  // The history query's rows in its order, with the address row's id in
  // place of its texts, which come by id, once per address.
  const std::string rowsSql = std::string("SELECT ") + shape.UrlAlias + ".rowid, v." +
                              shape.VisitTime + sql.substr(sql.find(" FROM "));
  TSqlStmt rows = nullptr, texts = nullptr;
  if (!db.Prepare(rowsSql, rows) ||
      !db.Prepare(std::string("SELECT url, title FROM ") + shape.UrlTable + " WHERE rowid = ?",
                  texts)) {
    readError = db.LastError();
    db.Finalize(rows);
    return 0;
  }
  std::unordered_map<int64_t, TQueryAddress> addresses;
  int32_t count = 0;
  int rc;
  while ((rc = db.Step(rows)) == kSqliteRow) {
    const int64_t t = db.ColInt(rows, 1) / 1000000 - offset;
    if (t <= 0 || t > last) continue;
    const int64_t rowid = db.ColInt(rows, 0);
    auto found = addresses.find(rowid);
    if (found == addresses.end()) {
      std::string url, title;
      if (!LoadQueryAddress(db, shape, texts, rowid, url, title, readError)) break;
      TQueryAddress a;
      title = CleanTitle(title);
      a.Kept = !url.empty() && VisitPasses(url, title);
      if (a.Kept) {
        a.Url = FPrivacy ? StripQuery(url) : std::move(url);
        a.Title = std::move(title);
      }
      found = addresses.emplace(rowid, std::move(a)).first;
    }
    if (!found->second.Kept) continue;
    FList.Add(THistoryRecord{label, kNoAddress, found->second.Url, found->second.Title, t});
    ++count;
  }
  if (readError.empty() && rc != kSqliteRow && rc != kSqliteDone) readError = db.LastError();
  db.Finalize(texts);
  db.Finalize(rows);
  return count;
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
  filter.Owner = user.Owner;
  ReadContained(entry, label, datPath, [&]() {
    std::string message;
    TSourceStatus status = ssNotFound;
    int32_t downloads = 0;
    const int32_t count = CollectWebCache(datPath, FList, entry.Id, entry.Name, label, filter,
                                          message, status, FDownloads, &downloads);
    AddSource(entry.Id, entry.Name, label, datPath, status, count, message);
    if (downloads > 0) FSources.SetDownloads(FSources.Count() - 1, downloads);
  });
}
