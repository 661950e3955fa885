// The helpers the three dispatch tables share: requests and objects for the context's control,
// and the control tests more than one table makes. UI thread.
#include "skin/controls/control_dispatch.h"

#include "framework/ui/control.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_walker.h"

namespace quarnel {

SkinRequest RequestFor(const DispatchContext& c, TControl& control, bool useSkinColor, int variant) {
  SkinRequest r;
  r.owner = &control;
  r.host = &c.walker.Host();
  r.skinData = &c.skinData;
  r.canvas = &c.walker.Host().HostCanvas();
  r.control = &control;
  r.useSkinColor = useSkinColor;
  r.variant = variant;
  return r;
}

void MakeFor(const DispatchContext& c, SkinClass cls, bool useSkinColor, int variant) {
  MakeControlSkin(cls, RequestFor(c, c.control, useSkinColor, variant));
}

TWinControl* WindowedOf(const DispatchContext& c) {
  return ObjectAs<TWinControl>(&c.control);
}

bool IsScrollBarControl(const TControl& control) {
  return control.InheritsFrom("TScrollBar");
}

bool HasScrollBarsOrScrolledKind(const TControl& control) {
  const auto* w = dynamic_cast<const TWinControl*>(&control);
  if (w && w->HandleAllocated() && (GetWindowLongPtrW(w->RawHandle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)))
    return true;
  return control.InheritsFrom("TMemo") || control.InheritsFrom("TCustomListBox") ||
         control.InheritsFrom("TCustomTreeView") || control.InheritsFrom("TCustomGrid") ||
         control.InheritsFrom("TCustomRichEdit");
}

}  // namespace quarnel
