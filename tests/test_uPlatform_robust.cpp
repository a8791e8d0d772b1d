// Copies into the shared temporary folder must not be redirected by a name
// someone else prepared there.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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
