// Times the collection stage alone over a user folder (for example one made
// by gen_profile):
//
//   bench_collect <userfolder> [--src chrome,firefox] [--repeat N]
//
// Prints, per run, the visits and sources collected and the wall time.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "uBrowsers.h"
#include "uTypes.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_collect <userfolder> [--src ids] [--repeat N]\n");
    return 1;
  }
  std::string root = argv[1], src = "auto";
  int repeat = 3;
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--src") src = argv[i + 1];
    else if (a == "--repeat") repeat = std::atoi(argv[i + 1]);
  }
  while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.pop_back();
  TUserProfiles users{TUserProfile{"bench", root, true}};
  for (int r = 0; r < repeat; ++r) {
    THistoryList list;
    TSourceList sources;
    const auto t0 = std::chrono::steady_clock::now();
    TCollector c(list, sources, nullptr, 0, 0);
    c.SetSourceFilter(src);
    c.Collect(users);
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("run %d: %d visits from %d sources in %.3f s\n", r + 1, list.Count(),
                sources.Count(), s);
    for (int i = 0; i < sources.Count(); ++i) {
      const TSourceInfo& si = sources.Items()[i];
      if (si.Status != ssOk)
        std::printf("  %s %s: %s %s\n", si.BrowserId.c_str(), si.Profile.c_str(),
                    StatusLabel(si.Status).c_str(), si.Message.c_str());
    }
  }
  return 0;
}
