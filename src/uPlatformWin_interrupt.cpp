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
#include "uPlatformWin_detail.h"

namespace plat {
namespace {

constexpr DWORD kStatusControlCExit = 0xC000013A;
// The system ends a process whose window was closed some five seconds after
// the event; the clean-up waits at most this long for the worker and the
// main thread to let go of what they hold.
constexpr DWORD kRemovalPatienceMs = 4000;

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

// One pass over what the run may have left: every tracked path, then the
// run folder itself once nothing is being created any more. True when all
// of it is gone.
bool RemoveWhatIsLeft(bool final) {
  std::vector<std::wstring> paths;
  {
    TLockGuard lock;
    if (gPaths) paths = *gPaths;
  }
  bool left = false;
  for (const auto& p : paths)
    if (!detail::RemoveTreeW(p)) left = true;
  if (final) detail::RemoveRunFolderNow();
  return !left;
}

BOOL WINAPI OnConsoleControl(DWORD type) {
  if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT) return FALSE;
  // A second event while the first is handled: the first ends the process.
  if (gInterrupted.exchange(true)) WaitForTheEnd();
  // The files first: after a closed window the system ends the process
  // some five seconds on, whatever is still to do. The worker is told to
  // end at once, so that what it holds open can go as soon as it has.
  HANDLE child = nullptr;
  {
    TLockGuard lock;
    if (gChild) {
      TerminateProcess(gChild, kStatusControlCExit);
      // Our own handle: the main thread closes its one when its wait ends.
      if (!DuplicateHandle(GetCurrentProcess(), gChild, GetCurrentProcess(), &child, SYNCHRONIZE,
                           FALSE, 0))
        child = nullptr;
    }
  }
  // Then what was started is waited for: the worker's end, and the main
  // thread giving back what it holds outside the process (it stops copying
  // and deletes its shadow copy once it sees the interruption) and ending
  // the creation of a tracked path, removing what they let go of meanwhile.
  const DWORD start = GetTickCount();
  for (;;) {
    // Looked at before the pass: once no hold is left none can begin, so a
    // pass after that sees every path the run will ever have made.
    const bool idle = gExitHolds.load() == 0 &&
                      !(child && WaitForSingleObject(child, 0) == WAIT_TIMEOUT);
    const bool clean = RemoveWhatIsLeft(false);
    if ((idle && clean) || GetTickCount() - start >= kRemovalPatienceMs) break;
    Sleep(50);
  }
  RemoveWhatIsLeft(true);
  if (child) CloseHandle(child);
  // Ended here, from the handler's thread, with the status of an
  // interrupted console program: ExitProcess would first run the
  // process's clean-up on this thread while the main thread still works.
  TerminateProcess(GetCurrentProcess(), kStatusControlCExit);
  WaitForTheEnd();
}

}  // namespace

void PrepareProcess() {}

void InstallInterruptCleanup() {
  {
    TLockGuard lock;
    if (!gPaths) gPaths = new std::vector<std::wstring>();
  }
  // A process started with Ctrl+C ignored ("start /b", a new process group)
  // passes that on to its children: taken back, or Ctrl+C would never reach
  // the handler and never clean up.
  SetConsoleCtrlHandler(nullptr, FALSE);
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool InterruptRequested() { return gInterrupted.load(std::memory_order_relaxed); }

void WaitForInterruptCleanup() {
  if (gInterrupted.load()) WaitForTheEnd();
}

void TrackTempPath(const std::string& path) {
  if (path.empty()) return;
  if (gInterrupted.load()) WaitForTheEnd();  // nothing new is created now
  // Full (the current folder may change), and in the extended form when
  // long, so that the clean-up reaches it and builds its children at any
  // length.
  const std::wstring w = detail::LongForm(detail::FullPath(path));
  TLockGuard lock;
  if (!gPaths) gPaths = new std::vector<std::wstring>();
  for (const auto& p : *gPaths)
    if (p == w) return;
  gPaths->push_back(w);
}

void UntrackTempPath(const std::string& path) {
  const std::wstring w = detail::LongForm(detail::FullPath(path));
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

// Counted before the interruption is looked at, and the handler sets the
// interruption before it counts: either the handler waits for this
// creation, or the creation sees the interruption and never starts.
TCreationHold::TCreationHold() {
  gExitHolds.fetch_add(1);
  if (gInterrupted.load()) {
    gExitHolds.fetch_sub(1);
    WaitForTheEnd();
  }
}

TCreationHold::~TCreationHold() { gExitHolds.fetch_sub(1); }

void BeginExitHold() { gExitHolds.fetch_add(1); }

void EndExitHold() { gExitHolds.fetch_sub(1); }

void TrackChildProcess(HANDLE process) {
  TLockGuard lock;
  gChild = process;
}

}  // namespace detail
}  // namespace plat
