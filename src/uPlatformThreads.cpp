// Fork and join over the system's threads: no task's exception may end the
// process from a thread of its own, so each is caught there and raised on
// the calling thread once every task has ended.
#include <exception>
#include <vector>

#include "uPlatform.h"
#include "uPlatformThreads.h"

namespace plat {

namespace {

struct TTaskRun {
  const std::function<void()>* Task;
  std::exception_ptr Error;
};

void RunCaught(void* arg) {
  TTaskRun& run = *static_cast<TTaskRun*>(arg);
  try {
    (*run.Task)();
  } catch (...) {
    run.Error = std::current_exception();
  }
}

}  // namespace

void RunTogether(const std::vector<std::function<void()>>& tasks) {
  std::vector<TTaskRun> runs(tasks.size());
  std::vector<void*> threads(tasks.size(), nullptr);
  for (size_t i = 0; i < tasks.size(); ++i) runs[i].Task = &tasks[i];
  for (size_t i = 1; i < tasks.size(); ++i) threads[i] = detail::StartThread(RunCaught, &runs[i]);
  if (!tasks.empty()) RunCaught(&runs[0]);
  for (size_t i = 1; i < tasks.size(); ++i) {
    if (threads[i])
      detail::JoinThread(threads[i]);
    else
      RunCaught(&runs[i]);
  }
  for (const TTaskRun& run : runs)
    if (run.Error) std::rethrow_exception(run.Error);
}

}  // namespace plat
