// Shared by the report tests: building visit lists and a small validating
// JSON reader (no third-party parser in the test build).
#pragma once

#include <string>
#include <vector>

#include "uAggregate.h"
#include "uReport.h"
#include "uTypes.h"

namespace report_test {

inline THistoryRecord Visit(const std::string& title, const std::string& url, int64_t unix,
                            const std::string& browser = "Chrome",
                            const std::string& profile = "Default") {
  THistoryRecord r;
  r.SetSource("chrome", browser, profile);
  r.Url = url;
  r.Title = title;
  r.VisitUnix = unix;
  return r;
}

// Visits titled t0..t{n-1}, newest first, one hour apart.
inline THistoryList NumberedVisits(int n) {
  THistoryList list;
  for (int i = 0; i < n; ++i)
    list.Add(Visit("t" + std::to_string(i), "https://example.com/" + std::to_string(i),
                   1700000000 - i * 3600));
  return list;
}

// Parses one JSON value of `s` starting at `pos` (RFC 8259 grammar, no
// white space between tokens is assumed). Returns the index just after it,
// or std::string::npos when the text is not valid JSON there. When `keys`
// is given and the value is an object, its keys (raw, still escaped) are
// appended in order.
class TJsonChecker {
 public:
  explicit TJsonChecker(const std::string& s) : S(s) {}

  size_t Value(size_t p, std::vector<std::string>* keys = nullptr) {
    if (p >= S.size()) return npos;
    switch (S[p]) {
      case '{': return Object(p, keys);
      case '[': return Array(p);
      case '"': return String(p);
      case 't': return Word(p, "true");
      case 'f': return Word(p, "false");
      case 'n': return Word(p, "null");
      default: return Number(p);
    }
  }

  // True when the whole text is exactly one valid value.
  bool WholeDocument(std::vector<std::string>* keys = nullptr) {
    return Value(0, keys) == S.size();
  }

 private:
  static constexpr size_t npos = std::string::npos;

  size_t Word(size_t p, const char* w) {
    std::string word(w);
    return S.compare(p, word.size(), word) == 0 ? p + word.size() : npos;
  }
  size_t Number(size_t p) {
    size_t q = p;
    if (q < S.size() && S[q] == '-') ++q;
    size_t digits = q;
    while (q < S.size() && isdigit(static_cast<unsigned char>(S[q]))) ++q;
    if (q == digits || (S[digits] == '0' && q - digits > 1)) return npos;
    return q;  // the writers emit integers only
  }
  size_t String(size_t p) {
    for (size_t q = p + 1; q < S.size(); ++q) {
      unsigned char c = static_cast<unsigned char>(S[q]);
      if (c == '"') return q + 1;
      if (c < 0x20) return npos;
      if (c == '\\') {
        if (++q >= S.size()) return npos;
        char e = S[q];
        if (e == 'u') {
          if (q + 4 >= S.size()) return npos;
          for (int k = 1; k <= 4; ++k)
            if (!isxdigit(static_cast<unsigned char>(S[q + k]))) return npos;
          q += 4;
        } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
          return npos;
        }
      }
    }
    return npos;
  }
  size_t Array(size_t p) {
    size_t q = p + 1;
    if (q < S.size() && S[q] == ']') return q + 1;
    for (;;) {
      q = Value(q);
      if (q == npos || q >= S.size()) return npos;
      if (S[q] == ']') return q + 1;
      if (S[q] != ',') return npos;
      ++q;
    }
  }
  size_t Object(size_t p, std::vector<std::string>* keys) {
    size_t q = p + 1;
    if (q < S.size() && S[q] == '}') return q + 1;
    for (;;) {
      size_t k = String(q);
      if (k == npos || k >= S.size() || S[k] != ':') return npos;
      if (keys) keys->push_back(S.substr(q + 1, k - q - 2));
      q = Value(k + 1);
      if (q == npos || q >= S.size()) return npos;
      if (S[q] == '}') return q + 1;
      if (S[q] != ',') return npos;
      ++q;
    }
  }

  const std::string& S;
};

inline bool IsJson(const std::string& s, std::vector<std::string>* keys = nullptr) {
  return TJsonChecker(s).WholeDocument(keys);
}

// The text of the object held by `key` ("stats":{...}) in a document.
inline std::string MemberText(const std::string& doc, const std::string& key) {
  size_t at = doc.find("\"" + key + "\":");
  if (at == std::string::npos) return std::string();
  size_t start = at + key.size() + 3;
  size_t end = TJsonChecker(doc).Value(start);
  return end == std::string::npos ? std::string() : doc.substr(start, end - start);
}

inline size_t CountOf(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
  return n;
}

}  // namespace report_test
