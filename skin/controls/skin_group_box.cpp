// TSkinGroupBox: the rounded frame and the caption that interrupts it. A framework group box is
// painted whole (face colour, frame, caption, its windowless children); over a dialog's group box
// the caption band and the frame are painted after the system has drawn it. UI thread.
#include "skin/controls/skin_group_box.h"

#include "framework/ui/graphic_control.h"
#include "framework/win/handles.h"
#include "skin/controls/choice_layout.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_text.h"
#include "skin/controls/paint_handlers.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinGroupBox::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                           TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  SetVariant(Control() ? 1 : 0);
}

bool TSkinGroupBox::BeforeMessage(TMessage& m) {
  const bool handled = TSkinControl::BeforeMessage(m);
  if (handled || !Control()) return handled;
  switch (m.Msg) {  // a framework group box is painted whole
    case WM_PAINT:
      return PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return EraseNothing(m);
    default:
      return false;
  }
}

void TSkinGroupBox::Draw(HDC dc, const RECT& rect) {
  if (!Window()) return;
  SetCaption(WindowTextWide(Window()));
  if (Caption().empty() && Control()) SetCaption(GetTextPropByName(Control(), "Caption"));
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  fw::SavedDCState keepState(dc);
  // Relative to the origin already set: a transparent child asks for the part under it through
  // a DC whose origin is shifted by the child's place.
  OffsetViewportOrgEx(dc, rect.left, rect.top, nullptr);
  if (Control()) FillSkinColor(*this, dc, RECT{0, 0, width, height});

  HFONT font = Control() ? Control()->Font()->Handle()
                         : reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
  if (!font)
    font = static_cast<HFONT>(
        GetStockObject(Control() ? DEFAULT_GUI_FONT : SYSTEM_FONT));  // as the system draws
  SelectObject(dc, font);
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const int top = GroupFrameTop(zero.cy);
  TSkinData* data = SkinData();
  if (!Control() && data && data->FaceBrush) {
    // Over the system's frame and caption: two face-coloured rings and the caption band.
    RECT outer{0, top, width, height}, inner{1, top + 1, width - 1, height - 1};
    FrameRect(dc, &outer, data->FaceBrush.get());
    FrameRect(dc, &inner, data->FaceBrush.get());
    RECT band{0, 0, width, std::min<int>(height, zero.cy)};
    FillRect(dc, &band, data->FaceBrush.get());
  }
  const TColor shadow = data ? data->Colors[scButtonShadow] : TColor(clBtnShadow);
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, ResolveSkinColor(shadow)));
  SelectObject(dc, pen.get());
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 1, top, width - 1, height - 1, 5, 5);

  SetTextColor(dc, ResolveSkinColor(
                       SkinCaptionColor(Control() ? Control()->Font()->Color() : TColor(clBtnText), data)));
  SetBkColor(dc, ResolveSkinColor(SkinFaceColor(*this)));
  SetBkMode(dc, OPAQUE);
  const bool right = (Binding().WindowLong(GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
  RECT text =
      right ? RECT{0, 0, width - kGroupCaptionIndent, height} : RECT{kGroupCaptionIndent, 0, width, height};
  if (!Caption().empty())
    DrawTextWide(dc, Caption(), text, RightToLeftFlags(*this, DT_EXPANDTABS | (right ? DT_RIGHT : 0)));
  SelectObject(dc, GetStockObject(BLACK_PEN));  // the pen is freed before the state comes back
  if (auto* w = ObjectAs<TWinControl>(Control())) PaintGraphicChildren(*w, dc);
}

}  // namespace quarnel
