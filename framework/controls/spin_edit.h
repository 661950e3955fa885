// Spin controls: `TSpinButton` (a pair of up and down buttons over the system's up-down control,
// reporting presses rather than keeping a position) and `TSpinEdit` (an edit for whole numbers
// with a spin button inside its right edge). User-interface thread.
#pragma once
#include "framework/ui/memo.h"

class TSpinButton : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TSpinButton(TComponent* owner);
  // The control the buttons give the focus to when pressed (the spin edit of a spin button).
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }
  TNotifyEvent OnUpClick, OnDownClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnNotify(const NMHDR& header, LRESULT& result);
  bool CnScroll(LRESULT& result);
  TWinControl* focusControl_ = nullptr;
};

class TSpinEdit : public TCustomEdit {
  FW_DECLARE_CLASS()
 public:
  explicit TSpinEdit(TComponent* owner);
  int Value() const;
  void SetValue(int v);
  int MinValue() const { return minValue_; }
  void SetMinValue(int v);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool v);
  TSpinButton* Button() const { return button_; }
  // Value plus or minus one increment, kept in range.
  void StepUp() { SetValue(Value() + increment_); }
  void StepDown() { SetValue(Value() - increment_); }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;
  void BoundsChanged() override;

 private:
  bool CnCommand(WORD code, LRESULT& result);
  bool WmKeyDown(UINT key, LRESULT& result);
  bool WmKillFocus();
  int Clamp(int v) const;
  void PlaceButton();
  TSpinButton* button_;  // owned as a component of the edit
  int minValue_ = 0, maxValue_ = 0, increment_ = 1;
  bool editorEnabled_ = true;
};
