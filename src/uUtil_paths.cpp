#include "uUtil.h"

#include "uPlatform.h"

// ---- Paths and system queries -------------------------------------------------------

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (plat::IsPathSep(dir.back())) return dir + name;
  return dir + plat::kPathSep + name;
}

namespace {
size_t LastSep(const std::string& path) { return path.find_last_of("\\/"); }
}  // namespace

std::string ExtractFileDir(const std::string& path) {
  const size_t p = LastSep(path);
  if (p == std::string::npos) return std::string();
  return p == 0 ? path.substr(0, 1) : path.substr(0, p);  // "/x" lives in "/"
}

std::string ExtractFileName(const std::string& path) {
  const size_t p = LastSep(path);
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string MakeTempName(const std::string& prefix) {
  return JoinPath(plat::TempDir(), Format("vt_%s_%u_%d", prefix.c_str(),
                                          static_cast<unsigned>(plat::ProcessId()),
                                          static_cast<int>(plat::TickCount())));
}

bool TempFolderWritable(uint32_t& code) {
  code = 0;
  const std::string dir = plat::TempDir();
  if (dir.empty()) {
    code = plat::kErrPathNotFound;
    return false;
  }
  const std::string probe = MakeTempName("probe");
  if (!plat::CreateNewFile(probe, code)) return code == plat::kErrFileExists;
  plat::RemoveFile(probe);
  return true;
}

std::string TempFolderErrorText(uint32_t code) {
  std::string dir = plat::TempDir();
  if (dir.size() > 1 && plat::IsPathSep(dir.back())) dir.pop_back();
  return Format("%s：%s（%s）", kTempFolderNotWritable, dir.c_str(), SysErrorText(code).c_str());
}

bool IsElevated() { return plat::IsElevated(); }

std::string SysErrorText(uint32_t code) {
  std::string msg = Utf16Left(plat::SystemErrorMessage(code), 256);
  while (!msg.empty() && (static_cast<unsigned char>(msg.back()) <= 0x20 || msg.back() == '.'))
    msg.pop_back();
  if (msg.empty()) return Format("错误码 %d", static_cast<int>(code));
  return msg;
}
