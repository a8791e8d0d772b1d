// The CSV report: the listed visits for a spreadsheet. A spreadsheet on a
// Chinese Windows reads a file without byte-order mark in the ANSI code
// page, so the file starts with one; lines end in CR LF as RFC 4180 has it.
#include <cstdint>
#include <string>

#include "uReport.h"
#include "uReport_out.h"

using namespace report_detail;

namespace {

const char* const kCsvBom = "\xEF\xBB\xBF";
const char* const kCsvHeader = "时间,浏览器,配置,标题,网址\r\n";

// A spreadsheet takes a cell that begins with one of these for a formula
// ("=cmd|' /C calc'!A0" would run a program).
bool LooksLikeFormula(const std::string& s) {
  if (s.empty()) return false;
  const char c = s[0];
  return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

bool NeedsQuotes(const std::string& s) { return s.find_first_of(",\"\r\n") != std::string::npos; }

// The common field has nothing to guard and nothing to quote.
bool CsvPlain(const std::string& s) { return !LooksLikeFormula(s) && !NeedsQuotes(s); }

void AppendCsvField(std::string& out, const std::string& s) {
  if (CsvPlain(s)) {
    out += s;
    return;
  }
  out += CsvField(s);
}

void EmitCsvReport(TReportSink& sink, const THistoryList& list, int32_t limit) {
  TTimeTextCache times;
  TLabelTexts labels(CsvField);
  std::string& out = sink.Text;
  out += kCsvBom;
  out += kCsvHeader;
  ForEachSampled(list, limit, [&](const THistoryRecord& r) {
    // Times are digits, "-", ":" and a space; an empty time (no valid
    // visit time) needs nothing either.
    times.AppendTo(out, r.VisitUnix);
    out += ',';
    out += labels.Name(r.Source);
    out += ',';
    out += labels.Profile(r.Source);
    out += ',';
    AppendCsvField(out, r.Title);
    out += ',';
    AppendCsvField(out, r.Url);
    out += "\r\n";
    return sink.Spill();
  });
  sink.Drain();
}

}  // namespace

std::string CsvField(const std::string& s) {
  if (CsvPlain(s)) return s;
  const std::string guarded = LooksLikeFormula(s) ? "'" + s : s;
  if (!NeedsQuotes(guarded)) return guarded;
  std::string out = "\"";
  for (char ch : guarded) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
  return out;
}

std::string BuildCsvReport(const THistoryList& list, const TReportOptions& opts) {
  TReportSink sink;
  EmitCsvReport(sink, list, opts.MaxRecords);
  return std::move(sink.Text);
}

bool WriteCsvReportFile(const std::string& fileName, const THistoryList& list,
                        const TReportOptions& opts, std::string& err) {
  err.clear();
  return EmitToFile(
      fileName, [&](TReportSink& sink) { EmitCsvReport(sink, list, opts.MaxRecords); },
      "写入 CSV 报告失败：", err);
}

bool WriteCsvReportStdOut(const THistoryList& list, const TReportOptions& opts,
                          std::string& err) {
  err.clear();
  return EmitToStdOut([&](TReportSink& sink) { EmitCsvReport(sink, list, opts.MaxRecords); },
                      "写入 CSV 报告失败：", err);
}
