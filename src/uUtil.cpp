#include "uUtil.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "uPlatform.h"

// ---- UTF-8 decoding --------------------------------------------------------

namespace {

constexpr uint32_t kReplacement = 0xFFFD;
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

// Decodes one code point at p (n >= 1 bytes available). Returns the bytes
// consumed; on a malformed sequence `ok` is false and the count is the
// length of the maximal subpart, so every bad run becomes one U+FFFD exactly
// as the Windows and WHATWG decoders do.
size_t DecodeUtf8(const unsigned char* p, size_t n, uint32_t& cp, bool& ok) {
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

void AppendUtf8(std::string& out, uint32_t cp) {
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

// Appends s[from, to) with malformed sequences replaced by U+FFFD.
void AppendSanitized(std::string& out, const std::string& s, size_t from, size_t to) {
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

}  // namespace

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

std::string PadRight16(const std::string& s, size_t width) {
  const size_t len = Utf16Length(s);
  return len >= width ? s : s + std::string(width - len, ' ');
}

std::string PadLeft16(const std::string& s, size_t width) {
  const size_t len = Utf16Length(s);
  return len >= width ? s : std::string(width - len, ' ') + s;
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

// ---- Run log ----------------------------------------------------------------------

TLogger::~TLogger() {
  if (FHasFile) std::fclose(FFile);
}

void TLogger::OpenFile(const std::string& fileName) {
  const std::string dir = ExtractFileDir(fileName);
  if (!dir.empty()) plat::CreateDirs(dir);  // a failure shows up when opening
  std::FILE* f = plat::OpenFile(fileName, "ab");
  if (!f) {
    const uint32_t code = plat::LastErrorCode();
    throw std::runtime_error("无法打开日志文件“" + fileName + "”：" + SysErrorText(code));
  }
  if (FHasFile) std::fclose(FFile);
  FFile = f;
  FHasFile = true;
}

void TLogger::Raw(const std::string& s) {
  if (!FHasFile) return;
  std::string line = FormatDateTime(NowLocal());
  line += "  ";
  line += s;
  line += plat::LineEnd();
  // Flushed line by line so the log is complete even if the process is killed.
  if (std::fwrite(line.data(), 1, line.size(), FFile) != line.size() || std::fflush(FFile) != 0)
    throw std::runtime_error("写入日志文件失败：" + SysErrorText(plat::LastErrorCode()));
}

void TLogger::Info(const std::string& s) {
  Raw("[信息] " + s);
  if (!FQuiet) plat::WriteConsoleLine(s);
}

void TLogger::Warn(const std::string& s) {
  Raw("[警告] " + s);
  if (!FQuiet) plat::WriteConsoleLine("警告: " + s);
}

void TLogger::Error(const std::string& s) {
  Raw("[错误] " + s);
  plat::WriteConsoleLine("错误: " + s);
}

bool WriteStdOut(const std::string& text) {
  const plat::StdOutKind kind = plat::StdOutType();
  if (kind == plat::StdOutKind::File || kind == plat::StdOutKind::Pipe)
    return text.empty() || plat::WriteStdOutRaw(text);
  return plat::WriteConsoleLine(text);
}

void WriteLine(const std::string& text) { plat::WriteConsoleLine(text); }

// ---- Case folding ---------------------------------------------------------------------

namespace {

// Simple case folding as ranges: every code point in [Lo, Hi] whose distance
// from Lo is a multiple of Step maps to itself + Delta. Step 2 covers the
// alternating upper/lower pairs of Latin, Greek, Cyrillic and Coptic blocks.
// Sorted by Lo, no overlaps.
struct TFoldRange {
  uint32_t Lo, Hi;
  int32_t Delta;
  uint8_t Step;
};

constexpr TFoldRange kFold[] = {
    {0x00B5, 0x00B5, 0x03BC - 0x00B5, 1},
    {0x00C0, 0x00D6, 0x20, 1},
    {0x00D8, 0x00DE, 0x20, 1},
    {0x0100, 0x012F, 1, 2},
    {0x0132, 0x0137, 1, 2},
    {0x0139, 0x0148, 1, 2},
    {0x014A, 0x0177, 1, 2},
    {0x0178, 0x0178, 0x00FF - 0x0178, 1},
    {0x0179, 0x017E, 1, 2},
    {0x017F, 0x017F, 0x0073 - 0x017F, 1},
    {0x0181, 0x0181, 0x0253 - 0x0181, 1},
    {0x0182, 0x0185, 1, 2},
    {0x0186, 0x0186, 0x0254 - 0x0186, 1},
    {0x0187, 0x0187, 1, 1},
    {0x0189, 0x018A, 0x0256 - 0x0189, 1},
    {0x018B, 0x018B, 1, 1},
    {0x018E, 0x018E, 0x01DD - 0x018E, 1},
    {0x018F, 0x018F, 0x0259 - 0x018F, 1},
    {0x0190, 0x0190, 0x025B - 0x0190, 1},
    {0x0191, 0x0191, 1, 1},
    {0x0193, 0x0193, 0x0260 - 0x0193, 1},
    {0x0194, 0x0194, 0x0263 - 0x0194, 1},
    {0x0196, 0x0196, 0x0269 - 0x0196, 1},
    {0x0197, 0x0197, 0x0268 - 0x0197, 1},
    {0x0198, 0x0198, 1, 1},
    {0x019C, 0x019C, 0x026F - 0x019C, 1},
    {0x019D, 0x019D, 0x0272 - 0x019D, 1},
    {0x019F, 0x019F, 0x0275 - 0x019F, 1},
    {0x01A0, 0x01A5, 1, 2},
    {0x01A6, 0x01A6, 0x0280 - 0x01A6, 1},
    {0x01A7, 0x01A7, 1, 1},
    {0x01A9, 0x01A9, 0x0283 - 0x01A9, 1},
    {0x01AC, 0x01AC, 1, 1},
    {0x01AE, 0x01AE, 0x0288 - 0x01AE, 1},
    {0x01AF, 0x01AF, 1, 1},
    {0x01B1, 0x01B2, 0x028A - 0x01B1, 1},
    {0x01B3, 0x01B5, 1, 2},
    {0x01B7, 0x01B7, 0x0292 - 0x01B7, 1},
    {0x01B8, 0x01B8, 1, 1},
    {0x01BC, 0x01BC, 1, 1},
    {0x01C4, 0x01C4, 2, 1},
    {0x01C5, 0x01C5, 1, 1},
    {0x01C7, 0x01C7, 2, 1},
    {0x01C8, 0x01C8, 1, 1},
    {0x01CA, 0x01CA, 2, 1},
    {0x01CB, 0x01DB, 1, 2},
    {0x01DE, 0x01EF, 1, 2},
    {0x01F1, 0x01F1, 2, 1},
    {0x01F2, 0x01F4, 1, 2},
    {0x01F6, 0x01F6, 0x0195 - 0x01F6, 1},
    {0x01F7, 0x01F7, 0x01BF - 0x01F7, 1},
    {0x01F8, 0x021F, 1, 2},
    {0x0220, 0x0220, 0x019E - 0x0220, 1},
    {0x0222, 0x0233, 1, 2},
    {0x023A, 0x023A, 0x2C65 - 0x023A, 1},
    {0x023B, 0x023B, 1, 1},
    {0x023D, 0x023D, 0x019A - 0x023D, 1},
    {0x023E, 0x023E, 0x2C66 - 0x023E, 1},
    {0x0241, 0x0241, 1, 1},
    {0x0243, 0x0243, 0x0180 - 0x0243, 1},
    {0x0244, 0x0244, 0x0289 - 0x0244, 1},
    {0x0245, 0x0245, 0x028C - 0x0245, 1},
    {0x0246, 0x024F, 1, 2},
    {0x0345, 0x0345, 0x03B9 - 0x0345, 1},
    {0x0370, 0x0373, 1, 2},
    {0x0376, 0x0376, 1, 1},
    {0x037F, 0x037F, 0x03F3 - 0x037F, 1},
    {0x0386, 0x0386, 0x03AC - 0x0386, 1},
    {0x0388, 0x038A, 0x03AD - 0x0388, 1},
    {0x038C, 0x038C, 0x03CC - 0x038C, 1},
    {0x038E, 0x038F, 0x03CD - 0x038E, 1},
    {0x0391, 0x03A1, 0x20, 1},
    {0x03A3, 0x03AB, 0x20, 1},
    {0x03C2, 0x03C2, 1, 1},
    {0x03CF, 0x03CF, 0x03D7 - 0x03CF, 1},
    {0x03D0, 0x03D0, 0x03B2 - 0x03D0, 1},
    {0x03D1, 0x03D1, 0x03B8 - 0x03D1, 1},
    {0x03D5, 0x03D5, 0x03C6 - 0x03D5, 1},
    {0x03D6, 0x03D6, 0x03C0 - 0x03D6, 1},
    {0x03D8, 0x03EF, 1, 2},
    {0x03F0, 0x03F0, 0x03BA - 0x03F0, 1},
    {0x03F1, 0x03F1, 0x03C1 - 0x03F1, 1},
    {0x03F4, 0x03F4, 0x03B8 - 0x03F4, 1},
    {0x03F5, 0x03F5, 0x03B5 - 0x03F5, 1},
    {0x03F7, 0x03F7, 1, 1},
    {0x03F9, 0x03F9, 0x03F2 - 0x03F9, 1},
    {0x03FA, 0x03FA, 1, 1},
    {0x03FD, 0x03FF, 0x037B - 0x03FD, 1},
    {0x0400, 0x040F, 0x50, 1},
    {0x0410, 0x042F, 0x20, 1},
    {0x0460, 0x0481, 1, 2},
    {0x048A, 0x04BF, 1, 2},
    {0x04C0, 0x04C0, 0x0F, 1},
    {0x04C1, 0x04CE, 1, 2},
    {0x04D0, 0x052F, 1, 2},
    {0x0531, 0x0556, 0x30, 1},
    {0x10A0, 0x10C5, 0x2D00 - 0x10A0, 1},
    {0x10C7, 0x10C7, 0x2D27 - 0x10C7, 1},
    {0x10CD, 0x10CD, 0x2D2D - 0x10CD, 1},
    {0x13F8, 0x13FD, -8, 1},
    {0x1C80, 0x1C80, 0x0432 - 0x1C80, 1},
    {0x1C81, 0x1C81, 0x0434 - 0x1C81, 1},
    {0x1C82, 0x1C82, 0x043E - 0x1C82, 1},
    {0x1C83, 0x1C83, 0x0441 - 0x1C83, 1},
    {0x1C84, 0x1C84, 0x0442 - 0x1C84, 1},
    {0x1C85, 0x1C85, 0x0442 - 0x1C85, 1},
    {0x1C86, 0x1C86, 0x044A - 0x1C86, 1},
    {0x1C87, 0x1C87, 0x0463 - 0x1C87, 1},
    {0x1C88, 0x1C88, 0xA64B - 0x1C88, 1},
    {0x1C90, 0x1CBA, 0x10D0 - 0x1C90, 1},
    {0x1CBD, 0x1CBF, 0x10FD - 0x1CBD, 1},
    {0x1E00, 0x1E95, 1, 2},
    {0x1E9B, 0x1E9B, 0x1E61 - 0x1E9B, 1},
    {0x1E9E, 0x1E9E, 0x00DF - 0x1E9E, 1},
    {0x1EA0, 0x1EFF, 1, 2},
    {0x1F08, 0x1F0F, -8, 1},
    {0x1F18, 0x1F1D, -8, 1},
    {0x1F28, 0x1F2F, -8, 1},
    {0x1F38, 0x1F3F, -8, 1},
    {0x1F48, 0x1F4D, -8, 1},
    {0x1F59, 0x1F5F, -8, 2},
    {0x1F68, 0x1F6F, -8, 1},
    {0x1F88, 0x1F8F, -8, 1},
    {0x1F98, 0x1F9F, -8, 1},
    {0x1FA8, 0x1FAF, -8, 1},
    {0x1FB8, 0x1FB9, -8, 1},
    {0x1FBA, 0x1FBB, 0x1F70 - 0x1FBA, 1},
    {0x1FBC, 0x1FBC, -9, 1},
    {0x1FBE, 0x1FBE, 0x03B9 - 0x1FBE, 1},
    {0x1FC8, 0x1FCB, 0x1F72 - 0x1FC8, 1},
    {0x1FCC, 0x1FCC, -9, 1},
    {0x1FD8, 0x1FD9, -8, 1},
    {0x1FDA, 0x1FDB, 0x1F76 - 0x1FDA, 1},
    {0x1FE8, 0x1FE9, -8, 1},
    {0x1FEA, 0x1FEB, 0x1F7A - 0x1FEA, 1},
    {0x1FEC, 0x1FEC, -7, 1},
    {0x1FF8, 0x1FF9, 0x1F78 - 0x1FF8, 1},
    {0x1FFA, 0x1FFB, 0x1F7C - 0x1FFA, 1},
    {0x1FFC, 0x1FFC, -9, 1},
    {0x2126, 0x2126, 0x03C9 - 0x2126, 1},
    {0x212A, 0x212A, 0x006B - 0x212A, 1},
    {0x212B, 0x212B, 0x00E5 - 0x212B, 1},
    {0x2132, 0x2132, 0x214E - 0x2132, 1},
    {0x2160, 0x216F, 0x10, 1},
    {0x2183, 0x2183, 1, 1},
    {0x24B6, 0x24CF, 26, 1},
    {0x2C00, 0x2C2F, 0x30, 1},
    {0x2C60, 0x2C60, 1, 1},
    {0x2C62, 0x2C62, 0x026B - 0x2C62, 1},
    {0x2C63, 0x2C63, 0x1D7D - 0x2C63, 1},
    {0x2C64, 0x2C64, 0x027D - 0x2C64, 1},
    {0x2C67, 0x2C6B, 1, 2},
    {0x2C6D, 0x2C6D, 0x0251 - 0x2C6D, 1},
    {0x2C6E, 0x2C6E, 0x0271 - 0x2C6E, 1},
    {0x2C6F, 0x2C6F, 0x0250 - 0x2C6F, 1},
    {0x2C70, 0x2C70, 0x0252 - 0x2C70, 1},
    {0x2C72, 0x2C72, 1, 1},
    {0x2C75, 0x2C75, 1, 1},
    {0x2C7E, 0x2C7F, 0x023F - 0x2C7E, 1},
    {0x2C80, 0x2CE3, 1, 2},
    {0x2CEB, 0x2CED, 1, 2},
    {0x2CF2, 0x2CF2, 1, 1},
    {0xA640, 0xA66D, 1, 2},
    {0xA680, 0xA69B, 1, 2},
    {0xA722, 0xA72F, 1, 2},
    {0xA732, 0xA76F, 1, 2},
    {0xA779, 0xA77B, 1, 2},
    {0xA77D, 0xA77D, 0x1D79 - 0xA77D, 1},
    {0xA77E, 0xA787, 1, 2},
    {0xA78B, 0xA78B, 1, 1},
    {0xA78D, 0xA78D, 0x0265 - 0xA78D, 1},
    {0xA790, 0xA793, 1, 2},
    {0xA796, 0xA7A9, 1, 2},
    {0xA7AA, 0xA7AA, 0x0266 - 0xA7AA, 1},
    {0xA7AB, 0xA7AB, 0x025C - 0xA7AB, 1},
    {0xA7AC, 0xA7AC, 0x0261 - 0xA7AC, 1},
    {0xA7AD, 0xA7AD, 0x026C - 0xA7AD, 1},
    {0xA7AE, 0xA7AE, 0x026A - 0xA7AE, 1},
    {0xA7B0, 0xA7B0, 0x029E - 0xA7B0, 1},
    {0xA7B1, 0xA7B1, 0x0287 - 0xA7B1, 1},
    {0xA7B2, 0xA7B2, 0x029D - 0xA7B2, 1},
    {0xA7B3, 0xA7B3, 0xAB53 - 0xA7B3, 1},
    {0xA7B4, 0xA7C3, 1, 2},
    {0xA7C4, 0xA7C4, 0xA794 - 0xA7C4, 1},
    {0xA7C5, 0xA7C5, 0x0282 - 0xA7C5, 1},
    {0xA7C6, 0xA7C6, 0x1D8E - 0xA7C6, 1},
    {0xA7C7, 0xA7C9, 1, 2},
    {0xA7D0, 0xA7D0, 1, 1},
    {0xA7D6, 0xA7D9, 1, 2},
    {0xA7F5, 0xA7F5, 1, 1},
    {0xAB70, 0xABBF, 0x13A0 - 0xAB70, 1},
    {0xFF21, 0xFF3A, 0x20, 1},
    {0x10400, 0x10427, 0x28, 1},
    {0x104B0, 0x104D3, 0x28, 1},
    {0x10570, 0x1057A, 0x27, 1},
    {0x1057C, 0x1058A, 0x27, 1},
    {0x1058C, 0x10592, 0x27, 1},
    {0x10594, 0x10595, 0x27, 1},
    {0x10C80, 0x10CB2, 0x40, 1},
    {0x118A0, 0x118BF, 0x20, 1},
    {0x16E40, 0x16E5F, 0x20, 1},
    {0x1E900, 0x1E921, 0x22, 1},
};

uint32_t FoldCodePoint(uint32_t c) {
  if (c < 0xB5 || c > 0x1E921) return c;
  const TFoldRange* end = kFold + sizeof(kFold) / sizeof(kFold[0]);
  const TFoldRange* r =
      std::upper_bound(kFold, end, c, [](uint32_t v, const TFoldRange& e) { return v < e.Lo; });
  if (r == kFold) return c;
  --r;
  if (c > r->Hi || (c - r->Lo) % r->Step != 0) return c;
  return static_cast<uint32_t>(static_cast<int32_t>(c) + r->Delta);
}

// A code point's position in UTF-16 code-unit order: supplementary
// characters (surrogate pairs D800..DFFF) sort before U+E000..U+FFFF.
uint64_t Utf16OrderKey(uint32_t c) {
  if (c >= 0x10000) return (uint64_t{0xD800} << 10) + (c - 0x10000);
  return uint64_t{c} << 10;
}

// Tie order of TopN: a-z folded to A-Z, then UTF-16 code units, a prefix
// before the longer key. Negative, zero or positive like strcmp.
int CompareTieKeys(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  while (i < n && UpperChar(a[i]) == UpperChar(b[i])) ++i;
  if (i == n) return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
  const unsigned ca = static_cast<unsigned char>(UpperChar(a[i]));
  const unsigned cb = static_cast<unsigned char>(UpperChar(b[i]));
  if (ca < 0x80 || cb < 0x80) return ca < cb ? -1 : 1;
  // Both bytes belong to non-ASCII characters that start at the same offset.
  size_t s = i;
  while (s > 0 && (static_cast<unsigned char>(a[s]) & 0xC0) == 0x80) --s;
  uint32_t pa, pb;
  bool oka, okb;
  DecodeUtf8(U(a) + s, a.size() - s, pa, oka);
  DecodeUtf8(U(b) + s, b.size() - s, pb, okb);
  if (oka && okb && pa != pb) return Utf16OrderKey(pa) < Utf16OrderKey(pb) ? -1 : 1;
  return ca < cb ? -1 : 1;
}

}  // namespace

namespace {

// Folds `s` into `out`, reusing out's storage (the counters fold every key
// they meet).
void FoldCaseTo(std::string& out, const std::string& s) {
  // Most keys are ASCII: lower them in place and decode only from the first
  // non-ASCII byte on.
  out = s;
  size_t i = 0;
  for (; i < out.size(); ++i) {
    if (static_cast<unsigned char>(out[i]) >= 0x80) break;
    out[i] = LowerChar(out[i]);
  }
  if (i == out.size()) return;
  out.resize(i);
  const unsigned char* p = U(s);
  while (i < s.size()) {
    if (p[i] < 0x80) {
      out += LowerChar(s[i]);
      ++i;
      continue;
    }
    uint32_t cp;
    bool ok;
    const size_t len = DecodeUtf8(p + i, s.size() - i, cp, ok);
    const uint32_t f = ok ? FoldCodePoint(cp) : cp;
    if (ok && f != cp)
      AppendUtf8(out, f);
    else
      out.append(s, i, len);  // malformed bytes stay distinct
    i += len;
  }
}

}  // namespace

std::string FoldCase(const std::string& s) {
  std::string out;
  FoldCaseTo(out, s);
  return out;
}

// ---- Counting table ------------------------------------------------------------------

namespace {

uint64_t HashKey(const std::string& s) {
  // FNV-1a, then a final mix so that the low bits pick buckets well.
  uint64_t h = 1469598103934665603ULL;
  for (unsigned char c : s) h = (h ^ c) * 1099511628211ULL;
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  return h;
}

}  // namespace

int32_t TCounters::Find(const std::string& folded, uint64_t hash) const {
  if (FBuckets.empty()) return -1;
  const size_t mask = FBuckets.size() - 1;
  for (size_t i = static_cast<size_t>(hash) & mask;; i = (i + 1) & mask) {
    const uint32_t b = FBuckets[i];
    if (b == 0) return -1;
    const size_t slot = b - 1;
    if (FHashes[slot] == hash) {
      const std::string& k = FFolded[slot].empty() ? FEntries[slot].first : FFolded[slot];
      if (k == folded) return static_cast<int32_t>(slot);
    }
  }
}

void TCounters::Rehash(size_t buckets) {
  FBuckets.assign(buckets, 0);
  const size_t mask = buckets - 1;
  for (size_t slot = 0; slot < FHashes.size(); ++slot) {
    size_t i = static_cast<size_t>(FHashes[slot]) & mask;
    while (FBuckets[i] != 0) i = (i + 1) & mask;
    FBuckets[i] = static_cast<uint32_t>(slot + 1);
  }
}

void TCounters::Reserve(size_t n) {
  FEntries.reserve(n);
  FHashes.reserve(n);
  FFolded.reserve(n);
  size_t buckets = FBuckets.empty() ? 16 : FBuckets.size();
  while (buckets < n * 2) buckets *= 2;
  if (buckets != FBuckets.size()) Rehash(buckets);
}

void TCounters::IncValue(const std::string& key, int32_t delta) {
  if (key.empty()) return;
  static thread_local std::string folded;
  FoldCaseTo(folded, key);
  const uint64_t hash = HashKey(folded);
  const int32_t slot = Find(folded, hash);
  if (slot >= 0) {
    FEntries[static_cast<size_t>(slot)].second += delta;
    return;
  }
  if ((FEntries.size() + 1) * 2 > FBuckets.size())
    Rehash(FBuckets.empty() ? 16 : FBuckets.size() * 2);
  FHashes.push_back(hash);
  FFolded.push_back(folded == key ? std::string() : folded);
  FEntries.emplace_back(key, delta);
  const size_t mask = FBuckets.size() - 1;
  size_t i = static_cast<size_t>(hash) & mask;
  while (FBuckets[i] != 0) i = (i + 1) & mask;
  FBuckets[i] = static_cast<uint32_t>(FEntries.size());
}

int32_t TCounters::ValueOf(const std::string& key) const {
  if (key.empty()) return 0;
  const std::string folded = FoldCase(key);
  const int32_t slot = Find(folded, HashKey(folded));
  return slot < 0 ? 0 : FEntries[static_cast<size_t>(slot)].second;
}

void TCounters::TopN(int n, std::vector<Entry>& dst) const {
  dst.clear();
  std::vector<const Entry*> order;
  order.reserve(FEntries.size());
  for (const Entry& e : FEntries) order.push_back(&e);
  const size_t m = (n <= 0 || static_cast<size_t>(n) > order.size()) ? order.size()
                                                                       : static_cast<size_t>(n);
  auto less = [](const Entry* x, const Entry* y) {
    if (x->second != y->second) return x->second > y->second;
    const int c = CompareTieKeys(x->first, y->first);
    return c != 0 ? c < 0 : x->first < y->first;
  };
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(m), order.end(),
                    less);
  dst.reserve(m);
  for (size_t i = 0; i < m; ++i) dst.push_back(*order[i]);
}

// ---- URL and domain helpers ---------------------------------------------------------

std::string ExtractHost(const std::string& url) {
  // Works on offsets into `url`: it runs for every visit.
  size_t b = 0, e = url.size();
  while (b < e && static_cast<unsigned char>(url[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(url[e - 1]) <= 0x20) --e;
  const size_t sep = url.find("://", b);
  if (sep == std::string::npos || sep + 3 > e) return std::string();
  b = sep + 3;
  // The authority ends at the first "/", "?" or "#"; an "@" beyond it belongs
  // to the path or query (https://a.com?mail=x@b.com is a.com).
  size_t end = url.find_first_of("/?#", b);
  if (end == std::string::npos || end > e) end = e;
  const size_t at = url.find('@', b);
  if (at != std::string::npos && at < end) b = at + 1;
  if (b < end && url[b] == '[') {
    // A bracketed IPv6 literal keeps its colons; only a port after "]" goes.
    const size_t close = url.find(']', b);
    if (close != std::string::npos && close < end) {
      end = close + 1;
    } else {
      const size_t colon = url.find(':', b);
      if (colon < end) end = colon;
    }
  } else {
    const size_t colon = url.find(':', b);
    if (colon < end) end = colon;
  }
  while (b < end && static_cast<unsigned char>(url[b]) <= 0x20) ++b;
  while (end > b && static_cast<unsigned char>(url[end - 1]) <= 0x20) --end;
  std::string host(url, b, end - b);
  for (char& c : host) c = LowerChar(c);
  return host;
}

bool IsIPv4Host(const std::string& host) {
  if (host.empty()) return false;
  int dots = 0;
  for (char c : host) {
    if (c == '.')
      ++dots;
    else if (c < '0' || c > '9')
      return false;
  }
  return dots == 3;
}

namespace {

const char* const kTwoLevelSuffixes[] = {
    "com.cn", "net.cn", "org.cn", "gov.cn", "edu.cn", "ac.cn", "com.hk", "com.tw",
    "com.mo", "co.jp",  "co.kr",  "co.uk",  "com.au", "com.br", "com.sg", "com.my",
    "com.tr", "com.ru", "co.in",  "co.nz",  "co.za",  "com.ar", "com.mx", "com.vn",
};

inline bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 0x20 && c != '\0';
}

// Splits a host into labels the way a delimited-text list reads it: blanks
// end a label and are skipped, a trailing "." adds one empty label, and a
// label opening with a double quote runs to the matching quote ("" is one
// quote). A NUL ends the text.
std::vector<std::string> SplitLabels(const std::string& host) {
  std::vector<std::string> labels;
  const size_t n = std::min(host.size(), host.find('\0'));
  size_t p = 0;
  while (p < n && IsBlank(host[p])) ++p;
  while (p < n) {
    std::string label;
    if (host[p] == '"') {
      ++p;
      while (p < n) {
        if (host[p] == '"') {
          if (p + 1 < n && host[p + 1] == '"') {
            label += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        label += host[p++];
      }
    } else {
      const size_t b = p;
      while (p < n && static_cast<unsigned char>(host[p]) > 0x20 && host[p] != '.') ++p;
      label.assign(host, b, p - b);
    }
    labels.push_back(std::move(label));
    while (p < n && IsBlank(host[p])) ++p;
    if (p < n && host[p] == '.') {
      if (p + 1 >= n) labels.emplace_back();
      ++p;
      while (p < n && IsBlank(host[p])) ++p;
    }
  }
  return labels;
}

}  // namespace

std::string RegistrableDomain(const std::string& host) {
  if (host.empty()) return std::string();
  if (IsIPv4Host(host)) return host;
  const bool plain = std::none_of(host.begin(), host.end(), [](char c) {
    return c == '"' || static_cast<unsigned char>(c) <= 0x20;
  });
  if (plain) {
    // Without quotes or blanks the labels are exactly the pieces between dots.
    const size_t d1 = host.rfind('.');
    if (d1 == std::string::npos || d1 == 0) return host;
    const size_t d2 = host.rfind('.', d1 - 1);
    if (d2 == std::string::npos) return host;
    const std::string last2 = LowerAscii(host.substr(d2 + 1));
    for (const char* suffix : kTwoLevelSuffixes) {
      if (last2 != suffix) continue;
      const size_t d3 = d2 == 0 ? std::string::npos : host.rfind('.', d2 - 1);
      const size_t from = d3 == std::string::npos ? 0 : d3 + 1;
      return LowerAscii(host.substr(from, d2 - from)) + "." + last2;
    }
    return last2;
  }
  const std::vector<std::string> labels = SplitLabels(host);
  const size_t k = labels.size();
  if (k <= 2) return host;
  const std::string last2 = LowerAscii(labels[k - 2] + "." + labels[k - 1]);
  for (const char* suffix : kTwoLevelSuffixes)
    if (last2 == suffix) return LowerAscii(labels[k - 3]) + "." + last2;
  return last2;
}

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::string UrlDecode(const std::string& s) {
  if (s.empty()) return std::string();
  // Raw non-ASCII characters are already UTF-8 here and are kept byte for
  // byte, so unescaped text in a query survives the final decoding.
  std::string bytes;
  bytes.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    int hi, lo;
    if (c == '%' && i + 2 < s.size() && (hi = HexValue(s[i + 1])) >= 0 &&
        (lo = HexValue(s[i + 2])) >= 0) {
      bytes += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else if (c == '+') {
      bytes += ' ';
    } else {
      bytes += c;
    }
  }
  return Utf8BytesToString(bytes);
}

std::string GetQueryParam(const std::string& url, const std::string& name) {
  const size_t qm = url.find('?');
  if (qm == std::string::npos) return std::string();
  size_t end = url.find('#', qm + 1);
  if (end == std::string::npos) end = url.size();
  size_t p = qm + 1;
  while (p < end) {
    size_t amp = url.find('&', p);
    if (amp == std::string::npos || amp > end) amp = end;
    const size_t eq = url.find('=', p);
    const bool hasValue = eq != std::string::npos && eq < amp;
    const size_t nameEnd = hasValue ? eq : amp;
    if (SameTextAscii(UrlDecode(url.substr(p, nameEnd - p)), name))
      return hasValue ? UrlDecode(url.substr(eq + 1, amp - eq - 1)) : std::string();
    p = amp + 1;
  }
  return std::string();
}

bool IsWebUrl(const std::string& s) {
  const std::string t = LowerAscii(Trim(s));
  for (const char* scheme : {"http://", "https://", "ftp://", "file://"})
    if (t.compare(0, std::strlen(scheme), scheme) == 0) return true;
  return false;
}

std::string StripQuery(const std::string& url) {
  const size_t qm = url.find('?');
  return qm == std::string::npos ? url : url.substr(0, qm);
}

namespace {

template <typename Str>
bool WildcardMatchUnits(const Str& p, const Str& s) {
  using C = typename Str::value_type;
  auto lower = [](C c) -> C { return (c >= 'A' && c <= 'Z') ? static_cast<C>(c + 32) : c; };
  size_t i = 0, j = 0, star = 0, mark = 0;
  bool haveStar = false;
  while (j < s.size()) {
    if (i < p.size() && (lower(p[i]) == lower(s[j]) || p[i] == '?')) {
      ++i;
      ++j;
    } else if (i < p.size() && p[i] == '*') {
      haveStar = true;
      star = i;
      mark = j;
      ++i;
    } else if (haveStar) {
      i = star + 1;
      j = ++mark;
    } else {
      return false;
    }
  }
  while (i < p.size() && p[i] == '*') ++i;
  return i == p.size();
}

bool IsAscii(const std::string& s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& text) {
  // "?" stands for one UTF-16 unit, so non-ASCII text is compared as UTF-16.
  if (IsAscii(pattern) && IsAscii(text)) return WildcardMatchUnits(pattern, text);
  return WildcardMatchUnits(Utf8ToUtf16(pattern), Utf8ToUtf16(text));
}

bool VisitPassesFilters(const std::vector<std::string>* include,
                        const std::vector<std::string>* exclude, const std::string& url,
                        const std::string& title) {
  if (include && !include->empty()) {
    bool hit = false;
    for (const std::string& item : *include) {
      if (ContainsText(url, item) || ContainsText(title, item)) {
        hit = true;
        break;
      }
    }
    if (!hit) return false;
  }
  if (exclude && !exclude->empty()) {
    const std::string host = ExtractHost(url);
    for (const std::string& pattern : *exclude)
      if (WildcardMatch(pattern, host)) return false;
  }
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

void JsonEscapeTo(std::string& out, const std::string& s) {
  static const char kHex[] = "0123456789abcdef";
  const char* p = s.data();
  const size_t n = s.size();
  size_t run = 0;
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    if (!kJsonUnsafe.Table[c]) continue;
    out.append(p + run, i - run);
    run = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\f': out += "\\f"; break;
      case '\r': out += "\\r"; break;
      default: {
        const char esc[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
        out.append(esc, 6);
      }
    }
  }
  out.append(p + run, n - run);
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

std::string CleanTitle(const std::string& s) {
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
  return Utf16Length(t) > 300 ? Utf16Left(t, 300) : t;
}

std::string Utf8BytesToString(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  AppendSanitized(out, bytes, 0, bytes.size());
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

// ---- Paths and system queries -------------------------------------------------------

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (plat::IsPathSep(dir.back())) return dir + name;
  return dir + plat::kPathSep + name;
}

namespace {
size_t LastSep(const std::string& path) { return path.find_last_of("\\/"); }
}  // namespace

std::string ExtractFileDir(const std::string& path) {
  const size_t p = LastSep(path);
  if (p == std::string::npos) return std::string();
  return p == 0 ? path.substr(0, 1) : path.substr(0, p);  // "/x" lives in "/"
}

std::string ExtractFileName(const std::string& path) {
  const size_t p = LastSep(path);
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string MakeTempName(const std::string& prefix) {
  return JoinPath(plat::TempDir(), Format("vt_%s_%u_%d", prefix.c_str(),
                                          static_cast<unsigned>(plat::ProcessId()),
                                          static_cast<int>(plat::TickCount())));
}

bool IsElevated() { return plat::IsElevated(); }

std::string SysErrorText(uint32_t code) {
  std::string msg = Utf16Left(plat::SystemErrorMessage(code), 256);
  while (!msg.empty() && (static_cast<unsigned char>(msg.back()) <= 0x20 || msg.back() == '.'))
    msg.pop_back();
  if (msg.empty()) return Format("错误码 %d", static_cast<int>(code));
  return msg;
}

// ---- Time --------------------------------------------------------------------------------

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kMsPerDay = kSecondsPerDay * 1000;

bool gOffsetCached = false;
int64_t gOffsetSeconds = 0;

// Asked once per process: every visit goes through it, and one offset for
// the whole run keeps display and the /from /to window consistent.
int64_t UtcOffset() {
  if (!gOffsetCached) {
    gOffsetSeconds = plat::UtcOffsetNowSeconds();
    gOffsetCached = true;
  }
  return gOffsetSeconds;
}

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Calendar fields of a millisecond count since 1970 (no zone applied).
TDateTime FieldsFromUnixMs(int64_t ms) {
  const int64_t days = FloorDiv(ms, kMsPerDay);
  int64_t rest = ms - days * kMsPerDay;
  TDateTime d;
  CivilFromDays(days, d.Year, d.Month, d.Day);
  d.Hour = static_cast<int>(rest / 3600000);
  rest %= 3600000;
  d.Minute = static_cast<int>(rest / 60000);
  rest %= 60000;
  d.Second = static_cast<int>(rest / 1000);
  d.Msec = static_cast<int>(rest % 1000);
  return d;
}

// Unix seconds of 0001-01-01 and of 10000-01-01: the range a date-time holds.
constexpr int64_t kMinDateUnix = -62135596800LL;
constexpr int64_t kMaxDateUnix = 253402300800LL;

}  // namespace

void ResetUtcOffsetCache() { gOffsetCached = false; }

bool IsValidDate(int year, int month, int day) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + ((month == 2 && leap) ? 1 : 0);
}

// Proleptic Gregorian calendar (H. Hinnant's days-from-civil algorithms).
int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t mp = (month + 9) % 12;
  const int64_t doy = (153 * mp + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  const int64_t z = days + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int DayOfWeek(const TDateTime& d) {
  const int64_t days = DaysFromCivil(d.Year, d.Month, d.Day);
  return static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
}

TDateTime WinMicrosToLocal(int64_t t) {
  // t * 10 must fit the 100-ns file-time range, as the system call needs.
  if (t <= 0 || t > std::numeric_limits<int64_t>::max() / 10) return TDateTime();
  const int64_t ms = t / 1000 - kUnixTo1601Seconds * 1000 + UtcOffset() * 1000;
  const TDateTime d = FieldsFromUnixMs(ms);
  if (d.Year < 1990 || d.Year > 2100) return TDateTime();
  return d;
}

TDateTime UnixToDateTimeUtc(int64_t u) {
  if (u < kMinDateUnix || u >= kMaxDateUnix) return TDateTime();
  return FieldsFromUnixMs(u * 1000);
}

TDateTime UnixToLocal(int64_t u) {
  // The same test as converting (u + 11644473600) * 10^6 microseconds, done
  // without the multiplication that would overflow for absurd times.
  if (u > -kUnixTo1601Seconds && u < kMaxDateUnix) {
    const TDateTime r = WinMicrosToLocal((u + kUnixTo1601Seconds) * 1000000);
    if (!r.IsZero()) return r;
  }
  return UnixToDateTimeUtc(u);
}

namespace {
// Fields a file time can hold: 1601 onwards, every field in its range.
bool ConvertibleDateTime(const TDateTime& d) {
  return d.Year >= 1601 && IsValidDate(d.Year, d.Month, d.Day) && d.Hour >= 0 && d.Hour <= 23 &&
         d.Minute >= 0 && d.Minute <= 59 && d.Second >= 0 && d.Second <= 59 && d.Msec >= 0 &&
         d.Msec <= 999;
}
}  // namespace

int64_t DateTimeToUnix(const TDateTime& d) {
  if (!ConvertibleDateTime(d)) return 0;
  return DaysFromCivil(d.Year, d.Month, d.Day) * kSecondsPerDay + d.Hour * 3600 + d.Minute * 60 +
         d.Second;
}

TDateTime NowLocal() { return FieldsFromUnixMs(plat::NowUnixMillis() + UtcOffset() * 1000); }

int64_t NowUnix() { return DateTimeToUnix(NowLocal()); }

int64_t LocalToUnix(const TDateTime& d) {
  if (!ConvertibleDateTime(d)) return 0;
  return DateTimeToUnix(d) - UtcOffset();
}

std::string UnixToText(int64_t u) {
  if (u <= 0) return std::string();
  return FormatDateTime(UnixToLocal(u));
}

std::string FormatDate(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d-%02d-%02d", d.Year, d.Month, d.Day);
}

std::string FormatMinute(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d-%02d-%02d %02d:%02d", d.Year, d.Month, d.Day, d.Hour, d.Minute);
}

std::string FormatDateTime(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d-%02d-%02d %02d:%02d:%02d", d.Year, d.Month, d.Day, d.Hour, d.Minute,
                d.Second);
}

std::string FormatStamp(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d%02d%02d_%02d%02d%02d", d.Year, d.Month, d.Day, d.Hour, d.Minute, d.Second);
}
