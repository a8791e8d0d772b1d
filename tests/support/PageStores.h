// Chromium History stores drawn at random over the ways SQLite lays a file
// out, and the same stores damaged in one place of their pages: what the
// reading of tables straight from their pages is compared on with the
// engine (tests/test_uBrowsers_differential.cpp, tools/diff_pages.cpp,
// fuzz/fuzz_pages.cpp). Needs the SQLite library and Stores.cpp.
#pragma once

#include <cstdint>
#include <string>

namespace vt_test {

// A small deterministic generator (splitmix64): the standard distributions
// differ between libraries, and a seed must give the same store anywhere.
struct PageRng {
  uint64_t S;
  uint64_t Next() {
    uint64_t z = (S += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  uint64_t Below(uint64_t n) { return n ? Next() % n : 0; }
  bool OneIn(uint64_t n) { return Below(n) == 0; }
};

struct LayoutLimits {
  int PageSize = 0;           // 0: drawn from 512 to 65536
  int MaxVisits = 3000;
  bool HugeValues = true;     // a few titles (and addresses) of 2 to 3 MB now and then
  bool SideFiles = true;      // a write-ahead log or a hot journal left beside now and then
  bool OddShapes = true;      // reordered, grown, wide or WITHOUT ROWID tables now and then
};

// The stores that are damaged: written alone, of a few pages to a few
// hundred, without values of megabytes.
inline LayoutLimits DamageLimits() {
  LayoutLimits limits;
  limits.MaxVisits = 1500;
  limits.HugeValues = false;
  limits.SideFiles = false;
  return limits;
}

struct LayoutStore {
  std::string What;        // what was drawn, for a failure message
  bool FileAlone = false;  // UTF-8, nothing beside it: its pages are read when sound
};

// Writes a Chromium History at `path` (replacing it and its side files)
// drawn from `seed`: page size, auto_vacuum, reserved bytes, text encoding,
// secure_delete, deletes with or without VACUUM, long and huge titles,
// values of every storage class where Chromium writes one, visits of
// missing addresses, columns added later or reordered, a stale page count
// in the header, garbage after the last page, a log or a journal beside.
// Throws std::runtime_error when SQLite fails.
LayoutStore MakeLayoutStore(const std::string& path, uint64_t seed,
                            const LayoutLimits& limits = LayoutLimits());

// Changes one thing in the pages of the urls or visits table of the store
// at `path` (one written alone, without side files): a cell count, a cell
// pointer, a child pointer, an overflow pointer, a record's length or
// header, a page's kind, a row id, the file's length, a leaf emptied.
// Returns what was changed, or an empty text when the store offers
// nothing to change.
std::string DamageStore(const std::string& path, uint64_t seed);

// A file's bytes (empty when it cannot be read), and a file written whole.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace vt_test
