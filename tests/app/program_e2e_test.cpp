// The real program, started as its own process and driven from outside like a user would.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

struct Program {
  PROCESS_INFORMATION pi{};
  bool Start() {
    std::wstring exe;
    for (char c : testing_support::host_path(QUARNEL_EXE)) exe += static_cast<wchar_t>(c);
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    return CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  }
  ~Program() {
    if (pi.hProcess) {
      if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 99);
      CloseHandle(pi.hProcess);
      CloseHandle(pi.hThread);
    }
  }
};

HWND FindChildByText(HWND parent, const wchar_t* text) {
  struct Search {
    const wchar_t* text;
    HWND found;
  } s{text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t buf[128];
        GetWindowTextW(child, buf, 128);
        if (lstrcmpW(buf, s->text) == 0) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Waits for the main window and its last control: the window exists before its children do.
HWND WaitForMainWindow(DWORD pid) {
  for (int i = 0; i < 500; ++i) {
    HWND wnd = FindWindowW(L"TForm1", L"Quarnel Ver:1.0");
    DWORD owner = 0;
    if (wnd) GetWindowThreadProcessId(wnd, &owner);
    if (wnd && owner == pid && IsWindowVisible(wnd) && FindChildByText(wnd, L"Velmora网")) return wnd;
    Sleep(20);
  }
  return nullptr;
}

TEST(ProgramTest, StartsShowsItsWindowAndEndsThroughTheExitButton) {
  Program program;
  ASSERT_TRUE(program.Start()) << GetLastError();
  HWND wnd = WaitForMainWindow(program.pi.dwProcessId);
  ASSERT_NE(wnd, nullptr);

  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 347);
  EXPECT_EQ(client.bottom, 181);
  EXPECT_NE(FindChildByText(wnd, L"判断网络"), nullptr);
  HWND exitButton = FindChildByText(wnd, L"退出");
  ASSERT_NE(exitButton, nullptr);

  // The face is painted in the button-face colour (the first paint may still be on its way).
  POINT inside{340, 175};
  ClientToScreen(wnd, &inside);
  RECT wr;
  GetWindowRect(wnd, &wr);
  testing_support::Capture shot;
  for (int i = 0; i < 150; ++i) {
    shot = testing_support::capture_window(wnd);
    if (shot.at(inside.x - wr.left, inside.y - wr.top) == GetSysColor(COLOR_BTNFACE)) break;
    Sleep(20);
  }
  EXPECT_EQ(shot.at(inside.x - wr.left, inside.y - wr.top), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(testing_support::save_bmp(shot, testing_support::host_path(QUARNEL_SHOTS "/main_window.bmp")));

  SendMessageW(exitButton, BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1234;
  GetExitCodeProcess(program.pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

TEST(ProgramTest, ClosingTheWindowEndsTheProgram) {
  Program program;
  ASSERT_TRUE(program.Start());
  HWND wnd = WaitForMainWindow(program.pi.dwProcessId);
  ASSERT_NE(wnd, nullptr);
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1234;
  GetExitCodeProcess(program.pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

}  // namespace
