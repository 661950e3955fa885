// The window menu of a skinned frame: copied from the system's window menu with the enabled
// states and glyphs of the window's state, shown once for two right clicks within the
// double-click time, and its items performing their commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "frame_test_support.h"
#include "framework/ui/menu.h"
#include "skin/data/draw/draw_helpers.h"

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

// One item of a menu as Windows showed it: its type and state, its text (the drawing's text that
// the item keeps for other programs), and its place in the menu's window.
struct ShownItem {
  UINT type = 0, state = 0;
  std::wstring text;
  RECT rect{};
  bool Enabled() const { return !(state & (MFS_GRAYED | MFS_DISABLED)); }
  bool Checked() const { return (state & MFS_CHECKED) != 0; }
};
struct ShownMenu {
  std::vector<ShownItem> items;
  testing_support::Capture shot;  // the menu's window
};

// Reads the menu shown in `popup` (any thread of the process: the menu's loop answers).
ShownMenu ReadShownMenu(HWND popup) {
  ShownMenu shown;
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  RECT window{};
  GetWindowRect(popup, &window);
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    ShownItem item;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    item.type = info.fType;
    item.state = info.fState;
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    item.text = text;
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item.rect);
    OffsetRect(&item.rect, -window.left, -window.top);
    shown.items.push_back(item);
  }
  shown.shot = testing_support::capture_screen_rect(window);
  return shown;
}

// The item of the shown window menu that stands where the system's window menu has the item
// with command `command`: the skinned menu copies the system's item for item.
const ShownItem* ItemByTag(const ShownMenu& menu, HWND window, UINT command) {
  HMENU system = GetSystemMenu(window, FALSE);
  for (int i = 0, n = GetMenuItemCount(system); i < n; ++i)
    if (GetMenuItemID(system, i) == command && i < static_cast<int>(menu.items.size()))
      return &menu.items[static_cast<size_t>(i)];
  return nullptr;
}

// The glyph of the skin's menu glyphs drawn in the item's glyph box, in its own colours or, for
// a disabled item, all in the shadow colour; -1 when none is.
int GlyphShown(TSkinData& skin, const ShownMenu& menu, const ShownItem& item) {
  TImageList& glyphs = skin.MenuGlyphs();
  const int left = item.rect.left + 1 + skin.MenuItem->LeftWidth, top = item.rect.top + 1;
  if (left + glyphs.Width() > menu.shot.width || top + glyphs.Height() > menu.shot.height) return -1;
  const COLORREF shadow = ResolveSkinColor(skin.Colors[scButtonShadow]);
  int best = -1, bestInk = 0;
  for (int k = 0; k < glyphs.Count(); ++k) {
    int ink = 0;
    bool own = true, shadowed = true;
    for (int y = 0; y < glyphs.Height(); ++y)
      for (int x = 0; x < glyphs.Width(); ++x) {
        const COLORREF pixel = glyphs.Strip().PixelAt(k * glyphs.Width() + x, y);
        if (pixel == 0xFFFFFF || pixel == kSkinTransparentColor) continue;
        ++ink;
        const COLORREF shown = menu.shot.at(left + x, top + y);
        own = own && shown == pixel;
        shadowed = shadowed && shown == shadow;
      }
    if (ink > 4 && (own || shadowed) && ink > bestInk) {
      best = k;
      bestInk = ink;
    }
  }
  return best;
}

// Watches for open menus from another thread: counts each one seen and closes it with Escape,
// pressed again while it stays up. The first is shot for people to look at, unless the test
// times the menu's loop; `onFirst` runs on the first one before it is closed (it may close it
// itself, for instance with a real click on an item).
class MenuCloser {
 public:
  explicit MenuCloser(bool shootFirst = true, std::function<void(HWND)> onFirst = nullptr)
      : thread_([this, shootFirst, onFirst = std::move(onFirst)] {
          HWND last = nullptr;
          while (!stop_) {
            HWND menu = FindWindowW(L"#32768", nullptr);
            if (menu && IsWindowVisible(menu)) {
              if ((menu != last || !closing_) && ++shown == 1) {
                if (shootFirst || onFirst) Sleep(200);  // lets the menu paint
                if (shootFirst) {
                  RECT r{};
                  GetWindowRect(menu, &r);
                  testing_support::save_bmp(testing_support::capture_screen_rect(r), "frame_window_menu.bmp");
                }
                if (onFirst) onFirst(menu);
              }
              last = menu;
              closing_ = true;
              if (IsWindowVisible(menu)) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
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

// Shows the window menu as the frame does for a right click on the caption, runs `onShown` on
// it from another thread and closes it. A right click within the double-click time of the one
// before shows none, so the time passes first.
void ShowWindowMenu(SkinnedWindow& w, std::function<void(HWND)> onShown) {
  Sleep(GetDoubleClickTime() + 50);
  MenuCloser closer(false, std::move(onShown));
  SendMessageW(w.hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
  testing_support::flush_events(20);
  EXPECT_EQ(closer.shown.load(), 1);
}

// The window menu as it is shown, read back.
ShownMenu WindowMenu(SkinnedWindow& w) {
  ShownMenu menu;
  ShowWindowMenu(w, [&menu](HWND popup) { menu = ReadShownMenu(popup); });
  EXPECT_FALSE(menu.items.empty());
  return menu;
}

TEST_F(CaptionMenuTest, BuiltFromTheSystemMenuWithStatesAndGlyphs) {
  SkinnedWindow w(*skin, L"Menu");
  TWinSkinForm& f = w.frame();
  HWND window = w.hwnd();
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  ASSERT_TRUE(systemMenu);
  const ShownMenu menu = WindowMenu(w);
  EXPECT_EQ(static_cast<int>(menu.items.size()), GetMenuItemCount(systemMenu));
  // Every item is drawn by the skin.
  for (const ShownItem& item : menu.items) EXPECT_TRUE(item.type & MFT_OWNERDRAW);

  const ShownItem* restore = ItemByTag(menu, window, SC_RESTORE);
  const ShownItem* maximise = ItemByTag(menu, window, SC_MAXIMIZE);
  const ShownItem* minimise = ItemByTag(menu, window, SC_MINIMIZE);
  const ShownItem* close = ItemByTag(menu, window, SC_CLOSE);
  const ShownItem* move = ItemByTag(menu, window, SC_MOVE);
  ASSERT_TRUE(restore && maximise && minimise && close && move);
  EXPECT_FALSE(restore->Enabled());
  EXPECT_TRUE(maximise->Enabled());
  EXPECT_TRUE(minimise->Enabled());
  EXPECT_TRUE(move->Enabled());
  // The glyphs are the skin's menu glyphs, the disabled restore's in the shadow colour.
  EXPECT_EQ(GlyphShown(*skin, menu, *restore), 0);
  EXPECT_EQ(GlyphShown(*skin, menu, *maximise), 1);
  EXPECT_EQ(GlyphShown(*skin, menu, *minimise), 2);
  EXPECT_EQ(GlyphShown(*skin, menu, *close), 3);
  EXPECT_EQ(GlyphShown(*skin, menu, *move), -1);
  // The close item keeps its words and its shortcut apart: "words<tab>shortcut".
  const size_t tab = close->text.find(L'\t');
  ASSERT_NE(tab, std::wstring::npos) << "no shortcut";
  EXPECT_GT(tab, 0u);
  EXPECT_EQ(close->text.find(L'\t', tab + 1), std::wstring::npos);
  // The shortcut is written in a place of its own, ending 11 pixels before the item's right end.
  const COLORREF ink = ResolveSkinColor(skin->Colors[scMenuText]);
  int inkRight = 0;
  for (int y = close->rect.top; y < close->rect.bottom; ++y)
    for (int x = close->rect.left; x < close->rect.right; ++x)
      if (menu.shot.at(x, y) == ink) inkRight = std::max(inkRight, x + 1);
  EXPECT_LE(inkRight, close->rect.right - 11);
  EXPECT_GE(inkRight, close->rect.right - 11 - 3);
  int lines = 0;
  for (const ShownItem& item : menu.items) lines += item.text.empty();
  EXPECT_GE(lines, 1);

  // Maximised: restore on, maximise, move and size off.
  ShowWindow(window, SW_MAXIMIZE);
  testing_support::flush_events(50);
  ASSERT_EQ(f.View().Show().State, wssMaximized);
  {
    const ShownMenu maximised = WindowMenu(w);
    ASSERT_TRUE(ItemByTag(maximised, window, SC_RESTORE) && ItemByTag(maximised, window, SC_MAXIMIZE) &&
                ItemByTag(maximised, window, SC_MOVE) && ItemByTag(maximised, window, SC_SIZE));
    EXPECT_TRUE(ItemByTag(maximised, window, SC_RESTORE)->Enabled());
    EXPECT_FALSE(ItemByTag(maximised, window, SC_MAXIMIZE)->Enabled());
    EXPECT_FALSE(ItemByTag(maximised, window, SC_MOVE)->Enabled());
    EXPECT_FALSE(ItemByTag(maximised, window, SC_SIZE)->Enabled());
  }
  // A grayed or disabled native item is disabled in the copy.
  EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  {
    const ShownMenu copy = WindowMenu(w);
    ASSERT_NE(ItemByTag(copy, window, SC_CLOSE), nullptr);
    EXPECT_FALSE(ItemByTag(copy, window, SC_CLOSE)->Enabled());
  }
  EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
  EnableMenuItem(systemMenu, SC_MOVE, MF_BYCOMMAND | MF_DISABLED);
  {
    const ShownMenu copy = WindowMenu(w);
    ASSERT_TRUE(ItemByTag(copy, window, SC_CLOSE) && ItemByTag(copy, window, SC_MOVE));
    EXPECT_TRUE(ItemByTag(copy, window, SC_CLOSE)->Enabled());
    EXPECT_FALSE(ItemByTag(copy, window, SC_MOVE)->Enabled());
  }
  // A checked native item is checked in the copy.
  CheckMenuItem(systemMenu, SC_RESTORE, MF_BYCOMMAND | MF_CHECKED);
  {
    const ShownMenu copy = WindowMenu(w);
    ASSERT_TRUE(ItemByTag(copy, window, SC_RESTORE) && ItemByTag(copy, window, SC_CLOSE));
    EXPECT_TRUE(ItemByTag(copy, window, SC_RESTORE)->Checked());
    EXPECT_FALSE(ItemByTag(copy, window, SC_CLOSE)->Checked());
  }
}

TEST_F(CaptionMenuTest, MinimiseItemDisabledWithoutTheMinimiseBox) {
  SkinnedWindow w(*skin, L"No box", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  const ShownMenu menu = WindowMenu(w);
  const ShownItem* minimise = ItemByTag(menu, w.hwnd(), SC_MINIMIZE);
  const ShownItem* maximise = ItemByTag(menu, w.hwnd(), SC_MAXIMIZE);
  ASSERT_NE(minimise, nullptr);
  ASSERT_NE(maximise, nullptr);
  EXPECT_FALSE(minimise->Enabled());
  EXPECT_FALSE(maximise->Enabled());
}

// The menu is built again for each showing; the one it replaces goes with its menu and window.
TEST_F(CaptionMenuTest, ReplacedWindowMenuIsFreed) {
  SkinnedWindow w(*skin, L"Replaced");
  WindowMenu(w);
  testing_support::flush_events(20);
  const DWORD users = testing_support::user_objects(), gdi = testing_support::gdi_objects();
  for (int i = 0; i < 3; ++i) WindowMenu(w);
  testing_support::flush_events(20);
  EXPECT_LE(testing_support::user_objects(), users);
  EXPECT_LE(testing_support::gdi_objects(), gdi);
}

// A real click on the minimise item minimises the window.
TEST_F(CaptionMenuTest, ClickingAnItemPostsItsCommand) {
  SkinnedWindow w(*skin, L"Command");
  HWND window = w.hwnd();
  ShowWindowMenu(w, [window](HWND popup) {
    const ShownMenu menu = ReadShownMenu(popup);
    const ShownItem* minimise = ItemByTag(menu, window, SC_MINIMIZE);
    if (!minimise) return;
    RECT r{};
    GetWindowRect(popup, &r);
    testing_support::move_mouse({r.left + (minimise->rect.left + minimise->rect.right) / 2,
                                 r.top + (minimise->rect.top + minimise->rect.bottom) / 2});
    Sleep(100);
    testing_support::mouse_left_button(true);
    testing_support::mouse_left_button(false);
    Sleep(100);
  });
  EXPECT_TRUE(testing_support::wait_until([&] { return IsIconic(window) != FALSE; }, 2000));
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
