// Whole runs where a user's store is no store: a pipe, an endless device,
// gigabytes of zeros, a profile list that never ends. Each costs only its
// own source, named with its reason; the run ends well inside the store
// time limit, writes nothing big into the temporary folder, and reports
// the sound profile beside it whole.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uUtil.h"

namespace {

using vt_test::RunResult;
using vt_test::StoreVisit;

constexpr int64_t kT0 = 1700000000;  // 2023-11-14 22:13:20 UTC
constexpr int kGoodVisits = 7;

std::vector<StoreVisit> Visits(int n, bool firefox) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i)
    v.push_back({"https://good" + std::to_string(i) + ".example/", "Good " + std::to_string(i),
                 firefox ? vt_test::FirefoxTime(kT0 + i) : vt_test::ChromeTime(kT0 + i)});
  return v;
}

// The source object of the JSON report whose browser and profile are
// given, up to its "ok" field; empty when there is none.
std::string SourceOf(const std::string& json, const std::string& name, const std::string& profile) {
  const std::string key = "{\"name\":\"" + name + "\",\"profile\":\"" + profile + "\"";
  const size_t at = json.find(key);
  if (at == std::string::npos) return std::string();
  return json.substr(at, json.find("\"ok\":", at) - at);
}

// A plain string field of a source object (the texts here hold no escapes).
std::string Field(const std::string& obj, const std::string& key) {
  const std::string marker = "\"" + key + "\":\"";
  const size_t at = obj.find(marker);
  if (at == std::string::npos) return "<missing>";
  const size_t from = at + marker.size();
  return obj.substr(from, obj.find('"', from) - from);
}

class NonFileStores : public testing::Test {
 protected:
  void SetUp() override { vt_test::MakeDirs(tmpDir_); }
  void TearDown() override {
    EXPECT_EQ(vt_test::ListNames(tmpDir_), std::vector<std::string>()) << "left behind";
  }

  // A JSON report to a file. The run is ended after 60 s (the store time
  // limit) whatever it does, and may write no file beyond 32 MB: a copy of
  // an endless or huge store would fail on that instead of filling the disk.
  RunResult Run() {
    const auto start = std::chrono::steady_clock::now();
    const RunResult r = vt_test::RunVisitrail(
        {"/format:json", "/out:" + report_},
        {{"USERPROFILE", alice_.Root()},
         {"USERNAME", "alice"},
         {"-APPDATA", ""},
         {"-LOCALAPPDATA", ""},
         {"TMPDIR", tmpDir_},
         {"TZ", "UTC"}},
        std::string(), {"timeout", "60", "sh", "-c", "ulimit -f 65536; exec \"$0\" \"$@\""});
    took_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
  }

  // The run ended by itself, soon, with the report written and the sound
  // profile in it whole; the bad source failed with `reason`.
  void ExpectBadSourceOnly(const RunResult& r, const std::string& name,
                           const std::string& profile, const std::string& reason,
                           const std::string& goodName, const std::string& goodProfile) {
    ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
    EXPECT_LT(took_, 10.0);
    ASSERT_TRUE(vt_test::Exists(report_));
    const std::string json = vt_test::ReadFile(report_);
    const std::string bad = SourceOf(json, name, profile);
    EXPECT_EQ(Field(bad, "state"), "parseerror") << json.substr(0, 2000);
    EXPECT_EQ(Field(bad, "status"), "解析失败");
    EXPECT_EQ(Field(bad, "msg"), reason);
    EXPECT_NE(bad.find("\"count\":0,"), std::string::npos) << bad;
    const std::string good = SourceOf(json, goodName, goodProfile);
    EXPECT_EQ(Field(good, "state"), "ok") << json.substr(0, 2000);
    EXPECT_NE(good.find("\"count\":" + std::to_string(kGoodVisits) + ","), std::string::npos)
        << good;
    EXPECT_NE(json.find("\"total\":" + std::to_string(kGoodVisits) + ","), std::string::npos);
  }

  std::string BadHistory() const {
    const std::string dir = alice_.Local("Google/Chrome/User Data/Default");
    vt_test::MakeDirs(dir);
    return dir + "/History";
  }

  vt_test::TempFolder root_;
  vt_test::UserFolder alice_{root_.Sub("Users"), "alice"};
  const std::string tmpDir_ = root_.Sub("tmp");
  const std::string report_ = root_.Sub("out/r.json");
  double took_ = 0;
};

}  // namespace

// Opening a pipe without writer for reading waits for one for ever, unless
// it is opened without waiting; the WebCache database is taken the same way.
TEST_F(NonFileStores, NamedPipeHangsNothing) {
  alice_.AddChrome("Good", Visits(kGoodVisits, false));
  ASSERT_EQ(::mkfifo(BadHistory().c_str(), 0600), 0);
  const std::string webcache = alice_.Local("Microsoft/Windows/WebCache");
  vt_test::MakeDirs(webcache);
  ASSERT_EQ(::mkfifo((webcache + "/WebCacheV01.dat").c_str(), 0600), 0);
  const RunResult r = Run();
  ExpectBadSourceOnly(r, "Google Chrome", "alice\\\\Default", kNotRegularFileText,
                      "Google Chrome", "alice\\\\Good");
  const std::string ie = SourceOf(vt_test::ReadFile(report_), "IE / 旧版 Edge", "alice\\\\WebCache");
  EXPECT_EQ(Field(ie, "msg"), std::string("WebCache 库：") + kNotRegularFileText) << ie;
}

TEST_F(NonFileStores, LinkToAnEndlessDeviceCopiesNothing) {
  if (!vt_test::Exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
  alice_.AddChrome("Good", Visits(kGoodVisits, false));
  ASSERT_EQ(::symlink("/dev/zero", BadHistory().c_str()), 0);
  const RunResult r = Run();
  ExpectBadSourceOnly(r, "Google Chrome", "alice\\\\Default", kNotRegularFileText,
                      "Google Chrome", "alice\\\\Good");
}

// Three gigabytes of zeros (a hole that costs no disk): the first bytes
// say it is no database, and none of the rest is copied or read.
TEST_F(NonFileStores, GigabytesOfZerosAreRefusedByTheirHead) {
  alice_.AddChrome("Good", Visits(kGoodVisits, false));
  const std::string history = BadHistory();
  vt_test::WriteFile(history, "");
  if (::truncate(history.c_str(), off_t{3} << 30) != 0)
    GTEST_SKIP() << "the file system takes no sparse file of 3 GB";
  const RunResult r = Run();
  ExpectBadSourceOnly(r, "Google Chrome", "alice\\\\Default", "文件不是数据库", "Google Chrome",
                      "alice\\\\Good");
}

// The profile list is read within a bound: one that never ends is no file
// and one past a megabyte is too long; the Profiles folder is read anyway.
TEST_F(NonFileStores, ProfileListThatNeverEndsIsNotRead) {
  if (!vt_test::Exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
  alice_.AddFirefox("good.default", Visits(kGoodVisits, true));
  const std::string ini = alice_.Roaming("Mozilla/Firefox/profiles.ini");
  ASSERT_EQ(::unlink(ini.c_str()), 0);
  ASSERT_EQ(::symlink("/dev/zero", ini.c_str()), 0);
  RunResult r = Run();
  ExpectBadSourceOnly(r, "Mozilla Firefox", "alice",
                      std::string("profiles.ini ") + kNotRegularFileText + "，未读取",
                      "Mozilla Firefox", "alice\\\\good.default");

  ASSERT_EQ(::unlink(ini.c_str()), 0);
  vt_test::WriteFile(ini, "[Profile0]\nPath=Profiles/good.default\n" + std::string(1 << 20, ';'));
  r = Run();
  ExpectBadSourceOnly(r, "Mozilla Firefox", "alice", "profiles.ini 文件过大（超过 1 MB），未读取",
                      "Mozilla Firefox", "alice\\\\good.default");
}
