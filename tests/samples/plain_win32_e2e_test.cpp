// The plain Win32 sample as its own process, driven from outside: its frame, tool bar, list,
// menu bar and a drop-down, the dialog of standard controls, the message box and the open-file
// dialog answer as skinned; switching skins changes the frame's pixels; skinning off gives back
// the pixels of the unskinned window exactly. Screenshots of it in each look are written for
// the documentation.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "samples/plain-win32/resource.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"

namespace {

using namespace testing_support;

void PressKey(WORD key, bool alt = false) {
  if (alt) key_event(VK_MENU, true);
  key_event(key, true);
  key_event(key, false);
  if (alt) key_event(VK_MENU, false);
  Sleep(150);
}

struct Sample {
  ProgramProcess program;
  HWND window = nullptr, status = nullptr;

  bool Start(const std::wstring& arguments = L"") {
    if (!program.Start(PLAIN_WIN32_EXE, arguments)) return false;
    return wait_for([&] {
      window = FindWindowW(L"" PLAIN_SAMPLE_CLASS, L"" PLAIN_SAMPLE_TITLE);
      status = window ? GetDlgItem(window, IDC_MAIN_STATUS) : nullptr;
      return status && IsWindowVisible(window);
    });
  }
  void Command(WORD id) const { PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  bool StatusIs(const std::wstring& text) const {
    return wait_for([&] { return window_text(status) == text; });
  }
  Capture Picture() const {
    RECT r{};
    GetWindowRect(window, &r);
    return capture_screen_rect(r);
  }
  // A dialog of the sample's, found by its caption once it shows.
  HWND Dialog(const wchar_t* caption) const {
    HWND found = nullptr;
    wait_for([&] { return (found = find_dialog(program.Id(), caption)) != nullptr; });
    return found;
  }
  void Save(const Capture& picture, const char* name) const {
    save_bmp(picture, std::string(QUARNEL_SHOTS) + "/plain-win32-" + name + ".bmp");
  }
};

// The window the command opens is skinned; cancelled, it goes.
void ExpectSkinnedAndClose(const Sample& sample, WORD command, const wchar_t* caption) {
  sample.Command(command);
  HWND opened = sample.Dialog(caption);
  ASSERT_TRUE(opened) << "no window \"" << std::string(caption, caption + wcslen(caption)) << "\"";
  EXPECT_TRUE(wait_for([&] { return answers_skinned(opened); }));
  PostMessageW(opened, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wait_for([&] { return !IsWindow(opened); }));
}

// Pictures compare once the window has been painted and nothing moves.
Capture Settled(const Sample& sample) {
  Sleep(400);
  return sample.Picture();
}

TEST(PlainWin32SampleTest, EveryWindowOfTheSampleIsSkinnedAndSwitchesSkin) {
  Sample sample;
  ASSERT_TRUE(sample.Start());
  ASSERT_TRUE(sample.StatusIs(L"Skin: Longhorn Blue"));
  ASSERT_TRUE(wait_for([&] { return answers_skinned(sample.window); }));
  for (int id : {IDC_MAIN_TOOLBAR, IDC_MAIN_LIST, IDC_MAIN_EDIT})
    EXPECT_TRUE(wait_for([&] { return answers_skinned(GetDlgItem(sample.window, id)); })) << "child " << id;
  const Capture blue = Settled(sample);
  sample.Save(blue, "longhorn-blue");

  // The menu bar is the skin's; its drop-down too.
  SetForegroundWindow(sample.window);
  PressKey('S', true);
  HWND dropDown = nullptr;
  EXPECT_TRUE(
      wait_for([&] { return (dropDown = visible_window_of(sample.program.Id(), L"#32768")) != nullptr; }));
  EXPECT_TRUE(answers_skinned(dropDown));
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);

  sample.Command(ID_SHOW_DIALOG);
  HWND dialog = sample.Dialog(L"" PLAIN_DIALOG_CAPTION);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(wait_for([&] { return answers_skinned(dialog); }));
  for (int id : {IDOK, IDC_RADIO_SMALL, IDC_CHECK_HINTS, IDC_GROUP_SIZE, IDC_EDIT_NAME, IDC_COMBO_COLOUR,
                 IDC_LIST_ITEMS, IDC_SCROLLBAR, IDC_TRACKBAR, IDC_PROGRESS, IDC_UPDOWN_COUNT, IDC_TAB})
    EXPECT_TRUE(wait_for([&] { return answers_skinned(GetDlgItem(dialog, id)); }, 3000))
        << "dialog control " << id;
  RECT dialogRect{};
  GetWindowRect(dialog, &dialogRect);
  Sleep(300);
  sample.Save(capture_screen_rect(dialogRect), "dialog-longhorn-blue");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));

  ExpectSkinnedAndClose(sample, ID_SHOW_MESSAGE_BOX, L"" PLAIN_MESSAGE_CAPTION);
  ExpectSkinnedAndClose(sample, ID_SHOW_OPEN_DIALOG, L"" PLAIN_OPEN_ANY_TITLE);

  sample.Command(ID_SKIN_GRAPHITE_DARK);
  ASSERT_TRUE(sample.StatusIs(L"Skin: Graphite Dark"));
  const Capture dark = Settled(sample);
  sample.Save(dark, "graphite-dark");
  ASSERT_EQ(dark.width, blue.width);
  EXPECT_NE(dark.at(dark.width / 2, 8), blue.at(blue.width / 2, 8)) << "the caption took the new skin";
  EXPECT_TRUE(answers_skinned(sample.window));
  PostMessageW(sample.window, WM_CLOSE, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(sample.program.WaitForExit(5000, code));
  EXPECT_EQ(code, 0u);
}

TEST(PlainWin32SampleTest, SkinningOffGivesBackTheUnskinnedWindowExactly) {
  Sample sample;
  ASSERT_TRUE(sample.Start(L"--unskinned"));
  ASSERT_TRUE(sample.StatusIs(L"Skin: off"));
  EXPECT_FALSE(answers_skinned(sample.window));
  // Skinning fits the window to the skin's frame and back: the baseline is the window laid out
  // again after a resize of its own (a multi-line edit shows its scroll bar otherwise then).
  RECT r{};
  GetWindowRect(sample.window, &r);
  SetWindowPos(sample.window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + 20,
               SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(sample.window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  const Capture plain = Settled(sample);
  sample.Save(plain, "unskinned");

  sample.Command(ID_SKIN_TOGGLE);
  ASSERT_TRUE(sample.StatusIs(L"Skin: Longhorn Blue"));
  ASSERT_TRUE(wait_for([&] { return answers_skinned(sample.window); }));
  const Capture skinned = Settled(sample);
  EXPECT_NE(skinned.pixels, plain.pixels);

  sample.Command(ID_SKIN_TOGGLE);
  ASSERT_TRUE(sample.StatusIs(L"Skin: off"));
  EXPECT_TRUE(wait_for([&] { return !answers_skinned(sample.window); }));
  HWND list = GetDlgItem(sample.window, IDC_MAIN_LIST);
  for (HWND child :
       {GetDlgItem(sample.window, IDC_MAIN_TOOLBAR), list, GetDlgItem(sample.window, IDC_MAIN_EDIT),
        FindWindowExW(list, nullptr, L"SysHeader32", nullptr)})
    EXPECT_FALSE(answers_skinned(child)) << child;
  const Capture back = Settled(sample);
  ASSERT_EQ(back.width, plain.width);
  ASSERT_EQ(back.height, plain.height);
  EXPECT_TRUE(back.pixels == plain.pixels) << "pixel for pixel the window it was";
  PostMessageW(sample.window, WM_CLOSE, 0, 0);
}

}  // namespace
