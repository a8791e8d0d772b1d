// The command-line driver: options, help and version, the run sequence with
// its exit codes, the report stage and the source table.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "uTypes.h"
#include "uUtil.h"

struct TOptions {
  bool ShowHelp = false;
  bool ShowList = false;
  bool Quiet = false;
  bool AutoOpen = false;
  bool Privacy = false;
  std::string Sources = "auto";
  std::string OutPath;
  std::string Format = "html";
  std::string Title = "浏览器访问记录报告";
  std::string UserMode = "current";
  std::string LogFile;
  int32_t Days = 0;
  bool HasFrom = false;
  bool HasTo = false;
  TDateTime FromDT;
  TDateTime ToDT;
  std::vector<std::string> Include;
  std::vector<std::string> Exclude;
  int32_t MaxRecords = 0;
  // /format was given; otherwise an /out name ending in .json, .csv or
  // .jsonl chooses the format.
  bool FormatGiven = false;
  std::string Machine;  // /machine: the name exported lines carry; empty = this computer's
  // /in: exports (files, or folders of .jsonl files) read instead of browsers.
  std::vector<std::string> Inputs;
};

bool SplitOption(const std::string& arg, std::string& name, std::string& value);
bool ParseDate(const std::string& s, TDateTime& d);
// Parses args[1..]. `versionShown` is set when /version was met (the caller
// then ends with exit code 0 at once; the version text is already printed).
bool ParseOptions(const std::vector<std::string>& args, TOptions& opts, std::string& errMsg,
                  bool& versionShown);
void PrintUsage();
void PrintVersion();

// Whether the arguments send the report to standard output (no /out file
// and no /open). Read before parsing, so that an argument error keeps
// standard output free for the report too.
bool ArgsSendReportToStdOut(const std::vector<std::string>& args);

// The report's file extension for a /format value: ".json", ".csv", ".jsonl"
// or ".html".
std::string DefaultReportExt(const std::string& format);
// The extension of the file an /out value names ("" when it has none or
// names a folder: an existing one, or one written with a trailing separator).
std::string OutPathExt(const std::string& outPath);
// The format an extension names ("html" for .html and .htm, "json", "csv",
// "jsonl"),
// ignoring letter case; "" for any other.
std::string FormatOfExt(const std::string& ext);
// Where a report file goes, from the /out value (trimmed by ParseOptions), the
// format and the default file name; always absolute. `defaultNameUsed`, when
// given, says whether the path ends with the default name.
std::string ResolveReportPath(const std::string& outPath, const std::string& format,
                              const std::string& defaultName, bool* defaultNameUsed = nullptr);
// Takes a default-named report path for this run by creating the file, so
// that an earlier report of the same second is never replaced: when the
// name exists, "_2", "_3", … go before the extension. False (path
// unchanged) when no file could be created there; the writer then says why.
bool ClaimReportPath(std::string& path);

// The collection window from the time options (Unix seconds; 0 = open,
// `toUnix` exclusive) and the range text. Days are local calendar days, the
// same days the report shows; `nowUnix` is the true current Unix time.
void BuildTimeWindow(const TOptions& opts, int64_t nowUnix, int64_t& fromUnix, int64_t& toUnix,
                     std::string& rangeText);

// The machine named in exported lines: /machine, else the computer name,
// else "unknown".
std::string ExportMachineName(const TOptions& opts);
// The machine name as part of a file name: characters that Windows does not
// allow there (and control characters) become "_".
std::string FileNamePart(const std::string& name);

// A readable class name of a caught exception ("std::runtime_error").
std::string ExceptionClassName(const std::exception& e);

int ConsoleWidth();
// `s` cut in the middle with "…" to width - 1 display columns when it is
// wider than `width` (and `width` is at least 16).
std::string Ellipsize(const std::string& s, int width);
// The source table as lines, padded by display columns so that every column
// starts at the same place in a terminal; `width` is the console's.
std::vector<std::string> SourceTableLines(const TSourceList& sources, int width);
// The table to the run log's file (when open) and, with `toConsole`, to
// standard output. False when a console line could not be written (a full
// disk behind a redirection).
bool PrintSourceTable(const TSourceList& sources, TLogger* log, bool toConsole = true);

// The whole program: arguments as UTF-8 (args[0] is the program path);
// malformed sequences are replaced by U+FFFD.
int RunMain(const std::vector<std::string>& args);
