// The real program, started as its own process and driven from outside like a user would.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

// The button-face colour of the skin the program ships, from the skin's definition text.
COLORREF SkinButtonFace() {
  std::ifstream ini(testing_support::host_path(QUARNEL_SKIN_DEFINITION));
  std::string line;
  while (std::getline(ini, line)) {
    int r, g, b;
    if (std::sscanf(line.c_str(), "ButtonFace=%d %d %d", &r, &g, &b) == 3) return RGB(r, g, b);
  }
  return CLR_INVALID;
}

using testing_support::find_child;
using testing_support::ProgramProcess;

TEST(ProgramTest, StartsShowsItsWindowAndEndsThroughTheExitButton) {
  ProgramProcess program;
  ASSERT_TRUE(program.Start(QUARNEL_EXE)) << GetLastError();
  HWND wnd = testing_support::wait_for_main_window(program.Id());
  ASSERT_NE(wnd, nullptr);

  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 347);
  EXPECT_EQ(client.bottom, 181);
  EXPECT_NE(find_child(wnd, L"判断网络"), nullptr);
  HWND exitButton = find_child(wnd, L"退出");
  ASSERT_NE(exitButton, nullptr);

  // The face is painted in the skin's button-face colour (the first paint may still be on its way).
  const COLORREF face = SkinButtonFace();
  ASSERT_NE(face, CLR_INVALID);
  POINT inside{340, 175};
  ClientToScreen(wnd, &inside);
  RECT wr;
  GetWindowRect(wnd, &wr);
  testing_support::Capture shot;
  for (int i = 0; i < 150; ++i) {
    shot = testing_support::capture_window(wnd);
    if (shot.at(inside.x - wr.left, inside.y - wr.top) == face) break;
    Sleep(20);
  }
  EXPECT_EQ(shot.at(inside.x - wr.left, inside.y - wr.top), face);
  EXPECT_TRUE(testing_support::save_bmp(shot, testing_support::host_path(QUARNEL_SHOTS "/main_window.bmp")));

  SendMessageW(exitButton, BM_CLICK, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

TEST(ProgramTest, ClosingTheWindowEndsTheProgram) {
  ProgramProcess program;
  ASSERT_TRUE(program.Start(QUARNEL_EXE));
  HWND wnd = testing_support::wait_for_main_window(program.Id());
  ASSERT_NE(wnd, nullptr);
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
