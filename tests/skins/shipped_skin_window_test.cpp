// Each shipped skin inside a program: its package embedded as a resource, and loaded into the
// real main window's skin data before the first activation, the frame, face and buttons drawn
// from it (pixels read back), with a screenshot for people to look at. UI thread of the test.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>

#include "app/main_form.h"
#include "framework/ui/application.h"
#include "shipped_skins.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/frame/main_form_fixture.h"
#include "tests/support/window_support.h"

namespace quarnel::skintest {
namespace {

using testing_support::flush_events;

// Gamma-encoded brightness, 0 to 1: the blue skin's buttons are near 0.9, the dark skin's near 0.35.
double Brightness(COLORREF c) {
  return (0.2126 * GetRValue(c) + 0.7152 * GetGValue(c) + 0.0722 * GetBValue(c)) / 255;
}

class ShippedSkinWindow : public MainFormFixture<::testing::TestWithParam<TShippedSkin>> {};

TEST_P(ShippedSkinWindow, MainWindowIsDrawnFromThePackage) {
  TSkinData& data = *form->SkinData1;
  data.SetPackedSkin(ReadFileBytes(GetParam().PackagePath()));
  ASSERT_TRUE(data.LoadSkin()) << GetParam().PackagePath();
  ASSERT_EQ(data.SkinName, GetParam().name);
  form->Show();
  ASSERT_TRUE(testing_support::wait_until([&] {
    return Skin() && Skin()->View().Facts().SkinState == fsActive;
  }));
  flush_events(150);
  HWND window = form->Handle();
  const auto shot = testing_support::capture_window(window);
  EXPECT_TRUE(testing_support::save_bmp(shot, std::string("main_window_") + GetParam().id + ".bmp"));

  // The caption's gradient runs top to bottom only: the middle of the band, clear of the title
  // and the buttons, repeats the top piece's middle column row for row.
  TBitmap& top = data.FrameTop->Image;
  const int caption = Skin()->View().Metrics().CaptionHeight;
  for (int y = 2; y < caption - 2; y += 4)
    EXPECT_EQ(shot.at(shot.width / 2, y), top.PixelAt(top.Width() / 2, y)) << "caption row " << y;

  // The client area takes the skin's face colour; the buttons are light or dark with it.
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RECT outer{};
  GetWindowRect(window, &outer);
  const int cx = origin.x - outer.left, cy = origin.y - outer.top;
  EXPECT_EQ(shot.at(cx + 4, cy + 150), static_cast<COLORREF>(data.FaceColor()));  // both give ButtonFace
  RECT button{};
  GetWindowRect(form->Button3->Handle(), &button);
  const int bx = button.left - outer.left, by = button.top - outer.top;
  const double body = Brightness(shot.at(bx + 6, by + (button.bottom - button.top) / 2));
  EXPECT_EQ(body < 0.5, GetParam().dark) << "button body brightness " << body;
}

class ShippedSkinResource : public ::testing::TestWithParam<TShippedSkin> {};

TEST_P(ShippedSkinResource, PackageIsEmbeddedUnderItsName) {
  std::string name = "SKIN_";
  for (const char* c = GetParam().id; *c; ++c) name += *c == '-' ? '_' : char(std::toupper(*c));
  HRSRC found = FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  ASSERT_NE(found, nullptr) << name;
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  ASSERT_NE(bytes, nullptr);
  const Bytes embedded(bytes, bytes + SizeofResource(nullptr, found));
  EXPECT_TRUE(embedded == ReadFileBytes(GetParam().PackagePath())) << name << " is not the built package";
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinResource, ::testing::ValuesIn(kShippedSkins),
                         [](const auto& info) { return SkinTestName(info.param); });
INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinWindow, ::testing::ValuesIn(kShippedSkins),
                         [](const auto& info) { return SkinTestName(info.param); });

}  // namespace
}  // namespace quarnel::skintest
