// Read-only access to SQLite history stores, always through a private
// snapshot copy of the live file (and its -wal/-shm side files).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uPlatform.h"

struct sqlite3;
struct sqlite3_stmt;
using TSqlStmt = sqlite3_stmt*;

class TSqliteDb {
 public:
  // The engine is linked at build time, so loading succeeds at once.
  static bool EnsureLoaded(const std::string& dllDir, std::string& errMsg);
  static bool Loaded();
  static std::string LoadedPath();
  static std::string LoadedNote();

  TSqliteDb() = default;
  ~TSqliteDb();
  TSqliteDb(const TSqliteDb&) = delete;
  TSqliteDb& operator=(const TSqliteDb&) = delete;

  // Every connection reads a store that someone else wrote, maybe to harm
  // us: its own SQL (views, triggers, computed columns) never runs in our
  // queries, no value longer than kMaxValueBytes is loaded at once, and all
  // the work on it, from the opening on, ends at the store time limit
  // (SetStoreTimeLimit): the engine then answers SQLITE_INTERRUPT and
  // TimedOut() is true.
  bool OpenReadOnly(const std::string& fileName);
  // Opens a private snapshot made by SnapshotDatabase: read-only, unless the
  // copy carries a rollback journal, which the engine must be able to undo.
  bool OpenSnapshot(const std::string& copy);
  void Close();
  bool IsOpen() const { return FOpen; }
  // For a query that jumps all over the file (an index walk with one lookup
  // per row): the file is mapped into memory instead of read page by page.
  // Sequential scans do without: a mapping keeps every page it touched (and
  // its neighbours) resident until the connection closes.
  void MapForRandomReads();

  bool Prepare(const std::string& sql, TSqlStmt& stmt);
  int Step(TSqlStmt stmt);  // 100 = row, 101 = done
  std::string ColText(TSqlStmt stmt, int index);
  int64_t ColInt(TSqlStmt stmt, int index);
  // The value's storage class: 1 integer, 2 real, 3 text, 4 blob, 5 null.
  int ColType(TSqlStmt stmt, int index);
  void Finalize(TSqlStmt stmt);
  std::string LastError() const;
  // The store time limit ran out on this connection.
  bool TimedOut() const { return FTimedOut; }

  // True when `table` of the open store is an ordinary table, as the engine
  // itself reads the store's schema, holding every one of `columns` as a
  // stored column: only then may a query read it without running anything
  // of the store's own SQL. Otherwise false with the source's message in
  // `errMsg`: "结构异常：visits 不是数据表" (a view or a virtual table),
  // "结构异常：urls 缺少列 title", "结构异常：urls 的列 title 是计算列",
  // "结构异常：缺少数据表 visits", or "查询失败：" + the engine's reason when
  // the schema cannot be read at all. With `missing` given, an absent table
  // sets it instead (many stores simply have not made a table yet).
  bool CheckTable(const std::string& table, const std::vector<std::string>& columns,
                  std::string& errMsg, bool* missing = nullptr);
  // The first bytes (at most kMaxValueBytes, cut before an unfinished
  // character and at a NUL, as ColText cuts) of the text in `column` of the
  // row `rowid` of the ordinary table `table`, read without loading the rest
  // of the value. An empty text for NULL and numbers. False when the value
  // cannot be read so (a table without row ids, a store not in UTF-8).
  bool ReadTextPrefix(const std::string& table, const std::string& column, int64_t rowid,
                      std::string& text);

  // The longest text or blob value the engine loads: an address as long as
  // Chromium's own ceiling (2 MiB). Reading a longer one fails with
  // SQLITE_TOOBIG; ReadTextPrefix gives its beginning instead.
  static constexpr int kMaxValueBytes = 2 * 1024 * 1024;

 private:
  bool Open(const std::string& fileName, bool writable);
  static int Progress(void* self);

  sqlite3* FDb = nullptr;
  bool FOpen = false;
  bool FTimedOut = false;
  int64_t FDeadlineMs = 0;  // on the steady clock
};

// How long the work on one store may take, in milliseconds (60 s unless
// changed; 0 restores that). Tests shorten it.
void SetStoreTimeLimit(uint32_t ms);
uint32_t StoreTimeLimit();

// Copies `path` (and its "-wal", "-shm" and "-journal") to a fresh temporary
// file. False with a Chinese message in `err` when no copy could be taken; a
// message about denied access contains "无权限", one about a temporary
// folder that cannot be written names it (see TempFolderErrorText). A "-wal"
// or "-journal" that cannot be copied fails the copy like the database
// itself; a "-shm" does not (the engine rebuilds it). A store held without
// sharing is taken from a shadow copy (CopyHeldStore).
bool SnapshotDatabase(const std::string& path, std::string& copy, std::string& err);
void DeleteSnapshot(const std::string& copy);

// ---- Files held open without sharing ---------------------------------------
// A SQLite store held without sharing is copied, in an elevated run, from
// one volume shadow copy together with its "-wal" and "-journal" as they
// stood at the same instant (a log from another moment would make the copy
// say what the browser never committed). Not elevated, or when no shadow
// copy can be had: false with a Chinese message in `err` (with the system's
// reason in the second case), and nothing left at `target`.
bool CopyHeldStore(const std::string& path, const std::string& target, bool elevated,
                   std::string& err);
// The shadow copy used (plat::CopyFromShadow; tests replace it, nullptr
// restores it).
using TShadowCopier = bool (*)(const std::vector<plat::ShadowFile>&, std::string&);
void SetShadowCopier(TShadowCopier copier);

// A store that another process holds open without sharing (the system keeps
// the WebCache so) cannot be copied by either copy. An elevated run copies a
// single such file (the WebCache database, which is read without its logs)
// from a volume shadow copy made as for CopyHeldStore. Not elevated, or when
// no shadow copy can be had: false with a Chinese message in `err` that
// says so, and nothing left at `dst`.
bool CopyHeldFile(const std::string& src, const std::string& dst, bool elevated,
                  std::string& err);
