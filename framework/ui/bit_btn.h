// `TBitBtn`: a push button with a glyph (several frames side by side), a glyph layout, margin
// and spacing, and a kind that gives standard buttons their caption and modal result; drawn
// by the button itself (owner-draw). User-interface thread.
#pragma once
#include "framework/graphics/bitmap.h"
#include "framework/ui/button.h"
#include "framework/ui/speed_button.h"

enum TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
const TEnumInfo& BitBtnKindEnum();

class TBitBtn : public TButton {
  FW_DECLARE_CLASS()
 public:
  explicit TBitBtn(TComponent* owner);
  TBitmap* Glyph() { return &glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v) { numGlyphs_ = v < 1 ? 1 : v, Invalidate(); }
  int Layout() const { return layout_; }
  void SetLayout(int v) { layout_ = v, Invalidate(); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { margin_ = v, Invalidate(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v, Invalidate(); }
  int Kind() const { return kind_; }
  void SetKind(int kind);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool CnDrawItem(const DRAWITEMSTRUCT& item, LRESULT& result);
  void DrawItem(const DRAWITEMSTRUCT& item);
  TBitmap glyph_;
  int numGlyphs_ = 1;
  int layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  int kind_ = bkCustom;
};
