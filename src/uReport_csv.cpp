// The CSV report: the listed visits for a spreadsheet. A spreadsheet on a
// Chinese Windows reads a file without byte-order mark in the ANSI code
// page, so the file starts with one; lines end in CR LF as RFC 4180 has it.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "uReport.h"
#include "uReport_out.h"

using namespace report_detail;

namespace {

const char* const kCsvBom = "\xEF\xBB\xBF";
const char* const kCsvHeader = "时间,浏览器,配置,标题,网址\r\n";
const char* const kCsvMachineHeader = "计算机,";

// A spreadsheet takes a cell that begins with one of these for a formula
// ("=cmd|' /C calc'!A0" would run a program).
bool LooksLikeFormula(const std::string& s) {
  if (s.empty()) return false;
  const char c = s[0];
  return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Addresses and titles seldom hold a comma, a double quote or a line end:
// eight bytes at a time are tested for one of them (a zero-byte test per
// character and a below-0x0E test for CR and LF, which never miss one), and
// only a word that may hold one is looked at byte by byte.
bool NeedsQuotes(const std::string& s) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
  const char* p = s.data();
  const size_t n = s.size();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    const uint64_t comma = w ^ (kOnes * ','), quote = w ^ (kOnes * '"');
    const uint64_t hit = ((w - kOnes * 0x0E) & ~w) | ((comma - kOnes) & ~comma) |
                         ((quote - kOnes) & ~quote);
    if (hit & kHigh) break;
  }
  for (; i < n; ++i)
    if (p[i] == ',' || p[i] == '"' || p[i] == '\r' || p[i] == '\n') return true;
  return false;
}

// The common field has nothing to guard and nothing to quote.
bool CsvPlain(const std::string& s) { return !LooksLikeFormula(s) && !NeedsQuotes(s); }

void AppendCsvField(std::string& out, const std::string& s) {
  if (CsvPlain(s)) {
    out += s;
    return;
  }
  out += CsvField(s);
}

// `machines`: a report merged from exports, whose lines begin with the
// record's machine.
void EmitCsvReport(TReportSink& sink, const THistoryList& list, int32_t limit, bool machines) {
  struct TLane {
    TTimeTextCache Times;
    TLabelTexts Labels{CsvField};
  };
  const int lanes = ReportLanes();
  std::vector<TLane> state(static_cast<size_t>(lanes));
  sink.Text += kCsvBom;
  if (machines) sink.Text += kCsvMachineHeader;
  sink.Text += kCsvHeader;
  EmitRecordChunks(sink, SampledCount(list, limit), 8192, lanes,
                   [&](int lane, std::string& out, int32_t from, int32_t to,
                       const TPassOn& passOn) {
    TLane& s = state[static_cast<size_t>(lane)];
    ForEachSampledIn(list, limit, from, to, [&](const THistoryRecord& r) {
      if (machines) {
        AppendCsvField(out, r.Machine());
        out += ',';
      }
      // Times are digits, "-", ":" and a space; an empty time (no valid
      // visit time) needs nothing either.
      s.Times.AppendTo(out, r.VisitUnix);
      out += ',';
      out += s.Labels.Name(r.Source);
      out += ',';
      out += s.Labels.Profile(r.Source);
      out += ',';
      AppendCsvField(out, r.Title);
      out += ',';
      AppendCsvField(out, r.Url);
      out += "\r\n";
      PassOnIfLarge(out, passOn);
      return true;
    });
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

std::string CsvRowsWarning(const THistoryList& list, const TReportOptions& opts) {
  constexpr int64_t kSpreadsheetRows = 1048576;
  const int64_t lines = int64_t{SampledCount(list, opts.MaxRecords)} + 1;
  if (lines <= kSpreadsheetRows) return std::string();
  return "CSV 共 " + std::to_string(lines) + " 行，电子表格只能打开前 1,048,576 行";
}

std::string BuildCsvReport(const THistoryList& list, const TReportOptions& opts) {
  TReportSink sink;
  EmitCsvReport(sink, list, opts.MaxRecords, opts.Machines != nullptr);
  return std::move(sink.Text);
}

bool WriteCsvReportFile(const std::string& fileName, const THistoryList& list,
                        const TReportOptions& opts, std::string& err) {
  err.clear();
  const bool machines = opts.Machines != nullptr;
  return EmitToFile(
      fileName, [&](TReportSink& sink) { EmitCsvReport(sink, list, opts.MaxRecords, machines); },
      "写入 CSV 报告失败：", err);
}

bool WriteCsvReportStdOut(const THistoryList& list, const TReportOptions& opts,
                          std::string& err) {
  err.clear();
  const bool machines = opts.Machines != nullptr;
  return EmitToStdOut(
      [&](TReportSink& sink) { EmitCsvReport(sink, list, opts.MaxRecords, machines); },
      "写入 CSV 报告失败：", err);
}
