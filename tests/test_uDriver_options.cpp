#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uDriver.h"

namespace {

struct Parsed {
  bool Ok = false;
  bool Version = false;
  std::string Err;
  TOptions Opts;
};

Parsed Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "Visitrail.exe");
  Parsed p;
  p.Ok = ParseOptions(args, p.Opts, p.Err, p.Version);
  return p;
}

// The message for a rejected argument list; empty when it was accepted.
std::string ErrOf(const std::vector<std::string>& args) {
  Parsed p = Parse(args);
  return p.Ok ? std::string() : p.Err;
}

}  // namespace

TEST(SplitOption, NamePrefixesColonAndCase) {
  std::string n, v;
  EXPECT_TRUE(SplitOption("/DAYS:7", n, v));
  EXPECT_EQ(n, "days");
  EXPECT_EQ(v, "7");
  EXPECT_TRUE(SplitOption("-Days:7", n, v));
  EXPECT_EQ(n, "days");
  // Only the first colon splits: a drive path stays whole.
  EXPECT_TRUE(SplitOption("/out:C:\\r\\X.html", n, v));
  EXPECT_EQ(n, "out");
  EXPECT_EQ(v, "C:\\r\\X.html");
  EXPECT_TRUE(SplitOption("/quiet", n, v));
  EXPECT_EQ(n, "quiet");
  EXPECT_EQ(v, "");
  EXPECT_TRUE(SplitOption("/include:", n, v));
  EXPECT_EQ(n, "include");
  EXPECT_EQ(v, "");

  EXPECT_FALSE(SplitOption("days:7", n, v));
  EXPECT_FALSE(SplitOption("/:x", n, v));
  EXPECT_FALSE(SplitOption("", n, v));
  EXPECT_FALSE(SplitOption("-", n, v));
}

TEST(ParseOptions, DefaultsWithoutArguments) {
  Parsed p = Parse({});
  ASSERT_TRUE(p.Ok);
  EXPECT_FALSE(p.Version);
  const TOptions& o = p.Opts;
  EXPECT_FALSE(o.ShowHelp || o.ShowList || o.Quiet || o.AutoOpen || o.Privacy);
  EXPECT_EQ(o.Sources, "auto");
  EXPECT_EQ(o.OutPath, "");
  EXPECT_EQ(o.Format, "html");
  EXPECT_EQ(o.Title, "浏览器访问记录报告");
  EXPECT_EQ(o.UserMode, "current");
  EXPECT_EQ(o.Days, 0);
  EXPECT_FALSE(o.HasFrom || o.HasTo);
  EXPECT_TRUE(o.Include.empty() && o.Exclude.empty());
  EXPECT_EQ(o.MaxRecords, 0);
}

TEST(ParseOptions, ValuesAndFlags) {
  Parsed p = Parse({"/?", "/LIST", "-quiet:no", "/privacy", "/title:A:B", "/log:x.log",
                    "/user:ALL", "/format: JSON ", "/limit:abc", "/include:", "/include:b",
                    "/exclude:*.example.com", "/src:chrome, edge ", "/out:first", "/out:C:\\r\\x.html",
                    "/open", "/days:7", "/from:2026/1/15", "/to:2026-11-01"});
  ASSERT_TRUE(p.Ok) << p.Err;
  const TOptions& o = p.Opts;
  EXPECT_TRUE(o.ShowHelp && o.ShowList && o.Quiet && o.Privacy && o.AutoOpen);
  EXPECT_EQ(o.Title, "A:B");
  EXPECT_EQ(o.LogFile, "x.log");
  EXPECT_EQ(o.UserMode, "all");
  EXPECT_EQ(o.Format, "json");
  EXPECT_EQ(o.MaxRecords, 0);
  EXPECT_EQ(o.Include, (std::vector<std::string>{"", "b"}));
  EXPECT_EQ(o.Exclude, (std::vector<std::string>{"*.example.com"}));
  EXPECT_EQ(o.Sources, "chrome,edge");
  EXPECT_EQ(o.OutPath, "C:\\r\\x.html");  // the later value wins
  EXPECT_EQ(o.Days, 7);
  ASSERT_TRUE(o.HasFrom && o.HasTo);
  EXPECT_EQ(FormatDate(o.FromDT), "2026-01-15");
  EXPECT_EQ(FormatDate(o.ToDT), "2026-11-01");

  // Blanks around a single id are kept: only inner blanks trigger the clean-up.
  EXPECT_EQ(Parse({"/src: chrome "}).Opts.Sources, " chrome ");
  EXPECT_EQ(Parse({"/limit:25"}).Opts.MaxRecords, 25);
  EXPECT_EQ(Parse({"/format:\tCSV "}).Opts.Format, "csv");
}

TEST(ParseOptions, MachineNamesTheExportAndDefaultsToTheComputer) {
  Parsed p = Parse({"/format:JSONL", "/machine: PC-07 "});
  ASSERT_TRUE(p.Ok) << p.Err;
  EXPECT_EQ(p.Opts.Format, "jsonl");
  EXPECT_EQ(ExportMachineName(p.Opts), "PC-07");
  // An empty value (a script variable that expanded to nothing) falls back
  // to this computer's name, never to an empty machine.
  const std::string own = ExportMachineName(Parse({"/machine:"}).Opts);
  EXPECT_FALSE(own.empty());
  EXPECT_EQ(own, ExportMachineName(Parse({}).Opts));
  EXPECT_EQ(FileNamePart("a\\b/c:d*e?f\"g<h>i|j\tk.L"), "a_b_c_d_e_f_g_h_i_j_k.L");
  EXPECT_EQ(DefaultReportExt("jsonl"), ".jsonl");
}

TEST(ParseOptions, ArgumentErrors) {
  EXPECT_EQ(ErrOf({"days:7"}), "无法识别的参数：days:7");
  EXPECT_EQ(ErrOf({"/:x"}), "无法识别的参数：/:x");
  EXPECT_EQ(ErrOf({""}), "无法识别的参数：");
  EXPECT_EQ(ErrOf({"-Bogus:1"}), "未知选项：/bogus");
  EXPECT_EQ(ErrOf({"/worker:dump"}), "未知选项：/worker");
  EXPECT_EQ(ErrOf({"/from:2026-02-30"}), "/from 日期格式应为 YYYY-MM-DD");
  EXPECT_EQ(ErrOf({"/to:1969-12-31"}), "/to 日期格式应为 YYYY-MM-DD");
  for (const char* d : {"/days:abc", "/days:", "/days:-1"})
    EXPECT_EQ(ErrOf({d}), "/days 必须是不小于 0 的整数") << d;
  EXPECT_EQ(ErrOf({"/user: all"}), "/user 只能是 current 或 all");
  EXPECT_EQ(ErrOf({"/format:xml"}), "/format 只能是 html、json、csv 或 jsonl");
  // A reversed window; one day (/from equal to /to) is a window.
  EXPECT_EQ(ErrOf({"/to:2026-11-01", "/from:2026-11-02"}), "/from 不能晚于 /to");
  EXPECT_EQ(ErrOf({"/from:2027-1-1", "/to:2026-12-31", "/days:7"}), "/from 不能晚于 /to");
  EXPECT_EQ(ErrOf({"/from:2026-11-02", "/to:2026/11/2"}), "");
  // /open alone writes the report into the temporary folder.
  EXPECT_EQ(ErrOf({"/open"}), "");
  EXPECT_EQ(ErrOf({"/open", "/out:   "}), "");
  // The help flag does not hide a bad argument.
  EXPECT_EQ(ErrOf({"/?", "/format:pdf"}), "/format 只能是 html、json、csv 或 jsonl");
}

TEST(ParseOptions, FirstFailureAndCheckOrder) {
  // An argument error stops the parse before any check runs.
  EXPECT_EQ(ErrOf({"/days:x", "/nope", "/from:bad"}), "未知选项：/nope");
  EXPECT_EQ(ErrOf({"/from:bad", "/nope"}), "/from 日期格式应为 YYYY-MM-DD");
  // The checks come after all arguments, in their fixed order.
  EXPECT_EQ(ErrOf({"/open", "/format:x", "/user:x", "/days:x"}), "/days 必须是不小于 0 的整数");
  EXPECT_EQ(ErrOf({"/open", "/format:x", "/user:x"}), "/user 只能是 current 或 all");
  EXPECT_EQ(ErrOf({"/from:2026-2-2", "/to:2026-1-1", "/format:x"}), "/format 只能是 html、json、csv 或 jsonl");
  EXPECT_EQ(ErrOf({"/from:2026-2-2", "/to:2026-1-1", "/src:a b"}), "/from 不能晚于 /to");
  // A later valid value repairs an earlier bad one.
  EXPECT_EQ(ErrOf({"/days:x", "/days:3"}), "");
}

// The usual spellings of other command-line tools work beside the program's own.
TEST(ParseOptions, ShellConventionsForHelpAndVersion) {
  for (const char* help : {"-h", "-?", "--help", "/H", "-HELP"}) {
    Parsed p = Parse({help});
    EXPECT_TRUE(p.Ok && p.Opts.ShowHelp) << help;
  }
  testing::internal::CaptureStdout();
  Parsed p = Parse({"--version", "/nope"});
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(p.Version);
  EXPECT_NE(out.find("Visitrail 1.1.4 (build 2026-11-19)"), std::string::npos);
  EXPECT_EQ(ErrOf({"--days:7"}), "未知选项：/-days");
}

// Without /format the file name's extension chooses the format; /format,
// when given, always wins.
TEST(ParseOptions, OutExtensionChoosesTheFormat) {
  struct Case {
    std::vector<std::string> Args;
    const char* Format;
  };
  const Case cases[] = {
      {{"/out:r.json"}, "json"},         {{"/out:R.JSON"}, "json"},
      {{"/out:d/r.Csv"}, "csv"},         {{"/out:r.htm"}, "html"},
      {{"/out:r.html"}, "html"},         {{"/out:r.txt"}, "html"},
      {{"/out:r"}, "html"},              {{"/out:v1.json/r"}, "html"},
      {{"/out:r.json/"}, "html"},        {{"/out:r.csv", "/format:json"}, "json"},
      {{"/format:html", "/out:r.csv"}, "html"}, {{"/out:r.json", "/out:r.csv"}, "csv"},
  };
  for (const Case& c : cases) {
    Parsed p = Parse(c.Args);
    ASSERT_TRUE(p.Ok) << c.Args[0];
    EXPECT_EQ(p.Opts.Format, c.Format) << c.Args[0] << " " << c.Args.back();
  }
}

TEST(ParseOptions, VersionStopsTheParse) {
  testing::internal::CaptureStdout();
  Parsed p = Parse({"/version", "/nope", "/days:x"});
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(p.Version);
  EXPECT_NE(out.find("Visitrail 1.1.4 (build 2026-11-19)"), std::string::npos);

  Parsed q = Parse({"/nope", "/version"});
  EXPECT_FALSE(q.Ok);
  EXPECT_FALSE(q.Version);
  EXPECT_EQ(q.Err, "未知选项：/nope");
}

TEST(ParseDate, AcceptedAndRejectedForms) {
  TDateTime d;
  EXPECT_TRUE(ParseDate("2026-11-01", d));
  EXPECT_EQ(FormatDateTime(d), "2026-11-01 00:00:00");
  EXPECT_TRUE(ParseDate(" 2026/11/01 ", d));
  EXPECT_EQ(FormatDate(d), "2026-11-01");
  EXPECT_TRUE(ParseDate("2026-1-15", d));
  EXPECT_EQ(FormatDate(d), "2026-01-15");
  EXPECT_TRUE(ParseDate("2026-1-1", d));  // eight units: the shortest accepted form
  EXPECT_EQ(FormatDate(d), "2026-01-01");
  EXPECT_TRUE(ParseDate("2024-02-29", d));
  EXPECT_TRUE(ParseDate("1970-01-01", d));
  EXPECT_TRUE(ParseDate("2100-12-31", d));

  for (const char* bad : {"2026-02-30", "2025-02-29", "1969-12-31", "2101-01-01", "26-11-01",
                          "2026-1-", "2026-11-01 10:00", "20261101", "2026-13-01", "2026-00-10",
                          "abcd-ef-gh", "2026--11-01", ""}) {
    EXPECT_FALSE(ParseDate(bad, d)) << bad;
    EXPECT_TRUE(d.IsZero()) << bad;
  }
}
