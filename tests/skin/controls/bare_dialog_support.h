// Shared by the tests of bare windows (controls without a framework control, as other programs
// and the system's dialogs make them): an empty shown dialog to put them on, its frame object
// made and released by hand, and the comparison of a bar's overlay with the skin's picture of
// that bar. Test thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/win/handles.h"
#include "skin/controls/wscrollbar.h"
#include "skin/frame/win_skin_form.h"
#include "tab_test_support.h"

namespace quarnel::tabtest {

class BareDialogTest : public ::testing::Test {
 protected:
  // The built-in skin and an empty dialog captioned and shown at (40, 40), 360 by 260.
  void SetUp() override;
  void TearDown() override;
  // The dialog's frame object walks it, as the manager's does at activation.
  void Skin();
  // Its skins released and the dialog redrawn as the system draws it.
  void SkinOff();

  TSkinData* data = nullptr;
  fw::UniqueWindow dialog;
  ComponentPtr<TWinSkinForm> dialogSkin;
};

// The system's vertical bar of `target`.
SCROLLBARINFO VerticalBarOf(HWND target);
// Pixels of the screen over `target`'s vertical bar that differ from the skin's picture of that
// bar in its present state (-1: the skin draws no bar).
int VerticalBarMismatches(TSkinData& data, HWND target, const TWScrollbar& overlay);

}  // namespace quarnel::tabtest
