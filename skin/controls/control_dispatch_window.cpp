// The walk over a window's child windows that have no framework control (dialog controls and
// foreign classes): the class table deciding each window's control skin. UI thread.
#include <algorithm>

#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

bool IsCheckStyle(DWORD style) {
  return (style & 3) == 3 || (style & 4) || (style & 5) == 5;
}
bool IsRadioStyle(DWORD style) {
  return (style & 9) == 9 || (style & 0x10);
}

}  // namespace

WindowDecision DecideWindow(std::string_view lowerClass, DWORD style, const TSkinData& data) {
  auto skin = [](SkinClass cls) { return WindowDecision{WindowAction::Skin, cls}; };
  if (lowerClass == "button") {
    if ((style & 0xF) == BS_OWNERDRAW) return {};
    if ((style & 7) == 7 || (style & BS_BITMAP)) return {};
    if (IsCheckStyle(style)) return Has(data, xcCheckBox) ? skin(SkinClass::CheckBox) : WindowDecision{};
    if (IsRadioStyle(style))
      return Has(data, xcRadioButton) ? skin(SkinClass::RadioButton) : WindowDecision{};
    return Has(data, xcButton) ? skin(SkinClass::Button) : WindowDecision{};
  }
  if (lowerClass == "combobox") {
    if (Has(data, xcCombo) && (style & 3) != CBS_SIMPLE) return skin(SkinClass::ComBox);
    return {};
  }
  if (lowerClass == "comboboxex32")
    return Has(data, xcCombo) ? WindowDecision{WindowAction::SkinInnerCombo, SkinClass::ComBox}
                              : WindowDecision{};
  if (lowerClass == "scrollbar") return (style & WS_TABSTOP) ? WindowDecision{} : skin(SkinClass::Sizer);
  if (lowerClass == "systreeview32") return {};
  if (lowerClass == "#32770")
    return (style & WS_TABSTOP) ? WindowDecision{}
                                : WindowDecision{WindowAction::WalkThenBoxH, SkinClass::BoxH};
  if (lowerClass == "tpanel" || lowerClass == "ttntpanel.unicodeclass" ||
      lowerClass == "ttntsilentpaintpanel.unicodeclass")
    return {WindowAction::WalkPanel, SkinClass::Count};
  if (lowerClass == "tcheckbox") return Has(data, xcCheckBox) ? skin(SkinClass::CheckBox) : WindowDecision{};
  if (lowerClass == "tcombobox") return Has(data, xcCombo) ? skin(SkinClass::ComBox) : WindowDecision{};
  if (lowerClass == "tbutton") return Has(data, xcButton) ? skin(SkinClass::Button) : WindowDecision{};
  if (lowerClass == "tprogressbar") return skin(SkinClass::Progress);
  if (lowerClass == "tsilentpaintpanel") return {WindowAction::FaceColourOnly, SkinClass::Count};
  if (lowerClass == "systabcontrol32")
    return Has(data, xcTab) && !(style & 0x2000) ? skin(SkinClass::Tab) : WindowDecision{};
  if (lowerClass == "toolbarwindow32") return skin(SkinClass::BoxH);
  if (lowerClass == "edit") return Has(data, xcEdit) ? skin(SkinClass::Edit) : WindowDecision{};
  return {};
}

void TWinSkinForm::WalkChildWindows(HWND window) {
  if (!window) return;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) DispatchWindow(child);
}

void TWinSkinForm::DispatchWindow(HWND window) {
  if (!window || !SkinData || FindControlSkin(window)) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const WindowDecision decision =
      DecideWindow(fw::AsciiLowerCase(quarnel::WindowClassName(window)), style, *SkinData);
  SkinRequest request;
  request.owner = this;
  request.formSkin = this;
  request.skinData = SkinData;
  request.canvas = &Canvas;
  request.window = window;
  auto faceColour = [&] {
    if (TWinControl* control = TWinControl::FindControl(window)) control->SetColor(SkinData->FaceColor());
  };
  switch (decision.action) {
    case WindowAction::Nothing:
      break;
    case WindowAction::Skin:
      MakeControlSkin(decision.skinClass, request);
      break;
    case WindowAction::SkinInnerCombo:
      if (HWND inner = GetWindow(window, GW_CHILD)) {
        request.window = inner;
        if (!FindControlSkin(inner)) MakeControlSkin(SkinClass::ComBox, request);
      }
      break;
    case WindowAction::WalkThenBoxH:
      WalkChildWindows(window);
      MakeControlSkin(SkinClass::BoxH, request);
      break;
    case WindowAction::WalkPanel:
      WalkChildWindows(window);
      faceColour();
      break;
    case WindowAction::FaceColourOnly:
      faceColour();
      break;
  }
}

}  // namespace quarnel
