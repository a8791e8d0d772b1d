#include "TestSupport.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "uUtil.h"

namespace vt_test {
namespace {

void RemoveTree(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) {
    chmod(path.c_str(), 0700);
    if (DIR* d = opendir(path.c_str())) {
      while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        RemoveTree(path + "/" + n);
      }
      closedir(d);
    }
    rmdir(path.c_str());
  } else {
    unlink(path.c_str());
  }
}

std::string SystemTemp() {
  const char* t = getenv("TMPDIR");
  return (t && *t) ? t : "/tmp";
}

}  // namespace

TempFolder::TempFolder() {
  std::string tmpl = SystemTemp() + "/vt_test_XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
  FPath = buf.data();
}

TempFolder::~TempFolder() { RemoveTree(FPath); }

std::string TempFolder::Sub(const std::string& rel) const { return FPath + "/" + rel; }

EnvOverride::EnvOverride(const std::string& name, const std::string& value) : FName(name) {
  if (const char* old = getenv(name.c_str())) {
    FHad = true;
    FOld = old;
  }
  setenv(name.c_str(), value.c_str(), 1);
}

EnvOverride::~EnvOverride() {
  if (FHad)
    setenv(FName.c_str(), FOld.c_str(), 1);
  else
    unsetenv(FName.c_str());
}

// The program caches UTC offsets per hour: a changed zone must be asked again.
TzOverride::TzOverride(const std::string& tz) : FEnv("TZ", tz) {
  tzset();
  ResetUtcOffsetCache();
}
TzOverride::~TzOverride() {
  // FEnv restores TZ after this body; the next conversion asks again.
  tzset();
  ResetUtcOffsetCache();
}

void MakeDirs(const std::string& path) {
  std::string cur;
  std::stringstream ss(path);
  std::string part;
  if (!path.empty() && path[0] == '/') cur = "/";
  while (std::getline(ss, part, '/')) {
    if (part.empty()) continue;
    cur += part;
    mkdir(cur.c_str(), 0755);
    cur += "/";
  }
}

void WriteFile(const std::string& path, const std::string& bytes) {
  auto slash = path.rfind('/');
  if (slash != std::string::npos) MakeDirs(path.substr(0, slash));
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

std::vector<std::string> ListNames(const std::string& dir) {
  std::vector<std::string> out;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n != "." && n != "..") out.push_back(n);
    }
    closedir(d);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::string> RunResult::Lines() const {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : Out) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else if (c != '\r') {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

static std::string ReadAllFd(int fd) {
  std::string s;
  char buf[65536];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    s.append(buf, static_cast<size_t>(n));
  }
  return s;
}

namespace {

// Forks and execs the built binary with the given standard output and error.
pid_t SpawnVisitrail(const std::vector<std::string>& args,
                     const std::map<std::string, std::string>& env, const std::string& cwd,
                     const std::vector<std::string>& prefix, int outFd, int errFd) {
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, 1);
    dup2(errFd, 2);
    int nullFd = open("/dev/null", O_RDONLY);
    dup2(nullFd, 0);
    for (const auto& kv : env) {
      if (!kv.first.empty() && kv.first[0] == '-')
        unsetenv(kv.first.c_str() + 1);
      else
        setenv(kv.first.c_str(), kv.second.c_str(), 1);
    }
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
    std::vector<char*> argv;
    std::string exe = VISITRAIL_EXE;
    for (const auto& p : prefix) argv.push_back(const_cast<char*>(p.c_str()));
    argv.push_back(const_cast<char*>(exe.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (prefix.empty())
      execv(exe.c_str(), argv.data());
    else
      execvp(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

}  // namespace

RunResult RunVisitrail(const std::vector<std::string>& args,
                       const std::map<std::string, std::string>& env, const std::string& cwd,
                       const std::vector<std::string>& prefix) {
  RunResult r;
  char outTmpl[] = "/tmp/vt_out_XXXXXX";
  char errTmpl[] = "/tmp/vt_err_XXXXXX";
  int outFd = mkstemp(outTmpl);
  int errFd = mkstemp(errTmpl);
  pid_t pid = SpawnVisitrail(args, env, cwd, prefix, outFd, errFd);
  int status = 0;
  waitpid(pid, &status, 0);
  lseek(outFd, 0, SEEK_SET);
  lseek(errFd, 0, SEEK_SET);
  r.Out = ReadAllFd(outFd);
  r.Err = ReadAllFd(errFd);
  close(outFd);
  close(errFd);
  unlink(outTmpl);
  unlink(errTmpl);
  r.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return r;
}

int StartVisitrail(const std::vector<std::string>& args,
                   const std::map<std::string, std::string>& env) {
  int nullFd = open("/dev/null", O_WRONLY | O_CLOEXEC);
  pid_t pid = SpawnVisitrail(args, env, std::string(), {}, nullFd, nullFd);
  close(nullFd);
  return static_cast<int>(pid);
}

std::string SamplePath(const std::string& name) {
  std::string p = std::string(VT_SAMPLES_DIR) + "/" + name;
  return Exists(p) ? p : std::string();
}

}  // namespace vt_test
