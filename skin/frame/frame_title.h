// TFrameTitle: the title in a skinned frame's caption, a part of its caption. It reads the window
// text wide or narrow, places it with the title layout beside the buttons, and draws it over
// its optional backdrop into the caption band, in the system's caption font. It reads the frame
// through its view. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/win/handles.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameTitle {
 public:
  explicit TFrameTitle(const TFrameView& view);
  TFrameTitle(const TFrameTitle&) = delete;
  TFrameTitle& operator=(const TFrameTitle&) = delete;

  // Draws the title into `band` within `captionRect`, clear of `buttonReserve` pixels of buttons.
  void Paint(TBitmap& band, const RECT& captionRect, int buttonReserve);
  HFONT Font() const { return font_.get(); }
  // The system's caption font changed: the title takes the new one.
  void RenewFont();
  // Where the text went at the last paint, and the rectangle before its backdrop's margins were
  // taken off.
  const RECT& Rect() const { return rect_; }
  const RECT& BackRect() const { return backRect_; }

 private:
  const TFrameView& view_;
  fw::UniqueFont font_;
  RECT rect_{};
  RECT backRect_{};
};

}  // namespace quarnel
