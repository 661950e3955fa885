// TSkinButton: the push button's state machine (hot, pressed, focus), its click, and its
// drawing from the skin's Buttons frames with a centred caption, into an off-screen bitmap
// copied in one transfer. UI thread.
#include "skin/controls/skin_button.h"

#include "framework/core/text.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_text.h"
#include "skin/controls/paint_handlers.h"
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
  TControl* control = Binding().OwnerControl();
  bool tagged = control && control->Tag() == kTransparentButtonTag;
  transparentBackground_ = tagged || (SkinData() && HasOption(*SkinData(), xoTransparent));
}

void TSkinButton::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                         TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  SetVariant(0);
  if (Control()) {
    std::string lower = fw::AsciiLowerCase(Control()->ClassName());
    if (lower.rfind("trz", 0) == 0 || lower.rfind("tel", 0) == 0) SetVariant(1);
  }
  SetDefaultTransparency();
}

// --- messages -------------------------------------------------------------------------------------

bool TSkinButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return EraseNothing(m);
    case WM_TIMER:
      return OnTimer();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnLButtonDown(m.WParam, MousePoint(m.LParam));
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
      OnKey(static_cast<UINT>(m.WParam), true);
      break;
    case WM_KEYUP:
      OnKey(static_cast<UINT>(m.WParam), false);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove();
      break;
    case WM_LBUTTONUP:
      OnLButtonUp();  // last: the click may free this object
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
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

// A timer the control may have left running is stopped, and not passed on.
bool TSkinButton::OnTimer() {
  KillTimer(Window(), 1);
  return true;
}

// Pressed at once; the control's own mouse-down follows unless the class clicks by itself.
bool TSkinButton::OnLButtonDown(WPARAM keys, POINT at) {
  if (!Marks().Focused() && Window()) SetFocus(Window());
  Marks().SetPressed(true);
  PaintWindow(nullptr);
  if (Variant() == 0 && Control()) ForwardMouseDown(*this, keys, at);
  return true;
}

// Space presses the button and lets it go again.
void TSkinButton::OnKey(UINT key, bool down) {
  if (key != VK_SPACE) return;
  Marks().SetPressed(down);
  Repaint();
}

void TSkinButton::OnMouseMove() {
  if (Marks().Enabled() && !Marks().Hot()) {
    Marks().SetHot(true);
    Repaint();
  }
  TrackMouseLeave(Window());
}

void TSkinButton::OnLButtonUp() {
  if (!Marks().Pressed()) return;
  Marks().SetPressed(false);
  Repaint();
  RaiseClick();  // last: the click may free this object
}

void TSkinButton::OnMouseLeave() {
  Marks().SetHot(false);
  Marks().SetPressed(false);
  Repaint();
}

void TSkinButton::RaiseClick() {
  if (Control()) {
    Control()->Click();
    return;
  }
  if (!Window()) return;
  const bool frameworkButton = fw::AsciiLowerCase(WindowClassName(Window())) == "tbutton";
  const WPARAM id = frameworkButton ? 0 : static_cast<WPARAM>(GetDlgCtrlID(Window()));
  PostMessageW(GetParent(Window()), WM_COMMAND, id, reinterpret_cast<LPARAM>(Window()));
}

// --- drawing --------------------------------------------------------------------------------------

TDataSkinButton* TSkinButton::ButtonsElement() const {
  if (!SkinData() || !SkinData()->Buttons || SkinData()->Buttons->Image.Empty()) return nullptr;
  return SkinData()->Buttons.get();
}

void TSkinButton::RefreshState() {
  Marks().SetFocused(HasFocus());
  Marks().SetEnabled(Window() && !(Binding().WindowLong(GWL_STYLE) & WS_DISABLED));
  default_ = fw::AsciiLowerCase(GetEnumPropByName(Control(), "Default")) == "true";
  SetCaption(Control() ? GetTextPropByName(Control(), "Caption") : WindowTextWide(Window()));
}

int TSkinButton::FrameIndex() const {
  const TControlMarks& m = Marks();
  return ButtonFrameIndex(m.Enabled(), m.Pressed(), m.Hot(), m.Focused() || default_);
}

HDC TSkinButton::PrepareBitmap(const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  buffer_.reset();
  buffer_.emplace(w, h);
  HDC dc = buffer_->DC();
  const RECT local{0, 0, w, h};
  if (transparentBackground_ && Binding().OwnerControl())
    DrawParentBackground(Binding().OwnerControl(), dc);
  else if (transparentBackground_)
    FillParentColor(*this, dc, local);
  else
    FillSkinColor(*this, dc, local);
  return dc;
}

void TSkinButton::SelectTextFont(HDC dc) {
  HFONT font = nullptr;
  if (TControl* control = Binding().OwnerControl())
    font = control->Font()->Handle();
  else if (Window())
    font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ old = SelectObject(dc, font);
  if (!fontDC_) {
    fontDC_ = dc;
    savedFont_ = old;
  }
}

void TSkinButton::ApplyTextColours(HDC dc, int frameIndex, bool normalOnlyInState1) {
  TDataSkinButton* b = SkinData() ? SkinData()->Buttons.get() : nullptr;
  TColor colour = clBtnText;
  if (TControl* control = Binding().OwnerControl())
    colour = control->Font()->Color();
  else if (SkinData())
    colour = SkinData()->Colors[scButtonText];
  if (b) {
    if (b->HasNormalColour2 && (!normalOnlyInState1 || frameIndex == 1)) colour = b->NormalColour2;
    if (frameIndex == 4 && b->HasMouseOverColour2) colour = b->MouseOverColour2;
    if (frameIndex == 2 && b->HasPressedColour2) colour = b->PressedColour2;
  }
  if (!Marks().Enabled()) colour = clBtnShadow;
  SetTextColor(dc, ResolveSkinColor(colour));
  SetBkMode(dc, TRANSPARENT);
}

void TSkinButton::DrawCaptionCentred(HDC dc, const RECT& rect) {
  UINT flags = RightToLeftFlags(*this, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
  const std::wstring text = CueCaption(*this, SplitCaptionLines(Caption()), flags);
  RECT box{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
  RECT measured = box;
  DrawTextWide(dc, text, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const SkinRect m{0, 0, measured.right - measured.left, measured.bottom - measured.top};
  RECT place = ToRect(CentreCaption(m, FromRect(rect)));
  DrawTextWide(dc, text, place, flags);
  if (ShowsFocusMark(*this)) {
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
