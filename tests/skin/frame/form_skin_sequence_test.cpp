// What the frame object passes on to the procedure it replaced, message by message, in the
// manner of Wine's user32 message tests: a spy put on the form's window before it is skinned
// records what reaches it, and each case compares that with the whole expected list, so a
// message passed on twice or lost fails. Size change, activation, frame repaint, a menu opened
// by key, and the first activation that puts the frame on. Test code, UI thread.
#include <utility>

#include "form_skin_test_support.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/frame/menus/menu_driver.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;
using testing_support::key_event;
using testing_support::kOptional;
using testing_support::kWParam;
using testing_support::wait_until;

using FormSkinSequenceTest = SpiedFormTest;

// The first activation is where the frame is put on: the form sees its activation once, the
// frame's own activation message and caption activation never, the fitting to the skin's frame
// (no size change of the client) and the outline cut.
TEST_F(FormSkinSequenceTest, FirstActivationSkinsTheFormBelowItsOwnMessages) {
  SpiedForm(NewForm(bsSizeable, 300, 200));
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(spy->sequence_is({{WM_SHOWWINDOW, kWParam, TRUE},
                                {WM_WINDOWPOSCHANGING},
                                {SKM_QUERYSKINNED},  // the manager asks before it skins
                                {WM_QUERYNEWPALETTE, kOptional},
                                {WM_ACTIVATEAPP, kOptional},
                                {WM_ACTIVATE, kWParam, WA_ACTIVE},
                                {WM_IME_SELECT, kOptional},
                                {WM_SETFOCUS},
                                {WM_ERASEBKGND, kOptional},
                                {WM_WINDOWPOSCHANGED},
                                {WM_SIZE, kWParam, SIZE_RESTORED},
                                {WM_MOVE},
                                // fitted to the skin's frame
                                {WM_WINDOWPOSCHANGING},
                                {WM_GETMINMAXINFO, kOptional},
                                {WM_NCCALCSIZE, kWParam, TRUE},
                                {WM_STYLECHANGING, kWParam, static_cast<WPARAM>(GWL_STYLE)},
                                {WM_STYLECHANGED, kWParam, static_cast<WPARAM>(GWL_STYLE)},
                                {WM_ERASEBKGND, kOptional},
                                {WM_WINDOWPOSCHANGED},
                                {WM_MOVE},
                                // the outline cut
                                {WM_WINDOWPOSCHANGING},
                                {WM_NCCALCSIZE, kWParam, TRUE},
                                {WM_ERASEBKGND, kOptional},
                                {WM_WINDOWPOSCHANGED},
                                {SKM_SKINNED, kWParam, 0},
                                {WM_PAINT, kOptional}}));
}

TEST_F(FormSkinSequenceTest, SizeChangeReachesTheFormOnce) {
  HWND window = SpiedForm(NewForm(bsSizeable, 300, 200));
  ASSERT_NE(skin, nullptr);
  spy->clear();
  SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  EXPECT_TRUE(spy->sequence_is({{WM_SIZE, kWParam, SIZE_RESTORED}}));

  const RECT before = WindowRectOf(window);
  spy->clear();
  SetWindowPos(window, nullptr, 0, 0, before.right - before.left + 40, before.bottom - before.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The size change, then the outline cut for the new size (a frame change of its own).
  EXPECT_TRUE(spy->sequence_is({{WM_WINDOWPOSCHANGING},
                                {WM_GETMINMAXINFO, kOptional},
                                {WM_NCCALCSIZE, kWParam, TRUE},
                                {WM_ERASEBKGND, kOptional},
                                {WM_WINDOWPOSCHANGED},
                                {WM_SIZE, kWParam, SIZE_RESTORED},
                                {WM_WINDOWPOSCHANGING},
                                {WM_NCCALCSIZE, kWParam, TRUE},
                                {WM_ERASEBKGND, kOptional},
                                {WM_WINDOWPOSCHANGED}}));
  EXPECT_EQ(WindowRegionBox(window).right, before.right - before.left + 40);

  // Maximised, restored, minimised: one WM_SIZE each, and the frame follows the state.
  const std::pair<int, TWindowShowState> changes[] = {
      {SW_MAXIMIZE, wssMaximized}, {SW_RESTORE, wssNormal}, {SW_MINIMIZE, wssMinimized}};
  for (const auto& [show, state] : changes) {
    spy->clear();
    ShowWindow(window, show);
    flush_events(30);
    EXPECT_EQ(spy->count(WM_SIZE), 1) << "show command " << show;
    EXPECT_EQ(skin->View().Show().State, state);
  }
}

TEST_F(FormSkinSequenceTest, ActivationReachesTheFormOnceAndItsCaptionNever) {
  TForm* other = NewForm(bsSingle, 200, 100, "Other");
  other->Show();
  SetForegroundWindow(other->Handle());
  ASSERT_NE(WaitSkinned(other->Handle()), nullptr);
  HWND window = SpiedForm(NewForm(bsSingle, 300, 200));
  ASSERT_NE(skin, nullptr);

  spy->clear();
  SetForegroundWindow(other->Handle());
  flush_events(30);
  EXPECT_FALSE(skin->View().Show().Active);
  EXPECT_TRUE(spy->sequence_is({{WM_ACTIVATE, kWParam, WA_INACTIVE}, {WM_KILLFOCUS, kOptional}}));

  spy->clear();
  SetForegroundWindow(window);
  flush_events(30);
  EXPECT_TRUE(skin->View().Show().Active);
  // WM_NCACTIVATE is the frame's alone; the manager's look at the window on its activation
  // is answered with a posted SKM_SKINNED.
  EXPECT_TRUE(spy->sequence_is({{WM_WINDOWPOSCHANGING, kOptional},
                                {WM_WINDOWPOSCHANGED, kOptional},
                                {WM_QUERYNEWPALETTE, kOptional},
                                {WM_ACTIVATE, kWParam, WA_ACTIVE},
                                {WM_SETFOCUS},
                                {SKM_SKINNED, kWParam, 0}}));
}

TEST_F(FormSkinSequenceTest, FrameRepaintPassesOnOnlyTheClientsPaint) {
  HWND window = SpiedForm(NewForm(bsSingle, 300, 200));
  ASSERT_NE(skin, nullptr);
  flush_events(30);
  spy->clear();
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(spy->sequence_is({{WM_PAINT}, {WM_ERASEBKGND}}));  // no WM_NCPAINT
  spy->clear();
  SendMessageW(window, SKM_REPAINTFRAME, 0, 0);
  EXPECT_TRUE(spy->sequence_is({}));
}

TEST_F(FormSkinSequenceTest, MenuOpenedByKeyReachesTheFormOnceEach) {
  TForm* made = NewForm(bsSizeable, 320, 180, "Menu form");
  auto* menu = TComponent::CreateIn<TMainMenu>(made);
  TMenuItem* file = menu->Items()->AddNew(made, "&File");
  file->AddNew(made, "&Open");
  file->AddNew(made, "&Quit");
  made->SetMenu(menu);
  SpiedForm(made);
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  flush_events(30);

  spy->clear();
  bool shown = false;
  MenuDriver::Run(
      [&] {
        testing_support::alt_letter('F');
        wait_until([&] { return shown && !MenuModeRuns(made->Handle(), skin->MenuBar()); });
      },
      [&](HWND) { return shown = true; });
  EXPECT_TRUE(shown);
  // The keyboard-menu command is the skinned bar's; the key-ups go to the menu loop. The
  // drop-down's items are the skin's owner-drawn ones: their measuring never reaches the form.
  HMENU fileMenu = GetSubMenu(menu->Handle(), 0);
  const auto menuParam = reinterpret_cast<WPARAM>(fileMenu);
  EXPECT_TRUE(spy->sequence_is({{WM_SYSKEYDOWN, kWParam, VK_MENU},
                                {WM_SYSKEYDOWN, kWParam, 'F'},
                                {WM_SYSCHAR, kWParam, 'f'},
                                {WM_ENTERMENULOOP, kWParam, TRUE},
                                {WM_INITMENU, kWParam, menuParam},
                                {WM_INITMENUPOPUP, kWParam, menuParam},
                                {WM_MENUSELECT},
                                {WM_UNINITMENUPOPUP, kWParam, menuParam},
                                {WM_MENUSELECT, kWParam, MAKEWPARAM(0, 0xFFFF)},
                                {WM_EXITMENULOOP, kWParam, TRUE}}));
}

}  // namespace
}  // namespace quarnel::testing
