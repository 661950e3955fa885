// The hover timer's work on caption buttons: the pointer leaving the hot button, and the
// button's hint shown after twice the hint pause and hidden after the hide pause. UI thread.
#include "framework/ui/application.h"
#include "skin/data/skin_data.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
constexpr int kHoverInterval = 250;  // ms between two ticks of the hover timer
}

void TWinSkinForm::HideCaptionHint() {
  if (SkinData) SkinData->HideCaptionHint();
  caption_.HintTimeCount = 0;
}

void TWinSkinForm::HoverTimerTick() {
  // The pointer may leave a hot bar item into the client area, where no non-client move comes.
  if (menuBand_.Bar && !menuBand_.Tracking) {
    POINT cursor{};
    if (GetCursorPos(&cursor)) MenuBarMouseMove(FramePoint(cursor));
  }
  if (menuBand_.Tracking || !caption_.HotObject) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  const POINT point = FramePoint(cursor);
  if (!PtInRect(&caption_.HotObject->Rect, point)) {
    caption_.HotObject->MouseLeave();
    caption_.HotObject = nullptr;
    HideCaptionHint();
    return;
  }
  if (!caption_.HotObject->IsCaptionButton() || !SkinData) return;
  auto* button = static_cast<TWinSysButton*>(caption_.HotObject);
  caption_.HintTimeCount += kHoverInterval;
  const int pause = Application()->HintPause(), hidePause = Application()->HintHidePause();
  if (caption_.HintTimeCount >= 2 * pause + hidePause) {
    SkinData->HideCaptionHint();
  } else if (caption_.HintTimeCount >= 2 * pause) {
    const char* text = CaptionHintText(button->Skin->Action);
    RECT window{};
    if (!text || !GetWindowRect(Window, &window)) return;
    const int x = button->Rect.left + window.left, y = cursor.y + 24;
    SkinData->ShowCaptionHint({x, y, x, y}, text);
  }
}

}  // namespace quarnel
