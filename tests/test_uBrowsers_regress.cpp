// Inputs found by fuzzing the Firefox profile index (fuzz/fuzz_profilesini).
#include <gtest/gtest.h>

#include <string>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uPlatform.h"

namespace {

// Firefox sources found for `ini` next to one profile holding one visit.
int FirefoxSources(const std::string& ini, int* visits) {
  vt_test::TempFolder base;
  vt_test::UserFolder alice(base.Path(), "alice");
  alice.AddFirefox("abcd.default", {{"https://a.example/", "A", vt_test::FirefoxTime(1700000000)}});
  vt_test::WriteFile(alice.Roaming("Mozilla/Firefox/profiles.ini"), ini);
  THistoryList list;
  TSourceList sources;
  TCollector c(list, sources, nullptr, 0, 0);
  c.SetSourceFilter("firefox");
  c.Collect({TUserProfile{alice.Name(), alice.Root(), true}});
  *visits = list.Count();
  return sources.Count();
}

}  // namespace

// A folder named through "..", "." or a doubled separator is the folder the
// Profiles scan reaches too: it is read once, its visits counted once.
TEST(BrowsersRegress, ProfileSpelledWithDotsIsReadOnce) {
  for (const std::string line :
       {"Path=Profiles/abcd.default/../abcd.default", "Path=Profiles/./abcd.default",
        "Path=Profiles//abcd.default", "Path=../Firefox/Profiles/abcd.default"}) {
    // The input fuzz_profilesini found (crash-f6e7a3ad…) had CR line ends.
    int visits = 0;
    EXPECT_EQ(FirefoxSources("Path=../../../../../..\rPath=\r" + line + "\r", &visits), 1) << line;
    EXPECT_EQ(visits, 1) << line;
  }
}
