// Interruption clean-up on Windows: Ctrl+C, Ctrl+Break and closing the
// console window end the worker the run waits for and remove every
// temporary path of the run before the process ends with the status of an
// interrupted console program. The console control handler runs on a thread
// of its own while the main thread goes on; the main thread stops its long
// loops when it sees the interruption, and waits for the end of the process
// instead of starting anything new.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"

namespace plat {
namespace {

constexpr DWORD kStatusControlCExit = 0xC000013A;
// The system ends a process whose window was closed some five seconds after
// the event; removal waits at most this long for the main thread to let go
// of a file it still holds open.
constexpr DWORD kRemovalPatienceMs = 3000;

SRWLOCK gLock = SRWLOCK_INIT;
std::vector<std::wstring>* gPaths = nullptr;  // created at installation, never freed
HANDLE gChild = nullptr;
std::atomic<bool> gInterrupted{false};
std::atomic<int> gExitHolds{0};

class TLockGuard {
 public:
  TLockGuard() { AcquireSRWLockExclusive(&gLock); }
  ~TLockGuard() { ReleaseSRWLockExclusive(&gLock); }
  TLockGuard(const TLockGuard&) = delete;
  TLockGuard& operator=(const TLockGuard&) = delete;
};

// The main thread after an interruption began: the handler ends the process.
[[noreturn]] void WaitForTheEnd() {
  for (;;) Sleep(INFINITE);
}

bool Gone(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
         GetLastError() != ERROR_ACCESS_DENIED;
}

// Removes a file, or a folder with everything in it. Links and junctions are
// removed themselves, never followed. True when the path is gone.
bool RemoveTree(const std::wstring& path) {
  const DWORD attrs = GetFileAttributesW(path.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return Gone(path);
  if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(path.c_str());
    return Gone(path);
  }
  if (!(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic, &fd,
                                FindExSearchNameMatch, nullptr, 0);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        RemoveTree(path + L"\\" + name);
      } while (FindNextFileW(h, &fd));
      FindClose(h);
    }
  }
  RemoveDirectoryW(path.c_str());
  return Gone(path);
}

BOOL WINAPI OnConsoleControl(DWORD type) {
  if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT) return FALSE;
  // A second event while the first is handled: the first ends the process.
  if (gInterrupted.exchange(true)) WaitForTheEnd();
  {
    TLockGuard lock;
    if (gChild) {
      TerminateProcess(gChild, kStatusControlCExit);
      WaitForSingleObject(gChild, 5000);
    }
  }
  // The main thread gives back what it holds outside the process once it
  // sees the interruption (it stops copying and deletes its shadow copy).
  const DWORD holdStart = GetTickCount();
  while (gExitHolds.load() > 0 && GetTickCount() - holdStart < kRemovalPatienceMs) Sleep(20);
  // The main thread closes what it reads once it sees the interruption; a
  // file it still holds open cannot be removed until then.
  const DWORD start = GetTickCount();
  for (;;) {
    std::vector<std::wstring> paths;
    {
      TLockGuard lock;
      if (gPaths) paths = *gPaths;
    }
    bool left = false;
    for (const auto& p : paths)
      if (!RemoveTree(p)) left = true;
    if (!left || GetTickCount() - start >= kRemovalPatienceMs) break;
    Sleep(50);
  }
  ExitProcess(kStatusControlCExit);
}

}  // namespace

void PrepareProcess() {}

void InstallInterruptCleanup() {
  {
    TLockGuard lock;
    if (!gPaths) gPaths = new std::vector<std::wstring>();
  }
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool InterruptRequested() { return gInterrupted.load(std::memory_order_relaxed); }

void TrackTempPath(const std::string& path) {
  if (path.empty()) return;
  if (gInterrupted.load()) WaitForTheEnd();  // nothing new is created now
  const std::wstring w = detail::Wide(LongPathForm(path));  // any length
  TLockGuard lock;
  if (!gPaths) gPaths = new std::vector<std::wstring>();
  for (const auto& p : *gPaths)
    if (p == w) return;
  gPaths->push_back(w);
}

void UntrackTempPath(const std::string& path) {
  const std::wstring w = detail::Wide(LongPathForm(path));  // any length
  TLockGuard lock;
  if (!gPaths) return;
  for (size_t i = 0; i < gPaths->size(); ++i) {
    if ((*gPaths)[i] == w) {
      gPaths->erase(gPaths->begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
  }
}

namespace detail {

bool StartTrackedProcess(std::wstring& cmd, DWORD creationFlags, PROCESS_INFORMATION& pi) {
  DWORD err = ERROR_OPERATION_ABORTED;
  bool started = false;
  {
    TLockGuard lock;
    if (!gInterrupted.load()) {
      STARTUPINFOW si = {};
      si.cb = sizeof si;
      // No application name: the program is the first token of the command
      // line, exactly as a user would type it.
      started = CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, creationFlags, nullptr,
                               nullptr, &si, &pi) != 0;
      if (started)
        gChild = pi.hProcess;
      else
        err = GetLastError();
    }
  }
  if (!started) SetLastError(err);
  return started;
}

void BeginExitHold() { gExitHolds.fetch_add(1); }

void EndExitHold() { gExitHolds.fetch_sub(1); }

void TrackChildProcess(HANDLE process) {
  TLockGuard lock;
  gChild = process;
}

}  // namespace detail
}  // namespace plat
