// Bitmap storage as a DIB section, format conversion, BMP loading and saving, and the memory DC
// behind its canvas. User-interface thread.
#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "framework/graphics/bmp_decode.h"
#include "framework/graphics/dib_pool.h"

namespace {

int BitsPerPixel(TPixelFormat format) {
  return format == pf32bit ? 32 : 24;
}

}  // namespace

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBitmap>("TBitmap", &TPersistent::StaticClass()).Build();
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) {
  Recreate(width, height, format, false);
}

TBitmap::~TBitmap() {
  canvas_.reset();
  ReleaseSection();
}

int TBitmap::Stride() const {
  return fw::DibStride(width_, BitsPerPixel(format_));
}

void TBitmap::ReleaseSection() {
  if (dc_) SelectObject(dc_.get(), dcOriginal_);  // a selected bitmap can be neither kept nor deleted
  fw::DibPool::Give(fw::DibSection{std::move(dib_), bits_}, width_, height_, BitsPerPixel(format_),
                    handleShared_);
  bits_ = nullptr;
  handleShared_ = false;
}

void TBitmap::SetSize(int width, int height) {
  if (width != width_ || height != height_) Recreate(width, height, format_, true);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format != format_) Recreate(width_, height_, format, true);
}

void TBitmap::Recreate(int width, int height, TPixelFormat format, bool keepPixels) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  fw::DibSection fresh;
  if (width > 0 && height > 0) {
    fresh = fw::DibPool::Take(width, height, BitsPerPixel(format));
    if (!fresh.handle) width = height = 0;  // out of memory: an empty image rather than a broken one
  }
  const int newBpp = BitsPerPixel(format) / 8;
  if (keepPixels && bits_ && fresh.bits) {
    GdiFlush();
    const int oldBpp = BytesPerPixel(), oldStride = Stride(),
              newStride = fw::DibStride(width, BitsPerPixel(format));
    const int rows = std::min(height, height_), cols = std::min(width, width_);
    uint8_t* out = fresh.bits;
    for (int y = 0; y < rows; ++y) {
      const uint8_t* s = bits_ + static_cast<size_t>(y) * oldStride;
      uint8_t* d = out + static_cast<size_t>(y) * newStride;
      if (oldBpp == newBpp) {
        std::memcpy(d, s, static_cast<size_t>(cols) * newBpp);
        continue;
      }
      for (int x = 0; x < cols; ++x) std::memcpy(d + x * newBpp, s + x * oldBpp, 3);
    }
  }
  ReleaseSection();
  dib_ = std::move(fresh.handle);
  bits_ = fresh.bits;
  width_ = width;
  height_ = height;
  format_ = format;
  SelectIntoCanvas();
}

void TBitmap::SelectIntoCanvas() {
  if (dc_ && dib_) SelectObject(dc_.get(), dib_.get());
}

HDC TBitmap::DC() {
  if (!dc_) {
    dc_ = fw::CreateMemoryDC();
    dcOriginal_ = GetCurrentObject(dc_.get(), OBJ_BITMAP);
    SelectIntoCanvas();
  }
  return dc_.get();
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(DC());
  return *canvas_;
}

uint8_t* TBitmap::ScanLine(int y) {
  return const_cast<uint8_t*>(std::as_const(*this).ScanLine(y));
}

const uint8_t* TBitmap::ScanLine(int y) const {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();  // drawing through the canvas may still be queued
  return bits_ + static_cast<size_t>(y) * Stride();
}

COLORREF TBitmap::PixelAt(int x, int y) const {
  if (x < 0 || x >= width_) return CLR_INVALID;
  const uint8_t* row = ScanLine(y);
  if (!row) return CLR_INVALID;
  const uint8_t* p = row + x * BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

void TBitmap::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TBitmap*>(&source);
  if (!other || other == this) return;
  Recreate(other->width_, other->height_, other->format_, false);
  if (bits_ && other->bits_) {
    GdiFlush();
    std::memcpy(bits_, other->bits_, static_cast<size_t>(Stride()) * height_);
  }
  transparent_ = other->transparent_;
  transparentMode_ = other->transparentMode_;
  transparentColor_ = other->transparentColor_;
}

bool TBitmap::AssignHandle(HBITMAP source, TPixelFormat format) {
  BITMAP info{};
  if (!source || GetObjectW(source, sizeof(info), &info) == 0) {
    Recreate(0, 0, format, false);
    return false;
  }
  Recreate(info.bmWidth, std::abs(info.bmHeight), format, false);
  if (!bits_) return false;
  // GetDIBits wants the source not selected into a DC; callers pass a free-standing bitmap.
  BITMAPINFO bi = fw::DibInfo(width_, height_, BitsPerPixel(format));
  fw::WindowDC screen(nullptr);
  return GetDIBits(screen.get(), source, 0, static_cast<UINT>(height_), bits_, &bi, DIB_RGB_COLORS) ==
         height_;
}

bool TBitmap::LoadFromMemory(const void* data, size_t size) {
  fw::bmp::DecodedImage img;
  try {
    img = fw::bmp::Decode(static_cast<const uint8_t*>(data), size);
  } catch (const std::bad_alloc&) {
    // An image within the size limits can still be too large for the memory left: no image.
  }
  Recreate(img.width, img.height, img.source_bits == 32 ? pf32bit : pf24bit, false);
  if (img.empty() || !bits_) return false;
  const int bpp = BytesPerPixel(), stride = Stride();
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = bits_ + static_cast<size_t>(y) * stride;
    for (int x = 0; x < width_; ++x) {
      uint32_t px = img.at(x, y);
      std::memcpy(row + x * bpp, &px, static_cast<size_t>(bpp));  // little-endian B, G, R, X
    }
  }
  return true;
}

std::vector<uint8_t> TBitmap::SaveToMemory() {
  const int bitsPerPixel = format_ == pf32bit ? 32 : 24;
  const int stride = Stride();
  const uint32_t imageSize = static_cast<uint32_t>(stride) * static_cast<uint32_t>(height_);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageSize;
  BITMAPINFO bi = fw::DibInfo(width_, height_, bitsPerPixel);
  bi.bmiHeader.biHeight = height_;  // files are written bottom-up, as most readers expect
  bi.bmiHeader.biSizeImage = imageSize;
  std::vector<uint8_t> bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), &bi.bmiHeader, sizeof(bi.bmiHeader));
  uint8_t* row = bytes.data() + file.bfOffBits;
  for (int y = height_ - 1; y >= 0; --y, row += stride)
    std::memcpy(row, ScanLine(y), static_cast<size_t>(stride));
  return bytes;
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clDefault;
  return static_cast<TColor>(PixelAt(0, height_ - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
}
