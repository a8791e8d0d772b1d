#include "uUtil.h"

#include "uPlatform.h"

#include <set>

// ---- Paths and system queries -------------------------------------------------------

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (plat::IsPathSep(dir.back())) return dir + name;
  return dir + plat::kPathSep + name;
}

namespace {
size_t LastSep(const std::string& path) { return path.find_last_of("\\/"); }
}  // namespace

std::string ExtractFileDir(const std::string& path) {
  const size_t p = LastSep(path);
  if (p == std::string::npos) return std::string();
  return p == 0 ? path.substr(0, 1) : path.substr(0, p);  // "/x" lives in "/"
}

std::string ExtractFileName(const std::string& path) {
  const size_t p = LastSep(path);
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string MakeTempName(const std::string& prefix) {
  return JoinPath(plat::TempDir(), Format("vt_%s_%u_%d", prefix.c_str(),
                                          static_cast<unsigned>(plat::ProcessId()),
                                          static_cast<int>(plat::TickCount())));
}

namespace {

// Digits from `at`; false when there are none. `value` saturates (a longer
// run of digits is no process id of ours anyway).
bool TakeDigits(const std::string& s, size_t& at, uint64_t& value) {
  const size_t start = at;
  value = 0;
  while (at < s.size() && s[at] >= '0' && s[at] <= '9') {
    if (value < 0x100000000ull) value = value * 10 + static_cast<uint64_t>(s[at] - '0');
    ++at;
  }
  return at > start;
}

}  // namespace

bool IsOurTempName(const std::string& name, uint32_t& pid) {
  size_t at = 0;
  bool known = false;
  bool run = false;
  for (const char* kind : {"vt_db_", "vt_webcache_", "vt_probe_", "vt_run_"}) {
    const std::string k = kind;
    if (name.compare(0, k.size(), k) == 0) {
      at = k.size();
      known = true;
      run = k == "vt_run_";
      break;
    }
  }
  uint64_t id = 0, n = 0;
  if (!known || !TakeDigits(name, at, id) || id > 0xffffffffull) return false;
  if (at >= name.size() || name[at++] != '_') return false;
  if (at < name.size() && name[at] == '-') ++at;  // the tick count may be negative
  if (!TakeDigits(name, at, n)) return false;
  if (at < name.size() && name[at] == '_') {  // the uniquifier
    ++at;
    if (!TakeDigits(name, at, n)) return false;
  }
  const std::string rest = name.substr(at);
  // ".tsv.downloads": the WebCache worker's download results beside its rows.
  static const char* const kEndings[] = {"",        ".db",  ".db-wal",        ".db-shm",
                                         ".db-journal", ".tsv", ".tsv.downloads", ".lock"};
  for (const char* ending : kEndings) {
    // A run is a folder and its lock, nothing else.
    if (rest == ending && (run ? rest.empty() || rest == ".lock" : rest != ".lock")) {
      pid = static_cast<uint32_t>(id);
      return true;
    }
  }
  return false;
}

namespace {

bool IsRunLockName(const std::string& name, uint32_t& pid) {
  return name.compare(0, 7, "vt_run_") == 0 && name.size() > 5 &&
         name.compare(name.size() - 5, 5, ".lock") == 0 && IsOurTempName(name, pid);
}

// One folder where runs keep their files. A run is known to have ended when
// its lock is free (the lock dies with its process, however it ended), or,
// for a run that left no lock, when its process no longer runs; a lock
// someone holds keeps that process id's files whoever holds it. Only what
// belongs to this account is ever removed: a look-alike of another user
// (or a lock planted to make a live run look ended) stays and counts for
// nothing.
void RemoveStaleIn(const std::string& dir) {
  std::vector<plat::DirEntry> entries;
  if (dir.empty() || !plat::ListDir(dir, entries)) return;
  const uint32_t self = plat::ProcessId();
  std::set<uint32_t> locked, held;
  std::vector<std::string> freeLocks;
  for (const auto& e : entries) {
    uint32_t pid = 0;
    if (e.IsDir || e.IsLink || !IsRunLockName(e.Name, pid) || pid == self) continue;
    const std::string path = JoinPath(dir, e.Name);
    if (!plat::RunLockFree(path)) {
      held.insert(pid);
    } else if (plat::OwnedByRunAccount(path)) {
      locked.insert(pid);
      freeLocks.push_back(path);
    }
  }
  for (const auto& e : entries) {
    uint32_t pid = 0;
    if (!IsOurTempName(e.Name, pid) || pid == self || IsRunLockName(e.Name, pid)) continue;
    if (held.count(pid) || (!locked.count(pid) && plat::ProcessRunning(pid))) continue;
    const std::string path = JoinPath(dir, e.Name);
    if (plat::OwnedByRunAccount(path)) plat::RemoveTree(path);
  }
  // The locks last: a sweep ended half-way finds the rest next time.
  for (const std::string& path : freeLocks) plat::RemoveTree(path);
}

}  // namespace

void RemoveStaleTempFiles() {
  for (const std::string& dir : plat::RunParentFolders()) RemoveStaleIn(dir);
}

bool TempFolderWritable(uint32_t& code) {
  code = 0;
  const std::string dir = plat::TempDir();
  if (dir.empty()) {
    code = plat::kErrPathNotFound;
    return false;
  }
  const std::string probe = MakeTempName("probe");
  if (!plat::CreateNewFile(probe, code)) return code == plat::kErrFileExists;
  plat::RemoveFile(probe);
  return true;
}

std::string TempFolderErrorText(uint32_t code) {
  std::string dir = plat::TempDir();
  if (dir.size() > 1 && plat::IsPathSep(dir.back())) dir.pop_back();
  return Format("%s：%s（%s）", kTempFolderNotWritable, dir.c_str(), SysErrorText(code).c_str());
}

bool IsElevated() { return plat::IsElevated(); }

std::string SysErrorText(uint32_t code) {
  std::string msg = Utf16Left(plat::SystemErrorMessage(code), 256);
  while (!msg.empty() && (static_cast<unsigned char>(msg.back()) <= 0x20 || msg.back() == '.'))
    msg.pop_back();
  if (msg.empty()) return Format("错误码 %d", static_cast<int>(code));
  return msg;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, uint32_t* code,
                   int64_t maxBytes) {
  uint32_t why = 0;
  const bool ok = plat::ReadRegularFile(path, maxBytes, bytes, why);
  if (code) *code = why;
  return ok;
}

std::string ReadFileErrorText(uint32_t code, int64_t maxBytes) {
  if (code == plat::kErrNotRegularFile) return kNotRegularFileText;
  if (code == plat::kErrFileTooLarge) {
    return maxBytes % (1 << 20) == 0
               ? Format("文件过大（超过 %lld MB）", static_cast<long long>(maxBytes >> 20))
               : Format("文件过大（超过 %lld 字节）", static_cast<long long>(maxBytes));
  }
  return SysErrorText(code);
}
