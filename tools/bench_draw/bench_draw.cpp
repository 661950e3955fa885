// bench_draw: median times of building a 400 x 30 caption from a 3-frame element (tiled and
// stretched centre), of transparent drawing and of region building for a 400 x 30 strip with
// transparent corners, each beside a plain BitBlt of the same size measured in the same run;
// DrawSkinElement composes the same nine pieces on a reused surface and copies them out.
// Runs on the main thread; usage: bench_draw [runs].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "framework/graphics/dib_pool.h"
#include "skin/data/draw/draw_helpers.h"
#include "tools/bench_common/bench_timing.h"

namespace quarnel::bench {
namespace {

constexpr int kWidth = 400, kHeight = 30;

std::unique_ptr<TBitmap> Paint(int w, int h, COLORREF (*colour)(int, int)) {
  auto b = std::make_unique<TBitmap>(w, h, pf24bit);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = b->ScanLine(y) + 3 * x;
      const COLORREF c = colour(x, y);
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  return b;
}

// Rounded corners of radius 6 in magenta, a gradient elsewhere.
COLORREF Strip(int x, int y) {
  const int cx = x < 6 ? 6 - x : (x >= kWidth - 6 ? x - (kWidth - 7) : 0);
  const int cy = y < 6 ? 6 - y : (y >= kHeight - 6 ? y - (kHeight - 7) : 0);
  if (cx * cx + cy * cy > 36) return RGB(255, 0, 255);
  return RGB(x % 256, 40 + y * 4, 160);
}

// Three 60 x 30 frames of a caption: a different tint per frame.
COLORREF Caption(int x, int y) {
  return RGB(30 + 60 * (x / 60), (x * 7) % 256, 100 + 4 * y);
}

void Report(const char* name, double micros, double blit) {
  std::printf("%-34s %9.2f us   %6.2f x BitBlt\n", name, micros, micros / blit);
}

int Run(int runs) {
  auto caption = Paint(180, kHeight, Caption);
  auto strip = Paint(kWidth, kHeight, Strip);
  auto source = Paint(kWidth, kHeight, Strip);
  TBitmap target(kWidth, kHeight, pf24bit);
  HDC targetDC = target.Canvas().Handle();
  HDC sourceDC = source->Canvas().Handle();
  const RECT rect{0, 0, kWidth, kHeight};
  const SkinMargins margins{20, 6, 20, 6};

  auto blit = [&] { BitBlt(targetDC, 0, 0, kWidth, kHeight, sourceDC, 0, 0, SRCCOPY); };
  auto tiled = [&] { BuildSkinBitmap(rect, *caption, margins, false, true, 3, 2); };
  auto stretched = [&] { BuildSkinBitmap(rect, *caption, margins, false, false, 3, 2); };
  auto element = [&] { DrawSkinElement(targetDC, rect, *caption, false, false, false, 3, 2, margins); };
  auto elementTiled = [&] { DrawSkinElement(targetDC, rect, *caption, false, true, false, 3, 2, margins); };
  auto transparent = [&] { DrawTransparent(targetDC, rect, *strip, kSkinTransparentColor); };
  auto transparentXor = [&] {
    DrawTransparentOn(GdiPlatform::Win9x, targetDC, rect, *strip, kSkinTransparentColor);
  };
  auto region = [&] { RegionFromBitmap(*strip, 0, 0, 1, 1, 1, kSkinTransparentColor); };

  // What a new bitmap costs before anything is drawn: a DIB section whose memory is written once,
  // taken from the pool of released sections or, with the pool emptied first, newly allocated.
  auto writeNewBitmap = [] {
    TBitmap b(kWidth, kHeight, pf24bit);
    std::memset(b.ScanLine(0), 0, static_cast<size_t>(b.Stride()) * kHeight);
  };
  auto freshSection = [&] {
    fw::DibPool::Empty();
    writeNewBitmap();
  };
  auto memoryDC = [] { fw::UniqueDC dc = fw::CreateMemoryDC(); };
  fw::UniqueBitmap mask(CreateBitmap(kWidth, kHeight, 1, 1, nullptr));
  fw::UniqueDC maskDC = fw::CreateMemoryDC();
  fw::SelectGuard maskSelected(maskDC.get(), mask.get());
  auto maskBlt = [&] {
    MaskBlt(targetDC, 0, 0, kWidth, kHeight, strip->DC(), 0, 0, mask.get(), 0, 0,
            MAKEROP4(0x00AA0029, SRCCOPY));
  };

  std::printf("bench_draw: %d x %d pixels, median of %d runs\n", kWidth, kHeight, runs);
  // The plain copy is measured before and after the others; the ratios use the mean of both.
  const double blitBefore = Median(runs, blit);
  const double tiledTime = Median(runs, tiled);
  const double stretchedTime = Median(runs, stretched);
  const double elementTime = Median(runs, element);
  const double elementTiledTime = Median(runs, elementTiled);
  const double transparentTime = Median(runs, transparent);
  const double transparentXorTime = Median(runs, transparentXor);
  const double regionTime = Median(runs, region);
  const double pooledTime = Median(runs, writeNewBitmap);
  const double freshTime = Median(runs, freshSection);
  const double maskBltTime = Median(runs, maskBlt);
  const double memoryDCTime = Median(runs, memoryDC);
  const double blitAfter = Median(runs, blit);
  const double blitTime = (blitBefore + blitAfter) / 2;
  std::printf("%-34s %9.2f us   (%.2f before, %.2f after)\n", "BitBlt 400x30", blitTime, blitBefore,
              blitAfter);
  Report("BuildSkinBitmap tiled centre", tiledTime, blitTime);
  Report("BuildSkinBitmap stretched centre", stretchedTime, blitTime);
  Report("DrawSkinElement tiled, opaque", elementTiledTime, blitTime);
  Report("DrawSkinElement stretched, opaque", elementTime, blitTime);
  Report("DrawTransparent (masked transfer)", transparentTime, blitTime);
  Report("DrawTransparent (XOR/AND/XOR)", transparentXorTime, blitTime);
  Report("RegionFromBitmap", regionTime, blitTime);
  std::printf("for reference:\n");
  Report("  new bitmap, pooled section", pooledTime, blitTime);
  Report("  new bitmap, fresh section", freshTime, blitTime);
  Report("  one MaskBlt call alone", maskBltTime, blitTime);
  Report("  memory DC, made and freed", memoryDCTime, blitTime);
  return 0;
}

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(std::atoi(argv[1]), 11) : 2001;
  return quarnel::bench::Run(runs);
}
