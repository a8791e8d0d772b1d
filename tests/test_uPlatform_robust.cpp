// Copies and clean-up in the shared temporary folder must not be redirected
// by a name someone else prepared there.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "uPlatform.h"

TEST(PlatformRobust, CopyNeverWritesThroughALink) {
  vt_test::TempFolder t;
  vt_test::WriteFile(t.Sub("src.db"), "history bytes");
  vt_test::WriteFile(t.Sub("victim.txt"), "precious");
  ASSERT_EQ(::symlink(t.Sub("victim.txt").c_str(), t.Sub("dst.db").c_str()), 0);
  ASSERT_EQ(::symlink(t.Sub("nowhere.txt").c_str(), t.Sub("dangling.db").c_str()), 0);
  uint32_t code = 0;
  plat::CopyFileShared(t.Sub("src.db"), t.Sub("dst.db"), code);
  plat::CopyFileBackup(t.Sub("src.db"), t.Sub("dangling.db"), code);
  EXPECT_EQ(vt_test::ReadFile(t.Sub("victim.txt")), "precious");
  EXPECT_FALSE(vt_test::Exists(t.Sub("nowhere.txt")));

  // A file of our own under the name is replaced, and the copy is private.
  vt_test::WriteFile(t.Sub("mine.db"), "an older and longer snapshot");
  ::chmod(t.Sub("mine.db").c_str(), 0644);
  ASSERT_TRUE(plat::CopyFileShared(t.Sub("src.db"), t.Sub("mine.db"), code));
  EXPECT_EQ(vt_test::ReadFile(t.Sub("mine.db")), "history bytes");
  struct stat st;
  ASSERT_EQ(::stat(t.Sub("mine.db").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// The clean-up of the run's folders: a link anywhere, the root included, is
// removed as a link and what it points at stays.
TEST(PlatformRobust, RemoveTreeUnlinksLinksAndNeverFollowsThem) {
  vt_test::TempFolder t, outside;
  vt_test::WriteFile(outside.Sub("keep.txt"), "precious");
  vt_test::WriteFile(outside.Sub("sub/keep2.txt"), "precious");
  vt_test::WriteFile(t.Sub("snap/WebCacheV01.dat"), "db");
  vt_test::WriteFile(t.Sub("snap/nested/deeper/edb.log"), "log");
  ASSERT_EQ(0, ::symlink(outside.Path().c_str(), t.Sub("snap/nested/folder-link").c_str()));
  ASSERT_EQ(0, ::symlink(outside.Sub("keep.txt").c_str(), t.Sub("snap/file-link").c_str()));
  ASSERT_EQ(0, ::symlink(outside.Path().c_str(), t.Sub("root-link").c_str()));
  ASSERT_EQ(0, ::symlink(t.Sub("nowhere").c_str(), t.Sub("dangling").c_str()));

  EXPECT_TRUE(plat::RemoveTree(t.Sub("snap")));
  EXPECT_TRUE(plat::RemoveTree(t.Sub("root-link")));
  EXPECT_TRUE(plat::RemoveTree(t.Sub("dangling")));
  EXPECT_TRUE(plat::RemoveTree(t.Sub("never-there")));
  EXPECT_EQ(std::vector<std::string>(), vt_test::ListNames(t.Path()));
  EXPECT_EQ("precious", vt_test::ReadFile(outside.Sub("keep.txt")));
  EXPECT_EQ("precious", vt_test::ReadFile(outside.Sub("sub/keep2.txt")));
}

// The run's folders and result files are the owner's alone, made new, and
// never reached through a name someone else prepared.
TEST(PlatformRobust, PrivateFoldersAndFilesAreNewAndTheOwnersAlone) {
  vt_test::TempFolder t;
  const mode_t oldMask = ::umask(022);
  uint32_t code = 0;
  ASSERT_TRUE(plat::CreatePrivateDir(t.Sub("run"), code));
  struct stat st;
  ASSERT_EQ(0, ::stat(t.Sub("run").c_str(), &st));
  EXPECT_EQ(0700u, st.st_mode & 0777);
  EXPECT_FALSE(plat::CreatePrivateDir(t.Sub("run"), code));
  EXPECT_EQ(plat::kErrFileExists, code);
  vt_test::WriteFile(t.Sub("elsewhere/keep.txt"), "precious");
  ASSERT_EQ(0, ::symlink(t.Sub("elsewhere").c_str(), t.Sub("planted").c_str()));
  EXPECT_FALSE(plat::CreatePrivateDir(t.Sub("planted"), code));

  ASSERT_EQ(0, ::symlink(t.Sub("elsewhere/keep.txt").c_str(), t.Sub("run/result.tsv").c_str()));
  std::FILE* f = plat::CreatePrivateFile(t.Sub("run/result.tsv"), code);
  ASSERT_NE(nullptr, f);
  EXPECT_EQ(3u, std::fwrite("abc", 1, 3, f));
  EXPECT_EQ(0, std::fclose(f));
  EXPECT_EQ("abc", vt_test::ReadFile(t.Sub("run/result.tsv")));
  EXPECT_EQ("precious", vt_test::ReadFile(t.Sub("elsewhere/keep.txt")));
  ASSERT_EQ(0, ::lstat(t.Sub("run/result.tsv").c_str(), &st));
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(0600u, st.st_mode & 0777);
  EXPECT_EQ(nullptr, plat::CreatePrivateFile(t.Sub("missing/result.tsv"), code));
  EXPECT_EQ(plat::kErrFileNotFound, code);
  ::umask(oldMask);
}
