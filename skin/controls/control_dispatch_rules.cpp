// The control rule table, in order: a control test, the skin options it needs and what the row
// does. Kind rows test framework classes by name (instance of the class or a descendant); rows
// whose skin class is not built yet reach a null factory and attach nothing. UI thread.
#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

namespace {

using Ctx = DispatchContext;

bool Kind(const Ctx& c, const char* className) {
  return c.control.InheritsFrom(className);
}
bool ClassIs(const Ctx& c, const char* upper) {
  return c.upperClass == upper;
}

void EachChild(const Ctx& c, SkinClass cls, bool useSkinColor = false, int variant = 0) {
  TWinControl* w = WindowedOf(c);
  if (!w) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    TControl* child = w->Controls(i);
    MakeControlSkin(cls, RequestFor(c, *child, useSkinColor, variant));
  }
}

// --- control tests ------------------------------------------------------------------------------
bool IsTabControl(const Ctx& c) {
  return Kind(c, "TCustomTabControl");
}
// A tool bar has a row of its own, which hooks its menu as well and gives it its skin.
bool RefersToMenu(const Ctx& c) {
  return c.walker.Host().HostFrameEnabled() && !Kind(c, "TToolBar") &&
         c.control.ClassInfo().FindProperty("Menu") && ::GetObjectPropByName(c.control, "Menu") != nullptr;
}
bool IsCoolBar(const Ctx& c) {
  return Kind(c, "TCoolBar") || Kind(c, "TCustomCoolBar");
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
  return Kind(c, "TCustomHeaderControl") || Kind(c, "THeaderControl");
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
  return Kind(c, "TCustomStatusBar") || Kind(c, "TStatusBar");
}
bool IsProgress(const Ctx& c) {
  return Kind(c, "TProgressBar");
}
bool IsScrollBar(const Ctx& c) {
  return IsScrollBarControl(c.control);
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
  return Kind(c, "TCustomListView") || Kind(c, "TListView");
}
bool IsMemo(const Ctx& c) {
  return Kind(c, "TCustomMemo") || Kind(c, "TMemo");
}
// List boxes, and scroll boxes: these show system bars only while their content needs them,
// so the window style alone would not find them.
bool IsFurtherScrolled(const Ctx& c) {
  return Kind(c, "TCustomListBox") || Kind(c, "TScrollingWinControl");
}
bool IsWithScrollBars(const Ctx& c) {
  return HasScrollBarsOrScrolledKind(c.control);
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
// Tabs drawn as buttons: a "Style" other than tsTabs.
bool IsButtonStyle(const Ctx& c) {
  const std::string style = fw::AsciiLowerCase(GetEnumPropByName(&c.control, "Style"));
  return !style.empty() && style != "tstabs";
}
// Button-style tabs of either member get the button skin; tab controls (not page controls) have
// windowless children of their own painted after the pane (variant 2).
void TabAction(const Ctx& c) {
  const SkinClass cls = IsButtonStyle(c) ? SkinClass::TabBtn : SkinClass::Tab;
  if (Kind(c, "TPageControl"))
    MakeFor(c, cls);
  else
    MakeFor(c, cls, false, 2);
}
void MenuItemsOwnerDraw(const Ctx& c) {
  c.walker.Host().HostHookMenu(ObjectAs<TComponent>(::GetObjectPropByName(c.control, "Menu")));
}
// Every band takes the face colour, through an object that gives the bands their own back.
void CoolBarBands(const Ctx& c) {
  MakeFor(c, SkinClass::CoolBar);
}
void Tab31(const Ctx& c) {
  MakeFor(c, SkinClass::Tab31);
}
void TabSheet(const Ctx& c) {
  MakeFor(c, SkinClass::TabSheet);
}
void Tab(const Ctx& c) {
  MakeFor(c, SkinClass::Tab);
}
void WalkChildren(const Ctx& c) {
  c.walker.WalkChildControls(WindowedOf(c));
}
void FurtherTab(const Ctx& c) {
  MakeFor(c, fw::AsciiLowerCase(GetEnumPropByName(&c.control, "Style")) != "tstabs" ? SkinClass::TabBtn
                                                                                    : SkinClass::Tab);
}
void Header(const Ctx& c) {
  MakeFor(c, SkinClass::Header);
}
void CheckBox(const Ctx& c) {
  MakeFor(c, SkinClass::CheckBox);
}
void TrackBar(const Ctx& c) {
  MakeFor(c, SkinClass::TrackBar);
}
void UpDown(const Ctx& c) {
  MakeFor(c, SkinClass::UpDown);
}
void MediaPlayer(const Ctx& c) {
  MakeFor(c, SkinClass::MP);
}
void RadioGroup(const Ctx& c) {
  EachChild(c, SkinClass::RadioButton);
  MakeFor(c, SkinClass::GroupBox, true);
}
void DbNavigator(const Ctx& c) {
  MakeFor(c, SkinClass::Box, true);
  if (TWinControl* w = WindowedOf(c))
    for (int i = 0; i < w->ControlCount(); ++i) c.walker.DispatchControl(w->Controls(i), w);
}
void ObjImage1(const Ctx& c) {
  MakeFor(c, SkinClass::ObjImage, true, 1);
}
void ObjImage2(const Ctx& c) {
  MakeFor(c, SkinClass::ObjImage, true, 2);
}
void ObjImage3(const Ctx& c) {
  MakeFor(c, SkinClass::ObjImage, true, 3);
}
void GroupBox(const Ctx& c) {
  c.walker.WalkChildControls(WindowedOf(c));
  MakeFor(c, SkinClass::GroupBox);
}
void RadioButton(const Ctx& c) {
  MakeFor(c, SkinClass::RadioButton);
}
void ToolBar(const Ctx& c) {
  SetPropByName(&c.control, "Flat", "True");
  MakeFor(c, SkinClass::Box);
  if (c.control.ClassInfo().FindProperty("Menu")) MenuItemsOwnerDraw(c);
}
void StatusBar(const Ctx& c) {
  MakeFor(c, SkinClass::StatusBar);
}
void Progress(const Ctx& c) {
  MakeFor(c, SkinClass::Progress);
}
void ScControl(const Ctx& c) {
  MakeFor(c, SkinClass::ScControl);
}
void ComBox(const Ctx& c) {
  MakeFor(c, SkinClass::ComBox);
}
// The ordinal of an integer or enumeration property (a mode setting), -1 without one.
int64_t ModeSetting(TControl& control, std::string_view name) {
  const TPropInfo* p = GetPropInfo(control, name);
  return p && p->getOrd && (p->kind == TTypeKind::Integer || p->kind == TTypeKind::Enumeration)
             ? GetOrdProp(control, *p)
             : -1;
}
void DateTime(const Ctx& c) {
  bool editMode = ModeSetting(c.control, "DateMode") == 1 || ModeSetting(c.control, "Kind") == 1;
  MakeFor(c, editMode ? SkinClass::Edit : SkinClass::DateTime);
}
void Scrolled(const Ctx& c) {
  MakeFor(c, SkinClass::Scrollbar);
}
void BitBtn(const Ctx& c) {
  if (Has(c.skinData, xcBitBtn)) MakeFor(c, SkinClass::BitButton);
}
void SpeedButton(const Ctx& c) {
  MakeFor(c, SkinClass::SpeedButton);
}
void Panel(const Ctx& c) {
  c.walker.WalkChildControls(WindowedOf(c));
  MakeFor(c, SkinClass::Box, true);
}
void ListView(const Ctx& c) {
  MakeFor(c, SkinClass::ListView);
}
void Button(const Ctx& c) {
  MakeFor(c, SkinClass::Button);
}
void Edit(const Ctx& c) {
  MakeFor(c, SkinClass::Edit);
}
void Container(const Ctx& c) {
  if (Kind(c, "TCustomFrame")) {
    c.walker.WalkComponents(&c.control);
  } else if (Kind(c, "TCustomForm")) {
    MakeFor(c, SkinClass::Box, true);
    c.walker.WalkComponents(&c.control);
  }
}
void DcEdit(const Ctx& c) {
  int64_t buttons = GetOrdPropByName(&c.control, "NumButtons");
  if (buttons == 1 && Has(c.skinData, xcCombo)) {
    MakeFor(c, SkinClass::ComBox);
  } else if (buttons == 0 && Has(c.skinData, xcEdit)) {
    TWinControl* w = WindowedOf(c);
    if (!w) return;
    SkinRequest r = RequestFor(c, c.control);
    r.owner = &c.walker.Host().HostComponent();
    r.control = nullptr;
    r.window = w->Handle();
    MakeControlSkin(SkinClass::Edit, r);
  }
}

constexpr TSkinControlSet B(TSkinControlType t) {
  return Bit(t);
}

constexpr ControlRule kRules[] = {
    {IsTabControl, B(xcTab), true, TabAction},
    {RefersToMenu, 0, false, MenuItemsOwnerDraw},
    {IsCoolBar, B(xcToolbar), false, CoolBarBands},
    {IsTabSet, B(xcTab), true, Tab31},
    {IsTabSheet, B(xcTab), true, TabSheet},
    {IsTabbedNotebook, B(xcTab), true, Tab},
    {IsMvcPanel, 0, false, WalkChildren},
    {IsFurtherTabControl, B(xcTab), true, FurtherTab},
    {IsHeader, B(xcPanel), false, Header},
    {IsCheckBox, B(xcCheckBox), false, CheckBox},
    {IsTrackBar, B(xcTrackBar), false, TrackBar},
    {IsUpDown, B(xcSpin), false, UpDown},
    {IsMediaPlayer, B(xcButton), false, MediaPlayer},
    {IsRadioGroup, B(xcRadioButton), false, RadioGroup},
    {IsDbNavigator, B(xcPanel), false, DbNavigator},
    {IsRzCheckBox, B(xcCheckBox), false, ObjImage1},
    {IsRzRadio, B(xcRadioButton), false, ObjImage2},
    {IsCxCheckBox, B(xcCheckBox), false, ObjImage3},
    {IsGroupBox, B(xcPanel), false, GroupBox},
    {IsRadioButton, B(xcRadioButton), false, RadioButton},
    {IsToolBar, B(xcToolbar), false, ToolBar},
    {IsStatusBar, B(xcStatusBar), false, StatusBar},
    {IsProgress, B(xcProgress), false, Progress},
    {IsScrollBar, B(xcScrollbar), false, ScControl},
    {IsTntCombo, B(xcCombo), false, ComBox},
    {IsComboBox, B(xcCombo), false, ComBox},
    {IsDateTime, B(xcEdit), false, DateTime},
    {IsRichEdit, B(xcScrollbar), false, Scrolled},
    {IsOtherRich, B(xcScrollbar), false, Scrolled},
    {IsBitBtn, 0, false, BitBtn},
    {IsSpeedButton, B(xcSpeedButton), false, SpeedButton},
    {IsPanel, B(xcPanel), false, Panel},
    {IsDxGrid, B(xcScrollbar), false, Scrolled},
    {IsListView, B(xcScrollbar), false, ListView},
    {IsMemo, B(xcScrollbar), false, Scrolled},
    {IsFurtherScrolled, B(xcScrollbar), false, Scrolled},
    {IsWithScrollBars, B(xcScrollbar), false, Scrolled},
    {IsButton, B(xcButton), false, Button},
    {IsEdit, B(xcEdit), false, Edit},
    {IsNotDcEdit, 0, false, Container},
    {IsDcEdit, 0, false, DcEdit},
};

}  // namespace

const ControlRule* ChooseControlRule(const DispatchContext& context) {
  for (const ControlRule& rule : kRules) {
    if (!rule.matches(context)) continue;
    if ((context.skinData.SkinControls() & rule.options) != rule.options) continue;
    if (rule.needsTab && !context.skinData.Tabs) continue;
    return &rule;
  }
  return nullptr;
}

}  // namespace quarnel
