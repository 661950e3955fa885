// TSkinButton: the push button's state machine (hot, pressed, focus), its click, and its
// drawing from the skin's Buttons frames with a centred caption, into an off-screen bitmap
// copied in one transfer. UI thread.
#include "skin/controls/skin_button.h"

#include "framework/core/text.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {
RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
SkinRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
}  // namespace

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

void TSkinButton::SetDefaultTransparency() {
  TControl* control = OwnerControl();
  bool tagged = control && control->Tag() == kTransparentButtonTag;
  TransparentBackground = tagged || (SkinData && HasOption(*SkinData, xoTransparent)) ? 1 : 0;
}

void TSkinButton::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                         TCanvas* sharedCanvas) {
  if (Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  Variant = 0;
  if (Control) {
    std::string lower = fw::AsciiLowerCase(Control->ClassName());
    if (lower.rfind("trz", 0) == 0 || lower.rfind("tel", 0) == 0) Variant = 1;
  }
  SetDefaultTransparency();
}

// --- messages -------------------------------------------------------------------------------------

bool TSkinButton::BeforeMessage(TMessage& m) {
  if (PaintWholeWindow(m)) return false;
  switch (m.Msg) {
    case WM_TIMER:
      KillTimer(Handle, 1);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Focused && Handle) SetFocus(Handle);
      SetPressed(true);
      PaintWindow(nullptr);
      if (Variant == 0 && Control) ForwardMouseDown(m);
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      PaintWindow(nullptr);
      break;
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        SetPressed(true);
        Repaint();
      }
      break;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        SetPressed(false);
        Repaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (Enabled && !Hot()) {
        SetHot(true);
        Repaint();
      }
      TrackMouseLeave(Handle);
      break;
    case WM_LBUTTONUP:
      if (Pressed()) {
        SetPressed(false);
        Repaint();
        RaiseClick();  // last: the click may free this object
      }
      break;
    case WM_MOUSELEAVE:
      SetHot(false);
      SetPressed(false);
      Repaint();
      break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinButton::RaiseClick() {
  if (Control) {
    Control->Click();
    return;
  }
  if (!Handle) return;
  const bool frameworkButton = fw::AsciiLowerCase(WindowClassName(Handle)) == "tbutton";
  const WPARAM id = frameworkButton ? 0 : static_cast<WPARAM>(GetDlgCtrlID(Handle));
  PostMessageW(GetParent(Handle), WM_COMMAND, id, reinterpret_cast<LPARAM>(Handle));
}

// --- drawing --------------------------------------------------------------------------------------

TDataSkinButton* TSkinButton::ButtonsElement() const {
  if (!SkinData || !SkinData->Buttons || SkinData->Buttons->Image.Empty()) return nullptr;
  return SkinData->Buttons.get();
}

void TSkinButton::RefreshState() {
  Focused = HasFocus() ? 1 : 0;
  Enabled = Handle && !(WindowLong(GWL_STYLE) & WS_DISABLED) ? 1 : 0;
  default_ = fw::AsciiLowerCase(GetEnumPropByName(Control, "Default")) == "true";
  Caption = Control ? GetTextPropByName(Control, "Caption") : WindowTextWide(Handle);
}

int TSkinButton::FrameIndex() const {
  return ButtonFrameIndex(Enabled, Pressed(), Hot(), Focused || default_);
}

HDC TSkinButton::PrepareBitmap(const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  buffer_.reset();
  buffer_.emplace(w, h);
  HDC dc = buffer_->DC();
  const RECT local{0, 0, w, h};
  if (TransparentBackground && OwnerControl())
    DrawParentBackground(OwnerControl(), dc);
  else if (TransparentBackground)
    FillParentColor(dc, local);
  else
    FillSkinColor(dc, local);
  return dc;
}

void TSkinButton::SelectTextFont(HDC dc) {
  HFONT font = nullptr;
  if (TControl* control = OwnerControl())
    font = control->Font()->Handle();
  else if (Handle)
    font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ old = SelectObject(dc, font);
  if (!fontDC_) {
    fontDC_ = dc;
    savedFont_ = old;
  }
}

void TSkinButton::ApplyTextColours(HDC dc, int frameIndex, bool normalOnlyInState1) {
  TDataSkinButton* b = SkinData ? SkinData->Buttons.get() : nullptr;
  TColor colour = clBtnText;
  if (TControl* control = OwnerControl())
    colour = control->Font()->Color();
  else if (SkinData)
    colour = SkinData->Colors[scButtonText];
  if (b) {
    if (b->HasNormalColour2 && (!normalOnlyInState1 || frameIndex == 1)) colour = b->NormalColour2;
    if (frameIndex == 4 && b->HasMouseOverColour2) colour = b->MouseOverColour2;
    if (frameIndex == 2 && b->HasPressedColour2) colour = b->PressedColour2;
  }
  if (!Enabled) colour = clBtnShadow;
  SetTextColor(dc, ResolveSkinColor(colour));
  SetBkMode(dc, TRANSPARENT);
}

void TSkinButton::DrawCaptionCentred(HDC dc, const RECT& rect) {
  const std::wstring text = SplitCaptionLines(Caption);
  const UINT flags = RightToLeftFlags(DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
  RECT box{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
  RECT measured = box;
  DrawTextWide(dc, text, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const SkinRect m{0, 0, measured.right - measured.left, measured.bottom - measured.top};
  RECT place = ToRect(CentreCaption(m, FromRect(rect)));
  DrawTextWide(dc, text, place, flags);
  if (Focused && !(SkinData && HasOption(*SkinData, xoNoFocusRect))) {
    RECT focus{place.left - 2, place.top - 2, place.right + 2, place.bottom + 2};
    DrawFocusRect(dc, &focus);
  }
}

void TSkinButton::Present(HDC dc, const RECT& rect) {
  if (buffer_)
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, buffer_->DC(), 0, 0,
           SRCCOPY);
  if (fontDC_) SelectObject(fontDC_, savedFont_);
  fontDC_ = nullptr;
  savedFont_ = nullptr;
  buffer_.reset();
}

HDC TSkinButton::DrawFace(const RECT& rect, bool normalOnlyInState1, int& index) {
  TDataSkinButton* buttons = ButtonsElement();
  if (!buttons) return nullptr;
  RefreshState();
  index = FrameIndex();
  lastFrame_ = index;
  HDC bitmapDC = PrepareBitmap(rect);
  const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  DrawElementFrame(bitmapDC, local, *buttons, buttons->FrameCount, index);
  SelectTextFont(bitmapDC);
  ApplyTextColours(bitmapDC, index, normalOnlyInState1);
  return bitmapDC;
}

void TSkinButton::Draw(HDC dc, const RECT& rect) {
  int index = 0;
  HDC bitmapDC = DrawFace(rect, false, index);
  if (!bitmapDC) return;
  DrawCaptionCentred(bitmapDC, {0, 0, rect.right - rect.left, rect.bottom - rect.top});
  Present(dc, rect);
}

}  // namespace quarnel
