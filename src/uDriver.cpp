#include "uDriver.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <typeinfo>

#if defined(__GNUC__) || defined(__clang__)
#include <cxxabi.h>
#endif

#include "uAggregate.h"
#include "uBrowsers.h"
#include "uBrowsers_exports.h"
#include "uPlatform.h"
#include "uReport.h"
#include "uSqlite.h"
#include "uWebCache.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
const char* const kIdeographicSpace = "\xE3\x80\x80";  // U+3000

TDateTime NextDay(const TDateTime& d) {
  TDateTime r;
  CivilFromDays(DaysFromCivil(d.Year, d.Month, d.Day) + 1, r.Year, r.Month, r.Day);
  return r;
}

int32_t StrToIntDef(const std::string& s, int32_t def) {
  int32_t v = 0;
  return TryStrToInt32(s, v) ? v : def;
}

}  // namespace

// ---- Options ---------------------------------------------------------------

bool SplitOption(const std::string& arg, std::string& name, std::string& value) {
  name.clear();
  value.clear();
  if (arg.empty() || (arg[0] != '/' && arg[0] != '-')) return false;
  const size_t colon = arg.find(':');
  if (colon != std::string::npos) {
    name = arg.substr(1, colon - 1);
    value = arg.substr(colon + 1);
  } else {
    name = arg.substr(1);
  }
  name = LowerAscii(name);
  return !name.empty();
}

bool ParseDate(const std::string& text, TDateTime& d) {
  d = TDateTime();
  std::string s = Trim(text);
  if (Utf16Length(s) < 8) return false;
  s = ReplaceAll(s, "/", "-");
  const size_t first = s.find('-');
  if (first == std::string::npos) return false;
  const size_t second = s.find('-', first + 1);
  if (second == std::string::npos) return false;
  const int32_t year = StrToIntDef(s.substr(0, first), 0);
  const int32_t month = StrToIntDef(s.substr(first + 1, second - first - 1), 0);
  const int32_t day = StrToIntDef(s.substr(second + 1), 0);
  if (year < 1970 || year > 2100 || !IsValidDate(year, month, day)) return false;
  d.Year = year;
  d.Month = month;
  d.Day = day;
  return true;
}

bool ParseOptions(const std::vector<std::string>& args, TOptions& opts, std::string& errMsg,
                  bool& versionShown) {
  opts = TOptions();
  errMsg.clear();
  versionShown = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name, value;
    if (!SplitOption(arg, name, value)) {
      errMsg = "无法识别的参数：" + arg;
      return false;
    }
    // "-h", "--help" and "--version" as other command-line tools spell them.
    if (name == "?" || name == "help" || name == "h" || name == "-help") {
      opts.ShowHelp = true;
    } else if (name == "version" || name == "-version") {
      PrintVersion();
      versionShown = true;
      return true;
    } else if (name == "list") {
      opts.ShowList = true;
    } else if (name == "quiet") {
      opts.Quiet = true;
    } else if (name == "open") {
      opts.AutoOpen = true;
    } else if (name == "privacy") {
      opts.Privacy = true;
    } else if (name == "src") {
      opts.Sources = value;
    } else if (name == "out") {
      opts.OutPath = Trim(value);  // "r.html " names r.html, not "r.html .html"
    } else if (name == "format") {
      opts.Format = LowerAscii(Trim(value));
      opts.FormatGiven = true;
    } else if (name == "title") {
      opts.Title = value;
    } else if (name == "log") {
      opts.LogFile = value;
    } else if (name == "user") {
      opts.UserMode = LowerAscii(value);
    } else if (name == "days") {
      opts.Days = StrToIntDef(value, -1);
    } else if (name == "limit") {
      opts.MaxRecords = StrToIntDef(value, 0);
    } else if (name == "include") {
      opts.Include.push_back(value);
    } else if (name == "exclude") {
      opts.Exclude.push_back(value);
    } else if (name == "in") {
      opts.Inputs.push_back(Trim(value));
    } else if (name == "machine") {
      opts.Machine = Trim(value);
    } else if (name == "from") {
      if (!ParseDate(value, opts.FromDT)) {
        errMsg = "/from 日期格式应为 YYYY-MM-DD";
        return false;
      }
      opts.HasFrom = true;
    } else if (name == "to") {
      if (!ParseDate(value, opts.ToDT)) {
        errMsg = "/to 日期格式应为 YYYY-MM-DD";
        return false;
      }
      opts.HasTo = true;
    } else {
      errMsg = "未知选项：/" + name;
      return false;
    }
  }

  if (opts.Days < 0) {
    errMsg = "/days 必须是不小于 0 的整数";
    return false;
  }
  if (opts.UserMode != "current" && opts.UserMode != "all") {
    errMsg = "/user 只能是 current 或 all";
    return false;
  }
  if (opts.Format != "html" && opts.Format != "json" && opts.Format != "csv" &&
      opts.Format != "jsonl") {
    errMsg = "/format 只能是 html、json、csv 或 jsonl";
    return false;
  }
  if (opts.HasFrom && opts.HasTo &&
      DaysFromCivil(opts.FromDT.Year, opts.FromDT.Month, opts.FromDT.Day) >
          DaysFromCivil(opts.ToDT.Year, opts.ToDT.Month, opts.ToDT.Day)) {
    errMsg = "/from 不能晚于 /to";
    return false;
  }
  // An export that is not there is a mistyped argument, not an empty fleet.
  std::vector<std::string> missing;
  ExportFilesOf(opts.Inputs, missing);
  if (!missing.empty()) {
    errMsg = "/in 路径不存在：" + missing[0];
    return false;
  }
  // "chrome, edge" typed with blanks after the commas still names two ids.
  const std::string src = Trim(opts.Sources);
  if (src.find(' ') != std::string::npos) opts.Sources = ReplaceAll(src, " ", "");
  // /out:r.json asks for JSON as plainly as /format:json does.
  if (!opts.FormatGiven) {
    const std::string byName = FormatOfExt(OutPathExt(opts.OutPath));
    if (!byName.empty()) opts.Format = byName;
  }
  return true;
}

bool ArgsSendReportToStdOut(const std::vector<std::string>& args) {
  std::string out;
  bool open = false;
  for (size_t i = 1; i < args.size(); ++i) {
    std::string name, value;
    if (!SplitOption(args[i], name, value)) continue;
    if (name == "out") out = Trim(value);
    if (name == "open") open = true;
  }
  return out.empty() && !open;
}

void PrintUsage() {
  const std::string exe = std::string(kProductName) + ".exe";
  const std::string lines[] = {
      std::string(kProductName) + " v" + kVersion + " — 浏览器访问记录收集与报告工具",
      "",
      "用法：" + exe + " [选项]",
      "",
      "  /src:auto|all|列表   数据源（chrome,edge,firefox,ie,qq,360se,...），默认 auto",
      "  /days:N              最近 N 天；0 表示全部历史（默认 0）",
      "  /from:YYYY-MM-DD     起始日期（含当天）",
      "  /to:YYYY-MM-DD       结束日期（含当天）",
      "  /out:<路径>          报告输出文件或目录（.html/.json/.csv/.jsonl）；不指定时报告内容",
      "                       直接打印到标准输出",
      "  /format:html|json|csv|jsonl 输出格式，默认 html；jsonl 每行一条记录，供多台计算机汇总",
      "  /machine:<名称>      jsonl 记录中的计算机名，默认本机名称",
      "  /title:<文本>        报告标题",
      "  /user:current|all    扫描范围（all 需管理员权限），默认 current",
      "  /include:<关键词>    仅保留 URL/标题包含该词的记录（可重复）",
      "  /exclude:<域名>      排除域名，支持 *.example.com（可重复）",
      "  /limit:N             明细最多输出 N 条（统计仍按全集）",
      "  /privacy             网址脱敏（去掉查询参数）",
      "  /open                生成后自动打开报告（未指定 /out 时写入临时文件夹）",
      "  /quiet               静默模式，仅输出错误",
      "  /log:<文件>          写入运行日志",
      "  /in:<文件或文件夹>   读取 jsonl 导出（文件夹：其中全部 .jsonl）代替浏览器，可重复",
      "  /list                仅列出探测到的数据源，不采集",
      "  /?  /help            显示本帮助",
      "  /version             显示版本",
      "",
      "示例：",
      "  " + exe + " /open",
      "  " + exe + " /user:all /days:30 /open",
      "  " + exe + " /src:chrome,edge,firefox /from:2026-11-01 /to:2026-11-18",
      "  " + exe + " /list",
      "",
      "退出码：0 成功 1 参数错误 2 无数据 3 数据源全部失败 4 写报告失败 5 内部错误",
      "",
      kMakerLine,
      std::string("官网：") + kHomepage,
  };
  for (const std::string& line : lines) WriteLine(line);
}

void PrintVersion() {
  WriteLine(std::string(kProductName) + " " + kVersion + " (build " + kBuildDate + ")");
  WriteLine(kMakerLine);
  WriteLine(kHomepage);
}

// ---- Report destination -------------------------------------------------------

std::string DefaultReportExt(const std::string& format) {
  if (format == "json" || format == "csv" || format == "jsonl") return "." + format;
  return ".html";
}

namespace {

bool OutPathNamesFolder(const std::string& outPath) {
  return outPath.empty() || plat::DirExists(outPath) || plat::IsPathSep(outPath.back());
}

}  // namespace

std::string OutPathExt(const std::string& outPath) {
  if (OutPathNamesFolder(outPath)) return std::string();
  size_t nameStart = 0;
  for (size_t i = 0; i < outPath.size(); ++i)
    if (plat::IsPathSep(outPath[i])) nameStart = i + 1;
  const size_t dot = outPath.rfind('.');
  return (dot == std::string::npos || dot < nameStart) ? std::string() : outPath.substr(dot);
}

std::string FormatOfExt(const std::string& ext) {
  if (SameTextAscii(ext, ".html") || SameTextAscii(ext, ".htm")) return "html";
  if (SameTextAscii(ext, ".json")) return "json";
  if (SameTextAscii(ext, ".csv")) return "csv";
  if (SameTextAscii(ext, ".jsonl")) return "jsonl";
  return std::string();
}

std::string ResolveReportPath(const std::string& outPath, const std::string& format,
                              const std::string& defaultName, bool* defaultNameUsed) {
  std::string path;
  const bool useDefault = OutPathNamesFolder(outPath);
  if (defaultNameUsed) *defaultNameUsed = useDefault;
  if (outPath.empty()) {
    path = JoinPath(plat::CurrentDir(), defaultName);
  } else if (useDefault) {
    path = JoinPath(outPath, defaultName);
  } else {
    const std::string ext = OutPathExt(outPath);
    path = ext.empty() || !FormatOfExt(ext).empty() ? outPath : outPath + DefaultReportExt(format);
  }
  return plat::AbsolutePath(path);
}

bool ClaimReportPath(std::string& path) {
  const std::string name = ExtractFileName(path);
  const size_t dot = name.rfind('.');
  const size_t extAt = dot == std::string::npos ? path.size() : path.size() - name.size() + dot;
  for (int n = 1; n <= 9999; ++n) {
    const std::string candidate =
        n == 1 ? path : path.substr(0, extAt) + "_" + IntToStr(n) + path.substr(extAt);
    uint32_t code = 0;
    if (plat::CreateNewFile(candidate, code)) {
      path = candidate;
      return true;
    }
    if (code != plat::kErrFileExists) return false;
  }
  return false;
}

// ---- Time window ----------------------------------------------------------------

void BuildTimeWindow(const TOptions& opts, int64_t nowUnix, int64_t& fromUnix, int64_t& toUnix,
                     std::string& rangeText) {
  fromUnix = 0;
  toUnix = 0;
  if (opts.Days > 0) {
    fromUnix = nowUnix - static_cast<int64_t>(opts.Days) * kSecondsPerDay;
    rangeText = Format("最近 %d 天", opts.Days);
    return;
  }
  if (!opts.HasFrom && !opts.HasTo) {
    rangeText = "全部历史";
    return;
  }
  // The dates name local calendar days, as the report displays visits; the
  // window must therefore start and end at local midnight.
  if (opts.HasFrom) fromUnix = LocalToUnix(opts.FromDT);
  if (opts.HasTo) toUnix = LocalToUnix(NextDay(opts.ToDT));
  if (opts.HasFrom && opts.HasTo)
    rangeText = FormatDate(opts.FromDT) + " ~ " + FormatDate(opts.ToDT);
  else if (opts.HasFrom)
    rangeText = FormatDate(opts.FromDT) + " 之后";
  else
    rangeText = "截至 " + FormatDate(opts.ToDT);
}

// ---- Export names ---------------------------------------------------------------

std::string ExportMachineName(const TOptions& opts) {
  if (!opts.Machine.empty()) return opts.Machine;
  const std::string name = Utf8BytesToString(plat::ComputerName());
  return name.empty() ? std::string("unknown") : name;
}

std::string FileNamePart(const std::string& name) {
  std::string out = name;
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr)
      c = '_';
  return out;
}

// ---- Errors -------------------------------------------------------------------

std::string ExceptionClassName(const std::exception& e) {
  std::string name = typeid(e).name();
#if defined(__GNUC__) || defined(__clang__)
  int status = 0;
  if (char* d = abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status)) {
    if (status == 0) name = d;
    std::free(d);
  }
#endif
  // Library-internal namespaces and MSVC's "class " say nothing to a user.
  name = ReplaceAll(name, "__cxx11::", "");
  name = ReplaceAll(name, "__1::", "");
  for (const char* prefix : {"class ", "struct "}) {
    const std::string p = prefix;
    if (name.compare(0, p.size(), p) == 0) name.erase(0, p.size());
  }
  return name;
}

// ---- Source table -------------------------------------------------------------

int ConsoleWidth() {
  int w = plat::ConsoleColumns();
  if (w <= 0) w = 120;
  if (w < 70) w = 70;
  if (w > 160) w = 160;
  return w;
}

std::string Ellipsize(const std::string& s, int width) {
  if (width < 16 || DisplayWidth(s) <= static_cast<size_t>(width)) return s;
  return CutMiddleCols(s, 12, static_cast<size_t>(width - 14));
}

std::vector<std::string> SourceTableLines(const TSourceList& sources, int width) {
  if (sources.Count() == 0) return {"未发现任何可用数据源。"};
  // Browser names come from the catalogue and are shown whole (the column
  // grows for the longest); profile labels come from the disk and are cut
  // in the middle, which keeps the user and a "(snap)" at the end in view.
  constexpr size_t kProfileCols = 24;
  const TSourceInfo* items = sources.Items().data();
  const size_t count = static_cast<size_t>(sources.Count());
  size_t nameCols = 14;
  // The downloads column appears once some source had downloads, so a
  // table of visits alone reads as it always did.
  bool downloads = false;
  for (size_t i = 0; i < count; ++i) {
    nameCols = std::max(nameCols, DisplayWidth(items[i].BrowserName));
    downloads = downloads || items[i].Downloads > 0;
  }
  auto row = [&](const std::string& name, const std::string& profile, const std::string& status,
                 const std::string& visits, const std::string& files) {
    const std::string label = DisplayWidth(profile) <= kProfileCols
                                  ? profile
                                  : CutMiddleCols(profile, kProfileCols / 2 - 1, kProfileCols / 2);
    return PadRightCols(name, nameCols) + " " + PadRightCols(label, kProfileCols) + " " +
           PadRightCols(status, 12) + " " + PadLeftCols(visits, 10) +
           (downloads ? " " + PadLeftCols(files, 8) : std::string());
  };
  std::vector<std::string> lines;
  lines.push_back(row("浏览器", "配置/用户", "状态", "条数", "下载"));
  lines.push_back(std::string(DisplayWidth(lines[0]), '-'));
  for (size_t i = 0; i < count; ++i) {
    const TSourceInfo& s = items[i];
    // Texts from the disk are made safe before they are measured, so that
    // a name can neither add a row nor shift the columns.
    lines.push_back(row(s.BrowserName, LineSafeText(s.Profile), StatusLabel(s.Status),
                        IntToStr(s.Count), IntToStr(s.Downloads)));
    lines.push_back("    " + Ellipsize(LineSafeText(s.DbPath), width - 8));
    if (!s.Message.empty()) lines.push_back("    \xE2\x94\x94 " + LineSafeText(s.Message));
  }
  return lines;
}

bool PrintSourceTable(const TSourceList& sources, TLogger* log, bool toConsole) {
  bool ok = true;
  for (const std::string& line : SourceTableLines(sources, ConsoleWidth())) {
    if (log) log->Raw(line);
    if (toConsole) ok = WriteLine(line) && ok;
  }
  return ok;
}

// ---- Run sequence ---------------------------------------------------------------

namespace {

// The visit list and the analyzer of a large history hold a million records
// and a few hundred thousand texts, all needed to the end of the run. The
// process hands their memory back in one piece when it ends; freeing them
// block by block first would cost a tenth of the run. They stay reachable
// from here, so leak checkers do not count them.
template <typename T>
T& KeepUntilExit(T* object) {
  static auto* kept = new std::vector<std::unique_ptr<T>>();
  kept->emplace_back(object);
  return *object;
}

std::string ScopeText(const TOptions& opts, const TUserProfiles& users) {
  if (opts.UserMode == "all")
    return Format("全部用户（%d 个配置）", static_cast<int>(users.size()));
  return "当前用户 " + (users.empty() ? std::string() : Utf8BytesToString(users[0].Name));
}

std::string StatsLine(const TAnalyzer& a) {
  return Format("统计：%d 次访问，%d 个网址，%d 个域名，%d 天活跃", a.Total(), a.UniqueUrls(),
                a.UniqueDomains(), a.ActiveDays());
}

// Where a run on a terminal writes its report: the current folder, or the
// temporary folder when the current one cannot be written.
std::string TerminalReportFolder() {
  uint32_t code = 0;
  const std::string probe = JoinPath(
      plat::CurrentDir(), Format("vt_probe_%u_%d", static_cast<unsigned>(plat::ProcessId()),
                                 static_cast<int>(plat::TickCount())));
  if (plat::CreateNewFile(probe, code)) {
    plat::RemoveFile(probe);
    return ".";
  }
  const std::string temp = plat::UserTempDir();
  return temp.empty() ? std::string(".") : temp;
}

// The report file of this run: a default name is claimed, so that it never
// replaces an earlier report; a name the user gave is replaced as asked.
// /open without /out writes into the temporary folder, which is writable
// also when the current folder is not.
std::string ReportFilePath(const TOptions& opts, const std::string& defaultName, bool& claimed) {
  bool defaultUsed = false;
  // The user's own temporary folder, never the run folder: the report
  // outlives the run and is opened by the user's desktop.
  const std::string tempDir = plat::UserTempDir();
  const std::string out =
      opts.OutPath.empty() && opts.AutoOpen && !tempDir.empty() ? tempDir : opts.OutPath;
  std::string path = ResolveReportPath(out, opts.Format, defaultName, &defaultUsed);
  claimed = defaultUsed && ClaimReportPath(path);
  return path;
}

// A document to standard output, or to the report file of this run (its
// path handed back). On failure the file claimed under the default name is
// removed again and the writer's message logged.
bool WriteReportTo(const TOptions& opts, bool stdOutMode, const std::string& defaultName,
                   TLogger& log, std::string& path,
                   const std::function<bool(std::string&)>& toStdOut,
                   const std::function<bool(const std::string&, std::string&)>& toFile) {
  std::string err;
  bool claimed = false;
  bool ok;
  if (stdOutMode) {
    ok = toStdOut(err);
  } else {
    path = ReportFilePath(opts, defaultName, claimed);
    ok = toFile(path, err);
  }
  if (ok) return true;
  if (claimed) plat::RemoveFile(path);
  log.Error(err);
  return false;
}

// The lines for many machines: every visit and source, to a file named
// after the machine or to standard output. An export carries no statistics,
// so the analysis is left out.
int RunExportStage(const TOptions& opts, bool stdOutMode, const THistoryList& list,
                   const TDownloadList& downloads, const TSourceList& sources, TLogger& log) {
  TJsonlOptions jo;
  jo.Downloads = &downloads;
  jo.Machine = ExportMachineName(opts);
  jo.RunId = JsonlRunId(plat::NowUnixUtc(), plat::ProcessId());
  const int doneCode = list.Count() == 0 ? 2 : 0;
  const std::string defaultName = std::string(kProductName) + "_" + FileNamePart(jo.Machine) +
                                  "_" + FormatStamp(NowLocal()) + ".jsonl";
  std::string path;
  if (!WriteReportTo(
          opts, stdOutMode, defaultName, log, path,
          [&](std::string& err) { return WriteJsonlReportStdOut(list, sources, jo, err); },
          [&](const std::string& file, std::string& err) {
            return WriteJsonlReportFile(file, list, sources, jo, err);
          }))
    return 4;
  if (stdOutMode) return doneCode;
  WriteLine();
  WriteLine("JSONL 报告已生成：" + path);
  WriteLine(Format("导出：%d 次访问，%d 个数据源（计算机 %s）", list.Count(), sources.Count(),
                   jo.Machine.c_str()));
  return doneCode;
}

// Sorting, analysis and the dispatch to a file or standard output.
// `machines` is set for a report merged from exports.
int RunReportStage(const TOptions& opts, bool stdOutMode, THistoryList& list,
                   TDownloadList& downloads, const TSourceList& sources, std::string rangeText,
                   const std::string& scopeText, TLogger& log,
                   const std::vector<TMachineSummary>* machines = nullptr) {
  list.SortByTimeDesc();
  downloads.SortByTimeDesc();
  if (!stdOutMode) {
    const std::string ext = OutPathExt(opts.OutPath), named = FormatOfExt(ext);
    if (!named.empty() && named != opts.Format)
      log.Warn("报告格式为 " + opts.Format + "，但文件扩展名为 " + ext);
  }
  if (opts.Format == "jsonl") return RunExportStage(opts, stdOutMode, list, downloads, sources, log);
  TAnalyzer& analyzer = KeepUntilExit(new TAnalyzer());
  analyzer.Analyze(list);
  if (rangeText == "全部历史" && analyzer.Total() > 0)
    rangeText = Format("全部历史（%s 至 %s）", FormatDate(UnixToLocal(analyzer.Earliest())).c_str(),
                       FormatDate(UnixToLocal(analyzer.Latest())).c_str());

  TReportOptions ro;
  ro.Title = opts.Title;
  ro.RangeText = rangeText;
  ro.ScopeText = scopeText;
  ro.MaxRecords = opts.MaxRecords;
  ro.Downloads = &downloads;
  ro.Machines = machines;

  const int doneCode = list.Count() == 0 ? 2 : 0;
  const std::string defaultName = std::string(kProductName) + "_Report_" +
                                  FormatStamp(NowLocal()) + DefaultReportExt(opts.Format);

  // Reports go out in chunks as they are built: with a large history the
  // text is far bigger than the visits it describes. Every format has the
  // same destinations and failure handling; an empty list reaches here only
  // for JSON, CSV or standard output (exit code 2).
  const bool html = opts.Format == "html", csv = opts.Format == "csv";
  std::string path;
  if (!WriteReportTo(
          opts, stdOutMode, defaultName, log, path,
          [&](std::string& err) {
            return html  ? WriteHtmlReportStdOut(analyzer, list, sources, ro, err)
                   : csv ? WriteCsvReportStdOut(list, ro, err)
                         : WriteJsonReportStdOut(analyzer, list, sources, ro, err);
          },
          [&](const std::string& file, std::string& err) {
            return html  ? WriteHtmlReport(file, analyzer, list, sources, ro, err)
                   : csv ? WriteCsvReportFile(file, list, ro, err)
                         : WriteJsonReportFile(file, analyzer, list, sources, ro, err);
          }))
    return 4;
  if (csv) {
    const std::string tooLong = CsvRowsWarning(list, ro);
    if (!tooLong.empty()) log.Warn(tooLong);
  }
  if (stdOutMode) return doneCode;
  WriteLine();
  WriteLine(std::string(html ? "" : csv ? "CSV " : "JSON ") + "报告已生成：" + path);
  WriteLine(StatsLine(analyzer));
  if (html) {
    WriteLine(std::string(kMakerLine) + kIdeographicSpace + kHomepage);
    std::string err;
    if (opts.AutoOpen && !plat::ShellOpen(path, err)) log.Warn("无法打开报告：" + err);
  }
  return doneCode;
}

// The exports /in names, read into `list` and `downloads` under the run's
// filters; false when none of them was an export that could be read.
bool ReadExports(const TOptions& opts, int64_t fromUnix, int64_t toUnix, THistoryList& list,
                 TDownloadList& downloads, TSourceList& sources,
                 std::vector<TMachineSummary>& machines, std::vector<TExportFileInfo>& files,
                 TLogger& log) {
  // The collector's reading of /src, so that ids select as for browsers.
  THistoryList noVisits;
  TSourceList noSources;
  TCollector ids(noVisits, noSources, nullptr, 0, 0);
  ids.SetSourceFilter(opts.Sources);
  for (const std::string& id : ids.UnknownFilterIds()) log.Warn("未识别的数据源：" + id);
  TExportFilter filter;
  filter.FromUnix = fromUnix;
  filter.ToUnix = toUnix;
  if (ids.HasFilter())
    filter.SourceSelected = [&ids](const std::string& id) { return ids.SourceSelected(id); };
  filter.Include = opts.Include.empty() ? nullptr : &opts.Include;
  filter.Exclude = opts.Exclude.empty() ? nullptr : &opts.Exclude;
  filter.Privacy = opts.Privacy;
  TExportReader reader(list, downloads, filter);
  std::vector<std::string> missing;
  bool any = false;
  for (const std::string& path : ExportFilesOf(opts.Inputs, missing)) {
    files.emplace_back();
    TExportFileInfo& f = files.back();
    reader.ReadFile(path, f);
    const std::string problem = ExportFileWarning(f);
    if (!problem.empty()) log.Warn(problem);
    if (!f.Readable()) continue;
    any = true;
    log.Info(Format("读取导出：%s（计算机 %s，%d 次访问，%d 个下载）", f.Path.c_str(),
                    LineSafeText(f.Machine).c_str(), f.Visits, f.Downloads));
  }
  reader.Finish(sources, machines);
  return any;
}

// A run over exports instead of browsers: the machines' records merged, each
// once, then the report stage as for browsers, with the machine as a
// dimension of every format.
int RunFromExports(const TOptions& opts, bool stdOutMode, TLogger& log) {
  int64_t fromUnix = 0, toUnix = 0;
  std::string rangeText;
  BuildTimeWindow(opts, plat::NowUnixUtc(), fromUnix, toUnix, rangeText);
  THistoryList& list = KeepUntilExit(new THistoryList());
  TDownloadList& downloads = KeepUntilExit(new TDownloadList());
  TSourceList sources;
  std::vector<TMachineSummary> machines;
  std::vector<TExportFileInfo> files;
  const bool any =
      ReadExports(opts, fromUnix, toUnix, list, downloads, sources, machines, files, log);
  if (opts.ShowList) {
    bool ok = true;
    for (const std::string& line : ExportListLines(files)) {
      log.Raw(line);
      ok = WriteLine(line) && ok;
    }
    if (ok) return 0;
    log.Error("写入数据源列表失败：" + SysErrorText(plat::LastErrorCode()));
    return 4;
  }
  if (!any) {
    log.Error("没有可读取的 Visitrail 导出文件，未生成报告。");
    return 3;
  }
  const std::string scope = Format("%d 台计算机", static_cast<int>(machines.size()));
  if (!opts.Quiet) WriteLine("扫描范围：" + scope);
  log.Info(Format("采集完成：%d 条记录，%d 个数据源", list.Count(), sources.Count()));
  if (downloads.Count() > 0) log.Info(Format("下载记录：%d 个文件", downloads.Count()));
  if (list.Count() == 0 && opts.Format == "html" && !stdOutMode) {
    WriteLine();
    WriteLine("时间范围内没有可用记录，未生成报告。");
    return 2;
  }
  return RunReportStage(opts, stdOutMode, list, downloads, sources, rangeText, scope, log,
                        &machines);
}

// Everything from the run log on; exceptions leave through RunMain's handler.
// `quiet` is the user's /quiet: with the report on standard output the run
// prints no banner, scope line or table, but its warnings still reach the
// terminal through standard error.
int RunCollection(TOptions& opts, bool stdOutMode, bool quiet,
                  std::unique_ptr<TLogger>& logHolder) {
  logHolder.reset(new TLogger());
  TLogger& log = *logHolder;
  log.SetQuiet(quiet);
  log.SetReportOnStdOut(stdOutMode);
  if (!opts.LogFile.empty()) log.OpenFile(opts.LogFile);

  if (!opts.Quiet) {
    WriteLine(std::string(kProductName) + " v" + kVersion + kIdeographicSpace + "\xEF\xBC\x88" +
              kBuildDate + "\xEF\xBC\x89");
    WriteLine(std::string(kMakerName) + kIdeographicSpace + "\xC2\xB7" + kIdeographicSpace +
              kHomepage);
    WriteLine(std::string(60, '-'));
  }
  if (!opts.Inputs.empty()) return RunFromExports(opts, stdOutMode, log);

  std::string err;
  if (TSqliteDb::EnsureLoaded(ExtractFileDir(plat::OwnExePath()), err)) {
    const std::string note = TSqliteDb::LoadedNote();
    log.Info(note.empty() ? std::string("SQLite 引擎：已加载")
                          : "SQLite 引擎：已加载（" + note + "）");
    log.Raw("sqlite3.dll 路径：" + TSqliteDb::LoadedPath());
  } else {
    log.Warn(err + "（Chromium/Firefox 数据源将不可用）");
  }

  err.clear();
  TUserProfiles users;
  ListUserProfiles(opts.UserMode, err, users);
  if (!err.empty()) log.Warn(err);
  for (const TUserProfile& u : users) {
    if (u.ListError == 0) continue;
    const std::string why =
        u.ListError == plat::kErrAccessDenied ? "权限不足" : SysErrorText(u.ListError);
    log.Warn("无法读取用户 " + u.Name + " 的文件夹（" + why + "）：" + u.Root);
  }
  if (!IsElevated() && opts.UserMode == "all")
    log.Warn("当前未以管理员身份运行，其他用户的数据可能无法读取");
  if (!opts.Quiet) WriteLine("扫描范围：" + ScopeText(opts, users));

  int64_t fromUnix = 0, toUnix = 0;
  std::string rangeText;
  BuildTimeWindow(opts, plat::NowUnixUtc(), fromUnix, toUnix, rangeText);

  THistoryList& list = KeepUntilExit(new THistoryList());
  TDownloadList& downloads = KeepUntilExit(new TDownloadList());
  TSourceList sources;
  {
    TCollector collector(list, sources, &log, fromUnix, toUnix);
    collector.SetDownloadList(&downloads);
    collector.SetSourceFilter(opts.Sources);
    for (const std::string& id : collector.UnknownFilterIds()) log.Warn("未识别的数据源：" + id);
    collector.SetKeywordFilter(&opts.Include, &opts.Exclude);
    collector.SetPrivacy(opts.Privacy);
    collector.Collect(users);
  }

  if (opts.ShowList) {
    if (opts.Format == "json") {
      if (!WriteStdOut(BuildSourceListJson(sources))) {
        log.Error("写入 JSON 报告失败：" + SysErrorText(plat::LastErrorCode()));
        return 4;
      }
    } else if (!PrintSourceTable(sources, &log)) {
      log.Error("写入数据源列表失败：" + SysErrorText(plat::LastErrorCode()));
      return 4;
    }
    return 0;
  }

  log.Info(Format("采集完成：%d 条记录，%d 个数据源", list.Count(), sources.Count()));
  if (downloads.Count() > 0) log.Info(Format("下载记录：%d 个文件", downloads.Count()));
  PrintSourceTable(sources, &log, !opts.Quiet);

  int okSources = 0, failedSources = 0;
  for (int32_t i = 0; i < sources.Count(); ++i) {
    const TSourceStatus st = sources.Items()[static_cast<size_t>(i)].Status;
    if (StatusIsOk(st))
      ++okSources;
    else if (st == ssLocked || st == ssNoPermission || st == ssParseError)
      ++failedSources;
  }

  if (list.Count() == 0) {
    if (okSources == 0 && failedSources > 0) {
      log.Error("所有数据源均读取失败，未生成报告。");
      return 3;
    }
    // JSON and CSV reports are written also when empty (a header without
    // visits); an HTML page to a file is not.
    if (opts.Format == "html" && !stdOutMode) {
      WriteLine();
      WriteLine("时间范围内没有可用记录，未生成报告。");
      return 2;
    }
  }
  return RunReportStage(opts, stdOutMode, list, downloads, sources, rangeText,
                        ScopeText(opts, users), log);
}

}  // namespace

int RunMain(const std::vector<std::string>& rawArgs) {
  plat::PrepareProcess();
  if (IsWorkerCommandLine(rawArgs)) return RunWorker(rawArgs);
  // From here on the run makes copies of people's history; an interrupted
  // run must not leave them behind.
  plat::InstallInterruptCleanup();
  // What runs ended by logoff, shutdown or a forced end left behind.
  RemoveStaleTempFiles();

  // Arguments are UTF-8 from here on: on Linux they are whatever bytes the
  // shell passed, and a title or filter must not make the report invalid.
  std::vector<std::string> args;
  for (const std::string& a : rawArgs) args.push_back(Utf8BytesToString(a));

  TOptions opts;
  std::string err;
  bool versionShown = false;
  const bool ok = ParseOptions(args, opts, err, versionShown);
  if (versionShown) return 0;
  if (!ok) {
    // Standard output is kept for the report a run without /out writes.
    const bool toStdErr = ArgsSendReportToStdOut(args);
    for (const std::string& line : {"参数错误：" + err, std::string("使用 /? 查看帮助。")}) {
      if (toStdErr)
        WriteErrorLine(line);
      else
        WriteLine(line);
    }
    return 1;
  }
  if (opts.ShowHelp) {
    PrintUsage();
    return 0;
  }

  // Standard output is for redirection (Visitrail > r.html): a report
  // poured onto a terminal helps no one. There, without /out, it is
  // written under its default name as with /out:. .
  if (Trim(opts.OutPath).empty() && !opts.AutoOpen && !opts.ShowList && StdOutIsConsole())
    opts.OutPath = TerminalReportFolder();
  const bool stdOutMode = Trim(opts.OutPath).empty() && !opts.AutoOpen;
  const bool quiet = opts.Quiet;
  if (stdOutMode) opts.Quiet = true;

  // Before anything is copied: an elevated run works in a folder of its own
  // that the audited users cannot reach, or does not run at all. Refused
  // like a report that cannot be written (4): the run has nowhere safe to
  // write its copies.
  if (!plat::OpenRunFolder(err)) {
    const std::string line = "错误：无法建立安全的临时工作文件夹，未复制任何数据。" + err;
    if (stdOutMode)
      WriteErrorLine(line);
    else
      WriteLine(line);
    return 4;
  }
  // Every way out removes the run folder, and waits for the interruption's
  // clean-up when one is under way (it ends the process itself).
  struct TRunFolderHold {
    ~TRunFolderHold() {
      plat::WaitForInterruptCleanup();
      plat::CloseRunFolder();
    }
  } runFolder;

  std::unique_ptr<TLogger> log;
  std::string cls, msg;
  try {
    return RunCollection(opts, stdOutMode, quiet, log);
  } catch (const std::exception& e) {
    cls = ExceptionClassName(e);
    msg = e.what();
  } catch (...) {
    cls = "unknown";
    msg = "非标准异常";
  }
  const std::string line = "内部错误：" + cls + ": " + msg;
  if (stdOutMode)
    WriteErrorLine(line);  // standard output holds the report alone
  else
    WriteLine(line);
  if (log) {
    try {
      log->Raw("[异常] " + cls + ": " + msg);
    } catch (...) {
      // The log itself may be what failed; the console line already says why.
    }
  }
  return 5;
}
