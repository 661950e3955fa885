// Edits, spin edits, combo boxes and date pickers skinned: which skin each gets, the border and
// button pixels per state, the button lit only under the pointer, a drop-down list scrolled with
// a skinned bar, the picker's skinned arrow opening the calendar, the system's look with the skin
// off, and no leaks over repaints.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include "framework/controls/combo_box.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/spin_edit.h"
#include "framework/ui/memo.h"
#include "range_test_support.h"
#include "skin/controls/combox_scrollbar.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_range.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_messages.h"

namespace quarnel::rangetest {
namespace {

using testing_support::mouse_left_button;
using testing_support::move_mouse;
using testing_support::wait_until;

COLORREF Shadow(TSkinData& data) {
  return ResolveSkinColor(data.Colors[scButtonShadow]);
}

// The combo window's button area shows ComboButton's frame 4 (lit) wherever the frame is not
// transparent.
void ExpectLitComboButton(TSkinData& data, HWND combo, const RECT& button) {
  const Capture lit = testing_support::capture_window(combo);
  TBitmap reference(lit.width, lit.height, pf32bit);
  DrawSkinFrameStretched(reference.DC(), button, data.ComboButton->Image, false, 4, 4);
  int same = 0, compared = 0;
  for (int y = button.top; y < button.bottom; ++y)
    for (int x = button.left; x < button.right; ++x)
      if (reference.PixelAt(x, y) != 0xFF00FF) ++compared, same += lit.at(x, y) == reference.PixelAt(x, y);
  EXPECT_GT(compared, 20);
  EXPECT_EQ(same, compared);
}

TEST_F(RangeSkinTest, EachTextKindGetsItsSkin) {
  SkinControls();
  EXPECT_NE(SkinOf<TSkinEdit>("Edit1"), nullptr);
  auto* spin = SkinOf<TSkinEdit>("Spin1");
  ASSERT_NE(spin, nullptr);
  ASSERT_NE(spin->UpDown(), nullptr) << "the spin button is skinned as the edit's up-down";
  EXPECT_TRUE(spin->UpDown()->BelongsToEdit());
  auto* drop = SkinOf<TSkinComBox>("ComboList");
  ASSERT_NE(drop, nullptr);
  EXPECT_NE(dynamic_cast<TComboxScrollBar*>(drop->ListSkin()), nullptr);
  auto* simple = SkinOf<TSkinComBox>("ComboSimple");
  ASSERT_NE(simple, nullptr);
  EXPECT_NE(dynamic_cast<TSkinScrollbarH*>(simple->ListSkin()), nullptr);
  auto* picker = SkinOf<TSkinDateTime>("DateDrop");
  ASSERT_NE(picker, nullptr);
  EXPECT_NE(picker->Arrow(), nullptr);
  auto* upDownPicker = SkinOf<TSkinEdit>("DateUpDown");
  ASSERT_NE(upDownPicker, nullptr) << "a picker in up-down mode is an edit";
  EXPECT_NE(upDownPicker->UpDown(), nullptr);
  SaveShot(form->Handle(), "text_form.bmp");
}

TEST_F(RangeSkinTest, EditBorderIsShadowThenWhiteAndNoBorderGetsNone) {
  SkinControls();
  const Capture edit = Shot(Window("Edit1"));
  EXPECT_EQ(edit.at(0, 0), Shadow(*data));
  EXPECT_EQ(edit.at(edit.width - 1, edit.height / 2), Shadow(*data));
  EXPECT_EQ(edit.at(1, edit.height / 2), 0xFFFFFFu);
  EXPECT_EQ(edit.at(2, 2), 0xFFFFFFu);
  Find<TWinControl>("Edit1")->SetEnabled(false);
  EXPECT_EQ(Shot(Window("Edit1")).at(0, 0), Shadow(*data)) << "disabled keeps the border";

  // A bare edit window without a border, as a dialog holds it.
  HWND flat = CreateWindowExW(0, L"EDIT", L"flat", WS_CHILD | WS_VISIBLE, 10, 200, 100, 20, form->Handle(),
                              nullptr, nullptr, nullptr);
  Settle();
  const Capture system = Shot(flat);
  TControlWalker(formSkin->Controls()).DispatchWindow(flat);
  ASSERT_NE(dynamic_cast<TSkinEdit*>(formSkin->Controls().FindControlSkin(flat)), nullptr);
  EXPECT_EQ(Differences(Shot(flat), system), 0) << "an edit without a border gets none";
  HWND framed = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"framed", WS_CHILD | WS_VISIBLE, 10, 225, 100, 22,
                                form->Handle(), nullptr, nullptr, nullptr);
  TControlWalker(formSkin->Controls()).DispatchWindow(framed);
  const Capture bare = Shot(framed);
  EXPECT_EQ(bare.at(0, 0), Shadow(*data)) << "a bare edit with a border gets the skin's";
  EXPECT_EQ(bare.at(2, 2), 0xFFFFFFu);
  formSkin->Controls().ReleaseControlSkins(false);
  DestroyWindow(flat);
  DestroyWindow(framed);
}

// The skin's border is drawn in place of the system's; its inner white ring lies on the client's
// outermost pixels, which the edit paints in its own colour.
TEST_F(RangeSkinTest, EditKeepsItsInnerWhiteRingWhateverItsColour) {
  SkinControls();
  // `inside`: the edit's own colour, or 0 for any colour but white.
  auto expectRing = [&](HWND w, COLORREF inside) {
    for (const Capture& c : {Shot(w), (InvalidateRect(w, nullptr, TRUE), UpdateWindow(w), flush_events(20),
                                       testing_support::capture_window(w))}) {
      EXPECT_EQ(c.at(0, c.height / 2), Shadow(*data));
      int notWhite = 0;
      for (int x = 2; x < c.width - 2; ++x)
        notWhite += (c.at(x, 2) != 0xFFFFFFu) + (c.at(x, c.height - 3) != 0xFFFFFFu);
      for (int y = 2; y < c.height - 2; ++y)
        notWhite += (c.at(2, y) != 0xFFFFFFu) + (c.at(c.width - 3, y) != 0xFFFFFFu);
      EXPECT_EQ(notWhite, 0) << "the inner ring is whole";
      const COLORREF own = c.at(c.width - 5, 4);
      if (inside)
        EXPECT_EQ(own, inside) << "the edit painted its own colour inside";
      else
        EXPECT_NE(own, 0xFFFFFFu) << "the edit painted a colour of its own inside";
    }
  };
  {
    SCOPED_TRACE("coloured");
    Find<TEdit>("Edit1")->SetColor(clYellow);
    expectRing(Window("Edit1"), 0x00FFFFu);
  }
  {
    SCOPED_TRACE("a dialog's read-only edit");
    HWND readOnly =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"read only", WS_CHILD | WS_VISIBLE | ES_READONLY, 10, 225,
                        100, 22, form->Handle(), nullptr, nullptr, nullptr);
    TControlWalker(formSkin->Controls()).DispatchWindow(readOnly);
    ASSERT_NE(dynamic_cast<TSkinEdit*>(formSkin->Controls().FindControlSkin(readOnly)), nullptr);
    expectRing(readOnly, 0);
    SaveShot(readOnly, "edit_read_only.bmp");
    formSkin->Controls().ReleaseControlSkins(false);
    DestroyWindow(readOnly);
  }
}

TEST_F(RangeSkinTest, ComboButtonLightsOnlyOverTheButtonAndOpensItsList) {
  SkinControls();
  HWND combo = Window("ComboList");
  auto* skin = SkinOf<TSkinComBox>("ComboList");
  ASSERT_NE(skin, nullptr);
  Shot(combo);
  EXPECT_EQ(skin->LastFrame(), 1);
  const RECT button = skin->ButtonRect();
  ASSERT_GT(button.right - button.left, 4);
  move_mouse(ScreenPoint(combo, 10, 10));
  Settle(80);
  EXPECT_EQ(skin->LastFrame(), 1) << "the text part does not light the button";
  move_mouse(ScreenPoint(combo, (button.left + button.right) / 2, (button.top + button.bottom) / 2));
  ASSERT_TRUE(wait_until([&] { return skin->LastFrame() == 4; })) << skin->LastFrame();
  // The lit button is ComboButton's frame 4.
  ExpectLitComboButton(*data, combo, button);
  SaveShot(combo, "combo_hot.bmp");

  mouse_left_button(true);
  Settle(30);
  mouse_left_button(false);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  EXPECT_TRUE(wait_until([&] { return skin->LastFrame() == 2; })) << "an open list keeps the button down";
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_TRUE(
      wait_until([&] { return !skin->DroppedDown() && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
  move_mouse(POINT{0, 0});
  Find<TWinControl>("Edit1")->SetFocus();
  ASSERT_TRUE(wait_until([&] { return Shot(combo), skin->LastFrame() == 1; }));
  Find<TWinControl>("ComboList")->SetEnabled(false);
  Shot(combo);
  EXPECT_EQ(skin->LastFrame(), 3);
}

// A paint with the frame draws the button once, after the combo's own paint: whole, client-only
// and partial repaints must all leave the same skinned pixels.
TEST_F(RangeSkinTest, ComboLooksTheSameAfterWholeClientAndPartialRepaints) {
  SkinControls();
  for (const char* name : {"ComboList", "ComboDrop"}) {
    SCOPED_TRACE(name);
    HWND combo = Window(name);
    ASSERT_NE(combo, nullptr);
    const Capture whole = Shot(combo);
    EXPECT_GT(Differences(whole, ShotWithSkinOff(combo)), 20) << "the skin draws the button";
    auto repaint = [combo](const RECT* part, UINT flags) {
      RedrawWindow(combo, part, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | flags);
      flush_events(20);
      return testing_support::capture_window(combo);
    };
    RECT left{};
    GetClientRect(combo, &left);
    left.right /= 2;
    EXPECT_EQ(Differences(whole, repaint(nullptr, 0)), 0) << "client only";
    EXPECT_EQ(Differences(whole, repaint(&left, RDW_FRAME)), 0) << "the left half with the frame";
    EXPECT_EQ(Differences(whole, repaint(nullptr, RDW_FRAME)), 0) << "whole again";
  }
}

TEST_F(RangeSkinTest, DropDownListScrollsWithASkinnedBar) {
  SkinControls();
  HWND combo = Window("ComboList");
  auto* skin = SkinOf<TSkinComBox>("ComboList");
  ASSERT_NE(skin, nullptr);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  ASSERT_TRUE(wait_until([&] { return IsWindowVisible(info.hwndList) != FALSE; }));
  ASSERT_EQ(skin->ListSkin()->Window(), info.hwndList);
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(info.hwndList, OBJID_VSCROLL, &bar));
  RECT list{};
  GetWindowRect(info.hwndList, &list);
  const RECT barRect{bar.rcScrollBar.left - list.left, bar.rcScrollBar.top - list.top,
                     bar.rcScrollBar.right - list.left, bar.rcScrollBar.bottom - list.top};
  auto barPixels = [&](const Capture& c) {
    std::vector<COLORREF> out;
    for (int y = barRect.top; y < barRect.bottom; ++y)
      for (int x = barRect.left; x < barRect.right; ++x) out.push_back(c.at(x, y));
    return out;
  };
  const auto skinnedTop = barPixels(Shot(info.hwndList));
  EXPECT_EQ(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0), 0);
  for (int i = 0; i < 3; ++i) SendMessageW(info.hwndList, WM_VSCROLL, SB_LINEDOWN, 0);
  Settle();
  EXPECT_EQ(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0), 3);
  const auto skinnedScrolled = barPixels(testing_support::capture_window(info.hwndList));
  EXPECT_NE(skinnedTop, skinnedScrolled) << "the skinned thumb moved";
  SaveShot(info.hwndList, "combo_list_scrolled.bmp");
  SendMessageW(info.hwndList, SKM_ENABLESKIN, 0, 0);
  const auto system = barPixels(Shot(info.hwndList));
  SendMessageW(info.hwndList, SKM_ENABLESKIN, 1, 0);
  EXPECT_NE(system, skinnedScrolled) << "the bar is the skin's, not the system's";
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(info.hwndList); }));
}

TEST_F(RangeSkinTest, PickersSkinnedArrowOpensTheCalendar) {
  SkinControls();
  HWND picker = Window("DateDrop");
  auto* skin = SkinOf<TSkinDateTime>("DateDrop");
  ASSERT_NE(skin, nullptr);
  TArrowButton* arrow = skin->Arrow();
  ASSERT_NE(arrow, nullptr);
  Shot(picker);
  EXPECT_EQ(arrow->LastFrame(), 1);
  move_mouse(ScreenPoint(arrow->Handle(), arrow->Width() / 2, arrow->Height() / 2));
  ASSERT_TRUE(wait_until([&] { return arrow->LastFrame() == 4; })) << "hot";
  auto calendarShown = [&] {
    auto calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    return calendar && IsWindowVisible(calendar);
  };
  EXPECT_FALSE(calendarShown());
  mouse_left_button(true);
  Settle(30);
  mouse_left_button(false);
  ASSERT_TRUE(wait_until(calendarShown)) << "calendar open";
  SaveShot(form->Handle(), "date_calendar_open.bmp");
  PostMessageW(reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0)), WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageW(picker, WM_KEYDOWN, VK_ESCAPE, 0);
  Settle(100);
}

TEST_F(RangeSkinTest, SpinEditButtonsStepTheValueAndLeaveTheBorder) {
  SkinControls();
  auto* spin = Find<TSpinEdit>("Spin1");
  auto* skin = SkinOf<TSkinEdit>("Spin1");
  ASSERT_NE(skin, nullptr);
  const Capture shown = Shot(spin->Handle());
  ASSERT_NE(skin->UpDown(), nullptr);
  EXPECT_EQ(shown.at(shown.width - 1, shown.height / 2), Shadow(*data)) << "the edit's border stays visible";
  EXPECT_EQ(shown.at(shown.width - 2, shown.height / 2), 0xFFFFFFu);
  HWND button = skin->UpDown()->Window();
  RECT r{};
  GetWindowRect(button, &r);
  move_mouse(POINT{(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4});
  Settle(30);
  mouse_left_button(true);
  Settle(30);
  mouse_left_button(false);
  EXPECT_TRUE(wait_until([&] { return spin->Value() == 1; })) << spin->Value();
}

// With the left-scroll-bar style the button is drawn at the left: the mirrored combo's left end
// looks as the plain combo's right end, mirrored (the built-in skin's button is symmetric).
TEST_F(RangeSkinTest, LeftScrollBarComboDrawsItsButtonAtTheLeft) {
  auto make = [&](int x) {
    auto* combo = TComponent::CreateIn<TComboBox>(form);
    combo->SetParent(form);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(x, 220, 120, 21);
    combo->Items()->Add("item");
    return combo->Handle();
  };
  HWND plain = make(10);
  HWND mirrored = make(140);
  SetWindowLongPtrW(mirrored, GWL_EXSTYLE, GetWindowLongPtrW(mirrored, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  SkinControls();
  ASSERT_NE(dynamic_cast<TSkinComBox*>(formSkin->Controls().FindControlSkin(mirrored)), nullptr);
  move_mouse(POINT{0, 0});
  Find<TWinControl>("Edit1")->SetFocus();
  Settle();
  const Capture p = Shot(plain), m = Shot(mirrored);
  ASSERT_EQ(p.width, m.width);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  int mirroredSame = 0, rightSame = 0, compared = 0;
  for (int y = 2; y < p.height - 2; ++y)
    for (int x = 2; x < a; ++x) {
      ++compared;
      mirroredSame += m.at(x, y) == p.at(p.width - 1 - x, y);
      rightSame += m.at(m.width - 1 - x, y) == p.at(p.width - 1 - x, y);
    }
  EXPECT_GE(mirroredSame * 10, compared * 9) << "the button, mirrored, at the left";
  EXPECT_LT(rightSame * 2, compared) << "no button at the right";
  SaveShot(mirrored, "combo_left_scroll_bar.bmp");
}

TEST_F(RangeSkinTest, ExtendedComboIsSkinnedOnItsInnerComboAndDropsASkinnedList) {
  auto* combo = TComponent::CreateIn<TComboBoxEx>(form);
  combo->SetParent(form);
  combo->SetBounds(10, 220, 140, 120);
  for (int i = 0; i < 20; ++i) combo->Items()->Add("item " + std::to_string(i));
  HWND outer = combo->Handle();
  SkinControls();
  // The inner combo box covers the whole window: that is where the skin goes.
  HWND inner = GetWindow(outer, GW_CHILD);
  auto* skin = dynamic_cast<TSkinComBox*>(formSkin->Controls().FindControlSkin(inner));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Owner(), combo);
  ASSERT_NE(dynamic_cast<TComboxScrollBar*>(skin->ListSkin()), nullptr) << "its list's bar is skinned";
  Shot(inner);
  EXPECT_EQ(skin->LastFrame(), 1);
  const RECT button = skin->ButtonRect();
  ASSERT_GT(button.right - button.left, 4);
  move_mouse(ScreenPoint(inner, (button.left + button.right) / 2, (button.top + button.bottom) / 2));
  ASSERT_TRUE(wait_until([&] { return skin->LastFrame() == 4; })) << skin->LastFrame();
  // The lit button shows ComboButton's frame 4 where it is not transparent.
  ExpectLitComboButton(*data, inner, button);

  mouse_left_button(true);
  Settle(30);
  mouse_left_button(false);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(inner, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  EXPECT_TRUE(wait_until([&] { return Shot(inner), skin->LastFrame() == 2; }))
      << "the open list keeps it down";
  SendMessageW(inner, CB_SETCURSEL, 3, 0);
  SendMessageW(inner, CB_SHOWDROPDOWN, FALSE, 0);
  move_mouse(POINT{0, 0});
  Find<TWinControl>("Edit1")->SetFocus();
  EXPECT_TRUE(wait_until([&] { return Shot(inner), skin->LastFrame() == 1; })) << skin->LastFrame();
  EXPECT_EQ(combo->ItemIndex(), 3);
  // The focus in the edit it lays over its list lights the button, as for an editable combo box.
  HWND edit = reinterpret_cast<HWND>(SendMessageW(outer, CBEM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  EXPECT_TRUE(wait_until([&] { return Shot(inner), skin->LastFrame() == 4; })) << skin->LastFrame();
  SaveShot(outer, "comboex_skinned.bmp");
}

// A stand-in for the user-interface library's TrackMouseEvent that records which windows asked.
TOptionalUserApi::TrackMouseEventFn systemTrack = nullptr;
std::vector<HWND> tracked;
BOOL WINAPI RecordingTrack(LPTRACKMOUSEEVENT request) {
  tracked.push_back(request->hwndTrack);
  return systemTrack ? systemTrack(request) : FALSE;
}

// The system may lack TrackMouseEvent: the skins ask for the pointer's leave only through the entry
// looked up at start.
TEST_F(RangeSkinTest, PointerLeaveIsAskedThroughTheEntryLookedUpAtStart) {
  SkinControls();
  auto* picker = SkinOf<TSkinDateTime>("DateDrop");
  ASSERT_NE(picker, nullptr);
  ASSERT_NE(SkinOf<TSkinUpDown>("UpDown1"), nullptr);
  systemTrack = OptionalUserApi().TrackMouseEvent;
  tracked.clear();
  OptionalUserApi().TrackMouseEvent = &RecordingTrack;
  struct PutBack {
    ~PutBack() { OptionalUserApi().TrackMouseEvent = systemTrack; }
  } putBack;
  for (HWND w : {Window("ComboList"), Window("UpDown1"), picker->Arrow()->Handle()}) {
    RECT r{};
    GetClientRect(w, &r);
    move_mouse(ScreenPoint(w, r.right / 2, r.bottom / 4 + 1));
    EXPECT_TRUE(wait_until([&] { return std::find(tracked.begin(), tracked.end(), w) != tracked.end(); }))
        << WindowClassName(w);
    move_mouse(POINT{0, 0});
    Settle(30);
  }
}

// The list's skin goes with the list's window (the frame object frees what lost its window at
// its next walk): the combo's skin must not keep it.
TEST_F(RangeSkinTest, ComboForgetsItsListSkinOnceTheListWindowIsGone) {
  SkinControls();
  for (const char* name : {"ComboList", "ComboSimple"}) {
    SCOPED_TRACE(name);
    auto* skin = SkinOf<TSkinComBox>(name);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->ListSkin(), nullptr);
    DestroyWindow(skin->ListSkin()->Window());
    formSkin->Controls().AttachControlSkins();
    EXPECT_EQ(skin->ListSkin(), nullptr);
    skin->Detach();  // lets go of its parts: none is left to free twice
    EXPECT_EQ(skin->ListSkin(), nullptr);
  }
}

TEST_F(RangeSkinTest, TextKindsLookAsTheSystemDrawsThemWithTheSkinOff) {
  const char* names[] = {"Edit1", "ComboList", "ComboDrop", "DateDrop", "Spin1"};
  std::vector<Capture> system;
  for (const char* n : names) system.push_back(Shot(Window(n)));
  SkinControls();
  for (size_t i = 0; i < std::size(names); ++i) {
    HWND w = Window(names[i]);
    EXPECT_GT(Differences(Shot(w), system[i]), 0) << names[i] << " is skinned";
    SendMessageW(w, SKM_ENABLESKIN, 0, 0);
    if (auto* edit = SkinOf<TSkinEdit>(names[i]); edit && edit->UpDown())
      SendMessageW(edit->UpDown()->Window(), SKM_ENABLESKIN, 0, 0);
    EXPECT_EQ(Differences(Shot(w), system[i]), 0) << names[i] << " looks as the system draws it";
    SendMessageW(w, SKM_ENABLESKIN, 1, 0);
    if (auto* edit = SkinOf<TSkinEdit>(names[i]); edit && edit->UpDown())
      SendMessageW(edit->UpDown()->Window(), SKM_ENABLESKIN, 1, 0);
    EXPECT_GT(Differences(Shot(w), system[i]), 0) << names[i] << " is skinned again";
  }
}

TEST_F(RangeSkinTest, ThousandRepaintsOfTextKindsLeakNothing) {
  SkinControls();
  for (const char* n : {"Edit1", "Spin1", "ComboList", "ComboSimple", "DateDrop"}) {
    SCOPED_TRACE(n);
    ExpectNoLeakOverRepaints(Window(n));
  }
}

}  // namespace
}  // namespace quarnel::rangetest

namespace quarnel::rangetest {
namespace {

// Some settings make a control's window again: its skin serves the new window (and list).
TEST_F(RangeSkinTest, SkinsFollowAWindowMadeAgain) {
  SkinControls();
  auto* bar = Find<TProgressBar>("ProgressVertical");
  auto* progress = SkinOf<TSkinProgress>("ProgressVertical");
  ASSERT_NE(progress, nullptr);
  const HWND before = bar->Handle();
  bar->SetOrientation(pbHorizontal);
  bar->SetPosition(100);
  Settle();
  ASSERT_NE(bar->Handle(), before);
  EXPECT_EQ(SendMessageW(bar->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  Shot(bar->Handle());
  EXPECT_EQ(progress->LastFilled(), 16) << "drawn lying down now, filled to the end";

  auto* combo = Find<TComboBox>("ComboList");
  auto* skin = SkinOf<TSkinComBox>("ComboList");
  ASSERT_NE(skin, nullptr);
  combo->SetStyle(csDropDown);
  Settle();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  ASSERT_NE(skin->ListSkin(), nullptr);
  EXPECT_EQ(skin->ListSkin()->Window(), info.hwndList);
  Shot(combo->Handle());
  EXPECT_EQ(skin->LastFrame(), 1);
}

}  // namespace
}  // namespace quarnel::rangetest
