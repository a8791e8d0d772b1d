// Standard output is for redirection: a run whose standard output is a
// terminal and that names no /out writes its report under its default name
// instead of pouring it onto the screen; redirected, the report goes to
// standard output as ever.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

namespace {

using vt_test::StoreVisit;

// Runs a shell command and returns what it printed.
std::string Shell(const std::string& cmd) {
  std::string out;
  std::FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  pclose(p);
  return out;
}

class Terminal : public testing::Test {
 protected:
  void SetUp() override {
    vt_test::MakeDirs(tmpDir_);
    vt_test::MakeDirs(cwd_);
    std::vector<StoreVisit> visits;
    for (int i = 0; i < 4; ++i)
      visits.push_back({"https://t" + std::to_string(i) + ".example/", "页",
                        vt_test::ChromeTime(1700000000 + i)});
    alice_.AddChrome("Default", visits);
  }

  // Visitrail with `args`, from folder `cwd`, its standard output a
  // terminal (`script` gives it a pseudo-terminal) or a pipe.
  std::string Run(const std::string& cwd, const std::string& args, bool terminal) {
    const std::string env = "cd '" + cwd + "' && env USERPROFILE='" + alice_.Root() +
                            "' USERNAME=alice TMPDIR='" + tmpDir_ + "' TZ=UTC ";
    const std::string exe = std::string("'") + VISITRAIL_EXE + "' " + args;
    if (!terminal) return Shell(env + exe + " 2>/dev/null");
    return Shell(env + "script -qec \"" + exe + "\" /dev/null 2>/dev/null");
  }

  vt_test::TempFolder root_;
  vt_test::UserFolder alice_{root_.Sub("Users"), "alice"};
  const std::string tmpDir_ = root_.Sub("tmp");
  const std::string cwd_ = root_.Sub("work");
};

bool HasReportNamed(const std::vector<std::string>& names, const std::string& ext) {
  for (const std::string& n : names)
    if (n.rfind("Visitrail_Report_", 0) == 0 && n.size() > ext.size() &&
        n.compare(n.size() - ext.size(), ext.size(), ext) == 0)
      return true;
  return false;
}

}  // namespace

TEST_F(Terminal, ATerminalGetsTheReportsPathNotTheReport) {
  if (Shell("command -v script").empty()) GTEST_SKIP() << "no script(1) for a pseudo-terminal";
  const std::string out = Run(cwd_, "/src:chrome", true);
  EXPECT_EQ(out.find("<!DOCTYPE"), std::string::npos) << out.substr(0, 200);
  EXPECT_NE(out.find("报告已生成：" + cwd_ + "/Visitrail_Report_"), std::string::npos) << out;
  EXPECT_TRUE(HasReportNamed(vt_test::ListNames(cwd_), ".html"));

  const std::string json = Run(cwd_, "/src:chrome /format:json", true);
  EXPECT_NE(json.find("JSON 报告已生成："), std::string::npos) << json;
  EXPECT_TRUE(HasReportNamed(vt_test::ListNames(cwd_), ".json"));

  // A folder that cannot be written sends it to the temporary folder.
  const std::string fallback = Run("/proc", "/src:chrome", true);
  EXPECT_NE(fallback.find("报告已生成：" + tmpDir_ + "/Visitrail_Report_"), std::string::npos)
      << fallback;
  EXPECT_TRUE(HasReportNamed(vt_test::ListNames(tmpDir_), ".html"));
}

TEST_F(Terminal, RedirectedTheReportStillGoesToStandardOutput) {
  const std::string out = Run(cwd_, "/src:chrome /format:json", false);
  EXPECT_EQ(out.rfind("{", 0), 0u) << out.substr(0, 200);
  EXPECT_NE(out.find("\"total\":4"), std::string::npos);
  EXPECT_TRUE(vt_test::ListNames(cwd_).empty());
}
