// The CSV report: bytes, quoting, the formula guard, the /limit sample, and a
// round trip through Python's csv module into the JSON report's records.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "TestSupport.h"
#include "test_uReport_helpers.h"
#include "uUtil.h"

using namespace report_test;

namespace {

const std::string kHead = "\xEF\xBB\xBF时间,浏览器,配置,标题,网址\r\n";

TReportOptions Limit(int32_t limit) {
  TReportOptions opts;
  opts.MaxRecords = limit;
  return opts;
}

// RFC 4180, strictly: fields separated by ",", records ended by CR LF,
// quoted fields with doubled quotes. Fails the test on anything else.
std::vector<std::vector<std::string>> ParseCsv(const std::string& s) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '"') {
      for (++i;; ++i) {
        if (i >= s.size()) {
          ADD_FAILURE() << "unterminated quoted field";
          return rows;
        }
        if (s[i] != '"') {
          field += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else {
      while (i < s.size() && s[i] != ',' && s[i] != '\r' && s[i] != '"') {
        if (s[i] == '\n') ADD_FAILURE() << "bare LF at " << i;
        field += s[i++];
      }
      if (i < s.size() && s[i] == '"') ADD_FAILURE() << "quote inside an unquoted field at " << i;
    }
    row.push_back(std::move(field));
    field.clear();
    if (i < s.size() && s[i] == ',') {
      ++i;
    } else if (s.compare(i, 2, "\r\n") == 0) {
      i += 2;
      rows.push_back(std::move(row));
      row.clear();
    } else {
      ADD_FAILURE() << "expected , or CR LF at " << i;
      return rows;
    }
  }
  EXPECT_TRUE(row.empty()) << "last record without CR LF";
  return rows;
}

// Texts a history can hold that trouble spreadsheets and CSV readers.
std::vector<std::string> HostileTexts() {
  return {"a,b",
          "say \"hi\"",
          "line\nbreak",
          "cr\rreturn",
          "\r\nstarts with a line end",
          "=cmd|' /C calc'!A0",
          "@SUM(1)",
          "+1",
          "-2,3",
          "\tTAB",
          "emoji 😀👩‍💻 中文",
          std::string(300, 'x'),
          "",
          "'already quoted",
          "a=b+c"};
}

THistoryList HostileList() {
  const std::vector<std::string> texts = HostileTexts();
  THistoryList list;
  for (size_t i = 0; i < texts.size(); ++i) {
    const std::string& t = texts[i];
    const std::string other = texts[(i + 5) % texts.size()];
    list.Add(Visit(t, "https://e.example/?q=" + t, 1700000000 - static_cast<int64_t>(i) * 4000,
                   other.empty() ? "Edge" : other, "alice\\" + t));
  }
  // An address that is itself a formula, with no scheme in front.
  list.Add(Visit("t", "=HYPERLINK(\"http://x\",\"y\")", 1690000000, "Edge", "bob\\Default"));
  return list;
}

}  // namespace

TEST(uReportCsv, HeaderOnlyWhenThereAreNoVisits) {
  EXPECT_EQ(BuildCsvReport(THistoryList(), Limit(0)), kHead);
}

TEST(uReportCsv, FieldQuotingAndFormulaGuard) {
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("plain text 中文"), "plain text 中文");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
  EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
  EXPECT_EQ(CsvField("=cmd|' /C calc'!A0"), "'=cmd|' /C calc'!A0");
  EXPECT_EQ(CsvField("@SUM(1)"), "'@SUM(1)");
  EXPECT_EQ(CsvField("+1"), "'+1");
  EXPECT_EQ(CsvField("-1"), "'-1");
  EXPECT_EQ(CsvField("\tx"), "'\tx");
  // Guarded first, then quoted: the guard sits inside the quotes.
  EXPECT_EQ(CsvField("\rx"), "\"'\rx\"");
  EXPECT_EQ(CsvField("=1,2"), "\"'=1,2\"");
  // Only the first character counts.
  EXPECT_EQ(CsvField("a=b"), "a=b");
  EXPECT_EQ(CsvField(" =1"), " =1");
}

TEST(uReportCsv, RowsHoldEveryFieldOfEveryListedVisit) {
  const THistoryList list = HostileList();
  const std::string csv = BuildCsvReport(list, Limit(0));
  ASSERT_EQ(csv.compare(0, kHead.size(), kHead), 0);
  const auto rows = ParseCsv(csv.substr(3));
  ASSERT_EQ(rows.size(), static_cast<size_t>(list.Count()) + 1);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"时间", "浏览器", "配置", "标题", "网址"}));
  const auto unguard = [](const std::string& f) {
    return f.size() > 1 && f[0] == '\'' && std::string("=+-@\t\r").find(f[1]) != std::string::npos
               ? f.substr(1)
               : f;
  };
  for (int32_t i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[static_cast<size_t>(i)];
    const std::vector<std::string>& row = rows[static_cast<size_t>(i) + 1];
    ASSERT_EQ(row.size(), 5u);
    EXPECT_EQ(row[0], UnixToText(r.VisitUnix));
    EXPECT_EQ(unguard(row[1]), r.BrowserName());
    EXPECT_EQ(unguard(row[2]), r.Profile());
    EXPECT_EQ(unguard(row[3]), r.Title);
    EXPECT_EQ(unguard(row[4]), r.Url);
    for (const std::string& f : row)
      EXPECT_EQ(std::string("=+-@\t\r").find(f.empty() ? 'x' : f[0]), std::string::npos) << f;
  }
  EXPECT_EQ(rows.back()[4], "'=HYPERLINK(\"http://x\",\"y\")");
}

TEST(uReportCsv, LimitKeepsTheJsonReportsSampleAndBadTimesStayEmpty) {
  THistoryList list = NumberedVisits(10);
  auto titles = [](const std::string& csv) {
    std::vector<std::string> out;
    for (const auto& row : ParseCsv(csv.substr(3))) out.push_back(row[3]);
    out.erase(out.begin());
    return out;
  };
  EXPECT_EQ(titles(BuildCsvReport(list, Limit(4))),
            (std::vector<std::string>{"t0", "t3", "t6", "t9"}));
  EXPECT_EQ(titles(BuildCsvReport(list, Limit(6))).size(), 5u);
  EXPECT_EQ(titles(BuildCsvReport(list, Limit(-1))).size(), 10u);

  THistoryList undated;
  undated.Add(Visit("x", "https://x.example/", 0));
  EXPECT_EQ(BuildCsvReport(undated, Limit(0)), kHead + ",Chrome,Default,x,https://x.example/\r\n");
}

TEST(uReportCsv, FileWriterCreatesFoldersAndReportsFailures) {
  vt_test::TempFolder tmp;
  const THistoryList list = HostileList();
  std::string err = "stale";
  ASSERT_TRUE(WriteCsvReportFile(tmp.Sub("a/b/r.csv"), list, Limit(7), err)) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(vt_test::ReadFile(tmp.Sub("a/b/r.csv")), BuildCsvReport(list, Limit(7)));

  vt_test::WriteFile(tmp.Sub("plain"), "x");
  EXPECT_FALSE(WriteCsvReportFile(tmp.Sub("plain/r.csv"), list, Limit(0), err));
  EXPECT_EQ(err.rfind("写入 CSV 报告失败：", 0), 0u) << err;
}

// A standard CSV reader (Python's csv module) reads back exactly the JSON
// report's records of the same visits.
TEST(uReportCsv, PythonCsvReaderGetsTheJsonReportsRecords) {
  std::FILE* probe = popen("python3 -c 'import csv, json' 2>/dev/null", "r");
  if (!probe || pclose(probe) != 0) GTEST_SKIP() << "python3 is not available";
  const THistoryList list = HostileList();
  TAnalyzer a;
  a.Analyze(list);
  vt_test::TempFolder tmp;
  for (int32_t limit : {0, 6}) {
    vt_test::WriteFile(tmp.Sub("r.csv"), BuildCsvReport(list, Limit(limit)));
    vt_test::WriteFile(tmp.Sub("r.json"), BuildJsonReport(a, list, TSourceList(), Limit(limit)));
    const std::string cmd = "python3 " VT_SOURCE_DIR "/tests/support/csv_matches_json.py " +
                            tmp.Sub("r.csv") + " " + tmp.Sub("r.json") + " >/dev/null";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << "limit " << limit;
  }
}
