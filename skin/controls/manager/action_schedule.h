// The skin manager's scheduled action (skin on, off, refresh) and the thread timer that runs it
// after its delay. UI thread only.
#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/win/handles.h"
#include "skin/data/skin_data_observer.h"

namespace quarnel {

class TSkinManage;

// One pending action at a time. Before any window was activated the timer stays off: skin on
// and off take effect at once and a refresh is dropped. Otherwise a later call replaces a
// pending one and restarts the delay. When it is due the manager carries it out.
class TActionSchedule {
 public:
  explicit TActionSchedule(TSkinManage& manager) : manager_(manager) {}

  // Schedules `action` after `delayMs`.
  void Post(uint32_t action, int delayMs);
  uint32_t Pending() const { return pending_; }
  // Runs the pending action as soon as the current message is done instead of after its delay
  // (a user's own switch, with nothing to gather); a later Post schedules anew.
  void RunSoon();
  bool TimerEnabled() const { return static_cast<bool>(timer_); }
  int TimerInterval() const { return interval_; }
  // The pending action, handed over for running: nothing is pending afterwards.
  uint32_t Take();
  // Nothing is pending any more (the component that asked went away, or the manager ends).
  void Cancel();

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void StartTimer();

  TSkinManage& manager_;
  uint32_t pending_ = saNone;
  // A thread timer of its own: the manager lives until module end, beyond the framework's timers.
  fw::UniqueThreadTimer timer_;
  int interval_ = 100;
  uint32_t serial_ = 0;  // which Post a queued early run belongs to
};

}  // namespace quarnel
