// Caption buttons of forms skinned by the skin manager at their first activation, driven with
// real mouse input through the system: minimise, the window menu on a right click and on the
// icon, the caption hint, and the frame object's painting after activation.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "form_skin_test_support.h"
#include "framework/ui/menu.h"
#include "skin/frame/nc_object.h"
#include "tests/skin/frame/caption_pixels.h"

namespace quarnel::testing {
namespace {

class CaptionFormTest : public FormSkinTest {
 protected:
  // Shows the form, waits until its frame is skinned and brings it to the front; the frame
  // object, or null when the form was not skinned.
  TWinSkinForm* ShowInFront(TForm* form) {
    form->Show();
    TWinSkinForm* frame = WaitSkinned(form->Handle());
    SetForegroundWindow(form->Handle());
    testing_support::flush_events(50);
    return frame;
  }
  // The caption button of the skin's record `name` as the window shows it now.
  ShownButton Button(HWND window, const std::string& name) { return FindShownButton(window, *data, name); }
  POINT ScreenCentre(HWND window, const RECT& frameRect) {
    const RECT w = WindowRectOf(window);
    return {w.left + (frameRect.left + frameRect.right) / 2, w.top + (frameRect.top + frameRect.bottom) / 2};
  }
  void Click(POINT at, DWORD down, DWORD up) {
    SetCursorPos(at.x, at.y);
    testing_support::flush_events(30);
    mouse_event(down, 0, 0, 0, 0);
    testing_support::flush_events(30);
    mouse_event(up, 0, 0, 0, 0);
    testing_support::flush_events(60);
  }
};

// Counts the open menus it sees from another thread and closes each with Escape, pressed
// again while the menu stays up so that a lost key cannot leave the test waiting for ever.
class MenuWatcher {
 public:
  MenuWatcher()
      : thread_([this] {
          bool open = false;
          while (!stop_) {
            HWND menu = FindWindowW(L"#32768", nullptr);
            const bool visible = menu && IsWindowVisible(menu);
            if (visible && !open) ++shown;
            if (visible) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            open = visible;
            Sleep(30);
          }
        }) {}
  ~MenuWatcher() {
    stop_ = true;
    thread_.join();
  }
  std::atomic<int> shown{0};

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST_F(CaptionFormTest, SkinnedFormShowsItsButtonsAndARealClickMinimisesIt) {
  TWinSkinForm* frame = ShowInFront(NewForm(bsSizeable, 320, 200));
  ASSERT_NE(frame, nullptr);
  HWND window = frame->View().Window();
  for (const char* name : {"BUTTON.CLOSE", "BUTTON.MAXIMIZE", "BUTTON.MINIMIZE"})
    EXPECT_TRUE(Button(window, name).Drawn()) << name;
  EXPECT_FALSE(Button(window, "BUTTON.RESTORE").Drawn());
  const RECT icon = CaptionIconBox(window, Application()->Handle());
  EXPECT_FALSE(IsRectEmpty(&icon));
  const RECT w = WindowRectOf(window);
  EXPECT_EQ(Button(window, "BUTTON.CLOSE").rect.left, (w.right - w.left) - 25);

  const ShownButton minimise = Button(window, "BUTTON.MINIMIZE");
  ASSERT_TRUE(minimise.Drawn());
  Click(ScreenCentre(window, minimise.rect), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(testing_support::wait_until([&] { return IsIconic(window) != FALSE; }, 2000));
  EXPECT_EQ(frame->View().Show().State, wssMinimized);
}

TEST_F(CaptionFormTest, RealRightClickOnTheCaptionOpensTheWindowMenu) {
  TWinSkinForm* frame = ShowInFront(NewForm(bsSizeable, 320, 200));
  ASSERT_NE(frame, nullptr);
  HWND window = frame->View().Window();
  const RECT w = WindowRectOf(window);
  MenuWatcher watcher;
  Click({w.left + (w.right - w.left) / 2, w.top + 15}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(testing_support::wait_until([&] { return watcher.shown.load() > 0; }, 2000));
  EXPECT_EQ(watcher.shown.load(), 1);
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(CaptionFormTest, LeftClickOnTheIconOpensTheWindowMenu) {
  TWinSkinForm* frame = ShowInFront(NewForm(bsSizeable, 320, 200));
  ASSERT_NE(frame, nullptr);
  HWND window = frame->View().Window();
  const RECT icon = CaptionIconBox(window, Application()->Handle());
  ASSERT_FALSE(IsRectEmpty(&icon));
  MenuWatcher watcher;
  Click(ScreenCentre(window, icon), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(testing_support::wait_until([&] { return watcher.shown.load() > 0; }, 2000));
  EXPECT_EQ(watcher.shown.load(), 1);
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(CaptionFormTest, HoverTimerShowsTheHintOfTheButtonUnderThePointer) {
  TWinSkinForm* frame = ShowInFront(NewForm(bsSizeable, 320, 200));
  ASSERT_NE(frame, nullptr);
  HWND window = frame->View().Window();
  const ShownButton maximise = Button(window, "BUTTON.MAXIMIZE");
  ASSERT_TRUE(maximise.Drawn());
  const POINT at = ScreenCentre(window, maximise.rect);
  SetCursorPos(at.x, at.y);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(at.x, at.y));
  // The frame's own 250 ms timer drives it: shown after twice the 500 ms hint pause.
  EXPECT_TRUE(testing_support::wait_until([&] { return data->HintShowing(); }, 3000));
  EXPECT_EQ(data->HintWindow().Text(), L"Maximize");
  SetCursorPos(at.x - 250, at.y + 200);
  // The pointer left: the hint goes and the button is drawn normal again.
  EXPECT_TRUE(testing_support::wait_until(
      [&] {
        return !data->HintShowing() && DrawnFrame(testing_support::capture_window(window), *maximise.record,
                                                  maximise.rect) == ncsNormal;
      },
      2000));
}

}  // namespace
}  // namespace quarnel::testing
