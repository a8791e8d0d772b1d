// Where a report run's time goes, stage by stage, on a real user folder (for
// example the million-visit profile of tools/benchmark.sh): the snapshot
// copy alone, then collection (copy, query and records), the sort, the
// analysis and each report writer into a file, with wall and CPU time per
// stage. Each stage is run --repeat times; medians are printed.
//
//   bench_stages <userfolder> [--src chrome] [--repeat N] [--out DIR]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "uAggregate.h"
#include "uBrowsers.h"
#include "uPlatform.h"
#include "uReport.h"
#include "uSqlite.h"
#include "uTypes.h"

namespace {

double CpuSeconds() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec +
         ru.ru_stime.tv_usec / 1e6;
}

struct TTiming {
  std::vector<double> Wall, Cpu;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Time(TTiming& t, const std::function<void()>& fn) {
  const double c0 = CpuSeconds();
  const auto w0 = std::chrono::steady_clock::now();
  fn();
  t.Wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count());
  t.Cpu.push_back(CpuSeconds() - c0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_stages <userfolder> [--src ids] [--repeat N] [--out DIR]\n");
    return 1;
  }
  std::string root = argv[1], src = "chrome", out = "/tmp";
  int repeat = 3;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--src") src = argv[i + 1];
    else if (a == "--repeat") repeat = std::atoi(argv[i + 1]);
    else if (a == "--out") out = argv[i + 1];
  }
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  std::string engineErr;
  TSqliteDb::EnsureLoaded("", engineErr);
  const TUserProfiles users{TUserProfile{"bench", root, true}};
  const std::string history = root + "/AppData/Local/Google/Chrome/User Data/Default/History";
  const std::string report = out + "/vt_bench_stages_report";

  const char* const names[] = {"snapshot copy alone", "collect (copy + read)", "sort",
                               "analyze", "JSON report", "HTML report", "CSV report",
                               "JSONL export"};
  TTiming t[8];
  int32_t visits = 0;
  for (int r = 0; r < repeat; ++r) {
    if (plat::FileExists(history)) {
      Time(t[0], [&] {
        std::string copy, err;
        if (SnapshotDatabase(history, copy, err)) DeleteSnapshot(copy);
      });
    }
    THistoryList list;
    TSourceList sources;
    Time(t[1], [&] {
      TCollector c(list, sources, nullptr, 0, 0);
      c.SetSourceFilter(src);
      c.Collect(users);
    });
    visits = list.Count();
    Time(t[2], [&] { list.SortByTimeDesc(); });
    TAnalyzer a;
    Time(t[3], [&] { a.Analyze(list); });
    TReportOptions ro;
    ro.Title = "bench";
    std::string err;
    Time(t[4], [&] { WriteJsonReportFile(report + ".json", a, list, sources, ro, err); });
    Time(t[5], [&] { WriteHtmlReport(report + ".html", a, list, sources, ro, err); });
    Time(t[6], [&] { WriteCsvReportFile(report + ".csv", list, ro, err); });
    TJsonlOptions jo;
    jo.Machine = "BENCH";
    jo.RunId = JsonlRunId(0, 1);
    Time(t[7], [&] { WriteJsonlReportFile(report + ".jsonl", list, sources, jo, err); });
    for (const char* ext : {".json", ".html", ".csv", ".jsonl"}) plat::RemoveFile(report + ext);
  }
  std::printf("%d visits, %d runs, medians\n%-24s %9s %9s\n", visits, repeat, "stage", "wall ms",
              "cpu ms");
  for (int i = 0; i < 8; ++i)
    if (!t[i].Wall.empty())
      std::printf("%-24s %9.0f %9.0f\n", names[i], Median(t[i].Wall) * 1000,
                  Median(t[i].Cpu) * 1000);
  return 0;
}
