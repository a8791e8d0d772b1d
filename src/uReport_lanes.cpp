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
    // The chunk is formatted into the sink's own text: a large one goes out
    // as the sink's chunks fill.
    const TPassOn spill = [&](std::string&) { sink.Spill(); };
    for (int64_t c = 0; c < chunks && !sink.Failed(); ++c) {
      format(0, sink.Text, first(c), last(c), spill);
      sink.Spill();
    }
    return;
  }

  // Every lane both formats and hands on, whichever is due: a lane that
  // finds the next chunk in order formatted (and no one handing on) hands
  // it on, else it formats the next chunk not yet taken, else it waits. So
  // no processor idles while another hands on a chunk, and a lane that
  // never got a thread of its own leaves the others nothing to wait for.
  // At most `ring` chunks are out at once: memory stays at two per lane,
  // each of at most kPassOnBytes and a record (a chunk that grows larger
  // hands on what it holds once its turn has come).
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
  // With the monitor held, and `locked` saying so: hands `text` on as the
  // one lane handing on, letting the monitor go meanwhile.
  auto handOn = [&](std::string& text, bool& locked) {
    handing = true;
    monitor.Unlock();
    locked = false;
    sink.Take(text);
    monitor.Lock();
    locked = true;
    handing = false;
    if (sink.Failed()) stop = true;
  };
  // With the monitor held: hands on the next chunk in order if it is ready
  // and no one else is handing on; false when there is nothing to do.
  auto handOnNext = [&](bool& locked) {
    if (handing || !slotOf(handed).Ready) return false;
    TSlot& slot = slotOf(handed);
    handOn(slot.Text, locked);
    slot.Ready = false;
    ++handed;
    monitor.NotifyAll();
    return true;
  };
  auto work = [&](int lane) {
    monitor.Lock();
    bool locked = true;
    try {
      while (!stop && handed < chunks) {
        if (handOnNext(locked)) continue;
        if (taken < chunks && taken < handed + ring) {
          const int64_t c = taken++;
          TSlot& slot = slotOf(c);
          monitor.Unlock();
          locked = false;
          // The chunk's text so far, once every chunk before it is handed
          // on (this lane hands on the ones that are ready meanwhile).
          const TPassOn passOn = [&](std::string& text) {
            monitor.Lock();
            locked = true;
            while (!stop && handed < c)
              if (!handOnNext(locked)) monitor.Wait();
            while (!stop && handing) monitor.Wait();
            if (!stop) handOn(text, locked);
            monitor.NotifyAll();
            monitor.Unlock();
            locked = false;
          };
          slot.Text.clear();
          slot.Text.reserve(slot.Room);
          format(lane, slot.Text, first(c), last(c), passOn);
          slot.Room = std::max(slot.Room, slot.Text.size() + slot.Text.size() / 8);
          monitor.Lock();
          locked = true;
          slot.Ready = true;
          monitor.NotifyAll();
        } else {
          monitor.Wait();
        }
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
