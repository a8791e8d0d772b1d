// Times the newest-first sort of the visit list on the orders a collection
// produces: random, already sorted, reversed, all of one second, and the
// V shape that a Chromium store (newest first) followed by a WebCache of the
// same period (table order, oldest first) gives: once with every second
// taken twice (each time of one store also in the other), once with times
// drawn over 30 days (many seconds repeat, as in real histories).
//
//   bench_sort [visits]   (default 600000)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "uTypes.h"

namespace {

// A list whose i-th visit has time(i), with a few shared texts as a real
// collection has them.
void Fill(THistoryList& list, int32_t n, const std::function<int64_t(int32_t)>& time) {
  const TSourceLabelId label = InternSourceLabel("chrome", "Google Chrome", "alice\\Default");
  THistoryRecord rec;
  rec.Source = label;
  rec.Url = "https://www.example.com/some/page";
  rec.Title = "示例页面";
  list.Reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    rec.VisitUnix = time(i);
    list.Add(rec);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t n = argc > 1 ? std::atoi(argv[1]) : 600000;
  if (n <= 0) {
    std::fprintf(stderr, "usage: bench_sort [visits]\n");
    return 1;
  }
  const int64_t t0 = 1700000000;
  const int32_t half = n / 2;
  std::mt19937_64 rng(20261207);
  std::vector<int64_t> random(static_cast<size_t>(n));
  for (auto& t : random) t = t0 + static_cast<int64_t>(rng() % (90 * 86400));
  // Two stores of the same 30 days: the first newest first, the second
  // oldest first.
  std::vector<int64_t> drawn(static_cast<size_t>(n));
  for (auto& t : drawn) t = t0 + static_cast<int64_t>(rng() % (30 * 86400));
  std::sort(drawn.begin(), drawn.begin() + half, std::greater<int64_t>());
  std::sort(drawn.begin() + half, drawn.end());

  const std::vector<std::pair<std::string, std::function<int64_t(int32_t)>>> shapes = {
      {"random", [&](int32_t i) { return random[static_cast<size_t>(i)]; }},
      {"newest first", [&](int32_t i) { return t0 + n - i; }},
      {"oldest first", [&](int32_t i) { return t0 + i; }},
      {"all equal", [&](int32_t) { return t0; }},
      // One store newest first, then one of the same period oldest first.
      {"V shape", [&](int32_t i) { return i < half ? t0 + 2 * (half - i) : t0 + 2 * (i - half); }},
      {"V, 30 days", [&](int32_t i) { return drawn[static_cast<size_t>(i)]; }},
  };
  std::printf("visits: %d\n", n);
  for (const auto& shape : shapes) {
    THistoryList list;
    Fill(list, n, shape.second);
    // Processor time: the figure stays comparable on a machine shared with
    // other work.
    const std::clock_t start = std::clock();
    list.SortByTimeDesc();
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    bool ordered = true;
    for (int32_t i = 1; i < list.Count(); ++i)
      if (list.Items()[static_cast<size_t>(i - 1)].VisitUnix <
          list.Items()[static_cast<size_t>(i)].VisitUnix)
        ordered = false;
    std::printf("%-13s %9.1f ms%s\n", shape.first.c_str(), ms, ordered ? "" : "  NOT SORTED");
  }
  return 0;
}
