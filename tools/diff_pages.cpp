// Long runs of the comparison in tests/test_uBrowsers_differential.cpp:
// Chromium History stores drawn over SQLite's layouts, and the same stores
// damaged in one place of their pages, each collected with tables read
// from their pages and through the engine alone; any difference is
// printed with the seed that makes its store again.
//
//   diff_pages [--seed S] [--count N] [--damage K] [--keep DIR] [--write DIR]
//   diff_pages --seeds DIR N     (small stores of 512-byte pages, for fuzz/seeds/fuzz_pages)
//
// Each seed makes a store of any layout, and one written alone that is
// damaged K times (--damage, default 3), as the unit test makes them.
// --keep DIR: every store that differs is copied there, named by its seed.
// --write DIR: nothing is collected; every damaged store is written there
// instead, to be replayed by a sanitized build (fuzz_pages DIR/*).
// Ends with one line: stores, damaged stores, stores whose visits were read
// from pages, differences, stores whose damage the engine reads differently
// from one reading to the next; exit code 1 when there were differences.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../tests/support/PageDiff.h"
#include "../tests/support/PageDamage.cpp"
#include "../tests/support/PageStores.cpp"
#include "../tests/support/Stores.cpp"
#include "uPlatform.h"

namespace {

struct Counts {
  long Stores = 0, Damaged = 0, ByPages = 0, Differences = 0, OutOfTime = 0, Unsteady = 0;
};

bool VisitsReadFromPages(const std::string& path) {
  TSqliteDb db;
  TTablePages pages;
  if (!db.OpenReadOnly(path) || !pages.Open(db, "visits", {"url", "visit_time"})) return false;
  return pages.Scan(0, pages.LeafCount(), [](int64_t, const TTablePages::TValue*) { return true; });
}

std::string gWrite;  // --write

// Collects `root` both ways; prints and keeps the store when they differ.
void Compare(const std::string& root, uint64_t seed, const std::string& what,
             const std::string& keep, Counts& counts) {
  if (!gWrite.empty()) {
    if (what.find("; damage ") != std::string::npos)
      vt_test::WriteBytes(gWrite + "/" + std::to_string(seed) + "_" +
                              std::to_string(counts.Damaged) + ".History",
                          vt_test::ReadBytes(vt_test::ChromeHistoryIn(root)));
    return;
  }
  int64_t from, to;
  vt_test::WindowFor(seed, from, to);
  std::string diff;
  const vt_test::TBothWays result = vt_test::CompareBothWays(root, from, to, diff);
  counts.OutOfTime += result == vt_test::TBothWays::kOutOfTime;
  counts.Unsteady += result == vt_test::TBothWays::kEngineUnsteady;
  if (result != vt_test::TBothWays::kDiffer) return;
  ++counts.Differences;
  std::printf("DIFFERENCE seed %llu: %s\n%s\n", static_cast<unsigned long long>(seed),
              what.c_str(), diff.c_str());
  if (!keep.empty()) {
    const std::string name = keep + "/" + std::to_string(seed) + "_" +
                             std::to_string(counts.Differences) + ".History";
    vt_test::WriteBytes(name, vt_test::ReadBytes(vt_test::ChromeHistoryIn(root)));
  }
}

std::string FreshFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/vt_diff_pages_XXXXXX";
  if (!mkdtemp(&tmpl[0])) std::abort();
  return tmpl;
}

int WriteSeeds(const std::string& dir, int count) {
  plat::CreateDirs(dir);
  vt_test::LayoutLimits limits;
  limits.PageSize = 512;
  limits.MaxVisits = 120;
  limits.HugeValues = false;
  limits.SideFiles = false;
  int written = 0;
  for (uint64_t seed = 1; written < count; ++seed) {
    const std::string path = dir + "/store" + std::to_string(written) + ".History";
    const vt_test::LayoutStore store = vt_test::MakeLayoutStore(path, seed, limits);
    if (!store.FileAlone || plat::FileSize(path) > 48 * 1024) {
      plat::RemoveFile(path);
      continue;
    }
    std::printf("%s: %s\n", path.c_str(), store.What.c_str());
    ++written;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t first = 1;
  long count = 100, damage = 3;
  std::string keep;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--seeds" && i + 2 < argc) return WriteSeeds(argv[i + 1], std::atoi(argv[i + 2]));
    if (a == "--seed") first = std::strtoull(argv[i + 1], nullptr, 0);
    else if (a == "--count") count = std::atol(argv[i + 1]);
    else if (a == "--damage") damage = std::atol(argv[i + 1]);
    else if (a == "--keep") keep = argv[i + 1];
    else if (a == "--write") gWrite = argv[i + 1];
    else {
      std::fprintf(stderr, "usage: diff_pages [--seed S] [--count N] [--damage K] [--keep DIR] "
                           "[--write DIR]\n"
                           "       diff_pages --seeds DIR N\n");
      return 1;
    }
  }
  // Damage can corrupt memory before it shows as a difference: each line
  // is out before the next store, and the seed of a crash is the last one
  // named on standard error.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  if (!keep.empty()) plat::CreateDirs(keep);
  if (!gWrite.empty()) plat::CreateDirs(gWrite);
  std::string err;
  TSqliteDb::EnsureLoaded("", err);
  const std::string base = FreshFolder();
  plat::CreateDirs(base + "/tmp");
  setenv("TMPDIR", (base + "/tmp").c_str(), 1);
  const std::string root = base + "/u";
  const std::string history = vt_test::ChromeHistoryIn(root);
  plat::CreateDirs(history.substr(0, history.rfind('/')));
  Counts counts;
  for (uint64_t seed = first; seed < first + static_cast<uint64_t>(count); ++seed) {
    std::fprintf(stderr, "seed %llu\r", static_cast<unsigned long long>(seed));
    const vt_test::LayoutStore store = vt_test::MakeLayoutStore(history, seed);
    ++counts.Stores;
    counts.ByPages += store.FileAlone && VisitsReadFromPages(history);
    Compare(root, seed, store.What, keep, counts);
    if (damage == 0) continue;
    const vt_test::LayoutStore alone =
        vt_test::MakeLayoutStore(history, seed, vt_test::DamageLimits());
    if (!alone.FileAlone) continue;
    const std::string sound = vt_test::ReadBytes(history);
    for (long k = 0; k < damage; ++k) {
      vt_test::WriteBytes(history, sound);
      const std::string change = vt_test::DamageStore(history, seed * 8 + static_cast<uint64_t>(k));
      if (change.empty()) continue;
      ++counts.Damaged;
      Compare(root, seed, alone.What + "; damage " + std::to_string(k) + ": " + change, keep,
              counts);
    }
  }
  std::printf("stores %ld, damaged stores %ld, visits read from pages %ld, differences %ld, "
              "engine unsteady %ld, out of time %ld\n",
              counts.Stores, counts.Damaged, counts.ByPages, counts.Differences, counts.Unsteady,
              counts.OutOfTime);
  std::string rm = "rm -rf '" + base + "'";
  if (std::system(rm.c_str()) != 0) return 2;
  return counts.Differences ? 1 : 0;
}
