// skinrun with a program we did not write: Wine's notepad started through it is skinned, its
// menu bar opens a skinned drop-down, typed text arrives, its save question is skinned and it ends
// with its own exit code; a missing program and a bad skin are refused without starting anything.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "skin/data/skin_messages.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"

namespace {

using namespace testing_support;

bool Skinned(HWND window) {
  DWORD_PTR answer = 0;
  return window && SendMessageTimeoutW(window, SKM_QUERYSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) &&
         answer == 1;
}

template <class Pred>
bool WaitFor(Pred done, DWORD ms = 10000) {
  for (DWORD start = GetTickCount(); !done(); Sleep(20))
    if (GetTickCount() - start > ms) return false;
  return true;
}

HWND ProcessWindow(DWORD pid, const wchar_t* cls) {
  for (HWND w = FindWindowW(cls, nullptr); w; w = FindWindowExW(nullptr, w, cls, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

void Press(WORD key) {
  key_event(key, true);
  key_event(key, false);
  Sleep(80);
}

// The process skinrun started: the one whose window of class `cls` appears.
DWORD ProgramOf(const wchar_t* cls, HWND& window) {
  DWORD pid = 0;
  WaitFor([&] {
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
  EXPECT_TRUE(WaitFor([&] { return Skinned(notepad); }));
  HWND edit = FindWindowExW(notepad, nullptr, L"Edit", nullptr);
  EXPECT_TRUE(WaitFor([&] { return Skinned(edit); }));

  SetForegroundWindow(notepad);
  WaitFor([&] { return GetForegroundWindow() == notepad; }, 3000);
  Press('H');
  Press('I');
  EXPECT_TRUE(WaitFor([&] { return window_text(edit) == L"hi"; })) << window_text(edit);

  key_event(VK_MENU, true);
  Press('F');
  key_event(VK_MENU, false);
  HWND dropDown = nullptr;
  EXPECT_TRUE(WaitFor([&] { return (dropDown = ProcessWindow(pid, L"#32768")) != nullptr; }));
  EXPECT_TRUE(Skinned(dropDown));
  Press(VK_ESCAPE);
  Press(VK_ESCAPE);

  PostMessageW(notepad, WM_CLOSE, 0, 0);  // the text is not saved: notepad asks
  HWND question = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (question = ProcessWindow(pid, L"#32770")) != nullptr; }));
  EXPECT_TRUE(WaitFor([&] { return Skinned(question); }));
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
