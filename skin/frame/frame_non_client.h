// TFrameNonClient: the non-client area of a skinned frame, a part of its frame object. Once the
// frame is the skin's, it sizes the client area inside the skin's borders (a native bar kept on
// the window laid out in the band), answers the hit test for the caption and the band, and has
// the frame painted instead of the system's. It reads the frame through its view and reaches it
// only through TNonClientOwner. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/ui/message.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameMenuBand;

// What the non-client area asks of its frame object.
class TNonClientOwner {
 public:
  virtual void PaintFrame(HDC dc) = 0;  // null: into the window's DC

 protected:
  ~TNonClientOwner() = default;
};

class TFrameNonClient {
 public:
  TFrameNonClient(const TFrameView& view, TFrameMenuBand& menuBand, TNonClientOwner& owner)
      : view_(view), menuBand_(menuBand), owner_(owner) {}
  TFrameNonClient(const TFrameNonClient&) = delete;
  TFrameNonClient& operator=(const TFrameNonClient&) = delete;

  bool OnNcCalcSize(TMessage& m, bool validRects, NCCALCSIZE_PARAMS* params);
  bool OnNcHitTest(TMessage& m, POINT screen);
  bool OnNcPaint(TMessage& m);
  bool OnNcUahDrawCaption(TMessage& m);
  bool OnRepaintFrame();  // SKM_REPAINTFRAME
  // The system's colours changed: what the skin keeps of its colours that are the system's is
  // made again, and the window is drawn again, frame and children.
  bool OnSysColorChange(TMessage& m);

 private:
  const TFrameView& view_;
  TFrameMenuBand& menuBand_;
  TNonClientOwner& owner_;
};

}  // namespace quarnel
