// Counting table: case-insensitive keys (any script), first spelling kept,
// TopN order with its fixed tie rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uUtil.h"

namespace {

std::vector<std::string> Keys(const TCounters& c, int n = 0) {
  std::vector<TCounters::Entry> top;
  c.TopN(n, top);
  std::vector<std::string> out;
  for (const auto& e : top) out.push_back(e.first);
  return out;
}

}  // namespace

TEST(Counters, CaseInsensitiveKeysKeepTheFirstSpelling) {
  TCounters c;
  c.IncValue("", 5);
  EXPECT_EQ(c.Count(), 0);
  c.IncValue("Baidu");
  c.IncValue("baidu");
  EXPECT_EQ(c.Count(), 1);
  EXPECT_EQ(c.ValueOf("BAIDU"), 2);
  EXPECT_EQ(c.ValueOf("google"), 0);
  EXPECT_EQ(c.ValueOf(""), 0);
  EXPECT_EQ(Keys(c), std::vector<std::string>{"Baidu"});
  c.IncValue("BAIDU", -3);
  EXPECT_EQ(c.ValueOf("baidu"), -1);
}

// Keys prepared ahead count as IncValue would: folded together, the first
// spelling kept, the empty key skipped, even when the table grows (and its
// buckets move) between a key's preparation and its count.
TEST(Counters, PreparedKeysCountAsIncValue) {
  TCounters c;
  const std::vector<TSharedText> keys = {"Baidu", "", "ÄRGER", "baidu", "ärger"};
  std::vector<TCounters::TPrepared> prepared(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) c.Prepare(keys[i], prepared[i]);
  for (int i = 0; i < 100; ++i) c.IncValue("filler" + std::to_string(i));
  for (size_t i = 0; i < keys.size(); ++i) c.IncValue(keys[i], prepared[i], 2);
  EXPECT_EQ(c.Count(), 102);
  EXPECT_EQ(c.ValueOf("BAIDU"), 4);
  EXPECT_EQ(c.ValueOf("Ärger"), 4);
  const std::vector<std::string> top = Keys(c, 2);
  EXPECT_EQ(top, (std::vector<std::string>{"Baidu", "ÄRGER"}));
  c.IncValue("baidu");  // and a plain count finds the prepared key's entry
  EXPECT_EQ(c.ValueOf("baidu"), 5);
}

TEST(Counters, NonAsciiLettersFoldToOneKey) {
  TCounters c;
  const std::vector<std::pair<std::string, std::string>> same = {
      {"Ärger", "äRGER"},          // Latin-1
      {"ŁÓDŹ", "łódź"},            // Latin Extended-A
      {"ΣΟΦΊΑ", "σοφία"},          // Greek with tonos
      {"ΟΔΟΣ", "οδος"},            // capital sigma and final sigma
      {"МОСКВА", "москва"},        // Cyrillic
      {"ЁЖ", "ёж"},                // Cyrillic Ё (U+0401)
      {"ＡＢＣ", "ａｂｃ"},        // fullwidth
      {"ǅ", "ǆ"},                  // title-case digraph
      {"Ա", "ա"},                  // Armenian
      {"ẞ", "ß"},                  // capital sharp s
      {"\xF0\x90\x90\x80", "\xF0\x90\x90\xA8"},  // Deseret, outside the BMP
  };
  for (const auto& p : same) {
    c.IncValue(p.first);
    c.IncValue(p.second);
    EXPECT_EQ(c.ValueOf(p.first), 2) << p.first;
    EXPECT_EQ(FoldCase(p.first), FoldCase(p.second)) << p.first;
  }
  EXPECT_EQ(c.Count(), static_cast<int32_t>(same.size()));
  EXPECT_EQ(FoldCase("σ"), FoldCase("ς"));
  EXPECT_EQ(FoldCase("\xE2\x84\xAA"), "k");  // Kelvin sign
  // Different letters stay apart, and malformed bytes are kept as they are.
  EXPECT_NE(FoldCase("ä"), FoldCase("a"));
  EXPECT_NE(FoldCase("中"), FoldCase("文"));
  EXPECT_EQ(FoldCase("A\xFF"), "a\xFF");
  EXPECT_NE(FoldCase("\xC3"), FoldCase("\xC4"));
}

// ASCII is lowered eight bytes at a time: every byte value at every place
// of such a step must come out as one byte at a time would make it, up to
// the first byte that is not ASCII and after it.
TEST(Counters, AsciiFoldsAsByteByByteAtEveryPlace) {
  auto lowered = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
  };
  for (int b = 0; b < 0x80; ++b) {
    for (size_t len : {size_t{1}, size_t{7}, size_t{8}, size_t{9}, size_t{17}}) {
      for (size_t at = 0; at < len; ++at) {
        std::string s(len, 'Q');
        s[at] = static_cast<char>(b);
        ASSERT_EQ(FoldCase(s), lowered(s)) << b << " at " << at << " of " << len;
      }
    }
  }
  // Not ASCII in the middle of a step: what comes before it is lowered as
  // ASCII, what comes after it folded in full.
  EXPECT_EQ(FoldCase("ABCDEFG\xC3\x84HIJKLMNOPQ"), "abcdefg\xC3\xA4hijklmnopq");
  EXPECT_EQ(FoldCase("ABCDEFGHIJKLMNO\xFF" "ABC"), "abcdefghijklmno\xFF" "abc");
  EXPECT_EQ(FoldCase(""), "");
}

TEST(Counters, TopNCountsThenFixedTieOrder) {
  TCounters c;
  for (const char* k : {"b", "a_", "C", "ab", "a", "Abc"}) c.IncValue(k);
  c.IncValue("zeta", 5);
  c.IncValue("mid", 2);
  // Ties: a-z folded to A-Z, so "_" (0x5F) sorts after letters; prefixes first.
  EXPECT_EQ(Keys(c), (std::vector<std::string>{"zeta", "mid", "a", "ab", "Abc", "a_", "b", "C"}));
  EXPECT_EQ(Keys(c, -5).size(), 8u);
  EXPECT_EQ(Keys(c, 10).size(), 8u);
  EXPECT_EQ(Keys(c, 3), (std::vector<std::string>{"zeta", "mid", "a"}));

  // The same entries inserted in reverse give the same list.
  TCounters r;
  for (const char* k : {"C", "b", "a_", "Abc", "ab", "a"}) r.IncValue(k);
  r.IncValue("mid", 2);
  r.IncValue("zeta", 5);
  EXPECT_EQ(Keys(r), Keys(c));

  std::vector<TCounters::Entry> top;
  c.TopN(1, top);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].second, 5);
}

TEST(Counters, TieOrderComparesUtf16Units) {
  TCounters c;
  // UTF-8 byte order would put U+E000 and U+FF5A before U+1F600; UTF-16
  // order puts the surrogate pair (D83D DE00) first.
  for (const char* k : {"\xEF\xBD\x9A", "\xEE\x80\x80", "\xF0\x9F\x98\x80", "z", "\xC3\xA9", "中"})
    c.IncValue(k);
  EXPECT_EQ(Keys(c), (std::vector<std::string>{"z", "\xC3\xA9", "中", "\xF0\x9F\x98\x80",
                                               "\xEE\x80\x80", "\xEF\xBD\x9A"}));
}

TEST(Counters, TopNAlwaysClearsTheDestination) {
  TCounters c;
  std::vector<TCounters::Entry> dst = {{"stale", 1}};
  c.TopN(0, dst);
  EXPECT_TRUE(dst.empty());
}
