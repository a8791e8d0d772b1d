// Memory on POSIX systems: the heap in large pages where the C library can
// be asked for them, and a limit for a worker process.
#include <sys/resource.h>
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

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The address space the process holds now; 0 when unknown.
uint64_t AddressSpaceBytes() {
  std::ifstream in("/proc/self/statm");
  uint64_t pages = 0;
  if (!(in >> pages)) return 0;
  const long pageSize = sysconf(_SC_PAGESIZE);
  return pageSize > 0 ? pages * static_cast<uint64_t>(pageSize) : 0;
}

}  // namespace

bool LimitOwnMemory(uint64_t bytes) {
  if (kSanitized || bytes == 0) return false;
  // Where the space held cannot be read, the limit counts it as nothing:
  // stricter, never looser.
  const uint64_t held = AddressSpaceBytes();
  const uint64_t want = held > ~uint64_t{0} - bytes ? ~uint64_t{0} : held + bytes;
  rlimit now{};
  if (getrlimit(RLIMIT_AS, &now) != 0) return false;
  const rlim_t limit = now.rlim_max != RLIM_INFINITY && now.rlim_max < want
                           ? now.rlim_max
                           : static_cast<rlim_t>(want);
  // The hard limit too: what runs here may not lift it again.
  const rlimit set{limit, limit};
  return setrlimit(RLIMIT_AS, &set) == 0;
}

}  // namespace plat
