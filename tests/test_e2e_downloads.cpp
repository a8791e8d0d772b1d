// Downloads through the real binary: the console's count line and the
// source table's downloads column, /list alike, and the JSON report's
// "downloads" after "records", /limit leaving them whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"

using namespace vt_test;

namespace {

constexpr int64_t kT = 1760000000;

class DownloadRun : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeDirs(FTmp);
    UserFolder alice(FBase.Path(), "alice");
    FHome = alice.Root();
    std::vector<StoreVisit> visits;
    for (int i = 0; i < 5; ++i)
      visits.push_back({"https://v" + std::to_string(i) + ".example/", "V", ChromeTime(kT - i)});
    const std::string h = alice.AddChrome("Default", visits);
    StoreDownload d;
    d.Chain = {"https://a.example/get", "https://cdn.example/a,b.zip"};
    d.Path = "C:\\Users\\alice\\Downloads\\a,b.zip";
    d.RawStart = ChromeTime(kT);
    d.Received = d.Total = 4096;
    d.State = 1;
    StoreDownload c = d;
    c.Chain = {"https://b.example/big.iso"};
    c.Path = "C:\\Users\\alice\\Downloads\\big.iso";
    c.RawStart = ChromeTime(kT + 60);
    c.State = 2;
    c.Total = 0;
    AddChromeDownloads(h, {d, c});
  }
  void TearDown() override { EXPECT_EQ(ListNames(FTmp), std::vector<std::string>()); }
  RunResult Run(const std::vector<std::string>& args) {
    return RunVisitrail(args, {{"USERPROFILE", FHome}, {"USERNAME", "alice"}, {"TMPDIR", FTmp},
                               {"TZ", "UTC"}});
  }

  TempFolder FBase;
  std::string FHome;
  std::string FTmp = FBase.Path() + "/tmp";
};

}  // namespace

TEST_F(DownloadRun, ConsoleCountAndColumn) {
  const std::string out = FBase.Path() + "/r.json";
  RunResult r = Run({"/format:json", "/out:" + out});
  ASSERT_EQ(r.ExitCode, 0) << r.Out;
  EXPECT_NE(r.Out.find("采集完成：5 条记录，1 个数据源\n下载记录：2 个文件\n"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("条数     下载\n"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("已采集                5        2\n"), std::string::npos) << r.Out;

  r = Run({"/list"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_NE(r.Out.find("条数     下载\n"), std::string::npos) << r.Out;
  EXPECT_EQ(r.Out.find("下载记录："), std::string::npos);
}

TEST_F(DownloadRun, JsonKeyAfterRecordsNewestFirstAndWholeUnderLimit) {
  RunResult r = Run({"/format:json", "/limit:2"});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const std::string want =
      "\"downloads\":[[\"2025-10-09 08:54:20\",\"Google Chrome\",\"alice\\\\Default\","
      "\"C:\\\\Users\\\\alice\\\\Downloads\\\\big.iso\",\"https://b.example/big.iso\",-1,\"已取消\"],"
      "[\"2025-10-09 08:53:20\",\"Google Chrome\",\"alice\\\\Default\","
      "\"C:\\\\Users\\\\alice\\\\Downloads\\\\a,b.zip\",\"https://cdn.example/a,b.zip\",4096,"
      "\"完成\"]]}";
  ASSERT_GE(r.Out.size(), want.size());
  EXPECT_EQ(r.Out.substr(r.Out.size() - want.size()), want);
  EXPECT_NE(r.Out.find("],\"downloads\":[["), std::string::npos);  // right after "records"

  // The include word names one file and no visit: the report still lists
  // that download (and ends with no visits). CSV stays the visits.
  r = Run({"/format:json", "/include:zip"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_NE(r.Out.find("\"records\":[],\"downloads\":[[\"2025-10-09 08:53:20\""), std::string::npos)
      << r.Out;
  EXPECT_EQ(r.Out.find("big.iso"), std::string::npos);
  r = Run({"/format:csv"});
  EXPECT_EQ(r.Out.find("big.iso"), std::string::npos);
}
