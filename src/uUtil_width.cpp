// Display columns of text in a terminal: tables line up only when they are
// padded by what the terminal draws, not by UTF-16 units (a Chinese
// character takes two columns, a combining accent none).
#include <algorithm>
#include <iterator>
#include <vector>

#include "uUtf8.h"
#include "uUtil.h"

using namespace utf8;

namespace {

struct TRange {
  uint32_t First, Last;
};

// Marks drawn on the character before them, format controls and the
// variation selectors that pick an emoji's look.
constexpr TRange kZeroWidth[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
    {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
    {0x06D6, 0x06DC}, {0x06DF, 0x06E4}, {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0900, 0x0902},
    {0x093A, 0x093A}, {0x093C, 0x093C}, {0x0941, 0x0948}, {0x094D, 0x094D}, {0x0951, 0x0957},
    {0x0E31, 0x0E31}, {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},
    {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x2064}, {0x20D0, 0x20FF}, {0x302A, 0x302D},
    {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xE0001, 0xE007F},
    {0xE0100, 0xE01EF},
};

// East Asian wide and full-width characters and the emoji that terminals
// draw two columns wide.
constexpr TRange kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x3029},
    {0x302E, 0x303E},   {0x3041, 0x3098},   {0x309B, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4}, {0x17000, 0x18CFF}, {0x1B000, 0x1B2FF},
    {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A},
    {0x1F200, 0x1F202}, {0x1F210, 0x1F23B}, {0x1F240, 0x1F248}, {0x1F250, 0x1F251},
    {0x1F260, 0x1F265}, {0x1F300, 0x1F320}, {0x1F32D, 0x1F335}, {0x1F337, 0x1F37C},
    {0x1F37E, 0x1F393}, {0x1F3A0, 0x1F3CA}, {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0},
    {0x1F3F4, 0x1F3F4}, {0x1F3F8, 0x1F43E}, {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC},
    {0x1F4FF, 0x1F53D}, {0x1F54B, 0x1F54E}, {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A},
    {0x1F595, 0x1F596}, {0x1F5A4, 0x1F5A4}, {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5},
    {0x1F6CC, 0x1F6CC}, {0x1F6D0, 0x1F6D2}, {0x1F6D5, 0x1F6D7}, {0x1F6DC, 0x1F6DF},
    {0x1F6EB, 0x1F6EC}, {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7EB}, {0x1F7F0, 0x1F7F0},
    {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FAFF},
    {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

template <size_t N>
bool InRanges(const TRange (&ranges)[N], uint32_t cp) {
  const TRange* it = std::lower_bound(std::begin(ranges), std::end(ranges), cp,
                                      [](const TRange& r, uint32_t c) { return r.Last < c; });
  return it != std::end(ranges) && it->First <= cp;
}

// One decoded character and where its bytes are.
struct TChar {
  size_t At, Len;
  int Cols;
};

std::vector<TChar> Chars(const std::string& s) {
  std::vector<TChar> out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    uint32_t cp;
    bool ok;
    const size_t n = DecodeUtf8(U(s) + i, s.size() - i, cp, ok);
    out.push_back({i, n, CharColumns(cp)});
    i += n;
  }
  return out;
}

}  // namespace

int CharColumns(uint32_t cp) {
  if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) return 0;
  if (cp < 0x300) return 1;
  if (InRanges(kZeroWidth, cp)) return 0;
  return InRanges(kWide, cp) ? 2 : 1;
}

size_t DisplayWidth(const std::string& s) {
  size_t cols = 0;
  for (size_t i = 0; i < s.size();) {
    uint32_t cp;
    bool ok;
    i += DecodeUtf8(U(s) + i, s.size() - i, cp, ok);
    cols += static_cast<size_t>(CharColumns(cp));
  }
  return cols;
}

std::string PadRightCols(const std::string& s, size_t width) {
  const size_t cols = DisplayWidth(s);
  return cols >= width ? s : s + std::string(width - cols, ' ');
}

std::string PadLeftCols(const std::string& s, size_t width) {
  const size_t cols = DisplayWidth(s);
  return cols >= width ? s : std::string(width - cols, ' ') + s;
}

std::string CutMiddleCols(const std::string& s, size_t headCols, size_t tailCols) {
  const std::vector<TChar> chars = Chars(s);
  // The head keeps whole characters with the marks drawn on them.
  size_t head = 0, cols = 0;
  while (head < chars.size() &&
         (chars[head].Cols == 0 || cols + static_cast<size_t>(chars[head].Cols) <= headCols))
    cols += static_cast<size_t>(chars[head++].Cols);
  size_t tail = chars.size();
  cols = 0;
  while (tail > head && cols + static_cast<size_t>(chars[tail - 1].Cols) <= tailCols)
    cols += static_cast<size_t>(chars[--tail].Cols);
  // A mark whose character was cut away must not land on the ellipsis.
  while (tail < chars.size() && chars[tail].Cols == 0) ++tail;
  std::string out;
  AppendSanitized(out, s, 0, head < chars.size() ? chars[head].At : s.size());
  out += "\xE2\x80\xA6";
  if (tail < chars.size()) AppendSanitized(out, s, chars[tail].At, s.size());
  return out;
}
