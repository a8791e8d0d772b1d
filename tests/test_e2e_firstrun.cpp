// A new user's first minutes, run through the built executable: the help's
// own /open examples, the report format an /out name asks for, standard
// output that holds the report alone while the terminal still hears why,
// and a source table that lines up in a terminal and in the log.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uUtil.h"

namespace {

using vt_test::RunResult;
using vt_test::StoreVisit;
using Lines = std::vector<std::string>;

const std::string kBom = "\xEF\xBB\xBF";

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The line that starts with `prefix`, or empty.
std::string LineStarting(const Lines& lines, const std::string& prefix) {
  for (const auto& l : lines)
    if (StartsWith(l, prefix)) return l;
  return std::string();
}

Lines LinesOf(const std::string& text) {
  RunResult r;
  r.Out = text;
  return r.Lines();
}

// Visits of the last days, so that /days:30 keeps them.
std::vector<StoreVisit> RecentVisits(int n) {
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i)
    v.push_back({"https://site" + std::to_string(i % 5) + ".example/p" + std::to_string(i),
                 "Page " + std::to_string(i), vt_test::ChromeTime(now - 86400 * (i % 20) - 60)});
  return v;
}

class FirstRun : public testing::Test {
 protected:
  void SetUp() override {
    vt_test::MakeDirs(tmpDir_);
    vt_test::MakeDirs(binDir_);
    vt_test::MakeDirs(cwd_);
  }
  void TearDown() override {
    // Only reports may stay in the temporary folder: every snapshot is gone.
    for (const std::string& n : vt_test::ListNames(tmpDir_))
      EXPECT_TRUE(StartsWith(n, "Visitrail_Report_")) << n << " left in the temporary folder";
  }

  // A stand-in for the desktop's opener: records what it was asked to open
  // and the files it holds open, and ends with `exitCode`.
  void InstallOpener(int exitCode) {
    vt_test::WriteFile(binDir_ + "/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + opened_ +
                                                  "'\nls -l /proc/$$/fd > '" + opened_ +
                                                  ".fds'\nexit " + std::to_string(exitCode) + "\n");
    ::chmod((binDir_ + "/xdg-open").c_str(), 0755);
  }

  RunResult Run(const std::vector<std::string>& args,
                std::map<std::string, std::string> env = {}) {
    const char* path = std::getenv("PATH");
    std::map<std::string, std::string> all = {{"USERPROFILE", alice_.Root()},
                                              {"USERNAME", "alice"},
                                              {"-APPDATA", ""},
                                              {"-LOCALAPPDATA", ""},
                                              {"TMPDIR", tmpDir_},
                                              {"TZ", "UTC"},
                                              {"DISPLAY", ":0"},
                                              {"-WAYLAND_DISPLAY", ""},
                                              {"PATH", binDir_ + ":" + (path ? path : "/usr/bin:/bin")}};
    for (const auto& kv : env) all[kv.first] = kv.second;
    for (const auto& kv : env)
      if (kv.first[0] == '-') all.erase(kv.first.substr(1));
    return vt_test::RunVisitrail(args, all, cwd_);
  }

  Lines Opened() const {
    return vt_test::Exists(opened_) ? LinesOf(vt_test::ReadFile(opened_)) : Lines();
  }

  vt_test::TempFolder root_;
  vt_test::UserFolder alice_{root_.Sub("Users"), "alice"};
  const std::string tmpDir_ = root_.Sub("tmp");
  const std::string binDir_ = root_.Sub("bin");
  const std::string cwd_ = root_.Sub("cwd");
  const std::string opened_ = root_.Sub("opened.txt");
};

}  // namespace

// "Visitrail.exe /open" and "Visitrail.exe /user:all /days:30 /open" from the
// help: the page is written under its default name into the temporary
// folder (not the current one), named in the result lines, and opened.
TEST_F(FirstRun, TheHelpsOpenExamplesWriteAndOpenTheReport) {
  alice_.AddChrome("Default", RecentVisits(12));
  InstallOpener(0);
  const std::vector<std::vector<std::string>> examples = {{"/open"},
                                                          {"/user:all", "/days:30", "/open"}};
  for (size_t i = 0; i < examples.size(); ++i) {
    const RunResult r = Run(examples[i]);
    ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
    EXPECT_EQ(r.Err, "");
    const Lines lines = r.Lines();
    const std::string done = LineStarting(lines, "报告已生成：");
    ASSERT_FALSE(done.empty()) << r.Out;
    const std::string path = done.substr(std::string("报告已生成：").size());
    EXPECT_TRUE(StartsWith(path, tmpDir_ + "/Visitrail_Report_")) << path;
    EXPECT_TRUE(EndsWith(path, ".html")) << path;
    EXPECT_TRUE(StartsWith(vt_test::ReadFile(path), "<!DOCTYPE html>"));
    EXPECT_EQ(LineStarting(lines, "警告: "), "");
    EXPECT_EQ(LineStarting(lines, "统计："), "统计：12 次访问，12 个网址，5 个域名，12 天活跃");
    // The banner and the table are shown, as for any run that writes a file.
    EXPECT_EQ(LineStarting(lines, "扫描范围："),
              i == 0 ? "扫描范围：当前用户 alice" : "扫描范围：全部用户（1 个配置）");
    ASSERT_EQ(Opened().size(), i + 1);
    EXPECT_EQ(Opened().back(), path);
  }
  EXPECT_TRUE(vt_test::ListNames(cwd_).empty());
  EXPECT_EQ(vt_test::ListNames(tmpDir_).size(), 2u);  // two reports, nothing else
}

// A report that cannot be opened is still written; the run says why and
// keeps its exit code.
TEST_F(FirstRun, AnOpenThatFailsIsAWarning) {
  alice_.AddChrome("Default", RecentVisits(3));
  InstallOpener(3);
  RunResult r = Run({"/open", "/log:" + root_.Sub("open.log")});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  EXPECT_EQ(LineStarting(r.Lines(), "警告: "), "警告: 无法打开报告：xdg-open 找不到打开它所需的程序");
  EXPECT_EQ(Opened().size(), 1u);
  // The opener (and the browser it starts) does not hold the run log open.
  const std::string fds = vt_test::ReadFile(opened_ + ".fds");
  EXPECT_NE(fds.find("/dev/null"), std::string::npos) << fds;
  EXPECT_EQ(fds.find("open.log"), std::string::npos) << fds;
  EXPECT_FALSE(LineStarting(r.Lines(), "报告已生成：").empty());

  // No desktop session: xdg-open is not even tried.
  r = Run({"/open", "/out:" + root_.Sub("r.html")}, {{"-DISPLAY", ""}});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  EXPECT_EQ(LineStarting(r.Lines(), "警告: "),
            "警告: 无法打开报告：没有图形桌面（未设置 DISPLAY 或 WAYLAND_DISPLAY）");
  EXPECT_EQ(Opened().size(), 1u);
  EXPECT_TRUE(vt_test::Exists(root_.Sub("r.html")));

  // No opener installed at all.
  const std::string log = root_.Sub("run.log");
  r = Run({"/open", "/log:" + log}, {{"PATH", root_.Sub("empty")}});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  EXPECT_EQ(LineStarting(r.Lines(), "警告: "), "警告: 无法打开报告：找不到 xdg-open");
  EXPECT_NE(vt_test::ReadFile(log).find("[警告] 无法打开报告：找不到 xdg-open"), std::string::npos);

  // /quiet hides the warning as it hides every other.
  r = Run({"/open", "/quiet"}, {{"PATH", root_.Sub("empty")}});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(LineStarting(r.Lines(), "警告: "), "");
}

// Without /format the /out name's extension chooses the format; with
// /format the report is what was asked for and a differing extension is
// pointed out.
TEST_F(FirstRun, OutExtensionsAndFormat) {
  alice_.AddChrome("Default", RecentVisits(3));
  struct Case {
    std::string Out, Format, File, Kind, Warning;
  };
  const std::vector<Case> cases = {
      {"a.json", "", "a.json", "json", ""},
      {"b.CSV", "", "b.CSV", "csv", ""},
      {"c.htm", "", "c.htm", "html", ""},
      {"d.txt", "", "d.txt.html", "html", ""},
      {"e", "", "e", "html", ""},
      {"f.csv", "json", "f.csv", "json", "警告: 报告格式为 json，但文件扩展名为 .csv"},
      {"g.Html", "csv", "g.Html", "csv", "警告: 报告格式为 csv，但文件扩展名为 .Html"},
      {"h.json", "html", "h.json", "html", "警告: 报告格式为 html，但文件扩展名为 .json"},
      {"i.json", "json", "i.json", "json", ""},
      {"j.txt", "csv", "j.txt.csv", "csv", ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"/out:" + root_.Sub("out/" + c.Out)};
    if (!c.Format.empty()) args.push_back("/format:" + c.Format);
    const RunResult r = Run(args);
    EXPECT_EQ(r.ExitCode, 0) << c.Out << r.Out;
    const std::string path = root_.Sub("out/" + c.File);
    ASSERT_TRUE(vt_test::Exists(path)) << c.Out << " " << c.Format;
    const std::string body = vt_test::ReadFile(path);
    const std::string head = c.Kind == "json" ? "{\"tool\":" : c.Kind == "csv" ? kBom + "时间," : "<!DOCTYPE";
    EXPECT_TRUE(StartsWith(body, head)) << c.Out << " " << c.Format;
    const std::string label = c.Kind == "json" ? "JSON " : c.Kind == "csv" ? "CSV " : "";
    EXPECT_EQ(LineStarting(r.Lines(), label + "报告已生成："), label + "报告已生成：" + path);
    EXPECT_EQ(LineStarting(r.Lines(), "警告: "), c.Warning) << c.Out << " " << c.Format;
  }
}

// Without /out, "> report" must hold the report and nothing else, while the
// terminal still hears about argument errors, warnings and errors.
TEST_F(FirstRun, StandardOutputHoldsOnlyTheReport) {
  alice_.AddChrome("Default", RecentVisits(3));
  struct Case {
    std::vector<std::string> Args;
    int Code;
    std::string Head, Tail;  // of standard output; both empty: nothing at all
    Lines Err;
  };
  const Lines unknown = {"警告: 未识别的数据源：360"};
  const std::vector<Case> cases = {
      {{"/days:x"}, 1, "", "", {"参数错误：/days 必须是不小于 0 的整数", "使用 /? 查看帮助。"}},
      {{"/from:2026-03-02", "/to:2026-03-01", "/format:json"},
       1, "", "", {"参数错误：/from 不能晚于 /to", "使用 /? 查看帮助。"}},
      {{"/bogus"}, 1, "", "", {"参数错误：未知选项：/bogus", "使用 /? 查看帮助。"}},
      {{"/src:360,chrome"}, 0, "<!DOCTYPE html>", "</html>\n", unknown},
      {{"/src:360,chrome", "/format:json"}, 0, "{\"tool\":", "]}", unknown},
      {{"/src:360,chrome", "/format:csv"}, 0, kBom + "时间,", "\r\n", unknown},
      {{"/src:360,chrome", "/quiet", "/format:json"}, 0, "{\"tool\":", "]}", {}},
      {{"/src:360", "/format:json"}, 2, "{\"tool\":", "]}", unknown},
      {{"/list", "/src:360,chrome", "/format:json"}, 0, "{\"tool\":", "]}", unknown},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.Args);
    const std::string what = c.Args[0] + (c.Args.size() > 1 ? " " + c.Args[1] : "");
    EXPECT_EQ(r.ExitCode, c.Code) << what << r.Err;
    if (c.Head.empty()) {
      EXPECT_EQ(r.Out, "") << what;
    } else {
      EXPECT_TRUE(StartsWith(r.Out, c.Head)) << what << ": " << r.Out.substr(0, 80);
      EXPECT_TRUE(EndsWith(r.Out, c.Tail)) << what;
      EXPECT_EQ(r.Out.find("警告"), std::string::npos) << what;
    }
    EXPECT_EQ(LinesOf(r.Err), c.Err) << what;
  }

  // Every source failed: the error reaches standard error only.
  vt_test::WriteFile(alice_.Local("Google/Chrome/User Data/Default/History"), "not a database");
  const RunResult r = Run({"/format:json"});
  EXPECT_EQ(r.ExitCode, 3);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "错误: 所有数据源均读取失败，未生成报告。\n");
}

// /list names unknown source ids as a collection run does, before the table.
TEST_F(FirstRun, ListWarnsAboutUnknownSourceIds) {
  alice_.AddChrome("Default", RecentVisits(3));
  RunResult r = Run({"/list", "/src:chrome,360"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Err, "警告: 未识别的数据源：360\n");
  EXPECT_TRUE(StartsWith(r.Out, "浏览器")) << r.Out;

  r = Run({"/list", "/src:chrome,360", "/out:" + root_.Sub("unused.html")});
  EXPECT_EQ(r.ExitCode, 0);
  const Lines lines = r.Lines();
  size_t warning = lines.size(), header = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "警告: 未识别的数据源：360") warning = i;
    if (StartsWith(lines[i], "浏览器")) header = i;
  }
  EXPECT_LT(warning, header) << r.Out;
  EXPECT_LT(header, lines.size()) << r.Out;
}

// Chinese and emoji user names and a long profile label: in the terminal
// and in the log file, every row's columns start where the header's do.
TEST_F(FirstRun, SourceTableLinesUpForWideCharacters) {
  alice_.AddChrome("Default", RecentVisits(2));
  alice_.AddFirefox("q8v2m4zt.default-release-2026", {{"https://fx.example/", "fx",
                                                       vt_test::FirefoxTime(1700000000)}});
  vt_test::UserFolder zhang(root_.Sub("Users"), "张三");
  zhang.AddChrome("Profile 1", RecentVisits(1));
  vt_test::UserFolder emoji(root_.Sub("Users"), "bob\xF0\x9F\x98\x80");
  emoji.AddEdge("Default", RecentVisits(1));
  const std::string log = root_.Sub("table.log");
  const RunResult r = Run({"/list", "/user:all", "/out:" + root_.Sub("x.html"), "/log:" + log});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;

  auto check = [](const Lines& table, const std::string& where) {
    ASSERT_GE(table.size(), 2u + 4u * 2u) << where;
    const std::string& header = table[0];
    const size_t statusCol = DisplayWidth(header.substr(0, header.find("状态")));
    const size_t profileCol = DisplayWidth(header.substr(0, header.find("配置/用户")));
    EXPECT_EQ(table[1], std::string(DisplayWidth(header), '-')) << where;
    int rows = 0;
    for (size_t i = 2; i < table.size(); ++i) {
      const std::string& row = table[i];
      if (StartsWith(row, "    ")) continue;
      ++rows;
      const size_t status = row.find("已采集");
      ASSERT_NE(status, std::string::npos) << where << ": " << row;
      EXPECT_EQ(DisplayWidth(row.substr(0, status)), statusCol) << where << ": " << row;
      size_t label = std::string::npos;
      for (const char* user : {"alice\\", "张三\\", "bob\xF0\x9F\x98\x80\\"})
        label = std::min(label, row.find(user));
      ASSERT_NE(label, std::string::npos) << where << ": " << row;
      EXPECT_EQ(DisplayWidth(row.substr(0, label)), profileCol) << where << ": " << row;
      EXPECT_EQ(DisplayWidth(row), DisplayWidth(header)) << where << ": " << row;
    }
    EXPECT_EQ(rows, 4) << where;
  };

  Lines table;
  for (const std::string& l : r.Lines())
    if (!table.empty() || StartsWith(l, "浏览器")) table.push_back(l);
  check(table, "console");
  // The long label is cut in the middle, keeping the user and the end.
  EXPECT_NE(r.Out.find(" alice\\q8v2m\xE2\x80\xA6" "release-2026 "), std::string::npos) << r.Out;

  // The log holds the same lines behind its time stamps.
  Lines logged;
  for (const std::string& l : LinesOf(vt_test::ReadFile(log))) {
    if (l.size() < 21) continue;
    const std::string text = l.substr(21);  // "yyyy-mm-dd hh:nn:ss  "
    if (!logged.empty() || StartsWith(text, "浏览器")) logged.push_back(text);
  }
  ASSERT_FALSE(logged.empty());
  logged.resize(std::min(logged.size(), table.size()));
  EXPECT_EQ(logged, table);
  check(logged, "log");
}
