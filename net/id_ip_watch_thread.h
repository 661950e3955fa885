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
  // Waits one slice of the cycle; true when the thread was told to end. Tests replace it to
  // see the slices the cycle asks for without waiting for them.
  virtual bool SleepSlice(DWORD ms) { return SleepUnlessTerminated(ms); }

 private:
  void Tick();
  std::atomic<int32_t> interval_{1000};
};
