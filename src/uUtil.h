// Shared helpers: run log, counting tables, URL/host/domain helpers, text,
// JSON and HTML escaping, UTF-16 counting, paths and time conversions.
// One source file per concept: uUtil_text, _log, _counters, _url, _paths,
// _time (and uUtf8.h, the private UTF-8 primitives they share).
// Text is UTF-8 in std::string; where characters are counted, the count is
// in UTF-16 code units, as the reports and the Windows console see them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "uTypes.h"

// ---- UTF-8 / UTF-16 ------------------------------------------------------
std::u16string Utf8ToUtf16(const std::string& s);  // malformed -> U+FFFD
std::string Utf16ToUtf8(const std::u16string& s);  // lone surrogate -> U+FFFD
// Length of `s` in UTF-16 code units.
size_t Utf16Length(const std::string& s);
// The first `n` UTF-16 units of `s`; a surrogate pair that would be split
// is dropped whole, so the result is always valid UTF-8.
std::string Utf16Left(const std::string& s, size_t n);
// The last `n` UTF-16 units of `s` (a split pair is dropped whole).
std::string Utf16Right(const std::string& s, size_t n);

// ---- Display columns (terminal tables) ---------------------------------------
// Columns a terminal draws for one code point: 2 for East Asian wide and
// full-width characters and emoji, 0 for combining marks, format controls,
// variation selectors and control characters, 1 otherwise.
int CharColumns(uint32_t cp);
size_t DisplayWidth(const std::string& s);
// Pad with spaces to `width` display columns (never cut).
std::string PadRightCols(const std::string& s, size_t width);
std::string PadLeftCols(const std::string& s, size_t width);
// The leading characters of `s` that fit in `headCols` columns, "…", and the
// trailing ones that fit in `tailCols`; never splits a character from its
// marks. The caller decides whether `s` needs cutting.
std::string CutMiddleCols(const std::string& s, size_t headCols, size_t tailCols);

// ---- Small string helpers --------------------------------------------------
std::string Trim(const std::string& s);        // drops chars <= U+0020 at both ends
std::string LowerAscii(std::string s);         // A-Z -> a-z only
std::string UpperAscii(std::string s);
bool SameTextAscii(const std::string& a, const std::string& b);  // ignoring A-Z case
// Ignoring ASCII case; an empty needle is found nowhere.
bool ContainsText(const std::string& haystack, const std::string& needle);
std::string ReplaceAll(const std::string& s, const std::string& from, const std::string& to);
// printf into a std::string.
std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string IntToStr(int64_t v);
// Whole decimal number with optional sign; false on anything else or overflow.
bool TryStrToInt64(const std::string& s, int64_t& v);
bool TryStrToInt32(const std::string& s, int32_t& v);

// ---- Run log (console and optional file) -----------------------------------
class TLogger {
 public:
  // The platform layer's notices (plat::SetWarningSink) come here as
  // warnings while this log lives.
  TLogger();
  ~TLogger();
  TLogger(const TLogger&) = delete;
  TLogger& operator=(const TLogger&) = delete;

  // Opens the log for appending, creating its folders. Throws
  // std::runtime_error when the file can be neither appended to nor created.
  void OpenFile(const std::string& fileName);
  // Console lines of Info and Warn off (/quiet); errors are always shown.
  void SetQuiet(bool value) { FQuiet = value; }
  // Set while the report itself goes to standard output: that stream then
  // holds the report alone, so Info lines are not shown and warnings and
  // errors go to standard error.
  void SetReportOnStdOut(bool value) { FReportOnStdOut = value; }
  bool Quiet() const { return FQuiet; }
  bool HasFile() const { return FHasFile; }

  void Raw(const std::string& s);    // file only
  void Info(const std::string& s);   // "[信息] " / bare console line
  void Warn(const std::string& s);   // "[警告] " / "警告: "
  void Error(const std::string& s);  // "[错误] " / "错误: " (even when quiet)

 private:
  std::FILE* FFile = nullptr;
  bool FHasFile = false;
  bool FQuiet = false;
  bool FReportOnStdOut = false;
};

// Whether standard output is a console, which takes text whole as lines;
// anything else (a file, a pipe, a device such as /dev/null or NUL) takes
// bytes as they come.
bool StdOutIsConsole();
// A whole report to standard output: one console line on a console; exact
// UTF-8 bytes and nothing added anywhere else.
// False when redirected output could not be written whole (a full disk):
// the caller must not report the report as written.
bool WriteStdOut(const std::string& text);
// A console line (the driver's banner, tables and result lines); false when
// it could not be written (a full disk behind a redirection).
bool WriteLine(const std::string& text = std::string());
// A line to standard error.
void WriteErrorLine(const std::string& text);

// ---- Counting table ----------------------------------------------------------
// Text key -> count. Keys that differ only in letter case (any script with
// case, not only ASCII) are one key; the first spelling is kept.
class TCounters {
 public:
  using Entry = std::pair<std::string, int32_t>;

  void IncValue(const std::string& key, int32_t delta = 1);
  // The same for a key held as shared text: a new entry shares it instead
  // of keeping a copy (hundreds of thousands of addresses are counted).
  void IncValue(const TSharedText& key, int32_t delta = 1);
  void IncValue(const char* key, int32_t delta = 1) { IncValue(std::string(key), delta); }
  int32_t ValueOf(const std::string& key) const;
  // Counting hundreds of thousands of keys waits on memory at every bucket:
  // a caller adding many keys prepares each one some keys ahead (folds and
  // hashes it and starts loading its bucket), then adds it with its
  // preparation. The count is the same as IncValue's.
  struct TPrepared {
    std::string Folded;
    uint64_t Hash = 0;
  };
  void Prepare(const std::string& key, TPrepared& into) const;
  void IncValue(const TSharedText& key, const TPrepared& prepared, int32_t delta);
  // Room for `n` keys, for a caller about to add that many at once.
  void Reserve(size_t n);
  int32_t Count() const { return static_cast<int32_t>(FEntries.size()); }
  // Largest first; ties by key with a-z folded to A-Z, then UTF-16 units,
  // shorter prefix first. n <= 0 or n > Count() means all entries.
  void TopN(int n, std::vector<Entry>& dst) const;

 private:
  int32_t Find(const std::string& folded, uint64_t hash) const;  // slot or -1
  void Rehash(size_t buckets);
  template <typename TKey>
  void Add(const TKey& key, int32_t delta);
  template <typename TKey>
  void AddFolded(const TKey& key, const std::string& folded, uint64_t hash, int32_t delta);

  // Open addressing over the slots of FEntries: hundreds of thousands of
  // distinct addresses are counted, and a node per key would cost an
  // allocation each. The folded spelling is kept only where it differs.
  std::vector<std::pair<TSharedText, int32_t>> FEntries;  // first spelling, count
  std::vector<uint64_t> FHashes;     // hash of the folded key, per slot
  std::vector<TSharedText> FFolded;  // folded key per slot; empty = the key itself
  std::vector<uint32_t> FBuckets;    // slot + 1; 0 = free; size a power of two
};

// Folds letter case for comparison without regard to case (Unicode simple
// case folding for the common scripts).
std::string FoldCase(const std::string& s);

// ---- URL and domain helpers --------------------------------------------------
std::string ExtractHost(const std::string& url);
bool IsIPv4Host(const std::string& host);
std::string RegistrableDomain(const std::string& host);
std::string UrlDecode(const std::string& s);
std::string GetQueryParam(const std::string& url, const std::string& name);
bool IsWebUrl(const std::string& s);
std::string StripQuery(const std::string& url);
bool WildcardMatch(const std::string& pattern, const std::string& text);
// The include/exclude test every reader applies to a visit: some include
// item occurs (ignoring ASCII case) in the url or the title, and no exclude
// item matches the url's host. A null or empty list means no test.
bool VisitPassesFilters(const std::vector<std::string>* include,
                        const std::vector<std::string>* exclude, const std::string& url,
                        const std::string& title);

// A file: URI as a local path: percent escapes decoded as UTF-8 ("+"
// stays), "file:///C:/x" and "file://server/share" as Windows paths with
// backslashes, "file:///home/x" as it reads. Text that is not a file: URI
// comes back unchanged.
std::string FileUriToPath(const std::string& uri);

struct TDownloadRecord;
// The filters every reader applies to a download, as to a visit: its start
// inside the window (fromUnix <= start < toUnix, 0 = open; an unknown start
// passes only an open window), some include item in its address or its
// path, no exclude item matching its address's host. With privacy the
// query part is then cut from each of its addresses. False = drop it.
bool AcceptDownload(TDownloadRecord& d, int64_t fromUnix, int64_t toUnix,
                    const std::vector<std::string>* include,
                    const std::vector<std::string>* exclude, bool privacy);

// ---- Text, JSON, HTML ----------------------------------------------------------
std::string JsonEscape(const std::string& s);
// Appends the escaped text to `out` (the writers build large documents).
void JsonEscapeTo(std::string& out, const std::string& s);
// The same, written at `at`, which has room for 6 * s.size() bytes; the
// end of what was written.
char* JsonEscapeInto(char* at, std::string_view s);
std::string HtmlEscape(const std::string& s);
// A title as reports show it: trimmed, control characters made spaces
// (each pair of spaces then one), cut at 300 UTF-16 units.
std::string CleanTitle(const std::string& s);
// True when CleanTitle would give `s` back unchanged, as it does for
// nearly every stored title; found without making a copy.
bool TitleIsClean(const std::string& s);
std::string Utf8BytesToString(const std::string& bytes);  // malformed -> U+FFFD
void AppendCodePoint(std::string& out, uint32_t cp);     // as UTF-8
// A text from the machine (a path, a folder or user name, a system message)
// as one console or log line may show it: C0 and C1 controls and DEL as
// "\x1B" or "\u0085", the bidirectional overrides (U+202A..U+202E,
// U+2066..U+2069) as "\u202E", bytes that are not UTF-8 as U+FFFD. So no
// name can end a line, move the cursor, colour the screen or turn text
// around; a text that needs none of it comes back unchanged.
std::string LineSafeText(const std::string& text);
std::string BytesToText(const uint8_t* buf, int64_t len);
bool LooksLikeText(const uint8_t* buf, int64_t len);

// ---- Paths and system queries --------------------------------------------------
// Puts the platform separator between `dir` and `name` unless `dir` is empty
// or already ends with "\" or "/".
std::string JoinPath(const std::string& dir, const std::string& name);
// Folder part of a path (before the last separator, "/" for "/x"); empty
// when there is no separator.
std::string ExtractFileDir(const std::string& path);
std::string ExtractFileName(const std::string& path);
// The whole content of a regular file into `bytes`, opened without
// waiting and read up to its size at open (plat::ReadRegularFile), when
// that is at most `maxBytes`. False when it cannot be opened, is no regular
// file (a pipe, a device, a folder: kErrNotRegularFile), is longer
// (kErrFileTooLarge, nothing read) or cannot be read to its end, with the
// system's reason in `code` when given; ReadFileErrorText says it.
constexpr int64_t kMaxWholeFileBytes = int64_t{64} << 20;
bool ReadWholeFile(const std::string& path, std::string& bytes, uint32_t* code = nullptr,
                   int64_t maxBytes = kMaxWholeFileBytes);
std::string ReadFileErrorText(uint32_t code, int64_t maxBytes);
// The reason given for a pipe, device or folder where a file was expected.
constexpr const char kNotRegularFileText[] = "不是普通文件（可能是管道、设备或文件夹）";
// "vt_<prefix>_<pid>_<ticks>" in the run's temporary folder (its run folder
// when one is open), no extension.
std::string MakeTempName(const std::string& prefix);
// True for a name MakeTempName gives ("db", "webcache" or "probe"), with
// what a run adds to it (".db", its "-wal", "-shm", "-journal", ".tsv",
// ".tsv.downloads", a "_<n>" that makes it unique), and for a run's folder
// and lock file ("vt_run_<pid>_<tick>", the same with ".lock"); `pid` is the
// process id in it.
bool IsOurTempName(const std::string& name, uint32_t& pid);
// Removes, with the link-safe clean-up, the temporary files and folders of
// earlier runs that ended before their clean-up (logoff, shutdown, a forced
// end): those whose run's lock is free, or whose run left no lock and whose
// process no longer runs. Only entries of this account (of the
// administrators, for an elevated run) are removed; those of a live run stay.
void RemoveStaleTempFiles();
// True when a new file can be created in the temporary folder; otherwise
// `code` is the system's reason (a Windows error code).
bool TempFolderWritable(uint32_t& code);
// kTempFolderNotWritable + "：<folder>（<reason>）" for that reason.
constexpr const char kTempFolderNotWritable[] = "临时文件夹不可写";
std::string TempFolderErrorText(uint32_t code);
bool IsElevated();
// The system's text for a Windows error code, or "错误码 %d".
std::string SysErrorText(uint32_t code);

// ---- Time ------------------------------------------------------------------------
// A calendar date and time without zone; Year == 0 means "none".
struct TDateTime {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Msec = 0;
  bool IsZero() const { return Year == 0; }
};

constexpr int64_t kUnixTo1601Seconds = 11644473600LL;
constexpr int64_t kUnix2100 = 4102444800LL;  // 2100-01-01 00:00:00 UTC

bool IsValidDate(int year, int month, int day);
// Days since 1970-01-01 of a civil date, and back.
int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(int64_t days, int& year, int& month, int& day);
// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(const TDateTime& d);

// The local offset from UTC (seconds) in effect at the Unix time `u`, under
// the system's time-zone rules, daylight saving included.
int64_t UtcOffsetAt(int64_t u);
// Offsets are cached per hour for the whole process; tests that change the
// time zone call this to make the next conversion ask the system again.
void ResetUtcOffsetCache();

// Microseconds since 1601 -> local time with the UTC offset in effect at
// that instant; zero outside 1990..2100 or for t <= 0.
TDateTime WinMicrosToLocal(int64_t t);
// Zero outside the years 1..9999.
TDateTime UnixToDateTimeUtc(int64_t u);
// Local time when its year lies in 1990..2100, otherwise the UTC figures.
TDateTime UnixToLocal(int64_t u);
// Calendar fields read as UTC (no zone conversion); 0 when invalid.
int64_t DateTimeToUnix(const TDateTime& d);
// Local wall-clock fields of now, read as UTC.
int64_t NowUnix();
TDateTime NowLocal();
// The true Unix time of a local wall-clock value, using the UTC offset in
// effect at that instant (the offset WinMicrosToLocal applies for display).
int64_t LocalToUnix(const TDateTime& d);
std::string UnixToText(int64_t u);  // "yyyy-mm-dd hh:nn:ss"; empty when u <= 0
// "yyyy-mm-dd", "yyyy-mm-dd hh:nn", "yyyy-mm-dd hh:nn:ss", "yyyymmdd_hhnnss";
// empty for a zero date-time.
std::string FormatDate(const TDateTime& d);
std::string FormatMinute(const TDateTime& d);
std::string FormatDateTime(const TDateTime& d);
std::string FormatStamp(const TDateTime& d);
