// Canvas drawing and the selection of its font, brush and pen into the bound DC.
// User-interface thread.
#include "framework/graphics/canvas.h"

#include "framework/core/text.h"
#include "framework/graphics/bitmap.h"

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCanvas>("TCanvas", &TPersistent::StaticClass()).Build();
  return info;
}

TCanvas::TCanvas() {
  BindChangeHandlers();
}

TCanvas::TCanvas(HDC dc) : dc_(dc) {
  BindChangeHandlers();
}

TCanvas::~TCanvas() {
  Deselect(kFont | kBrush | kPen);
}

void TCanvas::BindChangeHandlers() {
  // A GDI object still selected into a DC cannot be deleted: take it out before it is remade.
  font_.OnChanging = [this] { Deselect(kFont); };
  brush_.OnChanging = [this] { Deselect(kBrush); };
  pen_.OnChanging = [this] { Deselect(kPen); };
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect(kFont | kBrush | kPen);
  dc_ = dc;
}

HDC TCanvas::Handle() {
  Require(kFont | kBrush | kPen);
  return dc_;
}

void TCanvas::Require(unsigned what) {
  if (!dc_) return;
  unsigned missing = what & ~selected_;
  if (missing & kFont) oldFont_ = SelectObject(dc_, font_.Handle());
  if (missing & kBrush) oldBrush_ = SelectObject(dc_, brush_.Handle());
  if (missing & kPen) oldPen_ = SelectObject(dc_, pen_.Handle());
  selected_ |= missing;
  // Colours are not part of the selected objects; a colour change alone remakes nothing.
  if (what & kFont) SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (what & kBrush) {
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
    SetBkMode(dc_, brush_.Style() == bsClear ? TRANSPARENT : OPAQUE);  // clear: text keeps the backdrop
  }
}

void TCanvas::Deselect(unsigned what) {
  unsigned present = what & selected_;
  if (!dc_ || !present) return;
  if (present & kFont) SelectObject(dc_, oldFont_);
  if (present & kBrush) SelectObject(dc_, oldBrush_);
  if (present & kPen) SelectObject(dc_, oldPen_);
  selected_ &= ~present;
}

void TCanvas::FillRect(const RECT& r) {
  Require(kBrush);
  if (dc_) ::FillRect(dc_, &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  Require(kBrush);
  if (dc_) ::FrameRect(dc_, &r, brush_.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Require(kBrush | kPen);
  if (dc_) ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
  if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Require(kPen);
  if (dc_) ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Require(kFont | kBrush);
  if (!dc_) return;
  std::wstring wide = fw::ToWide(text);
  TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text) {
  Require(kFont | kBrush);
  if (!dc_) return;
  std::wstring wide = fw::ToWide(text);
  UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(dc_, x, y, options, &r, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  SIZE size{0, 0};
  Require(kFont);
  if (!dc_) return size;
  std::wstring wide = fw::ToWide(text);
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

COLORREF TCanvas::Pixel(int x, int y) {
  return dc_ ? GetPixel(dc_, x, y) : CLR_INVALID;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (dc_) ::SetPixelV(dc_, x, y, ColorToRGB(color));
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  HDC src = bitmap.DC();
  if (bitmap.Transparent()) {
    TransparentBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), src, 0, 0, bitmap.Width(), bitmap.Height(),
                   ColorToRGB(bitmap.TransparentColor()));
  } else {
    BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), src, 0, 0, copyMode_);
  }
}

void TCanvas::StretchDraw(const RECT& r, TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  HDC src = bitmap.DC();
  int w = r.right - r.left, h = r.bottom - r.top;
  if (bitmap.Transparent()) {
    TransparentBlt(dc_, r.left, r.top, w, h, src, 0, 0, bitmap.Width(), bitmap.Height(),
                   ColorToRGB(bitmap.TransparentColor()));
  } else {
    int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, r.left, r.top, w, h, src, 0, 0, bitmap.Width(), bitmap.Height(), copyMode_);
    SetStretchBltMode(dc_, oldMode);
  }
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  HDC src = source.Handle();
  if (!dc_ || !src) return;
  int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, src, sourceRect.left,
             sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top,
             copyMode_);
  SetStretchBltMode(dc_, oldMode);
}
