// skinrun with programs we did not write, those that come with Wine: each started through it is
// skinned (frame, a control of its own, a drop-down of its menu bar) and shows the skin's pixels
// where it showed the system's, text typed into it arrives, a dialog or question it opens is
// skinned, and it ends with its own exit code. A program that ends without a window is told
// apart from a success; a missing program and a bad skin are refused without starting anything.
// Pictures of each, unskinned and skinned, go to the build folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
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

void PressWith(WORD modifier, WORD key) {
  key_event(modifier, true);
  Press(key);
  key_event(modifier, false);
}

// Not on the search path under Wine: named by its place.
constexpr wchar_t kWordpad[] = L"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe";

struct ProgramCase {
  const char* name;        // for the pictures
  const wchar_t* command;  // as given to skinrun
  const wchar_t* path;     // where the program is, to start it without skinrun
  const wchar_t* cls;      // its main window's class
  const wchar_t* child;    // a control of its own that is skinned too
  const wchar_t* text;     // the control typed text goes to (closing then asks a question), or null
  const wchar_t* dialog;   // a dialog Ctrl+F opens, or null
};

void PrintTo(const ProgramCase& c, std::ostream* os) {
  *os << c.name;
}

// One run of the program, plain or through skinrun: its main window, found once it shows.
struct ProgramRun {
  ProgramProcess process;
  DWORD pid = 0;
  HWND window = nullptr;

  bool Start(const ProgramCase& c, bool skinned) {
    const bool started =
        skinned ? process.Start(SKINRUN_EXE, Quote(c.command)) : process.Start(Narrow(c.path), L"", L"");
    return started && wait_for([&] {
             window = FindWindowW(c.cls, nullptr);
             if (window && IsWindowVisible(window)) GetWindowThreadProcessId(window, &pid);
             return pid != 0;
           });
  }
  Capture Picture(const ProgramCase& c, const char* look) const {
    Sleep(500);
    RECT r{};
    GetWindowRect(window, &r);
    Capture picture = capture_screen_rect(r);
    save_bmp(picture, std::string(QUARNEL_SHOTS) + "/skinrun-" + c.name + "-" + look + ".bmp");
    return picture;
  }
  // Closed as a user closes it: a question about unsaved text is answered No.
  DWORD Close() {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (HWND question = nullptr;
        wait_for([&] { return (question = visible_window_of(pid, L"#32770")) != nullptr; }, 2000)) {
      EXPECT_TRUE(wait_for([&] { return answers_skinned(question); })) << "the question is skinned too";
      PostMessageW(question, WM_COMMAND, IDNO, 0);
    }
    DWORD code = 99;
    EXPECT_TRUE(process.WaitForExit(10000, code));
    return code;
  }
  static std::wstring Quote(const wchar_t* command) { return L"\"" + std::wstring(command) + L"\""; }
  static std::string Narrow(const wchar_t* text) { return std::string(text, text + wcslen(text)); }
};

class SkinrunProgramTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(SkinrunProgramTest, StartedThroughSkinrunItIsSkinnedAndWorksAsBefore) {
  const ProgramCase& c = GetParam();
  Capture plain;
  {
    ProgramRun unskinned;
    ASSERT_TRUE(unskinned.Start(c, false)) << "the program does not start on its own";
    EXPECT_FALSE(answers_skinned(unskinned.window));
    plain = unskinned.Picture(c, "unskinned");
    unskinned.Close();
  }

  ProgramRun run;
  ASSERT_TRUE(run.Start(c, true)) << "no window of the program through skinrun";
  EXPECT_TRUE(wait_for([&] { return answers_skinned(run.window); }));
  HWND child = find_child(run.window, nullptr, c.child);
  EXPECT_TRUE(wait_for([&] { return answers_skinned(child); })) << "its own control";
  const Capture skinned = run.Picture(c, "skinned");
  EXPECT_NE(skinned.at(skinned.width / 2, 6), plain.at(plain.width / 2, 6)) << "the caption is the skin's";

  SetForegroundWindow(run.window);
  wait_for([&] { return GetForegroundWindow() == run.window; }, 3000);
  if (c.text) {
    HWND typed = find_child(run.window, nullptr, c.text);
    Press('H');
    Press('I');
    EXPECT_TRUE(wait_for([&] { return window_text(typed) == L"hi"; })) << window_text(typed);
  }
  PressWith(VK_MENU, 'E');
  HWND dropDown = nullptr;
  EXPECT_TRUE(wait_for([&] { return (dropDown = visible_window_of(run.pid, L"#32768")) != nullptr; }));
  EXPECT_TRUE(answers_skinned(dropDown));
  Press(VK_ESCAPE);
  Press(VK_ESCAPE);
  if (c.dialog) {
    PressWith(VK_CONTROL, 'F');
    HWND dialog = nullptr;
    EXPECT_TRUE(wait_for([&] { return (dialog = find_dialog(run.pid, c.dialog)) != nullptr; }));
    EXPECT_TRUE(wait_for([&] { return answers_skinned(dialog); }));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
  }
  EXPECT_EQ(run.Close(), 0u) << "skinrun ends with the program's exit code";
}

INSTANTIATE_TEST_SUITE_P(
    WineProgram, SkinrunProgramTest,
    ::testing::Values(ProgramCase{"notepad", L"notepad.exe", L"C:\\windows\\system32\\notepad.exe",
                                  L"Notepad", L"Edit", L"Edit", L"Find"},
                      ProgramCase{"regedit", L"regedit.exe", L"C:\\windows\\regedit.exe", L"RegEdit_RegEdit",
                                  L"msctls_statusbar32", nullptr, L"Find"},
                      ProgramCase{"wordpad", kWordpad, kWordpad, L"WORDPADTOP", L"msctls_statusbar32",
                                  L"RichEdit20W", L"Find"}),
    [](const ::testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

TEST(SkinrunTest, WindowlessAndMissingProgramsAndABadSkinAreToldApart) {
  ProgramProcess windowless;  // a console tool that ends at once
  ASSERT_TRUE(windowless.Start(SKINRUN_EXE, L"cmd.exe /c exit 0"));
  DWORD code = 0;
  ASSERT_TRUE(windowless.WaitForExit(10000, code));
  EXPECT_EQ(code, 5u) << "a program that showed no window is not a success";
  ProgramProcess failing;
  ASSERT_TRUE(failing.Start(SKINRUN_EXE, L"cmd.exe /c exit 7"));
  ASSERT_TRUE(failing.WaitForExit(10000, code));
  EXPECT_EQ(code, 7u) << "its own code when it gave one";

  ProgramProcess missing;
  ASSERT_TRUE(missing.Start(SKINRUN_EXE, L"no-such-program.exe"));
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
