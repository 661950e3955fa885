// Text a control skin draws: its reading direction (the control's BiDiMode, or a bare
// window's WS_EX_RTLREADING) and the focus mark around its caption. Free functions over a
// control skin's public getters. UI thread.
#pragma once
#include <windows.h>

namespace quarnel {

class TSkinControl;

// Right-to-left reading flag of a text format.
constexpr UINT kFormatRtlReading = 0x20000;

bool ReadingRightToLeft(const TSkinControl& skin);
// `format` with the right-to-left reading flag when the control reads right to left.
inline UINT RightToLeftFlags(const TSkinControl& skin, UINT format) {
  return ReadingRightToLeft(skin) ? format | kFormatRtlReading : format;
}
// The focus rectangle around the caption as `format` places it in `rect`.
void DrawCaptionFocus(const TSkinControl& skin, HDC dc, UINT format, const RECT& rect);

}  // namespace quarnel
