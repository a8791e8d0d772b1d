// Small builders shared by the analyzer tests.
#pragma once

#include <string>

#include "TestSupport.h"
#include "uAggregate.h"
#include "uUtil.h"

namespace agg_test {

// 2024-01-07 00:00:00 UTC, a Sunday.
constexpr int64_t kSunday = 1704585600;
constexpr int64_t kHour = 3600;
constexpr int64_t kDay = 86400;

inline THistoryRecord Visit(const std::string& url, int64_t unix, const std::string& title = "",
                            const std::string& browser = "Chrome") {
  THistoryRecord r;
  r.SetSource("chrome", browser, "Default");
  r.Url = url;
  r.Title = title;
  r.VisitUnix = unix;
  return r;
}

// A time zone for the scope (the offset cache is re-read on both sides).
using ScopedTz = vt_test::TzOverride;

}  // namespace agg_test
