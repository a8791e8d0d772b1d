// The parent reads whatever the worker process left in its result file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "uWebCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  THistoryList list;
  std::vector<std::string> include{"a"}, exclude{"*.b.com"};
  TWebCacheFilter none;
  ParseResultFile(text, list, "ie", "IE", "u\\WebCache", none);
  TWebCacheFilter some;
  some.FromUnix = 1000;
  some.ToUnix = 4000000000LL;
  some.Include = &include;
  some.Exclude = &exclude;
  some.Privacy = true;
  ParseResultFile(text, list, "ie", "IE", "u\\WebCache", some);
  return 0;
}
