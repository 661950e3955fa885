// A skin that leaves its face colour to the system follows the system's colours: when the user
// changes them (the system announces it with WM_SYSCOLORCHANGE), a skinned dialog's face shows
// the new colour at once, with no object left behind.
#include <windows.h>

#include "bare_dialog_support.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "tests/support/skin_variant.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_window;

TEST_F(BareDialogTest, AFaceLeftToTheSystemFollowsTheSystemsColours) {
  auto own = TComponent::Make<TSkinData>();
  own->SetPackedSkin(testing_support::WithDefinitionValue(data->PackedSkin(), "ButtonFace", ""));
  ASSERT_FALSE(own->PackedSkin().empty());
  ASSERT_TRUE(own->LoadSkin());
  ASSERT_FALSE(own->ColorGiven[scButtonFace]) << "the variant gives no face colour";
  dialogSkin = TComponent::Make<TWinSkinForm>();
  // Skinned as the manager skins a dialog: the frame object takes the window, then activates.
  dialogSkin->BindWindow(dialog.get(), "#32770", nullptr, own.get());
  dialogSkin->Activate(own.get());
  SendMessageW(dialog.get(), SKM_ACTIVATE, 0, kActivateMessageParam);
  RedrawWindow(dialog.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump(100);
  RECT client{};
  GetClientRect(dialog.get(), &client);
  const POINT inside{client.right - 20, client.bottom - 20};
  const COLORREF systemFace = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(testing_support::window_pixel(dialog.get(), inside.x, inside.y), systemFace);

  const INT element = COLOR_BTNFACE;
  const COLORREF green = RGB(30, 140, 60);
  auto change = [&](COLORREF colour) {
    ASSERT_TRUE(SetSysColors(1, &element, &colour));  // announced to every top-level window
    Pump(200);
  };
  change(green);
  EXPECT_EQ(testing_support::window_pixel(dialog.get(), inside.x, inside.y), green) << "the face follows";
  change(systemFace);
  EXPECT_EQ(testing_support::window_pixel(dialog.get(), inside.x, inside.y), systemFace);
  // The system keeps objects of its own for the colours it was given once; ours are replaced.
  const DWORD gdi = testing_support::gdi_objects();
  change(green);
  change(systemFace);
  EXPECT_EQ(testing_support::gdi_objects(), gdi) << "the old brushes went";
  dialogSkin->Controls().ReleaseControlSkins(false);
  dialogSkin.reset();
}

}  // namespace
}  // namespace quarnel::tabtest
