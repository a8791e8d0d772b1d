// The readers against stores written by real browsers (tests/samples).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"

using namespace vt_test;

namespace {

// Places a sample file at `dst` inside a user folder; false when the
// samples are not available.
bool PlaceSample(const std::string& name, const std::string& dst) {
  const std::string src = SamplePath(name);
  if (src.empty() || !Exists(src)) return false;
  WriteFile(dst, ReadFile(src));
  return true;
}

}  // namespace

TEST(RealSamples, ChromiumAndFirefoxStores) {
  TempFolder base, tmp;
  EnvOverride tmpEnv("TMPDIR", tmp.Path());
  UserFolder alice(base.Path(), "alice");
  const std::string chrome2011 = alice.Local("Google/Chrome/User Data/Default/History");
  const std::string chrome59 = alice.Local("Google/Chrome/User Data/Profile 1/History");
  const std::string places = alice.Roaming("Mozilla/Firefox/Profiles/x.default/places.sqlite");
  if (!PlaceSample("chrome_History", chrome2011) || !PlaceSample("chrome_History_v59", chrome59) ||
      !PlaceSample("firefox_places.sqlite", places))
    GTEST_FAIL() << "tests/samples is incomplete";
  const std::string originalBytes = ReadFile(chrome2011);

  THistoryList list;
  TSourceList sources;
  TCollector c(list, sources, nullptr, 0, 0);
  c.Collect({TUserProfile{"alice", alice.Root(), true}});

  ASSERT_EQ(sources.Count(), 3);
  std::map<std::string, const TSourceInfo*> byPath;
  for (const auto& s : sources.Items()) byPath[s.DbPath] = &s;
  ASSERT_TRUE(byPath.count(chrome2011) && byPath.count(chrome59) && byPath.count(places));
  EXPECT_EQ(byPath[chrome2011]->Count, 69);
  EXPECT_EQ(byPath[chrome2011]->Status, ssOk);
  EXPECT_EQ(byPath[chrome59]->Count, 1);
  EXPECT_EQ(byPath[places]->Count, 1);
  EXPECT_EQ(byPath[places]->Profile, "alice\\x.default");

  int64_t lo = INT64_MAX, hi = 0;
  for (int i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[i];
    if (r.Profile() != "alice\\Default") continue;
    lo = std::min(lo, r.VisitUnix);
    hi = std::max(hi, r.VisitUnix);
  }
  EXPECT_EQ(lo, 1302177791);  // 2011-04-07 12:03:11 UTC
  EXPECT_EQ(hi, 1306139847);  // 2011-05-23 08:37:27 UTC
  bool sawFirefox = false;
  for (int i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[i];
    if (r.BrowserId() != "firefox") continue;
    sawFirefox = true;
    EXPECT_EQ(r.Url, "http://news.google.com/");
    EXPECT_EQ(r.VisitUnix, 1309518981);  // 2011-07-01 11:16:21 UTC
  }
  EXPECT_TRUE(sawFirefox);
  EXPECT_EQ(list.Count(), 71);

  // The browser's files are never touched and nothing is left behind.
  EXPECT_EQ(ReadFile(chrome2011), originalBytes);
  EXPECT_TRUE(ListNames(tmp.Path()).empty());
}

TEST(RealSamples, WindowNarrowsInsideTheQuery) {
  TempFolder base, tmp;
  EnvOverride tmpEnv("TMPDIR", tmp.Path());
  UserFolder alice(base.Path(), "alice");
  if (!PlaceSample("chrome_History", alice.Local("Google/Chrome/User Data/Default/History")))
    GTEST_FAIL() << "tests/samples is incomplete";
  THistoryList list;
  TSourceList sources;
  // 2011-05-01 00:00:00 UTC to the last visit itself (exclusive).
  TCollector c(list, sources, nullptr, 1304208000, 1306139847);
  c.Collect({TUserProfile{"alice", alice.Root(), true}});
  ASSERT_EQ(sources.Count(), 1);
  ASSERT_GT(list.Count(), 0);
  EXPECT_LT(list.Count(), 69);
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_GE(list.Items()[i].VisitUnix, 1304208000);
    EXPECT_LT(list.Items()[i].VisitUnix, 1306139847);
    if (i > 0) {
      EXPECT_LE(list.Items()[i].VisitUnix, list.Items()[i - 1].VisitUnix);
    }
  }
}

// Real downloads: the 2011 store keeps them without chains and with Unix
// seconds, the 2017 one with a chain and microseconds since 1601.
TEST(RealSamples, DownloadsOfBothChromiumSchemas) {
  TempFolder base, tmp;
  EnvOverride tmpEnv("TMPDIR", tmp.Path());
  UserFolder alice(base.Path(), "alice");
  if (!PlaceSample("chrome_History", alice.Local("Google/Chrome/User Data/Default/History")) ||
      !PlaceSample("chrome_History_v59", alice.Local("Google/Chrome/User Data/Profile 1/History")))
    GTEST_FAIL() << "tests/samples is incomplete";
  THistoryList list;
  TSourceList sources;
  TDownloadList downloads;
  TCollector c(list, sources, nullptr, 0, 0);
  c.SetDownloadList(&downloads);
  c.Collect({TUserProfile{"alice", alice.Root(), true}});
  downloads.SortByTimeDesc();
  ASSERT_EQ(downloads.Count(), 3);
  const TDownloadRecord& v59 = downloads.Items()[0];
  EXPECT_EQ(v59.Path, "/home/ubuntu/Downloads/plaso-20171231.1.win32.msi");
  EXPECT_EQ(v59.Url.rfind("https://raw.githubusercontent.com/log2timeline/", 0), 0u) << v59.Url;
  EXPECT_EQ(v59.Bytes(), 3080192);
  EXPECT_EQ(v59.State, dsComplete);
  EXPECT_GE(v59.StartUnix, 1516492800);  // 2018-01-21 UTC
  EXPECT_LT(v59.StartUnix, 1516579200);
  const TDownloadRecord& cats = downloads.Items()[1];
  EXPECT_EQ(cats.Path, "/home/john/Downloads/Cats Demo.exe");
  EXPECT_EQ(cats.Url, "http://www.photoscreensavers.us/Cats%20Demo.exe");
  EXPECT_EQ(cats.StartUnix, 1306139765);  // 2011-05-23 08:36:05 UTC
  EXPECT_EQ(cats.Bytes(), 1308799);
  EXPECT_EQ(list.Count(), 70);  // the visits as before
}
