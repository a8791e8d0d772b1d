#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Stores.h"
#include "TestSupport.h"
#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

constexpr int kRow = 100;
constexpr int kDone = 101;

// Every name in the temporary folder that a snapshot could have left.
std::vector<std::string> Leftovers(const TempFolder& tmp) { return ListNames(tmp.Path()); }

}  // namespace

TEST(SqliteEngine, LinkedEngineLoadsAtOnce) {
  std::string err = "old";
  EXPECT_TRUE(TSqliteDb::EnsureLoaded("/nonexistent", err));
  EXPECT_EQ(err, "");
  EXPECT_TRUE(TSqliteDb::Loaded());
  EXPECT_FALSE(TSqliteDb::LoadedPath().empty());
  EXPECT_NE(TSqliteDb::LoadedNote().find(sqlite3_libversion()), std::string::npos);
}

TEST(SqliteDb, ClosedObjectRefusesWork) {
  TSqliteDb db;
  TSqlStmt stmt = reinterpret_cast<TSqlStmt>(1);
  EXPECT_FALSE(db.IsOpen());
  EXPECT_FALSE(db.Prepare("SELECT 1", stmt));
  EXPECT_EQ(stmt, nullptr);
  EXPECT_EQ(db.LastError(), "数据库未打开");
  db.Finalize(nullptr);
  db.Close();
  db.Close();
  EXPECT_FALSE(db.IsOpen());
}

TEST(SqliteDb, OpenIsReadOnlyAndNeverCreates) {
  TempFolder tmp;
  TSqliteDb db;
  EXPECT_FALSE(db.OpenReadOnly(tmp.Sub("missing.db")));
  EXPECT_EQ(db.LastError(), "数据库未打开");
  EXPECT_FALSE(Exists(tmp.Sub("missing.db")));

  const std::string path = tmp.Sub("t.db");
  ExecSql(path, "CREATE TABLE t(a TEXT, b INTEGER); INSERT INTO t VALUES(NULL, -5);"
                "INSERT INTO t VALUES('百度一下，你就知道', 9007199254740993);");
  ASSERT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT a, b FROM t ORDER BY rowid", stmt));
  ASSERT_EQ(db.Step(stmt), kRow);
  EXPECT_EQ(db.ColText(stmt, 0), "");
  EXPECT_EQ(db.ColInt(stmt, 1), -5);
  ASSERT_EQ(db.Step(stmt), kRow);
  EXPECT_EQ(db.ColText(stmt, 0), "百度一下，你就知道");
  EXPECT_EQ(db.ColInt(stmt, 1), 9007199254740993LL);
  EXPECT_EQ(db.Step(stmt), kDone);
  db.Finalize(stmt);

  // Writing through a read-only connection fails in the engine.
  ASSERT_TRUE(db.Prepare("INSERT INTO t VALUES('x', 1)", stmt));
  EXPECT_NE(db.Step(stmt), kDone);
  db.Finalize(stmt);
  EXPECT_FALSE(db.Prepare("SELECT nope FROM t", stmt));
  EXPECT_NE(db.LastError().find("no such column"), std::string::npos);
}

TEST(SqliteDb, MalformedTextIsRepairedNotPassedOn) {
  TempFolder tmp;
  const std::string path = tmp.Sub("bad.db");
  ExecSql(path, "CREATE TABLE t(a TEXT); INSERT INTO t VALUES(CAST(X'41FF42' AS TEXT));");
  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT a FROM t", stmt));
  ASSERT_EQ(db.Step(stmt), kRow);
  EXPECT_EQ(db.ColText(stmt, 0), "A\xEF\xBF\xBD" "B");
  db.Finalize(stmt);

  // A lead byte whose next byte cannot follow it: ASCII, an overlong form,
  // an encoded surrogate, a code point above U+10FFFF.
  ExecSql(path, "CREATE TABLE u(a TEXT);"
                "INSERT INTO u VALUES(CAST(X'C341' AS TEXT)), (CAST(X'E08080' AS TEXT)),"
                " (CAST(X'EDA080' AS TEXT)), (CAST(X'F4908080' AS TEXT)),"
                " (CAST(X'F0808080' AS TEXT));");
  ASSERT_TRUE(db.OpenReadOnly(path));
  ASSERT_TRUE(db.Prepare("SELECT a FROM u", stmt));
  for (const char* raw : {"\xC3" "A", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                          "\xF0\x80\x80\x80"}) {
    ASSERT_EQ(db.Step(stmt), kRow);
    const std::string text = db.ColText(stmt, 0);
    EXPECT_EQ(text, Utf8BytesToString(raw));
    EXPECT_NE(text.find("\xEF\xBF\xBD"), std::string::npos) << text;
  }
  db.Finalize(stmt);
}

TEST(SqliteDb, NotADatabaseFailsAtPrepareWithEngineMessage) {
  TempFolder tmp;
  const std::string path = tmp.Sub("junk.db");
  WriteFile(path, std::string(4096, 'x'));
  TSqliteDb db;
  if (db.OpenReadOnly(path)) {
    TSqlStmt stmt = nullptr;
    EXPECT_FALSE(db.Prepare("SELECT 1 FROM visits", stmt));
    EXPECT_NE(db.LastError().find("not a database"), std::string::npos) << db.LastError();
  }
}

TEST(Snapshot, MissingSourceCreatesNothing) {
  TempFolder tmp;
  EnvOverride env("TMPDIR", tmp.Path());
  std::string copy = "x", err;
  EXPECT_FALSE(SnapshotDatabase(tmp.Sub("nope/History"), copy, err));
  EXPECT_EQ(copy, "");
  EXPECT_EQ(err, "库文件不存在");
  EXPECT_TRUE(Leftovers(tmp).empty());
}

TEST(Snapshot, CopiesTheLogAndDeleteRemovesEverything) {
  TempFolder src, tmp;
  EnvOverride env("TMPDIR", tmp.Path());
  const std::string path = src.Sub("places.sqlite");
  MakeFirefoxPlaces(path, {{"https://a.example/", "A", FirefoxTime(1600000000)},
                           {"https://b.example/", "B", FirefoxTime(1600000100)}},
                    true);
  ASSERT_TRUE(Exists(path + "-wal"));

  std::string copy, err;
  ASSERT_TRUE(SnapshotDatabase(path, copy, err)) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(copy.rfind(tmp.Path(), 0), 0u) << copy;
  EXPECT_EQ(copy.substr(copy.size() - 3), ".db");
  EXPECT_EQ(ReadFile(copy), ReadFile(path));
  EXPECT_EQ(ReadFile(copy + "-wal"), ReadFile(path + "-wal"));
  ASSERT_TRUE(Exists(path + "-shm"));
  EXPECT_TRUE(Exists(copy + "-shm"));

  // The newest visit lives only in the log; the copy must show it.
  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(copy));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT count(*), max(visit_date) FROM moz_historyvisits", stmt));
  ASSERT_EQ(db.Step(stmt), kRow);
  EXPECT_EQ(db.ColInt(stmt, 0), 2);
  EXPECT_EQ(db.ColInt(stmt, 1), FirefoxTime(1600000100));
  db.Finalize(stmt);
  db.Close();

  DeleteSnapshot(copy);
  EXPECT_TRUE(Leftovers(tmp).empty());
  // The live store is untouched.
  EXPECT_TRUE(Exists(path + "-wal"));
  DeleteSnapshot("");
}

TEST(Snapshot, StoreWithoutSideFilesGivesMainCopyAlone) {
  TempFolder src, tmp;
  EnvOverride env("TMPDIR", tmp.Path());
  const std::string path = src.Sub("History");
  MakeChromeHistory(path, {{"https://a.example/", "A", ChromeTime(1600000000)}});
  std::string copy, err;
  ASSERT_TRUE(SnapshotDatabase(path, copy, err)) << err;
  EXPECT_EQ(Leftovers(tmp).size(), 1u);
  DeleteSnapshot(copy);
  EXPECT_TRUE(Leftovers(tmp).empty());
}

// A browser that is running: its connection stays open and its newest
// commits sit in the log, never checkpointed into the main file.
TEST(Snapshot, SeesCommitsOfALiveWriter) {
  TempFolder src, tmp;
  EnvOverride env("TMPDIR", tmp.Path());
  const std::string path = src.Sub("places.sqlite");
  MakeFirefoxPlaces(path, {{"https://old.example/", "old", FirefoxTime(1500000000)}}, false);

  sqlite3* live = OpenLogWriter(
      path,
      "INSERT INTO moz_places(id,url,title) VALUES(100,'https://new.example/','新');"
      "INSERT INTO moz_historyvisits(place_id,visit_date) VALUES(100,1700000000000000);");
  // Keep a read transaction open too, as a browser tab might.
  sqlite3_exec(live, "BEGIN; SELECT count(*) FROM moz_places;", nullptr, nullptr, nullptr);

  std::string copy, err;
  ASSERT_TRUE(SnapshotDatabase(path, copy, err)) << err;
  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(copy));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT p.title FROM moz_places p JOIN moz_historyvisits v ON "
                         "v.place_id = p.id ORDER BY v.visit_date DESC",
                         stmt))
      << db.LastError();
  ASSERT_EQ(db.Step(stmt), kRow);
  EXPECT_EQ(db.ColText(stmt, 0), "新");
  ASSERT_EQ(db.Step(stmt), kRow);
  EXPECT_EQ(db.ColText(stmt, 0), "old");
  EXPECT_EQ(db.Step(stmt), kDone);
  db.Finalize(stmt);
  db.Close();
  DeleteSnapshot(copy);
  EXPECT_TRUE(Leftovers(tmp).empty());

  sqlite3_exec(live, "COMMIT;", nullptr, nullptr, nullptr);
  sqlite3_close(live);
}

// The log and its index are copied one after the other; a commit in between
// leaves an index that describes frames the copied log lacks. The engine
// must rebuild the index from the copied log rather than trust it.
TEST(Snapshot, IndexNewerThanTheLogIsNotTrusted) {
  TempFolder dir;
  const std::string live = dir.Sub("live.db");
  const std::string copy = dir.Sub("copy.db");
  sqlite3* w = OpenLogWriter(live, "CREATE TABLE t(s TEXT); INSERT INTO t VALUES('first');");
  WriteFile(copy, ReadFile(live));
  WriteFile(copy + "-wal", ReadFile(live + "-wal"));
  ASSERT_EQ(sqlite3_exec(w,
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                         "WHERE i < 3000) INSERT INTO t SELECT hex(randomblob(50)) FROM n;",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  WriteFile(copy + "-shm", ReadFile(live + "-shm"));

  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(copy));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT count(*), min(s) FROM t", stmt)) << db.LastError();
  ASSERT_EQ(db.Step(stmt), kRow) << db.LastError();
  EXPECT_EQ(db.ColInt(stmt, 0), 1);
  db.Finalize(stmt);
  db.Close();
  sqlite3_close(w);
}

// A file that opens but cannot be read: every attempt fails, the partial
// copies are removed, and the message carries the system's reason.
TEST(Snapshot, FailedAttemptsLeaveNothingBehind) {
  if (!Exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem to fail a read";
  TempFolder tmp;
  EnvOverride env("TMPDIR", tmp.Path());
  std::string copy = "x", err;
  EXPECT_FALSE(SnapshotDatabase("/proc/self/mem", copy, err));
  EXPECT_EQ(copy, "");
  EXPECT_EQ(err.rfind("复制快照失败：", 0), 0u) << err;
  EXPECT_TRUE(Leftovers(tmp).empty());
}

TEST(Snapshot, UnreadableStoreIsReportedAsPermission) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TempFolder src, tmp;
  EnvOverride env("TMPDIR", tmp.Path());
  const std::string path = src.Sub("History");
  WriteFile(path, "data");
  chmod(path.c_str(), 0);
  std::string copy, err;
  EXPECT_FALSE(SnapshotDatabase(path, copy, err));
  EXPECT_NE(err.find("无权限"), std::string::npos) << err;
  EXPECT_TRUE(Leftovers(tmp).empty());
}

// ---- Stores held without sharing --------------------------------------------

namespace {

// Stands in for the shadow copy: the live folder is the shadow, so what is
// copied is what exists at the call, and a required file that is missing
// fails the copy with a reason, as the platform's does.
std::vector<plat::ShadowFile> gAsked;
std::string gShadowFailure;
bool gShadowSaysOkAndCopiesNothing = false;

bool FakeShadowCopy(const std::vector<plat::ShadowFile>& files, std::string& reason) {
  gAsked = files;
  if (gShadowSaysOkAndCopiesNothing) return true;
  for (const plat::ShadowFile& f : files) {
    if (!Exists(f.Src)) {
      if (f.IfPresent) continue;
      reason = "missing " + f.Src;
      return false;
    }
    WriteFile(f.Dst, ReadFile(f.Src));
    if (!gShadowFailure.empty()) {  // fails after writing part of the copy
      reason = gShadowFailure;
      return false;
    }
  }
  return true;
}

struct ShadowSeam {
  ShadowSeam() {
    gAsked.clear();
    gShadowFailure.clear();
    gShadowSaysOkAndCopiesNothing = false;
    SetShadowCopier(FakeShadowCopy);
  }
  ~ShadowSeam() { SetShadowCopier(nullptr); }
};

}  // namespace

// The database and its log come from the one shadow, so the copy holds
// exactly what the browser had committed: the log's commits included, the
// index left for the engine to rebuild.
TEST(HeldStore, DatabaseAndLogComeFromOneShadow) {
  ShadowSeam seam;
  TempFolder live, tmp;
  const std::string path = live.Sub("History"), target = tmp.Sub("vt_db.db");
  sqlite3* w = OpenLogWriter(path,
                             "CREATE TABLE t(s TEXT); INSERT INTO t VALUES('checkpointed');"
                             "PRAGMA wal_checkpoint(TRUNCATE); INSERT INTO t VALUES('in the log');");
  ASSERT_TRUE(Exists(path + "-wal") && Exists(path + "-shm"));

  std::string err = "old";
  ASSERT_TRUE(CopyHeldStore(path, target, true, err)) << err;
  EXPECT_EQ("", err);
  ASSERT_EQ(3u, gAsked.size());
  EXPECT_EQ(path, gAsked[0].Src);
  EXPECT_EQ(target, gAsked[0].Dst);
  EXPECT_FALSE(gAsked[0].IfPresent);
  EXPECT_EQ(path + "-wal", gAsked[1].Src);
  EXPECT_EQ(target + "-wal", gAsked[1].Dst);
  EXPECT_TRUE(gAsked[1].IfPresent);
  EXPECT_EQ(path + "-journal", gAsked[2].Src);
  EXPECT_EQ(target + "-journal", gAsked[2].Dst);
  EXPECT_TRUE(gAsked[2].IfPresent);
  EXPECT_EQ((std::vector<std::string>{"vt_db.db", "vt_db.db-wal"}), Leftovers(tmp));

  TSqliteDb db;
  ASSERT_TRUE(db.OpenSnapshot(target));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT group_concat(s, '|') FROM t", stmt)) << db.LastError();
  ASSERT_EQ(db.Step(stmt), kRow) << db.LastError();
  EXPECT_EQ("checkpointed|in the log", db.ColText(stmt, 0));
  db.Finalize(stmt);
  db.Close();
  DeleteSnapshot(target);
  EXPECT_TRUE(Leftovers(tmp).empty());
  sqlite3_close(w);
}

// A rollback journal left by an interrupted write travels with the
// database, so that the copy undoes that write.
TEST(HeldStore, JournalTravelsWithTheDatabase) {
  ShadowSeam seam;
  TempFolder live, tmp;
  const std::string path = live.Sub("places.sqlite"), target = tmp.Sub("vt_db.db");
  WriteFile(path, "db");
  WriteFile(path + "-journal", "journal");
  std::string err;
  ASSERT_TRUE(CopyHeldStore(path, target, true, err)) << err;
  EXPECT_EQ((std::vector<std::string>{"vt_db.db", "vt_db.db-journal"}), Leftovers(tmp));
  EXPECT_EQ("journal", ReadFile(target + "-journal"));
  DeleteSnapshot(target);
  EXPECT_TRUE(Leftovers(tmp).empty());
}

TEST(HeldStore, NotElevatedOrNoShadowLeavesNothing) {
  ShadowSeam seam;
  TempFolder live, tmp;
  const std::string path = live.Sub("History"), target = tmp.Sub("vt_db.db");
  WriteFile(path, "db");
  WriteFile(path + "-wal", "log");

  std::string err;
  EXPECT_FALSE(CopyHeldStore(path, target, false, err));
  EXPECT_EQ("文件正被其他进程占用且不允许共享读取；以管理员身份运行时将通过卷影副本读取", err);
  EXPECT_TRUE(gAsked.empty());  // no shadow copy is even tried

  // The shadow copy fails part-way: the system's reason, no partial copy.
  gShadowFailure = "服务未启动";
  EXPECT_FALSE(CopyHeldStore(path, target, true, err));
  EXPECT_EQ("文件正被其他进程占用，无法通过卷影副本读取：服务未启动", err);
  EXPECT_TRUE(Leftovers(tmp).empty());

  // A stale file of an earlier attempt is not mistaken for a companion.
  gShadowFailure.clear();
  WriteFile(target + "-journal", "stale");
  ASSERT_TRUE(CopyHeldStore(path, target, true, err)) << err;
  EXPECT_EQ((std::vector<std::string>{"vt_db.db", "vt_db.db-wal"}), Leftovers(tmp));
  EXPECT_EQ("log", ReadFile(target + "-wal"));
  DeleteSnapshot(target);

  // Without the seam: this system has no shadow-copy service, and says so.
  SetShadowCopier(nullptr);
  EXPECT_FALSE(CopyHeldStore(path, target, true, err));
  EXPECT_EQ("文件正被其他进程占用，无法通过卷影副本读取：本系统不提供卷影复制服务", err);
  EXPECT_TRUE(Leftovers(tmp).empty());
}

// ---- Stores that are not to be trusted --------------------------------------

TEST(SqliteChecked, CheckTableAcceptsOnlyOrdinaryTablesWithStoredColumns) {
  TempFolder tmp;
  const std::string path = tmp.Sub("s.db");
  ExecSql(path,
          "CREATE TABLE Urls(ID INTEGER PRIMARY KEY, Url TEXT, title TEXT);"
          "CREATE VIEW v AS SELECT 1 AS a;"
          "CREATE VIRTUAL TABLE f USING fts4(a);"
          "CREATE TABLE g(a INTEGER, b INTEGER GENERATED ALWAYS AS (a + 1) STORED);");
  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(path));
  std::string err;
  bool missing = true;
  // Names are compared as the engine compares them, without regard to case.
  EXPECT_TRUE(db.CheckTable("urls", {"id", "url", "TITLE"}, err, &missing)) << err;
  EXPECT_FALSE(missing);
  EXPECT_EQ(err, "");
  EXPECT_FALSE(db.CheckTable("urls", {"id", "visit_count"}, err));
  EXPECT_EQ(err, "结构异常：urls 缺少列 visit_count");
  EXPECT_FALSE(db.CheckTable("v", {"a"}, err));
  EXPECT_EQ(err, "结构异常：v 不是数据表");
  EXPECT_FALSE(db.CheckTable("f", {"a"}, err));
  EXPECT_EQ(err, "结构异常：f 不是数据表");
  EXPECT_TRUE(db.CheckTable("g", {"a"}, err));
  EXPECT_FALSE(db.CheckTable("g", {"a", "b"}, err));
  EXPECT_EQ(err, "结构异常：g 的列 b 是计算列");
  EXPECT_FALSE(db.CheckTable("nope", {"a"}, err));
  EXPECT_EQ(err, "结构异常：缺少数据表 nope");
  EXPECT_FALSE(db.CheckTable("nope", {"a"}, err, &missing));
  EXPECT_TRUE(missing);
  // A name that tries to leave its quotes is only a name.
  EXPECT_FALSE(db.CheckTable("x') UNION SELECT 'table", {}, err, &missing));
  EXPECT_TRUE(missing);
  // The store's views are never run, even when asked for by name.
  TSqlStmt stmt = nullptr;
  EXPECT_FALSE(db.Prepare("SELECT * FROM v", stmt));
}

TEST(SqliteChecked, WorkPastTheTimeLimitIsInterrupted) {
  TempFolder tmp;
  const std::string path = tmp.Sub("s.db");
  ExecSql(path, "CREATE TABLE t(a);");
  SetStoreTimeLimit(200);
  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(path));
  SetStoreTimeLimit(0);
  EXPECT_EQ(StoreTimeLimit(), 60000u);
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) "
                         "SELECT count(*) FROM c",
                         stmt));
  EXPECT_EQ(db.Step(stmt), SQLITE_INTERRUPT);
  db.Finalize(stmt);
  EXPECT_TRUE(db.TimedOut());
  // Everything after that is refused too, until the next opening.
  EXPECT_FALSE(db.Prepare("SELECT count(*) FROM t", stmt) && db.Step(stmt) == kRow);
  db.Finalize(stmt);
  ASSERT_TRUE(db.OpenReadOnly(path));
  EXPECT_FALSE(db.TimedOut());
}

TEST(SqliteChecked, LongValuesAreRefusedAndReadByTheirBeginning) {
  TempFolder tmp;
  const std::string path = tmp.Sub("s.db");
  const int max = TSqliteDb::kMaxValueBytes;
  // Three-byte characters straddling the limit, a NUL-cut text, a NULL.
  ExecSql(path, "CREATE TABLE t(id INTEGER PRIMARY KEY, a); "
                "INSERT INTO t VALUES(1, 'a' || replace(printf('%.*c', " +
                    std::to_string(max / 3 + 5) +
                    ", 'x'), 'x', '中'));"
                    "INSERT INTO t VALUES(2, CAST(X'41420043' AS TEXT)); "
                    "INSERT INTO t VALUES(3, NULL); INSERT INTO t VALUES(4, 'short');");
  TSqliteDb db;
  ASSERT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  ASSERT_TRUE(db.Prepare("SELECT a FROM t WHERE id = 1", stmt));
  EXPECT_EQ(db.Step(stmt), SQLITE_TOOBIG);
  db.Finalize(stmt);
  std::string text;
  ASSERT_TRUE(db.ReadTextPrefix("t", "a", 1, text));
  // "a" and whole characters only: 1 + 3k bytes, the last one cut.
  EXPECT_EQ(text.size(), static_cast<size_t>(1 + (max - 1) / 3 * 3));
  EXPECT_EQ(text.substr(text.size() - 3), "中");
  ASSERT_TRUE(db.ReadTextPrefix("t", "a", 2, text));
  EXPECT_EQ(text, "AB");
  ASSERT_TRUE(db.ReadTextPrefix("t", "a", 3, text));
  EXPECT_EQ(text, "");
  ASSERT_TRUE(db.ReadTextPrefix("t", "a", 4, text));
  EXPECT_EQ(text, "short");
}

// The WebCache database, held by the system without sharing, comes alone
// from the same kind of shadow copy: one file, required, created new; a
// failure leaves nothing and names the system's reason.
TEST(HeldFile, WebCacheComesAloneFromOneShadow) {
  ShadowSeam seam;
  TempFolder live, tmp;
  const std::string src = live.Sub("WebCacheV01.dat"), dst = tmp.Sub("snap/WebCacheV01.dat");
  WriteFile(src, "ese");
  WriteFile(live.Sub("V01.log"), "log");
  plat::CreateDirs(tmp.Sub("snap"));
  WriteFile(dst, "stale copy of an earlier attempt");

  std::string err = "old";
  EXPECT_FALSE(CopyHeldFile(src, dst, false, err));
  EXPECT_EQ("文件正被其他进程占用且不允许共享读取；以管理员身份运行时将通过卷影副本读取", err);
  EXPECT_TRUE(gAsked.empty()) << "no shadow copy is asked for without elevation";

  ASSERT_TRUE(CopyHeldFile(src, dst, true, err)) << err;
  EXPECT_EQ("", err);
  ASSERT_EQ(1u, gAsked.size());
  EXPECT_EQ(src, gAsked[0].Src);
  EXPECT_EQ(dst, gAsked[0].Dst);
  EXPECT_FALSE(gAsked[0].IfPresent);
  EXPECT_EQ("ese", ReadFile(dst));

  gShadowFailure = "创建卷影副本（0x80042316：另一个卷影副本正在创建）";
  EXPECT_FALSE(CopyHeldFile(src, dst, true, err));
  EXPECT_EQ("文件正被其他进程占用，无法通过卷影副本读取：创建卷影副本（0x80042316：另一个卷影副本正在创建）",
            err);
  EXPECT_FALSE(Exists(dst)) << "a partial copy is removed";

  // Success said without a copy made is no success.
  gShadowFailure.clear();
  gShadowSaysOkAndCopiesNothing = true;
  EXPECT_FALSE(CopyHeldFile(src, dst, true, err));
  EXPECT_EQ("文件正被其他进程占用，无法通过卷影副本读取：卷影副本中未得到文件", err);
  gShadowSaysOkAndCopiesNothing = false;

  SetShadowCopier(nullptr);  // this system has no shadow-copy service
  EXPECT_FALSE(CopyHeldFile(src, dst, true, err));
  EXPECT_EQ("文件正被其他进程占用，无法通过卷影副本读取：本系统不提供卷影复制服务", err);
  EXPECT_FALSE(Exists(dst));
}
