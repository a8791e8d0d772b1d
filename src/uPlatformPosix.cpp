// The operating-system layer on Linux and other POSIX systems. Error codes
// are reported as Windows codes so that the rest of the program (and its
// messages) is the same everywhere.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"
#include "uPlatformPosix_detail.h"

namespace plat {
namespace embedded {
extern const unsigned char kREPORTTPL[];
extern const size_t kREPORTTPLSize;
}  // namespace embedded

namespace {

// Windows codes with the "customer" bit carry an errno we have no nearer
// Windows equivalent for; SystemErrorMessage turns them back into text.
constexpr uint32_t kErrnoFlag = 0x20000000u;

uint32_t ErrnoToWin(int e) {
  switch (e) {
    case 0: return 0;
    case ENOENT: return kErrFileNotFound;
    case ENOTDIR: return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR: return kErrAccessDenied;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN: return kErrSharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kErrDiskFull;
    case EROFS: return 19;
    case EEXIST: return 80;
    case EINVAL: return 87;
    case ENOMEM: return 8;
    case EMFILE:
    case ENFILE: return 4;
    case ENAMETOOLONG: return 206;
    case ENOTEMPTY: return 145;
    case EIO: return 1117;
    default: return kErrnoFlag | static_cast<uint32_t>(e);
  }
}

bool StatPath(const std::string& path, struct stat& st) {
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool WriteAll(int fd, const char* data, size_t len) {
  while (len > 0) {
    ssize_t n = ::write(fd, data, len);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    len -= static_cast<size_t>(n);
  }
  return true;
}

// Waits for the child like waitpid; once it is reaped it is no longer the
// interruption handler's to end (its process id may be given to another).
pid_t ReapChild(pid_t pid, int& status, int options) {
  sigset_t oldMask;
  detail::BlockInterrupts(oldMask);
  pid_t r;
  do {
    r = ::waitpid(pid, &status, options);
  } while (r < 0 && errno == EINTR && options == 0);
  const int savedErrno = errno;
  if (r == pid) detail::TrackChildProcess(0);
  detail::RestoreInterrupts(oldMask);
  errno = savedErrno;
  return r;
}

bool EqualsIgnoreAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

uint32_t detail::ErrnoCode(int e) { return ErrnoToWin(e); }
bool detail::WriteWhole(int fd, const char* data, size_t len) { return WriteAll(fd, data, len); }

// ---- Files and folders -------------------------------------------------

bool FileExists(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && !S_ISDIR(st.st_mode);
}

bool DirExists(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && S_ISDIR(st.st_mode);
}

int64_t FileSize(const std::string& path) {
  struct stat st;
  return StatPath(path, st) ? static_cast<int64_t>(st.st_size) : -1;
}

bool CreateDirs(const std::string& path) {
  if (path.empty()) return false;
  if (DirExists(path)) return true;
  std::string cur;
  size_t i = 0;
  while (i <= path.size()) {
    size_t next = path.find_first_of("/\\", i);
    if (next == std::string::npos) next = path.size();
    cur = path.substr(0, next);
    if (!cur.empty() && !DirExists(cur)) {
      if (::mkdir(cur.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    i = next + 1;
  }
  return DirExists(path);
}

bool CreateNewFile(const std::string& path, uint32_t& code) {
  detail::TCreationHold creating;
  // The mode a file made by fopen gets (the umask applies).
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    code = ErrnoToWin(errno);
    return false;
  }
  ::close(fd);
  code = 0;
  return true;
}

bool CreatePrivateDir(const std::string& path, uint32_t& code) {
  detail::TCreationHold creating;
  // mkdir never follows a link standing under the name: it fails instead.
  if (path.empty() || ::mkdir(path.c_str(), 0700) != 0) {
    code = path.empty() ? kErrPathNotFound : ErrnoToWin(errno);
    return false;
  }
  code = 0;
  return true;
}

std::FILE* CreatePrivateFile(const std::string& path, uint32_t& code) {
  detail::TCreationHold creating;
  ::unlink(path.c_str());
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    code = ErrnoToWin(errno);
    return nullptr;
  }
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    code = ErrnoToWin(errno);
    ::close(fd);
    ::unlink(path.c_str());
    return nullptr;
  }
  code = 0;
  return f;
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }
bool RemoveEmptyDir(const std::string& path) { return ::rmdir(path.c_str()) == 0; }
bool RenameFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool ListDir(const std::string& dir, std::vector<DirEntry>& out) {
  out.clear();
  DIR* d = ::opendir(dir.c_str());
  if (!d) return false;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    DirEntry entry;
    entry.Name = name;
    if (e->d_type == DT_DIR) {
      entry.IsDir = true;
    } else if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      const std::string full = dir + "/" + name;
      struct stat lst;
      entry.IsLink = ::lstat(full.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode);
      entry.IsDir = DirExists(full);
    }
    out.push_back(std::move(entry));
  }
  ::closedir(d);
  return true;
}

std::string ResolvePathCase(const std::string& path) {
  struct stat st;
  if (path.empty() || StatPath(path, st)) return path;
  // The longest prefix that exists as written needs no search: start
  // below it (most paths that miss, miss only their last folders).
  size_t i = path.size();
  while (true) {
    const size_t slash = path.rfind('/', i - 1);
    if (slash == std::string::npos || slash == 0) {
      i = (path[0] == '/') ? 1 : 0;
      break;
    }
    if (StatPath(path.substr(0, slash), st)) {
      i = slash + 1;
      break;
    }
    i = slash;
  }
  std::string cur = i > 1 ? path.substr(0, i) : (path[0] == '/' ? "/" : "");
  while (i < path.size()) {
    size_t next = path.find('/', i);
    if (next == std::string::npos) next = path.size();
    std::string comp = path.substr(i, next - i);
    i = next + 1;
    if (comp.empty()) continue;
    std::string candidate = cur + comp;
    if (!StatPath(candidate, st)) {
      std::vector<DirEntry> entries;
      if (!ListDir(cur.empty() ? "." : cur, entries)) return path;
      bool found = false;
      for (const auto& e : entries) {
        if (EqualsIgnoreAsciiCase(e.Name, comp)) {
          candidate = cur + e.Name;
          found = true;
          break;
        }
      }
      if (!found) return path;
    }
    cur = candidate + "/";
  }
  if (cur.size() > 1 && cur.back() == '/') cur.pop_back();
  return cur;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

uint32_t LastErrorCode() { return ErrnoToWin(errno); }

TFileReader::~TFileReader() {
  if (FHandle >= 0) ::close(static_cast<int>(FHandle));
}

bool TFileReader::Open(const std::string& path) {
  if (FHandle >= 0) ::close(static_cast<int>(FHandle));
  FHandle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  return FHandle >= 0;
}

int64_t TFileReader::Size() const {
  struct stat st;
  return FHandle >= 0 && ::fstat(static_cast<int>(FHandle), &st) == 0
             ? static_cast<int64_t>(st.st_size)
             : -1;
}

bool TFileReader::ReadAt(uint64_t offset, void* buf, size_t n) const {
  if (FHandle < 0) return false;
  char* at = static_cast<char*>(buf);
  while (n > 0) {
    const ssize_t got = ::pread(static_cast<int>(FHandle), at, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    at += got;
    offset += static_cast<uint64_t>(got);
    n -= static_cast<size_t>(got);
  }
  return true;
}

void EnableBackupPrivilege() {}

// A held file is a Windows matter: here nothing keeps another process from
// reading a file, and there is no shadow-copy service to ask.
bool CopyFromShadow(const std::vector<ShadowFile>& /*files*/, std::string& reason) {
  reason = "本系统不提供卷影复制服务";
  return false;
}

std::string CurrentDir() {
  std::vector<char> buf(4096);
  for (;;) {
    if (::getcwd(buf.data(), buf.size())) return buf.data();
    if (errno != ERANGE) return std::string();
    buf.resize(buf.size() * 2);
  }
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  std::string rel = path;
  while (rel.size() >= 2 && rel[0] == '.' && rel[1] == '/') rel.erase(0, 2);
  std::string cwd = CurrentDir();
  if (rel.empty() || rel == ".") return cwd;
  if (!cwd.empty() && cwd.back() != '/') cwd += '/';
  return cwd + rel;
}

std::string LongPathForm(const std::string& path) { return path; }

std::string UserTempDir() {
  const char* t = std::getenv("TMPDIR");
  std::string dir = (t && *t) ? t : "/tmp";
  if (dir.back() != '/') dir += '/';
  return dir;
}

// ---- Process -----------------------------------------------------------

uint32_t ProcessId() { return static_cast<uint32_t>(::getpid()); }

bool ProcessRunning(uint32_t pid) {
  if (pid == 0 || pid > 0x7fffffffu) return false;
  // EPERM: it runs, under another user.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int32_t TickCount() {
  struct timespec ts;
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

void SleepMs(uint32_t ms) {
  struct timespec ts;
  ts.tv_sec = ms / 1000;
  ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
  while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

std::string OwnExePath() {
  std::vector<char> buf(4096);
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return std::string();
  return std::string(buf.data(), static_cast<size_t>(n));
}

bool SpawnAndWait(const std::string& exe, const std::vector<std::string>& args,
                  uint32_t timeoutMs, int32_t& exitCode, uint32_t& errCode,
                  uint64_t /*memoryLimit: the child sets its own, LimitOwnMemory*/) {
  exitCode = -1;
  errCode = 0;
  // The child reports a failed exec through this pipe (closed on success).
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    errCode = ErrnoToWin(errno);
    return false;
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(exe.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  // The child is registered before any interruption can be handled, so
  // that an interruption during the wait ends it too.
  sigset_t oldMask;
  detail::BlockInterrupts(oldMask);
  pid_t pid = ::fork();
  if (pid < 0) {
    errCode = ErrnoToWin(errno);
    detail::RestoreInterrupts(oldMask);
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (pid == 0) {
    detail::ResetInterruptHandlingInChild();
    detail::RestoreInterrupts(oldMask);
    // Like a windowless Windows child: no console. Its output must never mix
    // into a report that the parent writes to standard output.
    int devnull = ::open("/dev/null", O_RDWR);
    if (devnull >= 0) {
      ::dup2(devnull, 0);
      ::dup2(devnull, 1);
      ::dup2(devnull, 2);
    }
    ::execv(exe.c_str(), argv.data());
    int e = errno;
    ssize_t ignored = ::write(report[1], &e, sizeof e);
    (void)ignored;
    ::_exit(127);
  }
  detail::TrackChildProcess(pid);
  detail::RestoreInterrupts(oldMask);
  ::close(report[1]);
  int childErr = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &childErr, sizeof childErr);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof childErr)) {
    int status;
    ReapChild(pid, status, 0);
    errCode = ErrnoToWin(childErr);
    return false;
  }

  const int64_t deadline = NowUnixMillis() + timeoutMs;
  int status = 0;
  for (;;) {
    pid_t r = ReapChild(pid, status, WNOHANG);
    if (r == pid) break;
    if (r < 0 && errno != EINTR) {
      detail::TrackChildProcess(0);
      exitCode = -1;
      return true;
    }
    if (NowUnixMillis() >= deadline) {
      // Still running at the limit: stop it so that its folder can go.
      ::kill(pid, SIGKILL);
      ReapChild(pid, status, 0);
      exitCode = static_cast<int32_t>(kErrStillActive);
      return true;
    }
    SleepMs(10);
  }
  if (WIFEXITED(status))
    exitCode = WEXITSTATUS(status);
  else if (WIFSIGNALED(status))
    exitCode = 128 + WTERMSIG(status);
  return true;
}

// Nothing is loaded from beside the program here, and a crash ends a
// process without asking anyone.
void HardenProcess() {}
void SuppressErrorDialogs() {}

std::string SystemToolPath(const std::string& /*name*/) { return std::string(); }

namespace {

// What xdg-open's documented exit codes mean.
std::string XdgOpenFailure(int code) {
  switch (code) {
    case 1: return "xdg-open 不接受此命令行";
    case 2: return "xdg-open 找不到该文件";
    case 3: return "xdg-open 找不到打开它所需的程序";
    case 4: return "xdg-open 打开失败";
    default: return "xdg-open 以退出码 " + std::to_string(code) + " 结束";
  }
}

}  // namespace

bool ShellOpen(const std::string& path, std::string& err) {
  err.clear();
  // Without a desktop session xdg-open falls back to a text browser, which
  // cannot run here (its terminal is /dev/null).
  if (GetEnv("DISPLAY").empty() && GetEnv("WAYLAND_DISPLAY").empty()) {
    err = "没有图形桌面（未设置 DISPLAY 或 WAYLAND_DISPLAY）";
    return false;
  }
  // The child reports a failed exec through a pipe that closes by itself
  // when the exec succeeds.
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    err = SystemErrorMessage(ErrnoToWin(errno));
    return false;
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    // A session of its own: the browser it starts outlives this run and the
    // terminal's Ctrl+C.
    ::setsid();
    const int devnull = ::open("/dev/null", O_RDWR);
    if (devnull >= 0) {
      ::dup2(devnull, 0);
      ::dup2(devnull, 1);
      ::dup2(devnull, 2);
    }
    // The browser it starts must not hold our run log or anything else open.
    const long maxFd = std::min(::sysconf(_SC_OPEN_MAX), 65536L);
    for (int fd = 3; fd < maxFd; ++fd)
      if (fd != fds[1]) ::close(fd);
    ::execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
    const int e = errno;
    (void)!::write(fds[1], &e, sizeof e);
    ::_exit(127);
  }
  const int forkErrno = errno;
  ::close(fds[1]);
  if (pid < 0) {
    ::close(fds[0]);
    err = SystemErrorMessage(ErrnoToWin(forkErrno));
    return false;
  }
  int execErrno = 0;
  ssize_t n;
  do {
    n = ::read(fds[0], &execErrno, sizeof execErrno);
  } while (n < 0 && errno == EINTR);
  ::close(fds[0]);
  int status = 0;
  if (n == static_cast<ssize_t>(sizeof execErrno)) {
    ::waitpid(pid, &status, 0);
    err = execErrno == ENOENT ? std::string("找不到 xdg-open")
                              : "无法启动 xdg-open：" + SystemErrorMessage(ErrnoToWin(execErrno));
    return false;
  }
  // Desktop openers hand the file over and end at once; the generic one
  // runs the browser itself and ends with it. A failure shows within the
  // first seconds; an opener still running then is left to its work.
  for (int waited = 0; waited < 3000; waited += 50) {
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == pid) {
      if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
      err = WIFEXITED(status) ? XdgOpenFailure(WEXITSTATUS(status))
                              : "xdg-open 被信号 " + std::to_string(WTERMSIG(status)) + " 终止";
      return false;
    }
    if (r < 0 && errno != EINTR) return true;
    SleepMs(50);
  }
  return true;
}

// ---- Environment and users ---------------------------------------------

std::string GetEnv(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  return v ? std::string(v) : std::string();
}

// %NAME% references as Windows expands them: a name that is not set stays
// as written.
std::string ExpandEnvStrings(const std::string& path) {
  std::string out;
  size_t i = 0;
  while (i < path.size()) {
    size_t open = path.find('%', i);
    if (open == std::string::npos) break;
    size_t close = path.find('%', open + 1);
    if (close == std::string::npos) break;
    std::string name = path.substr(open + 1, close - open - 1);
    const char* v = name.empty() ? nullptr : std::getenv(name.c_str());
    out.append(path, i, open - i);
    if (v) {
      out += v;
      i = close + 1;
    } else {
      out += '%';
      out += name;
      i = close;  // the closing % may open the next reference
    }
  }
  out.append(path, i, std::string::npos);
  return out;
}

bool ListProfileFolders(const std::string& homeDir, std::vector<std::string>& out,
                        std::vector<std::string>* owners) {
  out.clear();
  if (owners) owners->clear();
  std::string home = homeDir;
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  size_t slash = home.rfind('/');
  if (slash == std::string::npos) return false;
  std::string parent = slash == 0 ? "/" : home.substr(0, slash);
  std::vector<DirEntry> entries;
  if (!ListDir(parent, entries)) return false;
  for (const auto& e : entries) {
    if (!e.IsDir) continue;
    out.push_back(parent == "/" ? "/" + e.Name : parent + "/" + e.Name);
    if (owners) owners->emplace_back();
  }
  return true;
}

bool IsElevated() { return ::geteuid() == 0; }

std::string CurrentUserId() { return UserIdOf(static_cast<uint32_t>(::geteuid())); }

std::string UserIdOf(uint32_t uid) { return std::to_string(uid); }

bool ListAccounts(std::vector<Account>& out) {
  out.clear();
  ::setpwent();
  while (const passwd* pw = ::getpwent()) {
    Account a;
    a.Name = pw->pw_name ? pw->pw_name : "";
    a.Home = pw->pw_dir ? pw->pw_dir : "";
    a.Shell = pw->pw_shell ? pw->pw_shell : "";
    a.Uid = pw->pw_uid;
    out.push_back(std::move(a));
  }
  ::endpwent();
  return !out.empty();
}

std::string CurrentAccountName() {
  const passwd* pw = ::getpwuid(::geteuid());
  return pw && pw->pw_name ? std::string(pw->pw_name) : std::string();
}

std::string ComputerName() {
  char buf[256] = {};
  if (::gethostname(buf, sizeof buf - 1) != 0) return std::string();
  std::string name = buf;
  return name.substr(0, name.find('.'));
}

// ---- Console -----------------------------------------------------------

StdOutKind StdOutType() {
  struct stat st;
  if (::fstat(1, &st) != 0) return StdOutKind::Other;
  if (S_ISREG(st.st_mode)) return StdOutKind::File;
  if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return StdOutKind::Pipe;
  if (::isatty(1)) return StdOutKind::Console;
  return StdOutKind::Other;
}

// A terminal is always someone's shell's (or another program's) here.
bool ConsoleIsOwnAlone() { return false; }

void WaitForKeyPress() {}

int ConsoleColumns() {
  struct winsize ws;
  if (::ioctl(1, TIOCGWINSZ, &ws) != 0 || ws.ws_col == 0) return -1;
  return ws.ws_col;
}

namespace {
bool WriteLineTo(int fd, const std::string& text) {
  std::string line = text;
  line += '\n';
  return WriteAll(fd, line.data(), line.size());
}
}  // namespace

bool WriteConsoleLine(const std::string& text) { return WriteLineTo(1, text); }

bool WriteErrorLine(const std::string& text) { return WriteLineTo(2, text); }

bool WriteStdOutRaw(const std::string& bytes) { return WriteAll(1, bytes.data(), bytes.size()); }

const char* LineEnd() { return "\n"; }

std::string LogFileText(const std::string& text) { return text; }

// ---- Time and messages --------------------------------------------------

int64_t NowUnixUtc() { return static_cast<int64_t>(::time(nullptr)); }

int64_t NowUnixMillis() {
  struct timespec ts;
  ::clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int64_t UtcOffsetAtSeconds(int64_t unixUtc) {
  // Report writers ask from several threads; tzset rereads the zone and
  // replaces the C library's copy of it, which is done one caller at a time.
  static std::mutex zone;
  std::lock_guard<std::mutex> hold(zone);
  ::tzset();  // localtime_r need not notice a changed TZ by itself
  const time_t t = static_cast<time_t>(unixUtc);
  struct tm lt;
  if (!::localtime_r(&t, &lt)) return 0;
  return static_cast<int64_t>(lt.tm_gmtoff);
}

int64_t UtcOffsetNowSeconds() { return UtcOffsetAtSeconds(NowUnixUtc()); }

// The texts Windows gives for these codes on a Simplified Chinese system.
std::string SystemErrorMessage(uint32_t code) {
  switch (code) {
    case 2: return "系统找不到指定的文件。";
    case 3: return "系统找不到指定的路径。";
    case 4: return "系统无法打开文件。";
    case 5: return "拒绝访问。";
    case 8: return "存储空间不足，无法处理此命令。";
    case 19: return "介质受写入保护。";
    case 32: return "另一个程序正在使用此文件，进程无法访问。";
    case 33: return "进程无法访问文件，因为另一个程序已锁定文件的一部分。";
    case 80: return "文件存在。";
    case 87: return "参数错误。";
    case 112: return "磁盘空间不足。";
    case 123: return "文件名、目录名或卷标语法不正确。";
    case 145: return "目录不是空的。";
    case 206: return "文件名或扩展名太长。";
    case 1117: return "由于 I/O 设备错误，无法运行此项请求。";
    default: break;
  }
  if ((code & kErrnoFlag) != 0) {
    int e = static_cast<int>(code & ~kErrnoFlag);
    if (e > 0 && e < 4096) return std::strerror(e);
  }
  return std::string();
}

// ---- Embedded resources -------------------------------------------------

bool LoadEmbeddedResource(const std::string& name, std::string& data) {
  data.clear();
  if (name != "REPORTTPL" || embedded::kREPORTTPLSize == 0) return false;
  data.assign(reinterpret_cast<const char*>(embedded::kREPORTTPL), embedded::kREPORTTPLSize);
  return true;
}

}  // namespace plat
