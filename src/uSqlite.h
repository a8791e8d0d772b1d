// Read-only access to SQLite history stores, always through a private
// snapshot copy of the live file (and its -wal/-shm side files).
#pragma once

#include <cstdint>
#include <functional>
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
  // Makes a statement ready to run again (after its rows or an error) with
  // `value` for its parameter `index` (from 1); false when it cannot be bound.
  bool Rebind(TSqlStmt stmt, int index, int64_t value);
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
  friend class TTablePages;
  bool Open(const std::string& fileName, bool writable);
  static int Progress(void* self);
  static int64_t SteadyMs();  // the clock of the store time limit
  // A table or column name as an SQL string literal.
  static std::string SqlQuoted(const std::string& s);

  sqlite3* FDb = nullptr;
  std::string FFileName;
  bool FOpen = false;
  bool FTimedOut = false;
  int64_t FDeadlineMs = 0;  // on the steady clock
};

// A stored text or blob as ColText gives it: up to its first NUL, and
// made well-formed UTF-8.
std::string StoredText(const char* bytes, size_t size);

// ---- A table read from its pages -------------------------------------------
// A scan through the engine pays a call per value and the engine's whole
// machinery per row: for the million rows of a big visits table, most of
// the reading time. The few integer columns that such a scan needs are
// read here straight from the pages of the snapshot instead, several
// threads at once. Only a store the engine reads from its file alone
// qualifies (no write-ahead log or journal left beside the copy), and
// anything unexpected in it fails Open or Scan: the caller then reads
// through the engine, which decides about damage as before.
class TTablePages {
 public:
  // One column's value in a row: its storage class as TSqliteDb::ColType
  // gives it, an integer's value, and a text's or blob's bytes (valid
  // during the call that gets them; StoredText makes them a text as
  // ColText would).
  struct TValue {
    int Type;
    int64_t Int;
    const char* Bytes;
    size_t Size;
  };
  static constexpr size_t kMaxColumns = 4;

  // The leaf pages of the ordinary row id table `table` of a UTF-8 store
  // open in `db`, and where `columns` (stored, read back as stored: not of
  // real affinity; at most kMaxColumns) lie in its rows. The work counts
  // against `db`'s store time limit.
  bool Open(TSqliteDb& db, const std::string& table, const std::vector<std::string>& columns);
  size_t LeafCount() const { return FLeaves.size(); }
  // About how many rows `leaves` leaves hold, judged by the first leaf
  // (whose count is held to what a page can hold): room to make for them.
  size_t RowsOnLeaves(size_t leaves) const { return leaves * FFirstLeafRows + leaves / 8 + 16; }
  // The column that is the row id itself (an INTEGER PRIMARY KEY), or an
  // empty name.
  const std::string& RowIdColumn() const { return FRowIdColumn; }
  // The first and last row id a scan passed on.
  struct TRowSpan {
    bool Any = false;
    int64_t First = 0, Last = 0;
  };
  // Calls `row(rowid, values)` for every row on the leaves [from, to), in
  // row id order; `row` returns false to stop. False when a page or a row
  // is not as the engine would read it (row ids that do not rise, an empty
  // leaf, a loop), the store is out of time or the run is interrupted (the
  // rows passed until then stay passed). `span`, when given, gets the row
  // ids passed: scans of neighbouring leaves meet in order only when one's
  // last is below the next one's first. Several threads may scan at once.
  bool Scan(size_t from, size_t to,
            const std::function<bool(int64_t rowid, const TValue* values)>& row,
            TRowSpan* span = nullptr) const;

 private:
  // One row's cell on its leaf.
  struct TCell {
    const unsigned char* Start = nullptr;  // its record's first byte on the page
    uint64_t Payload = 0, Local = 0;       // the record's length, and how much is on the page
    int64_t RowId = 0;
    uint32_t Next = 0;                     // its first overflow page, or 0
    bool Spilled = false;                  // gathered into TScanState::Spill
  };
  // What one scan reads into, kept from row to row.
  struct TScanState {
    std::vector<unsigned char> Pages, Spill, Over;
    std::vector<uint64_t> Seen;    // a bit per page: the current row's overflow pages
    std::vector<uint32_t> Chain;   // the same pages, to clear their bits
    const unsigned char* Rec = nullptr;
    uint64_t RecSize = 0;          // the record's bytes at hand at Rec
    TRowSpan Span;
    bool Stopped = false;
    void EndRow();
  };

  bool ReadPage(uint32_t page, std::vector<unsigned char>& buf) const;
  uint32_t MaxCells() const;
  bool Walk(uint32_t root);
  bool ScanLeaf(const unsigned char* page, uint32_t number, TScanState& state,
                const std::function<bool(int64_t, const TValue*)>& row) const;
  bool ParseCell(const unsigned char* page, uint32_t c, uint32_t firstCell, TCell& cell) const;
  bool Gather(TCell& cell, uint64_t need, TScanState& state) const;
  bool DecodeRecord(TCell& cell, TScanState& state, TValue* values) const;
  bool OutOfTime() const;

  plat::TFileReader FFile;
  uint32_t FPageSize = 0, FUsable = 0, FPageCount = 0, FRoot = 0;
  std::vector<uint32_t> FLeaves;
  std::vector<int> FFields;  // each column's place in the record
  int FLastField = 0;         // the furthest of them
  int FRowIdField = -1;       // the row id's column, stored as NULL
  size_t FFirstLeafRows = 0;
  std::string FRowIdColumn;
  int64_t FDeadlineMs = 0;
};

// Whether tables may be read from their pages at all (on unless changed).
// Off, every table goes through the engine: the reference that tests and
// benchmarks compare the page reading with.
void SetPageReading(bool on);
bool PageReading();

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
// A store that is no store of ours is refused before anything is copied,
// and `refused` (when given) is set: a pipe, device or folder under the
// store's name, a file that does not begin as a SQLite database (an empty
// one is taken: a browser makes the file before it writes to it), one
// larger than the temporary folder can take, or a copy that outlasts the
// store time limit (which the copy's time counts against: OpenSnapshot
// gives the reading what the copy left of it).
// `owner`: the account that must own the store (plat::CopyChecks::Owner);
// a store of another owner is refused with "数据库属于其他用户（<owner>），
// 未读取" and `foreign` (when given) set.
bool SnapshotDatabase(const std::string& path, std::string& copy, std::string& err,
                      bool* refused = nullptr, const std::string& owner = std::string(),
                      bool* foreign = nullptr);
void DeleteSnapshot(const std::string& copy);

// One copy of someone's store (the database of a snapshot, its companions,
// the WebCache database): made with the checks above for its kind and the
// store time limit counted from the object's making.
class TStoreCopy {
 public:
  enum TKind { kSqlite, kEse, kCompanion };  // a companion's head is not checked
  // `owner`: the account every file copied must belong to (empty: any).
  explicit TStoreCopy(std::string owner = std::string());
  // Copies `src` to the new file `dst`: with full sharing, then with backup
  // semantics. False with the system's code; when the store itself was
  // refused, Refusal() holds why, in Chinese.
  bool Copy(const std::string& src, const std::string& dst, TKind kind, uint32_t& code);
  const std::string& Refusal() const { return FRefusal; }
  // The refusal was for a file of another owner.
  bool Foreign() const { return FForeign; }
  int64_t StartedMs() const { return FStartedMs; }

 private:
  plat::CopyChecks Checks(TKind kind);
  int64_t FStartedMs;
  std::string FOwner, FOwnerFound;
  std::string FRefusal;
  bool FForeign = false;
};

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
