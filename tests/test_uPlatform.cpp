#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <vector>

#include "FileReaderChecks.h"
#include "MonitorTurns.h"
#include "TestSupport.h"
#include "uPlatform.h"

using vt_test::TempFolder;

TEST(Platform, FilesFoldersAndCaseResolution) {
  TempFolder t;
  EXPECT_TRUE(plat::CreateDirs(t.Sub("Users/alice/AppData/Local")));
  vt_test::WriteFile(t.Sub("Users/alice/AppData/Local/x.db"), "abc");
  EXPECT_TRUE(plat::DirExists(t.Sub("Users/alice")));
  EXPECT_FALSE(plat::FileExists(t.Sub("Users/alice")));
  EXPECT_TRUE(plat::FileExists(t.Sub("Users/alice/AppData/Local/x.db")));
  EXPECT_EQ(3, plat::FileSize(t.Sub("Users/alice/AppData/Local/x.db")));
  EXPECT_EQ(-1, plat::FileSize(t.Sub("nothing")));

  // A Windows disk mounted on Linux may spell folders in another case.
  EXPECT_EQ(t.Sub("Users/alice/AppData/Local"),
            plat::ResolvePathCase(t.Sub("Users/alice/appdata/LOCAL")));
  EXPECT_EQ(t.Sub("Users/alice/AppData/Local/x.db"),
            plat::ResolvePathCase(t.Sub("users/ALICE/AppData/local/X.DB")));
  EXPECT_EQ(t.Sub("Users/alice/AppData/Roaming"),
            plat::ResolvePathCase(t.Sub("Users/alice/AppData/Roaming")));
  // Nothing to find: the path comes back as written.
  EXPECT_EQ(t.Sub("Users/alice/AppData/Local/none/x.db"),
            plat::ResolvePathCase(t.Sub("Users/alice/AppData/Local/none/x.db")));
  EXPECT_EQ(t.Sub("USERS/bob"), plat::ResolvePathCase(t.Sub("USERS/bob")));
  {
    const std::string cwd = plat::CurrentDir();
    ASSERT_EQ(::chdir(t.Path().c_str()), 0);
    EXPECT_EQ("Users/alice/AppData", plat::ResolvePathCase("users/alice/APPDATA"));
    EXPECT_EQ("nothing/here", plat::ResolvePathCase("nothing/here"));
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
  }

  std::vector<plat::DirEntry> entries;
  ASSERT_TRUE(plat::ListDir(t.Sub("Users/alice/AppData/Local"), entries));
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ("x.db", entries[0].Name);
  EXPECT_FALSE(entries[0].IsDir);
  EXPECT_FALSE(plat::ListDir(t.Sub("missing"), entries));
}

TEST(Platform, CopiesReportWindowsErrorCodes) {
  TempFolder t;
  vt_test::WriteFile(t.Sub("src.bin"), std::string(200000, 'x'));
  uint32_t code = 99;
  EXPECT_TRUE(plat::CopyFileShared(t.Sub("src.bin"), t.Sub("dst.bin"), code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(std::string(200000, 'x'), vt_test::ReadFile(t.Sub("dst.bin")));

  EXPECT_FALSE(plat::CopyFileShared(t.Sub("missing"), t.Sub("d2"), code));
  EXPECT_EQ(plat::kErrFileNotFound, code);
  EXPECT_FALSE(plat::CopyFileBackup(t.Sub("src.bin"), t.Sub("no/such/dir/d3"), code));
  EXPECT_EQ(plat::kErrFileNotFound, code);
  EXPECT_FALSE(plat::CopyFileShared(t.Path(), t.Sub("d4"), code));
  EXPECT_EQ(plat::kErrNotRegularFile, code);
  EXPECT_FALSE(vt_test::Exists(t.Sub("d4")));
  EXPECT_EQ("拒绝访问。", plat::SystemErrorMessage(5));

  // Into another file system (the temporary folder on a RAM disk, a
  // mounted Windows disk), where the kernel will not share blocks: every
  // byte arrives, past the first megabyte too.
  struct stat here {}, there {};
  if (::stat(t.Path().c_str(), &here) == 0 && ::stat("/dev/shm", &there) == 0 &&
      here.st_dev != there.st_dev) {
    std::string bytes(3 << 20, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    vt_test::WriteFile(t.Sub("big.bin"), bytes);
    const std::string target = "/dev/shm/vt_copy_test_" + std::to_string(::getpid());
    EXPECT_TRUE(plat::CopyFileShared(t.Sub("big.bin"), target, code));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(vt_test::ReadFile(target) == bytes);
    ::unlink(target.c_str());
  }
  EXPECT_EQ("", plat::SystemErrorMessage(123456));
}

TEST(Platform, EnvironmentExpansionAndProfiles) {
  vt_test::EnvOverride a("VT_TEST_DRIVE", "/mnt/c");
  EXPECT_EQ("/mnt/c/Users/bob", plat::ExpandEnvStrings("%VT_TEST_DRIVE%/Users/bob"));
  EXPECT_EQ("%VT_UNSET_NAME%/x", plat::ExpandEnvStrings("%VT_UNSET_NAME%/x"));
  EXPECT_EQ("100%", plat::ExpandEnvStrings("100%"));

  TempFolder t;
  plat::CreateDirs(t.Sub("Users/alice"));
  plat::CreateDirs(t.Sub("Users/bob"));
  vt_test::WriteFile(t.Sub("Users/readme.txt"), "x");
  std::vector<std::string> folders;
  ASSERT_TRUE(plat::ListProfileFolders(t.Sub("Users/alice/"), folders));
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ((std::vector<std::string>{t.Sub("Users/alice"), t.Sub("Users/bob")}), folders);
}

TEST(Platform, PathsAndTemp) {
  EXPECT_EQ("/abs/x", plat::AbsolutePath("/abs/x"));
  EXPECT_EQ(plat::CurrentDir() + "/out/r.html", plat::AbsolutePath("./out/r.html"));
  vt_test::EnvOverride tmp("TMPDIR", "/var/tmp");
  EXPECT_EQ("/var/tmp/", plat::TempDir());
}

TEST(Platform, SpawnReportsExitCodesFailuresAndTimeouts) {
  int32_t exitCode = 0;
  uint32_t err = 0;
  ASSERT_TRUE(plat::SpawnAndWait("/bin/sh", {"-c", "exit 3"}, 5000, exitCode, err));
  EXPECT_EQ(3, exitCode);

  EXPECT_FALSE(plat::SpawnAndWait("/no/such/program", {}, 5000, exitCode, err));
  EXPECT_EQ(plat::kErrFileNotFound, err);

  // A child still running at the limit is stopped and reported as still active.
  const int64_t start = plat::NowUnixMillis();
  ASSERT_TRUE(plat::SpawnAndWait("/bin/sleep", {"30"}, 300, exitCode, err));
  EXPECT_EQ(259, exitCode);
  EXPECT_LT(plat::NowUnixMillis() - start, 10000);

  // Killed by a signal: reported as a failure code, never as 0.
  ASSERT_TRUE(plat::SpawnAndWait("/bin/sh", {"-c", "kill -9 $$"}, 5000, exitCode, err));
  EXPECT_EQ(128 + 9, exitCode);
}

TEST(Platform, EmbeddedTemplateIsPresent) {
  std::string data;
  ASSERT_TRUE(plat::LoadEmbeddedResource("REPORTTPL", data));
  EXPECT_NE(std::string::npos, data.find("__DATA__"));
  EXPECT_FALSE(plat::LoadEmbeddedResource("NOPE", data));
}

// Windows command lines split the way the program's own runtime does.
TEST(CommandLine, QuotesGroupAndBackslashesStayLiteral) {
  using V = std::vector<std::string>;
  // A folder that ends in a backslash keeps it, and the next option stays
  // an option of its own (the C runtime would join the two).
  EXPECT_EQ((V{"C:\\vt\\Visitrail.exe", "/out:D:\\My Reports\\", "/format:json"}),
            plat::SplitCommandLine("\"C:\\vt\\Visitrail.exe\" /out:\"D:\\My Reports\\\" /format:json"));
  EXPECT_EQ((V{"a", "", "b c", "x\\\\y"}), plat::SplitCommandLine("  a \"\"\t\"b c\"  x\\\\y\r\n"));
  EXPECT_EQ((V{"ab cd"}), plat::SplitCommandLine("a\"b c\"d"));  // quotes inside a word
  EXPECT_EQ((V{"open quote to the end "}), plat::SplitCommandLine("\"open quote to the end "));
  EXPECT_EQ(V{}, plat::SplitCommandLine(" \t "));
  EXPECT_EQ((V{"张三", "/title:周报"}), plat::SplitCommandLine("张三 /title:周报"));
}

TEST(CommandLine, BuiltLinesSplitBackIntoTheSameArguments) {
  const std::vector<std::string> worker = {"C:\\Program Files\\vt\\Visitrail.exe", "/worker:dump",
                                           "C:\\Users\\张三\\AppData\\Local\\Temp\\vt_webcache_1_2\\",
                                           "C:\\Users\\张三\\AppData\\Local\\Temp\\vt_webcache_1_2.tsv"};
  std::string line;
  ASSERT_TRUE(plat::BuildCommandLine(worker, line));
  EXPECT_EQ("\"C:\\Program Files\\vt\\Visitrail.exe\" \"/worker:dump\" "
            "\"C:\\Users\\张三\\AppData\\Local\\Temp\\vt_webcache_1_2\\\" "
            "\"C:\\Users\\张三\\AppData\\Local\\Temp\\vt_webcache_1_2.tsv\"",
            line);
  EXPECT_EQ(worker, plat::SplitCommandLine(line));
  const std::vector<std::string> odd = {"", " lead", "trail\\\\", "tab\there"};
  ASSERT_TRUE(plat::BuildCommandLine(odd, line));
  EXPECT_EQ(odd, plat::SplitCommandLine(line));
  // A double quote cannot be carried: refused rather than passed mangled.
  EXPECT_FALSE(plat::BuildCommandLine({"a\"b"}, line));
  EXPECT_EQ("", line);
}

TEST(uPlatformThreads, TasksRunSideBySideAndTheFirstErrorInTaskOrderIsRaised) {
  EXPECT_GE(plat::ProcessorCount(), 1);
  // Two tasks that each wait for the other to have started can only end
  // when they run at the same time.
  std::atomic<int> started{0};
  std::vector<int> done(3, 0);
  auto meet = [&](int i) {
    return [&, i]() {
      ++started;
      for (int spins = 0; started.load() < 2 && spins < 200000000; ++spins) {
      }
      done[static_cast<size_t>(i)] = started.load() >= 2 ? 1 : -1;
    };
  };
  plat::RunTogether({meet(0), meet(1), [&]() { done[2] = 1; }});
  EXPECT_EQ(done, (std::vector<int>{1, 1, 1}));

  std::atomic<int> ran{0};
  try {
    plat::RunTogether({[&]() { ++ran; },
                       [&]() {
                         ++ran;
                         throw std::runtime_error("second");
                       },
                       [&]() {
                         ++ran;
                         throw std::logic_error("third");
                       }});
    ADD_FAILURE() << "no error raised";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "second");
  }
  EXPECT_EQ(ran.load(), 3);  // every task ran to its end first
  plat::RunTogether({});
}

TEST(uPlatformThreads, TasksTakeTurnsThroughAMonitor) {
  EXPECT_EQ(vt_test::TakeTurnsThroughAMonitor(2000), 4000);
}

TEST(Platform, FileReaderReadsAnyOffsetFromTwoThreads) {
  TempFolder tmp;
  std::string content;
  for (int i = 0; i < 300000; ++i) content += static_cast<char>((i * 131 + i / 7) & 0xFF);
  vt_test::WriteFile(tmp.Sub("r.bin"), content);
  EXPECT_EQ(vt_test::CheckFileReader(tmp.Sub("r.bin"), content), "");
}
