// TSkinChoice, TSkinCheckBox and TSkinRadioButton: the glyph frame from the window's state and
// the control's properties, composed off-screen with the caption (or the button's own image),
// placed as the button style asks, and copied in one transfer; a push-like button is drawn as a
// push button. A control whose image is missing keeps painting itself. UI thread.
#include "skin/controls/skin_check.h"

#include "framework/core/text.h"
#include "framework/graphics/scratch_bitmap.h"
#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "skin/controls/button_layout.h"
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
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  TBitmap* image = ImageFor(static_cast<DWORD>(Binding().WindowLong(GWL_STYLE)));
  SetVariant(Control() && image && !image->Empty() ? 1 : 0);
  const bool tagged = Control() && Control()->Tag() == kTransparentChoiceTag;
  transparent_ = tagged || (SkinData() && HasOption(*SkinData(), xoTransparent));
}

void TSkinChoice::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                               TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::AttachHandle(window, skinData, host, sharedCanvas);
  TBitmap* image = ImageFor(static_cast<DWORD>(Binding().WindowLong(GWL_STYLE)));
  SetVariant(Attachment().Attached() && image && !image->Empty() ? 1 : 0);
  transparent_ = SkinData() && HasOption(*SkinData(), xoTransparent);
}

TBitmap* TSkinChoice::ImageFor(DWORD style) const {
  if (!(style & BS_PUSHLIKE)) return Image();
  return SkinData() && SkinData()->Buttons ? &SkinData()->Buttons->Image : nullptr;
}

bool TSkinChoice::BeforeMessage(TMessage& m) {
  const bool handled = TSkinControl::BeforeMessage(m);
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_PRINT:
      return OnPaint(m, handled);
    case WM_ERASEBKGND:
      return OnEraseBackground(m, handled);
    default:
      return handled;
  }
}

// Painted whole by the skin (variant 1); otherwise the control paints and the glyph goes over.
bool TSkinChoice::OnPaint(TMessage& m, bool handled) {
  if (Variant() != 1) return handled;
  HandlePaint(*this, m);
  return true;
}

bool TSkinChoice::OnEraseBackground(TMessage& m, bool handled) {
  if (transparent_) {
    HandleEraseBackground(*this, m);
    return true;
  }
  if (Variant() == 1) return EraseNothing(m);  // the paint covers every pixel
  return handled;
}

void TSkinChoice::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETIMAGE:
    case CM_FOCUSCHANGED:
    case kChoiceRepaintMessage:
      Repaint();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove();
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinChoice::OnMouseMove() {
  TrackMouseLeave(Window());
  if (Marks().Hot()) return;
  Marks().SetHot(true);
  Repaint();
}

void TSkinChoice::OnMouseLeave() {
  if (!Marks().Hot()) return;
  Marks().SetHot(false);
  Repaint();
}

void TSkinChoice::FillBackground(HDC dc, const RECT& all) const {
  if (!transparent_)
    FillSkinColor(*this, dc, all);
  else if (Control())
    DrawParentBackground(Control(), dc);
  else
    FillParentColor(*this, dc, all);
}

void TSkinChoice::Draw(HDC dc, const RECT& rect) {
  const DWORD style = Window() ? static_cast<DWORD>(Binding().WindowLong(GWL_STYLE)) : 0;
  TBitmap* image = ImageFor(style);
  if (!image || image->Empty() || !Window()) {
    SetVariant(0);
    return;
  }
  if (style & BS_PUSHLIKE) {
    if (Variant() == 1) DrawPushLike(dc, rect, style);
    return;  // without its own paint the system's push button stays
  }
  const int frames = FramesOf(*image, FrameCount());
  const int gw = image->Width() / frames, gh = image->Height();
  Marks().SetEnabled(!(style & WS_DISABLED));
  Marks().SetFocused(HasFocus());
  const LRESULT buttonState = SendMessageW(Window(), BM_GETSTATE, 0, 0);
  lastFrame_ = FrameIndex(style, buttonState);
  const SkinRect local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const ChoiceVertical vertical = ChoiceAlignmentOf(style, false).vertical;
  const ChoiceBoxes boxes = Layout(local, gw, gh, (style & BS_RIGHTBUTTON) != 0, vertical);
  RECT glyph = ToRect(boxes.glyph);
  if (Variant() != 1) {  // the control painted itself: the skin's glyph goes over its box
    OffsetRect(&glyph, rect.left, rect.top);
    DrawSkinFrameCentred(dc, glyph, *image, true, frames, lastFrame_);
    return;
  }
  const fw::ScratchBitmap buffer(local.right, local.bottom);
  HDC canvas = buffer.DC();
  FillBackground(canvas, ToRect(local));
  DrawSkinFrameCentred(canvas, glyph, *image, true, frames, lastFrame_);
  DrawContent(canvas, boxes.text, style, false, CaptionColour());
  BitBlt(dc, rect.left, rect.top, local.right, local.bottom, canvas, 0, 0, SRCCOPY);
}

void TSkinChoice::DrawPushLike(HDC dc, const RECT& rect, DWORD style) {
  TDataSkinButton* buttons = SkinData()->Buttons.get();
  Marks().SetEnabled(!(style & WS_DISABLED));
  Marks().SetFocused(HasFocus());
  const LRESULT buttonState = SendMessageW(Window(), BM_GETSTATE, 0, 0);
  // A checked push-like button stays pushed in, as the system shows it.
  const bool in = (buttonState & (BST_CHECKED | BST_PUSHED | BST_INDETERMINATE)) != 0;
  const TControlMarks& m = Marks();
  lastFrame_ = ButtonFrameIndex(m.Enabled(), in, m.Hot(), m.Focused());
  const SkinRect local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const fw::ScratchBitmap buffer(local.right, local.bottom);
  HDC canvas = buffer.DC();
  FillBackground(canvas, ToRect(local));
  DrawElementFrame(canvas, ToRect(local), *buttons, buttons->FrameCount, lastFrame_);
  const SkinRect box{2, 2, local.right - 2, local.bottom - 2};
  DrawContent(canvas, box, style, true, PushLikeTextColour(lastFrame_));
  BitBlt(dc, rect.left, rect.top, local.right, local.bottom, canvas, 0, 0, SRCCOPY);
}

TColor TSkinChoice::CaptionColour() const {
  if (!Marks().Enabled()) return clBtnShadow;
  return SkinCaptionColor(Control() ? Control()->Font()->Color() : TColor(clBtnText), SkinData());
}

// The push buttons' caption colours: the skin's, per frame.
TColor TSkinChoice::PushLikeTextColour(int frameIndex) const {
  if (!Marks().Enabled()) return clBtnShadow;
  TColor colour = Control() ? Control()->Font()->Color() : SkinData()->Colors[scButtonText];
  const TDataSkinButton* b = SkinData()->Buttons.get();
  if (b->HasNormalColour2) colour = b->NormalColour2;
  if (frameIndex == 4 && b->HasMouseOverColour2) colour = b->MouseOverColour2;
  if (frameIndex == 2 && b->HasPressedColour2) colour = b->PressedColour2;
  return colour;
}

void TSkinChoice::DrawContent(HDC dc, const SkinRect& box, DWORD style, bool pushLike, TColor textColour) {
  ChoiceAlignment alignment = ChoiceAlignmentOf(style, pushLike);
  if (style & (BS_ICON | BS_BITMAP)) {
    DrawImage(dc, box, style, alignment);
    return;
  }
  SetCaption(Control() ? GetTextPropByName(Control(), "Caption") : WindowTextWide(Window()));
  HFONT font = Control() ? Control()->Font()->Handle()
                         : reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard keepFont(dc, font);
  fw::SavedDCState keepState(dc);
  SetTextColor(dc, ResolveSkinColor(textColour));
  SetBkColor(dc, ResolveSkinColor(SkinFaceColor(*this)));
  SetBkMode(dc, TRANSPARENT);
  UINT format = RightToLeftFlags(*this, DT_EXPANDTABS | (alignment.multiline ? DT_WORDBREAK : DT_SINGLELINE));
  const std::wstring caption = CueCaption(*this, Caption(), format);
  // Right-to-left reading puts a left-text caption at the right unless the style says otherwise.
  if ((format & kFormatRtlReading) && (style & BS_RIGHTBUTTON) && !(style & BS_CENTER))
    alignment.horizontal = ChoiceHorizontal::Right;
  if (alignment.horizontal == ChoiceHorizontal::Centre) format |= DT_CENTER;
  if (alignment.horizontal == ChoiceHorizontal::Right) format |= DT_RIGHT;
  RECT measured = ToRect(box);
  const int height = DrawTextWide(dc, caption, measured, format | DT_CALCRECT);
  RECT place = ToRect(AlignInArea(box, box.right - box.left, height, alignment));
  // Systems of version 6 mark the focus themselves elsewhere: no rectangle around the caption.
  const bool versionSix = SystemMajorVersion() == 6;
  if (Marks().Focused() && !Caption().empty() && !versionSix && !FocusCuesHidden(*this))
    DrawCaptionFocus(*this, dc, format, place);
  DrawTextWide(dc, caption, place, format);
}

// The image the program gave the button (BM_SETIMAGE), greyed when the button is disabled.
void TSkinChoice::DrawImage(HDC dc, const SkinRect& box, DWORD style, const ChoiceAlignment& alignment) {
  const bool icon = (style & BS_ICON) != 0;
  HANDLE image =
      reinterpret_cast<HANDLE>(SendMessageW(Window(), BM_GETIMAGE, icon ? IMAGE_ICON : IMAGE_BITMAP, 0));
  if (!image) return;
  SIZE size{};
  if (icon) {
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(image), &info)) return;
    const fw::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    if (!GetObjectW(colour ? colour.get() : mask.get(), sizeof bm, &bm)) return;
    size = {bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2};
  } else {
    BITMAP bm{};
    if (!GetObjectW(image, sizeof bm, &bm)) return;
    size = {bm.bmWidth, bm.bmHeight};
  }
  const SkinRect at = AlignInArea(box, size.cx, size.cy, alignment);
  const UINT flags = (icon ? DST_ICON : DST_BITMAP) | (Marks().Enabled() ? DSS_NORMAL : DSS_DISABLED);
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(image), 0, at.left, at.top, size.cx, size.cy,
             flags);
}

// --- check boxes ----------------------------------------------------------------------------------

void TSkinCheckBox::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                           TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  boundState_ = 0;
  TSkinChoice::Attach(host, skinData, useSkinColor, sharedCanvas);
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
  if (m.Msg == BM_SETCHECK) boundState_ = static_cast<int>(m.WParam) + 1;
  TSkinChoice::AfterMessage(m);
}

TBitmap* TSkinCheckBox::Image() const {
  return SkinData() && SkinData()->Buttons ? &SkinData()->Buttons->CheckImage : nullptr;
}

int TSkinCheckBox::FrameCount() const {
  return SkinData() && SkinData()->Buttons ? SkinData()->Buttons->CheckFrameCount : 0;
}

int TSkinCheckBox::FrameIndex(DWORD style, LRESULT buttonState) {
  ChoiceState s;
  s.base = (buttonState & BST_CHECKED) ? kCheckChecked : kCheckUnchecked;
  if (Control()) {
    const TClassInfo& info = Control()->ClassInfo();
    if (info.FindProperty("State")) {
      if (int named = CheckStateFromName(fw::AsciiLowerCase(GetEnumPropByName(Control(), "State"))))
        s.base = named;
    } else if (info.FindProperty("Checked")) {
      s.base = IsTrue(Control(), "Checked") ? kCheckChecked : kCheckUnchecked;
    }
    if (info.FindProperty("DataField") && boundState_ != 0)
      s.base = boundState_ == 3 ? kCheckGrayed : boundState_;
    if (info.FindProperty("DataBinding")) s.base = kCheckUnchecked;
  }
  s.disabled = (style & WS_DISABLED) != 0;
  s.indeterminate = (buttonState & BST_INDETERMINATE) != 0;
  s.hot = Marks().Hot();
  s.pressed = (buttonState & BST_PUSHED) != 0;
  return CheckFrameIndex(s, FramesOf(*Image(), FrameCount()));
}

ChoiceBoxes TSkinCheckBox::Layout(const SkinRect& rect, int gw, int gh, bool rightButton,
                                  ChoiceVertical vertical) const {
  return CheckBoxLayout(rect, gw, gh, rightButton, vertical);
}

// --- radio buttons --------------------------------------------------------------------------------

TBitmap* TSkinRadioButton::Image() const {
  return SkinData() && SkinData()->Buttons ? &SkinData()->Buttons->RadioImage : nullptr;
}

int TSkinRadioButton::FrameCount() const {
  return SkinData() && SkinData()->Buttons ? SkinData()->Buttons->RadioFrameCount : 0;
}

int TSkinRadioButton::FrameIndex(DWORD style, LRESULT buttonState) {
  bool checked = (buttonState & BST_CHECKED) != 0;
  if (Control() && Control()->ClassInfo().FindProperty("Checked")) checked = IsTrue(Control(), "Checked");
  return RadioFrameIndex(checked, (style & WS_DISABLED) != 0, Marks().Hot(), (buttonState & BST_PUSHED) != 0,
                         FramesOf(*Image(), FrameCount()));
}

ChoiceBoxes TSkinRadioButton::Layout(const SkinRect& rect, int gw, int gh, bool rightButton,
                                     ChoiceVertical vertical) const {
  return RadioLayout(rect, gw, gh, rightButton, vertical);
}

}  // namespace quarnel
