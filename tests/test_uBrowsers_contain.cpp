// One store cannot end the run: whatever its reading throws (memory above
// all) costs that source alone, and a value too long to load costs neither
// its visit nor the visits after it, whichever way the store is read.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uSqlite.h"
#include "uUtil.h"

using namespace vt_test;

// Armed, the first allocation of at least this many bytes fails as a full
// memory would; 0 = never. The rest of the program allocates as usual, so
// that a test can watch one source run out. With gFailOffThread only an
// allocation on a thread the reader started qualifies.
static std::atomic<size_t> gFailNextFrom{0};
static std::atomic<bool> gFailOffThread{false};
static thread_local bool tTestThread = false;

void* operator new(std::size_t n) {
  size_t from = gFailNextFrom.load(std::memory_order_relaxed);
  if (from != 0 && n >= from && !(gFailOffThread && tTestThread) &&
      gFailNextFrom.compare_exchange_strong(from, 0))
    throw std::bad_alloc();
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
// Every other form goes the same way: a sanitizer's own forms would hand
// out memory that the forms above then free.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(n);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t n) { return ::operator new(n); }
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept {
  return ::operator new(n, t);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

constexpr int64_t kT0 = 1700000000;

// `n` visits spread over `addresses` addresses, one second apart.
std::vector<StoreVisit> Visits(int n, bool firefox, int addresses = 1000000) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i) {
    const std::string a = std::to_string(i % addresses);
    v.push_back({"https://site" + a + ".example/", "Page " + a,
                 firefox ? FirefoxTime(kT0 + i) : ChromeTime(kT0 + i)});
  }
  return v;
}

class Contain : public ::testing::Test {
 protected:
  Contain() : FTmpEnv("TMPDIR", FTmp.Path()), FUser(FBase.Path(), "alice") {}
  ~Contain() override {
    gFailNextFrom = 0;
    gFailOffThread = false;
  }
  // Nothing of a failed source stays behind in the temporary folder.
  void TearDown() override { EXPECT_TRUE(ListNames(FTmp.Path()).empty()); }

  void Collect() {
    TCollector c(List, Sources, nullptr, 0, 0);
    c.SetSourceFilter("auto");
    c.Collect({TUserProfile{FUser.Name(), FUser.Root(), true}});
  }
  const TSourceInfo& Find(const std::string& profile) const {
    for (int i = 0; i < Sources.Count(); ++i)
      if (Sources.Items()[i].Profile == profile) return Sources.Items()[i];
    static const TSourceInfo none;
    ADD_FAILURE() << "no source " << profile;
    return none;
  }
  int Visited(const std::string& url) const {
    int n = 0;
    for (int i = 0; i < List.Count(); ++i) n += List.Items()[i].Url == url;
    return n;
  }

  TempFolder FTmp, FBase;
  EnvOverride FTmpEnv;
  UserFolder FUser;
  THistoryList List;
  TSourceList Sources;
};

}  // namespace

// Without its time index a store is read by the query, whose sort would
// load every text: a 3 MB address and a 3 MB title in the middle of the
// history once ended the read there. Both are read by their beginnings and
// every visit after them is kept, in both families.
TEST_F(Contain, QueryPathReadsOversizedTextsByTheirBeginning) {
  std::vector<StoreVisit> chrome = Visits(6, false), firefox = Visits(6, true);
  chrome[2].Url = "https://huge-url.example/";
  chrome[3].Url = "https://huge-title.example/";
  firefox[2].Url = "https://huge-url.example/";
  const std::string c = FUser.AddChrome("Default", chrome);
  const std::string f = FUser.AddFirefox("abcd.default", firefox);
  const std::string pad = "printf('%.*c', 3000000, 'a')";
  ExecSql(c, "DROP INDEX visits_time_index; "
             "UPDATE urls SET url = url || " + pad + " WHERE url LIKE '%huge-url%'; "
             "UPDATE urls SET title = 'T' || " + pad + " WHERE url LIKE '%huge-title%';");
  ExecSql(f, "DROP INDEX moz_historyvisits_dateindex; "
             "UPDATE moz_places SET url = url || " + pad + " WHERE url LIKE '%huge-url%';");

  Collect();
  for (const char* profile : {"alice\\Default", "alice\\abcd.default"}) {
    const TSourceInfo& s = Find(profile);
    EXPECT_EQ(s.Status, ssOk) << s.Message;
    EXPECT_EQ(s.Count, 6);
  }
  ASSERT_EQ(List.Count(), 12);
  int longUrls = 0;
  for (int i = 0; i < List.Count(); ++i) {
    const THistoryRecord& r = List.Items()[i];
    if (r.Url.str().rfind("https://huge-url.example/aaa", 0) == 0) {
      ++longUrls;
      EXPECT_EQ(r.Url.str().size(), static_cast<size_t>(TSqliteDb::kMaxValueBytes));
    }
    if (r.Url == "https://huge-title.example/") {
      EXPECT_EQ(std::string(r.Title), "T" + std::string(299, 'a'));
    }
  }
  EXPECT_EQ(longUrls, 2);
  // The visits after the oversized ones (newest first: before them).
  EXPECT_EQ(Visited("https://site0.example/"), 2);
  EXPECT_EQ(Visited("https://site5.example/"), 2);
}

// Read again by addresses, the store keeps the readers' rules: the filters
// and the privacy cut act on each address once, and its visits share its
// texts.
TEST_F(Contain, OversizedStoreReadByAddressKeepsTheFilters) {
  std::vector<StoreVisit> visits = Visits(9, false, 3);
  for (StoreVisit& v : visits) v.Url += "?q=1";
  visits.push_back({"https://huge-title.example/", "x", ChromeTime(kT0 - 1)});
  const std::string c = FUser.AddChrome("Default", visits);
  ExecSql(c, "DROP INDEX visits_time_index; UPDATE urls SET title = printf('%.*c', 3000000, "
             "'t') WHERE url LIKE '%huge-title%';");
  TCollector col(List, Sources, nullptr, 0, 0);
  const std::vector<std::string> exclude{"site1.example"};
  col.SetKeywordFilter(nullptr, &exclude);
  col.SetPrivacy(true);
  col.Collect({TUserProfile{FUser.Name(), FUser.Root(), true}});
  ASSERT_EQ(List.Count(), 7);
  EXPECT_EQ(Sources.Items()[0].Status, ssOk) << Sources.Items()[0].Message;
  EXPECT_EQ(Sources.Items()[0].Count, 7);
  for (int i = 0; i < List.Count(); ++i) {
    EXPECT_EQ(List.Items()[i].Url.str().find('?'), std::string::npos);
    EXPECT_NE(List.Items()[i].Url, "https://site1.example/");
  }
  // Newest first: visits 8, 6, 5 …; 8 and 5 are of one address.
  EXPECT_EQ(List.Items()[0].Url, "https://site2.example/");
  EXPECT_TRUE(List.Items()[0].Url.SameAs(List.Items()[2].Url));
  EXPECT_EQ(List.Items()[6].Url, "https://huge-title.example/");
  EXPECT_EQ(std::string(List.Items()[6].Title), std::string(300, 't'));
}

// Memory runs out in the middle of a store read by the query: the visits
// added before stay and are counted, the source says why it ended, and the
// next store is read as usual.
TEST_F(Contain, OutOfMemoryOnTheQueryPathCostsOneSource) {
  const std::string c = FUser.AddChrome("Default", Visits(40000, false, 50));
  ExecSql(c, "DROP INDEX visits_time_index");
  FUser.AddFirefox("abcd.default", Visits(3, true));
  gFailNextFrom = 512 * 1024;  // the list's growth past 16384 records
  Collect();
  const TSourceInfo& chrome = Find("alice\\Default");
  EXPECT_EQ(chrome.Status, ssParseError);
  EXPECT_GT(chrome.Count, 0);
  EXPECT_LT(chrome.Count, 40000);
  EXPECT_EQ(chrome.Message, Format("内存不足（已读取 %d 条）", chrome.Count));
  EXPECT_EQ(StatusLabel(chrome.Status), "解析失败");
  const TSourceInfo& firefox = Find("alice\\abcd.default");
  EXPECT_EQ(firefox.Status, ssOk);
  EXPECT_EQ(List.Count(), chrome.Count + 3);
}

// The table scans read a large store on several threads; memory that runs
// out on any of them ends that store alone, with nothing of it half-added.
TEST_F(Contain, OutOfMemoryOnTheScanThreadsCostsOneSource) {
  FUser.AddChrome("Default", Visits(70000, false, 500));
  FUser.AddChrome("Profile 1", Visits(5, false));
  tTestThread = true;
  gFailOffThread = true;
  gFailNextFrom = 1024 * 1024;
  Collect();
  const TSourceInfo& big = Find("alice\\Default");
  EXPECT_EQ(big.Status, ssParseError);
  EXPECT_EQ(big.Message, "内存不足");
  EXPECT_EQ(big.Count, 0);
  EXPECT_EQ(Find("alice\\Profile 1").Status, ssOk);
  EXPECT_EQ(List.Count(), 5);
}

// Any exception, of any type, becomes the reason of the reading it ended;
// the sources that reading had recorded keep theirs, and the visits it
// added beyond them are counted to the failed one.
TEST_F(Contain, AnyExceptionIsTheSourcesReason) {
  TCollector c(List, Sources, nullptr, 0, 0);
  TBrowserEntry entry;
  entry.Id = "chrome";
  entry.Name = "Google Chrome";
  auto add = [&](int n) {
    for (int i = 0; i < n; ++i) List.Add(THistoryRecord{0, kNoAddress, "https://a/", "", kT0});
  };
  c.ReadContained(entry, "alice", "/dir", [&]() {
    c.ReadContained(entry, "alice\\Default", "/dir/Default/History", [&]() {
      add(2);
      throw std::length_error("vector::reserve");
    });
    add(1);
    throw std::runtime_error("bad \xFF text");
  });
  c.ReadContained(entry, "bob", "/x", []() { throw 42; });
  c.ReadContained(entry, "carol", "/y", [&]() { add(1); });

  ASSERT_EQ(Sources.Count(), 3);
  EXPECT_EQ(Sources.Items()[0].Profile, "alice\\Default");
  EXPECT_EQ(Sources.Items()[0].Message, "vector::reserve（已读取 2 条）");
  EXPECT_EQ(Sources.Items()[0].Count, 2);
  EXPECT_EQ(Sources.Items()[1].Profile, "alice");
  EXPECT_EQ(Sources.Items()[1].Message, "bad \xEF\xBF\xBD text（已读取 1 条）");
  EXPECT_EQ(Sources.Items()[1].Count, 1);
  EXPECT_EQ(Sources.Items()[2].Message, "未知错误");
  for (int i = 0; i < Sources.Count(); ++i) EXPECT_EQ(Sources.Items()[i].Status, ssParseError);
  EXPECT_EQ(List.Count(), 4);  // carol's reading recorded nothing of its own
}
