// Memory on POSIX systems: the heap in large pages where the C library can
// be asked for them.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#if defined(__linux__) && defined(__GLIBC__)
#include <sys/auxv.h>
#endif

#include "uPlatform.h"

namespace plat {

#if defined(__linux__) && defined(__GLIBC__)
bool LargePagesOnRequest() {
  std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string modes;
  std::getline(in, modes);
  return modes.find("[always]") != std::string::npos ||
         modes.find("[madvise]") != std::string::npos;
}

void PreferLargePages(char** argv) {
  static const char kName[] = "GLIBC_TUNABLES", kSetting[] = "glibc.malloc.hugetlb=1";
  const char* now = std::getenv(kName);
  // Already asked for (by an earlier start, or by the user either way).
  if (now != nullptr && std::strstr(now, "glibc.malloc.hugetlb") != nullptr) return;
  // Started through the loader itself ("ld.so program …"): this path is the
  // loader's. A set-user-id start ignores the setting.
  if (getauxval(AT_BASE) == 0 || getauxval(AT_SECURE) != 0) return;
  if (!LargePagesOnRequest()) return;
  const std::string before = now != nullptr ? now : "";
  const std::string value = before.empty() ? kSetting : before + ":" + kSetting;
  if (setenv(kName, value.c_str(), 1) != 0) return;
  execv("/proc/self/exe", argv);
  // Not started again: go on as this start, with the environment as it was.
  if (now != nullptr)
    setenv(kName, before.c_str(), 1);
  else
    unsetenv(kName);
}
#else
bool LargePagesOnRequest() { return false; }
void PreferLargePages(char** /*argv*/) {}
#endif

}  // namespace plat
