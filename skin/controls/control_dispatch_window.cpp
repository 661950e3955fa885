// The walk over a window's child windows that have no framework control (dialog controls and
// foreign classes): the class table deciding each window's control skin. UI thread.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include <algorithm>

#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_control.h"
#include "skin/data/window_scope.h"

namespace quarnel {

namespace {

// The button kind is the value of the style's low four bits, not a set of flags.
bool IsCheckStyle(DWORD style) {
  const DWORD kind = style & BS_TYPEMASK;
  return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
}
bool IsRadioStyle(DWORD style) {
  const DWORD kind = style & BS_TYPEMASK;
  return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

// The scrolled views of other programs the engine has no skin of its own for.
bool IsForeignView(std::string_view lowerClass) {
  return lowerClass == "systreeview32" || lowerClass == "richedit" || lowerClass == "richedit20a" ||
         lowerClass == "richedit20w" || lowerClass == "richedit50w";
}

}  // namespace

WindowDecision DecideWindow(std::string_view lowerClass, DWORD style, const TSkinData& data,
                            WindowOrigin origin) {
  auto skin = [](SkinClass cls) { return WindowDecision{WindowAction::Skin, cls}; };
  if (origin != WindowOrigin::OurProgram) {
    if (IsForeignView(lowerClass))
      return Has(data, xcScrollbar) ? skin(SkinClass::ForeignView) : WindowDecision{};
    // A rebar is a container: its bands' tool bars and boxes are skinned, its back is the face.
    if (lowerClass == "rebarwindow32") return {WindowAction::WalkThenBoxH, SkinClass::BoxH};
    // A nested dialog that takes the focus in turn is a property sheet's page.
    if (lowerClass == "#32770") return {WindowAction::WalkThenBoxH, SkinClass::BoxH};
  }
  if (lowerClass == "button") {
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) return {};
    if ((style & BS_GROUPBOX) == BS_GROUPBOX)
      return Has(data, xcGroupBox) ? skin(SkinClass::GroupBox) : WindowDecision{};
    if (style & BS_BITMAP) return {};
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
  if (lowerClass == "scrollbar") {
    // A size box or grip is filled with the face colour; any other bar is a real scroll bar, which
    // the face colour would blank out.
    if (style & (SBS_SIZEBOX | SBS_SIZEGRIP)) return skin(SkinClass::Sizer);
    return Has(data, xcScrollbar) ? skin(SkinClass::ScControl) : WindowDecision{};
  }
  if (lowerClass == "listbox") return Has(data, xcScrollbar) ? skin(SkinClass::Scrollbar) : WindowDecision{};
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
    return Has(data, xcTab) && !(style & TCS_OWNERDRAWFIXED) ? skin(SkinClass::Tab) : WindowDecision{};
  if (lowerClass == "toolbarwindow32") return skin(SkinClass::BoxH);
  if (lowerClass == "edit") return Has(data, xcEdit) ? skin(SkinClass::Edit) : WindowDecision{};
  // The common controls of dialogs, under the options of their framework kinds.
  if (lowerClass == "msctls_progress32")
    return Has(data, xcProgress) ? skin(SkinClass::Progress) : WindowDecision{};
  if (lowerClass == "msctls_trackbar32")
    return Has(data, xcTrackBar) ? skin(SkinClass::TrackBar) : WindowDecision{};
  if (lowerClass == "msctls_updown32") return Has(data, xcSpin) ? skin(SkinClass::UpDown) : WindowDecision{};
  if (lowerClass == "msctls_statusbar32")
    return Has(data, xcStatusBar) ? skin(SkinClass::StatusBar) : WindowDecision{};
  // List views and headers under the options of their framework kinds; a shell folder view
  // only holds its list view.
  if (lowerClass == "syslistview32")
    return Has(data, xcScrollbar) ? skin(SkinClass::ListView) : WindowDecision{};
  if (lowerClass == "sysheader32") return Has(data, xcPanel) ? skin(SkinClass::Header) : WindowDecision{};
  if (lowerClass == "shelldll_defview") return {WindowAction::WalkOnly, SkinClass::Count};
  // A container of the host's own (a pane holding its tree and list, say).
  if (origin == WindowOrigin::HostProgramClass) return {WindowAction::WalkOnly, SkinClass::Count};
  return {};
}

namespace {

WindowOrigin OriginOf(HWND window) {
  if (!WindowScope().HostModules()) return WindowOrigin::OurProgram;
  const auto classModule = reinterpret_cast<HINSTANCE>(GetClassLongPtrW(window, GCLP_HMODULE));
  return WindowScope().ProgramInstance(classModule) ? WindowOrigin::HostProgramClass
                                                    : WindowOrigin::HostProgram;
}

}  // namespace

void TControlWalker::WalkChildWindows(HWND window) {
  if (!window) return;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) DispatchWindow(child);
}

void TControlWalker::DispatchWindow(HWND window) {
  TSkinData* data = host_.HostSkinData();
  if (!window || !data || FindControlSkin(window) || WindowScope().Excluded(window)) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const WindowDecision decision =
      DecideWindow(fw::AsciiLowerCase(quarnel::WindowClassName(window)), style, *data, OriginOf(window));
  SkinRequest request;
  request.owner = &host_.HostComponent();
  request.host = &host_;
  request.skinData = data;
  request.canvas = &host_.HostCanvas();
  request.window = window;
  auto faceColour = [&] {
    if (TWinControl* control = TWinControl::FindControl(window)) control->SetColor(data->FaceColor());
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
    case WindowAction::WalkOnly:
      WalkChildWindows(window);
      break;
    case WindowAction::FaceColourOnly:
      faceColour();
      break;
  }
}

}  // namespace quarnel
