// TFramePointer: the pointer on a skinned frame, a part of its frame object. Once the frame is
// the skin's, the non-client mouse messages (and a press on the band posted as
// SKM_MENUBARCLICK) are shared out between the caption's buttons and the menu band; what neither
// takes goes on to the system. Window commands go to the frame object through the caption's
// owner interface. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/ui/message.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TCaptionOwner;
class TFrameCaption;
class TFrameMenuBand;

class TFramePointer {
 public:
  TFramePointer(const TFrameView& view, TFrameCaption& caption, TFrameMenuBand& menuBand,
                TCaptionOwner& owner)
      : view_(view), caption_(caption), menuBand_(menuBand), owner_(owner) {}
  TFramePointer(const TFramePointer&) = delete;
  TFramePointer& operator=(const TFramePointer&) = delete;

  // True when a caption button or the bar took the message, which the system then does not see.
  bool OnNcMouseMove(POINT screen);
  bool OnNcLButtonDown(TMessage& m, UINT hit, POINT screen);
  bool OnNcLButtonUp(POINT screen);
  bool OnNcLButtonDblClk(UINT hit, POINT screen);
  bool OnNcRButtonDown(UINT hit, POINT screen);
  bool OnMenuBarClick(POINT screen);

 private:
  const TFrameView& view_;
  TFrameCaption& caption_;
  TFrameMenuBand& menuBand_;
  TCaptionOwner& owner_;
};

}  // namespace quarnel
