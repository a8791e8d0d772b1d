// The browser catalogue, user profile discovery, the Chromium and Firefox
// readers and the collector that drives every reader with its filters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uTypes.h"

class TLogger;

struct TBrowserEntry {
  std::string Id;
  std::string Name;
  TBrowserFamily Family = bfChromium;
  std::string Root;     // template with %L% / %R% / %U% / %P%
  std::string Channel;  // "roaming", "local" or empty; informational
};
using TBrowserDefs = std::vector<TBrowserEntry>;

void GetBrowserDefs(TBrowserDefs& defs);

struct TUserProfile {
  std::string Name;
  std::string Root;  // no trailing separator
  bool IsCurrent = false;
};
using TUserProfiles = std::vector<TUserProfile>;

std::string GetUserHome();
std::string GetUserName();
std::string ExpandEnvPath(const std::string& path);
void ListUserProfiles(const std::string& scope, std::string& errorMsg, TUserProfiles& profiles);
std::string ExpandRoot(const std::string& tmpl, const std::string& userRoot);

class TCollector {
 public:
  TCollector(THistoryList& list, TSourceList& sources, TLogger* log, int64_t fromUnix,
             int64_t toUnix);
  void SetSourceFilter(const std::string& csv);
  void SetKeywordFilter(const std::vector<std::string>* include,
                        const std::vector<std::string>* exclude);
  void SetPrivacy(bool value) { FPrivacy = value; }
  void Collect(const TUserProfiles& users);

  // Exposed for the readers and for tests.
  bool SourceSelected(const std::string& id) const;
  bool VisitPasses(const std::string& url, const std::string& title) const;
  bool HasFilter() const { return FHasFilter; }

 private:
  void AddSource(const std::string& browserId, const std::string& browserName,
                 const std::string& profile, const std::string& dbPath, TSourceStatus status,
                 int32_t count, const std::string& message);
  void ScanChromium(const TBrowserEntry& entry, const TUserProfile& user, const std::string& dir);
  void ScanFirefox(const TBrowserEntry& entry, const TUserProfile& user, const std::string& dir);
  void ReadWebCache(const TBrowserEntry& entry, const TUserProfile& user, const std::string& dir);
  // The one snapshot-open-query-record path shared by both SQLite readers.
  void ReadSqliteStore(const TBrowserEntry& entry, const std::string& profileLabel,
                       const std::string& dbPath, bool firefox);

  THistoryList& FList;
  TSourceList& FSources;
  TLogger* FLog;
  int64_t FFromUnix;
  int64_t FToUnix;
  bool FHasFilter = false;
  std::vector<std::string> FFilter;
  bool FHasInclude = false;
  std::vector<std::string> FInclude;  // lower-cased once
  bool FHasExclude = false;
  std::vector<std::string> FExclude;
  bool FPrivacy = false;
};
