// The skin manager's scheduled action: posting, the early run and the thread timer.
// UI thread only.
#include "skin/controls/manager/action_schedule.h"

#include <utility>

#include "framework/ui/thread.h"
#include "skin/controls/manager/skin_manage.h"

namespace quarnel {

namespace {

// Counts across managers, so that a call queued for one never runs another's action.
uint32_t lastActionSerial = 0;

}  // namespace

void TActionSchedule::Post(uint32_t action, int delayMs) {
  serial_ = ++lastActionSerial;
  pending_ = action;
  interval_ = delayMs;
  if (manager_.SkinningCount() != 0) {
    timer_.reset();  // a new action restarts the delay
    StartTimer();
    return;
  }
  // No window was activated yet: nothing to walk, only the running state changes.
  if (action == saSkinOn) manager_.SetRunning(true);
  if (action == saSkinOff) manager_.SetRunning(false);
}

void TActionSchedule::RunSoon() {
  if (pending_ == saNone) return;
  timer_.reset();
  // Never at once: the request may come from a control's own handler, whose skin object the
  // action frees. A queued message runs without the timer's minimum delay.
  const uint32_t serial = serial_ = ++lastActionSerial;
  TThread::ForceQueue([serial] {
    TSkinManage* manager = TSkinManage::Instance();
    if (manager && manager->Actions().serial_ == serial && manager->Actions().pending_ != saNone)
      manager->RunPendingAction();
  });
}

uint32_t TActionSchedule::Take() {
  timer_.reset();
  return std::exchange(pending_, saNone);
}

void TActionSchedule::Cancel() {
  timer_.reset();
  pending_ = saNone;
}

void TActionSchedule::StartTimer() {
  timer_.reset(
      SetTimer(nullptr, 0, static_cast<UINT>(interval_ > 0 ? interval_ : 1), &TActionSchedule::TimerProc));
}

void CALLBACK TActionSchedule::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || manager->Actions().timer_.get() != id) {
    KillTimer(nullptr, id);  // left over from a manager that is gone
    return;
  }
  manager->RunPendingAction();
}

}  // namespace quarnel
