// The control dispatch's vocabulary: which control skin class (`SkinClass`) a framework control
// or a bare child window gets, decided by three tables (class rules, Skin3rd kinds, window
// classes) that share one context and one set of helpers. Skin classes are made through a
// factory table; a class whose factory is still null is wired in but attaches nothing. UI thread.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "skin/data/skin_data.h"

class TCanvas;
class TComponent;
class TControl;
class TWinControl;

namespace quarnel {

class TControlSkinHost;
class TControlWalker;
class TSkinControl;

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
  CoolBar,
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
  ForeignView,  // a host program's scrolled view of a kind the engine has no skin for
  Count
};

// What a factory needs to make and attach one object.
struct SkinRequest {
  SkinClass skinClass = SkinClass::Count;  // set by MakeControlSkin
  TComponent* owner = nullptr;             // the control, or the host's component for a bare window
  TControlSkinHost* host = nullptr;
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
// Replaces the factory of a class (a new control skin, or a test that records what the dispatch
// hands out); returns the previous one.
SkinFactory SetSkinFactory(SkinClass cls, SkinFactory factory);
// Makes and attaches an object of `cls`; null when the class has no factory yet.
TSkinControl* MakeControlSkin(SkinClass cls, const SkinRequest& request);

// Whether the skin data switches a control type on.
inline bool Has(const TSkinData& data, TSkinControlType type) {
  return data.SkinControls() & Bit(type);
}
inline bool HasOption(const TSkinData& data, TSkinOption option) {
  return data.Options() & Bit(option);
}

// What the class rules and the Skin3rd kinds decide on: the walk (and through it the host),
// the skin data, the control and its class name in upper case.
struct DispatchContext {
  TControlWalker& walker;
  TSkinData& skinData;
  TControl& control;
  const std::string& upperClass;
};

// --- helpers the tables share ------------------------------------------------------------------
// A request for a skin of `control` under the context's host and skin data.
SkinRequest RequestFor(const DispatchContext& c, TControl& control, bool useSkinColor = false,
                       int variant = 0);
// Makes a `cls` object for the context's control.
void MakeFor(const DispatchContext& c, SkinClass cls, bool useSkinColor = false, int variant = 0);
TWinControl* WindowedOf(const DispatchContext& c);
// A separate scroll-bar control (the framework's TScrollBar and its descendants).
bool IsScrollBarControl(const TControl& control);
// A windowed control whose style shows system scroll bars, or a memo, list box, tree view, grid
// or rich edit.
bool HasScrollBarsOrScrolledKind(const TControl& control);

// One row of the control rule table: the control test, the options it needs (all of them; a
// tab element too when `needsTab`), and what it does when it decides. The rows are tried in the
// table's order.
struct ControlRule {
  bool (*matches)(const DispatchContext&);
  TSkinControlSet options;
  bool needsTab;
  void (*apply)(const DispatchContext&);
};

// The first row that decides for the control (test matches and options are met), or null.
const ControlRule* ChooseControlRule(const DispatchContext& context);

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
  WalkOnly,        // WalkChildWindows; the window itself shows nothing of its own
  FaceColourOnly,
};
struct WindowDecision {
  WindowAction action = WindowAction::Nothing;
  SkinClass skinClass = SkinClass::Count;
};
// Whose a bare window is. A program that loaded the engine has its tree views, rich edits and
// rebars skinned as their nearest kinds, and the windows of its own classes walked for the
// controls they hold (themselves left as they draw); a program built with the engine keeps those
// as the system draws them.
enum class WindowOrigin {
  OurProgram,        // a program built with the engine
  HostProgram,       // a program that loaded the engine; a class of the system's
  HostProgramClass,  // a program that loaded the engine; a class of the program's own
};
WindowDecision DecideWindow(std::string_view lowerClass, DWORD style, const TSkinData& data,
                            WindowOrigin origin = WindowOrigin::OurProgram);

}  // namespace quarnel
