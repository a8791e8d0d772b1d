// Text helpers see titles and raw column bytes of any shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "uUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string s(reinterpret_cast<const char*>(data), size);
  std::string clean = CleanTitle(s);
  if (Utf16Length(clean) > 300) std::abort();
  JsonEscape(s);
  HtmlEscape(s);
  std::string text = Utf8BytesToString(s);
  // Decoded text must round-trip through UTF-16 unchanged.
  if (Utf16ToUtf8(Utf8ToUtf16(text)) != text) std::abort();
  BytesToText(data, static_cast<int64_t>(size));
  LooksLikeText(data, static_cast<int64_t>(size));
  size_t n = size % 64;
  std::string left = Utf16Left(text, n);
  std::string right = Utf16Right(text, n);
  if (Utf16Length(left) > n || Utf16Length(right) > n) std::abort();
  // A cut source-table cell fits its columns and is valid UTF-8 whatever
  // bytes it was cut from.
  const size_t head = n / 2, tail = n - head;
  const std::string cut = CutMiddleCols(s, head, tail);
  if (DisplayWidth(cut) > head + tail + 1) std::abort();
  if (Utf16ToUtf8(Utf8ToUtf16(cut)) != cut) std::abort();
  if (DisplayWidth(PadRightCols(text, n)) < n) std::abort();
  return 0;
}
