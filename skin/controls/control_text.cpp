// A control skin's reading direction and the focus mark around its caption. UI thread.
#include "skin/controls/control_text.h"

#include "framework/core/text.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

bool ReadingRightToLeft(const TSkinControl& skin) {
  TControl* control = skin.Binding().OwnerControl();
  if (!control) return skin.Window() && (skin.Binding().WindowLong(GWL_EXSTYLE) & WS_EX_RTLREADING);
  return fw::AsciiLowerCase(GetEnumPropByName(control, "BiDiMode")) == "bdrighttoleft";
}

namespace {

LRESULT UiState(const TSkinControl& skin) {
  return skin.Window() ? SendMessageW(skin.Window(), WM_QUERYUISTATE, 0, 0) : 0;
}

}  // namespace

std::wstring CueCaption(const TSkinControl& skin, const std::wstring& caption, UINT& format) {
  if ((format & DT_NOPREFIX) || caption.find(L'&') == std::wstring::npos || !(UiState(skin) & UISF_HIDEACCEL))
    return caption;
  format |= DT_NOPREFIX;
  return WithoutMnemonics(caption);
}

bool FocusCuesHidden(const TSkinControl& skin) {
  return (UiState(skin) & UISF_HIDEFOCUS) != 0;
}

bool ShowsFocusMark(const TSkinControl& skin) {
  return skin.Marks().Focused() && !(skin.SkinData() && HasOption(*skin.SkinData(), xoNoFocusRect)) &&
         !FocusCuesHidden(skin);
}

void DrawCaptionFocus(const TSkinControl& skin, HDC dc, UINT format, const RECT& rect) {
  RECT measured = rect;
  DrawTextWide(dc, skin.Caption(), measured, format | DT_CALCRECT | DT_NOCLIP);
  const SkinRect f = CaptionFocusRect(SkinRect{measured.left, measured.top, measured.right, measured.bottom},
                                      SkinRect{rect.left, rect.top, rect.right, rect.bottom}, format);
  const RECT focus{f.left, f.top, f.right, f.bottom};
  DrawFocusRect(dc, &focus);
}

}  // namespace quarnel
