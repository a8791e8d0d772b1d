#include <string>
#include <vector>

#include "uDriver.h"

#ifdef _WIN32
#include <windows.h>

#include "uUtil.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) {
    const wchar_t* w = argv[i];
    args.push_back(Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(w))));
  }
  return RunMain(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  return RunMain(args);
}
#endif
