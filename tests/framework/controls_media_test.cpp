// The media player on the all-controls form: its glyphs from the program's resources, the button
// sets by name, a real click that plays a WAV file through MCI, and a press released elsewhere.
#include <cstdint>
#include <fstream>

#include "tests/framework/controls_bars_fixture.h"

namespace bar_controls {
namespace {

// One second of 8 kHz, 8-bit mono silence.
std::string WriteWave() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::string path = fw::FromWide(dir) + "quarnel_mp_test.wav";
  const uint32_t samples = 8000;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + samples);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);     // PCM
  u16(1);     // mono
  u32(8000);  // samples per second
  u32(8000);  // bytes per second
  u16(1);     // block align
  u16(8);     // bits per sample
  out.write("data", 4);
  u32(samples);
  std::string silence(samples, '\x80');
  out.write(silence.data(), samples);
  return path;
}

POINT ButtonCentre(TMediaPlayer* player, TMPBtnType button) {
  int shown = 0, cell = -1;
  for (int b = 0; b < 9; ++b)
    if (player->VisibleButtons() & (1u << b)) {
      if (b == button) cell = shown;
      ++shown;
    }
  const int width = player->ClientWidth() / shown;
  return {cell * width + width / 2, player->ClientHeight() / 2};
}

TEST_F(BarControlsTest, MediaPlayerButtonSetsByNameAndGlyphs) {
  auto* player = Get<TMediaPlayer>("Player");
  const TPropInfo* colored = GetPropInfo(*player, "ColoredButtons");
  ASSERT_TRUE(colored && GetPropInfo(*player, "VisibleButtons") && GetPropInfo(*player, "EnabledButtons"));
  EXPECT_EQ(GetSetProp(*player, *colored).find("btRecord"), std::string::npos);
  EXPECT_NE(GetSetProp(*player, *colored).find("btEject"), std::string::npos);
  // Nothing open: with AutoEnable every button is greyed.
  EXPECT_EQ(GetOrdPropByName(*player, "EnabledButtons"), 0);

  // Enabled and coloured, the play glyph is drawn green from the program's resources.
  SetOrdPropByName(*player, "AutoEnable", 0);
  SetOrdPropByName(*player, "EnabledButtons", kAllMPButtons);
  player->Repaint();
  testing_support::Capture shot = testing_support::capture_window(player->Handle());
  POINT play = ButtonCentre(player, btPlay);
  int green = 0;
  for (int y = 0; y < shot.height; ++y)
    for (int x = play.x - 8; x < play.x + 8; ++x) green += shot.at(x, y) == RGB(0, 160, 0);
  EXPECT_GT(green, 20);

  // Only two buttons shown: each takes half the bar.
  SetOrdPropByName(*player, "VisibleButtons", (1u << btPlay) | (1u << btStop));
  EXPECT_EQ(player->ButtonAt(player->ClientWidth() - 1), btStop);
  EXPECT_EQ(player->ButtonAt(0), btPlay);
}

TEST_F(BarControlsTest, MediaPlayerWithoutButtonsIsPlainAndIgnoresDisabledOnes) {
  auto* player = Get<TMediaPlayer>("Player");
  player->SetAutoEnable(false);
  player->SetEnabledButtons(kAllMPButtons & ~(1u << btPlay));
  std::vector<TMPBtnType> clicked;
  player->OnButtonClick = [&](TMediaPlayer*, TMPBtnType b, bool&) { clicked.push_back(b); };
  ClickAt(player->Handle(), ButtonCentre(player, btPlay));
  ClickAt(player->Handle(), ButtonCentre(player, btEject));
  EXPECT_EQ(clicked, std::vector<TMPBtnType>{btEject});

  player->SetVisibleButtons(0);
  player->Repaint();
  testing_support::Capture shot = testing_support::capture_window(player->Handle());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int other = 0;
  for (COLORREF pixel : shot.pixels) other += pixel != face;
  EXPECT_EQ(other, 0);
  EXPECT_EQ(player->ButtonAt(10), -1);
}

TEST_F(BarControlsTest, MediaPlayerPlaysAWaveFileOnARealClick) {
  auto* player = Get<TMediaPlayer>("Player");
  player->SetFileName(WriteWave());
  player->Open();
  ASSERT_TRUE(player->IsOpen()) << player->ErrorMessage();
  EXPECT_EQ(player->Mode(), mpStopped);
  EXPECT_EQ(player->Length(), 1000);
  EXPECT_TRUE(player->EnabledButtons() & (1u << btPlay));
  EXPECT_FALSE(player->EnabledButtons() & (1u << btPause));

  std::vector<TMPBtnType> clicked;
  player->OnButtonClick = [&](TMediaPlayer*, TMPBtnType b, bool&) { clicked.push_back(b); };
  ClickAt(player->Handle(), ButtonCentre(player, btPlay));
  ASSERT_TRUE(wait_until([&] { return !clicked.empty(); }));
  EXPECT_EQ(clicked[0], btPlay);
  EXPECT_EQ(player->Error(), 0) << player->ErrorMessage();
  EXPECT_TRUE(wait_until([&] { return player->Mode() == mpPlaying; }, 1000));
  EXPECT_TRUE(player->EnabledButtons() & (1u << btStop));  // follows the device's mode

  // A press released over another button does nothing.
  HWND wnd = player->Handle();
  POINT stop = ButtonCentre(player, btStop), pause = ButtonCentre(player, btPause);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(stop.x, stop.y));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(pause.x, pause.y));
  EXPECT_EQ(clicked.size(), 1u);
  // Released over the button it was pressed on, even after the capture went elsewhere.
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(stop.x, stop.y));
  ReleaseCapture();
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(stop.x + 2, stop.y));
  ASSERT_EQ(clicked.size(), 2u);
  EXPECT_EQ(clicked[1], btStop);
  EXPECT_EQ(player->Mode(), mpStopped);

  // A refused click performs nothing; Step moves by Frames on a device without frames.
  player->OnButtonClick = [&](TMediaPlayer*, TMPBtnType, bool& doDefault) { doDefault = false; };
  player->ClickButton(btNext);
  EXPECT_LT(player->Position(), 1000);
  player->OnButtonClick = nullptr;
  player->SetPosition(0);
  player->ClickButton(btStep);
  EXPECT_EQ(player->Position(), 100);
  player->Close();
  DeleteFileA(player->FileName().c_str());
}

}  // namespace
}  // namespace bar_controls
