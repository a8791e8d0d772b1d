// Threads on Windows. _beginthreadex rather than CreateThread: the C
// runtime then sets up (and frees) what it keeps per thread.
#include <windows.h>
#include <process.h>

#include <new>

#include "uPlatform.h"
#include "uPlatformThreads.h"

namespace plat {

namespace {

struct TStart {
  detail::TThreadBody Body;
  void* Arg;
  HANDLE Thread;
};

unsigned __stdcall ThreadMain(void* arg) {
  TStart* start = static_cast<TStart*>(arg);
  start->Body(start->Arg);
  return 0;
}

}  // namespace

int ProcessorCount() {
  DWORD_PTR process = 0, system = 0;
  if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0) {
    int n = 0;
    for (; process != 0; process &= process - 1) ++n;
    return n;
  }
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info.dwNumberOfProcessors > 0 ? static_cast<int>(info.dwNumberOfProcessors) : 1;
}

namespace detail {

void* StartThread(TThreadBody body, void* arg) {
  // Out of memory here is a thread refused: RunTogether then runs the task
  // itself instead of unwinding past the threads it has started.
  TStart* start = new (std::nothrow) TStart{body, arg, nullptr};
  if (!start) return nullptr;
  const uintptr_t h = _beginthreadex(nullptr, 0, ThreadMain, start, 0, nullptr);
  if (h == 0) {
    delete start;
    return nullptr;
  }
  start->Thread = reinterpret_cast<HANDLE>(h);
  return start;
}

void JoinThread(void* thread) {
  TStart* start = static_cast<TStart*>(thread);
  WaitForSingleObject(start->Thread, INFINITE);
  CloseHandle(start->Thread);
  delete start;
}

}  // namespace detail
// Slim locks and condition variables: no handles to leak, and nothing to
// set up beyond zeroing.
struct TMonitor::TImpl {
  SRWLOCK Lock = SRWLOCK_INIT;
  CONDITION_VARIABLE Changed = CONDITION_VARIABLE_INIT;
};

TMonitor::TMonitor() : FImpl(new TImpl) {}
TMonitor::~TMonitor() { delete FImpl; }
void TMonitor::Lock() { AcquireSRWLockExclusive(&FImpl->Lock); }
void TMonitor::Unlock() { ReleaseSRWLockExclusive(&FImpl->Lock); }
void TMonitor::Wait() { SleepConditionVariableSRW(&FImpl->Changed, &FImpl->Lock, INFINITE, 0); }
void TMonitor::NotifyAll() { WakeAllConditionVariable(&FImpl->Changed); }

}  // namespace plat
