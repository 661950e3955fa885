// TControlMarks: the states a control skin chooses its look by, as it last recorded them:
// enabled and focused as read from the window or control, hot and pressed as the mouse left
// them. A plain value; UI thread.
#pragma once

namespace quarnel {

class TControlMarks {
 public:
  bool Enabled() const { return enabled_; }
  bool Focused() const { return focused_; }
  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  void SetEnabled(bool on) { enabled_ = on; }
  void SetFocused(bool on) { focused_ = on; }
  void SetHot(bool on) { hot_ = on; }
  void SetPressed(bool on) { pressed_ = on; }

 private:
  bool enabled_ = false;
  bool focused_ = false;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace quarnel
