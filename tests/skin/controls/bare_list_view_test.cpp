// A list view without a framework control, held by a child window of a dialog the way a shell
// folder view holds the open-file dialog's list: reached by the dialog's walk, its header and
// bar drawn from the skin, column clicks still arriving, an owner-drawn heading left to the
// program, the system look back at skin off, and a list view made later (a new folder opened)
// skinned as well.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "bare_dialog_support.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/wscrollbar.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_screen_rect;
using testing_support::capture_window;

// The holder of the list, under the class name of the shell's folder view; it records the list
// view's column clicks.
struct FolderView {
  static inline std::vector<int> columnClicks;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lp)->code == LVN_COLUMNCLICK)
      columnClicks.push_back(reinterpret_cast<const NMLISTVIEW*>(lp)->iSubItem);
    return DefWindowProcW(w, m, wp, lp);
  }
  static void Register() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SHELLDLL_DefView";
    RegisterClassW(&wc);
  }
};

// A folder view with a report-view list of two columns and sixty rows, filling `dialog` but a
// margin.
HWND AddFolderView(HWND dialog) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND view = CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE, 10, 10, 320, 200, dialog,
                              nullptr, instance, nullptr);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                              320, 200, view, reinterpret_cast<HMENU>(1), instance, nullptr);
  const wchar_t* names[] = {L"Name", L"Size"};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 140;
    column.pszText = const_cast<wchar_t*>(names[i]);
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  for (int i = 0; i < 60; ++i) {
    std::wstring text = L"file " + std::to_wstring(i);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  return list;
}

class BareListViewTest : public BareDialogTest {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    BareDialogTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(data->Headerbar && !data->Headerbar->Image.Empty());
    FolderView::Register();
    FolderView::columnClicks.clear();
    list = AddFolderView(dialog.get());
    header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    SetForegroundWindow(dialog.get());
    Pump(60);
  }
  SCROLLBARINFO VerticalBar() const { return VerticalBarOf(list); }

  HWND list = nullptr, header = nullptr;
};

TEST_F(BareListViewTest, HeaderAndBarAreTheSkinsAndColumnClicksArriveUntilSkinOff) {
  const Capture ownHeader = capture_window(header);
  const RECT bar = VerticalBar().rcScrollBar;
  ASSERT_GT(bar.bottom - bar.top, 40) << "sixty rows need a vertical bar";
  const Capture ownBar = capture_screen_rect(bar);

  Skin();
  auto* skin = dynamic_cast<TSkinListViewH*>(dialogSkin->Controls().FindControlSkin(list));
  ASSERT_NE(skin, nullptr) << "the walk reaches the list inside the folder view";
  EXPECT_EQ(dialogSkin->Controls().FindControlSkin(GetParent(list)), nullptr)
      << "the view itself only holds the list";
  EXPECT_EQ(skin->HeaderWindow(), header);
  auto* headerSkin = dynamic_cast<TSkinHeader*>(dialogSkin->Controls().FindControlSkin(header));
  ASSERT_NE(headerSkin, nullptr);

  // The header's items are the Headerbar's first frame (its bottom edge, below the caption).
  RECT item{};
  SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  TDataSkinObject& element = *data->Headerbar;
  ASSERT_GT(element.BottomHeight, 0);
  TBitmap ref(item.right - item.left, item.bottom - item.top, pf32bit);
  DrawElementFrame(ref.DC(), RECT{0, 0, ref.Width(), ref.Height()}, element, element.FrameCount, 1);
  const Capture skinnedHeader = capture_window(header);
  int mismatches = 0;
  for (int y = ref.Height() - element.BottomHeight; y < ref.Height(); ++y)
    for (int x = 0; x < ref.Width(); ++x) mismatches += skinnedHeader.at(x, y) != ref.PixelAt(x, y);
  EXPECT_EQ(mismatches, 0);
  EXPECT_NE(skinnedHeader.pixels, ownHeader.pixels);

  // What shows over the system's bar is the skin's picture of that bar, also once the keyboard
  // has moved the list to its end.
  TWScrollbar* vertical = skin->VertBar();
  ASSERT_NE(vertical, nullptr);
  ASSERT_TRUE(vertical->Shown());
  auto barMismatches = [&] { return VerticalBarMismatches(*data, list, *vertical); };
  EXPECT_EQ(barMismatches(), 0);
  EXPECT_NE(capture_screen_rect(bar).pixels, ownBar.pixels);
  const LONG thumbAtTop = VerticalBar().xyThumbTop;
  SetFocus(list);
  PressKey(VK_END);
  ASSERT_TRUE(PumpUntil([&] { return VerticalBar().xyThumbTop > thumbAtTop; }));
  Pump(60);
  EXPECT_EQ(barMismatches(), 0) << "the bar follows the list";
  PressKey(VK_HOME);
  ASSERT_TRUE(PumpUntil([&] { return VerticalBar().xyThumbTop == thumbAtTop; }));

  // A real click on the second column reaches the view as the list's column click.
  ClickAt(header, item.right + 40, (item.top + item.bottom) / 2);
  ASSERT_TRUE(PumpUntil([] { return FolderView::columnClicks.size() == 1; }));
  EXPECT_EQ(FolderView::columnClicks[0], 1);
  testing_support::move_mouse(POINT{600, 600});
  Pump(60);
  SaveShot(dialog.get(), "bare_list_view.bmp");

  SkinOff();
  EXPECT_EQ(SendMessageW(list, SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_EQ(SendMessageW(header, SKM_QUERYSKINNED, 0, 0), 0);
  // The system's own hot item goes when the pointer's leave reaches it.
  EXPECT_TRUE(PumpUntil([&] { return capture_window(header).pixels == ownHeader.pixels; }));
  EXPECT_EQ(capture_screen_rect(bar).pixels, ownBar.pixels);

  // Skinning and unskinning again, with repaints in between, leaves no object behind.
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  Skin();
  for (int i = 0; i < 200; ++i)
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
  SkinOff();
  EXPECT_EQ(testing_support::gdi_objects(), gdi);
  EXPECT_EQ(testing_support::user_objects(), user);
}

TEST_F(BareListViewTest, AListViewMadeAfterwardsIsSkinnedToo) {
  // Skinned as the manager skins a dialog: the frame object takes the window, then activates.
  dialogSkin = TComponent::Make<TWinSkinForm>();
  dialogSkin->BindWindow(dialog.get(), "#32770", nullptr, data);
  dialogSkin->Activate(data);
  SendMessageW(dialog.get(), SKM_ACTIVATE, 0, kActivateMessageParam);
  Pump(60);
  ASSERT_NE(dialogSkin->Controls().FindControlSkin(list), nullptr);
  // Opening another folder: the shell replaces its view by a new one holding a new list.
  DestroyWindow(GetParent(list));
  list = AddFolderView(dialog.get());
  header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_TRUE(
      PumpUntil([&] { return dynamic_cast<TSkinListViewH*>(dialogSkin->Controls().FindControlSkin(list)); }));
  EXPECT_NE(dynamic_cast<TSkinHeader*>(dialogSkin->Controls().FindControlSkin(header)), nullptr);
  EXPECT_EQ(SendMessageW(list, SKM_QUERYSKINNED, 0, 0), 1);
}

// The program behind a details view that draws the heading of a column itself: the header asks
// the list (its parent) to draw it.
struct OwnerDrawnHeading {
  static constexpr COLORREF kColour = RGB(40, 170, 90);
  static inline WNDPROC previous = nullptr;
  static inline std::vector<UINT> asked;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (m == WM_DRAWITEM && draw->CtlType == ODT_HEADER) {
      asked.push_back(draw->itemID);
      HBRUSH brush = CreateSolidBrush(kColour);
      FillRect(draw->hDC, &draw->rcItem, brush);
      DeleteObject(brush);
      return TRUE;
    }
    return CallWindowProcW(previous, w, m, wp, lp);
  }
};

TEST_F(BareListViewTest, AnOwnerDrawnColumnHeadingIsLeftToItsOwner) {
  OwnerDrawnHeading::asked.clear();
  OwnerDrawnHeading::previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerDrawnHeading::Proc)));
  HDITEMW format{};
  format.mask = HDI_FORMAT;
  format.fmt = HDF_OWNERDRAW;
  SendMessageW(header, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&format));
  Skin();
  ASSERT_NE(dynamic_cast<TSkinHeader*>(dialogSkin->Controls().FindControlSkin(header)), nullptr);
  OwnerDrawnHeading::asked.clear();
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(30);
  ASSERT_FALSE(OwnerDrawnHeading::asked.empty()) << "the list is asked to draw the heading";
  EXPECT_EQ(OwnerDrawnHeading::asked.back(), 1u);
  RECT item{}, first{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  const Capture shot = capture_window(header);
  int owners = 0;
  for (int y = item.top; y < item.bottom; ++y)
    for (int x = item.left; x < item.right; ++x) owners += shot.at(x, y) == OwnerDrawnHeading::kColour;
  EXPECT_EQ(owners, (item.right - item.left) * (item.bottom - item.top)) << "the owner's drawing shows";
  int elsewhere = 0;
  for (int y = first.top; y < first.bottom; ++y)
    for (int x = first.left; x < first.right; ++x) elsewhere += shot.at(x, y) == OwnerDrawnHeading::kColour;
  EXPECT_EQ(elsewhere, 0) << "the owner draws only its own heading";
  SkinOff();
  SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerDrawnHeading::previous));
}

}  // namespace
}  // namespace quarnel::tabtest
