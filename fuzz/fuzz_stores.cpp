// Hostile history stores through the whole reading path: a Chromium History
// or a Firefox places.sqlite built from a fuzzed SQL script, or written as
// fuzzed bytes (seeded with real-schema files), read by the collector with
// a short time limit. A crash, a read that outlives the limit or memory
// past libFuzzer's bound (scripts/fuzz.sh sets it) fails.
//
// Input: one byte choosing the store (bit 0: Firefox) and its making
// (bit 1: raw file bytes, else an SQL script), then the script or bytes.
#include <sqlite3.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "uBrowsers.h"
#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"

namespace {

constexpr uint32_t kStoreLimitMs = 250;
// The limit covers the engine's work; the copy and our own sorting come on
// top, so a generous bound still tells a hang from a slow store.
constexpr double kRunBoundSeconds = 5.0;

std::string gBase;

void WriteAll(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* f = plat::OpenFile(path, "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

// The script may make anything of the store, but nothing outside it: no
// other files, no settings of the process.
int Authorize(void*, int action, const char* a, const char*, const char*, const char*) {
  if (action == SQLITE_ATTACH || action == SQLITE_DETACH) return SQLITE_DENY;
  if (action == SQLITE_PRAGMA && a) {
    const std::string p = LowerAscii(a);
    if (p == "temp_store_directory" || p == "data_store_directory") return SQLITE_DENY;
  }
  return SQLITE_OK;
}

int BuilderProgress(void* deadline) {
  return std::chrono::steady_clock::now() >
                 *static_cast<std::chrono::steady_clock::time_point*>(deadline)
             ? 1
             : 0;
}

void BuildFromScript(const std::string& path, const std::string& script) {
  // Files named in the script could land anywhere; VACUUM INTO writes one.
  const std::string lower = LowerAscii(script);
  if (lower.find("vacuum") != std::string::npos) return;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
      SQLITE_OK) {
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 4 << 20);
    sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    sqlite3_set_authorizer(db, Authorize, nullptr);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    sqlite3_progress_handler(db, 1000, BuilderProgress, &deadline);
    sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr);
  }
  sqlite3_close_v2(db);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // scripts/fuzz.sh names a folder in memory where it can.
  const char* dir = std::getenv("VT_FUZZ_TMP");
  std::string tmpl = std::string(dir && *dir ? dir : "/tmp") + "/vt_fuzz_stores_XXXXXX";
  if (!mkdtemp(&tmpl[0])) std::abort();
  gBase = tmpl;
  plat::CreateDirs(gBase + "/tmp");
  setenv("TMPDIR", (gBase + "/tmp").c_str(), 1);
  std::string err;
  TSqliteDb::EnsureLoaded("", err);
  SetStoreTimeLimit(kStoreLimitMs);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool firefox = data[0] & 1, raw = data[0] & 2;
  const std::string user = gBase + "/u";
  const std::string dir = firefox ? user + "/AppData/Roaming/Mozilla/Firefox/Profiles/p"
                                  : user + "/AppData/Local/Google/Chrome/User Data/Default";
  const std::string store = dir + (firefox ? "/places.sqlite" : "/History");
  // The other family's store of an earlier input goes; this one is new.
  for (const std::string& old :
       {user + "/AppData/Roaming/Mozilla/Firefox/Profiles/p/places.sqlite",
        user + "/AppData/Local/Google/Chrome/User Data/Default/History"})
    for (const char* side : {"", "-wal", "-shm", "-journal"}) plat::RemoveFile(old + side);
  plat::CreateDirs(dir);
  if (raw)
    WriteAll(store, data + 1, size - 1);
  else
    BuildFromScript(store, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  for (const char* side : {"-wal", "-shm", "-journal"}) plat::RemoveFile(store + side);
  if (!plat::FileExists(store)) return 0;

  THistoryList list;
  TSourceList sources;
  const auto start = std::chrono::steady_clock::now();
  {
    TCollector collector(list, sources, nullptr, 0, 0);
    collector.SetSourceFilter(firefox ? "firefox" : "chrome");
    collector.Collect({TUserProfile{"u", user, true}});
  }
  const double took =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (took > kRunBoundSeconds) std::abort();
  // One source per store, and what it counts is what the list holds.
  if (sources.Count() != 1 || sources.Items()[0].Count != list.Count()) std::abort();
  for (int i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[i];
    if (r.Url.str().empty() || r.VisitUnix <= 0 || r.VisitUnix > 4102444800LL) std::abort();
    if (Utf16Length(r.Title) > 300) std::abort();
  }
  return 0;
}
