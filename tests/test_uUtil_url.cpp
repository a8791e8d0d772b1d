// Host extraction, registrable domains, query parameters, wildcard matching
// and the include/exclude filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uUtil.h"

TEST(ExtractHost, AuthorityPartsAreRemoved) {
  EXPECT_EQ(ExtractHost("https://User:Pw@WWW.Example.COM:8443/p/a?q=1#f"), "www.example.com");
  EXPECT_EQ(ExtractHost("  http://example.com  "), "example.com");
  EXPECT_EQ(ExtractHost("example.com/path"), "");
  EXPECT_EQ(ExtractHost("about:blank"), "");
  EXPECT_EQ(ExtractHost("mailto:someone@example.com"), "");
  EXPECT_EQ(ExtractHost("https://"), "");
  EXPECT_EQ(ExtractHost("https://a.com?x=1"), "a.com");
  EXPECT_EQ(ExtractHost("https://a.com#top"), "a.com");
  EXPECT_EQ(ExtractHost("file:///C:/Users/x/a.html"), "");
  EXPECT_EQ(ExtractHost("http://中文.COM/x"), "中文.com");
}

TEST(ExtractHost, AtSignOutsideTheAuthorityIsNotUserInfo) {
  EXPECT_EQ(ExtractHost("https://a.com?mail=x@b.com"), "a.com");
  EXPECT_EQ(ExtractHost("https://a.com#x@b.com"), "a.com");
  EXPECT_EQ(ExtractHost("https://a.com/u/x@b.com"), "a.com");
  EXPECT_EQ(ExtractHost("https://me@a.com?mail=x@b.com"), "a.com");
  // Colons and brackets beyond the authority are no port and no literal.
  EXPECT_EQ(ExtractHost("https://A.com/p?t=12:30&m=x@y:1"), "a.com");
  EXPECT_EQ(ExtractHost("http://[::1]/x]:8@y"), "[::1]");
  EXPECT_EQ(ExtractHost("http://[::1/x]"), "[");
  EXPECT_EQ(ExtractHost("http://u@[fe80::2]:81?q=]"), "[fe80::2]");
}

TEST(ExtractHost, BracketedIPv6StaysWhole) {
  EXPECT_EQ(ExtractHost("http://[::1]/"), "[::1]");
  EXPECT_EQ(ExtractHost("http://[2001:DB8::1]:8080/x"), "[2001:db8::1]");
  EXPECT_EQ(ExtractHost("http://user@[fe80::2]?q"), "[fe80::2]");
  EXPECT_EQ(ExtractHost("http://127.0.0.1:8080"), "127.0.0.1");
  EXPECT_EQ(ExtractHost("http://[::1/x"), "[");  // unclosed: cut at the first colon
}

TEST(IsIPv4Host, DigitsAndExactlyThreeDots) {
  EXPECT_TRUE(IsIPv4Host("192.168.1.1"));
  EXPECT_TRUE(IsIPv4Host("1..2."));
  EXPECT_TRUE(IsIPv4Host("999.999.999.999"));
  EXPECT_FALSE(IsIPv4Host(""));
  EXPECT_FALSE(IsIPv4Host("1.2.3.4:80"));
  EXPECT_FALSE(IsIPv4Host("1.2.3.a"));
  EXPECT_FALSE(IsIPv4Host("1.2.3"));
  EXPECT_FALSE(IsIPv4Host("1.2.3.4.5"));
}

TEST(RegistrableDomain, TwoLevelSuffixesAndLabels) {
  EXPECT_EQ(RegistrableDomain(""), "");
  EXPECT_EQ(RegistrableDomain("news.sina.com.cn"), "sina.com.cn");
  EXPECT_EQ(RegistrableDomain("sina.com.cn"), "sina.com.cn");
  EXPECT_EQ(RegistrableDomain("www.baidu.com"), "baidu.com");
  EXPECT_EQ(RegistrableDomain("a.b.bbc.co.uk"), "bbc.co.uk");
  EXPECT_EQ(RegistrableDomain("Example.COM"), "Example.COM");  // two labels: as given
  EXPECT_EQ(RegistrableDomain("WWW.Example.COM"), "example.com");
  EXPECT_EQ(RegistrableDomain("localhost"), "localhost");
  EXPECT_EQ(RegistrableDomain("10.0.0.1"), "10.0.0.1");
  EXPECT_EQ(RegistrableDomain("www.example.com."), "com.");
  EXPECT_EQ(RegistrableDomain("\twww.example.com."), "com.");
  EXPECT_EQ(RegistrableDomain("a..b"), ".b");
  EXPECT_EQ(RegistrableDomain("a."), "a.");
  EXPECT_EQ(RegistrableDomain(".com.cn"), ".com.cn");
  EXPECT_EQ(RegistrableDomain("x.y.co.za"), "y.co.za");
  EXPECT_EQ(RegistrableDomain("x.y.co.ZA"), "y.co.za");
  EXPECT_EQ(RegistrableDomain("a.b.com.vn"), "b.com.vn");
  EXPECT_EQ(RegistrableDomain("a.b.gov.uk"), "gov.uk");  // not in the table
}

TEST(RegistrableDomain, InternationalHostsAndOddLabels) {
  EXPECT_EQ(RegistrableDomain("www.例子.中国"), "例子.中国");
  EXPECT_EQ(RegistrableDomain("www.例子。中国"), "www.例子。中国");  // ideographic stop: two labels
  EXPECT_EQ(RegistrableDomain("www.xn--fsqu00a.xn--fiqs8s"), "xn--fsqu00a.xn--fiqs8s");
  EXPECT_EQ(RegistrableDomain("www.ÄBC.com"), "Äbc.com");
  // Blanks end a label; a quoted label keeps its dots.
  EXPECT_EQ(RegistrableDomain("a b.com"), "b.com");
  EXPECT_EQ(RegistrableDomain("x.\"a.b\".com"), "a.b.com");
  EXPECT_EQ(RegistrableDomain("x.\"a\"\"b\".com"), "a\"b.com");
}

TEST(UrlDecode, EscapesPlusAndBrokenPercents) {
  EXPECT_EQ(UrlDecode(""), "");
  EXPECT_EQ(UrlDecode("%E4%b8%AD"), "中");
  EXPECT_EQ(UrlDecode("a+b%2Bc"), "a b+c");
  EXPECT_EQ(UrlDecode("100%"), "100%");
  EXPECT_EQ(UrlDecode("%4"), "%4");
  EXPECT_EQ(UrlDecode("%zz+x"), "%zz x");
  EXPECT_EQ(UrlDecode("%%41"), "%A");
  EXPECT_EQ(UrlDecode("%FF"), "\xEF\xBF\xBD");
  // Unescaped non-ASCII text survives as itself.
  EXPECT_EQ(UrlDecode("中文+%E5%AD%97"), "中文 字");
}

TEST(GetQueryParam, FirstMatchingPairDecoded) {
  EXPECT_EQ(GetQueryParam("https://www.baidu.com/s?ie=utf-8&wd=%E4%B8%AD#top", "wd"), "中");
  EXPECT_EQ(GetQueryParam("https://s.com/?q=one&q=two", "q"), "one");
  EXPECT_EQ(GetQueryParam("https://s.com/?Q=up", "q"), "up");
  EXPECT_EQ(GetQueryParam("https://s.com/?q=a+b", "Q"), "a b");
  EXPECT_EQ(GetQueryParam("https://s.com/search", "q"), "");
  EXPECT_EQ(GetQueryParam("https://s.com/?q=&q=late", "q"), "");
  EXPECT_EQ(GetQueryParam("https://s.com/?q&x=1", "q"), "");
  EXPECT_EQ(GetQueryParam("https://s.com/?x=1#q=2", "q"), "");
  EXPECT_EQ(GetQueryParam("https://s.com/?&&k%65y=v=w&", "key"), "v=w");
  EXPECT_EQ(GetQueryParam("https://s.com/?wd=中文", "wd"), "中文");
}

TEST(UrlHelpers, SchemesAndStripping) {
  EXPECT_TRUE(IsWebUrl("  HTTPS://x"));
  EXPECT_TRUE(IsWebUrl("ftp://x"));
  EXPECT_TRUE(IsWebUrl("file:///C:/a"));
  EXPECT_FALSE(IsWebUrl("about:blank"));
  EXPECT_FALSE(IsWebUrl("chrome-extension://abc"));
  EXPECT_FALSE(IsWebUrl("http:/x"));

  EXPECT_EQ(StripQuery("https://a.com/p?x=1#f"), "https://a.com/p");
  EXPECT_EQ(StripQuery("https://a.com/p#f"), "https://a.com/p#f");
  EXPECT_EQ(StripQuery("https://a.com/p"), "https://a.com/p");
}

TEST(WildcardMatch, StarsQuestionMarksAndBacktracking) {
  EXPECT_TRUE(WildcardMatch("*.b.c", "a.b.c"));
  EXPECT_TRUE(WildcardMatch("*.b.c", "x.a.b.c"));
  EXPECT_FALSE(WildcardMatch("*.b.c", "b.c"));
  EXPECT_TRUE(WildcardMatch("b.c", "B.C"));
  EXPECT_FALSE(WildcardMatch("b.c", "ab.c"));
  EXPECT_FALSE(WildcardMatch("f?o*", "fo"));
  EXPECT_TRUE(WildcardMatch("f?o*", "fxo"));
  EXPECT_TRUE(WildcardMatch("", ""));
  EXPECT_FALSE(WildcardMatch("", "a"));
  EXPECT_TRUE(WildcardMatch("*", ""));
  EXPECT_TRUE(WildcardMatch("*", "anything"));
  EXPECT_TRUE(WildcardMatch("**", "x"));
  // Needs to give back characters the star took: "*ab" against "aab".
  EXPECT_TRUE(WildcardMatch("*ab", "aab"));
  EXPECT_TRUE(WildcardMatch("a*b*c", "axxbyybzc"));
  EXPECT_FALSE(WildcardMatch("a*b*c", "axxbyyb"));
  EXPECT_TRUE(WildcardMatch("*a*a*a*b", "aaaaaaaaaaaaaaaaaaaab"));
  EXPECT_FALSE(WildcardMatch("*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaa"));
  // "?" is one UTF-16 unit: one for 中, two for a surrogate pair.
  EXPECT_TRUE(WildcardMatch("?.cn", "中.cn"));
  EXPECT_FALSE(WildcardMatch("?.cn", "\xF0\x9F\x98\x80.cn"));
  EXPECT_TRUE(WildcardMatch("??.cn", "\xF0\x9F\x98\x80.cn"));
  EXPECT_FALSE(WildcardMatch("ä", "Ä"));  // only ASCII case is ignored
}

TEST(VisitPassesFilters, IncludeItemsAndExcludedHosts) {
  const std::string url = "https://News.Example.com/Sport?id=1";
  EXPECT_TRUE(VisitPassesFilters(nullptr, nullptr, url, "t"));
  const std::vector<std::string> none;
  EXPECT_TRUE(VisitPassesFilters(&none, &none, url, "t"));

  const std::vector<std::string> sport = {"SPORT"};
  const std::vector<std::string> weather = {"weather"};
  const std::vector<std::string> titled = {"zzz", "球赛"};
  const std::vector<std::string> empty = {""};
  EXPECT_TRUE(VisitPassesFilters(&sport, nullptr, url, ""));
  EXPECT_FALSE(VisitPassesFilters(&weather, nullptr, url, "Daily"));
  EXPECT_TRUE(VisitPassesFilters(&weather, nullptr, url, "The Weather"));
  EXPECT_TRUE(VisitPassesFilters(&titled, nullptr, url, "今日球赛"));
  EXPECT_FALSE(VisitPassesFilters(&empty, nullptr, url, "x"));

  const std::vector<std::string> exAll = {"*.example.com"};
  const std::vector<std::string> exExact = {"example.com"};
  const std::vector<std::string> exOther = {"other.org", "*.net"};
  EXPECT_FALSE(VisitPassesFilters(nullptr, &exAll, url, ""));
  EXPECT_TRUE(VisitPassesFilters(nullptr, &exExact, url, ""));
  EXPECT_FALSE(VisitPassesFilters(nullptr, &exExact, "http://EXAMPLE.com/", ""));
  EXPECT_TRUE(VisitPassesFilters(nullptr, &exOther, url, ""));
  // Both tests apply: included by keyword, then dropped by host.
  EXPECT_FALSE(VisitPassesFilters(&sport, &exAll, url, ""));
}
