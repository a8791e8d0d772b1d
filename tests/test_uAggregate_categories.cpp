// Site categories, intranet hosts and search keywords.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "test_uAggregate.h"

using namespace agg_test;

TEST(Categories, TablesAndPatternLists) {
  EXPECT_EQ(CategoryColor("搜索引擎"), "#4c8bf5");
  EXPECT_EQ(CategoryColor("网盘"), "#d6409f");
  EXPECT_EQ(CategoryColor("其他"), "#7c8798");
  EXPECT_EQ(CategoryColor("内网/局域网"), "#b45309");
  EXPECT_EQ(CategoryColor("unknown"), "#b45309");
  EXPECT_EQ(CategoryColor("其他 "), "#b45309");
  EXPECT_EQ(WeekdayName(0), "周日");
  EXPECT_EQ(WeekdayName(6), "周六");
  EXPECT_EQ(WeekdayName(7), "");
  EXPECT_EQ(WeekdayName(-1), "");

  const auto& lists = SitePatternLists();
  const size_t sizes[] = {12, 14, 15, 13, 17, 14, 8, 9};
  ASSERT_EQ(lists.size(), 8u);
  size_t total = 0;
  for (size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(lists[i].Category, static_cast<int>(i));  // tried in table order
    EXPECT_EQ(lists[i].Patterns.size(), sizes[i]) << CategoryNames[i];
    std::set<std::string> seen;
    for (const auto& p : lists[i].Patterns) {
      EXPECT_EQ(p, LowerAscii(p));
      // The test text joins domain and address with a space; a fragment
      // with a space could match across the two.
      EXPECT_EQ(p.find(' '), std::string::npos) << p;
      EXPECT_TRUE(seen.insert(p).second) << p;
    }
    total += lists[i].Patterns.size();
  }
  EXPECT_EQ(total, 102u);
}

TEST(Categories, RepresentativeSitesAndOrder) {
  auto cat = [](const std::string& url) {
    std::string d = RegistrableDomain(ExtractHost(url));
    return CategoryOf(d.empty() ? kLocalDomain : d, url);
  };
  EXPECT_EQ(cat("https://www.google.com.hk/search?q=a"), "搜索引擎");
  EXPECT_EQ(cat("https://www.bilibili.com/video/BV1"), "视频");
  EXPECT_EQ(cat("https://www.zhihu.com/question/1"), "社交");
  EXPECT_EQ(cat("https://item.taobao.com/item.htm?id=1"), "购物");
  EXPECT_EQ(cat("https://github.com/a/b"), "开发技术");
  EXPECT_EQ(cat("https://www.thepaper.cn/newsDetail"), "新闻资讯");
  EXPECT_EQ(cat("https://outlook.live.com/mail/0/"), "邮箱");
  EXPECT_EQ(cat("https://www.weiyun.com/disk"), "网盘");
  EXPECT_EQ(cat("https://example.org/"), "其他");
  EXPECT_EQ(cat("file:///C:/x.html"), "内网/局域网");
  EXPECT_EQ(cat("about:blank"), "内网/局域网");
  EXPECT_EQ(cat("chrome://settings/"), "内网/局域网");
  // First list wins: a search for a video site stays a search.
  EXPECT_EQ(cat("https://www.bing.com/search?q=youtube.com"), "搜索引擎");
  // The address is part of the test text: "mail." in the query.
  EXPECT_EQ(cat("https://example.org/login?next=mail.example.org"), "邮箱");
  // A sub-site pattern behind an earlier, shorter one keeps the earlier list.
  EXPECT_EQ(cat("https://tieba.baidu.com/f?kw=x"), "搜索引擎");
  // Letter case does not matter.
  EXPECT_EQ(CategoryOf("GITHUB.COM", "HTTPS://GITHUB.COM/X"), "开发技术");
  EXPECT_EQ(CategoryOf("example.org", "HTTPS://EXAMPLE.ORG/?Q=YOUTUBE.COM"), "视频");
}

// One pass over the text must give what trying the lists one by one gives.
TEST(Categories, AutomatonAgreesWithListByList) {
  std::vector<std::string> pieces;
  for (const auto& list : SitePatternLists())
    for (const auto& p : list.Patterns) {
      pieces.push_back(p);
      pieces.push_back(UpperAscii(p.substr(0, p.size() / 2)));
      pieces.push_back(p.substr(1));
    }
  const std::string filler[] = {"a", ".", "/", "?q=", "中", "x", "-", "0", " "};
  std::mt19937 rng(11);
  for (int i = 0; i < 20000; ++i) {
    std::string domain, url = "https://";
    for (int k = rng() % 3; k > 0; --k) domain += pieces[rng() % pieces.size()];
    domain += filler[rng() % 9];
    for (int k = rng() % 5; k > 0; --k)
      url += pieces[rng() % pieces.size()] + filler[rng() % 9];
    int expect = kCatOther;
    if (IsIntranetHost(domain)) {
      expect = kCatIntranet;
    } else {
      for (const auto& list : SitePatternLists())
        if (MatchAny(domain, url, list.Patterns)) {
          expect = list.Category;
          break;
        }
    }
    ASSERT_EQ(CategoryIndexOf(domain, url), expect) << domain << " | " << url;
  }
}

TEST(Categories, IntranetHosts) {
  for (const char* h : {"(本地/其他)", "router", "nas.local", "printer.localdomain", "box.lan",
                        "svc.internal", "intra.corp", "10.1.2.3", "127.0.0.1", "192.168.1.10",
                        "169.254.0.5", "172.16.0.1", "172.25.0.1", "172.31.255.1", " 10.0.0.1 ",
                        "NAS.LOCAL"})
    EXPECT_TRUE(IsIntranetHost(h)) << h;
  for (const char* h : {"", "   ", "example.com", "172.15.0.1", "172.32.0.1", "172.217.1.1",
                        "172.2.3.4", "172.250.0.1", "203.0.113.5", "10.1.2", "10.1.2.3.4",
                        "lan.example.com", "my.lanparty.com", "192.169.0.1"})
    EXPECT_FALSE(IsIntranetHost(h)) << h;
}

TEST(Keywords, EngineRulesAndParameterOrder) {
  EXPECT_EQ(ExtractKeywordText("https://www.baidu.com/s?ie=utf-8&wd=%E4%B8%AD%E6%96%87"), "中文");
  EXPECT_EQ(ExtractKeywordText("https://www.baidu.com/s?word=b"), "b");
  EXPECT_EQ(ExtractKeywordText("https://www.baidu.com/s?wd=&word=b"), "b");
  EXPECT_EQ(ExtractKeywordText("https://www.baidu.com/s?word=b&wd=a"), "a");
  EXPECT_EQ(ExtractKeywordText("https://m.baidu.com/s?q=zzz"), "");  // Baidu reads wd/word only
  EXPECT_EQ(ExtractKeywordText("https://www.sogou.com/web?query=s1"), "s1");
  EXPECT_EQ(ExtractKeywordText("https://www.sogou.com/web?keyword=s2"), "s2");
  EXPECT_EQ(ExtractKeywordText("https://yandex.ru/search/?text=y"), "y");
  EXPECT_EQ(ExtractKeywordText("https://search.yahoo.com/search?p=yh"), "yh");
  for (const char* host : {"www.google.com", "www.google.co.uk", "cn.bing.com", "www.so.com",
                           "duckduckgo.com", "m.sm.cn", "search.naver.com"})
    EXPECT_EQ(ExtractKeywordText(std::string("https://") + host + "/search?q=hello+world"),
              "hello world")
        << host;
  EXPECT_EQ(ExtractKeywordText("HTTPS://WWW.GOOGLE.COM/search?Q=Up"), "Up");
}

TEST(Keywords, RefusalsAndCut) {
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=https%3A%2F%2Fa.com"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=WWW.example.com"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.baidu.com/s?wd=www.a.com&word=fallback"), "fallback");
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=a+www.b"), "a www.b");
  EXPECT_EQ(ExtractKeywordText("https://example.org/find?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.ecosia.org/search?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://search.brave.com/search?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("www.google.com/search?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q="), "");

  const std::string a100(100, 'a');
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=" + a100), std::string(60, 'a'));
  // U+1F600 is two UTF-16 units; straddling the cut it is dropped whole.
  const std::string emoji = "%F0%9F%98%80";
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=" + std::string(59, 'a') + emoji),
            std::string(59, 'a'));
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=" + std::string(58, 'a') + emoji +
                               "b"),
            std::string(58, 'a') + "\xF0\x9F\x98\x80");
  // Chinese characters are one unit each.
  std::string zh, zhEsc;
  for (int i = 0; i < 70; ++i) {
    zh += "中";
    zhEsc += "%E4%B8%AD";
  }
  EXPECT_EQ(Utf16Length(ExtractKeywordText("https://www.baidu.com/s?wd=" + zhEsc)), 60u);
}

TEST(Keywords, CountedCaseInsensitivelyWithNewestSpelling) {
  THistoryList list;
  const int64_t t = kSunday;
  list.Add(Visit("https://www.google.com/search?q=Visitrail", t + 50));
  list.Add(Visit("https://www.bing.com/search?q=visitrail", t + 40));
  list.Add(Visit("https://www.google.com/search?q=" + std::string(60, 'k') + "one", t + 30));
  list.Add(Visit("https://www.google.com/search?q=" + std::string(60, 'k') + "two", t + 20));
  list.Add(Visit("https://example.org/?q=ignored", t + 10));
  list.Add(Visit("https://www.google.com/search?q=%22a%5Cb%22%0A", t + 5));
  TAnalyzer a;
  a.Analyze(list);
  EXPECT_EQ(a.KeywordsJson(12),
            "[[\"" + std::string(60, 'k') + "\",2],[\"Visitrail\",2],[\"\\\"a\\\\b\\\"\\n\",1]]");
  EXPECT_EQ(a.KeywordsJson(1), "[[\"" + std::string(60, 'k') + "\",2]]");
}
