// Files someone else wrote: only regular files are read or copied, never
// waiting on a pipe or a device, and never past the size seen at open.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "uPlatform.h"

using vt_test::TempFolder;

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Append(const std::string& path, size_t n, char c) {
  std::ofstream f(path, std::ios::binary | std::ios::app);
  f << std::string(n, c);
}

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 131 % 251);
  return s;
}

}  // namespace

// A pipe without writer, endless devices, a folder and a socket, each
// directly and behind a link: refused at once, before a byte is read, and
// nothing appears at the target.
TEST(PlatformFiles, OnlyRegularFilesAreReadOrCopied) {
  TempFolder t;
  ASSERT_EQ(::mkfifo(t.Sub("fifo").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("/dev/zero", t.Sub("zero-link").c_str()), 0);
  ASSERT_EQ(::symlink(t.Sub("fifo").c_str(), t.Sub("fifo-link").c_str()), 0);
  vt_test::MakeDirs(t.Sub("folder"));
  std::vector<std::string> sources = {t.Sub("fifo"), t.Sub("fifo-link"), t.Sub("zero-link"),
                                      "/dev/zero", "/dev/null", t.Sub("folder")};
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string sockPath = t.Sub("sock");
  if (sock >= 0 && sockPath.size() < sizeof addr.sun_path) {
    std::strcpy(addr.sun_path, sockPath.c_str());
    if (::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
      sources.push_back(sockPath);
  }

  const auto start = std::chrono::steady_clock::now();
  for (const std::string& src : sources) {
    uint32_t code = 0;
    plat::CopyChecks checks;
    bool asked = false;
    checks.Accept = [&asked](const std::string&, int64_t) -> uint32_t {
      asked = true;
      return 0;
    };
    EXPECT_FALSE(plat::CopyRegularFile(src, t.Sub("copy"), false, checks, code)) << src;
    EXPECT_EQ(code, plat::kErrNotRegularFile) << src;
    EXPECT_FALSE(asked) << src;
    EXPECT_FALSE(plat::CopyFileBackup(src, t.Sub("copy"), code)) << src;
    EXPECT_FALSE(vt_test::Exists(t.Sub("copy"))) << src;
    std::string bytes = "old";
    EXPECT_FALSE(plat::ReadRegularFile(src, 1 << 20, bytes, code)) << src;
    EXPECT_EQ(code, plat::kErrNotRegularFile) << src;
    EXPECT_EQ(bytes, "") << src;
  }
  EXPECT_LT(SecondsSince(start), 5.0);
  if (sock >= 0) ::close(sock);
}

// What is copied is the file as it stood when it was opened: bytes added
// meanwhile stay behind, and a file cut short meanwhile ends where it ends.
// The checks see the head and the size before anything is written.
TEST(PlatformFiles, CopyTakesTheSizeSeenAtOpen) {
  TempFolder t;
  // Past one piece of the kernel's copy, and not a multiple of anything.
  const std::string bytes = Pattern((9 << 20) + 12345);
  const std::string src = t.Sub("store");
  vt_test::WriteFile(src, bytes);

  uint32_t code = 99;
  plat::CopyChecks grow;
  grow.Accept = [&](const std::string& head, int64_t size) -> uint32_t {
    EXPECT_EQ(head, bytes.substr(0, plat::kCopyHeadBytes));
    EXPECT_EQ(size, static_cast<int64_t>(bytes.size()));
    EXPECT_FALSE(vt_test::Exists(t.Sub("grown")));
    Append(src, 3 << 20, 'G');  // a browser writing on
    return 0;
  };
  ASSERT_TRUE(plat::CopyRegularFile(src, t.Sub("grown"), false, grow, code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(vt_test::ReadFile(t.Sub("grown")) == bytes);

  vt_test::WriteFile(src, bytes);
  plat::CopyChecks shrink;
  shrink.Accept = [&](const std::string&, int64_t) -> uint32_t {
    EXPECT_EQ(::truncate(src.c_str(), 5000), 0);
    return 0;
  };
  ASSERT_TRUE(plat::CopyRegularFile(src, t.Sub("shrunk"), true, shrink, code));
  EXPECT_TRUE(vt_test::ReadFile(t.Sub("shrunk")) == bytes.substr(0, 5000));

  // A file shorter than the head is seen whole; an empty one is copied empty.
  vt_test::WriteFile(t.Sub("short"), "SQLite");
  vt_test::WriteFile(t.Sub("empty"), "");
  for (const std::string name : {"short", "empty"}) {
    std::string seen = "unset";
    plat::CopyChecks look;
    look.Accept = [&seen](const std::string& head, int64_t) -> uint32_t {
      seen = head;
      return 0;
    };
    ASSERT_TRUE(plat::CopyRegularFile(t.Sub(name), t.Sub(name + ".copy"), false, look, code));
    EXPECT_EQ(seen, vt_test::ReadFile(t.Sub(name)));
    EXPECT_EQ(vt_test::ReadFile(t.Sub(name + ".copy")), seen);
  }
}

// A refused head and a copy out of time fail with their codes, and leave
// nothing at the target.
TEST(PlatformFiles, RefusedOrStoppedCopiesLeaveNothing) {
  TempFolder t;
  const std::string src = t.Sub("store");
  vt_test::WriteFile(src, Pattern(20 << 20));
  uint32_t code = 0;

  plat::CopyChecks refuse;
  refuse.Accept = [](const std::string&, int64_t) -> uint32_t { return plat::kErrBadFormat; };
  EXPECT_FALSE(plat::CopyRegularFile(src, t.Sub("a"), false, refuse, code));
  EXPECT_EQ(code, plat::kErrBadFormat);
  EXPECT_FALSE(vt_test::Exists(t.Sub("a")));

  int asked = 0;
  plat::CopyChecks late;
  late.InTime = [&asked]() { return ++asked < 2; };
  EXPECT_FALSE(plat::CopyRegularFile(src, t.Sub("b"), false, late, code));
  EXPECT_EQ(code, plat::kErrTimeout);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(vt_test::Exists(t.Sub("b")));
}

TEST(PlatformFiles, WholeFileReadsAreBounded) {
  TempFolder t;
  const std::string bytes = Pattern(1000);
  vt_test::WriteFile(t.Sub("f"), bytes);
  std::string got;
  uint32_t code = 99;
  EXPECT_TRUE(plat::ReadRegularFile(t.Sub("f"), 1000, got, code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(got, bytes);
  EXPECT_FALSE(plat::ReadRegularFile(t.Sub("f"), 999, got, code));
  EXPECT_EQ(code, plat::kErrFileTooLarge);
  EXPECT_EQ(got, "");
  EXPECT_FALSE(plat::ReadRegularFile(t.Sub("missing"), 1000, got, code));
  EXPECT_EQ(code, plat::kErrFileNotFound);

  EXPECT_GT(plat::FreeDiskBytes(t.Path()), 0);
  EXPECT_EQ(plat::FreeDiskBytes(t.Sub("missing")), -1);
}
