// Shared set-up of the range and text control skin tests: a shown form holding every kind, the
// built-in skin, a frame object made by hand whose control walk gives the controls their skins,
// captures of controls, and real mouse input. Test thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/ui/form.h"
#include "skin/controls/control_walker.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tests/support/window_support.h"

namespace quarnel::rangetest {

using testing_support::Capture;
using testing_support::flush_events;

class RangeSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <class T>
  T* Find(const char* name) {
    return ObjectAs<T>(form->FindComponent(name));
  }
  HWND Window(const char* name);
  // The skin object the walk gave the control, as the class it should be (null otherwise).
  template <class T>
  T* SkinOf(const char* name) {
    return dynamic_cast<T*>(formSkin->Controls().FindControlSkin(Window(name)));
  }
  // Gives every control of the form its skin, as the frame object does at activation.
  void SkinControls();
  static void Settle(DWORD ms = 60) { flush_events(ms); }
  static Capture Shot(HWND window);  // repainted now, then captured whole
  void SaveShot(HWND window, const std::string& name);
  // The control painted exactly as the system paints it (skin switched off), and on again.
  static Capture ShotWithSkinOff(HWND window);
  // The GDI and USER objects held stay level over 1,000 repaints.
  static void ExpectNoLeakOverRepaints(HWND window);

  TSkinData* data = nullptr;
  TForm* form = nullptr;
  ComponentPtr<TWinSkinForm> formSkin;
};

// Screen point at (x, y) of a window's own rectangle.
POINT ScreenPoint(HWND window, int x, int y);
// Pixels that differ between two captures of the same size (all of them when the sizes differ).
int Differences(const Capture& a, const Capture& b);

}  // namespace quarnel::rangetest
