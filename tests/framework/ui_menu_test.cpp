// Menus: the item tree and its ownership, the menu handle built from it, command routing, the
// owner-draw routing and the plain look, descriptions creating menus, and a real popup.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/core/properties.h"
#include "framework/description/reader.h"
#include "framework/graphics/image_list.h"
#include "framework/ui/menu.h"
#include "tests/support/window_support.h"

namespace {

ComponentPtr<TPopupMenu> ThreeItems(int* clicks) {
  auto menu = TComponent::Make<TPopupMenu>();
  TMenuItem* open = menu->Items()->AddNew(menu.get(), "Open", 1);
  open->SetShortCut("Ctrl+O");
  open->OnClick.code = [clicks](TObject*) { ++*clicks; };
  menu->Items()->AddNew(menu.get(), "-", 2);
  TMenuItem* off = menu->Items()->AddNew(menu.get(), "Off", 3);
  off->SetEnabled(false);
  off->OnClick.code = [clicks](TObject*) { *clicks += 100; };
  return menu;
}

TEST(Menu, ItemTreeFollowsItsItems) {
  int clicks = 0;
  auto menu = ThreeItems(&clicks);
  TMenuItem* root = menu->Items();
  ASSERT_EQ(root->Count(), 3);
  TMenuItem* open = root->Items(0);
  EXPECT_EQ(open->Parent(), root);
  EXPECT_EQ(open->Level(), 1);
  EXPECT_EQ(open->GetParentMenu(), menu.get());
  TMenuItem* sub = open->AddNew(menu.get(), "Recent");
  EXPECT_EQ(sub->Level(), 2);
  EXPECT_EQ(sub->GetParentMenu(), menu.get());
  EXPECT_TRUE(root->Items(1)->IsLine());
  // An item that goes away leaves its parent's list.
  menu->DestroyComponent(root->Items(1));
  EXPECT_EQ(root->Count(), 2);
  EXPECT_EQ(root->Items(1)->Caption(), "Off");
  // Moving an item to another parent takes it out of the first.
  root->Items(1)->Add(sub);
  EXPECT_EQ(open->Count(), 0);
  EXPECT_EQ(root->Items(1)->Count(), 1);
}

TEST(Menu, HandleHoldsTheItemsWithTheirStates) {
  int clicks = 0;
  auto menu = ThreeItems(&clicks);
  menu->Items()->Items(0)->SetChecked(true);
  HMENU handle = menu->Handle();
  ASSERT_NE(handle, nullptr);
  ASSERT_EQ(GetMenuItemCount(handle), 3);
  wchar_t text[64] = {};
  GetMenuStringW(handle, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Open\tCtrl+O");
  EXPECT_TRUE(GetMenuState(handle, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_TRUE(GetMenuState(handle, 2, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(GetMenuItemID(handle, 0), menu->Items()->Items(0)->Command());

  // Owner-drawn: each item carries its object.
  menu->SetOwnerDraw(true);
  handle = menu->Handle();
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_DATA;
  ASSERT_TRUE(GetMenuItemInfoW(handle, 2, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  EXPECT_EQ(reinterpret_cast<TMenuItem*>(info.dwItemData), menu->Items()->Items(2));
  // Its text stays readable, as screen readers read it.
  info.fMask = MIIM_STRING | MIIM_FTYPE;
  info.dwTypeData = text;
  info.cch = 64;
  ASSERT_TRUE(GetMenuItemInfoW(handle, 0, TRUE, &info));
  EXPECT_STREQ(text, L"Open\tCtrl+O");
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << "and it is still drawn by its owner";
}

TEST(Menu, SubItemsBecomeSubmenus) {
  auto menu = TComponent::Make<TMainMenu>();
  TMenuItem* file = menu->Items()->AddNew(menu.get(), "File");
  file->AddNew(menu.get(), "Open");
  file->AddNew(menu.get(), "Save");
  HMENU bar = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  HMENU sub = GetSubMenu(bar, 0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(GetMenuItemCount(sub), 2);
  EXPECT_EQ(GetMenuItemID(sub, 1), file->Items(1)->Command());
}

TEST(Menu, CommandsReachEnabledItemsOnly) {
  int clicks = 0;
  auto menu = ThreeItems(&clicks);
  EXPECT_TRUE(menu->DispatchCommand(menu->Items()->Items(0)->Command()));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(menu->DispatchCommand(menu->Items()->Items(2)->Command()));
  EXPECT_EQ(clicks, 1);  // disabled
  EXPECT_FALSE(menu->DispatchCommand(0xEFFF));
  auto other = TComponent::Make<TPopupMenu>();
  EXPECT_FALSE(other->DispatchCommand(menu->Items()->Items(0)->Command()));
}

TEST(Menu, OwnerDrawRoutesToTheItemOrDrawsThePlainLook) {
  auto menu = TComponent::Make<TPopupMenu>();
  TImageList glyphs(16, 16);
  TBitmap red(16, 16);
  red.Canvas().Brush().SetColor(0x0000FF);
  RECT all{0, 0, 16, 16};
  red.Canvas().FillRect(all);
  glyphs.Add(red);
  menu->SetImages(&glyphs);
  TMenuItem* item = menu->Items()->AddNew(menu.get(), "Glyph");
  item->SetImageIndex(0);

  TBitmap target(200, 24, pf32bit);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.hDC = target.DC();
  draw.rcItem = {0, 0, 200, 24};
  draw.itemData = reinterpret_cast<ULONG_PTR>(item);
  draw.itemState = ODS_SELECTED;
  ASSERT_TRUE(menu->DispatchDrawItem(draw));
  EXPECT_EQ(target.PixelAt(190, 2), GetSysColor(COLOR_HIGHLIGHT));  // selected background
  EXPECT_EQ(target.PixelAt(3 + 8, 12), 0x0000FFu);                  // the glyph
  int text = 0;
  for (int x = 28; x < 120; ++x)
    for (int y = 4; y < 20; ++y) text += target.PixelAt(x, y) == GetSysColor(COLOR_HIGHLIGHTTEXT);
  EXPECT_GT(text, 5);

  // The item's own handlers win; measuring starts from the default size.
  int drawn = 0, measuredWidth = 0;
  item->OnDrawItem = [&](TMenuItem* sender, TCanvas&, const RECT&, UINT) { drawn += sender == item; };
  item->OnMeasureItem = [&](TMenuItem*, TCanvas&, int& width, int& height) {
    measuredWidth = width;
    height = 33;
  };
  ASSERT_TRUE(menu->DispatchDrawItem(draw));
  EXPECT_EQ(drawn, 1);
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = reinterpret_cast<ULONG_PTR>(item);
  ASSERT_TRUE(menu->DispatchMeasureItem(measure));
  EXPECT_GT(measuredWidth, 22);
  EXPECT_EQ(measure.itemWidth, static_cast<UINT>(measuredWidth));
  EXPECT_EQ(measure.itemHeight, 33u);
  // A draw request for an item of another menu is not ours.
  auto other = TComponent::Make<TPopupMenu>();
  EXPECT_FALSE(other->DispatchDrawItem(draw));
}

TEST(Menu, OwnerDrawDataThatIsNoItemIsNeverRead) {
  auto menu = TComponent::Make<TPopupMenu>();
  menu->Items()->AddNew(menu.get(), "One");
  // Another owner-draw menu of the window may carry any value as its item data.
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemData = 0x10;
  EXPECT_FALSE(menu->DispatchDrawItem(draw));
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = 0x10;
  EXPECT_FALSE(menu->DispatchMeasureItem(measure));
}

TEST(Menu, PublishedAndCreatedByDescriptions) {
  ASSERT_NE(FindClass("TMenuItem"), nullptr);
  ASSERT_NE(FindClass("TPopupMenu"), nullptr);
  ASSERT_NE(FindClass("TMainMenu"), nullptr);
  auto host = TComponent::Make<TComponent>();
  ReadComponent(*host,
                "object Host: TComponent\n"
                "  object PopupMenu1: TPopupMenu\n"
                "    OwnerDraw = True\n"
                "    object Open1: TMenuItem\n"
                "      Caption = 'Open'\n"
                "      ShortCut = 'Ctrl+O'\n"
                "      object Recent1: TMenuItem\n"
                "        Caption = 'Recent'\n"
                "        Checked = True\n"
                "      end\n"
                "    end\n"
                "    object Quit1: TMenuItem\n"
                "      Caption = 'Quit'\n"
                "      Enabled = False\n"
                "    end\n"
                "  end\n"
                "end\n");
  auto* menu = ObjectAs<TPopupMenu>(host->FindComponent("PopupMenu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->OwnerDraw());
  ASSERT_EQ(menu->Items()->Count(), 2);
  TMenuItem* open = menu->Items()->Items(0);
  EXPECT_EQ(open->Name(), "Open1");
  EXPECT_EQ(open->ShortCut(), "Ctrl+O");
  ASSERT_EQ(open->Count(), 1);
  EXPECT_TRUE(open->Items(0)->Checked());
  EXPECT_FALSE(menu->Items()->Items(1)->Enabled());
}

TEST(Menu, PopupRunsTheChosenItemBeforeReturning) {
  int clicks = 0;
  auto menu = ThreeItems(&clicks);
  menu->SetOwnerDraw(true);
  int measured = 0, drawn = 0;
  menu->Items()->Items(0)->OnMeasureItem = [&](TMenuItem*, TCanvas&, int&, int&) { ++measured; };
  menu->Items()->Items(0)->OnDrawItem = [&](TMenuItem* sender, TCanvas& canvas, const RECT& rect,
                                            UINT state) {
    ++drawn;
    sender->DefaultDraw(canvas, rect, state);
  };
  int popups = 0;
  menu->OnPopup.code = [&](TObject*) { ++popups; };
  std::atomic<bool> stop{false};
  // Highlights the first item with Down, then chooses it with Return; both are pressed again
  // while the menu stays up, so a lost key cannot leave the popup waiting for ever.
  std::thread chooser([&] {
    while (!stop) {
      HWND open = FindWindowW(L"#32768", nullptr);
      if (open && IsWindowVisible(open)) {
        DWORD_PTR items = 0;
        SendMessageTimeoutW(open, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 1000, &items);
        const UINT state = items ? GetMenuState(reinterpret_cast<HMENU>(items), 0, MF_BYPOSITION) : ~0u;
        PostMessageW(open, WM_KEYDOWN, state != ~0u && (state & MF_HILITE) ? VK_RETURN : VK_DOWN, 0);
      }
      Sleep(50);
    }
  });
  menu->Popup(100, 100);
  stop = true;
  chooser.join();
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(menu->LastChosen(), menu->Items()->Items(0));
  EXPECT_GT(measured, 0);
  EXPECT_GT(drawn, 0);
}

}  // namespace
