// Check boxes and radio buttons over the system BUTTON class: `TCustomCheckBox` and `TCheckBox`
// with three states, `TRadioButton` that unchecks its siblings. The controls keep their state
// themselves and change it on the reflected click. User-interface thread.
#pragma once
#include "framework/controls/alignment.h"
#include "framework/ui/button.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
const TEnumInfo& CheckBoxStateEnum();

class TCustomCheckBox : public TButtonControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomCheckBox(TComponent* owner);
  int State() const { return state_; }
  void SetState(int v);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  // Caption to the right of the box (taRightJustify) or to its left.
  int Alignment() const { return alignment_; }
  void SetAlignment(int v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;
  // The next state a click gives: unchecked, checked, then grayed when allowed.
  virtual void Toggle();

 private:
  bool CnCommand(WORD code);
  int state_ = cbUnchecked;
  bool allowGrayed_ = false;
  int alignment_ = lrRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  FW_DECLARE_CLASS()
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
  FW_DECLARE_CLASS()
 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const { return checked_; }
  // Checking a radio button unchecks the other radio buttons of its parent.
  void SetChecked(bool v);
  int Alignment() const { return alignment_; }
  void SetAlignment(int v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnCommand(WORD code);
  bool checked_ = false;
  int alignment_ = lrRightJustify;
};
