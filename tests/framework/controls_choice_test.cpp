// The choice and container controls on one form read from its description: window classes,
// the properties read by name, real clicks reaching their events, pixels, and no leaks.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/controls/check_box.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_group.h"
#include "framework/core/text.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

using testing_support::flush_events;
using testing_support::wait_until;

namespace {

void RegisterClasses() {
  TCheckBox::StaticClass();
  TRadioButton::StaticClass();
  TGroupBox::StaticClass();
  TRadioGroup::StaticClass();
  TPanel::StaticClass();
}

std::string FormText() {
  std::ifstream in(testing_support::host_path(ALL_CONTROLS_FORM), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Presses and releases the left button over a point of a window, with real input.
void ClickAt(HWND wnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(wnd, &p);
  testing_support::move_mouse(p);
  flush_events(20);
  testing_support::mouse_left_button(true);
  flush_events(20);
  testing_support::mouse_left_button(false);
  flush_events(30);
}

class ChoiceControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClasses();
    Application()->Initialize();
    form = Application()->CreateForm<TForm>();
    ReadComponent(*form, FormText());
  }
  void TearDown() override {
    if (form) Application()->DestroyComponent(form);
  }
  template <class T>
  T* Find(const char* name) {
    auto* c = ObjectAs<T>(form->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  void ShowInFront() {
    form->Show();
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(wait_until([&] { return GetActiveWindow() == form->Handle(); }));
    flush_events(50);
  }
  TForm* form = nullptr;
};

std::wstring WindowClass(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

TEST_F(ChoiceControlsTest, EveryControlHasAWindowOfItsClassAndItsKind) {
  struct Row {
    const char* name;
    const char* kind;
  };
  const Row rows[] = {{"CheckBox1", "TCustomCheckBox"},
                      {"RadioButton1", "TRadioButton"},
                      {"GroupBox1", "TCustomGroupBox"},
                      {"RadioGroup1", "TCustomRadioGroup"},
                      {"Panel1", "TCustomPanel"}};
  for (const Row& row : rows) {
    auto* control = Find<TWinControl>(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->InheritsFrom(row.kind)) << row.name;
    EXPECT_EQ(WindowClass(control->Handle()), fw::ToWide(control->ClassName())) << row.name;
    EXPECT_EQ(TWinControl::FindControl(control->Handle()), control);
  }
  // Chinese captions reach the windows as wide text.
  wchar_t text[32];
  GetWindowTextW(Find<TWinControl>("CheckBox1")->Handle(), text, 32);
  EXPECT_STREQ(text, L"\u590D\u9009\u6846");
  // The radio group's buttons are its child controls, one per item.
  auto* group = Find<TRadioGroup>("RadioGroup1");
  ASSERT_EQ(group->ControlCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(group->Controls(i), group->Buttons(i));
    EXPECT_EQ(GetParent(group->Buttons(i)->Handle()), group->Handle());
  }
  EXPECT_EQ(group->Buttons(1)->Caption(), "Second");
  EXPECT_EQ(group->ItemIndex(), 1);  // given before the items in the description
  EXPECT_EQ(SendMessageW(group->Buttons(1)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  // Two columns: the third button starts the second column.
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
}

TEST_F(ChoiceControlsTest, PropertiesReadByNameRoundTrip) {
  auto* check = Find<TCheckBox>("CheckBox1");
  form->Show();
  const TPropInfo* state = GetPropInfo(*check, "State");
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(GetEnumProp(*check, *state), "cbGrayed");  // from the description
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_TRUE(SetEnumProp(*check, *state, "cbChecked"));
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetOrdPropByName(*check, "Checked"), 1);
  EXPECT_TRUE(SetOrdPropByName(*check, "Checked", 0));
  EXPECT_EQ(GetEnumProp(*check, *state), "cbUnchecked");

  auto* radio2 = Find<TRadioButton>("RadioButton2");
  auto* radio1 = Find<TRadioButton>("RadioButton1");
  EXPECT_EQ(GetOrdPropByName(*radio1, "Checked"), 1);
  EXPECT_TRUE(SetOrdPropByName(*radio2, "Checked", 1));
  EXPECT_EQ(GetOrdPropByName(*radio1, "Checked"), 0) << "siblings uncheck";
  EXPECT_EQ(SendMessageW(radio1->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  // Caption and colour as the container skins set and restore them.
  auto* panel = Find<TPanel>("Panel1");
  EXPECT_EQ(GetStrPropByName(*panel, "Caption"), "\xC3\xE6\xB0\xE5");
  EXPECT_TRUE(SetStrPropByName(*panel, "Caption", "Skinned"));
  EXPECT_EQ(GetStrPropByName(*panel, "Caption"), "Skinned");
  for (const char* name : {"Panel1", "GroupBox1", "RadioGroup1"}) {
    TObject* c = form->FindComponent(name);
    const TPropInfo* pb = GetPropInfo(*c, "ParentBackground");
    ASSERT_NE(pb, nullptr) << name;
    EXPECT_TRUE(SetEnumProp(*c, *pb, "True"));
    EXPECT_EQ(GetEnumProp(*c, *pb), "True");
    EXPECT_TRUE(SetEnumProp(*c, *pb, "False"));
    EXPECT_TRUE(SetOrdPropByName(*c, "Color", clRed));
    EXPECT_EQ(GetOrdPropByName(*c, "Color"), clRed);
  }
  auto* group = Find<TRadioGroup>("RadioGroup1");
  EXPECT_TRUE(SetOrdPropByName(*group, "ItemIndex", 2));
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_TRUE(SetOrdPropByName(*group, "Columns", 3));
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
}

TEST_F(ChoiceControlsTest, ClicksToggleCheckBoxesAndMoveTheRadioSelection) {
  ShowInFront();
  auto* check = Find<TCheckBox>("CheckBox1");
  int clicks = 0;
  check->OnClick.code = [&](TObject*) { ++clicks; };
  // Grayed (from the description) -> unchecked -> checked -> grayed.
  const int expected[] = {cbUnchecked, cbChecked, cbGrayed};
  for (int state : expected) {
    ClickAt(check->Handle(), 6, check->Height() / 2);
    EXPECT_TRUE(wait_until([&] { return check->State() == state; }, 2000)) << state;
  }
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);

  auto* group = Find<TRadioGroup>("RadioGroup1");
  int groupClicks = 0;
  group->OnClick.code = [&](TObject*) { ++groupClicks; };
  TRadioButton* first = group->Buttons(0);
  ClickAt(first->Handle(), 6, first->Height() / 2);
  ASSERT_TRUE(wait_until([&] { return group->ItemIndex() == 0; }, 2000));
  EXPECT_EQ(groupClicks, 1);
  int checkedCount = 0;
  for (int i = 0; i < group->ButtonCount(); ++i)
    checkedCount += SendMessageW(group->Buttons(i)->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  EXPECT_EQ(checkedCount, 1);
  // Items changed later rebuild the buttons; a selection past the end moves to the last one.
  group->SetItemIndex(2);
  group->Items()->Delete(0);
  ASSERT_EQ(group->ButtonCount(), 2);
  EXPECT_EQ(group->Buttons(0)->Caption(), "Second");
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
}

TEST_F(ChoiceControlsTest, PanelDrawsBevelsColourAndCaption) {
  auto* panel = Find<TPanel>("Panel1");
  panel->SetColor(clRed);
  ShowInFront();
  HWND wnd = panel->Handle();
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  const int w = panel->Width(), h = panel->Height();
  // Outer raised bevel (2 wide), inner lowered one, then the colour.
  EXPECT_EQ(testing_support::window_pixel(wnd, 0, 0), light);
  EXPECT_EQ(testing_support::window_pixel(wnd, 1, 5), light);
  EXPECT_EQ(testing_support::window_pixel(wnd, w - 1, h - 1), dark);
  EXPECT_EQ(testing_support::window_pixel(wnd, 2, 5), dark);
  EXPECT_EQ(testing_support::window_pixel(wnd, 5, 5), RGB(255, 0, 0));
  // The caption is drawn in the middle: some pixel there is not the panel's colour.
  testing_support::Capture c = testing_support::capture_window(wnd);
  int text = 0;
  for (int y = h / 2 - 6; y < h / 2 + 6; ++y)
    for (int x = w / 2 - 12; x < w / 2 + 12; ++x) text += c.at(x, y) != RGB(255, 0, 0);
  EXPECT_GT(text, 10);
  // With the parent's background the form's colour shows instead.
  panel->SetParentBackground(true);
  panel->Repaint();
  EXPECT_EQ(testing_support::window_pixel(wnd, 5, 5), ColorToRGB(form->Color()));
}

TEST_F(ChoiceControlsTest, ScreenshotOfTheForm) {
  ShowInFront();
  flush_events(100);
  testing_support::Capture c = testing_support::capture_window(form->Handle());
  EXPECT_TRUE(
      testing_support::save_bmp(c, testing_support::host_path(QUARNEL_SHOTS "/all_controls_choice.bmp")));
}

TEST_F(ChoiceControlsTest, DestroyingTheFormLeavesNothingBehind) {
  ShowInFront();
  Application()->DestroyComponent(form);
  form = nullptr;
  flush_events();
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 5; ++i) {
    auto* f = Application()->CreateForm<TForm>();
    ReadComponent(*f, FormText());
    f->Show();
    flush_events(20);
    HWND wnd = f->Handle();
    HWND child = ObjectAs<TWinControl>(f->FindComponent("RadioGroup1"))->Handle();
    Application()->DestroyComponent(f);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(IsWindow(child));
  }
  flush_events();
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user);
}

}  // namespace
