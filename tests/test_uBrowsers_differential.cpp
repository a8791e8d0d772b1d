// The collector reads a Chromium History's tables from their pages where
// it can and through the engine otherwise; whichever way, the report must
// not change. Every store here is collected both ways and the two results
// compared line for line: stores drawn over the layouts SQLite writes, and
// the same stores damaged in one place of their pages (where reading from
// pages may refuse, and the engine then decides). A failure names the seed
// that makes its store again (VT_DIFF_SEED starts the draws elsewhere;
// tools/diff_pages runs many more).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <tuple>

#include "PageDiff.h"
#include "PageStores.h"
#include "Stores.h"
#include "TestSupport.h"
#include "uSqlite.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

// No store here is larger than a few megabytes, with a few thousand rows:
// reading one both ways never needs more than this much more memory. A
// count or length read from a damaged page must never size memory (a
// 45 GB request is refused by the system or reserved without being
// touched; either way the process's peak of address space shows it).
constexpr int64_t kMemoryBound = int64_t{1} << 30;

// The most address space the process has held so far, in bytes (0 where
// the system does not tell).
int64_t PeakAddressSpace() {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);)
    if (line.compare(0, 7, "VmPeak:") == 0) return std::atoll(line.c_str() + 7) * 1024;
  return 0;
}

uint64_t FirstSeed(uint64_t fallback) {
  const char* env = std::getenv("VT_DIFF_SEED");
  return env && *env ? std::strtoull(env, nullptr, 0) : fallback;
}

std::string SeedText(uint64_t seed) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "seed 0x%llX", static_cast<unsigned long long>(seed));
  return buf;
}

// True when the visits of the History at `path` are read from its pages
// as they stand (the differential is only worth its time if many are).
bool VisitsReadFromPages(const std::string& path) {
  TSqliteDb db;
  TTablePages pages;
  if (!db.OpenReadOnly(path) || !pages.Open(db, "visits", {"url", "visit_time"})) return false;
  return pages.Scan(0, pages.LeafCount(), [](int64_t, const TTablePages::TValue*) { return true; });
}

class PagesAgainstEngine : public ::testing::Test {
 protected:
  PagesAgainstEngine() : FTmpEnv("TMPDIR", FTmp.Path()) {
    FRoot = FUsers.Sub("u");
    MakeDirs(FRoot + "/AppData/Local/Google/Chrome/User Data/Default");
  }
  std::string History() const { return ChromeHistoryIn(FRoot); }

  // Collects the profile both ways (within a time window drawn from `seed`
  // for one store in four) and fails with `what` when they differ.
  void ExpectSameBothWays(uint64_t seed, const std::string& what) {
    int64_t from, to;
    WindowFor(seed, from, to);
    const int64_t peak = PeakAddressSpace();
    std::string diff;
    const TBothWays result = CompareBothWays(FRoot, from, to, diff);
    EXPECT_LT(PeakAddressSpace() - peak, kMemoryBound) << SeedText(seed) << ": " << what;
    EXPECT_NE(result, TBothWays::kDiffer) << SeedText(seed) << " (window " << from << "-" << to
                                          << "): " << what << "\n" << diff;
    FUnsteady += result == TBothWays::kEngineUnsteady;
    ++FCompared;
  }

  TempFolder FTmp, FUsers;
  EnvOverride FTmpEnv;
  std::string FRoot;
  int FCompared = 0;
  int FUnsteady = 0;  // stores whose damage the engine reads differently each time
};

// Stores of every layout: page sizes 512 to 65536, auto_vacuum, reserved
// bytes, UTF-16, secure_delete, deletes with and without VACUUM, overflow
// and huge titles, values of every storage class, visits of missing
// addresses, grown, reordered, wide and WITHOUT ROWID tables, stale page
// counts, garbage after the last page, a log or a hot journal beside.
TEST_F(PagesAgainstEngine, StoresOfEveryLayoutReadAlike) {
  const uint64_t first = FirstSeed(0x1A7001);
  constexpr int kStores = 150;
  int byPages = 0;
  for (uint64_t seed = first; seed < first + kStores; ++seed) {
    const LayoutStore store = MakeLayoutStore(History(), seed);
    byPages += store.FileAlone && VisitsReadFromPages(History());
    ExpectSameBothWays(seed, store.What);
    if (HasFailure()) break;  // one store at a time to look at
  }
  EXPECT_EQ(FCompared, kStores);
  // The comparison means little unless most stores' visits do come from
  // their pages.
  EXPECT_GT(byPages, kStores / 2);
}

// Sound stores with one thing changed in their tables' pages: the page
// path gives the engine's answer or refuses, and then the engine gives it.
TEST_F(PagesAgainstEngine, DamagedStoresReadAlike) {
  const uint64_t first = FirstSeed(0xDA3A6E01);
  int damaged = 0;
  for (uint64_t seed = first; damaged < 180; ++seed) {
    const LayoutStore store = MakeLayoutStore(History(), seed, DamageLimits());
    if (!store.FileAlone) continue;
    const std::string sound = ReadBytes(History());
    for (uint64_t k = 0; k < 3; ++k) {
      WriteBytes(History(), sound);
      const std::string change = DamageStore(History(), seed * 8 + k);
      if (change.empty()) continue;
      ++damaged;
      ExpectSameBothWays(seed, store.What + "; damage " + std::to_string(k) + ": " + change);
    }
    if (HasFailure()) break;
  }
  EXPECT_GE(FCompared, 180);
  EXPECT_LT(FUnsteady, FCompared / 10);
}

// ---- Stores the comparison found read wrongly -------------------------------

using Row = std::tuple<int64_t, std::string, std::string>;  // Unix time, address, title

// The rows of the history query itself, which the two table scans stand
// in for, as the collector keeps them.
std::vector<Row> QueryRows(const std::string& path) {
  TSqliteDb db;
  EXPECT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  EXPECT_TRUE(db.Prepare(ChromiumHistoryQuery(0, 0), stmt)) << db.LastError();
  std::vector<Row> rows;
  while (db.Step(stmt) == 100) {
    const int64_t t = db.ColInt(stmt, 2) / 1000000 - kUnixTo1601Seconds;
    std::string url = db.ColText(stmt, 0);
    if (!url.empty() && t > 0 && t < kUnix2100) rows.emplace_back(t, url, CleanTitle(db.ColText(stmt, 1)));
  }
  db.Finalize(stmt);
  return rows;
}

std::vector<Row> CollectedRows(const std::string& root, bool pages) {
  THistoryList list;
  TSourceList sources;
  SetPageReading(pages);
  TCollector(list, sources, nullptr, 0, 0).Collect({TUserProfile{"u", root, true}});
  SetPageReading(true);
  std::vector<Row> rows;
  for (int32_t i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[static_cast<size_t>(i)];
    rows.emplace_back(r.VisitUnix, r.Url.str(), r.Title.str());
  }
  return rows;
}

// Changes the `cell`-th row of `table`'s root page (a leaf) in place, as
// damage would: `change` gets the file's bytes and where the cell starts.
void PatchCell(const std::string& path, const std::string& table, uint32_t cell,
               const std::function<void(std::string&, size_t)>& change) {
  TSqliteDb db;
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.OpenReadOnly(path));
  ASSERT_TRUE(db.Prepare("SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'", stmt));
  ASSERT_EQ(db.Step(stmt), 100);
  const int64_t root = db.ColInt(stmt, 0);
  db.Finalize(stmt);
  db.Close();
  std::string bytes = ReadBytes(path);
  auto get16 = [&](size_t at) {
    return static_cast<size_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                               static_cast<unsigned char>(bytes[at + 1]));
  };
  const size_t page = static_cast<size_t>(root - 1) * get16(16);
  ASSERT_EQ(bytes[page], 13);
  change(bytes, page + get16(page + 8 + 2 * cell));
  WriteBytes(path, bytes);
}

// An address row whose row id is higher than the next ones': the engine's
// scan of the addresses gives them out of order, and the places of the
// address ids must not be worked out as if they rose (a table sized by the
// last id was written past its end).
TEST_F(PagesAgainstEngine, AddressRowIdsOutOfOrderReadAsTheQuery) {
  std::vector<StoreVisit> visits;
  for (int i = 0; i < 14; ++i)
    visits.push_back(StoreVisit{"https://s" + std::to_string(i % 7) + ".example/",
                                "页面 " + std::to_string(i % 7), ChromeTime(1700000000 + 60 * i)});
  MakeChromeHistory(History(), visits);
  PatchCell(History(), "urls", 3, [](std::string& bytes, size_t cell) {
    ASSERT_EQ(bytes[cell + 1], 4);  // after the one-byte length
    bytes[cell + 1] = 0x56;         // ids 1, 2, 3, 86, 5, 6, 7
  });
  const std::vector<Row> expected = QueryRows(History());
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(CollectedRows(FRoot, true), expected);
  EXPECT_EQ(CollectedRows(FRoot, false), expected);
}

// A record whose values fill less than its length says: the engine finds
// it malformed once it has read the record's header to its end, which it
// does when the wanted columns are the record's last, or the header ends
// with them. Reading from pages must then refuse it too, not stand in for
// an engine that stops there. Two stores: an address row whose length
// grew, its address and title being its table's last columns; a visit row
// whose header was cut to end with its time.
TEST_F(PagesAgainstEngine, RecordLongerThanItsValuesReadAsTheEngine) {
  std::vector<StoreVisit> visits;
  for (int i = 0; i < 6; ++i)
    visits.push_back(StoreVisit{"https://s" + std::to_string(i) + ".example/", "Page",
                                ChromeTime(1700000000 + 60 * i)});
  MakeChromeHistory(History(), visits);
  ExecSql(History(),
          "CREATE TABLE u2(id INTEGER PRIMARY KEY AUTOINCREMENT, visit_count INTEGER DEFAULT 0 "
          "NOT NULL, typed_count INTEGER DEFAULT 0 NOT NULL, last_visit_time INTEGER NOT NULL, "
          "hidden INTEGER DEFAULT 0 NOT NULL, url LONGVARCHAR, title LONGVARCHAR);"
          "INSERT INTO u2 SELECT id, visit_count, typed_count, last_visit_time, hidden, url, title "
          "FROM urls; DROP TABLE urls; ALTER TABLE u2 RENAME TO urls;"
          "CREATE INDEX urls_url_index ON urls (url); VACUUM;");
  PatchCell(History(), "urls", 2, [](std::string& bytes, size_t cell) {
    ASSERT_LT(static_cast<unsigned char>(bytes[cell]), 0x70);  // a one-byte length
    bytes[cell] = static_cast<char>(bytes[cell] + 9);
  });
  std::string diff = FirstDifference(CollectLines(FRoot, true), CollectLines(FRoot, false));
  EXPECT_TRUE(diff.empty()) << "address row:\n" << diff;

  MakeChromeHistory(History(), visits);
  PatchCell(History(), "visits", 2, [](std::string& bytes, size_t cell) {
    // One-byte length and row id, then the header's size: the row id's
    // NULL, the address and the time are all the header keeps.
    ASSERT_EQ(static_cast<unsigned char>(bytes[cell + 2]), 19);
    bytes[cell + 2] = 4;
  });
  diff = FirstDifference(CollectLines(FRoot, true), CollectLines(FRoot, false));
  EXPECT_TRUE(diff.empty()) << "visit row:\n" << diff;
}

// A visits table without rows, read through the engine: its one run of
// rows is empty, and placing it must not step from an empty list's null
// start (the sanitizers' build stops there).
TEST_F(PagesAgainstEngine, EmptyVisitTableReadAlike) {
  MakeChromeHistory(History(), {});
  const std::vector<std::string> engine = CollectLines(FRoot, false);
  ASSERT_EQ(engine.size(), 1u);
  EXPECT_EQ(FirstDifference(CollectLines(FRoot, true), engine), "");
}

}  // namespace
