#include <string>
#include <vector>

#include "uDriver.h"
#include "uPlatform.h"

#ifdef _WIN32
// The arguments are split from the raw command line by the program's own
// rule (a backslash before a quote stays a backslash), not by the C runtime.
int wmain(int, wchar_t**) {
  plat::HardenProcess();
  const int code = RunMain(plat::CommandLineArgs());
  // Started by a double-click, the console window would close with the
  // run, before its result could be read.
  if (plat::ConsoleIsOwnAlone()) {
    plat::WriteConsoleLine("按任意键退出…");
    plat::WaitForKeyPress();
  }
  return code;
}
#else
int main(int argc, char** argv) {
  plat::PreferLargePages(argv);
  plat::HardenProcess();
  std::vector<std::string> args(argv, argv + argc);
  return RunMain(args);
}
#endif
