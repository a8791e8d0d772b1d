// Reading this program's own JSON Lines exports (/in) in place of browsers:
// the exports of many machines merged into one run's lists, each record once.
//
// A line is one flat JSON object; "visit", "download" and "source" lines are
// taken, anything else (not JSON, another kind, a record without its key) is
// skipped and counted for its file. Lines are read as a stream: a line
// longer than the cap is skipped up to its end without being held. A file
// with no line of this program's is foreign and contributes nothing.
//
// Visits and downloads are keyed as the fleet's database keys them
// (machine, user, browser id, profile, ts, url, seq; downloads also path), so
// overlapping exports add each record once. The key set holds two
// independent 64-bit hashes of a key, not its text: memory grows with the
// records kept, and two different keys agree in both hashes with odds far
// below one in 2^64 per pair.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "uTypes.h"
#include "uUtil.h"

namespace plat {
class TFileReader;
}

// One export file as read.
struct TExportFileInfo {
  std::string Path;
  std::string Machine;  // of its first record
  std::string Run;      // of its first record
  int32_t Visits = 0;   // lines of each kind, before the key set and the filters
  int32_t Downloads = 0;
  int32_t Sources = 0;
  int32_t BadLines = 0;      // skipped lines
  int64_t FirstBadLine = 0;  // 1-based; 0 when none
  bool Foreign = false;      // no line of this program's: nothing taken
  std::string OpenError;     // the file could not be read at all
  bool Readable() const { return OpenError.empty() && !Foreign; }
};

// What the filters of a run are for records from exports, as for browsers:
// the time window (fromUnix <= ts < toUnix, 0 = open), the browser ids
// (null = all), include / exclude words and the query cut.
struct TExportFilter {
  int64_t FromUnix = 0;
  int64_t ToUnix = 0;
  std::function<bool(const std::string& browserId)> SourceSelected;
  const std::vector<std::string>* Include = nullptr;
  const std::vector<std::string>* Exclude = nullptr;
  bool Privacy = false;
};

// Splits a file into lines without holding more than one line (and one read
// block) at a time. A line longer than `maxLine` bytes comes back empty with
// `tooLong` set; its bytes are passed over, never kept.
class TLineStream {
 public:
  static constexpr size_t kDefaultMaxLine = size_t{64} << 20;
  TLineStream(const plat::TFileReader& file, int64_t size, size_t maxLine = kDefaultMaxLine,
              size_t block = size_t{1} << 20);
  // False at the end. `cut` is set for a last line without its newline.
  bool Next(std::string& line, bool& tooLong, bool& cut);
  // The largest line buffer held so far, in bytes (a check that the cap holds).
  size_t PeakLineBytes() const { return FPeak; }
  bool ReadFailed() const { return FFailed; }

 private:
  bool Fill();
  const plat::TFileReader& FFile;
  int64_t FSize;
  int64_t FOffset = 0;
  size_t FMaxLine;
  std::vector<char> FBlock;
  size_t FAt = 0, FEnd = 0;
  size_t FPeak = 0;
  bool FFailed = false;
};

// The flat JSON object of one line: key and value texts (numbers, true,
// false and null as written). False for anything else, nested values
// included.
bool ParseFlatJsonObject(const std::string& line,
                         std::vector<std::pair<std::string, std::string>>& fields);

class TExportReader {
 public:
  TExportReader(THistoryList& list, TDownloadList& downloads, const TExportFilter& filter);
  ~TExportReader();
  // Reads one export into the lists; the file's counts and problems in `info`.
  void ReadFile(const std::string& path, TExportFileInfo& info,
                size_t maxLine = TLineStream::kDefaultMaxLine);
  // One line, as ReadFile takes it: false when it is no record of this
  // program's (or lacks its key). For tests and for ReadFile.
  bool TakeLine(const std::string& line, TExportFileInfo& info);
  // The sources of each machine's latest run and every machine met, by name.
  void Finish(TSourceList& sources, std::vector<TMachineSummary>& machines) const;

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// The export files that /in values name: a file as it is, a folder as its
// ".jsonl" files (any letter case) in name order. Values naming nothing are
// put in `missing`.
std::vector<std::string> ExportFilesOf(const std::vector<std::string>& inputs,
                                       std::vector<std::string>& missing);

// "<file> 有 N 行无法解析，已跳过（第 L 行起）" or "<file> 不是 Visitrail 导出文件"
// for a file's problem (the logger adds "警告: "); empty when none.
std::string ExportFileWarning(const TExportFileInfo& info);
// The /list table of exports: file, machine, run and the lines of each kind.
std::vector<std::string> ExportListLines(const std::vector<TExportFileInfo>& files);
