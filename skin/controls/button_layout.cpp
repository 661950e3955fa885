// Button geometry: frame choice, caption centring and focus mark, glyph and arrow placement.
// Pure code, any thread.
#include "skin/controls/button_layout.h"

#include <algorithm>

namespace quarnel {

int ButtonFrameIndex(bool enabled, bool pressed, bool hot, bool focusedOrDefault) {
  if (!enabled) return 3;
  if (pressed) return 2;
  if (hot) return 4;
  if (focusedOrDefault) return 5;
  return 1;
}

SkinRect CentreCaption(const SkinRect& measured, const SkinRect& box) {
  const int w = measured.Width(), h = measured.Height();
  const int x = box.left + (box.Width() - w) / 2;
  const int y = box.top + (box.Height() - h) / 2 - 1;
  return RectAt(x, y, w, h);
}

SkinRect CaptionFocusRect(const SkinRect& measured, const SkinRect& rect, unsigned format) {
  SkinRect r = measured;
  const int dw = rect.Width() - measured.Width();
  const int dh = rect.Height() - measured.Height();
  if (format & kFmtCenter) {
    r.left += dw / 2;
    r.right += dw / 2;
    r.top += dh / 2 - 1;
    r.bottom += dh / 2 - 1;
  } else if (format & kFmtRight) {
    r.left += dw;
    r.right += dw;
  }
  r.left -= 2;
  r.right += 2;
  r.top -= 1;
  r.bottom += 1;
  r.left = std::max(r.left, rect.left);
  r.top = std::max(r.top, rect.top);
  r.right = std::min(r.right, rect.right);
  r.bottom = std::min(r.bottom, rect.bottom);
  return r;
}

std::wstring SplitCaptionLines(std::wstring caption) {
  const auto at = caption.find(L"||");
  if (at != std::wstring::npos) caption.replace(at, 2, L"\r\n");
  return caption;
}

GlyphLayout GlyphLayoutFromName(const std::string& lowerName) {
  if (lowerName == "blglyphright") return GlyphLayout::Right;
  if (lowerName == "blglyphtop") return GlyphLayout::Top;
  if (lowerName == "blglyphbottom") return GlyphLayout::Bottom;
  return GlyphLayout::Left;
}

GlyphPlaces LayoutGlyphButton(Size2 button, Size2 glyph, Size2 text, GlyphLayout layout, int margin,
                              int spacing, bool centred) {
  const bool horizontal = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
  const int b = horizontal ? button.cx : button.cy;
  const int g = horizontal ? glyph.cx : glyph.cy;
  const int t = horizontal ? text.cx : text.cy;
  if (text.Empty() || glyph.Empty()) spacing = 0;
  if (margin == -1 || centred) {
    if (spacing == -1) {
      margin = (b - g - t) / 3;
      spacing = margin;
    } else {
      margin = (b - g - spacing - t) / 2;
    }
  } else if (spacing == -1) {
    spacing = (b - margin - g - t) / 2;
  }
  GlyphPlaces p;
  // Cross axis: both centred.
  if (horizontal) {
    p.glyphY = (button.cy - glyph.cy + 1) / 2;
    p.textY = (button.cy - text.cy + 1) / 2;
  } else {
    p.glyphX = (button.cx - glyph.cx + 1) / 2;
    p.textX = (button.cx - text.cx + 1) / 2;
  }
  int glyphPos = 0, textPos = 0;
  switch (layout) {
    case GlyphLayout::Left:
    case GlyphLayout::Top:
      glyphPos = margin;
      textPos = margin + g + spacing;
      break;
    case GlyphLayout::Right:
    case GlyphLayout::Bottom:
      glyphPos = b - margin - g;
      textPos = glyphPos - spacing - t;
      p.textRightAligned = layout == GlyphLayout::Right;
      break;
  }
  if (horizontal) {
    p.glyphX = glyphPos;
    p.textX = textPos;
  } else {
    p.glyphY = glyphPos;
    p.textY = textPos;
  }
  return p;
}

MenuButtonPlaces LayoutMenuButton(Size2 button, Size2 glyph, Size2 text, int margin, int spacing) {
  const int b = button.cx, g = glyph.cx, t = text.cx, a = kMenuArrowWidth;
  if (margin == -1 && spacing == -1) {
    margin = (b - g - t - a) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (b - g - t - 2 * spacing - a) / 2;
  } else if (spacing == -1) {
    spacing = (b - 2 * margin - g + a - t) / 2;
  }
  MenuButtonPlaces p;
  p.glyphX = margin;
  p.glyphY = (button.cy - glyph.cy) / 2;
  p.textX = margin + g + spacing;
  p.textY = (button.cy - text.cy + 1) / 2;
  p.arrowX = p.textX + t + 2 * spacing;
  p.arrowY = (button.cy - kMenuArrowHeight) / 2;
  return p;
}

int GlyphFrame(bool pressed, bool enabled, int numGlyphs) {
  if (numGlyphs < 1) numGlyphs = 1;
  int frame = pressed ? 3 : !enabled ? 2 : 1;
  return frame > numGlyphs ? 1 : frame;
}

int SpeedButtonState(bool down, bool enabled, bool pressed, bool hot) {
  if (down) return 2;
  if (!enabled) return 3;
  if (pressed) return 2;
  if (hot) return 4;
  return 1;
}

int SpeedButtonGlyphFrame(int state, bool down) {
  if (down) return 4;
  if (state == 2) return 3;
  if (state == 3) return 2;
  return 1;
}

bool SpeedButtonDrawsFrame(int state, bool flat) {
  return state == 2 || state == 4 || !flat;
}

}  // namespace quarnel
