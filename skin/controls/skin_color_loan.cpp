// TSkinColorLoan: ParentBackground taken and given back, and the saved colour put back.
// UI thread.
#include "skin/controls/skin_color_loan.h"

#include <cctype>
#include <string>

#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinColorLoan::TakeParentBackground(TWinControl* control, const TSkinData* skinData) {
  if (!control || (skinData && HasOption(*skinData, xoParentBackGround))) return;
  if (!control->ClassInfo().FindProperty("ParentBackground")) return;
  std::string value = GetEnumPropByName(control, "ParentBackground");
  for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (value == "true") {
    parentBackgroundTaken_ = true;
    SetPropByName(control, "ParentBackground", "False");
  }
}

void TSkinColorLoan::GiveParentBackground(TWinControl* control, const TSkinData* skinData) const {
  if (!control || !parentBackgroundTaken_) return;
  if (skinData && HasOption(*skinData, xoParentBackGround)) return;
  SetPropByName(control, "ParentBackground", "True");
}

void TSkinColorLoan::GiveBack(TWinControl& control, const TSkinData* skinData) const {
  GiveParentBackground(&control, skinData);
  control.SetColor(saved_);
}

}  // namespace quarnel
