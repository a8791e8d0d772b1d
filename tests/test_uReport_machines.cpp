// Reports merged from exports: the machine in every record of JSON, CSV and
// re-exported lines, the "machines" list, and nothing of it in a report of
// this machine's browsers; the spreadsheet row limit of any CSV.
#include <gtest/gtest.h>

#include "test_uReport_helpers.h"
#include "uUtil.h"

using namespace report_test;

namespace {

THistoryRecord MachineVisit(const std::string& machine, const std::string& url, int64_t unix) {
  THistoryRecord r;
  r.Source = InternSourceLabel("chrome", "Google Chrome", "alice\\Default", machine);
  r.Url = url;
  r.Title = "t";
  r.VisitUnix = unix;
  return r;
}

struct Merged {
  THistoryList List;
  TDownloadList Downloads;
  TSourceList Sources;
  std::vector<TMachineSummary> Machines{{"PC-1", 1, 1, 2, 1, "20261118_0Z-7"},
                                        {"PC-\"2\"", 1, 0, 0, 0, "r2"}};
  TAnalyzer Analyzer;
  TReportOptions Opts;
  Merged() {
    List.Add(MachineVisit("PC-1", "https://a.example/", 1700000100));
    List.Add(MachineVisit("PC-\"2\"", "https://a.example/", 1700000000));
    TDownloadRecord d;
    d.Source = InternSourceLabel("chrome", "Google Chrome", "alice\\Default", "PC-1");
    d.Path = "/d/f.zip";
    d.Url = "https://a.example/f.zip";
    d.StartUnix = 1700000050;
    Downloads.Add(d);
    TSourceInfo s;
    s.BrowserId = "chrome";
    s.BrowserName = "Google Chrome";
    s.Profile = "alice\\Default";
    s.Machine = "PC-1";
    Sources.Add(s);
    Analyzer.Analyze(List);
    Opts.Downloads = &Downloads;
    Opts.Machines = &Machines;
  }
};

}  // namespace

TEST(uReportMachines, JsonNamesEachRecordsMachineAndListsTheMachines) {
  Merged m;
  const std::string json = BuildJsonReport(m.Analyzer, m.List, m.Sources, m.Opts);
  EXPECT_TRUE(TJsonChecker(json).WholeDocument()) << json;
  EXPECT_NE(json.find("\"ts\":1700000100,\"machine\":\"PC-1\",\"browser\":\"Google Chrome\""),
            std::string::npos);
  EXPECT_NE(json.find("\"machine\":\"PC-\\\"2\\\"\",\"browser\""), std::string::npos);
  EXPECT_NE(json.find("\"sources\":[{\"machine\":\"PC-1\",\"name\":\"Google Chrome\""),
            std::string::npos);
  // A download array names its machine last, after its state.
  EXPECT_NE(json.find(",\"未知\",\"PC-1\"]"), std::string::npos);
  EXPECT_NE(json.find(",\"machines\":[[\"PC-1\",1,1,2,1,\"20261118_0Z-7\"],"
                      "[\"PC-\\\"2\\\"\",1,0,0,0,\"r2\"]]}"),
            std::string::npos)
      << json;
}

TEST(uReportMachines, PageRecordsHoldTheirMachineLast) {
  Merged m;
  const std::string data = BuildHtmlData(m.Analyzer, m.List, m.Sources, m.Opts);
  EXPECT_NE(data.find("\",\"Google Chrome\",\"t\",\"https://a.example/\",\"PC-1\"],[\""),
            std::string::npos)
      << data;
  EXPECT_NE(data.find(",\"PC-\\\"2\\\"\"]]"), std::string::npos);
}

TEST(uReportMachines, ReportsOfThisMachineNameNoMachine) {
  Merged m;
  THistoryList own;
  own.Add(Visit("t", "https://a.example/", 1700000000));
  TAnalyzer a;
  a.Analyze(own);
  TReportOptions opts;
  const std::string json = BuildJsonReport(a, own, TSourceList(), opts);
  EXPECT_EQ(json.find("machine"), std::string::npos);
  EXPECT_EQ(BuildCsvReport(own, opts).find("计算机"), std::string::npos);
}

TEST(uReportMachines, CsvBeginsEveryLineWithTheMachine) {
  Merged m;
  const std::string csv = BuildCsvReport(m.List, m.Opts);
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBF计算机,时间,浏览器,配置,标题,网址\r\n", 0), 0u) << csv;
  EXPECT_NE(csv.find("\r\nPC-1,"), std::string::npos);
  EXPECT_NE(csv.find("\r\n\"PC-\"\"2\"\"\","), std::string::npos);  // quoted as any field
}

TEST(uReportMachines, CsvRowLimitCountsTheHeader) {
  THistoryList list;
  const THistoryRecord r = Visit("t", "https://a.example/", 1700000000);
  for (int i = 0; i < 1048575; ++i) list.Add(r);
  TReportOptions opts;
  EXPECT_EQ(CsvRowsWarning(list, opts), "");  // 1,048,576 lines: all open
  list.Add(r);
  EXPECT_EQ(CsvRowsWarning(list, opts), "CSV 共 1048577 行，电子表格只能打开前 1,048,576 行");
  opts.MaxRecords = 1000;  // the lines written, not the visits read
  EXPECT_EQ(CsvRowsWarning(list, opts), "");
}

TEST(uReportMachines, ReExportedLinesKeepTheirMachine) {
  Merged m;
  TJsonlOptions jo;
  jo.Machine = "MERGER";
  jo.RunId = "r";
  jo.Downloads = &m.Downloads;
  const std::string lines = BuildJsonlReport(m.List, m.Sources, jo);
  EXPECT_EQ(lines.find("MERGER"), std::string::npos) << lines;
  EXPECT_NE(lines.find("{\"kind\":\"visit\",\"run\":\"r\",\"machine\":\"PC-1\""), std::string::npos);
  EXPECT_NE(lines.find("{\"kind\":\"download\",\"run\":\"r\",\"machine\":\"PC-1\""),
            std::string::npos);
  EXPECT_NE(lines.find("{\"kind\":\"source\",\"run\":\"r\",\"machine\":\"PC-1\""), std::string::npos);
}
