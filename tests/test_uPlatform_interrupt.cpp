// The interruption clean-up, exercised in a forked copy of this test process
// (the handler ends the process it runs in).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "TestSupport.h"
#include "uPlatform.h"

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
      plat::SpawnAndWait("/bin/sh", {"-c", "echo $$ > '" + t.Sub("child.pid") + "'; exec sleep 30"},
                         60000, code, err);
      ::_exit(0);  // only reached when the signal did not end the process
    }
    ASSERT_TRUE(AwaitFile(t.Sub("child.pid")));
    const pid_t child = static_cast<pid_t>(std::stol(vt_test::ReadFile(t.Sub("child.pid"))));
    ASSERT_EQ(0, ::kill(pid, sig));
    int status = 0;
    ASSERT_EQ(pid, ::waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(sig, WTERMSIG(status));

    EXPECT_FALSE(vt_test::Exists(t.Sub("snap")));
    struct stat st;
    EXPECT_NE(0, ::lstat(t.Sub("swapped").c_str(), &st)) << "the link itself is removed";
    EXPECT_FALSE(vt_test::Exists(t.Sub("copy.db")));
    EXPECT_TRUE(vt_test::Exists(t.Sub("released.db")));
    EXPECT_TRUE(vt_test::Exists(t.Sub("other.txt")));
    EXPECT_EQ("precious", vt_test::ReadFile(t.Sub("outside/keep.txt")));
    EXPECT_FALSE(ProcessAlive(child));
  }
}
