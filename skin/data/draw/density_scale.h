// Scaling what a skin draws at 96 DPI to another screen density: lengths, the cut margins of a
// nine-grid frame, and B,G,R(,X) pixel rows, one image or a strip of frames at a time. Pure
// code, any thread.
#pragma once
#include <cstdint>

#include "skin/data/draw/draw_geometry.h"
#include "skin/data/draw/draw_pixels.h"

namespace quarnel {

// The density skins are drawn for.
inline constexpr int kSkinBaseDpi = 96;

// `length` at `dpi`: length * dpi / 96 rounded to the nearest whole pixel (halves away from 0).
// 0 stays 0 and a length other than 0 never becomes 0. A dpi below 1 counts as 96.
int ScaleLength(int length, int dpi);

// The cut margins of a `width` x `height` frame, moved to the same places of that frame scaled
// to `scaledWidth` x `scaledHeight`. Each cut line is scaled as a position, so opposite margins
// never add up to more than the scaled side (margins that did not fit the frame are cut to fit
// first, negative ones count as 0); when a scaled side is a whole multiple of its side, the
// margins across it are exactly that multiple of the given ones.
SkinMargins ScaleMargins(SkinMargins margins, int width, int height, int scaledWidth, int scaledHeight);

// Scales the `width` x `height` source onto the whole `scaledWidth` x `scaledHeight` dest.
// Each dest pixel takes the source pixels its area covers, weighted by how much of each it
// covers: at whole factors this is pixel replication (at 2x every source pixel becomes a 2 x 2
// block), at other factors a smooth blend. Pixels of the key colour (KeyPixel) are never
// blended: a dest pixel covered more by key pixels than by others is exactly the key colour,
// any other is a blend of the non-key pixels alone. 3- and 4-byte pixels go either way; a
// 4-byte dest pixel gets X = 0. Sizes below 1 draw nothing.
void ScalePixels(PixelRows source, int width, int height, MutablePixelRows dest, int scaledWidth,
                 int scaledHeight, std::uint32_t keyPixel);

// A strip of `frames` frames side by side (stacked when `vertical`) at `dpi`: every frame
// scaled to the same whole size (ScaleLength of the frame's sides, frames as SelectFrame cuts
// them), the strip that many frames long. Columns (rows) past the last whole frame are left out.
struct PixelSize {
  int width = 0, height = 0;
  bool operator==(const PixelSize&) const = default;
};
PixelSize ScaledStripSize(int width, int height, int frames, bool vertical, int dpi);

// Scales each frame of the strip on its own into `dest`, which holds ScaledStripSize pixels:
// no dest pixel of a frame takes anything from a neighbouring frame.
void ScaleFrameStrip(PixelRows source, int width, int height, int frames, bool vertical, int dpi,
                     MutablePixelRows dest, std::uint32_t keyPixel);

}  // namespace quarnel
