// Bitmap transforms used by the skin loader and the control skins: magenta replacement, mirror,
// flip and the quarter turns, in place or into a bitmap of the turned size. UI thread.
#include <cstring>
#include <utility>
#include <vector>

#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

// Every pixel as 0x00RRGGBB (B, G, R bytes), row by row from the top.
std::vector<uint32_t> ReadPixels(TBitmap& bitmap) {
  std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.Width()) * bitmap.Height());
  const int bpp = bitmap.BytesPerPixel();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const uint8_t* p = row + x * bpp;
      pixels[static_cast<size_t>(y) * bitmap.Width() + x] = p[0] | (p[1] << 8) | (p[2] << 16);
    }
  }
  return pixels;
}

// Replaces the image by a 24-bit one of width x height where pixel (x, y) comes from the old
// pixel source(x, y).
template <class SourceOf>
void Rebuild(TBitmap& bitmap, int width, int height, SourceOf sourceOf) {
  const int oldWidth = bitmap.Width();
  const std::vector<uint32_t> old = ReadPixels(bitmap);
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const auto [sx, sy] = sourceOf(x, y);
      const uint32_t px = old[static_cast<size_t>(sy) * oldWidth + sx];
      std::memcpy(row + 3 * x, &px, 3);
    }
  }
}

}  // namespace

void ReplaceMagenta(TBitmap& bitmap, TColor color) {
  bitmap.SetPixelFormat(pf24bit);
  const auto value = static_cast<uint32_t>(color);  // system colours are not resolved here
  const uint8_t red = value & 0xFF, green = (value >> 8) & 0xFF, blue = (value >> 16) & 0xFF;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (p[2] == 255 && p[1] == 0 && p[0] == 255) {
        p[0] = blue;
        p[1] = green;
        p[2] = red;
      }
    }
  }
}

void MirrorBitmap(TBitmap& bitmap) {
  const int bpp = bitmap.BytesPerPixel(), w = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w / 2; ++x)
      std::swap_ranges(row + x * bpp, row + (x + 1) * bpp, row + (w - 1 - x) * bpp);
  }
}

void FlipBitmap(TBitmap& bitmap) {
  const int h = bitmap.Height();
  const size_t bytes = static_cast<size_t>(bitmap.Width()) * bitmap.BytesPerPixel();
  for (int y = 0; y < h / 2; ++y)
    std::swap_ranges(bitmap.ScanLine(y), bitmap.ScanLine(y) + bytes, bitmap.ScanLine(h - 1 - y));
}

void RotateLeft(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  // Old (x, y) lands on (y, w - 1 - x): new (nx, ny) comes from old (w - 1 - ny, nx).
  Rebuild(bitmap, h, w, [w](int nx, int ny) { return std::pair{w - 1 - ny, nx}; });
}

void RotateLeftInto(TBitmap& source, TBitmap& target) {
  const int w = source.Width(), h = source.Height();
  if (w <= 0 || h <= 0 || target.Width() != h || target.Height() != w || target.PixelFormat() != pf24bit ||
      source.PixelFormat() != pf24bit)
    return;
  uint8_t* top = target.ScanLine(0);  // the rows follow each other from the top
  if (!top) return;
  const size_t stride = static_cast<size_t>(target.Stride());
  // Old (x, y) lands on (y, w - 1 - x).
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = source.ScanLine(y);
    for (int x = 0; x < w; ++x) std::memcpy(top + (w - 1 - x) * stride + 3 * y, row + 3 * x, 3);
  }
}

void RotateRight(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  // Old (x, y) lands on (h - 1 - y, x): new (nx, ny) comes from old (ny, h - 1 - nx).
  Rebuild(bitmap, h, w, [h](int nx, int ny) { return std::pair{ny, h - 1 - nx}; });
}

}  // namespace quarnel
