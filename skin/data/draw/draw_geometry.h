// Geometry of the skin drawing operations as functions of numbers: frame selection, the nine
// pieces of an element, tile positions, bar parts, centring, gradient stripes and the runs of a
// window region. Pure code, any thread.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace quarnel {

struct SkinRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Inverted() const { return right < left || bottom < top; }
  bool operator==(const SkinRect&) const = default;
};
inline SkinRect RectAt(int x, int y, int width, int height) {
  return {x, y, x + width, y + height};
}

// The cut margins of an element, named as the element record names them.
struct SkinMargins {
  int LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
};

// Frame `frame` (from 1) of `count` frames laid side by side (or stacked when `vertical`).
// A count below 1 counts as 1 and the frame number is kept inside 1..count.
SkinRect SelectFrame(int imageWidth, int imageHeight, int count, int frame, bool vertical);

// One copy from the source frame to the target; `tiled` pieces are repeated, not stretched.
struct SkinPiece {
  SkinRect dest, source;
  bool tiled = false;
};
// Up to nine pieces in drawing order; pieces whose condition fails or that have nothing to copy
// are left out.
struct SkinPieces {
  std::array<SkinPiece, 9> items{};
  int count = 0;
  const SkinPiece* begin() const { return items.data(); }
  const SkinPiece* end() const { return items.data() + count; }
};

// The nine pieces of an element built at `width` x `height` from `frame`.
SkinPieces NinePieces(const SkinRect& frame, int width, int height, SkinMargins margins, bool tile);

// Copies of `source` at its own size covering `target`: columns left to right, each column top to
// bottom. Tiles are not cut at the target's right and bottom; an empty source gives none.
std::vector<SkinPiece> TilePieces(const SkinRect& target, const SkinRect& source);

// A three-part bar `width` x `height` from `frame`: the left columns, the middle repeated, the
// right columns, each stretched to the full height. Only the left and right margins count.
std::vector<SkinPiece> BarPieces(const SkinRect& frame, int width, int height, int left, int right);

// The same bar stretched straight onto `target` (no repetition).
std::vector<SkinPiece> StretchedBarPieces(const SkinRect& frame, const SkinRect& target, int left, int right);

// Where a frame of `width` x `height` lands when centred in `target`.
SkinRect CentredRect(const SkinRect& target, int width, int height);

// First and last stripe (0-based, inclusive) of an `count`-stripe gradient starting at
// `start` that lie inside the clip span [clipStart, clipEnd). last < first: nothing to paint.
struct StripeRange {
  int first = 0, last = -1;
};
StripeRange GradientStripes(int start, int count, int clipStart, int clipEnd);

// The colour key of a window region: a pixel is cut away when each channel lies between the
// key's channel and that channel plus its tolerance (capped at 255).
struct RegionKey {
  uint32_t color = 0xFF00FF;  // 0x00BBGGRR
  int redTolerance = 0, greenTolerance = 0, blueTolerance = 0;
  bool Matches(uint8_t red, uint8_t green, uint8_t blue) const;
};
// Calls sink(rect) for each maximal run of kept pixels of each row, top row first, rows left to
// right, offset by (dx, dy). `pixels` holds top-down rows of B, G, R, X bytes, `stride` apart.
template <class Sink>
void ScanRegionRuns(const uint8_t* pixels, int width, int height, int stride, const RegionKey& key, int dx,
                    int dy, Sink&& sink) {
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = pixels + static_cast<int64_t>(y) * stride;
    int x = 0;
    while (x < width) {
      while (x < width && key.Matches(row[4 * x + 2], row[4 * x + 1], row[4 * x])) ++x;
      const int x0 = x;
      while (x < width && !key.Matches(row[4 * x + 2], row[4 * x + 1], row[4 * x])) ++x;
      if (x > x0) sink(SkinRect{x0 + dx, y + dy, x + dx, y + 1 + dy});
    }
  }
}

}  // namespace quarnel
