// Private to the POSIX platform files: the helpers they share.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat {
namespace detail {

// The Windows error code nearest to an errno value.
uint32_t ErrnoCode(int e);
// All of `len` bytes to `fd`, through interruptions; false with errno set.
bool WriteWhole(int fd, const char* data, size_t len);

}  // namespace detail
}  // namespace plat
