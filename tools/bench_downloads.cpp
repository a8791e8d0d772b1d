// Times the downloads: a Chromium History with N downloads (default
// 100,000, each with a redirect chain of one to three addresses) and a
// Firefox places.sqlite with N / 4 more is made in a scratch user folder;
// then, per run, the collection (snapshot, read, filter), the sort and the
// JSON report's "downloads" array written to a file.
//
//   bench_downloads <scratch folder> [--downloads N] [--repeat R]
//
// The stores are made once and kept; a second call with the same folder
// and N reuses them.

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/support/Stores.cpp"
#include "uAggregate.h"
#include "uBrowsers.h"
#include "uReport.h"
#include "uTypes.h"

namespace {

double Since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_downloads <scratch folder> [--downloads N] [--repeat R]\n");
    return 1;
  }
  const std::string base = argv[1];
  int n = 100000, repeat = 3;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--downloads") n = std::atoi(argv[i + 1]);
    else if (a == "--repeat") repeat = std::atoi(argv[i + 1]);
  }
  const std::string user = "bench" + std::to_string(n);
  vt_test::UserFolder folder(base, user);
  const std::string history = folder.Local("Google/Chrome/User Data/Default/History");
  if (!plat::FileExists(history)) {
    const auto t0 = std::chrono::steady_clock::now();
    const int64_t now = 1760000000;
    folder.AddChrome("Default", {{"https://start.example/", "Start", vt_test::ChromeTime(now)}});
    std::vector<vt_test::StoreDownload> dls(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      vt_test::StoreDownload& d = dls[static_cast<size_t>(i)];
      const std::string host = "https://cdn" + std::to_string(i % 97) + ".example.com";
      d.Chain.push_back("https://get.example.org/d?id=" + std::to_string(i));
      if (i % 3) d.Chain.push_back(host + "/r/" + std::to_string(i));
      if (i % 5 == 0) d.Chain.push_back(host + "/files/报告_" + std::to_string(i) + ".pdf");
      d.Path = "C:\\Users\\bench\\Downloads\\文件_" + std::to_string(i) + (i % 2 ? ".zip" : ".pdf");
      d.RawStart = vt_test::ChromeTime(now - 60LL * i);
      d.RawEnd = d.RawStart + 5000000;
      d.State = i % 10 == 0 ? 2 : i % 17 == 0 ? 4 : 1;
      d.Received = d.Total = 1000 + i;
      d.Referrer = "https://get.example.org/list?page=" + std::to_string(i / 50);
      d.TabUrl = d.Referrer;
      d.Mime = "application/octet-stream";
    }
    vt_test::AddChromeDownloads(history, dls);
    const std::string places = folder.AddFirefox("bench.default", {{"https://start.example/", "S",
                                                                    vt_test::FirefoxTime(now)}});
    std::vector<vt_test::StoreDownload> ff(static_cast<size_t>(n / 4));
    for (size_t i = 0; i < ff.size(); ++i) {
      ff[i].Chain = {"https://ff.example.net/file/" + std::to_string(i)};
      ff[i].Path = "file:///C:/Users/bench/Downloads/%E6%96%87%E4%BB%B6_" + std::to_string(i) + ".bin";
      ff[i].RawStart = vt_test::FirefoxTime(now - 90LL * static_cast<int64_t>(i));
      ff[i].RawEnd = (now - 90LL * static_cast<int64_t>(i) + 3) * 1000;
      ff[i].Total = 2048;
      ff[i].State = i % 3 ? 1 : -1;
    }
    vt_test::AddFirefoxDownloads(places, ff);
    std::printf("stores made in %.2f s (%d Chromium + %zu Firefox downloads)\n", Since(t0), n,
                ff.size());
  }

  const std::vector<std::string> include = {"文件"}, exclude = {"cdn13.example.com"};
  TUserProfiles users{TUserProfile{user, folder.Root(), true}};
  for (int r = 0; r < repeat; ++r) {
    THistoryList list;
    TSourceList sources;
    TDownloadList downloads;
    auto t0 = std::chrono::steady_clock::now();
    const std::clock_t c0 = std::clock();
    TCollector c(list, sources, nullptr, 0, 0);
    c.SetDownloadList(&downloads);
    c.SetKeywordFilter(&include, &exclude);
    c.SetPrivacy(true);
    c.Collect(users);
    const double read = Since(t0);
    t0 = std::chrono::steady_clock::now();
    downloads.SortByTimeDesc();
    TAnalyzer a;
    a.Analyze(list);
    TReportOptions ro;
    ro.Downloads = &downloads;
    std::string err;
    const std::string out = JoinPath(base, "bench_downloads.json");
    if (!WriteJsonReportFile(out, a, list, sources, ro, err)) {
      std::fprintf(stderr, "%s\n", err.c_str());
      return 1;
    }
    const double write = Since(t0);
    // Processor time too: on a busy machine the wall time mostly waits.
    const double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    std::printf("run %d: %d downloads kept; read and filtered %.3f s, sorted and written %.3f s, "
                "total %.3f s (processor %.3f s)\n",
                r + 1, downloads.Count(), read, write, read + write, cpu);
  }
  return 0;
}
