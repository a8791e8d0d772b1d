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

 private:
  bool Open(const std::string& fileName, bool writable);

  sqlite3* FDb = nullptr;
  bool FOpen = false;
};

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
// from a volume shadow copy with the system's own esentutl. Not elevated, or when no shadow copy
// can be had: false with a Chinese message in `err` that says so.
bool CopyHeldFile(const std::string& src, const std::string& dst, bool elevated,
                  std::string& err);
// esentutl's arguments for that copy.
std::vector<std::string> ShadowCopyArgs(const std::string& src, const std::string& dst);
// The program run for it (the system folder's esentutl.exe; tests replace it).
void SetShadowCopyTool(const std::string& path);
