// Panels: `TCustomPanel` (a window of its own class that paints its colour, its inner and outer
// bevels, a border and its caption) and `TPanel`. User-interface thread.
#pragma once
#include "framework/controls/alignment.h"
#include "framework/ui/control.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
const TEnumInfo& PanelBevelEnum();

class TCustomPanel : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomPanel(TComponent* owner);
  int Alignment() const { return alignment_; }
  void SetAlignment(int v) { Change(alignment_, v); }
  int BevelInner() const { return bevelInner_; }
  void SetBevelInner(int v) { Change(bevelInner_, v); }
  int BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(int v) { Change(bevelOuter_, v); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { Change(bevelWidth_, v < 1 ? 1 : v); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v) { Change(borderWidth_, v < 0 ? 0 : v); }
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v);
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v) { Change(parentBackground_, v); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void TextChanged() override;
  // Draws bevels and caption over a background already erased.
  virtual void Paint(HDC dc);

 private:
  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  bool WmEraseBackground(HDC dc, LRESULT& result);
  bool WmPaint(HDC given, LRESULT& result);
  bool WmPrintClient(HDC dc);

  int alignment_ = taCenter;
  int bevelInner_ = bvNone;
  int bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  int borderStyle_ = 0;  // bsNone
  bool parentBackground_ = false;
};

class TPanel : public TCustomPanel {
  FW_DECLARE_CLASS()
 public:
  using TCustomPanel::TCustomPanel;
};
