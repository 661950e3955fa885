// The program's main window in the test's process: its skin data starts the manager while the
// description is read, the window is skinned at its first activation and not before, keeps its
// client size inside the skin's frame; screenshots active, inactive and minimised, and of the
// program's error box with its widened title.
#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "framework/core/error.h"
#include "framework/ui/application.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/frame/main_form_fixture.h"
#include "tests/skin/frame/menus/menu_driver.h"
#include "tests/support/window_support.h"

namespace quarnel {
namespace {

using testing_support::flush_events;

// The windows whose frame object finished its activation: SKM_SKINNED is its last step.
testing_support::SentMessageLog* skinnedWindows = nullptr;

class MainWindowSkinTest : public MainFormFixture<> {
 protected:
  MainWindowSkinTest() { skinnedWindows = &skinned; }
  ~MainWindowSkinTest() override { skinnedWindows = nullptr; }
  TWinSkinForm* WaitSkinned() {
    testing_support::wait_until([&] {
      return Skin() && Skin()->View().Facts().SkinState == fsActive && skinned.count(form->RawHandle()) > 0;
    });
    flush_events(50);
    return Skin();
  }
  int FrameTop() const {
    const TDataSkinBorder& top = *form->SkinData1->FrameTop;
    return top.Image.Height() / (top.FrameCount > 0 ? top.FrameCount : 1);
  }
  testing_support::SentMessageLog skinned{SKM_SKINNED};
};

TEST_F(MainWindowSkinTest, SkinnedAtFirstActivationKeepingItsClientSize) {
  TSkinManage* manager = TSkinManage::Instance();
  ASSERT_NE(manager, nullptr);  // made by SkinData1 while the description was read
  EXPECT_TRUE(manager->Hook().Installed());
  EXPECT_TRUE(manager->Running());
  EXPECT_EQ(manager->SkinningCount(), 0);
  EXPECT_FALSE(manager->Actions().TimerEnabled());
  HWND window = form->Handle();
  flush_events(50);
  EXPECT_EQ(Skin(), nullptr);  // made, not yet shown

  form->Show();
  TWinSkinForm* skin = WaitSkinned();
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Form(), form);
  EXPECT_EQ(skin->View().Skin(), form->SkinData1);
  EXPECT_EQ(skin->View().Facts().BorderKind, bkSingle);
  EXPECT_EQ(skin->View().Metrics().MenuBarHeight, 0);
  EXPECT_EQ(SendMessageW(window, SKM_PING, 0, SkinMessageTag), SkinMessageTag);
  EXPECT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  EXPECT_EQ(client.right, 347);
  EXPECT_EQ(client.bottom, 181);
  EXPECT_EQ(outer.bottom - outer.top, 181 + skin->View().Metrics().CaptionHeight + skin->View().Metrics().BorderBottom);
  EXPECT_EQ(skin->View().Metrics().CaptionHeight, FrameTop());
  // The buttons and the memo are still where the description put them, in the client area.
  RECT button{};
  GetWindowRect(form->Button1->Handle(), &button);
  EXPECT_GE(button.top, outer.top + skin->View().Metrics().CaptionHeight);
}

TEST_F(MainWindowSkinTest, ScreenshotsActiveInactiveMinimised) {
  form->Show();
  HWND window = form->Handle();
  ASSERT_NE(WaitSkinned(), nullptr);
  RedrawWindow(window, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const auto active = testing_support::capture_window(window);
  EXPECT_TRUE(testing_support::save_bmp(active, "main_window_skinned_active.bmp"));

  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);  // repaints the frame before it returns
  EXPECT_FALSE(Skin()->View().Show().Active);
  const auto inactive = testing_support::capture_window(window);
  EXPECT_TRUE(testing_support::save_bmp(inactive, "main_window_skinned_inactive.bmp"));
  // The caption is drawn from the other frame of the skin when the window is inactive.
  int differing = 0;
  for (int x = 0; x < active.width; ++x)
    if (active.at(x, FrameTop() / 2) != inactive.at(x, FrameTop() / 2)) ++differing;
  EXPECT_GT(differing, 0);
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);

  ShowWindow(window, SW_MINIMIZE);
  EXPECT_TRUE(
      testing_support::wait_until([&] { return Skin()->View().Show().State == wssMinimized; }));
  EXPECT_TRUE(testing_support::save_bmp(testing_support::capture_window(window),
                                        "main_window_skinned_minimised.bmp"));
  ShowWindow(window, SW_RESTORE);
  RECT client{};
  EXPECT_TRUE(testing_support::wait_until([&] {
    GetClientRect(window, &client);
    return Skin()->View().Show().State == wssNormal && client.right == 347;
  })) << client.right;
}

// Alt+Space shows the skinned window menu; its popup window is the skin's too (the program's
// options leave the window menu out): it answers the skin's query and its border comes from
// the skin's menu background.
TEST_F(MainWindowSkinTest, WindowMenuFromAltSpaceIsASkinnedPopup) {
  form->Show();
  HWND window = form->Handle();
  SetForegroundWindow(window);
  ASSERT_NE(WaitSkinned(), nullptr);
  TSkinData& data = *form->SkinData1;
  ASSERT_FALSE(data.SkinControls() & Bit(xcSystemMenu));
  ASSERT_TRUE(data.MenuBackground && !data.MenuBackground->Image.Empty());
  auto key = [](WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
  };
  LRESULT answer = 0;
  bool listed = false;
  int ticks = 0, same = 0;
  bool done = false;
  const bool seen = quarnel::testing::MenuDriver::Run(
      [&] {
        key(VK_MENU, true);
        key(VK_SPACE, true);
        key(VK_SPACE, false);
        key(VK_MENU, false);
        testing_support::wait_until([&] { return done; }, 3000);
      },
      [&](HWND popup) {
        if (++ticks < 6) return false;  // until it has painted itself
        answer = SendMessageW(popup, SKM_QUERYSKINNED, 0, 0);
        listed = TSkinManage::Instance()->Popups().IsSkinned(popup);
        const testing_support::Capture shot = testing_support::capture_window(popup);
        testing_support::save_bmp(shot, "main_window_window_menu.bmp");
        TBitmap& image = data.MenuBackground->Image;
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < 3; ++x) same += shot.at(x, y) == image.PixelAt(x, y);
        return done = true;
      });
  ASSERT_TRUE(seen);
  EXPECT_EQ(answer, 1);
  EXPECT_TRUE(listed);
  EXPECT_EQ(same, 9);
}

// The error box is watched from inside its own loop by a thread timer.
HWND errorBox = nullptr;
bool errorBoxSkinned = false;
int errorBoxWidth = 0;
int watchTicks = 0;

void CALLBACK WatchErrorBox(HWND, UINT, UINT_PTR id, DWORD) {
  if (++watchTicks > 100) {
    KillTimer(nullptr, id);
    if (errorBox) PostMessageW(errorBox, WM_COMMAND, IDOK, 0);
    return;
  }
  if (!errorBox) errorBox = FindWindowW(L"#32770", L"Quarnel Ver:1.0");
  if (!errorBox) return;
  TWinSkinForm* skin = TSkinManage::Instance()->FormSkins().Find(errorBox);
  if (!skin || skin->View().Facts().SkinState != fsActive || !skinnedWindows ||
      skinnedWindows->count(errorBox) == 0 || watchTicks < 6)
    return;
  errorBoxSkinned = true;
  RECT r{};
  GetWindowRect(errorBox, &r);
  errorBoxWidth = r.right - r.left;
  testing_support::save_bmp(testing_support::capture_window(errorBox), "main_window_error_box.bmp");
  KillTimer(nullptr, id);
  PostMessageW(errorBox, WM_COMMAND, IDOK, 0);
}

TEST_F(MainWindowSkinTest, ErrorBoxIsSkinned) {
  form->Show();
  ASSERT_NE(WaitSkinned(), nullptr);
  Application()->OnShowError = nullptr;
  SetTimer(nullptr, 0, 50, &WatchErrorBox);
  Application()->HandleException(std::make_exception_ptr(Exception("x")));
  ASSERT_TRUE(errorBox != nullptr);
  EXPECT_TRUE(errorBoxSkinned);
  // The title fits: the box is at least as wide as the skin's title needs for it.
  TSkinData& data = *form->SkinData1;
  EXPECT_GE(errorBoxWidth, data.Title->TextShift() + testing_support::caption_text_width(L"Quarnel Ver:1.0") +
                               data.Title->TextRightClip());
}

}  // namespace
}  // namespace quarnel
