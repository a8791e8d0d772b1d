// Interruption clean-up on POSIX: SIGINT, SIGTERM and SIGHUP end the child
// the run waits for and remove every temporary path of the run (snapshot
// copies of someone's history among them) before the process dies of the
// signal. The handler uses only async-signal-safe calls over storage that is
// allocated before any signal can arrive; the table of paths is changed only
// while those signals are blocked, so the handler never sees it half-written.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"

namespace plat {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
// A run holds a handful of temporary paths at a time (one snapshot with its
// side files, or one WebCache folder and result file, and the report).
constexpr size_t kMaxTracked = 32;
constexpr size_t kMaxPathBytes = 4096;

char gPaths[kMaxTracked][kMaxPathBytes];
volatile sig_atomic_t gUsed[kMaxTracked];
volatile pid_t gChild = 0;
volatile pid_t gOwner = 0;  // the process that installed the handler
std::atomic<bool> gInterrupted{false};
std::atomic<int> gCreating{0};  // creations of tracked paths under way
// How long the handler waits for creations on other threads to end.
constexpr int kCreationPatienceMs = 2000;

void BlockSignals(sigset_t& old) {
  sigset_t set;
  sigemptyset(&set);
  for (int s : kSignals) sigaddset(&set, s);
  sigprocmask(SIG_BLOCK, &set, &old);
}

void RestoreSignals(const sigset_t& old) { sigprocmask(SIG_SETMASK, &old, nullptr); }

struct LinuxDirent64 {
  uint64_t d_ino;
  int64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[1];
};

// Removes what `dirFd` holds, then nothing else: the caller removes the
// folder itself. Links are removed as links, never followed. Signal-safe:
// raw directory reads into a stack buffer, no allocation.
void EmptyFolderAt(int dirFd, int depth) {
  alignas(8) char buf[4096];
  // Removing entries while reading may make the system skip some: read
  // again from the start until a pass removes nothing more.
  for (int pass = 0; pass < 64; ++pass) {
    bool removed = false;
    lseek(dirFd, 0, SEEK_SET);
    for (;;) {
      long n = syscall(SYS_getdents64, dirFd, buf, sizeof buf);
      if (n <= 0) break;
      for (long off = 0; off < n;) {
        auto* d = reinterpret_cast<LinuxDirent64*>(buf + off);
        off += d->d_reclen;
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
        if (unlinkat(dirFd, name, 0) == 0) {
          removed = true;
          continue;
        }
        if ((errno == EISDIR || errno == EPERM) && depth < 16) {
          int sub = openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
          if (sub >= 0) {
            EmptyFolderAt(sub, depth + 1);
            close(sub);
          }
          if (unlinkat(dirFd, name, AT_REMOVEDIR) == 0) removed = true;
        }
      }
    }
    if (!removed) break;
  }
}

// A link (to a folder or not) is unlinked; a folder is opened without
// following a link, so one swapped for a link after the lstat is never
// entered, and emptied through its descriptor.
void RemovePathNow(const char* path) {
  struct stat st;
  if (lstat(path, &st) != 0) return;
  if (!S_ISDIR(st.st_mode)) {
    unlink(path);
    return;
  }
  int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd >= 0) {
    EmptyFolderAt(fd, 0);
    close(fd);
  }
  if (rmdir(path) != 0 && errno == ENOTDIR) unlink(path);  // swapped for a link meanwhile
}

void OnInterrupt(int sig) {
  // A child between fork and exec still carries this handler: the clean-up
  // belongs to the run, not to the child.
  if (getpid() != gOwner) _exit(128 + sig);
  gInterrupted.store(true);
  const pid_t child = gChild;
  if (child > 0) {
    kill(child, SIGKILL);
    int status;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  // A creation holds the signals off its own thread, so any under way runs
  // on another one: it ends (or the patience does) before the removal.
  for (int waited = 0; gCreating.load() > 0 && waited < kCreationPatienceMs; waited += 10) {
    struct timespec ts = {0, 10 * 1000 * 1000};
    nanosleep(&ts, nullptr);
  }
  for (size_t i = 0; i < kMaxTracked; ++i)
    if (gUsed[i]) RemovePathNow(gPaths[i]);
  // Die of the signal itself, so that a calling shell or script sees an
  // interrupted program (status 128 + signal).
  struct sigaction dfl;
  std::memset(&dfl, 0, sizeof dfl);
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  sigaction(sig, &dfl, nullptr);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, sig);
  sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(sig);
  _exit(128 + sig);
}

}  // namespace

void PrepareProcess() { signal(SIGXFSZ, SIG_IGN); }

void InstallInterruptCleanup() {
  gOwner = getpid();
  struct sigaction sa;
  std::memset(&sa, 0, sizeof sa);
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  // One clean-up at a time: the other signals wait while it runs.
  for (int s : kSignals) sigaddset(&sa.sa_mask, s);
  for (int s : kSignals) {
    // A signal the caller chose to ignore (nohup, a background job) stays ignored.
    struct sigaction old;
    if (sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    sigaction(s, &sa, nullptr);
  }
}

bool InterruptRequested() { return gInterrupted.load(std::memory_order_relaxed); }

// A signal sent to the process is handled on any of its threads: the main
// thread must not end the process under a clean-up running on another one.
void WaitForInterruptCleanup() {
  if (!gInterrupted.load()) return;
  for (;;) pause();
}

// The same removal as the interruption's, for the normal end of a run.
bool RemoveTree(const std::string& path) {
  if (path.empty()) return true;
  RemovePathNow(path.c_str());
  struct stat st;
  return lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

void TrackTempPath(const std::string& path) {
  if (path.empty() || path.size() >= kMaxPathBytes) return;
  sigset_t old;
  BlockSignals(old);
  size_t freeSlot = kMaxTracked;
  bool present = false;
  for (size_t i = 0; i < kMaxTracked; ++i) {
    if (gUsed[i] && path == gPaths[i]) present = true;
    if (!gUsed[i] && freeSlot == kMaxTracked) freeSlot = i;
  }
  if (!present && freeSlot < kMaxTracked) {
    std::memcpy(gPaths[freeSlot], path.c_str(), path.size() + 1);
    gUsed[freeSlot] = 1;
  }
  RestoreSignals(old);
}

void UntrackTempPath(const std::string& path) {
  sigset_t old;
  BlockSignals(old);
  for (size_t i = 0; i < kMaxTracked; ++i)
    if (gUsed[i] && path == gPaths[i]) gUsed[i] = 0;
  RestoreSignals(old);
}

namespace detail {

void BlockInterrupts(sigset_t& old) { BlockSignals(old); }
void RestoreInterrupts(const sigset_t& old) { RestoreSignals(old); }

void TrackChildProcess(pid_t pid) { gChild = pid; }

// Counted before the interruption is looked at, and the handler sets the
// interruption before it looks at the count: either the handler waits for
// this creation, or the creation sees the interruption and never starts.
TCreationHold::TCreationHold() {
  BlockSignals(FOld);
  gCreating.fetch_add(1);
  if (gInterrupted.load()) {
    gCreating.fetch_sub(1);
    for (;;) pause();  // the handler, on another thread, ends the process
  }
}

TCreationHold::~TCreationHold() {
  gCreating.fetch_sub(1);
  RestoreSignals(FOld);
}

void ResetInterruptHandlingInChild() {
  for (int s : kSignals) {
    struct sigaction old;
    if (sigaction(s, nullptr, &old) == 0 && old.sa_handler == OnInterrupt) signal(s, SIG_DFL);
  }
}

}  // namespace detail
}  // namespace plat
