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

}  // namespace vt_test

#define VT_REQUIRE_WEBCACHE_SAMPLE(var, dir)                                          \
  const std::string var = vt_test::UnpackWebCacheSample(dir);                         \
  if (var.empty()) GTEST_FAIL() << "tests/samples/WebCacheV01_dirty.dat.gz could not be unpacked"
