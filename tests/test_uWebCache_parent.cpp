#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <memory>

#include "TestSupport.h"
#include "uUtil.h"
#include "uWebCache.h"
#include "webcache_sample.h"

using vt_test::TempFolder;

namespace {

// Taken while the program starts, before any test shortens the limit (and
// every test's clean-up puts 120 s back, which would hide a wrong default).
const uint32_t kBuiltInWorkerTimeoutMs = WorkerTimeoutMs();

// Runs CollectWebCache against a WebCache folder with a stand-in worker, in a
// private temporary folder that must be empty again afterwards.
class WebCacheParent : public ::testing::Test {
 protected:
  void SetUp() override {
    FTmpEnv = std::make_unique<vt_test::EnvOverride>("TMPDIR", FTemp.Path());
    vt_test::WriteFile(FSource.Sub("WebCacheV01.dat"), vt_test::EseLike("not really a database"));
  }
  void TearDown() override {
    SetWorkerExecutable(std::string());
    SetWorkerTimeoutMs(120000);
  }

  // A worker script: $2 is the snapshot folder, $3 the result file.
  std::string Worker(const std::string& body) {
    const std::string path = FScripts.Sub("worker" + IntToStr(++FScriptCount) + ".sh");
    vt_test::WriteFile(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  // A worker that copies `tsv` to the result file and succeeds.
  void WorkerWriting(const std::string& tsv) {
    const std::string fixture = FScripts.Sub("fixture" + IntToStr(FScriptCount) + ".tsv");
    vt_test::WriteFile(fixture, tsv);
    SetWorkerExecutable(Worker("cp '" + fixture + "' \"$3\""));
  }

  int32_t Collect(const TWebCacheFilter& filter = TWebCacheFilter()) {
    return CollectWebCache(FSource.Sub("WebCacheV01.dat"), FList, "ie", "IE / 旧版 Edge",
                           "alice\\WebCache", filter, FMessage, FStatus);
  }
  const THistoryRecord& Rec(int i) const { return FList.Items()[static_cast<size_t>(i)]; }
  bool TempIsEmpty() const { return vt_test::ListNames(FTemp.Path()).empty(); }

  TempFolder FTemp, FSource, FScripts;
  std::unique_ptr<vt_test::EnvOverride> FTmpEnv;
  int FScriptCount = 0;
  THistoryList FList;
  std::string FMessage;
  TSourceStatus FStatus = ssOk;
};

}  // namespace

TEST_F(WebCacheParent, SnapshotTakesTheDatabaseAndLogsOnly) {
  vt_test::WriteFile(FSource.Sub("V01.log"), "log");
  vt_test::WriteFile(FSource.Sub("V01tmp.LOG"), "log");
  vt_test::WriteFile(FSource.Sub("V01.chk"), "chk");
  vt_test::WriteFile(FSource.Sub("WebCacheV01.jfm"), "jfm");
  vt_test::MakeDirs(FSource.Sub("folder.log"));
  TempFolder target;
  uint32_t code = 99;
  ASSERT_TRUE(SnapshotWebCacheFolder(FSource.Path(), target.Sub("snap/deep"), code));
  EXPECT_EQ(vt_test::ListNames(target.Sub("snap/deep")),
            (std::vector<std::string>{"V01.log", "V01tmp.LOG", "WebCacheV01.dat"}));
  EXPECT_EQ(vt_test::ReadFile(target.Sub("snap/deep/WebCacheV01.dat")),
            vt_test::EseLike("not really a database"));

  TempFolder empty;
  EXPECT_FALSE(SnapshotWebCacheFolder(empty.Path(), target.Sub("other"), code));
  EXPECT_EQ(code, 2u);
}

TEST_F(WebCacheParent, ReadsTheResultFileLineByLine) {
  WorkerWriting(
      "\xEF\xBB\xBF" "1600000000\thttps://a.example/x\tTitle A\n"
      "1600000001\thttp://b.example/\t\r\n"
      "1600000002\t  FTP://C.example/\tT\twith\ttabs\r"
      "1600000003\tfile:///C:/x.txt\tF  \x01 x\n"
      "no tab at all\n"
      "1600000004\thttps://one.tab.example/\n"
      "abc\thttps://bad.time/\tx\n"
      "0\thttps://zero.time/\tx\n"
      "-5\thttps://negative.time/\tx\n"
      "1600000005\tjavascript:void(0)\tx\n"
      "1600000006\tres://ieframe.dll/x\tx\n"
      "1600000007\tabout:blank\tx\n"
      "1600000008\t\tno url\n"
      "1600000009\tmailto:x@y.example\tx");
  EXPECT_EQ(Collect(), 4);
  EXPECT_EQ(FStatus, ssOk);
  EXPECT_EQ(FMessage, "");
  ASSERT_EQ(FList.Count(), 4);
  EXPECT_EQ(Rec(0).Url, "https://a.example/x");  // the line behind the byte-order mark
  EXPECT_EQ(Rec(0).Title, "Title A");
  EXPECT_EQ(Rec(0).VisitUnix, 1600000000);
  EXPECT_EQ(Rec(0).BrowserId(), "ie");
  EXPECT_EQ(Rec(0).BrowserName(), "IE / 旧版 Edge");
  EXPECT_EQ(Rec(0).Profile(), "alice\\WebCache");
  EXPECT_EQ(Rec(1).Url, "http://b.example/");
  EXPECT_EQ(Rec(1).Title, "");
  EXPECT_EQ(Rec(2).Url, "  FTP://C.example/");
  EXPECT_EQ(Rec(2).Title, "T\twith\ttabs");  // everything after the second TAB
  EXPECT_EQ(Rec(3).Title, "F  x");            // cleaned
  EXPECT_TRUE(TempIsEmpty());
}

TEST_F(WebCacheParent, TimeWindowIncludesStartExcludesEnd) {
  WorkerWriting(
      "99\thttps://a.example/\t\n100\thttps://b.example/\t\n"
      "199\thttps://c.example/\t\n200\thttps://d.example/\t\n");
  TWebCacheFilter f;
  f.FromUnix = 100;
  f.ToUnix = 200;
  EXPECT_EQ(Collect(f), 2);
  EXPECT_EQ(Rec(0).Url, "https://b.example/");
  EXPECT_EQ(Rec(1).Url, "https://c.example/");

  f.FromUnix = 300;
  f.ToUnix = 0;  // no end
  EXPECT_EQ(Collect(f), 0);
  EXPECT_EQ(FStatus, ssEmpty);
  EXPECT_EQ(FMessage, "时间范围内无记录");
}

TEST_F(WebCacheParent, IncludeExcludeAndPrivacy) {
  WorkerWriting(
      "1\thttps://www.shop.example/item?q=needle\tShop\n"
      "2\thttps://news.example/\tThe NEEDLE news\n"
      "3\thttps://shop.example/?q=needle\tBare\n"
      "4\thttps://other.example/\tNothing\n");
  const std::vector<std::string> include = {"Needle"};
  const std::vector<std::string> exclude = {"*.shop.example"};
  TWebCacheFilter f;
  f.Include = &include;
  f.Privacy = true;
  EXPECT_EQ(Collect(f), 3);
  // The keyword is seen in the full address, then the query goes.
  EXPECT_EQ(Rec(0).Url, "https://www.shop.example/item");
  EXPECT_EQ(Rec(1).Url, "https://news.example/");
  EXPECT_EQ(Rec(2).Url, "https://shop.example/");

  FList.Clear();
  f.Exclude = &exclude;
  f.Privacy = false;
  EXPECT_EQ(Collect(f), 2);
  EXPECT_EQ(Rec(0).Url, "https://news.example/");
  EXPECT_EQ(Rec(1).Url, "https://shop.example/?q=needle");  // the bare domain stays
}

TEST_F(WebCacheParent, WorkerFailures) {
  SetWorkerExecutable("/bin/false");
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_EQ(FMessage, "解析子进程异常退出（代码 1），该浏览器数据无法提取");
  EXPECT_TRUE(TempIsEmpty());

  SetWorkerExecutable(Worker("exit 0"));
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_EQ(FMessage, "解析子进程未产生结果");
  EXPECT_TRUE(TempIsEmpty());

  SetWorkerExecutable(FScripts.Sub("no_such_program"));
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_EQ(FMessage, "无法启动解析子进程（" + SysErrorText(2) + "）");
  EXPECT_TRUE(TempIsEmpty());

  // A worker that wrote part of its file and then failed is not read.
  SetWorkerExecutable(Worker("echo '1600000000\thttps://a.example/\tx' > \"$3\"; exit 3"));
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ(FMessage, "解析子进程异常退出（代码 3），该浏览器数据无法提取");
  EXPECT_EQ(FList.Count(), 0);
  EXPECT_TRUE(TempIsEmpty());
}

TEST(WebCacheWorkerLimit, BuiltInLimitIsTwoMinutes) {
  EXPECT_EQ(kBuiltInWorkerTimeoutMs, 120000u);
}

TEST_F(WebCacheParent, HungWorkerIsStoppedAndCleanedUp) {
  SetWorkerExecutable(Worker("touch \"$2/ese_work_marker\"; exec sleep 30"));
  SetWorkerTimeoutMs(1000);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Collect(), 0);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(10));
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_EQ(FMessage, "解析子进程异常退出（代码 259），该浏览器数据无法提取");
  EXPECT_TRUE(TempIsEmpty());
}

TEST_F(WebCacheParent, SnapshotFailures) {
  EXPECT_EQ(CollectWebCache(FScripts.Sub("no_db/WebCacheV01.dat"), FList, "ie", "IE / 旧版 Edge",
                            "alice\\WebCache", TWebCacheFilter(), FMessage, FStatus),
            0);
  EXPECT_EQ(FStatus, ssLocked);
  EXPECT_EQ(FMessage, "复制 WebCache 快照失败：" + SysErrorText(2));
  EXPECT_TRUE(TempIsEmpty());

  // A temporary folder that takes no snapshot is named with the system's
  // reason; the store is not to blame.
  vt_test::WriteFile(FScripts.Sub("file"), "x");
  {
    vt_test::EnvOverride badTmp("TMPDIR", FScripts.Sub("file/tmp"));
    EXPECT_EQ(Collect(), 0);
  }
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_EQ(FMessage, "临时文件夹不可写：" + FScripts.Sub("file/tmp") + "（" + SysErrorText(3) + "）");

  if (::geteuid() == 0) return;  // root reads everything
  ::chmod(FSource.Sub("WebCacheV01.dat").c_str(), 0);
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ(FStatus, ssNoPermission);
  EXPECT_EQ(FMessage, "无权限读取 WebCache（需管理员权限）");
  EXPECT_TRUE(TempIsEmpty());
}

TEST_F(WebCacheParent, RealWorkerOnTheSample) {
  if (!vt_test::Exists(VISITRAIL_EXE)) GTEST_SKIP() << "Visitrail binary not built";
  VT_REQUIRE_WEBCACHE_SAMPLE(file, FSource.Path());
  SetWorkerExecutable(VISITRAIL_EXE);
  EXPECT_EQ(Collect(), 27) << FMessage;
  EXPECT_EQ(FStatus, ssOk);
  for (int i = 0; i < FList.Count(); ++i) EXPECT_TRUE(IsWebUrl(Rec(i).Url)) << Rec(i).Url;
  EXPECT_TRUE(TempIsEmpty());
}
