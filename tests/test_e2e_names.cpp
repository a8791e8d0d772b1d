// Names on the disk cannot forge output: a profile folder whose name holds
// escape sequences and a line break cannot write on the console or add a
// row or a log entry, and one whose name is not UTF-8 leaves every report
// valid UTF-8 while its store is still read by its real name.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uUtil.h"

namespace {

using vt_test::StoreVisit;

const std::string kForged =
    "Profile \x1B[2J\x1B[31mFAKE\nGoogle Chrome   mallory\\Default   \xE5\xB7\xB2\xE9\x87\x87\xE9\x9B"
    "\x86   99999";
const std::string kNotUtf8 = "Profile \xFF\xFE";

size_t CountOf(const std::string& hay, const std::string& needle) {
  size_t n = 0;
  for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + 1)) ++n;
  return n;
}

bool IsUtf8(const std::string& s) { return Utf8BytesToString(s) == s; }

class Names : public testing::Test {
 protected:
  void SetUp() override {
    vt_test::MakeDirs(tmpDir_);
    for (const std::string& profile : {std::string("Default"), kForged, kNotUtf8}) {
      std::vector<StoreVisit> visits;
      for (int i = 0; i < 5; ++i)
        visits.push_back({"https://n" + std::to_string(i) + ".example/", "页 " + std::to_string(i),
                          vt_test::ChromeTime(1700000000 + i)});
      alice_.AddChrome(profile, visits);
    }
  }

  vt_test::RunResult Run(const std::vector<std::string>& args) {
    return vt_test::RunVisitrail(args, {{"USERPROFILE", alice_.Root()},
                                        {"USERNAME", "alice"},
                                        {"-APPDATA", ""},
                                        {"-LOCALAPPDATA", ""},
                                        {"TMPDIR", tmpDir_},
                                        {"TZ", "UTC"}});
  }

  vt_test::TempFolder root_;
  vt_test::UserFolder alice_{root_.Sub("Users"), "alice"};
  const std::string tmpDir_ = root_.Sub("tmp");
};

}  // namespace

TEST_F(Names, FolderNamesCannotWriteOnTheConsoleOrTheLog) {
  const std::string log = root_.Sub("run.log");
  const vt_test::RunResult r = Run({"/list", "/src:chrome", "/log:" + log});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_EQ(r.Out.find('\x1B'), std::string::npos) << r.Out;
  EXPECT_TRUE(IsUtf8(r.Out));
  // Three sources, three rows; the forged row is part of one profile's text.
  EXPECT_EQ(CountOf(r.Out, "已采集"), 3u + 1u) << r.Out;  // the forged name shows its own
  for (const std::string& line : r.Lines())
    EXPECT_NE(line.rfind("Google Chrome   mallory", 0), 0u) << line;
  EXPECT_NE(r.Out.find("\\x1B[2J\\x1B[31mFAKE\\x0AGoogle Chrome"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("Profile \xEF\xBF\xBD\xEF\xBF\xBD"), std::string::npos) << r.Out;

  const std::string text = vt_test::ReadFile(log);
  EXPECT_EQ(text.find('\x1B'), std::string::npos);
  EXPECT_TRUE(IsUtf8(text));
  // Every line of the log is an entry of its own: it starts with its time.
  size_t lines = 0;
  for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1, ++lines)
    EXPECT_TRUE(text.compare(at, 2, "20") == 0) << text.substr(at, 80);
  EXPECT_GT(lines, 3u);
}

TEST_F(Names, EveryReportStaysUtf8AndTheStoresAreRead) {
  for (const char* format : {"json", "jsonl", "csv", "html"}) {
    SCOPED_TRACE(format);
    const std::string out = root_.Sub(std::string("r.") + format);
    const vt_test::RunResult r =
        Run({"/src:chrome", std::string("/format:") + format, "/out:" + out});
    ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
    const std::string report = vt_test::ReadFile(out);
    EXPECT_TRUE(IsUtf8(report));
    EXPECT_EQ(report.find("\xFF\xFE"), std::string::npos);
    EXPECT_NE(report.find("Profile \xEF\xBF\xBD\xEF\xBF\xBD"), std::string::npos);
    if (std::string(format) == "json") {
      EXPECT_NE(report.find("\"total\":15"), std::string::npos);
      // A strict parser takes the whole document.
      const std::string cmd =
          "python3 -c 'import json,sys; json.loads(open(sys.argv[1],\"rb\").read().decode(\"utf-8\"))' '" +
          out + "'";
      std::FILE* p = popen(cmd.c_str(), "r");
      ASSERT_NE(p, nullptr);
      EXPECT_EQ(pclose(p), 0);
    }
  }
}
