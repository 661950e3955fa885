// `TPen`: a line description (colour, width, style) that makes its GDI pen on demand and tells
// the canvas using it before the pen is remade. User-interface thread.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
const TEnumInfo& PenStyleEnum();

class TPen : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TPen() = default;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);

  HPEN Handle();  // made on first use, remade after a change
  void Assign(const TPersistent& source) override;
  std::function<void()> OnChanging;  // before the current handle is deleted
  std::function<void()> OnChange;

 private:
  void Change();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  fw::UniquePen handle_;
};
