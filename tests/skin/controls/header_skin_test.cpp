// Header skins under Wine: items drawn from the Headerbar frames, the item under the mouse hot
// (one at a time, cleared when the mouse leaves), the held item pressed, clicks reaching the
// section and column events, a list view's header and bars skinned, and repaints that leak
// nothing.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "skin/controls/skin_header.h"
#include "skin/data/draw/draw_helpers.h"
#include "tab_test_support.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_window;

const char* kForm = R"(object HeaderForm: TForm
  Left = 30
  Top = 30
  Caption = 'Headers'
  ClientWidth = 360
  ClientHeight = 240
  object Header: THeaderControl
    Left = 10
    Top = 10
    Width = 300
    Height = 22
    Sections = <
      item
        Text = 'Name'
        Width = 100
      end
      item
        Text = 'Size'
        Width = 80
        Alignment = taRightJustify
      end
      item
        Text = 'Kind'
        Width = 80
      end>
  end
  object List: TListView
    Left = 10
    Top = 50
    Width = 300
    Height = 150
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'File'
        Width = 120
      end
      item
        Caption = 'Size'
        Width = 80
      end>
  end
end
)";

class HeadersTest : public TabSkinTest {
 protected:
  void SetUp() override {
    MakeForm(kForm);
    header = Find<THeaderControl>("Header");
    list = Find<TListView>("List");
    for (int i = 0; i < 40; ++i) list->Items()->Add()->SetCaption("file " + std::to_string(i));
    formSkin->AttachControlSkins();
    Pump(100);
  }
  RECT Section(int index) { return header->SectionRect(index); }
  // Mismatches between an item's bottom rows and `frame` of the Headerbar drawn at its size.
  int BottomEdgeMismatches(int index, int frame) {
    const RECT item = Section(index);
    const int w = item.right - item.left, h = item.bottom - item.top;
    TDataSkinObject& bar = *data->Headerbar;
    TBitmap ref(w, h, pf32bit);
    DrawElementFrame(ref.DC(), RECT{0, 0, w, h}, bar, bar.FrameCount, frame);
    const Capture c = capture_window(header->Handle());
    int mismatches = 0;
    for (int y = h - bar.BottomHeight; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (c.at(item.left + x, item.top + y) != ref.PixelAt(x, y)) ++mismatches;
    return mismatches;
  }
  TSkinHeader* HeaderSkin() {
    return dynamic_cast<TSkinHeader*>(formSkin->FindControlSkin(header->Handle()));
  }

  THeaderControl* header = nullptr;
  TListView* list = nullptr;
};

TEST_F(HeadersTest, TheItemUnderTheMouseIsHotOneAtATimeUntilTheMouseLeaves) {
  TSkinHeader* skin = HeaderSkin();
  ASSERT_NE(skin, nullptr);
  ASSERT_TRUE(data->Headerbar && data->Headerbar->BottomHeight > 0);
  EXPECT_EQ(BottomEdgeMismatches(0, 1), 0);
  ASSERT_GT(BottomEdgeMismatches(0, 2), 0) << "the hot frame differs from the normal one";

  testing_support::move_mouse(ScreenPoint(header->Handle(), 50, 10));
  ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == 0; }));
  Pump(30);
  EXPECT_EQ(BottomEdgeMismatches(0, 2), 0);
  EXPECT_EQ(BottomEdgeMismatches(1, 1), 0);
  testing_support::move_mouse(ScreenPoint(header->Handle(), 140, 10));
  ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == 1; }));
  Pump(30);
  EXPECT_EQ(BottomEdgeMismatches(0, 1), 0) << "only one item is hot";
  EXPECT_EQ(BottomEdgeMismatches(1, 2), 0);
  testing_support::move_mouse(ScreenPoint(form->Handle(), 330, 220));
  ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == -1; }));
  Pump(30);
  EXPECT_EQ(BottomEdgeMismatches(1, 1), 0);
}

TEST_F(HeadersTest, AHeldItemIsPressedAndItsClickReachesTheSectionEvent) {
  TSkinHeader* skin = HeaderSkin();
  ASSERT_NE(skin, nullptr);
  std::vector<int> clicked;
  header->OnSectionClick = [&](THeaderControl*, THeaderSection* s) { clicked.push_back(s->Index()); };
  testing_support::move_mouse(ScreenPoint(header->Handle(), 140, 10));
  Pump(30);
  testing_support::mouse_left_button(true);
  ASSERT_TRUE(PumpUntil([&] { return skin->PressedItem() == 1; }));
  Pump(30);
  EXPECT_EQ(BottomEdgeMismatches(1, 3), 0) << "held down: the pressed frame";
  testing_support::mouse_left_button(false);
  ASSERT_TRUE(PumpUntil([&] { return clicked.size() == 1; }));
  EXPECT_EQ(clicked[0], 1);
  EXPECT_EQ(skin->PressedItem(), -1);
}

TEST_F(HeadersTest, AListViewHasItsHeaderAndBarsSkinnedAndColumnClicksArrive) {
  auto* skin = dynamic_cast<TSkinListView*>(formSkin->FindControlSkin(list->Handle()));
  ASSERT_NE(skin, nullptr);
  HWND headerWindow = list->HeaderHandle();
  ASSERT_NE(headerWindow, nullptr);
  EXPECT_EQ(skin->HeaderWindow(), headerWindow);
  auto* headerSkin = dynamic_cast<TSkinHeader*>(formSkin->FindControlSkin(headerWindow));
  ASSERT_NE(headerSkin, nullptr);
  ASSERT_NE(skin->VertBar(), nullptr);
  EXPECT_TRUE(skin->VertBar()->Shown()) << "forty rows need the skinned bar";

  // The header's first item is drawn from the Headerbar's first frame.
  RECT item{};
  SendMessageW(headerWindow, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  TDataSkinObject& bar = *data->Headerbar;
  TBitmap ref(item.right - item.left, item.bottom - item.top, pf32bit);
  DrawElementFrame(ref.DC(), RECT{0, 0, ref.Width(), ref.Height()}, bar, bar.FrameCount, 1);
  const Capture c = capture_window(headerWindow);
  EXPECT_EQ(c.at(item.left + 1, item.bottom - 1), ref.PixelAt(1, ref.Height() - 1));
  EXPECT_EQ(c.at(item.left + 20, 0), ref.PixelAt(20, 0));

  std::vector<int> columns;
  list->OnColumnClick = [&](TListView*, TListColumn* column) { columns.push_back(column->Index()); };
  ClickAt(headerWindow, 150, (item.top + item.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return columns.size() == 1; }));
  EXPECT_EQ(columns[0], 1);
  SaveShot(form->Handle(), "headers.bmp");

  // A remade list view gets a list-view skin again, and its new header a header skin.
  list->RecreateWnd();
  auto* again = dynamic_cast<TSkinListView*>(ReskinScrolledControl(*formSkin, list->Handle()));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->HeaderWindow(), list->HeaderHandle());
  EXPECT_NE(dynamic_cast<TSkinHeader*>(formSkin->FindControlSkin(list->HeaderHandle())), nullptr);
}

TEST_F(HeadersTest, SkinOffGivesTheSystemHeaderBackAndRepaintsLeakNothing) {
  // The system's own drawing of the header, which the skin leaves alone when asked to print.
  RECT client;
  GetClientRect(header->Handle(), &client);
  TBitmap own(client.right, client.bottom, pf32bit);
  SendMessageW(header->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  auto matchesOwn = [&](const Capture& c) {
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x)
        if (c.at(x, y) != own.PixelAt(x, y)) return false;
    return true;
  };
  const Capture skinned = capture_window(header->Handle());
  EXPECT_FALSE(matchesOwn(skinned));
  SendMessageW(header->Handle(), SKM_ENABLESKIN, 0, 0);
  RedrawWindow(header->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump(30);
  EXPECT_TRUE(matchesOwn(capture_window(header->Handle())));
  SendMessageW(header->Handle(), SKM_ENABLESKIN, 1, 0);
  Pump(30);
  EXPECT_EQ(capture_window(header->Handle()).pixels, skinned.pixels);

  for (HWND window : {header->Handle(), list->HeaderHandle(), list->Handle()}) {
    auto redraw = [&] { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    redraw();
    const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
    for (int i = 0; i < 1000; ++i) redraw();
    EXPECT_EQ(testing_support::gdi_objects(), gdi);
    EXPECT_EQ(testing_support::user_objects(), user);
  }
}

}  // namespace
}  // namespace quarnel::tabtest
