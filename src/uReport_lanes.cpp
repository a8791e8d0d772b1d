// Record formatting side by side: chunks of a walk formatted on lanes of
// their own and handed on in order, each by whichever lane is free.
#include <algorithm>
#include <cstdint>
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

  // Every lane both formats and hands on, whichever is due: a lane that
  // finds the next chunk in order formatted (and no one handing on) hands
  // it on, else it formats the next chunk not yet taken, else it waits. So
  // no processor idles while another hands on a chunk, and a lane that
  // never got a thread of its own leaves the others nothing to wait for.
  // At most `ring` chunks are out at once: memory stays at two per lane.
  struct TSlot {
    std::string Text;
    size_t Room = 0;  // as large as the largest chunk so far, not regrown
    bool Ready = false;
  };
  const int64_t ring = 2 * static_cast<int64_t>(lanes);
  std::vector<TSlot> slots(static_cast<size_t>(ring));
  plat::TMonitor monitor;  // guards what follows, and each slot's Ready
  int64_t taken = 0;       // chunks a lane has started formatting
  int64_t handed = 0;      // chunks handed on, in order
  bool handing = false;    // a lane is handing one on
  bool stop = false;       // the destination failed, or a lane's work threw
  auto slotOf = [&](int64_t c) -> TSlot& { return slots[static_cast<size_t>(c % ring)]; };
  auto work = [&](int lane) {
    monitor.Lock();
    bool locked = true;
    try {
      while (!stop && handed < chunks) {
        if (!handing && slotOf(handed).Ready) {
          handing = true;
          TSlot& slot = slotOf(handed);
          monitor.Unlock();
          locked = false;
          sink.Take(slot.Text);
          monitor.Lock();
          locked = true;
          slot.Ready = false;
          ++handed;
          handing = false;
          if (sink.Failed()) stop = true;
        } else if (taken < chunks && taken < handed + ring) {
          const int64_t c = taken++;
          TSlot& slot = slotOf(c);
          monitor.Unlock();
          locked = false;
          slot.Text.clear();
          slot.Text.reserve(slot.Room);
          format(lane, slot.Text, first(c), last(c));
          slot.Room = std::max(slot.Room, slot.Text.size() + slot.Text.size() / 8);
          monitor.Lock();
          locked = true;
          slot.Ready = true;
        } else {
          monitor.Wait();
          continue;
        }
        monitor.NotifyAll();
      }
    } catch (...) {
      if (!locked) monitor.Lock();
      stop = true;
      monitor.NotifyAll();
      monitor.Unlock();
      throw;
    }
    monitor.Unlock();
  };
  std::vector<std::function<void()>> tasks;
  for (int lane = 0; lane < lanes; ++lane) tasks.emplace_back([&, lane]() { work(lane); });
  plat::RunTogether(tasks);
}

}  // namespace report_detail
