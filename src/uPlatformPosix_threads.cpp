// Threads on POSIX systems.
#include <pthread.h>
#include <sched.h>
#include <unistd.h>

#include <new>

#include "uPlatform.h"
#include "uPlatformThreads.h"

namespace plat {

namespace {

struct TStart {
  detail::TThreadBody Body;
  void* Arg;
  pthread_t Thread;
};

void* ThreadMain(void* arg) {
  TStart* start = static_cast<TStart*>(arg);
  start->Body(start->Arg);
  return nullptr;
}

}  // namespace

int ProcessorCount() {
  // The processors this process may use, which a container or taskset may
  // hold below the machine's.
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) {
    const int n = CPU_COUNT(&set);
    if (n > 0) return n;
  }
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<int>(online) : 1;
}

namespace detail {

void* StartThread(TThreadBody body, void* arg) {
  // Out of memory here is a thread refused: RunTogether then runs the task
  // itself instead of unwinding past the threads it has started.
  TStart* start = new (std::nothrow) TStart{body, arg, pthread_t()};
  if (!start) return nullptr;
  if (pthread_create(&start->Thread, nullptr, ThreadMain, start) != 0) {
    delete start;
    return nullptr;
  }
  return start;
}

void JoinThread(void* thread) {
  TStart* start = static_cast<TStart*>(thread);
  pthread_join(start->Thread, nullptr);
  delete start;
}

}  // namespace detail
struct TMonitor::TImpl {
  pthread_mutex_t Mutex = PTHREAD_MUTEX_INITIALIZER;
  pthread_cond_t Changed = PTHREAD_COND_INITIALIZER;
};

TMonitor::TMonitor() : FImpl(new TImpl) {}
TMonitor::~TMonitor() {
  pthread_cond_destroy(&FImpl->Changed);
  pthread_mutex_destroy(&FImpl->Mutex);
  delete FImpl;
}
void TMonitor::Lock() { pthread_mutex_lock(&FImpl->Mutex); }
void TMonitor::Unlock() { pthread_mutex_unlock(&FImpl->Mutex); }
void TMonitor::Wait() { pthread_cond_wait(&FImpl->Changed, &FImpl->Mutex); }
void TMonitor::NotifyAll() { pthread_cond_broadcast(&FImpl->Changed); }

}  // namespace plat
