// Whole runs over the users of a machine: the real accounts of a Unix
// system, the running user's name when the environment has none, and a
// user folder that may not be listed.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

namespace {

using vt_test::RunResult;

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  for (const auto& l : lines)
    if (l == line) return true;
  return false;
}

bool StartsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

}  // namespace

TEST(UsersRun, AllUsersAreAccountsNeverSystemFolders) {
  const passwd* me = ::getpwuid(::geteuid());
  ASSERT_NE(me, nullptr);
  vt_test::TempFolder tmp;
  // No USERPROFILE: a Unix home, whose users are the accounts. /src makes
  // every user show the folder that was looked at.
  const RunResult r = vt_test::RunVisitrail(
      {"/user:all", "/list", "/src:chrome", "/out:" + tmp.Sub("r.html")},
      {{"-USERPROFILE", ""}, {"-APPDATA", ""}, {"-USERNAME", ""}, {"-USER", ""},
       {"HOME", me->pw_dir}, {"TMPDIR", tmp.Path()}});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  int users = 0;
  for (const std::string& l : r.Lines()) {
    if (StartsWith(l, "扫描范围：全部用户（")) users = std::stoi(l.substr(std::string("扫描范围：全部用户（").size()));
    if (!StartsWith(l, "    /")) continue;
    for (const char* sys : {"/etc", "/proc", "/sys", "/usr", "/bin", "/sbin", "/dev", "/run",
                            "/var", "/boot", "/lib"})
      EXPECT_FALSE(StartsWith(l, std::string("    ") + sys + "/")) << l;
  }
  EXPECT_GE(users, 1) << r.Out;
  // The running user comes first (/out keeps the console lines)., named from the user database.
  const std::string firstRow = std::string("Google Chrome  ") + me->pw_name;
  bool found = false;
  for (const std::string& l : r.Lines()) found = found || StartsWith(l, firstRow);
  EXPECT_TRUE(found) << r.Out;

  const RunResult cur = vt_test::RunVisitrail(
      {"/list", "/out:" + tmp.Sub("r.html")}, {{"-USERNAME", ""}, {"-USER", ""}, {"TMPDIR", tmp.Path()}});
  EXPECT_TRUE(Has(cur.Lines(), std::string("扫描范围：当前用户 ") + me->pw_name)) << cur.Out;
}

TEST(UsersRun, AUserFolderThatCannotBeListedIsNoPermission) {
  std::vector<std::string> prefix;
  if (::geteuid() == 0) {
    // root lists everything: run the binary as "nobody" instead.
    if (!vt_test::Exists("/usr/bin/setpriv") && !vt_test::Exists("/bin/setpriv"))
      GTEST_SKIP() << "running as root and setpriv (util-linux) is missing";
    prefix = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  }
  vt_test::TempFolder base;
  vt_test::TempFolder tmp;
  vt_test::UserFolder alice(base.Path(), "alice");
  vt_test::UserFolder bob(base.Path(), "bob");
  bob.AddChrome("Default", {{"https://bob.example/", "b", vt_test::ChromeTime(1700000000)}});
  ::chmod(base.Path().c_str(), 0755);
  ::chmod(alice.Root().c_str(), 0755);
  ::chmod(tmp.Path().c_str(), 0777);
  ASSERT_EQ(::chmod(bob.Root().c_str(), 0700), 0);
  if (prefix.empty()) {
    ASSERT_EQ(::chmod(bob.Root().c_str(), 0), 0);
  }

  const RunResult r = vt_test::RunVisitrail(
      {"/user:all", "/list", "/src:chrome,firefox", "/out:" + tmp.Sub("r.html")},
      {{"USERPROFILE", alice.Root()}, {"USERNAME", "alice"}, {"TMPDIR", tmp.Path()}}, "", prefix);
  ::chmod(bob.Root().c_str(), 0755);
  if (r.ExitCode == 126 || r.ExitCode == 127)
    GTEST_SKIP() << "the binary cannot be started as an unprivileged user: " << r.Err;
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_TRUE(Has(r.Lines(), "警告: 无法读取用户 bob 的文件夹（权限不足）：" + bob.Root())) << r.Out;
  int denied = 0, missing = 0;
  for (const std::string& l : r.Lines()) {
    if (l.find(" bob ") == std::string::npos || StartsWith(l, "警告")) continue;
    denied += l.find("权限不足") != std::string::npos;
    missing += l.find("未安装/无库") != std::string::npos;
  }
  EXPECT_EQ(denied, 2) << r.Out;  // Chrome and Firefox, each "权限不足"
  EXPECT_EQ(missing, 0) << r.Out;
}
