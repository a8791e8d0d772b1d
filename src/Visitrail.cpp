#include <string>
#include <vector>

#include "uDriver.h"
#include "uPlatform.h"
#include "uWebCache.h"

#ifdef _WIN32
// The arguments are split from the raw command line by the program's own
// rule (a backslash before a quote stays a backslash), not by the C runtime.
int wmain(int, wchar_t**) {
  plat::HardenProcess();
  const std::vector<std::string> args = plat::CommandLineArgs();
  const int code = RunMain(args);
  // Started by a double-click, the console window would close with the
  // run, before its result could be read. (A worker's console is its own
  // too, but nobody looks at it.)
  if (!IsWorkerCommandLine(args) && plat::StdOutType() == plat::StdOutKind::Console &&
      plat::ConsoleIsOwnAlone()) {
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
