// Reading exports: what a line must hold to count, each record once across
// overlapping files, the filters, damaged and foreign files, and the bound
// on what one line may cost.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "uBrowsers_exports.h"
#include "uPlatform.h"

namespace {

std::string Visit(const std::string& machine, int64_t ts, const std::string& url, int seq = 0,
                  const std::string& run = "20261118_013000Z-1", const std::string& title = "t") {
  return "{\"kind\":\"visit\",\"run\":\"" + run + "\",\"machine\":\"" + machine +
         "\",\"user\":\"alice\",\"browser\":\"Google Chrome\",\"browser_id\":\"chrome\","
         "\"profile\":\"Default\",\"ts\":" + std::to_string(ts) + ",\"seq\":" +
         std::to_string(seq) + ",\"time\":\"x\",\"utc_offset\":0,\"url\":\"" + url +
         "\",\"title\":\"" + title + "\"}\n";
}

std::string Source(const std::string& machine, const std::string& run, const std::string& state) {
  return "{\"kind\":\"source\",\"run\":\"" + run + "\",\"machine\":\"" + machine +
         "\",\"user\":\"alice\",\"browser\":\"Google Chrome\",\"browser_id\":\"chrome\","
         "\"profile\":\"Default\",\"path\":\"/h/History\",\"seq\":0,\"state\":\"" + state +
         "\",\"status\":\"s\",\"ok\":1,\"count\":3,\"message\":\"\"}\n";
}

std::string Download(const std::string& machine, int64_t ts, const std::string& path) {
  return "{\"kind\":\"download\",\"run\":\"20261118_0Z-2\",\"machine\":\"" + machine +
         "\",\"user\":\"alice\",\"browser\":\"Google Chrome\",\"browser_id\":\"chrome\","
         "\"profile\":\"Default\",\"ts\":" + std::to_string(ts) +
         ",\"seq\":0,\"time\":\"x\",\"utc_offset\":0,\"path\":\"" + path +
         "\",\"url\":\"https://d.example/f\",\"bytes\":0,\"state\":\"完成\"}\n";
}

struct Merge {
  THistoryList List;
  TDownloadList Downloads;
  TExportFilter Filter;
  std::unique_ptr<TExportReader> Reader;
  TExportFileInfo Read(const std::string& path, size_t maxLine = TLineStream::kDefaultMaxLine) {
    if (!Reader) Reader.reset(new TExportReader(List, Downloads, Filter));
    TExportFileInfo info;
    Reader->ReadFile(path, info, maxLine);
    return info;
  }
};

}  // namespace

TEST(ExportJson, FlatObjectsOnly) {
  std::vector<std::pair<std::string, std::string>> f;
  ASSERT_TRUE(ParseFlatJsonObject("{\"a\":\"x\\u00e9\\ud83d\\ude00\\n\",\"b\":-12, \"c\":null}", f));
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0].second, "x\xC3\xA9\xF0\x9F\x98\x80\n");
  EXPECT_EQ(f[1].second, "-12");
  // A lone surrogate is U+FFFD, as the store readers make it.
  ASSERT_TRUE(ParseFlatJsonObject("{\"a\":\"\\ud800x\"}", f));
  EXPECT_EQ(f[0].second, "\xEF\xBF\xBDx");
  for (const char* bad : {"", "[]", "{\"a\":{}}", "{\"a\":[1]}", "{\"a\":\"x}", "{\"a\":1} x",
                          "{\"a\" 1}", "{\"a\":\"\\q\"}", "{a:1}", "{\"a\":1,}"})
    EXPECT_FALSE(ParseFlatJsonObject(bad, f)) << bad;
  EXPECT_TRUE(ParseFlatJsonObject("{}", f));
}

TEST(ExportReader, OverlappingExportsCountEachRecordOnce) {
  vt_test::TempFolder tmp;
  // Yesterday's export and today's /days:2 export share a visit; a page
  // reloaded in one second stays two visits (seq 0 and 1); the same visit
  // on another machine is another visit.
  vt_test::WriteFile(tmp.Sub("a.jsonl"), Visit("PC-01", 100, "https://a/", 0) +
                                             Visit("PC-01", 100, "https://a/", 1) +
                                             Source("PC-01", "20261117_0Z-1", "ok"));
  vt_test::WriteFile(tmp.Sub("b.jsonl"), Visit("PC-01", 100, "https://a/", 1, "20261118_0Z-2") +
                                             Visit("PC-01", 200, "https://b/", 0, "20261118_0Z-2") +
                                             Visit("PC-02", 100, "https://a/", 0) +
                                             Download("PC-01", 150, "/d/f") +
                                             Download("PC-01", 150, "/d/f") +
                                             Download("PC-01", 150, "/d/g") +
                                             Source("PC-01", "20261118_0Z-2", "locked"));
  Merge m;
  TExportFileInfo a = m.Read(tmp.Sub("a.jsonl"));
  TExportFileInfo b = m.Read(tmp.Sub("b.jsonl"));
  m.Read(tmp.Sub("a.jsonl"));  // the same file twice adds nothing
  EXPECT_EQ(a.Visits, 2);
  EXPECT_EQ(a.Machine, "PC-01");
  EXPECT_EQ(b.Visits, 3);
  EXPECT_EQ(b.Downloads, 3);
  EXPECT_EQ(b.BadLines, 0);
  EXPECT_EQ(m.List.Count(), 4);
  EXPECT_EQ(m.Downloads.Count(), 2);
  EXPECT_EQ(m.Downloads.Items()[0].Bytes(), 0);
  TSourceList sources;
  std::vector<TMachineSummary> machines;
  m.Reader->Finish(sources, machines);
  ASSERT_EQ(machines.size(), 2u);
  EXPECT_EQ(machines[0].Machine, "PC-01");
  EXPECT_EQ(machines[0].Visits, 3);
  EXPECT_EQ(machines[0].Downloads, 2);
  // Only the latest run's sources stand for the machine.
  EXPECT_EQ(machines[0].LatestRun, "20261118_0Z-2");
  EXPECT_EQ(machines[0].SourcesRead, 0);
  EXPECT_EQ(machines[0].SourcesFailed, 1);
  EXPECT_EQ(machines[1].Visits, 1);
  ASSERT_EQ(sources.Count(), 1);
  EXPECT_EQ(sources.Items()[0].Machine, "PC-01");
  EXPECT_EQ(sources.Items()[0].Profile, "alice\\Default");
  // Every record carries its machine through its label.
  for (int32_t i = 0; i < m.List.Count(); ++i)
    EXPECT_FALSE(m.List.Items()[static_cast<size_t>(i)].Machine().empty());
}

TEST(ExportReader, BadLinesAreCountedFromTheFirst) {
  vt_test::TempFolder tmp;
  const std::string noKey =
      "{\"kind\":\"visit\",\"run\":\"r\",\"machine\":\"M\",\"user\":\"u\",\"browser\":\"B\","
      "\"browser_id\":\"chrome\",\"profile\":\"\",\"ts\":5,\"url\":\"https://x/\"}\n";  // no seq
  const std::string unknownKind =
      "{\"kind\":\"cookie\",\"run\":\"r\",\"machine\":\"M\",\"user\":\"u\",\"browser\":\"B\","
      "\"browser_id\":\"chrome\",\"profile\":\"\"}\n";
  const std::string full = Visit("M", 9, "https://c/");
  vt_test::WriteFile(tmp.Sub("x.jsonl"), Visit("M", 1, "https://a/") + "\n" + "not json\n" +
                                             noKey + unknownKind + Visit("M", 2, "https://b/") +
                                             full.substr(0, full.size() / 2));
  Merge m;
  const TExportFileInfo info = m.Read(tmp.Sub("x.jsonl"));
  EXPECT_EQ(info.BadLines, 4);  // not JSON, no key, unknown kind, the cut last line
  EXPECT_EQ(info.FirstBadLine, 3);
  EXPECT_FALSE(info.Foreign);
  EXPECT_EQ(m.List.Count(), 2);
  EXPECT_EQ(ExportFileWarning(info),
            tmp.Sub("x.jsonl") + " 有 4 行无法解析，已跳过（第 3 行起）");
}

TEST(ExportReader, CutLastLineCountsEvenWhenItParses) {
  vt_test::TempFolder tmp;
  std::string whole = Visit("M", 1, "https://a/");
  whole.pop_back();  // the newline is missing: the writer stopped there
  vt_test::WriteFile(tmp.Sub("c.jsonl"), Visit("M", 2, "https://b/") + whole);
  Merge m;
  const TExportFileInfo info = m.Read(tmp.Sub("c.jsonl"));
  EXPECT_EQ(info.BadLines, 1);
  EXPECT_EQ(info.FirstBadLine, 2);
  EXPECT_EQ(m.List.Count(), 1);
}

TEST(ExportReader, ForeignAndEmptyFilesAreNoExports) {
  vt_test::TempFolder tmp;
  vt_test::WriteFile(tmp.Sub("f.jsonl"), "{\"level\":\"info\",\"msg\":\"hi\"}\n{\"a\":1}\n");
  vt_test::WriteFile(tmp.Sub("e.jsonl"), "");
  Merge m;
  const TExportFileInfo f = m.Read(tmp.Sub("f.jsonl"));
  EXPECT_TRUE(f.Foreign);
  EXPECT_EQ(ExportFileWarning(f), tmp.Sub("f.jsonl") + " 不是 Visitrail 导出文件");
  EXPECT_TRUE(m.Read(tmp.Sub("e.jsonl")).Foreign);
  EXPECT_FALSE(m.Read(tmp.Sub("none.jsonl")).OpenError.empty());
}

TEST(ExportReader, FiltersApplyAfterTheKeys) {
  vt_test::TempFolder tmp;
  vt_test::WriteFile(tmp.Sub("a.jsonl"),
                     Visit("M", 100, "https://keep.example/p?q=1") +
                         Visit("M", 100, "https://ads.example/x") + Visit("M", 50, "https://old/"));
  Merge m;
  const std::vector<std::string> excludeAds = {"ads.example"};
  m.Filter.FromUnix = 60;
  m.Filter.Exclude = &excludeAds;
  m.Filter.Privacy = true;
  m.Read(tmp.Sub("a.jsonl"));
  ASSERT_EQ(m.List.Count(), 1);
  EXPECT_EQ(m.List.Items()[0].Url.str(), "https://keep.example/p");

  Merge other;
  other.Filter.SourceSelected = [](const std::string& id) { return id == "firefox"; };
  other.Read(tmp.Sub("a.jsonl"));
  EXPECT_EQ(other.List.Count(), 0);
}

TEST(ExportReader, OverlongLineIsPassedOverWithoutBeingHeld) {
  vt_test::TempFolder tmp;
  const std::string huge = "{\"kind\":\"visit\",\"title\":\"" + std::string(3 << 20, 'x') + "\"}\n";
  vt_test::WriteFile(tmp.Sub("h.jsonl"), Visit("M", 1, "https://a/") + huge + Visit("M", 2, "https://b/"));
  plat::TFileReader file;
  ASSERT_TRUE(file.Open(tmp.Sub("h.jsonl")));
  TLineStream lines(file, file.Size(), 64 << 10, 4096);
  std::string line;
  bool tooLong = false, cut = false;
  std::vector<bool> longs;
  while (lines.Next(line, tooLong, cut)) longs.push_back(tooLong);
  EXPECT_EQ(longs, (std::vector<bool>{false, true, false}));
  EXPECT_LE(lines.PeakLineBytes(), size_t{128} << 10);

  Merge m;
  const TExportFileInfo info = m.Read(tmp.Sub("h.jsonl"), 64 << 10);
  EXPECT_EQ(info.BadLines, 1);
  EXPECT_EQ(info.FirstBadLine, 2);
  EXPECT_EQ(m.List.Count(), 2);
}

TEST(ExportFiles, FolderMeansItsJsonlFilesByName) {
  vt_test::TempFolder tmp;
  vt_test::WriteFile(tmp.Sub("d/b.jsonl"), "");
  vt_test::WriteFile(tmp.Sub("d/a.JSONL"), "");
  vt_test::WriteFile(tmp.Sub("d/c.json"), "");
  vt_test::WriteFile(tmp.Sub("one.txt"), "");
  std::vector<std::string> missing;
  const auto files = ExportFilesOf({tmp.Sub("d"), tmp.Sub("one.txt"), tmp.Sub("gone")}, missing);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_NE(files[0].find("a.JSONL"), std::string::npos);
  EXPECT_NE(files[1].find("b.jsonl"), std::string::npos);
  EXPECT_EQ(files[2], tmp.Sub("one.txt"));
  EXPECT_EQ(missing, std::vector<std::string>{tmp.Sub("gone")});
}
