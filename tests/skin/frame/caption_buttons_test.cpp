// Caption buttons of the built-in skin on real windows: which are shown for which window, where
// they go after maximising, their frames active and inactive, what pressing and releasing do,
// and the hint shown after the pointer rests on one.
#include <gtest/gtest.h>

#include "frame_test_support.h"

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

// Pixels of a button's rectangle equal to frame `frame` of its image, outside its magenta.
int ButtonPixelsMatch(const Capture& shot, const TWinSysButton& b, int frame) {
  TBitmap& image = b.Skin()->Image;
  const int fw = image.Width() / b.Skin()->FrameCount;
  int compared = 0, mismatches = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < fw; ++x) {
      const COLORREF expected = image.PixelAt((frame - 1) * fw + x, y);
      if (expected == kMagenta) continue;
      ++compared;
      mismatches += shot.at(b.Rect().left + x, b.Rect().top + y) != expected;
    }
  return compared > 0 && mismatches == 0 ? compared : -mismatches;
}

void Press(SkinnedWindow& w, const TWinSysButton& b) {
  SendMessageW(w.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, w.ScreenParam(Centre(b.Rect())));
}
void Release(SkinnedWindow& w, POINT framePoint) {
  SendMessageW(w.hwnd(), WM_NCLBUTTONUP, HTCAPTION, w.ScreenParam(framePoint));
  testing_support::flush_events(50);
}

TEST_F(CaptionButtonsTest, NormalWindowShowsCloseMaximiseMinimiseAndIcon) {
  SkinnedWindow w(*skin, L"Buttons");
  EXPECT_TRUE(w.Button("BUTTON.CLOSE")->Visible());
  EXPECT_TRUE(w.Button("BUTTON.MAXIMIZE")->Visible());
  EXPECT_TRUE(w.Button("BUTTON.MINIMIZE")->Visible());
  EXPECT_TRUE(w.Button("BUTTON.ICON")->Visible());
  EXPECT_FALSE(w.Button("BUTTON.RESTORE")->Visible());
  const Capture shot = w.Shot();
  const int W = shot.width;
  EXPECT_EQ(w.Button("BUTTON.CLOSE")->Rect().left, W - 25);
  EXPECT_EQ(w.Button("BUTTON.MAXIMIZE")->Rect().left, W - 49);
  EXPECT_EQ(w.Button("BUTTON.MINIMIZE")->Rect().left, W - 73);
  EXPECT_EQ(w.Button("BUTTON.ICON")->Rect().left, 8);
  EXPECT_EQ(w.Button("BUTTON.ICON")->Rect().top, 7);
  for (const char* name : {"BUTTON.CLOSE", "BUTTON.MAXIMIZE", "BUTTON.MINIMIZE"})
    EXPECT_GT(ButtonPixelsMatch(shot, *w.Button(name), 1), 50) << name;
  // The pointer finds them, and nothing between them and the title.
  const TWinSysButton& close = *w.Button("BUTTON.CLOSE");
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.Rect())));
  EXPECT_EQ(close.State(), ncsHot);
  EXPECT_EQ(w.frame().Caption().Hot(), &close);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam({W / 2, 15}));
  EXPECT_EQ(close.State(), ncsNormal);
  EXPECT_EQ(w.frame().Caption().Hot(), nullptr);
}

TEST_F(CaptionButtonsTest, MaximisingPutsRestoreWhereMaximiseWas) {
  SkinnedWindow w(*skin, L"Maximise");
  const TWinSysButton& maximise = *w.Button("BUTTON.MAXIMIZE");
  const int fromRight = w.Shot().width - maximise.Rect().left;
  Press(w, maximise);
  EXPECT_EQ(maximise.State(), 2);
  Release(w, Centre(maximise.Rect()));
  ASSERT_TRUE(testing_support::wait_until([&] { return IsZoomed(w.hwnd()) != FALSE; }, 2000));
  EXPECT_EQ(w.frame().View().Show().State, wssMaximized);
  w.Repaint();
  const TWinSysButton& restore = *w.Button("BUTTON.RESTORE");
  EXPECT_TRUE(restore.Visible());
  EXPECT_FALSE(maximise.Visible());
  const Capture shot = w.Shot();
  EXPECT_EQ(shot.width - restore.Rect().left, fromRight);
  EXPECT_EQ(restore.Rect().top, 5);
  EXPECT_GT(ButtonPixelsMatch(shot, restore, 1), 50);
  // Clicking restore gives the normal window back.
  Press(w, restore);
  Release(w, Centre(restore.Rect()));
  ASSERT_TRUE(testing_support::wait_until([&] { return !IsZoomed(w.hwnd()); }, 2000));
  EXPECT_EQ(w.frame().View().Show().State, wssNormal);
}

TEST_F(CaptionButtonsTest, DialogHasNoIconButton) {
  SkinnedWindow w(*skin, L"Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
  ASSERT_EQ(w.frame().View().Facts().BorderKind, bkDialog);
  EXPECT_FALSE(w.Button("BUTTON.ICON")->Visible());
  EXPECT_TRUE(w.Button("BUTTON.CLOSE")->Visible());
  // No minimise or maximise box: both are hidden.
  EXPECT_FALSE(w.Button("BUTTON.MINIMIZE")->Visible());
}

TEST_F(CaptionButtonsTest, WindowWithoutWindowMenuHasNoCloseButton) {
  SkinnedWindow w(*skin, L"No menu",
                  WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  EXPECT_FALSE(w.frame().View().Facts().BorderIcons & kbiSystemMenu);
  EXPECT_FALSE(w.Button("BUTTON.CLOSE")->Visible());
  // Maximise stays in view but cannot be clicked without the window menu.
  EXPECT_TRUE(w.Button("BUTTON.MAXIMIZE")->Visible());
  EXPECT_FALSE(w.Button("BUTTON.MAXIMIZE")->Enabled());
}

TEST_F(CaptionButtonsTest, PressAndReleaseOutsideDoesNothing) {
  SkinnedWindow w(*skin, L"Outside");
  MessageSpy spy(w.hwnd());
  const TWinSysButton& close = *w.Button("BUTTON.CLOSE");
  Press(w, close);
  EXPECT_EQ(w.frame().Caption().Hot(), &close);
  EXPECT_EQ(close.State(), ncsPressed);
  Release(w, {w.Shot().width / 2, 15});  // the middle of the caption: no button
  EXPECT_TRUE(IsWindow(w.hwnd()));
  EXPECT_EQ(spy.count(WM_SYSCOMMAND), 0);
  EXPECT_EQ(spy.count(WM_CLOSE), 0);
}

TEST_F(CaptionButtonsTest, ReleaseOverAnotherButtonDoesNothingReleaseOverItActs) {
  SkinnedWindow w(*skin, L"Another");
  const TWinSysButton& close = *w.Button("BUTTON.CLOSE");
  const TWinSysButton& minimise = *w.Button("BUTTON.MINIMIZE");
  {
    MessageSpy spy(w.hwnd());
    Press(w, close);
    SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(minimise.Rect())));
    Release(w, Centre(minimise.Rect()));
    EXPECT_TRUE(IsWindow(w.hwnd()));
    EXPECT_FALSE(IsIconic(w.hwnd()));
    EXPECT_EQ(spy.count(WM_SYSCOMMAND), 0);
  }
  // The same press and release on one button performs its action.
  Press(w, minimise);
  Release(w, Centre(minimise.Rect()));
  EXPECT_TRUE(testing_support::wait_until([&] { return IsIconic(w.hwnd()) != FALSE; }, 2000));
  EXPECT_EQ(w.frame().View().Show().State, wssMinimized);
}

TEST_F(CaptionButtonsTest, CloseButtonClosesTheWindow) {
  SkinnedWindow w(*skin, L"Close");
  const TWinSysButton& close = *w.Button("BUTTON.CLOSE");
  Press(w, close);
  Release(w, Centre(close.Rect()));
  EXPECT_TRUE(testing_support::wait_until([&] { return !IsWindow(w.hwnd()); }, 2000));
}

TEST_F(CaptionButtonsTest, InactiveWindowDrawsFrameFourAndIgnoresPointerMoves) {
  SkinnedWindow w(*skin, L"Inactive");
  const TWinSysButton& close = *w.Button("BUTTON.CLOSE");
  w.Deactivate();
  ASSERT_FALSE(w.frame().View().Show().Active);
  EXPECT_GT(ButtonPixelsMatch(w.Shot(), close, 4), 50);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.Rect())));
  testing_support::flush_events(20);
  EXPECT_EQ(w.frame().Caption().Hot(), nullptr);
  EXPECT_EQ(close.State(), 1);
  EXPECT_GT(ButtonPixelsMatch(w.Shot(), close, 4), 50);
  // Active again: the same move makes it hot and draws frame 3.
  w.Activate();
  EXPECT_GT(ButtonPixelsMatch(w.Shot(), close, 1), 50);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam(Centre(close.Rect())));
  EXPECT_EQ(w.frame().Caption().Hot(), &close);
  EXPECT_EQ(close.State(), 3);
  EXPECT_GT(ButtonPixelsMatch(w.Shot(), close, 3), 50);
  // Leaving for the caption's middle puts it back to normal.
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, w.ScreenParam({w.Shot().width / 2, 15}));
  EXPECT_EQ(w.frame().Caption().Hot(), nullptr);
  EXPECT_EQ(close.State(), 1);
  EXPECT_GT(ButtonPixelsMatch(w.Shot(), close, 1), 50);
}

// The frame's own 250 ms hover timer drives the hint: shown after twice the 500 ms hint pause,
// hidden once the 2500 ms hide pause has passed after that.
TEST_F(CaptionButtonsTest, HintShowsAfterTwiceTheHintPauseAndHidesAfterTheHidePause) {
  SkinnedWindow w(*skin, L"Hints");
  const TWinSysButton& close = *w.Button("BUTTON.CLOSE");
  const POINT centre = w.Screen(Centre(close.Rect()));
  SetCursorPos(centre.x, centre.y);
  SendMessageW(w.hwnd(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(centre.x, centre.y));
  ASSERT_EQ(w.frame().Caption().Hot(), &close);
  const DWORD start = GetTickCount();
  ASSERT_TRUE(testing_support::wait_until([&] { return skin->HintShowing(); }, 3000));
  const DWORD shownAfter = GetTickCount() - start;
  EXPECT_GE(shownAfter, 700u);  // four ticks at the earliest, less a tick's slack
  EXPECT_TRUE(skin->HintWindow().IsVisible());
  EXPECT_EQ(skin->HintWindow().Text(), L"Close");
  ASSERT_TRUE(testing_support::wait_until([&] { return !skin->HintShowing(); }, 6000));
  EXPECT_GE(GetTickCount() - start, 3200u);  // 3500 ms, less a tick's slack
  EXPECT_EQ(close.State(), ncsHot);          // the pointer still rests on it
  // The pointer leaves: the button turns normal and is no longer hot.
  SetCursorPos(centre.x - 200, centre.y + 100);
  EXPECT_TRUE(testing_support::wait_until([&] { return w.frame().Caption().Hot() == nullptr; }, 2000));
  EXPECT_EQ(close.State(), 1);
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
