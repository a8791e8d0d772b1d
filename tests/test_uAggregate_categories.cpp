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
      EXPECT_EQ(p.find_first_of(" /?"), std::string::npos) << p;  // host text only
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
  // Only the host decides: a search for a video site stays a search, and a
  // path or query naming a mail or news site changes nothing.
  EXPECT_EQ(cat("https://www.bing.com/search?q=youtube.com"), "搜索引擎");
  EXPECT_EQ(cat("https://example.org/login?next=mail.example.org"), "其他");
  EXPECT_EQ(cat("https://example.org/news.html"), "其他");
  // Letter case does not matter.
  EXPECT_EQ(CategoryOf("GITHUB.COM", "HTTPS://GITHUB.COM/X"), "开发技术");
  EXPECT_EQ(CategoryOf("example.org", "HTTPS://EXAMPLE.ORG/?Q=YOUTUBE.COM"), "其他");
}

// The most specific part of the host decides: the match starting furthest
// left, so a sub-site pattern beats its parent site's shorter pattern.
TEST(Categories, LeftmostLabelDecides) {
  auto cat = [](const std::string& host) {
    return CategoryOf(RegistrableDomain(host), "https://" + host + "/x?q=1");
  };
  EXPECT_EQ(cat("mail.google.com"), "邮箱");
  EXPECT_EQ(cat("drive.google.com"), "网盘");
  EXPECT_EQ(cat("pan.baidu.com"), "网盘");
  EXPECT_EQ(cat("tieba.baidu.com"), "社交");
  EXPECT_EQ(cat("news.google.com"), "新闻资讯");
  EXPECT_EQ(cat("mail.163.com"), "邮箱");
  EXPECT_EQ(cat("mail.sina.com.cn"), "邮箱");
  EXPECT_EQ(cat("mail.qq.com"), "邮箱");
  EXPECT_EQ(cat("www.163.com"), "新闻资讯");
  EXPECT_EQ(cat("news.sina.com.cn"), "新闻资讯");
  EXPECT_EQ(cat("www.google.com"), "搜索引擎");
  EXPECT_EQ(cat("www.baidu.com"), "搜索引擎");
  EXPECT_EQ(cat("v.qq.com"), "视频");
  EXPECT_EQ(cat("weixin.qq.com"), "社交");
  EXPECT_EQ(cat("www.qq.com"), "其他");
  EXPECT_EQ(cat("x.com"), "社交");
  EXPECT_EQ(cat("t.me"), "社交");
  EXPECT_EQ(cat("docs.python.org"), "开发技术");  // a bare word is a whole label
  EXPECT_EQ(cat("www.ixigua.com"), "视频");
}

// Fragments match whole labels only: a site whose name merely ends or
// begins with another site's fragment is not that site.
TEST(Categories, LabelBoundaries) {
  auto cat = [](const std::string& host) {
    return CategoryOf(RegistrableDomain(host), "https://" + host + "/");
  };
  EXPECT_EQ(cat("www.dropbox.com"), "网盘");  // not "x.com"
  for (const char* h : {"www.xbox.com", "www.fedex.com", "www.wix.com"})
    EXPECT_EQ(cat(h), "其他") << h;
  EXPECT_EQ(cat("espresso.com"), "其他");       // not "so.com"
  EXPECT_EQ(cat("mygoogle.com"), "其他");       // not "google."
  EXPECT_EQ(cat("python3.example.com"), "其他");  // not the bare word "python"

  EXPECT_TRUE(HostHasLabels("www.google.co.uk", "google."));
  EXPECT_TRUE(HostHasLabels("so.com", "so.com"));
  EXPECT_TRUE(HostHasLabels("www.so.com", "so.com"));
  EXPECT_FALSE(HostHasLabels("espresso.com", "so.com"));
  EXPECT_FALSE(HostHasLabels("so.com.", "so.co"));
  EXPECT_FALSE(HostHasLabels("google", "google."));
  EXPECT_FALSE(HostHasLabels("", "a"));
  EXPECT_FALSE(HostHasLabels("a.b", ""));
  EXPECT_TRUE(MatchAny("MAIL.Example.org", {"x.", "mail."}));
  EXPECT_FALSE(MatchAny("gmail.com", {"mail."}));
}

// Deciding by the host alone must give what trying every fragment at every
// label start gives, over hosts built from the fragments themselves.
TEST(Categories, IndexAgreesWithPlainSearch) {
  std::vector<std::string> pieces;
  for (const auto& list : SitePatternLists())
    for (const auto& p : list.Patterns) {
      pieces.push_back(p);
      pieces.push_back(p.substr(1));
      pieces.push_back(UpperAscii(p.substr(0, p.size() / 2)));
    }
  const std::string filler[] = {"a", ".", "-", "0", "x.", "com"};
  std::mt19937 rng(11);
  for (int i = 0; i < 20000; ++i) {
    std::string host;
    for (int k = 1 + rng() % 3; k > 0; --k)
      host += pieces[rng() % pieces.size()] + filler[rng() % 6];
    const std::string lower = LowerAscii(host);
    std::string domain = RegistrableDomain(lower);
    if (domain.empty()) domain = kLocalDomain;
    int expect = kCatOther;
    if (IsIntranetHost(domain)) {
      expect = kCatIntranet;
    } else {
      size_t bestPos = std::string::npos, bestLen = 0;
      for (const auto& list : SitePatternLists())
        for (const auto& p : list.Patterns)
          for (size_t pos = 0; pos < lower.size(); ++pos)
            if (MatchesLabelsAt(lower, pos, p)) {
              if (pos < bestPos || (pos == bestPos && p.size() > bestLen)) {
                bestPos = pos;
                bestLen = p.size();
                expect = list.Category;
              }
              break;
            }
    }
    ASSERT_EQ(CategoryIndexOf(domain, "https://" + host + "/p?q=mail.x"), expect) << host;
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
  // In two steps, a host's rule found once serving its addresses: no rule
  // (or one out of range) reads no search text.
  const int baidu = KeywordRuleOf("www.baidu.com");
  ASSERT_GE(baidu, 0);
  EXPECT_EQ(KeywordByRule(baidu, "https://www.baidu.com/s?word=b&wd=a"), "a");
  EXPECT_NE(KeywordRuleOf("www.google.com"), baidu);
  EXPECT_EQ(KeywordRuleOf("example.org"), -1);
  EXPECT_EQ(KeywordRuleOf(""), -1);
  EXPECT_EQ(KeywordByRule(-1, "https://www.baidu.com/s?wd=a"), "");
  EXPECT_EQ(KeywordByRule(1000, "https://www.baidu.com/s?wd=a"), "");
}

TEST(Keywords, RefusalsAndCut) {
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=https%3A%2F%2Fa.com"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=WWW.example.com"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.baidu.com/s?wd=www.a.com&word=fallback"), "fallback");
  EXPECT_EQ(ExtractKeywordText("https://www.google.com/search?q=a+www.b"), "a www.b");
  EXPECT_EQ(ExtractKeywordText("https://example.org/find?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.ecosia.org/search?q=x"), "");
  // Engine hosts match whole labels, as the site categories do.
  EXPECT_EQ(ExtractKeywordText("https://espresso.com/search?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://mygoogle.com/search?q=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://notbaidu.com/s?wd=x"), "");
  EXPECT_EQ(ExtractKeywordText("https://www.google.de/search?q=x"), "x");
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
