// Time conversions under fixed-offset zones and zones with daylight saving
// (POSIX TZ strings, so no zone database is needed): CST-8 is UTC+8, EST5 is
// UTC-5, EST5EDT,... is New York's rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "TestSupport.h"
#include "uPlatform.h"
#include "uUtil.h"

namespace {

// Sets the zone and makes the conversions ask for the offsets again.
using Zone = vt_test::TzOverride;

TDateTime Dt(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  TDateTime r;
  r.Year = y;
  r.Month = mo;
  r.Day = d;
  r.Hour = h;
  r.Minute = mi;
  r.Second = s;
  return r;
}

// Chromium's unit: microseconds since 1601-01-01 UTC.
int64_t ChromeTime(int64_t unix) { return (unix + kUnixTo1601Seconds) * 1000000; }

constexpr int64_t kSample = 1700000000;  // 2023-11-14 22:13:20 UTC

}  // namespace

TEST(Calendar, CivilDaysWeekdaysAndValidity) {
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
  EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
  EXPECT_EQ(DaysFromCivil(1601, 1, 1), -kUnixTo1601Seconds / 86400);
  for (int64_t days : {-200000LL, -1LL, 0LL, 59LL, 11016LL, 47482LL, 2932896LL}) {
    int y, m, d;
    CivilFromDays(days, y, m, d);
    EXPECT_EQ(DaysFromCivil(y, m, d), days);
  }
  int y, m, d;
  CivilFromDays(DaysFromCivil(2024, 2, 29), y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);

  EXPECT_EQ(DayOfWeek(Dt(1970, 1, 1)), 4);   // Thursday
  EXPECT_EQ(DayOfWeek(Dt(2024, 1, 1)), 1);   // Monday
  EXPECT_EQ(DayOfWeek(Dt(1969, 12, 28)), 0);  // Sunday

  EXPECT_TRUE(IsValidDate(2024, 2, 29));
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_FALSE(IsValidDate(2023, 2, 29));
  EXPECT_FALSE(IsValidDate(2023, 4, 31));
  EXPECT_FALSE(IsValidDate(2023, 13, 1));
  EXPECT_FALSE(IsValidDate(0, 1, 1));
}

TEST(TimeConversion, LocalDisplayFollowsTheZone) {
  {
    Zone z("CST-8");
    EXPECT_EQ(UnixToText(kSample), "2023-11-15 06:13:20");
    EXPECT_EQ(FormatDateTime(WinMicrosToLocal(ChromeTime(kSample) + 999)), "2023-11-15 06:13:20");
    EXPECT_EQ(WinMicrosToLocal(ChromeTime(kSample) + 7000).Msec, 7);
  }
  {
    Zone z("EST5");
    EXPECT_EQ(UnixToText(kSample), "2023-11-14 17:13:20");
    const TDateTime d = UnixToLocal(kSample);
    EXPECT_EQ(FormatDate(d), "2023-11-14");
    EXPECT_EQ(FormatMinute(d), "2023-11-14 17:13");
    EXPECT_EQ(FormatStamp(d), "20231114_171320");
  }
}

TEST(TimeConversion, OffsetIsCachedUntilReset) {
  Zone z("CST-8");
  EXPECT_EQ(UnixToText(kSample), "2023-11-15 06:13:20");
  vt_test::EnvOverride other("TZ", "EST5");  // the zone changes behind the cache's back
  EXPECT_EQ(UnixToText(kSample), "2023-11-15 06:13:20");  // still the first offset
  ResetUtcOffsetCache();
  EXPECT_EQ(UnixToText(kSample), "2023-11-14 17:13:20");
}

// Daylight saving: every instant is shown with the offset in effect at that
// instant, not the one in effect now. The rule string is New York's, for
// machines without the zone database.
TEST(TimeConversion, EachInstantUsesTheOffsetOfItsOwnDate) {
  const std::string july = "2026-07-15 12:00:00", january = "2026-01-15 12:00:00";
  auto utc = [](int y, int mo, int d, int h, int mi = 0, int s = 0) {
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
  };
  for (const char* tz : {"America/New_York", "EST5EDT,M3.2.0,M11.1.0"}) {
    if (std::string(tz) == "America/New_York" && !vt_test::Exists("/usr/share/zoneinfo/" + std::string(tz)))
      continue;
    Zone z(tz);
    EXPECT_EQ(UnixToText(utc(2026, 7, 15, 12)), "2026-07-15 08:00:00") << tz;
    EXPECT_EQ(UnixToText(utc(2026, 1, 15, 12)), "2026-01-15 07:00:00") << tz;
    EXPECT_EQ(UtcOffsetAt(utc(2026, 7, 15, 12)), -4 * 3600) << tz;
    EXPECT_EQ(FormatDateTime(WinMicrosToLocal(ChromeTime(utc(2026, 1, 15, 12)))),
              "2026-01-15 07:00:00") << tz;
    // The changes themselves: 02:00 EST becomes 03:00 EDT, 02:00 EDT 01:00 EST.
    EXPECT_EQ(UnixToText(utc(2026, 3, 8, 6, 59, 59)), "2026-03-08 01:59:59") << tz;
    EXPECT_EQ(UnixToText(utc(2026, 3, 8, 7)), "2026-03-08 03:00:00") << tz;
    EXPECT_EQ(UnixToText(utc(2026, 11, 1, 5, 59, 59)), "2026-11-01 01:59:59") << tz;
    EXPECT_EQ(UnixToText(utc(2026, 11, 1, 6)), "2026-11-01 01:00:00") << tz;
    // A local midnight is converted with the offset in effect at it, also on
    // the change days.
    EXPECT_EQ(LocalToUnix(Dt(2026, 7, 15)), utc(2026, 7, 15, 4)) << tz;
    EXPECT_EQ(LocalToUnix(Dt(2026, 1, 15)), utc(2026, 1, 15, 5)) << tz;
    EXPECT_EQ(LocalToUnix(Dt(2026, 3, 8)), utc(2026, 3, 8, 5)) << tz;
    EXPECT_EQ(LocalToUnix(Dt(2026, 3, 9)), utc(2026, 3, 9, 4)) << tz;
    EXPECT_EQ(LocalToUnix(Dt(2026, 11, 1)), utc(2026, 11, 1, 4)) << tz;
    EXPECT_EQ(LocalToUnix(Dt(2026, 11, 2)), utc(2026, 11, 2, 5)) << tz;
  }
  // The southern hemisphere saves daylight in January; Lord Howe Island
  // moves by half an hour, inside one hour of Unix time.
  {
    Zone z("AEST-10AEDT,M10.1.0,M4.1.0/3");
    EXPECT_EQ(UnixToText(utc(2026, 1, 15, 12)), "2026-01-15 23:00:00");
    EXPECT_EQ(UnixToText(utc(2026, 7, 15, 12)), "2026-07-15 22:00:00");
    EXPECT_EQ(LocalToUnix(Dt(2026, 1, 15)), utc(2026, 1, 14, 13));
  }
  // East of Greenwich the wall-clock midnight read as UTC lies after the
  // change while the midnight itself lies before it: New Zealand's clocks go
  // forward on 2024-09-29 at 02:00 (14:00 UTC the day before) and back on
  // 2025-04-06 at 03:00. Both midnights keep the offset they were lived in.
  {
    Zone z("NZST-12NZDT,M9.5.0,M4.1.0/3");
    EXPECT_EQ(LocalToUnix(Dt(2024, 9, 29)), utc(2024, 9, 28, 12));
    EXPECT_EQ(LocalToUnix(Dt(2024, 9, 30)), utc(2024, 9, 29, 11));
    EXPECT_EQ(LocalToUnix(Dt(2025, 4, 6)), utc(2025, 4, 5, 11));
    EXPECT_EQ(LocalToUnix(Dt(2025, 4, 7)), utc(2025, 4, 6, 12));
    EXPECT_EQ(UnixToText(LocalToUnix(Dt(2024, 9, 29))), "2024-09-29 00:00:00");
    EXPECT_EQ(UnixToText(LocalToUnix(Dt(2025, 4, 6))), "2025-04-06 00:00:00");
  }
  {
    Zone z("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    EXPECT_EQ(UnixToText(utc(2023, 9, 30, 15, 29, 59)), "2023-10-01 01:59:59");
    EXPECT_EQ(UnixToText(utc(2023, 9, 30, 15, 30)), "2023-10-01 02:30:00");
    EXPECT_EQ(UnixToText(utc(2023, 9, 30, 15, 0)), "2023-10-01 01:30:00");
    EXPECT_EQ(UnixToText(utc(2023, 9, 30, 15, 45)), "2023-10-01 02:45:00");
  }
}

TEST(TimeConversion, OutOfRangeYearsAndNonPositiveTimes) {
  Zone z("CST-8");
  EXPECT_TRUE(WinMicrosToLocal(0).IsZero());
  EXPECT_TRUE(WinMicrosToLocal(-5).IsZero());
  EXPECT_TRUE(WinMicrosToLocal(INT64_MAX).IsZero());      // overflows as 100-ns units
  EXPECT_TRUE(WinMicrosToLocal(INT64_MAX / 10).IsZero());  // far beyond 2100
  // Local 1989-12-31 23:59:59 and 1990-01-01 00:00:00 (UTC+8).
  const int64_t start1990 = DaysFromCivil(1990, 1, 1) * 86400 - 8 * 3600;
  EXPECT_TRUE(WinMicrosToLocal(ChromeTime(start1990 - 1)).IsZero());
  EXPECT_EQ(FormatDateTime(WinMicrosToLocal(ChromeTime(start1990))), "1990-01-01 00:00:00");
  const int64_t start2101 = DaysFromCivil(2101, 1, 1) * 86400 - 8 * 3600;
  EXPECT_FALSE(WinMicrosToLocal(ChromeTime(start2101 - 1)).IsZero());
  EXPECT_TRUE(WinMicrosToLocal(ChromeTime(start2101)).IsZero());

  // Outside 1990..2100 the UTC figures are shown, without the offset.
  EXPECT_EQ(FormatDateTime(UnixToLocal(0)), "1970-01-01 00:00:00");
  EXPECT_EQ(FormatDateTime(UnixToLocal(-1)), "1969-12-31 23:59:59");
  EXPECT_EQ(UnixToText(1), "1970-01-01 00:00:01");
  EXPECT_EQ(UnixToText(DaysFromCivil(2200, 5, 6) * 86400), "2200-05-06 00:00:00");
  EXPECT_EQ(UnixToText(0), "");
  EXPECT_EQ(UnixToText(-1), "");
  EXPECT_EQ(UnixToText(INT64_MAX), "");  // beyond any calendar date
  EXPECT_TRUE(UnixToDateTimeUtc(INT64_MIN).IsZero());
}

TEST(TimeConversion, WallClockFieldsReadAsUtc) {
  for (const char* tz : {"CST-8", "EST5"}) {
    Zone z(tz);
    EXPECT_EQ(DateTimeToUnix(Dt(1970, 1, 2)), 86400) << tz;
    EXPECT_EQ(DateTimeToUnix(Dt(2023, 11, 14, 22, 13, 20)), kSample) << tz;
    EXPECT_EQ(DateTimeToUnix(Dt(1969, 12, 31, 23, 59, 59)), -1) << tz;
    EXPECT_EQ(DateTimeToUnix(Dt(2023, 2, 30)), 0) << tz;
    EXPECT_EQ(DateTimeToUnix(Dt(2023, 1, 1, 24)), 0) << tz;
    EXPECT_EQ(DateTimeToUnix(Dt(1600, 12, 31)), 0) << tz;
    EXPECT_EQ(DateTimeToUnix(TDateTime()), 0) << tz;
  }
  {
    Zone z("CST-8");
    EXPECT_EQ(LocalToUnix(Dt(1970, 1, 2, 8)), 86400);
    EXPECT_EQ(LocalToUnix(Dt(2023, 11, 15, 6, 13, 20)), kSample);
    EXPECT_EQ(LocalToUnix(Dt(2023, 2, 30)), 0);
    // "Now" read as UTC runs ahead of true Unix time by the offset.
    const int64_t skew = NowUnix() - plat::NowUnixUtc();
    EXPECT_NEAR(static_cast<double>(skew), 8 * 3600.0, 2.0);
    EXPECT_NEAR(static_cast<double>(LocalToUnix(NowLocal())),
                static_cast<double>(plat::NowUnixUtc()), 2.0);
  }
  {
    Zone z("EST5");
    EXPECT_EQ(LocalToUnix(Dt(2023, 11, 14, 17, 13, 20)), kSample);
    EXPECT_NEAR(static_cast<double>(NowUnix() - plat::NowUnixUtc()), -5 * 3600.0, 2.0);
  }
}

TEST(TimeFormat, ZeroDateTimeFormatsAsEmpty) {
  EXPECT_EQ(FormatDate(TDateTime()), "");
  EXPECT_EQ(FormatDateTime(TDateTime()), "");
  EXPECT_EQ(FormatStamp(Dt(2026, 1, 2, 3, 4, 5)), "20260102_030405");
  EXPECT_EQ(FormatMinute(Dt(999, 1, 2, 3, 4, 5)), "0999-01-02 03:04");
}
