// TFrameNonClient: the non-client area of a skinned frame, a part of its frame object. Once the
// frame is the skin's, it sizes the client area inside the skin's borders (a native bar kept on
// the window laid out in the band), answers the hit test for the caption and the band, has
// the frame painted instead of the system's, and follows the system's colours and sizes. It reads the frame
// through its view and reaches it only through TNonClientOwner. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/ui/message.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameCaption;
class TFrameMenuBand;

// What the non-client area asks of its frame object.
class TNonClientOwner {
 public:
  virtual void PaintFrame(HDC dc) = 0;  // null: into the window's DC
  virtual void RefreshFrame() = 0;      // the frame sized again, the window's size kept

 protected:
  ~TNonClientOwner() = default;
};

class TFrameNonClient {
 public:
  TFrameNonClient(const TFrameView& view, TFrameCaption& caption, TFrameMenuBand& menuBand,
                  TNonClientOwner& owner)
      : view_(view), caption_(caption), menuBand_(menuBand), owner_(owner) {}
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
  // The caption and menu fonts and the menu height are the system's: after a change the caption
  // is written in the new font and the band takes the new height.
  bool OnSettingChange(TMessage& m, UINT setting);
  bool OnMetricsChange(TMessage& m);

 private:
  const TFrameView& view_;
  TFrameCaption& caption_;
  TFrameMenuBand& menuBand_;
  TNonClientOwner& owner_;
};

}  // namespace quarnel
