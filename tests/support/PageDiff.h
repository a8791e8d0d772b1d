// A Chrome profile's History collected twice, with tables read from their
// pages and through the engine alone, and the two results compared: what
// the collector keeps of each visit (time, address, title, the address's
// number, the source) and what it says of the source. A page path that
// refuses a table hands it to the engine, so the two must agree on every
// store, sound or damaged. Header only: the tests, tools/diff_pages and
// fuzz/fuzz_pages link the collector themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uBrowsers.h"
#include "uSqlite.h"
#include "uTypes.h"

namespace vt_test {

// Where the History of Chrome's Default profile lies under the
// Windows-style user folder `root`.
inline std::string ChromeHistoryIn(const std::string& root) {
  return root + "/AppData/Local/Google/Chrome/User Data/Default/History";
}

// What one collection of the user folder `root` gave, a line per visit
// record in list order, then a line per source; `pages` switches the
// reading of pages for the collection's length. `from`/`to`: the time
// window in Unix seconds (0 = open).
inline std::vector<std::string> CollectLines(const std::string& root, bool pages,
                                             int64_t from = 0, int64_t to = 0) {
  THistoryList list;
  TSourceList sources;
  SetPageReading(pages);
  {
    TCollector collector(list, sources, nullptr, from, to);
    collector.SetSourceFilter("chrome");
    collector.Collect({TUserProfile{"u", root, true}});
  }
  SetPageReading(true);
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(list.Count() + sources.Count()));
  for (int32_t i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[static_cast<size_t>(i)];
    lines.push_back(std::to_string(r.VisitUnix) + " #" + std::to_string(r.Address) + " " +
                    r.Url.str() + " | " + r.Title.str() + " | " + r.BrowserId() + " " +
                    r.Profile());
  }
  for (int32_t i = 0; i < sources.Count(); ++i) {
    const TSourceInfo& s = sources.Items()[static_cast<size_t>(i)];
    lines.push_back("source " + s.BrowserId + " " + s.Profile + ": " + StatusLabel(s.Status) +
                    ", " + std::to_string(s.Count) + " visits, \"" + s.Message + "\"");
  }
  return lines;
}

// The time window a store drawn from `seed` is collected in: one store in
// four has one (Unix seconds, 0 = open), where the drawn visits lie.
inline void WindowFor(uint64_t seed, int64_t& from, int64_t& to) {
  uint64_t s = seed * 0x9E3779B97F4A7C15ULL + 0x5EED;
  auto next = [&]() { return (s = s * 6364136223846793005ULL + 1442695040888963407ULL) >> 33; };
  from = to = 0;
  if (next() % 4 != 0) return;
  from = 1700000000 + static_cast<int64_t>(next() % 8000000);
  to = next() % 2 ? 0 : from + static_cast<int64_t>(next() % 4000000);
}

// True when a collection ran out of its store time limit: how far it got
// then depends on the machine's pace, not on the path it read by.
inline bool RanOutOfTime(const std::vector<std::string>& lines) {
  return !lines.empty() && lines.back().find("读取超时") != std::string::npos;
}

// The first place where the page path's lines differ from the engine's,
// described (each line cut to 300 bytes); empty when they agree.
inline std::string FirstDifference(const std::vector<std::string>& pages,
                                   const std::vector<std::string>& engine) {
  if (pages == engine) return std::string();
  size_t i = 0;
  while (i < pages.size() && i < engine.size() && pages[i] == engine[i]) ++i;
  auto line = [](const std::vector<std::string>& v, size_t at) {
    return at < v.size() ? v[at].substr(0, 300) : std::string("(none)");
  };
  return "pages: " + std::to_string(pages.size()) + " lines, engine: " +
         std::to_string(engine.size()) + "; line " + std::to_string(i) + ":\n  pages:  " +
         line(pages, i) + "\n  engine: " + line(engine, i) + "\n  last pages:  " +
         line(pages, pages.size() - 1) + "\n  last engine: " + line(engine, engine.size() - 1);
}

// How a store read both ways compares.
enum class TBothWays {
  kSame,
  kDiffer,         // the page path gave something the engine never gives
  kEngineUnsteady, // the engine's own answer changes from one reading to the next
  kOutOfTime,      // a reading ran out of its time limit
};

// Collects the user folder `root` with page reading on and off and compares.
// The engine reads some damage (a cell that starts in a page's last bytes)
// from memory beyond the page, which differs from one reading to the next:
// before a difference is laid to the page path, the engine reads the store
// again, and a page path that gave one of its answers, or an engine that
// does not keep to one, is no difference. `diff` says what differs.
inline TBothWays CompareBothWays(const std::string& root, int64_t from, int64_t to,
                                 std::string& diff) {
  const std::vector<std::string> pages = CollectLines(root, true, from, to);
  const std::vector<std::string> engine = CollectLines(root, false, from, to);
  if (RanOutOfTime(pages) || RanOutOfTime(engine)) return TBothWays::kOutOfTime;
  diff = FirstDifference(pages, engine);
  if (diff.empty()) return TBothWays::kSame;
  for (int again = 0; again < 3; ++again) {
    const std::vector<std::string> other = CollectLines(root, false, from, to);
    if (other == pages || other != engine) return TBothWays::kEngineUnsteady;
  }
  return TBothWays::kDiffer;
}

}  // namespace vt_test
