// The skinned bar of a form with a framework main menu, under Wine with real input: the menu
// component's items on the band and in skinned drop-downs, Alt+letter typed in a control
// opening the bar and choosing an item by its letter, a rebuilt menu read again, and the
// maximised MDI child's buttons in an MDI frame's band.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/controls/tool_bar.h"
#include "framework/ui/button.h"
#include "framework/ui/menu.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/frame/caption_pixels.h"
#include "tests/skin/frame/form_skin_test_support.h"
#include "tests/skin/frame/menus/menu_driver.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;
using testing_support::key_event;
using testing_support::wait_until;

class FormMenuBarTest : public FormSkinTest {
 protected:
  // A form with "&File" (Open, a line, Quit) and "&View" (Zoom), and a focused button.
  // Shows the form (in front when asked) and waits for its skin; null unless it has a skinned bar.
  TWinSkinForm* ShowWithSkinnedBar(TForm* form, bool inFront) {
    form->Show();
    if (inFront) SetForegroundWindow(form->Handle());
    TWinSkinForm* skin = WaitSkinned(form->Handle());
    return skin && skin->MenuBar() ? skin : nullptr;
  }
  // The skin's MDI child buttons (visibility code 100) that a capture of the frame shows.
  std::vector<ShownButton> ShownMDIControls(const testing_support::Capture& shot) const {
    std::vector<ShownButton> shown;
    for (const auto& record : data->SysButtons)
      if (record->Visibility == 100)
        if (ShownButton b = FindShownButton(shot, *record); b.Drawn()) shown.push_back(b);
    return shown;
  }

  TForm* NewMenuForm(int style = fsNormal) {
    TForm* form = NewForm(bsSizeable, 320, 180, "Form menu");
    form->SetFormStyle(style);
    menu = TComponent::CreateIn<TMainMenu>(form);
    TMenuItem* file = menu->Items()->AddNew(form, "&File");
    open = file->AddNew(form, "&Open");
    open->OnClick.code = [this](TObject*) { ++opened; };
    file->AddNew(form, "-");
    file->AddNew(form, "&Quit");
    menu->Items()->AddNew(form, "&View")->AddNew(form, "&Zoom");
    form->SetMenu(menu);
    if (style == fsNormal) {
      button = TComponent::CreateIn<TButton>(form);
      button->SetParent(form);
      button->SetBounds(10, 10, 90, 26);
      button->SetCaption("Button");
    }
    return form;
  }
  TMainMenu* menu = nullptr;
  TMenuItem* open = nullptr;
  TButton* button = nullptr;
  int opened = 0;
};

TEST_F(FormMenuBarTest, AltLetterInAControlOpensTheSkinnedBarAndChoosesAnItemByItsLetter) {
  TForm* form = NewMenuForm();
  TWinSkinForm* skin = ShowWithSkinnedBar(form, true);
  ASSERT_NE(skin, nullptr);
  HWND window = form->Handle();
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(skin->MenuBar()->MenuComponent(), menu);
  ASSERT_EQ(skin->MenuBar()->Buttons().size(), 2u);
  EXPECT_EQ(skin->MenuBar()->Buttons()[0].MenuItem, menu->Items()->Items(0));
  EXPECT_EQ(skin->MenuBar()->Buttons()[1].Caption, L"&View");
  HMENU fileMenu = GetSubMenu(menu->Handle(), 0);

  button->SetFocus();
  ASSERT_TRUE(wait_until([&] { return GetFocus() == button->Handle(); }));
  HWND seen = nullptr;
  bool ownerDrawn = false;
  MenuDriver::Run(
      [&] {
        testing_support::alt_letter('F');
        wait_until([&] { return opened > 0; }, 4000);
      },
      [&](HWND popup) {
        seen = popup;
        // While it is open its items are drawn by the skin.
        ownerDrawn = (GetMenuState(fileMenu, 0, MF_BYPOSITION) & MF_OWNERDRAW) != 0;
        key_event('O', true);
        key_event('O', false);
        return true;
      },
      false);
  flush_events(30);
  EXPECT_NE(seen, nullptr);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(ownerDrawn);
  EXPECT_FALSE(GetMenuState(fileMenu, 0, MF_BYPOSITION) & MF_OWNERDRAW);  // given back
  EXPECT_FALSE(MenuModeRuns(window, skin->MenuBar()));
}

// Shift+Alt+letter typed in a control opens nothing; Alt+letter by the same road opens the item.
TEST_F(FormMenuBarTest, ShiftAltLetterOpensNoBarItem) {
  TForm* form = NewMenuForm();
  TWinSkinForm* skin = ShowWithSkinnedBar(form, true);
  ASSERT_NE(skin, nullptr);
  // True when the keys opened a drop-down (the driver ends its loop).
  auto opens = [&](bool shift) {
    button->SetFocus();
    EXPECT_TRUE(wait_until([&] { return GetFocus() == button->Handle(); }));
    bool opened = false;
    MenuDriver::Run(
        [&] {
          if (shift) key_event(VK_SHIFT, true);
          testing_support::alt_letter('F');
          if (shift) key_event(VK_SHIFT, false);
          wait_until([&] { return opened; }, 600);
        },
        [&](HWND) { return opened = true; });
    return opened;
  };
  EXPECT_FALSE(opens(true));
  EXPECT_FALSE(MenuModeRuns(form->Handle(), skin->MenuBar()));
  EXPECT_TRUE(opens(false));
}

TEST_F(FormMenuBarTest, ARebuiltMenuIsReadAgainAndStaysOffTheWindow) {
  TForm* form = NewMenuForm();
  TWinSkinForm* skin = ShowWithSkinnedBar(form, false);
  ASSERT_NE(skin, nullptr);
  HWND window = form->Handle();
  TMenuItem* help = menu->Items()->AddNew(form, "&Help");
  help->AddNew(form, "&About");
  menu->Rebuild();
  flush_events(20);
  EXPECT_EQ(GetMenu(window), nullptr);
  ASSERT_EQ(skin->MenuBar()->Buttons().size(), 3u);
  EXPECT_EQ(skin->MenuBar()->Buttons()[2].MenuItem, help);
  EXPECT_EQ(skin->MenuBar()->NativeMenu(), menu->Handle());
  // Without the skin the window has the menu component's present bar, drawn by the system.
  manager->SetRunning(false);
  skin->Detach();
  EXPECT_EQ(GetMenu(window), menu->Handle());
}

// A menu of the same item count set on the MDI frame shows its own captions and states, not the
// frame form's, and the band the window repaints by itself shows them.
TEST_F(FormMenuBarTest, AnMDIMenuOfTheSameCountShowsItsOwnItems) {
  TForm* frame = NewMenuForm(fsMDIForm);
  TWinSkinForm* skin = ShowWithSkinnedBar(frame, false);
  ASSERT_NE(skin, nullptr);
  HWND window = frame->Handle();
  const int top = skin->View().Metrics().CaptionHeight, bottom = top + skin->View().Metrics().MenuBarHeight;
  auto band = [&] {
    const testing_support::Capture shot = testing_support::capture_window(window);
    std::vector<COLORREF> rows;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < shot.width; ++x) rows.push_back(shot.at(x, y));
    return rows;
  };
  const std::vector<COLORREF> before = band();
  HMENU other = CreateMenu();
  HMENU window1 = CreatePopupMenu(), tools = CreatePopupMenu();
  AppendMenuW(window1, MF_STRING, 601, L"&Cascade");
  AppendMenuW(tools, MF_STRING, 602, L"&Options");
  AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(window1), L"&Window");
  AppendMenuW(other, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(tools), L"&Tools");
  SendMessageW(frame->ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(other), 0);
  flush_events(30);
  ASSERT_EQ(skin->MenuBar()->Buttons().size(), 2u);
  EXPECT_EQ(skin->MenuBar()->Buttons()[0].Caption, L"&Window");
  EXPECT_EQ(skin->MenuBar()->Buttons()[1].Caption, L"&Tools");
  EXPECT_EQ(skin->MenuBar()->Buttons()[0].MenuItem, nullptr);
  EXPECT_FALSE(skin->MenuBar()->Buttons()[1].ItemEnabled);
  EXPECT_EQ(skin->MenuBar()->Buttons()[0].SubMenu, window1);
  EXPECT_NE(band(), before);
  SendMessageW(frame->ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(menu->Handle()), 0);
  flush_events(30);
  EXPECT_EQ(skin->MenuBar()->Buttons()[0].MenuItem, menu->Items()->Items(0));
  DestroyMenu(other);
}

// A tool bar's menu is drawn by the skin while the form is skinned, and by the system after.
TEST_F(FormMenuBarTest, AToolBarsMenuIsOwnerDrawnWhileSkinned) {
  TForm* form = NewMenuForm();
  auto* bar = TComponent::CreateIn<TToolBar>(form);
  bar->SetParent(form);
  auto* barMenu = TComponent::CreateIn<TMainMenu>(form);
  TMenuItem* tools = barMenu->Items()->AddNew(form, "&Tools");
  TMenuItem* options = tools->AddNew(form, "&Options");
  bar->SetMenu(barMenu);
  form->Show();
  TWinSkinForm* skin = WaitSkinned(form->Handle());
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(barMenu->OwnerDraw());
  EXPECT_TRUE(options->OnDrawItem);
  EXPECT_TRUE(bar->Flat());         // the tool bar's own row ran: it is skinned as a tool bar too
  EXPECT_FALSE(menu->OwnerDraw());  // the form's own menu is the skinned bar's
  manager->SetRunning(false);
  skin->Detach();
  EXPECT_FALSE(barMenu->OwnerDraw());
  EXPECT_FALSE(options->OnDrawItem);
}

TEST_F(FormMenuBarTest, MaximisedMDIChildButtonsInTheBandMinimiseAndClose) {
  TForm* frame = NewMenuForm(fsMDIForm);
  frame->Show();
  HWND frameWindow = frame->Handle();
  SetForegroundWindow(frameWindow);
  TWinSkinForm* skin = WaitSkinned(frameWindow);
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  TForm* child = NewForm(bsSizeable, 200, 120, "MDI child");
  child->SetFormStyle(fsMDIChild);
  child->SetWindowState(wsMaximized);
  child->Show();
  HWND childWindow = child->Handle();
  ASSERT_NE(WaitSkinned(childWindow), nullptr);
  flush_events(50);  // the band as the frame repaints it by itself once the child is maximised

  // Minimise, restore and close stand in the band, drawn from the skin's MDI control image.
  const testing_support::Capture shot = testing_support::capture_window(frameWindow);
  testing_support::save_bmp(shot, ShotPath("menu_bar_mdi_controls"));
  const std::vector<ShownButton> controls = ShownMDIControls(shot);
  ASSERT_EQ(controls.size(), 3u);
  for (const ShownButton& b : controls) {
    EXPECT_GE(b.rect.top, skin->View().Metrics().CaptionHeight);
    EXPECT_LE(b.rect.bottom, skin->View().Metrics().CaptionHeight + skin->View().Metrics().MenuBarHeight);
    EXPECT_EQ(b.frame, 1) << b.record->Action;
  }
  const auto find = [&](const std::vector<ShownButton>& shown, int action) {
    for (const ShownButton& b : shown)
      if (b.record->Action == action) return b;
    return ShownButton{};
  };
  // A real click on minimise minimises the child.
  const ShownButton minimise = find(controls, 7);
  ASSERT_TRUE(minimise.Drawn());
  const RECT w = WindowRectOf(frameWindow);
  const POINT at{w.left + (minimise.rect.left + minimise.rect.right) / 2,
                 w.top + (minimise.rect.top + minimise.rect.bottom) / 2};
  testing_support::move_mouse(at);
  flush_events(20);
  testing_support::mouse_left_button(true);
  testing_support::mouse_left_button(false);
  EXPECT_TRUE(wait_until([&] { return IsIconic(childWindow) != FALSE; }));

  // Maximised again, the close button reached by SKM_MENUBARCLICK closes it (the form hides).
  SendMessageW(frame->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(childWindow), 0);
  flush_events(50);  // the band repainted by itself, its buttons back in place
  const ShownButton close = find(ShownMDIControls(testing_support::capture_window(frameWindow)), 9);
  ASSERT_TRUE(close.Drawn());
  SendMessageW(frameWindow, SKM_MENUBARCLICK, 0,
               MAKELPARAM(w.left + close.rect.left + 2, w.top + close.rect.top + 2));
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(childWindow); }));
}

// Right to left, the bar's items run leftwards from the band's right end; with a maximised MDI
// child its buttons stand there, and the items end 5 pixels before the leftmost of them.
TEST_F(FormMenuBarTest, RightToLeftItemsEndBeforeTheMaximisedChildsButtons) {
  TForm* frame = NewMenuForm(fsMDIForm);
  frame->SetBounds(60, 60, 420, 240);
  HWND frameWindow = frame->Handle();
  SetWindowLongPtrW(frameWindow, GWL_EXSTYLE,
                    GetWindowLongPtrW(frameWindow, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  frame->Show();
  SetForegroundWindow(frameWindow);
  TWinSkinForm* skin = WaitSkinned(frameWindow);
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->MenuBar(), nullptr);
  ASSERT_TRUE(skin->View().Facts().RightToLeft);
  TForm* child = NewForm(bsSizeable, 200, 120, "MDI child");
  child->SetFormStyle(fsMDIChild);
  child->SetWindowState(wsMaximized);
  child->Show();
  ASSERT_NE(WaitSkinned(child->Handle()), nullptr);
  flush_events(50);  // what the frame paints by itself once the child is maximised

  const testing_support::Capture shot = testing_support::capture_window(frameWindow);
  testing_support::save_bmp(shot, ShotPath("menu_bar_mdi_right_to_left"));
  const std::vector<ShownButton> controls = ShownMDIControls(shot);
  ASSERT_FALSE(controls.empty());
  RECT leftmost = controls.front().rect;
  for (const ShownButton& b : controls)
    if (b.rect.left < leftmost.left) leftmost = b.rect;
  const std::vector<TMenuBtn>& items = skin->MenuBar()->Buttons();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Rect.right, leftmost.left - 5);
  EXPECT_EQ(items[1].Rect.right, items[0].Rect.left);
  // A point on the leftmost button is the button's, not a bar item's.
  const POINT onButton{leftmost.left + 2, (leftmost.top + leftmost.bottom) / 2};
  EXPECT_EQ(skin->MenuBar()->ButtonAt(onButton), nullptr);
  // No caption is written beside or behind the buttons: the band right of the items shows no
  // text ink outside the buttons' images.
  const COLORREF ink = ResolveSkinColor(data->Colors[scMenuBarText]);
  auto onAButton = [&](int x, int y) {
    for (const ShownButton& b : controls)
      if (PtInRect(&b.rect, POINT{x, y})) return true;
    return false;
  };
  int over = 0, inItems = 0;
  for (int y = skin->View().Metrics().CaptionHeight;
       y < skin->View().Metrics().CaptionHeight + skin->View().Metrics().MenuBarHeight; ++y) {
    for (int x = items[0].Rect.right; x < shot.width - skin->View().Metrics().BorderRight; ++x)
      over += !onAButton(x, y) && shot.at(x, y) == ink;
    for (int x = items[1].Rect.left; x < items[0].Rect.right; ++x) inItems += shot.at(x, y) == ink;
  }
  EXPECT_GT(inItems, 10);
  EXPECT_EQ(over, 0);
}

}  // namespace
}  // namespace quarnel::testing
