// The all-controls form for the bar, tab, list and media control tests: read from its
// description, shown, and freed after each test. User-interface thread of the test.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/controls/cool_bar.h"
#include "framework/controls/header_control.h"
#include "framework/controls/list_view.h"
#include "framework/controls/media_player.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/tab_controls.h"
#include "framework/controls/tool_bar.h"
#include "framework/controls/track_bar.h"
#include "framework/core/text.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/ui/memo.h"
#include "framework/ui/menu.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"
// The shared form also holds the other standard controls, whose tests register them.
#if __has_include("tests/framework/controls_choice_fixture.h")
#include "tests/framework/controls_choice_fixture.h"
#define QUARNEL_CHOICE_CONTROLS 1
#endif

namespace bar_controls {

using testing_support::flush_events;
using testing_support::wait_until;

inline void RegisterBarControls() {
  TPageControl::StaticClass();
  TTabSheet::StaticClass();
  TTabControl::StaticClass();
  TStatusBar::StaticClass();
  TToolBar::StaticClass();
  TToolButton::StaticClass();
  TPopupMenu::StaticClass();
  TMainMenu::StaticClass();
  TTrackBar::StaticClass();
  TProgressBar::StaticClass();
  THeaderControl::StaticClass();
  TListView::StaticClass();
  TCoolBar::StaticClass();
  TEdit::StaticClass();
  TMediaPlayer::StaticClass();
  TMenuItem::StaticClass();
#ifdef QUARNEL_CHOICE_CONTROLS
  choice_test::RegisterClasses();
#endif
}

inline std::string FormText() {
  std::ifstream in(testing_support::host_path(BAR_CONTROLS_FORM), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline TForm* MakeForm() {
  RegisterBarControls();
  Application()->Initialize();
  auto* form = Application()->CreateForm<TForm>();
  ReadComponent(*form, FormText());
  return form;
}

inline std::wstring ClassOf(HWND wnd) {
  wchar_t name[128] = {};
  GetClassNameW(wnd, name, 128);
  return name;
}

// Clicks a client point of a window with real input and waits for the queue to settle.
inline void ClickAt(HWND wnd, POINT client) {
  ClientToScreen(wnd, &client);
  testing_support::move_mouse(client);
  testing_support::mouse_left_button(true);
  testing_support::mouse_left_button(false);
  flush_events(30);
}

inline void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
}

class BarControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    form->Show();
    SetForegroundWindow(form->Handle());
    flush_events(30);
  }
  void TearDown() override {
    if (form) Application()->DestroyComponent(form);
  }
  template <class T>
  T* Get(const char* name) {
    auto* c = ObjectAs<T>(form->FindComponent(name));
    EXPECT_TRUE(c) << name;
    return c;
  }
  TForm* form = nullptr;
};

}  // namespace bar_controls
