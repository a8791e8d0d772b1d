#include "uUtil.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "uUtf8.h"

using namespace utf8;

// ---- UTF-8 / UTF-16 ----------------------------------------------------------

std::u16string Utf8ToUtf16(const std::string& s) {
  std::u16string out;
  out.reserve(s.size());
  const unsigned char* p = U(s);
  for (size_t i = 0; i < s.size();) {
    uint32_t cp;
    bool ok;
    i += DecodeUtf8(p + i, s.size() - i, cp, ok);
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(const std::u16string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    uint32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

size_t Utf16Length(const std::string& s) {
  const unsigned char* p = U(s);
  size_t units = 0;
  for (size_t i = 0; i < s.size();) {
    if (p[i] < 0x80) {
      ++units;
      ++i;
      continue;
    }
    uint32_t cp;
    bool ok;
    i += DecodeUtf8(p + i, s.size() - i, cp, ok);
    units += cp >= 0x10000 ? 2 : 1;
  }
  return units;
}

std::string Utf16Left(const std::string& s, size_t n) {
  const unsigned char* p = U(s);
  size_t units = 0, i = 0;
  while (i < s.size()) {
    uint32_t cp;
    bool ok;
    const size_t len = DecodeUtf8(p + i, s.size() - i, cp, ok);
    const size_t w = cp >= 0x10000 ? 2 : 1;
    if (units + w > n) break;
    units += w;
    i += len;
  }
  std::string out;
  out.reserve(i);
  AppendSanitized(out, s, 0, i);
  return out;
}

std::string Utf16Right(const std::string& s, size_t n) {
  const size_t total = Utf16Length(s);
  if (n >= total) {
    std::string out;
    AppendSanitized(out, s, 0, s.size());
    return out;
  }
  const size_t skip = total - n;
  const unsigned char* p = U(s);
  size_t units = 0, i = 0;
  while (i < s.size() && units < skip) {
    uint32_t cp;
    bool ok;
    i += DecodeUtf8(p + i, s.size() - i, cp, ok);
    units += cp >= 0x10000 ? 2 : 1;  // a pair straddling the cut goes whole
  }
  std::string out;
  AppendSanitized(out, s, i, s.size());
  return out;
}

// ---- Small string helpers ------------------------------------------------------

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20) --e;
  return s.substr(b, e - b);
}

std::string LowerAscii(std::string s) {
  for (char& c : s) c = LowerChar(c);
  return s;
}

std::string UpperAscii(std::string s) {
  for (char& c : s) c = UpperChar(c);
  return s;
}

bool SameTextAscii(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerChar(a[i]) != LowerChar(b[i])) return false;
  return true;
}

bool ContainsText(const std::string& haystack, const std::string& needle) {
  if (needle.empty() || needle.size() > haystack.size()) return false;
  auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                        [](char a, char b) { return LowerChar(a) == LowerChar(b); });
  return it != haystack.end();
}

std::string ReplaceAll(const std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return s;
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  for (;;) {
    const size_t hit = s.find(from, pos);
    if (hit == std::string::npos) break;
    out.append(s, pos, hit - pos);
    out += to;
    pos = hit + from.size();
  }
  out.append(s, pos, std::string::npos);
  return out;
}

std::string Format(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  va_list ap2;
  va_copy(ap2, ap);
  const int n = std::vsnprintf(nullptr, 0, fmt, ap);
  va_end(ap);
  std::string out;
  if (n > 0) {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(&out[0], out.size(), fmt, ap2);
    out.resize(static_cast<size_t>(n));
  }
  va_end(ap2);
  return out;
}

std::string IntToStr(int64_t v) { return std::to_string(v); }

bool TryStrToInt64(const std::string& s, int64_t& v) {
  size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  if (i >= s.size()) return false;
  // Accumulate negatively so that INT64_MIN parses.
  int64_t acc = 0;
  const int64_t lim = std::numeric_limits<int64_t>::min();
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    const int d = s[i] - '0';
    if (acc < (lim + d) / 10) return false;
    acc = acc * 10 - d;
  }
  if (!neg) {
    if (acc == lim) return false;
    acc = -acc;
  }
  v = acc;
  return true;
}

bool TryStrToInt32(const std::string& s, int32_t& v) {
  int64_t w;
  if (!TryStrToInt64(s, w) || w < std::numeric_limits<int32_t>::min() ||
      w > std::numeric_limits<int32_t>::max())
    return false;
  v = static_cast<int32_t>(w);
  return true;
}

// ---- Text, JSON, HTML ------------------------------------------------------------------

namespace {
// Bytes a JSON string literal cannot hold as they are.
struct TJsonUnsafe {
  bool Table[256] = {};
  TJsonUnsafe() {
    for (int c = 0; c < 0x20; ++c) Table[c] = true;
    Table[static_cast<unsigned char>('"')] = Table[static_cast<unsigned char>('\\')] = true;
  }
};
const TJsonUnsafe kJsonUnsafe;
}  // namespace

namespace {
// Where the byte loop of the JSON escaping starts: addresses and titles
// seldom hold a byte that needs escaping, so the bytes before the first
// block that holds one are passed over a block at a time.
size_t CleanJsonBlocks(const char* p, size_t n) {
  // Eight bytes at a time are tested for a control character, a double
  // quote or a backslash (the usual tests for a zero byte and a byte below
  // a bound, which never miss one).
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
  size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
  // Sixteen at a time where the processor compares that many at once. A
  // byte is a control character when the smaller of it and 0x1F is itself
  // (the comparisons are signed, the minimum is not).
  {
    const __m128i quote = _mm_set1_epi8('"'), backslash = _mm_set1_epi8('\\'),
                  lastControl = _mm_set1_epi8(0x1F);
    for (; i + 16 <= n; i += 16) {
      const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
      const __m128i hit =
          _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(w, quote), _mm_cmpeq_epi8(w, backslash)),
                       _mm_cmpeq_epi8(_mm_min_epu8(w, lastControl), w));
      if (_mm_movemask_epi8(hit) != 0) break;
    }
  }
#endif
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    const uint64_t quote = w ^ (kOnes * '"'), backslash = w ^ (kOnes * '\\');
    const uint64_t hit = ((w - kOnes * 0x20) & ~w) | ((quote - kOnes) & ~quote) |
                         ((backslash - kOnes) & ~backslash);
    if (hit & kHigh) break;
  }
  return i;
}

// The JSON-escaped bytes of [p, p + n), handed to `put(bytes, count)` in
// order.
template <typename Put>
void EscapeJson(const char* p, size_t n, Put&& put) {
  static const char kHex[] = "0123456789abcdef";
  size_t run = 0;
  for (size_t i = CleanJsonBlocks(p, n); i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    if (!kJsonUnsafe.Table[c]) continue;
    put(p + run, i - run);
    run = i + 1;
    switch (c) {
      case '"': put("\\\"", 2); break;
      case '\\': put("\\\\", 2); break;
      case '\b': put("\\b", 2); break;
      case '\t': put("\\t", 2); break;
      case '\n': put("\\n", 2); break;
      case '\f': put("\\f", 2); break;
      case '\r': put("\\r", 2); break;
      default: {
        const char esc[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        put(esc, 6);
      }
    }
  }
  put(p + run, n - run);
}
}  // namespace

void JsonEscapeTo(std::string& out, const std::string& s) {
  EscapeJson(s.data(), s.size(), [&](const char* bytes, size_t count) { out.append(bytes, count); });
}

char* JsonEscapeInto(char* at, std::string_view s) {
  EscapeJson(s.data(), s.size(), [&](const char* bytes, size_t count) {
    std::memcpy(at, bytes, count);
    at += count;
  });
  return at;
}

std::string JsonEscape(const std::string& s) {
  std::string out;
  out.reserve(s.size() + 8);
  JsonEscapeTo(out, s);
  return out;
}

std::string HtmlEscape(const std::string& s) {
  // One pass gives the same text as replacing "&" first and then "<", ">"
  // and the double quote, since the entities add none of the later three.
  std::string out;
  out.reserve(s.size() + 16);
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

bool TitleIsClean(const std::string& s) {
  const size_t n = s.size();
  if (n == 0) return true;
  const unsigned char* p = U(s);
  if (p[0] <= 0x20 || p[n - 1] <= 0x20) return false;  // Trim would cut
  // Eight bytes at a time are tested for one below 0x20 (a tab, which
  // stays, among them); the byte loop then looks closer from that word.
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
  size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
  // Sixteen at a time where the processor compares that many at once.
  {
    const __m128i lastControl = _mm_set1_epi8(0x1F);
    for (; i + 16 <= n; i += 16) {
      const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
      if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(w, lastControl), w)) != 0) break;
    }
  }
#endif
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (((w - kOnes * 0x20) & ~w) & kHigh) break;
  }
  for (; i < n; ++i)
    if (p[i] < 0x20 && p[i] != '\t') return false;
  // A UTF-16 unit takes at least one byte.
  return n <= 300 || Utf16Length(s) <= 300;
}

std::string CleanTitle(const std::string& s) {
  if (TitleIsClean(s)) return s;
  std::string t = Trim(s);
  if (t.empty()) return t;
  bool hasControl = false;
  for (char c : t)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      hasControl = true;
      break;
    }
  if (hasControl) {
    for (char& c : t)
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    // Each pair of spaces becomes one in a single pass: a run of n spaces
    // keeps ceil(n/2) of them.
    std::string halved;
    halved.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
      halved += t[i];
      if (t[i] == ' ' && i + 1 < t.size() && t[i + 1] == ' ') ++i;
    }
    t = Trim(halved);
  }
  return t.size() > 300 && Utf16Length(t) > 300 ? Utf16Left(t, 300) : t;
}

std::string Utf8BytesToString(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  AppendSanitized(out, bytes, 0, bytes.size());
  return out;
}

void AppendCodePoint(std::string& out, uint32_t cp) { AppendUtf8(out, cp); }

std::string LineSafeText(const std::string& text) {
  const unsigned char* p = U(text);
  const size_t n = text.size();
  size_t i = 0;
  while (i < n && p[i] >= 0x20 && p[i] < 0x7F) ++i;
  if (i == n) return text;
  std::string out(text, 0, i);
  char hex[12];
  while (i < n) {
    const unsigned char c = p[i];
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if (c < 0x80) {  // C0 controls and DEL
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
      ++i;
      continue;
    }
    uint32_t cp;
    bool ok;
    const size_t len = DecodeUtf8(p + i, n - i, cp, ok);
    if (!ok)
      out += kReplacementUtf8;
    else if (cp <= 0x9F || (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069)) {
      std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(cp));
      out += hex;
    } else {
      out.append(text, i, len);
    }
    i += len;
  }
  return out;
}

std::string BytesToText(const uint8_t* buf, int64_t len) {
  if (!buf || len <= 0) return std::string();
  const size_t n = static_cast<size_t>(len);
  bool utf16 = n >= 4 && n % 2 == 0;
  for (size_t i = 1; utf16 && i < n; i += 2)
    if (buf[i] != 0) utf16 = false;
  std::string out;
  if (utf16) {
    // Every high byte is zero: the units are U+0000..U+00FF.
    for (size_t i = 0; i < n && buf[i] != 0; i += 2) AppendUtf8(out, buf[i]);
    return out;
  }
  size_t end = 0;
  while (end < n && buf[end] != 0) ++end;
  return Utf8BytesToString(std::string(reinterpret_cast<const char*>(buf), end));
}

bool LooksLikeText(const uint8_t* buf, int64_t len) {
  if (!buf || len < 2) return false;
  int64_t zeros = 0, score = 0;
  for (int64_t i = 0; i < len; ++i) {
    const uint8_t b = buf[i];
    if (b == 0)
      ++zeros;
    else if (b >= 0x7F)
      score += 1;
    else if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
      score += 2;
  }
  return 10 * zeros <= 6 * len && 10 * score < 2 * len;
}
