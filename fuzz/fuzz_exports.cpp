// An export on a share is whatever bytes someone left there. Read as a file
// with a small line cap, it must cost only its own lines: every line is
// either taken or counted bad (never both), and no record is added twice.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "uBrowsers_exports.h"
#include "uPlatform.h"
#include "uTypes.h"
#include "uUtil.h"

namespace {

const std::string& FilePath() {
  static const std::string path =
      plat::TempDir() + "vt_fuzz_exports_" + IntToStr(plat::ProcessId()) + ".jsonl";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::FILE* f = plat::OpenFile(FilePath(), "wb");
  if (!f) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);

  THistoryList list;
  TDownloadList downloads;
  TExportReader reader(list, downloads, TExportFilter());
  TExportFileInfo first, again;
  reader.ReadFile(FilePath(), first, 256);
  const int32_t visits = list.Count(), files = downloads.Count();
  reader.ReadFile(FilePath(), again, 256);  // the same file twice adds nothing

  int64_t lines = 0;
  for (char c : bytes) lines += c == '\n';
  if (!bytes.empty() && bytes.back() != '\n') ++lines;
  const int64_t taken = first.Visits + first.Downloads + first.Sources;
  if (taken + first.BadLines > lines) std::abort();
  if (first.BadLines > 0 && (first.FirstBadLine < 1 || first.FirstBadLine > lines)) std::abort();
  if (first.Foreign != (taken == 0)) std::abort();
  if (list.Count() != visits || downloads.Count() != files) std::abort();
  if (visits > first.Visits || files > first.Downloads) std::abort();
  return 0;
}
