// UTF-16 counting, small string helpers, escaping, titles, byte decoding,
// paths and system texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "uPlatform.h"
#include "uUtil.h"

namespace {
const std::string kSmile = "\xF0\x9F\x98\x80";  // U+1F600, a surrogate pair in UTF-16
const std::string kFffd = "\xEF\xBF\xBD";
}  // namespace

TEST(Utf16, CountsCodeUnitsWithSurrogatePairs) {
  EXPECT_EQ(Utf16Length(""), 0u);
  EXPECT_EQ(Utf16Length("abc"), 3u);
  EXPECT_EQ(Utf16Length("中文"), 2u);
  EXPECT_EQ(Utf16Length("a" + kSmile + "b"), 4u);
  EXPECT_EQ(Utf16Length("\xE4\xB8"), 1u);  // one malformed run is one U+FFFD

  const std::string s = "a" + kSmile + "b";
  EXPECT_EQ(Utf16Left(s, 1), "a");
  EXPECT_EQ(Utf16Left(s, 2), "a");  // would split the pair: dropped whole
  EXPECT_EQ(Utf16Left(s, 3), "a" + kSmile);
  EXPECT_EQ(Utf16Left(s, 99), s);
  EXPECT_EQ(Utf16Left(s, 0), "");
  EXPECT_EQ(Utf16Right(s, 1), "b");
  EXPECT_EQ(Utf16Right(s, 2), "b");
  EXPECT_EQ(Utf16Right(s, 3), kSmile + "b");
  EXPECT_EQ(Utf16Right(s, 4), s);
  EXPECT_EQ(Utf16Right("中文字", 2), "文字");
  // U+10000, the first character that needs a pair, and U+FFFF, the last
  // that does not.
  const std::string first = "\xF0\x90\x80\x80", last = "\xEF\xBF\xBF";
  EXPECT_EQ(Utf16Length(first + last), 3u);
  EXPECT_EQ(Utf16Left(first + "a", 1), "");
  EXPECT_EQ(Utf16Left(first + "a", 2), first);
  EXPECT_EQ(Utf16Left(last + "a", 1), last);
  EXPECT_EQ(Utf16Right("a" + first, 1), "");
  EXPECT_EQ(Utf16Right("a" + first, 2), first);

  const std::u16string u = Utf8ToUtf16("x" + kSmile);
  ASSERT_EQ(u.size(), 3u);
  EXPECT_EQ(u[1], 0xD83D);
  EXPECT_EQ(u[2], 0xDE00);
  EXPECT_EQ(Utf16ToUtf8(u), "x" + kSmile);
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"a"), kFffd + "a");
}

TEST(StringHelpers, TrimCaseSearchReplaceNumbers) {
  EXPECT_EQ(Trim(" \t\x01 中 x \r\n"), "中 x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(LowerAscii("ABC Ä"), "abc Ä");
  EXPECT_EQ(UpperAscii("abc ä"), "ABC ä");
  EXPECT_TRUE(SameTextAscii("WwW.Example", "www.example"));
  EXPECT_FALSE(SameTextAscii("Ä", "ä"));
  EXPECT_TRUE(ContainsText("https://Example.COM/x", "example.com"));
  EXPECT_FALSE(ContainsText("abc", ""));
  EXPECT_FALSE(ContainsText("ab", "abc"));
  EXPECT_EQ(ReplaceAll("a--b--", "--", "+"), "a+b+");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(Format("%s=%03d", "n", 7), "n=007");
  EXPECT_EQ(Format("%s", std::string(5000, 'z').c_str()).size(), 5000u);
  EXPECT_EQ(IntToStr(-9000000000LL), "-9000000000");

  int64_t v = 0;
  EXPECT_TRUE(TryStrToInt64("-9223372036854775808", v));
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_TRUE(TryStrToInt64("+42", v));
  EXPECT_EQ(v, 42);
  for (const char* bad : {"", "-", "9223372036854775808", "1x", " 1", "1 ", "0x10"})
    EXPECT_FALSE(TryStrToInt64(bad, v)) << bad;
  int32_t w = 0;
  EXPECT_TRUE(TryStrToInt32("-2147483648", w));
  EXPECT_EQ(w, INT32_MIN);
  EXPECT_FALSE(TryStrToInt32("2147483648", w));
}

TEST(JsonEscape, EscapesQuotesBackslashesAndControls) {
  EXPECT_EQ(JsonEscape("a\"b\\c/d\te\x01"), "a\\\"b\\\\c/d\\te\\u0001");
  EXPECT_EQ(JsonEscape("\b\f\n\r"), "\\b\\f\\n\\r");
  EXPECT_EQ(JsonEscape(std::string("\x0b\x1f\x00", 3)), "\\u000b\\u001f\\u0000");
  EXPECT_EQ(JsonEscape("\x7f 中 " + kSmile), "\x7f 中 " + kSmile);
  EXPECT_EQ(JsonEscape(""), "");

  std::string out = "{\"t\":\"";
  JsonEscapeTo(out, "x\"y");
  JsonEscapeTo(out, "\n");
  EXPECT_EQ(out, "{\"t\":\"x\\\"y\\n");
}

// Clean text is passed over sixteen or eight bytes at a time: a byte to
// escape must be found at every offset, also past the first clean blocks
// and in a short tail, whatever clean bytes surround it (the bytes of
// non-ASCII characters, a space, DEL among them).
TEST(JsonEscape, FindsEscapesAtEveryOffsetOfLongerText) {
  for (char fill : {'a', ' ', '\x7f', '\x80', '\xe4', '\xff'}) {
    for (size_t len = 1; len <= 40; ++len) {
      EXPECT_EQ(JsonEscape(std::string(len, fill)), std::string(len, fill)) << len;
      for (size_t at = 0; at < len; ++at)
        for (char c : {'"', '\\', '\x00', '\x01', '\x1f'}) {
          std::string s(len, fill);
          s[at] = c;
          const std::string got = JsonEscape(s);
          EXPECT_EQ(got.size(), len + (c == '"' || c == '\\' ? 1 : 5)) << len << " " << at;
          EXPECT_EQ(got.substr(0, at), std::string(at, fill));
        }
    }
  }
}

TEST(HtmlEscape, EscapesFourCharactersAndReescapesEntities) {
  EXPECT_EQ(HtmlEscape("<a href=\"x\">R&D</a> it's"),
            "&lt;a href=&quot;x&quot;&gt;R&amp;D&lt;/a&gt; it's");
  EXPECT_EQ(HtmlEscape("&amp;"), "&amp;amp;");
}

TEST(CleanTitle, ControlsBecomeSpacesAndPairsAreHalved) {
  // LF then three spaces: four spaces, halved to two; a lone LF to one.
  EXPECT_EQ(CleanTitle("a\n   b"), "a  b");
  EXPECT_EQ(CleanTitle("a\nb   c"), "a b  c");
  EXPECT_EQ(CleanTitle("  \r\n Title \x01"), "Title");
  // TABs alone do not trigger the clean-up.
  EXPECT_EQ(CleanTitle("a\t\tb   c"), "a\t\tb   c");
  EXPECT_EQ(CleanTitle("     "), "");
  EXPECT_EQ(CleanTitle(""), "");

  EXPECT_EQ(CleanTitle(std::string(301, 'x')), std::string(300, 'x'));
  EXPECT_EQ(CleanTitle(std::string(300, 'x')), std::string(300, 'x'));
  // The 300-unit cut never splits a surrogate pair.
  EXPECT_EQ(CleanTitle(std::string(299, 'x') + kSmile), std::string(299, 'x'));
  EXPECT_EQ(Utf16Length(CleanTitle(std::string(400, 'x') + "中")), 300u);
}

// The readers keep a stored title as it is when TitleIsClean says so: it
// must say so exactly when CleanTitle would change nothing, whichever byte
// of a block of sixteen or eight a control character sits in.
TEST(CleanTitle, CleanIsSaidExactlyWhenNothingWouldChange) {
  std::vector<std::string> titles = {"", "a", "Title", " a", "a ", "a\tb", "\tx", "x\t",
                                     "中文标题", std::string("a\0b", 3), std::string(300, 'x'),
                                     std::string(301, 'x'), std::string(150, 'x') + "中文",
                                     std::string(299, 'x') + kSmile, std::string(200, 'x') + "中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中"};
  for (size_t len : {20, 40})
    for (size_t at = 1; at + 1 < len; ++at)
      for (char c : {'\x01', '\n', '\x1f', ' ', '\t', '\x7f', '\x80', '\xe4'}) {
        std::string t(len, 'y');
        t[at] = c;
        titles.push_back(t);
      }
  // Clean: nothing to trim, no control character but the tab, at most 300
  // UTF-16 units; and CleanTitle then gives the title back, else changes it.
  for (const std::string& t : titles) {
    bool clean = t.empty() || (static_cast<unsigned char>(t.front()) > 0x20 &&
                               static_cast<unsigned char>(t.back()) > 0x20);
    for (char c : t)
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') clean = false;
    clean = clean && Utf16Length(t) <= 300;
    EXPECT_EQ(TitleIsClean(t), clean) << "[" << t << "]";
    EXPECT_EQ(CleanTitle(t) == t, clean) << "[" << t << "]";
  }
}

TEST(Utf8BytesToString, MalformedRunsBecomeOneReplacementEach) {
  EXPECT_EQ(Utf8BytesToString(""), "");
  EXPECT_EQ(Utf8BytesToString("abc 中 " + kSmile), "abc 中 " + kSmile);
  EXPECT_EQ(Utf8BytesToString("a\xC3"), "a" + kFffd);
  EXPECT_EQ(Utf8BytesToString("\xE4\xB8x"), kFffd + "x");            // truncated sequence
  EXPECT_EQ(Utf8BytesToString("\xF0\x9F\x98" "A"), kFffd + "A");
  EXPECT_EQ(Utf8BytesToString("\xC0\xAF"), kFffd + kFffd);            // overlong
  EXPECT_EQ(Utf8BytesToString("\xED\xA0\x80"), kFffd + kFffd + kFffd);  // encoded surrogate
  EXPECT_EQ(Utf8BytesToString("\xFF\x80"), kFffd + kFffd);
  EXPECT_EQ(Utf8BytesToString(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// What a console or log line shows of a name: nothing that acts on a
// terminal or ends the line, nothing that is not UTF-8; all else as it is.
TEST(LineSafeText, ControlsOverridesAndBadBytesAreShownNotObeyed) {
  EXPECT_EQ(LineSafeText("C:\\Users\\张三\\Default (snap)"), "C:\\Users\\张三\\Default (snap)");
  EXPECT_EQ(LineSafeText(""), "");
  EXPECT_EQ(LineSafeText("a\x1B[2Jb\nc\rd\te"), "a\\x1B[2Jb\\x0Ac\\x0Dd\\x09e");
  EXPECT_EQ(LineSafeText(std::string("nul\0del\x7F", 8)), "nul\\x00del\\x7F");
  EXPECT_EQ(LineSafeText("c1\xC2\x85\xC2\x9B" "end\xC2\xA0"), "c1\\u0085\\u009Bend\xC2\xA0");
  // Right-to-left override and isolate; the marks beside them stay.
  EXPECT_EQ(LineSafeText("gpj.\xE2\x80\xAE" "exe \xE2\x81\xA6" "x\xE2\x81\xA9 \xE2\x80\x8F"),
            "gpj.\\u202Eexe \\u2066x\\u2069 \xE2\x80\x8F");
  EXPECT_EQ(LineSafeText("Profile \xFF\xFE"), "Profile \xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(LineSafeText("cut \xE4\xB8"), "cut \xEF\xBF\xBD");
  // Shown once, it stays as shown.
  const std::string once = LineSafeText("\x1B\xC2\x85\xE2\x80\xAE\xFF");
  EXPECT_EQ(LineSafeText(once), once);
}

TEST(BytesToText, Utf16LeOrUtf8) {
  const uint8_t wide[] = {'w', 0, 'o', 0, 'r', 0, 'd', 0};
  EXPECT_EQ(BytesToText(wide, sizeof wide), "word");
  const uint8_t wideZ[] = {'h', 0, 'i', 0, 0, 0, 'x', 0};
  EXPECT_EQ(BytesToText(wideZ, sizeof wideZ), "hi");
  const uint8_t latin[] = {0xE9, 0, 't', 0};  // U+00E9 as UTF-16LE
  EXPECT_EQ(BytesToText(latin, sizeof latin), "\xC3\xA9t");
  const uint8_t three[] = {'a', 'b', 'c'};
  EXPECT_EQ(BytesToText(three, 3), "abc");
  const uint8_t zhong[] = {0xE4, 0xB8, 0xAD};
  EXPECT_EQ(BytesToText(zhong, 3), "中");
  const uint8_t cut[] = {'a', 'b', 0, 'c', 'd'};
  EXPECT_EQ(BytesToText(cut, 5), "ab");
  const uint8_t two[] = {'a', 0};  // too short for the UTF-16 test
  EXPECT_EQ(BytesToText(two, 2), "a");
  EXPECT_EQ(BytesToText(three, 0), "");
  EXPECT_EQ(BytesToText(three, -1), "");
}

TEST(LooksLikeText, TellsTextFromBinary) {
  const uint8_t one[] = {'a'};
  EXPECT_FALSE(LooksLikeText(one, 1));
  const uint8_t wide[] = {'w', 0, 'o', 0, 'r', 0, 'd', 0};
  EXPECT_TRUE(LooksLikeText(wide, sizeof wide));
  const std::string ascii = "http://example.com/\r\n\tpage";
  EXPECT_TRUE(LooksLikeText(reinterpret_cast<const uint8_t*>(ascii.data()),
                            static_cast<int64_t>(ascii.size())));
  const std::string chinese = "中文标题";
  EXPECT_FALSE(LooksLikeText(reinterpret_cast<const uint8_t*>(chinese.data()),
                             static_cast<int64_t>(chinese.size())));
  const uint8_t binary[] = {1, 2, 3, 4, 'a', 'b', 'c', 'd', 'e', 'f'};
  EXPECT_FALSE(LooksLikeText(binary, sizeof binary));
  const uint8_t zeros[] = {0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c'};  // 70 % zeros
  EXPECT_FALSE(LooksLikeText(zeros, sizeof zeros));
}

TEST(Paths, JoinSplitAndTempNames) {
  EXPECT_EQ(JoinPath("", "name"), "name");
  EXPECT_EQ(JoinPath("dir/", "name"), "dir/name");
  EXPECT_EQ(JoinPath("C:\\dir\\", "name"), "C:\\dir\\name");
  EXPECT_EQ(JoinPath("dir", "name"), std::string("dir") + plat::kPathSep + "name");

  EXPECT_EQ(ExtractFileDir("a/b\\c.txt"), "a/b");
  EXPECT_EQ(ExtractFileDir("a\\b/c.txt"), "a\\b");
  EXPECT_EQ(ExtractFileDir("c.txt"), "");
  EXPECT_EQ(ExtractFileDir("/c.txt"), "/");
  EXPECT_EQ(ExtractFileName("a/b\\c.txt"), "c.txt");
  EXPECT_EQ(ExtractFileName("c.txt"), "c.txt");

  const std::string temp = plat::TempDir();
  const std::string name = MakeTempName("db");
  const std::string expectPrefix = JoinPath(temp, "vt_db_" + std::to_string(plat::ProcessId()) + "_");
  EXPECT_EQ(name.compare(0, expectPrefix.size(), expectPrefix), 0) << name;
  int32_t ticks = 0;
  EXPECT_TRUE(TryStrToInt32(name.substr(expectPrefix.size()), ticks)) << name;
}

TEST(SysErrorText, SystemTextOrCodeNumber) {
  EXPECT_EQ(SysErrorText(123456), "错误码 123456");
  const std::string denied = SysErrorText(5);
  ASSERT_FALSE(denied.empty());
  EXPECT_EQ(denied.find("错误码"), std::string::npos);
  EXPECT_NE(denied.back(), '.');
  EXPECT_GT(static_cast<unsigned char>(denied.back()), 0x20);
  EXPECT_LE(Utf16Length(denied), 256u);
}
