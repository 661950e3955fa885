// Fills a control skin paints its background with: the skin's face colour and the colour of
// the control's parent. Free functions over a control skin's public getters. UI thread.
#pragma once
#include <windows.h>

#include "framework/graphics/color.h"

namespace quarnel {

class TSkinControl;

// Fills `rect` with `color` (a system colour resolved).
void FillColor(HDC dc, const RECT& rect, TColor color);
// The skin's face colour (the system's button face without skin data).
TColor SkinFaceColor(const TSkinControl& skin);
void FillSkinColor(const TSkinControl& skin, HDC dc, const RECT& rect);
// The parent's Color property, or the skin's face colour when the parent has none.
void FillParentColor(const TSkinControl& skin, HDC dc, const RECT& rect);

}  // namespace quarnel
