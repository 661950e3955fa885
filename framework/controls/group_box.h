// Group boxes: `TCustomGroupBox` (the system BUTTON class in its group-box style, under the
// framework's class name) holding child controls inside its frame, and `TGroupBox`.
// User-interface thread.
#pragma once
#include "framework/ui/control.h"

class TCustomGroupBox : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomGroupBox(TComponent* owner);
  // Shows the parent's background instead of the box's own colour.
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // The caption's line height in the box's font: where the frame starts and children may go.
  int CaptionHeight();

 private:
  bool WmEraseBackground(HDC dc, LRESULT& result);
  // The system's answer, with its transparent parts made the box's own.
  bool WmNcHitTest(TMessage& m);
  bool parentBackground_ = false;
};

class TGroupBox : public TCustomGroupBox {
  FW_DECLARE_CLASS()
 public:
  using TCustomGroupBox::TCustomGroupBox;
};
