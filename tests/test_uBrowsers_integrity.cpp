// Stores the way browsers leave them when something went wrong: a write cut
// short with its rollback journal beside it, pages damaged part-way through
// the rows, a write-ahead log that cannot be copied, and a temporary folder
// that takes no copy. Nothing may be lost, or added, without a word.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"

using namespace vt_test;

namespace {

constexpr int64_t kT0 = 1700000000;

std::vector<StoreVisit> Visits(int n, bool firefox) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i) {
    const int64_t t = kT0 + i;
    v.push_back({"https://site" + std::to_string(i) + ".example/page-with-a-longer-path",
                 "Page " + std::to_string(i), firefox ? FirefoxTime(t) : ChromeTime(t)});
  }
  return v;
}

// One collection of `user` with a private temporary folder, which must be
// empty again afterwards.
struct Collection {
  THistoryList List;
  TSourceList Sources;
  const TSourceInfo& Src(int i) const { return Sources.Items()[i]; }
};

void CollectInto(Collection& c, const UserFolder& user, const std::string& tmpDir) {
  EnvOverride env("TMPDIR", tmpDir);
  TCollector collector(c.List, c.Sources, nullptr, 0, 0);
  collector.Collect({TUserProfile{user.Name(), user.Root(), true}});
}

// Runs `sql` in a transaction of another process that dies before it
// commits, with a page cache so small that the engine has already written
// part of the change into the database file: what a browser killed in the
// middle of a write leaves behind, together with a hot rollback journal.
void DieInTheMiddleOfAWrite(const std::string& path, const std::string& sql) {
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) _exit(1);
    const std::string all = "PRAGMA journal_mode=DELETE; PRAGMA cache_size=2; BEGIN; " + sql;
    _exit(sqlite3_exec(db, all.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 2);
  }
  int status = 0;
  ASSERT_EQ(pid, waitpid(pid, &status, 0));
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

struct FileState {
  std::string Bytes;
  int64_t MTimeNs = 0;
  bool operator==(const FileState& o) const { return Bytes == o.Bytes && MTimeNs == o.MTimeNs; }
};

FileState StateOf(const std::string& path) {
  struct stat st;
  FileState s;
  s.Bytes = ReadFile(path);
  if (stat(path.c_str(), &st) == 0)
    s.MTimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return s;
}

// Pages of a table's b-tree leaves, in the order the table's rows run.
std::vector<int64_t> LeafPages(const std::string& path, const std::string& table) {
  std::vector<int64_t> pages;
  sqlite3* db = nullptr;
  sqlite3_stmt* st = nullptr;
  EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  const std::string sql =
      "SELECT pageno FROM dbstat WHERE name = '" + table + "' AND pagetype = 'leaf' ORDER BY path";
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  while (sqlite3_step(st) == SQLITE_ROW) pages.push_back(sqlite3_column_int64(st, 0));
  sqlite3_finalize(st);
  sqlite3_close(db);
  return pages;
}

// Overwrites one page of the file with bytes no b-tree page can begin with.
void DamagePage(const std::string& path, int64_t page) {
  std::string bytes = ReadFile(path);
  ASSERT_GT(bytes.size(), 100u);
  // The page size is stored big-endian at offset 16; 1 stands for 65536.
  int64_t pageSize = (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
  if (pageSize == 1) pageSize = 65536;
  ASSERT_LE(page * pageSize, static_cast<int64_t>(bytes.size()));
  bytes.replace(static_cast<size_t>((page - 1) * pageSize), static_cast<size_t>(pageSize),
                static_cast<size_t>(pageSize), '\xEE');
  WriteFile(path, bytes);
}

class Integrity : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(ListNames(FTmp.Path()), std::vector<std::string>()); }
  void Collect(Collection& c) { CollectInto(c, FUser, FTmp.Path()); }

  TempFolder FBase;
  TempFolder FTmp;
  UserFolder FUser{FBase.Path(), "alice"};
};

}  // namespace

TEST_F(Integrity, WriteCutShortIsRolledBackInTheCopyOnly) {
  const std::string chrome = FUser.AddChrome("Default", Visits(200, false));
  const std::string places = FUser.AddFirefox("a.default", Visits(150, true));
  const std::string chromeBefore = ReadFile(chrome);
  // Many new visits, and every committed title changed: all of it undone.
  DieInTheMiddleOfAWrite(chrome,
                         "UPDATE urls SET title = 'uncommitted'; "
                         "INSERT INTO visits(url, visit_time) SELECT url, visit_time + 1 FROM visits;"
                         "INSERT INTO visits(url, visit_time) SELECT url, visit_time + 2 FROM visits;");
  DieInTheMiddleOfAWrite(places,
                         "UPDATE moz_places SET title = 'uncommitted'; "
                         "INSERT INTO moz_historyvisits(place_id, visit_date) "
                         "SELECT place_id, visit_date + 1 FROM moz_historyvisits;");
  ASSERT_TRUE(Exists(chrome + "-journal"));
  ASSERT_TRUE(Exists(places + "-journal"));
  ASSERT_NE(ReadFile(chrome), chromeBefore) << "the write never reached the database file";
  const FileState chromeState = StateOf(chrome), journalState = StateOf(chrome + "-journal");
  const FileState placesState = StateOf(places), placesJournal = StateOf(places + "-journal");

  Collection c;
  Collect(c);
  ASSERT_EQ(c.Sources.Count(), 2);
  EXPECT_EQ(c.Src(0).Status, ssOk) << c.Src(0).Message;
  EXPECT_EQ(c.Src(0).Count, 200);
  EXPECT_EQ(c.Src(1).Status, ssOk) << c.Src(1).Message;
  EXPECT_EQ(c.Src(1).Count, 150);
  ASSERT_EQ(c.List.Count(), 350);
  for (int32_t i = 0; i < c.List.Count(); ++i)
    ASSERT_NE(c.List.Items()[i].Title, "uncommitted") << i;

  // The browser's files keep their bytes and times: the journal is still
  // there for the browser to roll back itself.
  EXPECT_TRUE(StateOf(chrome) == chromeState);
  EXPECT_TRUE(StateOf(chrome + "-journal") == journalState);
  EXPECT_TRUE(StateOf(places) == placesState);
  EXPECT_TRUE(StateOf(places + "-journal") == placesJournal);
}

TEST_F(Integrity, DamagedStoreKeepsTheVisitsReadBeforeTheDamage) {
  // Addresses are stored in time order, so the newest visits, which the
  // reader takes first, point at the last address pages. A page in the
  // middle cuts the reading there, on either reading path.
  const int kVisits = 2000;
  for (bool queryPath : {false, true}) {
    SCOPED_TRACE(queryPath ? "query" : "scan first");
    TempFolder base;
    UserFolder user(base.Path(), "alice");
    const std::string chrome = user.AddChrome("Default", Visits(kVisits, false));
    if (queryPath)
      ExecSql(chrome, "DROP INDEX visits_time_index; CREATE INDEX visits_time_index ON visits "
                      "(visit_time DESC)");
    const std::vector<int64_t> pages = LeafPages(chrome, "urls");
    ASSERT_GT(pages.size(), 4u);
    DamagePage(chrome, pages[pages.size() / 2]);

    Collection c;
    CollectInto(c, user, FTmp.Path());
    ASSERT_EQ(c.Sources.Count(), 1);
    const TSourceInfo& s = c.Src(0);
    EXPECT_EQ(s.Status, ssParseError);
    EXPECT_GT(c.List.Count(), 0);
    EXPECT_LT(c.List.Count(), kVisits);
    EXPECT_EQ(s.Count, c.List.Count());
    EXPECT_EQ(s.Message, "读取中断：database disk image is malformed（已读取 " +
                             std::to_string(c.List.Count()) + " 条）");
    // What was kept is the newest run of visits, in order.
    for (int32_t i = 0; i < c.List.Count(); ++i)
      ASSERT_EQ(c.List.Items()[i].VisitUnix, kT0 + kVisits - 1 - i) << i;
  }

  const std::string places = FUser.AddFirefox("d.default", Visits(kVisits, true));
  const std::vector<int64_t> pages = LeafPages(places, "moz_places");
  ASSERT_GT(pages.size(), 4u);
  DamagePage(places, pages[pages.size() / 2]);
  Collection c;
  Collect(c);
  ASSERT_EQ(c.Sources.Count(), 1);
  EXPECT_EQ(c.Src(0).Status, ssParseError);
  EXPECT_GT(c.List.Count(), 0);
  EXPECT_EQ(c.Src(0).Message, "读取中断：database disk image is malformed（已读取 " +
                                  std::to_string(c.List.Count()) + " 条）");
}

TEST_F(Integrity, LogThatCannotBeCopiedFailsTheSnapshot) {
  // A file that opens but cannot be read stands in for a log the browser
  // holds (Windows) or a read error; as root no access right refuses.
  if (!Exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem to fail a read";
  const std::string places = FUser.AddFirefox("w.default", Visits(12, true), true);
  ASSERT_TRUE(Exists(places + "-wal"));
  const std::string wal = ReadFile(places + "-wal");
  ASSERT_EQ(0, unlink((places + "-wal").c_str()));
  ASSERT_EQ(0, symlink("/proc/self/mem", (places + "-wal").c_str()));

  Collection c;
  Collect(c);
  ASSERT_EQ(c.Sources.Count(), 1);
  EXPECT_EQ(c.Src(0).Status, ssLocked);
  EXPECT_EQ(c.Src(0).Message.rfind("复制快照失败：", 0), 0u) << c.Src(0).Message;
  EXPECT_EQ(c.List.Count(), 0);

  // An index ("-shm") that cannot be copied costs nothing: the engine
  // rebuilds it from the log.
  ASSERT_EQ(0, unlink((places + "-wal").c_str()));
  WriteFile(places + "-wal", wal);
  unlink((places + "-shm").c_str());
  ASSERT_EQ(0, symlink("/proc/self/mem", (places + "-shm").c_str()));
  Collection again;
  Collect(again);
  ASSERT_EQ(again.Sources.Count(), 1);
  EXPECT_EQ(again.Src(0).Status, ssOk) << again.Src(0).Message;
  EXPECT_EQ(again.Src(0).Count, 12);
}

TEST_F(Integrity, LogDeniedIsNoPermission) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string places = FUser.AddFirefox("w.default", Visits(12, true), true);
  chmod((places + "-wal").c_str(), 0);
  Collection c;
  Collect(c);
  ASSERT_EQ(c.Sources.Count(), 1);
  EXPECT_EQ(c.Src(0).Status, ssNoPermission);
  EXPECT_NE(c.Src(0).Message.find("无权限"), std::string::npos);
}

TEST_F(Integrity, TemporaryFolderThatTakesNoCopyIsNamed) {
  FUser.AddChrome("Default", Visits(3, false));
  // A temporary folder below a plain file can never be created.
  WriteFile(FTmp.Sub("file"), "x");
  const std::string badTmp = FTmp.Sub("file/tmp");
  Collection c;
  CollectInto(c, FUser, badTmp);
  ASSERT_EQ(c.Sources.Count(), 1);
  EXPECT_EQ(c.Src(0).Status, ssParseError);
  EXPECT_EQ(c.Src(0).Message, "临时文件夹不可写：" + badTmp + "（系统找不到指定的路径。）");
  unlink(FTmp.Sub("file").c_str());
}
