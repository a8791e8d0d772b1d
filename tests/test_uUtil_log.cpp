// Run log lines in the file and on the console, and report text written to
// a redirected standard output.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <regex>
#include <stdexcept>
#include <string>

#include "TestSupport.h"
#include "uPlatform.h"
#include "uUtil.h"

namespace {

// Points file descriptor 1 at `target` for the scope; Take() restores it.
class StdoutRedirect {
 public:
  explicit StdoutRedirect(int target) {
    std::fflush(stdout);
    FSaved = ::dup(1);
    ::dup2(target, 1);
  }
  ~StdoutRedirect() { Restore(); }
  void Restore() {
    if (FSaved < 0) return;
    std::fflush(stdout);
    ::dup2(FSaved, 1);
    ::close(FSaved);
    FSaved = -1;
  }

 private:
  int FSaved = -1;
};

// Collects what is written to standard output while it lives, in a file.
class CaptureStdout {
 public:
  CaptureStdout() : FPath(FDir.Sub("stdout.txt")) {
    FFd = ::open(FPath.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
    FRedirect = new StdoutRedirect(FFd);
  }
  ~CaptureStdout() { Take(); }
  std::string Take() {
    if (FRedirect) {
      delete FRedirect;
      FRedirect = nullptr;
      ::close(FFd);
    }
    return vt_test::ReadFile(FPath);
  }

 private:
  vt_test::TempFolder FDir;
  std::string FPath;
  int FFd = -1;
  StdoutRedirect* FRedirect = nullptr;
};

const std::string kStamp = R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})";

}  // namespace

TEST(Logger, FileLinesAreStampedTaggedAndAppended) {
  vt_test::TempFolder dir;
  const std::string path = dir.Sub("logs/deep/run.log");
  vt_test::WriteFile(path, "old line\n");
  std::string console;
  {
    TLogger log;
    CaptureStdout cap;
    log.OpenFile(path);  // an existing log: appended to
    EXPECT_TRUE(log.HasFile());
    log.Info("信息一");
    log.Warn("小心");
    log.Error("坏了");
    log.Raw("[异常] only in file");
    log.Info("");
    console = cap.Take();
  }
  EXPECT_EQ(console, "信息一\n警告: 小心\n错误: 坏了\n\n");
  const std::string text = vt_test::ReadFile(path);
  const std::regex expected("old line\n" + kStamp + "  \\[信息\\] 信息一\n" + kStamp +
                            "  \\[警告\\] 小心\n" + kStamp + "  \\[错误\\] 坏了\n" + kStamp +
                            "  \\[异常\\] only in file\n" + kStamp + "  \\[信息\\] \n");
  EXPECT_TRUE(std::regex_match(text, expected)) << text;
  // The stamp is the local wall clock.
  EXPECT_EQ(text.substr(9, 10), FormatDate(NowLocal()));
}

TEST(Logger, CreatesMissingFoldersAndQuietHidesInfoAndWarnings) {
  vt_test::TempFolder dir;
  const std::string path = dir.Sub("a/b/c/run.log");
  std::string console;
  {
    TLogger log;
    log.SetQuiet(true);
    CaptureStdout cap;
    log.OpenFile(path);
    log.Info("i");
    log.Warn("w");
    log.Error("e");
    console = cap.Take();
  }
  EXPECT_EQ(console, "错误: e\n");
  const std::string text = vt_test::ReadFile(path);
  EXPECT_TRUE(std::regex_match(
      text, std::regex(kStamp + "  \\[信息\\] i\n" + kStamp + "  \\[警告\\] w\n" + kStamp +
                       "  \\[错误\\] e\n")))
      << text;
}

TEST(Logger, BareFileNameOpensInTheCurrentFolder) {
  vt_test::TempFolder dir;
  const std::string old = plat::CurrentDir();
  ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
  {
    TLogger log;
    log.OpenFile("bare.log");
    log.Raw("x");
  }
  ASSERT_EQ(::chdir(old.c_str()), 0);
  EXPECT_TRUE(std::regex_match(vt_test::ReadFile(dir.Sub("bare.log")),
                               std::regex(kStamp + "  x\n")));
}

TEST(Logger, WithoutFileOnlyTheConsole) {
  TLogger log;
  CaptureStdout cap;
  log.Raw("nowhere");
  log.Info("shown");
  log.SetQuiet(true);
  log.Warn("hidden");
  EXPECT_EQ(cap.Take(), "shown\n");
  EXPECT_FALSE(log.HasFile());
}

TEST(Logger, UnopenableFileThrowsAndTheConsoleStillWorks) {
  vt_test::TempFolder dir;
  vt_test::WriteFile(dir.Sub("plain"), "x");
  TLogger log;
  try {
    log.OpenFile(dir.Sub("plain/sub/run.log"));  // a file stands where a folder must be
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("日志文件"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(log.HasFile());
  CaptureStdout cap;
  log.Error("still here");
  EXPECT_EQ(cap.Take(), "错误: still here\n");
}

TEST(WriteStdOut, RedirectedToAFileGivesExactBytes) {
  const std::string report = "<html>中文\r\n" + std::string("\xF0\x9F\x98\x80") + "</html>";
  std::string got;
  {
    CaptureStdout cap;
    WriteStdOut(report);
    WriteStdOut("");
    got = cap.Take();
  }
  EXPECT_EQ(got, report);
}

TEST(WriteStdOut, PipeGivesExactBytes) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  {
    StdoutRedirect redirect(fds[1]);
    EXPECT_EQ(plat::StdOutType(), plat::StdOutKind::Pipe);
    WriteStdOut("{\"a\":1}");
    WriteStdOut("");
  }
  ::close(fds[1]);
  std::string got;
  char buf[256];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) got.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  EXPECT_EQ(got, "{\"a\":1}");
}

TEST(WriteLine, OneConsoleLine) {
  CaptureStdout cap;
  WriteLine("表格");
  WriteLine();
  EXPECT_EQ(cap.Take(), std::string("表格") + plat::LineEnd() + plat::LineEnd());
}
