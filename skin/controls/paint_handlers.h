// The WM_PAINT and WM_ERASEBKGND handlers control skins that paint by themselves share: the
// skin's Draw over its whole window, and the background of what lies under the control. Free
// functions over a control skin's public operations. UI thread.
#pragma once
#include <windows.h>

#include "framework/ui/message.h"

namespace quarnel {

class TSkinControl;

// The skin's Draw over its window's whole rectangle; a failed paint leaves what was there.
void DrawWholeWindow(TSkinControl& skin, HDC dc);
// WM_PAINT: the skin's own paint cycle, or a draw into the DC in wParam.
void HandlePaint(TSkinControl& skin, TMessage& message);
// WM_ERASEBKGND: what the parent paints under the control (the parent's colour under a bare
// window); result 1.
void HandleEraseBackground(const TSkinControl& skin, TMessage& message);
// Handlers for a skin whose paint covers its whole window: WM_PAINT runs the skin's paint
// cycle, WM_ERASEBKGND is answered without erasing (it would only flicker). Both: handled.
inline bool PaintSelf(TSkinControl& skin, TMessage& message) {
  HandlePaint(skin, message);
  return true;
}
inline bool EraseNothing(TMessage& message) {
  message.Result = 1;
  return true;
}

}  // namespace quarnel
