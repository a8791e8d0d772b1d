// Times the collection stage alone over a user folder (for example one made
// by gen_profile):
//
//   bench_collect <userfolder> [--src chrome,firefox] [--repeat N] [--engine]
//
// Prints, per run, the visits and sources collected and the wall time, then
// the median of the runs. --engine reads every table through SQLite alone
// (no reading of tables from the snapshot's pages): run it beside a run
// without, on the same folder, for what the page reading saves.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "uBrowsers.h"
#include "uSqlite.h"
#include "uTypes.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: bench_collect <userfolder> [--src ids] [--repeat N] [--engine]\n");
    return 1;
  }
  std::string root = argv[1], src = "auto";
  int repeat = 3;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--engine") SetPageReading(false);
    else if (a == "--src" && i + 1 < argc) src = argv[++i];
    else if (a == "--repeat" && i + 1 < argc) repeat = std::max(1, std::atoi(argv[++i]));
  }
  while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.pop_back();
  TUserProfiles users{TUserProfile{"bench", root, true}};
  std::vector<double> times;
  for (int r = 0; r < repeat; ++r) {
    THistoryList list;
    TSourceList sources;
    const auto t0 = std::chrono::steady_clock::now();
    TCollector c(list, sources, nullptr, 0, 0);
    c.SetSourceFilter(src);
    c.Collect(users);
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    times.push_back(s);
    std::printf("run %d: %d visits from %d sources in %.3f s\n", r + 1, list.Count(),
                sources.Count(), s);
    for (int i = 0; i < sources.Count(); ++i) {
      const TSourceInfo& si = sources.Items()[i];
      if (si.Status != ssOk)
        std::printf("  %s %s: %s %s\n", si.BrowserId.c_str(), si.Profile.c_str(),
                    StatusLabel(si.Status).c_str(), si.Message.c_str());
    }
  }
  std::sort(times.begin(), times.end());
  std::printf("median of %d (%s): %.3f s\n", repeat, PageReading() ? "pages" : "engine",
              times[times.size() / 2]);
  return 0;
}
