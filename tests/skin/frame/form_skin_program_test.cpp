// The real program, started as its own process: its main window is skinned at its first
// activation (asked from outside with the skin's private messages), keeps its client size
// inside the skin's frame, and is shot for people to look at.
#include <gtest/gtest.h>

#include "skin/data/skin_messages.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

using testing_support::ProgramProcess;

LRESULT Ask(HWND window, UINT msg, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, msg, 0, lParam, SMTO_ABORTIFHUNG, 3000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

TEST(SkinnedProgramTest, MainWindowIsSkinnedAndKeepsItsClientSize) {
  ProgramProcess program;
  ASSERT_TRUE(program.Start(QUARNEL_EXE)) << GetLastError();
  HWND window = testing_support::wait_for_main_window(program.Id());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(testing_support::wait_until([&] { return Ask(window, SKM_QUERYSKINNED, 0) == 1; }));
  EXPECT_EQ(Ask(window, SKM_PING, SkinMessageTag), SkinMessageTag);
  EXPECT_EQ(Ask(window, SKM_PING, 0), 1);
  // Skinning shrinks the client area inside the skin's frame; the posted activation message
  // then grows the window around it again.
  RECT client{}, outer{};
  EXPECT_TRUE(testing_support::wait_until([&] {
    GetClientRect(window, &client);
    return client.right == 347 && client.bottom == 181;
  })) << client.right
      << " x " << client.bottom;
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  // The skin's caption band is taller than its side borders.
  EXPECT_GT(origin.y - outer.top, origin.x - outer.left);
  EXPECT_EQ(outer.right - outer.left - 347, (origin.x - outer.left) * 2);  // equal side borders
  EXPECT_TRUE(
      testing_support::save_bmp(testing_support::capture_window(window),
                                testing_support::host_path(QUARNEL_SHOTS "/main_window_skinned.bmp")));
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
