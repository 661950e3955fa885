// Copies and one-way stretches between two bitmaps of the same pixel format done in their
// memory, giving the pixels GDI's block transfers give. UI thread.
#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/graphics/bitmap.h"
#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

// Works on `dest` and `source` while it lives; does nothing (returns false) when their pixel
// formats differ. Drawing into `dest` through GDI in between is announced with GdiDrew.
class MemoryCopy {
 public:
  MemoryCopy(TBitmap& dest, TBitmap& source);
  // Copies w x h pixels from (sx, sy) to (x, y) as BitBlt does, cut at the target's edges;
  // false (nothing done) when the source part is not all inside the source.
  bool Copy(int x, int y, int w, int h, int sx, int sy);
  // Stretches `from` to `to` as StretchBlt does in colour-on-colour mode, when only one
  // direction is scaled and `to` lies inside the target; false (nothing done) otherwise.
  bool Stretch(const SkinRect& to, const SkinRect& from);
  void GdiDrew() { gdiPending_ = true; }

 private:
  bool Inside(const SkinRect& r, int width, int height) const {
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
  }
  void FinishGdi();
  uint8_t* DestAt(int x, int y) const { return dest_ + static_cast<ptrdiff_t>(y) * destStride_ + x * bpp_; }
  const uint8_t* SourceAt(int x, int y) const {
    return source_ + static_cast<ptrdiff_t>(y) * sourceStride_ + x * bpp_;
  }

  uint8_t* dest_ = nullptr;
  const uint8_t* source_ = nullptr;
  int destStride_ = 0, sourceStride_ = 0, destW_ = 0, destH_ = 0, sourceW_ = 0, sourceH_ = 0, bpp_ = 3;
  bool gdiPending_ = false;
};

}  // namespace quarnel
