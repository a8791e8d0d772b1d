// Stores made to harm the reader: a view that never ends, a virtual table,
// tables that carry triggers or computed columns, values of hundreds of
// megabytes. None may stall, bloat or steer the run, and each says why it
// was not read.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uSqlite.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

constexpr int64_t kT0 = 1700000000;

std::vector<StoreVisit> Plain(int n, bool firefox) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i)
    v.push_back({"https://ok" + std::to_string(i) + ".example/", "Ok " + std::to_string(i),
                 firefox ? FirefoxTime(kT0 + i) : ChromeTime(kT0 + i)});
  return v;
}

// A Chromium History whose `visits` is replaced by `visitsSql` (a view, a
// virtual table …) over the real schema's urls.
void ReplaceVisits(const std::string& path, const std::string& visitsSql) {
  ExecSql(path, "DROP TABLE visits; " + visitsSql);
}

class Hostile : public ::testing::Test {
 protected:
  // A regression must show as a timeout message, not as a test that hangs.
  Hostile() : FTmpEnv("TMPDIR", FTmp.Path()) { SetStoreTimeLimit(5000); }
  ~Hostile() override { SetStoreTimeLimit(0); }
  void TearDown() override { EXPECT_TRUE(ListNames(FTmp.Path()).empty()); }

  void Collect(const UserFolder& user) {
    TCollector c(List, Sources, nullptr, 0, 0);
    c.SetSourceFilter("auto");
    const auto start = std::chrono::steady_clock::now();
    c.Collect({TUserProfile{user.Name(), user.Root(), true}});
    Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  const TSourceInfo* Find(const std::string& profile) const {
    for (int i = 0; i < Sources.Count(); ++i)
      if (Sources.Items()[i].Profile == profile) return &Sources.Items()[i];
    return nullptr;
  }

  TempFolder FBase;
  THistoryList List;
  TSourceList Sources;
  double Seconds = 0;

 private:
  TempFolder FTmp;
  EnvOverride FTmpEnv;
};

}  // namespace

// The store that once stalled a whole audit: `visits` a view over a
// recursive query that never ends, beside an ordinary profile.
TEST_F(Hostile, EndlessViewIsRefusedAndTheOtherProfileRead) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string bad = alice.AddChrome("Default", Plain(3, false));
  ReplaceVisits(bad,
                "CREATE VIEW visits AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                "FROM c) SELECT x AS id, 1 AS url, x AS visit_time FROM c;");
  alice.AddChrome("Profile 1", Plain(4, false));

  Collect(alice);
  ASSERT_EQ(Sources.Count(), 2);
  const TSourceInfo* hostile = Find("alice\\Default");
  ASSERT_NE(hostile, nullptr);
  EXPECT_EQ(hostile->Status, ssParseError);
  EXPECT_EQ(hostile->Message, "结构异常：visits 不是数据表");
  EXPECT_EQ(hostile->Count, 0);
  const TSourceInfo* other = Find("alice\\Profile 1");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->Status, ssOk);
  EXPECT_EQ(List.Count(), 4);
  EXPECT_LT(Seconds, 5.0);
}

TEST_F(Hostile, VirtualTablesAndComputedOrMissingColumnsAreNamed) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string vt = alice.AddChrome("Default", Plain(2, false));
  ReplaceVisits(vt, "CREATE VIRTUAL TABLE visits USING fts4(id, url, visit_time);");
  // A computed time would run the store's own expression for every row.
  const std::string computed = alice.AddChrome("Profile 1", Plain(2, false));
  ReplaceVisits(computed,
                "CREATE TABLE visits(id INTEGER PRIMARY KEY, url INTEGER, raw INTEGER, "
                "visit_time INTEGER GENERATED ALWAYS AS (raw * 2) VIRTUAL);");
  const std::string noTitle = alice.AddFirefox("abcd.default", Plain(2, true));
  ExecSql(noTitle, "ALTER TABLE moz_places DROP COLUMN title;");

  Collect(alice);
  ASSERT_EQ(Sources.Count(), 3);
  EXPECT_EQ(Find("alice\\Default")->Message, "结构异常：visits 不是数据表");
  EXPECT_EQ(Find("alice\\Profile 1")->Message, "结构异常：visits 的列 visit_time 是计算列");
  EXPECT_EQ(Find("alice\\abcd.default")->Message, "结构异常：moz_places 缺少列 title");
  for (int i = 0; i < Sources.Count(); ++i) EXPECT_EQ(Sources.Items()[i].Status, ssParseError);
  EXPECT_EQ(List.Count(), 0);
}

// Triggers never run on a read; a table that carries them, even ones that
// would never end, is an ordinary table and is read as one.
TEST_F(Hostile, TablesCarryingTriggersAreReadAsTheyStand) {
  UserFolder alice(FBase.Path(), "alice");
  const std::string path = alice.AddChrome("Default", Plain(3, false));
  ExecSql(path,
          "CREATE TABLE log(x); "
          "CREATE TRIGGER t1 AFTER INSERT ON visits BEGIN INSERT INTO log WITH RECURSIVE "
          "c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x FROM c; END; "
          "CREATE TRIGGER t2 BEFORE UPDATE ON urls BEGIN SELECT RAISE(ABORT, 'no'); END;");
  Collect(alice);
  ASSERT_EQ(Sources.Count(), 1);
  EXPECT_EQ(Sources.Items()[0].Status, ssOk);
  EXPECT_EQ(List.Count(), 3);
}

// A 200 MB title costs what the report keeps of it (300 characters), and a
// 3 MB address its first 2 MiB; the other visits of the store are read.
TEST_F(Hostile, HugeValuesAreReadByTheirBeginning) {
  UserFolder alice(FBase.Path(), "alice");
  std::vector<StoreVisit> visits = Plain(3, false);
  visits.push_back({"https://huge-title.example/", "x", ChromeTime(kT0 + 10)});
  visits.push_back({"https://huge-url.example/", "Long address", ChromeTime(kT0 + 11)});
  const std::string path = alice.AddChrome("Default", visits);
  {
    // The title is written in place, never held in memory whole.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "UPDATE urls SET title = zeroblob(200000000) WHERE url LIKE "
                           "'%huge-title%'; UPDATE urls SET url = 'https://huge-url.example/' || "
                           "printf('%.*c', 3000000, 'a') WHERE url LIKE '%huge-url%';",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_int64 rowid = 0;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT id FROM urls WHERE url LIKE '%huge-title%'", -1, &s, nullptr);
    if (sqlite3_step(s) == SQLITE_ROW) rowid = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    sqlite3_blob* blob = nullptr;
    ASSERT_EQ(sqlite3_blob_open(db, "main", "urls", "title", rowid, 1, &blob), SQLITE_OK);
    const std::string chunk(1 << 20, 'T');
    for (int i = 0; i < 2; ++i)
      ASSERT_EQ(sqlite3_blob_write(blob, chunk.data(), static_cast<int>(chunk.size()),
                                   i * static_cast<int>(chunk.size())),
                SQLITE_OK);
    sqlite3_blob_close(blob);
    sqlite3_close(db);
  }

  Collect(alice);
  ASSERT_EQ(Sources.Count(), 1);
  EXPECT_EQ(Sources.Items()[0].Status, ssOk) << Sources.Items()[0].Message;
  ASSERT_EQ(List.Count(), 5);
  bool sawTitle = false, sawUrl = false;
  for (int i = 0; i < List.Count(); ++i) {
    const THistoryRecord& r = List.Items()[i];
    if (r.Url == "https://huge-title.example/") {
      sawTitle = true;
      EXPECT_EQ(std::string(r.Title), std::string(300, 'T'));
    }
    if (r.Url.str().rfind("https://huge-url.example/aaa", 0) == 0) {
      sawUrl = true;
      EXPECT_EQ(r.Url.str().size(), static_cast<size_t>(TSqliteDb::kMaxValueBytes));
      EXPECT_EQ(std::string(r.Title), "Long address");
    }
  }
  EXPECT_TRUE(sawTitle);
  EXPECT_TRUE(sawUrl);
}

// Out of time: the source says so with what it had read, and the run goes
// on with the next one. One millisecond is far too little for a store of
// 20000 visits (or even for its schema).
TEST_F(Hostile, StoreOutOfTimeKeepsWhatItReadAndTheRunGoesOn) {
  UserFolder alice(FBase.Path(), "alice");
  alice.AddChrome("Default", Plain(20000, false));
  alice.AddFirefox("abcd.default", Plain(2, true));
  SetStoreTimeLimit(1);
  Collect(alice);
  ASSERT_EQ(Sources.Count(), 2);
  const TSourceInfo* chrome = Find("alice\\Default");
  ASSERT_NE(chrome, nullptr);
  EXPECT_EQ(chrome->Status, ssParseError);
  EXPECT_EQ(chrome->Message, Format("读取超时（已读取 %d 条）", chrome->Count));
  const TSourceInfo* firefox = Find("alice\\abcd.default");
  ASSERT_NE(firefox, nullptr);
  // The next store starts with a time limit of its own.
  EXPECT_TRUE(firefox->Status == ssOk ||
              firefox->Message == Format("读取超时（已读取 %d 条）", firefox->Count));
  EXPECT_EQ(List.Count(), chrome->Count + firefox->Count);
}
