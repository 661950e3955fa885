// `TSpeedButton`: a windowless push button with a glyph, an optional flat look and a down
// state (grouped buttons stay down). Also the glyph layout names shared with `TBitBtn`.
// User-interface thread.
#pragma once
#include "framework/graphics/bitmap.h"
#include "framework/ui/graphic_control.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const TEnumInfo& ButtonLayoutEnum();

// Draws a glyph frame and a caption into `rect` of `dc` (glyph left of, right of, above or
// below the caption) the plain way the framework's glyph buttons look without a skin.
void DrawGlyphButtonFace(HDC dc, const RECT& rect, TBitmap& glyph, int numGlyphs, int frame,
                         const std::wstring& text, int layout, bool enabled);

class TSpeedButton : public TGraphicControl {
  FW_DECLARE_CLASS()
 public:
  explicit TSpeedButton(TComponent* owner);
  TBitmap* Glyph() { return &glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v) { numGlyphs_ = v < 1 ? 1 : v, Invalidate(); }
  int Layout() const { return layout_; }
  void SetLayout(int v) { layout_ = v, Invalidate(); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { margin_ = v, Invalidate(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v, Invalidate(); }
  bool Down() const { return down_; }
  void SetDown(bool v) { down_ = v, Invalidate(); }
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { flat_ = v, Invalidate(); }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v; }
  void Click() override;

 protected:
  void Paint() override;

 private:
  TBitmap glyph_;
  int numGlyphs_ = 1;
  int layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool down_ = false;
  bool flat_ = false;
  int groupIndex_ = 0;
};
