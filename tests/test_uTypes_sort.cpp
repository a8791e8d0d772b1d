// The newest-first sort must give equal times exactly the order of the
// quicksort that reports have always had (and their golden copies hold),
// on every input, while staying fast and shallow on the V-shaped lists a
// Chromium store followed by a WebCache produces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "uTypes.h"

namespace {

using Item = std::pair<int64_t, int32_t>;  // time, original position

// The reference: the quicksort as it always was (Hoare partition around the
// middle slot's time, the left part recursing, the right part looping).
void ReferenceSort(std::vector<Item>& a, int32_t l, int32_t r) {
  for (;;) {
    int32_t i = l, j = r;
    const int64_t p = a[static_cast<size_t>(l + (r - l) / 2)].first;
    do {
      while (a[static_cast<size_t>(i)].first > p) ++i;
      while (a[static_cast<size_t>(j)].first < p) --j;
      if (i <= j) {
        if (i < j) std::swap(a[static_cast<size_t>(i)], a[static_cast<size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) ReferenceSort(a, l, j);
    l = i;
    if (i >= r) return;
  }
}

// Original positions in the order SortByTimeDesc leaves them, and in the
// order the reference leaves them.
void BothOrders(const std::vector<int64_t>& times, std::vector<int32_t>& got,
                std::vector<int32_t>& want) {
  THistoryList list;
  std::vector<Item> ref;
  for (size_t k = 0; k < times.size(); ++k) {
    THistoryRecord rec;
    rec.VisitUnix = times[k];
    rec.Title = std::to_string(k);
    list.Add(rec);
    ref.emplace_back(times[k], static_cast<int32_t>(k));
  }
  list.SortByTimeDesc();
  if (ref.size() >= 2) ReferenceSort(ref, 0, static_cast<int32_t>(ref.size()) - 1);
  got.clear();
  want.clear();
  for (int32_t k = 0; k < list.Count(); ++k)
    got.push_back(std::stoi(list.Items()[static_cast<size_t>(k)].Title.str()));
  for (const Item& it : ref) want.push_back(it.second);
}

std::vector<int64_t> Make(int32_t n, const std::function<int64_t(int32_t)>& time) {
  std::vector<int64_t> v;
  for (int32_t i = 0; i < n; ++i) v.push_back(time(i));
  return v;
}

// n times drawn from `span` seconds.
std::vector<int64_t> Draws(std::mt19937_64& rng, int32_t n, int64_t span) {
  return Make(n, [&](int32_t) { return 1700000000 + static_cast<int64_t>(rng() % span); });
}

// `v` cut at `cuts` into runs, newest first and oldest first by turns.
std::vector<int64_t> Runs(std::vector<int64_t> v, const std::vector<int32_t>& cuts) {
  size_t from = 0;
  bool newestFirst = true;
  for (size_t k = 0; k <= cuts.size(); ++k, newestFirst = !newestFirst) {
    const size_t to = k < cuts.size() ? static_cast<size_t>(cuts[k]) : v.size();
    if (newestFirst)
      std::sort(v.begin() + from, v.begin() + to, std::greater<int64_t>());
    else
      std::sort(v.begin() + from, v.begin() + to);
    from = to;
  }
  return v;
}

// `v` with `count` random pairs exchanged.
std::vector<int64_t> Shuffled(std::mt19937_64& rng, std::vector<int64_t> v, int32_t count) {
  for (int32_t k = 0; k < count; ++k) std::swap(v[rng() % v.size()], v[rng() % v.size()]);
  return v;
}

}  // namespace

TEST(SortOrder, EqualTimesWhereTheTwoMiddleSlotsDiffer) {
  // A, B, C, D at times 1, 2, 1, 2: the pivot is the time of B (slot 1,
  // not slot 2), and the exchanges leave D B A C.
  std::vector<int32_t> got, want;
  BothOrders({1, 2, 1, 2}, got, want);
  EXPECT_EQ(got, (std::vector<int32_t>{3, 1, 0, 2}));
  EXPECT_EQ(got, want);
}

TEST(SortOrder, SameAsTheQuicksortOnEveryShape) {
  std::mt19937_64 rng(12);
  const int64_t t0 = 1700000000;
  for (int32_t n : {2, 3, 5, 17, 1000, 5000, 20000}) {
    const int32_t half = n / 2;
    const std::vector<std::pair<std::string, std::vector<int64_t>>> shapes = {
        {"random, many ties", Make(n, [&](int32_t) { return t0 + static_cast<int64_t>(rng() % 50); })},
        {"random", Make(n, [&](int32_t) { return t0 + static_cast<int64_t>(rng() % 10000000); })},
        {"newest first", Make(n, [&](int32_t i) { return t0 - i / 3; })},
        {"oldest first", Make(n, [&](int32_t i) { return t0 + i / 3; })},
        {"all equal", Make(n, [&](int32_t) { return t0; })},
        {"V shape", Make(n, [&](int32_t i) { return i < half ? t0 + (half - i) : t0 + (i - half); })},
        {"V shape with ties and noise",
         Make(n, [&](int32_t i) {
           const int64_t base = i < half ? t0 + (half - i) / 2 : t0 + (i - half) / 3;
           return base + static_cast<int64_t>(rng() % 3);
         })},
        {"two V shapes",
         Make(n, [&](int32_t i) {
           const int32_t q = n / 4, k = i % (2 * q + 1);
           return k < q ? t0 + (q - k) : t0 + (k - q);
         })},
        {"negative and zero times", Make(n, [&](int32_t i) { return (i % 7) - 3; })},
        // The shapes below keep partitions lopsided in other ways: the
        // scans then jump through a tree that is kept exact only where the
        // range still lies.
        {"A shape", Make(n, [&](int32_t i) { return i < half ? t0 + (i / 2) : t0 + (n - i) / 2; })},
        {"V shape, seconds drawn over a month", Runs(Draws(rng, n, 30 * 86400), {half})},
        {"four runs by turns", Runs(Draws(rng, n, 5000), {n / 4, n / 2, 3 * n / 4})},
        {"V shape, a few visits exchanged", Shuffled(rng, Runs(Draws(rng, n, 100000), {n / 3}), n / 200)},
    };
    for (const auto& shape : shapes) {
      std::vector<int32_t> got, want;
      BothOrders(shape.second, got, want);
      EXPECT_EQ(got, want) << shape.first << ", " << n << " visits";
    }
  }
}

// Lists long enough that the two parts of a partition are sorted on two
// processors at once: the first partition that splits well, whether it is
// the very first or comes after lopsided ones, must leave the same order.
TEST(SortOrder, SameAsTheQuicksortWhenPartsAreSortedSideBySide) {
  std::mt19937_64 rng(7);
  const int64_t t0 = 1700000000;
  const int32_t n = 300000, half = n / 2;
  const std::vector<std::pair<std::string, std::vector<int64_t>>> shapes = {
      {"random, many ties", Make(n, [&](int32_t) { return t0 + static_cast<int64_t>(rng() % 500); })},
      {"V shape, a few visits exchanged",
       Shuffled(rng, Runs(Draws(rng, n, 100000), {n / 3}), n / 200)},
      {"V shape with ties and noise",
       Make(n, [&](int32_t i) {
         const int64_t base = i < half ? t0 + (half - i) / 2 : t0 + (i - half) / 3;
         return base + static_cast<int64_t>(rng() % 3);
       })},
      {"four runs by turns", Runs(Draws(rng, n, 5000), {n / 4, n / 2, 3 * n / 4})},
  };
  for (const auto& shape : shapes) {
    std::vector<int32_t> got, want;
    BothOrders(shape.second, got, want);
    EXPECT_EQ(got, want) << shape.first;
  }
}

TEST(SortOrder, LongVShapeSortsWithoutOverflowingTheStack) {
  // 300,000 such visits overflowed the stack of the recursion that followed
  // the left part; here they must simply sort (speed: tools/bench_sort).
  const int32_t n = 300000, half = n / 2;
  THistoryList list;
  list.Reserve(n);
  THistoryRecord rec;
  for (int32_t i = 0; i < n; ++i) {
    rec.VisitUnix = i < half ? 2 * (half - i) : 2 * (i - half);
    list.Add(rec);
  }
  list.SortByTimeDesc();
  for (int32_t i = 1; i < n; ++i)
    ASSERT_GE(list.Items()[static_cast<size_t>(i - 1)].VisitUnix,
              list.Items()[static_cast<size_t>(i)].VisitUnix)
        << i;
}
