// The browser catalogue, user profile discovery, the Chromium and Firefox
// readers and the collector that drives every reader with its filters.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "uPlatform.h"
#include "uTypes.h"

class TLogger;
class TSqliteDb;
struct sqlite3_stmt;
using TSqlStmt = sqlite3_stmt*;

struct TBrowserEntry {
  std::string Id;
  std::string Name;
  TBrowserFamily Family = bfChromium;
  std::string Root;     // template with %L% / %R% / %U% / %P%
  std::string Channel;  // "roaming", "local", "snap", "flatpak" or empty
  // A Unix home location (~/.config, ~/.mozilla, snap, flatpak): probed
  // after the catalogue, silent when missing, and a snap or flatpak copy is
  // labelled with its channel so that it can be told from the plain one.
  bool Native = false;
};
using TBrowserDefs = std::vector<TBrowserEntry>;

// The 26 catalogue rows, in order.
void GetBrowserDefs(TBrowserDefs& defs);
// Where the browsers keep their data in a Unix home, with the catalogue's
// ids and names (empty on Windows). Templates use %U% and %C% (the user's
// settings folder).
void GetNativeBrowserDefs(TBrowserDefs& defs);

struct TUserProfile {
  TUserProfile() = default;
  TUserProfile(std::string name, std::string root, bool isCurrent)
      : Name(std::move(name)), Root(std::move(root)), IsCurrent(isCurrent) {}
  std::string Name;
  std::string Root;  // no trailing separator
  bool IsCurrent = false;
  std::string ConfigHome;  // the settings folder when not Root/.config
  // The account of a live user of this machine (plat::CurrentUserId's kind
  // of id): a store is read for this user only when the file finally
  // opened belongs to it. Empty for a mounted disk or a copied folder,
  // where owners mean nothing.
  std::string Owner;
  uint32_t ListError = 0;  // why Root cannot be listed (Windows code); 0 = it can
};
using TUserProfiles = std::vector<TUserProfile>;

// USERPROFILE, else the folder above APPDATA, else HOME.
std::string GetUserHome();
// USERNAME, else USER, else the user database.
std::string GetUserName();
std::string ExpandEnvPath(const std::string& path);
// Element 0 is the running user. Scope "all" adds the machine's other real
// users: the profile list on Windows and the folders beside a Windows user
// folder (USERPROFILE); otherwise the people of the user database.
// `errorMsg` is a warning when their list cannot be read.
void ListUserProfiles(const std::string& scope, std::string& errorMsg, TUserProfiles& profiles);
// The accounts of people: root and the ordinary range, with a login shell
// and a home of their own (not "/", not a system folder, not shared).
std::vector<plat::Account> SelectLoginAccounts(const std::vector<plat::Account>& accounts);
// %U% user folder, %L% AppData\Local, %R% AppData\Roaming, %P% AppData\LocalLow.
std::string ExpandRoot(const std::string& tmpl, const std::string& userRoot);
// The same, and %C% the user's settings folder.
std::string ExpandRoot(const std::string& tmpl, const TUserProfile& user);

// The history queries, with the time window (Unix seconds; 0 = open) turned
// into each store's own clock.
std::string ChromiumHistoryQuery(int64_t fromUnix, int64_t toUnix);
std::string FirefoxPlacesQuery(int64_t fromUnix, int64_t toUnix);
// True when the engine answers `sql` (one of the two queries above, for an
// open store of that family) by walking the visits' single-column time
// index backwards and looking each address up by its id. Rows then come
// newest first, equal times in descending visit row id order, and the
// readers take the same rows in the same order from two table scans, far
// cheaper than the query; any other plan keeps the query.
bool HistoryQueryWalksTimeIndex(TSqliteDb& db, bool firefox, const std::string& sql);

// The stored columns of an ordinary table of an open store, in table order;
// false (no columns) when the store has no table of that name, and false
// with `problem` set (when still empty) when the name is a view, a virtual
// table or otherwise not an ordinary table. Every download query asks it
// first, so that a column an older schema lacks reads as NULL instead of
// failing the query.
bool StoreTableColumns(TSqliteDb& db, const std::string& table, std::vector<std::string>& columns,
                       std::string& problem);
// "state", "endTime" and "fileSize" of a Firefox downloads/metaData text:
// the number after "\"key\":"; false when the key is missing or not a number.
bool JsonIntField(const std::string& json, const char* key, int64_t& value);
// Chromium's and Firefox's download states as this program names them.
TDownloadState ChromiumDownloadState(int64_t state);
TDownloadState FirefoxDownloadState(int64_t state);

class TCollector {
 public:
  TCollector(THistoryList& list, TSourceList& sources, TLogger* log, int64_t fromUnix,
             int64_t toUnix);
  void SetSourceFilter(const std::string& csv);
  void SetKeywordFilter(const std::vector<std::string>* include,
                        const std::vector<std::string>* exclude);
  void SetPrivacy(bool value) { FPrivacy = value; }
  // Where the SQLite readers put the downloads of each store they read
  // (from the same snapshot as its visits); null = downloads are not read.
  void SetDownloadList(TDownloadList* list) { FDownloads = list; }
  void Collect(const TUserProfiles& users);

  // Exposed for the readers and for tests.
  bool SourceSelected(const std::string& id) const;
  bool VisitPasses(const std::string& url, const std::string& title) const;
  bool HasFilter() const { return FHasFilter; }
  // Filter items whose id (before its "_" variant part) names no catalogue
  // row, as written (lower case), in filter order.
  std::vector<std::string> UnknownFilterIds() const;
  // Runs `read`, which records the sources it reads. An exception out of it
  // (a store can make any reader run out of memory or meet what it never
  // expected) costs that reading alone: it is recorded as a source of its
  // own, "解析失败" with the reason ("内存不足" for memory) and the visits it
  // had added, and the run goes on.
  void ReadContained(const TBrowserEntry& entry, const std::string& profileLabel,
                     const std::string& path, const std::function<void()>& read);

 private:
  void AddSource(const std::string& browserId, const std::string& browserName,
                 const std::string& profile, const std::string& dbPath, TSourceStatus status,
                 int32_t count, const std::string& message);
  void ScanChromium(const TBrowserEntry& entry, const TUserProfile& user, const std::string& dir);
  void ReadChromiumHistory(const TBrowserEntry& entry, const TUserProfile& user,
                           const std::string& profileName, const std::string& dbPath);
  void ScanFirefox(const TBrowserEntry& entry, const TUserProfile& user, const std::string& dir);
  void ReadFirefoxPlaces(const TBrowserEntry& entry, const TUserProfile& user,
                         const std::string& profileName, const std::string& dbPath);
  void ReadWebCache(const TBrowserEntry& entry, const TUserProfile& user, const std::string& dir);
  // The one snapshot-open-query-record path shared by both SQLite readers.
  void ReadSqliteStore(const TBrowserEntry& entry, const TUserProfile& user,
                       const std::string& profileLabel, const std::string& dbPath, bool firefox);

  // The rows of the history query `sql`, prepared as `stmt` (for a store
  // the table scans do not read), filtered and added to the list; returns
  // how many. `readError` says why reading stopped early; the records added
  // until then stay.
  int32_t ReadQueryRows(TSqliteDb& db, bool firefox, TSqlStmt stmt, const std::string& sql,
                        TSourceLabelId label, std::string& readError);
  // The same rows for a store holding a text too long to load, which ends
  // the query: each address read once by its row id, an oversized text by
  // its beginning.
  int32_t ReadRowsByAddress(TSqliteDb& db, bool firefox, const std::string& sql,
                            TSourceLabelId label, std::string& readError);

  // The downloads of a store open for its visits, filtered and added to
  // FDownloads; returns how many. `problem` says why reading stopped (a
  // damaged table); the downloads read before it stay. A store without a
  // downloads table has none and no problem.
  int32_t ReadChromiumDownloads(TSqliteDb& db, TSourceLabelId label, std::string& problem);
  int32_t ReadFirefoxDownloads(TSqliteDb& db, TSourceLabelId label, std::string& problem);
  bool KeepDownload(TDownloadRecord& d);

  THistoryList& FList;
  TDownloadList* FDownloads = nullptr;
  TSourceList& FSources;
  TLogger* FLog;
  int64_t FFromUnix;
  int64_t FToUnix;
  bool FHasFilter = false;
  std::vector<std::string> FFilter;  // lower-cased source ids
  bool FHasInclude = false;
  std::vector<std::string> FInclude;  // as the user typed them
  bool FHasExclude = false;
  std::vector<std::string> FExclude;
  bool FPrivacy = false;
};
