// skinrun with programs we did not write, those that come with Wine: each started through it is
// skinned (frame, its own controls — tree view, list view, rich edit, rebar and tool bar among
// them —, a drop-down of its menu bar) and shows the skin's pixels where it showed the system's,
// text typed into it arrives, the dialogs and questions it opens (find, replace, font, a property
// sheet) are skinned, a minute of driven use neither crashes nor hangs it, and it ends with its
// own exit code. A program that ends without a window is told apart from a success; a missing
// program and a bad skin are refused without starting anything. Pictures of each, unskinned and
// skinned, go to the build folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

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

std::string Narrow(const wchar_t* text) {
  return std::string(text, text + wcslen(text));
}

// Not on the search path under Wine: named by its place.
constexpr wchar_t kWordpad[] = L"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe";

// A dialog the program opens from the keyboard: a key (with a modifier) and, for a menu, the
// item's key; its caption, and a control on it (its class, and its text when given) that is
// skinned too.
struct DialogCase {
  WORD modifier, key, item;
  const wchar_t* title;
  const wchar_t* control;
  const wchar_t* controlText = nullptr;
};

struct ProgramCase {
  const char* name;                 // for the pictures
  const wchar_t* command;           // as given to skinrun
  const wchar_t* path;              // where the program is, to start it without skinrun
  const wchar_t* cls;               // its main window's class
  std::vector<const wchar_t*> own;  // controls of its own that are skinned too
  const wchar_t* text;              // the control typed text goes to (closing then asks a question), or null
  std::vector<DialogCase> dialogs;  // dialogs it opens, each skinned
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
};

// Opens the dialog from the keyboard; it and a control on it answer as skinned; it is cancelled.
void OpenSkinnedDialog(const ProgramRun& run, const DialogCase& d) {
  PressWith(d.modifier, d.key);
  if (d.item) Press(d.item);
  HWND dialog = nullptr;
  ASSERT_TRUE(wait_for([&] { return (dialog = find_dialog(run.pid, d.title)) != nullptr; }))
      << Narrow(d.title);
  EXPECT_TRUE(wait_for([&] { return answers_skinned(dialog); })) << Narrow(d.title);
  HWND control = find_child(dialog, d.controlText, d.control);
  EXPECT_TRUE(wait_for([&] { return answers_skinned(control); }))
      << Narrow(d.title) << ": " << Narrow(d.control);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); })) << Narrow(d.title);
}

void Focus(HWND window) {
  SetForegroundWindow(window);
  wait_for([&] { return GetForegroundWindow() == window; }, 3000);
}

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
  for (const wchar_t* own : c.own) {
    HWND child = find_child(run.window, nullptr, own);
    EXPECT_TRUE(wait_for([&] { return answers_skinned(child); })) << "its own control " << Narrow(own);
  }
  const Capture skinned = run.Picture(c, "skinned");
  EXPECT_NE(skinned.at(skinned.width / 2, 6), plain.at(plain.width / 2, 6)) << "the caption is the skin's";

  Focus(run.window);
  if (c.text) {
    HWND typed = find_child(run.window, nullptr, c.text);
    Press('H');
    Press('I');
    EXPECT_TRUE(wait_for([&] { return window_text(typed) == L"hi"; })) << Narrow(window_text(typed).c_str());
  }
  PressWith(VK_MENU, 'E');
  HWND dropDown = nullptr;
  EXPECT_TRUE(wait_for([&] { return (dropDown = visible_window_of(run.pid, L"#32768")) != nullptr; }));
  EXPECT_TRUE(answers_skinned(dropDown));
  Press(VK_ESCAPE);
  Press(VK_ESCAPE);
  for (const DialogCase& d : c.dialogs) OpenSkinnedDialog(run, d);
  EXPECT_EQ(run.Close(), 0u) << "skinrun ends with the program's exit code";
}

// A minute of use, round after round: typing, the menu bar and its items, a dialog, resizing,
// scrolling. The program keeps answering, stays skinned and ends as it should.
class SkinrunDrivenUseTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(SkinrunDrivenUseTest, AMinuteOfDrivenUseNeitherCrashesNorHangsIt) {
  const ProgramCase& c = GetParam();
  ProgramRun run;
  ASSERT_TRUE(run.Start(c, true)) << "no window of the program through skinrun";
  ASSERT_TRUE(wait_for([&] { return answers_skinned(run.window); }));
  int rounds = 0;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 60000; ++rounds) {
    Focus(run.window);
    switch (rounds % 4) {
      case 0:  // typing, or moving through the program's own list
        for (WORD key : {WORD('A'), WORD('B'), WORD(VK_RETURN), WORD(VK_DOWN), WORD(VK_RIGHT)}) Press(key);
        break;
      case 1:  // through the menu bar's drop-downs and back out
        PressWith(VK_MENU, 'E');
        for (WORD key : {WORD(VK_DOWN), WORD(VK_DOWN), WORD(VK_RIGHT), WORD(VK_LEFT)}) Press(key);
        Press(VK_ESCAPE);
        Press(VK_ESCAPE);
        break;
      case 2:
        OpenSkinnedDialog(run, c.dialogs[static_cast<size_t>(rounds / 4) % c.dialogs.size()]);
        break;
      case 3:  // a new size, then a page down and back up
        SetWindowPos(run.window, nullptr, 0, 0, rounds % 8 == 3 ? 520 : 700, rounds % 8 == 3 ? 380 : 500,
                     SWP_NOMOVE | SWP_NOZORDER);
        Press(VK_NEXT);
        Press(VK_PRIOR);
        break;
    }
    DWORD_PTR answer = 0;
    // A hang is no answer in 15 s; a busy moment of a loaded machine is not one.
    ASSERT_TRUE(SendMessageTimeoutW(run.window, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &answer))
        << "no answer in round " << rounds;
    ASSERT_TRUE(IsWindow(run.window)) << "gone in round " << rounds;
    if (visible_window_of(run.pid, L"#32768")) Press(VK_ESCAPE);  // a drop-down a lost key left open
  }
  EXPECT_GT(rounds, 12);
  EXPECT_TRUE(answers_skinned(run.window)) << "still skinned";
  EXPECT_EQ(run.Close(), 0u);
}

// The three programs: their controls that are skinned, and the dialogs their keys open.
const std::vector<ProgramCase>& Programs() {
  static const std::vector<ProgramCase> programs{
      {"notepad",
       L"notepad.exe",
       L"C:\\windows\\system32\\notepad.exe",
       L"Notepad",
       {L"Edit"},
       L"Edit",
       {{VK_CONTROL, 'F', 0, L"Find", L"Button"},
        {VK_CONTROL, 'H', 0, L"Replace", L"Edit"},
        {VK_MENU, 'E', 'F', L"Font", L"Button"}}},
      {"regedit",
       L"regedit.exe",
       L"C:\\windows\\regedit.exe",
       L"RegEdit_RegEdit",
       {L"msctls_statusbar32", L"SysTreeView32", L"SysListView32"},
       nullptr,
       {{VK_CONTROL, 'F', 0, L"Find", L"Button"}}},
      {"wordpad",
       kWordpad,
       kWordpad,
       L"WORDPADTOP",
       {L"msctls_statusbar32", L"RichEdit20W", L"ReBarWindow32", L"ToolbarWindow32"},
       L"RichEdit20W",
       {{VK_CONTROL, 'F', 0, L"Find", L"Button"},
        {VK_CONTROL, 'H', 0, L"Replace", L"Edit"},
        {VK_MENU, 'O', 'F', L"Font", L"Button"},
        {VK_MENU, 'V', 'O', L"Options", L"Button", L"&Toolbar"}}},
  };
  return programs;
}

std::string CaseName(const ::testing::TestParamInfo<ProgramCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(WineProgram, SkinrunProgramTest, ::testing::ValuesIn(Programs()), CaseName);
INSTANTIATE_TEST_SUITE_P(WineProgram, SkinrunDrivenUseTest, ::testing::ValuesIn(Programs()), CaseName);

TEST(SkinrunTest, WindowlessMissingAndNonWindowsProgramsAndABadSkinAreToldApart) {
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
  auto writeJunk = [&](const wchar_t* name) {
    const std::wstring path = std::wstring(folder) + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "junk", 4, &written, nullptr);
    CloseHandle(file);
    return path;
  };
  const std::wstring notAProgram = writeJunk(L"skinrun-junk.exe");
  ProgramProcess notWindows;
  ASSERT_TRUE(notWindows.Start(SKINRUN_EXE, L"\"" + notAProgram + L"\""));
  ASSERT_TRUE(notWindows.WaitForExit(10000, code));
  EXPECT_EQ(code, 2u) << "a file that is not a Windows program";
  DeleteFileW(notAProgram.c_str());

  const std::wstring junk = writeJunk(L"skinrun-junk.skn");
  ProgramProcess bad;
  ASSERT_TRUE(bad.Start(SKINRUN_EXE, L"--skin \"" + junk + L"\" notepad.exe"));
  ASSERT_TRUE(bad.WaitForExit(10000, code));
  EXPECT_EQ(code, 3u);
  EXPECT_EQ(FindWindowW(L"Notepad", nullptr), nullptr) << "no program was started";
  DeleteFileW(junk.c_str());
}

}  // namespace
