// The control dispatch's tables: which control skin class a framework control or a bare child
// window gets. Skin classes are made through a factory table; a class whose factory is still
// null is wired into the rules but attaches nothing. UI thread.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "skin/data/skin_data.h"

class TCanvas;
class TComponent;
class TControl;

namespace quarnel {

class TSkinControl;
class TWinSkinForm;

// Every control skin class the dispatch can hand out.
enum class SkinClass {
  Button,
  BitButton,
  MenuButton,
  SpeedButton,
  Scrollbar,  // attached with AttachScrolled
  ListView,   // attached with AttachScrolled
  ScControl,  // its own attach
  Edit,
  ComBox,
  CheckBox,
  RadioButton,
  GroupBox,
  Box,
  BoxH,
  Tab,
  TabBtn,
  Tab31,
  TabSheet,
  AdvPage,
  Header,
  TrackBar,
  UpDown,
  MP,
  ObjImage,
  StatusBar,
  Progress,
  DateTime,
  Sizer,
  Count
};

// What a factory needs to make and attach one object.
struct SkinRequest {
  TComponent* owner = nullptr;  // the control, or the form skin for a bare window
  TWinSkinForm* formSkin = nullptr;
  TSkinData* skinData = nullptr;
  TCanvas* canvas = nullptr;
  TControl* control = nullptr;  // null: attach to `window` by handle
  HWND window = nullptr;
  bool useSkinColor = false;
  int variant = 0;
  std::string imageProperty;  // "PngImage" for image-property buttons
  bool singleBar = false;     // a scroll-bar object for a single bar
  bool extendedCombo = false;
};
using SkinFactory = TSkinControl* (*)(const SkinRequest&);

// The factory of a class; null while that class is not built.
SkinFactory SkinFactoryOf(SkinClass cls);
// Makes and attaches an object of `cls`; null when the class has no factory yet.
TSkinControl* MakeControlSkin(SkinClass cls, const SkinRequest& request);

// Whether the skin data switches a control type on.
inline bool Has(const TSkinData& data, TSkinControlType type) {
  return data.SkinControls() & Bit(type);
}
inline bool HasOption(const TSkinData& data, TSkinOption option) {
  return data.Options() & Bit(option);
}

// One row of the control rule table: the control test, the options it needs (all of them; a
// tab element too when `needsTab`), and what it does when it decides.
struct ControlRuleContext {
  TWinSkinForm& formSkin;
  TSkinData& skinData;
  TControl& control;
  const std::string& upperClass;
};
struct ControlRule {
  int number;
  bool (*matches)(const ControlRuleContext&);
  TSkinControlSet options;
  bool needsTab;
  void (*apply)(const ControlRuleContext&);
};

// The first row that decides for the control (test matches and options are met), or null.
const ControlRule* ChooseControlRule(const ControlRuleContext& context);
// The whole table, in order.
const ControlRule* ControlRules(int& count);

// The upper-case class names that end the dispatch unskinned.
bool IsExcludedControlClass(std::string_view upperClass);

// The Skin3rd kind of a class: the lower-cased text after "=" of the first row that begins,
// ignoring case, with the class name and "=" (at most 50 characters); false when none.
bool FindSkin3rdKind(const TStrings& rows, std::string_view className, std::string& kind);

// What DispatchWindow does with a bare window of a lower-case class name and style.
enum class WindowAction {
  Nothing,
  Skin,            // `skinClass` by handle
  SkinInnerCombo,  // ComBox on the window's top child
  WalkThenBoxH,    // WalkChildWindows, then BoxH
  WalkPanel,       // WalkChildWindows, the framework control takes the face colour
  FaceColourOnly,
};
struct WindowDecision {
  WindowAction action = WindowAction::Nothing;
  SkinClass skinClass = SkinClass::Count;
};
WindowDecision DecideWindow(std::string_view lowerClass, DWORD style, const TSkinData& data);

}  // namespace quarnel
