// Tool-bar drawing handlers: the Toolbar image stretched under the bar and a Buttons frame under
// each button, with the caption colour the frame asks for. UI thread.
#include "skin/controls/skin_toolbar_draw.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

constexpr const char* kBackgroundEvent = "OnCustomDraw";
constexpr const char* kButtonEvent = "OnCustomDrawButton";
constexpr int kButtonFrames = 5;

TTypedEvent<TObject*, TCanvas&, const RECT&, bool&>* BackgroundEvent(TControl& bar) {
  return GetTypedEventProp<TObject*, TCanvas&, const RECT&, bool&>(bar, kBackgroundEvent);
}
TTypedEvent<TObject*, TControl*, TCanvas&, unsigned, unsigned&, bool&>* ButtonEvent(TControl& bar) {
  return GetTypedEventProp<TObject*, TControl*, TCanvas&, unsigned, unsigned&, bool&>(bar, kButtonEvent);
}

}  // namespace

int ToolButtonFrame(unsigned state) {
  if (state & CDIS_SELECTED) return 2;
  if (state & (CDIS_FOCUS | CDIS_HOT)) return 4;
  if (state & (CDIS_GRAYED | CDIS_DISABLED)) return 0;
  // The system reports a plain button without any bit (the default-state bit is seldom set).
  const unsigned plain = state & ~static_cast<unsigned>(CDIS_DEFAULT);
  return plain == 0 ? 1 : 0;
}

bool TToolBarSkinDraw::Install(TControl& bar) {
  Remove();
  bool set = false;
  if (auto* event = BackgroundEvent(bar); event && !*event) {
    event->code = [this](TObject*, TCanvas& canvas, const RECT& rect, bool&) {
      DrawBackground(canvas, rect);
    };
    event->data = &owner_;
    set = true;
  }
  if (auto* event = ButtonEvent(bar); event && !*event) {
    event->code = [this](TObject*, TControl* button, TCanvas& canvas, unsigned state, unsigned& flags,
                         bool&) {
      if (DrawButton(button, canvas, state)) flags |= TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND;
    };
    event->data = &owner_;
    set = true;
  }
  bar_ = set ? &bar : nullptr;
  if (set) bar.Invalidate();
  return set;
}

void TToolBarSkinDraw::Remove() {
  if (!bar_) return;
  if (auto* event = BackgroundEvent(*bar_); event && event->data == &owner_) event->Clear();
  if (auto* event = ButtonEvent(*bar_); event && event->data == &owner_) event->Clear();
  bar_ = nullptr;
}

void TToolBarSkinDraw::DrawBackground(TCanvas& canvas, const RECT& rect) {
  TSkinData* data = owner_.SkinData();
  if (!data || !data->Toolbar || data->Toolbar->Image.Empty() || HasOption(*data, xoToolbarBK)) return;
  HDC dc = canvas.Handle();
  const int previous = SetStretchBltMode(dc, COLORONCOLOR);
  canvas.StretchDraw(rect, data->Toolbar->Image);
  SetStretchBltMode(dc, previous);
}

bool TToolBarSkinDraw::DrawButton(TControl* button, TCanvas& canvas, unsigned state) {
  TSkinData* data = owner_.SkinData();
  if (!button || !data || owner_.Attachment().State() != scsAttached || !owner_.Attachment().Active() ||
      HasOption(*data, xoToolbarButton))
    return false;
  TDataSkinButton* element = data->Buttons.get();
  if (!element || element->Image.Empty()) return false;
  const int frame = ToolButtonFrame(state);
  // A caption the skin gives no colour for still stands out on the skin's face.
  TColor text = SkinCaptionColor(canvas.Font().Color(), data);
  if (frame == 1 && element->HasNormalColour2) text = element->NormalColour2;
  if (frame == 4 && element->HasMouseOverColour2) text = element->MouseOverColour2;
  if (frame == 2 && element->HasPressedColour2) text = element->PressedColour2;
  canvas.Font().SetColor(text);
  if (frame == 0) return false;
  RECT r = button->BoundsRect();
  InflateRect(&r, -1, -1);
  const SkinMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth,
                            element->BottomHeight};
  DrawSkinElement(canvas.Handle(), r, element->Image, false, false, element->Trans != 0, kButtonFrames, frame,
                  margins);
  return true;
}

}  // namespace quarnel
