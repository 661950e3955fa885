// The drawing operations every skinned part goes through: elements built from a multi-frame
// image with cut margins, tiles, bars, transparency, gradients, window regions, bitmap
// transforms and text. Free functions without state (except the gradient cache); the caller
// owns every DC and bitmap it passes and every bitmap or region returned. UI thread.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"
#include "skin/data/draw/color_math.h"
#include "skin/data/draw/draw_geometry.h"
#include "skin/data/draw/platform.h"

namespace quarnel {

// The transparent colour of every skin image.
constexpr TColor kSkinTransparentColor = 0xFF00FF;

// A colour with the top bit set is the system colour of its low byte.
uint32_t ResolveSkinColor(TColor color);
TColor MixColors(TColor c1, TColor c2, int weight);

// Vertical (one stripe per row) or horizontal gradient over `rect`; only the stripes inside the
// DC's clip box are painted.
void FillGradient(HDC dc, const RECT& rect, TColor from, bool vertical, TColor to);

// A new bitmap of the target's size holding frame `frame` of `frameCount` cut into nine pieces.
std::unique_ptr<TBitmap> BuildSkinBitmap(const RECT& target, TBitmap& image, const SkinMargins& margins,
                                         bool vertical, bool tile, int frameCount, int frame);
void DrawSkinElement(HDC dc, const RECT& rect, TBitmap& image, bool vertical, bool tile, bool transparent,
                     int frameCount, int frame, const SkinMargins& margins);
// The `source` part of `image` repeated over `target` at its own size.
void TileDraw(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& source);
// Left and right margins only: ends stretched to the height, the middle repeated.
void DrawSkinBar(TCanvas& canvas, const RECT& rect, TBitmap& image, bool vertical, bool transparent,
                 int frameCount, int frame, const SkinMargins& margins);
void DrawSkinBarStretched(HDC dc, const RECT& rect, TBitmap& image, bool vertical, int frameCount, int frame,
                          const SkinMargins& margins);
void DrawSkinFrameStretched(HDC dc, const RECT& rect, TBitmap& image, bool transparent, int frameCount,
                            int frame);
void DrawSkinFrameCentred(HDC dc, const RECT& rect, TBitmap& image, bool transparent, int frameCount,
                          int frame);

// Copies `source` from (sx, sy) onto `target` of `dc` (a plain BitBlt), but only the pieces the
// DC can reach: a window DC clipped by child windows is copied piece by piece.
void CopyToVisible(HDC dc, const RECT& target, HDC source, int sx, int sy);

// `image` from its top-left corner at the rectangle's size, without the pixels of `key`.
void DrawTransparent(HDC dc, const RECT& rect, TBitmap& image, TColor key);
// The same through a chosen path: one masked transfer (NT) or XOR, AND, XOR (the others).
void DrawTransparentOn(GdiPlatform platform, HDC dc, const RECT& rect, TBitmap& image, TColor key);

// The region of the pixels that are not of the key colour (within the tolerances), offset by
// (dx, dy). The bitmap becomes 32 bits per pixel.
fw::UniqueRegion RegionFromBitmap(TBitmap& bitmap, int dx, int dy, int redTolerance, int greenTolerance,
                                  int blueTolerance, TColor key);

// In-place transforms. ReplaceMagenta leaves 24 bits per pixel, so do the rotations.
void ReplaceMagenta(TBitmap& bitmap, TColor color);
void MirrorBitmap(TBitmap& bitmap);
void FlipBitmap(TBitmap& bitmap);
void RotateLeft(TBitmap& bitmap);   // anticlockwise
void RotateRight(TBitmap& bitmap);  // clockwise
// `source` turned anticlockwise into `target`, which already has the turned size; both 24-bit.
// For bitmaps that must not be resized, such as lent drawing buffers.
void RotateLeftInto(TBitmap& source, TBitmap& target);

// 8-bit text of the system's ANSI code page as wide text.
std::wstring AnsiToWide(std::string_view text);
// Draws wide text with DrawText's flags; returns its result (the text height).
int DrawTextWide(HDC dc, std::wstring_view text, RECT& rect, UINT format);
// The text without its mnemonic marks: "&x" shows x, "&&" one "&".
std::wstring WithoutMnemonics(std::wstring_view text);
int DrawTextWideOn(GdiPlatform platform, HDC dc, std::wstring_view text, RECT& rect, UINT format);

namespace detail {
inline SkinRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
// Copies w x h pixels from (sx, sy) of `source` to (x, y) of `dest`, leaving out those of `key`;
// the part past the source's right and bottom is left out too.
void TransparentCopy(GdiPlatform platform, HDC dest, int x, int y, int w, int h, TBitmap& source, int sx,
                     int sy, COLORREF key);
}  // namespace detail

}  // namespace quarnel
