// TAttachState: where a control skin stands with its window: created, attached, detached, or
// its window gone; and whether it paints in the skin's look (SKM_ENABLESKIN). A value the skin
// base moves; UI thread.
#pragma once
#include <cstdint>

namespace quarnel {

enum TSkinControlState : int32_t {
  scsCreated = 0,
  scsAttached = 1,
  scsDetached = 2,
  scsWindowGone = 6,
};

class TAttachState {
 public:
  int32_t State() const { return state_; }
  bool Active() const { return active_; }  // painting in the skin's look
  // Attached through the base's own Attach or AttachHandle (once only).
  bool Attached() const { return attached_; }

  void AttachedByBase() {
    attached_ = true;
    state_ = scsAttached;
  }
  void MarkAttached() { state_ = scsAttached; }
  // No longer active, and detached unless never attached.
  void MarkDetached() {
    active_ = false;
    if (state_ == scsAttached) state_ = scsDetached;
  }
  void MarkWindowGone() { state_ = scsWindowGone; }
  void SetActive(bool on) { active_ = on; }
  // Serving a new window of the same control: attached and active again.
  void Resume() {
    state_ = scsAttached;
    active_ = true;
  }

 private:
  int32_t state_ = scsCreated;
  bool active_ = true;
  bool attached_ = false;
};

}  // namespace quarnel
