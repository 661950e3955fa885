// Fills with a colour, the skin's face colour or the parent control's colour. UI thread.
#include "skin/controls/control_fills.h"

#include "framework/core/properties.h"
#include "framework/win/handles.h"
#include "skin/controls/skin_control.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void FillColor(HDC dc, const RECT& rect, TColor color) {
  fw::UniqueBrush brush(CreateSolidBrush(ResolveSkinColor(color)));
  FillRect(dc, &rect, brush.get());
}

TColor SkinFaceColor(const TSkinControl& skin) {
  return skin.SkinData() ? skin.SkinData()->FaceColor() : clBtnFace;
}

void FillSkinColor(const TSkinControl& skin, HDC dc, const RECT& rect) {
  FillColor(dc, rect, SkinFaceColor(skin));
}

void FillParentColor(const TSkinControl& skin, HDC dc, const RECT& rect) {
  TControl* control = skin.Binding().OwnerControl();
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent && skin.Window()) parent = TWinControl::FindControl(GetParent(skin.Window()));
  const TPropInfo* info = parent ? GetPropInfo(*parent, "Color") : nullptr;
  if (info && info->kind == TTypeKind::Integer)
    FillColor(dc, rect, static_cast<TColor>(GetOrdProp(*parent, *info)));
  else
    FillSkinColor(skin, dc, rect);
}

}  // namespace quarnel
