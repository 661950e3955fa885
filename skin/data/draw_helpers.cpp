// Element drawing: colour mixing, gradients, nine-piece builds, tiles, bars and single frames.
// The geometry comes from draw_geometry; this file only executes it with GDI. UI thread.
#include "skin/data/draw_helpers.h"

namespace quarnel {
namespace {

// Stretches each piece from the image DC into `dest`; tiled pieces are repeated instead.
void CopyPieces(HDC dest, HDC source, const SkinPiece* begin, const SkinPiece* end, int dx = 0, int dy = 0) {
  for (const SkinPiece* p = begin; p != end; ++p) {
    if (p->tiled) {
      for (const SkinPiece& t : TilePieces(p->dest, p->source))
        BitBlt(dest, t.dest.left + dx, t.dest.top + dy, t.dest.Width(), t.dest.Height(), source, t.source.left,
               t.source.top, SRCCOPY);
      continue;
    }
    StretchBlt(dest, p->dest.left + dx, p->dest.top + dy, p->dest.Width(), p->dest.Height(), source,
               p->source.left, p->source.top, p->source.Width(), p->source.Height(), SRCCOPY);
  }
}

// Puts a finished off-screen bitmap onto the DC, with or without its magenta pixels.
void PutBitmap(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent) {
  if (transparent) {
    DrawTransparent(dc, rect, bitmap, kSkinTransparentColor);
  } else {
    BitBlt(dc, rect.left, rect.top, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  }
}

// An off-screen bitmap of the given size whose DC drops eliminated lines when shrinking.
std::unique_ptr<TBitmap> OffscreenBitmap(int width, int height, HDC* dc) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  *dc = bitmap->Canvas().Handle();
  SetStretchBltMode(*dc, COLORONCOLOR);
  return bitmap;
}

}  // namespace

uint32_t ResolveSkinColor(TColor color) {
  const auto value = static_cast<uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return value;
}

TColor MixColors(TColor c1, TColor c2, int weight) {
  return static_cast<TColor>(MixRgb(ResolveSkinColor(c1), ResolveSkinColor(c2), weight));
}

void FillGradient(HDC dc, const RECT& rect, TColor from, bool vertical, TColor to) {
  if (!RectVisible(dc, &rect)) return;
  const uint32_t fromRgb = ResolveSkinColor(from), toRgb = ResolveSkinColor(to);
  const int n = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  if (n <= 0) return;
  RECT clip{};
  GetClipBox(dc, &clip);
  const StripeRange range = vertical ? GradientStripes(rect.top, n, clip.top, clip.bottom)
                                     : GradientStripes(rect.left, n, clip.left, clip.right);
  GradientCache& cache = SharedGradientCache();
  const std::vector<uint32_t>& ramp = cache.Entries(cache.Ramp(n, fromRgb, toRgb));
  for (int i = range.first; i <= range.last; ++i) {
    RECT stripe = vertical ? RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                           : RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
    fw::UniqueBrush brush(CreateSolidBrush(ramp[i]));
    FillRect(dc, &stripe, brush.get());
  }
}

std::unique_ptr<TBitmap> BuildSkinBitmap(const RECT& target, TBitmap& image, const SkinMargins& margins,
                                         bool vertical, bool tile, int frameCount, int frame) {
  const SkinRect frameRect = SelectFrame(image.Width(), image.Height(), frameCount, frame, vertical);
  const int width = target.right - target.left, height = target.bottom - target.top;
  HDC dc = nullptr;
  auto bitmap = OffscreenBitmap(width, height, &dc);
  if (bitmap->Empty() || image.Empty()) return bitmap;
  const SkinPieces pieces = NinePieces(frameRect, width, height, margins, tile);
  CopyPieces(dc, image.Canvas().Handle(), pieces.begin(), pieces.end());
  return bitmap;
}

void DrawSkinElement(HDC dc, const RECT& rect, TBitmap& image, bool vertical, bool tile, bool transparent,
                     int frameCount, int frame, const SkinMargins& margins) {
  if (detail::FromRect(rect).Inverted()) return;
  auto bitmap = BuildSkinBitmap(rect, image, margins, vertical, tile, frameCount, frame);
  if (!bitmap->Empty()) PutBitmap(dc, rect, *bitmap, transparent);
}

void TileDraw(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& source) {
  const std::vector<SkinPiece> tiles = TilePieces(detail::FromRect(target), detail::FromRect(source));
  if (tiles.empty() || image.Empty()) return;
  HDC dest = canvas.Handle();
  HDC src = image.Canvas().Handle();
  for (const SkinPiece& t : tiles)
    BitBlt(dest, t.dest.left, t.dest.top, t.dest.Width(), t.dest.Height(), src, t.source.left, t.source.top,
           SRCCOPY);
}

void DrawSkinBar(TCanvas& canvas, const RECT& rect, TBitmap& image, bool vertical, bool transparent,
                 int frameCount, int frame, const SkinMargins& margins) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  const SkinRect frameRect = SelectFrame(image.Width(), image.Height(), frameCount, frame, vertical);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC dc = nullptr;
  auto bitmap = OffscreenBitmap(width, height, &dc);
  if (bitmap->Empty()) return;
  const std::vector<SkinPiece> parts =
      BarPieces(frameRect, width, height, margins.LeftWidth, margins.RightWidth);
  CopyPieces(dc, image.Canvas().Handle(), parts.data(), parts.data() + parts.size());
  PutBitmap(canvas.Handle(), rect, *bitmap, transparent);
}

void DrawSkinBarStretched(HDC dc, const RECT& rect, TBitmap& image, bool vertical, int frameCount, int frame,
                          const SkinMargins& margins) {
  if (image.Empty()) return;
  const SkinRect frameRect = SelectFrame(image.Width(), image.Height(), frameCount, frame, vertical);
  const std::vector<SkinPiece> parts =
      StretchedBarPieces(frameRect, detail::FromRect(rect), margins.LeftWidth, margins.RightWidth);
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  CopyPieces(dc, image.Canvas().Handle(), parts.data(), parts.data() + parts.size());
  SetStretchBltMode(dc, oldMode);
}

void DrawSkinFrameStretched(HDC dc, const RECT& rect, TBitmap& image, bool transparent, int frameCount,
                            int frame) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  const SkinRect f = SelectFrame(image.Width(), image.Height(), frameCount, frame, false);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC bitmapDC = nullptr;
  auto bitmap = OffscreenBitmap(width, height, &bitmapDC);
  if (bitmap->Empty()) return;
  StretchBlt(bitmapDC, 0, 0, width, height, image.Canvas().Handle(), f.left, f.top, f.Width(), f.Height(), SRCCOPY);
  PutBitmap(dc, rect, *bitmap, transparent);
}

void DrawSkinFrameCentred(HDC dc, const RECT& rect, TBitmap& image, bool transparent, int frameCount, int frame) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  const SkinRect f = SelectFrame(image.Width(), image.Height(), frameCount, frame, false);
  const SkinRect at = CentredRect(detail::FromRect(rect), f.Width(), f.Height());
  HDC src = image.Canvas().Handle();
  if (transparent) {
    detail::TransparentCopy(CurrentPlatform(), dc, at.left, at.top, at.Width(), at.Height(), src, f.left, f.top,
                            RGB(255, 0, 255));
  } else {
    BitBlt(dc, at.left, at.top, at.Width(), at.Height(), src, f.left, f.top, SRCCOPY);
  }
}

}  // namespace quarnel
