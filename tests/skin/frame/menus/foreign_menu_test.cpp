// Menus of a window without menu components of ours, popped up by the window's own code with
// the system's tracking (a context menu, the system's window menu), under Wine with real
// pointer input: drawn by the skin while shown, the program's own items again afterwards.
#include <gtest/gtest.h>

#include "skin/data/draw/draw_helpers.h"
#include "tests/skin/frame/menus/bar_window_fixture.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

// Menus the window's own code pops up with the system's tracking (a context menu, its window
// menu) are drawn by the skin while shown, and their items are the program's again afterwards.
TEST_F(MenuBarTest, TheWindowsOwnPopupMenusAreDrawnByTheSkin) {
  ASSERT_NE(skin, nullptr);
  HMENU context = CreatePopupMenu();
  AppendMenuW(context, MF_STRING, 401, L"&Alpha");
  AppendMenuW(context, MF_STRING | MF_CHECKED, 402, L"&Beta");
  AppendMenuW(context, MF_STRING | MF_GRAYED, 403, L"&Gamma");
  AppendMenuW(context, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(context, MF_STRING, 404, L"&Delta\tCtrl+D");
  MENUITEMINFOW own{};
  own.cbSize = sizeof own;
  own.fMask = MIIM_DATA;
  own.dwItemData = 0x5151;
  SetMenuItemInfoW(context, 0, TRUE, &own);
  const RECT w = WindowRectOf(window);
  testing_support::move_mouse(POINT{w.right + 150, w.bottom + 150});

  // Shows `menu` for the window and returns its picture with item `hot` under the pointer.
  auto shown = [&](HMENU menu, int hot, bool& ownerDrawn, RECT& hotRect) {
    testing_support::Capture shot;
    MenuDriver::Run(
        [&] { TrackPopupMenu(menu, TPM_RIGHTBUTTON, w.left + 40, w.top + 90, 0, window, nullptr); },
        [&](HWND popup) {
          RECT screen{};
          GetWindowRect(popup, &screen);
          GetMenuItemRect(nullptr, menu, static_cast<UINT>(hot), &hotRect);
          if (!(GetMenuState(menu, static_cast<UINT>(hot), MF_BYPOSITION) & MF_HILITE)) {
            testing_support::move_mouse(
                POINT{(hotRect.left + hotRect.right) / 2, (hotRect.top + hotRect.bottom) / 2});
            return false;
          }
          OffsetRect(&hotRect, -screen.left, -screen.top);
          ownerDrawn = (GetMenuState(menu, 0, MF_BYPOSITION) & MF_OWNERDRAW) != 0;
          flush_events();
          shot = testing_support::capture_window(popup);
          return true;
        });
    testing_support::move_mouse(POINT{w.right + 150, w.bottom + 150});
    flush_events(20);
    return shot;
  };
  // The hot item is in the skin's selected look and colours, nowhere the system's highlight.
  const COLORREF hotText = ResolveSkinColor(data->Colors[scHilightText]);
  auto skinLook = [&](const testing_support::Capture& shot, const RECT& hot) {
    int highlight = 0, text = 0;
    for (int y = hot.top; y < hot.bottom; ++y)
      for (int x = hot.left; x < hot.right; ++x) text += shot.at(x, y) == hotText;
    for (COLORREF pixel : shot.pixels) highlight += pixel == GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(highlight, 0);
    EXPECT_GT(text, 10);
  };

  bool ownerDrawn = false;
  RECT hot{};
  const testing_support::Capture contextShot = shown(context, 0, ownerDrawn, hot);
  ASSERT_FALSE(contextShot.pixels.empty());
  testing_support::save_bmp(contextShot, ShotPath("foreign_menu_longhorn_blue"));
  EXPECT_TRUE(ownerDrawn);
  skinLook(contextShot, hot);
  // Given back: type, data and text as the program made them.
  wchar_t text[32] = {};
  MENUITEMINFOW after{};
  after.cbSize = sizeof after;
  after.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING | MIIM_STATE | MIIM_ID;
  after.dwTypeData = text;
  after.cch = 31;
  ASSERT_TRUE(GetMenuItemInfoW(context, 0, TRUE, &after));
  EXPECT_EQ(after.fType, static_cast<UINT>(MFT_STRING));
  EXPECT_EQ(after.dwItemData, 0x5151u);
  EXPECT_EQ(after.wID, 401u);
  EXPECT_STREQ(text, L"&Alpha");
  EXPECT_EQ(GetMenuState(context, 3, MF_BYPOSITION) & (MF_SEPARATOR | MF_OWNERDRAW),
            static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuState(context, 1, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  DestroyMenu(context);

  // The system's window menu, popped up by the program itself (its first item, Restore, is
  // disabled: the second is the hot one).
  HMENU windowMenu = GetSystemMenu(window, FALSE);
  ASSERT_NE(windowMenu, nullptr);
  ownerDrawn = false;
  const testing_support::Capture menuShot = shown(windowMenu, 1, ownerDrawn, hot);
  ASSERT_FALSE(menuShot.pixels.empty());
  testing_support::save_bmp(menuShot, ShotPath("foreign_window_menu_longhorn_blue"));
  EXPECT_TRUE(ownerDrawn);
  skinLook(menuShot, hot);
  EXPECT_FALSE(GetMenuState(windowMenu, 0, MF_BYPOSITION) & MF_OWNERDRAW);
}
}  // namespace
}  // namespace quarnel::testing
