// Downloads of Chromium and Firefox stores, read beside the visits through
// TCollector::Collect over synthetic user folders.
#include <gtest/gtest.h>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uUtil.h"

using namespace vt_test;

namespace {

constexpr int64_t kT = 1760000000;  // 2025-10-09 08:53:20 UTC

struct Result {
  THistoryList List;
  TSourceList Sources;
  TDownloadList Downloads;
  const TSourceInfo& Src(int i) const { return Sources.Items()[i]; }
  const TDownloadRecord& Dl(int i) const { return Downloads.Items()[i]; }
};

class Downloads : public ::testing::Test {
 protected:
  Downloads() : FTmpEnv("TMPDIR", FTmp.Path()) {}
  void TearDown() override { EXPECT_TRUE(ListNames(FTmp.Path()).empty()); }

  void Collect(Result& r, const UserFolder& user, int64_t from = 0, int64_t to = 0,
               const std::vector<std::string>& include = {},
               const std::vector<std::string>& exclude = {}, bool privacy = false) {
    TCollector c(r.List, r.Sources, nullptr, from, to);
    c.SetDownloadList(&r.Downloads);
    c.SetKeywordFilter(&include, &exclude);
    c.SetPrivacy(privacy);
    c.Collect({TUserProfile{user.Name(), user.Root(), false}});
  }

  TempFolder FBase;

 private:
  TempFolder FTmp;
  EnvOverride FTmpEnv;
};

StoreDownload ChromeDl(const std::vector<std::string>& chain, const std::string& path,
                       int64_t unix, int state, int64_t received, int64_t total) {
  StoreDownload d;
  d.Chain = chain;
  d.Path = path;
  d.RawStart = ChromeTime(unix);
  d.RawEnd = ChromeTime(unix + 5);
  d.State = state;
  d.Received = received;
  d.Total = total;
  d.Referrer = "https://ref.example/page?r=1";
  d.TabUrl = "https://tab.example/";
  d.Mime = "application/zip";
  return d;
}

const std::vector<StoreVisit> kVisits = {{"https://a.example/", "A", ChromeTime(kT)},
                                         {"https://b.example/", "B", ChromeTime(kT - 60)}};

}  // namespace

TEST_F(Downloads, ChromiumEveryStateRedirectChainAndFields) {
  UserFolder u(FBase.Path(), "alice");
  const std::string h = u.AddChrome("Default", kVisits);
  AddChromeDownloads(h, {ChromeDl({"https://x.example/get?id=1", "https://cdn.example/f.zip"},
                                  "C:\\Users\\alice\\Downloads\\f.zip", kT, 1, 2048, 2048),
                         ChromeDl({"https://x.example/p"}, "/tmp/p.bin", kT + 1, 0, 10, 100),
                         ChromeDl({"https://x.example/c"}, "/tmp/c.bin", kT + 2, 2, 10, 0),
                         ChromeDl({"https://x.example/i"}, "/tmp/i.bin", kT + 3, 4, 10, 50),
                         ChromeDl({"https://x.example/o"}, "/tmp/o.bin", kT + 4, 3, 0, 0),
                         ChromeDl({"https://x.example/u"}, "/tmp/u.bin", kT + 5, 9, 0, 0)});
  Result r;
  Collect(r, u);
  ASSERT_EQ(r.Sources.Count(), 1);
  EXPECT_EQ(r.Src(0).Status, ssOk);
  EXPECT_EQ(r.Src(0).Count, 2);  // the visits are untouched
  EXPECT_EQ(r.Src(0).Downloads, 6);
  EXPECT_EQ(r.Src(0).Message, "");
  ASSERT_EQ(r.Downloads.Count(), 6);

  const TDownloadRecord& f = r.Dl(0);
  EXPECT_EQ(f.Url, "https://cdn.example/f.zip");  // the end of the chain
  EXPECT_EQ(f.OriginalUrl, "https://x.example/get?id=1");
  EXPECT_EQ(f.Path, "C:\\Users\\alice\\Downloads\\f.zip");
  EXPECT_EQ(f.StartUnix, kT);
  EXPECT_EQ(f.EndUnix, kT + 5);
  EXPECT_EQ(f.Bytes(), 2048);
  EXPECT_EQ(f.MimeType, "application/zip");
  EXPECT_EQ(f.Referrer, "https://ref.example/page?r=1");
  EXPECT_EQ(f.TabUrl, "https://tab.example/");
  EXPECT_EQ(f.BrowserName(), "Google Chrome");
  EXPECT_EQ(f.Profile(), "alice\\Default");

  const TDownloadState states[] = {dsComplete, dsInProgress, dsCancelled,
                                   dsInterrupted, dsInterrupted, dsUnknown};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.Dl(i).State, states[i]) << i;
  EXPECT_EQ(r.Dl(1).Bytes(), 100);  // the expected total of a running download
  EXPECT_EQ(r.Dl(2).Bytes(), -1);   // cancelled, total never known
}

TEST_F(Downloads, ChromiumOlderSchemaReadsWithTheMissingFieldsEmpty) {
  UserFolder u(FBase.Path(), "bob");
  const std::string h = u.AddChrome("Default", kVisits);
  ExecSql(h, "DROP TABLE IF EXISTS downloads");
  StoreDownload old = ChromeDl({"http://old.example/setup.exe"}, "C:\\dl\\setup.exe", kT, 1, 77, 77);
  old.RawStart = kT;  // stores of 2011 kept download times in Unix seconds
  AddChromeDownloads(h, {old}, /*legacy=*/true);
  Result r;
  Collect(r, u);
  ASSERT_EQ(r.Downloads.Count(), 1);
  const TDownloadRecord& d = r.Dl(0);
  EXPECT_EQ(d.Url, "http://old.example/setup.exe");
  EXPECT_EQ(d.Path, "C:\\dl\\setup.exe");
  EXPECT_EQ(d.State, dsComplete);
  EXPECT_EQ(d.StartUnix, kT);
  EXPECT_EQ(d.Bytes(), 77);
  EXPECT_EQ(d.EndUnix, 0);
  EXPECT_EQ(d.MimeType, "");
  EXPECT_EQ(d.DangerType, -1);
  EXPECT_EQ(r.Src(0).Message, "");
}

TEST_F(Downloads, DamagedDownloadsTableNeverCostsTheVisits) {
  UserFolder u(FBase.Path(), "carol");
  const std::string h = u.AddChrome("Default", kVisits);
  AddChromeDownloads(h, {ChromeDl({"https://x.example/a"}, "/tmp/a", kT, 1, 1, 1)});
  DamageTable(h, "downloads");
  Result r;
  Collect(r, u);
  ASSERT_EQ(r.Sources.Count(), 1);
  EXPECT_EQ(r.Src(0).Status, ssOk);
  EXPECT_EQ(r.Src(0).Count, 2);
  EXPECT_EQ(r.List.Count(), 2);
  EXPECT_EQ(r.Downloads.Count(), 0);
  EXPECT_EQ(r.Src(0).Message.rfind("下载记录读取中断：", 0), 0u) << r.Src(0).Message;
}

// A downloads "table" that is a view over an endless query, and a chain
// table that is a virtual table: neither is run, each is named, and the
// visits are read as usual.
TEST_F(Downloads, ViewsAndVirtualTablesAreRefusedByName) {
  UserFolder u(FBase.Path(), "carl");
  const std::string h = u.AddChrome("Default", kVisits);
  AddChromeDownloads(h, {ChromeDl({"https://x.example/a"}, "/tmp/a", kT, 1, 1, 1)});
  ExecSql(h, "DROP TABLE downloads; CREATE VIEW downloads AS WITH RECURSIVE c(x) AS "
             "(SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x AS id FROM c;");
  Result r;
  Collect(r, u);
  ASSERT_EQ(r.Sources.Count(), 1);
  EXPECT_EQ(r.Src(0).Status, ssOk);
  EXPECT_EQ(r.List.Count(), 2);
  EXPECT_EQ(r.Downloads.Count(), 0);
  EXPECT_EQ(r.Src(0).Message, "下载记录结构异常：downloads 不是数据表");

  UserFolder v(FBase.Path(), "cleo");
  const std::string h2 = v.AddChrome("Default", kVisits);
  AddChromeDownloads(h2, {ChromeDl({"https://x.example/a"}, "/tmp/a", kT, 1, 1, 1)});
  ExecSql(h2, "DROP TABLE downloads_url_chains; "
              "CREATE VIRTUAL TABLE downloads_url_chains USING fts4(id, chain_index, url);");
  Result r2;
  Collect(r2, v);
  EXPECT_EQ(r2.List.Count(), 2);
  EXPECT_EQ(r2.Src(0).Message, "下载记录结构异常：downloads_url_chains 不是数据表");
}

TEST_F(Downloads, StoreWithoutDownloadsTableHasNoneAndNoMessage) {
  UserFolder u(FBase.Path(), "dave");
  u.AddChrome("Default", kVisits);
  Result r;
  Collect(r, u);
  EXPECT_EQ(r.Downloads.Count(), 0);
  EXPECT_EQ(r.Src(0).Message, "");
  EXPECT_EQ(r.Src(0).Downloads, 0);
}

TEST_F(Downloads, FirefoxDestinationAndMetaData) {
  UserFolder u(FBase.Path(), "erin");
  const std::string p = u.AddFirefox("abcd.default", {{"https://a.example/", "A",
                                                       FirefoxTime(kT)}});
  StoreDownload done;
  done.Chain = {"https://get.example/%E6%8A%A5%E5%91%8A.pdf"};
  done.Path = "file:///C:/Users/erin/Downloads/%E6%8A%A5%E5%91%8A%202025.pdf";
  done.RawStart = FirefoxTime(kT);
  done.RawEnd = (kT + 3) * 1000;
  done.Total = 4096;
  done.State = 1;
  StoreDownload cancelled = done;
  cancelled.Chain = {"https://get.example/big.iso"};
  cancelled.Path = "file:///home/erin/Downloads/big.iso";
  cancelled.RawStart = FirefoxTime(kT + 10);
  cancelled.State = 3;
  cancelled.Total = 0;
  StoreDownload bare = done;  // the downloads view never wrote its outcome
  bare.Chain = {"https://get.example/bare.txt"};
  bare.Path = "file:///home/erin/Downloads/a+b%25.txt";
  bare.RawStart = FirefoxTime(kT + 20);
  bare.State = -1;
  AddFirefoxDownloads(p, {done, cancelled, bare});

  Result r;
  Collect(r, u);
  ASSERT_EQ(r.Downloads.Count(), 3);
  EXPECT_EQ(r.Src(0).Downloads, 3);
  EXPECT_EQ(r.Src(0).Count, 1);
  const TDownloadRecord& d = r.Dl(0);
  EXPECT_EQ(d.Path, "C:\\Users\\erin\\Downloads\\报告 2025.pdf");
  EXPECT_EQ(d.Url, "https://get.example/%E6%8A%A5%E5%91%8A.pdf");
  EXPECT_EQ(d.StartUnix, kT);
  EXPECT_EQ(d.EndUnix, kT + 3);
  EXPECT_EQ(d.State, dsComplete);
  EXPECT_EQ(d.Bytes(), 4096);
  EXPECT_EQ(d.Profile(), "erin\\abcd.default");
  EXPECT_EQ(r.Dl(1).State, dsCancelled);
  EXPECT_EQ(r.Dl(1).Path, "/home/erin/Downloads/big.iso");
  EXPECT_EQ(r.Dl(2).State, dsUnknown);
  EXPECT_EQ(r.Dl(2).Bytes(), -1);
  EXPECT_EQ(r.Dl(2).Path, "/home/erin/Downloads/a+b%.txt");  // "+" is no blank in a path
}

TEST_F(Downloads, FiltersWindowIncludeExcludeAndPrivacy) {
  UserFolder u(FBase.Path(), "fay");
  const std::string h = u.AddChrome("Default", kVisits);
  AddChromeDownloads(h, {ChromeDl({"https://keep.example/r?token=1"}, "/d/report.pdf", kT, 1, 1, 1),
                         ChromeDl({"https://ads.bad.example/x"}, "/d/report-ad.pdf", kT, 1, 1, 1),
                         ChromeDl({"https://keep.example/other"}, "/d/photo.jpg", kT, 1, 1, 1),
                         ChromeDl({"https://keep.example/r"}, "/d/report-old.pdf", kT - 7200, 1,
                                  1, 1),
                         ChromeDl({"https://keep.example/r"}, "/d/report-new.pdf", kT + 7200, 1,
                                  1, 1)});
  Result r;
  // Window [kT - 3600, kT + 3600); "REPORT" matches the file name in any
  // case; the bad host's subdomains are excluded.
  Collect(r, u, kT - 3600, kT + 3600, {"REPORT"}, {"*.bad.example"}, /*privacy=*/true);
  ASSERT_EQ(r.Downloads.Count(), 1);
  EXPECT_EQ(r.Dl(0).Path, "/d/report.pdf");
  EXPECT_EQ(r.Dl(0).Url, "https://keep.example/r");
  EXPECT_EQ(r.Dl(0).Referrer, "https://ref.example/page");  // every address loses its query
  EXPECT_EQ(r.Src(0).Downloads, 1);

  // The include word may name the address instead.
  Result byAddress;
  Collect(byAddress, u, 0, 0, {"photo"}, {});
  ASSERT_EQ(byAddress.Downloads.Count(), 1);
  Result byHost;
  Collect(byHost, u, 0, 0, {"keep.example/other"}, {});
  ASSERT_EQ(byHost.Downloads.Count(), 1);
}

TEST(DownloadHelpers, StateMapsAndMetaDataFields) {
  EXPECT_EQ(DownloadStateLabel(dsComplete), "完成");
  EXPECT_EQ(DownloadStateLabel(dsInProgress), "进行中");
  EXPECT_EQ(DownloadStateLabel(dsCancelled), "已取消");
  EXPECT_EQ(DownloadStateLabel(dsInterrupted), "中断");
  EXPECT_EQ(DownloadStateLabel(dsUnknown), "未知");
  EXPECT_EQ(DownloadStateLabel(77), "未知");
  EXPECT_EQ(FirefoxDownloadState(2), dsInterrupted);
  EXPECT_EQ(FirefoxDownloadState(0), dsUnknown);

  int64_t v = 0;
  EXPECT_TRUE(JsonIntField("{\"state\": 1, \"endTime\":1700000000123}", "endTime", v));
  EXPECT_EQ(v, 1700000000123);
  EXPECT_FALSE(JsonIntField("{\"state\":\"1\"}", "state", v));
  EXPECT_FALSE(JsonIntField("{\"fileSize\":1.5}", "fileSize", v));
  EXPECT_FALSE(JsonIntField("{}", "state", v));
}

TEST(DownloadHelpers, FileUriToPath) {
  EXPECT_EQ(FileUriToPath("file:///C:/Users/a/%E4%B8%8B%E8%BD%BD/x%20y.zip"),
            "C:\\Users\\a\\下载\\x y.zip");
  EXPECT_EQ(FileUriToPath("file:///home/a/b%2Bc+d"), "/home/a/b+c+d");
  EXPECT_EQ(FileUriToPath("file://server/share/f.txt"), "\\\\server\\share\\f.txt");
  EXPECT_EQ(FileUriToPath("file://localhost/etc/x"), "/etc/x");
  EXPECT_EQ(FileUriToPath("FILE:///D|/a"), "D:\\a");
  EXPECT_EQ(FileUriToPath("/plain/path"), "/plain/path");
  EXPECT_EQ(FileUriToPath("file:///bad%zz%E4"), "/bad%zz\xEF\xBF\xBD");  // broken escapes kept
}
