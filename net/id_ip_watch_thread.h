// `TIdIPWatchThread`: wakes after slices of at most 500 ms and runs its tick handler on the
// user-interface thread, waiting for it. The loop runs on the thread; the interval may be set
// from the user-interface thread while it runs.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>

#include "net/id_thread.h"

class TIdIPWatchThread : public TIdThread {
 public:
  static constexpr int kSliceMs = 500;
  using TIdThread::TIdThread;
  ~TIdIPWatchThread() override;

  int32_t Interval() const { return interval_.load(); }
  void SetInterval(int32_t ms) { interval_.store(ms); }
  TObject* Sender = nullptr;
  std::function<void(TObject* sender)> TickHandler;

 protected:
  void RunCycle() override;

 private:
  void Tick();
  std::atomic<int32_t> interval_{1000};
};
