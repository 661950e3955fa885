// Tab skins under Wine: tabs on every side drawn from the Tabs frames (bottom flipped, sides
// turned), button tabs on every side from the Buttons frames, pages in the face colour, selection
// by mouse and keyboard, the up-down of tabs that do not fit, close boxes and their message (none
// on a page control with close buttons of its own), the system look back with the skin off, and
// repaints that leak nothing.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "framework/graphics/color.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_tab.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"
#include "tab_test_support.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_window;

const char* kForm = R"(object TabForm: TForm
  Left = 30
  Top = 30
  Caption = 'Tabs'
  ClientWidth = 660
  ClientHeight = 450
  object PagesTop: TPageControl
    Left = 10
    Top = 10
    Width = 200
    Height = 120
    object TopOne: TTabSheet
      Caption = 'One'
    end
    object TopTwo: TTabSheet
      Caption = 'Two'
    end
    object TopThree: TTabSheet
      Caption = 'Three'
    end
  end
  object PagesBottom: TPageControl
    Left = 220
    Top = 10
    Width = 200
    Height = 120
    TabPosition = tpBottom
    object BottomOne: TTabSheet
      Caption = 'One'
    end
    object BottomTwo: TTabSheet
      Caption = 'Two'
    end
  end
  object PagesLeft: TPageControl
    Left = 10
    Top = 140
    Width = 200
    Height = 120
    TabPosition = tpLeft
    object LeftOne: TTabSheet
      Caption = 'One'
    end
    object LeftTwo: TTabSheet
      Caption = 'Two'
    end
  end
  object PagesRight: TPageControl
    Left = 220
    Top = 140
    Width = 200
    Height = 120
    TabPosition = tpRight
    object RightOne: TTabSheet
      Caption = 'One'
    end
    object RightTwo: TTabSheet
      Caption = 'Two'
    end
  end
  object Many: TTabControl
    Left = 430
    Top = 10
    Width = 150
    Height = 60
    Tabs.Strings = (
      'January'
      'February'
      'March'
      'April'
      'May'
      'June')
    TabIndex = 0
  end
  object Closable: TPageControl
    Tag = 7777
    Left = 430
    Top = 140
    Width = 220
    Height = 110
    object CloseOne: TTabSheet
      Caption = 'First tab'
    end
    object CloseTwo: TTabSheet
      Caption = 'Second tab'
    end
    object CloseThree: TTabSheet
      Caption = 'Third tab'
    end
  end
  object ButtonTabs: TTabControl
    Left = 10
    Top = 280
    Width = 200
    Height = 50
    Style = tsButtons
    Tabs.Strings = (
      'Alpha'
      'Beta')
    TabIndex = 0
  end
  object ButtonsBottom: TTabControl
    Left = 220
    Top = 280
    Width = 200
    Height = 50
    Style = tsButtons
    TabPosition = tpBottom
    Tabs.Strings = (
      'Alpha'
      'Beta')
    TabIndex = 0
  end
  object ButtonsLeft: TTabControl
    Left = 10
    Top = 345
    Width = 110
    Height = 95
    Style = tsFlatButtons
    TabPosition = tpLeft
    Tabs.Strings = (
      'Alpha'
      'Beta')
    TabIndex = 0
  end
  object ButtonsRight: TTabControl
    Left = 130
    Top = 345
    Width = 110
    Height = 95
    Style = tsButtons
    TabPosition = tpRight
    Tabs.Strings = (
      'Alpha'
      'Beta')
    TabIndex = 0
  end
end
)";

class TabsTest : public TabSkinTest {
 protected:
  void SetUp() override { MakeForm(kForm); }
  TSkinTab* SkinOf(TWinControl* control) {
    return dynamic_cast<TSkinTab*>(formSkin->Controls().FindControlSkin(control->Handle()));
  }
  static RECT ItemRect(HWND tabs, int index) {
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }

  // How many of a tab's outer-edge pixels differ from `frame` of `element`'s image drawn at the
  // tab's size over the parent's colour (flipped for bottom tabs, turned for side tabs).
  // Button tabs (`buttons`) keep their image the right way up at the bottom, and no pane covers
  // their inner edge, which is compared too. The dotted focus mark a focused tab carries a few
  // pixels inside its edge is left out of the comparison.
  int OuterEdgeMismatches(HWND tabs, int index, TabSide side, TDataSkinObject& element, int frame,
                          bool buttons = false) {
    const RECT item = ItemRect(tabs, index);
    const bool turned = side == TabSide::Left || side == TabSide::Right;
    const int w = turned ? item.bottom - item.top : item.right - item.left;
    const int h = turned ? item.right - item.left : item.bottom - item.top;
    TBitmap image;
    image.Assign(element.Image);
    SkinMargins m{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
    if (side == TabSide::Bottom && !buttons) {
      FlipBitmap(image);
      std::swap(m.TopHeight, m.BottomHeight);
    }
    TBitmap ref(w, h, pf32bit);
    TCanvas& canvas = ref.Canvas();
    canvas.Brush().SetColor(form->Color());
    canvas.FillRect(RECT{0, 0, w, h});
    DrawSkinElement(ref.DC(), RECT{0, 0, w, h}, image, false, element.Tile != 0, element.Trans != 0,
                    element.FrameCount, frame, m);
    const Capture c = capture_window(tabs);
    const bool focused =
        GetFocus() == tabs && SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0) == static_cast<LRESULT>(index);
    const auto onFocusMark = [&](int x, int y) {
      constexpr int kInset = 3;
      const bool across = x >= kInset && x < w - kInset, down = y >= kInset && y < h - kInset;
      return focused && ((across && (y == kInset || y == h - 1 - kInset)) ||
                         (down && (x == kInset || x == w - 1 - kInset)));
    };
    int mismatches = 0;
    std::vector<int> rows;
    for (int r = 0; r < element.TopHeight; ++r)
      rows.push_back(side == TabSide::Bottom && !buttons ? h - 1 - r : r);
    for (int r = 0; buttons && r < element.BottomHeight; ++r) rows.push_back(h - 1 - r);
    for (int y : rows) {
      for (int x = 0; x < w; ++x) {
        int cx = item.left + x, cy = item.top + 1 + y;
        if (side == TabSide::Bottom) cy = item.top - 1 + y;
        if (side == TabSide::Left) cx = item.left + 1 + y, cy = item.bottom - 1 - x;
        if (side == TabSide::Right) cx = item.right - 2 - y, cy = item.top + x;
        if (!onFocusMark(x, y) && c.at(cx, cy) != ref.PixelAt(x, y)) ++mismatches;
      }
    }
    return mismatches;
  }
};

TEST_F(TabsTest, TabsOnEverySideAreDrawnFromTheTabFrames) {
  formSkin->Controls().AttachControlSkins();
  Pump(100);
  struct Case {
    const char* name;
    TabSide side;
  };
  for (const Case& k : {Case{"PagesTop", TabSide::Top}, Case{"PagesBottom", TabSide::Bottom},
                        Case{"PagesLeft", TabSide::Left}, Case{"PagesRight", TabSide::Right}}) {
    auto* pages = Find<TPageControl>(k.name);
    TSkinTab* skin = SkinOf(pages);
    ASSERT_NE(skin, nullptr) << k.name;
    EXPECT_EQ(skin->Side(), k.side) << k.name;
    ASSERT_EQ(pages->ActivePageIndex(), 0);
    // The selected tab shows frame 2, the other frame 1, and the two differ on that edge.
    EXPECT_EQ(OuterEdgeMismatches(pages->Handle(), 0, k.side, *data->Tabs, 2), 0) << k.name;
    EXPECT_EQ(OuterEdgeMismatches(pages->Handle(), 1, k.side, *data->Tabs, 1), 0) << k.name;
    EXPECT_GT(OuterEdgeMismatches(pages->Handle(), 1, k.side, *data->Tabs, 2), 0) << k.name;
    // Its pages are skinned and painted in the skin's face colour.
    TTabSheet* page = pages->ActivePage();
    ASSERT_NE(dynamic_cast<TSkinTabSheet*>(formSkin->Controls().FindControlSkin(page->Handle())), nullptr);
    EXPECT_EQ(testing_support::window_pixel(page->Handle(), 5, 5), ColorToRGB(data->FaceColor()));
  }
  SaveShot(form->Handle(), "tabs_every_side.bmp");
}

TEST_F(TabsTest, ButtonTabsOnEverySideAreDrawnFromTheButtonFrames) {
  formSkin->Controls().AttachControlSkins();
  Pump(100);
  struct Case {
    const char* name;
    TabSide side;
  };
  for (const Case& k : {Case{"ButtonTabs", TabSide::Top}, Case{"ButtonsBottom", TabSide::Bottom},
                        Case{"ButtonsLeft", TabSide::Left}, Case{"ButtonsRight", TabSide::Right}}) {
    auto* tabs = Find<TTabControl>(k.name);
    TSkinTab* skin = SkinOf(tabs);
    ASSERT_NE(dynamic_cast<TSkinTabBtn*>(skin), nullptr) << k.name;
    EXPECT_EQ(skin->Side(), k.side) << k.name;
    ASSERT_EQ(tabs->TabIndex(), 0);
    // The selected button shows frame 2, the other frame 1, and the two differ on that edge.
    TDataSkinObject& buttons = *data->Buttons;
    EXPECT_EQ(OuterEdgeMismatches(tabs->Handle(), 0, k.side, buttons, 2, true), 0) << k.name;
    EXPECT_EQ(OuterEdgeMismatches(tabs->Handle(), 1, k.side, buttons, 1, true), 0) << k.name;
    EXPECT_GT(OuterEdgeMismatches(tabs->Handle(), 1, k.side, buttons, 2, true), 0) << k.name;
  }
  // A click on the second button selects it, and it is drawn selected.
  auto* bottom = Find<TTabControl>("ButtonsBottom");
  const RECT second = ItemRect(bottom->Handle(), 1);
  ClickAt(bottom->Handle(), (second.left + second.right) / 2, (second.top + second.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return bottom->TabIndex() == 1; }));
  Pump(60);
  EXPECT_EQ(OuterEdgeMismatches(bottom->Handle(), 1, TabSide::Bottom, *data->Buttons, 2, true), 0);
  EXPECT_EQ(OuterEdgeMismatches(bottom->Handle(), 0, TabSide::Bottom, *data->Buttons, 1, true), 0);
  SaveShot(form->Handle(), "button_tabs_every_side.bmp");
}

TEST_F(TabsTest, TabsAreSelectedByMouseAndKeyboard) {
  formSkin->Controls().AttachControlSkins();
  auto* pages = Find<TPageControl>("PagesTop");
  Pump(60);
  const RECT second = ItemRect(pages->Handle(), 1);
  ClickAt(pages->Handle(), (second.left + second.right) / 2, (second.top + second.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 1; }));
  Pump(60);
  EXPECT_EQ(OuterEdgeMismatches(pages->Handle(), 1, TabSide::Top, *data->Tabs, 2), 0)
      << "the picked tab is drawn selected";
  EXPECT_EQ(OuterEdgeMismatches(pages->Handle(), 0, TabSide::Top, *data->Tabs, 1), 0);

  // Ctrl+Tab from a control inside the page control turns the pages; arrows move the tab.
  pages->ActivePage()->SetFocus();
  Pump(30);
  PressKey(VK_TAB, true);
  ASSERT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 2; })) << pages->ActivePageIndex();
  PressKey(VK_TAB, true);
  ASSERT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 0; })) << "it wraps round";
  PressKey(VK_TAB, true, true);
  ASSERT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 2; })) << "Ctrl+Shift+Tab goes back";
  pages->SetFocus();
  Pump(30);
  PressKey(VK_LEFT);
  ASSERT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 1; }));
  Pump(60);
  EXPECT_EQ(OuterEdgeMismatches(pages->Handle(), 1, TabSide::Top, *data->Tabs, 2), 0);
}

// Records the window each up-down skin is asked for, then makes it as the table would.
HWND g_upDownAsked = nullptr;
SkinFactory g_upDownPrevious = nullptr;
TSkinControl* RecordUpDown(const SkinRequest& r) {
  g_upDownAsked = r.window;
  return g_upDownPrevious ? g_upDownPrevious(r) : nullptr;
}

TEST_F(TabsTest, TabsThatDoNotFitScrollWithTheSkinnedUpDown) {
  auto* many = Find<TTabControl>("Many");
  HWND upDown = FindWindowExW(many->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(upDown, nullptr) << "six tabs in 150 pixels need the up-down";
  g_upDownAsked = nullptr;
  g_upDownPrevious = SetSkinFactory(SkinClass::UpDown, &RecordUpDown);
  formSkin->Controls().AttachControlSkins();
  SetSkinFactory(SkinClass::UpDown, g_upDownPrevious);
  TSkinTab* skin = SkinOf(many);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->UpDownWindow(), upDown);
  EXPECT_EQ(g_upDownAsked, upDown) << "the up-down is handed to its skin by handle";

  // Painted into a marked DC, the strip leaves the up-down's place alone.
  RECT ud;
  GetWindowRect(upDown, &ud);
  MapWindowPoints(nullptr, many->Handle(), reinterpret_cast<POINT*>(&ud), 2);
  TBitmap marked(many->Width(), many->Height(), pf32bit);
  TCanvas& canvas = marked.Canvas();
  canvas.Brush().SetColor(0x00FF00);
  canvas.FillRect(RECT{0, 0, many->Width(), many->Height()});
  SendMessageW(many->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(marked.DC()), 0);
  EXPECT_EQ(marked.PixelAt((ud.left + ud.right) / 2, (ud.top + ud.bottom) / 2), 0x00FF00u);
  EXPECT_NE(marked.PixelAt(ud.left - 3, ud.bottom - 3), 0x00FF00u) << "next to it the strip is drawn";

  // A click on its right half scrolls the tabs: the second one moves to the front.
  const int before = ItemRect(many->Handle(), 1).left;
  ClickAt(many->Handle(), ud.right - 3, (ud.top + ud.bottom) / 2);
  EXPECT_TRUE(PumpUntil([&] { return ItemRect(many->Handle(), 1).left < before; })) << before;
  Pump(60);
  marked.Canvas().FillRect(RECT{0, 0, many->Width(), many->Height()});
  SendMessageW(many->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(marked.DC()), 0);
  const RECT front = ItemRect(many->Handle(), 1);
  EXPECT_NE(marked.PixelAt(front.left + 5, front.top + 3), 0x00FF00u)
      << "the strip follows the scrolled tabs";
  EXPECT_EQ(many->TabIndex(), 0) << "scrolling does not change the selection";
}

TEST_F(TabsTest, CloseBoxesAskTheFormAndFreeThePage) {
  formSkin->Controls().AttachControlSkins();
  auto* pages = Find<TPageControl>("Closable");
  TSkinTab* skin = SkinOf(pages);
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(skin->CloseBoxes());
  EXPECT_FALSE(SkinOf(Find<TPageControl>("PagesTop"))->CloseBoxes()) << "only the tag asks for them";
  Pump(60);
  ASSERT_EQ(skin->CloseRects().size(), 3u);
  const RECT box = skin->CloseRects()[1];
  ASSERT_FALSE(IsRectEmpty(&box));
  const RECT item = ItemRect(pages->Handle(), 1);
  EXPECT_TRUE(box.left >= item.left && box.right <= item.right && box.top >= item.top) << "inside its tab";

  // The form answers non-zero the first time (keep the page), 0 the second.
  std::vector<std::pair<WPARAM, LPARAM>> asked;
  LRESULT answer = 1;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == SKM_CLOSETAB) {
      asked.emplace_back(m.WParam, m.LParam);
      m.Result = answer;
      return;
    }
    saved(m);
  };
  ClickAt(pages->Handle(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return asked.size() == 1; }));
  EXPECT_EQ(asked[0].first, reinterpret_cast<WPARAM>(pages->Handle()));
  EXPECT_EQ(asked[0].second, 1);
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePageIndex(), 0) << "a close-box click does not select the tab";

  answer = 0;
  Pump(60);
  ClickAt(pages->Handle(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return asked.size() == 2; }));
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(form->FindComponent("CloseTwo"), nullptr) << "the page is freed";
  form->WindowProc = saved;
}

// A page control of another family that can show close buttons of its own.
class TOwnClosePageControl : public TPageControl {
  FW_DECLARE_CLASS()
 public:
  using TPageControl::TPageControl;
  bool ShowCloseButton() const { return showCloseButton_; }
  void SetShowCloseButton(bool v) { showCloseButton_ = v; }

 private:
  bool showCloseButton_ = false;
};
const TClassInfo& TOwnClosePageControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOwnClosePageControl>("TOwnClosePageControl", &TPageControl::StaticClass())
          .Bool(kOwnCloseButtonsProperty, &TOwnClosePageControl::ShowCloseButton,
                &TOwnClosePageControl::SetShowCloseButton)
          .Build();
  return info;
}

TEST_F(TabsTest, APageControlWithCloseButtonsOfItsOwnGetsNoCloseBoxes) {
  auto* pages = TComponent::CreateIn<TOwnClosePageControl>(form);
  pages->SetParent(form);
  pages->SetBounds(430, 260, 220, 90);
  pages->SetTag(kCloseBoxTabTag);
  pages->SetShowCloseButton(true);
  for (const char* caption : {"First tab", "Second tab"}) {
    auto* page = TComponent::CreateIn<TTabSheet>(form);
    page->SetCaption(caption);
    page->SetPageControl(pages);
  }
  pages->SetActivePageIndex(0);
  Pump(30);
  std::vector<LPARAM> asked;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == SKM_CLOSETAB) asked.push_back(m.LParam);
    saved(m);
  };
  formSkin->Controls().AttachControlSkins();
  Pump(60);
  TSkinTab* skin = SkinOf(pages);
  ASSERT_NE(skin, nullptr);
  EXPECT_FALSE(skin->CloseBoxes()) << "its own buttons are on";
  const Capture own = capture_window(pages->Handle());
  // Where the skin's box would be, the click is the control's own: it selects the tab.
  const RECT item = ItemRect(pages->Handle(), 1);
  ClickAt(pages->Handle(), item.right - 5, item.top + 5);
  EXPECT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 1; }));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(pages->PageCount(), 2);

  // With its own buttons off the tag's close boxes come back at the next paint.
  pages->SetShowCloseButton(false);
  pages->SetActivePageIndex(0);
  RedrawWindow(pages->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(60);
  EXPECT_TRUE(skin->CloseBoxes());
  ASSERT_EQ(skin->CloseRects().size(), 2u);
  EXPECT_NE(capture_window(pages->Handle()).pixels, own.pixels) << "the boxes are drawn";
  form->WindowProc = saved;
}

TEST_F(TabsTest, TabsMovedToAnotherSideStaySkinnedOnTheRemadeWindow) {
  formSkin->Controls().AttachControlSkins();
  auto* pages = Find<TPageControl>("PagesTop");
  TSkinTab* skin = SkinOf(pages);
  ASSERT_NE(skin, nullptr);
  pages->SetTabPosition(tpBottom);
  Pump(60);
  EXPECT_EQ(skin->Window(), pages->Handle());
  EXPECT_TRUE(skin->Attachment().Active());
  EXPECT_EQ(skin->Side(), TabSide::Bottom);
  EXPECT_EQ(OuterEdgeMismatches(pages->Handle(), 0, TabSide::Bottom, *data->Tabs, 2), 0);
  EXPECT_EQ(testing_support::window_pixel(pages->ActivePage()->Handle(), 5, 5), ColorToRGB(data->FaceColor()))
      << "its page is skinned again too";
}

TEST_F(TabsTest, ABareTabWindowIsSkinnedByHandle) {
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | TCS_BOTTOM, 430, 270, 200, 80,
                              form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(tabs, nullptr);
  SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  for (const wchar_t* text : {L"Left", L"Right"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tabs, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  formSkin->Controls().DispatchWindow(tabs);
  Pump(60);
  TSkinTab* skin = dynamic_cast<TSkinTab*>(formSkin->Controls().FindControlSkin(tabs));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Side(), TabSide::Bottom);
  EXPECT_FALSE(skin->CloseBoxes());
  EXPECT_EQ(OuterEdgeMismatches(tabs, 1, TabSide::Bottom, *data->Tabs, 2), 0);
  EXPECT_EQ(OuterEdgeMismatches(tabs, 0, TabSide::Bottom, *data->Tabs, 1), 0);
  DestroyWindow(tabs);
  Pump(30);
  EXPECT_EQ(skin->Attachment().State(), scsWindowGone);
}

TEST_F(TabsTest, SkinOffGivesTheSystemLookBackAndRepaintsLeakNothing) {
  auto* pages = Find<TPageControl>("PagesBottom");
  const Capture system = capture_window(pages->Handle());
  formSkin->Controls().AttachControlSkins();
  Pump(60);
  const Capture skinned = capture_window(pages->Handle());
  ASSERT_NE(skinned.pixels, system.pixels);
  // Every skinned window of the control goes back to its own painting: the tabs and the page.
  HWND page = pages->ActivePage()->Handle();
  SendMessageW(pages->Handle(), SKM_ENABLESKIN, 0, 0);
  SendMessageW(page, SKM_ENABLESKIN, 0, 0);
  RedrawWindow(pages->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(60);
  EXPECT_EQ(capture_window(pages->Handle()).pixels, system.pixels);
  SendMessageW(pages->Handle(), SKM_ENABLESKIN, 1, 0);
  SendMessageW(page, SKM_ENABLESKIN, 1, 0);
  Pump(60);
  EXPECT_EQ(capture_window(pages->Handle()).pixels, skinned.pixels);

  for (const char* name : {"PagesTop", "PagesLeft", "Many", "ButtonTabs", "TopOne"}) {
    auto* control = Find<TWinControl>(name);
    auto redraw = [&] { RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    redraw();
    const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
    for (int i = 0; i < 1000; ++i) redraw();
    EXPECT_EQ(testing_support::gdi_objects(), gdi) << name;
    EXPECT_EQ(testing_support::user_objects(), user) << name;
  }
}

}  // namespace
}  // namespace quarnel::tabtest
