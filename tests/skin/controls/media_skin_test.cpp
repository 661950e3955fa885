// The media player skinned under Wine: the overlay covers the control and follows it, real
// presses reach the control and click the button released over, a release over another button
// does nothing, and a bar without visible buttons is plain face colour.
#include <vector>

#include "framework/controls/media_player.h"
#include "skin/controls/skin_media_player.h"
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

  ClickAt(CellCentre(overlay, 2, 9));
  ASSERT_TRUE(testing_support::wait_until([&] { return clicked.size() == 1; }, 2000));
  EXPECT_EQ(clicked[0], btStop);

  testing_support::move_mouse(CellCentre(overlay, 0, 9));
  flush_events(30);
  testing_support::mouse_left_button(true);
  flush_events(30);
  EXPECT_EQ(skin->Overlay()->PressedButton(), btPlay);
  const auto pressed = capture_window(overlay).pixels;
  testing_support::move_mouse(CellCentre(overlay, 4, 9));
  flush_events(30);
  testing_support::mouse_left_button(false);
  flush_events(60);
  EXPECT_EQ(clicked.size(), 1u) << "released over another button";
  EXPECT_EQ(skin->Overlay()->PressedButton(), -1);
  EXPECT_NE(capture_window(overlay).pixels, pressed) << "the button is drawn up again";
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
