// Text a control skin draws: its reading direction (the control's BiDiMode, or a bare
// window's WS_EX_RTLREADING), the keyboard cues the window shows (mnemonic underlines and focus
// marks, which the system hides until the keyboard is used where the user asks for that) and the
// focus mark around its caption. Free functions over a control skin's public getters. UI thread.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace quarnel {

class TSkinControl;

// Right-to-left reading flag of a text format.
constexpr UINT kFormatRtlReading = 0x20000;

bool ReadingRightToLeft(const TSkinControl& skin);
// `format` with the right-to-left reading flag when the control reads right to left.
inline UINT RightToLeftFlags(const TSkinControl& skin, UINT format) {
  return ReadingRightToLeft(skin) ? format | kFormatRtlReading : format;
}
// The caption as the window's keyboard cues show it. While they hide mnemonic underlines, its
// "&" marks are taken out ("&&" stays one "&") and `format` gains DT_NOPREFIX: what
// DT_HIDEPREFIX asks for, which not every system's DrawText honours.
std::wstring CueCaption(const TSkinControl& skin, const std::wstring& caption, UINT& format);
// The window hides its focus marks for now.
bool FocusCuesHidden(const TSkinControl& skin);
// The control has the focus and its mark shows: the skin allows focus rectangles and the
// window's keyboard cues do not hide them.
bool ShowsFocusMark(const TSkinControl& skin);
// The focus rectangle around the caption as `format` places it in `rect`.
void DrawCaptionFocus(const TSkinControl& skin, HDC dc, UINT format, const RECT& rect);

}  // namespace quarnel
