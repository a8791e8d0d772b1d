// UTF-8 primitives shared by the text, counter and URL helpers. Private to
// uUtil: inline, because folding and host extraction call them per byte.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace utf8 {

constexpr uint32_t kReplacement = 0xFFFD;
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

// Decodes one code point at p (n >= 1 bytes available). Returns the bytes
// consumed; on a malformed sequence `ok` is false and the count is the
// length of the maximal subpart, so every bad run becomes one U+FFFD exactly
// as the Windows and WHATWG decoders do.
inline size_t DecodeUtf8(const unsigned char* p, size_t n, uint32_t& cp, bool& ok) {
  const unsigned b0 = p[0];
  ok = true;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  ok = false;
  cp = kReplacement;
  size_t need;
  unsigned lo = 0x80, hi = 0xBF;
  uint32_t v;
  if (b0 < 0xC2) {
    return 1;
  } else if (b0 < 0xE0) {
    need = 1;
    v = b0 & 0x1F;
  } else if (b0 < 0xF0) {
    need = 2;
    v = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;  // no encoded surrogates
  } else if (b0 < 0xF5) {
    need = 3;
    v = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 1;
  }
  size_t i = 1;
  for (; i <= need; ++i) {
    if (i >= n) return i;
    const unsigned b = p[i];
    if (b < lo || b > hi) return i;
    lo = 0x80;
    hi = 0xBF;
    v = (v << 6) | (b & 0x3F);
  }
  ok = true;
  cp = v;
  return i;
}

inline void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

inline const unsigned char* U(const std::string& s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

inline char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
inline char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Lowers A-Z in p[0, n) up to the first byte that is not ASCII, and returns
// where that byte is (n when there is none). Eight bytes a step: nearly all
// addresses are ASCII, and they are folded once per address.
inline size_t LowerAsciiRun(char* p, size_t n) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (w & kHigh) break;
    // Below 0x80 no byte carries into the next: the first sum sets a byte's
    // high bit from 'A' on, the second from past 'Z' on.
    const uint64_t upper =
        (w + kOnes * (0x80 - 'A')) & ~(w + kOnes * (0x80 - 'Z' - 1)) & kHigh;
    w |= upper >> 2;  // 0x80 >> 2 is the 0x20 between the cases
    std::memcpy(p + i, &w, 8);
  }
  for (; i < n; ++i) {
    if (static_cast<unsigned char>(p[i]) >= 0x80) return i;
    p[i] = LowerChar(p[i]);
  }
  return n;
}

// Appends s[from, to) with malformed sequences replaced by U+FFFD.
inline void AppendSanitized(std::string& out, const std::string& s, size_t from, size_t to) {
  const unsigned char* p = U(s);
  size_t i = from;
  while (i < to) {
    size_t run = i;
    while (run < to && p[run] < 0x80) ++run;
    out.append(s, i, run - i);
    i = run;
    if (i >= to) break;
    uint32_t cp;
    bool ok;
    const size_t len = DecodeUtf8(p + i, to - i, cp, ok);
    if (ok)
      out.append(s, i, len);
    else
      out += kReplacementUtf8;
    i += len;
  }
}

}  // namespace utf8
