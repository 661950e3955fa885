// The media player skinned under Wine: the overlay covers the control and follows it, real
// presses reach the control and click the button released over, the button under the pointer
// hot and the held one pressed (told by their frames), a release over another button does
// nothing, and a bar without visible buttons is plain face colour.
#include <vector>

#include "framework/controls/media_player.h"
#include "skin/controls/media_layout.h"
#include "skin/controls/skin_media_player.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/controls/choice_test_support.h"

namespace quarnel::choicetest {
namespace {

using MediaSkinTest = ChoiceFormTest;

// The screen point in the middle of the `order`-th of `count` cells of a window.
POINT CellCentre(HWND window, int order, int count) {
  RECT r;
  GetWindowRect(window, &r);
  const int cell = (r.right - r.left) / count;
  return {r.left + order * cell + cell / 2, (r.top + r.bottom) / 2};
}

// The Buttons frame that the `order`-th of `count` cells of the overlay shows, told by the rows
// above and below its glyph; 0 when it matches none.
int CellFrame(HWND overlay, int order, int count, TDataSkinButton& buttons, COLORREF face) {
  const testing_support::Capture shot = capture_window(overlay);
  const SkinRect cell = MediaButtonCell(order, count, shot.width, shot.height);
  const int w = cell.Width(), h = cell.Height();
  for (int frame = 1; frame <= buttons.FrameCount; ++frame) {
    TBitmap ref(w, h, pf32bit);
    ref.Canvas().Brush().SetColor(static_cast<TColor>(face));
    ref.Canvas().FillRect(RECT{0, 0, w, h});
    DrawElementFrame(ref.DC(), RECT{0, 0, w, h}, buttons, buttons.FrameCount, frame);
    bool same = true;
    for (int y = 0; y < h && same; ++y) {
      if (y >= 6 && y < h - 6) continue;  // the glyph's rows
      for (int x = 0; x < w && same; ++x) same = shot.at(cell.left + x, cell.top + y) == ref.PixelAt(x, y);
    }
    if (same) return frame;
  }
  return 0;
}

TEST_F(MediaSkinTest, PressesReachTheControlAndAReleaseOverAnotherButtonDoesNothing) {
  auto* player = Add<TMediaPlayer>(form, 20, 20, 9 * 30, 30);
  std::vector<TMPBtnType> clicked;
  player->OnButtonClick = [&](TMediaPlayer*, TMPBtnType b, bool& doDefault) {
    clicked.push_back(b);
    doDefault = false;  // no device here
  };
  ShowAndSkin();
  auto* skin = SkinOf<TSkinMP>(player->Handle());
  ASSERT_NE(skin, nullptr);
  HWND overlay = skin->Overlay()->Window();
  ASSERT_TRUE(IsWindowVisible(overlay));
  RECT a, b;
  GetWindowRect(overlay, &a);
  GetWindowRect(player->Handle(), &b);
  EXPECT_TRUE(EqualRect(&a, &b));
  TDataSkinButton& buttons = *data->Buttons;
  const COLORREF face = ColorToRGB(data->FaceColor());
  ASSERT_GE(buttons.FrameCount, 4);

  // Only the control, which saw the press, clicks its button at the release.
  ClickAt(CellCentre(overlay, 2, 9));
  ASSERT_TRUE(testing_support::wait_until([&] { return clicked.size() == 1; }, 2000));
  EXPECT_EQ(clicked[0], btStop);

  // Under the pointer the button is hot; held down it is pressed, not hot.
  testing_support::move_mouse(CellCentre(overlay, 0, 9));
  EXPECT_TRUE(
      testing_support::wait_until([&] { return CellFrame(overlay, 0, 9, buttons, face) == 4; }, 2000));
  testing_support::mouse_left_button(true);
  flush_events(30);
  EXPECT_EQ(skin->Overlay()->PressedButton(), btPlay);
  EXPECT_TRUE(testing_support::wait_until([&] { return CellFrame(overlay, 0, 9, buttons, face) == 2; }, 2000))
      << "held: frame " << CellFrame(overlay, 0, 9, buttons, face);
  testing_support::move_mouse(CellCentre(overlay, 4, 9));
  flush_events(30);
  testing_support::mouse_left_button(false);
  flush_events(60);
  EXPECT_EQ(clicked.size(), 1u) << "released over another button";
  EXPECT_EQ(skin->Overlay()->PressedButton(), -1);
  EXPECT_EQ(CellFrame(overlay, 0, 9, buttons, face), 1) << "the button is drawn up again";
  EXPECT_EQ(CellFrame(overlay, 4, 9, buttons, face), 4) << "the one under the pointer is hot";
  SaveShot(overlay, "media_player");

  player->SetBounds(30, 80, 9 * 28, 28);
  flush_events(30);
  GetWindowRect(overlay, &a);
  GetWindowRect(player->Handle(), &b);
  EXPECT_TRUE(EqualRect(&a, &b)) << "the overlay follows the control";
  player->SetVisible(false);
  flush_events(30);
  EXPECT_FALSE(IsWindowVisible(overlay));
  player->SetVisible(true);
  flush_events(30);
  EXPECT_TRUE(IsWindowVisible(overlay));
  SendMessageW(player->Handle(), SKM_ENABLESKIN, 0, 0);
  EXPECT_FALSE(IsWindowVisible(overlay)) << "skin off shows the control's own bar";
  SendMessageW(player->Handle(), SKM_ENABLESKIN, 1, 0);
  EXPECT_TRUE(IsWindowVisible(overlay));
}

TEST_F(MediaSkinTest, BarWithoutVisibleButtonsIsPlainFaceColour) {
  auto* player = Add<TMediaPlayer>(form, 20, 20, 200, 30);
  player->SetVisibleButtons(0);
  ShowAndSkin();
  auto* skin = SkinOf<TSkinMP>(player->Handle());
  ASSERT_NE(skin, nullptr);
  RedrawWindow(skin->Overlay()->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const COLORREF face = ColorToRGB(data->FaceColor());
  for (COLORREF p : capture_window(skin->Overlay()->Window()).pixels) ASSERT_EQ(p, face);
  skin->Detach();
  EXPECT_EQ(skin->Overlay(), nullptr) << "detaching frees the overlay";
}

TEST_F(MediaSkinTest, RepaintingAThousandTimesLeaksNothing) {
  auto* player = Add<TMediaPlayer>(form, 20, 20, 270, 30);
  ShowAndSkin();
  auto* skin = SkinOf<TSkinMP>(player->Handle());
  ASSERT_NE(skin, nullptr);
  HWND overlay = skin->Overlay()->Window();
  for (int i = 0; i < 20; ++i) RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 1000; ++i) RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(testing_support::gdi_objects(), gdi);
  EXPECT_EQ(testing_support::user_objects(), user);
}

}  // namespace
}  // namespace quarnel::choicetest
