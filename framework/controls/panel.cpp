// Panels paint themselves: background (own colour or the parent's), outer bevel, border,
// inner bevel, then the caption centred vertically; windowless children last.
// User-interface thread.
#include "framework/controls/panel.h"

#include "framework/controls/parent_background.h"
#include "framework/ui/graphic_control.h"
#include "framework/ui/memo.h"
#include "framework/win/handles.h"

const TEnumInfo& PanelBevelEnum() {
  static const TEnumInfo e{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return e;
}

const TClassInfo& TCustomPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomPanel>("TCustomPanel", &TWinControl::StaticClass())
          .Enum("Alignment", AlignmentEnum(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
          .Enum("BevelInner", PanelBevelEnum(), &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
          .Enum("BevelOuter", PanelBevelEnum(), &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
          .Int("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
          .Int("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth)
          .Enum("BorderStyle", BorderStyleEnum(), &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle)
          .Bool("ParentBackground", &TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground)
          .Build();
  return info;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPanel>("TPanel", &TCustomPanel::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
  width_ = 185;
  height_ = 41;
  color_ = clBtnFace;
  parentColor_ = false;
}

void TCustomPanel::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.style |= WS_CLIPCHILDREN;
  if (borderStyle_ == bsSingleBorder) p.style |= WS_BORDER;
  p.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TCustomPanel::SetBorderStyle(int v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
  SetWindowLongPtrW(handle_, GWL_STYLE, style | (v == bsSingleBorder ? WS_BORDER : 0));
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomPanel::TextChanged() {
  TWinControl::TextChanged();
  Invalidate();
}

namespace {

// One bevel ring of `width` pixels: raised is light at the top left, lowered the other way.
void DrawBevel(HDC dc, RECT& r, int bevel, int width) {
  if (bevel == bvNone) return;
  if (bevel == bvSpace) {
    InflateRect(&r, -width, -width);
    return;
  }
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF topLeft = bevel == bvRaised ? light : dark, bottomRight = bevel == bvRaised ? dark : light;
  for (int i = 0; i < width; ++i) {
    fw::UniqueBrush tl(CreateSolidBrush(topLeft)), br(CreateSolidBrush(bottomRight));
    RECT top{r.left, r.top, r.right - 1, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom - 1};
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, tl.get());
    FillRect(dc, &left, tl.get());
    FillRect(dc, &bottom, br.get());
    FillRect(dc, &right, br.get());
    InflateRect(&r, -1, -1);
  }
}

}  // namespace

void TCustomPanel::Paint(HDC dc) {
  RECT r;
  GetClientRect(handle_, &r);
  DrawBevel(dc, r, bevelOuter_, bevelWidth_);
  InflateRect(&r, -borderWidth_, -borderWidth_);
  DrawBevel(dc, r, bevelInner_, bevelWidth_);
  const std::wstring text = WideCaption();
  if (text.empty()) return;
  fw::SelectGuard font(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(font_.Color()));
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  format |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

// A paint message may bring its own DC (a parent painting this panel into a bitmap).
bool TCustomPanel::WmPaint(HDC given, LRESULT& result) {
  if (given) {
    Paint(given);
    PaintGraphicChildren(*this, given);
  } else {
    fw::PaintDC dc(handle_);
    Paint(dc.get());
    PaintGraphicChildren(*this, dc.get());
  }
  result = 0;
  return true;
}

void TCustomPanel::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    case WM_PAINT: handled = WmPaint(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    case WM_PRINTCLIENT: handled = WmPrintClient(reinterpret_cast<HDC>(m.WParam)); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TCustomPanel::WmEraseBackground(HDC dc, LRESULT& result) {
  fw::EraseContainer(*this, dc, ColorBrush(), parentBackground_);
  result = 1;
  return true;
}

bool TCustomPanel::WmPrintClient(HDC dc) {
  SendMessageW(handle_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  Paint(dc);
  return true;
}
