// The run's lock and, for a root run, its private folder. A root run reads
// every user's history; its copies must live where no user can read them,
// replace them or slip a link under their names. The temporary folder of a
// root run can be the user's own (sudo keeps TMPDIR), so it is taken only
// when no one but root can change it or anything above it, and /tmp
// otherwise.
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "uPlatform.h"

namespace plat {
namespace {

std::mutex gMutex;
std::string gParent;   // where the lock (and the run folder) lie, with a final '/'
std::string gName;     // "vt_run_<pid>_<tick>", the lock's name without ".lock"
std::string gRunDir;   // the run folder, empty when the run has none
int gLockFd = -1;
int gRunFd = -1;

// A folder that only root can change: owned by root and writable by no one
// else, or sticky (then others may add entries but not rename or remove
// root's).
bool RootOnlyFolder(const struct stat& st) {
  return S_ISDIR(st.st_mode) && st.st_uid == 0 &&
         ((st.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (st.st_mode & S_ISVTX) != 0);
}

// `dir` resolved to its real path when it and every folder above it only
// root can change (so that no one can move it or swap a component for a
// link while the run uses it by name); empty otherwise.
std::string SafeParent(const std::string& dir) {
  char real[PATH_MAX];
  if (dir.empty() || !::realpath(dir.c_str(), real)) return std::string();
  std::string path = real;
  for (std::string at = path;;) {
    struct stat st;
    if (::lstat(at.empty() ? "/" : at.c_str(), &st) != 0 || !RootOnlyFolder(st))
      return std::string();
    if (at.empty()) break;
    at.erase(at.find_last_of('/'));
  }
  if (path.back() != '/') path += '/';
  return path;
}

// The parents a root run may use, the user's temporary folder first.
std::vector<std::string> RootParents() {
  std::vector<std::string> out;
  for (const std::string& dir : {UserTempDir(), std::string("/tmp/")}) {
    const std::string safe = SafeParent(dir);
    if (!safe.empty() && (out.empty() || out[0] != safe)) out.push_back(safe);
  }
  return out;
}

// A new lock file `name` in `parentFd`, locked before anyone can see it
// (an unnamed file given its name once locked), so that a sweep of another
// run never takes a live run's lock for a free one. -1 when the name is
// taken or the folder refuses.
int CreateHeldLock(int parentFd, const std::string& name) {
  int fd = ::openat(parentFd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::linkat(AT_FDCWD, self.c_str(), parentFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return fd;
    const int e = errno;
    ::close(fd);
    if (e == EEXIST) return -1;
  }
  // Without unnamed files: created by name and locked at once (a sweep in
  // that instant would find the lock free and remove it; a run that then
  // finds its lock gone tries another name).
  fd = ::openat(parentFd, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  struct stat mine, named;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &mine) != 0 ||
      ::fstatat(parentFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
      mine.st_ino != named.st_ino || mine.st_dev != named.st_dev) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// The run folder `name` in `parentFd`: made new (mkdir never goes through
// an entry already there, a link among them), then looked at through its
// own descriptor: a folder, no link, root's, 0700.
int CreateRunFolder(int parentFd, const std::string& name, std::string& err) {
  if (::mkdirat(parentFd, name.c_str(), 0700) != 0) {
    err = SystemErrorMessage(LastErrorCode());
    return -1;
  }
  const int fd = ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  struct stat st;
  if (fd >= 0 && ::fchmod(fd, 0700) == 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) &&
      st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700)
    return fd;
  err = "运行文件夹不是本程序新建的私有文件夹";
  if (fd >= 0) ::close(fd);
  ::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
  return -1;
}

// Takes a lock (and, `withFolder`, the folder) under a fresh name in `parent`.
bool OpenIn(const std::string& parent, bool withFolder, std::string& err) {
  const int parentFd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (parentFd < 0) {
    err = SystemErrorMessage(LastErrorCode());
    return false;
  }
  bool ok = false;
  for (int n = 0; n < 100 && !ok; ++n) {
    char name[64];
    std::snprintf(name, sizeof name, n ? "vt_run_%u_%d_%d" : "vt_run_%u_%d",
                  static_cast<unsigned>(ProcessId()), static_cast<int>(TickCount()), n);
    const std::string lockName = std::string(name) + ".lock";
    TrackTempPath(parent + lockName);
    const int lockFd = CreateHeldLock(parentFd, lockName);
    if (lockFd < 0) {  // a name taken meanwhile: the next one
      UntrackTempPath(parent + lockName);
      continue;
    }
    int runFd = -1;
    if (withFolder) {
      TrackTempPath(parent + name);
      runFd = CreateRunFolder(parentFd, name, err);
      if (runFd < 0) {
        UntrackTempPath(parent + name);
        ::unlinkat(parentFd, lockName.c_str(), 0);
        UntrackTempPath(parent + lockName);
        ::close(lockFd);
        break;
      }
    }
    gParent = parent;
    gName = name;
    gRunDir = withFolder ? parent + name : std::string();
    gLockFd = lockFd;
    gRunFd = runFd;
    ok = true;
  }
  if (!ok && err.empty()) err = SystemErrorMessage(LastErrorCode());
  ::close(parentFd);
  return ok;
}

}  // namespace

std::string TempDir() {
  {
    std::lock_guard<std::mutex> hold(gMutex);
    if (!gRunDir.empty()) return gRunDir + '/';
  }
  return UserTempDir();
}

std::string RunFolder() {
  std::lock_guard<std::mutex> hold(gMutex);
  return gRunDir;
}

bool OpenRunFolder(std::string& err) {
  err.clear();
  std::lock_guard<std::mutex> hold(gMutex);
  if (gLockFd >= 0) return true;
  if (::geteuid() != 0) {
    // The user's own files in the user's own folder: the lock alone. A run
    // without it still runs; a later sweep then goes by its process id.
    std::string ignored;
    OpenIn(UserTempDir(), false, ignored);
    return true;
  }
  const std::vector<std::string> parents = RootParents();
  if (parents.empty()) {
    err = "临时文件夹（" + UserTempDir() +
          " 与 /tmp）可被其他用户更改，无法为以 root 身份运行的本次运行建立私有文件夹";
    return false;
  }
  std::string why;
  if (OpenIn(parents[0], true, why)) return true;
  err = "无法在 " + parents[0] + " 中建立本次运行的私有文件夹（" + why + "）";
  return false;
}

void CloseRunFolder() {
  std::lock_guard<std::mutex> hold(gMutex);
  if (gRunFd >= 0) {
    ::close(gRunFd);
    RemoveTree(gRunDir);
    UntrackTempPath(gRunDir);
  }
  if (gLockFd >= 0) {
    // Removed while still held: no sweep can find it free in between.
    const std::string lock = gParent + gName + ".lock";
    ::unlink(lock.c_str());
    UntrackTempPath(lock);
    ::close(gLockFd);
  }
  gRunFd = gLockFd = -1;
  gRunDir.clear();
  gName.clear();
  gParent.clear();
}

std::vector<std::string> RunParentFolders() {
  // A root run sweeps only where no user can change what it removes.
  if (::geteuid() == 0) return RootParents();
  return {UserTempDir()};
}

bool OwnedByRunAccount(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && st.st_uid == ::geteuid();
}

bool RunLockFree(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  const bool free = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);  // gives the lock back at once
  return free;
}

}  // namespace plat
