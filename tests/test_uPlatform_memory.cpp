// Large pages for the heap: the process starts itself again, once, with the
// C library told to use them. Exercised in a forked copy of this test
// program, which the restart turns into a run of LargePages.Report alone.
#include <unistd.h>  // defines __GLIBC__ where that is the C library

#if defined(__linux__) && defined(__GLIBC__)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "TestSupport.h"
#include "uPlatform.h"

namespace {

const char kReportVar[] = "VT_LARGE_PAGES_REPORT";

std::string Tunables() {
  const char* v = std::getenv("GLIBC_TUNABLES");
  return v != nullptr ? v : "(unset)";
}

void WriteReport(const std::string& path, const std::string& text) {
  std::ofstream(path) << text;
}

// What a copy of this program, started with GLIBC_TUNABLES as `tunables`
// (null: unset), reports: "restarted: …" from the restarted program, or
// "kept: …" when PreferLargePages returned; the setting it then ran with.
std::string StartWith(const char* tunables) {
  vt_test::TempFolder dir;
  const std::string report = dir.Sub("report.txt");
  const pid_t child = ::fork();
  if (child == 0) {
    // The restarted program's own test output is of no interest here.
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) ::dup2(quiet, STDOUT_FILENO);
    ::setenv(kReportVar, report.c_str(), 1);
    if (tunables != nullptr)
      ::setenv("GLIBC_TUNABLES", tunables, 1);
    else
      ::unsetenv("GLIBC_TUNABLES");
    std::string self = "/proc/self/exe", filter = "--gtest_filter=LargePages.Report";
    char* argv[] = {&self[0], &filter[0], nullptr};
    plat::PreferLargePages(argv);
    WriteReport(report, "kept: " + Tunables());
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  return vt_test::ReadFile(report);
}

}  // namespace

// The restarted program: says what it was started with. Nothing when run
// on its own.
TEST(LargePages, Report) {
  const char* report = std::getenv(kReportVar);
  if (report == nullptr) GTEST_SKIP() << "run by the other LargePages tests";
  WriteReport(report, "restarted: " + Tunables());
}

TEST(LargePages, StartsAgainOnceWithTheSettingAddedToTheUsersOwn) {
  if (!plat::LargePagesOnRequest()) {
    EXPECT_EQ(StartWith(nullptr), "kept: (unset)");
    GTEST_SKIP() << "the kernel gives no transparent large pages";
  }
  EXPECT_EQ(StartWith(nullptr), "restarted: glibc.malloc.hugetlb=1");
  EXPECT_EQ(StartWith(""), "restarted: glibc.malloc.hugetlb=1");
  EXPECT_EQ(StartWith("glibc.malloc.arena_max=2"),
            "restarted: glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1");
}

TEST(LargePages, ASettingAlreadyThereIsLeftAsItIs) {
  // Ours from the first start (no second restart), or the user's own choice,
  // even one that turns large pages off.
  EXPECT_EQ(StartWith("glibc.malloc.hugetlb=1"), "kept: glibc.malloc.hugetlb=1");
  EXPECT_EQ(StartWith("glibc.malloc.arena_max=2:glibc.malloc.hugetlb=0"),
            "kept: glibc.malloc.arena_max=2:glibc.malloc.hugetlb=0");
}
#endif
