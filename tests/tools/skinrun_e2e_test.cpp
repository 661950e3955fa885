// skinrun with a program we did not write: Wine's notepad started through it is skinned, its
// menu bar opens a skinned drop-down, typed text arrives, its save question is skinned and it ends
// with its own exit code; a missing program and a bad skin are refused without starting anything.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"

namespace {

using namespace testing_support;

void Press(WORD key) {
  key_event(key, true);
  key_event(key, false);
  Sleep(80);
}

// The process skinrun started: the one whose window of class `cls` appears.
DWORD ProgramOf(const wchar_t* cls, HWND& window) {
  DWORD pid = 0;
  wait_for([&] {
    window = FindWindowW(cls, nullptr);
    if (window && IsWindowVisible(window)) GetWindowThreadProcessId(window, &pid);
    return pid != 0;
  });
  return pid;
}

TEST(SkinrunTest, NotepadStartedThroughSkinrunIsSkinnedAndWorksAsBefore) {
  ProgramProcess run;
  ASSERT_TRUE(run.Start(SKINRUN_EXE, L"notepad.exe"));
  HWND notepad = nullptr;
  const DWORD pid = ProgramOf(L"Notepad", notepad);
  ASSERT_NE(pid, 0u) << "notepad did not show its window";
  EXPECT_TRUE(wait_for([&] { return answers_skinned(notepad); }));
  HWND edit = FindWindowExW(notepad, nullptr, L"Edit", nullptr);
  EXPECT_TRUE(wait_for([&] { return answers_skinned(edit); }));

  SetForegroundWindow(notepad);
  wait_for([&] { return GetForegroundWindow() == notepad; }, 3000);
  Press('H');
  Press('I');
  EXPECT_TRUE(wait_for([&] { return window_text(edit) == L"hi"; })) << window_text(edit);

  key_event(VK_MENU, true);
  Press('F');
  key_event(VK_MENU, false);
  HWND dropDown = nullptr;
  EXPECT_TRUE(wait_for([&] { return (dropDown = visible_window_of(pid, L"#32768")) != nullptr; }));
  EXPECT_TRUE(answers_skinned(dropDown));
  Press(VK_ESCAPE);
  Press(VK_ESCAPE);

  PostMessageW(notepad, WM_CLOSE, 0, 0);  // the text is not saved: notepad asks
  HWND question = nullptr;
  ASSERT_TRUE(wait_for([&] { return (question = visible_window_of(pid, L"#32770")) != nullptr; }));
  EXPECT_TRUE(wait_for([&] { return answers_skinned(question); }));
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  DWORD code = 1;
  ASSERT_TRUE(run.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u) << "skinrun ends with the program's exit code";
}

TEST(SkinrunTest, AMissingProgramAndABadSkinAreRefusedWithoutStartingAnything) {
  ProgramProcess missing;
  ASSERT_TRUE(missing.Start(SKINRUN_EXE, L"no-such-program.exe"));
  DWORD code = 0;
  ASSERT_TRUE(missing.WaitForExit(10000, code));
  EXPECT_EQ(code, 2u);

  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring junk = std::wstring(folder) + L"skinrun-junk.skn";
  HANDLE file = CreateFileW(junk.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "junk", 4, &written, nullptr);
  CloseHandle(file);
  ProgramProcess bad;
  ASSERT_TRUE(bad.Start(SKINRUN_EXE, L"--skin \"" + junk + L"\" notepad.exe"));
  ASSERT_TRUE(bad.WaitForExit(10000, code));
  EXPECT_EQ(code, 3u);
  EXPECT_EQ(FindWindowW(L"Notepad", nullptr), nullptr) << "no program was started";
  DeleteFileW(junk.c_str());
}

}  // namespace
