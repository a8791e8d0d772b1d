// The interruption clean-up, exercised in a forked copy of this test process
// (the handler ends the process it runs in).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>

#include "TestSupport.h"
#include "uPlatform.h"
#include "uPlatformInterrupt.h"

using vt_test::TempFolder;

namespace {

bool ProcessAlive(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

// Waits until `path` exists (at most ten seconds).
bool AwaitFile(const std::string& path) {
  for (int i = 0; i < 1000; ++i) {
    if (vt_test::Exists(path) && vt_test::ReadFile(path).size() > 0) return true;
    ::usleep(10000);
  }
  return false;
}

// Reaps `pid` once it has ended; false when it still runs after 30 seconds
// (the clean-up itself takes milliseconds).
bool AwaitExit(pid_t pid, int& status) {
  for (int i = 0; i < 3000; ++i) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return true;
    ::usleep(10000);
  }
  return false;
}

}  // namespace

TEST(Interrupt, SignalRemovesTrackedPathsEndsTheChildAndDiesOfTheSignal) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    TempFolder t;
    // A snapshot folder with a sub-folder, a file and a link to a file that
    // is not ours; a lone snapshot file; a file that was tracked and then
    // let go; a file never tracked.
    vt_test::WriteFile(t.Sub("snap/ese_work/edb.log"), "log");
    vt_test::WriteFile(t.Sub("snap/WebCacheV01.dat"), "db");
    vt_test::WriteFile(t.Sub("outside/keep.txt"), "precious");
    ASSERT_EQ(0, ::symlink(t.Sub("outside").c_str(), t.Sub("snap/link").c_str()));
    // Links where a nested folder, a file and a whole tracked folder were.
    ASSERT_EQ(0, ::symlink(t.Sub("outside").c_str(), t.Sub("snap/ese_work/nested").c_str()));
    ASSERT_EQ(0, ::symlink(t.Sub("outside/keep.txt").c_str(), t.Sub("snap/WebCacheV01.log").c_str()));
    ASSERT_EQ(0, ::symlink(t.Sub("outside").c_str(), t.Sub("swapped").c_str()));
    vt_test::WriteFile(t.Sub("copy.db"), "history");
    vt_test::WriteFile(t.Sub("released.db"), "done");
    vt_test::WriteFile(t.Sub("other.txt"), "other");

    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      plat::InstallInterruptCleanup();
      plat::TrackTempPath(t.Sub("snap"));
      plat::TrackTempPath(t.Sub("swapped"));
      plat::TrackTempPath(t.Sub("copy.db"));
      plat::TrackTempPath(t.Sub("released.db"));
      plat::UntrackTempPath(t.Sub("released.db"));
      plat::TrackTempPath(t.Sub("not-yet-created.db"));
      int32_t code = 0;
      uint32_t err = 0;
      // A child that would outlive the test: the run must end it, not wait
      // for it.
      plat::SpawnAndWait("/bin/sh", {"-c", "echo $$ > '" + t.Sub("child.pid") + "'; exec sleep 600"},
                         900000, code, err);
      ::_exit(0);  // only reached when the signal did not end the process
    }
    ASSERT_TRUE(AwaitFile(t.Sub("child.pid")));
    const pid_t child = static_cast<pid_t>(std::stol(vt_test::ReadFile(t.Sub("child.pid"))));
    ASSERT_EQ(0, ::kill(pid, sig));
    int status = 0;
    if (!AwaitExit(pid, status)) {
      ::kill(child, SIGKILL);
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      FAIL() << "the run was still waiting for its child 30 seconds after the signal";
    }
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(sig, WTERMSIG(status));

    EXPECT_FALSE(vt_test::Exists(t.Sub("snap")));
    struct stat st;
    EXPECT_NE(0, ::lstat(t.Sub("swapped").c_str(), &st)) << "the link itself is removed";
    EXPECT_FALSE(vt_test::Exists(t.Sub("copy.db")));
    EXPECT_TRUE(vt_test::Exists(t.Sub("released.db")));
    EXPECT_TRUE(vt_test::Exists(t.Sub("other.txt")));
    EXPECT_EQ("precious", vt_test::ReadFile(t.Sub("outside/keep.txt")));
    const bool childLeft = ProcessAlive(child);
    if (childLeft) ::kill(child, SIGKILL);
    EXPECT_FALSE(childLeft) << "the child outlived the run";
  }
}

// A path being created on another thread when the signal comes is waited
// for, then removed: the process ends only after the creation is over.
TEST(InterruptCleanup, WaitsForACreationUnderWayOnAnotherThread) {
  TempFolder tmp;
  const std::string copy = tmp.Sub("vt_db_1_2.db"), after = tmp.Sub("created");
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    plat::InstallInterruptCleanup();
    plat::TrackTempPath(copy);
    std::thread creator([&] {
      plat::detail::TCreationHold creating;
      vt_test::WriteFile(tmp.Sub("creating"), "1");
      ::usleep(300 * 1000);
      vt_test::WriteFile(copy, "history");
      vt_test::WriteFile(after, "1");  // not tracked: shows the wait
    });
    while (!vt_test::Exists(tmp.Sub("creating"))) ::usleep(1000);
    ::raise(SIGTERM);
    creator.join();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_TRUE(AwaitExit(pid, status));
  ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << WEXITSTATUS(status);
  EXPECT_EQ(SIGTERM, WTERMSIG(status));
  EXPECT_TRUE(vt_test::Exists(after)) << "the process ended before the creation did";
  EXPECT_FALSE(vt_test::Exists(copy));
}
