// The window menu of a skinned frame: copied from the system's window menu with the enabled
// states and glyphs of the window's state, shown once for two right clicks within the
// double-click time, and its items performing their commands.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "frame_test_support.h"
#include "framework/ui/menu.h"

namespace quarnel::frametest {
namespace {

using testing_support::MessageSpy;

class CaptionMenuTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skin = LoadSkin(BuiltInPackage());
  }
  ComponentPtr<TSkinData> skin;
};

TMenuItem* ItemByTag(const TPopupMenu& menu, int tag) {
  for (int i = 0; i < menu.Items()->Count(); ++i)
    if (menu.Items()->Items(i)->Tag() == tag) return menu.Items()->Items(i);
  return nullptr;
}

// Watches for open menus from another thread: counts each one seen and closes it with Escape,
// pressed again while it stays up. The first is shot for people to look at, unless the test
// times the menu's loop.
class MenuCloser {
 public:
  explicit MenuCloser(bool shootFirst = true)
      : thread_([this, shootFirst] {
          HWND last = nullptr;
          while (!stop_) {
            HWND menu = FindWindowW(L"#32768", nullptr);
            if (menu && IsWindowVisible(menu)) {
              if ((menu != last || !closing_) && ++shown == 1 && shootFirst) {
                Sleep(200);  // lets the menu paint
                RECT r{};
                GetWindowRect(menu, &r);
                testing_support::save_bmp(testing_support::capture_screen_rect(r), "frame_window_menu.bmp");
              }
              last = menu;
              closing_ = true;
              PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            } else {
              closing_ = false;
            }
            Sleep(20);
          }
        }) {}
  ~MenuCloser() {
    stop_ = true;
    thread_.join();
  }
  std::atomic<int> shown{0};

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> closing_{false};
  std::thread thread_;
};

// The window menu as the frame builds it for a right click on the caption: shown, closed, and
// read back. A right click within the double-click time of the one before shows none, so the
// time passes first.
const TPopupMenu& WindowMenu(SkinnedWindow& w) {
  Sleep(GetDoubleClickTime() + 50);
  {
    MenuCloser closer(false);
    SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
    testing_support::flush_events(20);
    EXPECT_EQ(closer.shown.load(), 1);
  }
  const TPopupMenu* menu = w.frame().Caption().WindowMenu().Popup();
  EXPECT_NE(menu, nullptr);
  return *menu;
}

TEST_F(CaptionMenuTest, BuiltFromTheSystemMenuWithStatesAndGlyphs) {
  SkinnedWindow w(*skin, L"Menu");
  TWinSkinForm& f = w.frame();
  HMENU systemMenu = GetSystemMenu(w.hwnd(), FALSE);
  ASSERT_TRUE(systemMenu);
  const TPopupMenu& menu = WindowMenu(w);
  EXPECT_TRUE(menu.OwnerDraw());
  EXPECT_EQ(menu.Images(), &skin->MenuGlyphs);
  EXPECT_EQ(menu.Items()->Count(), GetMenuItemCount(systemMenu));

  TMenuItem* restore = ItemByTag(menu, SC_RESTORE);
  TMenuItem* maximise = ItemByTag(menu, SC_MAXIMIZE);
  TMenuItem* minimise = ItemByTag(menu, SC_MINIMIZE);
  TMenuItem* close = ItemByTag(menu, SC_CLOSE);
  TMenuItem* move = ItemByTag(menu, SC_MOVE);
  ASSERT_TRUE(restore && maximise && minimise && close && move);
  EXPECT_FALSE(restore->Enabled());
  EXPECT_TRUE(maximise->Enabled());
  EXPECT_TRUE(minimise->Enabled());
  EXPECT_TRUE(move->Enabled());
  EXPECT_EQ(restore->ImageIndex(), 0);
  EXPECT_EQ(maximise->ImageIndex(), 1);
  EXPECT_EQ(minimise->ImageIndex(), 2);
  EXPECT_EQ(close->ImageIndex(), 3);
  EXPECT_EQ(move->ImageIndex(), -1);
  EXPECT_FALSE(close->Caption().empty());
  EXPECT_EQ(close->Caption().find('\t'), std::string::npos);  // the shortcut has its own place
  int lines = 0;
  for (int i = 0; i < menu.Items()->Count(); ++i) lines += menu.Items()->Items(i)->IsLine();
  EXPECT_GE(lines, 1);

  // Maximised: restore on, maximise, move and size off.
  ShowWindow(w.hwnd(), SW_MAXIMIZE);
  testing_support::flush_events(50);
  ASSERT_EQ(f.View().Show().State, wssMaximized);
  {
    const TPopupMenu& maximised = WindowMenu(w);
    EXPECT_TRUE(ItemByTag(maximised, SC_RESTORE)->Enabled());
    EXPECT_FALSE(ItemByTag(maximised, SC_MAXIMIZE)->Enabled());
    EXPECT_FALSE(ItemByTag(maximised, SC_MOVE)->Enabled());
    EXPECT_FALSE(ItemByTag(maximised, SC_SIZE)->Enabled());
  }
  // A grayed or disabled native item is disabled in the copy.
  EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_FALSE(ItemByTag(WindowMenu(w), SC_CLOSE)->Enabled());
  EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
  EnableMenuItem(systemMenu, SC_MOVE, MF_BYCOMMAND | MF_DISABLED);
  {
    const TPopupMenu& copy = WindowMenu(w);
    EXPECT_TRUE(ItemByTag(copy, SC_CLOSE)->Enabled());
    EXPECT_FALSE(ItemByTag(copy, SC_MOVE)->Enabled());
  }
  // A checked native item is checked in the copy.
  CheckMenuItem(systemMenu, SC_RESTORE, MF_BYCOMMAND | MF_CHECKED);
  {
    const TPopupMenu& copy = WindowMenu(w);
    EXPECT_TRUE(ItemByTag(copy, SC_RESTORE)->Checked());
    EXPECT_FALSE(ItemByTag(copy, SC_CLOSE)->Checked());
  }
}

TEST_F(CaptionMenuTest, MinimiseItemDisabledWithoutTheMinimiseBox) {
  SkinnedWindow w(*skin, L"No box", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  const TPopupMenu& menu = WindowMenu(w);
  TMenuItem* minimise = ItemByTag(menu, SC_MINIMIZE);
  TMenuItem* maximise = ItemByTag(menu, SC_MAXIMIZE);
  ASSERT_NE(minimise, nullptr);
  ASSERT_NE(maximise, nullptr);
  EXPECT_FALSE(minimise->Enabled());
  EXPECT_FALSE(maximise->Enabled());
}

// Sees its free notifications.
class TFreeWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<TComponent*> Removed;
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) Removed.push_back(component);
  }
};

TEST_F(CaptionMenuTest, ReplacedWindowMenuTellsWhoeverWatchesIt) {
  SkinnedWindow w(*skin, L"Watched");
  // A watcher's registration changes nothing the frame reads: the menu is taken as the component
  // anyone may watch.
  auto* first = const_cast<TPopupMenu*>(&WindowMenu(w));
  auto watcher = TComponent::Make<TFreeWatcher>();
  first->FreeNotification(watcher.get());
  WindowMenu(w);
  EXPECT_EQ(watcher->Removed, std::vector<TComponent*>{first});
}

TEST_F(CaptionMenuTest, ClickingAnItemPostsItsCommand) {
  SkinnedWindow w(*skin, L"Command");
  ItemByTag(WindowMenu(w), SC_MINIMIZE)->Click();
  EXPECT_TRUE(testing_support::wait_until([&] { return IsIconic(w.hwnd()) != FALSE; }, 2000));
}

TEST_F(CaptionMenuTest, TwoRightClicksWithinTheDoubleClickTimeShowTheMenuOnce) {
  // The first click's menu loop runs before the second click: on a loaded machine it can outlast
  // the usual half second, so the double-click time is longer for this test, and the menu is
  // closed without being photographed first.
  struct DoubleClickTime {
    const UINT saved = GetDoubleClickTime();
    DoubleClickTime() { SetDoubleClickTime(3000); }
    ~DoubleClickTime() { SetDoubleClickTime(saved); }
  } longer;
  SkinnedWindow w(*skin, L"Right clicks");
  TSkinManage& manager = TSkinManage::Ensure();  // told which kind of popup opens
  manager.SetPopupKind(pkContextMenu);
  MessageSpy spy(w.hwnd());
  const LPARAM middle = w.ScreenParam({w.Shot().width / 2, 15});
  // The pointer rests on the caption between the buttons: another program's test may have left
  // it over a button, which the hover timer would mark hot.
  SetCursorPos(static_cast<short>(LOWORD(middle)), static_cast<short>(HIWORD(middle)));
  testing_support::flush_events(100);
  MenuCloser closer(false);
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, middle);
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, middle);
  testing_support::flush_events(100);
  EXPECT_EQ(closer.shown.load(), 1);
  EXPECT_EQ(manager.Popups().Kind(), pkWindowMenu);
  EXPECT_EQ(spy.count(WM_CLOSE), 0);  // no caption button was under the pointer
  EXPECT_TRUE(IsWindow(w.hwnd()));
  // After the double-click time the next right click shows it again.
  Sleep(GetDoubleClickTime() + 50);
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, middle);
  testing_support::flush_events(50);
  EXPECT_EQ(closer.shown.load(), 2);
}

TEST_F(CaptionMenuTest, SecondRightClickOverAHotButtonClosesTheWindow) {
  SkinnedWindow w(*skin, L"Hot close");
  const ShownButton close = w.Button("BUTTON.CLOSE");
  ASSERT_TRUE(close.Drawn());
  MenuCloser closer;
  const LPARAM middle = w.ScreenParam({w.Shot().width / 2, 15});
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, middle);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.rect)));
  ASSERT_EQ(w.Frame(close), ncsHot);
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, middle);
  EXPECT_TRUE(testing_support::wait_until([&] { return !IsWindow(w.hwnd()); }, 2000));
  EXPECT_EQ(closer.shown.load(), 1);
}

TEST_F(CaptionMenuTest, RightClickOutsideTheCaptionIsLeftToTheSystem) {
  SkinnedWindow w(SkinnedWindow::Spied{}, *skin, L"Border");
  MenuCloser closer;
  w.spy().clear();
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTLEFT, w.ScreenParam({1, 100}));
  testing_support::flush_events(20);
  EXPECT_EQ(w.spy().count(WM_NCRBUTTONDOWN), 1);  // passed on once
  EXPECT_EQ(closer.shown.load(), 0);
  // On the caption the frame takes the press itself: the window menu opens, nothing is passed on.
  w.spy().clear();
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
  testing_support::flush_events(20);
  EXPECT_EQ(w.spy().count(WM_NCRBUTTONDOWN), 0);
  EXPECT_EQ(closer.shown.load(), 1);
}

}  // namespace
}  // namespace quarnel::frametest
