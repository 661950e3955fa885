// The test form of the choice and container controls, read from its description, and the real
// input the tests drive it with. User-interface thread of the test.
#pragma once
#include <windows.h>
// The common controls' messages need the definitions above.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/date_time_picker.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/rich_edit.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/spin_edit.h"
#include "framework/controls/up_down.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace choice_test {

inline void RegisterClasses() {
  TCheckBox::StaticClass();
  TRadioButton::StaticClass();
  TGroupBox::StaticClass();
  TRadioGroup::StaticClass();
  TPanel::StaticClass();
  TScrollBox::StaticClass();
  TComboBox::StaticClass();
  TComboBoxEx::StaticClass();
  TEdit::StaticClass();
  TUpDown::StaticClass();
  TSpinButton::StaticClass();
  TSpinEdit::StaticClass();
  TDateTimePicker::StaticClass();
  TRichEdit::StaticClass();
}

inline std::string FormText() {
  std::ifstream in(testing_support::host_path(ALL_CONTROLS_FORM), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Presses and releases the left button over a point of a window's client area, with real input.
inline void ClickAt(HWND wnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(wnd, &p);
  testing_support::move_mouse(p);
  testing_support::flush_events(20);
  testing_support::mouse_left_button(true);
  testing_support::flush_events(20);
  testing_support::mouse_left_button(false);
  testing_support::flush_events(30);
}

// Presses the left button over a point (client coordinates, possibly in the non-client area)
// and lets it go from a timer, which also fires inside a modal loop the press may start.
inline void CALLBACK ReleaseButton(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  testing_support::mouse_left_button(false);
}
inline void ClickHoldingAt(HWND wnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(wnd, &p);
  testing_support::move_mouse(p);
  testing_support::flush_events(20);
  SetTimer(nullptr, 0, 100, ReleaseButton);
  testing_support::mouse_left_button(true);
  testing_support::flush_events(300);
}

// A key pressed and released through the system's input queue (to the focused window).
inline void PressKey(WORD vk) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  testing_support::flush_events(40);
}

inline std::wstring WindowClass(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

class ChoiceControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClasses();
    Application()->Initialize();
    form = Application()->CreateForm<TForm>();
    ReadComponent(*form, FormText());
  }
  void TearDown() override {
    if (form) Application()->DestroyComponent(form);
  }
  template <class T>
  T* Find(const char* name) {
    auto* c = ObjectAs<T>(form->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  void ShowInFront() {
    form->Show();
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(testing_support::wait_until([&] { return GetActiveWindow() == form->Handle(); }));
    testing_support::flush_events(50);
  }
  TForm* form = nullptr;
};

}  // namespace choice_test
