// Scrolling containers: `TScrollingWinControl` with its two `TControlScrollBar`s, which scroll
// the child controls when they reach beyond the client area, and `TScrollBox`, such a container
// with a border. User-interface thread.
#pragma once
#include "framework/ui/control.h"

class TScrollingWinControl;

// One axis of a scrolling container: the scrolled range, the position and the line step.
class TControlScrollBar : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TControlScrollBar(TScrollingWinControl& control, bool vertical) : control_(control), vertical_(vertical) {}
  bool Vertical() const { return vertical_; }
  // Without AutoScroll the range is what was set; with it, where the farthest child ends.
  int Range() const;
  void SetRange(int v);
  int Position() const { return position_; }
  void SetPosition(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v < 1 ? 1 : v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // Whether the bar shows: visible and the range larger than the client area.
  bool IsScrollBarVisible() const;

 private:
  friend class TScrollingWinControl;
  TScrollingWinControl& control_;
  bool vertical_;
  int range_ = 0;
  int position_ = 0;
  int increment_ = 8;
  bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TScrollingWinControl(TComponent* owner);
  TControlScrollBar* HorzScrollBar() { return &horz_; }
  TControlScrollBar* VertScrollBar() { return &vert_; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool v);
  // Shows or hides the bars and sets their ranges after children were added, moved or sized.
  void UpdateScrollBars();
  // Scrolls so that `control` (a child) is inside the client area.
  void ScrollInView(TControl* control);
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool WmScroll(TControlScrollBar& bar, WORD request, HWND barWindow, LRESULT& result);
  bool WmMouseWheel(short delta, LRESULT& result);
  bool WmLayoutChanged(TMessage& m);
  bool WmEraseBackground(HDC dc, LRESULT& result);
  friend class TControlScrollBar;
  int ChildExtent(bool vertical) const;
  int ClientExtent(bool vertical) const;
  void ApplyBar(TControlScrollBar& bar);
  // Moves the children by the change of `bar`'s position to `position` (clamped).
  void ScrollTo(TControlScrollBar& bar, int position);
  void HandleScroll(TControlScrollBar& bar, int request);

  TControlScrollBar horz_{*this, false};
  TControlScrollBar vert_{*this, true};
  bool autoScroll_ = true;
  bool updating_ = false;
};

class TScrollBox : public TScrollingWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TScrollBox(TComponent* owner);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  int borderStyle_;
};
