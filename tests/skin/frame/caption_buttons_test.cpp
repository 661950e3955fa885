// Caption buttons of the built-in skin on real windows: which are shown for which window, where
// they go after maximising, their frames active and inactive, what pressing and releasing do,
// and the hint shown after the pointer rests on one.
#include <gtest/gtest.h>

#include "frame_test_support.h"
#include "framework/ui/application.h"

namespace quarnel::frametest {
namespace {

using testing_support::Capture;
using testing_support::MessageSpy;

class CaptionButtonsTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skin = LoadSkin(BuiltInPackage());
  }
  ComponentPtr<TSkinData> skin;
};

void Press(SkinnedWindow& w, const ShownButton& b) {
  SendMessageW(w.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, w.ScreenParam(Centre(b.rect)));
}
void Release(SkinnedWindow& w, POINT framePoint) {
  SendMessageW(w.hwnd(), WM_NCLBUTTONUP, HTCAPTION, w.ScreenParam(framePoint));
  testing_support::flush_events(50);
}

TEST_F(CaptionButtonsTest, NormalWindowShowsCloseMaximiseMinimiseAndIcon) {
  SkinnedWindow w(*skin, L"Buttons");
  const Capture shot = w.Shot();
  const int W = shot.width;
  const ShownButton close = w.Button("BUTTON.CLOSE");
  EXPECT_EQ(close.frame, 1);
  EXPECT_EQ(close.rect.left, W - 25);
  EXPECT_EQ(w.Button("BUTTON.MAXIMIZE").frame, 1);
  EXPECT_EQ(w.Button("BUTTON.MAXIMIZE").rect.left, W - 49);
  EXPECT_EQ(w.Button("BUTTON.MINIMIZE").frame, 1);
  EXPECT_EQ(w.Button("BUTTON.MINIMIZE").rect.left, W - 73);
  EXPECT_FALSE(w.Button("BUTTON.RESTORE").Drawn());
  // The icon is drawn at the caption's left end.
  const RECT icon = CaptionIconBox(w.hwnd(), Application()->Handle());
  EXPECT_EQ(icon.left, 8);
  EXPECT_EQ(icon.top, 7);
  // The pointer finds them, and nothing between them and the title: over the close button it
  // is drawn hot, over the caption's middle normal again.
  ASSERT_TRUE(close.Drawn());
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.rect)));
  EXPECT_EQ(w.Frame(close), ncsHot);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam({W / 2, 15}));
  EXPECT_EQ(w.Frame(close), ncsNormal);
}

TEST_F(CaptionButtonsTest, MaximisingPutsRestoreWhereMaximiseWas) {
  SkinnedWindow w(*skin, L"Maximise");
  const ShownButton maximise = w.Button("BUTTON.MAXIMIZE");
  ASSERT_TRUE(maximise.Drawn());
  const int fromRight = w.Shot().width - maximise.rect.left;
  Press(w, maximise);
  EXPECT_EQ(w.Frame(maximise), ncsPressed);
  Release(w, Centre(maximise.rect));
  ASSERT_TRUE(testing_support::wait_until([&] { return IsZoomed(w.hwnd()) != FALSE; }, 2000));
  EXPECT_EQ(w.frame().View().Show().State, wssMaximized);
  w.Repaint();
  const ShownButton restore = w.Button("BUTTON.RESTORE");
  EXPECT_EQ(restore.frame, 1);
  EXPECT_FALSE(w.Button("BUTTON.MAXIMIZE").Drawn());
  EXPECT_EQ(w.Shot().width - restore.rect.left, fromRight);
  EXPECT_EQ(restore.rect.top, 5);
  // Clicking restore gives the normal window back.
  Press(w, restore);
  Release(w, Centre(restore.rect));
  ASSERT_TRUE(testing_support::wait_until([&] { return !IsZoomed(w.hwnd()); }, 2000));
  EXPECT_EQ(w.frame().View().Show().State, wssNormal);
}

TEST_F(CaptionButtonsTest, DialogHasNoIconButton) {
  SkinnedWindow w(*skin, L"Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
  ASSERT_EQ(w.frame().View().Facts().BorderKind, bkDialog);
  const RECT icon = CaptionIconBox(w.hwnd(), Application()->Handle());
  EXPECT_TRUE(IsRectEmpty(&icon));
  EXPECT_TRUE(w.Button("BUTTON.CLOSE").Drawn());
  // No minimise or maximise box: both are hidden.
  EXPECT_FALSE(w.Button("BUTTON.MINIMIZE").Drawn());
  EXPECT_FALSE(w.Button("BUTTON.MAXIMIZE").Drawn());
}

TEST_F(CaptionButtonsTest, WindowWithoutWindowMenuHasNoCloseButton) {
  SkinnedWindow w(*skin, L"No menu",
                  WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  EXPECT_FALSE(w.frame().View().Facts().BorderIcons & kbiSystemMenu);
  EXPECT_FALSE(w.Button("BUTTON.CLOSE").Drawn());
  // Maximise stays in view but cannot be clicked without the window menu: it is drawn in its
  // disabled frame, the pointer does not make it hot, and a click does not maximise.
  const ShownButton maximise = w.Button("BUTTON.MAXIMIZE");
  EXPECT_EQ(maximise.frame, ncsDisabled);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(maximise.rect)));
  EXPECT_EQ(w.Frame(maximise), ncsDisabled);
  Press(w, maximise);
  Release(w, Centre(maximise.rect));
  EXPECT_FALSE(IsZoomed(w.hwnd()));
}

TEST_F(CaptionButtonsTest, PressAndReleaseOutsideDoesNothing) {
  SkinnedWindow w(*skin, L"Outside");
  MessageSpy spy(w.hwnd());
  const ShownButton close = w.Button("BUTTON.CLOSE");
  ASSERT_TRUE(close.Drawn());
  Press(w, close);
  EXPECT_EQ(w.Frame(close), ncsPressed);
  Release(w, {w.Shot().width / 2, 15});  // the middle of the caption: no button
  EXPECT_TRUE(IsWindow(w.hwnd()));
  EXPECT_EQ(spy.count(WM_SYSCOMMAND), 0);
  EXPECT_EQ(spy.count(WM_CLOSE), 0);
}

TEST_F(CaptionButtonsTest, ReleaseOverAnotherButtonDoesNothingReleaseOverItActs) {
  SkinnedWindow w(*skin, L"Another");
  const ShownButton close = w.Button("BUTTON.CLOSE");
  const ShownButton minimise = w.Button("BUTTON.MINIMIZE");
  ASSERT_TRUE(close.Drawn() && minimise.Drawn());
  {
    MessageSpy spy(w.hwnd());
    Press(w, close);
    SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(minimise.rect)));
    Release(w, Centre(minimise.rect));
    EXPECT_TRUE(IsWindow(w.hwnd()));
    EXPECT_FALSE(IsIconic(w.hwnd()));
    EXPECT_EQ(spy.count(WM_SYSCOMMAND), 0);
  }
  // The same press and release on one button performs its action.
  Press(w, minimise);
  Release(w, Centre(minimise.rect));
  EXPECT_TRUE(testing_support::wait_until([&] { return IsIconic(w.hwnd()) != FALSE; }, 2000));
  EXPECT_EQ(w.frame().View().Show().State, wssMinimized);
}

TEST_F(CaptionButtonsTest, CloseButtonClosesTheWindow) {
  SkinnedWindow w(*skin, L"Close");
  const ShownButton close = w.Button("BUTTON.CLOSE");
  ASSERT_TRUE(close.Drawn());
  Press(w, close);
  Release(w, Centre(close.rect));
  EXPECT_TRUE(testing_support::wait_until([&] { return !IsWindow(w.hwnd()); }, 2000));
}

TEST_F(CaptionButtonsTest, InactiveWindowDrawsFrameFourAndIgnoresPointerMoves) {
  SkinnedWindow w(*skin, L"Inactive");
  const ShownButton close = w.Button("BUTTON.CLOSE");
  ASSERT_TRUE(close.Drawn());
  w.Deactivate();
  ASSERT_FALSE(w.frame().View().Show().Active);
  EXPECT_EQ(w.Frame(close), 4);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.rect)));
  testing_support::flush_events(20);
  EXPECT_EQ(w.Frame(close), 4);
  // Active again: the same move makes it hot and draws frame 3.
  w.Activate();
  EXPECT_EQ(w.Frame(close), 1);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.rect)));
  EXPECT_EQ(w.Frame(close), ncsHot);
  // Leaving for the caption's middle puts it back to normal.
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
  EXPECT_EQ(w.Frame(close), ncsNormal);
}

// The frame's own 250 ms hover timer drives the hint: shown after twice the 500 ms hint pause,
// hidden once the 2500 ms hide pause has passed after that.
TEST_F(CaptionButtonsTest, HintShowsAfterTwiceTheHintPauseAndHidesAfterTheHidePause) {
  SkinnedWindow w(*skin, L"Hints");
  const ShownButton close = w.Button("BUTTON.CLOSE");
  ASSERT_TRUE(close.Drawn());
  const POINT centre = w.Screen(Centre(close.rect));
  SetCursorPos(centre.x, centre.y);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(centre.x, centre.y));
  ASSERT_EQ(w.Frame(close), ncsHot);
  const DWORD start = GetTickCount();
  ASSERT_TRUE(testing_support::wait_until([&] { return skin->HintShowing(); }, 3000));
  const DWORD shownAfter = GetTickCount() - start;
  EXPECT_GE(shownAfter, 700u);  // four ticks at the earliest, less a tick's slack
  EXPECT_TRUE(skin->HintWindow().IsVisible());
  EXPECT_EQ(skin->HintWindow().Text(), L"Close");
  ASSERT_TRUE(testing_support::wait_until([&] { return !skin->HintShowing(); }, 6000));
  EXPECT_GE(GetTickCount() - start, 3200u);  // 3500 ms, less a tick's slack
  EXPECT_EQ(w.Frame(close), ncsHot);         // the pointer still rests on it
  // The pointer leaves, with no move message of the window's own: the hover timer turns the
  // button normal.
  SetCursorPos(centre.x - 200, centre.y + 100);
  EXPECT_TRUE(testing_support::wait_until([&] { return w.Frame(close) == ncsNormal; }, 2000));
  // Back on it, the count starts again: no hint before twice the pause.
  SetCursorPos(centre.x, centre.y);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(centre.x, centre.y));
  testing_support::flush_events(400);
  EXPECT_FALSE(skin->HintShowing());
}

TEST_F(CaptionButtonsTest, DoubleClickOnCaptionMaximisesAndRestores) {
  SkinnedWindow w(*skin, L"Double");
  const LPARAM middle = w.ScreenParam({w.Shot().width / 2, 15});
  SendMessageW(w.hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, middle);
  ASSERT_TRUE(testing_support::wait_until([&] { return IsZoomed(w.hwnd()) != FALSE; }, 2000));
  SendMessageW(w.hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
  EXPECT_TRUE(testing_support::wait_until([&] { return !IsZoomed(w.hwnd()); }, 2000));
}

}  // namespace
}  // namespace quarnel::frametest
