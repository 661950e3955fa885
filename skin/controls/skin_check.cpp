// TSkinChoice, TSkinCheckBox and TSkinRadioButton: the glyph frame from the window's state and
// the control's properties, composed off-screen with the caption and copied in one transfer; a
// control whose image is missing keeps painting itself. UI thread.
#include "skin/controls/skin_check.h"

#include "framework/core/text.h"
#include "framework/graphics/scratch_bitmap.h"
#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/control_dispatch.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {
RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
// A skin that names an image but no frame count: square frames.
int FramesOf(const TBitmap& image, int count) {
  if (count > 0) return count;
  return image.Height() > 0 ? std::max(1, image.Width() / image.Height()) : 1;
}
bool IsTrue(TObject* object, const char* name) {
  return fw::AsciiLowerCase(GetEnumPropByName(object, name)) == "true";
}
}  // namespace

// --- what both share ------------------------------------------------------------------------------

void TSkinChoice::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                         TCanvas* sharedCanvas) {
  if (Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  TBitmap* image = Image();
  Variant = Control && image && !image->Empty() ? 1 : 0;
  const bool tagged = Control && Control->Tag() == kTransparentChoiceTag;
  Transparent = tagged || (SkinData && HasOption(*SkinData, xoTransparent)) ? 1 : 0;
}

void TSkinChoice::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                               TCanvas* sharedCanvas) {
  if (Attached()) return;
  TSkinControl::AttachHandle(window, skinData, host, sharedCanvas);
  TBitmap* image = Image();
  Variant = Attached() && image && !image->Empty() ? 1 : 0;
  Transparent = SkinData && HasOption(*SkinData, xoTransparent) ? 1 : 0;
}

bool TSkinChoice::BeforeMessage(TMessage& m) {
  const bool pass = TSkinControl::BeforeMessage(m);
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_PRINT:
      if (Variant != 1) return pass;
      HandlePaint(m);
      return false;
    case WM_ERASEBKGND:
      if (Transparent) {
        HandleEraseBackground(m);
        return false;
      }
      if (Variant == 1) {  // the paint covers every pixel
        m.Result = 1;
        return false;
      }
      return pass;
    default:
      return pass;
  }
}

void TSkinChoice::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case CM_FOCUSCHANGED:
    case kChoiceRepaintMessage:
      Repaint();
      break;
    case WM_MOUSEMOVE:
      TrackMouseLeave(Handle);
      if (!Hot()) {
        SetHot(true);
        Repaint();
      }
      break;
    case WM_MOUSELEAVE:
      if (Hot()) {
        SetHot(false);
        Repaint();
      }
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinChoice::Draw(HDC dc, const RECT& rect) {
  TBitmap* image = Image();
  if (!image || image->Empty() || !Handle) {
    Variant = 0;
    return;
  }
  const int frames = FramesOf(*image, FrameCount());
  const int gw = image->Width() / frames, gh = image->Height();
  const DWORD style = static_cast<DWORD>(WindowLong(GWL_STYLE));
  Enabled = (style & WS_DISABLED) ? 0 : 1;
  Focused = HasFocus() ? 1 : 0;
  const LRESULT buttonState = SendMessageW(Handle, BM_GETSTATE, 0, 0);
  lastFrame_ = FrameIndex(style, buttonState);
  const SkinRect local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const ChoiceBoxes boxes = Layout(local, gw, gh, (style & BS_RIGHTBUTTON) != 0);
  RECT glyph = ToRect(boxes.glyph);
  if (Variant != 1) {  // the control painted itself: the skin's glyph goes over its box
    OffsetRect(&glyph, rect.left, rect.top);
    DrawSkinFrameCentred(dc, glyph, *image, true, frames, lastFrame_);
    return;
  }
  const fw::ScratchBitmap buffer(local.right, local.bottom);
  HDC canvas = buffer.DC();
  const RECT all = ToRect(local);
  if (!Transparent)
    FillSkinColor(canvas, all);
  else if (Control)
    DrawParentBackground(Control, canvas);
  else
    FillParentColor(canvas, all);
  DrawSkinFrameCentred(canvas, glyph, *image, true, frames, lastFrame_);
  DrawCaption(canvas, boxes.text, style);
  BitBlt(dc, rect.left, rect.top, local.right, local.bottom, canvas, 0, 0, SRCCOPY);
}

void TSkinChoice::DrawCaption(HDC dc, const SkinRect& textBox, DWORD style) {
  Caption = Control ? GetTextPropByName(Control, "Caption") : WindowTextWide(Handle);
  HFONT font =
      Control ? Control->Font()->Handle() : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard keepFont(dc, font);
  fw::SavedDCState keepState(dc);
  const TColor text =
      !Enabled ? TColor(clBtnShadow)
               : SkinCaptionColor(Control ? Control->Font()->Color() : TColor(clBtnText), SkinData);
  SetTextColor(dc, ResolveSkinColor(text));
  SetBkColor(dc, ResolveSkinColor(SkinFaceColor()));
  SetBkMode(dc, TRANSPARENT);
  UINT format = RightToLeftFlags(DT_WORDBREAK | DT_EXPANDTABS);
  if ((format & kFormatRtlReading) && (style & BS_RIGHTBUTTON)) format |= DT_RIGHT;
  RECT box = ToRect(textBox);
  RECT measured = box;
  const int height = DrawTextWide(dc, Caption, measured, format | DT_CALCRECT);
  RECT place = ToRect(CentreTextVertically(textBox, height));
  // Systems of version 6 mark the focus themselves elsewhere: no rectangle around the caption.
  const bool versionSix = SystemMajorVersion() == 6;
  if (Focused && !Caption.empty() && !versionSix) DrawCaptionFocus(dc, format, place);
  DrawTextWide(dc, Caption, place, format);
}

// --- check boxes ----------------------------------------------------------------------------------

void TSkinCheckBox::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                           TCanvas* sharedCanvas) {
  if (Attached()) return;
  BoundState = 0;
  TSkinChoice::Attach(host, skinData, useSkinColor, sharedCanvas);
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
  if (m.Msg == BM_SETCHECK) BoundState = static_cast<int>(m.WParam) + 1;
  TSkinChoice::AfterMessage(m);
}

TBitmap* TSkinCheckBox::Image() const {
  return SkinData && SkinData->Buttons ? &SkinData->Buttons->CheckImage : nullptr;
}

int TSkinCheckBox::FrameCount() const {
  return SkinData && SkinData->Buttons ? SkinData->Buttons->CheckFrameCount : 0;
}

int TSkinCheckBox::FrameIndex(DWORD style, LRESULT buttonState) {
  ChoiceState s;
  s.base = (buttonState & BST_CHECKED) ? kCheckChecked : kCheckUnchecked;
  if (Control) {
    const TClassInfo& info = Control->ClassInfo();
    if (info.FindProperty("State")) {
      if (int named = CheckStateFromName(fw::AsciiLowerCase(GetEnumPropByName(Control, "State"))))
        s.base = named;
    } else if (info.FindProperty("Checked")) {
      s.base = IsTrue(Control, "Checked") ? kCheckChecked : kCheckUnchecked;
    }
    if (info.FindProperty("DataField") && BoundState != 0)
      s.base = BoundState == 3 ? kCheckGrayed : BoundState;
    if (info.FindProperty("DataBinding")) s.base = kCheckUnchecked;
  }
  s.disabled = (style & WS_DISABLED) != 0;
  s.indeterminate = (buttonState & BST_INDETERMINATE) != 0;
  s.hot = Hot();
  s.pressed = (buttonState & BST_PUSHED) != 0;
  return CheckFrameIndex(s, FramesOf(*Image(), FrameCount()));
}

ChoiceBoxes TSkinCheckBox::Layout(const SkinRect& rect, int gw, int gh, bool rightButton) const {
  return CheckBoxLayout(rect, gw, gh, rightButton);
}

// --- radio buttons --------------------------------------------------------------------------------

TBitmap* TSkinRadioButton::Image() const {
  return SkinData && SkinData->Buttons ? &SkinData->Buttons->RadioImage : nullptr;
}

int TSkinRadioButton::FrameCount() const {
  return SkinData && SkinData->Buttons ? SkinData->Buttons->RadioFrameCount : 0;
}

int TSkinRadioButton::FrameIndex(DWORD style, LRESULT buttonState) {
  bool checked = (buttonState & BST_CHECKED) != 0;
  if (Control && Control->ClassInfo().FindProperty("Checked")) checked = IsTrue(Control, "Checked");
  return RadioFrameIndex(checked, (style & WS_DISABLED) != 0, Hot(), (buttonState & BST_PUSHED) != 0,
                         FramesOf(*Image(), FrameCount()));
}

ChoiceBoxes TSkinRadioButton::Layout(const SkinRect& rect, int gw, int gh, bool rightButton) const {
  return RadioLayout(rect, gw, gh, rightButton);
}

}  // namespace quarnel
