// The choice and container controls driven by real input: clicks and keys reach each control's
// event and change what it shows.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/framework/controls_choice_fixture.h"

using choice_test::ChoiceControlsTest;
using choice_test::ClickAt;
using choice_test::PressKey;
using testing_support::flush_events;
using testing_support::wait_until;

namespace {

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

TEST_F(ChoiceControlsTest, ComboSelectionByMouseFiresItsEvents) {
  ShowInFront();
  auto* combo = Find<TComboBox>("ComboBox2");
  std::vector<std::string> events;
  combo->OnDropDown.code = [&](TObject*) { events.push_back("dropdown"); };
  combo->OnSelect.code = [&](TObject*) { events.push_back("select:" + combo->Text()); };
  combo->OnChange.code = [&](TObject*) { events.push_back("change"); };
  combo->OnCloseUp.code = [&](TObject*) { events.push_back("closeup"); };
  ClickAt(combo->Handle(), combo->Width() - 8, combo->Height() / 2);
  ASSERT_TRUE(wait_until([&] { return combo->DroppedDown(); }, 2000));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  const int itemHeight = static_cast<int>(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
  ClickAt(info.hwndList, 10, itemHeight * 2 + itemHeight / 2);  // "Three"
  ASSERT_TRUE(wait_until([&] { return !combo->DroppedDown() && combo->ItemIndex() == 2; }, 2000));
  flush_events(50);
  EXPECT_EQ(combo->Text(), "Three");
  // The order the system notifies in: the list closes before the selection is reported.
  const std::vector<std::string> expected{"dropdown", "closeup", "select:Three", "change"};
  std::vector<std::string> seen = events;
  seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
  EXPECT_EQ(seen, expected);
}

TEST_F(ChoiceControlsTest, KeysMoveTheExtendedComboAndTheCalendarPicksADate) {
  ShowInFront();
  auto* ex = Find<TComboBoxEx>("ComboBoxEx1");
  int changes = 0;
  ex->OnChange.code = [&](TObject*) { ++changes; };
  ex->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_TRUE(wait_until([&] { return ex->ItemIndex() == 1; }, 2000));
  EXPECT_GE(changes, 1);
  EXPECT_EQ(ex->Text(), "Extended two");

  // The date picker's arrow drops its calendar down; a day clicked there is the new date.
  auto* date = Find<TDateTimePicker>("DateTimePicker1");
  std::vector<std::string> events;
  date->OnDropDown.code = [&](TObject*) { events.push_back("dropdown"); };
  date->OnChange.code = [&](TObject*) { events.push_back("change"); };
  date->OnCloseUp.code = [&](TObject*) { events.push_back("closeup"); };
  ClickAt(date->Handle(), date->ClientWidth() - 6, date->ClientHeight() / 2);
  ASSERT_TRUE(wait_until([&] { return date->DroppedDown(); }, 2000));
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(date->Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  RECT r;
  GetClientRect(calendar, &r);
  ClickAt(calendar, r.right / 2, r.bottom * 3 / 4);  // a day in the last weeks of the month
  ASSERT_TRUE(wait_until([&] { return !date->DroppedDown(); }, 2000));
  EXPECT_NE(date->Date(), 46364);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "dropdown");
  EXPECT_NE(std::find(events.begin(), events.end(), "change"), events.end());
  EXPECT_EQ(events.back(), "closeup");
}

TEST_F(ChoiceControlsTest, UpDownAndSpinButtonsStepTheirValues) {
  ShowInFront();
  auto* upDown = Find<TUpDown>("UpDown1");
  auto* buddy = Find<TEdit>("UpDownBuddy");
  int upDownClicks = 0;
  upDown->OnClick.code = [&](TObject*) { ++upDownClicks; };
  EXPECT_EQ(buddy->Text(), "5");
  ClickAt(upDown->Handle(), upDown->Width() / 2, upDown->Height() / 4);
  EXPECT_TRUE(wait_until([&] { return upDown->Position() == 6; }, 2000));
  EXPECT_EQ(buddy->Text(), "6");
  EXPECT_EQ(upDownClicks, 1);

  auto* spin = Find<TSpinEdit>("SpinEdit1");
  int spinChanges = 0;
  spin->OnChange.code = [&](TObject*) { ++spinChanges; };
  HWND button = spin->Button()->Handle();
  RECT r;
  GetClientRect(button, &r);
  ClickAt(button, r.right / 2, r.bottom / 4);
  EXPECT_TRUE(wait_until([&] { return spin->Value() == 15; }, 2000));
  ClickAt(button, r.right / 2, r.bottom * 3 / 4);
  ClickAt(button, r.right / 2, r.bottom * 3 / 4);
  EXPECT_TRUE(wait_until([&] { return spin->Value() == 5; }, 2000));
  EXPECT_GE(spinChanges, 3);
  EXPECT_TRUE(spin->Focused()) << "a press gives the edit the focus";

  auto* spinButton = Find<TSpinButton>("SpinButton1");
  int ups = 0, downs = 0;
  spinButton->OnUpClick.code = [&](TObject*) { ++ups; };
  spinButton->OnDownClick.code = [&](TObject*) { ++downs; };
  ClickAt(spinButton->Handle(), spinButton->Width() / 2, 4);
  ClickAt(spinButton->Handle(), spinButton->Width() / 2, spinButton->Height() - 4);
  ClickAt(spinButton->Handle(), spinButton->Width() / 2, spinButton->Height() - 4);
  EXPECT_TRUE(wait_until([&] { return ups == 1 && downs == 2; }, 2000)) << ups << " " << downs;
}

TEST_F(ChoiceControlsTest, ScrollBoxScrollsItsChildrenFromItsBar) {
  ShowInFront();
  auto* box = Find<TScrollBox>("ScrollBox1");
  auto* child = Find<TCheckBox>("ScrollCheck");
  ASSERT_TRUE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_FALSE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_HSCROLL);
  // The lower arrow of the vertical bar, at the bottom right inside the border.
  RECT window, client;
  GetWindowRect(box->Handle(), &window);
  GetClientRect(box->Handle(), &client);
  const int border = (window.bottom - window.top - client.bottom) / 2;
  POINT arrow{window.right - border - GetSystemMetrics(SM_CXVSCROLL) / 2,
              window.bottom - border - GetSystemMetrics(SM_CYVSCROLL) / 2};
  ScreenToClient(box->Handle(), &arrow);
  // The system's scroll loop holds the press: the button is let go from a timer inside it.
  choice_test::ClickHoldingAt(box->Handle(), arrow.x, arrow.y);
  ASSERT_TRUE(wait_until([&] { return box->VertScrollBar()->Position() > 0; }, 2000));
  const int scrolled = box->VertScrollBar()->Position();
  EXPECT_EQ(scrolled % 10, 0) << "whole increments";
  EXPECT_EQ(child->Top(), 120 - scrolled);
  RECT childRect;
  GetWindowRect(child->Handle(), &childRect);
  MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&childRect), 2);
  EXPECT_EQ(childRect.top, 120 - scrolled);
  box->ScrollInView(child);
  EXPECT_LE(child->Top() + child->Height(), box->ClientHeight());
  EXPECT_GE(child->Top(), 0);
}

TEST_F(ChoiceControlsTest, TypingInTheRichEditChangesItsText) {
  ShowInFront();
  auto* rich = Find<TRichEdit>("RichEdit1");
  int changes = 0;
  rich->OnChange.code = [&](TObject*) { ++changes; };
  ClickAt(rich->Handle(), 5, 5);
  ASSERT_TRUE(wait_until([&] { return rich->Focused(); }, 2000));
  PressKey('Q');
  EXPECT_TRUE(wait_until([&] { return changes > 0; }, 2000));
  EXPECT_NE(rich->Text().find('q'), std::string::npos) << rich->Text();
  EXPECT_EQ(rich->Lines()->Count(), 2);
}

TEST_F(ChoiceControlsTest, OwnerDrawnComboPaintsItsItemsThroughTheEvent) {
  auto* combo = Find<TComboBox>("ComboBox4");
  std::vector<int> drawn;
  combo->OnDrawItem = [&](TObject*, int index, const RECT& rect, UINT) {
    drawn.push_back(index);
    combo->Canvas()->Brush().SetColor(RGB(0, 160, 0));
    combo->Canvas()->FillRect(rect);
  };
  ShowInFront();
  combo->Repaint();
  ASSERT_TRUE(wait_until([&] { return !drawn.empty(); }, 2000));
  EXPECT_EQ(drawn.back(), 1);  // the selected item in the edit part
  EXPECT_EQ(testing_support::window_pixel(combo->Handle(), 6, combo->ClientHeight() / 2), RGB(0, 160, 0));
}

}  // namespace
