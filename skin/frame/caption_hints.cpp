// TFrameCaption's hover timer and hints: each tick its frame object looks at what is under the
// pointer; on the caption, the pointer leaving the hot button, and the button's hint shown after
// twice the hint pause and hidden after the hide pause. UI thread.
#include <map>

#include "framework/ui/application.h"
#include "skin/data/skin_data.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/nc_object.h"

namespace quarnel {

namespace {
constexpr UINT kHoverInterval = 250;  // ms between two ticks of the hover timer

// Thread timers carry no object: each running timer is found here by its id.
std::map<UINT_PTR, TFrameCaption*>& HoverTimers() {
  static std::map<UINT_PTR, TFrameCaption*> timers;
  return timers;
}
}  // namespace

void TFrameCaption::SetHoverTimer(bool enabled) {
  if (enabled == (hoverTimer_ != 0)) return;
  if (enabled) {
    hoverTimer_ = SetTimer(nullptr, 0, kHoverInterval, &TFrameCaption::HoverTimerProc);
    if (hoverTimer_) HoverTimers()[hoverTimer_] = this;
    return;
  }
  KillTimer(nullptr, hoverTimer_);
  HoverTimers().erase(hoverTimer_);
  hoverTimer_ = 0;
}

void CALLBACK TFrameCaption::HoverTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = HoverTimers().find(id);
  if (it == HoverTimers().end()) {
    KillTimer(nullptr, id);
    return;
  }
  try {
    it->second->owner_.CaptionHoverTick();
  } catch (...) {
    // A failed hover update leaves the caption as it is; the next tick tries again.
  }
}

void TFrameCaption::HideHint() {
  if (TSkinData* skin = view_.Skin()) skin->HideCaptionHint();
  hintTimeCount_ = 0;
}

void TFrameCaption::HoverTick() {
  if (!hot_) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  const POINT point = view_.FramePoint(cursor);
  if (!PtInRect(&hot_->Rect(), point)) {
    hot_->MouseLeave();
    hot_ = nullptr;
    HideHint();
    return;
  }
  TSkinData* skin = view_.Skin();
  if (!hot_->IsCaptionButton() || !skin) return;
  auto* button = static_cast<TWinSysButton*>(hot_);
  hintTimeCount_ += static_cast<int>(kHoverInterval);
  const int pause = Application()->HintPause(), hidePause = Application()->HintHidePause();
  if (hintTimeCount_ >= 2 * pause + hidePause) {
    skin->HideCaptionHint();
  } else if (hintTimeCount_ >= 2 * pause) {
    const char* text = CaptionHintText(button->Skin()->Action);
    RECT window{};
    if (!text || !GetWindowRect(view_.Window(), &window)) return;
    const int x = button->Rect().left + window.left, y = cursor.y + 24;
    skin->ShowCaptionHint({x, y, x, y}, text);
  }
}

}  // namespace quarnel
