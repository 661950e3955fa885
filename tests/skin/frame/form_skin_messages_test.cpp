// The frame object's window procedure seen from the procedure below it (a message spy put on
// the window before it is skinned): WM_SIZE reaches it, WM_NCACTIVATE never and is
// answered 1, the frame-painting switch, WM_NCCALCSIZE with the skin's frame, window-menu
// commands, and the window's end.
#include "form_skin_test_support.h"
#include "framework/ui/menu.h"
#include "framework/win/window_thunk.h"
#include "skin/data/skin_messages.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

class FormSkinMessagesTest : public SpiedFormTest {
 protected:
  HWND SpiedForm(int borderStyle = bsSingle) {
    return SpiedFormTest::SpiedForm(NewForm(borderStyle, 300, 200));
  }
};

TEST_F(FormSkinMessagesTest, SizeReachesThePreviousProcedure) {
  HWND window = SpiedForm();
  ASSERT_NE(skin, nullptr);
  spy->clear();
  SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  EXPECT_EQ(spy->count(WM_SIZE), 1);
  EXPECT_EQ(skin->View().Show().State, wssNormal);
  // A real size change passes WM_SIZE on as well, and the region follows the new size.
  spy->clear();
  const RECT before = WindowRectOf(window);
  SetWindowPos(window, nullptr, 0, 0, before.right - before.left + 40, before.bottom - before.top,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(spy->count(WM_SIZE), 1);
  EXPECT_EQ(WindowRegionBox(window).right, before.right - before.left + 40);
}

TEST_F(FormSkinMessagesTest, NCActivateAnswersOneAndNeverReachesThePlainFormsDefault) {
  HWND window = SpiedForm();
  ASSERT_NE(skin, nullptr);
  spy->clear();
  EXPECT_EQ(SendMessageW(window, WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_FALSE(skin->View().Show().Active);
  EXPECT_EQ(SendMessageW(window, WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_TRUE(skin->View().Show().Active);
  EXPECT_EQ(spy->count(WM_NCACTIVATE), 0);
  // The system's uxtheme caption request is answered without drawing.
  EXPECT_EQ(SendMessageW(window, WM_NCUAHDRAWCAPTION, 0, 0), 0);
  EXPECT_EQ(spy->count(WM_NCUAHDRAWCAPTION), 0);
}

// The frame's hover timer looks at what lies under the resting pointer, where no move message
// comes: it runs while the window is active and stands still while it is not. A bar item under
// the pointer shows it: made hot by a tick only.
TEST_F(FormSkinMessagesTest, HoverTimerRunsOnlyWhileTheWindowIsActive) {
  TForm* made = NewForm(bsSingle, 300, 200);
  auto* menu = TComponent::CreateIn<TMainMenu>(made);
  menu->Items()->AddNew(made, "&File")->AddNew(made, "&Open");
  made->SetMenu(menu);
  HWND window = SpiedFormTest::SpiedForm(made);
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  auto itemState = [&] { return skin->MenuBar()->Buttons()[0].State; };
  const RECT item = skin->MenuBar()->Buttons()[0].Rect;
  const RECT w = WindowRectOf(window);
  SetCursorPos(w.left + 10, w.bottom + 40);  // off the window
  flush_events(300);
  ASSERT_EQ(itemState(), 1);

  EXPECT_EQ(SendMessageW(window, WM_NCACTIVATE, FALSE, 0), 1);
  SetCursorPos(w.left + (item.left + item.right) / 2, w.top + (item.top + item.bottom) / 2);
  flush_events(800);  // three ticks' time
  EXPECT_EQ(itemState(), 1) << "a tick ran while the window was inactive";

  EXPECT_EQ(SendMessageW(window, WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_TRUE(testing_support::wait_until([&] { return itemState() == 3; }, 1500))
      << "no tick ran once the window was active again";
  SetCursorPos(w.left + 10, w.bottom + 40);
  EXPECT_TRUE(testing_support::wait_until([&] { return itemState() == 1; }, 1500));
}

TEST_F(FormSkinMessagesTest, ActivationSequenceReachesTheFormInOrder) {
  SpiedForm();
  ASSERT_NE(skin, nullptr);
  // The frame object's own activation message went down after the window was activated, and
  // the frame was fitted (a frame change with its size messages) after it.
  EXPECT_TRUE(spy->saw_in_order({WM_ACTIVATE, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
  EXPECT_EQ(spy->count(SKM_ACTIVATE), 0);  // handled above the spy
  EXPECT_GE(spy->count(SKM_SKINNED), 1);   // sent to the window itself when activation completed
  EXPECT_EQ(spy->count(WM_NCACTIVATE), 0);
}

TEST_F(FormSkinMessagesTest, FramePaintingSwitchOffPaintsNothing) {
  HWND window = SpiedForm();
  ASSERT_NE(skin, nullptr);
  const int x = WindowRectOf(window).right - WindowRectOf(window).left;
  const int y = SkinTop() / 2;
  auto paintMagenta = [&] {
    fw::WindowDC dc(window, fw::WindowDC::kWindow);
    fw::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    RECT band{0, 0, x, SkinTop()};
    FillRect(dc.get(), &band, magenta.get());
  };
  paintMagenta();
  ASSERT_EQ(testing_support::window_pixel(window, x / 2, y, true), RGB(255, 0, 255));
  data->SetFramePainting(false);
  EXPECT_EQ(SendMessageW(window, WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(testing_support::window_pixel(window, x / 2, y, true), RGB(255, 0, 255));
  data->SetFramePainting(true);
  EXPECT_EQ(SendMessageW(window, WM_NCPAINT, 1, 0), 0);
  EXPECT_NE(testing_support::window_pixel(window, x / 2, y, true), RGB(255, 0, 255));
  EXPECT_EQ(spy->count(WM_NCPAINT), 0);  // never painted by the system
}

TEST_F(FormSkinMessagesTest, NCCalcSizeTakesTheSkinsFrame) {
  HWND window = SpiedForm();
  ASSERT_NE(skin, nullptr);
  WINDOWPOS pos{window, nullptr, 100, 50, 400, 300, 0};
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = RECT{100, 50, 500, 350};
  params.rgrc[1] = params.rgrc[0];
  params.rgrc[2] = params.rgrc[0];
  params.lppos = &pos;
  EXPECT_EQ(SendMessageW(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), WVR_VALIDRECTS);
  EXPECT_EQ(params.rgrc[0].left, 100 + SkinLeft());
  EXPECT_EQ(params.rgrc[0].top, 50 + SkinTop());
  EXPECT_EQ(params.rgrc[0].right, 500 - SkinRight());
  EXPECT_EQ(params.rgrc[0].bottom, 350 - SkinBottom());
  EXPECT_EQ(params.rgrc[1].left, params.rgrc[0].left);
  EXPECT_EQ(params.rgrc[1].bottom, params.rgrc[0].bottom);
  RECT single{10, 10, 210, 110};
  EXPECT_EQ(SendMessageW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&single)), 0);
}

TEST_F(FormSkinMessagesTest, WindowMenuCommandsArePostedAsSystemCommands) {
  HWND window = SpiedForm(bsSizeable);
  ASSERT_NE(skin, nullptr);
  spy->clear();
  SendMessageW(window, WM_COMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(spy->count(WM_SYSCOMMAND), 0);  // posted, not yet there
  flush_events(100);
  EXPECT_EQ(spy->count(WM_SYSCOMMAND), 1);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_EQ(skin->View().Show().State, wssMaximized);
  SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  flush_events(50);
  EXPECT_FALSE(IsZoomed(window));
  EXPECT_EQ(skin->View().Show().State, wssNormal);
  EXPECT_EQ(ClientRectOf(window).right, 300);
  // Any other command goes to the form as it is.
  spy->clear();
  SendMessageW(window, WM_COMMAND, 1234, 0);
  EXPECT_EQ(spy->count(WM_COMMAND), 1);
}

TEST_F(FormSkinMessagesTest, TextChangeKeepsTheSkinnedFrame) {
  HWND window = SpiedForm();
  ASSERT_NE(skin, nullptr);
  flush_events(50);
  const testing_support::Capture before = testing_support::capture_window(window);
  form->SetCaption("A new title");
  flush_events(50);
  const testing_support::Capture after = testing_support::capture_window(window);
  // The system drew no caption of its own: the band's left end and the borders are the skin's.
  EXPECT_EQ(after.at(1, SkinTop() / 2), before.at(1, SkinTop() / 2));
  EXPECT_EQ(after.at(after.width / 2, after.height - 1), before.at(before.width / 2, before.height - 1));
  EXPECT_EQ(ClientOrigin(window).y, SkinTop());
  EXPECT_EQ(SendMessageW(window, SKM_PING, 0, SkinMessageTag), SkinMessageTag);
}

TEST_F(FormSkinMessagesTest, WindowEndFreesTheObjectAndItsProcedure) {
  const int thunksBefore = fw::WindowThunk::LiveCount();
  HWND window = SpiedForm();
  ASSERT_NE(skin, nullptr);
  form->DestroyHandle();
  EXPECT_FALSE(IsWindow(window));
  // Destroyed with its window, freed by the next purge; the form still lives.
  manager->FormSkins().Purge();
  EXPECT_EQ(SkinOf(window), nullptr);
  EXPECT_TRUE(manager->FormSkins().All().empty());
  EXPECT_EQ(fw::WindowThunk::LiveCount(), thunksBefore);
}

}  // namespace
}  // namespace quarnel::testing
