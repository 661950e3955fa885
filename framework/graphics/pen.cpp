// Pen handles and change notification. User-interface thread.
#include "framework/graphics/pen.h"

const TEnumInfo& PenStyleEnum() {
  static const TEnumInfo e{
      "TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
  return e;
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPen>("TPen", &TPersistent::StaticClass())
          .IntNamed("Color", &TPen::Color, &TPen::SetColor, IdentToColor, ColorToIdent)
          .Enum("Style", PenStyleEnum(), &TPen::Style, &TPen::SetStyle)
          .Int("Width", &TPen::Width, &TPen::SetWidth)
          .Build();
  return info;
}

void TPen::Change() {
  if (OnChanging) OnChanging();
  handle_.reset();
  if (OnChange) OnChange();
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Change();
}

void TPen::SetWidth(int width) {
  if (width < 0 || width == width_) return;
  width_ = width;
  Change();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Change();
}

HPEN TPen::Handle() {
  if (!handle_) {
    static constexpr int kStyle[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                     PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    handle_.reset(CreatePen(kStyle[style_], width_, ColorToRGB(color_)));
  }
  return handle_.get();
}

void TPen::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TPen*>(&source);
  if (!other) return;
  color_ = other->color_;
  width_ = other->width_;
  style_ = other->style_;
  Change();
}
