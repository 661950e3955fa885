// The skin manager's actions on real windows: skin off gives every window back its own
// procedure, frame and size; skin on skins the visible forms again with new frame objects;
// a hundred off/on cycles leak no GDI or USER object and leave no window subclassed; refresh
// re-skins keeping the client size.
#include "framework/win/window_thunk.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/frame/form_skin_test_support.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

class SkinManageActionsTest : public FormSkinTest {
 protected:
  // Runs one action the way the skin data schedules it, through the action timer.
  void RunAction(uint32_t action) {
    manager->SkinData().SetCurrent(data.get());
    manager->Actions().Post(action, 1);
    ASSERT_TRUE(manager->Actions().TimerEnabled());
    ASSERT_TRUE(testing_support::wait_until([&] { return manager->Actions().Pending() == saNone; }));
    flush_events(20);
  }
  struct Native {
    RECT outer{}, client{};
    LONG_PTR proc = 0, style = 0;
  };
  static Native NativeOf(HWND window) {
    Native n;
    n.outer = WindowRectOf(window);
    n.client = ClientRectOf(window);
    n.proc = GetWindowLongPtrW(window, GWLP_WNDPROC);
    n.style = GetWindowLongPtrW(window, GWL_STYLE);
    return n;
  }
  static void ExpectNative(HWND window, const Native& n) {
    const RECT outer = WindowRectOf(window), client = ClientRectOf(window);
    EXPECT_EQ(outer.right - outer.left, n.outer.right - n.outer.left);
    EXPECT_EQ(outer.bottom - outer.top, n.outer.bottom - n.outer.top);
    EXPECT_EQ(outer.left, n.outer.left);
    EXPECT_EQ(outer.top, n.outer.top);
    EXPECT_EQ(client.right, n.client.right);
    EXPECT_EQ(client.bottom, n.client.bottom);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), n.proc);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, n.style & WS_SYSMENU);
    EXPECT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 0);
  }
};

TEST_F(SkinManageActionsTest, SkinOffRestoresEveryWindowAndSkinOnSkinsThemAgain) {
  TForm* first = NewForm(bsSingle, 300, 200, "first");
  TForm* second = NewForm(bsSizeable, 240, 140, "second");
  const Native firstNative = NativeOf(first->Handle());
  const Native secondNative = NativeOf(second->Handle());
  first->Show();
  second->Show();
  TWinSkinForm* firstSkin = WaitSkinned(first->Handle());
  ASSERT_NE(firstSkin, nullptr);
  ASSERT_NE(WaitSkinned(second->Handle()), nullptr);
  ASSERT_EQ(manager->FormSkins().All().size(), 2u);
  ASSERT_NE(GetWindowLongPtrW(first->Handle(), GWLP_WNDPROC), firstNative.proc);

  RunAction(saSkinOff);
  EXPECT_FALSE(manager->Running());
  EXPECT_TRUE(manager->FormSkins().All().empty());
  EXPECT_EQ(SkinOf(first->Handle()), nullptr);
  ExpectNative(first->Handle(), firstNative);
  ExpectNative(second->Handle(), secondNative);
  EXPECT_EQ(first->Color(), clBtnFace);                      // the form's own colour is back
  EXPECT_EQ(GetWindowRgn(first->Handle(), nullptr), ERROR);  // no region left
  EXPECT_TRUE(testing_support::save_bmp(testing_support::capture_window(first->Handle()),
                                        ShotPath("skin_manage_unskinned")));
  // A window activated while skinning is off stays as it is.
  SetActiveWindow(first->Handle());
  flush_events(30);
  EXPECT_EQ(SkinOf(first->Handle()), nullptr);

  RunAction(saSkinOn);
  EXPECT_TRUE(manager->Running());
  TWinSkinForm* again = WaitSkinned(first->Handle());
  ASSERT_NE(again, nullptr);
  ASSERT_NE(WaitSkinned(second->Handle()), nullptr);
  EXPECT_EQ(manager->FormSkins().All().size(), 2u);
  EXPECT_EQ(ClientRectOf(first->Handle()).right, 300);
  EXPECT_EQ(ClientOrigin(first->Handle()).y, SkinTop());
  EXPECT_EQ(SendMessageW(second->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
}

TEST_F(SkinManageActionsTest, SkinOffBeforeActivationCompletedKeepsTheWindowsSize) {
  TForm* form = NewForm(bsSingle, 300, 200, "early");
  form->Show();
  HWND window = form->Handle();
  ASSERT_NE(WaitSkinned(window), nullptr);
  RunAction(saSkinOff);
  const Native native = NativeOf(window);
  // Attached again, and taken off before its posted activation message has run.
  manager->SetRunning(true);
  ASSERT_TRUE(manager->SkinWindow(window));
  ASSERT_EQ(SkinOf(window)->View().Facts().SkinState, fsNotActivated);
  manager->SkinData().SetCurrent(data.get());
  manager->Actions().Post(saSkinOff, 1);
  manager->RunPendingAction();
  flush_events(50);
  ExpectNative(window, native);
}

TEST_F(SkinManageActionsTest, SkinDataGoingAwayUnskinsItsWindows) {
  TForm* form = NewForm(bsSingle, 300, 200, "orphan");
  const Native native = NativeOf(form->Handle());
  form->Show();
  ASSERT_NE(WaitSkinned(form->Handle()), nullptr);
  data.reset();  // unregisters
  EXPECT_TRUE(manager->FormSkins().All().empty());
  ExpectNative(form->Handle(), native);
  // Painting the frame again reads nothing that is gone.
  SendMessageW(form->Handle(), WM_NCPAINT, 1, 0);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(SkinManageActionsTest, HundredOffOnCyclesLeakNothing) {
  TForm* form = NewForm(bsSingle, 280, 160, "cycles");
  HWND window = form->Handle();
  const Native native = NativeOf(window);
  form->Show();
  ASSERT_NE(WaitSkinned(window), nullptr);
  // One cycle first, so that lazily made objects (fonts, brushes of the form) exist.
  RunAction(saSkinOff);
  RunAction(saSkinOn);
  ASSERT_NE(WaitSkinned(window), nullptr);
  const DWORD gdiBefore = testing_support::gdi_objects();
  const DWORD userBefore = testing_support::user_objects();
  const int thunksBefore = fw::WindowThunk::LiveCount();
  for (int i = 0; i < 100; ++i) {
    manager->SkinData().SetCurrent(data.get());
    manager->Actions().Post(saSkinOff, 1);
    manager->RunPendingAction();
    ASSERT_EQ(SkinOf(window), nullptr) << "cycle " << i;
    manager->SkinData().SetCurrent(data.get());
    manager->Actions().Post(saSkinOn, 1);
    manager->RunPendingAction();
    ASSERT_NE(WaitSkinned(window), nullptr) << "cycle " << i;
  }
  EXPECT_EQ(fw::WindowThunk::LiveCount(), thunksBefore);
  EXPECT_EQ(testing_support::gdi_objects(), gdiBefore);
  EXPECT_EQ(testing_support::user_objects(), userBefore);
  RunAction(saSkinOff);
  ExpectNative(window, native);
  EXPECT_EQ(fw::WindowThunk::LiveCount(), thunksBefore - 2);  // the last frame object is gone
}

TEST_F(SkinManageActionsTest, RefreshReskinsKeepingTheClientSize) {
  TForm* form = NewForm(bsSingle, 260, 150, "refresh");
  form->Show();
  HWND window = form->Handle();
  TWinSkinForm* skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  int skinnedMessages = 0;
  int afterSkin = 0;
  data->OnAfterSkinForm = [&](TObject* sender, HWND w, const std::string& name) {
    ++afterSkin;
    EXPECT_EQ(sender, form);
    EXPECT_EQ(w, window);
    EXPECT_EQ(name, "TForm");
  };
  testing_support::MessageSpy spy(window);  // above the frame object: sees what is sent
  RunAction(saRefresh);
  skinnedMessages = spy.count(SKM_SKINNED);
  EXPECT_EQ(afterSkin, 1);
  EXPECT_GE(skinnedMessages, 1);
  EXPECT_EQ(SkinOf(window), skin);  // the same object took the skin again
  EXPECT_EQ(skin->View().Facts().SkinState, fsActive);
  EXPECT_EQ(ClientRectOf(window).right, 260);
  EXPECT_EQ(ClientRectOf(window).bottom, 150);
  data->OnAfterSkinForm = nullptr;
}

}  // namespace
}  // namespace quarnel::testing
