#include "uUtil.h"

#include <stdexcept>

#include "uPlatform.h"

// ---- Run log ----------------------------------------------------------------------

namespace {
void LogPlatformNotice(void* log, const std::string& text) {
  try {
    static_cast<TLogger*>(log)->Warn(text);
  } catch (...) {
    // A log that cannot be written is reported by the run's next line.
  }
}
}  // namespace

TLogger::TLogger() { plat::SetWarningSink(LogPlatformNotice, this); }

TLogger::~TLogger() {
  plat::SetWarningSink(nullptr, this);
  if (FHasFile) std::fclose(FFile);
}

void TLogger::OpenFile(const std::string& fileName) {
  const std::string dir = ExtractFileDir(fileName);
  if (!dir.empty()) plat::CreateDirs(dir);  // a failure shows up when opening
  std::FILE* f = plat::OpenFile(fileName, "ab");
  if (!f) {
    const uint32_t code = plat::LastErrorCode();
    throw std::runtime_error("无法打开日志文件“" + fileName + "”：" + SysErrorText(code));
  }
  if (FHasFile) std::fclose(FFile);
  FFile = f;
  FHasFile = true;
}

void TLogger::Raw(const std::string& s) {
  if (!FHasFile) return;
  std::string line = FormatDateTime(NowLocal());
  line += "  ";
  line += LineSafeText(s);  // one entry, one line, whatever a name holds
  line += plat::LineEnd();
  line = plat::LogFileText(line);  // the ANSI code page on Windows
  // Flushed line by line so the log is complete even if the process is killed.
  if (std::fwrite(line.data(), 1, line.size(), FFile) != line.size() || std::fflush(FFile) != 0)
    throw std::runtime_error("写入日志文件失败：" + SysErrorText(plat::LastErrorCode()));
}

void TLogger::Info(const std::string& s) {
  Raw("[信息] " + s);
  if (!FQuiet && !FReportOnStdOut) plat::WriteConsoleLine(LineSafeText(s));
}

void TLogger::Warn(const std::string& s) {
  Raw("[警告] " + s);
  if (FQuiet) return;
  if (FReportOnStdOut)
    plat::WriteErrorLine("警告: " + LineSafeText(s));
  else
    plat::WriteConsoleLine("警告: " + LineSafeText(s));
}

void TLogger::Error(const std::string& s) {
  Raw("[错误] " + s);
  if (FReportOnStdOut)
    plat::WriteErrorLine("错误: " + LineSafeText(s));
  else
    plat::WriteConsoleLine("错误: " + LineSafeText(s));
}

bool StdOutIsConsole() { return plat::StdOutType() == plat::StdOutKind::Console; }

bool WriteStdOut(const std::string& text) {
  if (!StdOutIsConsole())
    return text.empty() || plat::WriteStdOutRaw(text);
  return plat::WriteConsoleLine(text);
}

bool WriteLine(const std::string& text) { return plat::WriteConsoleLine(LineSafeText(text)); }

void WriteErrorLine(const std::string& text) { plat::WriteErrorLine(LineSafeText(text)); }
