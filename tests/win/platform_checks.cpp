// Checks of the Windows platform layer, run under Wine (or on Windows) by
// scripts/test-windows.sh. GoogleTest needs std::thread, which MinGW's
// default thread model lacks, so this is a plain program: it prints one line
// per failed check and "platform checks: N passed, M failed" at the end, and
// exits with 1 when any check failed. A check that cannot run prints
// "SKIPPED (wine): …" when Wine is the reason, "SKIPPED: …" otherwise.
//
//   platform_checks.exe <scratch folder>   run every check
//   platform_checks.exe /child <file> args  (used by the spawn checks)
//   platform_checks.exe /sleep [pid file]   (used by the time-out and job checks)
//   platform_checks.exe /parent <pid file> [tracked folder]
//                                           (spawns /sleep; the job and interruption checks)
//   platform_checks.exe /crash              (a crashing child)
//   platform_checks.exe /kind               prints the standard-output kind
//   platform_checks.exe /manifest <exe>     prints the manifest embedded in <exe>
//   platform_checks.exe /hold <file> <ready file>  holds a file open without
//                                           sharing while the ready file exists
//   platform_checks.exe /worker:dump ...    a WebCache worker that crashes or
//                                           hangs (VT_CHECK_WORKER=crash|hang)
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
#include <winioctl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../support/FileReaderChecks.h"
#include "../support/MonitorTurns.h"
#include "uPlatform.h"
#include "uPlatformWin_detail.h"
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

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A check that cannot run here. Under Wine the reason is Wine's (the
// caller states it) and the line says so; anywhere else a skip is a gap the
// test command counts as a failure.
void Skip(const std::string& what, const std::string& reason) {
  plat::WriteStdOutRaw(std::string(UnderWine() ? "SKIPPED (wine): " : "SKIPPED: ") + what + " (" +
                       reason + ")\n");
}

std::wstring W(const std::string& s) {
  std::u16string u = Utf8ToUtf16(s);
  return std::wstring(u.begin(), u.end());
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
  CheckEq(int64_t{plat::kErrNotRegularFile}, int64_t{code}, "a folder is no regular file");
  Check(!plat::FileExists(root + "\\c5"), "no copy is left of a folder");
  Check(!plat::CopyFileShared(src, root + "\\no\\such\\c6", code), "copy into a missing folder");
  CheckEq(int64_t{plat::kErrPathNotFound}, int64_t{code}, "missing target folder: code 3");
}

// Devices and pipes under a file's name are refused at once, before a byte
// is read; a file is copied as it stood when opened.
void CopiesTakeFilesOnly(const std::string& root) {
  const std::wstring pipeName =
      L"\\\\.\\pipe\\vt_copy_check_" + std::to_wstring(GetCurrentProcessId());
  // Two instances: the copy and the whole-file read each connect to one.
  HANDLE server = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 2, 4096,
                                   4096, 0, nullptr);
  HANDLE second = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 2, 4096,
                                   4096, 0, nullptr);
  Check(server != INVALID_HANDLE_VALUE && second != INVALID_HANDLE_VALUE, "create a named pipe");
  std::vector<std::string> sources = {"NUL", "\\\\.\\NUL", root + "\\NUL"};
  if (server != INVALID_HANDLE_VALUE) sources.push_back(plat::detail::Narrow(pipeName));
  const int64_t start = plat::NowUnixMillis();
  for (const std::string& src : sources) {
    uint32_t code = 0;
    Check(!plat::CopyFileShared(src, root + "\\dev.bin", code), "a device or pipe is not copied",
          src);
    CheckEq(int64_t{plat::kErrNotRegularFile}, int64_t{code}, "device or pipe: no regular file");
    Check(!plat::FileExists(root + "\\dev.bin"), "nothing is left of a device's copy");
    std::string bytes;
    Check(!plat::ReadRegularFile(src, 1 << 20, bytes, code) && code == plat::kErrNotRegularFile,
          "a device or pipe is not read whole", src);
  }
  Check(plat::NowUnixMillis() - start < 5000, "devices and pipes are refused at once");
  if (server != INVALID_HANDLE_VALUE) CloseHandle(server);
  if (second != INVALID_HANDLE_VALUE) CloseHandle(second);

  const std::string src = root + "\\growing.bin";
  std::string content(300000, 'g');
  Check(WriteAll(src, content), "write the growing source");
  plat::CopyChecks grow;
  int64_t seen = -1;
  grow.Accept = [&](const std::string& head, int64_t size) -> uint32_t {
    seen = size;
    WriteAll(src, std::string(100000, 'G'), "ab");
    return head.size() == plat::kCopyHeadBytes ? 0u : uint32_t{plat::kErrBadFormat};
  };
  uint32_t code = 0;
  Check(plat::CopyRegularFile(src, root + "\\grown.bin", false, grow, code), "copy a growing file");
  CheckEq(int64_t{300000}, seen, "the size seen at open");
  Check(ReadAll(root + "\\grown.bin") == content, "a growing file is copied to its size at open");
  std::string bytes;
  Check(!plat::ReadRegularFile(src, 1000, bytes, code) && code == plat::kErrFileTooLarge,
        "a whole-file read is bounded");
  Check(plat::FreeDiskBytes(root) > 0, "free space of the scratch folder");
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
    Skip("copy across SQLite lock bytes", "byte-range locks do not refuse reads on this system");
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
  const std::string sleeperPid = root + "\\sleeper.pid";
  Check(plat::SpawnAndWait(self, {"/sleep", sleeperPid}, 500, exitCode, err), "spawn a sleeper");
  CheckEq(int64_t{259}, int64_t{exitCode}, "time-out reported as still active");
  Check(plat::NowUnixMillis() - start < 20000, "time-out does not wait for the child");
  int64_t sleeper = 0;
  Check(TryStrToInt64(ReadAll(sleeperPid), sleeper) && !plat::ProcessRunning(static_cast<uint32_t>(sleeper)),
        "a process that was ended no longer runs");
  Check(plat::ProcessRunning(GetCurrentProcessId()), "this process runs");

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
  int64_t grandchild = 0;
  Check(TryStrToInt64(ReadAll(pidFile), grandchild) && plat::ProcessRunning(static_cast<uint32_t>(grandchild)),
        "another process that runs is seen running");
  TerminateProcess(pi.hProcess, 1);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  if (h) {
    Check(WaitForSingleObject(h, 10000) == WAIT_OBJECT_0, "a child ends when its parent ends");
    CloseHandle(h);
  }
}

volatile LONG gCtrlCSeen = 0;
BOOL WINAPI SeeCtrlC(DWORD type) {
  if (type != CTRL_C_EVENT) return FALSE;
  InterlockedExchange(&gCtrlCSeen, 1);
  return TRUE;
}

// Ctrl+Break (to the run's own process group) or Ctrl+C (to everyone on the
// console, the run started with Ctrl+C ignored as "start /b" leaves it) ends
// a run (/parent tracking `folder` and waiting for a child): its child is
// ended, its tracked folder removed, and the run ends with the status of an
// interrupted console program. False when the run's handler was not
// reached (under Wine a skip).
bool InterruptRun(const std::string& root, const std::string& self, const std::string& folder,
                  const std::string& what, bool ctrlC) {
  const std::string pidFile = root + "\\interrupted.pid";
  plat::RemoveFile(pidFile);
  PROCESS_INFORMATION pi = {};
  HANDLE h = nullptr;
  if (ctrlC) SetConsoleCtrlHandler(nullptr, TRUE);  // inherited by the run
  const bool started =
      StartWithChild("\"" + self + "\" /parent \"" + pidFile + "\" \"" + folder + "\"",
                     ctrlC ? 0 : CREATE_NEW_PROCESS_GROUP, pidFile, pi, h);
  if (ctrlC) {
    SetConsoleCtrlHandler(nullptr, FALSE);
    SetConsoleCtrlHandler(SeeCtrlC, TRUE);
    InterlockedExchange(&gCtrlCSeen, 0);
  }
  if (!started) {
    Check(false, ("start a run to interrupt: " + what).c_str());
    return false;
  }
  bool sent = ctrlC ? GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0) != 0
                    : GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, pi.dwProcessId) != 0;
  const bool ended = sent && WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
  DWORD code = 0;
  if (ended) GetExitCodeProcess(pi.hProcess, &code);
  // Wine hands console events to this process but not to the run's handler
  // (the run then goes on, or ends with its child, without its clean-up).
  const bool handled = ended && code == 0xC000013A;
  if (!handled && UnderWine()) {
    Skip(what, std::string(gCtrlCSeen ? "the event reaches the console but not the run's handler"
                                      : "no console event reaches the run here"));
    TerminateProcess(pi.hProcess, 1);
  } else {
    Check(ended, (what + ": the run ends").c_str());
    CheckEq(int64_t{0xC000013A}, int64_t{code}, (what + ": ends with STATUS_CONTROL_C_EXIT").c_str());
    Check(!plat::DirExists(folder), (what + ": the tracked folder is removed").c_str());
    Check(h && WaitForSingleObject(h, 10000) == WAIT_OBJECT_0, (what + ": the child is ended").c_str());
  }
  if (!ended) WaitForSingleObject(pi.hProcess, 5000);
  if (h) CloseHandle(h);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return handled;
}

void Interruption(const std::string& root, const std::string& self) {
  const std::string folder = root + "\\interrupted run";
  plat::CreateDirs(folder + "\\sub");
  WriteAll(folder + "\\sub\\snapshot.db", "history");
  InterruptRun(root, self, folder, "Ctrl+Break", false);
  plat::CreateDirs(folder + "\\sub");
  WriteAll(folder + "\\sub\\snapshot.db", "history");
  InterruptRun(root, self, folder, "Ctrl+C in a run started with Ctrl+C ignored", true);
  DeleteFolderTree(folder);
}

// A folder junction (what any process of the user can plant in its own
// temporary folder, no privilege needed); false with the reason.
bool MakeJunction(const std::string& link, const std::string& target, std::string& why) {
  if (!CreateDirectoryW(W(link).c_str(), nullptr)) {
    why = "CreateDirectoryW " + IntToStr(GetLastError());
    return false;
  }
  HANDLE h = CreateFileW(W(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    why = "open " + IntToStr(GetLastError());
    RemoveDirectoryW(W(link).c_str());
    return false;
  }
  const std::wstring sub = L"\\??\\" + W(target), print = W(target);
  std::vector<WORD> buf(8 + sub.size() + print.size() + 2, 0);  // WORD-aligned
  DWORD* tag = reinterpret_cast<DWORD*>(buf.data());
  *tag = IO_REPARSE_TAG_MOUNT_POINT;
  const WORD dataLength = static_cast<WORD>(8 + (sub.size() + 1 + print.size() + 1) * 2);
  buf[2] = dataLength;
  buf[3] = 0;
  buf[4] = 0;                                          // substitute name offset
  buf[5] = static_cast<WORD>(sub.size() * 2);          // and length
  buf[6] = static_cast<WORD>((sub.size() + 1) * 2);    // print name offset
  buf[7] = static_cast<WORD>(print.size() * 2);        // and length
  std::copy(sub.begin(), sub.end(), buf.begin() + 8);
  std::copy(print.begin(), print.end(), buf.begin() + 8 + sub.size() + 1);
  DWORD got = 0;
  const bool ok = DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buf.data(), 8 + dataLength, nullptr,
                                  0, &got, nullptr) != 0;
  if (!ok) why = "FSCTL_SET_REPARSE_POINT " + IntToStr(GetLastError());
  CloseHandle(h);
  if (!ok) RemoveDirectoryW(W(link).c_str());
  return ok;
}

// Folders of the run whose root, a nested folder or a file became a link:
// the clean-up, on the normal and the interrupted path, removes the links
// and never touches what they point at.
void LinkSafeCleanUp(const std::string& root, const std::string& self) {
  const std::string outside = root + "\\someone's data";
  plat::CreateDirs(outside + "\\sub");
  WriteAll(outside + "\\keep.txt", "precious");
  WriteAll(outside + "\\sub\\keep2.txt", "precious");
  auto intact = [&] {
    return ReadAll(outside + "\\keep.txt") == "precious" &&
           ReadAll(outside + "\\sub\\keep2.txt") == "precious";
  };
  const std::string snap = root + "\\vt_webcache_links";
  std::string why;
  plat::CreateDirs(snap + "\\nested");
  WriteAll(snap + "\\WebCacheV01.dat", "db");
  if (!MakeJunction(snap + "\\nested\\junction", outside, why)) {
    Skip("link-safe clean-up", "no junction can be made here: " + why);
    DeleteFolderTree(snap);
    return;
  }
  bool fileLink = CreateSymbolicLinkW(W(snap + "\\file link").c_str(), W(outside + "\\keep.txt").c_str(),
                                      0x2 /* SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE */) != 0;
  if (!fileLink)
    Skip("a file link in the clean-up", "no symbolic link can be made here: " + IntToStr(GetLastError()));
  const std::string swapped = root + "\\vt_webcache_swapped";
  Check(MakeJunction(swapped, outside, why), "a junction in place of a whole folder", why);
  Check(plat::RemoveTree(snap) && !plat::DirExists(snap), "a folder holding links is removed");
  Check(plat::RemoveTree(swapped) && GetFileAttributesW(W(swapped).c_str()) == INVALID_FILE_ATTRIBUTES,
        "a junction in place of the folder is removed itself");
  Check(intact(), "the links' targets survive the clean-up");

  // The same on the interrupted path.
  plat::CreateDirs(snap + "\\nested");
  WriteAll(snap + "\\WebCacheV01.dat", "db");
  MakeJunction(snap + "\\nested\\junction", outside, why);
  if (fileLink)
    CreateSymbolicLinkW(W(snap + "\\file link").c_str(), W(outside + "\\keep.txt").c_str(), 0x2);
  InterruptRun(root, self, snap, "interruption of a folder holding links", true);
  Check(intact(), "the links' targets survive an interruption");
  DeleteFolderTree(snap);
  DeleteFolderTree(outside);
}

// An interruption with a temporary folder of 230 characters: the tracked
// folder's children lie past MAX_PATH and are removed all the same.
void LongTempInterruption(const std::string& root, const std::string& self) {
  if (root.size() > 150) return;
  const std::string temp = root + "\\" + std::string(230 - root.size() - 1, 'q');
  const std::string folder = temp + "\\vt_webcache_1_2";
  const std::string deep = folder + "\\ese_work\\" + std::string(40, 'd');
  Check(temp.size() == 230 && plat::CreateDirs(deep), "a 230-character temporary folder");
  WriteAll(folder + "\\WebCacheV01.dat", "db");
  WriteAll(deep + "\\edb.log", "log");
  InterruptRun(root, self, folder, "interruption under a 230-character temporary folder", true);
  DeleteFolderTree(temp);
}

// The SIDs of the access-allowed entries of a file's access list.
bool AllowedSids(const std::string& path, std::vector<std::string>& sids) {
  sids.clear();
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (GetNamedSecurityInfoW(W(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &dacl, nullptr, &sd) != ERROR_SUCCESS) {
    return false;
  }
  for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
    ACE_HEADER* ace = nullptr;
    if (!GetAce(dacl, i, reinterpret_cast<void**>(&ace)) || ace->AceType != ACCESS_ALLOWED_ACE_TYPE)
      continue;
    wchar_t* text = nullptr;
    if (ConvertSidToStringSidW(&reinterpret_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart, &text)) {
      sids.push_back(Utf16ToUtf8(std::u16string(text, text + wcslen(text))));
      LocalFree(text);
    }
  }
  LocalFree(sd);
  return dacl != nullptr;
}

// Whether this system keeps the access list a file is created with (Wine
// may not): a probe created for Everyone alone must read back so.
bool KeepsAccessLists(const std::string& root) {
  const std::string probe = root + "\\acl probe";
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;WD)", SDDL_REVISION_1, &sd,
                                                            nullptr))
    return false;
  SECURITY_ATTRIBUTES sa = {sizeof sa, sd, FALSE};
  HANDLE h = CreateFileW(W(probe).c_str(), GENERIC_WRITE, 0, &sa, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  LocalFree(sd);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  std::vector<std::string> sids;
  const bool kept = AllowedSids(probe, sids) && sids == std::vector<std::string>{"S-1-1-0"};
  plat::RemoveFile(probe);
  return kept;
}

// The run's folders and files: new, and in an elevated run readable by
// SYSTEM and Administrators alone.
void PrivateFolders(const std::string& root) {
  const std::string dir = root + "\\private run";
  uint32_t code = 0;
  Check(plat::CreatePrivateDir(dir, code), "a private folder");
  Check(!plat::CreatePrivateDir(dir, code) && code == ERROR_ALREADY_EXISTS,
        "a private folder is always new");
  std::FILE* f = plat::CreatePrivateFile(dir + "\\result.tsv", code);
  Check(f && std::fwrite("ok", 1, 2, f) == 2, "a private file");
  if (f) std::fclose(f);
  if (plat::IsElevated() && !KeepsAccessLists(root)) {
    Skip("the run folder's access list", "the file system keeps no access list given at creation");
  } else if (plat::IsElevated()) {
    for (const std::string& path : {dir, dir + "\\result.tsv"}) {
      std::vector<std::string> sids;
      Check(AllowedSids(path, sids) && sids.size() == 2 &&
                ((sids[0] == "S-1-5-18" && sids[1] == "S-1-5-32-544") ||
                 (sids[1] == "S-1-5-18" && sids[0] == "S-1-5-32-544")),
            "an elevated run's folder and files: SYSTEM and Administrators alone",
            path + ":" + [&] {
              std::string all;
              for (const auto& sid : sids) all += " " + sid;
              return all;
            }());
    }
  }
  Check(plat::RemoveTree(dir) && !plat::DirExists(dir), "the private folder is removed");
}

// /open hands the report to the shell: a failure comes back with the
// system's reason, promptly (in an elevated run through the desktop shell).
void ShellOpening(const std::string& root) {
  std::string err;
  const int64_t start = plat::NowUnixMillis();
  const bool ok = plat::detail::OpenWithShell(root + "\\no such report.html", err);
  Check(!ok && !err.empty(), "opening a missing report fails with a reason", err);
  Check(plat::NowUnixMillis() - start < 30000, "opening answers within half a minute");
  plat::WriteStdOutRaw("shell open: " + err + "\n");
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

  const std::string unc = "\\\\server\\share\\" + std::string(250, 'n');
  CheckEq("\\\\?\\UNC\\server\\share\\" + std::string(250, 'n'), plat::LongPathForm(unc),
          "a long UNC name takes the extended UNC form");
  CheckEq(std::string("C:\\short\\path"), plat::LongPathForm("C:\\short\\path"),
          "a short path stays as it is");
  // A short relative path that is long in full (a relative /log:).
  const std::string oldDir = plat::CurrentDir();
  const std::string longCwd = root + "\\" + std::string(240 - root.size(), 'c');
  plat::CreateDirs(longCwd);
  SetCurrentDirectoryW(W(longCwd).c_str());
  const std::string rel = std::string(30, 'r') + "\\run.log";
  Check(plat::CreateDirs(std::string(30, 'r')) && WriteAll(rel, "log") && ReadAll(rel) == "log",
        "a relative path past MAX_PATH in full");
  SetCurrentDirectoryW(W(oldDir).c_str());
  DeleteFolderTree(longCwd);

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
  // It begins as an ESE database does, so that it reaches the worker.
  std::string dat(65536, '\0');
  dat.replace(4, 4, "\xEF\xCD\xAB\x89");
  WriteAll(cache + "\\WebCacheV01.dat", dat);
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

void Threads() {
  CheckEq(4000, vt_test::TakeTurnsThroughAMonitor(2000), "tasks take turns through a monitor");
}

void FileReader(const std::string& root) {
  std::string content;
  for (int i = 0; i < 300000; ++i) content += static_cast<char>((i * 131 + i / 7) & 0xFF);
  Check(WriteAll(root + "\\读取 reader.bin", content), "write reader source");
  CheckEq(std::string(), vt_test::CheckFileReader(root + "\\读取 reader.bin", content),
          "file reader at any offset, two threads");
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

// An elevated run keeps all it writes in one folder of its own in the
// system's Temp folder, never in the user's %TEMP%: owned by Administrators
// (where the file system keeps owners), held so that no one renames it, and
// gone with its lock when the run ends. An unelevated run stays where it was.
void ElevatedRunFolder(const std::string& root, const std::string& self) {
  const std::string userTemp = plat::UserTempDir();
  std::string err;
  Check(plat::OpenRunFolder(err), "the run folder opens", err);
  const std::string dir = plat::RunFolder();
  if (!plat::IsElevated()) {
    Check(dir.empty() && plat::TempDir() == userTemp,
          "an unelevated run keeps the user's temporary folder", dir);
    plat::CloseRunFolder();
    return;
  }
  wchar_t win[MAX_PATH];
  const UINT n = GetWindowsDirectoryW(win, MAX_PATH);
  const std::string systemTemp =
      Utf16ToUtf8(std::u16string(win, win + (n < MAX_PATH ? n : 0))) + "\\Temp\\";
  Check(!dir.empty() && !SameTextAscii(dir.substr(0, userTemp.size()), userTemp),
        "an elevated run's folder lies outside the user's %TEMP%", dir + " | " + userTemp);
  Check(SameTextAscii(dir.substr(0, systemTemp.size()), systemTemp),
        "an elevated run's folder lies in the system's Temp folder", dir);
  CheckEq(dir + "\\", plat::TempDir(), "the run's temporary names go into its folder");
  Check(!plat::RunLockFree(dir + ".lock"), "the run's lock is held");
  Check(!MoveFileExW(W(dir).c_str(), W(dir + " moved").c_str(), 0),
        "the held run folder cannot be renamed under the run");
  if (KeepsAccessLists(root)) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    const bool read = GetNamedSecurityInfoW(W(dir).c_str(), SE_FILE_OBJECT,
                                            OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                                            nullptr, &sd) == ERROR_SUCCESS;
    Check(read && owner && IsWellKnownSid(owner, WinBuiltinAdministratorsSid),
          "the run folder is owned by Administrators");
    if (sd) LocalFree(sd);
  } else {
    Skip("the run folder's owner", "the file system keeps no owner given at creation");
  }
  WriteAll(dir + "\\vt_db_1_2.db", "copy");
  plat::CreateDirs(dir + "\\vt_webcache_1_3\\ese");
  WriteAll(dir + "\\vt_webcache_1_3\\ese\\edb.log", "log");
  plat::CloseRunFolder();
  Check(!plat::DirExists(dir) && !plat::FileExists(dir + ".lock"),
        "the run folder and its lock are gone when the run ends", dir);
  Check(plat::RunFolder().empty() && plat::TempDir() == userTemp,
        "after the run its names go to the user's temporary folder again");

  // What an ended run left in the system's Temp folder goes at the next
  // start; a run whose lock is held keeps its files.
  const std::string ended = systemTemp + "vt_run_4000000000_5", held = systemTemp + "vt_run_4000000001_6";
  plat::CreateDirs(ended + "\\vt_webcache_4000000000_7");
  WriteAll(ended + "\\vt_db_4000000000_8.db", "copy");
  WriteAll(ended + ".lock", "");
  WriteAll(systemTemp + "vt_db_4000000001_9.db", "copy");
  WriteAll(held + ".lock", "");
  HANDLE lock = CreateFileW(W(held + ".lock").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  RemoveStaleTempFiles();
  Check(!plat::DirExists(ended) && !plat::FileExists(ended + ".lock"),
        "an ended run's folder and lock are removed at start");
  Check(plat::FileExists(systemTemp + "vt_db_4000000001_9.db") && plat::FileExists(held + ".lock"),
        "a run whose lock is held keeps its files");
  if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
  plat::RemoveFile(systemTemp + "vt_db_4000000001_9.db");
  plat::RemoveFile(held + ".lock");
  plat::RemoveTree(ended);
  plat::RemoveFile(ended + ".lock");

  // An interrupted elevated run removes its run folder, held as it is,
  // before it ends with the interruption's status.
  const std::string named = root + "\\run folder.txt", folder = root + "\\interrupted elevated run";
  plat::RemoveFile(named);
  plat::CreateDirs(folder);
  SetEnvironmentVariableW(L"VT_CHECK_RUN_FOLDER", W(named).c_str());
  const bool handled = InterruptRun(root, self, folder, "an interrupted elevated run", false);
  SetEnvironmentVariableW(L"VT_CHECK_RUN_FOLDER", nullptr);
  const std::string interrupted = ReadAll(named);
  if (handled)
    Check(!interrupted.empty() && !plat::DirExists(interrupted) &&
              !plat::FileExists(interrupted + ".lock"),
          "an interrupted elevated run leaves no run folder", interrupted);
  if (!interrupted.empty()) plat::RemoveTree(interrupted);
  plat::RemoveFile(named);
  DeleteFolderTree(folder);
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
      // With a run folder of its own, named in this file.
      const std::string runFolderFile = plat::GetEnv("VT_CHECK_RUN_FOLDER");
      std::string err;
      if (!runFolderFile.empty() && plat::OpenRunFolder(err)) {
        WriteAll(plat::TempDir() + "vt_db_1_2.db", "copy");
        WriteAll(runFolderFile, plat::RunFolder());
      }
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
  if (args.size() == 3 && args[1] == "/manifest") {
    // The manifest embedded in a program, as the system reads it.
    HMODULE m = LoadLibraryExW(W(args[2]).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC res = m ? FindResourceW(m, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    HGLOBAL data = res ? LoadResource(m, res) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!bytes) return 1;
    plat::WriteStdOutRaw(std::string(bytes, SizeofResource(m, res)));
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
  CopiesTakeFilesOnly(root);
  if (plat::GetEnv("VT_CHECK_SKIP_BIG") != "1") CopyAcrossSqliteLockBytes(root);
  Processes(root, plat::OwnExePath());
  Containment(root, plat::OwnExePath());
  Interruption(root, plat::OwnExePath());
  LinkSafeCleanUp(root, plat::OwnExePath());
  LongTempInterruption(root, plat::OwnExePath());
  PrivateFolders(root);
  ShellOpening(root);
  LongPaths(root);
  WorkerFailures(root, plat::OwnExePath());
  ShadowCopies(root);
  Threads();
  FileReader(root);
  EnvironmentAndSystem();
  ElevatedRunFolder(root, plat::OwnExePath());
  plat::WriteStdOutRaw("platform checks: " + IntToStr(gPassed) + " passed, " + IntToStr(gFailed) +
                       " failed\n");
  return gFailed == 0 ? 0 : 1;
}
