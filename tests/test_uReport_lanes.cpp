// Records formatted in chunks side by side: the document must come out
// exactly as one pass in order would make it, stop when the destination
// fails, and pass on a lane's failure.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "uReport_out.h"

using namespace report_detail;

namespace {

// Record k as text: its number and a marker that MakeScriptSafe rewrites.
void FormatRange(std::string& out, int32_t from, int32_t to) {
  for (int32_t k = from; k < to; ++k) out += (k == 0 ? "" : ",") + std::to_string(k) + "</";
}

std::string Expected(int32_t count) {
  std::string out;
  FormatRange(out, 0, count);
  return out;
}

}  // namespace

TEST(uReportLanes, EveryLaneCountAndChunkSizeGivesTheDocumentInOrder) {
  for (int lanes : {1, 2, 3, 4, 7}) {
    for (int32_t perChunk : {1, 3, 64, 5000}) {
      for (int32_t count : {0, 1, 2, 5, 1000}) {
        // Into a destination in pieces (the sink trades buffers with the
        // lanes), and whole into memory.
        std::string written;
        {
          TReportSink sink([&](const std::string& bytes) {
            written += bytes;
            return true;
          });
          sink.Text = "[";
          EmitRecordChunks(sink, count, perChunk, lanes,
                           [&](int, std::string& out, int32_t from, int32_t to, const TPassOn&) {
                             FormatRange(out, from, to);
                           });
          sink.Text += "]";
          sink.Drain();
        }
        EXPECT_EQ(written, "[" + Expected(count) + "]") << lanes << " " << perChunk << " " << count;
        TReportSink memory;
        EmitRecordChunks(memory, count, perChunk, lanes,
                         [&](int, std::string& out, int32_t from, int32_t to, const TPassOn&) {
                           FormatRange(out, from, to);
                         });
        EXPECT_EQ(memory.Text, Expected(count)) << lanes << " " << perChunk << " " << count;
      }
    }
  }
}

TEST(uReportLanes, EachLaneKeepsToItsOwnStateAndScriptTextIsMadeSafe) {
  // A lane's state is touched by that lane only: a counter per lane adds up
  // to the records formatted, with no update lost to another lane.
  std::vector<int64_t> perLane(3, 0);
  std::string written;
  TReportSink sink([&](const std::string& bytes) {
    written += bytes;
    return true;
  });
  // The first lane's first chunk waits (a while at most) for another lane
  // to begin, so that on a busy machine too more than one lane formats.
  std::atomic<bool> othersBegan{false};
  sink.BeginScript();
  EmitRecordChunks(sink, 100000, 777, 3, [&](int lane, std::string& out, int32_t from, int32_t to, const TPassOn&) {
    if (lane != 0) othersBegan = true;
    for (int i = 0; lane == 0 && from == 0 && !othersBegan && i < 5000; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    for (int32_t k = from; k < to; ++k) ++perLane[static_cast<size_t>(lane)];
    FormatRange(out, from, to);
  });
  sink.EndScript();
  sink.Drain();
  EXPECT_EQ(perLane[0] + perLane[1] + perLane[2], 100000);
  EXPECT_GT(perLane[1] + perLane[2], 0);
  EXPECT_EQ(written.find("</"), std::string::npos);
  std::string safe = Expected(100000);
  MakeScriptSafe(safe, 0);
  EXPECT_EQ(written, safe);
}

TEST(uReportLanes, ChunksOfVeryUnequalCostComeOutInOrderWithNoLaneTwiceAtOnce) {
  // Lanes take chunks as they come free and whichever is free hands on the
  // next one in order: slow chunks among quick ones (and a destination that
  // is slow now and then) must neither reorder the document nor let two
  // threads format as one lane.
  for (int lanes : {2, 3, 4}) {
    std::vector<std::atomic<int>> busy(static_cast<size_t>(lanes));
    std::atomic<int> clashes{0};
    std::string written;
    int pieces = 0;
    TReportSink sink([&](const std::string& bytes) {
      if (++pieces % 7 == 0) std::this_thread::sleep_for(std::chrono::microseconds(300));
      written += bytes;
      return true;
    });
    EmitRecordChunks(sink, 30000, 100, lanes, [&](int lane, std::string& out, int32_t from, int32_t to, const TPassOn&) {
      if (busy[static_cast<size_t>(lane)]++ != 0) ++clashes;
      if (from / 100 % 13 == 0) std::this_thread::sleep_for(std::chrono::microseconds(500));
      FormatRange(out, from, to);
      if (from / 100 % 29 == 0) out.append(1100000, ' ');  // a chunk that spills at once
      --busy[static_cast<size_t>(lane)];
    });
    sink.Drain();
    std::string expected;
    for (int32_t from = 0; from < 30000; from += 100) {
      FormatRange(expected, from, from + 100);
      if (from / 100 % 29 == 0) expected.append(1100000, ' ');
    }
    EXPECT_EQ(clashes.load(), 0) << lanes;
    EXPECT_TRUE(written == expected) << lanes;
  }
}

// Records of megabytes (addresses kept at their longest, visited again and
// again): a chunk of them is handed on as it grows, in order, instead of
// sitting whole in memory, with one lane or several.
TEST(uReportLanes, AChunkOfHugeRecordsIsHandedOnAsItGrows) {
  constexpr size_t kRecord = 512 * 1024;
  constexpr int32_t kPerChunk = 24, kCount = 8 * kPerChunk;  // 12 MB a chunk
  for (int lanes : {1, 2, 3}) {
    std::vector<int32_t> seen;  // record numbers in the order written
    size_t largest = 0;
    TReportSink sink([&](const std::string& bytes) {
      largest = std::max(largest, bytes.size());
      for (size_t at = bytes.find('<'); at != std::string::npos; at = bytes.find('<', at + 1))
        seen.push_back(std::stoi(bytes.substr(at + 1, 6)));
      return true;
    });
    EmitRecordChunks(sink, kCount, kPerChunk, lanes,
                     [&](int, std::string& out, int32_t from, int32_t to, const TPassOn& passOn) {
                       for (int32_t k = from; k < to; ++k) {
                         char head[16];
                         std::snprintf(head, sizeof head, "<%06d>", k);
                         out += head;
                         out.append(kRecord, 'x');
                         PassOnIfLarge(out, passOn);
                       }
                     });
    sink.Drain();
    ASSERT_EQ(seen.size(), static_cast<size_t>(kCount)) << lanes;
    for (int32_t k = 0; k < kCount; ++k) ASSERT_EQ(seen[static_cast<size_t>(k)], k) << lanes;
    EXPECT_LE(largest, kPassOnBytes + 2 * kRecord + TReportSink::kChunkBytes) << lanes;
  }
}

TEST(uReportLanes, AFailedDestinationEndsTheWalkAndALanesErrorReachesTheCaller) {
  int writes = 0;
  std::atomic<int> formatted{0};
  TReportSink sink([&](const std::string&) { return ++writes < 2; });
  EmitRecordChunks(sink, 1 << 20, 1 << 16, 2, [&](int, std::string& out, int32_t from, int32_t to, const TPassOn&) {
    ++formatted;
    out.assign(static_cast<size_t>(to - from) * 32, 'x');
  });
  EXPECT_TRUE(sink.Failed());
  EXPECT_EQ(writes, 2);
  // Sixteen chunks in all: the walk stopped within a round of the failure.
  EXPECT_LE(formatted.load(), 8);

  TReportSink memory;
  EXPECT_THROW(EmitRecordChunks(memory, 100, 10, 2,
                                [&](int, std::string&, int32_t from, int32_t, const TPassOn&) {
                                  if (from == 50) throw std::runtime_error("lane failed");
                                }),
               std::runtime_error);
}

// Standard output on a device that is not a console (/dev/null, NUL) takes
// the report in chunks as a file does: held whole, a million visits would
// cost gigabytes of memory for output nobody reads.
TEST(uReportLanes, StandardOutputOnADeviceTakesTheReportInChunks) {
  const int devNull = ::open("/dev/null", O_WRONLY);
  if (devNull < 0) GTEST_SKIP() << "no /dev/null";
  std::fflush(stdout);
  const int saved = ::dup(1);
  ASSERT_GE(saved, 0);
  ASSERT_EQ(::dup2(devNull, 1), 1);
  size_t largest = 0;
  std::string err;
  const bool ok = EmitToStdOut(
      [&](TReportSink& sink) {
        for (int k = 0; k < 4096; ++k) {
          sink.Text.append(1024, 'x');
          largest = std::max(largest, sink.Text.size());
          sink.Spill();
        }
        sink.Drain();
      },
      "failed: ", err);
  ::dup2(saved, 1);
  ::close(saved);
  ::close(devNull);
  EXPECT_TRUE(ok) << err;
  EXPECT_LE(largest, TReportSink::kChunkBytes + 1024);
}
