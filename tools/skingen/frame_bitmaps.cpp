// Window frame pieces (cut from one drawn window corner so that they join seamlessly), the
// caption buttons drawn over the caption gradient, the MDI child buttons and the menu band.
#include <cmath>

#include "tools/skingen/palette.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {
namespace {

constexpr int kSampleWidth = 40;  // width of the drawn window the pieces are cut from
constexpr double kCornerRadius = 7;

TRgb CaptionAt(const TFrameColours& c, int y) {
  if (y <= 0) return c.outline;
  if (y == 1) return c.highlight;
  return Ramp(c.captionTop, c.captionBottom, y, 2, kCaptionHeight - 1);
}

// A small window: rounded top corners, caption band, side and bottom borders, face inside.
TImage DrawSampleWindow(const TPalette& p, const TFrameColours& c, int scale) {
  const int w = kSampleWidth, h = kFramePieceHeight, b = kBorderWidth;
  TImage window(w, h, c.outline, scale);
  const TInside inner = RoundRectCorners(1, 1, w - 1, h - 1, kCornerRadius - 1, kCornerRadius - 1, 0, 0);
  window.Paint(inner, [&](int, int y) { return y < kCaptionHeight ? CaptionAt(c, y) : c.border; });
  // The light line follows the rounded corners down to the caption's middle.
  const TInside belowHighlight = RoundRectCorners(2, 2, w - 2, h, kCornerRadius - 2, kCornerRadius - 2, 0, 0);
  window.Paint([&](double x, double y) { return inner(x, y) && !belowHighlight(x, y) && y < 14; },
               Solid(c.highlight), 0.8);
  window.FillRect(b - 1, kCaptionHeight, w - b + 1, h - b + 1, Solid(c.innerLine));
  window.FillRect(b, kCaptionHeight, w - b, h - b, Solid(p.face));
  window.CutOutside(RoundRectCorners(0, 0, w, h, kCornerRadius, kCornerRadius, 0, 0));
  return window;
}

struct TPieces {
  TImage left, right, top, bottom;
};

TPieces CutPieces(const TImage& window) {
  const int w = window.Width(), h = window.Height(), b = kBorderWidth;
  return TPieces{window.Crop(0, 0, b, h), window.Crop(w - b, 0, b, h),
                 window.Crop(b, 0, w - 2 * b, kCaptionHeight), window.Crop(b, h - b, w - 2 * b, b)};
}

enum class TGlyph { Close, Maximize, Restore, Minimize };

TInside GlyphShape(TGlyph glyph, double s) {
  // Drawn on a 20-pixel design grid, scaled by s.
  auto box = [s](double l, double t, double r, double b, double top) {
    return [=](double x, double y) {
      const bool outer = x >= l * s && x < r * s && y >= t * s && y < b * s;
      const bool hole = x >= (l + 1.3) * s && x < (r - 1.3) * s && y >= (t + top) * s && y < (b - 1.3) * s;
      return outer && !hole;
    };
  };
  switch (glyph) {
    case TGlyph::Close: {
      const TInside a = Stroke({{6.2 * s, 6.2 * s}, {13.8 * s, 13.8 * s}}, 2.2 * s);
      const TInside b = Stroke({{13.8 * s, 6.2 * s}, {6.2 * s, 13.8 * s}}, 2.2 * s);
      return [=](double x, double y) { return a(x, y) || b(x, y); };
    }
    case TGlyph::Maximize:
      return box(5.5, 5.5, 14.5, 14, 2.4);
    case TGlyph::Restore: {
      const TInside back = box(8, 4.5, 15.5, 11.5, 2.2);
      const TInside front = box(4.5, 8, 12, 15, 2.2);
      return [=](double x, double y) {
        const bool underFront = x >= 4.5 * s && x < 12 * s && y >= 8 * s && y < 15 * s;
        return front(x, y) || (back(x, y) && !underFront);
      };
    }
    case TGlyph::Minimize:
      return [=](double x, double y) { return x >= 5.5 * s && x < 14.5 * s && y >= 12 * s && y < 14.4 * s; };
  }
  return [](double, double) { return false; };
}

enum class TLook { Normal, Pressed, Hot, Inactive };

// One caption button frame over the caption gradient at the button's height.
TImage DrawCaptionButton(const TPalette& p, TGlyph glyph, TLook look, int scale) {
  const int size = kCaptionButtonSize;
  const TFrameColours& c = look == TLook::Inactive ? p.inactive : p.active;
  TImage button(size, size, kMagenta, scale);
  button.Fill([&](int, int y) { return CaptionAt(c, y + kCaptionButtonTop); });
  const TInside outer = RoundRect(0, 0, size, size, 3.5);
  const TInside inner = RoundRect(1, 1, size - 1, size - 1, 2.6);
  const bool close = glyph == TGlyph::Close;
  switch (look) {
    case TLook::Normal:
    case TLook::Inactive: {
      button.Paint(outer, Solid(c.buttonEdge), 0.55);
      button.Paint(inner, [&](int, int y) {
        return Mix(CaptionAt(c, y + kCaptionButtonTop), p.sheen, 0.30 - 0.22 * y / size);
      });
      break;
    }
    case TLook::Hot:
    case TLook::Pressed: {
      const TFace& face = look == TLook::Hot ? (close ? p.closeHot : p.captionHot)
                                             : (close ? p.closePressed : p.captionPressed);
      button.Paint(outer, Solid(face.border));
      button.Paint(inner, VerticalRamp(face.top, face.bottom, 1, size - 2));
      break;
    }
  }
  // A light rim inside the edge, stronger on the upper half.
  button.Paint(
      RoundRectRing(1, 1, size - 1, size - 1, 2.6, 1),
      [&](int, int y) { return y < size / 2 ? p.sheen : Mix(p.sheen, c.captionBottom, 0.6); },
      look == TLook::Pressed ? 0.15 : 0.4);
  const TInside shape = GlyphShape(glyph, size / 20.0);
  const double shadow = look == TLook::Inactive ? 0.25 : 0.6;
  button.Paint(Offset(shape, 0, 1), Solid(c.glyphShadow), shadow);
  button.Paint(shape, Solid(look == TLook::Pressed ? p.captionPressedGlyph : c.glyph));
  button.CutOutside(outer);
  return button;
}

TImage CaptionButtonStrip(const TPalette& p, TGlyph glyph, int scale) {
  std::vector<TImage> frames;
  for (TLook look : {TLook::Normal, TLook::Pressed, TLook::Hot, TLook::Inactive})
    frames.push_back(DrawCaptionButton(p, glyph, look, scale));
  return Row(frames);
}

constexpr int kMenuBandHeight = 20;

TRgb MenuBandAt(const TFrameColours& c, int y) {
  if (y == kMenuBandHeight - 1) return c.menuBandLine;
  return Ramp(c.menuBandTop, c.menuBandBottom, y, 0, kMenuBandHeight - 2);
}

TImage DrawMenuBand(const TFrameColours& c, int scale) {
  TImage band(20, kMenuBandHeight, kMagenta, scale);
  band.Fill([&](int, int y) { return MenuBandAt(c, y); });
  return band;
}

// MDI child buttons sit in the menu band: a bare glyph until hot or pressed.
TImage DrawMdiButton(const TPalette& p, TGlyph glyph, TLook look, int scale) {
  const int w = 16, h = 14, top = 3;
  TImage button(w, h, kMagenta, scale);
  button.Fill(
      [&](int, int y) { return MenuBandAt(look == TLook::Inactive ? p.inactive : p.active, y + top); });
  const TInside outer = RoundRect(0, 0, w, h, 2.5);
  if (look == TLook::Hot || look == TLook::Pressed) {
    const bool hot = look == TLook::Hot;
    button.Paint(outer, Solid(hot ? p.hot.border : p.pressed.border));
    button.Paint(RoundRect(1, 1, w - 1, h - 1, 1.8),
                 hot ? VerticalRamp(p.hot.top, p.hot.bottom, 1, h - 2)
                     : VerticalRamp(p.pressed.bottom, p.pressed.top, 1, h - 2));
  }
  const TRgb ink =
      look == TLook::Inactive ? p.textDisabled : (look == TLook::Pressed ? p.inks.pressed : p.text);
  button.Paint(Offset(GlyphShape(glyph, 0.75), 0.5, -0.5), Solid(ink));
  if (look == TLook::Hot || look == TLook::Pressed) {
    button.CutOutside(outer);
  } else {
    button.CutOutside(Offset(GlyphShape(glyph, 0.75), 0.5, -0.5));
  }
  return button;
}

}  // namespace

std::vector<TSkinBitmap> DrawFrameBitmaps(const TPalette& p, int scale) {
  const TPieces active = CutPieces(DrawSampleWindow(p, p.active, scale));
  const TPieces inactive = CutPieces(DrawSampleWindow(p, p.inactive, scale));
  std::vector<TImage> mdi;
  for (TGlyph glyph : {TGlyph::Minimize, TGlyph::Restore, TGlyph::Close}) {
    for (TLook look : {TLook::Normal, TLook::Pressed, TLook::Hot, TLook::Inactive}) {
      mdi.push_back(DrawMdiButton(p, glyph, look, scale));
    }
  }
  return {
      {"mdibutton.bmp", Row(mdi), 12, false},
      {"closebutton.bmp", CaptionButtonStrip(p, TGlyph::Close, scale), 4, false},
      {"maxbutton.bmp", CaptionButtonStrip(p, TGlyph::Maximize, scale), 4, false},
      {"minbutton.bmp", CaptionButtonStrip(p, TGlyph::Minimize, scale), 4, false},
      {"restrorebutton.bmp", CaptionButtonStrip(p, TGlyph::Restore, scale), 4, false},
      {"frameleft.bmp", Row({active.left, inactive.left}), 2, false},
      {"frameright.bmp", Row({active.right, inactive.right}), 2, false},
      {"frametop.bmp", Column({active.top, inactive.top}), 2, true},
      {"framebottom.bmp", Column({active.bottom, inactive.bottom}), 2, true},
      {"mincaption.bmp", Column({DrawMenuBand(p.active, scale), DrawMenuBand(p.inactive, scale)}), 2, true},
  };
}

}  // namespace quarnel::skingen
