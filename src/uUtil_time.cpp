#include "uUtil.h"

#include <limits>

#include "uPlatform.h"

// ---- Time --------------------------------------------------------------------------------

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kMsPerDay = kSecondsPerDay * 1000;

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Calendar fields of a millisecond count since 1970 (no zone applied).
TDateTime FieldsFromUnixMs(int64_t ms) {
  const int64_t days = FloorDiv(ms, kMsPerDay);
  int64_t rest = ms - days * kMsPerDay;
  TDateTime d;
  CivilFromDays(days, d.Year, d.Month, d.Day);
  d.Hour = static_cast<int>(rest / 3600000);
  rest %= 3600000;
  d.Minute = static_cast<int>(rest / 60000);
  rest %= 60000;
  d.Second = static_cast<int>(rest / 1000);
  d.Msec = static_cast<int>(rest % 1000);
  return d;
}

// Unix seconds of 0001-01-01 and of 10000-01-01: the range a date-time holds.
constexpr int64_t kMinDateUnix = -62135596800LL;
constexpr int64_t kMaxDateUnix = 253402300800LL;

// The UTC offset of every instant, asked of the system once per day of Unix
// time: a history of a million visits spans a few hundred days, and each
// question costs the system a look at its zone file. A day whose two ends
// have different offsets holds a change of zone rules; it is asked once per
// hour instead, and an hour whose ends differ has its instants asked one by
// one.
struct TOffsetSlot {
  int64_t Span;  // day or hour number
  int32_t Offset;
  bool Valid;
  bool Mixed;
};
constexpr size_t kOffsetSlots = 4096;  // a power of two
// Per thread: report writers convert times on several threads at once.
thread_local TOffsetSlot gDayOffsets[kOffsetSlots];
thread_local TOffsetSlot gHourOffsets[kOffsetSlots];

// The slot of the span of `length` seconds holding `u`, asked when missing.
const TOffsetSlot& OffsetSlot(TOffsetSlot* slots, int64_t u, int64_t length) {
  const int64_t span = FloorDiv(u, length);
  TOffsetSlot& s = slots[static_cast<uint64_t>(span) & (kOffsetSlots - 1)];
  if (!s.Valid || s.Span != span) {
    const int64_t first = plat::UtcOffsetAtSeconds(span * length);
    const int64_t last = plat::UtcOffsetAtSeconds(span * length + length - 1);
    s = TOffsetSlot{span, static_cast<int32_t>(first), true, first != last};
  }
  return s;
}

}  // namespace

void ResetUtcOffsetCache() {
  for (TOffsetSlot& s : gDayOffsets) s.Valid = false;
  for (TOffsetSlot& s : gHourOffsets) s.Valid = false;
}

int64_t UtcOffsetAt(int64_t u) {
  const TOffsetSlot& day = OffsetSlot(gDayOffsets, u, kSecondsPerDay);
  if (!day.Mixed) return day.Offset;
  const TOffsetSlot& hour = OffsetSlot(gHourOffsets, u, 3600);
  return hour.Mixed ? plat::UtcOffsetAtSeconds(u) : hour.Offset;
}

bool IsValidDate(int year, int month, int day) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + ((month == 2 && leap) ? 1 : 0);
}

// Proleptic Gregorian calendar (H. Hinnant's days-from-civil algorithms).
int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t mp = (month + 9) % 12;
  const int64_t doy = (153 * mp + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  const int64_t z = days + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int DayOfWeek(const TDateTime& d) {
  const int64_t days = DaysFromCivil(d.Year, d.Month, d.Day);
  return static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
}

TDateTime WinMicrosToLocal(int64_t t) {
  // t * 10 must fit the 100-ns file-time range, as the system call needs.
  if (t <= 0 || t > std::numeric_limits<int64_t>::max() / 10) return TDateTime();
  const int64_t utcMs = t / 1000 - kUnixTo1601Seconds * 1000;
  const int64_t ms = utcMs + UtcOffsetAt(FloorDiv(utcMs, 1000)) * 1000;
  const TDateTime d = FieldsFromUnixMs(ms);
  if (d.Year < 1990 || d.Year > 2100) return TDateTime();
  return d;
}

TDateTime UnixToDateTimeUtc(int64_t u) {
  if (u < kMinDateUnix || u >= kMaxDateUnix) return TDateTime();
  return FieldsFromUnixMs(u * 1000);
}

TDateTime UnixToLocal(int64_t u) {
  // The same test as converting (u + 11644473600) * 10^6 microseconds, done
  // without the multiplication that would overflow for absurd times.
  if (u > -kUnixTo1601Seconds && u < kMaxDateUnix) {
    const TDateTime r = WinMicrosToLocal((u + kUnixTo1601Seconds) * 1000000);
    if (!r.IsZero()) return r;
  }
  return UnixToDateTimeUtc(u);
}

namespace {
// Fields a file time can hold: 1601 onwards, every field in its range.
bool ConvertibleDateTime(const TDateTime& d) {
  return d.Year >= 1601 && IsValidDate(d.Year, d.Month, d.Day) && d.Hour >= 0 && d.Hour <= 23 &&
         d.Minute >= 0 && d.Minute <= 59 && d.Second >= 0 && d.Second <= 59 && d.Msec >= 0 &&
         d.Msec <= 999;
}
}  // namespace

int64_t DateTimeToUnix(const TDateTime& d) {
  if (!ConvertibleDateTime(d)) return 0;
  return DaysFromCivil(d.Year, d.Month, d.Day) * kSecondsPerDay + d.Hour * 3600 + d.Minute * 60 +
         d.Second;
}

TDateTime NowLocal() {
  const int64_t ms = plat::NowUnixMillis();
  return FieldsFromUnixMs(ms + UtcOffsetAt(FloorDiv(ms, 1000)) * 1000);
}

int64_t NowUnix() { return DateTimeToUnix(NowLocal()); }

int64_t LocalToUnix(const TDateTime& d) {
  if (!ConvertibleDateTime(d)) return 0;
  // The offset of the instant itself: first guess with the offset at the
  // wall-clock value read as UTC, then correct with the offset at the guess
  // (a change of rules lies between the two only on the day of a change).
  const int64_t wall = DateTimeToUnix(d);
  return wall - UtcOffsetAt(wall - UtcOffsetAt(wall));
}

std::string UnixToText(int64_t u) {
  if (u <= 0) return std::string();
  return FormatDateTime(UnixToLocal(u));
}

std::string FormatDate(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d-%02d-%02d", d.Year, d.Month, d.Day);
}

std::string FormatMinute(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d-%02d-%02d %02d:%02d", d.Year, d.Month, d.Day, d.Hour, d.Minute);
}

std::string FormatDateTime(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d-%02d-%02d %02d:%02d:%02d", d.Year, d.Month, d.Day, d.Hour, d.Minute,
                d.Second);
}

std::string FormatStamp(const TDateTime& d) {
  if (d.IsZero()) return std::string();
  return Format("%04d%02d%02d_%02d%02d%02d", d.Year, d.Month, d.Day, d.Hour, d.Minute, d.Second);
}
