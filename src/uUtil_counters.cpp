#include "uUtil.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>

#include "uUtf8.h"

using namespace utf8;

// ---- Case folding ---------------------------------------------------------------------

namespace {

// Simple case folding as ranges: every code point in [Lo, Hi] whose distance
// from Lo is a multiple of Step maps to itself + Delta. Step 2 covers the
// alternating upper/lower pairs of Latin, Greek, Cyrillic and Coptic blocks.
// Sorted by Lo, no overlaps.
struct TFoldRange {
  uint32_t Lo, Hi;
  int32_t Delta;
  uint8_t Step;
};

constexpr TFoldRange kFold[] = {
    {0x00B5, 0x00B5, 0x03BC - 0x00B5, 1},
    {0x00C0, 0x00D6, 0x20, 1},
    {0x00D8, 0x00DE, 0x20, 1},
    {0x0100, 0x012F, 1, 2},
    {0x0132, 0x0137, 1, 2},
    {0x0139, 0x0148, 1, 2},
    {0x014A, 0x0177, 1, 2},
    {0x0178, 0x0178, 0x00FF - 0x0178, 1},
    {0x0179, 0x017E, 1, 2},
    {0x017F, 0x017F, 0x0073 - 0x017F, 1},
    {0x0181, 0x0181, 0x0253 - 0x0181, 1},
    {0x0182, 0x0185, 1, 2},
    {0x0186, 0x0186, 0x0254 - 0x0186, 1},
    {0x0187, 0x0187, 1, 1},
    {0x0189, 0x018A, 0x0256 - 0x0189, 1},
    {0x018B, 0x018B, 1, 1},
    {0x018E, 0x018E, 0x01DD - 0x018E, 1},
    {0x018F, 0x018F, 0x0259 - 0x018F, 1},
    {0x0190, 0x0190, 0x025B - 0x0190, 1},
    {0x0191, 0x0191, 1, 1},
    {0x0193, 0x0193, 0x0260 - 0x0193, 1},
    {0x0194, 0x0194, 0x0263 - 0x0194, 1},
    {0x0196, 0x0196, 0x0269 - 0x0196, 1},
    {0x0197, 0x0197, 0x0268 - 0x0197, 1},
    {0x0198, 0x0198, 1, 1},
    {0x019C, 0x019C, 0x026F - 0x019C, 1},
    {0x019D, 0x019D, 0x0272 - 0x019D, 1},
    {0x019F, 0x019F, 0x0275 - 0x019F, 1},
    {0x01A0, 0x01A5, 1, 2},
    {0x01A6, 0x01A6, 0x0280 - 0x01A6, 1},
    {0x01A7, 0x01A7, 1, 1},
    {0x01A9, 0x01A9, 0x0283 - 0x01A9, 1},
    {0x01AC, 0x01AC, 1, 1},
    {0x01AE, 0x01AE, 0x0288 - 0x01AE, 1},
    {0x01AF, 0x01AF, 1, 1},
    {0x01B1, 0x01B2, 0x028A - 0x01B1, 1},
    {0x01B3, 0x01B5, 1, 2},
    {0x01B7, 0x01B7, 0x0292 - 0x01B7, 1},
    {0x01B8, 0x01B8, 1, 1},
    {0x01BC, 0x01BC, 1, 1},
    {0x01C4, 0x01C4, 2, 1},
    {0x01C5, 0x01C5, 1, 1},
    {0x01C7, 0x01C7, 2, 1},
    {0x01C8, 0x01C8, 1, 1},
    {0x01CA, 0x01CA, 2, 1},
    {0x01CB, 0x01DB, 1, 2},
    {0x01DE, 0x01EF, 1, 2},
    {0x01F1, 0x01F1, 2, 1},
    {0x01F2, 0x01F4, 1, 2},
    {0x01F6, 0x01F6, 0x0195 - 0x01F6, 1},
    {0x01F7, 0x01F7, 0x01BF - 0x01F7, 1},
    {0x01F8, 0x021F, 1, 2},
    {0x0220, 0x0220, 0x019E - 0x0220, 1},
    {0x0222, 0x0233, 1, 2},
    {0x023A, 0x023A, 0x2C65 - 0x023A, 1},
    {0x023B, 0x023B, 1, 1},
    {0x023D, 0x023D, 0x019A - 0x023D, 1},
    {0x023E, 0x023E, 0x2C66 - 0x023E, 1},
    {0x0241, 0x0241, 1, 1},
    {0x0243, 0x0243, 0x0180 - 0x0243, 1},
    {0x0244, 0x0244, 0x0289 - 0x0244, 1},
    {0x0245, 0x0245, 0x028C - 0x0245, 1},
    {0x0246, 0x024F, 1, 2},
    {0x0345, 0x0345, 0x03B9 - 0x0345, 1},
    {0x0370, 0x0373, 1, 2},
    {0x0376, 0x0376, 1, 1},
    {0x037F, 0x037F, 0x03F3 - 0x037F, 1},
    {0x0386, 0x0386, 0x03AC - 0x0386, 1},
    {0x0388, 0x038A, 0x03AD - 0x0388, 1},
    {0x038C, 0x038C, 0x03CC - 0x038C, 1},
    {0x038E, 0x038F, 0x03CD - 0x038E, 1},
    {0x0391, 0x03A1, 0x20, 1},
    {0x03A3, 0x03AB, 0x20, 1},
    {0x03C2, 0x03C2, 1, 1},
    {0x03CF, 0x03CF, 0x03D7 - 0x03CF, 1},
    {0x03D0, 0x03D0, 0x03B2 - 0x03D0, 1},
    {0x03D1, 0x03D1, 0x03B8 - 0x03D1, 1},
    {0x03D5, 0x03D5, 0x03C6 - 0x03D5, 1},
    {0x03D6, 0x03D6, 0x03C0 - 0x03D6, 1},
    {0x03D8, 0x03EF, 1, 2},
    {0x03F0, 0x03F0, 0x03BA - 0x03F0, 1},
    {0x03F1, 0x03F1, 0x03C1 - 0x03F1, 1},
    {0x03F4, 0x03F4, 0x03B8 - 0x03F4, 1},
    {0x03F5, 0x03F5, 0x03B5 - 0x03F5, 1},
    {0x03F7, 0x03F7, 1, 1},
    {0x03F9, 0x03F9, 0x03F2 - 0x03F9, 1},
    {0x03FA, 0x03FA, 1, 1},
    {0x03FD, 0x03FF, 0x037B - 0x03FD, 1},
    {0x0400, 0x040F, 0x50, 1},
    {0x0410, 0x042F, 0x20, 1},
    {0x0460, 0x0481, 1, 2},
    {0x048A, 0x04BF, 1, 2},
    {0x04C0, 0x04C0, 0x0F, 1},
    {0x04C1, 0x04CE, 1, 2},
    {0x04D0, 0x052F, 1, 2},
    {0x0531, 0x0556, 0x30, 1},
    {0x10A0, 0x10C5, 0x2D00 - 0x10A0, 1},
    {0x10C7, 0x10C7, 0x2D27 - 0x10C7, 1},
    {0x10CD, 0x10CD, 0x2D2D - 0x10CD, 1},
    {0x13F8, 0x13FD, -8, 1},
    {0x1C80, 0x1C80, 0x0432 - 0x1C80, 1},
    {0x1C81, 0x1C81, 0x0434 - 0x1C81, 1},
    {0x1C82, 0x1C82, 0x043E - 0x1C82, 1},
    {0x1C83, 0x1C83, 0x0441 - 0x1C83, 1},
    {0x1C84, 0x1C84, 0x0442 - 0x1C84, 1},
    {0x1C85, 0x1C85, 0x0442 - 0x1C85, 1},
    {0x1C86, 0x1C86, 0x044A - 0x1C86, 1},
    {0x1C87, 0x1C87, 0x0463 - 0x1C87, 1},
    {0x1C88, 0x1C88, 0xA64B - 0x1C88, 1},
    {0x1C90, 0x1CBA, 0x10D0 - 0x1C90, 1},
    {0x1CBD, 0x1CBF, 0x10FD - 0x1CBD, 1},
    {0x1E00, 0x1E95, 1, 2},
    {0x1E9B, 0x1E9B, 0x1E61 - 0x1E9B, 1},
    {0x1E9E, 0x1E9E, 0x00DF - 0x1E9E, 1},
    {0x1EA0, 0x1EFF, 1, 2},
    {0x1F08, 0x1F0F, -8, 1},
    {0x1F18, 0x1F1D, -8, 1},
    {0x1F28, 0x1F2F, -8, 1},
    {0x1F38, 0x1F3F, -8, 1},
    {0x1F48, 0x1F4D, -8, 1},
    {0x1F59, 0x1F5F, -8, 2},
    {0x1F68, 0x1F6F, -8, 1},
    {0x1F88, 0x1F8F, -8, 1},
    {0x1F98, 0x1F9F, -8, 1},
    {0x1FA8, 0x1FAF, -8, 1},
    {0x1FB8, 0x1FB9, -8, 1},
    {0x1FBA, 0x1FBB, 0x1F70 - 0x1FBA, 1},
    {0x1FBC, 0x1FBC, -9, 1},
    {0x1FBE, 0x1FBE, 0x03B9 - 0x1FBE, 1},
    {0x1FC8, 0x1FCB, 0x1F72 - 0x1FC8, 1},
    {0x1FCC, 0x1FCC, -9, 1},
    {0x1FD8, 0x1FD9, -8, 1},
    {0x1FDA, 0x1FDB, 0x1F76 - 0x1FDA, 1},
    {0x1FE8, 0x1FE9, -8, 1},
    {0x1FEA, 0x1FEB, 0x1F7A - 0x1FEA, 1},
    {0x1FEC, 0x1FEC, -7, 1},
    {0x1FF8, 0x1FF9, 0x1F78 - 0x1FF8, 1},
    {0x1FFA, 0x1FFB, 0x1F7C - 0x1FFA, 1},
    {0x1FFC, 0x1FFC, -9, 1},
    {0x2126, 0x2126, 0x03C9 - 0x2126, 1},
    {0x212A, 0x212A, 0x006B - 0x212A, 1},
    {0x212B, 0x212B, 0x00E5 - 0x212B, 1},
    {0x2132, 0x2132, 0x214E - 0x2132, 1},
    {0x2160, 0x216F, 0x10, 1},
    {0x2183, 0x2183, 1, 1},
    {0x24B6, 0x24CF, 26, 1},
    {0x2C00, 0x2C2F, 0x30, 1},
    {0x2C60, 0x2C60, 1, 1},
    {0x2C62, 0x2C62, 0x026B - 0x2C62, 1},
    {0x2C63, 0x2C63, 0x1D7D - 0x2C63, 1},
    {0x2C64, 0x2C64, 0x027D - 0x2C64, 1},
    {0x2C67, 0x2C6B, 1, 2},
    {0x2C6D, 0x2C6D, 0x0251 - 0x2C6D, 1},
    {0x2C6E, 0x2C6E, 0x0271 - 0x2C6E, 1},
    {0x2C6F, 0x2C6F, 0x0250 - 0x2C6F, 1},
    {0x2C70, 0x2C70, 0x0252 - 0x2C70, 1},
    {0x2C72, 0x2C72, 1, 1},
    {0x2C75, 0x2C75, 1, 1},
    {0x2C7E, 0x2C7F, 0x023F - 0x2C7E, 1},
    {0x2C80, 0x2CE3, 1, 2},
    {0x2CEB, 0x2CED, 1, 2},
    {0x2CF2, 0x2CF2, 1, 1},
    {0xA640, 0xA66D, 1, 2},
    {0xA680, 0xA69B, 1, 2},
    {0xA722, 0xA72F, 1, 2},
    {0xA732, 0xA76F, 1, 2},
    {0xA779, 0xA77B, 1, 2},
    {0xA77D, 0xA77D, 0x1D79 - 0xA77D, 1},
    {0xA77E, 0xA787, 1, 2},
    {0xA78B, 0xA78B, 1, 1},
    {0xA78D, 0xA78D, 0x0265 - 0xA78D, 1},
    {0xA790, 0xA793, 1, 2},
    {0xA796, 0xA7A9, 1, 2},
    {0xA7AA, 0xA7AA, 0x0266 - 0xA7AA, 1},
    {0xA7AB, 0xA7AB, 0x025C - 0xA7AB, 1},
    {0xA7AC, 0xA7AC, 0x0261 - 0xA7AC, 1},
    {0xA7AD, 0xA7AD, 0x026C - 0xA7AD, 1},
    {0xA7AE, 0xA7AE, 0x026A - 0xA7AE, 1},
    {0xA7B0, 0xA7B0, 0x029E - 0xA7B0, 1},
    {0xA7B1, 0xA7B1, 0x0287 - 0xA7B1, 1},
    {0xA7B2, 0xA7B2, 0x029D - 0xA7B2, 1},
    {0xA7B3, 0xA7B3, 0xAB53 - 0xA7B3, 1},
    {0xA7B4, 0xA7C3, 1, 2},
    {0xA7C4, 0xA7C4, 0xA794 - 0xA7C4, 1},
    {0xA7C5, 0xA7C5, 0x0282 - 0xA7C5, 1},
    {0xA7C6, 0xA7C6, 0x1D8E - 0xA7C6, 1},
    {0xA7C7, 0xA7C9, 1, 2},
    {0xA7D0, 0xA7D0, 1, 1},
    {0xA7D6, 0xA7D9, 1, 2},
    {0xA7F5, 0xA7F5, 1, 1},
    {0xAB70, 0xABBF, 0x13A0 - 0xAB70, 1},
    {0xFF21, 0xFF3A, 0x20, 1},
    {0x10400, 0x10427, 0x28, 1},
    {0x104B0, 0x104D3, 0x28, 1},
    {0x10570, 0x1057A, 0x27, 1},
    {0x1057C, 0x1058A, 0x27, 1},
    {0x1058C, 0x10592, 0x27, 1},
    {0x10594, 0x10595, 0x27, 1},
    {0x10C80, 0x10CB2, 0x40, 1},
    {0x118A0, 0x118BF, 0x20, 1},
    {0x16E40, 0x16E5F, 0x20, 1},
    {0x1E900, 0x1E921, 0x22, 1},
};

uint32_t FoldCodePoint(uint32_t c) {
  if (c < 0xB5 || c > 0x1E921) return c;
  const TFoldRange* end = kFold + sizeof(kFold) / sizeof(kFold[0]);
  const TFoldRange* r =
      std::upper_bound(kFold, end, c, [](uint32_t v, const TFoldRange& e) { return v < e.Lo; });
  if (r == kFold) return c;
  --r;
  if (c > r->Hi || (c - r->Lo) % r->Step != 0) return c;
  return static_cast<uint32_t>(static_cast<int32_t>(c) + r->Delta);
}

// A code point's position in UTF-16 code-unit order: supplementary
// characters (surrogate pairs D800..DFFF) sort before U+E000..U+FFFF.
uint64_t Utf16OrderKey(uint32_t c) {
  if (c >= 0x10000) return (uint64_t{0xD800} << 10) + (c - 0x10000);
  return uint64_t{c} << 10;
}

// Tie order of TopN: a-z folded to A-Z, then UTF-16 code units, a prefix
// before the longer key. Negative, zero or positive like strcmp.
int CompareTieKeys(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  while (i < n && UpperChar(a[i]) == UpperChar(b[i])) ++i;
  if (i == n) return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
  const unsigned ca = static_cast<unsigned char>(UpperChar(a[i]));
  const unsigned cb = static_cast<unsigned char>(UpperChar(b[i]));
  if (ca < 0x80 || cb < 0x80) return ca < cb ? -1 : 1;
  // Both bytes belong to non-ASCII characters that start at the same offset.
  size_t s = i;
  while (s > 0 && (static_cast<unsigned char>(a[s]) & 0xC0) == 0x80) --s;
  uint32_t pa, pb;
  bool oka, okb;
  DecodeUtf8(U(a) + s, a.size() - s, pa, oka);
  DecodeUtf8(U(b) + s, b.size() - s, pb, okb);
  if (oka && okb && pa != pb) return Utf16OrderKey(pa) < Utf16OrderKey(pb) ? -1 : 1;
  return ca < cb ? -1 : 1;
}

}  // namespace

namespace {

// Folds `s` into `out`, reusing out's storage (the counters fold every key
// they meet).
void FoldCaseTo(std::string& out, const std::string& s) {
  // Most keys are ASCII: lower them in place and decode only from the first
  // non-ASCII byte on.
  out = s;
  size_t i = LowerAsciiRun(&out[0], out.size());
  if (i == out.size()) return;
  out.resize(i);
  const unsigned char* p = U(s);
  while (i < s.size()) {
    if (p[i] < 0x80) {
      out += LowerChar(s[i]);
      ++i;
      continue;
    }
    uint32_t cp;
    bool ok;
    const size_t len = DecodeUtf8(p + i, s.size() - i, cp, ok);
    const uint32_t f = ok ? FoldCodePoint(cp) : cp;
    if (ok && f != cp)
      AppendUtf8(out, f);
    else
      out.append(s, i, len);  // malformed bytes stay distinct
    i += len;
  }
}

}  // namespace

std::string FoldCase(const std::string& s) {
  std::string out;
  FoldCaseTo(out, s);
  return out;
}

// ---- Counting table ------------------------------------------------------------------

namespace {

uint64_t HashKey(const std::string& s) {
  // The library's hash takes eight bytes a step, where a byte-wise hash
  // pays a multiplication per byte of every address; a final mix makes the
  // low bits pick buckets well.
  uint64_t h = std::hash<std::string_view>()(s);
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  return h;
}

}  // namespace

int32_t TCounters::Find(const std::string& folded, uint64_t hash) const {
  if (FBuckets.empty()) return -1;
  const size_t mask = FBuckets.size() - 1;
  for (size_t i = static_cast<size_t>(hash) & mask;; i = (i + 1) & mask) {
    const uint32_t b = FBuckets[i];
    if (b == 0) return -1;
    const size_t slot = b - 1;
    if (FHashes[slot] == hash) {
      const std::string& k = FFolded[slot].empty() ? FEntries[slot].first : FFolded[slot];
      if (k == folded) return static_cast<int32_t>(slot);
    }
  }
}

void TCounters::Rehash(size_t buckets) {
  FBuckets.assign(buckets, 0);
  const size_t mask = buckets - 1;
  for (size_t slot = 0; slot < FHashes.size(); ++slot) {
    size_t i = static_cast<size_t>(FHashes[slot]) & mask;
    while (FBuckets[i] != 0) i = (i + 1) & mask;
    FBuckets[i] = static_cast<uint32_t>(slot + 1);
  }
}

void TCounters::Reserve(size_t n) {
  FEntries.reserve(n);
  FHashes.reserve(n);
  FFolded.reserve(n);
  size_t buckets = FBuckets.empty() ? 16 : FBuckets.size();
  while (buckets < n * 2) buckets *= 2;
  if (buckets != FBuckets.size()) Rehash(buckets);
}

template <typename TKey>
void TCounters::Add(const TKey& key, int32_t delta) {
  const std::string& text = key;
  if (text.empty()) return;
  static thread_local std::string folded;
  FoldCaseTo(folded, text);
  AddFolded(key, folded, HashKey(folded), delta);
}

template <typename TKey>
void TCounters::AddFolded(const TKey& key, const std::string& folded, uint64_t hash,
                          int32_t delta) {
  const std::string& text = key;
  const int32_t slot = Find(folded, hash);
  if (slot >= 0) {
    FEntries[static_cast<size_t>(slot)].second += delta;
    return;
  }
  if ((FEntries.size() + 1) * 2 > FBuckets.size())
    Rehash(FBuckets.empty() ? 16 : FBuckets.size() * 2);
  FHashes.push_back(hash);
  FFolded.push_back(folded == text ? TSharedText() : TSharedText(folded));
  FEntries.emplace_back(key, delta);
  const size_t mask = FBuckets.size() - 1;
  size_t i = static_cast<size_t>(hash) & mask;
  while (FBuckets[i] != 0) i = (i + 1) & mask;
  FBuckets[i] = static_cast<uint32_t>(FEntries.size());
}

void TCounters::IncValue(const std::string& key, int32_t delta) { Add(key, delta); }

void TCounters::Prepare(const std::string& key, TPrepared& into) const {
  FoldCaseTo(into.Folded, key);
  into.Hash = HashKey(into.Folded);
  // A table that grows before the key is added only makes this a wasted
  // load: the bucket is looked up again from the hash.
  if (!FBuckets.empty()) PrefetchRead(&FBuckets[static_cast<size_t>(into.Hash) & (FBuckets.size() - 1)]);
}

void TCounters::IncValue(const TSharedText& key, const TPrepared& prepared, int32_t delta) {
  if (key.empty()) return;
  AddFolded(key, prepared.Folded, prepared.Hash, delta);
}

void TCounters::IncValue(const TSharedText& key, int32_t delta) { Add(key, delta); }

int32_t TCounters::ValueOf(const std::string& key) const {
  if (key.empty()) return 0;
  const std::string folded = FoldCase(key);
  const int32_t slot = Find(folded, HashKey(folded));
  return slot < 0 ? 0 : FEntries[static_cast<size_t>(slot)].second;
}

void TCounters::TopN(int n, std::vector<Entry>& dst) const {
  dst.clear();
  using TSlot = std::pair<TSharedText, int32_t>;
  std::vector<const TSlot*> order;
  order.reserve(FEntries.size());
  for (const TSlot& e : FEntries) order.push_back(&e);
  const size_t m = (n <= 0 || static_cast<size_t>(n) > order.size()) ? order.size()
                                                                       : static_cast<size_t>(n);
  auto less = [](const TSlot* x, const TSlot* y) {
    if (x->second != y->second) return x->second > y->second;
    const std::string &a = x->first, &b = y->first;
    const int c = CompareTieKeys(a, b);
    return c != 0 ? c < 0 : a < b;
  };
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(m), order.end(),
                    less);
  dst.reserve(m);
  for (size_t i = 0; i < m; ++i) dst.emplace_back(order[i]->first.str(), order[i]->second);
}
