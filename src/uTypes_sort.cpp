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
//   lopsided, the range goes on as small keys (time and slot) and the scans
//   jump: a tree of the times' minima and maxima finds the slot where a
//   scan would stop in logarithmic time. The partitions take the very same
//   steps on the keys as on the records, so again the result is the same;
//   the records then move to their final slots once.
// Every partition is still taken, one by one: equal times may sit anywhere
// in a range, and their order comes out of the exchanges of all of them.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "uPlatform.h"
#include "uTypes.h"

namespace {

// Ranges at least this long switch to jumping scans after kLopsidedRun
// partitions in a row that split off less than a sixteenth, and back after
// one that does not; ranges shorter than kPlainBelow always scan plainly.
constexpr int32_t kJumpFrom = 4096;
constexpr int32_t kPlainBelow = 256;
constexpr int kLopsidedRun = 3;
// Parts at least this long are sorted side by side (see SortRange).
constexpr int32_t kSideBySideFrom = 65536;

// One record's place in the sort: its time, and the slot it came from.
// The partitions exchange these small keys instead of whole records; the
// records move once, to their final slots, at the end.
struct TKey {
  int64_t Time;
  int32_t Slot;
};

// Minimum and maximum time over every aligned block of 8, 64, 512, ... keys
// of [lo, hi]; the keys themselves are the level below the first.
//
// The tree is exact only over the slots its owner still sorts: blocks
// wholly inside them hold their true extremes, blocks reaching outside may
// hold anything from before. A search therefore names its window, and its
// answer is right within it: going left to right, a block inside the
// window is exact, and a block across the window's end is entered only
// where the blocks before it in the window hold no hit, so a stale
// extreme can only lead past the window's end (and a descent that finds no
// hit below a stale block ends there too).
class TTimeTree {
 public:
  TTimeTree(const TKey* keys, int32_t lo, int32_t hi) : FKeys(keys), FLo(lo) {
    size_t count = static_cast<size_t>(hi - lo + 1);
    FCounts.push_back(count);
    while (count > 1) {
      count = (count + kFan - 1) / kFan;
      FCounts.push_back(count);
      // Whole groups, the slots past the end holding nothing.
      const size_t padded = (count + kFan - 1) / kFan * kFan;
      FMin.emplace_back(padded, std::numeric_limits<int64_t>::max());
      FMax.emplace_back(padded, std::numeric_limits<int64_t>::min());
      const size_t level = FMin.size();
      for (size_t b = 0; b < count; ++b) Refresh(level, b);
    }
  }

  // The key in `slot` changed: its blocks take its new time, up to the
  // first whose extremes stay the same.
  void Changed(int32_t slot) {
    size_t b = static_cast<size_t>(slot - FLo);
    for (size_t level = 1; level < FCounts.size(); ++level) {
      b /= kFan;
      if (!Refresh(level, b)) break;
    }
  }

  // The first slot of [from, to] whose time is not above `p` (where
  // "while time > p: advance" stops), or to + 1 when there is none.
  int32_t FirstNotAbove(int32_t from, int32_t to, int64_t p) const {
    const size_t end = static_cast<size_t>(to - FLo);
    size_t b = static_cast<size_t>(from - FLo);
    size_t level = 0;
    if (b == 0) {
      // From the first slot: straight down from the whole range.
      level = FCounts.size() - 1;
      if (Min(level, 0) > p) return to + 1;
      return Descend(level, 0, end, p, to);
    }
    for (; level < FCounts.size(); ++level) {
      // The rest of this group of blocks, then on from the next block up.
      for (const size_t last = b | (kFan - 1); b <= last; ++b) {
        if ((b << (kShift * level)) > end) return to + 1;
        if (Min(level, b) <= p) return Descend(level, b, end, p, to);
      }
      b = b / kFan;  // b is one past the group: the next block one level up
    }
    return to + 1;
  }

  // The last slot of [to, from] whose time is not below `p`, or to - 1.
  int32_t LastNotBelow(int32_t from, int32_t to, int64_t p) const {
    const size_t start = static_cast<size_t>(to - FLo);
    size_t b = static_cast<size_t>(from - FLo) + 1;  // one past the block to look at
    for (size_t level = 0; level < FCounts.size(); ++level) {
      for (const size_t first = (b - 1) & ~(kFan - 1); b > first; --b) {
        if ((b << (kShift * level)) <= start) return to - 1;
        if (Max(level, b - 1) < p) continue;
        --b;
        while (level > 0) {  // down to the block's last hit
          --level;
          b = b * kFan + kFan;
          const size_t stop = b - kFan;
          while (b > stop && Max(level, b - 1) < p) --b;
          if (b == stop || (b << (kShift * level)) <= start) return to - 1;
          --b;
        }
        return FLo + static_cast<int32_t>(b);
      }
      if (b == 0) return to - 1;
      b = b / kFan;  // b is the group's first block: the one before it, one level up
    }
    return to - 1;
  }

 private:
  static constexpr size_t kShift = 3;

  // The first slot below block b of `level` whose time is not above `p`.
  int32_t Descend(size_t level, size_t b, size_t end, int64_t p, int32_t to) const {
    while (level > 0) {
      --level;
      b *= kFan;
      const size_t stop = b + kFan;
      while (b < stop && Min(level, b) > p) ++b;
      if (b == stop || (b << (kShift * level)) > end) return to + 1;
    }
    return FLo + static_cast<int32_t>(b);
  }

  static constexpr size_t kFan = size_t{1} << kShift;

  // Blocks past the end hold nothing: no time is above their minimum or
  // below their maximum.
  int64_t Min(size_t level, size_t b) const {
    if (level > 0) return FMin[level - 1][b];
    return b < FCounts[0] ? FKeys[FLo + static_cast<int32_t>(b)].Time
                          : std::numeric_limits<int64_t>::max();
  }
  int64_t Max(size_t level, size_t b) const {
    if (level > 0) return FMax[level - 1][b];
    return b < FCounts[0] ? FKeys[FLo + static_cast<int32_t>(b)].Time
                          : std::numeric_limits<int64_t>::min();
  }
  // Recomputes block b of `level` from the blocks below; true when it
  // changed.
  bool Refresh(size_t level, size_t b) {
    int64_t lo = std::numeric_limits<int64_t>::max(), hi = std::numeric_limits<int64_t>::min();
    for (size_t c = b * kFan; c < b * kFan + kFan; ++c) {
      lo = std::min(lo, Min(level - 1, c));
      hi = std::max(hi, Max(level - 1, c));
    }
    int64_t& min = FMin[level - 1][b];
    int64_t& max = FMax[level - 1][b];
    if (lo == min && hi == max) return false;
    min = lo;
    max = hi;
    return true;
  }

  const TKey* FKeys;
  int32_t FLo;
  std::vector<size_t> FCounts;             // blocks per level; level 0: the keys
  std::vector<std::vector<int64_t>> FMin;  // levels 1 and up
  std::vector<std::vector<int64_t>> FMax;
};

// One partition of l..r around the time p, as the plain scans take it, but
// with each scan jumping through the tree. Between the scans, the window
// [i, j] holds only keys no exchange of this partition has touched yet, so
// the tree is exact over it; past it, the scan would stop at the slot just
// exchanged (or at the pivot's own slot, before any exchange). The slots
// exchanged on each side are noted for the tree's upkeep afterwards.
void PartitionJumping(TKey* a, const TTimeTree& tree, int64_t p, int32_t& i, int32_t& j,
                      std::vector<int32_t>& leftMoved, std::vector<int32_t>& rightMoved) {
  do {
    const int32_t from = i;
    i = tree.FirstNotAbove(i, j, p);
    j = tree.LastNotBelow(j, from, p);
    if (i <= j) {
      if (i < j) {
        std::swap(a[i], a[j]);
        leftMoved.push_back(i);
        rightMoved.push_back(j);
      }
      ++i;
      --j;
    }
  } while (i <= j);
}

int64_t TimeOf(const THistoryRecord& rec) { return rec.VisitUnix; }
int64_t TimeOf(const TKey& key) { return key.Time; }

template <typename T>
void SortRange(T* a, int32_t l, int32_t r, bool sideBySide = false);

// Sorts the records of l..r through their keys, then moves each record to
// its final slot once.
void SortByKeys(THistoryRecord* a, int32_t l, int32_t r) {
  const size_t len = static_cast<size_t>(r - l + 1);
  std::vector<TKey> keys(len);
  for (size_t k = 0; k < len; ++k) keys[k] = {a[l + k].VisitUnix, l + static_cast<int32_t>(k)};
  SortRange(keys.data(), 0, static_cast<int32_t>(len) - 1);
  std::vector<THistoryRecord> sorted(len);
  for (size_t k = 0; k < len; ++k) sorted[k] = std::move(a[keys[k].Slot]);
  std::move(sorted.begin(), sorted.end(), a + l);
}

// Sorts slots l..r newest first. Records are partitioned in place while
// the partitions split well; a range that keeps splitting lopsided goes on
// as keys (small, and the tree's leaves), with jumping scans.
// `sideBySide`: the two parts of the first partition that splits well
// into large parts are sorted on two processors at once. After such a
// partition each part goes on exactly as a range sorted on its own would
// (no tree, no lopsided splits counted), and the parts share no slot, so
// the order comes out the same.
template <typename T>
void SortRange(T* a, int32_t l, int32_t r, bool sideBySide) {
  std::unique_ptr<TTimeTree> tree;
  std::vector<int32_t> leftMoved, rightMoved;
  int lopsided = 0;
  while (l < r) {
    if (r - l < kPlainBelow) tree.reset();
    int32_t i = l, j = r;
    const int64_t p = TimeOf(a[l + (r - l) / 2]);
    if (tree) {
      if constexpr (std::is_same<T, TKey>::value) {
        leftMoved.clear();
        rightMoved.clear();
        PartitionJumping(a, *tree, p, i, j, leftMoved, rightMoved);
      }
    } else {
      do {
        while (TimeOf(a[i]) > p) ++i;
        while (TimeOf(a[j]) < p) --j;
        if (i <= j) {
          if (i < j) {
            using std::swap;  // records: their own exchange of pointers
            swap(a[i], a[j]);
          }
          ++i;
          --j;
        }
      } while (i <= j);
    }

    const int32_t len = r - l + 1;
    const int32_t leftLen = std::max(j - l + 1, 0), rightLen = std::max(r - i + 1, 0);
    const bool split = std::min(leftLen, rightLen) >= len / 16;
    lopsided = len >= kJumpFrom && !split ? lopsided + 1 : 0;
    // Partitions that split well again scan faster plainly than through
    // the tree's upkeep.
    if (split) tree.reset();
    if (split && sideBySide && std::min(leftLen, rightLen) >= kSideBySideFrom) {
      plat::RunTogether({[&]() {
                           if (l < j) SortRange(a, l, j);
                         },
                         [&]() {
                           if (i < r) SortRange(a, i, r);
                         }});
      return;
    }
    // The tree stays with the larger part; it needs the exchanged slots
    // there only (the smaller part lies outside every later window).
    if (leftLen < rightLen) {
      if (l < j) SortRange(a, l, j);
      if (tree)
        for (int32_t slot : rightMoved) tree->Changed(slot);
      l = i;
    } else {
      if (i < r) SortRange(a, i, r);
      if (tree)
        for (int32_t slot : leftMoved) tree->Changed(slot);
      r = j;
    }
    if (!tree && lopsided >= kLopsidedRun && r - l + 1 >= kJumpFrom) {
      if constexpr (std::is_same<T, TKey>::value) {
        tree.reset(new TTimeTree(a, l, r));
      } else {
        SortByKeys(a, l, r);
        return;
      }
    }
  }
}

}  // namespace

void THistoryList::SortByTimeDesc() {
  if (FCount < 2) return;
  SortRange(FItems.data(), 0, FCount - 1, plat::ProcessorCount() > 1);
}
