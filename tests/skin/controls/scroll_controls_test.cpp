// Scroll skins beyond the memo's bars under Wine: the border painted on request, overlays that
// follow the control (move, hide, disable, scroll notifications), list boxes, the fixed-area
// colour, a separate scroll-bar control's kind-2 overlay (framework or bare) and its hint, a bare window's
// bars, a list window's bar painted into its frame with its own thumb drag, and replacing a scroll skin.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/controls/scroll_box.h"
#include "framework/graphics/color.h"
#include "framework/win/window_thunk.h"
#include "scroll_test_support.h"
#include "skin/controls/combox_scrollbar.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_sccontrol.h"
#include "skin/data/skin_messages.h"

namespace quarnel::scrolltest {
namespace {

using testing_support::capture_window;
using testing_support::wait_until;

class ScrollControlsTest : public ScrollSkinTest {
 protected:
  // The skin the dispatch gives a separate scroll-bar control.
  TSkinScControl* SkinOfBarControl(TScrollBar* control) {
    SkinRequest r;
    r.owner = control;
    r.host = &formSkin->Controls();
    r.skinData = data;
    r.control = control;
    return dynamic_cast<TSkinScControl*>(MakeScControlSkin(r));
  }
};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(ScrollControlsTest, PaintNonClientRequestDrawsTheBorderIntoTheGivenDC) {
  TMemo* memo = Find<TMemo>("Memo1");
  SkinScrolled(memo);
  const RECT r = ScreenRect(memo->Handle());
  TBitmap image(r.right - r.left, r.bottom - r.top, pf32bit);
  RECT all{0, 0, image.Width(), image.Height()};
  FillRect(image.DC(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const LRESULT answer =
      SendMessageW(memo->Handle(), SKM_PAINTNC, reinterpret_cast<WPARAM>(image.DC()), SkinMessageTag);
  EXPECT_EQ(answer, SkinMessageTag);
  EXPECT_EQ(image.PixelAt(0, 0), ColorToRGB(data->Colors[scButtonShadow]));
  EXPECT_EQ(image.PixelAt(image.Width() - 1, image.Height() / 2), ColorToRGB(data->Colors[scButtonShadow]));
  EXPECT_EQ(image.PixelAt(1, 1), ColorToRGB(data->FaceColor()));
  EXPECT_EQ(image.PixelAt(2, 2), 0u) << "only the two outer rings are drawn";
  // Without the tag the request is not the skin's.
  EXPECT_EQ(SendMessageW(memo->Handle(), SKM_PAINTNC, reinterpret_cast<WPARAM>(image.DC()), 0), 0);
}

TEST_F(ScrollControlsTest, OverlayFollowsTheControlWhenMovedHiddenAndDisabled) {
  TMemo* memo = Find<TMemo>("Tall");
  TWScrollbar& bar = *SkinScrolled(memo)->VertBar();
  ASSERT_TRUE(bar.Shown());
  memo->SetBounds(150, 20, 110, 120);
  Settle();
  EXPECT_TRUE(SameRect(ScreenRect(bar.Window()), SystemBar(memo->Handle(), true).rcScrollBar));

  memo->SetVisible(false);
  Settle();
  EXPECT_FALSE(bar.Shown());
  EXPECT_FALSE(IsWindowVisible(bar.Window()));
  memo->SetVisible(true);
  Settle();
  EXPECT_TRUE(bar.Shown());
  EXPECT_TRUE(IsWindowVisible(bar.Window()));

  memo->SetEnabled(false);
  Settle();
  EXPECT_FALSE(IsWindowEnabled(bar.Window()));
  memo->SetEnabled(true);
  Settle();
  EXPECT_TRUE(IsWindowEnabled(bar.Window()));
}

TEST_F(ScrollControlsTest, ScrollNotificationsNameTheActivePartAndMoveTheDrawnThumb) {
  TMemo* memo = Find<TMemo>("Tall");
  TWScrollbar& bar = *SkinScrolled(memo)->VertBar();
  const SCROLLBARINFO before = SystemBar(memo->Handle(), true);
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(bar.ActivePart(), spTrackAfter);
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  Settle();
  const SCROLLBARINFO after = SystemBar(memo->Handle(), true);
  ASSERT_GT(after.xyThumbTop, before.xyThumbTop);
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(bar.ActivePart(), spNone);
  Settle();
  const Capture c = capture_window(bar.Window());
  const int width = c.width, height = c.height, arrow = bar.ArrowSize();
  const int thickness = ScrollThickness(data->Scrollbar->Image.Height(), arrow);
  const RECT thumb{0, after.xyThumbTop, width, after.xyThumbBottom};
  EXPECT_EQ(Pixels(c, thumb), ThumbReference(*data, width, height, arrow, after.xyThumbTop,
                                             after.xyThumbBottom, thickness, 1, thumb));
}

TEST_F(ScrollControlsTest, ListBoxBarIsSkinnedAndAClickOnItsArrowScrollsIt) {
  TListBox* list = Find<TListBox>("Items");
  TSkinScrollbar* skin = SkinScrolled(list);
  ASSERT_NE(skin, nullptr);
  TWScrollbar& bar = *skin->VertBar();
  ASSERT_TRUE(bar.Shown());
  EXPECT_TRUE(SameRect(ScreenRect(bar.Window()), SystemBar(list->Handle(), true).rcScrollBar));
  ASSERT_EQ(list->TopIndex(), 0);
  const RECT r = ScreenRect(bar.Window());
  move_mouse({(r.left + r.right) / 2, r.bottom - bar.ArrowSize() / 2});
  Settle();
  mouse_left_button(true);
  mouse_left_button(false);
  EXPECT_TRUE(wait_until([&] { return list->TopIndex() >= 1; }, 3000));
  EXPECT_FALSE(bar.Dragging());
}

// A scrolled control with a fixed area whose colour the skin sets while attached.
class TFixedList : public TListBox {
  FW_DECLARE_CLASS()
 public:
  using TListBox::TListBox;
  int FixedColor() const { return fixed_; }
  void SetFixedColor(int v) { fixed_ = v; }

 private:
  int fixed_ = 0x123456;
};
const TClassInfo& TFixedList::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFixedList>("TFixedList", &TListBox::StaticClass())
                                     .Int("FixedColor", &TFixedList::FixedColor, &TFixedList::SetFixedColor)
                                     .Build();
  return info;
}

TEST_F(ScrollControlsTest, FixedColourTakesTheFaceColourWhileAttached) {
  auto* grid = TComponent::CreateIn<TFixedList>(form);
  grid->SetParent(form);
  grid->SetBounds(10, 210, 100, 60);
  TSkinScrollbar* skin = SkinScrolled(grid);
  EXPECT_EQ(grid->FixedColor(), static_cast<int>(data->FaceColor()));
  grid->SetFixedColor(7);
  skin->UpdateSkin();
  EXPECT_EQ(grid->FixedColor(), static_cast<int>(data->FaceColor()));
  skin->Detach();
  EXPECT_EQ(grid->FixedColor(), 0x123456);
  EXPECT_EQ(skin->VertBar(), nullptr) << "detaching frees the overlays";
}

TEST_F(ScrollControlsTest, ScrollBoxShowsItsInsideOnTheFaceAndItsLaterBarsSkinned) {
  auto* box = TComponent::CreateIn<TScrollBox>(form);
  box->SetParent(form);
  box->SetBounds(10, 210, 120, 80);
  box->SetColor(0x123456);
  auto* child = TComponent::CreateIn<TMemo>(form);
  child->SetBounds(4, 4, 40, 50);
  child->SetParent(box);
  Settle();
  ASSERT_FALSE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL) << "its content fits: no bars yet";
  TControlWalker(formSkin->Controls()).DispatchControl(box, form);
  auto* skin = dynamic_cast<TSkinScrollbar*>(formSkin->Controls().FindControlSkin(box->Handle()));
  ASSERT_NE(skin, nullptr) << "a scroll box gets its scroll skin whether or not it shows bars";
  Settle();
  EXPECT_EQ(box->Color(), data->FaceColor());
  EXPECT_EQ(capture_window(box->Handle()).at(100, 60), ColorToRGB(data->FaceColor()));

  // A box made smaller than its content gets the system's bar, and the overlay covers it.
  box->SetHeight(40);
  Settle();
  ASSERT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  ASSERT_TRUE(wait_until([&] { return skin->VertBar()->Shown(); }, 2000));
  EXPECT_TRUE(SameRect(ScreenRect(skin->VertBar()->Window()), SystemBar(box->Handle(), true).rcScrollBar));

  skin->Detach();
  EXPECT_EQ(box->Color(), static_cast<TColor>(0x123456));
}

// The kind-2 overlay `bar` shows the skin's thumb where `position` of a range of 0 to 50 with a
// page of 10 puts it.
void ExpectControlThumbAt(TSkinData& data, TWScrollbar& bar, int position) {
  const RECT rect = ScreenRect(bar.Window());
  const int width = rect.right - rect.left, height = rect.bottom - rect.top, arrow = bar.ArrowSize();
  const int thickness = ScrollThickness(data.Scrollbar->Image.Height(), arrow);
  const ThumbExtent t = ControlThumb(height, arrow, {0, 50, 10, position});
  const RECT thumb{0, t.start, width, t.start + t.length};
  EXPECT_EQ(Pixels(capture_window(bar.Window()), thumb),
            ThumbReference(data, width, height, arrow, t.start, t.start + t.length, thickness, 1, thumb))
      << "position " << position;
}

// A click on the track after the thumb of a vertical bar.
void ClickTrackEnd(TWScrollbar& bar) {
  const RECT rect = ScreenRect(bar.Window());
  move_mouse({(rect.left + rect.right) / 2, rect.bottom - bar.ArrowSize() - 4});
  testing_support::flush_events(60);
  mouse_left_button(true);
  mouse_left_button(false);
}

TEST_F(ScrollControlsTest, SeparateScrollBarControlIsCoveredByAKindTwoOverlay) {
  TScrollBar* control = Find<TScrollBar>("Bar");
  ASSERT_EQ(control->Kind(), sbVertical);
  auto* skin = SkinOfBarControl(control);
  ASSERT_NE(skin, nullptr);
  Settle();
  TWScrollbar& bar = *skin->Bar();
  ASSERT_TRUE(bar.Shown());
  EXPECT_EQ(bar.Kind(), skControl);
  EXPECT_TRUE(bar.Vertical());
  EXPECT_TRUE(SameRect(ScreenRect(bar.Window()), ScreenRect(control->Handle())));
  ExpectControlThumbAt(*data, bar, 0);

  // A click on the track after the thumb pages the control through its own handling.
  ClickTrackEnd(bar);
  ASSERT_TRUE(wait_until([&] { return control->Position() == 10; }, 3000)) << control->Position();
  Settle();
  ExpectControlThumbAt(*data, bar, 10);
}

BOOL CALLBACK CollectShownTooltip(HWND w, LPARAM list) {
  wchar_t name[32] = {};
  GetClassNameW(w, name, 32);
  if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(w))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

// The tooltips of this thread that are on screen.
std::vector<HWND> ShownTooltips() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectShownTooltip, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The overlay lies over the control and takes the pointer from it: the control's hint shows over it.
TEST_F(ScrollControlsTest, SeparateScrollBarOverlayShowsTheControlsHint) {
  TScrollBar* control = Find<TScrollBar>("Bar");
  control->SetHint("Scroll the list");
  control->SetShowHint(true);
  auto* skin = SkinOfBarControl(control);
  ASSERT_NE(skin, nullptr);
  Settle();
  ASSERT_TRUE(skin->Bar()->Shown());
  ASSERT_TRUE(ShownTooltips().empty());
  const RECT rect = ScreenRect(skin->Bar()->Window());
  move_mouse({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  ASSERT_TRUE(wait_until([] { return !ShownTooltips().empty(); }, 3000)) << "no hint shown";
  HWND tip = ShownTooltips().front();
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.lpszText = text;
  ASSERT_TRUE(SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_STREQ(text, L"Scroll the list");
  EXPECT_EQ(tool.hwnd, skin->Bar()->Window());
  move_mouse({0, 0});
  Settle();
}

// A dialog's scroll-bar control has no framework control: the walk covers it all the same, and
// its requests go to its parent, which moves it.
TEST_F(ScrollControlsTest, BareScrollBarControlIsCoveredByAKindTwoOverlayToo) {
  HWND bare = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 320, 140,
                              17, 140, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 50, 10, 0, 0};
  SetScrollInfo(bare, SB_CTL, &info, TRUE);
  fw::WindowSubclass parent;
  parent.Install(form->Handle(), [&](TMessage& m) {
    if (m.Msg == WM_VSCROLL && reinterpret_cast<HWND>(m.LParam) == bare && LOWORD(m.WParam) == SB_PAGEDOWN)
      SetScrollPos(bare, SB_CTL, GetScrollPos(bare, SB_CTL) + 10, TRUE);
    parent.Default(m);
  });
  TControlWalker(formSkin->Controls()).DispatchWindow(bare);
  auto* skin = dynamic_cast<TSkinScControl*>(formSkin->Controls().FindControlSkin(bare));
  ASSERT_NE(skin, nullptr);
  Settle();
  TWScrollbar& bar = *skin->Bar();
  ASSERT_TRUE(bar.Shown());
  EXPECT_TRUE(bar.Vertical());
  EXPECT_TRUE(SameRect(ScreenRect(bar.Window()), ScreenRect(bare)));
  ExpectControlThumbAt(*data, bar, 0);
  ClickTrackEnd(bar);
  ASSERT_TRUE(wait_until([&] { return GetScrollPos(bare, SB_CTL) == 10; }, 3000));
  Settle();
  ExpectControlThumbAt(*data, bar, 10);
  parent.Restore();
  formSkin->Controls().ReleaseControlSkins(false);
  DestroyWindow(bare);
}

// A bare list window (no framework control) of `count` items, child of `parent`.
HWND MakeBareList(HWND parent, int x, int y, int count) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, x, y, 120, 90,
                              parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < count; ++i)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"row " + std::to_wstring(i)).c_str()));
  return list;
}

TEST_F(ScrollControlsTest, BareWindowBarsAreCoveredByTheHandleVariant) {
  HWND list = MakeBareList(form->Handle(), 10, 205, 50);
  SkinRequest r;
  r.owner = formSkin.get();
  r.host = &formSkin->Controls();
  r.skinData = data;
  r.window = list;
  auto* skin = dynamic_cast<TSkinScrollbarH*>(MakeScrollbarSkin(r));
  ASSERT_NE(skin, nullptr);
  Settle();
  EXPECT_EQ(formSkin->Controls().FindControlSkin(list), skin);
  ASSERT_TRUE(skin->VertBar()->Shown());
  EXPECT_FALSE(skin->HorzBar()->Shown());
  EXPECT_TRUE(SameRect(ScreenRect(skin->VertBar()->Window()), SystemBar(list, true).rcScrollBar));
  SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(skin->VertBar()->ActivePart(), spSecondArrow);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(SendMessageW(list, SKM_QUERYSKINNED, 0, 0), 1);
  formSkin->Controls().ReleaseControlSkins(false);
  DestroyWindow(list);
}

// Records the scroll requests a bare window receives, outside its skin.
struct RequestSpy {
  fw::WindowSubclass subclass;
  std::vector<int> requests;
  explicit RequestSpy(HWND window) {
    subclass.Install(window, [this](TMessage& m) {
      if (m.Msg == WM_VSCROLL) requests.push_back(LOWORD(m.WParam));
      subclass.Default(m);
    });
  }
  int Count(int request) const {
    return static_cast<int>(std::count(requests.begin(), requests.end(), request));
  }
};

struct DragState {
  POINT start{};
  int step = 0;
  bool released = false;
  bool draggingSeen = false;
  TComboxScrollBar* skin = nullptr;
};
DragState* g_drag = nullptr;

void CALLBACK DragTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  DragState& s = *g_drag;
  ++s.step;
  if (s.step < 5) {
    move_mouse({s.start.x, s.start.y + 6 * s.step});
    s.draggingSeen = s.draggingSeen || s.skin->DraggingThumb();
    return;
  }
  KillTimer(nullptr, id);
  mouse_left_button(false);
  s.released = true;
}

TEST_F(ScrollControlsTest, ListWindowBarIsPaintedIntoItsFrameAndItsThumbDragsTheList) {
  HWND list = MakeBareList(form->Handle(), 10, 205, 100);
  auto* skin = TComponent::CreateIn<TComboxScrollBar>(formSkin.get());
  skin->AttachHandle(list, data, &formSkin->Controls(), &formSkin->Controls().HostCanvas());
  RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();

  const SCROLLBARINFO sys = SystemBar(list, true);
  const RECT window = ScreenRect(list);
  const int width = sys.rcScrollBar.right - sys.rcScrollBar.left;
  const int height = sys.rcScrollBar.bottom - sys.rcScrollBar.top;
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int thickness = ScrollThickness(data->Scrollbar->Image.Height(), arrow);
  const Capture c = capture_window(list);
  Capture barPixels;
  barPixels.width = width;
  barPixels.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      barPixels.pixels.push_back(
          c.at(sys.rcScrollBar.left - window.left + x, sys.rcScrollBar.top - window.top + y));
  const RECT up{0, 0, thickness, arrow};
  const RECT upVisible{0, 0, width, arrow};
  EXPECT_EQ(Pixels(barPixels, upVisible), GlyphReference(*data, width, height, up, 9, upVisible));

  RequestSpy spy(list);
  DragState state;
  state.skin = skin;
  state.start = {(sys.rcScrollBar.left + sys.rcScrollBar.right) / 2,
                 sys.rcScrollBar.top + (sys.xyThumbTop + sys.xyThumbBottom) / 2};
  move_mouse(state.start);
  Settle();
  g_drag = &state;
  SetTimer(nullptr, 0, 100, DragTimerProc);
  mouse_left_button(true);
  ASSERT_TRUE(wait_until([&] { return state.released && !skin->DraggingThumb(); }, 5000));
  Settle(100);
  g_drag = nullptr;
  EXPECT_TRUE(state.draggingSeen);
  EXPECT_GT(spy.Count(SB_THUMBTRACK), 0);
  EXPECT_EQ(spy.Count(SB_THUMBPOSITION), 1);
  EXPECT_EQ(spy.Count(SB_ENDSCROLL), 1);
  EXPECT_GE(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 10);
  spy.subclass.Restore();
  formSkin->Controls().ReleaseControlSkins(false);
  DestroyWindow(list);
}

TEST_F(ScrollControlsTest, SizeGripIsFilledWithTheFaceColour) {
  HWND grip = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 380, 270, 18, 18,
                              form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  Settle();
  const COLORREF face = ColorToRGB(data->FaceColor());
  ASSERT_NE(capture_window(grip).at(9, 9), face);
  SkinRequest r;
  r.owner = formSkin.get();
  r.host = &formSkin->Controls();
  r.skinData = data;
  r.window = grip;
  ASSERT_NE(dynamic_cast<TSkinSizer*>(MakeSizerSkin(r)), nullptr);
  RedrawWindow(grip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  const Capture c = capture_window(grip);
  for (COLORREF p : c.pixels) ASSERT_EQ(p, face);
  formSkin->Controls().ReleaseControlSkins(false);
  DestroyWindow(grip);
}

TEST_F(ScrollControlsTest, ReskinningReplacesTheScrollSkinOfAControl) {
  TMemo* memo = Find<TMemo>("Tall");
  TSkinScrollbar* first = SkinScrolled(memo);
  ASSERT_NE(first, nullptr);
  TSkinControl* second = ReskinScrolledControl(formSkin->Controls(), memo->Handle());
  ASSERT_NE(second, nullptr);
  Settle();
  int skins = 0;
  for (int i = 0; i < memo->ComponentCount(); ++i)
    if (dynamic_cast<TSkinScrollbar*>(memo->Components(i))) ++skins;
  EXPECT_EQ(skins, 1);
  EXPECT_EQ(formSkin->Controls().FindControlSkin(memo->Handle()), second);
  EXPECT_TRUE(dynamic_cast<TSkinScrollbar*>(second)->VertBar()->Shown());
  EXPECT_EQ(ReskinScrolledControl(formSkin->Controls(), Find<TMemo>("Memo1")->Handle()), nullptr)
      << "a control without a scroll skin gets none";
}

}  // namespace
}  // namespace quarnel::scrolltest
