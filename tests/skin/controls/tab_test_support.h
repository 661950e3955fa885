// Shared by the tab and header skin tests: a shown form read from a description, the built-in
// skin, a frame object made by hand whose control walk skins the form, a message pump that
// also runs the application's dialog keys, and real keyboard input. Test thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/header_control.h"
#include "framework/controls/list_view.h"
#include "framework/controls/tab_controls.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/window_support.h"

namespace quarnel::tabtest {

using testing_support::Capture;

// Lets queued work run, through the application's key handling (Ctrl+Tab, arrows).
inline void Pump(DWORD ms = 60) {
  const DWORD start = GetTickCount();
  do {
    Application()->ProcessMessages();
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

template <class Pred>
bool PumpUntil(Pred done, DWORD ms = 3000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    Pump(10);
  }
  return true;
}

// Presses and releases `key`, with Ctrl (and Shift) held when asked.
inline void PressKey(WORD key, bool ctrl = false, bool shift = false) {
  std::vector<INPUT> in;
  auto add = [&](WORD vk, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  if (ctrl) add(VK_CONTROL, false);
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  if (ctrl) add(VK_CONTROL, true);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// A client point of `window` as a screen point.
inline POINT ScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

inline void ClickAt(HWND window, int x, int y) {
  testing_support::move_mouse(ScreenPoint(window, x, y));
  Pump(30);
  testing_support::mouse_left_button(true);
  testing_support::mouse_left_button(false);
}

// A picture of `window` as `name` in the screenshots folder.
void SaveShot(HWND window, const std::string& name);

class TabSkinTest : public ::testing::Test {
 protected:
  // Reads `description` into a shown form and makes its frame object (not yet walked).
  void MakeForm(const char* description);
  void TearDown() override;
  template <class T>
  T* Find(const char* name) {
    return ObjectAs<T>(form->FindComponent(name));
  }

  TSkinData* data = nullptr;
  TForm* form = nullptr;
  ComponentPtr<TWinSkinForm> formSkin;
};

}  // namespace quarnel::tabtest
