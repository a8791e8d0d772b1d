// Reading a file at any offset through plat::TFileReader, for the POSIX
// tests and the Windows platform checks alike.
#pragma once

#include <string>

#include "uPlatform.h"

namespace vt_test {

// Reads the file at `path`, whose bytes are `content` (at least 64 KiB), at
// offsets all over it, from two threads at once, and past its end. Empty
// when every read gave what it should; otherwise what went wrong.
inline std::string CheckFileReader(const std::string& path, const std::string& content) {
  plat::TFileReader reader;
  if (reader.Open(path + ".missing")) return "a missing file opened";
  if (plat::LastErrorCode() != plat::kErrFileNotFound) return "a missing file: not code 2";
  if (!reader.Open(path)) return "the file did not open";
  if (reader.Size() != static_cast<int64_t>(content.size())) return "wrong size";
  std::string problems[2];
  auto readAll = [&](int lane) {
    return [&, lane]() {
      std::string buf;
      // Every lane reads the whole file in pieces of odd sizes, from its
      // own end inwards, so that the two keep crossing.
      for (size_t n = 1; n < content.size() && problems[lane].empty(); n = n * 3 + 7) {
        const size_t size = n % 9000 + 1;
        const size_t at = lane == 0 ? (n * 7919) % (content.size() - size)
                                    : content.size() - size - (n * 104729) % (content.size() - size);
        buf.assign(size, '\0');
        if (!reader.ReadAt(at, &buf[0], size) || buf != content.substr(at, size))
          problems[lane] = "a read at " + std::to_string(at) + " came back wrong";
      }
    };
  };
  plat::RunTogether({readAll(0), readAll(1)});
  if (!problems[0].empty()) return problems[0];
  if (!problems[1].empty()) return problems[1];
  char tail[8];
  if (!reader.ReadAt(content.size() - 8, tail, 8) || std::string(tail, 8) != content.substr(content.size() - 8))
    return "the last bytes came back wrong";
  if (reader.ReadAt(content.size() - 4, tail, 8)) return "a read past the end succeeded";
  if (reader.ReadAt(content.size() + 100, tail, 1)) return "a read beyond the end succeeded";
  return std::string();
}

}  // namespace vt_test
