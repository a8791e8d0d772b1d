// The readers take a store's rows by two table scans when the history query
// would walk the time index; the visits must come out exactly as the query
// gives them, ties in time included, since the sort of the visit list is not
// stable and the report keeps its order.
#include <gtest/gtest.h>

#include <tuple>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

using Row = std::tuple<std::string, std::string, int64_t>;  // url, title, Unix time

// The rows the history query yields, with the readers' row rules applied.
std::vector<Row> QueryRows(const std::string& path, bool firefox, int64_t from, int64_t to,
                           const std::vector<std::string>* include = nullptr,
                           bool privacy = false) {
  std::vector<Row> rows;
  TSqliteDb db;
  EXPECT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  const std::string sql =
      firefox ? FirefoxPlacesQuery(from, to) : ChromiumHistoryQuery(from, to);
  EXPECT_TRUE(db.Prepare(sql, stmt)) << db.LastError();
  const int64_t offset = firefox ? 0 : kUnixTo1601Seconds;
  const int64_t last = firefox ? kUnix2100 : kUnix2100 - 1;
  while (db.Step(stmt) == 100) {
    std::string url = db.ColText(stmt, 0);
    const int64_t t = db.ColInt(stmt, 2) / 1000000 - offset;
    if (url.empty() || t <= 0 || t > last) continue;
    std::string title = CleanTitle(db.ColText(stmt, 1));
    if (!VisitPassesFilters(include, nullptr, url, title)) continue;
    if (privacy) url = StripQuery(url);
    rows.emplace_back(url, title, t);
  }
  db.Finalize(stmt);
  return rows;
}

bool WalksIndex(const std::string& path, bool firefox) {
  TSqliteDb db;
  EXPECT_TRUE(db.OpenReadOnly(path));
  return HistoryQueryWalksTimeIndex(
      db, firefox, firefox ? FirefoxPlacesQuery(0, 0) : ChromiumHistoryQuery(0, 0));
}

class Scan : public ::testing::Test {
 protected:
  Scan() : FTmpEnv("TMPDIR", FTmp.Path()), FUser(FBase.Path(), "alice") {}

  std::vector<Row> Collected(int64_t from = 0, int64_t to = 0,
                             const std::vector<std::string>* include = nullptr,
                             bool privacy = false) {
    FList = THistoryList();
    TSourceList sources;
    TCollector c(FList, sources, nullptr, from, to);
    c.SetKeywordFilter(include, nullptr);
    c.SetPrivacy(privacy);
    c.Collect({TUserProfile{FUser.Name(), FUser.Root(), true}});
    std::vector<Row> rows;
    for (int32_t i = 0; i < FList.Count(); ++i) {
      const THistoryRecord& r = FList.Items()[i];
      rows.emplace_back(r.Url, r.Title, r.VisitUnix);
    }
    return rows;
  }

  // Visits stored out of time order, with runs of equal times (a redirect
  // chain's hops share the microsecond; other visits share only the
  // second), an address visited again and again, and a visit whose address
  // row is missing.
  std::vector<StoreVisit> Visits(bool firefox) const {
    auto raw = [&](int64_t unix, int64_t micros) {
      return (firefox ? FirefoxTime(unix) : ChromeTime(unix)) + micros;
    };
    const int64_t base = 1700000000;
    std::vector<StoreVisit> v;
    for (int i = 0; i < 40; ++i) {
      const int64_t t = base + (i * 7919) % 23;  // shuffled seconds, many repeats
      const std::string url = "https://site" + std::to_string(i % 6) + ".example/p?q=" +
                              std::to_string(i % 4);
      v.push_back(StoreVisit{url, "标题 " + std::to_string(i % 6), raw(t, (i * 37) % 3)});
    }
    // A redirect chain whose hops share one time, stored newest hop first.
    for (const char* hop : {"https://final.example/", "https://www.final.example/",
                            "http://t.example/abc"}) {
      StoreVisit s{hop, "", raw(base + 11, 0)};
      s.Redirect = true;
      v.push_back(s);
    }
    v.push_back(StoreVisit{"https://site1.example/p?q=1", "newer title", raw(base + 30, 5)});
    return v;
  }

  // The i-th stored visit's time, out of order by default.
  static int64_t Shuffled(int i) { return 1700000000 + (i * 7919) % 5000; }

  // `reshape`: SQL run on the store once it is written.
  void ManyPages(bool firefox, int64_t (*timeOf)(int) = Shuffled,
                 const std::string& reshape = std::string()) {
    std::vector<StoreVisit> visits;
    for (int i = 0; i < 3000; ++i) {
      const int site = (i * 7) % 450;
      std::string url = "https://s" + std::to_string(site) + ".example/" +
                        (site % 37 == 0 ? std::string(6000, 'p') : std::to_string(i % 3));
      std::string title = site % 29 == 0 ? std::string(9000, 'T') + "尾"
                                         : "页面 " + std::to_string(site);
      const int64_t unix = timeOf(i);
      visits.push_back(StoreVisit{url, title, firefox ? FirefoxTime(unix) : ChromeTime(unix)});
    }
    const std::string db =
        firefox ? FUser.AddFirefox("abc.default", visits) : FUser.AddChrome("Default", visits);
    const std::string urls = firefox ? "moz_places" : "urls";
    const std::string table = firefox ? "moz_historyvisits" : "visits";
    ExecSql(db, "DELETE FROM " + table + " WHERE " + (firefox ? "place_id" : "url") +
                    " IN (SELECT id FROM " + urls + " WHERE url LIKE 'https://s7.example/%');" +
                    "DELETE FROM " + urls + " WHERE url LIKE 'https://s5.example/%'");
    if (!reshape.empty()) ExecSql(db, reshape);
    ASSERT_TRUE(WalksIndex(db, firefox));
    {
      TSqliteDb check;
      ASSERT_TRUE(check.OpenReadOnly(db));
      TTablePages pages;
      ASSERT_TRUE(pages.Open(check, table, {firefox ? "place_id" : "url",
                                            firefox ? "visit_date" : "visit_time"}));
      EXPECT_GT(pages.LeafCount(), 16u);
      ASSERT_TRUE(pages.Open(check, urls, {"url", "title"}));
      EXPECT_GT(pages.LeafCount(), 16u);
    }
    const std::vector<Row> rows = Collected();
    EXPECT_EQ(rows, QueryRows(db, firefox, 0, 0));
    EXPECT_GT(rows.size(), 2900u);
    EXPECT_EQ(Collected(1700001000, 1700003000), QueryRows(db, firefox, 1700001000, 1700003000));
  }

  TempFolder FBase;
  TempFolder FTmp;
  EnvOverride FTmpEnv;
  UserFolder FUser;
  THistoryList FList;
};

}  // namespace

TEST_F(Scan, ChromiumRowsComeInTheQuerysOrder) {
  const std::string db = FUser.AddChrome("Default", Visits(false));
  ExecSql(db, "INSERT INTO visits (url, visit_time) VALUES (9999, " +
                  std::to_string(ChromeTime(1700000005)) + ")");  // no such address
  ASSERT_TRUE(WalksIndex(db, false));

  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));
  EXPECT_EQ(Collected(1700000004, 1700000017), QueryRows(db, false, 1700000004, 1700000017));
  const std::vector<std::string> include = {"site1"};
  EXPECT_EQ(Collected(0, 0, &include, true), QueryRows(db, false, 0, 0, &include, true));
  EXPECT_EQ(Collected().size(), 44u);

  // All visits of one address carry one stored copy of its texts.
  Collected();
  const THistoryRecord* first = nullptr;
  for (int32_t i = 0; i < FList.Count(); ++i) {
    const THistoryRecord& r = FList.Items()[i];
    if (r.Url != "https://site2.example/p?q=2") continue;
    if (first == nullptr) first = &r;
    EXPECT_TRUE(r.Url.SameAs(first->Url));
    EXPECT_TRUE(r.Title.SameAs(first->Title));
  }
  EXPECT_NE(first, nullptr);
}

// With a second processor the visit rows are read in runs of row ids that
// two threads take in turn: rows wherever their ids lie (negative, far
// apart, at both ends of the range) all come back, once, in the query's
// order; so do a single visit and none. A row that one run cannot take
// leaves the whole reading to the query.
TEST_F(Scan, VisitsReadInRunsOfRowIdsComeBackWhole) {
  const std::string db = FUser.AddChrome("Default", Visits(false));
  ASSERT_TRUE(WalksIndex(db, false));
  // 1.5 stays a real number in an integer column; its run holds rows after it.
  ExecSql(db, "UPDATE visits SET visit_time = 1.5 WHERE id = 4");
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));
  EXPECT_EQ(Collected().size(), 43u);
  ExecSql(db, "DELETE FROM visits WHERE id = 4");

  ExecSql(db, "UPDATE visits SET id = id * 1000003 - 20000000");
  ExecSql(db, "UPDATE visits SET id = 9223372036854775807 WHERE id = (SELECT max(id) FROM visits)");
  ExecSql(db, "UPDATE visits SET id = -9223372036854775807 - 1 WHERE id = (SELECT min(id) FROM "
              "visits)");
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));
  EXPECT_EQ(Collected().size(), 43u);
  EXPECT_EQ(Collected(1700000004, 1700000017), QueryRows(db, false, 1700000004, 1700000017));

  ExecSql(db, "DELETE FROM visits WHERE id <> (SELECT max(id) FROM visits)");
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));
  EXPECT_EQ(Collected().size(), 1u);
  ExecSql(db, "DELETE FROM visits");
  EXPECT_TRUE(Collected().empty());
}

// Tables over many pages, read from their pages in runs by two threads:
// addresses and titles long enough to go on over overflow pages, visits
// out of time order, an address never visited, and visits of addresses
// that are gone.
TEST_F(Scan, ChromiumStoreOverManyPages) { ManyPages(false); }
TEST_F(Scan, FirefoxStoreOverManyPages) { ManyPages(true); }

// Visits stored as they happened come out reversed; stored nearly so (a
// pair swapped here and there, a visit stored long after its time, ties
// of one second) they come out in the query's order too, wherever the
// runs the threads read begin and end.
TEST_F(Scan, VisitsStoredInTimeOrderOrNearlySo) {
  ManyPages(false, [](int i) -> int64_t { return 1700000000 + i; });
  ManyPages(false, [](int i) -> int64_t {
    if (i % 400 == 399) return 1700000000 + i - 700;  // behind several runs
    if (i % 10 == 3) return 1700000000 + i + 1;       // swapped with the next
    if (i % 10 == 4) return 1700000000 + i - 1;
    return 1700000000 + i / 3;                        // three to a second
  });
}
// The runs' room is judged by the rows on the table's first leaf: visits
// that take far more room there than further on (so that the runs outgrow
// it), or far less (so that most of it stays empty), come back whole and
// in order all the same.
TEST_F(Scan, VisitRowsOfUnevenSizeComeBackWhole) {
  ManyPages(false, Shuffled, "UPDATE visits SET app_id = printf('%1500s', id) WHERE id <= 60");
  ManyPages(false, [](int i) -> int64_t { return 1700000000 + i / 2; },
            "UPDATE visits SET app_id = printf('%900s', id) WHERE id > 1000");
}

TEST_F(Scan, FirefoxVisitsStoredNewestFirst) {
  ManyPages(true, [](int i) -> int64_t { return 1700000000 + 3000 - i + (i % 2); });
}

TEST_F(Scan, FirefoxRowsComeInTheQuerysOrder) {
  const std::string db = FUser.AddFirefox("abc.default", Visits(true));
  ASSERT_TRUE(WalksIndex(db, true));
  EXPECT_EQ(Collected(), QueryRows(db, true, 0, 0));
  EXPECT_EQ(Collected(1700000004, 1700000017), QueryRows(db, true, 1700000004, 1700000017));
}

TEST_F(Scan, OtherPlansAndOddValuesKeepTheQuery) {
  const std::string db = FUser.AddChrome("Default", Visits(false));
  const std::vector<Row> expected = QueryRows(db, false, 0, 0);

  // A time index in descending order would give ties the other way round.
  ExecSql(db, "DROP INDEX visits_time_index; CREATE INDEX visits_time_index ON visits "
              "(visit_time DESC)");
  EXPECT_FALSE(WalksIndex(db, false));
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));

  // No time index at all: the engine sorts, and the query stays.
  ExecSql(db, "DROP INDEX visits_time_index");
  EXPECT_FALSE(WalksIndex(db, false));
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));

  // A two-column index orders ties by its second column, not the row id.
  ExecSql(db, "CREATE INDEX visits_time_index ON visits (visit_time, url)");
  EXPECT_FALSE(WalksIndex(db, false));
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));

  // The plain index again, with a time stored as a real number: the scans
  // give up and the query decides how it sorts and converts.
  ExecSql(db, "DROP INDEX visits_time_index; CREATE INDEX visits_time_index ON visits "
              "(visit_time)");
  EXPECT_TRUE(WalksIndex(db, false));
  EXPECT_EQ(Collected(), expected);
  // (A microsecond time plus a half is stored back as an integer: past 2^53
  // a real number has no fraction. A small one keeps it.)
  ExecSql(db, "UPDATE visits SET visit_time = 1.5 WHERE id = 3");
  {
    TSqliteDb check;
    ASSERT_TRUE(check.OpenReadOnly(db));
    TSqlStmt stmt = nullptr;
    ASSERT_TRUE(check.Prepare("SELECT typeof(visit_time) FROM visits WHERE id = 3", stmt));
    ASSERT_EQ(check.Step(stmt), 100);  // a row
    EXPECT_EQ(check.ColText(stmt, 0), "real");
    check.Finalize(stmt);
  }
  EXPECT_EQ(Collected(), QueryRows(db, false, 0, 0));
}

// An address table whose columns take any type: an address stored as a
// number reads as the number's text through the engine, and so it must
// here.
TEST_F(Scan, AddressesStoredAsNumbersReadAsTheEngineReadsThem) {
  const std::string db = FUser.AddChrome("Default", Visits(false));
  ExecSql(db,
          "CREATE TABLE untyped(id INTEGER PRIMARY KEY, url, title, visit_count INTEGER);"
          "INSERT INTO untyped SELECT id, url, title, visit_count FROM urls;"
          "UPDATE untyped SET url = 12345 WHERE id = 2; UPDATE untyped SET title = 2.5 WHERE id = 3;"
          "DROP TABLE urls; ALTER TABLE untyped RENAME TO urls;");
  ASSERT_TRUE(WalksIndex(db, false));
  const std::vector<Row> rows = Collected();
  EXPECT_EQ(rows, QueryRows(db, false, 0, 0));
  bool number = false;
  for (const Row& r : rows) number = number || std::get<0>(r) == "12345";
  EXPECT_TRUE(number);
}

TEST_F(Scan, LegacyChromiumStore) {
  const std::string path = FUser.Local("Google/Chrome/User Data/Default");
  ASSERT_TRUE(plat::CreateDirs(path));
  MakeChromeHistory(path + "/History", Visits(false), false);
  EXPECT_TRUE(WalksIndex(path + "/History", false));
  EXPECT_EQ(Collected(), QueryRows(path + "/History", false, 0, 0));
}

namespace {

// The leaf pages of `table` in `path`, left to right, found by walking its
// b-tree in the file's own bytes.
std::vector<uint32_t> LeafPages(const std::string& path, const std::string& table,
                                uint32_t pageSize) {
  const std::string bytes = ReadFile(path);
  auto be16 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                                 static_cast<unsigned char>(bytes[at + 1]));
  };
  auto be32 = [&](size_t at) { return be16(at) << 16 | be16(at + 2); };
  TSqliteDb db;
  EXPECT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  EXPECT_TRUE(db.Prepare("SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'", stmt));
  EXPECT_EQ(db.Step(stmt), 100);
  std::vector<uint32_t> level{static_cast<uint32_t>(db.ColInt(stmt, 0))}, below;
  db.Finalize(stmt);
  while (bytes[(level.front() - 1) * pageSize] == 5) {
    below.clear();
    for (uint32_t page : level) {
      const size_t at = (page - 1) * static_cast<size_t>(pageSize);
      for (uint32_t c = 0; c < be16(at + 3); ++c) below.push_back(be32(at + be16(at + 12 + 2 * c)));
      below.push_back(be32(at + 8));
    }
    level.swap(below);
  }
  return level;
}

}  // namespace

// Damage in one store's pages costs that store alone: whether the pages are
// read directly or through the engine, the damaged store is named damaged
// with what was read of it, and the intact profile beside it is whole. A
// count the file claims never decides how much memory is taken.
TEST_F(Scan, DamagedPagesCostOnlyTheirStore) {
  std::vector<StoreVisit> few;
  for (int i = 0; i < 30; ++i)
    few.push_back(StoreVisit{"https://intact.example/" + std::to_string(i), "完好",
                             ChromeTime(1700000000 + i)});
  FUser.AddChrome("Profile 1", few);
  std::vector<StoreVisit> many;
  for (int i = 0; i < 6000; ++i)
    many.push_back(StoreVisit{"https://d" + std::to_string(i % 300) + ".example/",
                              "t" + std::to_string(i % 300), ChromeTime(1600000000 + i)});
  const std::string db = FUser.AddChrome("Default", many);
  ExecSql(db, "PRAGMA page_size = 512; VACUUM");
  const std::string original = ReadFile(db);
  const std::vector<uint32_t> leaves = LeafPages(db, "visits", 512);
  ASSERT_GT(leaves.size(), 20u);

  struct Damage {
    const char* What;
    uint32_t Leaf;
    std::string Count;
  };
  for (const Damage& d : {Damage{"a first leaf that claims 65535 rows", leaves.front(),
                                 std::string("\xFF\xFF", 2)},
                          Damage{"a leaf in the middle emptied", leaves[leaves.size() / 2],
                                 std::string("\0\0", 2)}}) {
    SCOPED_TRACE(d.What);
    std::string bytes = original;
    bytes.replace((d.Leaf - 1) * size_t{512} + 3, 2, d.Count);
    WriteFile(db, bytes);
    struct Outcome {
      std::vector<Row> Rows;
      std::vector<std::pair<int, std::string>> Sources;
    };
    auto collect = [&](bool byPages) {
      SetPageReading(byPages);
      Outcome out;
      FList = THistoryList();
      TSourceList sources;
      TCollector c(FList, sources, nullptr, 0, 0);
      c.Collect({TUserProfile{FUser.Name(), FUser.Root(), true}});
      for (int32_t i = 0; i < FList.Count(); ++i)
        out.Rows.emplace_back(FList.Items()[i].Url, FList.Items()[i].Title,
                              FList.Items()[i].VisitUnix);
      for (int i = 0; i < sources.Count(); ++i)
        out.Sources.emplace_back(sources.Items()[i].Status,
                                 sources.Items()[i].Profile + " " + sources.Items()[i].Message);
      SetPageReading(true);
      return out;
    };
    const Outcome pages = collect(true), engine = collect(false);
    EXPECT_EQ(pages.Rows, engine.Rows);
    EXPECT_EQ(pages.Sources, engine.Sources);
    ASSERT_EQ(pages.Sources.size(), 2u);
    int intact = 0;
    for (const Row& r : pages.Rows) intact += std::get<1>(r) == "完好";
    EXPECT_EQ(intact, 30);
    bool damaged = false;
    for (const auto& s : pages.Sources)
      damaged |= s.first == ssParseError && s.second.find("malformed") != std::string::npos;
    EXPECT_TRUE(damaged);
  }
}
