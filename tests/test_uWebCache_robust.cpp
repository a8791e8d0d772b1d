// The parent side of the WebCache source against workers that crash, hang,
// misbehave in their folder or write garbage: the source fails with its
// message, nothing outside the temporary folder is touched and nothing is
// left in it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "uUtil.h"
#include "uWebCache.h"
#include "webcache_sample.h"

using vt_test::TempFolder;

namespace {

bool StartsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

bool EndsWith(const std::string& s, const std::string& p) {
  return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

class WebCacheRobust : public ::testing::Test {
 protected:
  void SetUp() override {
    FTmpEnv = std::make_unique<vt_test::EnvOverride>("TMPDIR", FTemp.Path());
    vt_test::WriteFile(FSource.Sub("WebCacheV01.dat"), vt_test::EseLike("not really a database"));
    vt_test::WriteFile(FSource.Sub("V01.log"), "log");
  }
  void TearDown() override {
    SetWorkerExecutable(std::string());
    SetWorkerTimeoutMs(120000);
  }

  // A worker script: $2 is the snapshot folder, $3 the result file.
  void UseWorker(const std::string& body) {
    const std::string path = FScripts.Sub("worker" + IntToStr(++FScriptCount) + ".sh");
    vt_test::WriteFile(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    SetWorkerExecutable(path);
  }
  // A worker that copies `tsv` to the result file and succeeds.
  void UseResult(const std::string& tsv) {
    const std::string fixture = FScripts.Sub("result" + IntToStr(FScriptCount) + ".tsv");
    vt_test::WriteFile(fixture, tsv);
    UseWorker("cp '" + fixture + "' \"$3\"");
  }

  int32_t Collect() {
    FList.Clear();
    return CollectWebCache(FSource.Sub("WebCacheV01.dat"), FList, "ie", "IE / 旧版 Edge",
                           "alice\\WebCache", TWebCacheFilter(), FMessage, FStatus);
  }
  void ExpectAbnormalExit() {
    EXPECT_EQ(FStatus, ssParseError);
    EXPECT_TRUE(StartsWith(FMessage, "解析子进程异常退出（代码 ")) << FMessage;
    EXPECT_TRUE(EndsWith(FMessage, "），该浏览器数据无法提取")) << FMessage;
    EXPECT_EQ(FMessage.find("（代码 0）"), std::string::npos) << FMessage;
    EXPECT_EQ(FList.Count(), 0);
  }
  std::vector<std::string> TempLeft() const { return vt_test::ListNames(FTemp.Path()); }

  TempFolder FTemp, FSource, FScripts, FOutside;
  std::unique_ptr<vt_test::EnvOverride> FTmpEnv;
  int FScriptCount = 0;
  THistoryList FList;
  std::string FMessage;
  TSourceStatus FStatus = ssOk;
};

}  // namespace

TEST_F(WebCacheRobust, CrashedWorkerCostsTheSourceAndItsFiles) {
  // Killed by a signal before writing anything.
  UseWorker("kill -SEGV $$");
  EXPECT_EQ(Collect(), 0);
  ExpectAbnormalExit();
  EXPECT_EQ(TempLeft(), std::vector<std::string>());

  // A complete result file does not make a crash a success.
  UseWorker("printf '1600000000\\thttps://a.example/\\tA\\n' > \"$3\"; kill -KILL $$");
  EXPECT_EQ(Collect(), 0);
  ExpectAbnormalExit();
  EXPECT_EQ(TempLeft(), std::vector<std::string>());

  // A crash that leaves a deep engine folder with read-only files behind.
  UseWorker(
      "mkdir -p \"$2/ese_work/a/b/c\" && echo x > \"$2/ese_work/a/b/c/f.log\" &&"
      " chmod 444 \"$2/ese_work/a/b/c/f.log\" && echo y > \"$2/ese_work/edb.chk\" &&"
      " echo partial > \"$3\"; kill -ABRT $$");
  EXPECT_EQ(Collect(), 0);
  ExpectAbnormalExit();
  EXPECT_EQ(TempLeft(), std::vector<std::string>());
}

TEST_F(WebCacheRobust, HungWorkerThatIgnoresTerminationIsStopped) {
  UseWorker("trap '' TERM INT HUP; mkdir \"$2/ese_work\"; while :; do sleep 1; done");
  SetWorkerTimeoutMs(800);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Collect(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_EQ(FMessage, "解析子进程异常退出（代码 259），该浏览器数据无法提取");
  EXPECT_EQ(TempLeft(), std::vector<std::string>());
}

// Clearing the snapshot folder removes what is in it, never what a link in
// it points at.
TEST_F(WebCacheRobust, CleanUpDoesNotFollowLinksOutOfTheSnapshot) {
  const TempFolder& precious = FOutside;
  vt_test::WriteFile(precious.Sub("keep.txt"), "keep");
  vt_test::WriteFile(precious.Sub("sub/keep2.txt"), "keep");
  UseWorker("mkdir -p \"$2/ese_work\" && ln -s '" + precious.Path() + "' \"$2/ese_work/link\" &&"
            " ln -s '" + precious.Sub("keep.txt") + "' \"$2/filelink\"; exit 1");
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ(FStatus, ssParseError);
  EXPECT_TRUE(vt_test::Exists(precious.Sub("keep.txt")));
  EXPECT_TRUE(vt_test::Exists(precious.Sub("sub/keep2.txt")));
  EXPECT_EQ(TempLeft(), std::vector<std::string>());
}

// The snapshot folder, a folder in it and the result file replaced by links
// while the worker runs: each link goes, never what it points at.
TEST_F(WebCacheRobust, CleanUpUnlinksWhatWasSwappedForLinks) {
  const TempFolder& precious = FOutside;
  vt_test::WriteFile(precious.Sub("keep.txt"), "keep");
  vt_test::WriteFile(precious.Sub("sub/keep2.txt"), "keep");
  UseWorker("rm -rf \"$2\" && ln -s '" + precious.Path() + "' \"$2\"; exit 1");
  EXPECT_EQ(Collect(), 0);
  UseWorker("mkdir -p \"$2/ese_work\" && rm -rf \"$2/ese_work\" && ln -s '" + precious.Sub("sub") +
            "' \"$2/ese_work\" && ln -s '" + precious.Sub("keep.txt") + "' \"$3\"; exit 0");
  EXPECT_EQ(Collect(), 0);
  EXPECT_EQ("keep", vt_test::ReadFile(precious.Sub("keep.txt")));
  EXPECT_EQ("keep", vt_test::ReadFile(precious.Sub("sub/keep2.txt")));
  EXPECT_EQ(TempLeft(), std::vector<std::string>());
}

// The run's snapshot folder is its own alone, whatever the umask.
TEST_F(WebCacheRobust, SnapshotFolderIsPrivate) {
  const std::string seen = FScripts.Sub("mode");
  UseWorker("stat -c %a \"$2\" > '" + seen + "'; exit 1");
  const mode_t oldMask = ::umask(0);
  Collect();
  ::umask(oldMask);
  EXPECT_EQ("700\n", vt_test::ReadFile(seen));
  EXPECT_EQ(TempLeft(), std::vector<std::string>());
}

TEST_F(WebCacheRobust, GarbageResultFileIsReadSafely) {
  std::string tsv = "\xEF\xBB\xBF";
  tsv += "1600000000\thttps://ok.example/\tfine\n";
  tsv += std::string(3000000, 'x') + "\tnot a line\n";  // 3 MB of junk
  tsv += "99999999999999999999\thttps://overflow.example/\tx\n";
  tsv += "1600000001\thttps://nul.example/" + std::string("\0", 1) + "x\tt" + std::string("\0", 1) + "t\n";
  tsv += "1600000002\thttps://bad.example/\xFF\xFE\t\xC3\x28\xE2\x82\n";
  tsv += "1600000003\thttps://big.example/\t" + std::string(1000000, '\xE5') + "\n";
  tsv += "1600000004\thttps://long.example/\t";
  for (int i = 0; i < 100000; ++i) tsv += "\xF0\x9F\x98\x80";  // astral characters
  tsv += "\r1600000005\thttps://cr.example/\tcr";
  UseResult(tsv);
  EXPECT_GE(Collect(), 2);
  EXPECT_EQ(FStatus, ssOk) << FMessage;
  bool ok = false, cr = false;
  for (int32_t i = 0; i < FList.Count(); ++i) {
    const THistoryRecord& r = FList.Items()[static_cast<size_t>(i)];
    EXPECT_NE(r.Url, "https://overflow.example/");
    EXPECT_TRUE(IsWebUrl(r.Url)) << r.Url;
    EXPECT_LE(Utf16Length(r.Title), 300u) << r.Url;
    EXPECT_EQ(Utf8BytesToString(r.Title), r.Title) << "malformed UTF-8 in the title of " << r.Url;
    EXPECT_EQ(Utf8BytesToString(r.Url), r.Url) << "malformed UTF-8 in " << r.Url;
    ok = ok || r.Url == "https://ok.example/";
    cr = cr || r.Url == "https://cr.example/";
  }
  EXPECT_TRUE(ok && cr);
  EXPECT_EQ(TempLeft(), std::vector<std::string>());
}
