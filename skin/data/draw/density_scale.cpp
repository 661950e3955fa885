// Density scaling of skin lengths, margins and pixels. The pixel filter works in whole numbers:
// along an axis of n source and m dest pixels, a source pixel spans m units and a dest pixel n,
// so every overlap is an exact integer weight. Pure code, any thread.
#include "skin/data/draw/density_scale.h"

#include <algorithm>
#include <vector>

namespace quarnel {
namespace {

// `position` of a `side` moved to a side of `scaled`, rounded to the nearest whole pixel.
int ScalePosition(int position, int side, int scaled) {
  if (side <= 0) return 0;
  return static_cast<int>((std::int64_t{position} * scaled * 2 + side) / (std::int64_t{side} * 2));
}

// A pair of opposite margins of `side` moved to `scaled`: the first cut at its scaled place,
// the second cut likewise, never before the first nor past the side.
void ScaleMarginPair(int& first, int& second, int side, int scaled) {
  if (side <= 0 || scaled <= 0) {
    first = second = 0;
    return;
  }
  const int a = std::clamp(first, 0, side);
  const int b = std::clamp(second, 0, side - a);
  const int firstCut = ScalePosition(a, side, scaled);  // a <= side: never past `scaled`
  const int secondCut = std::clamp(ScalePosition(side - b, side, scaled), firstCut, scaled);
  first = firstCut;
  second = scaled - secondCut;
}

// The source pixels one dest pixel covers along an axis, with their weights.
struct Tap {
  int source = 0, weight = 0;
};
struct AxisTaps {
  std::vector<Tap> taps;
  std::vector<int> first;  // taps of dest pixel d: [first[d], first[d + 1])
};

AxisTaps TapsAlong(int sourceCount, int destCount) {
  AxisTaps axis;
  axis.first.reserve(static_cast<std::size_t>(destCount) + 1);
  for (int d = 0; d < destCount; ++d) {
    axis.first.push_back(static_cast<int>(axis.taps.size()));
    const std::int64_t lo = std::int64_t{d} * sourceCount, hi = lo + sourceCount;
    for (std::int64_t s = lo / destCount; s * destCount < hi; ++s) {
      const std::int64_t overlap = std::min(hi, (s + 1) * destCount) - std::max(lo, s * destCount);
      axis.taps.push_back({static_cast<int>(s), static_cast<int>(overlap)});
    }
  }
  axis.first.push_back(static_cast<int>(axis.taps.size()));
  return axis;
}

std::uint32_t ColourBytes(const std::uint8_t* p) {
  return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
}

}  // namespace

int ScaleLength(int length, int dpi) {
  if (dpi < 1) dpi = kSkinBaseDpi;
  if (length < 0) return -ScaleLength(-length, dpi);
  if (length == 0) return 0;
  const std::int64_t scaled = (std::int64_t{length} * dpi * 2 + kSkinBaseDpi) / (2 * kSkinBaseDpi);
  return static_cast<int>(std::max<std::int64_t>(scaled, 1));
}

SkinMargins ScaleMargins(SkinMargins margins, int width, int height, int scaledWidth, int scaledHeight) {
  ScaleMarginPair(margins.LeftWidth, margins.RightWidth, width, scaledWidth);
  ScaleMarginPair(margins.TopHeight, margins.BottomHeight, height, scaledHeight);
  return margins;
}

void ScalePixels(PixelRows source, int width, int height, MutablePixelRows dest, int scaledWidth,
                 int scaledHeight, std::uint32_t keyPixel) {
  if (width < 1 || height < 1 || scaledWidth < 1 || scaledHeight < 1) return;
  const AxisTaps across = TapsAlong(width, scaledWidth);
  const AxisTaps down = TapsAlong(height, scaledHeight);
  for (int y = 0; y < scaledHeight; ++y) {
    std::uint8_t* out = dest.data + std::int64_t{y} * dest.stride;
    for (int x = 0; x < scaledWidth; ++x, out += dest.bytesPerPixel) {
      std::uint64_t keyWeight = 0, colourWeight = 0, sum[3] = {0, 0, 0};
      for (int ty = down.first[y]; ty < down.first[y + 1]; ++ty) {
        const Tap row = down.taps[ty];
        const std::uint8_t* line = source.data + std::int64_t{row.source} * source.stride;
        for (int tx = across.first[x]; tx < across.first[x + 1]; ++tx) {
          const Tap column = across.taps[tx];
          const std::uint8_t* p = line + std::int64_t{column.source} * source.bytesPerPixel;
          const std::uint64_t weight = std::uint64_t(row.weight) * std::uint64_t(column.weight);
          if (ColourBytes(p) == keyPixel) {
            keyWeight += weight;
            continue;
          }
          colourWeight += weight;
          for (int c = 0; c < 3; ++c) sum[c] += weight * p[c];
        }
      }
      // Ties keep the colour, so that a line one pixel wide is never lost to the key around it.
      if (keyWeight > colourWeight) {
        for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(keyPixel >> (8 * c));
      } else {
        for (int c = 0; c < 3; ++c)
          out[c] = static_cast<std::uint8_t>((sum[c] + colourWeight / 2) / colourWeight);
      }
      if (dest.bytesPerPixel == 4) out[3] = 0;
    }
  }
}

PixelSize ScaledStripSize(int width, int height, int frames, bool vertical, int dpi) {
  frames = std::max(frames, 1);
  const SkinRect frame = SelectFrame(width, height, frames, 1, vertical);
  const int frameWidth = ScaleLength(std::max(frame.Width(), 0), dpi);
  const int frameHeight = ScaleLength(std::max(frame.Height(), 0), dpi);
  return vertical ? PixelSize{frameWidth, frameHeight * frames} : PixelSize{frameWidth * frames, frameHeight};
}

void ScaleFrameStrip(PixelRows source, int width, int height, int frames, bool vertical, int dpi,
                     MutablePixelRows dest, std::uint32_t keyPixel) {
  frames = std::max(frames, 1);
  const PixelSize strip = ScaledStripSize(width, height, frames, vertical, dpi);
  const int scaledWidth = vertical ? strip.width : strip.width / frames;
  const int scaledHeight = vertical ? strip.height / frames : strip.height;
  for (int i = 0; i < frames; ++i) {
    const SkinRect frame = SelectFrame(width, height, frames, i + 1, vertical);
    const PixelRows from{source.data + std::int64_t{frame.top} * source.stride +
                             std::int64_t{frame.left} * source.bytesPerPixel,
                         source.stride, source.bytesPerPixel};
    const int destLeft = vertical ? 0 : i * scaledWidth, destTop = vertical ? i * scaledHeight : 0;
    const MutablePixelRows to{
        dest.data + std::int64_t{destTop} * dest.stride + std::int64_t{destLeft} * dest.bytesPerPixel,
        dest.stride, dest.bytesPerPixel};
    ScalePixels(from, frame.Width(), frame.Height(), to, scaledWidth, scaledHeight, keyPixel);
  }
}

}  // namespace quarnel
