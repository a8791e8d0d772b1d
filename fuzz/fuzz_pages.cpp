// The reading of tables from their pages against the engine: each input is
// the bytes of a Chromium History (seeded with real-schema stores of
// 512-byte pages, fuzz/seeds/fuzz_pages), collected once with tables read
// from their pages and once through the engine alone. A page path that
// cannot be sure of a table refuses it and the engine reads it, so the two
// results must be the same: any difference aborts (unless the engine itself
// answers differently from one reading to the next), as do a crash and
// memory past libFuzzer's bound (scripts/fuzz.sh sets it).
//
// Half of the mutations are libFuzzer's own on the bytes; the other half
// change one thing in the pages of the urls or visits table, as the unit
// test's damage does (tests/support/PageDamage.cpp).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../tests/support/PageDamage.cpp"
#include "../tests/support/PageDiff.h"
#include "../tests/support/PageStores.cpp"
#include "../tests/support/Stores.cpp"
#include "uPlatform.h"
#include "uSqlite.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

// Long enough that no store of fuzz size runs out of it, so that how far a
// store was read never depends on the machine's pace.
constexpr uint32_t kStoreLimitMs = 20000;

std::string gBase, gRoot, gScratch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // scripts/fuzz.sh names a folder in memory where it can.
  const char* dir = std::getenv("VT_FUZZ_TMP");
  std::string tmpl = std::string(dir && *dir ? dir : "/tmp") + "/vt_fuzz_pages_XXXXXX";
  if (!mkdtemp(&tmpl[0])) std::abort();
  gBase = tmpl;
  gRoot = gBase + "/u";
  gScratch = gBase + "/scratch.db";
  plat::CreateDirs(gBase + "/tmp");
  const std::string history = vt_test::ChromeHistoryIn(gRoot);
  plat::CreateDirs(history.substr(0, history.rfind('/')));
  setenv("TMPDIR", (gBase + "/tmp").c_str(), 1);
  std::string err;
  TSqliteDb::EnsureLoaded("", err);
  SetStoreTimeLimit(kStoreLimitMs);
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  if (seed % 2 == 0 || size < 1024) return LLVMFuzzerMutate(data, size, maxSize);
  vt_test::WriteBytes(gScratch, std::string(reinterpret_cast<const char*>(data), size));
  if (vt_test::DamageStore(gScratch, seed).empty()) return LLVMFuzzerMutate(data, size, maxSize);
  const std::string damaged = vt_test::ReadBytes(gScratch);
  const size_t n = std::min(damaged.size(), maxSize);
  std::memcpy(data, damaged.data(), n);
  return n;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string history = vt_test::ChromeHistoryIn(gRoot);
  for (const char* side : {"-wal", "-shm", "-journal"}) plat::RemoveFile(history + side);
  vt_test::WriteBytes(history, std::string(reinterpret_cast<const char*>(data), size));
  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
  return 0;
}
