// Scrolled views of a host program's that the engine has no skin of its own for — a tree view, a
// rich edit — and its rebars: in a program that loaded the engine they get skinned bars that
// follow the view's own scrolling, the skin's border over their edge and, for a tree view, the
// skin's colours, all given back at skin off; a program built with the engine keeps them as the
// system draws them. Keys still do what they do.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "bare_dialog_support.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_foreign_view.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"
#include "skin/data/window_scope.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_screen_rect;
using testing_support::capture_window;

class BareForeignViewTest : public BareDialogTest {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    static const HMODULE richEdit = LoadLibraryW(L"riched20.dll");  // kept: its class stays registered
    ASSERT_NE(richEdit, nullptr);
    BareDialogTest::SetUp();
    WindowScope().SetHostModules(true);
  }
  void TearDown() override {
    BareDialogTest::TearDown();
    WindowScope().SetHostModules(false);
  }
  // A tree of sixty items with lines, filling the dialog but a margin.
  HWND AddTree() {
    HWND tree = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT, 10, 10,
                                320, 200, dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 60; ++i) {
      std::wstring text = L"key " + std::to_wstring(i);
      TVINSERTSTRUCTW insert{};
      insert.hParent = TVI_ROOT;
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT;
      insert.item.pszText = text.data();
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
    }
    return tree;
  }
  void Focus(HWND window) {
    SetForegroundWindow(dialog.get());
    SetFocus(window);
    Pump(60);
  }
};

TEST_F(BareForeignViewTest, ATreeViewHasTheSkinsBarBorderAndColoursUntilSkinOff) {
  HWND tree = AddTree();
  Focus(tree);
  const RECT bar = VerticalBarOf(tree).rcScrollBar;
  ASSERT_GT(bar.bottom - bar.top, 40) << "sixty items need a vertical bar";
  const Capture ownBar = capture_screen_rect(bar);
  const auto ownText = static_cast<COLORREF>(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0));

  Skin();
  auto* skin = dynamic_cast<TSkinForeignView*>(dialogSkin->Controls().FindControlSkin(tree));
  ASSERT_NE(skin, nullptr) << "a host program's tree view is skinned";
  EXPECT_EQ(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0),
            static_cast<LRESULT>(ResolveSkinColor(data->Colors[scWindowText])));
  EXPECT_EQ(SendMessageW(tree, TVM_GETLINECOLOR, 0, 0),
            static_cast<LRESULT>(ResolveSkinColor(data->Colors[scButtonShadow])));
  const Capture framed = capture_window(tree);
  EXPECT_EQ(framed.at(0, framed.height / 2), ResolveSkinColor(data->Colors[scButtonShadow]))
      << "the skin's border";
  EXPECT_EQ(framed.at(1, framed.height / 2), ResolveSkinColor(data->FaceColor()));

  TWScrollbar* vertical = skin->VertBar();
  ASSERT_TRUE(vertical && vertical->Shown());
  EXPECT_EQ(VerticalBarMismatches(*data, tree, *vertical), 0);
  EXPECT_NE(capture_screen_rect(bar).pixels, ownBar.pixels);
  // The keys move the selection and the tree scrolls itself, telling only its own bar: the
  // skin's bar follows.
  Focus(tree);
  const LONG thumbAtTop = VerticalBarOf(tree).xyThumbTop;
  PressKey(VK_END);
  ASSERT_TRUE(PumpUntil([&] { return VerticalBarOf(tree).xyThumbTop > thumbAtTop; }));
  Pump(60);
  EXPECT_EQ(VerticalBarMismatches(*data, tree, *vertical), 0) << "the bar follows the tree";
  HTREEITEM selected = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  wchar_t text[32] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = selected;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"key 59") << "End still selects the last item";
  PressKey(VK_HOME);
  ASSERT_TRUE(PumpUntil([&] { return VerticalBarOf(tree).xyThumbTop == thumbAtTop; }));
  SaveShot(dialog.get(), "bare_tree_view.bmp");

  SkinOff();
  EXPECT_EQ(SendMessageW(tree, SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_EQ(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(ownText))
      << "its own colour back";
  EXPECT_TRUE(PumpUntil([&] { return capture_screen_rect(bar).pixels == ownBar.pixels; }));
}

TEST_F(BareForeignViewTest, ARichEditsBarFollowsTheCaretAndTypedTextArrives) {
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit20W", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                              10, 10, 320, 200, dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(edit, nullptr) << "riched20 is not there";
  std::wstring lines;
  for (int i = 0; i < 60; ++i) lines += L"line " + std::to_wstring(i) + L"\r\n";
  SetWindowTextW(edit, lines.c_str());
  Skin();
  auto* skin = dynamic_cast<TSkinForeignView*>(dialogSkin->Controls().FindControlSkin(edit));
  ASSERT_NE(skin, nullptr) << "a host program's rich edit is skinned";
  TWScrollbar* vertical = skin->VertBar();
  ASSERT_TRUE(PumpUntil([&] { return vertical && vertical->Shown(); }));
  EXPECT_EQ(VerticalBarMismatches(*data, edit, *vertical), 0);

  Focus(edit);
  const LONG thumbAtTop = VerticalBarOf(edit).xyThumbTop;
  PressKey(VK_END, true);
  ASSERT_TRUE(PumpUntil([&] { return VerticalBarOf(edit).xyThumbTop > thumbAtTop; }));
  PressKey('Q');
  ASSERT_TRUE(PumpUntil([&] {
    const int length = GetWindowTextLengthW(edit);
    std::wstring now(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, now.data(), length + 1);
    return now.find(L"q") != std::wstring::npos;
  })) << "typed text arrives";
  Pump(60);
  EXPECT_EQ(VerticalBarMismatches(*data, edit, *vertical), 0) << "the bar follows the caret";
  SkinOff();
  EXPECT_EQ(SendMessageW(edit, SKM_QUERYSKINNED, 0, 0), 0);
}

TEST_F(BareForeignViewTest, ARebarsToolBarIsReachedAndAProgramOfOurOwnKeepsTheSystemsLook) {
  HWND rebar = CreateWindowExW(0, REBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT | CCS_NODIVIDER,
                               0, 0, 340, 30, dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND tools =
      CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                      WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_FLAT,
                      0, 0, 200, 24, rebar, nullptr, GetModuleHandleW(nullptr), nullptr);
  REBARBANDINFOW band{};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
  band.fStyle = RBBS_CHILDEDGE;
  band.hwndChild = tools;
  band.cxMinChild = 100;
  band.cyMinChild = 24;
  band.cx = 300;
  SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  HWND tree = AddTree();
  MoveWindow(tree, 10, 40, 320, 170, TRUE);

  WindowScope().SetHostModules(false);
  Skin();
  EXPECT_EQ(dialogSkin->Controls().FindControlSkin(tree), nullptr)
      << "our own programs' tree views stay the system's";
  EXPECT_EQ(dialogSkin->Controls().FindControlSkin(tools), nullptr);
  SkinOff();

  WindowScope().SetHostModules(true);
  Skin();
  EXPECT_NE(dynamic_cast<TSkinBoxH*>(dialogSkin->Controls().FindControlSkin(rebar)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinBoxH*>(dialogSkin->Controls().FindControlSkin(tools)), nullptr)
      << "the tool bar on a band is walked to";
  RedrawWindow(rebar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(60);
  RECT inside{};
  GetClientRect(rebar, &inside);
  const Capture shown = capture_window(rebar);
  EXPECT_EQ(shown.at(inside.right - 4, inside.bottom / 2), ResolveSkinColor(data->FaceColor()))
      << "the rebar's back beyond its band is the skin's face";
}

}  // namespace
}  // namespace quarnel::tabtest
