// Preview composition: frames are cut from the strips and stretched into nine parts (fixed
// corners, stretched edges and centre) with magenta left out, as the skin engine does.
#include "tools/skingen/skin_preview.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tools/skingen/palette.h"

namespace quarnel::skingen {
namespace {

constexpr TRgb kDesktop = Hex(0x5E7088);

struct TMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class TCanvas {
 public:
  TCanvas(const TPalette& palette, const std::vector<TSkinBitmap>& bitmaps)
      : palette_(palette), bitmaps_(bitmaps), image_(740, 470, kDesktop) {}
  const TPalette& Palette() const { return palette_; }

  // Frame k (from 1) of the named strip, stretched into nine parts over the rectangle.
  void Element(const std::string& name, int k, int x, int y, int w, int h, TMargins m = {}) {
    const TImage frame = FrameOf(name, k);
    if (w < m.left + m.right) m.left = m.right = 0;
    if (h < m.top + m.bottom) m.top = m.bottom = 0;
    const int fw = frame.Width(), fh = frame.Height();
    const int sx[] = {0, m.left, fw - m.right, fw}, dx[] = {0, m.left, w - m.right, w};
    const int sy[] = {0, m.top, fh - m.bottom, fh}, dy[] = {0, m.top, h - m.bottom, h};
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        Stretch(frame, sx[column], sy[row], sx[column + 1] - sx[column], sy[row + 1] - sy[row],
                x + dx[column], y + dy[row], dx[column + 1] - dx[column], dy[row + 1] - dy[row]);
      }
    }
  }

  // A menu separator: the bottom rows of the item image's frame 2, ends kept, middle stretched.
  void Separator(const std::string& name, int x, int y, int w, int h, int ends) {
    const TImage frame = FrameOf(name, 2);
    const int top = std::max(frame.Height() - h, 0), fw = frame.Width();
    Stretch(frame, 0, top, ends, frame.Height() - top, x, y, ends, h);
    Stretch(frame, ends, top, fw - 2 * ends, frame.Height() - top, x + ends, y, w - 2 * ends, h);
    Stretch(frame, fw - ends, top, ends, frame.Height() - top, x + w - ends, y, ends, h);
  }

  // Frame k drawn at its own size.
  void Glyph(const std::string& name, int k, int x, int y) {
    const TImage frame = FrameOf(name, k);
    Element(name, k, x, y, frame.Width(), frame.Height());
  }

  void Rect(int x, int y, int w, int h, TRgb colour) { image_.FillRect(x, y, x + w, y + h, Solid(colour)); }
  void Outline(int x, int y, int w, int h, TRgb colour) {
    Rect(x, y, w, 1, colour);
    Rect(x, y + h - 1, w, 1, colour);
    Rect(x, y, 1, h, colour);
    Rect(x + w - 1, y, 1, h, colour);
  }
  TImage& Image() { return image_; }

 private:
  const TSkinBitmap& Find(const std::string& name) const {
    for (const TSkinBitmap& bitmap : bitmaps_) {
      if (bitmap.name == name) return bitmap;
    }
    throw std::logic_error("preview needs " + name);
  }

  TImage FrameOf(const std::string& name, int k) const {
    const TSkinBitmap& bitmap = Find(name);
    if (bitmap.stacked) {
      const int fh = bitmap.image.Height() / bitmap.frames;
      return bitmap.image.Crop(0, fh * (k - 1), bitmap.image.Width(), fh);
    }
    const int fw = bitmap.image.Width() / bitmap.frames;
    return bitmap.image.Crop(fw * (k - 1), 0, fw, bitmap.image.Height());
  }

  void Stretch(const TImage& source, int sx, int sy, int sw, int sh, int x, int y, int w, int h) {
    if (sw <= 0 || sh <= 0 || w <= 0 || h <= 0) return;
    for (int ty = 0; ty < h; ++ty) {
      for (int tx = 0; tx < w; ++tx) {
        const TRgb pixel = source.At(sx + tx * sw / w, sy + ty * sh / h);
        if (!(pixel == kMagenta)) image_.Set(x + tx, y + ty, pixel);
      }
    }
  }

  const TPalette& palette_;
  const std::vector<TSkinBitmap>& bitmaps_;
  TImage image_;
};

constexpr int kWindowWidth = 355, kWindowHeight = 215;

void MainWindow(TCanvas& c, int x, int y, bool active) {
  const int w = kWindowWidth, h = kWindowHeight, b = kBorderWidth, frame = active ? 1 : 2;
  const TPalette& p = c.Palette();
  c.Rect(x + b, y + kCaptionHeight, w - 2 * b, h - kCaptionHeight - b, p.face);
  c.Element("frameleft.bmp", frame, x, y, b, h, {0, kCaptionHeight, 0, b});
  c.Element("frameright.bmp", frame, x + w - b, y, b, h, {0, kCaptionHeight, 0, b});
  c.Element("framebottom.bmp", frame, x + b, y + h - b, w - 2 * b, b);
  c.Element("frametop.bmp", frame, x + b, y, w - 2 * b, kCaptionHeight, {kCornerCut, 0, kCornerCut, 0});
  c.Glyph("closebutton.bmp", active ? 3 : 4, x + w - 25, y + kCaptionButtonTop);
  c.Glyph("maxbutton.bmp", 4, x + w - 49, y + kCaptionButtonTop);  // no maximise icon: disabled
  c.Glyph("minbutton.bmp", active ? 1 : 4, x + w - 73, y + kCaptionButtonTop);
  // Window icon stand-in.
  c.Rect(x + 8, y + 7, 16, 16, active ? Hex(0xF3C54B) : Hex(0xC9CED6));
  c.Outline(x + 8, y + 7, 16, 16, Hex(0x7A5A12));

  // Text panel with a vertical scroll bar, and the three buttons.
  const int cx = x + b, cy = y + kCaptionHeight;
  c.Rect(cx + 8, cy + 8, 329, 129, kWhite);
  c.Outline(cx + 8, cy + 8, 329, 129, p.shadow);
  c.Outline(cx + 9, cy + 9, 327, 127, p.face);
  const int barX = cx + 8 + 329 - 2 - 17, barY = cy + 10, barH = 125;
  c.Rect(barX, barY, 17, barH, p.face);
  c.Element("scrollbarvbar.bmp", 1, barX, barY + 17, 17, barH - 34, {2, 2, 2, 2});
  c.Glyph("scrollbararrow.bmp", active ? 9 : 11, barX, barY);
  c.Glyph("scrollbararrow.bmp", active ? 16 : 13, barX, barY + barH - 17);
  c.Element("scrollbarvthumb.bmp", active ? 3 : 1, barX, barY + 30, 17, 40, {3, 4, 3, 4});
  c.Glyph("scrollbararrow.bmp", active ? 22 : 20, barX, barY + 42);
  const int states[2][3] = {{4, 1, 5}, {2, 3, 1}};
  for (int i = 0; i < 3; ++i) {
    c.Element("m4pushbutton.bmp", states[active ? 0 : 1][i], cx + 104 + 80 * i, cy + 144, 75, 25,
              {4, 4, 4, 4});
  }
}

void Controls(TCanvas& c) {
  const TPalette& p = c.Palette();
  c.Rect(10, 235, 730, 225, p.face);
  c.Outline(10, 235, 730, 225, p.shadow);
  // Tabs with a progress bar and a track bar on the page.
  c.Element("tabsheet.bmp", 1, 20, 266, 340, 80, {4, 4, 4, 4});
  c.Element("tab.bmp", 1, 78, 247, 62, 20, {4, 4, 4, 3});
  c.Element("tab.bmp", 2, 22, 245, 56, 22, {4, 4, 4, 3});
  c.Element("progress.bmp", 1, 34, 282, 200, 16, {3, 3, 3, 3});
  c.Element("progresschunk.bmp", 1, 34, 282, 124, 16, {3, 3, 3, 3});
  c.Element("trackbot.bmp", 1, 34, 318, 200, 5, {3, 0, 3, 0});
  c.Element("trackthumbh.bmp", 2, 150, 311, 11, 19);
  c.Element("trackthumbh.bmp", 4, 260, 311, 11, 19);
  c.Element("trackbot.bmp", 1, 250, 318, 100, 5, {3, 0, 3, 0});
  // Check boxes and radio buttons: normal, checked, disabled.
  const int checks[] = {1, 6, 8}, radios[] = {1, 5, 8};
  for (int i = 0; i < 3; ++i) {
    c.Glyph("checkbox_old.bmp", checks[i], 22, 357 + 20 * i);
    c.Glyph("radiobtn_old.bmp", radios[i], 182, 357 + 20 * i);
  }
  // Header over a list with a horizontal scroll bar.
  c.Rect(380, 245, 340, 100, kWhite);
  c.Element("header.bmp", 1, 380, 245, 100, 22, {3, 3, 3, 3});
  c.Element("header.bmp", 4, 480, 245, 100, 22, {3, 3, 3, 3});
  c.Element("header.bmp", 1, 580, 245, 140, 22, {3, 3, 3, 3});
  c.Rect(380, 328, 340, 17, p.face);
  c.Element("scrollbarhbar.bmp", 1, 397, 328, 306, 17, {2, 2, 2, 2});
  c.Glyph("scrollbararrow.bmp", 4, 380, 328);
  c.Glyph("scrollbararrow.bmp", 5, 703, 328);
  c.Element("scrollbarhthumb.bmp", 2, 430, 328, 90, 17, {4, 3, 4, 3});
  c.Glyph("scrollbararrow.bmp", 18, 466, 328);
  c.Outline(380, 245, 340, 100, p.shadow);
  // Combo box and spin edit.
  c.Rect(380, 356, 160, 21, kWhite);
  c.Outline(380, 356, 160, 21, p.shadow);
  c.Glyph("office2003__comboboxbtn.bmp", 4, 380 + 160 - 2 - 17, 358);
  c.Rect(380, 386, 60, 21, kWhite);
  c.Outline(380, 386, 60, 21, p.shadow);
  c.Element("spin.bmp", 1, 423, 388, 15, 9, {3, 3, 3, 3});
  c.Element("spin.bmp", 8, 423, 397, 15, 8, {3, 3, 3, 3});
  c.Glyph("spinarrow.bmp", 1, 427, 390);
  c.Glyph("spinarrow.bmp", 8, 427, 399);
  // Popup menu with a plain item, a separator and a selected item.
  c.Element("office__pulldwnmenu_thin.bmp", 1, 596, 372, 136, 54, {3, 3, 3, 3});
  c.Separator("office__menuitem.bmp", 599, 395, 130, 8, 4);
  c.Element("office__menuitem.bmp", 4, 599, 403, 130, 20, {4, 4, 4, 4});
  // Status bar with two panels and the size grip.
  c.Element("statusbar.bmp", 1, 11, 437, 200, 22, {2, 3, 3, 2});
  c.Element("statusbar.bmp", 1, 211, 437, 200, 22, {2, 3, 3, 2});
  c.Element("statusbar.bmp", 3, 411, 437, 328, 22, {2, 3, 3, 2});
  c.Glyph("extraimages.bmp", 5, 739 - 13, 459 - 13);
}

}  // namespace

TImage DrawPreview(const TPalette& palette, const std::vector<TSkinBitmap>& bitmaps) {
  TCanvas canvas(palette, bitmaps);
  MainWindow(canvas, 10, 10, true);
  MainWindow(canvas, 385, 10, false);
  Controls(canvas);
  return canvas.Image();
}

TRgb PreviewTextColour(const TPalette& p, TTextRole role) {
  switch (role) {
    case trActiveTitle:
      return p.active.titleText;
    case trInactiveTitle:
      return p.inactive.titleText;
    case trHot:
      return p.textHot;
    case trDisabled:
      return p.textDisabled;
    case trField:
      return Hex(0x000000);  // edit fields keep the system's window colours
    case trSelected:
      return p.selectionText;
    case trText:
      break;
  }
  return p.text;
}

}  // namespace quarnel::skingen
