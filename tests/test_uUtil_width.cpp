// Display columns: what a terminal draws decides how a table lines up.
#include <gtest/gtest.h>

#include <string>

#include "uUtil.h"

namespace {

const std::string kEllipsis = "\xE2\x80\xA6";
const std::string kAcute = "\xCC\x81";          // U+0301, drawn on the letter before it
const std::string kSmile = "\xF0\x9F\x98\x80";  // U+1F600
const std::string kHeart = "\xE2\x9D\xA4\xEF\xB8\x8F";  // U+2764 U+FE0F

}  // namespace

TEST(DisplayWidth, WideMarksAndEmoji) {
  EXPECT_EQ(DisplayWidth(""), 0u);
  EXPECT_EQ(DisplayWidth("Default"), 7u);
  EXPECT_EQ(DisplayWidth("配置/用户"), 9u);
  EXPECT_EQ(DisplayWidth("ｆｕｌｌ"), 8u);          // full-width Latin
  EXPECT_EQ(DisplayWidth("한국"), 4u);
  EXPECT_EQ(DisplayWidth("e" + kAcute), 1u);
  EXPECT_EQ(DisplayWidth(kSmile + "x"), 3u);
  EXPECT_EQ(DisplayWidth(kHeart), 1u);             // a text-style symbol; the selector adds nothing
  EXPECT_EQ(DisplayWidth("a\tb"), 2u);             // controls draw nothing
  EXPECT_EQ(DisplayWidth("\xE2\x80\xA6\xE2\x94\x94\xC2\xB7"), 3u);  // …└· are narrow
  EXPECT_EQ(DisplayWidth("\xFF"), 1u);             // a bad byte is one U+FFFD

  EXPECT_EQ(PadRightCols("中文", 6), "中文  ");
  EXPECT_EQ(PadLeftCols(kSmile, 4), "  " + kSmile);
  EXPECT_EQ(PadRightCols("toolong", 3), "toolong");
}

TEST(CutMiddleCols, KeepsWholeCharactersAndTheirMarks) {
  EXPECT_EQ(CutMiddleCols("abcdefghij", 3, 2), "abc" + kEllipsis + "ij");
  // A wide character that does not fit is left out whole.
  EXPECT_EQ(CutMiddleCols("ab中cd文ef", 3, 3), "ab" + kEllipsis + "ef");
  EXPECT_EQ(CutMiddleCols("中文中文中文", 4, 4), "中文" + kEllipsis + "中文");
  // A mark stays with its letter in the head, and never starts the tail.
  EXPECT_EQ(CutMiddleCols("ae" + kAcute + "xyz", 2, 1), "ae" + kAcute + kEllipsis + "z");
  EXPECT_EQ(CutMiddleCols("abcde" + kAcute + "f", 1, 2), "a" + kEllipsis + "e" + kAcute + "f");
  EXPECT_EQ(CutMiddleCols("abcde" + kAcute + "f", 1, 1), "a" + kEllipsis + "f");
  EXPECT_EQ(CutMiddleCols(kSmile + kSmile + kSmile, 2, 2), kSmile + kEllipsis + kSmile);
  for (const std::string& s : {std::string("alice\\k3x9.default-release"),
                               std::string("张三\\配置文件一号（工作）"), kSmile + "🎉🎉🎉🎉🎉🎉🎉🎉🎉🎉🎉🎉🎉"})
    EXPECT_LE(DisplayWidth(CutMiddleCols(s, 11, 12)), 24u) << s;
}
