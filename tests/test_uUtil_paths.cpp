// Temporary names of the run, and the clean-up at start of what earlier runs
// left behind when they were ended before their own clean-up.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "uPlatform.h"
#include "uUtil.h"

using vt_test::TempFolder;

TEST(TempNames, OnlyTheRunsOwnNamesAreRecognised) {
  uint32_t pid = 0;
  for (const char* ours : {"vt_db_123_456.db", "vt_db_123_-456.db-wal", "vt_db_123_456.db-shm",
                           "vt_db_123_456.db-journal", "vt_webcache_123_8", "vt_webcache_123_8_2",
                           "vt_webcache_123_8_2.tsv", "vt_webcache_123_8.tsv.downloads",
                           "vt_probe_123_10", "vt_run_123_-9", "vt_run_123_9_1.lock"}) {
    pid = 0;
    EXPECT_TRUE(IsOurTempName(ours, pid)) << ours;
    EXPECT_EQ(123u, pid) << ours;
  }
  EXPECT_TRUE(IsOurTempName(MakeTempName("webcache").substr(plat::TempDir().size()), pid));
  EXPECT_EQ(plat::ProcessId(), pid);
  for (const char* other : {"vt_db_123.db", "vt_notes_1_2", "vt_db_x_1.db", "vt_db_1_2.txt",
                            "vt_db_1_2.db.bak", "vt_db_99999999999_1.db", "xvt_db_1_2.db",
                            "vt_webcache_1_2_", "vt_webcache_1_", "VT_DB_1_2.db", "vt_db__2.db",
                            "vt_db_1_2.lock", "vt_run_1_2.db", "vt_run_1_2.tsv", "vt_run_1.lock",
                            "vt_webcache_1_2.downloads", "vt_run_1_2.lock.tmp"})
    EXPECT_FALSE(IsOurTempName(other, pid)) << other;
}

TEST(TempNames, LeftoversOfDeadRunsGoThoseOfRunningOnesStay) {
  TempFolder tmp, outside;
  vt_test::EnvOverride tmpdir("TMPDIR", tmp.Path());
  // A process id that no longer runs, and one that does.
  const pid_t gone = ::fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const pid_t alive = ::fork();
  ASSERT_GE(alive, 0);
  if (alive == 0) {
    ::pause();
    ::_exit(0);
  }
  const std::string dead = std::to_string(gone), live = std::to_string(alive);

  vt_test::WriteFile(outside.Sub("keep.txt"), "precious");
  vt_test::WriteFile(outside.Sub("sub/keep2.txt"), "precious");
  // A dead run's WebCache folder (with a link to someone's folder in it), its
  // result file and a database snapshot with its log.
  vt_test::WriteFile(tmp.Sub("vt_webcache_" + dead + "_1/WebCacheV01.dat"), "db");
  ASSERT_EQ(0, ::symlink(outside.Path().c_str(), tmp.Sub("vt_webcache_" + dead + "_1/link").c_str()));
  vt_test::WriteFile(tmp.Sub("vt_webcache_" + dead + "_1.tsv"), "rows");
  vt_test::WriteFile(tmp.Sub("vt_db_" + dead + "_-2.db"), "history");
  vt_test::WriteFile(tmp.Sub("vt_db_" + dead + "_-2.db-wal"), "log");
  // A folder of ours swapped for a link: the link goes, not its target.
  ASSERT_EQ(0, ::symlink(outside.Path().c_str(), tmp.Sub("vt_webcache_" + dead + "_3").c_str()));
  // A running process's files, and names that are not ours.
  vt_test::WriteFile(tmp.Sub("vt_webcache_" + live + "_1/WebCacheV01.dat"), "db");
  vt_test::WriteFile(tmp.Sub("vt_db_" + live + "_2.db"), "history");
  vt_test::WriteFile(tmp.Sub("vt_notes_" + dead + "_1"), "not ours");
  vt_test::WriteFile(tmp.Sub("other.txt"), "not ours");

  RemoveStaleTempFiles();
  ::kill(alive, SIGKILL);
  ::waitpid(alive, nullptr, 0);

  EXPECT_EQ((std::vector<std::string>{"other.txt", "vt_db_" + live + "_2.db",
                                      "vt_notes_" + dead + "_1", "vt_webcache_" + live + "_1"}),
            vt_test::ListNames(tmp.Path()));
  EXPECT_EQ("db", vt_test::ReadFile(tmp.Sub("vt_webcache_" + live + "_1/WebCacheV01.dat")));
  EXPECT_EQ("precious", vt_test::ReadFile(outside.Sub("keep.txt")));
  EXPECT_EQ("precious", vt_test::ReadFile(outside.Sub("sub/keep2.txt")));
}

// A pid that no longer runs.
static std::string EndedPid() {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  return std::to_string(gone);
}

// Liveness goes by each run's lock, not by its process id alone, and only
// this account's entries are ever removed.
TEST(TempNames, RunLocksDecideWhichLeftoversGo) {
  TempFolder tmp;
  vt_test::EnvOverride tmpdir("TMPDIR", tmp.Path());
  const std::string dead = EndedPid(), held = EndedPid(), self = std::to_string(::getpid());
  // A live process whose id an ended run had: its lock is free, so the
  // files are that run's, not the live process's.
  const pid_t reused = ::fork();
  ASSERT_GE(reused, 0);
  if (reused == 0) {
    ::pause();
    ::_exit(0);
  }
  const std::string live = std::to_string(reused);

  for (const char* ending : {".tsv", ".tsv.downloads", ""})
    vt_test::WriteFile(tmp.Sub("vt_webcache_" + dead + "_1" + std::string(ending)), "rows");
  vt_test::WriteFile(tmp.Sub("vt_db_" + dead + "_2.db"), "history");
  vt_test::WriteFile(tmp.Sub("vt_run_" + dead + "_3/vt_db_" + dead + "_4.db"), "history");
  vt_test::WriteFile(tmp.Sub("vt_run_" + dead + "_3.lock"), "");
  // Another account's look-alike of a dead run stays, and so does a free
  // lock of another account beside a live process's files.
  vt_test::WriteFile(tmp.Sub("vt_db_" + dead + "_5.db"), "someone else's");
  ASSERT_EQ(0, ::chown(tmp.Sub("vt_db_" + dead + "_5.db").c_str(), 12345, 12345));
  vt_test::WriteFile(tmp.Sub("vt_db_" + self + "_6.db"), "ours, running");
  vt_test::WriteFile(tmp.Sub("vt_run_" + self + "_7.lock"), "");
  ASSERT_EQ(0, ::chown(tmp.Sub("vt_run_" + self + "_7.lock").c_str(), 12345, 12345));
  // A run whose process is gone but whose lock someone still holds.
  vt_test::WriteFile(tmp.Sub("vt_db_" + held + "_8.db"), "in use");
  vt_test::WriteFile(tmp.Sub("vt_run_" + held + "_9.lock"), "");
  const int lockFd = ::open(tmp.Sub("vt_run_" + held + "_9.lock").c_str(), O_RDONLY);
  ASSERT_GE(lockFd, 0);
  ASSERT_EQ(0, ::flock(lockFd, LOCK_EX));
  // The reused id's ended run.
  vt_test::WriteFile(tmp.Sub("vt_db_" + live + "_10.db"), "history");
  vt_test::WriteFile(tmp.Sub("vt_run_" + live + "_11.lock"), "");

  RemoveStaleTempFiles();
  ::close(lockFd);
  ::kill(reused, SIGKILL);
  ::waitpid(reused, nullptr, 0);

  std::vector<std::string> expected = {"vt_db_" + dead + "_5.db", "vt_db_" + held + "_8.db",
                                       "vt_db_" + self + "_6.db", "vt_run_" + held + "_9.lock",
                                       "vt_run_" + self + "_7.lock"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, vt_test::ListNames(tmp.Path()));
}
