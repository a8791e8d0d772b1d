// One change at page level in the urls or visits table of a sound store.
// The trees are mapped here on their own terms (not with the reader under
// test): every place where one byte or pointer decides what a table reads.
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <vector>

#include "PageStores.h"

namespace vt_test {
namespace damage {

uint32_t Get16(const std::string& s, size_t at) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(s[at])) << 8) |
         static_cast<unsigned char>(s[at + 1]);
}
uint32_t Get32(const std::string& s, size_t at) { return (Get16(s, at) << 16) | Get16(s, at + 2); }
void Put16(std::string& s, size_t at, uint32_t v) {
  s[at] = static_cast<char>(v >> 8);
  s[at + 1] = static_cast<char>(v);
}
void Put32(std::string& s, size_t at, uint32_t v) {
  Put16(s, at, v >> 16);
  Put16(s, at + 2, v & 0xFFFF);
}

// A varint at `at`: its length (0 past `end`).
size_t Varint(const std::string& s, size_t at, size_t end, uint64_t& v) {
  v = 0;
  for (size_t i = 0; i < 9; ++i) {
    if (at + i >= end) return 0;
    const unsigned char b = static_cast<unsigned char>(s[at + i]);
    v = i == 8 ? (v << 8) | b : (v << 7) | (b & 0x7F);
    if (i == 8 || (b & 0x80) == 0) return i + 1;
  }
  return 0;
}

// Where a table's tree can be hurt, as offsets into the file.
struct Map {
  uint32_t PageSize = 0, Usable = 0, Pages = 0;
  std::vector<uint32_t> Roots, Interior, Leaves, Overflow;
  uint32_t FirstLeaf = 0;  // of the visits, down the left edge
  std::vector<size_t> ChildPtrs, CellPtrs, OverflowPtrs, Payloads, RowIds, Headers, Types;
};

size_t At(const Map& m, uint32_t page) { return static_cast<size_t>(page - 1) * m.PageSize; }

// The cells of a table leaf: payload and row id, the record's header and
// the overflow chain.
void MapLeafCells(const std::string& f, Map& m, uint32_t page) {
  const size_t base = At(m, page), end = base + m.Usable;
  const uint32_t cells = std::min(Get16(f, base + 3), (m.Usable - 8) / 2);
  const uint64_t maxLocal = m.Usable - 35, minLocal = (m.Usable - 12) * 32 / 255 - 23;
  for (uint32_t c = 0; c < cells; ++c) {
    m.CellPtrs.push_back(base + 8 + 2 * c);
    size_t q = base + Get16(f, base + 8 + 2 * c);
    uint64_t payload, rowid, header;
    const size_t n1 = Varint(f, q, end, payload);
    const size_t n2 = n1 ? Varint(f, q + n1, end, rowid) : 0;
    if (n2 == 0) continue;
    m.Payloads.push_back(q);
    m.RowIds.push_back(q + n1);
    q += n1 + n2;
    uint64_t local = payload;
    if (payload > maxLocal) {
      local = minLocal + (payload - minLocal) % (m.Usable - 4);
      if (local > maxLocal) local = minLocal;
    }
    m.Headers.push_back(q);
    const size_t hn = Varint(f, q, std::min<size_t>(end, q + local), header);
    for (size_t t = q + hn; hn && t < std::min<uint64_t>(q + std::min(header, local), end); ++t)
      m.Types.push_back(t);
    if (local == payload || q + local + 4 > end) continue;
    size_t ptr = q + local;
    std::set<uint32_t> chain;
    for (uint32_t next = Get32(f, ptr); next >= 2 && next <= m.Pages && chain.insert(next).second;
         next = Get32(f, ptr)) {
      m.OverflowPtrs.push_back(ptr);
      m.Overflow.push_back(next);
      ptr = At(m, next);
    }
  }
}

// The tree under `root`, depth first, left to right.
void MapTree(const std::string& f, Map& m, uint32_t root, bool visits) {
  std::vector<uint32_t> stack{root};
  std::set<uint32_t> seen;
  while (!stack.empty()) {
    const uint32_t page = stack.back();
    stack.pop_back();
    if (page < 2 || page > m.Pages || !seen.insert(page).second) continue;
    const size_t base = At(m, page);
    const unsigned char kind = static_cast<unsigned char>(f[base]);
    const uint32_t cells = std::min(Get16(f, base + 3), (m.Usable - 12) / 2);
    if (kind == 13) {
      if (visits && m.FirstLeaf == 0) m.FirstLeaf = page;
      m.Leaves.push_back(page);
      MapLeafCells(f, m, page);
    } else if (kind == 10) {
      m.Leaves.push_back(page);
      for (uint32_t c = 0; c < cells; ++c) m.CellPtrs.push_back(base + 8 + 2 * c);
    } else if (kind == 5 || kind == 2) {
      m.Interior.push_back(page);
      std::vector<uint32_t> children;
      for (uint32_t c = 0; c < cells; ++c) {
        const size_t cell = base + Get16(f, base + 12 + 2 * c);
        if (cell + 4 > base + m.Usable) continue;
        m.ChildPtrs.push_back(cell);
        children.push_back(Get32(f, cell));
      }
      m.ChildPtrs.push_back(base + 8);
      children.push_back(Get32(f, base + 8));
      stack.insert(stack.end(), children.rbegin(), children.rend());
    }
  }
}

Map MapStore(const std::string& path, const std::string& f) {
  Map m;
  if (f.size() < 100) return m;
  m.PageSize = Get16(f, 16) == 1 ? 65536 : Get16(f, 16);
  if (m.PageSize < 512) return m;
  m.Usable = m.PageSize - static_cast<unsigned char>(f[20]);
  m.Pages = static_cast<uint32_t>(f.size() / m.PageSize);
  // The fuzz target hands over stores already damaged: only what lies
  // within the file is mapped.
  if (m.Usable < 480 || m.Pages < 2) return m;
  sqlite3* db = nullptr;
  sqlite3_stmt* s = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(db,
                         "SELECT rootpage, name = 'visits' FROM sqlite_master WHERE type = "
                         "'table' AND name IN ('visits', 'urls') ORDER BY name DESC",
                         -1, &s, nullptr) == SQLITE_OK) {
    while (sqlite3_step(s) == SQLITE_ROW) {
      const uint32_t root = static_cast<uint32_t>(sqlite3_column_int64(s, 0));
      m.Roots.push_back(root);
      MapTree(f, m, root, sqlite3_column_int(s, 1) != 0);
    }
  }
  sqlite3_finalize(s);
  sqlite3_close(db);
  return m;
}

template <class T>
T Pick(PageRng& rng, const std::vector<T>& v) {
  return v[rng.Below(v.size())];
}

std::string Hex(uint64_t v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
  return buf;
}

// A page number that a pointer may wrongly hold.
uint32_t WrongPage(PageRng& rng, const Map& m, uint32_t self) {
  switch (rng.Below(9)) {
    case 0: return 0;
    case 1: return 1;
    case 2: return self;
    case 3: return Pick(rng, m.Roots);
    case 4: return m.Pages + 1 + static_cast<uint32_t>(rng.Below(3));
    case 5: return m.Overflow.empty() ? 0xFFFFFFFFu : Pick(rng, m.Overflow);
    case 6: return Pick(rng, m.Leaves);
    case 7: return m.Interior.empty() ? self : Pick(rng, m.Interior);
    default: return 2 + static_cast<uint32_t>(rng.Below(m.Pages - 1));
  }
}

// One change; an empty text when the drawn kind has nowhere to go.
std::string Change(PageRng& rng, const Map& m, std::string& f) {
  const uint64_t kind = rng.Below(14);
  if (kind == 0 || kind == 1) {  // a leaf's cell count, the first leaf's most often
    const uint32_t leaf = kind == 0 && m.FirstLeaf ? m.FirstLeaf : Pick(rng, m.Leaves);
    const uint32_t before = Get16(f, At(m, leaf) + 3);
    static const uint32_t kCounts[] = {0xFFFF, 0, 1, 0x7FFF};
    const uint64_t k = rng.Below(7);
    const uint32_t after = k < 4 ? kCounts[k] : (before + (k == 4 ? 1 : 0xFFFF)) & 0xFFFF;
    Put16(f, At(m, leaf) + 3, k == 6 ? static_cast<uint32_t>(rng.Below(0x10000)) : after);
    return "leaf " + std::to_string(leaf) + " cell count " + std::to_string(before) + " -> " +
           std::to_string(Get16(f, At(m, leaf) + 3));
  }
  if (kind == 2) {  // a leaf other than the root emptied
    std::vector<uint32_t> inner;
    for (uint32_t leaf : m.Leaves)
      if (std::find(m.Roots.begin(), m.Roots.end(), leaf) == m.Roots.end()) inner.push_back(leaf);
    if (inner.empty()) return std::string();
    const uint32_t leaf = Pick(rng, inner);
    Put16(f, At(m, leaf) + 3, 0);
    return "leaf " + std::to_string(leaf) + " emptied";
  }
  if (kind == 3 && !m.CellPtrs.empty()) {  // a cell pointer
    const size_t at = Pick(rng, m.CellPtrs);
    const uint32_t before = Get16(f, at);
    const uint64_t k = rng.Below(5);
    uint32_t after = k == 0 ? static_cast<uint32_t>(rng.Below(0x10000))
                     : k == 1 ? m.Usable - 18 - static_cast<uint32_t>(rng.Below(8))
                     : k == 2 ? static_cast<uint32_t>(rng.Below(12))
                     : k == 3 ? Get16(f, Pick(rng, m.CellPtrs))
                              : before + 1;
    // A cell that starts in a page's last bytes has the engine read its
    // lengths from memory past the page, whatever lies there at the time:
    // its answer then changes from one reading to the next, and nothing
    // can be compared with it.
    // (The engine takes a pointer modulo the page size.)
    after &= 0xFFFF;
    if ((after & (m.PageSize - 1)) > m.PageSize - 18) after -= 18;
    Put16(f, at, after);
    return "cell pointer at " + std::to_string(at) + " " + std::to_string(before) + " -> " +
           std::to_string(after);
  }
  if ((kind == 4 || kind == 5) && !m.ChildPtrs.empty()) {  // a child pointer
    const size_t at = Pick(rng, m.ChildPtrs);
    const uint32_t self = static_cast<uint32_t>(at / m.PageSize + 1);
    const uint32_t after = kind == 5 ? Get32(f, Pick(rng, m.ChildPtrs)) : WrongPage(rng, m, self);
    const uint32_t before = Get32(f, at);
    Put32(f, at, after);
    return "child pointer at " + std::to_string(at) + " " + std::to_string(before) + " -> " +
           std::to_string(after);
  }
  if (kind == 6 && !m.OverflowPtrs.empty()) {  // an overflow chain's pointer, loops included
    const size_t at = Pick(rng, m.OverflowPtrs);
    const uint32_t self = static_cast<uint32_t>(at / m.PageSize + 1);
    const uint32_t after = rng.OneIn(3) ? Pick(rng, m.Overflow) : WrongPage(rng, m, self);
    const uint32_t before = Get32(f, at);
    Put32(f, at, after);
    return "overflow pointer at " + std::to_string(at) + " " + std::to_string(before) + " -> " +
           std::to_string(after);
  }
  if (kind == 7 && !m.Payloads.empty()) {  // a record's length, its varint's length kept
    const size_t first = Pick(rng, m.Payloads);
    size_t at = first;
    while ((static_cast<unsigned char>(f[at]) & 0x80) && at < first + 8) ++at;
    if (at > first && rng.OneIn(2)) at = first;  // a leading byte keeps its continuation bit
    const unsigned char before = static_cast<unsigned char>(f[at]);
    f[at] = static_cast<char>((before & 0x80) | rng.Below(128));
    return "record length byte at " + std::to_string(at) + " " + Hex(before) + " -> " +
           Hex(static_cast<unsigned char>(f[at]));
  }
  if ((kind == 8 && !m.Headers.empty()) || (kind == 9 && !m.Types.empty())) {
    const size_t at = Pick(rng, kind == 8 ? m.Headers : m.Types);
    const unsigned char before = static_cast<unsigned char>(f[at]);
    static const unsigned char kBytes[] = {0x00, 0x01, 0x7F, 0x81, 0xFF, 0x0A, 0x0B, 0x0C, 0x0D};
    f[at] = static_cast<char>(rng.OneIn(3) ? rng.Below(256) : kBytes[rng.Below(9)]);
    return std::string(kind == 8 ? "record header size" : "serial type") + " at " +
           std::to_string(at) + " " + Hex(before) + " -> " + Hex(static_cast<unsigned char>(f[at]));
  }
  if (kind == 10) {  // a page's kind
    const bool leaf = m.Interior.empty() || rng.OneIn(2);
    const uint32_t page = Pick(rng, leaf ? m.Leaves : m.Interior);
    static const unsigned char kKinds[] = {2, 5, 10, 13, 0, 0xFF};
    const unsigned char before = static_cast<unsigned char>(f[At(m, page)]);
    f[At(m, page)] = static_cast<char>(kKinds[rng.Below(6)]);
    return "page " + std::to_string(page) + " kind " + std::to_string(before) + " -> " +
           std::to_string(static_cast<unsigned char>(f[At(m, page)]));
  }
  if (kind == 11 && !m.RowIds.empty()) {  // a row id, out of order most likely
    size_t at = Pick(rng, m.RowIds);
    while (static_cast<unsigned char>(f[at]) & 0x80) ++at;
    const unsigned char before = static_cast<unsigned char>(f[at]);
    f[at] = static_cast<char>(rng.Below(128));
    return "row id byte at " + std::to_string(at) + " " + Hex(before) + " -> " +
           Hex(static_cast<unsigned char>(f[at]));
  }
  if (kind == 12) {  // the file cut short, mostly at a page's end
    const size_t keep = rng.OneIn(2) ? (1 + rng.Below(m.Pages)) * m.PageSize
                                     : 100 + rng.Below(f.size() - 100);
    if (keep >= f.size()) return std::string();
    f.resize(keep);
    return "file cut to " + std::to_string(keep) + " bytes";
  }
  if (kind == 13) {  // a few bytes anywhere in the tables' pages
    std::vector<uint32_t> pages = m.Leaves;
    pages.insert(pages.end(), m.Interior.begin(), m.Interior.end());
    pages.insert(pages.end(), m.Overflow.begin(), m.Overflow.end());
    const uint32_t page = Pick(rng, pages);
    std::string what = "bytes of page " + std::to_string(page) + " at";
    for (uint64_t n = 1 + rng.Below(4); n > 0; --n) {
      const size_t at = At(m, page) + rng.Below(m.PageSize);
      f[at] = static_cast<char>(rng.Next());
      what += " " + std::to_string(at - At(m, page));
    }
    return what;
  }
  return std::string();
}

}  // namespace damage

std::string DamageStore(const std::string& path, uint64_t seed) {
  using namespace damage;
  std::string bytes = ReadBytes(path);
  const Map m = MapStore(path, bytes);
  if (m.Leaves.empty()) return std::string();
  PageRng rng{seed};
  for (int tries = 0; tries < 8; ++tries) {
    std::string changed = bytes;
    const std::string what = Change(rng, m, changed);
    if (what.empty() || changed == bytes) continue;
    WriteBytes(path, changed);
    return what;
  }
  return std::string();
}

}  // namespace vt_test
