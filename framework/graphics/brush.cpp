// Brush handles and change notification. User-interface thread.
#include "framework/graphics/brush.h"

const TEnumInfo& BrushStyleEnum() {
  static const TEnumInfo e{"TBrushStyle",
                           {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                            "bsCross", "bsDiagCross"}};
  return e;
}

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBrush>("TBrush", &TPersistent::StaticClass())
          .IntNamed("Color", &TBrush::Color, &TBrush::SetColor, IdentToColor, ColorToIdent)
          .Enum("Style", BrushStyleEnum(), &TBrush::Style, &TBrush::SetStyle)
          .Build();
  return info;
}

void TBrush::Change() {
  if (OnChanging) OnChanging();
  handle_.reset();
  if (OnChange) OnChange();
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;  // giving a clear brush a colour makes it paint
  Change();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Change();
}

HBRUSH TBrush::Handle() {
  if (!handle_) {
    LOGBRUSH lb{};
    lb.lbColor = ColorToRGB(color_);
    if (style_ == bsClear) {
      lb.lbStyle = BS_HOLLOW;
    } else if (style_ == bsSolid) {
      lb.lbStyle = BS_SOLID;
    } else {
      static constexpr int kHatch[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                       HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
      lb.lbStyle = BS_HATCHED;
      lb.lbHatch = static_cast<ULONG_PTR>(kHatch[style_ - bsHorizontal]);
    }
    handle_.reset(CreateBrushIndirect(&lb));
  }
  return handle_.get();
}

void TBrush::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TBrush*>(&source);
  if (!other) return;
  color_ = other->color_;
  style_ = other->style_;
  Change();
}
