// Transparent drawing: key pixels keep the destination. On NT the destination is read into a
// scratch bitmap, the drawn pixels are copied over it in memory and the result is put back; DCs
// that cannot be read that way get a masked transfer. Other platforms use XOR, AND, XOR with a
// one-bit mask. Scratch bitmaps are kept per thread and reused. UI thread.
#include <algorithm>

#include "framework/win/shared_caches.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/draw_pixels.h"

namespace quarnel {

namespace {

// Bitmaps larger than this are made for one draw rather than kept.
constexpr int64_t kKeptPixels = 1 << 19;

// A bitmap of at least w x h pixels for one draw: the thread's kept one of that format, grown
// as needed, or one of its own when very large. Old pixels stay.
class Scratch {
 public:
  Scratch(int w, int h, TPixelFormat format) {
    std::unique_ptr<TBitmap>& kept = Kept(format);
    const int keptW = kept ? kept->Width() : 0, keptH = kept ? kept->Height() : 0;
    const int wantW = std::max(w, keptW), wantH = std::max(h, keptH);
    if (int64_t{wantW} * wantH > kKeptPixels) {
      own_ = std::make_unique<TBitmap>(w, h, format);
      bitmap_ = own_.get();
    } else {
      if (wantW > keptW || wantH > keptH) kept = std::make_unique<TBitmap>(wantW, wantH, format);
      bitmap_ = kept.get();
    }
    if (bitmap_->Empty()) bitmap_ = nullptr;  // out of memory
  }
  TBitmap* get() const { return bitmap_; }

 private:
  struct KeptBitmaps {
    std::unique_ptr<TBitmap> kept24, kept32;
  };
  static std::unique_ptr<TBitmap>& Kept(TPixelFormat format) {
    static fw::ThreadScratch<KeptBitmaps> scratch;
    thread_local fw::ScratchSlot<KeptBitmaps> slot;
    KeptBitmaps& kept = scratch.Get(slot);
    return format == pf32bit ? kept.kept32 : kept.kept24;
  }
  std::unique_ptr<TBitmap> own_;
  TBitmap* bitmap_ = nullptr;
};

// A one-bit DIB section in its own DC, kept per thread while it is large enough.
class MaskSurface {
 public:
  ~MaskSurface() {
    if (dc_) SelectObject(dc_.get(), original_);
  }
  // Fills the mask from the key pixels of `source`; null when GDI is out of resources.
  HDC Build(PixelRows source, int w, int h, uint32_t keyPixel) {
    if (!Prepare(w, h)) return nullptr;
    GdiFlush();
    BuildKeyMask(source, w, h, keyPixel, bits_, stride_);
    return dc_.get();
  }
  HBITMAP bitmap() const { return bitmap_.get(); }

 private:
  bool Prepare(int w, int h) {
    if (!dc_) {
      dc_ = fw::CreateMemoryDC();
      if (!dc_) return false;
      original_ = GetCurrentObject(dc_.get(), OBJ_BITMAP);
    }
    if (bitmap_ && w <= width_ && h <= height_) return true;
    const int width = std::max(w, width_), height = std::max(h, height_);
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = RGBQUAD{255, 255, 255, 0};  // 0 black, 1 white
    void* bits = nullptr;
    SelectObject(dc_.get(), original_);
    bitmap_.reset(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                   nullptr, 0));
    if (!bitmap_) {
      width_ = height_ = 0;
      return false;
    }
    SelectObject(dc_.get(), bitmap_.get());
    bits_ = static_cast<uint8_t*>(bits);
    stride_ = ((width + 31) / 32) * 4;
    width_ = width;
    height_ = height;
    return true;
  }

  fw::UniqueDC dc_;
  fw::UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;
  uint8_t* bits_ = nullptr;
  int stride_ = 0, width_ = 0, height_ = 0;
};

MaskSurface& ThreadMask() {
  static fw::ThreadScratch<MaskSurface> masks;
  thread_local fw::ScratchSlot<MaskSurface> slot;
  return masks.Get(slot);
}

// Whether plain copies from and to `dc` at the same logical coordinates read back exactly what
// they wrote: a raster display or memory DC without scaling or mirroring, and no palette (its
// round trips could change indices). When it can, the scratch format that keeps every
// destination byte: 32 bits for a 32-bit memory bitmap, else the source's. (The pixel depth of
// a display DC is not asked for: under Wine that call costs as much as a hundred block copies.)
bool ReadableDestination(HDC dc, TPixelFormat sourceFormat, TPixelFormat* scratchFormat) {
  const DWORD type = GetObjectType(dc);
  if (type != OBJ_MEMDC && type != OBJ_DC) return false;
  if (GetDeviceCaps(dc, TECHNOLOGY) != DT_RASDISPLAY || GetMapMode(dc) != MM_TEXT ||
      GetGraphicsMode(dc) != GM_COMPATIBLE || GetLayout(dc) != 0)
    return false;
  *scratchFormat = sourceFormat;
  if (type == OBJ_DC) return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) == 0;
  BITMAP bm{};
  if (!GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm)) return false;
  const int depth = bm.bmBitsPixel * bm.bmPlanes;
  if (depth == 32) *scratchFormat = pf32bit;
  return depth >= 15;
}

PixelRows RowsOf(TBitmap& bitmap, int x, int y) {
  const int bpp = bitmap.BytesPerPixel();
  return PixelRows{bitmap.ScanLine(y) + x * bpp, bitmap.Stride(), bpp};
}

// Destination into scratch, drawn pixels over it in memory, scratch back to the destination.
bool CompositeCopy(HDC dest, int x, int y, int w, int h, TBitmap& source, int sx, int sy, uint32_t keyPixel) {
  TPixelFormat format = source.PixelFormat();
  if (!ReadableDestination(dest, format, &format)) return false;
  Scratch scratch(w, h, format);
  TBitmap* surface = scratch.get();
  if (!surface) return false;
  HDC surfaceDC = surface->DC();
  if (!BitBlt(surfaceDC, 0, 0, w, h, dest, x, y, SRCCOPY)) return false;
  CopyUnkeyedPixels(RowsOf(source, sx, sy),
                    MutablePixelRows{surface->ScanLine(0), surface->Stride(), surface->BytesPerPixel()}, w, h,
                    keyPixel);
  BitBlt(dest, x, y, w, h, surfaceDC, 0, 0, SRCCOPY);
  return true;
}

}  // namespace

namespace detail {

void TransparentCopy(GdiPlatform platform, HDC dest, int x, int y, int w, int h, TBitmap& source, int sx,
                     int sy, COLORREF key) {
  // Only the part of the source that exists is drawn.
  if (sx < 0 || sy < 0) return;
  w = std::min(w, source.Width() - sx);
  h = std::min(h, source.Height() - sy);
  if (w <= 0 || h <= 0) return;
  const uint32_t keyPixel = KeyPixel(key & 0xFFFFFF);
  if (platform == GdiPlatform::Nt && CompositeCopy(dest, x, y, w, h, source, sx, sy, keyPixel)) return;

  MaskSurface& mask = ThreadMask();
  HDC maskDC = mask.Build(RowsOf(source, sx, sy), w, h, keyPixel);
  if (!maskDC) return;
  HDC sourceDC = source.DC();
  if (platform == GdiPlatform::Nt) {
    // Foreground (mask 1): keep the destination; background (mask 0): copy the source.
    constexpr DWORD kKeepDest = 0x00AA0029;
    MaskBlt(dest, x, y, w, h, sourceDC, sx, sy, mask.bitmap(), 0, 0, MAKEROP4(kKeepDest, SRCCOPY));
    return;
  }
  // dest ^ src, then AND the mask (white where transparent), then ^ src again: the destination
  // comes back where the mask is white and the source is left where it is black.
  const COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
  BitBlt(dest, x, y, w, h, sourceDC, sx, sy, SRCINVERT);
  BitBlt(dest, x, y, w, h, maskDC, 0, 0, SRCAND);
  BitBlt(dest, x, y, w, h, sourceDC, sx, sy, SRCINVERT);
  SetBkColor(dest, oldBk);
  SetTextColor(dest, oldText);
}

}  // namespace detail

void DrawTransparentOn(GdiPlatform platform, HDC dc, const RECT& rect, TBitmap& image, TColor key) {
  if (detail::FromRect(rect).Inverted() || image.Empty()) return;
  // Past the image's right and bottom there is nothing to take: that part of the rectangle is
  // left as it is rather than filled from outside the bitmap.
  detail::TransparentCopy(platform, dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          image, 0, 0, ResolveSkinColor(key));
}

void DrawTransparent(HDC dc, const RECT& rect, TBitmap& image, TColor key) {
  DrawTransparentOn(CurrentPlatform(), dc, rect, image, key);
}

}  // namespace quarnel
