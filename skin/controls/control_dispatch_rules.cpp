// The control rule table, in order: a control test, the skin options it needs and what the row
// does. Kind rows test framework classes by name (instance of the class or a descendant); rows
// whose skin class is not built yet reach a null factory and attach nothing. UI thread.
#include <iterator>

#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

using Ctx = ControlRuleContext;

TWinControl* Windowed(const Ctx& c) {
  return ObjectAs<TWinControl>(&c.control);
}

SkinRequest RequestFor(const Ctx& c, bool useSkinColor = false, int variant = 0) {
  SkinRequest r;
  r.owner = &c.control;
  r.formSkin = &c.formSkin;
  r.skinData = &c.skinData;
  r.canvas = &c.formSkin.Canvas;
  r.control = &c.control;
  r.useSkinColor = useSkinColor;
  r.variant = variant;
  return r;
}

void Make(const Ctx& c, SkinClass cls, bool useSkinColor = false, int variant = 0) {
  MakeControlSkin(cls, RequestFor(c, useSkinColor, variant));
}

bool Kind(const Ctx& c, const char* className) {
  return c.control.InheritsFrom(className);
}
bool ClassIs(const Ctx& c, const char* upper) {
  return c.upperClass == upper;
}

bool HasScrollBars(const Ctx& c) {
  TWinControl* w = Windowed(c);
  if (!w || !w->HandleAllocated()) return false;
  LONG_PTR style = GetWindowLongPtrW(w->RawHandle(), GWL_STYLE);
  return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

void EachChild(const Ctx& c, SkinClass cls, bool useSkinColor = false, int variant = 0) {
  TWinControl* w = Windowed(c);
  if (!w) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    TControl* child = w->Controls(i);
    std::string upper = child->ClassName();
    Ctx childContext{c.formSkin, c.skinData, *child, upper};
    Make(childContext, cls, useSkinColor, variant);
  }
}

// --- control tests ------------------------------------------------------------------------------
bool IsTabControl(const Ctx& c) {
  return Kind(c, "TCustomTabControl");
}
bool RefersToMenu(const Ctx& c) {
  return c.formSkin.FrameEnabled && c.control.ClassInfo().FindProperty("Menu") &&
         ::GetObjectPropByName(c.control, "Menu") != nullptr;
}
bool IsCoolBar(const Ctx& c) {
  return Kind(c, "TCustomCoolBar");
}
bool IsTabSet(const Ctx& c) {
  return ClassIs(c, "TTABSET");
}
bool IsTabSheet(const Ctx& c) {
  return Kind(c, "TTabSheet");
}
bool IsTabbedNotebook(const Ctx& c) {
  return ClassIs(c, "TTABBEDNOTEBOOK");
}
bool IsMvcPanel(const Ctx& c) {
  return ClassIs(c, "TMVCPANEL");
}
bool IsFurtherTabControl(const Ctx& c) {
  return Kind(c, "TCustomTabbedControl");
}
bool IsHeader(const Ctx& c) {
  return Kind(c, "TCustomHeaderControl");
}
bool IsCheckBox(const Ctx& c) {
  return Kind(c, "TCustomCheckBox");
}
bool IsTrackBar(const Ctx& c) {
  return Kind(c, "TTrackBar");
}
bool IsUpDown(const Ctx& c) {
  return ClassIs(c, "TUPDOWN") || ClassIs(c, "TSPINBUTTON");
}
bool IsMediaPlayer(const Ctx& c) {
  return ClassIs(c, "TMEDIAPLAYER");
}
bool IsRadioGroup(const Ctx& c) {
  return Kind(c, "TCustomRadioGroup");
}
bool IsDbNavigator(const Ctx& c) {
  return ClassIs(c, "TDBNAVIGATOR");
}
bool IsRzCheckBox(const Ctx& c) {
  return ClassIs(c, "TRZDBCHECKBOX") || ClassIs(c, "TRZCHECKBOX");
}
bool IsRzRadio(const Ctx& c) {
  return ClassIs(c, "TRZRADIOBUTTON") || ClassIs(c, "TRZDBRADIOBUTTON");
}
bool IsCxCheckBox(const Ctx& c) {
  return ClassIs(c, "TCXDBCHECKBOX") || ClassIs(c, "TCXCHECKBOX");
}
bool IsGroupBox(const Ctx& c) {
  return Kind(c, "TCustomGroupBox");
}
bool IsRadioButton(const Ctx& c) {
  return Kind(c, "TRadioButton");
}
bool IsToolBar(const Ctx& c) {
  return Kind(c, "TToolBar");
}
bool IsStatusBar(const Ctx& c) {
  return Kind(c, "TCustomStatusBar");
}
bool IsProgress(const Ctx& c) {
  return Kind(c, "TProgressBar");
}
bool IsScrollingContainer(const Ctx& c) {
  return Kind(c, "TScrollingWinControl");
}
bool IsTntCombo(const Ctx& c) {
  return ClassIs(c, "TTNTCOMBOBOX");
}
bool IsComboBox(const Ctx& c) {
  return Kind(c, "TCustomComboBox");
}
bool IsDateTime(const Ctx& c) {
  return Kind(c, "TDateTimePicker");
}
bool IsRichEdit(const Ctx& c) {
  return ClassIs(c, "TRICHEDIT");
}
bool IsOtherRich(const Ctx& c) {
  return ClassIs(c, "TWWDBRICHEDIT") || ClassIs(c, "TDXDBMEMO");
}
bool IsBitBtn(const Ctx& c) {
  return Kind(c, "TBitBtn");
}
bool IsSpeedButton(const Ctx& c) {
  return Kind(c, "TSpeedButton");
}
bool IsPanel(const Ctx& c) {
  return Kind(c, "TCustomPanel");
}
bool IsDxGrid(const Ctx& c) {
  return ClassIs(c, "TDXTREELIST") || ClassIs(c, "TDXDBTREELIST") || ClassIs(c, "TDXDBGRID");
}
bool IsListView(const Ctx& c) {
  return Kind(c, "TCustomListView");
}
bool IsMemo(const Ctx& c) {
  return Kind(c, "TCustomMemo") || Kind(c, "TMemo");
}
bool IsFurtherScrolled(const Ctx& c) {
  return Kind(c, "TCustomListBox");
}
bool IsWithScrollBars(const Ctx& c) {
  return HasScrollBars(c) || Kind(c, "TMemo") || Kind(c, "TCustomListBox") || Kind(c, "TCustomTreeView") ||
         Kind(c, "TCustomGrid") || Kind(c, "TCustomRichEdit");
}
bool IsButton(const Ctx& c) {
  return Kind(c, "TButton");
}
bool IsEdit(const Ctx& c) {
  return Kind(c, "TCustomEdit");
}
bool IsNotDcEdit(const Ctx& c) {
  return !ClassIs(c, "TDCEDIT") && !ClassIs(c, "TDCDBEDIT");
}
bool IsDcEdit(const Ctx& c) {
  return !IsNotDcEdit(c);
}

// --- actions ------------------------------------------------------------------------------------
void TabAction(const Ctx& c) {
  if (Kind(c, "TPageControl"))
    Make(c, GetOrdPropByName(&c.control, "Style") > 0 ? SkinClass::TabBtn : SkinClass::Tab);
  else
    Make(c, SkinClass::Tab, false, 2);
}
void MenuItemsOwnerDraw(const Ctx&) {}  // the menu items' drawing comes with the menu skins
void CoolBarBands(const Ctx& c) {
  if (TObject* bands = GetObjectPropByName(&c.control, "Bands", TObject::StaticClass()))
    SetPropByName(bands, "Color", std::to_string(c.skinData.FaceColor()));
}
void Tab31(const Ctx& c) {
  Make(c, SkinClass::Tab31);
}
void TabSheet(const Ctx& c) {
  Make(c, SkinClass::TabSheet);
}
void Tab(const Ctx& c) {
  Make(c, SkinClass::Tab);
}
void WalkChildren(const Ctx& c) {
  c.formSkin.WalkChildControls(Windowed(c));
}
void FurtherTab(const Ctx& c) {
  Make(c, fw::AsciiLowerCase(GetEnumPropByName(&c.control, "Style")) != "tstabs" ? SkinClass::TabBtn
                                                                                 : SkinClass::Tab);
}
void Header(const Ctx& c) {
  Make(c, SkinClass::Header);
}
void CheckBox(const Ctx& c) {
  Make(c, SkinClass::CheckBox);
}
void TrackBar(const Ctx& c) {
  Make(c, SkinClass::TrackBar);
}
void UpDown(const Ctx& c) {
  Make(c, SkinClass::UpDown);
}
void MediaPlayer(const Ctx& c) {
  Make(c, SkinClass::MP);
}
void RadioGroup(const Ctx& c) {
  EachChild(c, SkinClass::RadioButton);
  Make(c, SkinClass::GroupBox, true);
}
void DbNavigator(const Ctx& c) {
  Make(c, SkinClass::Box, true);
  if (TWinControl* w = Windowed(c))
    for (int i = 0; i < w->ControlCount(); ++i) c.formSkin.DispatchControl(w->Controls(i), w);
}
void ObjImage1(const Ctx& c) {
  Make(c, SkinClass::ObjImage, true, 1);
}
void ObjImage2(const Ctx& c) {
  Make(c, SkinClass::ObjImage, true, 2);
}
void ObjImage3(const Ctx& c) {
  Make(c, SkinClass::ObjImage, true, 3);
}
void GroupBox(const Ctx& c) {
  c.formSkin.WalkChildControls(Windowed(c));
  Make(c, SkinClass::GroupBox);
}
void RadioButton(const Ctx& c) {
  Make(c, SkinClass::RadioButton);
}
void ToolBar(const Ctx& c) {
  SetPropByName(&c.control, "Flat", "True");
  Make(c, SkinClass::Box);
}
void StatusBar(const Ctx& c) {
  Make(c, SkinClass::StatusBar);
}
void Progress(const Ctx& c) {
  Make(c, SkinClass::Progress);
}
void ScControl(const Ctx& c) {
  Make(c, SkinClass::ScControl);
}
void ComBox(const Ctx& c) {
  Make(c, SkinClass::ComBox);
}
void DateTime(const Ctx& c) {
  bool editMode = GetOrdPropByName(&c.control, "DateMode") == 1 || GetOrdPropByName(&c.control, "Kind") == 1;
  Make(c, editMode ? SkinClass::Edit : SkinClass::DateTime);
}
void Scrolled(const Ctx& c) {
  Make(c, SkinClass::Scrollbar);
}
void BitBtn(const Ctx& c) {
  if (Has(c.skinData, xcBitBtn)) Make(c, SkinClass::BitButton);
}
void SpeedButton(const Ctx& c) {
  Make(c, SkinClass::SpeedButton);
}
void Panel(const Ctx& c) {
  c.formSkin.WalkChildControls(Windowed(c));
  Make(c, SkinClass::Box, true);
}
void ListView(const Ctx& c) {
  Make(c, SkinClass::ListView);
}
void Button(const Ctx& c) {
  Make(c, SkinClass::Button);
}
void Edit(const Ctx& c) {
  Make(c, SkinClass::Edit);
}
void Container(const Ctx& c) {
  if (Kind(c, "TCustomFrame")) {
    c.formSkin.WalkComponents(&c.control);
  } else if (Kind(c, "TCustomForm")) {
    Make(c, SkinClass::Box, true);
    c.formSkin.WalkComponents(&c.control);
  }
}
void DcEdit(const Ctx& c) {
  int64_t buttons = GetOrdPropByName(&c.control, "NumButtons");
  if (buttons == 1 && Has(c.skinData, xcCombo)) {
    Make(c, SkinClass::ComBox);
  } else if (buttons == 0 && Has(c.skinData, xcEdit)) {
    TWinControl* w = Windowed(c);
    if (!w) return;
    SkinRequest r = RequestFor(c);
    r.owner = &c.formSkin;
    r.control = nullptr;
    r.window = w->Handle();
    MakeControlSkin(SkinClass::Edit, r);
  }
}

constexpr TSkinControlSet B(TSkinControlType t) {
  return Bit(t);
}

const ControlRule kRules[] = {
    {1, IsTabControl, B(xcTab), true, TabAction},
    {2, RefersToMenu, 0, false, MenuItemsOwnerDraw},
    {3, IsCoolBar, B(xcToolbar), false, CoolBarBands},
    {4, IsTabSet, B(xcTab), true, Tab31},
    {5, IsTabSheet, B(xcTab), true, TabSheet},
    {6, IsTabbedNotebook, B(xcTab), true, Tab},
    {7, IsMvcPanel, 0, false, WalkChildren},
    {8, IsFurtherTabControl, B(xcTab), true, FurtherTab},
    {9, IsHeader, B(xcPanel), false, Header},
    {10, IsCheckBox, B(xcCheckBox), false, CheckBox},
    {11, IsTrackBar, B(xcTrackBar), false, TrackBar},
    {12, IsUpDown, B(xcSpin), false, UpDown},
    {13, IsMediaPlayer, B(xcButton), false, MediaPlayer},
    {14, IsRadioGroup, B(xcRadioButton), false, RadioGroup},
    {15, IsDbNavigator, B(xcPanel), false, DbNavigator},
    {16, IsRzCheckBox, B(xcCheckBox), false, ObjImage1},
    {17, IsRzRadio, B(xcRadioButton), false, ObjImage2},
    {18, IsCxCheckBox, B(xcCheckBox), false, ObjImage3},
    {19, IsGroupBox, B(xcPanel), false, GroupBox},
    {20, IsRadioButton, B(xcRadioButton), false, RadioButton},
    {21, IsToolBar, B(xcToolbar), false, ToolBar},
    {22, IsStatusBar, B(xcStatusBar), false, StatusBar},
    {23, IsProgress, B(xcProgress), false, Progress},
    {24, IsScrollingContainer, B(xcScrollbar), false, ScControl},
    {25, IsTntCombo, B(xcCombo), false, ComBox},
    {26, IsComboBox, B(xcCombo), false, ComBox},
    {27, IsDateTime, B(xcEdit), false, DateTime},
    {28, IsRichEdit, B(xcScrollbar), false, Scrolled},
    {29, IsOtherRich, B(xcScrollbar), false, Scrolled},
    {30, IsBitBtn, 0, false, BitBtn},
    {31, IsSpeedButton, B(xcSpeedButton), false, SpeedButton},
    {32, IsPanel, B(xcPanel), false, Panel},
    {33, IsDxGrid, B(xcScrollbar), false, Scrolled},
    {34, IsListView, B(xcScrollbar), false, ListView},
    {35, IsMemo, B(xcScrollbar), false, Scrolled},
    {36, IsFurtherScrolled, B(xcScrollbar), false, Scrolled},
    {37, IsWithScrollBars, B(xcScrollbar), false, Scrolled},
    {38, IsButton, B(xcButton), false, Button},
    {39, IsEdit, B(xcEdit), false, Edit},
    {40, IsNotDcEdit, 0, false, Container},
    {41, IsDcEdit, 0, false, DcEdit},
};

}  // namespace

const ControlRule* ControlRules(int& count) {
  count = static_cast<int>(std::size(kRules));
  return kRules;
}

const ControlRule* ChooseControlRule(const ControlRuleContext& context) {
  for (const ControlRule& rule : kRules) {
    if (!rule.matches(context)) continue;
    if ((context.skinData.SkinControls() & rule.options) != rule.options) continue;
    if (rule.needsTab && !context.skinData.Tabs) continue;
    return &rule;
  }
  return nullptr;
}

}  // namespace quarnel
