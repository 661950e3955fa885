// The window of the skinned menu bar tests: a plain window (no framework form) with a native
// menu bar of File (Open, Quit), Edit (Copy) and Help (no drop-down), skinned, and the input and
// drop-down helpers the tests drive it with. Test code, UI thread.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "tests/skin/frame/form_skin_test_support.h"
#include "tests/skin/frame/menus/menu_driver.h"

namespace quarnel::testing {

constexpr UINT kOpenCommand = 101, kQuitCommand = 102, kHelpCommand = 201;
inline UINT lastCommand = 0;
// When set, the window's program puts a "&New" item first into each drop-down it is about to show.
inline bool insertOnInit = false;

inline LRESULT CALLBACK BarWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) lastCommand = LOWORD(wParam);
  if (msg == WM_INITMENUPOPUP && insertOnInit)
    InsertMenuW(reinterpret_cast<HMENU>(wParam), 0, MF_BYPOSITION | MF_STRING, 150, L"&New");
  return DefWindowProcW(window, msg, wParam, lParam);
}

inline const wchar_t* BarWindowClass() {
  return testing_support::test_window_class(L"QuarnelMenuBarTestWindow", BarWindowProc);
}

inline void Keys(std::initializer_list<std::pair<WORD, bool>> keys) {
  for (auto [key, down] : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
  }
}

class MenuBarTest : public FormSkinTest {
 protected:
  void SetUp() override {
    FormSkinTest::SetUp();
    lastCommand = 0;
    insertOnInit = false;
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kOpenCommand, L"&Open");
    AppendMenuW(file, MF_STRING, kQuitCommand, L"&Quit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, 301, L"&Copy");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    AppendMenuW(bar, MF_STRING, kHelpCommand, L"&Help");
    window = CreateWindowExW(0, BarWindowClass(), L"Menu bar", WS_OVERLAPPEDWINDOW, 80, 80, 360, 240, nullptr,
                             bar, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    skin = WaitSkinned(window);
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    FormSkinTest::TearDown();
  }
  POINT ScreenCentre(const TMenuBtn& button) const {
    const RECT w = WindowRectOf(window);
    return {w.left + (button.Rect.left + button.Rect.right) / 2,
            w.top + (button.Rect.top + button.Rect.bottom) / 2};
  }
  // Opens a bar item by `input` and reads where its drop-down appeared; the menu is closed.
  // With a `shot` name the window and its open drop-down are saved for people to look at.
  RECT DropDownAfter(const std::function<void()>& input, int* kind = nullptr, const char* shot = nullptr) {
    RECT where{};
    bool seen = false;
    int ticks = 0;
    MenuDriver::Run(
        [&] {
          input();
          testing_support::wait_until([&] { return seen; }, 3000);
        },
        [&](HWND popup) {
          GetWindowRect(popup, &where);
          if (kind) *kind = manager->Popups().Kind();
          // A picture waits a few ticks, until the drop-down has painted itself.
          if (shot && ++ticks < 6) return false;
          if (shot) {
            RECT both = WindowRectOf(window);
            UnionRect(&both, &both, &where);
            testing_support::save_bmp(testing_support::capture_screen_rect(both), ShotPath(shot));
            dropDownShot = testing_support::capture_window(popup);
          }
          seen = true;
          return true;
        });
    testing_support::flush_events(30);
    return where;
  }
  void Click(POINT at) {
    testing_support::move_mouse(at);
    testing_support::flush_events(20);
    testing_support::mouse_left_button(true);
    testing_support::mouse_left_button(false);
  }
  HWND window = nullptr;
  TWinSkinForm* skin = nullptr;
  testing_support::Capture dropDownShot;
};

}  // namespace quarnel::testing
