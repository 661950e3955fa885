// Header skins under Wine: items drawn from the Headerbar frames, the item under the mouse hot
// (one at a time, cleared when the mouse leaves), the held item pressed, clicks reaching the
// section and column events, sort arrows, owner-drawn sections left to their owner, a list
// view's header and bars skinned, and repaints that leak nothing.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "skin/controls/skin_header.h"
#include "skin/controls/tab_layout.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"
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
    formSkin->Controls().AttachControlSkins();
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
    return dynamic_cast<TSkinHeader*>(formSkin->Controls().FindControlSkin(header->Handle()));
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

// Where two captures differ within columns [x0, x1): the pixels per row that became `colour`,
// from the first such row to the last; `other` counts the pixels that changed to anything else.
std::vector<int> ChangedRows(const Capture& a, const Capture& b, int x0, int x1, COLORREF colour,
                             int& other) {
  std::vector<int> rows;
  other = 0;
  for (int y = 0; y < a.height; ++y) {
    int n = 0;
    for (int x = x0; x < x1; ++x) {
      if (a.at(x, y) == b.at(x, y)) continue;
      if (b.at(x, y) == colour)
        ++n;
      else
        ++other;
    }
    if (n > 0 || !rows.empty()) rows.push_back(n);
  }
  while (!rows.empty() && rows.back() == 0) rows.pop_back();
  return rows;
}

TEST_F(HeadersTest, SortArrowsPointTheWayOfTheSortInTheTextColour) {
  ASSERT_NE(HeaderSkin(), nullptr);
  auto set = [&](int index, int sort, const wchar_t* text) {
    wchar_t buffer[64] = {};
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 63;
    SendMessageW(header->Handle(), HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    item.fmt = (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | sort;
    if (text) item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(header->Handle(), HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    RedrawWindow(header->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(30);
    return capture_window(header->Handle());
  };
  const COLORREF text = ColorToRGB(data->Colors[scWindowText]);
  const std::vector<int> up{1, 3, 5, 7, 9}, down{9, 7, 5, 3, 1};
  int other = 0;

  // A left-aligned caption stays where it is: the arrow is all that changes.
  const Capture plain = set(0, 0, nullptr);
  EXPECT_EQ(ChangedRows(plain, set(0, HDF_SORTUP, nullptr), 0, plain.width, text, other), up);
  EXPECT_EQ(other, 0);
  const Capture sortedDown = set(0, HDF_SORTDOWN, nullptr);
  EXPECT_EQ(ChangedRows(plain, sortedDown, 0, plain.width, text, other), down);
  EXPECT_EQ(other, 0);
  set(0, 0, nullptr);

  // A right-aligned caption moves left to make room for the arrow at the item's right.
  const RECT size = Section(1);
  const Capture blank = set(1, 0, L"");
  set(1, 0, L"Size");
  EXPECT_EQ(
      ChangedRows(blank, set(1, HDF_SORTUP, nullptr), size.right - kSortArrowSpace, size.right, text, other),
      up);
  EXPECT_EQ(other, 0) << "no caption under the arrow";
  SaveShot(form->Handle(), "header_sort_arrow.bmp");
  EXPECT_EQ(ChangedRows(blank, set(1, HDF_SORTDOWN, nullptr), size.right - kSortArrowSpace, size.right, text,
                        other),
            down);
}

TEST_F(HeadersTest, OwnerDrawnSectionsAreLeftToTheirOwner) {
  ASSERT_NE(HeaderSkin(), nullptr);
  constexpr COLORREF kOwnerColour = RGB(200, 30, 160);
  std::vector<std::pair<int, bool>> asked;
  header->OnDrawSection = [&](THeaderControl*, THeaderSection* section, TCanvas& canvas, const RECT& r,
                              bool pressed) {
    asked.emplace_back(section->Index(), pressed);
    canvas.Brush().SetColor(static_cast<TColor>(kOwnerColour));
    canvas.FillRect(RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2});
  };
  header->Sections()->Items(2)->SetStyle(hsOwnerDraw);
  RedrawWindow(header->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_TRUE(PumpUntil([&] { return !asked.empty(); })) << "the owner is asked to draw its section";
  Pump(30);
  EXPECT_EQ(asked.back(), std::make_pair(2, false));
  const RECT item = Section(2);
  Capture c = capture_window(header->Handle());
  int owners = 0;
  for (int y = item.top + 2; y < item.bottom - 2; ++y)
    for (int x = item.left + 2; x < item.right - 2; ++x) owners += c.at(x, y) == kOwnerColour;
  EXPECT_EQ(owners, (item.right - item.left - 4) * (item.bottom - item.top - 4))
      << "no caption drawn over it";
  EXPECT_EQ(BottomEdgeMismatches(0, 1), 0) << "the other sections are the skin's";

  // Held down, it is drawn pressed by its owner.
  testing_support::move_mouse(ScreenPoint(header->Handle(), (item.left + item.right) / 2, 10));
  Pump(30);
  testing_support::mouse_left_button(true);
  EXPECT_TRUE(PumpUntil([&] { return asked.back() == std::make_pair(2, true); }));
  testing_support::mouse_left_button(false);
  Pump(30);
  SaveShot(form->Handle(), "header_owner_drawn.bmp");
}

TEST_F(HeadersTest, AListViewHasItsHeaderAndBarsSkinnedAndColumnClicksArrive) {
  auto* skin = dynamic_cast<TSkinListView*>(formSkin->Controls().FindControlSkin(list->Handle()));
  ASSERT_NE(skin, nullptr);
  HWND headerWindow = list->HeaderHandle();
  ASSERT_NE(headerWindow, nullptr);
  EXPECT_EQ(skin->HeaderWindow(), headerWindow);
  auto* headerSkin = dynamic_cast<TSkinHeader*>(formSkin->Controls().FindControlSkin(headerWindow));
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
  auto* again = dynamic_cast<TSkinListView*>(ReskinScrolledControl(formSkin->Controls(), list->Handle()));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->HeaderWindow(), list->HeaderHandle());
  EXPECT_NE(dynamic_cast<TSkinHeader*>(formSkin->Controls().FindControlSkin(list->HeaderHandle())), nullptr);
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
