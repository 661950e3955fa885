// The shared paint and erase handlers of control skins. UI thread.
#include "skin/controls/paint_handlers.h"

#include "framework/win/handles.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

void DrawWholeWindow(TSkinControl& skin, HDC dc) {
  RECT r;
  if (!GetWindowRect(skin.Window(), &r)) return;
  try {
    skin.Draw(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
  } catch (...) {
    // a failed paint leaves what was on the screen
  }
}

void HandlePaint(TSkinControl& skin, TMessage& message) {
  if (message.WParam) {
    DrawWholeWindow(skin, reinterpret_cast<HDC>(message.WParam));
  } else {
    fw::PaintDC dc(skin.Window());
    DrawWholeWindow(skin, dc.get());
  }
  message.Result = 0;
}

void HandleEraseBackground(const TSkinControl& skin, TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (skin.Control()) {
    DrawParentBackground(skin.Control(), dc);
  } else if (skin.Window()) {
    RECT client;
    GetClientRect(skin.Window(), &client);
    FillParentColor(skin, dc, client);
  }
  message.Result = 1;
}

}  // namespace quarnel
