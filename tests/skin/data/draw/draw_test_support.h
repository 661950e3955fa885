// Helpers of the skin drawing tests: bitmaps painted pixel by pixel, pixel read-back, screenshots
// written to the build folder, and a count of the GDI objects the process holds. Test thread.
#pragma once
#include <windows.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"
#include "tests/support/object_counts.h"

namespace draw_test {

// A 24-bit bitmap whose pixel (x, y) is colour(x, y) (0x00BBGGRR).
inline std::unique_ptr<TBitmap> Paint(int width, int height, const std::function<COLORREF(int, int)>& colour,
                                      TPixelFormat format = pf24bit) {
  auto bitmap = std::make_unique<TBitmap>(width, height, format);
  const int bpp = bitmap->BytesPerPixel();
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      row[x * bpp] = GetBValue(c);
      row[x * bpp + 1] = GetGValue(c);
      row[x * bpp + 2] = GetRValue(c);
    }
  }
  return bitmap;
}

inline std::unique_ptr<TBitmap> Filled(int width, int height, COLORREF colour) {
  return Paint(width, height, [colour](int, int) { return colour; });
}

// Writes the bitmap as a BMP next to the test program, for people to look at.
inline void Screenshot(TBitmap& bitmap, const std::string& name) {
  std::ofstream out(name + ".bmp", std::ios::binary);
  bitmap.SaveToStream(out);
}

// GDI objects of this process (see tests/support/object_counts.h).
inline DWORD GdiObjectCount() {
  return testing_support::gdi_objects();
}

}  // namespace draw_test
