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

bool TSqliteDb::OpenReadOnly(const std::string& fileName) { return Open(fileName, false); }

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
  return true;
}

void TSqliteDb::MapForRandomReads() {
  // Mapping the (private, never written) snapshot spares a system call and a
  // page copy per page read; the engine falls back to ordinary reads where
  // mapping is not possible. Failure is harmless.
  TSqlStmt pragma = nullptr;
  if (Prepare("PRAGMA mmap_size=268435456", pragma)) {
    while (Step(pragma) == SQLITE_ROW) {
    }
  }
  Finalize(pragma);
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

// The side files that belong to a database and travel with its copy.
constexpr const char* kSideSuffixes[] = {"-wal", "-shm", "-journal"};

bool CopyStoreFile(const std::string& src, const std::string& dst, uint32_t& code) {
  return plat::CopyFileShared(src, dst, code) || plat::CopyFileBackup(src, dst, code);
}

// One copy of the database and its side files; false with the error code of
// the file that could not be copied.
bool CopyStoreWithSideFiles(const std::string& path, const std::string& target, uint32_t& code) {
  if (!CopyStoreFile(path, target, code)) return false;
  for (const char* suffix : kSideSuffixes) {
    // A copied NTFS disk may spell the companion in another case.
    const std::string side = plat::ResolvePathCase(path + suffix);
    if (!plat::FileExists(side)) continue;
    uint32_t sideCode = 0;
    if (CopyStoreFile(side, target + suffix, sideCode)) continue;
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
  if (plat::FileExists(copy + "-journal")) return Open(copy, true);
  return OpenReadOnly(copy);
}

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
    if (CopyStoreWithSideFiles(path, target, code)) {
      copy = target;
      return true;
    }
    // A partial copy of a failed attempt is of no use to anyone.
    RemoveSnapshotFiles(target);
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
std::string gShadowCopyTool;
constexpr uint32_t kShadowCopyTimeoutMs = 120000;
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

bool CopyHeldStore(const std::string& path, const std::string& target, bool elevated,
                   std::string& err) {
  err.clear();
  if (!elevated) {
    err = kHeldNotElevated;
    return false;
  }
  RemoveSnapshotFiles(target);  // the copies are created new
  std::string reason;
  const auto copier = gShadowCopier ? gShadowCopier : plat::CopyFromShadow;
  if (copier(HeldStoreFiles(path, target), reason)) return true;
  RemoveSnapshotFiles(target);
  err = kHeldNoShadow + reason;
  return false;
}

void SetShadowCopyTool(const std::string& path) { gShadowCopyTool = path; }

std::vector<std::string> ShadowCopyArgs(const std::string& src, const std::string& dst) {
  return {"/y", src, "/vss", "/d", dst};
}

bool CopyHeldFile(const std::string& src, const std::string& dst, bool elevated,
                  std::string& err) {
  err.clear();
  if (!elevated) {
    err = kHeldNotElevated;
    return false;
  }
  const std::string tool =
      gShadowCopyTool.empty() ? plat::SystemToolPath("esentutl.exe") : gShadowCopyTool;
  std::string reason;
  int32_t exitCode = 0;
  uint32_t code = 0;
  plat::RemoveFile(dst);  // the tool refuses to overwrite
  if (tool.empty() || !plat::FileExists(tool)) {
    reason = SysErrorText(plat::kErrFileNotFound) + "（esentutl.exe）";
  } else if (!plat::SpawnAndWait(tool, ShadowCopyArgs(src, dst), kShadowCopyTimeoutMs, exitCode,
                                 code)) {
    reason = SysErrorText(code);
  } else if (exitCode != 0 || !plat::FileExists(dst)) {
    reason = Format("esentutl 退出码 %d", exitCode);
  } else {
    return true;
  }
  plat::RemoveFile(dst);
  err = kHeldNoShadow + reason;
  return false;
}

void DeleteSnapshot(const std::string& copy) {
  if (copy.empty()) return;
  RemoveSnapshotFiles(copy);
  TrackSnapshotFiles(copy, false);
}
