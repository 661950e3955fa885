// An MDI frame with a maximised child: the frame's object knows its client window and takes
// over its procedure, the child is skinned at creation, the maximised-child mode is on, the
// maximised child keeps the system's rectangle and no region; restoring it gives it the skin.
#include "form_skin_test_support.h"
#include "skin/data/skin_messages.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

class FormSkinMDITest : public FormSkinTest {
 protected:
  TForm* NewMDIFrame() {
    TForm* frame = NewForm(bsSizeable, 500, 360, "MDI frame");
    frame->SetFormStyle(fsMDIForm);
    return frame;
  }
  TForm* NewMDIChild(int windowState) {
    TForm* child = NewForm(bsSizeable, 200, 120, "MDI child");
    child->SetFormStyle(fsMDIChild);
    child->SetWindowState(windowState);
    return child;
  }
};

TEST_F(FormSkinMDITest, FrameWithMaximisedChild) {
  TForm* frame = NewMDIFrame();
  frame->Show();
  HWND frameWindow = frame->Handle();
  HWND client = frame->ClientHandle();
  ASSERT_TRUE(client);
  TWinSkinForm* frameSkin = WaitSkinned(frameWindow);
  ASSERT_NE(frameSkin, nullptr);
  EXPECT_EQ(frameSkin->View().Facts().FormKind, fkMDIFrame);
  EXPECT_EQ(manager->MDIClientWindow(), client);
  const auto clientProc = GetWindowLongPtrW(client, GWLP_WNDPROC);

  TForm* child = NewMDIChild(wsMaximized);
  child->Show();
  HWND childWindow = child->Handle();
  ASSERT_TRUE(IsChild(client, childWindow));
  EXPECT_TRUE(GetWindowLongPtrW(childWindow, GWL_EXSTYLE) & WS_EX_MDICHILD);
  TWinSkinForm* childSkin = WaitSkinned(childWindow);
  ASSERT_NE(childSkin, nullptr);
  EXPECT_EQ(childSkin->View().Form(), child);
  EXPECT_EQ(childSkin->View().Facts().FormKind, fkMDIChild);
  EXPECT_TRUE(IsZoomed(childWindow));
  EXPECT_EQ(childSkin->View().Show().State, wssMaximized);
  EXPECT_TRUE(manager->MaximizedChildMode());
  EXPECT_EQ(SendMessageW(childWindow, SKM_QUERYSKINNED, 0, 0), 1);
  // The maximised child is not cut and keeps the system's rectangle: its client fills the
  // MDI client (the system's maximised child has its frame outside the client window).
  const RECT maximisedCut = WindowRegionBox(childWindow);
  EXPECT_TRUE(IsRectEmpty(&maximisedCut));
  RECT childClient{}, mdiClient{};
  GetClientRect(childWindow, &childClient);
  GetClientRect(client, &mdiClient);
  EXPECT_EQ(childClient.right, mdiClient.right);
  EXPECT_EQ(childClient.bottom, mdiClient.bottom);
  // The MDI client's own scroll bars are off while the frame is skinned.
  EXPECT_FALSE(GetWindowLongPtrW(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(GetWindowLongPtrW(client, GWLP_WNDPROC), clientProc);

  testing_support::save_bmp(testing_support::capture_window(frameWindow),
                            ShotPath("form_skin_mdi_maximised"));

  // Restored, the child gets the skin's frame and region, and the mode goes off.
  SendMessageW(childWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
  flush_events(100);
  EXPECT_FALSE(IsZoomed(childWindow));
  EXPECT_EQ(childSkin->View().Show().State, wssNormal);
  EXPECT_FALSE(manager->MaximizedChildMode());
  const RECT restoredCut = WindowRegionBox(childWindow);
  EXPECT_FALSE(IsRectEmpty(&restoredCut));
  EXPECT_EQ(ClientOrigin(childWindow).x, SkinLeft());
  EXPECT_EQ(ClientOrigin(childWindow).y,
            childSkin->View().Metrics().CaptionHeight + childSkin->View().Metrics().MenuBarHeight);
  testing_support::save_bmp(testing_support::capture_window(frameWindow), ShotPath("form_skin_mdi_restored"));
}

TEST_F(FormSkinMDITest, NormalChildIsFittedAndDestroyingItLeavesTheFrameSkinned) {
  TForm* frame = NewMDIFrame();
  frame->Show();
  ASSERT_NE(WaitSkinned(frame->Handle()), nullptr);
  TForm* child = NewMDIChild(wsNormal);
  HWND childWindow = child->Handle();
  // An MDI child gets its frame object as soon as its window exists (child windows are never
  // activated as top-level windows are).
  ASSERT_NE(SkinOf(childWindow), nullptr);
  child->Show();
  TWinSkinForm* childSkin = WaitSkinned(childWindow);
  ASSERT_NE(childSkin, nullptr);
  EXPECT_EQ(childSkin->View().Show().State, wssNormal);
  EXPECT_FALSE(manager->MaximizedChildMode());
  EXPECT_EQ(ClientOrigin(childWindow).x, SkinLeft());
  EXPECT_EQ(ClientRectOf(childWindow).right, 200);

  child->DestroyHandle();
  flush_events(50);
  EXPECT_FALSE(IsWindow(childWindow));
  manager->FormSkins().Purge();
  EXPECT_EQ(SkinOf(childWindow), nullptr);
  ASSERT_NE(SkinOf(frame->Handle()), nullptr);
  EXPECT_EQ(SendMessageW(frame->Handle(), SKM_PING, 0, SkinMessageTag), SkinMessageTag);
}

}  // namespace
}  // namespace quarnel::testing
