// The WebCache worker decodes raw column bytes of a database it did not
// write: texts of any encoding, "Visited:" addresses and the serialized
// property store that holds the page title.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "uWebCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = ColumnText(bytes);
  const std::string title = PageTitleFromProperties(bytes);
  VisitedAddress(text);
  IsPlausibleFileTime(size >= 8 ? *reinterpret_cast<const int64_t*>(data) : 0);
  // What the worker writes can never break or forge a result line.
  for (const std::string& s : {WorkerText(text), WorkerText(title), WorkerText(bytes)})
    if (s.find_first_of(std::string("\t\r\n\0", 4)) != std::string::npos) std::abort();
  return 0;
}
