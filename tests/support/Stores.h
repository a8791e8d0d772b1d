// Builders of synthetic browser stores with the browsers' real schemas, and
// of Windows-style user folders (USERPROFILE\AppData\Local|Roaming\...) that
// hold them. Used by the unit tests, the end-to-end tests and the sample
// generator in tools/ (this header needs nothing but the standard library).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

namespace vt_test {

// ---- Schemas ----------------------------------------------------------------
// Chromium History as current browsers write it (schema 60 and later).
extern const char* const kChromeSchemaModern;
// Chromium History of 2011 (schema 20): no AUTOINCREMENT, favicon_id column.
extern const char* const kChromeSchemaLegacy;
// Firefox places.sqlite as current browsers write it.
extern const char* const kFirefoxSchema;

// Chromium counts microseconds since 1601-01-01 UTC, Firefox since 1970.
constexpr int64_t kEpochDelta1601 = 11644473600LL;
inline int64_t ChromeTime(int64_t unix) { return (unix + kEpochDelta1601) * 1000000; }
inline int64_t FirefoxTime(int64_t unix) { return unix * 1000000; }

// One visit as a store holds it: the time is in the store's own clock, so
// tests can write values no real conversion gives (0, negative, bounds).
struct StoreVisit {
  std::string Url;
  std::string Title;
  int64_t RawTime = 0;
  bool NullTitle = false;
  // A redirect hop: linked to the visit before it (from_visit) and typed as
  // a server redirect, as browsers record each step of a redirect chain.
  bool Redirect = false;
};

// Creates (replacing) a Chromium History file; equal URLs share one urls row.
// Throws std::runtime_error on any SQLite failure.
void MakeChromeHistory(const std::string& path, const std::vector<StoreVisit>& visits,
                       bool modernSchema = true);
// Creates (replacing) a Firefox places.sqlite. With walMode the store is in
// WAL journal mode and, as while Firefox runs, the last quarter of the visits
// (at least one) sits only in the "-wal" file, not yet checkpointed.
void MakeFirefoxPlaces(const std::string& path, const std::vector<StoreVisit>& visits,
                       bool walMode = false);
// One download as a store holds it, times in the store's own clock.
struct StoreDownload {
  // Chromium: the request and its redirects, first to last. Firefox: the
  // first is the place's address.
  std::vector<std::string> Chain;
  std::string Path;     // Chromium: target path; Firefox: the file: URI
  int64_t RawStart = 0;
  int64_t RawEnd = 0;   // Firefox: milliseconds since 1970 (metaData endTime)
  int64_t Received = 0;
  int64_t Total = 0;    // Firefox: metaData fileSize
  // Chromium's state column; Firefox's metaData state, -1 = no metaData
  // (the downloads view never wrote it).
  int State = 1;
  std::string Referrer, TabUrl, Mime;
};
// Adds downloads to an existing Chromium History, creating the tables of
// the schema it has: current browsers' downloads with downloads_url_chains,
// or (legacy = true) the 2011 table with full_path and url and no chains.
void AddChromeDownloads(const std::string& path, const std::vector<StoreDownload>& downloads,
                        bool legacy = false);
// Adds downloads to an existing places.sqlite: a place per address, the
// downloads/destinationFileURI annotation (dateAdded = RawStart) and, when
// State >= 0, downloads/metaData.
void AddFirefoxDownloads(const std::string& path, const std::vector<StoreDownload>& downloads);
// Overwrites every page of table `table` with garbage, leaving the rest of
// the store readable (a store damaged in one table).
void DamageTable(const std::string& path, const std::string& table);

// Runs SQL on an existing store (test setup only).
void ExecSql(const std::string& path, const std::string& sql);
// A connection to `path` in write-ahead-log mode with checkpoints off that
// has run `sql`: what it wrote stays in the log while it is open. The
// caller closes it (sqlite3_close).
sqlite3* OpenLogWriter(const std::string& path, const std::string& sql);

// A Windows-style user folder under `base`: base/<name>/AppData/Local and
// base/<name>/AppData/Roaming, with browsers laid out where they live on
// Windows.
class UserFolder {
 public:
  UserFolder(const std::string& base, const std::string& name);
  const std::string& Root() const { return FRoot; }
  const std::string& Name() const { return FName; }
  std::string Local(const std::string& rel = std::string()) const;
  std::string Roaming(const std::string& rel = std::string()) const;

  // <Local>/Google/Chrome/User Data/<profile>/History; returns its path.
  std::string AddChrome(const std::string& profile, const std::vector<StoreVisit>& visits) const;
  std::string AddEdge(const std::string& profile, const std::vector<StoreVisit>& visits) const;
  // Opera keeps its one profile in the data folder itself.
  std::string AddOpera(const std::vector<StoreVisit>& visits) const;
  // <Roaming>/Mozilla/Firefox/Profiles/<folder>/places.sqlite, and the
  // profiles.ini line "Path=Profiles/<folder>" (the file is rewritten with
  // every profile added so far).
  std::string AddFirefox(const std::string& folder, const std::vector<StoreVisit>& visits,
                         bool walMode = false);

 private:
  std::string FRoot;
  std::string FName;
  std::vector<std::string> FFirefoxProfiles;
};

}  // namespace vt_test
