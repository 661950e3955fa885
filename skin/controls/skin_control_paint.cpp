// TSkinControl painting: PaintWindow, the shared paint and erase handlers, fills with the
// skin's or the parent's colour, the parent's background under a control, element frames and
// the caption focus mark. UI thread.
#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/skin_control.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinControl::DrawWhole(HDC dc) {
  RECT r;
  if (!GetWindowRect(window_, &r)) return;
  try {
    Draw(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
  } catch (...) {
    // a failed paint leaves what was on the screen
  }
}

void TSkinControl::PaintWindow(HDC dc) {
  if (!window_) return;
  if (dc) {
    DrawWhole(dc);
  } else {
    fw::WindowDC windowDC(window_, fw::WindowDC::kWindow);
    if (windowDC.get()) DrawWhole(windowDC.get());
  }
}

void TSkinControl::Draw(HDC, const RECT&) {}

void TSkinControl::HandlePaint(TMessage& message) {
  if (message.WParam) {
    DrawWhole(reinterpret_cast<HDC>(message.WParam));
  } else {
    fw::PaintDC dc(window_);
    DrawWhole(dc.get());
  }
  message.Result = 0;
}

void TSkinControl::HandleEraseBackground(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (control_) {
    DrawParentBackground(control_, dc);
  } else if (window_) {
    RECT client;
    GetClientRect(window_, &client);
    FillParentColor(dc, client);
  }
  message.Result = 1;
}

TColor TSkinControl::SkinFaceColor() const {
  return skinData_ ? skinData_->FaceColor() : clBtnFace;
}

void FillColor(HDC dc, const RECT& rect, TColor color) {
  fw::UniqueBrush brush(CreateSolidBrush(ResolveSkinColor(color)));
  FillRect(dc, &rect, brush.get());
}

void TSkinControl::FillSkinColor(HDC dc, const RECT& rect) const {
  FillColor(dc, rect, SkinFaceColor());
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
  TControl* control = OwnerControl();
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent && window_) parent = TWinControl::FindControl(GetParent(window_));
  const TPropInfo* info = parent ? GetPropInfo(*parent, "Color") : nullptr;
  if (info && info->kind == TTypeKind::Integer)
    FillColor(dc, rect, static_cast<TColor>(GetOrdProp(*parent, *info)));
  else
    FillSkinColor(dc, rect);
}

bool TSkinControl::ReadingRightToLeft() const {
  TControl* control = OwnerControl();
  if (!control) return window_ && (WindowLong(GWL_EXSTYLE) & WS_EX_RTLREADING);
  return fw::AsciiLowerCase(GetEnumPropByName(control, "BiDiMode")) == "bdrighttoleft";
}

void TSkinControl::DrawCaptionFocus(HDC dc, UINT format, const RECT& rect) const {
  RECT measured = rect;
  DrawTextWide(dc, caption_, measured, format | DT_CALCRECT | DT_NOCLIP);
  const SkinRect f = CaptionFocusRect(SkinRect{measured.left, measured.top, measured.right, measured.bottom},
                                      SkinRect{rect.left, rect.top, rect.right, rect.bottom}, format);
  const RECT focus{f.left, f.top, f.right, f.bottom};
  DrawFocusRect(dc, &focus);
}

void DrawParentBackground(TControl* control, HDC dc) {
  if (!control || !dc) return;
  TWinControl* parent = control->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  fw::SavedDCState saved(dc);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + control->Width(),
                    control->Top() + control->Height());
  HWND parentWindow = parent->RawHandle();
  SendMessageW(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parentWindow, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

TColor SkinCaptionColor(TColor own, const TSkinData* skinData) {
  if (skinData && (own == clWindowText || own == clBtnText)) return skinData->Colors[scButtonText];
  return own;
}

void DrawElementFrame(HDC dc, const RECT& rect, TDataSkinObject& element, int frameCount, int frameIndex) {
  if (element.Image.Empty()) return;
  SkinMargins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
  DrawSkinElement(dc, rect, element.Image, false, element.Tile != 0, element.Trans != 0, frameCount,
                  frameIndex, margins);
}

}  // namespace quarnel
