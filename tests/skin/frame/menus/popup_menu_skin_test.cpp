// Skinned popup menus under Wine with real input: a form's popup menu and its window menu open
// on a window painted from the skin's MenuBackground, items in the MenuItem look (hot item,
// check mark, disabled item, separator, shortcut); with popup skinning off the system look
// stays; opening menus many times leaks nothing.
#include <gtest/gtest.h>

#include <functional>

#include "framework/graphics/image_list.h"
#include "framework/ui/menu.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/frame/form_skin_test_support.h"
#include "tests/skin/frame/menus/menu_driver.h"

namespace quarnel::testing {
namespace {

using testing_support::Capture;
using testing_support::capture_window;
using testing_support::flush_events;

RECT ItemRect(HWND popup, int index) {
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  RECT r{};
  GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &r);
  RECT window{};
  GetWindowRect(popup, &window);
  OffsetRect(&r, -window.left, -window.top);
  return r;
}

bool ItemHot(HWND popup, int index) {
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  return (GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION) & MF_HILITE) != 0;
}

int CountIn(const Capture& c, const RECT& r, COLORREF colour) {
  int n = 0;
  for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, c.height); ++y)
    for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, c.width); ++x)
      n += c.at(x, y) == colour;
  return n;
}

class PopupMenuSkinTest : public FormSkinTest {
 protected:
  enum Item { kOpen, kChecked, kDisabled, kLine, kSave, kCount };
  // A shown, skinned form owning a popup menu of every kind of item.
  void MakeForm() {
    form = NewForm(bsSizeable, 300, 200);
    popup = TComponent::CreateIn<TPopupMenu>(form);
    TMenuItem* root = popup->Items();
    root->AddNew(form, "&Open");
    root->AddNew(form, "Word wrap")->SetChecked(true);
    root->AddNew(form, "Disabled")->SetEnabled(false);
    root->AddNew(form, "-");
    TMenuItem* save = root->AddNew(form, "&Save");
    save->SetShortCut("Ctrl+S");
    save->SetDefault(true);
    form->Show();
    skin = WaitSkinned(form->Handle());
  }
  POINT FormPoint(int x, int y) const {
    RECT r = WindowRectOf(form->Handle());
    return {r.left + x, r.top + y};
  }
  TForm* form = nullptr;
  TPopupMenu* popup = nullptr;
  TWinSkinForm* skin = nullptr;
};

TEST_F(PopupMenuSkinTest, FormPopupIsPaintedFromTheSkinAndTracksTheHotItem) {
  MakeForm();
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(popup->OwnerDraw());
  const POINT at = FormPoint(40, 60);
  testing_support::move_mouse(POINT{at.x + 200, at.y + 200});
  Capture cold, hot;
  bool attached = false, answered = false;
  RECT open{}, checked{}, disabled{}, line{};
  const bool ran =
      MenuDriver::Run([&] { popup->Popup(at.x, at.y); },
                      [&](HWND window) {
                        if (cold.pixels.empty()) {
                          for (const TPopupSkinEntry& e : manager->Popups().Entries())
                            attached |= e.Window == window && e.Skin && e.Skin->Attached();
                          answered = SendMessageW(window, SKM_QUERYSKINNED, 0, 0) == 1;
                          open = ItemRect(window, kOpen);
                          checked = ItemRect(window, kChecked);
                          disabled = ItemRect(window, kDisabled);
                          line = ItemRect(window, kLine);
                          cold = capture_window(window);
                          RECT screen{};
                          GetWindowRect(window, &screen);
                          testing_support::move_mouse(POINT{screen.left + (open.left + open.right) / 2,
                                                            screen.top + (open.top + open.bottom) / 2});
                          return false;
                        }
                        if (!ItemHot(window, kOpen)) return false;
                        flush_events();
                        hot = capture_window(window);
                        testing_support::save_bmp(hot, ShotPath("popup_menu_longhorn_blue"));
                        return true;
                      });
  ASSERT_TRUE(ran);
  EXPECT_TRUE(attached);
  EXPECT_TRUE(answered);
  ASSERT_FALSE(hot.pixels.empty());

  // The border is the skin's menu background picture, not the system's raised edge.
  TDataSkinObject& background = *data->MenuBackground;
  EXPECT_EQ(cold.at(0, 0), background.Image.PixelAt(0, 0));
  EXPECT_EQ(cold.at(0, cold.height / 2), background.Image.PixelAt(0, background.Image.Height() / 2));
  EXPECT_NE(cold.at(0, 0), GetSysColor(COLOR_MENU));

  // Normal items are written in the skin's menu text colour, the disabled one in its shadow
  // colour; the check mark stands in the checked item's glyph column.
  const COLORREF menuText = ResolveSkinColor(data->Colors[scMenuText]);
  const COLORREF shadow = ResolveSkinColor(data->Colors[scButtonShadow]);
  EXPECT_GT(CountIn(cold, open, menuText), 10);
  EXPECT_EQ(CountIn(cold, disabled, menuText), 0);
  EXPECT_GT(CountIn(cold, disabled, shadow), 10);
  const int glyphLeft = checked.left + 1 + data->MenuItem->LeftWidth;
  const RECT glyph{glyphLeft, checked.top, glyphLeft + 18, checked.bottom};
  EXPECT_GT(CountIn(cold, glyph, GetSysColor(COLOR_BTNTEXT)), 4);
  EXPECT_EQ(CountIn(cold, RECT{glyphLeft, open.top, glyphLeft + 18, open.bottom}, GetSysColor(COLOR_BTNTEXT)),
            0);
  EXPECT_LT(line.bottom - line.top, open.bottom - open.top);

  // The hot item changes to the element's selected frame; the others stay as they were.
  int changed = 0, changedElsewhere = 0;
  for (int y = 0; y < hot.height; ++y)
    for (int x = 0; x < hot.width; ++x) {
      if (hot.at(x, y) == cold.at(x, y)) continue;
      const bool inOpen = y >= open.top && y < open.bottom && x >= open.left && x < open.right;
      (inOpen ? changed : changedElsewhere)++;
    }
  EXPECT_GT(changed, (open.right - open.left) * (open.bottom - open.top) / 3);
  EXPECT_EQ(changedElsewhere, 0);
  EXPECT_EQ(CountIn(hot, open, GetSysColor(COLOR_HIGHLIGHT)), 0);
}

TEST_F(PopupMenuSkinTest, WithPopupSkinningOffTheSystemLookStays) {
  data->SetSkinControls(data->SkinControls() & ~Bit(xcPopupMenu));
  MakeForm();
  ASSERT_NE(skin, nullptr);
  EXPECT_FALSE(popup->OwnerDraw());
  const POINT at = FormPoint(40, 60);
  bool skinned = true;
  const bool ran = MenuDriver::Run([&] { popup->Popup(at.x, at.y); },
                                   [&](HWND window) {
                                     skinned = SendMessageW(window, SKM_QUERYSKINNED, 0, 0) == 1 ||
                                               manager->Popups().IsSkinned(window);
                                     return true;
                                   });
  ASSERT_TRUE(ran);
  EXPECT_FALSE(skinned);
}

TEST_F(PopupMenuSkinTest, WindowMenuItemsAreSkinnedWithTheirGlyphs) {
  MakeForm();
  ASSERT_NE(skin, nullptr);
  const POINT at = FormPoint(20, 20);
  // The skinned window menu lists the system's window menu item for item: the close item is
  // where the system's menu has it.
  HMENU systemMenu = GetSystemMenu(skin->View().Window(), FALSE);
  int closeIndex = -1;
  for (int i = 0, n = GetMenuItemCount(systemMenu); i < n; ++i)
    if (GetMenuItemID(systemMenu, i) == SC_CLOSE) closeIndex = i;
  ASSERT_GE(closeIndex, 0);
  Capture shot;
  RECT close{};
  int kind = -1, shownItems = 0;
  const bool ran = MenuDriver::Run(
      [&] { SendMessageW(skin->View().Window(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y)); },
      [&](HWND window) {
        kind = manager->Popups().Kind();
        shownItems = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)));
        close = ItemRect(window, closeIndex);
        shot = capture_window(window);
        testing_support::save_bmp(shot, ShotPath("window_menu_longhorn_blue"));
        return manager->Popups().IsSkinned(window);
      });
  ASSERT_TRUE(ran);
  EXPECT_EQ(kind, pkWindowMenu);
  ASSERT_EQ(shownItems, GetMenuItemCount(systemMenu));
  // The close glyph of the skin's menu glyphs sits in the glyph column of the last item.
  TImageList& glyphs = data->MenuGlyphs();
  ASSERT_GT(glyphs.Count(), 3);
  const int glyphLeft = close.left + 1 + data->MenuItem->LeftWidth;
  int ink = 0, same = 0;
  for (int y = 0; y < glyphs.Height(); ++y)
    for (int x = 0; x < glyphs.Width(); ++x) {
      const COLORREF pixel = glyphs.Strip().PixelAt(3 * glyphs.Width() + x, y);
      if (pixel == 0xFFFFFF || pixel == kSkinTransparentColor) continue;
      ++ink;
      same += shot.at(glyphLeft + x, close.top + 1 + y) == pixel;
    }
  ASSERT_GT(ink, 4);
  EXPECT_EQ(same, ink);
}

// The open popup carries the item whose children it shows: its background picture is found
// from that item, and nothing is found once the popup has gone.
TEST_F(PopupMenuSkinTest, APopupIsFoundByTheItemWhoseChildrenItShows) {
  MakeForm();
  ASSERT_NE(skin, nullptr);
  const POINT at = FormPoint(40, 60);
  TBitmap* background = nullptr;
  EXPECT_TRUE(
      MenuDriver::Run([&] { popup->Popup(at.x, at.y); },
                      [&](HWND) { return (background = manager->Popups().BitmapOfItem(popup->Items())); }));
  ASSERT_NE(background, nullptr);
  EXPECT_GT(background->Width(), 0);
  EXPECT_EQ(manager->Popups().BitmapOfItem(popup->Items()), nullptr);
}

// With xoMenuBG the skin's menu background shows where no item stands (below the short column
// of a two-column menu); without it that place keeps the system's menu colour.
TEST_F(PopupMenuSkinTest, MenuBackgroundOptionShowsThePictureBetweenItems) {
  // A plain picture that the system's colour cannot be mistaken for.
  TBitmap& image = data->MenuBackground->Image;
  const COLORREF paint = RGB(40, 160, 90);
  {
    fw::UniqueBrush brush(CreateSolidBrush(paint));
    const RECT all{0, 0, image.Width(), image.Height()};
    FillRect(image.DC(), &all, brush.get());
  }
  MakeForm();
  ASSERT_NE(skin, nullptr);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"One");
  AppendMenuW(menu, MF_STRING, 2, L"Two");
  AppendMenuW(menu, MF_STRING, 3, L"Three");
  AppendMenuW(menu, MF_STRING | MF_MENUBARBREAK, 4, L"Four");
  const POINT at = FormPoint(40, 60);
  testing_support::move_mouse(POINT{at.x + 300, at.y + 300});
  // Pixels of the picture's colour, and all pixels, in the empty place below "Four".
  auto belowTheShortColumn = [&](bool option, int& pictured) {
    data->SetOptions(option ? data->Options() | Bit(xoMenuBG) : data->Options() & ~Bit(xoMenuBG));
    Capture shot;
    RECT empty{};
    int ticks = 0;
    EXPECT_TRUE(MenuDriver::Run(
        [&] { TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, form->Handle(), nullptr); },
        [&](HWND window) {
          if (++ticks < 4) return false;  // until it has painted
          const RECT four = ItemRect(window, 3), three = ItemRect(window, 2);
          empty = RECT{four.left + 2, four.bottom + 1, four.right - 2, three.bottom - 1};
          shot = capture_window(window);
          return true;
        }));
    testing_support::save_bmp(shot, ShotPath(option ? "menu_bg_option_on" : "menu_bg_option_off"));
    pictured = CountIn(shot, empty, paint);
    return (empty.right - empty.left) * (empty.bottom - empty.top);
  };
  int pictured = 0;
  const int area = belowTheShortColumn(true, pictured);
  ASSERT_GT(area, 100);
  EXPECT_EQ(pictured, area);
  belowTheShortColumn(false, pictured);
  EXPECT_EQ(pictured, 0);
  DestroyMenu(menu);
}

// Alt+Space shows the skinned window menu at the client area's corner on a window without a
// menu bar too (the system would look for the window-menu style the frame has taken off).
TEST_F(PopupMenuSkinTest, AltSpaceShowsTheWindowMenuWithoutAMenuBar) {
  MakeForm();
  ASSERT_NE(skin, nullptr);
  ASSERT_EQ(skin->MenuBar(), nullptr);
  SetForegroundWindow(form->Handle());
  testing_support::wait_until([&] { return GetForegroundWindow() == form->Handle(); });
  RECT where{};
  int kind = -1;
  const bool ran = MenuDriver::Run(
      [&] {
        for (auto [key, up] :
             {std::pair{VK_MENU, false}, {VK_SPACE, false}, {VK_SPACE, true}, {VK_MENU, true}}) {
          INPUT in{};
          in.type = INPUT_KEYBOARD;
          in.ki.wVk = static_cast<WORD>(key);
          in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
          SendInput(1, &in, sizeof in);
        }
        testing_support::wait_until([&] { return where.right > 0; }, 3000);
      },
      [&](HWND window) {
        GetWindowRect(window, &where);
        kind = manager->Popups().Kind();
        return true;
      });
  ASSERT_TRUE(ran);
  POINT origin{0, 0};
  ClientToScreen(form->Handle(), &origin);
  EXPECT_EQ(kind, pkWindowMenu);
  EXPECT_EQ(where.left, origin.x);
  EXPECT_EQ(where.top, origin.y);
}

TEST_F(PopupMenuSkinTest, OpeningMenusManyTimesLeaksNothing) {
  MakeForm();
  ASSERT_NE(skin, nullptr);
  const POINT at = FormPoint(40, 60);
  auto openOnce = [&] {
    return MenuDriver::Run([&] { popup->Popup(at.x, at.y); }, [](HWND) { return true; });
  };
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(openOnce());
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(openOnce()) << i;
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
  EXPECT_TRUE(manager->Popups().Entries().empty());
}

}  // namespace
}  // namespace quarnel::testing
