// The watch thread's cycle. Runs on the watch thread; each tick runs on the user-interface
// thread through the framework's hand-over.
#include "net/id_ip_watch_thread.h"

#include <algorithm>

TIdIPWatchThread::~TIdIPWatchThread() {
  EndAndWait();
}

void TIdIPWatchThread::Tick() {
  if (TickHandler) TThread::Synchronize([this] { TickHandler(Sender); });
}

void TIdIPWatchThread::RunCycle() {
  int32_t remaining = Interval();
  // An interval of zero (or one above 2^31 ms, which reads as negative) would turn the loop into
  // a busy spin that never sleeps: such a cycle is one slice long.
  if (remaining <= 0) remaining = kSliceMs;
  while (remaining > 0) {
    int32_t slice = std::min<int32_t>(remaining, kSliceMs);
    // Sleeps the slice, but wakes at once when the thread is told to end.
    if (SleepSlice(static_cast<DWORD>(slice))) return;
    remaining -= slice;
    Tick();
  }
}
