// Option parsing must accept or reject any argument list without crashing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "uDriver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Arguments are separated by NUL bytes; /version would end the process,
  // so it is left out of the argument list.
  std::vector<std::string> args{"Visitrail"};
  std::string cur;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(cur);
      cur.clear();
    } else {
      cur += static_cast<char>(data[i]);
    }
  }
  args.push_back(cur);
  for (auto& a : args) {
    std::string name, value;
    SplitOption(a, name, value);
    if (name == "version") a = "/quiet";
    TDateTime d;
    ParseDate(a, d);
  }
  TOptions opts;
  std::string err;
  bool versionShown = false;
  ParseOptions(args, opts, err, versionShown);
  return 0;
}
