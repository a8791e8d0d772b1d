// The JSON report and the source-list document.
#include <gtest/gtest.h>

#include <cstdio>

#include "TestSupport.h"
#include "test_uReport_helpers.h"
#include "uPlatform.h"
#include "uUtil.h"

using namespace report_test;

namespace {

const std::vector<std::string> kReportKeys = {
    "tool",    "version", "build",   "generated", "title", "range", "scope",
    "stats",   "truncated", "shown", "sources",   "heat",  "days",  "domains",
    "pages",   "keywords", "cats",   "browsers",  "records", "downloads"};

std::string Report(const THistoryList& list, int32_t limit, const std::string& title = "T") {
  TAnalyzer a;
  a.Analyze(list);
  TReportOptions opts;
  opts.Title = title;
  opts.RangeText = "全部历史";
  opts.ScopeText = "当前用户 a";
  opts.MaxRecords = limit;
  return BuildJsonReport(a, list, TSourceList(), opts);
}

}  // namespace

TEST(uReportJson, NoVisits) {
  std::string doc = Report(THistoryList(), 0);
  std::vector<std::string> keys;
  ASSERT_TRUE(IsJson(doc, &keys)) << doc;
  EXPECT_EQ(keys, kReportKeys);
  EXPECT_EQ(doc.rfind("{\"tool\":\"Visitrail\",\"version\":\"1.1.4\",\"build\":\"2026-11-19\",", 0),
            0u);
  EXPECT_EQ(MemberText(doc, "stats"),
            "{\"total\":0,\"uniqueUrl\":0,\"uniqueDomain\":0,\"activeDays\":0,\"peak\":\"\","
            "\"first\":\"\",\"last\":\"\"}");
  EXPECT_NE(doc.find("},\"truncated\":false,\"shown\":0,\"sources\":[],\"heat\":["),
            std::string::npos);
  EXPECT_EQ(MemberText(doc, "days"), "[]");
  // Without downloads the document gains only an empty "downloads".
  EXPECT_EQ(doc.substr(doc.size() - 29), ",\"records\":[],\"downloads\":[]}");
  // "generated" is the local time to the second.
  std::string generated = MemberText(doc, "generated");
  EXPECT_EQ(generated.size(), 21u) << generated;
}

TEST(uReportJson, StatsAndRecordObjects) {
  const int64_t t = 1700000000;
  THistoryList list;
  list.Add(Visit("say \"hi\"\nnow</script>", "https://a.example/x", t, "Edge", "Work \\ 1"));
  list.Add(Visit("", "https://b.example/", t - 86400 * 3));
  std::string doc = Report(list, 0);
  ASSERT_TRUE(IsJson(doc)) << doc;
  TAnalyzer a;
  a.Analyze(list);
  EXPECT_EQ(MemberText(doc, "stats"),
            "{\"total\":2,\"uniqueUrl\":2,\"uniqueDomain\":2,\"activeDays\":" +
                std::to_string(a.ActiveDays()) + ",\"peak\":\"" + PeakText(a) +
                "\",\"first\":\"" + MinuteText(t - 86400 * 3) + "\",\"last\":\"" +
                MinuteText(t) + "\"}");
  EXPECT_FALSE(PeakText(a).empty());
  EXPECT_EQ(MinuteText(t), FormatMinute(UnixToLocal(t)));
  EXPECT_EQ(MinuteText(0), "");
  EXPECT_EQ(MinuteText(-60), "");
  // No "</" treatment in the JSON report: it never sits in a page.
  EXPECT_EQ(MemberText(doc, "records"),
            "[{\"time\":\"" + UnixToText(t) + "\",\"ts\":1700000000,\"browser\":\"Edge\","
            "\"profile\":\"Work \\\\ 1\",\"title\":\"say \\\"hi\\\"\\nnow</script>\","
            "\"url\":\"https://a.example/x\"},"
            "{\"time\":\"" + UnixToText(t - 86400 * 3) + "\",\"ts\":1699740800,"
            "\"browser\":\"Chrome\",\"profile\":\"Default\",\"title\":\"\","
            "\"url\":\"https://b.example/\"}]");
}

TEST(uReportJson, NonPositiveTimes) {
  THistoryList list;
  list.Add(Visit("z", "https://z.example/", 0));
  list.Add(Visit("n", "https://n.example/", -5));
  std::string doc = Report(list, 0);
  ASSERT_TRUE(IsJson(doc)) << doc;
  EXPECT_NE(doc.find("{\"time\":\"\",\"ts\":0,"), std::string::npos);
  EXPECT_NE(doc.find("{\"time\":\"\",\"ts\":-5,"), std::string::npos);
  EXPECT_NE(doc.find("\"truncated\":false,\"shown\":2,"), std::string::npos);
  EXPECT_NE(doc.find("\"total\":0,"), std::string::npos);
}

TEST(uReportJson, Sampling) {
  THistoryList list = NumberedVisits(10);
  auto check = [&](int32_t limit, const char* truncatedShown, const std::string& titles) {
    std::string doc = Report(list, limit);
    ASSERT_TRUE(IsJson(doc)) << limit;
    EXPECT_NE(doc.find(truncatedShown), std::string::npos) << limit;
    std::string got;
    for (int i = 0; i < 10; ++i)
      if (doc.find("\"title\":\"t" + std::to_string(i) + "\"") != std::string::npos)
        got += std::to_string(i);
    EXPECT_EQ(got, titles) << limit;
    // Statistics still cover every visit.
    EXPECT_NE(doc.find("\"stats\":{\"total\":10,"), std::string::npos) << limit;
  };
  check(4, "\"truncated\":true,\"shown\":4,", "0369");
  check(6, "\"truncated\":true,\"shown\":5,", "02468");
  check(3, "\"truncated\":true,\"shown\":3,", "048");
  for (int32_t all : {10, 11, 0, -3}) check(all, "\"truncated\":false,\"shown\":10,", "0123456789");
}

TEST(uReportJson, ValidForAParserToo) {
  // A real JSON reader agrees with the test's own checker on a hostile input.
  FILE* probe = popen("python3 -c 'import json' 2>/dev/null", "r");
  if (!probe || pclose(probe) != 0) GTEST_SKIP() << "python3 is not available";
  THistoryList list;
  std::string nasty = "q\"\\/\b\f\n\r\t\x01\x1f\x7f 中文 😀 </ <!-- ]]> }{";
  for (int i = 0; i < 50; ++i)
    list.Add(Visit(nasty + std::to_string(i), "https://e.example/" + nasty, 1700000000 - i * 5000,
                   nasty, nasty));
  std::string doc = Report(list, 20, nasty);
  ASSERT_TRUE(IsJson(doc));
  vt_test::TempFolder tmp;
  vt_test::WriteFile(tmp.Sub("r.json"), doc);
  std::string cmd = "python3 -c 'import json,sys; d=json.load(open(sys.argv[1], encoding=\"utf-8\"));"
                    " assert d[\"shown\"] == len(d[\"records\"]) == 17; assert d[\"title\"] == "
                    "d[\"records\"][0][\"browser\"]' " + tmp.Sub("r.json");
  EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST(uReportJson, SourceListDocument) {
  std::string doc = BuildSourceListJson(TSourceList());
  std::vector<std::string> keys;
  ASSERT_TRUE(IsJson(doc, &keys)) << doc;
  EXPECT_EQ(keys, (std::vector<std::string>{"tool", "version", "build", "generated", "sources"}));
  EXPECT_EQ(doc.substr(doc.size() - 14), ",\"sources\":[]}");
  TSourceList one;
  TSourceInfo s;
  s.BrowserName = "Firefox";
  s.Status = ssNotFound;
  one.Add(s);
  doc = BuildSourceListJson(one);
  EXPECT_TRUE(IsJson(doc)) << doc;
  EXPECT_NE(doc.find(",\"sources\":" + SourcesJson(one) + "}"), std::string::npos);
}

TEST(uReportJson, WriteCreatesFoldersAndReportsFailures) {
  vt_test::TempFolder tmp;
  std::string err = "stale";
  ASSERT_TRUE(WriteJsonReport(tmp.Sub("x/y/r.json"), "{\"a\":\"中\"}", err)) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(vt_test::ReadFile(tmp.Sub("x/y/r.json")), "{\"a\":\"中\"}");

  vt_test::WriteFile(tmp.Sub("plain"), "x");
  EXPECT_FALSE(WriteJsonReport(tmp.Sub("plain/r.json"), "{}", err));
  EXPECT_EQ(err.rfind("写入 JSON 报告失败：", 0), 0u) << err;

  if (plat::FileExists("/dev/full")) {
    std::string big(1 << 20, 'x');
    EXPECT_FALSE(WriteJsonReport("/dev/full", big, err));
    EXPECT_EQ(err.rfind("写入 JSON 报告失败：", 0), 0u) << err;
    EXPECT_FALSE(WriteJsonReport("/dev/full", "{}", err));  // fails only when flushed
    EXPECT_EQ(err.rfind("写入 JSON 报告失败：", 0), 0u) << err;
  }
}

namespace {

// The report text with its "generated" time (the one part two builds may
// not share) blanked.
std::string WithoutGenerated(std::string text) {
  const std::string key = "\"generated\":\"";
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
    const size_t from = at + key.size();
    text.erase(from, text.find('"', from) - from);
  }
  return text;
}

// Enough visits for several chunks of the streaming writers, with texts
// that need escaping and one that has to be defused inside the page.
THistoryList ManyVisits() {
  THistoryList list;
  for (int i = 0; i < 30000; ++i)
    list.Add(Visit(i % 7 == 0 ? "say \"hi\"</script><!--" + std::to_string(i) : "标题 " +
                   std::to_string(i % 100), "https://e" + std::to_string(i % 50) +
                   ".example/</x>?i=" + std::to_string(i), 1700000000 - i * 60,
                   i % 3 ? "Chrome" : "Edge\\\"", i % 2 ? "a\\Default" : "b\\Profile 1"));
  return list;
}

}  // namespace

TEST(uReportJson, StreamedFileHoldsTheBuiltText) {
  vt_test::TempFolder tmp;
  const THistoryList list = ManyVisits();
  TAnalyzer a;
  a.Analyze(list);
  TReportOptions opts;
  opts.Title = "流式";
  for (int32_t limit : {0, 777}) {
    opts.MaxRecords = limit;
    const std::string built = BuildJsonReport(a, list, TSourceList(), opts);
    if (limit == 0) {
      ASSERT_GT(built.size(), 3u << 20) << "several chunks";
    }
    std::string err = "stale";
    ASSERT_TRUE(WriteJsonReportFile(tmp.Sub("d/r.json"), a, list, TSourceList(), opts, err));
    EXPECT_EQ(err, "");
    EXPECT_TRUE(WithoutGenerated(vt_test::ReadFile(tmp.Sub("d/r.json"))) ==
                WithoutGenerated(built))
        << "limit " << limit;
  }

  std::string err;
  vt_test::WriteFile(tmp.Sub("plain"), "x");
  EXPECT_FALSE(WriteJsonReportFile(tmp.Sub("plain/r.json"), a, list, TSourceList(), opts, err));
  EXPECT_EQ(err.rfind("写入 JSON 报告失败：", 0), 0u) << err;
  if (plat::FileExists("/dev/full")) {
    EXPECT_FALSE(WriteJsonReportFile("/dev/full", a, list, TSourceList(), opts, err));
    EXPECT_EQ(err.rfind("写入 JSON 报告失败：", 0), 0u) << err;
  }
}

TEST(uReportHtml, StreamedPageHoldsTheBuiltPage) {
  vt_test::TempFolder tmp;
  const THistoryList list = ManyVisits();
  TAnalyzer a;
  a.Analyze(list);
  TReportOptions opts;
  opts.Title = "流式 <页面>";
  std::string html, err;
  BuildHtmlReport(a, list, TSourceList(), opts, html, err);
  ASSERT_GT(html.size(), 2u << 20) << err;
  // Every "</" of the data was defused, chunk borders or not.
  const size_t data = html.find("{\"title\":");
  ASSERT_NE(data, std::string::npos);
  EXPECT_EQ(html.find("</x>", data), std::string::npos);
  EXPECT_EQ(html.find("<!--", data), std::string::npos);
  ASSERT_TRUE(WriteHtmlReport(tmp.Sub("r.html"), a, list, TSourceList(), opts, err)) << err;
  EXPECT_TRUE(WithoutGenerated(vt_test::ReadFile(tmp.Sub("r.html"))) == WithoutGenerated(html));
}

TEST(uReportJson, EveryControlByteAtEveryPositionStaysValid) {
  // Each of the bytes 0x01 to 0x1F at each position of addresses and titles
  // of 1 to 20 bytes: escaping that works in steps of several bytes, or
  // treats the first or last byte of a text apart, fails somewhere here.
  THistoryList list;
  int64_t t = 1700000000;
  for (int c = 0x01; c <= 0x1F; ++c) {
    for (size_t len = 1; len <= 20; ++len) {
      for (size_t pos = 0; pos < len; ++pos) {
        std::string text(len, 'a');
        text[pos] = static_cast<char>(c);
        list.Add(Visit(text, "https://e.example/" + text, t--));
        list.Add(Visit("t", text, t--));  // the whole address, not only its tail
      }
    }
  }
  const std::string doc = Report(list, 0);
  ASSERT_TRUE(IsJson(doc));
  for (unsigned char ch : doc) ASSERT_GE(ch, 0x20) << "a raw control byte in the report";
}

TEST(uReportJson, LongAddressesAreEscapedWholeAcrossThePiecesTheyGoIn) {
  // A record's texts are escaped into the lane's buffer a piece of 16 KB at
  // a time: bytes to escape on either side of a piece's end, and an address
  // far longer than the buffer, come out as the whole text escaped at once.
  std::string url = "https://e.example/";
  while (url.size() < 200000) url += "x\"y\\z\x01/中文";
  for (size_t at : {16383u, 16384u, 16385u, 32767u, 65535u, 65536u}) url[at] = '"';
  url[49151] = '\n';
  THistoryList list;
  list.Add(Visit("标题 \"引号\"", url, 1700000000));
  list.Add(Visit("短", "https://e.example/short", 1699999999));
  const std::string doc = Report(list, 0);
  ASSERT_TRUE(IsJson(doc));
  EXPECT_NE(doc.find("\"" + JsonEscape(url) + "\""), std::string::npos);
  EXPECT_NE(doc.find(JsonEscape("标题 \"引号\"")), std::string::npos);
  EXPECT_NE(doc.find("https://e.example/short"), std::string::npos);
}
