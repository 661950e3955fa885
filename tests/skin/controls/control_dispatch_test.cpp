// The control dispatch: which skin each control kind gets (by rule order and options), Skin3rd
// rows (case, "nil", options, kinds), tag rules, the child-window class table and bare dialog
// buttons.
#include "skin/controls/control_dispatch.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "framework/controls/check_box.h"
#include "framework/controls/cool_bar.h"
#include "framework/controls/date_time_picker.h"
#include "framework/controls/group_box.h"
#include "framework/controls/media_player.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/tool_bar.h"
#include "framework/core/properties.h"
#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/memo.h"
#include "framework/ui/scroll_bar.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_sccontrol.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace quarnel {
namespace {

using testing_support::flush_events;

// A container whose class name says it is a radio group.
class TTestRadioGroup : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
};
const TClassInfo& TTestRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestRadioGroup>("TTestRadioGroup", &TWinControl::StaticClass()).Build();
  return info;
}

// A check box of a foreign library, whose class name is not all upper case.
class TRzTestCheck : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
};
const TClassInfo& TRzTestCheck::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRzTestCheck>("TRzTestCheck", &TWinControl::StaticClass()).Build();
  return info;
}

// A data-aware button bar of another family, known to the dispatch by its class name.
class TDBNavigator : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
};
const TClassInfo& TDBNavigator::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDBNavigator>("TDBNavigator", &TWinControl::StaticClass()).Build();
  return info;
}

// Controls of foreign families, known to the dispatch only by their class names.
class TTntComboBox : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
};
const TClassInfo& TTntComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTntComboBox>("TTntComboBox", &TWinControl::StaticClass()).Build();
  return info;
}
class TDCEdit : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
  int32_t NumButtons() const { return buttons_; }
  void SetNumButtons(int32_t v) { buttons_ = v; }

 private:
  int32_t buttons_ = 0;
};
const TClassInfo& TDCEdit::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDCEdit>("TDCEdit", &TWinControl::StaticClass())
                                     .Int("NumButtons", &TDCEdit::NumButtons, &TDCEdit::SetNumButtons)
                                     .Build();
  return info;
}

// What the dispatch hands out, recorded instead of made while a RecordedSkins lives.
struct Handed {
  SkinClass skinClass;
  TControl* control;
  int variant;
  bool useSkinColor;
};
std::vector<Handed> handed;
TSkinControl* Record(const SkinRequest& r) {
  handed.push_back({r.skinClass, r.control, r.variant, r.useSkinColor});
  return nullptr;
}
class RecordedSkins {
 public:
  RecordedSkins() {
    handed.clear();
    for (size_t i = 0; i < saved_.size(); ++i) saved_[i] = SetSkinFactory(static_cast<SkinClass>(i), &Record);
  }
  ~RecordedSkins() {
    for (size_t i = 0; i < saved_.size(); ++i) SetSkinFactory(static_cast<SkinClass>(i), saved_[i]);
  }
  // The class handed out for `control`; Count when none.
  static SkinClass For(const TControl* control) {
    for (const Handed& h : handed)
      if (h.control == control) return h.skinClass;
    return SkinClass::Count;
  }
  static bool UsesSkinColor(const TControl* control) {
    for (const Handed& h : handed)
      if (h.control == control) return h.useSkinColor;
    return false;
  }

 private:
  std::array<SkinFactory, static_cast<size_t>(SkinClass::Count)> saved_{};
};

using controltest::BuiltInSkin;
using controltest::MakeFormSkin;

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    data = &BuiltInSkin();
    ASSERT_FALSE(data->Empty());
    savedControls = data->SkinControls();
    data->Skin3rd()->Clear();
    form = Application()->CreateForm<TForm>();
    form->SetBounds(30, 30, 400, 300);
    memo = Add<TMemo>(10, 10, 120, 80);
    edit = Add<TEdit>(10, 100, 120, 24);
    button = Add<TButton>(150, 10, 75, 25);
    form->Show();
    formSkin = MakeFormSkin(form, data);
    flush_events(50);
  }
  void TearDown() override {
    data->SetSkinControls(savedControls);
    data->Skin3rd()->Clear();
    for (const std::string& row : DefaultSkin3rdRows()) data->Skin3rd()->Add(row);
    formSkin->Controls().ReleaseControlSkins(false);
    formSkin.reset();
    Application()->DestroyComponent(form);
    flush_events();
  }
  template <class T>
  T* Add(int x, int y, int w, int h) {
    T* c = TComponent::CreateIn<T>(form);
    c->SetParent(form);
    c->SetBounds(x, y, w, h);
    return c;
  }
  // The skin class the dispatch gives `control` (Count: none).
  SkinClass SkinClassFor(TControl& control) {
    RecordedSkins recorded;
    TControlWalker(formSkin->Controls()).DispatchControl(&control, form);
    return RecordedSkins::For(&control);
  }
  bool Skinned(TWinControl* c) { return SendMessageW(c->Handle(), SKM_QUERYSKINNED, 0, 0) == 1; }

  TSkinData* data = nullptr;
  TSkinControlSet savedControls = 0;
  TForm* form = nullptr;
  TMemo* memo = nullptr;
  TEdit* edit = nullptr;
  TButton* button = nullptr;
  ComponentPtr<TWinSkinForm> formSkin;
};

TEST_F(DispatchTest, MemoTakesTheScrollBarSkinBeforeTheEditSkin) {
  EXPECT_EQ(SkinClassFor(*memo), SkinClass::Scrollbar);
  EXPECT_EQ(SkinClassFor(*edit), SkinClass::Edit);
  EXPECT_EQ(SkinClassFor(*button), SkinClass::Button);
  // Without the scroll-bar option the memo falls through to the edit rule.
  data->SetSkinControls(data->SkinControls() & ~Bit(xcScrollbar));
  EXPECT_EQ(SkinClassFor(*memo), SkinClass::Edit);
  // Without the button option a push button gets nothing.
  data->SetSkinControls(data->SkinControls() & ~Bit(xcButton));
  EXPECT_EQ(SkinClassFor(*button), SkinClass::Count);
}

TEST_F(DispatchTest, ForeignFamiliesGetTheirTextSkinsByClassName) {
  auto* tnt = Add<TTntComboBox>(10, 140, 120, 21);
  EXPECT_EQ(SkinClassFor(*tnt), SkinClass::ComBox);
  auto* dc = Add<TDCEdit>(10, 170, 120, 21);
  dc->SetNumButtons(1);
  EXPECT_EQ(SkinClassFor(*dc), SkinClass::ComBox);
  dc->SetNumButtons(0);
  {
    RecordedSkins recorded;
    TControlWalker(formSkin->Controls()).DispatchControl(dc, form);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].skinClass, SkinClass::Edit);
    EXPECT_EQ(handed[0].control, nullptr) << "attached to the window by handle";
  }
  data->SetSkinControls(savedControls & ~Bit(xcCombo));
  EXPECT_EQ(SkinClassFor(*tnt), SkinClass::Count) << "the combo rows need xcCombo";
}

TEST_F(DispatchTest, DatePickerInUpDownModeIsAnEdit) {
  auto* drop = Add<TDateTimePicker>(10, 140, 120, 21);
  auto* updown = Add<TDateTimePicker>(10, 170, 120, 21);
  updown->SetDateMode(dmUpDown);
  auto* time = Add<TDateTimePicker>(10, 200, 120, 21);
  time->SetKind(dtkTime);
  EXPECT_EQ(SkinClassFor(*drop), SkinClass::DateTime);
  EXPECT_EQ(SkinClassFor(*updown), SkinClass::Edit);
  EXPECT_EQ(SkinClassFor(*time), SkinClass::Edit);
}

TEST_F(DispatchTest, SeparateScrollBarGetsItsOwnSkin) {
  auto* bar = Add<TScrollBar>(10, 140, 150, 17);
  flush_events();
  formSkin->Controls().AttachControlSkins();
  EXPECT_NE(dynamic_cast<TSkinScControl*>(formSkin->Controls().FindControlSkin(bar->Handle())), nullptr);
}

TEST_F(DispatchTest, EveryBandOfACoolBarTakesTheFaceColour) {
  const COLORREF face = ColorToRGB(data->FaceColor());
  ASSERT_NE(face, ColorToRGB(clBtnFace)) << "the bands' own colour would pass for the skin's";
  auto* cool = Add<TCoolBar>(10, 170, 360, 60);
  for (const char* text : {"First", "Second"}) {
    auto* edit = TComponent::CreateIn<TEdit>(form);
    edit->SetParent(cool);
    edit->SetBounds(0, 0, 80, 22);
    TCoolBand* band = cool->Bands()->Add();
    band->SetText(text);
    band->SetWidth(170);
    band->SetBreak(false);
    band->SetControl(edit);
  }
  flush_events(30);
  ASSERT_EQ(cool->BandCount(), 2);
  formSkin->Controls().AttachControlSkins();
  flush_events(50);
  const testing_support::Capture shot = testing_support::capture_window(cool->Handle());
  testing_support::save_bmp(shot, testing_support::host_path(std::string(QUARNEL_SHOTS) + "/cool_bar.bmp"));
  for (int i = 0; i < 2; ++i) {
    TCoolBand* band = cool->Bands()->Items(i);
    EXPECT_EQ(band->Color(), data->FaceColor()) << i;
    // The band's own area, round its control, shows the colour.
    RECT r{}, child{};
    SendMessageW(cool->Handle(), RB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    GetWindowRect(band->Control()->Handle(), &child);
    MapWindowPoints(nullptr, cool->Handle(), reinterpret_cast<POINT*>(&child), 2);
    int own = 0, faced = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        if (x >= child.left && x < child.right && y >= child.top && y < child.bottom) continue;
        ++own;
        faced += shot.at(x, y) == face;
      }
    ASSERT_GT(own, 0) << i;
    EXPECT_GT(faced * 2, own) << "band " << i << ": " << faced << " of " << own;
  }
  // A new skin's face is taken too; at detach the bands follow the bar's colour again.
  TSkinControl* skin = formSkin->Controls().FindControlSkin(cool->Handle());
  ASSERT_NE(skin, nullptr);
  const TColor saved = data->Colors[scButtonFace];
  data->Colors[scButtonFace] = 0x123456;
  skin->UpdateSkin();
  data->Colors[scButtonFace] = saved;
  EXPECT_EQ(cool->Bands()->Items(1)->Color(), static_cast<TColor>(0x123456));
  skin->Detach();
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(cool->Bands()->Items(i)->ParentColor()) << i;
    EXPECT_EQ(cool->Bands()->Items(i)->Color(), cool->Color()) << i;
  }
}

TEST_F(DispatchTest, SingleScrollBarKindMakesOneOverlay) {
  data->Skin3rd()->Add("TMemo=singlescrollbar");
  formSkin->Controls().AttachControlSkins();
  auto* skin = dynamic_cast<TSkinScrollbar*>(formSkin->Controls().FindControlSkin(memo->Handle()));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->HorzBar(), nullptr);
  EXPECT_NE(skin->VertBar(), nullptr);
}

TEST_F(DispatchTest, RadioGroupKindTellsForeignChildrenByNameInAnyCase) {
  auto* group = Add<TTestRadioGroup>(250, 10, 120, 120);
  auto* foreign = TComponent::CreateIn<TRzTestCheck>(form);
  foreign->SetParent(group);
  auto* plain = TComponent::CreateIn<TButton>(form);
  plain->SetParent(group);
  data->Skin3rd()->Add("TTestRadioGroup=radiogroup");
  flush_events();
  RecordedSkins recorded;
  TControlWalker(formSkin->Controls()).DispatchControl(group, form);
  EXPECT_EQ(RecordedSkins::For(foreign), SkinClass::ObjImage);
  EXPECT_EQ(RecordedSkins::For(plain), SkinClass::RadioButton);
  EXPECT_EQ(RecordedSkins::For(group), SkinClass::GroupBox);
}

TEST_F(DispatchTest, ChoiceAndContainerRowsHandOutTheirSkinsToTheControlsAndTheirChildren) {
  auto* radios = Add<TRadioGroup>(250, 10, 120, 80);
  radios->Items()->Add("One");
  radios->Items()->Add("Two");
  auto* navigator = Add<TDBNavigator>(10, 200, 120, 25);
  auto* navButton = TComponent::CreateIn<TButton>(form);
  navButton->SetParent(navigator);
  auto* tools = Add<TToolBar>(10, 230, 200, 26);
  auto* player = Add<TMediaPlayer>(140, 200, 100, 25);
  auto* group = Add<TGroupBox>(250, 100, 120, 80);
  auto* inGroup = TComponent::CreateIn<TCheckBox>(form);
  inGroup->SetParent(group);
  auto* panel = Add<TPanel>(250, 190, 120, 60);
  auto* inPanel = TComponent::CreateIn<TRadioButton>(form);
  inPanel->SetParent(panel);
  flush_events();
  RecordedSkins recorded;
  TControlWalker walker(formSkin->Controls());
  for (TControl* c : std::initializer_list<TControl*>{radios, navigator, tools, player, group, panel})
    walker.DispatchControl(c, form);
  ASSERT_EQ(radios->ControlCount(), 2);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(RecordedSkins::For(radios->Controls(i)), SkinClass::RadioButton);
  EXPECT_EQ(RecordedSkins::For(radios), SkinClass::GroupBox);
  EXPECT_TRUE(RecordedSkins::UsesSkinColor(radios));
  EXPECT_EQ(RecordedSkins::For(navigator), SkinClass::Box);
  EXPECT_TRUE(RecordedSkins::UsesSkinColor(navigator));
  EXPECT_EQ(RecordedSkins::For(navButton), SkinClass::Button) << "the navigator's buttons are dispatched";
  EXPECT_EQ(RecordedSkins::For(tools), SkinClass::Box);
  EXPECT_TRUE(tools->Flat());
  EXPECT_EQ(RecordedSkins::For(player), SkinClass::MP);
  EXPECT_EQ(RecordedSkins::For(inGroup), SkinClass::CheckBox);
  EXPECT_EQ(RecordedSkins::For(group), SkinClass::GroupBox);
  EXPECT_FALSE(RecordedSkins::UsesSkinColor(group));
  EXPECT_EQ(RecordedSkins::For(inPanel), SkinClass::RadioButton);
  EXPECT_EQ(RecordedSkins::For(panel), SkinClass::Box);
  EXPECT_TRUE(RecordedSkins::UsesSkinColor(panel));
}

TEST_F(DispatchTest, MemoGetsTheScrollBarSkinAndNotTheEditSkin) {
  formSkin->Controls().AttachControlSkins();
  TSkinControl* skin = nullptr;
  for (TSkinControl* s : formSkin->Controls().ControlSkins())
    if (s->Control() == memo) {
      EXPECT_EQ(skin, nullptr) << "one object per control";
      skin = s;
    }
  EXPECT_NE(dynamic_cast<TSkinScrollbar*>(skin), nullptr);
}

TEST_F(DispatchTest, AttachControlSkinsGivesThePushButtonItsSkinOnce) {
  formSkin->Controls().AttachControlSkins();
  ASSERT_TRUE(Skinned(button));
  EXPECT_NE(dynamic_cast<TSkinButton*>(formSkin->Controls().FindControlSkin(button->Handle())), nullptr);
  const size_t count = formSkin->Controls().ControlSkins().size();
  formSkin->Controls().AttachControlSkins();  // the tab walk and a second pass add nothing
  EXPECT_EQ(formSkin->Controls().ControlSkins().size(), count);
}

TEST_F(DispatchTest, Skin3rdNilLeavesAClassUnskinnedWhateverTheRules) {
  data->Skin3rd()->Add("TButton=nil");
  formSkin->Controls().AttachControlSkins();
  EXPECT_FALSE(Skinned(button));
  EXPECT_EQ(formSkin->Controls().FindControlSkin(button->Handle()), nullptr);
}

TEST_F(DispatchTest, Skin3rdLookupIgnoresCaseOnBothSides) {
  std::string kind;
  TStringList rows({"TComboboxex=ComboBox", "tbutton=MenuBtn"});
  ASSERT_TRUE(FindSkin3rdKind(rows, "TCOMBOBOXEX", kind));
  EXPECT_EQ(kind, "combobox");
  EXPECT_FALSE(FindSkin3rdKind(rows, "TCombobox", kind)) << "a prefix of the class is no match";
  data->Skin3rd()->Add("tBUTTON=MenuBtn");
  formSkin->Controls().AttachControlSkins();
  EXPECT_NE(dynamic_cast<TSkinMenuButton*>(formSkin->Controls().FindControlSkin(button->Handle())), nullptr);
}

TEST_F(DispatchTest, Skin3rdKindWithItsOptionOffEndsTheDispatch) {
  data->Skin3rd()->Add("TButton=speedbutton");
  data->SetSkinControls(data->SkinControls() & ~Bit(xcSpeedButton));
  formSkin->Controls().AttachControlSkins();
  EXPECT_FALSE(Skinned(button)) << "the class rule for push buttons is not tried";
  data->Skin3rd()->Clear();
  data->Skin3rd()->Add("TButton=nosuchkind");
  formSkin->Controls().AttachControlSkins();
  EXPECT_FALSE(Skinned(button));
}

TEST_F(DispatchTest, DisableTagSkipsTheControlAndAGroupHandsItDown) {
  button->SetTag(data->DisableTag());
  auto* group = Add<TTestRadioGroup>(250, 10, 120, 120);
  TButton* inner = TComponent::CreateIn<TButton>(form);
  inner->SetParent(group);
  inner->SetBounds(5, 5, 60, 25);
  group->SetTag(data->DisableTag());
  flush_events();
  formSkin->Controls().AttachControlSkins();
  EXPECT_FALSE(Skinned(button));
  EXPECT_EQ(inner->Tag(), data->DisableTag());
  EXPECT_FALSE(Skinned(inner));
}

TEST_F(DispatchTest, OnSkinControlDecidesAloneWhenAssigned) {
  int calls = 0;
  data->OnSkinControl = [&](TComponent*, TSkinData*, TComponent*, TComponent* control, const std::string& cls,
                            TComponent*& made) {
    ++calls;
    if (cls == "TEDIT") made = TComponent::CreateIn<TSkinButton>(control);
  };
  formSkin->Controls().AttachControlSkins();
  data->OnSkinControl = nullptr;
  EXPECT_GE(calls, 3);
  EXPECT_TRUE(Skinned(edit)) << "the handler's object is attached";
  EXPECT_FALSE(Skinned(button)) << "the rules are not run after the handler";
}

TEST(WindowTableTest, ButtonStylesAndClasses) {
  TSkinData& d = BuiltInSkin();
  EXPECT_EQ(DecideWindow("button", BS_PUSHBUTTON, d).skinClass, SkinClass::Button);
  EXPECT_EQ(DecideWindow("button", BS_DEFPUSHBUTTON, d).skinClass, SkinClass::Button);
  EXPECT_EQ(DecideWindow("button", BS_GROUPBOX, d).skinClass, SkinClass::GroupBox) << "dialogs' group boxes";
  EXPECT_EQ(DecideWindow("button", BS_OWNERDRAW, d).action, WindowAction::Nothing);
  EXPECT_EQ(DecideWindow("button", BS_PUSHBUTTON | BS_BITMAP, d).action, WindowAction::Nothing);
  // The low four bits are the button's kind, a value rather than flags.
  for (DWORD style : {BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE})
    EXPECT_EQ(DecideWindow("button", style | WS_TABSTOP, d).skinClass, SkinClass::CheckBox) << style;
  for (DWORD style : {BS_RADIOBUTTON, BS_AUTORADIOBUTTON})
    EXPECT_EQ(DecideWindow("button", style | WS_GROUP, d).skinClass, SkinClass::RadioButton) << style;
  for (DWORD style : {BS_USERBUTTON, BS_PUSHBOX})
    EXPECT_EQ(DecideWindow("button", style, d).skinClass, SkinClass::Button) << style;
  EXPECT_EQ(DecideWindow("combobox", CBS_SIMPLE, d).action, WindowAction::Nothing);
  EXPECT_EQ(DecideWindow("combobox", CBS_DROPDOWNLIST, d).skinClass, SkinClass::ComBox);
  EXPECT_EQ(DecideWindow("scrollbar", SBS_HORZ | WS_TABSTOP, d).skinClass, SkinClass::ScControl);
  EXPECT_EQ(DecideWindow("scrollbar", SBS_VERT, d).skinClass, SkinClass::ScControl) << "a bar, not a grip";
  EXPECT_EQ(DecideWindow("scrollbar", SBS_SIZEGRIP, d).skinClass, SkinClass::Sizer);
  EXPECT_EQ(DecideWindow("scrollbar", SBS_SIZEBOX, d).skinClass, SkinClass::Sizer);
  EXPECT_EQ(DecideWindow("listbox", WS_VSCROLL, d).skinClass, SkinClass::Scrollbar);
  EXPECT_EQ(DecideWindow("#32770", 0, d).action, WindowAction::WalkThenBoxH);
  EXPECT_EQ(DecideWindow("edit", 0, d).skinClass, SkinClass::Edit);
  EXPECT_EQ(DecideWindow("static", 0, d).action, WindowAction::Nothing);
}

TEST(WindowTableTest, CommonControlsOfDialogsFollowTheirOptions) {
  TSkinData& d = BuiltInSkin();
  const TSkinControlSet saved = d.SkinControls();
  EXPECT_EQ(DecideWindow("msctls_progress32", 0, d).skinClass, SkinClass::Progress);
  EXPECT_EQ(DecideWindow("msctls_trackbar32", 0, d).skinClass, SkinClass::TrackBar);
  EXPECT_EQ(DecideWindow("msctls_updown32", 0, d).skinClass, SkinClass::UpDown);
  EXPECT_EQ(DecideWindow("msctls_statusbar32", 0, d).skinClass, SkinClass::StatusBar);
  EXPECT_EQ(DecideWindow("tprogressbar", 0, d).skinClass, SkinClass::Progress);
  EXPECT_EQ(DecideWindow("syslistview32", LVS_REPORT, d).skinClass, SkinClass::ListView);
  EXPECT_EQ(DecideWindow("sysheader32", 0, d).skinClass, SkinClass::Header);
  d.SetSkinControls(saved & ~(Bit(xcProgress) | Bit(xcTrackBar) | Bit(xcSpin) | Bit(xcStatusBar) |
                              Bit(xcScrollbar) | Bit(xcPanel)));
  for (const char* cls : {"msctls_progress32", "msctls_trackbar32", "msctls_updown32", "msctls_statusbar32",
                          "syslistview32", "sysheader32", "listbox", "scrollbar"})
    EXPECT_EQ(DecideWindow(cls, 0, d).action, WindowAction::Nothing) << cls;
  EXPECT_EQ(DecideWindow("shelldll_defview", 0, d).action, WindowAction::WalkOnly)
      << "its list is walked still";
  d.SetSkinControls(saved);
}

TEST(WindowTableTest, AHostProgramsTreeViewsRichEditsAndRebarsTakeTheirNearestSkin) {
  TSkinData& d = BuiltInSkin();
  const TSkinControlSet saved = d.SkinControls();
  for (const char* cls : {"systreeview32", "richedit20w", "richedit20a", "richedit50w", "richedit"}) {
    EXPECT_EQ(DecideWindow(cls, WS_VSCROLL, d, WindowOrigin::HostProgram).skinClass, SkinClass::ForeignView)
        << cls;
    EXPECT_EQ(DecideWindow(cls, WS_VSCROLL, d).action, WindowAction::Nothing)
        << cls << " in a program of ours";
  }
  EXPECT_EQ(DecideWindow("rebarwindow32", 0, d, WindowOrigin::HostProgram).action,
            WindowAction::WalkThenBoxH);
  EXPECT_EQ(DecideWindow("rebarwindow32", 0, d).action, WindowAction::Nothing);
  EXPECT_EQ(DecideWindow("#32770", WS_TABSTOP, d, WindowOrigin::HostProgram).action,
            WindowAction::WalkThenBoxH)
      << "a property sheet's page";
  EXPECT_EQ(DecideWindow("#32770", WS_TABSTOP, d).action, WindowAction::Nothing);
  EXPECT_EQ(DecideWindow("edit", 0, d, WindowOrigin::HostProgram).skinClass, SkinClass::Edit)
      << "the other kinds as before";
  // A window of a class of the host's own is walked for the controls it holds; an unknown class
  // of the system's (an address control holding its own edits, say) is left whole.
  EXPECT_EQ(DecideWindow("regedit_childwnd", 0, d, WindowOrigin::HostProgramClass).action,
            WindowAction::WalkOnly);
  EXPECT_EQ(DecideWindow("sysipaddress32", 0, d, WindowOrigin::HostProgram).action, WindowAction::Nothing);
  EXPECT_EQ(DecideWindow("regedit_childwnd", 0, d).action, WindowAction::Nothing);
  EXPECT_EQ(DecideWindow("button", BS_OWNERDRAW, d, WindowOrigin::HostProgramClass).action,
            WindowAction::Nothing)
      << "a known kind keeps its row";
  d.SetSkinControls(saved & ~Bit(xcScrollbar));
  EXPECT_EQ(DecideWindow("systreeview32", WS_VSCROLL, d, WindowOrigin::HostProgram).action,
            WindowAction::Nothing)
      << "scrolled views follow the scroll-bar option";
  d.SetSkinControls(saved);
}

// A dialog window with one bare push button; records the commands it receives.
struct DialogRecorder {
  static inline std::vector<std::pair<WPARAM, LPARAM>> commands;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND) commands.emplace_back(wp, lp);
    return DefWindowProcW(w, m, wp, lp);
  }
};

TEST_F(DispatchTest, BareDialogButtonPostsItsCommandToTheParent) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const wchar_t* cls =
      testing_support::test_window_class(L"ControlsTestDialog", DialogRecorder::Proc, nullptr);
  fw::UniqueWindow dialog(CreateWindowExW(0, cls, L"Dialog", WS_POPUP | WS_VISIBLE, 60, 60, 200, 120, nullptr,
                                          nullptr, instance, nullptr));
  HWND ok = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 75, 25,
                            dialog.get(), reinterpret_cast<HMENU>(1234), instance, nullptr);
  ASSERT_NE(ok, nullptr);
  auto dialogSkin = TComponent::Make<TWinSkinForm>();
  dialogSkin->BindWindow(dialog.get(), "#32770", nullptr, data);
  dialogSkin->Controls().AttachControlSkins();  // no form: the child windows are walked
  TSkinControl* skin = dialogSkin->Controls().FindControlSkin(ok);
  ASSERT_NE(dynamic_cast<TSkinButton*>(skin), nullptr);
  EXPECT_EQ(skin->Owner(), dialogSkin.get());
  EXPECT_EQ(SendMessageW(ok, SKM_QUERYSKINNED, 0, 0), 1);
  flush_events(30);
  DialogRecorder::commands.clear();
  SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  flush_events(30);
  ASSERT_EQ(DialogRecorder::commands.size(), 1u);
  EXPECT_EQ(DialogRecorder::commands[0].first, 1234u);
  EXPECT_EQ(DialogRecorder::commands[0].second, reinterpret_cast<LPARAM>(ok));
  dialogSkin->Controls().ReleaseControlSkins(false);
  EXPECT_EQ(SendMessageW(ok, SKM_QUERYSKINNED, 0, 0), 0) << "the window procedure is back";
}

}  // namespace
}  // namespace quarnel
