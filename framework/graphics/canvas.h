// `TCanvas`: drawing on a device context (a window's, a printer's or a bitmap's) with its own
// font, brush and pen, which it selects into the DC when needed and takes out again before they
// change or the DC goes. User-interface thread.
#pragma once
#include <windows.h>

#include <string>

#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "framework/graphics/pen.h"

class TBitmap;

class TCanvas : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TCanvas();
  explicit TCanvas(HDC dc);  // borrows `dc`; the caller keeps it alive while bound
  ~TCanvas() override;

  // The DC with font, brush and pen selected. Rebinding takes them out of the previous DC.
  HDC Handle();
  bool HandleAllocated() const { return dc_ != nullptr; }
  void SetHandle(HDC dc);

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }
  DWORD CopyMode() const { return copyMode_; }
  void SetCopyMode(DWORD rop) { copyMode_ = rop; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Rectangle(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& r, int x, int y, const std::string& text);  // clipped to `r`
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  COLORREF Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Bitmaps: at their own size (transparent ones without their transparent colour), stretched,
  // or a part of another canvas copied with CopyMode().
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& r, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

 private:
  enum : unsigned { kFont = 1, kBrush = 2, kPen = 4 };
  void Require(unsigned what);
  void Deselect(unsigned what);
  void BindChangeHandlers();

  HDC dc_ = nullptr;
  unsigned selected_ = 0;
  HGDIOBJ oldFont_ = nullptr, oldBrush_ = nullptr, oldPen_ = nullptr;
  DWORD copyMode_ = SRCCOPY;
  TFont font_;
  TBrush brush_;
  TPen pen_;
};
