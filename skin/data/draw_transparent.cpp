// Transparent drawing through a one-bit mask of the key colour: a masked transfer on NT, the
// XOR/AND/XOR sequence elsewhere. UI thread.
#include <algorithm>

#include "skin/data/draw_helpers.h"

namespace quarnel {

GdiPlatform CurrentPlatform() {
  // The high bit of the version word is set on the Windows 95/98/Me family only.
  return (GetVersion() & 0x80000000u) ? GdiPlatform::Win9x : GdiPlatform::Nt;
}

namespace {

// A one-bit mask bitmap in its own DC, reused while it is large enough: new bitmap memory is
// slow to touch the first time, and transparent parts are drawn all the time. UI thread.
class MaskSurface {
 public:
  ~MaskSurface() {
    if (dc_) SelectObject(dc_.get(), original_);
  }
  // A DC holding a mask of at least w x h pixels; null when GDI is out of resources.
  HDC Prepare(int w, int h) {
    if (!dc_) {
      dc_ = fw::CreateMemoryDC();
      if (!dc_) return nullptr;
      original_ = GetCurrentObject(dc_.get(), OBJ_BITMAP);
    }
    if (!bitmap_ || w > width_ || h > height_) {
      width_ = std::max(w, width_);
      height_ = std::max(h, height_);
      SelectObject(dc_.get(), original_);
      bitmap_.reset(CreateBitmap(width_, height_, 1, 1, nullptr));
      if (!bitmap_) {
        width_ = height_ = 0;
        return nullptr;
      }
      SelectObject(dc_.get(), bitmap_.get());
    }
    return dc_.get();
  }
  HBITMAP bitmap() const { return bitmap_.get(); }

 private:
  fw::UniqueDC dc_;
  fw::UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;
  int width_ = 0, height_ = 0;
};

MaskSurface& ThreadMask() {
  thread_local MaskSurface mask;
  return mask;
}

}  // namespace

namespace detail {

void TransparentCopy(GdiPlatform platform, HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy,
                     COLORREF key) {
  if (w <= 0 || h <= 0) return;
  // The mask: 1 where the source has the key colour (the colour-to-monochrome copy maps the
  // source DC's background colour to 1), 0 elsewhere.
  MaskSurface& maskSurface = ThreadMask();
  HDC maskDC = maskSurface.Prepare(w, h);
  if (!maskDC) return;
  const COLORREF oldSourceBk = SetBkColor(source, key);
  BitBlt(maskDC, 0, 0, w, h, source, sx, sy, SRCCOPY);
  SetBkColor(source, oldSourceBk);
  HBITMAP mask = maskSurface.bitmap();

  if (platform == GdiPlatform::Nt) {
    // Foreground (mask 1): keep the destination; background (mask 0): copy the source.
    constexpr DWORD kKeepDest = 0x00AA0029;
    MaskBlt(dest, x, y, w, h, source, sx, sy, mask, 0, 0, MAKEROP4(kKeepDest, SRCCOPY));
    return;
  }
  // dest ^ src, then AND the mask (white where transparent), then ^ src again: the destination
  // comes back where the mask is white and the source is left where it is black.
  const COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
  BitBlt(dest, x, y, w, h, source, sx, sy, SRCINVERT);
  BitBlt(dest, x, y, w, h, maskDC, 0, 0, SRCAND);
  BitBlt(dest, x, y, w, h, source, sx, sy, SRCINVERT);
  SetBkColor(dest, oldBk);
  SetTextColor(dest, oldText);
}

}  // namespace detail

void DrawTransparentOn(GdiPlatform platform, HDC dc, const RECT& rect, TBitmap& image, TColor key) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  // Past the image's right and bottom there is nothing to take: that part of the rectangle is
  // left as it is rather than filled from outside the bitmap.
  const int w = std::min<int>(rect.right - rect.left, image.Width());
  const int h = std::min<int>(rect.bottom - rect.top, image.Height());
  detail::TransparentCopy(platform, dc, rect.left, rect.top, w, h, image.DC(), 0, 0, ResolveSkinColor(key));
}

void DrawTransparent(HDC dc, const RECT& rect, TBitmap& image, TColor key) {
  DrawTransparentOn(CurrentPlatform(), dc, rect, image, key);
}

}  // namespace quarnel
