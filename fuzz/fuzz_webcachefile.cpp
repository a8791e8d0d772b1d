// Damaged WebCache databases through the worker's whole dump, in process:
// the ESE reader, the container search and the row decoding. Either the
// input is the file itself (bit 0 of the first byte clear), or (bit 0 set,
// and VT_WEBCACHE_SAMPLE naming an unpacked WebCacheV01.dat) a list of
// patches to a real database: offset (4 bytes, little-endian, taken modulo
// the file's size, so that small numbers reach the header and catalogue
// pages), length (1 byte), then that many bytes. The real file is never
// copied into the seeds; scripts/fuzz.sh unpacks it from the samples.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "uPlatform.h"
#include "uUtil.h"
#include "uWebCache.h"

namespace {

std::string gDir;
std::string gSample;

std::string ReadAll(const std::string& path) {
  std::string s;
  ReadWholeFile(path, s);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* dir = std::getenv("VT_FUZZ_TMP");
  std::string tmpl = std::string(dir && *dir ? dir : "/tmp") + "/vt_fuzz_webcache_XXXXXX";
  if (!mkdtemp(&tmpl[0])) std::abort();
  gDir = tmpl;
  if (const char* sample = std::getenv("VT_WEBCACHE_SAMPLE")) gSample = ReadAll(sample);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::string file;
  if ((data[0] & 1) && !gSample.empty()) {
    file = gSample;
    size_t i = 1;
    while (i + 5 <= size) {
      const uint32_t off = data[i] | data[i + 1] << 8 | data[i + 2] << 16 |
                           static_cast<uint32_t>(data[i + 3]) << 24;
      const size_t len = data[i + 4];
      i += 5;
      for (size_t k = 0; k < len && i < size; ++k, ++i)
        file[(off + k) % file.size()] = static_cast<char>(data[i]);
    }
  } else {
    file.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
  }
  const std::string dbFile = JoinPath(gDir, "WebCacheV01.dat");
  std::FILE* f = plat::OpenFile(dbFile, "wb");
  if (!f) std::abort();
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
  const std::string tsv = JoinPath(gDir, "out.tsv");
  std::string msg;
  if (DumpWebCache(gDir, tsv, msg)) {
    // A written result always begins with its byte-order mark.
    const std::string out = ReadAll(tsv);
    if (out.compare(0, 3, "\xEF\xBB\xBF") != 0) std::abort();
  } else if (msg.empty()) {
    std::abort();
  }
  plat::RemoveFile(tsv);
  return 0;
}
