// A root run that finds no temporary folder only root can change copies
// nothing: it stops with its reason and exit code 4. Run in a mount
// namespace of its own, whose /tmp is open to everyone without the sticky
// bit (as is the TMPDIR it is given).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

namespace {

// The shell command's status, or -1 when it could not run.
int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace

TEST(RootRunFolder, NoSafeTemporaryFolderMeansNothingIsCopied) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root";
  if (Shell("unshare -m --propagation private true 2>/dev/null") != 0)
    GTEST_SKIP() << "no mount namespace can be made here";
  if (std::string(VISITRAIL_EXE).compare(0, 5, "/tmp/") == 0)
    GTEST_SKIP() << "the program lies in the /tmp the test replaces";
  vt_test::TempFolder root;
  vt_test::UserFolder alice(root.Sub("Users"), "alice");
  alice.AddChrome("Default", {{"https://example.com/", "Example", 1767225600}});
  const std::string out = root.Sub("out");
  vt_test::MakeDirs(out);
  // /tmp and TMPDIR both writable by everyone, neither sticky; the test's
  // folder (itself in /tmp) is seen at /mnt meanwhile. What is left in /tmp
  // afterwards is listed before the namespace (and its /tmp) ends.
  auto seen = [&root](const std::string& path) { return "/mnt" + path.substr(root.Path().size()); };
  const std::string script =
      "mount --bind " + Quoted(root.Path()) + " /mnt && mount -t tmpfs -o mode=0777 none /tmp && "
      "USERPROFILE=" + Quoted(seen(alice.Root())) + " USERNAME=alice TMPDIR=/tmp " +
      Quoted(VISITRAIL_EXE) + " /src:chrome /format:json /out:" + Quoted(seen(out) + "/r.json") +
      " >" + Quoted(seen(out) + "/stdout") + " 2>&1; echo $? >" + Quoted(seen(out) + "/rc") +
      "; ls -A /tmp >" + Quoted(seen(out) + "/left");
  vt_test::WriteFile(root.Sub("run.sh"), script + "\n");
  ASSERT_EQ(0, Shell("unshare -m --propagation private sh " + Quoted(root.Sub("run.sh"))));
  EXPECT_EQ("4\n", vt_test::ReadFile(out + "/rc"));
  const std::string said = vt_test::ReadFile(out + "/stdout");
  EXPECT_NE(std::string::npos, said.find("无法建立安全的临时工作文件夹，未复制任何数据")) << said;
  EXPECT_EQ("", vt_test::ReadFile(out + "/left"));
  EXPECT_FALSE(vt_test::Exists(out + "/r.json"));
}
