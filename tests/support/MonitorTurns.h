// Two tasks taking turns through a plat::TMonitor, for the POSIX tests and
// the Windows platform checks alike: each waits until the turn is its own,
// so the count comes out whole only if waiting lets the lock go and a
// notice wakes the other thread.
#pragma once

#include "uPlatform.h"

namespace vt_test {

// The turns taken when each of two tasks takes `turnsEach` (2 * turnsEach
// when the monitor works; a broken one hangs or loses turns).
inline int TakeTurnsThroughAMonitor(int turnsEach) {
  plat::TMonitor monitor;
  int turn = 0, count = 0;
  auto player = [&](int me) {
    return [&, me]() {
      monitor.Lock();
      for (int k = 0; k < turnsEach; ++k) {
        while (turn != me) monitor.Wait();
        ++count;
        turn = 1 - me;
        monitor.NotifyAll();
      }
      monitor.Unlock();
    };
  };
  plat::RunTogether({player(0), player(1)});
  return count;
}

}  // namespace vt_test
