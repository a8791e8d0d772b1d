// IE / legacy Edge downloads: the texts of an iedownload entry's response
// headers, the worker's downloads file as the parent reads it, and a real
// WebCache whose iedownload container is empty.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "uWebCache.h"

using namespace vt_test;

namespace {

std::string Utf16(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

}  // namespace

TEST(WebCacheDownloads, TextsOfResponseHeaders) {
  const std::string blob = std::string("\x10\x00\x00\x00\x01\x02\x03\x04", 8) +
                           Utf16(u"https://dl.example/a.exe") + std::string(2, '\0') +
                           Utf16(u"ab") + std::string(2, '\0') +  // too short to count
                           Utf16(u"C:\\Users\\a\\下载\\a.exe") + std::string(2, '\0');
  const std::vector<std::string> texts = Utf16Strings(blob, 4);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "https://dl.example/a.exe");
  EXPECT_EQ(texts[1], "C:\\Users\\a\\下载\\a.exe");
}

// The saved file is the first path the headers name, and the address the
// first address: what follows (a referrer, a temporary copy's path) is
// never the download.
TEST(WebCacheDownloads, TheFirstPathAndAddressOfTheHeadersAreTheDownloads) {
  const std::string nul(2, '\0');
  const std::string headers = std::string("\x01\x02", 2) + Utf16(u"https://dl.example/a.exe") +
                              nul + Utf16(u"https://referrer.example/page") + nul +
                              Utf16(u"C:\\Users\\a\\Downloads\\a.exe") + nul +
                              Utf16(u"\\\\srv\\share\\a.exe") + nul +
                              Utf16(u"D:\\Temp\\a.partial") + nul;
  std::string url = "Visited: a@https://stale.example/", path;
  DownloadFromHeaders(headers, url, path);
  EXPECT_EQ(url, "https://dl.example/a.exe");
  EXPECT_EQ(path, "C:\\Users\\a\\Downloads\\a.exe");
  // A network path first is taken as well.
  url.clear();
  path.clear();
  DownloadFromHeaders(Utf16(u"\\\\srv\\share\\b.exe") + nul + Utf16(u"C:\\b.exe") + nul, url,
                      path);
  EXPECT_EQ(path, "\\\\srv\\share\\b.exe");
  EXPECT_EQ(url, "");
}

TEST(WebCacheDownloads, ParentReadsTheDownloadsFileWithTheFilters) {
  const std::string text =
      "\xEF\xBB\xBF"
      "1760000000\thttps://dl.example/a.exe?k=1\tC:\\d\\a.exe\n"
      "1760000100\thttps://ads.bad.example/b.exe\tC:\\d\\b.exe\n"
      "1600000000\thttps://dl.example/old.exe\tC:\\d\\old.exe\n"
      "1760000200\tjavascript:alert(1)\tC:\\d\\c.exe\n"
      "1760000300\thttps://dl.example/nopath\t\n"
      "garbage line\n";
  TDownloadList list;
  std::vector<std::string> exclude = {"*.bad.example"};
  TWebCacheFilter f;
  f.FromUnix = 1700000000;
  f.Exclude = &exclude;
  f.Privacy = true;
  EXPECT_EQ(ParseDownloadFile(text, list, "ie", "IE / 旧版 Edge", "alice\\WebCache", f), 1);
  ASSERT_EQ(list.Count(), 1);
  const TDownloadRecord& d = list.Items()[0];
  EXPECT_EQ(d.Url, "https://dl.example/a.exe");
  EXPECT_EQ(d.Path, "C:\\d\\a.exe");
  EXPECT_EQ(d.StartUnix, 1760000000);
  EXPECT_EQ(d.State, dsUnknown);
  EXPECT_EQ(d.Bytes(), -1);
  EXPECT_EQ(d.Profile(), "alice\\WebCache");
}

// The sample's iedownload container holds no row: the dump still succeeds,
// with a downloads file that holds only the byte-order mark.
TEST(WebCacheDownloads, RealStoreWithAnEmptyContainer) {
  const std::string gz = SamplePath("WebCacheV01_dirty.dat.gz");
  if (gz.empty() || !Exists(gz)) GTEST_FAIL() << "tests/samples is incomplete";
  TempFolder dir;
  const std::string dat = dir.Path() + "/WebCacheV01.dat";
  ASSERT_EQ(std::system(("gunzip -c '" + gz + "' > '" + dat + "'").c_str()), 0);
  const std::string tsv = dir.Path() + "/out.tsv";
  std::string msg;
  ASSERT_TRUE(DumpWebCache(dir.Path(), tsv, msg)) << msg;
  EXPECT_EQ(ReadFile(DownloadResultPath(tsv)), "\xEF\xBB\xBF");
}
