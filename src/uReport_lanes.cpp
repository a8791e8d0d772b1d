// Record formatting side by side: chunks of a walk formatted on lanes of
// their own, handed on in order by the calling thread.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "uPlatform.h"
#include "uReport_out.h"

namespace report_detail {

int ReportLanes() { return std::clamp(plat::ProcessorCount(), 1, 4); }

void EmitRecordChunks(TReportSink& sink, int32_t count, int32_t perChunk, int lanes,
                      const TChunkFormat& format) {
  if (count <= 0) return;
  perChunk = std::max<int32_t>(perChunk, 1);
  const int64_t chunks = (static_cast<int64_t>(count) + perChunk - 1) / perChunk;
  auto first = [&](int64_t c) { return static_cast<int32_t>(c * perChunk); };
  auto last = [&](int64_t c) {
    return static_cast<int32_t>(std::min<int64_t>(count, (c + 1) * perChunk));
  };
  lanes = static_cast<int>(std::clamp<int64_t>(lanes, 1, chunks));
  if (lanes == 1) {
    for (int64_t c = 0; c < chunks && !sink.Failed(); ++c) {
      format(0, sink.Text, first(c), last(c));
      sink.Spill();
    }
    return;
  }

  // Round by round: the lanes format the next `lanes` chunks into `next`
  // while the calling thread hands on the round before from `done`. The
  // pieces trade their buffers with the sink, so memory stays at two
  // rounds of chunks.
  std::vector<std::string> done(static_cast<size_t>(lanes)), next(done.size());
  // Room for a chunk as large as the largest so far, so that a chunk is
  // not copied again and again as its text grows.
  std::vector<size_t> room(done.size(), 0);
  bool haveDone = false;
  for (int64_t c = 0; c < chunks || haveDone; c += lanes) {
    std::vector<std::function<void()>> tasks;
    tasks.emplace_back([&]() {
      if (!haveDone) return;
      for (std::string& piece : done)
        if (!sink.Failed()) sink.Take(piece);
    });
    for (int lane = 0; lane < lanes && c + lane < chunks; ++lane) {
      tasks.emplace_back([&, lane, c]() {
        std::string& out = next[static_cast<size_t>(lane)];
        size_t& want = room[static_cast<size_t>(lane)];
        out.clear();
        out.reserve(want);
        format(lane, out, first(c + lane), last(c + lane));
        want = std::max(want, out.size() + out.size() / 8);
      });
    }
    const bool formatted = tasks.size() > 1;
    plat::RunTogether(tasks);
    if (sink.Failed()) return;
    for (std::string& piece : done) piece.clear();
    std::swap(done, next);
    haveDone = formatted;
  }
}

}  // namespace report_detail
