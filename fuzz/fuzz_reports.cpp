// Visited titles, addresses and times of any shape through the HTML, JSON
// and CSV writers, with the output checked, not only survived: the JSON
// report parses, the page's data object parses and can neither close its
// script element nor open a comment, the page closes no script element
// but its own, and no CSV cell can start a spreadsheet formula.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/test_uReport_helpers.h"
#include "uAggregate.h"
#include "uReport.h"
#include "uTypes.h"

namespace {

size_t Count(const std::string& s, const std::string& what) {
  return report_test::CountOf(s, what);
}

// The cells of an RFC 4180 text (quoted cells may hold CR, LF and "").
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  std::string cell;
  bool quoted = false, wasQuoted = false;
  size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"' && cell.empty() && !wasQuoted) {
      quoted = wasQuoted = true;
    } else if (c == ',') {
      rows.back().push_back(cell);
      cell.clear();
      wasQuoted = false;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.back().push_back(cell);
      cell.clear();
      wasQuoted = false;
      rows.emplace_back();
      ++i;
    } else {
      cell += c;
    }
  }
  if (quoted) std::abort();  // an unterminated quote
  if (!cell.empty() || !rows.back().empty()) rows.back().push_back(cell);
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  THistoryList list;
  const int n = in.ConsumeIntegralInRange<int>(0, 12);
  for (int i = 0; i < n; ++i) {
    const std::string title = in.ConsumeRandomLengthString(400);
    const std::string url = in.ConsumeRandomLengthString(400);
    // Every reader keeps 0 < t <= 2100-01-01 only.
    const int64_t t = in.ConsumeIntegralInRange<int64_t>(1, 4102444800LL);
    list.Add(report_test::Visit(title, url, t, i % 2 ? "Chrome" : "Firefox",
                                i % 3 ? "Default" : "u\\p"));
  }
  list.SortByTimeDesc();
  TSourceList sources;
  TSourceInfo src;
  src.BrowserId = "chrome";
  src.BrowserName = "Chrome";
  src.Profile = "Default";
  src.Status = ssOk;
  src.Count = n;
  src.Message = in.ConsumeRandomLengthString(64);
  sources.Add(src);
  TReportOptions opts;
  opts.Title = "t";
  opts.RangeText = in.ConsumeRandomLengthString(32);
  opts.MaxRecords = in.ConsumeIntegralInRange<int32_t>(0, 16);
  TAnalyzer a;
  a.Analyze(list);

  if (!report_test::IsJson(BuildJsonReport(a, list, sources, opts))) std::abort();

  std::string html, err, tpl;
  BuildHtmlReport(a, list, sources, opts, html, err);
  LoadReportTemplate(tpl, err);
  if (!html.empty()) {
    const std::string head = "const DATA = ";
    const size_t at = html.find(head);
    if (at == std::string::npos) std::abort();
    const size_t start = at + head.size();
    const size_t end = report_test::TJsonChecker(html).Value(start);
    if (end == std::string::npos) std::abort();
    const std::string obj = html.substr(start, end - start);
    if (obj.find("</") != std::string::npos || obj.find("<!--") != std::string::npos)
      std::abort();
    // No visited text closed a script element of the page early ("<script"
    // alone is harmless in script data once "<!--" cannot occur).
    if (Count(html, "</script") != Count(tpl, "</script")) std::abort();
  }

  const auto rows = CsvRows(BuildCsvReport(list, opts));
  if (rows.empty()) std::abort();
  for (const auto& row : rows) {
    if (row.size() != 5) std::abort();
    for (const std::string& cell : row)
      if (!cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos) std::abort();
  }
  return 0;
}
