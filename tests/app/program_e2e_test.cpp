// The real program, started as its own process and driven from outside like a user would.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/program_driver.h"
#include "tests/support/skin_variant.h"
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

// The main window's face colour at a point near its bottom-right corner, once it is `want`
// (the first skinned paint may still be on its way), else what it was last.
COLORREF FaceOnceItIs(HWND wnd, COLORREF want) {
  POINT inside{340, 175};
  ClientToScreen(wnd, &inside);
  RECT wr;
  GetWindowRect(wnd, &wr);
  COLORREF seen = CLR_INVALID;
  for (int i = 0; i < 150 && seen != want; ++i, Sleep(20))
    seen = testing_support::capture_window(wnd).at(inside.x - wr.left, inside.y - wr.top);
  return seen;
}

HWND WaitForDialog(DWORD pid, const wchar_t* title) {
  for (int i = 0; i < 250; ++i, Sleep(20))
    if (HWND dialog = testing_support::find_dialog(pid, title)) return dialog;
  return nullptr;
}

std::wstring TempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + name;
}

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());  // temp paths here are ASCII
}

TEST(ProgramSkinOptionTest, StartsWithTheSkinFileNamedOnTheCommandLine) {
  const auto red = testing_support::WithButtonFace(
      testing_support::ReadBytes(testing_support::host_path(QUARNEL_SKIN_PACKAGE)), "160 40 40");
  ASSERT_FALSE(red.empty());
  const std::wstring path = TempFile(L"quarnel-red.skn");
  ASSERT_TRUE(testing_support::WriteBytes(Narrow(path), red));
  ProgramProcess program;
  ASSERT_TRUE(program.Start(QUARNEL_EXE, L"--skin \"" + path + L"\""));
  HWND wnd = testing_support::wait_for_main_window(program.Id());
  ASSERT_NE(wnd, nullptr);
  EXPECT_EQ(FaceOnceItIs(wnd, RGB(160, 40, 40)), RGB(160, 40, 40));
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
  DeleteFileW(path.c_str());
}

// "--skin auto": the dark skin while the system is set dark, the light one (the program's own)
// once it turns light, without a restart.
TEST(ProgramSkinOptionTest, SkinAutoFollowsTheSystemsLightOrDarkSetting) {
  const DWORD dark = 0, light = 1;
  testing_support::set_system_look(&dark);
  ProgramProcess program;
  ASSERT_TRUE(program.Start(QUARNEL_EXE, L"--skin auto"));
  HWND wnd = testing_support::wait_for_main_window(program.Id());
  ASSERT_NE(wnd, nullptr);
  const COLORREF lightFace = SkinButtonFace();
  Sleep(500);
  EXPECT_NE(FaceOnceItIs(wnd, lightFace), lightFace) << "the dark skin's face";
  testing_support::set_system_look(&light);
  EXPECT_EQ(FaceOnceItIs(wnd, lightFace), lightFace) << "the light skin's face once the system is light";
  testing_support::set_system_look(nullptr);
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

// A file that cannot be read, an empty one and one that is not a skin package: each is reported
// in a box of the program's that names the file and why, and the program goes on with its
// stored skin.
TEST(ProgramSkinOptionTest, ABadSkinFileIsReportedAndTheStoredSkinStays) {
  const std::wstring junk = TempFile(L"quarnel-junk.skn");
  const std::wstring empty = TempFile(L"quarnel-empty.skn");
  ASSERT_TRUE(testing_support::WriteBytes(Narrow(junk), std::vector<uint8_t>(300, 0x5A)));
  ASSERT_TRUE(testing_support::WriteBytes(Narrow(empty), {}));
  const struct {
    std::wstring file, why;
  } cases[] = {{L"C:\\no such folder\\missing.skn", L"cannot be read"},
               {empty, L"is empty"},
               {junk, L"is not a skin package"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(Narrow(c.file));
    ProgramProcess program;
    ASSERT_TRUE(program.Start(QUARNEL_EXE, L"--skin \"" + c.file + L"\""));
    HWND box = WaitForDialog(program.Id(), L"Quarnel");
    ASSERT_NE(box, nullptr);
    const std::wstring text = testing_support::static_text_of(box);
    EXPECT_NE(text.find(L"\"" + c.file + L"\""), std::wstring::npos) << Narrow(text);
    EXPECT_NE(text.find(c.why), std::wstring::npos) << Narrow(text);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND wnd = testing_support::wait_for_main_window(program.Id());
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(FaceOnceItIs(wnd, SkinButtonFace()), SkinButtonFace());
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(program.WaitForExit(10000, code));
  }
  DeleteFileW(junk.c_str());
  DeleteFileW(empty.c_str());
}

}  // namespace
