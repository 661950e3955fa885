// Shared set-up of the push-button skin tests: the real main window built in the test process,
// its buttons skinned through a frame object (the manager's when the window was skinned at
// activation, else one made by hand), real mouse input, and reference images of the skin's
// button frames to compare pixels with. Test thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_button.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tests/support/window_support.h"

namespace quarnel::buttontest {

using testing_support::Capture;
using testing_support::flush_events;

using testing_support::mouse_left_button;
using testing_support::move_mouse;
inline POINT CentreOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The skin's Buttons frame `frame` over the face colour, at the button's size.
Capture FrameReference(TSkinData& data, int width, int height, int frame);
// Rows [top, bottom) of two captures are equal.
bool RowsEqual(const Capture& a, const Capture& b, int top, int bottom);
// The outermost rows and columns (where neither caption nor focus mark reach) are equal.
bool EdgesEqual(const Capture& a, const Capture& b);
// Number of pixels of rows [top, bottom) that differ.
int DifferingPixels(const Capture& a, const Capture& b, int top, int bottom);

class MainButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TSkinButton* SkinOf(TButton* button);
  // The Buttons frame the button shows now, read from its pixels (0 when none matches).
  int ShownFrame(TButton* button);
  // Waits (with a time-out) until the button shows Buttons frame `frame`.
  bool Shows(TButton* button, int frame) {
    return testing_support::wait_until([&] { return ShownFrame(button) == frame; });
  }
  // Paints a control's window now, erasing first.
  static void Repaint(TWinControl* control) {
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  static void Settle(DWORD ms = 60) { flush_events(ms); }
  void SaveShot(HWND window, const std::string& name);

  TForm1* form = nullptr;
  TSkinData* data = nullptr;
  ComponentPtr<TWinSkinForm> ownFormSkin;  // only when the manager did not skin the window
  TWinSkinForm* formSkin = nullptr;
  int clicks[3] = {0, 0, 0};
};

}  // namespace quarnel::buttontest
