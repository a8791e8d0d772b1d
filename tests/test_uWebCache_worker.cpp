#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "TestSupport.h"
#include "uEsent.h"
#include "uUtil.h"
#include "uWebCache.h"
#include "webcache_sample.h"

using vt_test::TempFolder;

namespace {

std::string Utf16Le(const std::u16string& s) {
  std::string b;
  for (char16_t u : s) {
    b += static_cast<char>(u & 0xFF);
    b += static_cast<char>(u >> 8);
  }
  return b;
}

std::string U32(uint32_t v) {
  std::string b;
  for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  return b;
}

// One serialized property storage holding a UI4 property and a string.
std::string PropertyStore(const std::string& formatId, uint32_t pid, const std::u16string& text,
                          uint32_t declaredChars) {
  std::string values;
  values += U32(17) + U32(0x17) + '\0' + std::string("\x13\0\0\0", 4) + U32(2);
  std::string str = Utf16Le(text) + std::string(2, '\0');
  while (str.size() % 4) str += '\0';
  values += U32(static_cast<uint32_t>(17 + str.size())) + U32(pid) + '\0' +
            std::string("\x1F\0\0\0", 4) + U32(declaredChars) + str;
  values += U32(0);
  std::string storage = "1SPS" + formatId + values;
  storage = U32(static_cast<uint32_t>(storage.size() + 4)) + storage;
  return U32(static_cast<uint32_t>(storage.size() + 4)) + storage;
}

const std::string kSiteFormat("\xA1\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46", 16);

std::vector<std::string> SplitLf(const std::string& s) {
  std::vector<std::string> out;
  size_t pos = 0, nl;
  while ((nl = s.find('\n', pos)) != std::string::npos) {
    out.push_back(s.substr(pos, nl - pos));
    pos = nl + 1;
  }
  if (pos < s.size()) out.push_back(s.substr(pos));
  return out;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> f;
  size_t a = line.find('\t'), b = line.find('\t', a + 1);
  f.push_back(line.substr(0, a));
  f.push_back(line.substr(a + 1, b - a - 1));
  f.push_back(line.substr(b + 1));
  return f;
}

// Replaces every occurrence of a UTF-16LE text in the file by another of the
// same length (the reader does not check page checksums).
void PatchName(const std::string& file, const std::u16string& from, const std::u16string& to) {
  std::string bytes = vt_test::ReadFile(file);
  const std::string a = Utf16Le(from), b = Utf16Le(to);
  size_t at = bytes.find(a);
  ASSERT_NE(at, std::string::npos);
  for (; at != std::string::npos; at = bytes.find(a, at + 1)) bytes.replace(at, b.size(), b);
  vt_test::WriteFile(file, bytes);
}

}  // namespace

TEST(WebCacheWorker, RecognisesItsCommandLine) {
  EXPECT_TRUE(IsWorkerCommandLine({"vt", "/worker:dump", "dir"}));
  EXPECT_TRUE(IsWorkerCommandLine({"vt", "/WORKER:Dump", "dir", "out.tsv", "extra"}));
  EXPECT_FALSE(IsWorkerCommandLine({"vt", "/worker:dump"}));
  EXPECT_FALSE(IsWorkerCommandLine({"vt", "dir", "/worker:dump"}));
  EXPECT_FALSE(IsWorkerCommandLine({"vt", "/worker:dumps", "dir", "out"}));
}

TEST(WebCacheWorker, PlausibleFileTimes) {
  EXPECT_FALSE(IsPlausibleFileTime(0));
  EXPECT_FALSE(IsPlausibleFileTime(42));
  EXPECT_FALSE(IsPlausibleFileTime(99999999999999LL));
  EXPECT_FALSE(IsPlausibleFileTime(200000000000000001LL));
  // 1994-06-01 and 2021-11-29 UTC (a time from the sample).
  EXPECT_FALSE(IsPlausibleFileTime((770428800LL + kUnixTo1601Seconds) * 10000000));
  EXPECT_TRUE(IsPlausibleFileTime(132826996351397972LL));
  // 2101-06-01: inside the tick bound, outside the calendar range.
  EXPECT_FALSE(IsPlausibleFileTime((4147027200LL + kUnixTo1601Seconds) * 10000000));
  // Strictly after 1995-01-01 00:00 local time, to the millisecond.
  vt_test::TzOverride utc("UTC");
  const int64_t newYear1995 = (788918400LL + kUnixTo1601Seconds) * 10000000;
  EXPECT_FALSE(IsPlausibleFileTime(newYear1995));
  EXPECT_FALSE(IsPlausibleFileTime(newYear1995 + 9999));  // below a millisecond
  EXPECT_TRUE(IsPlausibleFileTime(newYear1995 + 10000));
  EXPECT_TRUE(IsPlausibleFileTime(newYear1995 + 10000000));
  EXPECT_TRUE(IsPlausibleFileTime(newYear1995 + 60 * 10000000LL));
}

TEST(WebCacheWorker, VisitedAddressDropsTheUserPrefix) {
  EXPECT_EQ(VisitedAddress("Visited: John@https://www.bing.com/search?q=a"),
            "https://www.bing.com/search?q=a");
  EXPECT_EQ(VisitedAddress("Visited: J@hn@file:///C:/x.txt"), "file:///C:/x.txt");
  // An "@" after the scheme belongs to the address.
  EXPECT_EQ(VisitedAddress("https://user@host/a@b"), "https://user@host/a@b");
  EXPECT_EQ(VisitedAddress("Visited: John@about:blank"), "Visited: John@about:blank");
}

TEST(WebCacheWorker, TextClean_up) {
  EXPECT_EQ(WorkerText(std::string("  a\nb\r\tc\0 ", 11)), "a b  c");
  // A crafted title cannot start a line of its own in the result file.
  EXPECT_EQ(WorkerText("Hi\n1600000000\thttps://forged.example/\tx"),
            "Hi 1600000000 https://forged.example/ x");
  // UTF-16LE with characters above U+00FF (a Chinese user name) stays UTF-16.
  EXPECT_EQ(ColumnText(Utf16Le(u"Visited: 张三@https://例子.cn/") + std::string(2, '\0')),
            "Visited: 张三@https://例子.cn/");
  EXPECT_EQ(ColumnText(Utf16Le(u"History") + std::string(2, '\0')), "History");
  EXPECT_EQ(ColumnText("https://a.example/\0junk"), "https://a.example/");
}

TEST(WebCacheWorker, PageTitleFromPropertyStore) {
  const std::u16string title = u"How to Check Windows 10 – 规格";
  const std::string good = PropertyStore(kSiteFormat, 16, title, title.size() + 1);
  EXPECT_EQ(PageTitleFromProperties(good), "How to Check Windows 10 – 规格");
  // Another property id, another format id, or a length that does not fit:
  // no title rather than a guess.
  EXPECT_EQ(PageTitleFromProperties(PropertyStore(kSiteFormat, 21, title, title.size() + 1)), "");
  std::string otherFormat = kSiteFormat;
  otherFormat[0] = '\xA2';
  EXPECT_EQ(PageTitleFromProperties(PropertyStore(otherFormat, 16, title, title.size() + 1)), "");
  EXPECT_EQ(PageTitleFromProperties(PropertyStore(kSiteFormat, 16, title, 4000)), "");
  EXPECT_EQ(PageTitleFromProperties(good.substr(0, good.size() / 2)), "");
  EXPECT_EQ(PageTitleFromProperties("1SPS"), "");
  EXPECT_EQ(PageTitleFromProperties(""), "");
}

TEST(WebCacheWorker, DumpsTheRealHistory) {
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  std::string msg;
  ASSERT_TRUE(DumpWebCache(tmp.Sub("snap"), tmp.Sub("out.tsv"), msg)) << msg;
  EXPECT_EQ(msg, "");
  const std::string out = vt_test::ReadFile(tmp.Sub("out.tsv"));
  ASSERT_EQ(out.compare(0, 3, "\xEF\xBB\xBF"), 0);
  EXPECT_EQ(out.find('\r'), std::string::npos);
  ASSERT_EQ(out.back(), '\n');
  const std::vector<std::string> lines = SplitLf(out.substr(3));
  // 33 rows in the History container; javascript:, about:, ms-settings: and
  // --mmc: entries carry no "://".
  ASSERT_EQ(lines.size(), 29u);

  // Each line's time is its row's access time; compare against the table.
  TEsentDb db(tmp.Sub("check_work"));
  ASSERT_TRUE(db.AttachReadOnly(file));
  TEseTable tbl = 0;
  ASSERT_TRUE(db.OpenTable("Container_2", tbl));
  std::map<std::string, int64_t> accessed;
  std::string data;
  for (bool more = db.MoveFirst(tbl); more; more = db.MoveNext(tbl)) {
    ASSERT_TRUE(db.ReadColumn(tbl, 14, data));
    int64_t ft = 0;
    memcpy(&ft, data.data(), 8);
    if (db.ReadColumn(tbl, 256, data))
      accessed[VisitedAddress(WorkerText(ColumnText(data)))] = ft / 10000000 - kUnixTo1601Seconds;
  }
  std::map<std::string, std::string> titles;
  int web = 0;
  for (const auto& line : lines) {
    const auto f = Fields(line);
    ASSERT_EQ(f.size(), 3u) << line;
    EXPECT_EQ(f[1].find("Visited:"), std::string::npos) << line;
    EXPECT_EQ(f[1].find('@'), std::string::npos) << line;
    ASSERT_TRUE(accessed.count(f[1])) << f[1];
    EXPECT_EQ(f[0], IntToStr(accessed[f[1]])) << line;
    titles[f[1]] = f[2];
    if (IsWebUrl(f[1])) ++web;
    for (unsigned char c : f[2]) EXPECT_GE(c, 0x20) << line;  // no binary in titles
  }
  EXPECT_EQ(web, 27);
  EXPECT_EQ(titles["https://www.microsoft.com/en-us/windows/windows-10-specifications"],
            "How to Check Windows 10 Computer System Specs & Requirements - Microsoft");
  EXPECT_EQ(titles["https://www.google.com/?gws_rd=ssl"], "Google");
  EXPECT_EQ(titles["file:///E:/test-file-1.txt"], "");
  EXPECT_EQ(lines.front().substr(0, lines.front().find('\t')), "1638219933");
}

TEST(WebCacheWorker, DumpsEveryContainerNamedHistory) {
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  // The three "Content" containers (1 with 46 cached addresses, 13 and 14
  // empty) renamed to History as well.
  PatchName(file, std::u16string(u"Content\0", 8), std::u16string(u"History\0", 8));
  std::string msg;
  ASSERT_TRUE(DumpWebCache(tmp.Sub("snap"), tmp.Sub("out.tsv"), msg)) << msg;
  const std::vector<std::string> lines = SplitLf(vt_test::ReadFile(tmp.Sub("out.tsv")).substr(3));
  EXPECT_GT(lines.size(), 29u + 30u);
  bool fromFirst = false, fromSecond = false;
  for (const auto& l : lines) {
    if (l.find("\thttps://www.google.com/search\t") != std::string::npos) fromSecond = true;
    if (l.find("Visited:") == std::string::npos && l.find("://") != std::string::npos)
      fromFirst = true;
  }
  EXPECT_TRUE(fromFirst);
  EXPECT_TRUE(fromSecond);
}

TEST(WebCacheWorker, NumberedScanWhenNoContainerIsNamedHistory) {
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  PatchName(file, std::u16string(u"History\0", 8), std::u16string(u"Xistory\0", 8));
  TEsentDb db(tmp.Sub("work"));
  ASSERT_TRUE(db.AttachReadOnly(file));
  int found = 7;
  EXPECT_EQ(FindHistoryContainer(db, found), -1);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(CountUrlRows(db, "Container_2", 40), 29);
  EXPECT_EQ(CountUrlRows(db, "Container_99", 40), -1);
  // The container with the most URL rows in its first 40 is dumped instead.
  std::string msg;
  ASSERT_TRUE(DumpWebCache(tmp.Sub("snap"), tmp.Sub("out.tsv"), msg)) << msg;
  EXPECT_TRUE(vt_test::Exists(tmp.Sub("out.tsv")));
}

TEST(WebCacheWorker, FailuresWriteNoResult) {
  TempFolder tmp;
  std::string msg;
  vt_test::MakeDirs(tmp.Sub("empty"));
  EXPECT_FALSE(DumpWebCache(tmp.Sub("empty"), tmp.Sub("out.tsv"), msg));
  EXPECT_EQ(msg, "快照中缺少 WebCacheV01.dat");
  EXPECT_FALSE(vt_test::Exists(tmp.Sub("empty/ese_work")));
  EXPECT_EQ(RunWorker({"vt", "/worker:dump", tmp.Sub("empty"), tmp.Sub("out.tsv")}), 1);

  vt_test::WriteFile(tmp.Sub("bad/WebCacheV01.dat"), std::string(40000, '\x5A'));
  EXPECT_FALSE(DumpWebCache(tmp.Sub("bad"), tmp.Sub("out.tsv"), msg));
  EXPECT_EQ(msg, "ESE 引擎无法打开快照：打开数据库失败（ESE 错误码 -1）");
  EXPECT_FALSE(vt_test::Exists(tmp.Sub("out.tsv")));
  EXPECT_EQ(RunWorker({"vt", "/worker:dump", tmp.Sub("bad")}), 1);
}

TEST(WebCacheWorker, RunWorkerExitCodes) {
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  EXPECT_EQ(RunWorker({"vt", "/worker:dump", tmp.Sub("snap"), tmp.Sub("out.tsv")}), 0);
  EXPECT_TRUE(vt_test::Exists(tmp.Sub("out.tsv")));
  EXPECT_TRUE(vt_test::Exists(tmp.Sub("snap/ese_work")));  // left for the parent to remove
  // A result file that cannot be created fails the worker.
  EXPECT_EQ(RunWorker({"vt", "/worker:dump", tmp.Sub("snap"), tmp.Sub("out.tsv/x.tsv")}), 1);
}

TEST(WebCacheWorker, EarlierPlausibleTimeDoesNotBeatTheAccessTime) {
  // In the sample every row's sync time (column 10) equals its access time
  // (column 14), so "the first plausible time wins" would pass unnoticed.
  // Move one row's sync time 400 days back: the row must keep its access time.
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  // Columns 10, 14 and 256 (the address) of the fifth row of the history.
  int reads = 0;
  auto fifthRow = [&](std::string& sync, std::string& access, std::string& url) {
    TEsentDb db(tmp.Sub("check_work" + IntToStr(++reads)));
    ASSERT_TRUE(db.AttachReadOnly(file));
    TEseTable tbl = 0;
    ASSERT_TRUE(db.OpenTable("Container_2", tbl));
    ASSERT_TRUE(db.MoveFirst(tbl));
    for (int row = 0; row < 4; ++row) ASSERT_TRUE(db.MoveNext(tbl));
    ASSERT_TRUE(db.ReadColumn(tbl, 10, sync));
    ASSERT_TRUE(db.ReadColumn(tbl, 14, access));
    ASSERT_TRUE(db.ReadColumn(tbl, 256, url));
  };
  std::string sync, access, url;
  fifthRow(sync, access, url);
  const std::string address = VisitedAddress(WorkerText(ColumnText(url)));
  ASSERT_EQ(access.size(), 8u);
  ASSERT_EQ(sync, access);
  int64_t ft = 0;
  memcpy(&ft, access.data(), 8);
  const int64_t earlier = ft - 400LL * 86400 * 10000000;
  ASSERT_TRUE(IsPlausibleFileTime(earlier));
  // Fixed columns lie in column order in the record: the first copy of the
  // value in the file is column 10 of this row.
  std::string bytes = vt_test::ReadFile(file);
  const size_t at = bytes.find(sync);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 8, std::string(reinterpret_cast<const char*>(&earlier), 8));
  vt_test::WriteFile(file, bytes);
  std::string now10, now14;
  fifthRow(now10, now14, url);
  ASSERT_NE(now10, access) << "the patch missed the sync time";
  ASSERT_EQ(now14, access) << "the patch hit the access time";

  std::string msg;
  ASSERT_TRUE(DumpWebCache(tmp.Sub("snap"), tmp.Sub("out.tsv"), msg)) << msg;
  bool seen = false;
  for (const auto& line : SplitLf(vt_test::ReadFile(tmp.Sub("out.tsv")).substr(3))) {
    const auto f = Fields(line);
    if (f[1] != address) continue;
    seen = true;
    EXPECT_EQ(f[0], IntToStr(ft / 10000000 - kUnixTo1601Seconds)) << line;
  }
  EXPECT_TRUE(seen) << address;
}
