// Console, time, system messages and embedded resources on Windows.
#include <windows.h>

#include <cstdio>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {
using detail::Narrow;
using detail::Wide;
using detail::WriteAllTo;

// ---- Console -----------------------------------------------------------

namespace {

HANDLE StdOut() { return GetStdHandle(STD_OUTPUT_HANDLE); }

bool IsConsoleHandle(HANDLE h) {
  DWORD mode;
  return h != INVALID_HANDLE_VALUE && h != nullptr && GetFileType(h) == FILE_TYPE_CHAR &&
         GetConsoleMode(h, &mode);
}

}  // namespace

StdOutKind StdOutType() {
  HANDLE h = StdOut();
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return StdOutKind::Other;
  switch (GetFileType(h)) {
    case FILE_TYPE_DISK: return StdOutKind::File;
    case FILE_TYPE_PIPE: return StdOutKind::Pipe;
    case FILE_TYPE_CHAR: return IsConsoleHandle(h) ? StdOutKind::Console : StdOutKind::Other;
    default: return StdOutKind::Other;
  }
}

bool ConsoleIsOwnAlone() {
  // A console that lists this process alone was made for it: started from
  // the desktop, its window goes with the process.
  DWORD ids[2];
  return GetConsoleProcessList(ids, 2) == 1;
}

void WaitForKeyPress() {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  if (in == INVALID_HANDLE_VALUE || in == nullptr) return;
  FlushConsoleInputBuffer(in);
  INPUT_RECORD rec;
  DWORD got = 0;
  while (ReadConsoleInputW(in, &rec, 1, &got) && got == 1)
    if (rec.EventType == KEY_EVENT && rec.Event.KeyEvent.bKeyDown) return;
}

int ConsoleColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(StdOut(), &info)) return -1;
  // What the user sees: the window, not the buffer behind it (which is
  // often far wider and scrolls sideways).
  const int width = info.srWindow.Right - info.srWindow.Left + 1;
  return width > 0 ? width : info.dwSize.X;
}

namespace {
bool WriteLineTo(HANDLE h, const std::string& text) {
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  std::fflush(stdout);
  std::wstring w = Wide(text);
  w += L"\r\n";
  if (IsConsoleHandle(h)) {
    // The console shows every character whatever the code page is.
    size_t pos = 0;
    while (pos < w.size()) {
      size_t n = w.size() - pos < 8192 ? w.size() - pos : 8192;
      if (pos + n < w.size() && IS_HIGH_SURROGATE(w[pos + n - 1])) --n;  // keep pairs whole
      DWORD written = 0;
      if (!WriteConsoleW(h, w.data() + pos, static_cast<DWORD>(n), &written, nullptr) ||
          written == 0)
        return false;
      pos += written;
    }
    return true;
  }
  // Redirected: the ANSI code page, "?" for what it cannot represent.
  std::string bytes = Narrow(w, CP_ACP);
  return WriteAllTo(h, bytes.data(), bytes.size());
}
}  // namespace

bool WriteConsoleLine(const std::string& text) { return WriteLineTo(StdOut(), text); }

bool WriteErrorLine(const std::string& text) {
  return WriteLineTo(GetStdHandle(STD_ERROR_HANDLE), text);
}

bool WriteStdOutRaw(const std::string& bytes) {
  HANDLE h = StdOut();
  if (bytes.empty()) return true;
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  std::fflush(stdout);
  return WriteAllTo(h, bytes.data(), bytes.size());
}

const char* LineEnd() { return "\r\n"; }

std::string LogFileText(const std::string& text) { return Narrow(Wide(text), CP_ACP); }

// ---- Time and messages --------------------------------------------------

namespace {
constexpr int64_t kUnixEpochAs1601 = 116444736000000000LL;  // 100 ns units

int64_t NowFileTime() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  return static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) |
                              ft.dwLowDateTime);
}
}  // namespace

int64_t NowUnixUtc() { return (NowFileTime() - kUnixEpochAs1601) / 10000000; }

int64_t NowUnixMillis() { return (NowFileTime() - kUnixEpochAs1601) / 10000; }

int64_t UtcOffsetNowSeconds() {
  TIME_ZONE_INFORMATION tz;
  DWORD which = GetTimeZoneInformation(&tz);
  if (which == TIME_ZONE_ID_INVALID) return 0;
  LONG bias = tz.Bias;  // minutes, UTC = local + bias
  if (which == TIME_ZONE_ID_DAYLIGHT)
    bias += tz.DaylightBias;
  else if (which == TIME_ZONE_ID_STANDARD)
    bias += tz.StandardBias;
  return -static_cast<int64_t>(bias) * 60;
}

int64_t UtcOffsetAtSeconds(int64_t unixUtc) {
  // Outside the years 1601..9999 the calendar calls fail or overflow.
  if (unixUtc < -11644473600LL || unixUtc > 253402300799LL) return UtcOffsetNowSeconds();
  const uint64_t ticks = static_cast<uint64_t>(unixUtc * 10000000 + kUnixEpochAs1601);
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(ticks);
  ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  SYSTEMTIME utc, local;
  FILETIME localFt;
  // The current zone's dynamic rules give each year its own daylight-saving
  // dates. (SystemTimeToTzSpecificLocalTimeEx would take them directly, but
  // Wine lacks it.)
  DYNAMIC_TIME_ZONE_INFORMATION dtz;
  TIME_ZONE_INFORMATION tzi;
  if (!FileTimeToSystemTime(&ft, &utc) ||
      GetDynamicTimeZoneInformation(&dtz) == TIME_ZONE_ID_INVALID ||
      !GetTimeZoneInformationForYear(utc.wYear, &dtz, &tzi) ||
      !SystemTimeToTzSpecificLocalTime(&tzi, &utc, &local) ||
      !SystemTimeToFileTime(&local, &localFt))
    return UtcOffsetNowSeconds();
  const uint64_t localTicks =
      (static_cast<uint64_t>(localFt.dwHighDateTime) << 32) | localFt.dwLowDateTime;
  return (static_cast<int64_t>(localTicks) - static_cast<int64_t>(ticks)) / 10000000;
}

std::string SystemErrorMessage(uint32_t code) {
  wchar_t* buf = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                               FORMAT_MESSAGE_ALLOCATE_BUFFER,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  if (n == 0 || !buf) return std::string();
  std::wstring text(buf, n);
  LocalFree(buf);
  // The system texts end with a line break.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
    text.pop_back();
  return Narrow(text);
}

// ---- Embedded resources -------------------------------------------------

bool LoadEmbeddedResource(const std::string& name, std::string& data) {
  data.clear();
  HRSRC res = FindResourceW(nullptr, Wide(name).c_str(), RT_RCDATA);
  if (!res) return false;
  HGLOBAL loaded = LoadResource(nullptr, res);
  DWORD size = SizeofResource(nullptr, res);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return false;
  data.assign(static_cast<const char*>(bytes), size);
  return true;
}

}  // namespace plat
