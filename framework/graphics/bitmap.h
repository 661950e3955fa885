// `TBitmap`: an image held as a top-down device-independent section of 24 or 32 bits per
// pixel, with direct access to its rows, BMP loading and saving, a transparent colour and a
// canvas drawing into it. User-interface thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <vector>

#include "framework/core/component.h"
#include "framework/graphics/canvas.h"
#include "framework/win/handles.h"

enum TPixelFormat { pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pf24bit);
  ~TBitmap() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  // Size and format changes keep the pixels that still fit (converted to the new format); new
  // pixels are black.
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format);
  int BytesPerPixel() const { return format_ == pf32bit ? 4 : 3; }
  int Stride() const;  // bytes from one row to the next

  // Row y (0 = top) of the pixels, as B, G, R (and X) bytes. Pending GDI drawing is finished first.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  COLORREF PixelAt(int x, int y) const;  // 0x00BBGGRR, no bounds check beyond the image

  // The section itself. Whoever takes it may select it into a DC of their own, so its release
  // then checks that it is free before the pool keeps it.
  HBITMAP Handle() const {
    handleShared_ = true;
    return dib_.get();
  }
  TCanvas& Canvas();  // draws into this bitmap; made on first use
  // The memory DC holding this bitmap, for block transfers: made on first use, shared with the
  // canvas, without the canvas's font, brush and pen selected (cheaper when only copying).
  HDC DC();

  void Assign(const TPersistent& source) override;  // copies another TBitmap
  // Replaces the image with a copy of any bitmap handle, converted to `format`.
  bool AssignHandle(HBITMAP source, TPixelFormat format = pf24bit);
  // Reads a whole BMP file from the stream's position to its end; a malformed one empties the
  // image and returns false. 32-bit files give pf32bit, the others pf24bit.
  bool LoadFromStream(std::istream& stream);
  bool LoadFromMemory(const void* data, size_t size);
  void SaveToStream(std::ostream& stream);
  // The image as a whole BMP file (bottom-up rows), the bytes SaveToStream writes.
  std::vector<uint8_t> SaveToMemory();

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { transparent_ = on; }
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
  // tmAuto: the bottom-left pixel; tmFixed: the colour set here.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

 private:
  void Recreate(int width, int height, TPixelFormat format, bool keepPixels);
  void SelectIntoCanvas();
  void ReleaseSection();  // hands the section to the pool for the next bitmap of its size

  int width_ = 0, height_ = 0;
  TPixelFormat format_ = pf24bit;
  fw::UniqueBitmap dib_;
  uint8_t* bits_ = nullptr;
  mutable bool handleShared_ = false;
  fw::UniqueDC dc_;  // memory DC of the canvas, holding dib_ while both exist
  HGDIOBJ dcOriginal_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
};
