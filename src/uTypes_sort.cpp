// The newest-first sort of the visit list. Equal times keep the order that
// one fixed quicksort gives them (Hoare partition around the middle slot's
// time; reports are compared byte for byte, so that order must never
// change), without that quicksort's two faults:
// - it recursed into the left part whatever its size: a run of visits
//   newest first followed by one oldest first (a Chromium store, then a
//   WebCache of the same period) made it recurse once per visit and
//   overflow the stack. The smaller part recurses now, the larger loops;
//   the two parts are sorted independently of each other, so the result is
//   the same.
// - on that input every partition splits off a visit or two, and each one
//   scans the whole rest: quadratic time. Where partitions keep coming out
//   lopsided, the scans jump instead: a tree of the times' minima and maxima
//   over the range finds the slot where a scan would stop in logarithmic
//   time. The partition takes the very same steps, so again the result is
//   the same.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "uTypes.h"

namespace {

// Ranges at least this long switch to jumping scans after kLopsidedRun
// partitions in a row that split off less than a sixteenth, and back after
// one that does not; ranges shorter than kPlainBelow always scan plainly.
constexpr int32_t kJumpFrom = 4096;
constexpr int32_t kPlainBelow = 256;
constexpr int kLopsidedRun = 3;

// Minimum and maximum time over every aligned block of slots of [lo, hi];
// the leaves are the records themselves.
class TTimeTree {
 public:
  TTimeTree(const THistoryRecord* items, int32_t lo, int32_t hi)
      : FItems(items), FLo(lo), FLen(hi - lo + 1) {
    while (FSize < static_cast<size_t>(FLen)) FSize *= 2;
    FMin.resize(FSize);
    FMax.resize(FSize);
    for (size_t node = FSize - 1; node >= 1; --node) Refresh(node);
  }

  // The records in slots `x` and `y` were exchanged. Blocks holding both
  // hold the same times as before; below them, a block whose extremes
  // stayed the same leaves the blocks above it on that side the same too.
  void Exchanged(int32_t x, int32_t y) {
    size_t a = (static_cast<size_t>(x - FLo) + FSize) / 2;
    size_t b = (static_cast<size_t>(y - FLo) + FSize) / 2;
    bool moreA = true, moreB = true;
    while (a != b && (moreA || moreB)) {
      if (moreA) moreA = Refresh(a);
      if (moreB) moreB = Refresh(b);
      a /= 2;
      b /= 2;
    }
  }

  // The first slot from `from` on whose time is not above `p` (where
  // "while time > p: advance" stops).
  int32_t FirstNotAbove(int32_t from, int64_t p) const {
    size_t node = static_cast<size_t>(from - FLo) + FSize;
    if (Min(node) > p) {
      // None at all is never the case for a partition scan.
      const int32_t none = FLo + FLen - 1;
      if (from == FLo) {
        node = 1;  // from the first slot: straight down from the whole range
        if (Min(node) > p) return none;
      } else {
        do {
          while (node > 1 && (node & 1)) node /= 2;  // a right child: climb
          if (node == 1) return none;
          ++node;  // the next block to the right
        } while (Min(node) > p);
      }
      while (node < FSize) node = Min(2 * node) <= p ? 2 * node : 2 * node + 1;
    }
    return FLo + static_cast<int32_t>(node - FSize);
  }

  // The last slot up to `from` whose time is not below `p`.
  int32_t LastNotBelow(int32_t from, int64_t p) const {
    size_t node = static_cast<size_t>(from - FLo) + FSize;
    if (Max(node) < p) {
      do {
        while (node > 1 && !(node & 1)) node /= 2;  // a left child: climb
        if (node == 1) return FLo;
        --node;  // the next block to the left
      } while (Max(node) < p);
      while (node < FSize) node = Max(2 * node + 1) >= p ? 2 * node + 1 : 2 * node;
    }
    return FLo + static_cast<int32_t>(node - FSize);
  }

 private:
  int64_t Min(size_t node) const {
    if (node < FSize) return FMin[node];
    const size_t k = node - FSize;
    return k < static_cast<size_t>(FLen) ? FItems[FLo + k].VisitUnix
                                         : std::numeric_limits<int64_t>::max();
  }
  int64_t Max(size_t node) const {
    if (node < FSize) return FMax[node];
    const size_t k = node - FSize;
    return k < static_cast<size_t>(FLen) ? FItems[FLo + k].VisitUnix
                                         : std::numeric_limits<int64_t>::min();
  }
  // Recomputes one block from its two halves; true when it changed.
  bool Refresh(size_t node) {
    const int64_t lo = std::min(Min(2 * node), Min(2 * node + 1));
    const int64_t hi = std::max(Max(2 * node), Max(2 * node + 1));
    if (lo == FMin[node] && hi == FMax[node]) return false;
    FMin[node] = lo;
    FMax[node] = hi;
    return true;
  }

  const THistoryRecord* FItems;
  int32_t FLo;
  int32_t FLen;
  size_t FSize = 1;
  std::vector<int64_t> FMin, FMax;  // internal nodes 1 .. FSize-1
};

// Sorts slots l..r newest first. `tree`, when given, covers them and is
// kept up to date with every exchange.
void SortRange(THistoryRecord* a, int32_t l, int32_t r, TTimeTree* tree) {
  std::unique_ptr<TTimeTree> own;
  int lopsided = 0;
  while (l < r) {
    if (r - l < kPlainBelow) tree = nullptr;
    int32_t i = l, j = r;
    const int64_t p = a[l + (r - l) / 2].VisitUnix;
    do {
      if (tree) {
        i = tree->FirstNotAbove(i, p);
        j = tree->LastNotBelow(j, p);
      } else {
        while (a[i].VisitUnix > p) ++i;
        while (a[j].VisitUnix < p) --j;
      }
      if (i <= j) {
        if (i < j) {
          swap(a[i], a[j]);
          if (tree) tree->Exchanged(i, j);
        }
        ++i;
        --j;
      }
    } while (i <= j);

    const int32_t len = r - l + 1;
    const int32_t leftLen = std::max(j - l + 1, 0), rightLen = std::max(r - i + 1, 0);
    const bool split = std::min(leftLen, rightLen) >= len / 16;
    lopsided = len >= kJumpFrom && !split ? lopsided + 1 : 0;
    // Partitions that split well again scan faster plainly than through
    // the tree's upkeep.
    if (split) tree = nullptr;
    if (leftLen < rightLen) {
      if (l < j) SortRange(a, l, j, tree);
      l = i;
    } else {
      if (i < r) SortRange(a, i, r, tree);
      r = j;
    }
    if (!tree && lopsided >= kLopsidedRun && r - l + 1 >= kJumpFrom) {
      own.reset(new TTimeTree(a, l, r));
      tree = own.get();
    }
  }
}

}  // namespace

void THistoryList::SortByTimeDesc() {
  if (FCount < 2) return;
  SortRange(FItems.data(), 0, FCount - 1, nullptr);
}
