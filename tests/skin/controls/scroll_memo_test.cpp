// Skinned scroll bars of memos under Wine with real windows and real mouse input: the border of
// a memo without bars, a vertical bar covered exactly by its overlay, hover and press frames,
// the memo's own auto-repeat and thumb tracking underneath, a bar shorter than two arrows, the
// corner square and object counts over many skin-off/on cycles.
#include "framework/graphics/color.h"
#include "scroll_test_support.h"
#include "skin/data/skin_messages.h"

namespace quarnel::scrolltest {
namespace {

using testing_support::capture_window;
using testing_support::wait_until;

// The overlay's geometry as the tests need it.
struct BarView {
  int width = 0, height = 0, arrow = 0, thickness = 0;
  RECT Visible(const RECT& r) const { return {r.left, r.top, std::min<LONG>(r.right, width), r.bottom}; }
  RECT DownArrow() const { return {0, height - arrow, thickness, height}; }
  RECT UpArrow() const { return {0, 0, thickness, arrow}; }
};

BarView ViewOf(const TWScrollbar& bar, TSkinData& data) {
  RECT r = ScreenRect(bar.Window());
  BarView v;
  v.width = r.right - r.left;
  v.height = r.bottom - r.top;
  v.arrow = bar.ArrowSize();
  v.thickness = ScrollThickness(data.Scrollbar->Image.Height(), v.arrow);
  return v;
}

POINT ScreenPointOf(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

using ScrollMemoTest = ScrollSkinTest;

TEST_F(ScrollMemoTest, MemoWithoutBarsGetsTheTwoPixelBorderAndNoOverlays) {
  TMemo* memo = Find<TMemo>("Memo1");
  const COLORREF shadow = ColorToRGB(data->Colors[scButtonShadow]);
  const COLORREF face = ColorToRGB(data->FaceColor());
  ASSERT_NE(capture_window(memo->Handle()).at(0, 0), shadow) << "the unskinned frame already has the colour";

  TSkinScrollbar* skin = SkinScrolled(memo);
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(skin->DrawsBorder());
  EXPECT_FALSE(skin->HorzBar()->Shown());
  EXPECT_FALSE(skin->VertBar()->Shown());
  EXPECT_FALSE(IsWindowVisible(skin->VertBar()->Window()));
  EXPECT_FALSE(IsWindowVisible(skin->HorzBar()->Window()));

  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  const Capture c = capture_window(memo->Handle());
  for (int x = 0; x < c.width; ++x) {
    ASSERT_EQ(c.at(x, 0), shadow) << "top row at " << x;
    ASSERT_EQ(c.at(x, c.height - 1), shadow) << "bottom row at " << x;
  }
  for (int y = 0; y < c.height; ++y) {
    ASSERT_EQ(c.at(0, y), shadow) << "left column at " << y;
    ASSERT_EQ(c.at(c.width - 1, y), shadow) << "right column at " << y;
  }
  for (int x = 1; x < c.width - 1; ++x) ASSERT_EQ(c.at(x, 1), face) << "inner top row at " << x;
  for (int y = 1; y < c.height - 1; ++y) ASSERT_EQ(c.at(c.width - 2, y), face) << "inner right at " << y;
  // Inside the border the memo paints its own white client area.
  EXPECT_EQ(c.at(c.width / 2, c.height / 2), ColorToRGB(clWindow));
}

TEST_F(ScrollMemoTest, BorderlessMemoKeepsItsOwnFrame) {
  TMemo* memo = Find<TMemo>("Flat");
  const Capture before = capture_window(memo->Handle());
  TSkinScrollbar* skin = SkinScrolled(memo);
  EXPECT_FALSE(skin->DrawsBorder());
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  EXPECT_EQ(capture_window(memo->Handle()).pixels, before.pixels);
}

TEST_F(ScrollMemoTest, VerticalBarIsCoveredExactlyBySkinnedBar) {
  TMemo* memo = Find<TMemo>("Tall");
  const SCROLLBARINFO system = SystemBar(memo->Handle(), true);
  ASSERT_FALSE(system.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  const Capture unskinned = testing_support::capture_screen_rect(system.rcScrollBar);

  TSkinScrollbar* skin = SkinScrolled(memo);
  TWScrollbar& bar = *skin->VertBar();
  ASSERT_TRUE(bar.Shown());
  EXPECT_FALSE(skin->HorzBar()->Shown()) << "no horizontal bar without the horizontal-scroll style";
  EXPECT_TRUE(IsWindowVisible(bar.Window()));
  const RECT overlay = ScreenRect(bar.Window());
  EXPECT_EQ(overlay.left, system.rcScrollBar.left);
  EXPECT_EQ(overlay.top, system.rcScrollBar.top);
  EXPECT_EQ(overlay.right, system.rcScrollBar.right);
  EXPECT_EQ(overlay.bottom, system.rcScrollBar.bottom);
  EXPECT_EQ(GetParent(bar.Window()), form->Handle());
  EXPECT_EQ(GetWindow(memo->Handle(), GW_HWNDPREV), bar.Window()) << "directly above the memo";

  move_mouse(ScreenPointOf(form->Handle(), 400, 290));  // away from every bar
  Settle();
  const BarView v = ViewOf(bar, *data);
  const Capture c = capture_window(bar.Window());
  EXPECT_NE(c.pixels, unskinned.pixels) << "the system's own bar still shows";
  EXPECT_EQ(Pixels(c, v.Visible(v.UpArrow())),
            GlyphReference(*data, v.width, v.height, v.UpArrow(), 9, v.Visible(v.UpArrow())));
  EXPECT_EQ(Pixels(c, v.Visible(v.DownArrow())),
            GlyphReference(*data, v.width, v.height, v.DownArrow(), 13, v.Visible(v.DownArrow())));
  // The thumb as the system places it, over the track.
  const SCROLLBARINFO now = SystemBar(memo->Handle(), true);
  const RECT thumb{0, now.xyThumbTop, v.width, now.xyThumbBottom};
  ASSERT_GT(now.xyThumbBottom, now.xyThumbTop);
  EXPECT_EQ(Pixels(c, thumb), ThumbReference(*data, v.width, v.height, v.arrow, now.xyThumbTop,
                                             now.xyThumbBottom, v.thickness, 1, thumb));
}

TEST_F(ScrollMemoTest, HoverChangesTheArrowAndThumbFrames) {
  TMemo* memo = Find<TMemo>("Tall");
  TWScrollbar& bar = *SkinScrolled(memo)->VertBar();
  ASSERT_TRUE(bar.Shown());
  const BarView v = ViewOf(bar, *data);
  const RECT down = v.Visible(v.DownArrow());

  move_mouse(ScreenPointOf(bar.Window(), v.width / 2, v.height - v.arrow / 2));
  ASSERT_TRUE(wait_until([&] { return bar.ActivePart() == spSecondArrow; }, 2000));
  Settle();
  Capture c = capture_window(bar.Window());
  SaveShot(capture_window(form->Handle()), "scroll_memos.bmp");
  EXPECT_EQ(Pixels(c, down), GlyphReference(*data, v.width, v.height, v.DownArrow(), 16, down));
  EXPECT_NE(Pixels(c, down), GlyphReference(*data, v.width, v.height, v.DownArrow(), 13, down));

  const SCROLLBARINFO sys = SystemBar(memo->Handle(), true);
  move_mouse(ScreenPointOf(bar.Window(), v.width / 2, (sys.xyThumbTop + sys.xyThumbBottom) / 2));
  ASSERT_TRUE(wait_until([&] { return bar.ActivePart() == spThumb; }, 2000));
  Settle();
  c = capture_window(bar.Window());
  const RECT thumb{0, sys.xyThumbTop, v.width, sys.xyThumbBottom};
  EXPECT_EQ(Pixels(c, thumb), ThumbReference(*data, v.width, v.height, v.arrow, sys.xyThumbTop,
                                             sys.xyThumbBottom, v.thickness, 3, thumb));
  EXPECT_EQ(Pixels(c, down), GlyphReference(*data, v.width, v.height, v.DownArrow(), 13, down));

  // Leaving the overlay drops the highlight.
  move_mouse(ScreenPointOf(form->Handle(), 400, 290));
  EXPECT_TRUE(wait_until([&] { return bar.ActivePart() == spNone; }, 2000));
  Settle();
  c = capture_window(bar.Window());
  EXPECT_EQ(Pixels(c, thumb), ThumbReference(*data, v.width, v.height, v.arrow, sys.xyThumbTop,
                                             sys.xyThumbBottom, v.thickness, 1, thumb));
}

// What a timer saw while the memo's own scroll loop held the mouse.
struct HoldState {
  TWScrollbar* bar = nullptr;
  int step = 0;
  int releaseAt = 0;
  int moveBy = 0;      // pixels per step along the bar while dragging
  POINT start{};       // where the press went down (screen)
  int captureAt = -1;  // step at which the overlay is captured
  bool released = false;
  bool draggingSeen = false;
  ScrollPart partSeen = spNone;
  Capture shot;
};
HoldState* g_hold = nullptr;

void CALLBACK HoldTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  HoldState& s = *g_hold;
  ++s.step;
  // The capture shows what the previous step's input led to.
  if (s.step == s.captureAt) {
    s.draggingSeen = s.bar->Dragging();
    s.partSeen = s.bar->ActivePart();
    s.shot = capture_window(s.bar->Window());
  }
  if (s.moveBy && s.step < s.releaseAt) move_mouse({s.start.x, s.start.y + s.moveBy * s.step});
  if (s.step >= s.releaseAt) {
    KillTimer(nullptr, id);
    mouse_left_button(false);
    s.released = true;
  }
}

TEST_F(ScrollMemoTest, HoldingTheDownArrowScrollsRepeatedlyAndShowsItPressed) {
  TMemo* memo = Find<TMemo>("Tall");
  TWScrollbar& bar = *SkinScrolled(memo)->VertBar();
  ASSERT_TRUE(bar.Shown());
  const BarView v = ViewOf(bar, *data);
  ScrollSpy spy(memo);
  const POINT arrow = ScreenPointOf(bar.Window(), v.width / 2, v.height - v.arrow / 2);
  move_mouse(arrow);
  Settle();

  HoldState state;
  state.bar = &bar;
  state.releaseAt = 9;  // 9 x 100 ms: past the first repeat delay
  state.captureAt = 7;
  g_hold = &state;
  SetTimer(nullptr, 0, 100, HoldTimerProc);
  mouse_left_button(true);
  ASSERT_TRUE(wait_until([&] { return state.released && !bar.Dragging(); }, 8000));
  Settle(100);
  g_hold = nullptr;

  EXPECT_GE(spy.Count(WM_VSCROLL, SB_LINEDOWN), 3) << "the memo's own auto-repeat";
  EXPECT_GE(spy.Count(WM_VSCROLL, SB_ENDSCROLL), 1);
  EXPECT_GE(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 3);
  EXPECT_TRUE(state.draggingSeen);
  EXPECT_EQ(state.partSeen, spSecondArrow);
  const RECT down = v.Visible(v.DownArrow());
  ASSERT_EQ(state.shot.width, v.width);
  EXPECT_EQ(Pixels(state.shot, down), GlyphReference(*data, v.width, v.height, v.DownArrow(), 14, down));
  // The end of the scroll highlights no part: the arrow is no longer drawn pressed.
  EXPECT_NE(bar.ActivePart(), spThumb);
  EXPECT_NE(Pixels(capture_window(bar.Window()), down),
            GlyphReference(*data, v.width, v.height, v.DownArrow(), 14, down));
}

TEST_F(ScrollMemoTest, DraggingTheThumbScrollsTheMemoAndTheThumbFollowsTheCursor) {
  TMemo* memo = Find<TMemo>("Tall");
  TWScrollbar& bar = *SkinScrolled(memo)->VertBar();
  ASSERT_TRUE(bar.Shown());
  const BarView v = ViewOf(bar, *data);
  const SCROLLBARINFO sys = SystemBar(memo->Handle(), true);
  ScrollSpy spy(memo);
  HoldState state;
  state.bar = &bar;
  state.start = ScreenPointOf(bar.Window(), v.width / 2, (sys.xyThumbTop + sys.xyThumbBottom) / 2);
  state.moveBy = 8;
  state.captureAt = 5;
  state.releaseAt = 7;
  move_mouse(state.start);
  Settle();
  g_hold = &state;
  SetTimer(nullptr, 0, 100, HoldTimerProc);
  mouse_left_button(true);
  ASSERT_TRUE(wait_until([&] { return state.released && !bar.Dragging(); }, 8000));
  Settle(100);
  g_hold = nullptr;

  EXPECT_GT(spy.Count(WM_VSCROLL, SB_THUMBTRACK), 0);
  EXPECT_GE(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 10);
  EXPECT_TRUE(state.draggingSeen);
  EXPECT_EQ(state.partSeen, spThumb);
  // At the capture the cursor had moved (captureAt - 1) steps below the press: the thumb is drawn
  // there, pressed.
  const int length = sys.xyThumbBottom - sys.xyThumbTop;
  const int start = DraggedThumbStart(ScrollAxis{v.height, v.arrow, sys.xyThumbTop, sys.xyThumbBottom},
                                      sys.xyThumbTop, 8 * (state.captureAt - 1));
  const RECT drawn{0, start, v.width, start + length};
  ASSERT_EQ(state.shot.width, v.width);
  EXPECT_EQ(Pixels(state.shot, drawn),
            ThumbReference(*data, v.width, v.height, v.arrow, start, start + length, v.thickness, 2, drawn));
}

TEST_F(ScrollMemoTest, BarShorterThanTwoArrowsDrawsTwoHalfArrows) {
  TMemo* memo = Find<TMemo>("Short");
  TWScrollbar& bar = *SkinScrolled(memo)->VertBar();
  ASSERT_TRUE(bar.Shown());
  const SCROLLBARINFO sys = SystemBar(memo->Handle(), true);
  const RECT overlay = ScreenRect(bar.Window());
  EXPECT_EQ(overlay.top, sys.rcScrollBar.top);
  EXPECT_EQ(overlay.bottom, sys.rcScrollBar.bottom);
  const BarView v = ViewOf(bar, *data);
  ASSERT_LT(v.height, 2 * v.arrow);
  const int half = v.height / 2;
  const RECT up{0, 0, v.thickness, half};
  const RECT down{0, v.height - half, v.thickness, v.height};
  const Capture c = capture_window(bar.Window());
  EXPECT_EQ(Pixels(c, v.Visible(up)), GlyphReference(*data, v.width, v.height, up, 9, v.Visible(up)));
  EXPECT_EQ(Pixels(c, v.Visible(down)), GlyphReference(*data, v.width, v.height, down, 13, v.Visible(down)));
}

TEST_F(ScrollMemoTest, CornerSquareBetweenBothBarsTakesTheFaceColour) {
  TMemo* memo = Find<TMemo>("Both");
  TSkinScrollbar* skin = SkinScrolled(memo);
  ASSERT_TRUE(skin->VertBar()->Shown());
  ASSERT_TRUE(skin->HorzBar()->Shown());
  const SCROLLBARINFO h = SystemBar(memo->Handle(), false);
  const RECT overlay = ScreenRect(skin->HorzBar()->Window());
  EXPECT_EQ(overlay.left, h.rcScrollBar.left);
  EXPECT_EQ(overlay.right, h.rcScrollBar.right);
  EXPECT_EQ(overlay.top, h.rcScrollBar.top);

  const RECT& vr = skin->VertBar()->BarRect();
  const RECT& hr = skin->HorzBar()->BarRect();
  const int x = (vr.left + vr.right) / 2 + 2, y = (hr.top + hr.bottom) / 2 + 2;
  const COLORREF face = ColorToRGB(data->FaceColor());
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  const Capture c = capture_window(memo->Handle());
  EXPECT_EQ(c.at(x, y), face);
  EXPECT_EQ(c.at(vr.left + 2, hr.top + 2), face);
  EXPECT_EQ(c.at(vr.right + 1, hr.bottom + 1), face);

  // Without the skin the system's own corner shows another colour.
  formSkin->Controls().ReleaseControlSkins(false);
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  EXPECT_NE(capture_window(memo->Handle()).at(x, y), face);
}

TEST_F(ScrollMemoTest, NoObjectsLeakOverSkinOffOnCycles) {
  TMemo* memo = Find<TMemo>("Both");
  auto cycle = [&] {
    SkinScrolled(memo);
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Settle(0);
    formSkin->Controls().ReleaseControlSkins(false);
  };
  cycle();
  Settle();
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 100; ++i) cycle();
  Settle();
  EXPECT_LE(testing_support::gdi_objects(), gdi + 3);
  EXPECT_LE(testing_support::user_objects(), user + 3);
  EXPECT_TRUE(formSkin->Controls().ControlSkins().empty());

  // Painting switched off and on through the control's message.
  TSkinScrollbar* skin = SkinScrolled(memo);
  ASSERT_TRUE(skin);
  const DWORD gdi2 = testing_support::gdi_objects(), user2 = testing_support::user_objects();
  for (int i = 0; i < 100; ++i) {
    SendMessageW(memo->Handle(), SKM_ENABLESKIN, 0, 0);
    SendMessageW(memo->Handle(), SKM_ENABLESKIN, 1, 0);
  }
  Settle();
  EXPECT_LE(testing_support::gdi_objects(), gdi2 + 3);
  EXPECT_LE(testing_support::user_objects(), user2 + 3);
}

}  // namespace
}  // namespace quarnel::scrolltest
