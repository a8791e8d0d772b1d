// The worker's memory limit: a WebCache database may make the ESE reader
// take any amount of memory, so the worker gets a limit sized from the
// database, and running out of it is a failure of that source alone, told
// apart from a database that cannot be read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "uPlatform.h"
#include "uUtil.h"
#include "uWebCache.h"
#include "webcache_sample.h"

using vt_test::TempFolder;

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

constexpr uint64_t kMB = uint64_t{1} << 20;

// Runs `body` in a child process (its own address space, which a limit
// then bounds) and returns its exit status as waitpid gives it.
template <typename F>
int InChild(F body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

// Touches `kb` kilobytes of stack, so that deeper calls later need no new
// address space for it.
void TouchStack(size_t kb) {
  volatile char room[1024];
  room[0] = 1;
  if (kb > 1) TouchStack(kb - 1);
  room[1023] = room[0];
}

// Takes every byte the heap can still give, in small blocks kept chained,
// then hands the last few back; returns how many blocks it holds.
size_t ExhaustHeap() {
  void* chain = nullptr;
  size_t n = 0;
  while (void* p = std::malloc(4096)) {
    *static_cast<void**>(p) = chain;
    chain = p;
    ++n;
  }
  for (int i = 0; i < 4 && chain; ++i, --n) {
    void* next = *static_cast<void**>(chain);
    std::free(chain);
    chain = next;
  }
  return n;
}

}  // namespace

TEST(WebCacheMemory, LimitIsFourTimesTheDatabaseAndAQuarterGigabyte) {
  EXPECT_EQ(WorkerMemoryLimit(0), 256 * kMB);
  EXPECT_EQ(WorkerMemoryLimit(-1), 256 * kMB);  // size unknown
  EXPECT_EQ(WorkerMemoryLimit(100 * kMB), 656 * kMB);
  EXPECT_EQ(WorkerMemoryLimit(int64_t{3} << 30), (uint64_t{12} << 30) + 256 * kMB);
  SetWorkerMemoryLimit(kMB);
  EXPECT_EQ(WorkerMemoryLimit(100 * kMB), kMB);
  SetWorkerMemoryLimit(0);
  EXPECT_EQ(WorkerMemoryLimit(100 * kMB), 656 * kMB);
}

// Past its limit an allocation fails with ENOMEM instead of growing the
// process; a limit counts from what the process holds when it is set.
TEST(WebCacheMemory, LimitStopsTheProcessGrowing) {
  if (kSanitized) GTEST_SKIP() << "a sanitizer build sets no limit";
  const int status = InChild([]() {
    if (!plat::LimitOwnMemory(16 * kMB)) return 2;
    void* big = std::malloc(64 * kMB);
    if (big != nullptr) return 3;
    if (errno != ENOMEM) return 4;
    void* small = std::malloc(4 * kMB);  // within the limit
    return small != nullptr ? 0 : 5;
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

// The real reader on the real sample, with no memory left to it: the
// worker ends with its own code for memory and writes no result, where a
// database it cannot read ends with 1.
TEST(WebCacheMemory, WorkerOutOfMemoryEndsWithItsOwnCode) {
  if (kSanitized) GTEST_SKIP() << "a sanitizer build sets no limit";
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  const std::string out = tmp.Sub("out.tsv");
  const int status = InChild([&]() {
    TouchStack(512);
    if (!plat::LimitOwnMemory(64 * 1024)) return 2;
    ExhaustHeap();
    return RunWorker({"vt", "/worker:dump", tmp.Sub("snap"), out});
  });
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), kWorkerOutOfMemory);
  EXPECT_FALSE(vt_test::Exists(out));

  // With memory enough the same worker reads it.
  EXPECT_EQ(RunWorker({"vt", "/worker:dump", tmp.Sub("snap"), out, std::to_string(256 * kMB)}),
            0);
  EXPECT_TRUE(vt_test::Exists(out));
}

// The parent hands the worker its limit and, when the worker ran out of it,
// says so with the limit.
TEST(WebCacheMemory, ParentPassesTheLimitAndNamesTheFailure) {
  TempFolder tmp, source, scripts;
  vt_test::EnvOverride tmpEnv("TMPDIR", tmp.Path());
  VT_REQUIRE_WEBCACHE_SAMPLE(file, source.Path());
  const std::string seen = scripts.Sub("limit.txt"), worker = scripts.Sub("worker.sh");
  vt_test::WriteFile(worker, "#!/bin/sh\nprintf %s \"$4\" > '" + seen + "'\nexit " +
                                 std::to_string(kWorkerOutOfMemory) + "\n");
  ::chmod(worker.c_str(), 0755);
  SetWorkerExecutable(worker);

  THistoryList list;
  std::string message;
  TSourceStatus status = ssOk;
  auto collect = [&]() {
    return CollectWebCache(file, list, "ie", "IE / 旧版 Edge", "alice\\WebCache",
                           TWebCacheFilter(), message, status);
  };
  EXPECT_EQ(collect(), 0);
  const int64_t size = vt_test::ReadFile(file).size();
  EXPECT_EQ(vt_test::ReadFile(seen), std::to_string(WorkerMemoryLimit(size)));
  EXPECT_EQ(status, ssParseError);
  EXPECT_EQ(message, Format("解析子进程内存不足（上限 %d MB），该浏览器数据无法提取",
                            static_cast<int>(WorkerMemoryLimit(size) >> 20)));

  SetWorkerMemoryLimit(64 * 1024);
  EXPECT_EQ(collect(), 0);
  EXPECT_EQ(vt_test::ReadFile(seen), "65536");
  EXPECT_EQ(message, "解析子进程内存不足（上限 1 MB），该浏览器数据无法提取");
  EXPECT_TRUE(vt_test::ListNames(tmp.Path()).empty());
  SetWorkerMemoryLimit(0);
  SetWorkerExecutable(std::string());
}
