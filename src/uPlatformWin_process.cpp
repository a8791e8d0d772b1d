// Processes on Windows: the program's own process and children in a job.
#include <windows.h>

#include <cstdint>
#include <string>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"
#include "uPlatformWin_detail.h"

namespace plat {
using detail::Narrow;
using detail::THandle;
using detail::Wide;

// ---- Process -----------------------------------------------------------

uint32_t ProcessId() { return GetCurrentProcessId(); }

bool ProcessRunning(uint32_t pid) {
  if (pid == 0) return false;
  if (pid == GetCurrentProcessId()) return true;
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
  // No such process: invalid parameter. Any other refusal (another user's
  // process, a protected one) means it exists.
  if (!h) return GetLastError() != ERROR_INVALID_PARAMETER;
  const bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
  CloseHandle(h);
  return running;
}

int32_t TickCount() { return static_cast<int32_t>(GetTickCount()); }

void SleepMs(uint32_t ms) { Sleep(ms); }

std::string OwnExePath() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, &buf[0], static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) {
      buf.resize(n);
      return Narrow(buf);
    }
    buf.resize(buf.size() * 2);
  }
}

namespace {

// The limits of the children's job; `memoryLimit` (0 = none) caps what each
// child may commit.
bool SetChildLimits(HANDLE job, uint64_t memoryLimit) {
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags =
      JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
  if (memoryLimit != 0) {
    limits.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limits.ProcessMemoryLimit = static_cast<SIZE_T>(
        memoryLimit < static_cast<uint64_t>(SIZE_MAX) ? memoryLimit : SIZE_MAX);
  }
  return SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits,
                                 sizeof limits) != FALSE;
}

// The job every child is placed in: closing its last handle, which the
// system does when this process ends in any way, ends the children too, and
// a child that crashes ends at once instead of waiting for error reporting.
HANDLE ChildJob() {
  static HANDLE job = [] {
    HANDLE h = CreateJobObjectW(nullptr, nullptr);
    if (!h) return h;
    if (!SetChildLimits(h, 0)) {
      CloseHandle(h);
      return HANDLE(nullptr);
    }
    return h;
  }();
  return job;
}

}  // namespace

bool SpawnAndWait(const std::string& exe, const std::vector<std::string>& args,
                  uint32_t timeoutMs, int32_t& exitCode, uint32_t& errCode,
                  uint64_t memoryLimit) {
  exitCode = -1;
  errCode = 0;
  std::vector<std::string> all{exe};
  all.insert(all.end(), args.begin(), args.end());
  std::string line;
  if (!BuildCommandLine(all, line)) {
    errCode = ERROR_INVALID_PARAMETER;
    return false;
  }
  std::wstring cmd = Wide(line);
  PROCESS_INFORMATION pi = {};
  // The child starts suspended so that it is in the job before it runs a
  // single instruction.
  if (!detail::StartTrackedProcess(cmd, CREATE_NO_WINDOW | CREATE_SUSPENDED, pi)) {
    errCode = GetLastError();
    return false;
  }
  THandle process(pi.hProcess), thread(pi.hThread);
  // The interruption's clean-up must never end a process by a handle that
  // is closed (or given to another object): the child is forgotten before
  // its handle closes, on every way out.
  struct TForgetChild {
    ~TForgetChild() { detail::TrackChildProcess(nullptr); }
  } forgetChild;
  // Outside a job (a parent job that forbids nesting on old systems, or no
  // job at all) the child still runs, but nothing ends it with us: the run
  // log says so, and this process ends it on every way out of here (the
  // interruption's clean-up ends the child it waits for anyway).
  // One child runs at a time: the job's memory limit is this child's.
  HANDLE job = ChildJob();
  if (job && !SetChildLimits(job, memoryLimit) && memoryLimit != 0)
    detail::Warn("子进程的内存上限未能设置（" + SystemErrorMessage(GetLastError()) + "）");
  const bool contained = job && AssignProcessToJobObject(job, pi.hProcess);
  struct TEndUncontained {
    HANDLE Process;
    bool Active;
    ~TEndUncontained() {
      if (Active && WaitForSingleObject(Process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(Process, kErrStillActive);
        WaitForSingleObject(Process, 5000);
      }
    }
  } endUncontained{pi.hProcess, !contained};
  if (!contained) {
    const DWORD why = job ? GetLastError() : ERROR_INVALID_HANDLE;
    std::string text = SystemErrorMessage(why);
    if (text.empty()) text = "错误码 " + std::to_string(why);
    detail::Warn("子进程未能加入作业对象（" + text + "），将由本程序自行结束");
  }
  ResumeThread(pi.hThread);
  if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_TIMEOUT) {
    // Still running at the limit: stop it, so that the files it holds can
    // be removed, and report it as still active.
    TerminateProcess(pi.hProcess, kErrStillActive);
    WaitForSingleObject(pi.hProcess, 5000);
    exitCode = static_cast<int32_t>(kErrStillActive);
    return true;
  }
  DWORD code = 0;
  if (GetExitCodeProcess(pi.hProcess, &code)) exitCode = static_cast<int32_t>(code);
  return true;
}

// The parent's job holds a worker's limit (SpawnAndWait).
bool LimitOwnMemory(uint64_t /*bytes*/) { return false; }

std::vector<std::string> CommandLineArgs() {
  const wchar_t* line = GetCommandLineW();
  return SplitCommandLine(line ? Narrow(line, wcslen(line)) : std::string());
}

void HardenProcess() {
  // Not a search path: the program's own folder and the current folder may
  // hold a planted copy of a system DLL, loaded elevated with /user:all.
  SetDllDirectoryW(L"");
  using TSetDefault = BOOL(WINAPI*)(DWORD);
  // Windows 8 and later (Windows 7 with its security update) have it.
  auto setDefault = reinterpret_cast<TSetDefault>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

namespace {
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info) {
  TerminateProcess(GetCurrentProcess(),
                   info && info->ExceptionRecord ? info->ExceptionRecord->ExceptionCode : 1);
  return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

void SuppressErrorDialogs() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(EndOnCrash);
}

std::string SystemToolPath(const std::string& name) {
  wchar_t buf[MAX_PATH + 1];
  UINT n = GetSystemDirectoryW(buf, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return std::string();
  std::string dir = Narrow(buf, static_cast<size_t>(n));
  if (!IsPathSep(dir.back())) dir += '\\';
  return dir + name;
}

}  // namespace plat
