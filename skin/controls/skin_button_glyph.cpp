// TSkinBitButton and TSkinMenuButton drawing: the glyph (own multi-frame bitmap or an image
// list entry, greyed when disabled), its layout against the caption, and the drop-down
// arrow. UI thread.
#include <algorithm>

#include "framework/core/text.h"
#include "framework/graphics/image_list.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_text.h"
#include "skin/controls/skin_button.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

constexpr TColor kGlyphKey = 0xFF00FF;

// A copy of the glyph with every opaque pixel turned to a light grey of its brightness.
void GreyGlyph(TBitmap& glyph, TColor key) {
  const COLORREF k = static_cast<COLORREF>(key);
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x) {
      COLORREF c = glyph.PixelAt(x, y);
      if (c == k) continue;
      int lum = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
      int g = 128 + lum / 2;
      glyph.Canvas().SetPixel(x, y, static_cast<TColor>(RGB(g, g, g)));
    }
}

SIZE MeasureText(HDC dc, const std::wstring& text, const RECT& box) {
  if (text.empty()) return {0, 0};
  RECT r = box;
  DrawTextWide(dc, text, r, DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

bool TSkinBitButton::TakeGlyph(TBitmap& glyph, bool pressed, bool enabled, int forcedFrame) {
  TObject* owner = Binding().OwnerControl();
  const std::string property = imageProperty_.empty() ? "Glyph" : imageProperty_;
  auto* source = static_cast<TBitmap*>(GetObjectPropByName(owner, property, TBitmap::StaticClass()));
  if (source && !source->Empty()) {
    int frames = imageProperty_.empty() ? static_cast<int>(GetOrdPropByName(owner, "NumGlyphs")) : 1;
    if (frames < 1) frames = 1;
    const int w = source->Width() / frames, h = source->Height();
    if (w <= 0) return false;
    int frame = forcedFrame > 0 ? forcedFrame : GlyphFrame(pressed, enabled, frames);
    if (frame > frames) frame = 1;
    glyph.SetSize(w, h);
    BitBlt(glyph.DC(), 0, 0, w, h, source->DC(), (frame - 1) * w, 0, SRCCOPY);
    const TColor key = static_cast<TColor>(source->PixelAt(0, h - 1));
    if (!enabled && frames == 1) GreyGlyph(glyph, key);
    glyph.SetTransparentColor(key);
    return true;
  }
  auto* images = static_cast<TImageList*>(GetObjectPropByName(owner, "Images", TImageList::StaticClass()));
  const int64_t index = GetOrdPropByName(owner, "ImageIndex");
  if (!images || index < 0 || index >= images->Count()) return false;
  int64_t drawn = index;
  if (!enabled) {
    const int64_t disabled = GetOrdPropByName(owner, "DisabledIndex");
    if (disabled >= 0 && disabled < images->Count()) drawn = disabled;
  }
  glyph.SetSize(images->Width(), images->Height());
  FillColor(glyph.DC(), RECT{0, 0, images->Width(), images->Height()}, kGlyphKey);
  images->Draw(glyph.Canvas(), 0, 0, static_cast<int>(drawn));
  glyph.SetTransparentColor(kGlyphKey);
  return true;
}

void TSkinBitButton::DrawGlyphAndCaption(HDC dc, const RECT& rect, int frameIndex, int glyphFrame) {
  TObject* owner = Binding().OwnerControl();
  TBitmap glyph;
  const bool hasGlyph = TakeGlyph(glyph, Marks().Pressed() || frameIndex == 2, Marks().Enabled(), glyphFrame);
  const Size2 g = hasGlyph ? Size2{glyph.Width(), glyph.Height()} : Size2{};
  const GlyphLayout layout = GlyphLayoutFromName(fw::AsciiLowerCase(GetEnumPropByName(owner, "Layout")));
  const bool horizontal = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
  RECT textBox{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
  if (hasGlyph) {
    if (horizontal)
      textBox.right -= g.cx + 2;
    else
      textBox.bottom -= g.cy + 2;
  }
  const SIZE t = MeasureText(dc, Caption(), textBox);
  const Size2 b{rect.right - rect.left, rect.bottom - rect.top};
  int margin = static_cast<int>(GetOrdPropByName(owner, "Margin"));
  int spacing = static_cast<int>(GetOrdPropByName(owner, "Spacing"));
  const bool centred = fw::AsciiLowerCase(GetEnumPropByName(owner, "Alignment")) == "tacenter";
  const GlyphPlaces p = LayoutGlyphButton(b, g, Size2{t.cx, t.cy}, layout, margin, spacing, centred);
  if (hasGlyph) {
    DrawTransparent(dc, RECT{p.glyphX, p.glyphY, p.glyphX + g.cx, p.glyphY + g.cy}, glyph,
                    glyph.TransparentColor());
  }
  if (Caption().empty()) return;
  RECT text{p.textX, p.textY, p.textX + t.cx, p.textY + t.cy};
  UINT flags = DT_WORDBREAK | DT_EXPANDTABS |
               (p.textRightAligned ? DT_RIGHT
                : horizontal       ? DT_LEFT
                                   : DT_CENTER);
  flags = RightToLeftFlags(*this, flags);
  DrawTextWide(dc, CueCaption(*this, Caption(), flags), text, flags);
  if (ShowsFocusMark(*this)) {
    RECT focus{text.left - 2, text.top - 2, text.right + 2, text.bottom + 2};
    DrawFocusRect(dc, &focus);
  }
}

void TSkinBitButton::Draw(HDC dc, const RECT& rect) {
  if (Binding().GraphicControl() &&
      fw::AsciiLowerCase(GetEnumPropByName(Binding().GraphicControl(), "Visible")) == "false")
    return;
  int index = 0;
  HDC bitmapDC = DrawFace(rect, false, index);
  if (!bitmapDC) return;
  const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  DrawGlyphAndCaption(bitmapDC, local, index);
  Present(dc, rect);
}

void TSkinMenuButton::Draw(HDC dc, const RECT& rect) {
  int index = 0;
  HDC bitmapDC = DrawFace(rect, true, index);
  if (!bitmapDC) return;
  const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};

  TObject* owner = Binding().OwnerControl();
  auto* source = static_cast<TBitmap*>(GetObjectPropByName(owner, "Glyph", TBitmap::StaticClass()));
  const bool hasGlyph = source && !source->Empty();
  const Size2 g = hasGlyph ? Size2{source->Width(), source->Height()} : Size2{};
  RECT textBox{2, 2, local.right - g.cx - kMenuArrowWidth - 2, local.bottom - 2};
  const SIZE t = MeasureText(bitmapDC, Caption(), textBox);
  const Size2 b{local.right, local.bottom};
  const MenuButtonPlaces p =
      LayoutMenuButton(b, g, Size2{t.cx, t.cy}, static_cast<int>(GetOrdPropByName(owner, "Margin")),
                       static_cast<int>(GetOrdPropByName(owner, "Spacing")));
  if (hasGlyph)
    DrawTransparent(bitmapDC, RECT{p.glyphX, p.glyphY, p.glyphX + g.cx, p.glyphY + g.cy}, *source,
                    source->TransparentColor());
  if (!Caption().empty()) {
    RECT text{p.textX, p.textY, p.textX + t.cx, p.textY + t.cy};
    UINT format = RightToLeftFlags(*this, DT_WORDBREAK | DT_EXPANDTABS | DT_LEFT);
    DrawTextWide(bitmapDC, CueCaption(*this, Caption(), format), text, format);
    if (ShowsFocusMark(*this)) {
      RECT focus{text.left - 2, text.top - 2, text.right + 2, text.bottom + 2};
      DrawFocusRect(bitmapDC, &focus);
    }
  }
  const POINT arrow[3] = {
      {p.arrowX, p.arrowY + 2}, {p.arrowX - 3, p.arrowY - 1}, {p.arrowX + 3, p.arrowY - 1}};
  const COLORREF arrowColour = GetSysColor(Marks().Enabled() ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  fw::UniqueBrush brush(CreateSolidBrush(arrowColour));
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, arrowColour));
  {
    fw::SelectGuard b1(bitmapDC, brush.get());
    fw::SelectGuard p1(bitmapDC, pen.get());
    Polygon(bitmapDC, arrow, 3);
  }
  Present(dc, rect);
}

}  // namespace quarnel
