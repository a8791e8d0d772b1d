#include "uSqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <utility>

#include "uPlatform.h"
#include "uUtil.h"

// ---- Engine ----------------------------------------------------------------

// The engine is linked into the program, so there is nothing to find or
// extract: loading is a formality that keeps the callers' interface.
bool TSqliteDb::EnsureLoaded(const std::string& /*dllDir*/, std::string& errMsg) {
  errMsg.clear();
  // Each connection is used by one thread at a time, but two connections
  // to one snapshot may read side by side on two threads: the engine's
  // shared state (its file locks, its memory) must keep its mutexes; only
  // each connection's own is left out, which spares a lock per call. Must
  // precede the engine's own initialisation, so it is done once, here,
  // before any database opens.
  static const bool configured = sqlite3_config(SQLITE_CONFIG_MULTITHREAD) == SQLITE_OK;
  (void)configured;
  return true;
}

bool TSqliteDb::Loaded() { return true; }

std::string TSqliteDb::LoadedPath() { return "libsqlite3 (linked)"; }

std::string TSqliteDb::LoadedNote() {
  return std::string("SQLite ") + sqlite3_libversion() + " 已链接";
}

// ---- Connection ------------------------------------------------------------

TSqliteDb::~TSqliteDb() { Close(); }

bool TSqliteDb::OpenReadOnly(const std::string& fileName) { return Open(fileName, false); }

namespace {

constexpr uint32_t kDefaultStoreTimeLimitMs = 60000;
uint32_t gStoreTimeLimitMs = kDefaultStoreTimeLimitMs;
// Engine steps between two looks at the clock: a few microseconds of work.
constexpr int kProgressSteps = 2000;

}  // namespace

int64_t TSqliteDb::SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SetStoreTimeLimit(uint32_t ms) { gStoreTimeLimitMs = ms ? ms : kDefaultStoreTimeLimitMs; }

uint32_t StoreTimeLimit() { return gStoreTimeLimitMs; }

// A store whose view recurses for ever, or whose tables are simply too many
// for the time given, must not stall the run: past the deadline every
// statement of the connection is interrupted. An interrupted run stops too.
int TSqliteDb::Progress(void* self) {
  auto* db = static_cast<TSqliteDb*>(self);
  if (!db->FTimedOut && SteadyMs() >= db->FDeadlineMs) db->FTimedOut = true;
  return db->FTimedOut || plat::InterruptRequested() ? 1 : 0;
}

bool TSqliteDb::Open(const std::string& fileName, bool writable) {
  Close();
  if (!Loaded()) return false;
  FDb = nullptr;
  // A missing file must never be created, and the name is never taken as a
  // URI. A long snapshot path (a long TEMP) is given in the form the file
  // APIs accept at any length.
  int rc = sqlite3_open_v2(plat::LongPathForm(fileName).c_str(), &FDb,
                           writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, nullptr);
  if (rc != SQLITE_OK) {
    if (FDb) sqlite3_close(FDb);
    FDb = nullptr;
    FOpen = false;
    return false;
  }
  FOpen = true;
  FFileName = fileName;
  FTimedOut = false;
  FDeadlineMs = SteadyMs() + gStoreTimeLimitMs;
  sqlite3_progress_handler(FDb, kProgressSteps, &TSqliteDb::Progress, this);
  // The store's schema is not ours: its views, triggers and the functions
  // of its computed columns are never run or trusted, it cannot be written
  // through the engine's back doors, and it attaches nothing.
  sqlite3_db_config(FDb, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(FDb, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_db_config(FDb, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
  sqlite3_db_config(FDb, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
  sqlite3_limit(FDb, SQLITE_LIMIT_ATTACHED, 0);
  // A value of hundreds of megabytes costs what the report keeps of it, not
  // its size: longer values are refused and read by their beginning.
  sqlite3_limit(FDb, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
  return true;
}

void TSqliteDb::MapForRandomReads() {
  // A history query walks the whole store, jumping between the visits index
  // and the urls table. Mapping the (private, never written) snapshot spares
  // a system call and a page copy per page read; the engine falls back to
  // ordinary reads where mapping is not possible. Failure is harmless.
  TSqlStmt pragma = nullptr;
  if (Prepare("PRAGMA mmap_size=268435456", pragma)) {
    while (Step(pragma) == SQLITE_ROW) {
    }
  }
  Finalize(pragma);
}

void TSqliteDb::Close() {
  // A statement left open (a read ended by an exception) would keep the
  // connection, and with it the snapshot's file, open.
  if (FOpen && FDb) {
    while (sqlite3_stmt* left = sqlite3_next_stmt(FDb, nullptr)) sqlite3_finalize(left);
    sqlite3_close(FDb);
  }
  FDb = nullptr;
  FOpen = false;
}

bool TSqliteDb::Prepare(const std::string& sql, TSqlStmt& stmt) {
  stmt = nullptr;
  if (!FOpen || !FDb) return false;
  return sqlite3_prepare_v2(FDb, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr) ==
         SQLITE_OK;
}

int TSqliteDb::Step(TSqlStmt stmt) {
  // An interrupted run lets go of its snapshot at once, so that the
  // clean-up can remove it.
  if (plat::InterruptRequested()) return SQLITE_INTERRUPT;
  // A store out of time stays so: even a statement too short for the
  // progress handler to look at the clock is refused.
  if (FTimedOut) return SQLITE_INTERRUPT;
  return sqlite3_step(stmt);
}

namespace {

// True when `p[0..n)` is well-formed UTF-8 (shortest forms, no surrogates,
// nothing above U+10FFFF). History stores are nearly always clean, so the
// common case costs one pass and no second copy.
bool IsWellFormedUtf8(const unsigned char* p, size_t n) {
  size_t i = 0;
  while (i < n) {
    // Addresses are nearly all ASCII: skip eight such bytes at a time.
    while (i + 8 <= n) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      if (w & 0x8080808080808080ULL) break;
      i += 8;
    }
    if (i >= n) break;
    unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t len;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    if (i + len > n) return false;
    if (p[i + 1] < lo || p[i + 1] > hi) return false;
    for (size_t k = 2; k < len; ++k)
      if (p[i + k] < 0x80 || p[i + k] > 0xBF) return false;
    i += len;
  }
  return true;
}

}  // namespace

std::string StoredText(const char* bytes, size_t size) {
  // The text ends at its first NUL, as the engine's C string does.
  const void* nul = std::memchr(bytes, 0, size);
  if (nul) size = static_cast<size_t>(static_cast<const char*>(nul) - bytes);
  if (IsWellFormedUtf8(reinterpret_cast<const unsigned char*>(bytes), size))
    return std::string(bytes, size);
  return Utf8BytesToString(std::string(bytes, size));
}

std::string TSqliteDb::ColText(TSqlStmt stmt, int index) {
  const unsigned char* p = sqlite3_column_text(stmt, index);
  if (!p) return std::string();
  return StoredText(reinterpret_cast<const char*>(p),
                    static_cast<size_t>(sqlite3_column_bytes(stmt, index)));
}

int64_t TSqliteDb::ColInt(TSqlStmt stmt, int index) {
  return static_cast<int64_t>(sqlite3_column_int64(stmt, index));
}

int TSqliteDb::ColType(TSqlStmt stmt, int index) { return sqlite3_column_type(stmt, index); }

void TSqliteDb::Finalize(TSqlStmt stmt) {
  if (stmt) sqlite3_finalize(stmt);
}

bool TSqliteDb::Rebind(TSqlStmt stmt, int index, int64_t value) {
  sqlite3_reset(stmt);  // gives the last run's error again, which is not ours to report
  return sqlite3_bind_int64(stmt, index, value) == SQLITE_OK;
}

std::string TSqliteDb::LastError() const {
  if (!FDb) return "数据库未打开";
  const char* msg = sqlite3_errmsg(FDb);
  return Utf8BytesToString(msg ? std::string(msg) : std::string());
}

// ---- Checked schema --------------------------------------------------------

std::string TSqliteDb::SqlQuoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    q += c;
    if (c == '\'') q += '\'';
  }
  return q + "'";
}

bool TSqliteDb::CheckTable(const std::string& table, const std::vector<std::string>& columns,
                           std::string& errMsg, bool* missing) {
  errMsg.clear();
  if (missing) *missing = false;
  TSqlStmt stmt = nullptr;
  // The engine's own reading of the schema: "table" only for an ordinary
  // table, never for a view, a virtual table or a shadow table.
  std::string type;
  bool ok = Prepare("SELECT type FROM pragma_table_list(" + SqlQuoted(table) +
                        ") WHERE schema = 'main'",
                    stmt);
  int rc = ok ? Step(stmt) : SQLITE_ERROR;
  if (rc == SQLITE_ROW) type = ColText(stmt, 0);
  ok = ok && (rc == SQLITE_ROW || rc == SQLITE_DONE);
  Finalize(stmt);
  if (!ok) {
    errMsg = "查询失败：" + LastError();
    return false;
  }
  if (type.empty()) {
    if (missing) {
      *missing = true;
      return false;
    }
    errMsg = "结构异常：缺少数据表 " + table;
    return false;
  }
  if (type != "table") {
    errMsg = "结构异常：" + table + " 不是数据表";
    return false;
  }
  // Stored columns only: a computed one would run the store's expression.
  std::vector<std::pair<std::string, int64_t>> have;  // folded name, hidden kind
  if (!Prepare("SELECT name, hidden FROM pragma_table_xinfo(" + SqlQuoted(table) + ")", stmt)) {
    errMsg = "查询失败：" + LastError();
    return false;
  }
  while ((rc = Step(stmt)) == SQLITE_ROW) have.emplace_back(FoldCase(ColText(stmt, 0)), ColInt(stmt, 1));
  Finalize(stmt);
  if (rc != SQLITE_DONE) {
    errMsg = "查询失败：" + LastError();
    return false;
  }
  for (const std::string& col : columns) {
    const std::string key = FoldCase(col);
    auto it = std::find_if(have.begin(), have.end(), [&](const auto& h) { return h.first == key; });
    if (it == have.end()) {
      errMsg = "结构异常：" + table + " 缺少列 " + col;
      return false;
    }
    if (it->second != 0) {
      errMsg = "结构异常：" + table + " 的列 " + col + " 是计算列";
      return false;
    }
  }
  return true;
}

bool TSqliteDb::ReadTextPrefix(const std::string& table, const std::string& column, int64_t rowid,
                               std::string& text) {
  text.clear();
  if (!FOpen || !FDb) return false;
  // Raw bytes are text only in a UTF-8 store (browsers write no other).
  TSqlStmt stmt = nullptr;
  bool utf8 = false;
  if (Prepare("PRAGMA encoding", stmt) && Step(stmt) == SQLITE_ROW)
    utf8 = ColText(stmt, 0) == "UTF-8";
  Finalize(stmt);
  if (!utf8) return false;
  // NULL and numbers have no bytes to read: their text is short anyway.
  std::string typeSql = "SELECT typeof(\"" + column + "\") FROM \"" + table + "\" WHERE rowid = " +
                        std::to_string(rowid);
  std::string kind;
  if (Prepare(typeSql, stmt) && Step(stmt) == SQLITE_ROW) kind = ColText(stmt, 0);
  Finalize(stmt);
  if (kind == "null") return true;
  if (kind != "text" && kind != "blob") return false;
  sqlite3_blob* blob = nullptr;
  if (sqlite3_blob_open(FDb, "main", table.c_str(), column.c_str(), rowid, 0, &blob) != SQLITE_OK) {
    if (blob) sqlite3_blob_close(blob);
    return false;
  }
  const int n = std::min(sqlite3_blob_bytes(blob), kMaxValueBytes);
  text.resize(static_cast<size_t>(n));
  const bool read = n == 0 || sqlite3_blob_read(blob, &text[0], n, 0) == SQLITE_OK;
  sqlite3_blob_close(blob);
  if (!read) {
    text.clear();
    return false;
  }
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  // A character cut at the end of the prefix is left out, not mangled.
  size_t end = text.size(), back = 0;
  while (back < 4 && end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) {
    --end;
    ++back;
  }
  if (end > 0 && static_cast<unsigned char>(text[end - 1]) >= 0xC0) {
    const unsigned char lead = static_cast<unsigned char>(text[end - 1]);
    const size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (back + 1 < need) text.resize(end - 1);
  }
  if (!IsWellFormedUtf8(reinterpret_cast<const unsigned char*>(text.data()), text.size()))
    text = Utf8BytesToString(text);
  return true;
}

// ---- Copies of someone's store ----------------------------------------------

namespace {

int64_t SteadyNowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// When each snapshot's copy began (steady clock), so that its reading ends
// where the store's time does.
plat::TMonitor gCopyStartsLock;
std::map<std::string, int64_t> gCopyStarts;

void NoteCopyStart(const std::string& copy, int64_t startedMs) {
  gCopyStartsLock.Lock();
  if (startedMs != 0)
    gCopyStarts[copy] = startedMs;
  else
    gCopyStarts.erase(copy);
  gCopyStartsLock.Unlock();
}

int64_t CopyStart(const std::string& copy) {
  gCopyStartsLock.Lock();
  const auto it = gCopyStarts.find(copy);
  const int64_t started = it == gCopyStarts.end() ? 0 : it->second;
  gCopyStartsLock.Unlock();
  return started;
}

bool SqliteHead(const std::string& head, int64_t size) {
  // An empty file is what a browser leaves before its first write; the
  // engine reads it as a store without tables.
  if (size == 0) return true;
  static const char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                  'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
  return head.size() >= plat::kCopyHeadBytes && std::memcmp(head.data(), kMagic, 16) == 0;
}

bool EseHead(const std::string& head) {
  // The file header's signature, 0x89ABCDEF at offset 4, little-endian.
  return head.size() >= plat::kCopyHeadBytes && head.compare(4, 4, "\xEF\xCD\xAB\x89") == 0;
}

// What a copy leaves of the temporary folder, at least: 5 % of what is
// free, at most 64 MB (a small folder can still take a small store).
int64_t RoomMargin(int64_t freeBytes) {
  return std::min<int64_t>(int64_t{64} << 20, freeBytes / 20);
}

std::string Megabytes(int64_t bytes) { return Format("%.1f MB", bytes / 1048576.0); }

}  // namespace

TStoreCopy::TStoreCopy(std::string owner) : FStartedMs(SteadyNowMs()), FOwner(std::move(owner)) {}

plat::CopyChecks TStoreCopy::Checks(TKind kind) {
  plat::CopyChecks checks;
  checks.Accept = [this, kind](const std::string& head, int64_t size) -> uint32_t {
    if ((kind == kSqlite && !SqliteHead(head, size)) || (kind == kEse && !EseHead(head))) {
      FRefusal = "文件不是数据库";
      return plat::kErrBadFormat;
    }
    std::string dir = plat::TempDir();
    const int64_t free = plat::FreeDiskBytes(dir);
    if (free >= 0 && size > free - RoomMargin(free)) {
      if (dir.size() > 1 && plat::IsPathSep(dir.back())) dir.pop_back();
      FRefusal = Format("临时文件夹空间不足，未复制该库（需要 %s，可用 %s）：%s",
                        Megabytes(size).c_str(), Megabytes(free).c_str(), dir.c_str());
      return plat::kErrDiskFull;
    }
    return 0;
  };
  const int64_t deadline = FStartedMs + StoreTimeLimit();
  checks.InTime = [deadline]() { return SteadyNowMs() < deadline; };
  checks.Owner = FOwner;
  checks.OwnerFound = &FOwnerFound;
  return checks;
}

bool TStoreCopy::Copy(const std::string& src, const std::string& dst, TKind kind,
                      uint32_t& code) {
  FRefusal.clear();
  FForeign = false;
  const plat::CopyChecks checks = Checks(kind);
  for (bool backup : {false, true}) {
    if (plat::CopyRegularFile(src, dst, backup, checks, code)) return true;
    if (!FRefusal.empty()) return false;
    if (code == plat::kErrOtherOwner) {
      // Someone's link to another user's store: never read under their name.
      FRefusal = Format("数据库属于其他用户（%s），未读取", FOwnerFound.c_str());
      FForeign = true;
      return false;
    }
    if (code == plat::kErrNotRegularFile) {
      FRefusal = kNotRegularFileText;
      return false;
    }
    if (code == plat::kErrTimeout) {
      FRefusal = "读取超时（已读取 0 条）";
      return false;
    }
  }
  return false;
}

// ---- Snapshots -------------------------------------------------------------

namespace {

std::string SnapshotError(uint32_t code) {
  switch (code) {
    case plat::kErrAccessDenied:
      return "无权限读取该数据库（可能属于其他用户，需管理员权限）";
    case plat::kErrSharingViolation:
      return "数据库正被浏览器独占，无法复制快照";
    default:
      return Format("复制快照失败：%s", SysErrorText(code).c_str());
  }
}

// The side files that belong to a database and travel with its copy.
constexpr const char* kSideSuffixes[] = {"-wal", "-shm", "-journal"};

// One copy of the database and its side files; false with the error code of
// the file that could not be copied.
bool CopyStoreWithSideFiles(TStoreCopy& copier, const std::string& path,
                            const std::string& target, uint32_t& code) {
  if (!copier.Copy(path, target, TStoreCopy::kSqlite, code)) return false;
  for (const char* suffix : kSideSuffixes) {
    // A copied NTFS disk may spell the companion in another case.
    const std::string side = plat::ResolvePathCase(path + suffix);
    if (!plat::FileExists(side)) continue;
    uint32_t sideCode = 0;
    if (copier.Copy(side, target + suffix, TStoreCopy::kCompanion, sideCode)) continue;
    // A companion that is no file of its own (a pipe, a device) or outlasts
    // the time fails the store as its database would.
    if (!copier.Refusal().empty()) {
      code = sideCode;
      return false;
    }
    // The newest commits of a running browser sit in the write-ahead log,
    // and a rollback journal left by an interrupted write holds the pages
    // that undo it: without either, the copy says something the browser
    // never committed, or misses what it did. The index ("-shm") is
    // different: the engine rebuilds it from the log when it is missing.
    if (std::strcmp(suffix, "-shm") == 0) continue;
    code = sideCode;
    return false;
  }
  return true;
}

void RemoveSnapshotFiles(const std::string& copy) {
  plat::RemoveFile(copy);
  for (const char* suffix : kSideSuffixes) plat::RemoveFile(copy + suffix);
}

void TrackSnapshotFiles(const std::string& copy, bool track) {
  const auto mark = track ? plat::TrackTempPath : plat::UntrackTempPath;
  mark(copy);
  for (const char* suffix : kSideSuffixes) mark(copy + suffix);
}

}  // namespace

bool TSqliteDb::OpenSnapshot(const std::string& copy) {
  // A rollback journal beside the copy means the browser stopped in the
  // middle of a write: the engine undoes it only on a connection that may
  // write. The copy is ours alone, so it may; the browser's files are never
  // opened at all.
  const bool ok = plat::FileExists(copy + "-journal") ? Open(copy, true) : OpenReadOnly(copy);
  // The store's time began with its copy.
  const int64_t started = CopyStart(copy);
  if (ok && started != 0) FDeadlineMs = std::min(FDeadlineMs, started + gStoreTimeLimitMs);
  return ok;
}

bool SnapshotDatabase(const std::string& path, std::string& copy, std::string& err,
                      bool* refused, const std::string& owner, bool* foreign) {
  copy.clear();
  err.clear();
  if (refused) *refused = false;
  if (foreign) *foreign = false;
  if (!plat::FileExists(path)) {
    err = "库文件不存在";
    return false;
  }
  const std::string target = MakeTempName("db") + ".db";
  const std::string dir = ExtractFileDir(target);
  if (!dir.empty() && !plat::DirExists(dir)) plat::CreateDirs(dir);
  // Registered before they exist: an interruption removes them at any moment.
  TrackSnapshotFiles(target, true);

  TStoreCopy copier(owner);
  for (uint32_t attempt = 1; attempt <= 3; ++attempt) {
    uint32_t code = 0;
    if (CopyStoreWithSideFiles(copier, path, target, code)) {
      NoteCopyStart(target, copier.StartedMs());
      copy = target;
      return true;
    }
    // A partial copy of a failed attempt is of no use to anyone.
    RemoveSnapshotFiles(target);
    if (!copier.Refusal().empty()) {
      // The store itself is at fault: no second attempt reads it otherwise.
      err = copier.Refusal();
      if (refused) *refused = true;
      if (foreign) *foreign = copier.Foreign();
      break;
    }
    // Where the copy cannot even be written, no retry helps, and the store
    // is not to blame.
    uint32_t tempCode = 0;
    if (attempt == 1 && !TempFolderWritable(tempCode)) {
      err = TempFolderErrorText(tempCode);
      break;
    }
    err = SnapshotError(code);
    plat::SleepMs(attempt * 200);
    if (attempt == 3 && code == plat::kErrSharingViolation) {
      // Held without sharing, not merely busy: only a shadow copy reads it.
      if (CopyHeldStore(path, target, IsElevated(), err)) {
        copy = target;
        return true;
      }
    }
  }
  TrackSnapshotFiles(target, false);
  return false;
}

// ---- Files held open without sharing ---------------------------------------

namespace {
TShadowCopier gShadowCopier = nullptr;

constexpr const char kHeldNotElevated[] =
    "文件正被其他进程占用且不允许共享读取；以管理员身份运行时将通过卷影副本读取";
constexpr const char kHeldNoShadow[] = "文件正被其他进程占用，无法通过卷影副本读取：";
}  // namespace

void SetShadowCopier(TShadowCopier copier) { gShadowCopier = copier; }

namespace {
// The database, then its companions, each taken only where it exists in
// the shadow.
std::vector<plat::ShadowFile> HeldStoreFiles(const std::string& path, const std::string& target) {
  std::vector<plat::ShadowFile> files{{path, target, false}};
  // The log and a rollback journal belong to the database's state at the
  // shadow's instant, whichever of them exists then. The index ("-shm") is
  // left behind: the browser keeps it in memory, so its file may lag the
  // log, and the engine rebuilds it from the log.
  for (const char* suffix : {"-wal", "-journal"})
    files.push_back({path + suffix, target + suffix, true});
  return files;
}
}  // namespace

namespace {
// One shadow copy of `files` (a store with its companions, or the WebCache
// database alone); their targets are created new, and none is left when
// the copy fails.
bool CopyFromOneShadow(const std::vector<plat::ShadowFile>& files, bool elevated,
                       std::string& err) {
  err.clear();
  if (!elevated) {
    err = kHeldNotElevated;
    return false;
  }
  for (const plat::ShadowFile& f : files) plat::RemoveFile(f.Dst);
  std::string reason;
  const auto copier = gShadowCopier ? gShadowCopier : plat::CopyFromShadow;
  if (copier(files, reason)) {
    // Success claimed without the database copied is no success.
    bool complete = true;
    for (const plat::ShadowFile& f : files)
      if (!f.IfPresent && !plat::FileExists(f.Dst)) complete = false;
    if (complete) return true;
    reason = "卷影副本中未得到文件";
  }
  for (const plat::ShadowFile& f : files) plat::RemoveFile(f.Dst);
  err = kHeldNoShadow + reason;
  return false;
}
}  // namespace

bool CopyHeldStore(const std::string& path, const std::string& target, bool elevated,
                   std::string& err) {
  return CopyFromOneShadow(HeldStoreFiles(path, target), elevated, err);
}

bool CopyHeldFile(const std::string& src, const std::string& dst, bool elevated,
                  std::string& err) {
  return CopyFromOneShadow({{src, dst, false}}, elevated, err);
}

void DeleteSnapshot(const std::string& copy) {
  if (copy.empty()) return;
  RemoveSnapshotFiles(copy);
  TrackSnapshotFiles(copy, false);
  NoteCopyStart(copy, 0);
}
