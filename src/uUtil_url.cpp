#include "uUtil.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "uTypes.h"
#include "uUtf8.h"

using namespace utf8;

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
  size_t end = b;
  while (end < e && url[end] != '/' && url[end] != '?' && url[end] != '#') ++end;
  // The marks below count only inside the authority: looked for there
  // alone, not through the rest of a long address.
  auto findIn = [&](char c, size_t from) {
    const void* hit = std::memchr(url.data() + from, c, end - from);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - url.data()) : end;
  };
  const size_t at = findIn('@', b);
  if (at < end) b = at + 1;
  if (b < end && url[b] == '[') {
    // A bracketed IPv6 literal keeps its colons; only a port after "]" goes.
    const size_t close = findIn(']', b);
    end = close < end ? close + 1 : findIn(':', b);
  } else {
    end = findIn(':', b);
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

namespace {

// Percent escapes decoded to bytes; "+" as a blank only in form encoding.
std::string PercentDecodeBytes(const std::string& s, bool plusIsBlank) {
  std::string bytes;
  bytes.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    int hi, lo;
    if (c == '%' && i + 2 < s.size() && (hi = HexValue(s[i + 1])) >= 0 &&
        (lo = HexValue(s[i + 2])) >= 0) {
      bytes += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else if (c == '+' && plusIsBlank) {
      bytes += ' ';
    } else {
      bytes += c;
    }
  }
  return bytes;
}

}  // namespace

std::string UrlDecode(const std::string& s) {
  if (s.empty()) return std::string();
  // Raw non-ASCII characters are already UTF-8 here and are kept byte for
  // byte, so unescaped text in a query survives the final decoding.
  return Utf8BytesToString(PercentDecodeBytes(s, true));
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

std::string FileUriToPath(const std::string& uri) {
  if (uri.size() < 7 || !SameTextAscii(uri.substr(0, 7), "file://")) return uri;
  std::string rest = uri.substr(7);
  const size_t cut = rest.find_first_of("?#");
  if (cut != std::string::npos) rest.erase(cut);
  std::string path = Utf8BytesToString(PercentDecodeBytes(rest, false));
  auto backslashes = [](std::string p) {
    for (char& c : p)
      if (c == '/') c = '\\';
    return p;
  };
  // "/C:/Users/…" (file:///C:/…) and "C:/…" (file://C:/…) are drive paths.
  const auto isDrive = [](const std::string& p, size_t at) {
    return p.size() >= at + 2 && std::isalpha(static_cast<unsigned char>(p[at])) &&
           (p[at + 1] == ':' || p[at + 1] == '|') && (p.size() == at + 2 || p[at + 2] == '/');
  };
  if (!path.empty() && path[0] == '/' && isDrive(path, 1)) {
    path.erase(0, 1);
    path[1] = ':';
    return backslashes(path);
  }
  if (isDrive(path, 0)) {
    path[1] = ':';
    return backslashes(path);
  }
  if (!path.empty() && path[0] != '/') {
    // file://server/share/…: a network path; "localhost" names this machine.
    const size_t slash = path.find('/');
    const std::string host = path.substr(0, slash);
    if (SameTextAscii(host, "localhost"))
      return slash == std::string::npos ? std::string("/") : FileUriToPath("file://" + path.substr(slash));
    return "\\\\" + backslashes(path);
  }
  return path;
}

bool AcceptDownload(TDownloadRecord& d, int64_t fromUnix, int64_t toUnix,
                    const std::vector<std::string>* include,
                    const std::vector<std::string>* exclude, bool privacy) {
  if (d.StartUnix <= 0 && (fromUnix > 0 || toUnix > 0)) return false;
  if (fromUnix > 0 && d.StartUnix < fromUnix) return false;
  if (toUnix > 0 && d.StartUnix >= toUnix) return false;
  if (!VisitPassesFilters(include, exclude, d.Url, d.Path)) return false;
  if (privacy) {
    for (std::string* address : {&d.Url, &d.OriginalUrl, &d.Referrer, &d.TabUrl})
      *address = StripQuery(*address);
  }
  return true;
}
