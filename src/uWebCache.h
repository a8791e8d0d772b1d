// Internet Explorer / legacy Edge history: the worker that dumps a WebCache
// snapshot to a TAB-separated file, and the parent side that snapshots the
// folder, runs the worker as a child process and reads its result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uEsent.h"
#include "uTypes.h"
#include "uUtil.h"

// Worker side ------------------------------------------------------------------
// At least three arguments (program path included) and argument 1 equal to
// "/worker:dump" ignoring case.
bool IsWorkerCommandLine(const std::vector<std::string>& args);
// "/worker:dump <snapshot folder> <result file> [<memory limit in bytes>]":
// 0 when the result was written, kWorkerOutOfMemory when the reading ran
// out of the memory it was allowed, 1 on any other failure.
int RunWorker(const std::vector<std::string>& args);
constexpr int kWorkerOutOfMemory = 12;
bool DumpWebCache(const std::string& snapshotDir, const std::string& tsvPath, std::string& msg);

// Ids of every row of "Containers" named "history" (a database may hold
// several); empty when the table is missing or names none.
void FindHistoryContainers(TEsentDb& db, std::vector<int64_t>& ids);
// Ids of every row of "Containers" whose name is `name` (lower case).
void FindNamedContainers(TEsentDb& db, const std::string& name, std::vector<int64_t>& ids);
// The first of them, or -1 (found = 1 when there is one).
int64_t FindHistoryContainer(TEsentDb& db, int& found);
// How many of the first maxRows rows hold a URL; -1 when the table cannot
// be opened.
int32_t CountUrlRows(TEsentDb& db, const std::string& tableName, int32_t maxRows);

// The columns of a history table the row reader looks at: the first 32 ids in
// ascending order, and the access-time column when the table has one.
struct TVisitLayout {
  std::vector<uint32_t> Columns;
  bool HasAccessTime = false;
  uint32_t AccessTimeId = 0;
};
bool LoadVisitLayout(TEsentDb& db, TEseTable tbl, TVisitLayout& layout);
// The visit held by the current row: URL, title and time. False when the row
// has no URL or no plausible time.
bool ReadVisitRow(TEsentDb& db, TEseTable tbl, const TVisitLayout& layout, int64_t& unix,
                  std::string& title, std::string& url);

// Downloads: the "iedownload" containers, where a store has them, dumped
// to DownloadResultPath(tsv) as "time TAB url TAB path" lines (UTF-8 with
// byte-order mark; only the mark when there are none).
std::string DownloadResultPath(const std::string& tsvPath);
struct TDownloadLayout {
  bool HasUrl = false, HasHeaders = false;
  uint32_t UrlId = 0, HeadersId = 0;
  uint32_t AccessTimeId = 0, CreationTimeId = 0;  // 0 = none
};
void DumpDownloads(TEsentDb& db, std::vector<std::string>& lines);
// The download of the current row: its address and saved file from the
// entry's response headers (the Url column when they hold no address) and
// its time. False without an address or a file.
bool ReadDownloadRow(TEsentDb& db, TEseTable tbl, const TDownloadLayout& layout, int64_t& unix,
                     std::string& url, std::string& path);
// A download entry's response headers hold its address, its referrer and
// the file it was saved to as UTF-16 texts: the first address (replacing
// `url`) and the first drive or network path (when `path` is empty) are
// taken.
void DownloadFromHeaders(const std::string& headers, std::string& url, std::string& path);
// The UTF-16LE texts of at least `minUnits` units in a binary value, in
// order: each begins with an ASCII character; a control character ends it.
std::vector<std::string> Utf16Strings(const std::string& bytes, size_t minUnits);

// A 100-ns file time that lies after 1995 (local time) and before 2100.
bool IsPlausibleFileTime(int64_t v);
TDateTime FileTimeToLocal(int64_t v);

// Pieces of the row reader, exposed for tests:
// Text of a raw column value; UTF-16LE is recognised even when it holds
// characters above U+00FF.
std::string ColumnText(const std::string& bytes);
// A History Url reads "Visited: <user>@<address>"; returns the address (the
// text after the last "@" before the first "://"), or the text unchanged.
std::string VisitedAddress(const std::string& text);
// The page title stored as a string property in a serialized property store
// (the ResponseHeaders of a History row); empty when there is none.
std::string PageTitleFromProperties(const std::string& bytes);
// NULs removed; CR, LF and TAB turned into spaces; trimmed. A text the worker
// writes can then never break or forge a result line.
std::string WorkerText(const std::string& text);

// Parent side ------------------------------------------------------------------
struct TWebCacheFilter {
  int64_t FromUnix = 0;
  int64_t ToUnix = 0;
  const std::vector<std::string>* Include = nullptr;  // null or empty = no test
  const std::vector<std::string>* Exclude = nullptr;
  bool Privacy = false;
  std::string Owner;  // the account that must own the database (empty: any)
};

// With `downloads`, the store's downloads are read too (filtered alike)
// and their number goes to `downloadCount`.
int32_t CollectWebCache(const std::string& datPath, THistoryList& list,
                        const std::string& browserId, const std::string& browserName,
                        const std::string& profile, const TWebCacheFilter& filter,
                        std::string& message, TSourceStatus& status,
                        TDownloadList* downloads = nullptr, int32_t* downloadCount = nullptr);
// Parses the worker's downloads file and appends those that pass the
// filters (window on the start, include, exclude, privacy); returns how many.
int32_t ParseDownloadFile(const std::string& text, TDownloadList& list,
                          const std::string& browserId, const std::string& browserName,
                          const std::string& profile, const TWebCacheFilter& filter);
// Parses the worker's result text (UTF-8, optional byte-order mark, one
// "time TAB url TAB title" line per visit) and appends the visits that pass
// the filters; returns how many.
int32_t ParseResultFile(const std::string& text, THistoryList& list, const std::string& browserId,
                        const std::string& browserName, const std::string& profile,
                        const TWebCacheFilter& filter);
// Copies the database (which must begin as an ESE database) and its
// transaction logs into `targetDir`, as every store is copied (TStoreCopy).
// False with the system's code; when the database itself was refused,
// `refusal` (when given) says why, in Chinese, and `foreign` whether it was
// for a database of another owner than `owner` (empty: any).
bool SnapshotWebCacheFolder(const std::string& sourceDir, const std::string& targetDir,
                            uint32_t& code, std::string* refusal = nullptr,
                            const std::string& owner = std::string(), bool* foreign = nullptr);
bool SpawnDumpWorker(const std::string& snapshotDir, const std::string& tsvPath,
                     int32_t& exitCode);
void DeleteFolderTree(const std::string& folder);

// How long the parent waits for the worker (120 s; tests shorten it).
void SetWorkerTimeoutMs(uint32_t ms);
uint32_t WorkerTimeoutMs();
// The executable started as the worker (the running program; tests may
// point it at the built binary).
void SetWorkerExecutable(const std::string& path);
// The memory the worker may take for a database of `dbBytes`: four times
// its size and 256 MB. A test may set another (0 restores the sizing).
uint64_t WorkerMemoryLimit(int64_t dbBytes);
void SetWorkerMemoryLimit(uint64_t bytes);
