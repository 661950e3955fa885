// TSkinColorLoan: a control that takes the skin's colours lends its own: the colour it had
// (put back at detach) and its ParentBackground, switched off while the skin paints it unless
// the skin asks to keep it. UI thread.
#pragma once
#include "framework/graphics/color.h"

class TWinControl;

namespace quarnel {

class TSkinData;

class TSkinColorLoan {
 public:
  // The control took the skin's colours.
  bool Taken() const { return taken_; }
  // The colour the control had before the skin gave it one.
  TColor Saved() const { return saved_; }
  bool ParentBackgroundTaken() const { return parentBackgroundTaken_; }
  void Take(TColor saved) {
    taken_ = true;
    saved_ = saved;
  }
  void Drop() { taken_ = false; }
  // ParentBackground from True to False, unless the skin's options keep it.
  void TakeParentBackground(TWinControl* control, const TSkinData* skinData);
  void GiveParentBackground(TWinControl* control, const TSkinData* skinData) const;
  // ParentBackground, then the saved colour, back to the control.
  void GiveBack(TWinControl& control, const TSkinData* skinData) const;

 private:
  bool taken_ = false;
  TColor saved_ = 0;
  bool parentBackgroundTaken_ = false;
};

}  // namespace quarnel
