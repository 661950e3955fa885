// The choice and container controls on one form read from its description: window classes,
// the properties read by name, pixels, a screenshot, and no leaks.
#include "framework/core/text.h"
#include "tests/framework/controls_choice_fixture.h"

using choice_test::ChoiceControlsTest;
using choice_test::FormText;
using choice_test::WindowClass;
using testing_support::flush_events;
using testing_support::wait_until;

namespace {

TEST_F(ChoiceControlsTest, EveryControlHasAWindowOfItsClassAndItsKind) {
  struct Row {
    const char* name;
    const char* kind;
  };
  // The kinds are the classes the skin engine's control dispatch tests.
  const Row rows[] = {{"CheckBox1", "TCustomCheckBox"},
                      {"RadioButton1", "TRadioButton"},
                      {"GroupBox1", "TCustomGroupBox"},
                      {"RadioGroup1", "TCustomRadioGroup"},
                      {"Panel1", "TCustomPanel"},
                      {"ScrollBox1", "TScrollingWinControl"},
                      {"ComboBox1", "TCustomComboBox"},
                      {"ComboBox4", "TCustomComboBox"},
                      {"ComboBoxEx1", "TCustomComboBoxEx"},
                      {"UpDown1", "TCustomUpDown"},
                      {"SpinButton1", "TSpinButton"},
                      {"SpinEdit1", "TCustomEdit"},
                      {"DateTimePicker1", "TDateTimePicker"},
                      {"RichEdit1", "TCustomMemo"}};
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
  // The spin edit's button is a child window of the edit, found by its class as an up-down.
  auto* spin = Find<TSpinEdit>("SpinEdit1");
  HWND button = GetWindow(spin->Handle(), GW_CHILD);
  EXPECT_EQ(WindowClass(button), L"TSpinButton");
  EXPECT_EQ(button, spin->Button()->Handle());
  // A drop-down combo keeps its own height: the list's room below it is not part of the control.
  for (const char* name : {"ComboBox1", "ComboBox2", "ComboBoxEx1"}) {
    auto* combo = Find<TCustomCombo>(name);
    RECT r;
    GetWindowRect(combo->Handle(), &r);
    EXPECT_LT(combo->Height(), 30) << name;
    EXPECT_EQ(r.bottom - r.top, combo->Height()) << name;
    combo->SetBounds(combo->Left(), combo->Top(), combo->Width(), combo->Height());
    EXPECT_LT(combo->Height(), 30) << name;
  }
  // A combo box and the rich edit show their Chinese texts.
  GetWindowTextW(Find<TWinControl>("ComboBox1")->Handle(), text, 32);
  EXPECT_STREQ(text, L"\u7EC4\u5408\u6846");
  EXPECT_EQ(Find<TRichEdit>("RichEdit1")->Lines()->Get(0), "\xB7\xE1\xB8\xBB\xCE\xC4\xB1\xBE");
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

  // Combo boxes: the list-only one picks the item whose text is set.
  auto* list = Find<TComboBox>("ComboBox2");
  EXPECT_EQ(GetStrPropByName(*list, "Text"), "One");
  EXPECT_TRUE(SetStrPropByName(*list, "Text", "Three"));
  EXPECT_EQ(GetOrdPropByName(*list, "ItemIndex"), 2);
  EXPECT_EQ(SendMessageW(list->Handle(), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(GetEnumProp(*list, *GetPropInfo(*list, "Style")), "csDropDownList");
  // A new style makes the window again with the items and the selection.
  EXPECT_TRUE(SetOrdPropByName(*list, "Style", csDropDown));
  EXPECT_EQ(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & 3, CBS_DROPDOWN);
  EXPECT_EQ(list->Items()->Count(), 4);
  EXPECT_EQ(list->Text(), "Three");
  auto* ex = Find<TComboBoxEx>("ComboBoxEx1");
  EXPECT_EQ(GetStrPropByName(*ex, "Text"), "Extended one");
  EXPECT_TRUE(SetOrdPropByName(*ex, "ItemIndex", 1));
  EXPECT_EQ(ex->Text(), "Extended two");

  // The date-time picker's two mode settings, as the dispatch reads them.
  auto* date = Find<TDateTimePicker>("DateTimePicker1");
  auto* time = Find<TDateTimePicker>("DateTimePicker2");
  EXPECT_EQ(GetOrdPropByName(*date, "Kind"), dtkDate);
  EXPECT_EQ(GetOrdPropByName(*date, "DateMode"), dmComboBox);
  EXPECT_EQ(GetOrdPropByName(*time, "Kind"), dtkTime);
  EXPECT_EQ(GetOrdPropByName(*date, "Date"), 46364);
  SYSTEMTIME st{};
  SendMessageW(date->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
  EXPECT_EQ(st.wYear, 2026);
  EXPECT_EQ(st.wMonth, 12);
  EXPECT_EQ(st.wDay, 8);
  EXPECT_TRUE(SetOrdPropByName(*date, "DateMode", dmUpDown));
  EXPECT_TRUE(GetWindowLongPtrW(date->Handle(), GWL_STYLE) & DTS_UPDOWN);
  EXPECT_EQ(date->Date(), 46364);

  // Up-down: associate and position; the buddy shows the position.
  auto* upDown = Find<TUpDown>("UpDown1");
  EXPECT_EQ(GetObjectPropByName(*upDown, "Associate"), form->FindComponent("UpDownBuddy"));
  EXPECT_TRUE(SetOrdPropByName(*upDown, "Position", 7));
  EXPECT_EQ(Find<TEdit>("UpDownBuddy")->Text(), "7");
  EXPECT_TRUE(SetOrdPropByName(*upDown, "Position", 70));
  EXPECT_EQ(upDown->Position(), 10) << "kept in range";
  auto* spin = Find<TSpinEdit>("SpinEdit1");
  EXPECT_EQ(GetOrdPropByName(*spin, "Value"), 10);
  EXPECT_TRUE(SetOrdPropByName(*spin, "Value", 500));
  EXPECT_EQ(spin->Text(), "100");

  // Borders of the scrolled controls, read by name as enumeration names.
  for (const char* name : {"ScrollBox1", "RichEdit1"}) {
    TObject* c = form->FindComponent(name);
    const TPropInfo* border = GetPropInfo(*c, "BorderStyle");
    ASSERT_NE(border, nullptr) << name;
    EXPECT_EQ(GetEnumProp(*c, *border), "bsSingle") << name;
  }
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
