// Edge cases of the bar, tab and list controls on the all-controls form: hidden and reordered
// pages, refused page changes, grouped and disabled tool buttons, image lists, dragged header
// dividers, edited list labels, extra cool-bar children and windows made again after a style change.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "tests/framework/controls_bars_fixture.h"

namespace bar_controls {
namespace {

TEST_F(BarControlsTest, PagesHideTheirTabsMoveAndRefuseToChange) {
  auto* pages = Get<TPageControl>("Pages");
  auto* one = Get<TTabSheet>("PageOne");
  auto* two = Get<TTabSheet>("PageTwo");
  auto* three = Get<TTabSheet>("PageThree");
  one->SetTabVisible(false);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(two->TabIndex(), 0);
  EXPECT_EQ(one->TabIndex(), -1);
  EXPECT_EQ(pages->ActivePage(), two);
  three->SetPageIndex(0);
  EXPECT_EQ(pages->Pages(0), three);
  EXPECT_EQ(three->TabIndex(), 0);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);  // the selection stays on its page

  // The active page is an object property the skin engine can read by name.
  EXPECT_EQ(GetObjectPropByName(*pages, "ActivePage"), two);
  int changes = 0;
  pages->OnChange.code = [&](TObject*) { ++changes; };
  pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
  pages->SelectNextPage(true);
  EXPECT_EQ(pages->ActivePage(), two);
  pages->OnChanging = nullptr;
  pages->SelectNextPage(true);  // wraps round past the hidden page
  EXPECT_EQ(pages->ActivePage(), three);
  EXPECT_EQ(changes, 1);
}

TEST_F(BarControlsTest, ToolButtonsInAGroupAndDisabledOnesAndImages) {
  auto* bar = Get<TToolBar>("Tools");
  auto* newButton = Get<TToolButton>("ToolNew");
  auto* bold = Get<TToolButton>("ToolBold");
  // Neighbouring grouped check buttons: one of them is down at a time.
  newButton->SetStyle(tbsCheck);
  newButton->SetGrouped(true);
  bold->SetGrouped(true);
  bold->SetDown(true);
  RECT r = bar->ButtonRect(newButton);
  ClickAt(bar->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(wait_until([&] { return newButton->Down(); }));
  EXPECT_FALSE(bold->Down());

  auto* later = TComponent::CreateIn<TToolButton>(form);
  later->SetCaption("Later");
  later->SetParent(bar);
  later->SetEnabled(false);
  int clicks = 0;
  later->OnClick.code = [&](TObject*) { ++clicks; };
  r = bar->ButtonRect(later);
  ClickAt(bar->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(clicks, 0);
  later->SetEnabled(true);
  ClickAt(bar->Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(wait_until([&] { return clicks == 1; }));

  TBitmap strip(32, 16);
  TImageList images(16, 16);
  images.Add(strip);
  bar->SetImages(&images);
  newButton->SetImageIndex(1);
  HIMAGELIST system = reinterpret_cast<HIMAGELIST>(SendMessageW(bar->Handle(), TB_GETIMAGELIST, 0, 0));
  ASSERT_TRUE(system);
  EXPECT_EQ(ImageList_GetImageCount(system), 2);
  TBBUTTON button{};
  SendMessageW(bar->Handle(), TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(button.iBitmap, 1);
  bar->SetImages(nullptr);
}

TEST_F(BarControlsTest, DraggingAHeaderDividerResizesItsSectionWithinItsLimits) {
  auto* header = Get<THeaderControl>("Header");
  THeaderSection* first = header->Sections()->Items(0);
  first->SetMaxWidth(120);
  int resized = 0;
  header->OnSectionResize = [&](THeaderControl*, THeaderSection* s) { resized += s == first; };
  HWND wnd = header->Handle();
  POINT from{header->SectionRect(0).right - 1, 8}, to{from.x + 80, 8};
  ClientToScreen(wnd, &from);
  ClientToScreen(wnd, &to);
  testing_support::move_mouse(from);
  testing_support::mouse_left_button(true);
  flush_events(20);
  for (int step = 1; step <= 4; ++step) {
    testing_support::move_mouse({from.x + (to.x - from.x) * step / 4, from.y});
    flush_events(20);
  }
  testing_support::mouse_left_button(false);
  ASSERT_TRUE(wait_until([&] { return resized == 1; }));
  EXPECT_GT(first->Width(), 90);
  EXPECT_LE(first->Width(), 120);
}

TEST_F(BarControlsTest, AnEditedListLabelBecomesTheItemCaption) {
  auto* list = Get<TListView>("List");
  list->SetFocus();
  HWND edit = reinterpret_cast<HWND>(SendMessageW(list->Handle(), LVM_EDITLABELW, 0, 0));
  ASSERT_TRUE(edit);
  SetWindowTextW(edit, L"\u65B0.txt");
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  flush_events(20);
  EXPECT_EQ(list->Items()->Items(0)->Caption(), "\xD0\xC2.txt");
  list->SetReadOnly(true);
  EXPECT_FALSE(GetWindowLongW(list->Handle(), GWL_STYLE) & LVS_EDITLABELS);
}

TEST_F(BarControlsTest, StylesReadAtCreationMakeTheWindowAgainWithItsContent) {
  auto* status = Get<TStatusBar>("Status");
  HWND old = status->Handle();
  // Whoever watches the control's messages (a control skin) sees the remake, after the new window
  // exists, and can attach to it.
  HWND seenAfterRemake = nullptr;
  auto saved = status->WindowProc;
  status->WindowProc = [&](TMessage& m) {
    saved(m);  // WindowProc starts out calling WndProc
    if (m.Msg == CM_RECREATEWND) seenAfterRemake = status->RawHandle();
  };
  SetOrdPropByName(*status, "SizeGrip", 0);
  status->WindowProc = saved;
  EXPECT_NE(status->Handle(), old);
  EXPECT_EQ(seenAfterRemake, status->Handle());
  EXPECT_FALSE(GetWindowLongW(status->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 0, 0), 3);

  auto* track = Get<TTrackBar>("Track");
  SetEnumProp(*track, *GetPropInfo(*track, "TickStyle"), "tsManual");
  track->SetTick(7);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETTIC, 0, 0), 7);
  SetEnumProp(*track, *GetPropInfo(*track, "TickMarks"), "tmBoth");
  EXPECT_TRUE(GetWindowLongW(track->Handle(), GWL_STYLE) & TBS_BOTH);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETTIC, 0, 0), 7);  // kept across the new window

  // A child added to a cool bar with no free band gets a band of its own.
  auto* cool = Get<TCoolBar>("Cool");
  auto* extra = TComponent::CreateIn<TEdit>(form);
  extra->SetParent(cool);
  cool->Bands()->Add()->SetControl(extra);
  EXPECT_EQ(cool->BandCount(), 3);
  EXPECT_EQ(GetParent(extra->Handle()), cool->Handle());
}

}  // namespace
}  // namespace bar_controls
