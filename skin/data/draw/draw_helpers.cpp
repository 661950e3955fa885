// Element drawing: colour mixing, gradients, nine-piece builds, tiles, bars and single frames.
// The geometry comes from draw_geometry; this file only executes it with GDI. UI thread.
#include "skin/data/draw/draw_helpers.h"

#include <algorithm>

#include "framework/win/shared_caches.h"
#include "skin/data/draw/draw_memory_copy.h"

namespace quarnel {
namespace {

SkinRect Shifted(const SkinRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Where pieces are drawn: a DC, or a bitmap whose DC is made only when GDI has to draw (pieces
// copied in memory need none, and a new DC costs more than a whole in-memory build).
class PieceTarget {
 public:
  explicit PieceTarget(HDC dc) : dc_(dc) {}
  explicit PieceTarget(TBitmap& bitmap) : bitmap_(&bitmap) {}
  HDC dc() {
    if (!dc_) {
      dc_ = bitmap_->DC();
      SetStretchBltMode(dc_, COLORONCOLOR);  // drops eliminated lines when shrinking
    }
    return dc_;
  }

 private:
  TBitmap* bitmap_ = nullptr;
  HDC dc_ = nullptr;
};

// Stretches each piece from the image into `dest`; tiled pieces are repeated instead. Pieces at
// their own size go through `memory` when there is one.
void CopyPieces(PieceTarget dest, TBitmap& source, const SkinPiece* begin, const SkinPiece* end,
                MemoryCopy* memory = nullptr, int dx = 0, int dy = 0) {
  auto copy = [&](const SkinRect& d, const SkinRect& s) {
    if (memory && memory->Copy(d.left + dx, d.top + dy, d.Width(), d.Height(), s.left, s.top)) return;
    BitBlt(dest.dc(), d.left + dx, d.top + dy, d.Width(), d.Height(), source.DC(), s.left, s.top, SRCCOPY);
    if (memory) memory->GdiDrew();
  };
  for (const SkinPiece* p = begin; p != end; ++p) {
    if (p->tiled) {
      for (const SkinPiece& t : TilePieces(p->dest, p->source)) copy(t.dest, t.source);
    } else if (p->dest.Width() == p->source.Width() && p->dest.Height() == p->source.Height()) {
      copy(p->dest, p->source);  // a stretch to the same size is a plain copy
    } else if (memory && memory->Stretch(Shifted(p->dest, dx, dy), p->source)) {
      continue;
    } else {
      StretchBlt(dest.dc(), p->dest.left + dx, p->dest.top + dy, p->dest.Width(), p->dest.Height(),
                 source.DC(), p->source.left, p->source.top, p->source.Width(), p->source.Height(), SRCCOPY);
      if (memory) memory->GdiDrew();
    }
  }
}

// Puts the top-left part of an off-screen bitmap onto the DC, with or without its magenta pixels.
void PutBitmap(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent) {
  if (transparent) {
    DrawTransparent(dc, rect, bitmap, kSkinTransparentColor);
  } else {
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmap.DC(), 0, 0,
           SRCCOPY);
  }
}

// The composition surface of the drawing operations that put their result straight onto a DC.
// It is reused between draws on the thread: fresh bitmap memory is slow to touch the first time
// (a page fault per page, far slower under Wine), and elements are redrawn all the time. Very
// large targets get a bitmap of their own rather than keeping that much memory. Old pixels stay
// until drawn over.
class Offscreen {
 public:
  static constexpr int64_t kReusedPixels = 1 << 19;
  Offscreen(int width, int height) {
    if (width <= 0 || height <= 0) return;
    std::unique_ptr<TBitmap>& reused = Reused();
    const int w = std::max(width, reused ? reused->Width() : 0),
              h = std::max(height, reused ? reused->Height() : 0);
    TBitmap* surface = nullptr;
    if (int64_t{w} * h <= kReusedPixels) {
      if (!reused || reused->Width() < w || reused->Height() < h)
        reused = std::make_unique<TBitmap>(w, h, pf24bit);
      surface = reused.get();
    } else {
      own_ = std::make_unique<TBitmap>(width, height, pf24bit);
      surface = own_.get();
    }
    if (surface->Empty()) return;
    bitmap_ = surface;
    dc_ = surface->DC();
    SetStretchBltMode(dc_, COLORONCOLOR);
  }
  // Blackens the top-left width x height part, as a new bitmap would be; callers whose pieces
  // do not cover the whole part call it first.
  void Clear(int width, int height) const { PatBlt(dc_, 0, 0, width, height, BLACKNESS); }
  explicit operator bool() const { return bitmap_ != nullptr; }
  HDC dc() const { return dc_; }
  TBitmap& bitmap() const { return *bitmap_; }

 private:
  struct ReusedBitmap {
    std::unique_ptr<TBitmap> bitmap;
  };
  static std::unique_ptr<TBitmap>& Reused() {
    static fw::ThreadScratch<ReusedBitmap> scratch;
    thread_local fw::ScratchSlot<ReusedBitmap> slot;
    return scratch.Get(slot).bitmap;
  }
  std::unique_ptr<TBitmap> own_;
  TBitmap* bitmap_ = nullptr;
  HDC dc_ = nullptr;
};

SkinPieces ElementPieces(int width, int height, TBitmap& image, const SkinMargins& margins, bool vertical,
                         bool tile, int frameCount, int frame) {
  const SkinRect frameRect = SelectFrame(image.Width(), image.Height(), frameCount, frame, vertical);
  return NinePieces(frameRect, width, height, margins, tile);
}

// The nine pieces do not overlap: they cover the target exactly when their areas add up to it.
bool CoversAll(const SkinPieces& pieces, int width, int height) {
  int64_t area = 0;
  for (const SkinPiece& p : pieces) area += int64_t{p.dest.Width()} * p.dest.Height();
  return area == int64_t{width} * height;
}

}  // namespace

uint32_t ResolveSkinColor(TColor color) {
  return ColorToRGB(color);
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
  const int width = target.right - target.left, height = target.bottom - target.top;
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  if (bitmap->Empty() || image.Empty()) return bitmap;
  const SkinPieces pieces = ElementPieces(width, height, image, margins, vertical, tile, frameCount, frame);
  MemoryCopy memory(*bitmap, image);
  CopyPieces(PieceTarget(*bitmap), image, pieces.begin(), pieces.end(), &memory);
  return bitmap;
}

void DrawSkinElement(HDC dc, const RECT& rect, TBitmap& image, bool vertical, bool tile, bool transparent,
                     int frameCount, int frame, const SkinMargins& margins) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  // The same composition as BuildSkinBitmap, on the reused surface.
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  Offscreen surface(width, height);
  if (!surface) return;
  const SkinPieces pieces = ElementPieces(width, height, image, margins, vertical, tile, frameCount, frame);
  if (!CoversAll(pieces, width, height)) surface.Clear(width, height);
  MemoryCopy memory(surface.bitmap(), image);
  CopyPieces(PieceTarget(surface.dc()), image, pieces.begin(), pieces.end(), &memory);
  PutBitmap(dc, rect, surface.bitmap(), transparent);
}

void TileDraw(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& source) {
  const std::vector<SkinPiece> tiles = TilePieces(detail::FromRect(target), detail::FromRect(source));
  if (tiles.empty() || image.Empty()) return;
  HDC dest = canvas.Handle();
  HDC src = image.DC();
  for (const SkinPiece& t : tiles)
    BitBlt(dest, t.dest.left, t.dest.top, t.dest.Width(), t.dest.Height(), src, t.source.left, t.source.top,
           SRCCOPY);
}

void DrawSkinBar(TCanvas& canvas, const RECT& rect, TBitmap& image, bool vertical, bool transparent,
                 int frameCount, int frame, const SkinMargins& margins) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  const SkinRect frameRect = SelectFrame(image.Width(), image.Height(), frameCount, frame, vertical);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  Offscreen surface(width, height);
  if (!surface) return;
  surface.Clear(width, height);  // a bar without a middle part may leave a gap
  const std::vector<SkinPiece> parts =
      BarPieces(frameRect, width, height, margins.LeftWidth, margins.RightWidth);
  MemoryCopy memory(surface.bitmap(), image);
  CopyPieces(PieceTarget(surface.dc()), image, parts.data(), parts.data() + parts.size(), &memory);
  PutBitmap(canvas.Handle(), rect, surface.bitmap(), transparent);
}

void DrawSkinBarStretched(HDC dc, const RECT& rect, TBitmap& image, bool vertical, int frameCount, int frame,
                          const SkinMargins& margins) {
  if (image.Empty()) return;
  const SkinRect frameRect = SelectFrame(image.Width(), image.Height(), frameCount, frame, vertical);
  const std::vector<SkinPiece> parts =
      StretchedBarPieces(frameRect, detail::FromRect(rect), margins.LeftWidth, margins.RightWidth);
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  CopyPieces(PieceTarget(dc), image, parts.data(), parts.data() + parts.size());
  SetStretchBltMode(dc, oldMode);
}

void DrawSkinFrameStretched(HDC dc, const RECT& rect, TBitmap& image, bool transparent, int frameCount,
                            int frame) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  const SkinRect f = SelectFrame(image.Width(), image.Height(), frameCount, frame, false);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  Offscreen surface(width, height);
  if (!surface) return;
  if (f.Width() <= 0 || f.Height() <= 0) surface.Clear(width, height);  // nothing to stretch
  StretchBlt(surface.dc(), 0, 0, width, height, image.DC(), f.left, f.top, f.Width(), f.Height(), SRCCOPY);
  PutBitmap(dc, rect, surface.bitmap(), transparent);
}

void DrawSkinFrameCentred(HDC dc, const RECT& rect, TBitmap& image, bool transparent, int frameCount,
                          int frame) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  const SkinRect f = SelectFrame(image.Width(), image.Height(), frameCount, frame, false);
  const SkinRect at = CentredRect(detail::FromRect(rect), f.Width(), f.Height());
  if (transparent) {
    detail::TransparentCopy(CurrentPlatform(), dc, at.left, at.top, at.Width(), at.Height(), image, f.left,
                            f.top, RGB(255, 0, 255));
  } else {
    BitBlt(dc, at.left, at.top, at.Width(), at.Height(), image.DC(), f.left, f.top, SRCCOPY);
  }
}

}  // namespace quarnel
