// The real WebCacheV01.dat sample (gzip-compressed in tests/samples),
// unpacked into a scratch folder for a test.
#pragma once

#include <cstdlib>
#include <string>

#include "TestSupport.h"

namespace vt_test {

// Unpacks the sample as `dir`/WebCacheV01.dat and returns that path; empty
// when the samples folder or the gzip tool is missing.
inline std::string UnpackWebCacheSample(const std::string& dir) {
  const std::string gz = SamplePath("WebCacheV01_dirty.dat.gz");
  if (gz.empty() || !Exists(gz)) return std::string();
  MakeDirs(dir);
  const std::string target = dir + "/WebCacheV01.dat";
  const std::string cmd = "gzip -dc '" + gz + "' > '" + target + "' 2>/dev/null";
  if (std::system(cmd.c_str()) != 0 || !Exists(target)) return std::string();
  return target;
}

// Bytes that begin as an ESE database does (its signature at offset 4 of
// the first 100 bytes), followed by `body`: a WebCache database that is
// copied and handed to the worker, which then finds what it holds.
inline std::string EseLike(const std::string& body) {
  std::string head(100, '\0');
  head.replace(4, 4, "\xEF\xCD\xAB\x89");
  return head + body;
}

}  // namespace vt_test

#define VT_REQUIRE_WEBCACHE_SAMPLE(var, dir)                                          \
  const std::string var = vt_test::UnpackWebCacheSample(dir);                         \
  if (var.empty()) GTEST_FAIL() << "tests/samples/WebCacheV01_dirty.dat.gz could not be unpacked"
