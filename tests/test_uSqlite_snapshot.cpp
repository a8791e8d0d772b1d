// Snapshots of stores that are no stores: refused at once for what they
// are, before anything is copied, and never retried.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uPlatform.h"
#include "uSqlite.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

const std::string kSqliteMagic("SQLite format 3", 16);

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A file of `size` bytes that takes no room: `head`, then a hole.
bool MakeSparse(const std::string& path, const std::string& head, int64_t size) {
  WriteFile(path, head);
  return ::truncate(path.c_str(), static_cast<off_t>(size)) == 0;
}

class SnapshotRefusal : public ::testing::Test {
 protected:
  void TearDown() override { SetStoreTimeLimit(0); }

  // The snapshot of `path` fails as refused, with `err`, fast, and leaves
  // nothing in the temporary folder.
  void ExpectRefused(const std::string& path, const std::string& err) {
    const auto start = std::chrono::steady_clock::now();
    std::string copy = "x", got;
    bool refused = false;
    EXPECT_FALSE(SnapshotDatabase(path, copy, got, &refused)) << path;
    EXPECT_LT(SecondsSince(start), 1.0) << path << ": retried or copied";
    EXPECT_TRUE(refused) << path;
    EXPECT_EQ(got, err) << path;
    EXPECT_EQ(copy, "");
    EXPECT_EQ(ListNames(FTemp.Path()), std::vector<std::string>()) << path;
  }

  TempFolder FSource, FTemp;
  EnvOverride FTmpEnv{"TMPDIR", FTemp.Path()};
};

}  // namespace

TEST_F(SnapshotRefusal, PipesDevicesAndCompanionsThatAreNoFiles) {
  ASSERT_EQ(::mkfifo(FSource.Sub("pipe").c_str(), 0600), 0);
  ExpectRefused(FSource.Sub("pipe"), kNotRegularFileText);
  ASSERT_EQ(::symlink("/dev/zero", FSource.Sub("zero").c_str()), 0);
  ExpectRefused(FSource.Sub("zero"), kNotRegularFileText);

  // A sound store whose log is a pipe: the log decides what the store
  // says, so the store fails with it.
  const std::string places = FSource.Sub("places.sqlite");
  MakeFirefoxPlaces(places, {{"https://a.example/", "A", FirefoxTime(1600000000)}});
  ASSERT_EQ(::mkfifo((places + "-wal").c_str(), 0600), 0);
  ExpectRefused(places, kNotRegularFileText);
}

TEST_F(SnapshotRefusal, WhatDoesNotBeginAsADatabase) {
  // 3 GB of zeros: refused by its first bytes, none of the rest read.
  const std::string zeros = FSource.Sub("History");
  if (MakeSparse(zeros, "", int64_t{3} << 30))
    ExpectRefused(zeros, "文件不是数据库");
  WriteFile(FSource.Sub("noise"), std::string(4096, 'x'));
  ExpectRefused(FSource.Sub("noise"), "文件不是数据库");
  // The right words, but too short to be a database's header.
  WriteFile(FSource.Sub("short"), kSqliteMagic + std::string(20, '\0'));
  ExpectRefused(FSource.Sub("short"), "文件不是数据库");

  // An empty file is what a browser makes before its first write: copied,
  // and read as a store without tables.
  WriteFile(FSource.Sub("empty"), "");
  std::string copy, err;
  bool refused = true;
  ASSERT_TRUE(SnapshotDatabase(FSource.Sub("empty"), copy, err, &refused)) << err;
  EXPECT_FALSE(refused);
  EXPECT_EQ(ReadFile(copy), "");
  DeleteSnapshot(copy);
}

TEST_F(SnapshotRefusal, StoreLargerThanTheTemporaryFolderCanTake) {
  const int64_t free = plat::FreeDiskBytes(FTemp.Path());
  ASSERT_GT(free, 0);
  const std::string big = FSource.Sub("History");
  if (!MakeSparse(big, kSqliteMagic + std::string(200, '\0'), free + (int64_t{1} << 30)))
    GTEST_SKIP() << "the file system takes no sparse file of that size";
  const auto start = std::chrono::steady_clock::now();
  std::string copy, err;
  bool refused = false;
  EXPECT_FALSE(SnapshotDatabase(big, copy, err, &refused));
  EXPECT_LT(SecondsSince(start), 1.0);
  EXPECT_TRUE(refused);
  EXPECT_EQ(err.rfind("临时文件夹空间不足，未复制该库（需要 ", 0), 0u) << err;
  EXPECT_NE(err.find(FTemp.Path()), std::string::npos) << err;
  EXPECT_TRUE(ListNames(FTemp.Path()).empty());
}

// The time a copy takes is the store's: a copy begun too long ago stops,
// and the reading of a snapshot ends when the time since its copy began
// runs out.
TEST_F(SnapshotRefusal, TheCopyCountsAgainstTheStoreTimeLimit) {
  const std::string store = FSource.Sub("store");
  WriteFile(store, kSqliteMagic + std::string(1 << 20, '\0'));
  SetStoreTimeLimit(20);
  TStoreCopy late;
  plat::SleepMs(60);
  uint32_t code = 0;
  EXPECT_FALSE(late.Copy(store, FTemp.Sub("copy"), TStoreCopy::kSqlite, code));
  EXPECT_EQ(code, plat::kErrTimeout);
  EXPECT_EQ(late.Refusal(), "读取超时（已读取 0 条）");
  EXPECT_FALSE(Exists(FTemp.Sub("copy")));

  SetStoreTimeLimit(300);
  const std::string history = FSource.Sub("History");
  MakeChromeHistory(history, {{"https://a.example/", "A", ChromeTime(1600000000)}});
  std::string copy, err;
  ASSERT_TRUE(SnapshotDatabase(history, copy, err)) << err;
  plat::SleepMs(400);
  {
    TSqliteDb db;
    ASSERT_TRUE(db.OpenSnapshot(copy));
    TSqlStmt stmt = nullptr;
    ASSERT_TRUE(db.Prepare("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 10000000) SELECT count(*) FROM n",
                           stmt));
    EXPECT_NE(db.Step(stmt), 100);
    EXPECT_TRUE(db.TimedOut());
    db.Finalize(stmt);
  }
  DeleteSnapshot(copy);
  EXPECT_TRUE(ListNames(FTemp.Path()).empty());
}
