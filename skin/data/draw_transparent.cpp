// Transparent drawing through a one-bit mask of the key colour: a masked transfer on NT, the
// XOR/AND/XOR sequence elsewhere. UI thread.
#include "skin/data/draw_helpers.h"

namespace quarnel {

GdiPlatform CurrentPlatform() {
  // The high bit of the version word is set on the Windows 95/98/Me family only.
  return (GetVersion() & 0x80000000u) ? GdiPlatform::Win9x : GdiPlatform::Nt;
}

namespace detail {

void TransparentCopy(GdiPlatform platform, HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy,
                     COLORREF key) {
  if (w <= 0 || h <= 0) return;
  // The mask: 1 where the source has the key colour (the colour-to-monochrome copy maps the
  // source DC's background colour to 1), 0 elsewhere.
  fw::UniqueBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  fw::UniqueDC maskDC = fw::CreateMemoryDC(dest);
  if (!mask || !maskDC) return;
  fw::SelectGuard maskSelected(maskDC.get(), mask.get());
  const COLORREF oldSourceBk = SetBkColor(source, key);
  BitBlt(maskDC.get(), 0, 0, w, h, source, sx, sy, SRCCOPY);
  SetBkColor(source, oldSourceBk);

  if (platform == GdiPlatform::Nt) {
    // Foreground (mask 1): keep the destination; background (mask 0): copy the source.
    constexpr DWORD kKeepDest = 0x00AA0029;
    MaskBlt(dest, x, y, w, h, source, sx, sy, mask.get(), 0, 0, MAKEROP4(kKeepDest, SRCCOPY));
    return;
  }
  // dest ^ src, then AND the mask (white where transparent), then ^ src again: the destination
  // comes back where the mask is white and the source is left where it is black.
  const COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
  BitBlt(dest, x, y, w, h, source, sx, sy, SRCINVERT);
  BitBlt(dest, x, y, w, h, maskDC.get(), 0, 0, SRCAND);
  BitBlt(dest, x, y, w, h, source, sx, sy, SRCINVERT);
  SetBkColor(dest, oldBk);
  SetTextColor(dest, oldText);
}

}  // namespace detail

void DrawTransparentOn(GdiPlatform platform, HDC dc, const RECT& rect, TBitmap& image, TColor key) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  detail::TransparentCopy(platform, dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          image.Canvas().Handle(), 0, 0, ResolveSkinColor(key));
}

void DrawTransparent(HDC dc, const RECT& rect, TBitmap& image, TColor key) {
  DrawTransparentOn(CurrentPlatform(), dc, rect, image, key);
}

}  // namespace quarnel
