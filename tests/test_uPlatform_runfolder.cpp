// The run's lock and a root run's private folder (the tests run as root).
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "uPlatform.h"

namespace {

using Lines = std::vector<std::string>;

// Closes the run folder however the test ends.
struct RunFolderScope {
  std::string Err;
  bool Opened;
  RunFolderScope() : Opened(plat::OpenRunFolder(Err)) {}
  ~RunFolderScope() { plat::CloseRunFolder(); }
};

std::string Name(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

TEST(RunFolder, RootRunWorksInAPrivateFolderOfItsOwnAndLeavesNothing) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root";
  vt_test::TempFolder tmp;
  vt_test::EnvOverride tmpdir("TMPDIR", tmp.Path());
  {
    RunFolderScope run;
    ASSERT_TRUE(run.Opened) << run.Err;
    const std::string dir = plat::RunFolder();
    ASSERT_EQ(tmp.Path() + "/", dir.substr(0, tmp.Path().size() + 1));
    EXPECT_EQ(dir + "/", plat::TempDir());
    EXPECT_EQ(tmp.Path() + "/", plat::UserTempDir());
    struct stat st;
    ASSERT_EQ(0, ::lstat(dir.c_str(), &st));
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(0u, st.st_uid);
    EXPECT_EQ(0700u, st.st_mode & 07777);
    // The folder and its held lock, nothing else; a second open keeps them.
    EXPECT_EQ((Lines{Name(dir), Name(dir) + ".lock"}), vt_test::ListNames(tmp.Path()));
    EXPECT_FALSE(plat::RunLockFree(dir + ".lock"));
    std::string err;
    EXPECT_TRUE(plat::OpenRunFolder(err));
    EXPECT_EQ(dir, plat::RunFolder());
    // What the run writes goes, with the folder, when it ends.
    vt_test::WriteFile(dir + "/vt_db_1_2.db", "copy");
    vt_test::WriteFile(dir + "/vt_webcache_1_3/WebCacheV01.dat", "copy");
  }
  EXPECT_EQ(Lines(), vt_test::ListNames(tmp.Path()));
  EXPECT_EQ("", plat::RunFolder());
  EXPECT_EQ(tmp.Path() + "/", plat::TempDir());
  plat::CloseRunFolder();  // twice is harmless
}

// A temporary folder someone else can change is never a root run's parent:
// the run goes to /tmp instead.
TEST(RunFolder, RootRunAvoidsATemporaryFolderOthersCanChange) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root";
  vt_test::TempFolder base;
  const std::string open = base.Sub("open"), owned = base.Sub("owned"),
                    sticky = base.Sub("sticky"), below = base.Sub("owned/below");
  for (const std::string& d : {open, owned, sticky, below}) vt_test::MakeDirs(d);
  ASSERT_EQ(0, ::chmod(open.c_str(), 0777));
  ASSERT_EQ(0, ::chown(owned.c_str(), 12345, 12345));
  ASSERT_EQ(0, ::chmod(sticky.c_str(), 01777));
  for (const std::string& d : {open, owned, below}) {
    SCOPED_TRACE(d);
    vt_test::EnvOverride tmpdir("TMPDIR", d);
    RunFolderScope run;
    ASSERT_TRUE(run.Opened) << run.Err;
    EXPECT_EQ("/tmp/vt_run_", plat::RunFolder().substr(0, 12));
    EXPECT_EQ(d == owned ? Lines{"below"} : Lines(), vt_test::ListNames(d));
  }
  // Sticky, like /tmp: others may add entries but not move root's.
  vt_test::EnvOverride tmpdir("TMPDIR", sticky);
  RunFolderScope run;
  ASSERT_TRUE(run.Opened) << run.Err;
  EXPECT_EQ(sticky + "/", plat::RunFolder().substr(0, sticky.size() + 1));
}

// An unprivileged run keeps its files in the user's temporary folder, next
// to a lock it holds until it ends.
TEST(RunFolder, UnprivilegedRunHoldsItsLockBesideItsFiles) {
  vt_test::TempFolder tmp;
  vt_test::EnvOverride tmpdir("TMPDIR", tmp.Path());
  // The child's account must be able to write there.
  ASSERT_EQ(0, ::chmod(tmp.Path().c_str(), 0777));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setresuid(12345, 12345, 12345) != 0 && ::geteuid() == 0) ::_exit(2);
    std::string err;
    if (!plat::OpenRunFolder(err) || !plat::RunFolder().empty()) ::_exit(3);
    if (plat::TempDir() != tmp.Path() + "/") ::_exit(4);
    ::pause();
    ::_exit(0);
  }
  Lines names;
  for (int i = 0; i < 2000 && names.empty(); ++i) {
    names = vt_test::ListNames(tmp.Path());
    if (names.empty()) ::usleep(1000);
  }
  ASSERT_EQ(1u, names.size());
  const std::string lock = tmp.Sub(names[0]);
  EXPECT_EQ("vt_run_" + std::to_string(child) + "_", names[0].substr(0, 8 + std::to_string(child).size()));
  EXPECT_FALSE(plat::RunLockFree(lock));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status)) << "child ended with " << WEXITSTATUS(status);
  // Ended without its clean-up: the lock file stays, free for the next run.
  EXPECT_TRUE(plat::RunLockFree(lock));
}
