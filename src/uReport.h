// The HTML report (the embedded page with its data object) and the JSON
// report, plus the source-list document of /list /format:json. Every
// document is one line of JSON without white space between tokens; text
// values are escaped with JsonEscape.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uTypes.h"

class TAnalyzer;

struct TReportOptions {
  std::string Title;
  std::string RangeText;
  std::string ScopeText;
  int32_t MaxRecords = 0;  // /limit: at most this many visits listed; <= 0 = all
  // The run's downloads, sorted newest first; null = none. /limit does not
  // apply to them: every download is listed.
  const TDownloadList* Downloads = nullptr;
  // Set for a report merged from exports (/in): the machines, by name. The
  // JSON report then names each record's machine and lists the machines;
  // the CSV report gains a first column "计算机". Null for a report of this
  // machine's browsers, which stays as it always was.
  const std::vector<TMachineSummary>* Machines = nullptr;
};

std::string BoolText(bool b);  // "true" / "false"
// [["time","browser","profile","path","url",bytes,"state"],…] in list
// order: the JSON report's "downloads" and the page's download table. Bytes
// -1 when unknown; the state from DownloadStateLabel. Null gives [].
std::string DownloadsJson(const TDownloadList* downloads);
// [{"name","profile","path","status","state","count","msg","ok"},…] in list order.
std::string SourcesJson(const TSourceList& sources);
// [["time","browser","title","url"],…]: the visits the /limit rule keeps
// (with 0 < limit < n, every ceil(n / limit)-th visit from the first, so
// that the sample spans the whole list; otherwise all of them).
std::string RecordsJson(const THistoryList& list, int32_t limit);
std::string PeakText(const TAnalyzer& a);      // JSON report: "周三 9:00", empty when none
std::string HtmlPeakText(const TAnalyzer& a);  // HTML report: "周三 9:00", "—" when none
// Local "yyyy-mm-dd hh:nn"; empty when `unixTime` <= 0.
std::string MinuteText(int64_t unixTime);

// The page: the embedded resource "REPORTTPL", else report_template.html
// from the source tree beside the build folder or beside the program. When
// none is found (or all are empty) `tpl` stays empty and `err` says so. A
// file that exists but cannot be read raises std::runtime_error.
void LoadReportTemplate(std::string& tpl, std::string& err);
// The data object the page reads (keys "title" … "records").
std::string BuildHtmlData(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                          const TReportOptions& opts);
// The filled page; empty with `err` set when there is no template. The
// page's "__PROFILES__" gets {"of":[…],"labels":[…]}: for each listed visit
// the index of its profile label. Inside
// the data object "</" is written "<\/" and "<!--" as "\u003c!--", so that
// no visited text can end or derail the page's script element.
void BuildHtmlReport(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                     const TReportOptions& opts, std::string& html, std::string& err);
// Writes the page as UTF-8 without byte-order mark, creating missing
// folders; the page goes to the file in chunks as it is built. False with "写入报告失败：" + reason when any step fails (the
// close included, so a full disk is a failure); a file this call created is
// removed again then.
bool WriteHtmlReport(const std::string& fileName, const TAnalyzer& a, const THistoryList& list,
                     const TSourceList& sources, const TReportOptions& opts, std::string& err);

// The page straight to standard output: a file or pipe gets it in chunks
// as it is built, a console as one line (WriteStdOut). False with `err` set
// when there is no template (nothing is written then) or with
// "写入报告失败：" + reason when standard output could not take it all.
bool WriteHtmlReportStdOut(const TAnalyzer& a, const THistoryList& list,
                           const TSourceList& sources, const TReportOptions& opts,
                           std::string& err);

// The JSON report: "tool" … "stats", "truncated", "shown", the series and
// the sampled visits as objects with "time","ts","browser","profile","title","url".
// Merged from exports: each visit object, source object and download array
// (as its last item) names its machine, and "machines" follows "downloads":
// [machine, visits, downloads, sources read, sources failed, latest run].
std::string BuildJsonReport(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                            const TReportOptions& opts);
// As WriteHtmlReport, with "写入 JSON 报告失败：" + reason.
bool WriteJsonReport(const std::string& fileName, const std::string& text, std::string& err);
// BuildJsonReport then WriteJsonReport in one, the text going to the file
// in chunks as it is built instead of sitting whole in memory.
bool WriteJsonReportFile(const std::string& fileName, const TAnalyzer& a, const THistoryList& list,
                         const TSourceList& sources, const TReportOptions& opts,
                         std::string& err);
// The JSON report to standard output, as WriteStdOut(BuildJsonReport(…))
// would write it; a file or pipe gets it in chunks as it is built. False
// with "写入 JSON 报告失败：" + reason when standard output could not take it.
bool WriteJsonReportStdOut(const TAnalyzer& a, const THistoryList& list,
                           const TSourceList& sources, const TReportOptions& opts,
                           std::string& err);
// The CSV report for spreadsheets: UTF-8 with byte-order mark, CR LF line
// ends, the line "时间,浏览器,配置,标题,网址", then the visits the /limit
// rule keeps (those of the JSON report's "records"), newest first. Merged
// from exports, "计算机" comes first on every line.
std::string BuildCsvReport(const THistoryList& list, const TReportOptions& opts);
// One CSV field: a text that begins with "=", "+", "-", "@", TAB or CR gets
// a leading "'" (a spreadsheet would run it as a formula); then a text
// holding a comma, a double quote, CR or LF is quoted, its quotes doubled.
std::string CsvField(const std::string& s);
// A spreadsheet opens 1,048,576 lines of a CSV file, its header included:
// "CSV 共 N 行，电子表格只能打开前 1,048,576 行" (N the lines with the
// header) for a report longer than that, else empty. The logger adds "警告: ".
std::string CsvRowsWarning(const THistoryList& list, const TReportOptions& opts);
// As WriteJsonReportFile and WriteJsonReportStdOut, with
// "写入 CSV 报告失败：" + reason.
bool WriteCsvReportFile(const std::string& fileName, const THistoryList& list,
                        const TReportOptions& opts, std::string& err);
bool WriteCsvReportStdOut(const THistoryList& list, const TReportOptions& opts,
                          std::string& err);

// ---- Lines for many machines (/format:jsonl) --------------------------------
// One JSON object per line (UTF-8, LF), each complete in itself, so that the
// exports of many machines can be loaded into one database: "visit" lines
// (every visit; /limit does not apply), then "download" lines, then "source" lines (one per
// source). Every line names its machine and carries the run id. A visit's
// key (machine, user, browser_id, profile, ts, url, seq) is the same in
// every export that holds the visit: `seq` counts the earlier visits of the
// same address by the same profile in the same second, which the stores
// keep as separate rows, so a later or overlapping export repeats the keys
// and two real visits in one second stay two.
struct TJsonlOptions {
  std::string Machine;  // the computer name or /machine
  std::string RunId;    // see JsonlRunId
  // "download" lines, between the visits and the sources (newest start
  // first, as sorted); null writes none.
  const TDownloadList* Downloads = nullptr;
  // Set for a report merged from exports (/in): the machines, by name. The
  // JSON report then names each record's machine and lists the machines;
  // the CSV report gains a first column "计算机". Null for a report of this
  // machine's browsers, which stays as it always was.
  const std::vector<TMachineSummary>* Machines = nullptr;
};
// "yyyymmdd_hhnnssZ-<process id>": the run's UTC start and the process, so
// that the ids of one machine sort by time.
std::string JsonlRunId(int64_t nowUnixUtc, uint32_t processId);
// "user\profile" labels split at the first backslash; a label without one
// is a user alone (the WebCache of a user).
void SplitProfileLabel(const std::string& label, std::string& user, std::string& profile);
// JsonEscapeTo, plus U+2028 and U+2029 as \u2028 and \u2029: JSON allows
// them raw, but line readers of several languages end a line at them.
void JsonlEscapeTo(std::string& out, const std::string& s);
// The lines of `list`, which is sorted newest first (equal visits then lie
// together), and of `sources`.
std::string BuildJsonlReport(const THistoryList& list, const TSourceList& sources,
                             const TJsonlOptions& opts);
// As WriteJsonReportFile and WriteJsonReportStdOut, with
// "写入 JSONL 报告失败：" + reason.
bool WriteJsonlReportFile(const std::string& fileName, const THistoryList& list,
                          const TSourceList& sources, const TJsonlOptions& opts, std::string& err);
bool WriteJsonlReportStdOut(const THistoryList& list, const TSourceList& sources,
                            const TJsonlOptions& opts, std::string& err);

// {"tool","version","build","generated","sources"}.
std::string BuildSourceListJson(const TSourceList& sources);
