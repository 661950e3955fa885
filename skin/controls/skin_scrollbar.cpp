// TSkinScrollbar: attaching to a scrolled framework control, its border, its fixed-area colour
// and the messages that move, hide, enable and highlight its two overlays. UI thread.
#include "skin/controls/skin_scrollbar.h"

#include <string>

#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_skin_host.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

namespace {

bool HasIntegerProperty(TObject* object, std::string_view name) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  return p && p->kind == TTypeKind::Integer;
}

void FrameWith(HDC dc, const RECT& rect, TColor color) {
  fw::UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FrameRect(dc, &rect, brush.get());
}

}  // namespace

TSkinScrollbar::TSkinScrollbar(TComponent* owner, int32_t variant, bool singleBar)
    : TSkinControl(owner, variant), singleBar_(singleBar) {}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachScrolled(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                                    TCanvas* canvas) {
  auto* windowed = ObjectAs<TWinControl>(control);
  if (scrolledAttached_ || !windowed) return;
  BindWindowedControl(windowed, skinData, host, canvas);

  drawBorder_ = fw::AsciiLowerCase(GetEnumPropByName(control, "BorderStyle")) != "bsnone";
  if (control->ClassName() == "TImageScrollBox" || Variant() == 1) drawBorder_ = false;

  if (HasIntegerProperty(control, "FixedColor") && skinData) {
    ColorLoan().Take(static_cast<TColor>(GetOrdPropByName(control, "FixedColor")));
    SetPropByName(control, "FixedColor", std::to_string(skinData->FaceColor()));
  }
  // A scrolling container shows its inside on the skin's face, like a panel.
  if (control->InheritsFrom("TScrollingWinControl") && skinData) {
    ColorLoan().TakeParentBackground(Control(), SkinData());
    savedContainerColor_ = control->Color();
    containerColorTaken_ = true;
    control->SetColor(skinData->FaceColor());
  }

  const LONG_PTR style = GetWindowLongPtrW(windowed->Handle(), GWL_STYLE);
  const bool horizontalOnly = (style & WS_HSCROLL) && !(style & WS_VSCROLL);
  if (!singleBar_ || horizontalOnly) {
    horz_ = std::make_unique<TWScrollbar>(this);
    horz_->Bind(windowed, skHorizontal);
  }
  if (!singleBar_ || !horizontalOnly) {
    vert_ = std::make_unique<TWScrollbar>(this);
    vert_->Bind(windowed, skVertical);
  }
  EnableBars(control->Enabled());
  if (!control->Visible()) HideBars();

  Hook().HookControl(*control);
  scrolledAttached_ = true;
  MarkAttached();
}

void TSkinScrollbar::Detach() {
  if (UsesSkinColor() && Control() && Attachment().State() != scsWindowGone)
    SetPropByName(Control(), "FixedColor", std::to_string(ColorLoan().Saved()));
  ColorLoan().Drop();
  if (containerColorTaken_ && Control() && Attachment().State() != scsWindowGone) {
    ColorLoan().GiveParentBackground(Control(), SkinData());
    Control()->SetColor(savedContainerColor_);
  }
  containerColorTaken_ = false;
  TSkinControl::Detach();
  if (Attachment().State() != scsWindowGone) {
    horz_.reset();
    vert_.reset();
  }
}

void TSkinScrollbar::UpdateSkin() {
  if (HasIntegerProperty(Control(), "FixedColor") && SkinData())
    SetPropByName(Control(), "FixedColor", std::to_string(SkinData()->FaceColor()));
  if (containerColorTaken_ && Control() && SkinData()) Control()->SetColor(SkinData()->FaceColor());
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      return drawBorder_ && OnNcPaint(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// The control paints its frame and system bars first; the border goes over the frame.
bool TSkinScrollbar::OnNcPaint(TMessage& m) {
  CallSaved(m);
  fw::WindowDC dc(Window(), fw::WindowDC::kWindow);
  if (dc.get()) DrawBorder(dc.get());
  return true;
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      RepositionBars();
      break;
    case WM_WINDOWPOSCHANGED:
      RepositionBars();
      break;
    case WM_HSCROLL:
      if (horz_) horz_->SetActivePart(LOWORD(m.WParam));
      break;
    case WM_VSCROLL:
      if (vert_) vert_->SetActivePart(LOWORD(m.WParam));
      break;
    case WM_MOUSEWHEEL:
      RepaintBars();
      break;
    case CM_VISIBLECHANGED:
      m.WParam ? RepositionBars() : HideBars();
      break;
    case CM_ENABLEDCHANGED:
      EnableBars(Control() && Control()->Enabled());
      break;
    case CM_RECREATEWND:
      if (Control() && Binding().Host())
        PostMessageW(Binding().Host()->HostWindow(), SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(Window()), 0);
      break;
    case SKM_PAINTNC:
      PaintNonClient(m);
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinScrollbar::Draw(HDC dc, const RECT&) {
  const LONG_PTR style = Binding().WindowLong(GWL_STYLE);
  if (vert_) {
    if (vert_->Shown())
      vert_->Invalidate();
    else if (style & WS_VSCROLL)
      vert_->Reposition();
  }
  if (horz_) {
    if (horz_->Shown())
      horz_->Invalidate();
    else if (style & WS_HSCROLL)
      horz_->Reposition();
  }
  // The corner lies in the window's frame: the bar rectangles are client coordinates, 2 pixels
  // of border away from the window DC's origin.
  if (dc && vert_ && horz_ && vert_->Shown() && horz_->Shown())
    FillScrollCorner(*this, dc, *vert_, *horz_, 2, 2);
}

void TSkinScrollbar::DrawBorder(HDC dc) {
  if (SkinData()) DrawSkinBorder(dc, Window(), *SkinData());
}

void DrawSkinBorder(HDC dc, HWND window, const TSkinData& data) {
  RECT r{};
  if (!window || !GetWindowRect(window, &r)) return;
  try {
    OffsetRect(&r, -r.left, -r.top);
    FrameWith(dc, r, data.Colors[scButtonShadow]);
    InflateRect(&r, -1, -1);
    FrameWith(dc, r, data.FaceColor());
  } catch (...) {
    // A border that cannot be drawn is left as the control drew it.
  }
}

void TSkinScrollbar::PaintNonClient(TMessage& m) {
  if (m.LParam != SkinMessageTag) return TSkinControl::AfterMessage(m);
  if (m.WParam) DrawBorder(reinterpret_cast<HDC>(m.WParam));
  m.Result = SkinMessageTag;
}

void TSkinScrollbar::RepaintBars() {
  if (horz_ && horz_->Shown()) horz_->Invalidate();
  if (vert_ && vert_->Shown()) vert_->Invalidate();
}

void TSkinScrollbar::RepositionBars() {
  if (horz_) horz_->Reposition();
  if (vert_) vert_->Reposition();
}

void TSkinScrollbar::HideBars() {
  if (horz_) horz_->Hide();
  if (vert_) vert_->Hide();
}

void TSkinScrollbar::EnableBars(bool enabled) {
  if (horz_) horz_->Enable(enabled);
  if (vert_) vert_->Enable(enabled);
}

void FillScrollCorner(TSkinControl& skin, HDC dc, const TWScrollbar& vertical, const TWScrollbar& horizontal,
                      int shiftLeftTop, int shiftRightBottom) {
  const RECT& v = vertical.BarRect();
  const RECT& h = horizontal.BarRect();
  const SkinRect c = ScrollCorner({v.left, v.top, v.right, v.bottom}, {h.left, h.top, h.right, h.bottom},
                                  shiftLeftTop, shiftRightBottom);
  FillSkinColor(skin, dc, RECT{c.left, c.top, c.right, c.bottom});
}

}  // namespace quarnel
