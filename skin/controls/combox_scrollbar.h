// TComboxScrollBar: the vertical bar of a list window (a combo box's drop-down list) painted from
// the skin straight into the window's frame, with a thumb drag of its own that runs a nested
// message loop until the button is released. UI thread.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/graphics/bitmap.h"
#include "skin/controls/scroll_geometry.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

// A list message after which the list's bar is painted again.
constexpr UINT kListRepaintMessage = 0x1AE;

class TComboxScrollBar : public TSkinControl {
 public:
  explicit TComboxScrollBar(TComponent* owner);
  ~TComboxScrollBar() override;
  TComboxScrollBar(const TComboxScrollBar&) = delete;
  TComboxScrollBar& operator=(const TComboxScrollBar&) = delete;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  bool DraggingThumb() const { return dragging_; }

 private:
  // Drags the thumb for a press on it; false when the press is elsewhere.
  bool DragThumb(const TMessage& message);
  void TrackThumb(POINT press, const SCROLLBARINFO& bar);

  bool dragging_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // false once destroyed
};

}  // namespace quarnel
