#include "uSqlite.h"

#include <sqlite3.h>

#include <cstring>

#include "uPlatform.h"
#include "uUtil.h"

// ---- Engine ----------------------------------------------------------------

// The engine is linked into the program, so there is nothing to find or
// extract: loading is a formality that keeps the callers' interface.
bool TSqliteDb::EnsureLoaded(const std::string& /*dllDir*/, std::string& errMsg) {
  errMsg.clear();
  // The program uses the engine from one thread only: without its mutexes
  // every row step is measurably cheaper. Must precede the engine's own
  // initialisation, so it is done once, here, before any database opens.
  static const bool configured = sqlite3_config(SQLITE_CONFIG_SINGLETHREAD) == SQLITE_OK;
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

bool TSqliteDb::OpenReadOnly(const std::string& fileName) {
  Close();
  if (!Loaded()) return false;
  FDb = nullptr;
  // Read-only and nothing else: a missing file must not be created, and the
  // name is never taken as a URI.
  int rc = sqlite3_open_v2(fileName.c_str(), &FDb, SQLITE_OPEN_READONLY, nullptr);
  if (rc != SQLITE_OK) {
    if (FDb) sqlite3_close(FDb);
    FDb = nullptr;
    FOpen = false;
    return false;
  }
  FOpen = true;
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
  return true;
}

void TSqliteDb::Close() {
  if (FOpen && FDb) sqlite3_close(FDb);
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

std::string TSqliteDb::ColText(TSqlStmt stmt, int index) {
  const unsigned char* p = sqlite3_column_text(stmt, index);
  if (!p) return std::string();
  // The text ends at its first NUL, as the engine's C string does.
  std::string bytes(reinterpret_cast<const char*>(p));
  if (IsWellFormedUtf8(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
    return bytes;
  return Utf8BytesToString(bytes);
}

int64_t TSqliteDb::ColInt(TSqlStmt stmt, int index) {
  return static_cast<int64_t>(sqlite3_column_int64(stmt, index));
}

int TSqliteDb::ColType(TSqlStmt stmt, int index) { return sqlite3_column_type(stmt, index); }

void TSqliteDb::Finalize(TSqlStmt stmt) {
  if (stmt) sqlite3_finalize(stmt);
}

std::string TSqliteDb::LastError() const {
  if (!FDb) return "数据库未打开";
  const char* msg = sqlite3_errmsg(FDb);
  return Utf8BytesToString(msg ? std::string(msg) : std::string());
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

// The snapshot and the side files the engine may make beside it.
void TrackSnapshotFiles(const std::string& copy, bool track) {
  for (const std::string& p : {copy, copy + "-wal", copy + "-shm", copy + "-journal"}) {
    if (track)
      plat::TrackTempPath(p);
    else
      plat::UntrackTempPath(p);
  }
}

}  // namespace

bool SnapshotDatabase(const std::string& path, std::string& copy, std::string& err) {
  copy.clear();
  err.clear();
  if (!plat::FileExists(path)) {
    err = "库文件不存在";
    return false;
  }
  const std::string target = MakeTempName("db") + ".db";
  const std::string dir = ExtractFileDir(target);
  if (!dir.empty() && !plat::DirExists(dir)) plat::CreateDirs(dir);
  // Registered before they exist: an interruption removes them at any moment.
  TrackSnapshotFiles(target, true);

  for (uint32_t attempt = 1; attempt <= 3; ++attempt) {
    uint32_t code = 0;
    bool ok = plat::CopyFileShared(path, target, code);
    if (!ok) ok = plat::CopyFileBackup(path, target, code);
    if (ok) {
      // The newest commits of a running browser sit in the write-ahead log.
      // The engine discards the copied index ("-shm") when it is the first
      // to open it and rebuilds it from the log, so a log and index copied at
      // slightly different moments do not disagree; a log cut short by a
      // failed copy still yields every commit whose frames it holds whole.
      for (const char* suffix : {"-wal", "-shm"}) {
        const std::string side = path + suffix;
        uint32_t sideCode = 0;
        if (plat::FileExists(side)) plat::CopyFileShared(side, target + suffix, sideCode);
      }
      copy = target;
      return true;
    }
    err = SnapshotError(code);
    // A partial copy of a failed attempt is of no use to anyone.
    plat::RemoveFile(target);
    plat::SleepMs(attempt * 200);
  }
  TrackSnapshotFiles(target, false);
  return false;
}

void DeleteSnapshot(const std::string& copy) {
  if (copy.empty()) return;
  plat::RemoveFile(copy);
  plat::RemoveFile(copy + "-wal");
  plat::RemoveFile(copy + "-shm");
  plat::RemoveFile(copy + "-journal");
  TrackSnapshotFiles(copy, false);
}
