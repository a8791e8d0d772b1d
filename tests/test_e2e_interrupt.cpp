// An interrupted run leaves no copy of anyone's history behind: signalled
// while it copies a store, it removes the partial snapshot and dies of the
// signal.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

namespace {

using Lines = std::vector<std::string>;

// The size of the one file in `dir`, or -1 while there is none.
long long SizeOfOnlyFile(const std::string& dir) {
  const Lines names = vt_test::ListNames(dir);
  if (names.size() != 1) return -1;
  struct stat st;
  return ::stat((dir + "/" + names[0]).c_str(), &st) == 0 ? st.st_size : -1;
}

// A root run's folder in `tmp` ("vt_run_<pid>_<tick>", beside its lock), or
// empty while there is none.
std::string RunFolderIn(const std::string& tmp) {
  const Lines names = vt_test::ListNames(tmp);
  return names.size() == 2 && names[1] == names[0] + ".lock" ? tmp + "/" + names[0] : "";
}

}  // namespace

TEST(InterruptedRun, SignalWhileCopyingAStoreLeavesNothingBehind) {
  // The store is far larger than the disk is fast (a database's first bytes,
  // then a hole that takes no room): the run is caught in the middle of its
  // copy. Half the free space at most, so that the copy is not refused.
  struct statvfs vs;
  ASSERT_EQ(0, ::statvfs(vt_test::TempFolder().Path().c_str(), &vs));
  const int64_t free = static_cast<int64_t>(vs.f_bavail) * static_cast<int64_t>(vs.f_frsize);
  const int64_t size = std::min<int64_t>(int64_t{8} << 30, free / 2);
  if (size < (int64_t{1} << 30)) GTEST_SKIP() << "less than 2 GB free in the temporary folder";
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(sig);
    vt_test::TempFolder root;
    vt_test::UserFolder alice(root.Sub("Users"), "alice");
    const std::string tmp = root.Sub("tmp");
    vt_test::MakeDirs(tmp);
    const std::string history = alice.Local("Google/Chrome/User Data/Default/History");
    vt_test::WriteFile(history, std::string("SQLite format 3", 16) + std::string(4096, '\0'));
    ASSERT_EQ(0, ::truncate(history.c_str(), static_cast<off_t>(size)));

    const int pid = vt_test::StartVisitrail(
        {"/out:" + root.Sub("out/")},
        {{"USERPROFILE", alice.Root()}, {"USERNAME", "alice"}, {"-APPDATA", ""},
         {"-LOCALAPPDATA", ""}, {"TMPDIR", tmp}});
    ASSERT_GT(pid, 0);
    // The tests run as root: the copy is made in the run's private folder,
    // nothing of it lies loose in the temporary folder.
    bool copying = false;
    std::string runDir;
    for (int i = 0; i < 10000 && !copying; ++i) {
      runDir = RunFolderIn(tmp);
      copying = !runDir.empty() && SizeOfOnlyFile(runDir) > 0;
      if (!copying) ::usleep(1000);
    }
    ASSERT_TRUE(copying) << "no snapshot copy appeared in the run folder";
    struct stat st;
    ASSERT_EQ(0, ::lstat(runDir.c_str(), &st));
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(0u, st.st_uid);
    EXPECT_EQ(0700u, st.st_mode & 07777);

    ASSERT_EQ(0, ::kill(pid, sig));
    int status = 0;
    ASSERT_EQ(pid, ::waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << WEXITSTATUS(status);
    EXPECT_EQ(sig, WTERMSIG(status));
    EXPECT_EQ(vt_test::ListNames(tmp), Lines()) << "left in the temporary folder";
    EXPECT_FALSE(vt_test::Exists(root.Sub("out")));
  }
}

// A run ended before its clean-up (logoff, a forced end) leaves its copies;
// the next run removes them at start, and never those of a run still going.
TEST(InterruptedRun, LeftoversOfEndedRunsAreRemovedAtTheNextStart) {
  vt_test::TempFolder root;
  const std::string tmp = root.Sub("tmp");
  const pid_t gone = ::fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = std::to_string(gone), live = std::to_string(::getpid());
  vt_test::WriteFile(tmp + "/vt_webcache_" + dead + "_5/WebCacheV01.dat", "someone's history");
  vt_test::WriteFile(tmp + "/vt_db_" + dead + "_6.db", "someone's history");
  vt_test::WriteFile(tmp + "/vt_webcache_" + live + "_7/WebCacheV01.dat", "still in use");
  const vt_test::RunResult r = vt_test::RunVisitrail({"/version"}, {{"TMPDIR", tmp}});
  EXPECT_EQ(0, r.ExitCode);
  EXPECT_EQ(Lines{"vt_webcache_" + live + "_7"}, vt_test::ListNames(tmp));
}

// A collecting run sweeps as it starts: an ended run's worker results and
// snapshot go, with the run folder it left; another account's look-alike
// stays, and so does every file of a run whose lock is still held.
TEST(InterruptedRun, ACollectingRunSweepsOnlyWhatEndedRunsOfItsAccountLeft) {
  vt_test::TempFolder root;
  const std::string tmp = root.Sub("tmp");
  const pid_t gone = ::fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = std::to_string(gone);
  for (const std::string name : {".tsv", ".tsv.downloads"})
    vt_test::WriteFile(tmp + "/vt_webcache_" + dead + "_1" + name, "rows");
  vt_test::WriteFile(tmp + "/vt_db_" + dead + "_2.db", "someone's history");
  vt_test::WriteFile(tmp + "/vt_run_" + dead + "_3/vt_db_" + dead + "_4.db", "someone's history");
  vt_test::WriteFile(tmp + "/vt_run_" + dead + "_3.lock", "");
  const std::string foreign = "vt_db_" + dead + "_5.db";
  vt_test::WriteFile(tmp + "/" + foreign, "another account's");
  ASSERT_EQ(0, ::chown((tmp + "/" + foreign).c_str(), 12345, 12345));
  // A run that still holds its lock, its process id given to no one.
  const std::string heldLock = "vt_run_" + dead + "9_6.lock", heldDb = "vt_db_" + dead + "9_7.db";
  vt_test::WriteFile(tmp + "/" + heldLock, "");
  vt_test::WriteFile(tmp + "/" + heldDb, "in use");
  const int fd = ::open((tmp + "/" + heldLock).c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(0, ::flock(fd, LOCK_EX));

  vt_test::UserFolder alice(root.Sub("Users"), "alice");
  const vt_test::RunResult r = vt_test::RunVisitrail(
      {"/list"}, {{"USERPROFILE", alice.Root()}, {"USERNAME", "alice"}, {"TMPDIR", tmp}});
  ::close(fd);
  EXPECT_EQ(0, r.ExitCode) << r.Err;
  EXPECT_EQ((Lines{heldDb, foreign, heldLock}), vt_test::ListNames(tmp));
}
