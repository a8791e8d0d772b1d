// The URL helpers take addresses straight from browser stores.
#include <cstddef>
#include <cstdint>
#include <string>

#include "uUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string s(reinterpret_cast<const char*>(data), size);
  std::string host = ExtractHost(s);
  RegistrableDomain(host);
  RegistrableDomain(s);
  IsIPv4Host(s);
  UrlDecode(s);
  size_t cut = s.find('\n');
  std::string name = cut == std::string::npos ? "q" : s.substr(0, cut);
  std::string rest = cut == std::string::npos ? s : s.substr(cut + 1);
  GetQueryParam(rest, name);
  WildcardMatch(name, rest);
  IsWebUrl(s);
  StripQuery(s);
  return 0;
}
