// TSpeedButton and the plain glyph-button face. User-interface thread.
#include "framework/ui/speed_button.h"

#include "framework/win/handles.h"

const TEnumInfo& ButtonLayoutEnum() {
  static const TEnumInfo e{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return e;
}

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info = [] {
    return TClassBuilder<TSpeedButton>("TSpeedButton", &TGraphicControl::StaticClass())
        .Creatable()
        .Obj("Glyph", &TBitmap::StaticClass, &TSpeedButton::Glyph)
        .Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
        .Enum("Layout", ButtonLayoutEnum(), &TSpeedButton::Layout, &TSpeedButton::SetLayout)
        .Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
        .Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
        .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
        .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
        .Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
        .Build();
  }();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  width_ = 23;
  height_ = 22;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) SetDown(!down_);
  TGraphicControl::Click();
}

void TSpeedButton::Paint() {
  HDC dc = Canvas()->Handle();
  RECT r{0, 0, width_, height_};
  if (!flat_ || down_ || MouseInControl())
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down_ ? DFCS_PUSHED : 0));
  const int frame = !enabled_ ? 2 : down_ ? 4 : 1;
  DrawGlyphButtonFace(dc, r, glyph_, numGlyphs_, frame, WideCaption(), layout_, enabled_);
}

void DrawGlyphButtonFace(HDC dc, const RECT& rect, TBitmap& glyph, int numGlyphs, int frame,
                         const std::wstring& text, int layout, bool enabled) {
  if (numGlyphs < 1) numGlyphs = 1;
  if (frame > numGlyphs) frame = 1;
  const int gw = glyph.Empty() ? 0 : glyph.Width() / numGlyphs, gh = glyph.Empty() ? 0 : glyph.Height();
  RECT measure = rect;
  if (!text.empty())
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_CALCRECT | DT_SINGLELINE);
  const int tw = text.empty() ? 0 : measure.right - measure.left,
            th = text.empty() ? 0 : measure.bottom - measure.top;
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const int gap = gw && tw ? 4 : 0;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  int gx, gy, tx, ty;
  if (horizontal) {
    const int total = gw + gap + tw;
    const int x0 = rect.left + (w - total) / 2;
    gx = layout == blGlyphLeft ? x0 : x0 + tw + gap;
    tx = layout == blGlyphLeft ? x0 + gw + gap : x0;
    gy = rect.top + (h - gh) / 2;
    ty = rect.top + (h - th) / 2;
  } else {
    const int total = gh + gap + th;
    const int y0 = rect.top + (h - total) / 2;
    gy = layout == blGlyphTop ? y0 : y0 + th + gap;
    ty = layout == blGlyphTop ? y0 + gh + gap : y0;
    gx = rect.left + (w - gw) / 2;
    tx = rect.left + (w - tw) / 2;
  }
  if (gw > 0) {
    const COLORREF key = glyph.PixelAt(0, gh - 1);
    TransparentBlt(dc, gx, gy, gw, gh, glyph.DC(), (frame - 1) * gw, 0, gw, gh, key);
  }
  if (tw > 0) {
    RECT t{tx, ty, tx + tw, ty + th};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, DT_SINGLELINE);
  }
}
