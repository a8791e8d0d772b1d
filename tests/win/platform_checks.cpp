// Checks of the Windows platform layer, run under Wine (or on Windows) by
// scripts/test-windows.sh. GoogleTest needs std::thread, which MinGW's
// default thread model lacks, so this is a plain program: it prints one line
// per failed check and "platform checks: N passed, M failed" at the end, and
// exits with 1 when any check failed.
//
//   platform_checks.exe <scratch folder>   run every check
//   platform_checks.exe /child <file> args  (used by the spawn checks)
//   platform_checks.exe /sleep [pid file]   (used by the time-out and job checks)
//   platform_checks.exe /parent <pid file> [tracked folder]
//                                           (spawns /sleep; the job and interruption checks)
//   platform_checks.exe /crash              (a crashing child)
//   platform_checks.exe /kind               prints the standard-output kind
//   platform_checks.exe /hold <file> <ready file>  holds a file open without
//                                           sharing while the ready file exists
//   platform_checks.exe /worker:dump ...    a WebCache worker that crashes or
//                                           hangs (VT_CHECK_WORKER=crash|hang)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "uPlatform.h"
#include "uUtil.h"
#include "uWebCache.h"

namespace {

int gPassed = 0, gFailed = 0;

void Check(bool ok, const char* what, const std::string& detail = std::string()) {
  if (ok) {
    ++gPassed;
    return;
  }
  ++gFailed;
  std::string line = std::string("FAILED: ") + what;
  if (!detail.empty()) line += " (" + detail + ")";
  plat::WriteStdOutRaw(line + "\n");
}

void CheckEq(const std::string& expected, const std::string& actual, const char* what) {
  Check(expected == actual, what, "expected \"" + expected + "\", got \"" + actual + "\"");
}
void CheckEq(int64_t expected, int64_t actual, const char* what) {
  Check(expected == actual, what,
        "expected " + IntToStr(expected) + ", got " + IntToStr(actual));
}

std::string ReadAll(const std::string& path) {
  std::string data;
  std::FILE* f = plat::OpenFile(path, "rb");
  if (!f) return data;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  std::fclose(f);
  return data;
}

bool WriteAll(const std::string& path, const std::string& data, const char* mode = "wb") {
  std::FILE* f = plat::OpenFile(path, mode);
  if (!f) return false;
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && ok;
}

HANDLE OpenRaw(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  std::u16string w = Utf8ToUtf16(path);
  return CreateFileW(reinterpret_cast<const wchar_t*>(w.c_str()), access, share, nullptr,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void FilesWithUnicodeNames(const std::string& root) {
  const std::string dir = root + "\\用户\\数据 目录";
  Check(plat::CreateDirs(dir + "\\a\\b"), "CreateDirs makes nested folders with Chinese names");
  Check(plat::CreateDirs(dir + "\\a\\b\\"), "CreateDirs accepts a trailing separator");
  Check(plat::DirExists(dir + "\\a"), "DirExists on a created folder");
  Check(!plat::FileExists(dir + "\\a"), "FileExists is false for a folder");

  const std::string file = dir + "\\历史.db";
  Check(WriteAll(file, "abc"), "OpenFile wb with a Chinese name");
  Check(WriteAll(file, "def", "ab"), "OpenFile ab");
  CheckEq(std::string("abcdef"), ReadAll(file), "append keeps the old content");
  CheckEq(int64_t{6}, plat::FileSize(file), "FileSize");
  CheckEq(int64_t{-1}, plat::FileSize(dir + "\\missing"), "FileSize of a missing file");
  Check(WriteAll(dir + "\\lines.txt", "a\nb", "w") && ReadAll(dir + "\\lines.txt") == "a\nb",
        "files are binary unless text is asked for");
  Check(plat::RemoveFile(dir + "\\lines.txt"), "remove lines.txt");

  std::vector<plat::DirEntry> entries;
  Check(plat::ListDir(dir, entries), "ListDir");
  bool sawFile = false, sawDir = false;
  for (const auto& e : entries) {
    if (e.Name == "历史.db" && !e.IsDir) sawFile = true;
    if (e.Name == "a" && e.IsDir) sawDir = true;
  }
  Check(entries.size() == 2 && sawFile && sawDir, "ListDir gives UTF-8 names and kinds");
  Check(!plat::ListDir(dir + "\\missing", entries), "ListDir of a missing folder fails");

  // Files are opened so that others may read, write and delete meanwhile.
  std::FILE* held = plat::OpenFile(file, "ab");
  Check(held != nullptr, "OpenFile ab on an existing file");
  CheckEq(std::string("abcdef"), ReadAll(file), "a file open for appending can be read");
  HANDLE writer = OpenRaw(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  Check(writer != INVALID_HANDLE_VALUE, "another writer may open a file we hold");
  if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
  if (held) std::fclose(held);

  Check(plat::RenameFile(file, dir + "\\新.db"), "RenameFile");
  Check(WriteAll(file, "xyz"), "recreate");
  Check(plat::RenameFile(file, dir + "\\新.db"), "RenameFile replaces an existing file");
  CheckEq(std::string("xyz"), ReadAll(dir + "\\新.db"), "renamed content");
  Check(plat::RemoveFile(dir + "\\新.db") && !plat::FileExists(dir + "\\新.db"), "RemoveFile");
  Check(!plat::RemoveFile(dir + "\\新.db"), "RemoveFile of a missing file fails");
  Check(plat::RemoveEmptyDir(dir + "\\a\\b"), "RemoveEmptyDir");
  Check(!plat::RemoveEmptyDir(dir), "RemoveEmptyDir refuses a folder with content");

  CheckEq(std::string("C:\\x\\y"), plat::AbsolutePath("C:\\x\\y"), "absolute path unchanged");
  CheckEq(plat::CurrentDir() + "\\out\\r.html", plat::AbsolutePath("out\\r.html"),
          "relative path against the current folder");
  Check(plat::ResolvePathCase("c:\\USERS") == "c:\\USERS", "ResolvePathCase is the identity");
  const std::string temp = plat::TempDir();
  Check(!temp.empty() && temp.back() == '\\' && plat::DirExists(temp), "TempDir", temp);
}

void Copies(const std::string& root) {
  const std::string src = root + "\\copy src.bin";
  std::string content;
  for (int i = 0; i < 200000; ++i) content += static_cast<char>('a' + i % 26);
  Check(WriteAll(src, content), "write copy source");

  uint32_t code = 99;
  Check(plat::CopyFileShared(src, root + "\\copy1.bin", code) && code == 0, "CopyFileShared");
  Check(ReadAll(root + "\\copy1.bin") == content, "shared copy is byte-exact");

  // A browser keeps its database open for writing: the shared copy still
  // reads it, the backup copy (no sharing) meets a sharing violation.
  HANDLE browser = OpenRaw(src, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           OPEN_EXISTING);
  Check(plat::CopyFileShared(src, root + "\\copy2.bin", code), "shared copy of an open file");
  Check(!plat::CopyFileBackup(src, root + "\\copy3.bin", code), "backup copy of an open file");
  CheckEq(int64_t{plat::kErrSharingViolation}, int64_t{code}, "backup copy: sharing violation");
  CloseHandle(browser);
  Check(plat::CopyFileBackup(src, root + "\\copy3.bin", code) && code == 0,
        "backup copy of a closed file");
  Check(ReadAll(root + "\\copy3.bin") == content, "backup copy is byte-exact");

  Check(!plat::CopyFileShared(root + "\\missing", root + "\\c4", code), "copy of a missing file");
  CheckEq(int64_t{plat::kErrFileNotFound}, int64_t{code}, "missing source: code 2");
  Check(!plat::CopyFileBackup(root, root + "\\c5", code), "backup copy of a folder fails");
  Check(!plat::FileExists(root + "\\c5"), "no copy is left of a folder");
  Check(!plat::CopyFileShared(src, root + "\\no\\such\\c6", code), "copy into a missing folder");
  CheckEq(int64_t{plat::kErrPathNotFound}, int64_t{code}, "missing target folder: code 3");
}

// True when a byte range locked through one handle refuses reads through
// another, as on Windows. (Wine does not enforce it.)
bool LocksRefuseReads(const std::string& root) {
  const std::string path = root + "\\lock probe";
  WriteAll(path, std::string(64, 'p'));
  HANDLE owner = OpenRaw(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         OPEN_EXISTING);
  OVERLAPPED ov = {};
  LockFileEx(owner, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 16, 0, &ov);
  HANDLE reader = OpenRaw(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  char b[16];
  DWORD got = 0;
  OVERLAPPED rov = {};
  bool refused = !ReadFile(reader, b, sizeof b, &got, &rov) && GetLastError() == ERROR_LOCK_VIOLATION;
  CloseHandle(reader);
  UnlockFileEx(owner, 0, 16, 0, &ov);
  CloseHandle(owner);
  plat::RemoveFile(path);
  return refused;
}

// Chromium keeps History locked exclusively; SQLite's lock bytes are the
// 512 bytes at offset 1 GiB, which then cannot be read by anyone else.
void CopyAcrossSqliteLockBytes(const std::string& root) {
  if (!LocksRefuseReads(root)) {
    plat::WriteStdOutRaw("SKIPPED: copy across SQLite lock bytes (byte-range locks do not "
                         "refuse reads on this system)\n");
    return;
  }
  const std::string src = root + "\\big History";
  const uint64_t kLock = 0x40000000ull;
  HANDLE h = OpenRaw(src, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     CREATE_ALWAYS);
  Check(h != INVALID_HANDLE_VALUE, "create big source");
  if (h == INVALID_HANDLE_VALUE) return;
  // Marks around the lock page; the rest of the file reads as zeros.
  auto writeAt = [&](uint64_t at, const std::string& s) {
    OVERLAPPED ov = {};
    ov.Offset = static_cast<DWORD>(at);
    ov.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD n = 0;
    WriteFile(h, s.data(), static_cast<DWORD>(s.size()), &n, &ov);
  };
  writeAt(0, "SQLite format 3");
  writeAt(kLock - 4, "head");
  writeAt(kLock, std::string(512, 'L'));  // unreadable while locked: zeros in the copy
  writeAt(kLock + 512, "tail");
  writeAt(kLock + 70000, "end!");
  OVERLAPPED ov = {};
  ov.Offset = static_cast<DWORD>(kLock);
  ov.OffsetHigh = static_cast<DWORD>(kLock >> 32);
  Check(LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 512, 0, &ov) != 0,
        "lock the SQLite lock bytes");

  const std::string dst = root + "\\big copy";
  uint32_t code = 99;
  Check(plat::CopyFileShared(src, dst, code), "shared copy across locked SQLite lock bytes",
        "code " + IntToStr(code));
  UnlockFileEx(h, 0, 512, 0, &ov);
  CloseHandle(h);

  CheckEq(int64_t{static_cast<int64_t>(kLock + 70004)}, plat::FileSize(dst), "copy has full size");
  HANDLE c = OpenRaw(dst, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  std::string around(520, '\0');
  OVERLAPPED cov = {};
  cov.Offset = static_cast<DWORD>(kLock - 4);
  cov.OffsetHigh = static_cast<DWORD>((kLock - 4) >> 32);
  DWORD got = 0;
  ReadFile(c, &around[0], 520, &got, &cov);
  CloseHandle(c);
  Check(around == "head" + std::string(512, '\0') + "tail",
        "locked bytes read as zeros, their neighbours unchanged");
  plat::RemoveFile(src);
  plat::RemoveFile(dst);
}

void Processes(const std::string& root, const std::string& self) {
  const std::string out = root + "\\child args.txt";
  // Backslashes are literal, also before the closing quote; a double
  // quote cannot be passed at all under the program's rule.
  const std::vector<std::string> args = {"plain", "with space", "trail\\", "trail space\\", "",
                                         "中文 参数", "a\\\\b", "/out:D:\\My Reports\\"};
  std::vector<std::string> childArgs = {"/child", out};
  childArgs.insert(childArgs.end(), args.begin(), args.end());
  int32_t exitCode = 0;
  uint32_t err = 0;
  Check(plat::SpawnAndWait(self, childArgs, 30000, exitCode, err), "spawn a child");
  CheckEq(int64_t{7}, int64_t{exitCode}, "child exit code");
  std::string expected;
  for (const auto& a : args) expected += "[" + a + "]";
  CheckEq(expected, ReadAll(out), "every argument arrives unchanged");

  Check(!plat::SpawnAndWait(self, {"/child", out, "quote\"inside"}, 5000, exitCode, err) &&
            err == ERROR_INVALID_PARAMETER,
        "an argument with a double quote is refused");
  Check(!plat::SpawnAndWait(root + "\\no such.exe", {}, 5000, exitCode, err), "missing program");
  CheckEq(int64_t{plat::kErrFileNotFound}, int64_t{err}, "missing program: code 2");

  const int64_t start = plat::NowUnixMillis();
  Check(plat::SpawnAndWait(self, {"/sleep"}, 500, exitCode, err), "spawn a sleeper");
  CheckEq(int64_t{259}, int64_t{exitCode}, "time-out reported as still active");
  Check(plat::NowUnixMillis() - start < 20000, "time-out does not wait for the child");

  Check(plat::OwnExePath() == self, "OwnExePath", plat::OwnExePath());
  Check(plat::ProcessId() == GetCurrentProcessId(), "ProcessId");
}

// Starts `cmd` (a process that spawns a /sleep child writing its id to
// `pidFile`) and waits for that child; `child` is a handle to it (or null).
bool StartWithChild(const std::string& cmd, DWORD flags, const std::string& pidFile,
                    PROCESS_INFORMATION& pi, HANDLE& child) {
  std::u16string w = Utf8ToUtf16(cmd);
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  child = nullptr;
  if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(&w[0]), nullptr, nullptr, FALSE, flags,
                      nullptr, nullptr, &si, &pi))
    return false;
  std::string pid;
  for (int i = 0; i < 200 && (pid = ReadAll(pidFile)).empty(); ++i) plat::SleepMs(50);
  int64_t id = 0;
  if (TryStrToInt64(pid, id)) child = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  return true;
}

// A child runs in a job that ends it with its parent, and a crashing child
// ends at once with its exception code instead of waiting for a debugger or
// error reporting.
void Containment(const std::string& root, const std::string& self) {
  int32_t exitCode = 0;
  uint32_t err = 0;
  const int64_t start = plat::NowUnixMillis();
  Check(plat::SpawnAndWait(self, {"/crash"}, 30000, exitCode, err), "spawn a crashing child");
  CheckEq(int64_t{static_cast<int32_t>(EXCEPTION_ACCESS_VIOLATION)}, int64_t{exitCode},
          "a crash ends the child with its exception code");
  Check(plat::NowUnixMillis() - start < 20000, "a crash does not wait for anyone");

  const std::string pidFile = root + "\\grandchild.pid";
  PROCESS_INFORMATION pi = {};
  HANDLE h = nullptr;
  if (!StartWithChild("\"" + self + "\" /parent \"" + pidFile + "\"", CREATE_NO_WINDOW, pidFile, pi,
                      h)) {
    Check(false, "start a parent");
    return;
  }
  Check(h != nullptr, "the parent's child started");
  TerminateProcess(pi.hProcess, 1);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  if (h) {
    Check(WaitForSingleObject(h, 10000) == WAIT_OBJECT_0, "a child ends when its parent ends");
    CloseHandle(h);
  }
}

// Ctrl+Break ends a run: its child is ended, its tracked folder removed, and
// the run ends with the status of an interrupted console program.
void Interruption(const std::string& root, const std::string& self) {
  const std::string folder = root + "\\interrupted run", pidFile = root + "\\interrupted.pid";
  plat::CreateDirs(folder + "\\sub");
  WriteAll(folder + "\\sub\\snapshot.db", "history");
  PROCESS_INFORMATION pi = {};
  HANDLE h = nullptr;
  if (!StartWithChild("\"" + self + "\" /parent \"" + pidFile + "\" \"" + folder + "\"",
                      CREATE_NEW_PROCESS_GROUP, pidFile, pi, h)) {
    Check(false, "start a run to interrupt");
    return;
  }
  if (!GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, pi.dwProcessId) ||
      WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
    plat::WriteStdOutRaw("SKIPPED: interruption (no console event reaches the run here)\n");
    TerminateProcess(pi.hProcess, 1);
  } else {
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CheckEq(int64_t{0xC000013A}, int64_t{code}, "an interrupted run ends with STATUS_CONTROL_C_EXIT");
    Check(!plat::DirExists(folder), "an interrupted run's tracked folder is removed");
    Check(h && WaitForSingleObject(h, 10000) == WAIT_OBJECT_0, "an interrupted run's child is ended");
  }
  if (h) CloseHandle(h);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  DeleteFolderTree(folder);
}

// Paths past MAX_PATH: a deep folder, and a TEMP that long.
void LongPaths(const std::string& root) {
  std::string dir = root;
  for (int i = 0; i < 8; ++i) dir += "\\" + std::string(40, static_cast<char>('a' + i)) + "长";
  Check(dir.size() > 300, "the long folder is longer than MAX_PATH");
  Check(plat::CreateDirs(dir), "CreateDirs past MAX_PATH");
  Check(plat::DirExists(dir), "DirExists past MAX_PATH");
  const std::string file = dir + "\\History";
  Check(WriteAll(file, "long"), "OpenFile past MAX_PATH");
  CheckEq(int64_t{4}, plat::FileSize(file), "FileSize past MAX_PATH");
  uint32_t code = 0;
  Check(plat::CopyFileShared(file, file + "-copy", code) && ReadAll(file + "-copy") == "long",
        "copy past MAX_PATH", IntToStr(code));
  Check(plat::CopyFileShared(file, file + "-copy", code), "a copy replaces our own earlier copy");
  std::vector<plat::DirEntry> entries;
  Check(plat::ListDir(dir, entries) && entries.size() == 2, "ListDir past MAX_PATH");
  DeleteFolderTree(root + "\\" + std::string(40, 'a') + "长");
  Check(!plat::DirExists(dir) && !plat::DirExists(root + "\\" + std::string(40, 'a') + "长"),
        "a folder tree past MAX_PATH is removed");

  const std::string oldTemp = plat::GetEnv("TEMP"), oldTmp = plat::GetEnv("TMP");
  const std::string longTemp = root + "\\" + std::string(150, 't') + "\\" + std::string(150, 'u');
  plat::CreateDirs(longTemp);
  std::u16string w = Utf8ToUtf16(longTemp);
  SetEnvironmentVariableW(L"TEMP", reinterpret_cast<const wchar_t*>(w.c_str()));
  SetEnvironmentVariableW(L"TMP", reinterpret_cast<const wchar_t*>(w.c_str()));
  CheckEq(longTemp + "\\", plat::TempDir(), "a TEMP longer than MAX_PATH");
  const std::string name = MakeTempName("db") + ".db";
  Check(WriteAll(name, "x") && plat::RemoveFile(name), "a temporary file in the long TEMP");
  std::u16string t = Utf8ToUtf16(oldTemp), m = Utf8ToUtf16(oldTmp);
  SetEnvironmentVariableW(L"TEMP", reinterpret_cast<const wchar_t*>(t.c_str()));
  SetEnvironmentVariableW(L"TMP", oldTmp.empty() ? nullptr : reinterpret_cast<const wchar_t*>(m.c_str()));
  DeleteFolderTree(root + "\\" + std::string(150, 't'));
}

// The WebCache source reports a worker that crashes or hangs as designed.
void WorkerFailures(const std::string& root, const std::string& self) {
  const std::string cache = root + "\\WebCache";
  plat::CreateDirs(cache);
  WriteAll(cache + "\\WebCacheV01.dat", std::string(65536, '\0'));
  SetWorkerExecutable(self);
  THistoryList list;
  std::string message;
  TSourceStatus status = ssOk;
  SetEnvironmentVariableW(L"VT_CHECK_WORKER", L"crash");
  CollectWebCache(cache + "\\WebCacheV01.dat", list, "ie", "IE", "u\\WebCache", TWebCacheFilter(),
                  message, status);
  Check(status == ssParseError, "a crashing worker is a parse error");
  CheckEq(Format("解析子进程异常退出（代码 %d），该浏览器数据无法提取",
                 static_cast<int32_t>(EXCEPTION_ACCESS_VIOLATION)),
          message, "a crashing worker's message");
  SetEnvironmentVariableW(L"VT_CHECK_WORKER", L"hang");
  SetWorkerTimeoutMs(1000);
  const int64_t start = plat::NowUnixMillis();
  CollectWebCache(cache + "\\WebCacheV01.dat", list, "ie", "IE", "u\\WebCache", TWebCacheFilter(),
                  message, status);
  Check(plat::NowUnixMillis() - start < 20000, "a hanging worker is not waited for");
  CheckEq("解析子进程异常退出（代码 259），该浏览器数据无法提取", message, "a hanging worker's message");
  SetEnvironmentVariableW(L"VT_CHECK_WORKER", nullptr);
  SetWorkerExecutable("");
  SetWorkerTimeoutMs(120000);
  Check(list.Count() == 0, "no visit from a failed worker");
}

// Wine has no shadow-copy service: the call must fail with the system's
// reason, promptly, and leave no target behind (on Windows, elevated, it
// copies).
void ShadowCopies(const std::string& root) {
  std::string reason = "old";
  Check(plat::CopyFromShadow({}, reason) && reason.empty(), "shadow copy of nothing succeeds");
  const std::string src = root + "\\shadow-src.db", dst = root + "\\shadow-dst.db";
  WriteAll(src, "db");
  plat::RemoveFile(dst);
  const int64_t start = plat::NowUnixMillis();
  const bool copied = plat::CopyFromShadow({{src, dst, false}, {src + "-wal", dst + "-wal", true}}, reason);
  const int64_t tookMs = plat::NowUnixMillis() - start;
  if (copied) {
    Check(ReadAll(dst) == "db" && !plat::FileExists(dst + "-wal"),
          "shadow copy: the file copied, an absent companion skipped");
  } else {
    Check(!reason.empty(), "shadow copy failure carries the system's reason");
    Check(!plat::FileExists(dst), "failed shadow copy leaves no target", reason);
    plat::WriteStdOutRaw("shadow copy: " + reason + "\n");
  }
  Check(tookMs < 60000, "shadow copy answers within a minute", IntToStr(tookMs) + " ms");
  plat::RemoveFile(src);
  plat::RemoveFile(dst);
  plat::RemoveFile(dst + "-wal");
}

void EnvironmentAndSystem() {
  SetEnvironmentVariableW(L"VT_CHECK_DRIVE", L"D:\\数据");
  CheckEq(std::string("D:\\数据"), plat::GetEnv("VT_CHECK_DRIVE"), "GetEnv with Chinese text");
  CheckEq(std::string(), plat::GetEnv("VT_CHECK_UNSET"), "GetEnv of an unset name");
  CheckEq(std::string("D:\\数据\\Users\\bob"), plat::ExpandEnvStrings("%VT_CHECK_DRIVE%\\Users\\bob"),
          "ExpandEnvStrings");
  CheckEq(std::string("%VT_CHECK_UNSET%\\x"), plat::ExpandEnvStrings("%VT_CHECK_UNSET%\\x"),
          "unset names stay as written");
  const std::string longValue(600, 'x');
  SetEnvironmentVariableW(L"VT_CHECK_LONG", std::wstring(600, L'x').c_str());
  CheckEq("C:\\" + longValue, plat::ExpandEnvStrings("C:\\%VT_CHECK_LONG%"),
          "an expansion longer than 520 characters is not cut");

  std::vector<std::string> profiles;
  Check(plat::ListProfileFolders("", profiles), "ListProfileFolders reads the registry");
  bool sawUser = false;
  const std::string home = plat::GetEnv("USERPROFILE");
  for (const auto& p : profiles)
    if (SameTextAscii(plat::ExpandEnvStrings(p), home)) sawUser = true;
  Check(sawUser, "the running user is in the profile list", home);

  Check(plat::IsElevated() || plat::GetEnv("VT_CHECK_NOT_ELEVATED") == "1", "IsElevated");
  Check(!plat::SystemErrorMessage(5).empty(), "a message for error 5");
  const std::string m5 = plat::SystemErrorMessage(5);
  Check(m5.back() != '\n' && m5.back() != '\r', "no line break after the message", m5);
  CheckEq(std::string(), plat::SystemErrorMessage(123456), "no message for an unknown code");

  std::string tpl;
  Check(plat::LoadEmbeddedResource("REPORTTPL", tpl) && tpl.find("<html") != std::string::npos,
        "the report template is a resource");
  Check(!plat::LoadEmbeddedResource("NOPE", tpl) && tpl.empty(), "a missing resource");

  const int64_t utc = plat::NowUnixUtc();
  Check(utc > 1700000000 && plat::NowUnixMillis() / 1000 - utc <= 1, "clock");
  const std::string tzOffset = plat::GetEnv("VT_CHECK_TZ_OFFSET");
  if (!tzOffset.empty())
    CheckEq(tzOffset, IntToStr(plat::UtcOffsetNowSeconds()), "UtcOffsetNowSeconds");
  CheckEq(IntToStr(plat::UtcOffsetNowSeconds()), IntToStr(plat::UtcOffsetAtSeconds(utc)),
          "UtcOffsetAtSeconds now");
  // Whatever the zone, its offsets lie within a day of UTC.
  for (int64_t t : {int64_t{1768478400}, int64_t{1784116800}})  // 2026-01-15, 2026-07-15
    Check(std::llabs(plat::UtcOffsetAtSeconds(t)) < 86400, "UtcOffsetAtSeconds in range");
  CheckEq(std::string("\r\n"), std::string(plat::LineEnd()), "LineEnd");
}

int Child(const std::vector<std::string>& args) {
  std::string joined;
  for (size_t i = 3; i < args.size(); ++i) joined += "[" + args[i] + "]";
  WriteAll(args[2], joined);
  // A windowless child has no part in its parent's standard output.
  plat::WriteConsoleLine("child output");
  plat::WriteStdOutRaw("child raw output\n");
  return 7;
}

}  // namespace

int wmain(int, wchar_t**) {
  const std::vector<std::string> args = plat::CommandLineArgs();
  if (args.size() >= 3 && args[1] == "/child") return Child(args);
  if (args.size() >= 2 && args[1] == "/sleep") {
    if (args.size() >= 3) WriteAll(args[2], IntToStr(plat::ProcessId()));
    plat::SleepMs(60000);
    return 0;
  }
  if ((args.size() == 3 || args.size() == 4) && args[1] == "/parent") {
    if (args.size() == 4) {  // a run that an interruption cleans up
      plat::InstallInterruptCleanup();
      plat::TrackTempPath(args[3]);
    }
    int32_t code = 0;
    uint32_t err = 0;
    plat::SpawnAndWait(plat::OwnExePath(), {"/sleep", args[2]}, 60000, code, err);
    return 0;
  }
  if (args.size() == 2 && args[1] == "/crash") {
    plat::SuppressErrorDialogs();
    *static_cast<volatile int*>(nullptr) = 1;
    return 0;
  }
  if (IsWorkerCommandLine(args)) {
    plat::SuppressErrorDialogs();
    if (plat::GetEnv("VT_CHECK_WORKER") == "crash") *static_cast<volatile int*>(nullptr) = 1;
    plat::SleepMs(60000);
    return 0;
  }
  if (args.size() == 4 && args[1] == "/hold") {
    // Held as the system holds the WebCache: no sharing at all, until the
    // caller removes the ready file (two minutes at most).
    std::u16string w = Utf8ToUtf16(args[2]);
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(w.c_str()), GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 1;
    WriteAll(args[3], "held");
    for (int i = 0; i < 1200 && plat::FileExists(args[3]); ++i) plat::SleepMs(100);
    CloseHandle(h);
    return 0;
  }
  if (args.size() == 2 && args[1] == "/kind") {
    static const char* const kKinds[] = {"console", "file", "pipe", "other"};
    std::string line = kKinds[static_cast<int>(plat::StdOutType())];
    line += " " + IntToStr(plat::ConsoleColumns()) + " 中文";
    plat::WriteConsoleLine(line);
    return 0;
  }
  if (args.size() != 2) {
    plat::WriteStdOutRaw("usage: platform_checks <scratch folder>\n");
    return 2;
  }
  const std::string root = args[1];
  plat::CreateDirs(root);
  FilesWithUnicodeNames(root);
  Copies(root);
  if (plat::GetEnv("VT_CHECK_SKIP_BIG") != "1") CopyAcrossSqliteLockBytes(root);
  Processes(root, plat::OwnExePath());
  Containment(root, plat::OwnExePath());
  Interruption(root, plat::OwnExePath());
  LongPaths(root);
  WorkerFailures(root, plat::OwnExePath());
  ShadowCopies(root);
  EnvironmentAndSystem();
  plat::WriteStdOutRaw("platform checks: " + IntToStr(gPassed) + " passed, " + IntToStr(gFailed) +
                       " failed\n");
  return gFailed == 0 ? 0 : 1;
}
