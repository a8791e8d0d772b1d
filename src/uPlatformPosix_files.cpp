// Reading files that someone else wrote, on POSIX: a browser's store
// copied to a snapshot, a profiles.ini, a worker's result. Whatever their
// name says, they are opened without waiting and read only as regular
// files, up to the size they had when opened.
#include <fcntl.h>
#include <pwd.h>
#ifdef __linux__
#include <sys/sendfile.h>
#endif
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"
#include "uPlatformPosix_detail.h"

namespace plat {

using detail::ErrnoCode;
using detail::WriteWhole;

namespace {

// Closes a descriptor when the scope ends.
struct TFd {
  int Fd;
  explicit TFd(int fd) : Fd(fd) {}
  ~TFd() {
    if (Fd >= 0) ::close(Fd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
};

// Opens a file someone else wrote for reading. O_NONBLOCK: the open of a
// pipe without writer returns at once instead of waiting for one, and a
// device opens without waiting for a carrier or a terminal; the file is
// kept only when it is a regular file, whose reads then never wait anyway.
// -1 with `code` otherwise.
int OpenRegular(const std::string& path, struct stat& st, uint32_t& code) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    // A socket, or a device without its driver, does not open at all.
    code = errno == ENXIO ? kErrNotRegularFile : ErrnoCode(errno);
    return -1;
  }
  const bool known = ::fstat(fd, &st) == 0;
  if (!known || !S_ISREG(st.st_mode)) {
    code = known ? kErrNotRegularFile : ErrnoCode(errno);
    ::close(fd);
    return -1;
  }
  // A file with a mandatory lock would answer a non-blocking read with
  // EAGAIN; it is read as any other.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

// Up to `n` bytes from `offset`; fewer only at the end of the file. -1 on
// an error.
ssize_t ReadFull(int fd, char* buf, size_t n, off_t offset) {
  size_t got = 0;
  while (got < n) {
    const ssize_t r = ::pread(fd, buf + got, n - got, offset + static_cast<off_t>(got));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return -1;
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  return static_cast<ssize_t>(got);
}

// Moves the bytes [offset, end) of `in` to the end of `out`, a piece at a
// time, asking `checks.InTime` before each. On Linux the kernel copies (or
// shares) the blocks itself, without a pass through this process; across
// file systems copy_file_range refuses (EXDEV) and sendfile still copies
// inside the kernel. A way that moves nothing from the start is given up
// for the next, the last being plain reads and writes. A source that
// shrank since it was opened ends the copy where it ends now.
bool CopyRange(int in, int out, off_t offset, off_t end, const CopyChecks& checks,
               uint32_t& code) {
  constexpr size_t kPiece = size_t{8} << 20;
  static thread_local char buf[65536];
#ifdef __linux__
  int way = 0;  // 0 copy_file_range, 1 sendfile, 2 read and write
#else
  int way = 2;
#endif
  bool moved = false;
  while (offset < end) {
    if (checks.InTime && !checks.InTime()) {
      code = kErrTimeout;
      return false;
    }
    const size_t want = static_cast<size_t>(std::min<off_t>(end - offset, kPiece));
    ssize_t n;
    off_t at = offset;
#ifdef __linux__
    if (way == 0) {
      loff_t from = offset;
      n = ::copy_file_range(in, &from, out, nullptr, want, 0);
    } else if (way == 1) {
      n = ::sendfile(out, in, &at, want);
    } else
#endif
    {
      n = ReadFull(in, buf, std::min(want, sizeof buf), at);
      if (n > 0 && !WriteWhole(out, buf, static_cast<size_t>(n))) {
        code = ErrnoCode(errno);
        return false;
      }
    }
    if (n < 0 && errno == EINTR) continue;
    if (n > 0) {
      offset += n;
      moved = true;
      continue;
    }
    if (!moved && way < 2) {
      ++way;
      continue;
    }
    if (n == 0) break;
    code = ErrnoCode(errno);
    return false;
  }
  return true;
}

// The copy once the source is open: its head checked, then the new target
// written up to the size seen at open.
bool CopyOpened(int in, const struct stat& st, const std::string& dst, const CopyChecks& checks,
                uint32_t& code) {
  const off_t size = st.st_size;
  // Read whatever the size says: a file that cannot be read fails here,
  // before anything is written, even where it claims to be empty.
  std::string head(kCopyHeadBytes, '\0');
  const ssize_t got = ReadFull(in, &head[0], head.size(), 0);
  if (got < 0) {
    code = ErrnoCode(errno);
    return false;
  }
  head.resize(static_cast<size_t>(std::min<off_t>(got, size)));
  if (checks.Accept && (code = checks.Accept(head, static_cast<int64_t>(size))) != 0) return false;
  // The target is always a fresh name in the temporary folder, which other
  // users share on POSIX. Replace a file of our own, but never write through
  // a link or into a file someone else planted under that name: it could
  // send the copy of a history database anywhere, or let another user read it.
  ::unlink(dst.c_str());
  // Created under a hold, so that an interruption's clean-up cannot miss it.
  TFd out([&dst] {
    detail::TCreationHold creating;
    return ::open(dst.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  }());
  if (out.Fd < 0) {
    code = ErrnoCode(errno);
    return false;
  }
  bool ok = WriteWhole(out.Fd, head.data(), head.size());
  if (!ok) code = ErrnoCode(errno);
  ok = ok && CopyRange(in, out.Fd, static_cast<off_t>(head.size()), size, checks, code);
  const int fd = out.Fd;
  out.Fd = -1;
  if (::close(fd) != 0 && ok) {
    code = ErrnoCode(errno);
    ok = false;
  }
  return ok;
}

// The name of the account `uid`, or "uid N" where the user database has
// none.
std::string OwnerName(uid_t uid) {
  const passwd* pw = ::getpwuid(uid);
  if (pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
  return "uid " + std::to_string(uid);
}

// False, with kErrOtherOwner, when the file opened is not the required
// owner's.
bool OwnedAsRequired(const struct stat& st, const CopyChecks& checks, uint32_t& code) {
  if (checks.Owner.empty() || UserIdOf(static_cast<uint32_t>(st.st_uid)) == checks.Owner)
    return true;
  code = kErrOtherOwner;
  if (checks.OwnerFound) *checks.OwnerFound = OwnerName(st.st_uid);
  return false;
}

}  // namespace

// POSIX has no backup semantics: the second attempt is a plain read as well,
// which still succeeds where root may read what the owner protected.
bool CopyRegularFile(const std::string& src, const std::string& dst, bool /*backup*/,
                     const CopyChecks& checks, uint32_t& code) {
  code = 0;
  struct stat st;
  TFd in(OpenRegular(src, st, code));
  if (in.Fd < 0 || !OwnedAsRequired(st, checks, code)) return false;
  if (CopyOpened(in.Fd, st, dst, checks, code)) return true;
  // A half-written copy would be read as a damaged database later.
  ::unlink(dst.c_str());
  return false;
}

bool CopyFileShared(const std::string& src, const std::string& dst, uint32_t& code) {
  return CopyRegularFile(src, dst, false, CopyChecks(), code);
}

bool CopyFileBackup(const std::string& src, const std::string& dst, uint32_t& code) {
  EnableBackupPrivilege();
  return CopyRegularFile(src, dst, true, CopyChecks(), code);
}

bool ReadRegularFile(const std::string& path, int64_t maxBytes, std::string& bytes,
                     uint32_t& code) {
  bytes.clear();
  code = 0;
  struct stat st;
  TFd in(OpenRegular(path, st, code));
  if (in.Fd < 0) return false;
  if (st.st_size > maxBytes) {
    code = kErrFileTooLarge;
    return false;
  }
  bytes.resize(static_cast<size_t>(st.st_size));
  const ssize_t got = ReadFull(in.Fd, &bytes[0], bytes.size(), 0);
  if (got < 0) {
    code = ErrnoCode(errno);
    bytes.clear();
    return false;
  }
  bytes.resize(static_cast<size_t>(got));
  return true;
}

int64_t FreeDiskBytes(const std::string& dir) {
  struct statvfs vs;
  if (dir.empty() || ::statvfs(dir.c_str(), &vs) != 0) return -1;
  return static_cast<int64_t>(vs.f_bavail) * static_cast<int64_t>(vs.f_frsize);
}

}  // namespace plat
