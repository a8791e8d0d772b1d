// Private to the platform layer: how process creation and shadow copies
// cooperate with the interruption clean-up (the child being waited for is
// ended by it; a shadow copy is given back before the process ends).
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/types.h>
#endif

namespace plat {
namespace detail {

// A line for the run log, through the sink the log registered (if any).
void Warn(const std::string& text);

#ifdef _WIN32
// CreateProcessW of `cmd` (no application name, no inherited handles) under
// the clean-up's lock, registering the new process so that an interruption
// ends it; false with GetLastError set when it fails, or when an
// interruption has already begun (ERROR_OPERATION_ABORTED).
bool StartTrackedProcess(std::wstring& cmd, DWORD creationFlags, PROCESS_INFORMATION& pi);
// Called before the caller closes the process handle (nullptr = none).
void TrackChildProcess(HANDLE process);
// UTF-8 to UTF-16, as the whole platform layer converts.
std::wstring Wide(const std::string& s);
// Something of the run that lives outside the process and must be given
// back by the main thread (a shadow copy in the system's service): an
// interruption waits a while for every hold to end before the process ends.
void BeginExitHold();
void EndExitHold();
#else
// Interruption signals are held back while a child is created, so that the
// child is known to the handler from its first moment.
void BlockInterrupts(sigset_t& old);
void RestoreInterrupts(const sigset_t& old);
void TrackChildProcess(pid_t pid);  // 0 = none
// In a freshly forked child, before exec: the parent's clean-up is not its own.
void ResetInterruptHandlingInChild();
// Held while a path of the run is created (TrackTempPath registered it): the
// interruption signals wait on this thread, and a handler running on
// another thread waits (a while) for the creation to end before it removes
// the run's paths, so that nothing being created is missed. Once an
// interruption has begun, nothing new is created: the thread waits for the
// end instead.
class TCreationHold {
 public:
  TCreationHold();
  ~TCreationHold();
  TCreationHold(const TCreationHold&) = delete;
  TCreationHold& operator=(const TCreationHold&) = delete;

 private:
  sigset_t FOld;
};
#endif

}  // namespace detail
}  // namespace plat
