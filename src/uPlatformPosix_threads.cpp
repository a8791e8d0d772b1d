// Threads on POSIX systems.
#include <pthread.h>
#include <sched.h>
#include <unistd.h>

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
  TStart* start = new TStart{body, arg, pthread_t()};
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
}  // namespace plat
