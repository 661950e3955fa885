// The skinned menu bar of a window with a native menu bar, under Wine with real input: the
// band drawn from the skin with the native bar gone, hot items, a click or the keyboard opening
// the drop-down under its item, an item without a drop-down posting its command, and the
// native bar given back when the skin goes.
#include <gtest/gtest.h>

#include "skin/data/draw/draw_helpers.h"
#include "tests/skin/frame/menus/bar_window_fixture.h"
#include "tests/support/object_counts.h"
#include "tests/support/skin_variant.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;
using testing_support::wait_until;

// A press on bar item `index` where the pointer would make it: the frame opens its drop-down
// and runs menu mode until it ends.
void PressItem(TWinSkinForm& skin, size_t index) {
  RECT window{};
  GetWindowRect(skin.View().Window(), &window);
  const RECT item = skin.MenuBar()->Buttons()[index].Rect;
  const POINT at{window.left + (item.left + item.right) / 2, window.top + (item.top + item.bottom) / 2};
  SendMessageW(skin.View().Window(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
}

TEST_F(MenuBarTest, BandIsDrawnFromTheSkinAndTheNativeBarIsGone) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(skin->View().Metrics().MenuBarHeight, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(ClientOrigin(window).y, skin->View().Metrics().CaptionHeight + skin->View().Metrics().MenuBarHeight);
  ASSERT_EQ(skin->MenuBar()->Buttons().size(), 3u);
  const TMenuBtn& file = skin->MenuBar()->Buttons()[0];
  EXPECT_EQ(file.Rect.left, skin->View().Metrics().BorderLeft + data->MenuBar->LeftWidth + 4);
  EXPECT_EQ(file.Rect.top, skin->View().Metrics().CaptionHeight);

  // What the window painted by itself.
  flush_events(50);
  const testing_support::Capture shot = testing_support::capture_window(window);
  testing_support::save_bmp(shot, ShotPath("menu_bar_longhorn_blue"));
  // Every row of the band's left end comes from the element's first (active) frame, whose rows
  // are stretched to the band; captions are written in the skin's menu-bar text colour.
  TBitmap& image = data->MenuBar->Image;
  for (int y = skin->View().Metrics().CaptionHeight;
       y < skin->View().Metrics().CaptionHeight + skin->View().Metrics().MenuBarHeight; ++y) {
    bool found = false;
    for (int row = 0; row < image.Height() / 2 && !found; ++row)
      found = shot.at(skin->View().Metrics().BorderLeft, y) == image.PixelAt(0, row);
    EXPECT_TRUE(found) << y;
  }
  const COLORREF text = ResolveSkinColor(data->Colors[scMenuBarText]);
  int ink = 0;
  for (int x = file.Rect.left; x < file.Rect.right; ++x)
    for (int row = file.Rect.top; row < file.Rect.bottom; ++row) ink += shot.at(x, row) == text;
  EXPECT_GT(ink, 10);

  // When the skin goes, the window has its native bar again.
  manager->SetRunning(false);
  skin->Detach();
  EXPECT_NE(GetMenu(window), nullptr);
}

// The caption band of a capture of the whole window: its rows above the client area.
std::vector<COLORREF> CaptionRows(const testing_support::Capture& shot, int height) {
  return {shot.pixels.begin(), shot.pixels.begin() + static_cast<ptrdiff_t>(height) * shot.width};
}

TEST_F(MenuBarTest, NewSystemFontsAndMenuHeightReachTheSkinnedFrame) {
  ASSERT_NE(skin, nullptr);
  testing_support::WindowMetricsChange change;
  const int menuHeight = GetSystemMetrics(SM_CYMENU), originY = ClientOrigin(window).y;
  const int captionHeight = skin->View().Metrics().CaptionHeight;
  flush_events(50);
  const std::vector<COLORREF> caption = CaptionRows(testing_support::capture_window(window), captionHeight);
  const DWORD gdi = testing_support::gdi_objects();

  NONCLIENTMETRICSW larger = change.Saved();
  larger.iMenuHeight += 8;
  larger.lfCaptionFont.lfHeight = larger.lfCaptionFont.lfHeight == -19 ? -23 : -19;
  testing_support::WindowMetricsChange::Set(larger);
  const int grown = GetSystemMetrics(SM_CYMENU) - menuHeight;
  ASSERT_GT(grown, 0) << "the system took the new menu height";
  EXPECT_EQ(ClientOrigin(window).y, originY + grown) << "the band grew, the client area gave it room";
  EXPECT_NE(CaptionRows(testing_support::capture_window(window), captionHeight), caption)
      << "the title is written in the new caption font";

  testing_support::WindowMetricsChange::Set(change.Saved());
  EXPECT_EQ(ClientOrigin(window).y, originY);
  EXPECT_EQ(CaptionRows(testing_support::capture_window(window), captionHeight), caption);
  EXPECT_EQ(testing_support::gdi_objects(), gdi) << "the old fonts went";
}

TEST_F(MenuBarTest, ClickOpensTheDropDownUnderItsItemAndItsCommandArrives) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  const TMenuBtn edit = skin->MenuBar()->Buttons()[1];
  const RECT w = WindowRectOf(window);
  int kind = -1;
  const RECT drop =
      DropDownAfter([&] { Click(ScreenCentre(edit)); }, &kind, "menu_bar_drop_down_longhorn_blue");
  EXPECT_EQ(drop.left, w.left + edit.Rect.left);
  EXPECT_EQ(drop.top, w.top + edit.Rect.bottom);
  EXPECT_EQ(kind, pkMenuBarDropDown);
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
  // Its items are drawn by the skin: the selected first item in the element's look rather than
  // the system's highlight, its text in the skin's colours.
  ASSERT_FALSE(dropDownShot.pixels.empty());
  int highlight = 0, hotText = 0;
  const COLORREF skinHotText = ResolveSkinColor(data->Colors[scHilightText]);
  for (COLORREF pixel : dropDownShot.pixels) {
    highlight += pixel == GetSysColor(COLOR_HIGHLIGHT);
    hotText += pixel == skinHotText;
  }
  EXPECT_EQ(highlight, 0);
  EXPECT_GT(hotText, 10);

  // A drop-down item chosen with the keyboard sends its command to the window.
  bool posted = false;
  MenuDriver::Run(
      [&] {
        Click(ScreenCentre(skin->MenuBar()->Buttons()[0]));
        wait_until([&] { return posted && lastCommand != 0; }, 3000);
      },
      [&](HWND popup) {
        // The drop-down opened on its first item: one step down is Quit.
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
        posted = true;
        return true;
      },
      false);
  EXPECT_EQ(lastCommand, kQuitCommand);
}

TEST_F(MenuBarTest, ArrowsAndPointerMoveBetweenBarItemsWhileOpen) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  const RECT w = WindowRectOf(window);
  const TMenuBtn file = skin->MenuBar()->Buttons()[0], edit = skin->MenuBar()->Buttons()[1];
  auto under = [&](const TMenuBtn& b, const RECT& r) {
    return r.left == w.left + b.Rect.left && r.top == w.top + b.Rect.bottom;
  };
  int phase = 0;
  MenuDriver::Run(
      [&] {
        Click(ScreenCentre(file));
        wait_until([&] { return phase == 4; }, 5000);
      },
      [&](HWND popup) {
        RECT r{};
        GetWindowRect(popup, &r);
        if (phase == 0 && under(file, r)) {
          PostMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);  // a leaf item: on to Edit
          phase = 1;
        } else if (phase == 1 && under(edit, r)) {
          PostMessageW(popup, WM_KEYDOWN, VK_LEFT, 0);  // the drop-down's own level: back to File
          phase = 2;
        } else if (phase == 2 && under(file, r)) {
          testing_support::move_mouse(ScreenCentre(edit));  // the pointer over Edit opens it
          phase = 3;
        } else if (phase == 3 && under(edit, r)) {
          phase = 4;
          return true;
        }
        return false;
      });
  EXPECT_EQ(phase, 4);
  flush_events(30);
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
}

// Left on the first item's drop-down makes the last item hot; Help has no drop-down, so menu mode
// stays on the bar with Help shown open (framed in the skin's highlight colour), and Left again
// opens Edit's drop-down.
TEST_F(MenuBarTest, LeftFromTheFirstItemWrapsToTheLast) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  const RECT w = WindowRectOf(window);
  const TMenuBtn file = skin->MenuBar()->Buttons()[0], edit = skin->MenuBar()->Buttons()[1];
  const RECT help = skin->MenuBar()->Buttons()[2].Rect;
  const COLORREF frame = ResolveSkinColor(data->Colors[scButtonHilight]);
  auto under = [&](const TMenuBtn& b, HWND popup) {
    RECT r{};
    return popup && GetWindowRect(popup, &r) && r.left == w.left + b.Rect.left &&
           r.top == w.top + b.Rect.bottom;
  };
  int phase = 0, framed = 0;
  MenuDriver::Run(
      [&] {
        Click(ScreenCentre(file));
        wait_until([&] { return phase == 3; }, 5000);
      },
      [&](HWND popup) {
        if (phase == 0 && under(file, popup)) {
          PostMessageW(popup, WM_KEYDOWN, VK_LEFT, 0);
          phase = 1;
        } else if (phase == 1 && !popup && GetCapture() == window &&
                   skin->MenuBar()->Buttons()[2].State == 2) {
          const testing_support::Capture shot = testing_support::capture_window(window);
          for (int x = help.left; x < help.right; ++x) framed += shot.at(x, help.top) == frame;
          Keys({{VK_LEFT, true}, {VK_LEFT, false}});
          phase = 2;
        } else if (phase == 2 && under(edit, popup)) {
          phase = 3;
          return true;
        }
        return false;
      },
      true, true);
  EXPECT_EQ(phase, 3);
  EXPECT_GT(framed, (help.right - help.left) / 2);
  flush_events(30);
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
  EXPECT_NE(lastCommand, kHelpCommand);
}

// The pointer moved from an open drop-down onto an item without one keeps menu mode: that item
// is hot, nothing is chosen, and the pointer on another item opens its drop-down.
TEST_F(MenuBarTest, PointerOnAnItemWithoutDropDownKeepsMenuMode) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  const RECT w = WindowRectOf(window);
  const TMenuBtn file = skin->MenuBar()->Buttons()[0], edit = skin->MenuBar()->Buttons()[1],
                 help = skin->MenuBar()->Buttons()[2];
  int phase = 0;
  MenuDriver::Run(
      [&] {
        Click(ScreenCentre(file));
        wait_until([&] { return phase == 3; }, 5000);
      },
      [&](HWND popup) {
        RECT r{};
        if (popup) GetWindowRect(popup, &r);
        if (phase == 0 && popup && r.left == w.left + file.Rect.left) {
          testing_support::move_mouse(ScreenCentre(help));
          phase = 1;
        } else if (phase == 1 && !popup && skin->MenuBar()->Buttons()[2].State == 2) {
          EXPECT_EQ(GetCapture(), window) << "menu mode runs on the bar: its loop holds the pointer";
          testing_support::move_mouse(ScreenCentre(edit));
          phase = 2;
        } else if (phase == 2 && popup && r.left == w.left + edit.Rect.left) {
          phase = 3;
          return true;
        }
        return false;
      },
      true, true);
  EXPECT_EQ(phase, 3);
  flush_events(30);
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
  EXPECT_EQ(lastCommand, 0u);
}

// A disabled item with a drop-down: the keyboard passes over it, the pointer makes it hot, and
// a press on it opens nothing and posts nothing; Alt ends menu mode (and opens no item again).
TEST_F(MenuBarTest, DisabledItemIsPassedOverByKeysAndOpensNothing) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kOpenCommand, L"&Open");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HMENU tools = CreatePopupMenu();
  AppendMenuW(tools, MF_STRING, 401, L"&Options");
  AppendMenuW(bar, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(tools), L"&Tools");
  AppendMenuW(bar, MF_STRING, kHelpCommand, L"&Help");
  DestroyWindow(window);
  window = CreateWindowExW(0, BarWindowClass(), L"Disabled item", WS_OVERLAPPEDWINDOW, 80, 80, 360, 240,
                           nullptr, bar, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  ASSERT_EQ(skin->MenuBar()->Buttons().size(), 3u);
  const std::vector<TMenuBtn> items = skin->MenuBar()->Buttons();
  ASSERT_FALSE(items[1].ItemEnabled);
  auto state = [&](int i) { return skin->MenuBar()->Buttons()[static_cast<size_t>(i)].State; };
  int phase = 0, quiet = 0, after = 0;
  bool opened = false;
  MenuDriver::Run(
      [&] {
        Click(ScreenCentre(items[0]));
        wait_until([&] { return phase == 5; }, 6000);
      },
      [&](HWND popup) {
        if (phase >= 2 && popup) opened = true;  // from menu mode on the bar on
        if (phase == 0 && popup) {
          PostMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);  // over Tools to Help
          phase = 1;
        } else if (phase == 1 && !popup && state(2) == 2) {
          testing_support::move_mouse(ScreenCentre(items[1]));
          phase = 2;
        } else if (phase == 2 && state(1) == 2) {
          testing_support::mouse_left_button(true);
          testing_support::mouse_left_button(false);
          phase = 3;
        } else if (phase == 3 && ++quiet > 10) {
          EXPECT_EQ(GetCapture(), window) << "menu mode runs on the bar: its loop holds the pointer";
          EXPECT_EQ(state(1), 2);
          Keys({{VK_MENU, true}, {VK_MENU, false}});
          phase = 4;
        } else if (phase == 4 && (popup || ++after > 10)) {
          phase = 5;  // a drop-down shown now was opened by the Alt key's release
          return true;
        }
        return false;
      },
      true, true);
  EXPECT_EQ(phase, 5);
  EXPECT_FALSE(opened);
  EXPECT_EQ(lastCommand, 0u);
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
}

TEST_F(MenuBarTest, ItemWithoutDropDownPostsItsCommand) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  Click(ScreenCentre(skin->MenuBar()->Buttons()[2]));
  EXPECT_TRUE(wait_until([] { return lastCommand == kHelpCommand; }));
  EXPECT_EQ(FindWindowW(L"#32768", nullptr) && IsWindowVisible(FindWindowW(L"#32768", nullptr)), false);
}

TEST_F(MenuBarTest, KeyboardOpensTheBarAndTheWindowMenu) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  const RECT w = WindowRectOf(window);
  const TMenuBtn& file = skin->MenuBar()->Buttons()[0];
  const TMenuBtn& edit = skin->MenuBar()->Buttons()[1];
  // Alt+E opens Edit.
  RECT drop = DropDownAfter([] { Keys({{VK_MENU, true}, {'E', true}, {'E', false}, {VK_MENU, false}}); });
  EXPECT_EQ(drop.left, w.left + edit.Rect.left);
  EXPECT_EQ(drop.top, w.top + edit.Rect.bottom);
  // F10 opens the first item.
  drop = DropDownAfter([] { Keys({{VK_F10, true}, {VK_F10, false}}); });
  EXPECT_EQ(drop.left, w.left + file.Rect.left);
  EXPECT_EQ(drop.top, w.top + file.Rect.bottom);
  // Alt+Space shows the skinned window menu at the client area's corner.
  int kind = -1;
  drop = DropDownAfter(
      [] {
        Keys({{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}});
      },
      &kind);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(kind, pkWindowMenu);
  EXPECT_EQ(drop.left, origin.x);
  EXPECT_EQ(drop.top, origin.y);
}

// Alt+letter and F10 typed in a child control reach the skinned bar, which stands in for the
// native bar the system would look for on the window; with Shift held too the letter does not.
TEST_F(MenuBarTest, KeysTypedInAChildControlOpenTheSkinnedBar) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 24, window,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  SetFocus(edit);
  ASSERT_TRUE(wait_until([&] { return GetFocus() == edit; }));
  const RECT w = WindowRectOf(window);
  const TMenuBtn& file = skin->MenuBar()->Buttons()[0];
  const TMenuBtn& editItem = skin->MenuBar()->Buttons()[1];
  RECT drop = DropDownAfter([] { Keys({{VK_MENU, true}, {'E', true}, {'E', false}, {VK_MENU, false}}); });
  EXPECT_EQ(drop.left, w.left + editItem.Rect.left);
  EXPECT_EQ(drop.top, w.top + editItem.Rect.bottom);
  SetFocus(edit);
  drop = DropDownAfter([] { Keys({{VK_F10, true}, {VK_F10, false}}); });
  EXPECT_EQ(drop.left, w.left + file.Rect.left);
  EXPECT_EQ(drop.top, w.top + file.Rect.bottom);

  SetFocus(edit);
  Keys({{VK_SHIFT, true}, {VK_MENU, true}, {'E', true}, {'E', false}, {VK_MENU, false}, {VK_SHIFT, false}});
  flush_events(60);
  HWND popup = FindWindowW(L"#32768", nullptr);
  EXPECT_FALSE(popup && IsWindowVisible(popup));
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
  if (popup && IsWindowVisible(popup)) EndMenu();
  DestroyWindow(edit);
}

// A right-to-left window lays its items out from the right edge, and an item's drop-down opens
// right-aligned at the item's right edge.
TEST_F(MenuBarTest, RightToLeftItemsRunFromTheRightEdge) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kOpenCommand, L"&Open");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_STRING, kHelpCommand, L"&Help");
  DestroyWindow(window);
  window = CreateWindowExW(WS_EX_LEFTSCROLLBAR, BarWindowClass(), L"Right to left", WS_OVERLAPPEDWINDOW, 80,
                           80, 360, 240, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  ASSERT_TRUE(skin->View().Facts().RightToLeft);
  skin->PaintFrame(nullptr);
  const TMenuBtn first = skin->MenuBar()->Buttons()[0], second = skin->MenuBar()->Buttons()[1];
  const int bandRight = WindowRectOf(window).right - WindowRectOf(window).left - skin->View().Metrics().BorderRight;
  EXPECT_EQ(first.Rect.right, bandRight - (data->MenuBar->RightWidth + 8));
  EXPECT_EQ(second.Rect.right, first.Rect.left);
  const RECT w = WindowRectOf(window);
  const RECT drop = DropDownAfter([&] { Click(ScreenCentre(first)); });
  EXPECT_EQ(drop.right, w.left + first.Rect.right);
  EXPECT_EQ(drop.top, w.top + first.Rect.bottom);
}

// A program that inserts items into a drop-down as it is about to show gets every item back as
// it was: the skin's items are known by a mark of their own, not by where they stood.
TEST_F(MenuBarTest, ItemsInsertedWhileADropDownOpensAreAllGivenBack) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  HMENU file = skin->MenuBar()->Buttons()[0].SubMenu;
  insertOnInit = true;
  for (int round = 0; round < 2; ++round) {
    int ticks = 0;
    ASSERT_TRUE(MenuDriver::Run([&] { PressItem(*skin, 0); }, [&](HWND) { return ++ticks > 3; }));
  }
  insertOnInit = false;
  ASSERT_EQ(GetMenuItemCount(file), 4);
  const wchar_t* texts[] = {L"&New", L"&New", L"&Open", L"&Quit"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(GetMenuState(file, static_cast<UINT>(i), MF_BYPOSITION) & MF_OWNERDRAW) << i;
    wchar_t text[32] = {};
    GetMenuStringW(file, static_cast<UINT>(i), text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, texts[i]) << i;
  }
}

// The skin switched off by the manager's timer while a drop-down is open: the loop ends, the
// window has its native bar back, and its items are the system's again, drawn by the system.
TEST_F(MenuBarTest, SkinSwitchedOffWhileADropDownIsOpenGivesBackAMenuTheSystemDraws) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  HMENU file = skin->MenuBar()->Buttons()[0].SubMenu;
  int ticks = 0;
  bool off = false;
  MenuDriver::Run(
      [&] {
        PressItem(*skin, 0);  // the object is gone when this returns
      },
      [&](HWND) {
        if (++ticks < 4) return false;  // its items have been drawn by the skin
        data->SetActive(false);
        manager->RunPendingAction();
        off = true;
        return true;
      });
  ASSERT_TRUE(off);
  EXPECT_EQ(SkinOf(window), nullptr);
  EXPECT_NE(GetMenu(window), nullptr);
  for (int i = 0; i < GetMenuItemCount(file); ++i)
    EXPECT_FALSE(GetMenuState(file, static_cast<UINT>(i), MF_BYPOSITION) & MF_OWNERDRAW) << i;
  // Opened by the system now, the drop-down shows its texts in the system's menu text colour.
  int ink = 0, shown = 0;
  MenuDriver::Run(
      [&] {
        Keys({{VK_MENU, true}, {'F', true}, {'F', false}, {VK_MENU, false}});
        wait_until([&] { return ink > 0; }, 2000);
      },
      [&](HWND popup) {
        if (++shown < 4) return false;  // until it has painted itself
        for (COLORREF pixel : testing_support::capture_window(popup).pixels)
          ink += pixel == GetSysColor(COLOR_MENUTEXT);
        return true;
      });
  EXPECT_GT(ink, 20);
}

// The bar's drop-down, opened and closed many times, leaves no GDI or USER object behind.
TEST_F(MenuBarTest, OpeningTheDropDownManyTimesLeaksNothing) {
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  auto openOnce = [&] { return MenuDriver::Run([&] { PressItem(*skin, 0); }, [](HWND) { return true; }); };
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(openOnce());
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 300; ++i) ASSERT_TRUE(openOnce()) << i;
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
}

// Drop-downs opened in one skin, then in another and back, many times: nothing made to draw a
// skin's menus outlives that skin.
TEST_F(MenuBarTest, DropDownsInAlternatingSkinsLeakNothing) {
  const skintest::Bytes blue = data->PackedSkin(), dark = testing_support::WithButtonFace(blue, "48 48 56");
  ASSERT_FALSE(dark.empty());
  auto use = [&](const skintest::Bytes& package) {
    data->SetPackedSkin(package);
    ASSERT_TRUE(data->LoadSkin());
    data->ApplySkin();
    ASSERT_TRUE(wait_until([&] { return manager->Actions().Pending() == saNone; }, 2000));
    skin = WaitSkinned(window);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
  };
  // Both drop-downs, each left open until its items have been drawn.
  auto openBoth = [&] {
    for (size_t i = 0; i < 2; ++i) {
      int ticks = 0;
      ASSERT_TRUE(MenuDriver::Run([&] { PressItem(*skin, i); }, [&](HWND) { return ++ticks > 3; })) << i;
    }
  };
  // One round in each skin first, so that caches and pooled sections reach their working size.
  openBoth();
  use(dark);
  openBoth();
  use(blue);
  openBoth();
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int round = 0; round < 20; ++round) {
    use(round % 2 ? blue : dark);
    openBoth();
  }
  use(blue);
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
}

}  // namespace
}  // namespace quarnel::testing
