// `TBrush`: a fill description (colour and style) that makes its GDI brush on demand and tells
// the canvas using it before the brush is remade. User-interface thread.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
const TEnumInfo& BrushStyleEnum();

class TBrush : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TBrush() = default;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);

  HBRUSH Handle();  // made on first use, remade after a change
  void Assign(const TPersistent& source) override;
  // Called before the current handle is deleted, so a DC can let go of it first.
  std::function<void()> OnChanging;
  std::function<void()> OnChange;

 private:
  void Change();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  fw::UniqueBrush handle_;
};
