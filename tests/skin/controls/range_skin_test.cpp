// Track bars, up-down controls, progress bars and status bars skinned: which skin each gets,
// their pixels from the skin's frames per state and position, real mouse input (a dragged thumb,
// up-down clicks), the system's look back with the skin off, and no leaks over repaints.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include "framework/controls/progress_bar.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/up_down.h"
#include "range_test_support.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/wine_paths.h"

namespace quarnel::rangetest {
namespace {

using testing_support::mouse_left_button;
using testing_support::move_mouse;
using testing_support::wait_until;

TEST_F(RangeSkinTest, EachRangeKindGetsItsSkin) {
  SkinControls();
  EXPECT_NE(SkinOf<TSkinProgress>("ProgressLow"), nullptr);
  EXPECT_NE(SkinOf<TSkinProgress>("ProgressVertical"), nullptr);
  EXPECT_NE(SkinOf<TSkinTrackBar>("TrackH"), nullptr);
  EXPECT_NE(SkinOf<TSkinUpDown>("UpDown1"), nullptr);
  EXPECT_NE(SkinOf<TSkinStatusBar>("StatusPanels"), nullptr);
  SaveShot(form->Handle(), "ranges_form.bmp");
}

// Progress: the track alone at the low limit, the chunk over half the bar in the middle and
// over all of it at the high limit; the chunk is the skin's ProgressChunk image.
TEST_F(RangeSkinTest, ProgressFillsFromTheStartWithTheChunkImage) {
  SkinControls();
  auto* bar = Find<TProgressBar>("ProgressLow");
  auto* skin = SkinOf<TSkinProgress>("ProgressLow");
  ASSERT_NE(skin, nullptr);
  const Capture low = Shot(bar->Handle());
  EXPECT_EQ(skin->LastFilled(), 0);
  bar->SetPosition(100);
  const Capture high = Shot(bar->Handle());
  EXPECT_EQ(skin->LastFilled(), 200);
  bar->SetPosition(50);
  const Capture middle = Shot(bar->Handle());
  EXPECT_EQ(skin->LastFilled(), 100);
  EXPECT_GT(Differences(low, high), 200 * 16 / 2);
  // Left of the fill the middle looks like the full bar, right of it like the empty one.
  for (int y = 4; y < 12; ++y) {
    EXPECT_EQ(middle.at(50, y), high.at(50, y)) << y;
    EXPECT_EQ(middle.at(150, y), low.at(150, y)) << y;
  }
  // The bar is 16 high like the chunk image: its middle column shows the image's middle column.
  TDataSkinObject& chunk = *data->ProgressChunk;
  ASSERT_EQ(chunk.Image.Height(), 16);
  for (int y = 3; y < 13; ++y)
    EXPECT_EQ(high.at(100, y), chunk.Image.PixelAt(chunk.Image.Width() / 2, y)) << y;
}

TEST_F(RangeSkinTest, VerticalProgressFillsFromTheBottom) {
  SkinControls();
  auto* bar = Find<TProgressBar>("ProgressVertical");
  const Capture empty = Shot(bar->Handle());
  bar->SetPosition(50);
  const Capture half = Shot(bar->Handle());
  EXPECT_EQ(Differences(Capture{16, 40, {half.pixels.begin(), half.pixels.begin() + 16 * 40}},
                        Capture{16, 40, {empty.pixels.begin(), empty.pixels.begin() + 16 * 40}}),
            0)
      << "the top part stays empty";
  int changedBelow = 0;
  for (int y = 70; y < 115; ++y) changedBelow += half.at(8, y) != empty.at(8, y);
  EXPECT_GT(changedBelow, 40) << "the bottom half is filled";
  SaveShot(bar->Handle(), "progress_vertical_half.bmp");
}

// Track bar: the thumb is frame 2 of the skin's thumb; the ticks stay the system's; a dragged
// thumb moves the position.
TEST_F(RangeSkinTest, TrackBarDrawsTheSkinThumbKeepsItsTicksAndFollowsADrag) {
  HWND track = Window("TrackH");
  const Capture system = Shot(track);
  SkinControls();
  ASSERT_NE(SkinOf<TSkinTrackBar>("TrackH"), nullptr);
  const Capture skinned = Shot(track);
  SaveShot(track, "trackbar_horizontal.bmp");
  RECT thumb{}, channel{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  SendMessageW(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  EXPECT_GT(Differences(system, skinned), 20);
  // Reference: frame 2 of the thumb image stretched over the thumb rectangle.
  TBitmap reference(system.width, system.height, pf32bit);
  DrawSkinFrameStretched(reference.DC(), thumb, data->TrackThumbHorz->Image, false, 5, 2);
  int same = 0, compared = 0;
  for (int y = thumb.top; y < thumb.bottom; ++y)
    for (int x = thumb.left; x < thumb.right; ++x) {
      const COLORREF want = reference.PixelAt(x, y);
      if (want == 0xFF00FF) continue;
      ++compared;
      same += skinned.at(x, y) == want;
    }
  EXPECT_GT(compared, 20);
  EXPECT_EQ(same, compared);
  // Rows below the thumb hold the ticks, as the system draws them.
  for (int y = thumb.bottom + 1; y < system.height; ++y)
    for (int x = 0; x < system.width; ++x) ASSERT_EQ(skinned.at(x, y), system.at(x, y)) << x << "," << y;

  auto* bar = Find<TTrackBar>("TrackH");
  ASSERT_EQ(bar->Position(), 0);
  move_mouse(ScreenPoint(track, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2));
  Settle(30);
  mouse_left_button(true);
  Settle(30);
  move_mouse(ScreenPoint(track, (channel.left + channel.right) / 2, (thumb.top + thumb.bottom) / 2));
  Settle(30);
  mouse_left_button(false);
  EXPECT_TRUE(wait_until([&] { return SendMessageW(track, TBM_GETPOS, 0, 0) >= 8; }))
      << SendMessageW(track, TBM_GETPOS, 0, 0);
  EXPECT_EQ(bar->Position(), SendMessageW(track, TBM_GETPOS, 0, 0));
}

// The channel of a vertical bar is TrackVert's image standing up, centred across the channel: a
// row of the channel away from the thumb shows one of the image's middle rows.
TEST_F(RangeSkinTest, VerticalTrackBarUsesTheVerticalChannel) {
  SkinControls();
  HWND track = Window("TrackV");
  ASSERT_TRUE(data->TrackVert && !data->TrackVert->Image.Empty());
  TBitmap& image = data->TrackVert->Image;
  const Capture skinned = Shot(track);
  SaveShot(track, "trackbar_vertical.bmp");
  RECT channel{}, thumb{};
  SendMessageW(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  if (channel.right - channel.left > channel.bottom - channel.top)  // reported lying down
    channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  const int y = channel.bottom - data->TrackVert->BottomHeight - 3;  // the thumb is at the top
  ASSERT_GT(y, thumb.bottom);
  const int centre = (channel.left + channel.right) / 2;
  // The image's row `row`, placed so its middle falls on the channel's middle (within a pixel).
  auto rowShown = [&](int row) {
    for (int left = centre - image.Width() / 2 - 1; left <= centre - image.Width() / 2 + 1; ++left) {
      int compared = 0, same = 0;
      for (int x = 0; x < image.Width(); ++x) {
        const COLORREF want = image.PixelAt(x, row);
        if (want == 0xFF00FF || left + x < 0 || left + x >= skinned.width) continue;
        ++compared;
        same += skinned.at(left + x, y) == want;
      }
      if (compared > 0 && same == compared) return true;
    }
    return false;
  };
  bool shown = false;
  for (int row = data->TrackVert->TopHeight; row < image.Height() - data->TrackVert->BottomHeight && !shown;
       ++row)
    shown = rowShown(row);
  EXPECT_TRUE(shown) << "row " << y << " of the channel is not TrackVert's";
}

// Its skin data component freed, a track bar's skin has nothing to draw with: the bar draws itself.
TEST_F(RangeSkinTest, TrackBarWithoutItsSkinDataDrawsAsTheSystemDoes) {
  HWND track = Window("TrackH");
  const Capture system = Shot(track);
  auto own = TComponent::Make<TSkinData>();
  own->SetSkinFile(testing_support::host_path(QUARNEL_LONGHORN_BLUE_SKN));
  ASSERT_FALSE(own->Empty());
  auto* skin = TComponent::CreateIn<TSkinTrackBar>(Find<TTrackBar>("TrackH"));
  TControlSkinHost& host = formSkin->Controls();
  skin->Attach(&host, own.get(), false, &host.HostCanvas());
  EXPECT_GT(Differences(Shot(track), system), 20) << "skinned";
  own.reset();
  EXPECT_EQ(Differences(Shot(track), system), 0);
}

TEST_F(RangeSkinTest, UpDownClicksChangeTheBuddyAndShowTheirStates) {
  SkinControls();
  HWND updown = Window("UpDown1");
  auto* skin = SkinOf<TSkinUpDown>("UpDown1");
  ASSERT_NE(skin, nullptr);
  RECT r{};
  GetWindowRect(updown, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const Capture normal = Shot(updown);
  EXPECT_EQ(skin->LastState(0), 1);
  move_mouse(ScreenPoint(updown, w / 2, h / 4));
  ASSERT_TRUE(wait_until([&] { return skin->LastState(0) == 4; })) << "hot";
  EXPECT_EQ(skin->LastState(1), 1);
  const Capture hot = testing_support::capture_window(updown);
  mouse_left_button(true);
  ASSERT_TRUE(wait_until([&] { return skin->LastState(0) == 2; })) << "pressed";
  const Capture pressed = testing_support::capture_window(updown);
  mouse_left_button(false);
  EXPECT_TRUE(wait_until([&] { return Find<TWinControl>("Buddy")->Caption() == "6"; }))
      << Find<TWinControl>("Buddy")->Caption();
  move_mouse(ScreenPoint(updown, w / 2, h * 3 / 4));
  ASSERT_TRUE(wait_until([&] { return skin->LastState(1) == 4; }));
  mouse_left_button(true);
  Settle(30);
  mouse_left_button(false);
  EXPECT_TRUE(wait_until([&] { return Find<TWinControl>("Buddy")->Caption() == "5"; }));
  EXPECT_GT(Differences(normal, hot), 0);
  EXPECT_GT(Differences(hot, pressed), 0);
  move_mouse(POINT{0, 0});
  EnableWindow(updown, FALSE);
  const Capture disabled = Shot(updown);
  EXPECT_EQ(skin->LastState(0), 3);
  EXPECT_EQ(skin->LastState(1), 3);
  EXPECT_GT(Differences(normal, disabled), 0);
}

TEST_F(RangeSkinTest, StatusBarPanelsWithAndWithoutGrip) {
  SkinControls();
  HWND panels = Window("StatusPanels");
  HWND simple = Window("StatusSimple");
  auto* withGrip = SkinOf<TSkinStatusBar>("StatusPanels");
  auto* plain = SkinOf<TSkinStatusBar>("StatusSimple");
  ASSERT_NE(withGrip, nullptr);
  ASSERT_NE(plain, nullptr);
  const Capture bar = Shot(panels);
  const Capture one = Shot(simple);
  SaveShot(panels, "statusbar_panels.bmp");
  SaveShot(simple, "statusbar_simple.bmp");
  EXPECT_TRUE(withGrip->LastDrewGrip());
  // The grip: ExtraImages frame 5 at the corner, one pixel in; none on a bar without the style.
  TDataSkinObject& extra = *data->ExtraImages;
  const int fw = extra.Image.Width() / 5, fh = extra.Image.Height();
  int compared = 0;
  auto gripPixels = [&](const Capture& c) {
    int matched = 0;
    compared = 0;
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) {
        const COLORREF want = extra.Image.PixelAt(4 * fw + x, y);
        if (want == 0xFF00FF) continue;
        ++compared;
        matched += c.at(c.width - 1 - fw + x, c.height - 1 - fh + y) == want;
      }
    return matched;
  };
  const int withStyle = gripPixels(bar);
  EXPECT_EQ(withStyle, compared);
  EXPECT_GT(compared, 5);
  const int withoutStyle = gripPixels(one);
  EXPECT_LT(withoutStyle * 2, compared) << "no grip without the size-grip style";
  // Panel edges come from the StatusBarEdges frames: lowered (1) at the first panel's left edge,
  // raised (2) at the second's; their edge columns differ.
  TDataSkinObject& edges = *data->StatusBarEdges;
  const int ew = edges.Image.Width() / 3;
  auto inColumn = [&](COLORREF c, int x) {
    for (int y = 0; y < edges.Image.Height(); ++y)
      if (edges.Image.PixelAt(x, y) == c) return true;
    return false;
  };
  RECT second{};
  SendMessageW(panels, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&second));
  EXPECT_TRUE(inColumn(bar.at(0, bar.height / 2), 0));
  EXPECT_TRUE(inColumn(bar.at(second.left, bar.height / 2), ew));
  EXPECT_NE(bar.at(0, bar.height / 2), bar.at(second.left, bar.height / 2));
  EXPECT_NE(Differences(one, ShotWithSkinOff(simple)), 0);
}

// The bar's text is drawn in the regular style whatever the control's font style.
TEST_F(RangeSkinTest, StatusBarTextIgnoresABoldOrItalicFont) {
  SkinControls();
  auto* bar = Find<TWinControl>("StatusPanels");
  HWND w = bar->Handle();
  const Capture regular = Shot(w);
  bar->Font()->SetStyle((1u << fsBold) | (1u << fsItalic));
  LOGFONTW lf{};
  ASSERT_EQ(GetObjectW(bar->Font()->Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  ASSERT_GT(lf.lfWeight, FW_NORMAL);
  ASSERT_TRUE(lf.lfItalic);
  EXPECT_EQ(Differences(Shot(w), regular), 0);
  bar->Font()->SetStyle(0);
}

TEST_F(RangeSkinTest, SkinOffGivesTheSystemLookBackExactly) {
  const char* names[] = {"ProgressLow", "TrackH", "UpDown1", "StatusPanels"};
  std::vector<Capture> system;
  for (const char* n : names) system.push_back(Shot(Window(n)));
  SkinControls();
  for (size_t i = 0; i < std::size(names); ++i) {
    HWND w = Window(names[i]);
    EXPECT_GT(Differences(Shot(w), system[i]), 0) << names[i] << " is skinned";
    EXPECT_EQ(Differences(ShotWithSkinOff(w), system[i]), 0) << names[i] << " looks as the system draws it";
    EXPECT_GT(Differences(Shot(w), system[i]), 0) << names[i] << " is skinned again";
  }
}

TEST_F(RangeSkinTest, ThousandRepaintsLeakNothing) {
  SkinControls();
  Find<TProgressBar>("ProgressLow")->SetPosition(40);
  for (const char* n : {"ProgressLow", "ProgressVertical", "TrackH", "UpDown1", "StatusPanels"}) {
    SCOPED_TRACE(n);
    ExpectNoLeakOverRepaints(Window(n));
  }
}

}  // namespace
}  // namespace quarnel::rangetest

namespace quarnel::rangetest {
namespace {

// A dialog-like window with bare common controls: the walk over its child windows skins them.
TEST_F(RangeSkinTest, BareProgressAndTrackBarOfADialogAreSkinned) {
  HWND host = CreateWindowExW(0, L"#32770", L"Bare", WS_POPUP | WS_VISIBLE, 40, 420, 300, 120, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 16, host,
                                  nullptr, nullptr, nullptr);
  HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, 10, 40, 200,
                               34, host, nullptr, nullptr, nullptr);
  SendMessageW(progress, PBM_SETPOS, 50, 0);
  Settle();
  const Capture systemProgress = Shot(progress);
  const Capture systemTrack = Shot(track);
  TControlWalker(formSkin->Controls()).WalkChildWindows(host);
  Settle();
  EXPECT_NE(dynamic_cast<TSkinProgress*>(formSkin->Controls().FindControlSkin(progress)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinTrackBar*>(formSkin->Controls().FindControlSkin(track)), nullptr);
  EXPECT_GT(Differences(Shot(progress), systemProgress), 100);
  const Capture skinned = Shot(track);
  SaveShot(host, "bare_dialog_ranges.bmp");
  RECT thumb{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  // The skin's thumb, frame 2, over the bar's own.
  TBitmap reference(skinned.width, skinned.height, pf32bit);
  DrawSkinFrameStretched(reference.DC(), thumb, data->TrackThumbHorz->Image, false, 5, 2);
  int same = 0, compared = 0;
  for (int y = thumb.top; y < thumb.bottom; ++y)
    for (int x = thumb.left; x < thumb.right; ++x)
      if (reference.PixelAt(x, y) != 0xFF00FF)
        ++compared, same += skinned.at(x, y) == reference.PixelAt(x, y);
  EXPECT_GT(compared, 20);
  EXPECT_EQ(same, compared);
  EXPECT_EQ(Differences(ShotWithSkinOff(track), systemTrack), 0);
  DestroyWindow(host);
  Settle();
}

}  // namespace
}  // namespace quarnel::rangetest
