// The command line as a user meets it: help, version, argument errors and
// the worker command line, run through the built executable.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

using vt_test::RunVisitrail;
using Lines = std::vector<std::string>;

const char* const kMakerLine = "Visitrail 项目出品 · 开源的浏览器历史审计工具";
const char* const kHomepage = "https://visitrail.example.org";

// A private temporary folder for the child, checked empty afterwards: option
// handling must never leave files behind.
class CliTest : public testing::Test {
 protected:
  vt_test::RunResult Run(const std::vector<std::string>& args) {
    auto r = RunVisitrail(args, {{"TMPDIR", tmp_.Path()}, {"USERPROFILE", tmp_.Sub("home")}});
    EXPECT_TRUE(vt_test::ListNames(tmp_.Path()).empty());
    return r;
  }
  vt_test::TempFolder tmp_;
};

Lines ArgError(const std::string& msg) { return {"参数错误：" + msg, "使用 /? 查看帮助。"}; }

// Standard error as lines. Without /out the report would go to standard
// output, so argument errors go to standard error and leave it empty.
Lines ErrLines(const vt_test::RunResult& r) {
  EXPECT_EQ(r.Out, "");
  vt_test::RunResult e;
  e.Out = r.Err;
  return e.Lines();
}

}  // namespace

TEST_F(CliTest, HelpTextLineByLine) {
  const Lines expected = {
      "Visitrail v1.1.4 — 浏览器访问记录收集与报告工具",
      "",
      "用法：Visitrail.exe [选项]",
      "",
      "  /src:auto|all|列表   数据源（chrome,edge,firefox,ie,qq,360se,...），默认 auto",
      "  /days:N              最近 N 天；0 表示全部历史（默认 0）",
      "  /from:YYYY-MM-DD     起始日期（含当天）",
      "  /to:YYYY-MM-DD       结束日期（含当天）",
      "  /out:<路径>          报告输出文件或目录（.html/.json/.csv/.jsonl）；不指定时报告内容",
      "                       直接打印到标准输出",
      "  /format:html|json|csv|jsonl 输出格式，默认 html；jsonl 每行一条记录，供多台计算机汇总",
      "  /machine:<名称>      jsonl 记录中的计算机名，默认本机名称",
      "  /title:<文本>        报告标题",
      "  /user:current|all    扫描范围（all 需管理员权限），默认 current",
      "  /include:<关键词>    仅保留 URL/标题包含该词的记录（可重复）",
      "  /exclude:<域名>      排除域名，支持 *.example.com（可重复）",
      "  /limit:N             明细最多输出 N 条（统计仍按全集）",
      "  /privacy             网址脱敏（去掉查询参数）",
      "  /open                生成后自动打开报告（未指定 /out 时写入临时文件夹）",
      "  /quiet               静默模式，仅输出错误",
      "  /log:<文件>          写入运行日志",
      "  /in:<文件或文件夹>   读取 jsonl 导出（文件夹：其中全部 .jsonl）代替浏览器，可重复",
      "  /list                仅列出探测到的数据源，不采集",
      "  /?  /help            显示本帮助",
      "  /version             显示版本",
      "",
      "示例：",
      "  Visitrail.exe /open",
      "  Visitrail.exe /user:all /days:30 /open",
      "  Visitrail.exe /src:chrome,edge,firefox /from:2026-11-01 /to:2026-11-18",
      "  Visitrail.exe /list",
      "",
      "退出码：0 成功 1 参数错误 2 无数据 3 数据源全部失败 4 写报告失败 5 内部错误",
      "",
      kMakerLine,
      std::string("官网：") + kHomepage,
  };
  for (const char* opt : {"/?", "/help", "-HELP", "-h", "-?", "--help"}) {
    auto r = Run({opt});
    EXPECT_EQ(r.ExitCode, 0) << opt;
    EXPECT_EQ(r.Lines(), expected) << opt;
  }
  // Help together with other valid options still only prints the help.
  auto r = Run({"/days:3", "/?", "/out:x.html"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Lines(), expected);
}

TEST_F(CliTest, VersionEndsAtOnce) {
  const Lines expected = {"Visitrail 1.1.4 (build 2026-11-19)", kMakerLine, kHomepage};
  auto r = Run({"/version"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Lines(), expected);

  // Later arguments are never examined.
  r = Run({"/VERSION", "/nope", "/days:x"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Lines(), expected);

  r = Run({"--version"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Lines(), expected);

  r = Run({"/nope", "/version"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(ErrLines(r), ArgError("未知选项：/nope"));
}

TEST_F(CliTest, ArgumentErrorsPrintTwoLinesAndEndWithOne) {
  const std::vector<std::pair<Lines, std::string>> cases = {
      {{"days:7"}, "无法识别的参数：days:7"},
      {{"/:x"}, "无法识别的参数：/:x"},
      {{""}, "无法识别的参数："},
      {{"-Bogus"}, "未知选项：/bogus"},
      {{"/days:abc"}, "/days 必须是不小于 0 的整数"},
      {{"/days:-1", "/user:x"}, "/days 必须是不小于 0 的整数"},
      {{"/user: all"}, "/user 只能是 current 或 all"},
      {{"/format:pdf", "/?"}, "/format 只能是 html、json、csv 或 jsonl"},
      {{"/from:2026-11-02", "/to:2026-11-01"}, "/from 不能晚于 /to"},
      {{"/from:2026-02-30"}, "/from 日期格式应为 YYYY-MM-DD"},
      {{"/to:1969-12-31"}, "/to 日期格式应为 YYYY-MM-DD"},
      {{"/from:2026-11-01 10:00"}, "/from 日期格式应为 YYYY-MM-DD"},
      // The worker form only counts as argument 1 of at least three
      // (the program path included).
      {{"/worker:dump"}, "未知选项：/worker"},
      {{"/days:1", "/worker:dump", "a", "b"}, "未知选项：/worker"},
  };
  for (const auto& c : cases) {
    auto r = Run(c.first);
    EXPECT_EQ(r.ExitCode, 1) << c.second;
    EXPECT_EQ(ErrLines(r), ArgError(c.second));
  }
  // With /out (or /open) the report goes to a file and the lines stay on
  // standard output, where the rest of such a run prints.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"/out:r.html", "/days:x"}, {"/days:x", "/open"}}) {
    auto r = Run(args);
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_EQ(r.Lines(), ArgError("/days 必须是不小于 0 的整数"));
    EXPECT_EQ(r.Err, "");
  }
}

TEST_F(CliTest, WorkerCommandLineIsNotParsedAsOptions) {
  const std::string snap = tmp_.Sub("no_such_snapshot");
  const std::string out = tmp_.Sub("no_such_dir/result.tsv");
  for (const char* first : {"/worker:dump", "/WORKER:Dump"}) {
    auto r = RunVisitrail({first, snap, out}, {{"USERPROFILE", tmp_.Sub("home")}});
    // The worker fails on a missing snapshot; it never reaches option parsing
    // nor prints the banner.
    EXPECT_EQ(r.ExitCode, 1) << first;
    EXPECT_EQ(r.Out.find("参数错误"), std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.find("Visitrail v"), std::string::npos) << r.Out;
  }
}
