// TSkinDateTime: a drop-down date picker with the skin's edit border and, over the picker's own
// arrow, a TArrowButton drawn from ComboArrow that opens the calendar by handing its press on to
// the picker. The arrow hides itself while the skin is off. UI thread.
#include "framework/core/properties.h"
#include "framework/win/handles.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_edit.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"

namespace quarnel {

const TClassInfo& TArrowButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TArrowButton>("TArrowButton", &TWinControl::StaticClass()).Build();
  return info;
}

TArrowButton::TArrowButton(TComponent* owner) : TWinControl(owner) {}

void TArrowButton::Bind(TSkinDateTime* skin, TWinControl* picker) {
  skin_ = skin;
  picker_ = picker;
  pickerWindow_ = picker ? picker->Handle() : nullptr;
  if (!pickerWindow_) return;
  SetWindowLongPtrW(pickerWindow_, GWL_STYLE, GetWindowLongPtrW(pickerWindow_, GWL_STYLE) | WS_CLIPCHILDREN);
  Place();
  Handle();
}

void TArrowButton::Place() {
  RECT r{};
  if (!pickerWindow_ || !GetWindowRect(pickerWindow_, &r)) return;
  const bool left = GetWindowLongPtrW(pickerWindow_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
  const int height = r.bottom - r.top - 4;
  const int width = GetSystemMetrics(SM_CXHSCROLL);  // as wide as the system's arrow, which may change
  const int x = DateArrowLeft(r.right - r.left, width, left);
  if (Left() != x || Top() != 0 || Width() != width || Height() != height) SetBounds(x, 0, width, height);
  if (HandleAllocated() && !IsWindowVisible(RawHandle())) ShowWindow(RawHandle(), SW_SHOWNA);
}

void TArrowButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.wndParent = pickerWindow_;
  p.style &= ~WS_TABSTOP;
}

void TArrowButton::WndProc(TMessage& m) {
  const bool pickerEnabled = pickerWindow_ && IsWindowEnabled(pickerWindow_);
  switch (m.Msg) {
    case WM_PAINT:
      PaintArrow();
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_MOUSEMOVE:
      if (!hot_ && pickerEnabled) {
        TrackMouseLeave(RawHandle());
        hot_ = true;
        Invalidate();
      }
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      if (hot_) {
        hot_ = false;
        Invalidate();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      TWinControl::WndProc(m);
      PressPicker(m);
      Invalidate();
      return;
    case WM_LBUTTONUP:
      TWinControl::WndProc(m);
      if (pickerWindow_) ::SetFocus(pickerWindow_);
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

// A press on the arrow becomes a press and release on the picker at the same place, which opens
// the picker's calendar as its own arrow would.
void TArrowButton::PressPicker(const TMessage& m) {
  if (!pickerWindow_) return;
  const int x = static_cast<short>(LOWORD(m.LParam)) + Left();
  const int y = static_cast<short>(HIWORD(m.LParam)) + Top();
  PostMessageW(pickerWindow_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(pickerWindow_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void TArrowButton::PaintArrow() {
  HWND self = RawHandle();
  {
    fw::PaintDC dc(self);
    TSkinData* data = skin_ ? skin_->SkinData() : nullptr;
    if (!data || !pickerWindow_ || !skin_->Attachment().Active()) {
      lastFrame_ = 0;
    } else {
      RECT picker{};
      GetWindowRect(pickerWindow_, &picker);
      const RECT r{0, 0, Width(), picker.bottom - picker.top - 4};
      lastFrame_ = !IsWindowEnabled(pickerWindow_) ? 3 : hot_ ? 4 : 1;
      // The arrow image holds the face colour where it is transparent, so it covers the button.
      TDataSkinObject* arrow = data->ComboArrow.get();
      if (arrow && !arrow->Image.Empty())
        face_.Draw(dc.get(), r, arrow->Image, arrow->FrameCount > 0 ? arrow->FrameCount : 4, lastFrame_,
                   false);
      else
        FillRect(dc.get(), &r, data->FaceBrush.get());
    }
  }
  // With the skin off the picker shows its own arrow.
  if (skin_ && !skin_->Attachment().Active()) ShowWindow(self, SW_HIDE);
}

void TSkinDateTime::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                           TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  if (!Control()) return;
  arrow_ = TComponent::CreateIn<TArrowButton>(this);
  arrow_->Bind(this, Control());
}

void TSkinDateTime::Detach() {
  TSkinControl::Detach();
  if (arrow_ && arrow_->HandleAllocated() && Attachment().State() != scsWindowGone)
    ShowWindow(arrow_->RawHandle(), SW_HIDE);
}

bool TSkinDateTime::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      return PaintsOwnFrame(*this, m, ownsFrame_);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinDateTime::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      OnPainted(m);
      break;
    case CM_RECREATEWND:
      OnRecreated(m);
      break;
    case WM_SIZE:
      OnSized(m);
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

// With the skin's own frame the arrow only follows the picker; otherwise the base repaints.
void TSkinDateTime::OnPainted(TMessage& m) {
  if (!ownsFrame_) {
    TSkinControl::AfterMessage(m);
    return;
  }
  if (arrow_) arrow_->Place();
}

// The arrow's window went with the picker's old window: it is made again in the new one.
void TSkinDateTime::OnRecreated(TMessage& m) {
  TSkinControl::AfterMessage(m);
  if (arrow_) arrow_->Bind(this, Control());
}

void TSkinDateTime::OnSized(TMessage& m) {
  if (!arrow_) {
    TSkinControl::AfterMessage(m);
    return;
  }
  arrow_->Place();
  arrow_->Invalidate();
}

void TSkinDateTime::UpdateSkin() {
  if (arrow_) {
    arrow_->ForgetFace();
    arrow_->Invalidate();
  }
  TSkinControl::UpdateSkin();
}

void TSkinDateTime::Draw(HDC dc, const RECT&) {
  if (!SkinData() || !Window()) return;
  if (arrow_) arrow_->Place();
  DrawEditBorder(dc, Window(), SkinData()->Colors[scButtonShadow], 1);
}

}  // namespace quarnel
