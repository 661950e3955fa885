// The gallery as its own process, driven from outside with real mouse input: skins switched
// off and on from its tool bar, a page chosen, the MDI and dialog demos opened, and every one
// of its windows asked whether it is skinned.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/skin_messages.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

using testing_support::find_child;
using testing_support::find_dialog;
using testing_support::ProgramProcess;
using testing_support::window_text;

constexpr UINT SKM_QUERYSKINNED = 0x3523;  // answered with 1 by every skinned window

bool Skinned(HWND window) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, SKM_QUERYSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) && answer == 1;
}

struct VisibleCount {
  const wchar_t* cls;
  int n;
};

BOOL CALLBACK CountVisible(HWND child, LPARAM p) {
  auto* c = reinterpret_cast<VisibleCount*>(p);
  wchar_t name[64];
  c->n += GetClassNameW(child, name, 64) && lstrcmpiW(name, c->cls) == 0 && IsWindowVisible(child);
  return TRUE;
}

template <class Pred>
bool WaitFor(Pred done, DWORD ms = 5000) {
  for (DWORD start = GetTickCount(); !done(); Sleep(20))
    if (GetTickCount() - start > ms) return false;
  return true;
}

struct Gallery {
  ProgramProcess program;
  HWND window = nullptr;
  HWND status = nullptr;

  bool Start(const std::wstring& arguments = L"", const std::wstring& folder = L"") {
    if (!program.Start(GALLERY_EXE, arguments, folder)) return false;
    return WaitFor(
        [&] {
          window = FindWindowW(L"TGalleryForm", L"Quarnel Skin Gallery");
          status = window ? StatusLine() : nullptr;
          return status && IsWindowVisible(window);
        },
        15000);
  }
  HWND StatusLine() const { return find_child(window, nullptr, L"TStatusBar"); }
  // The first part of the status bar: "Skin: <name>".
  std::wstring Status() const { return window_text(status); }
  bool StatusHas(const std::wstring& text) const {
    return WaitFor([&] { return Status().find(text) != std::wstring::npos; });
  }
  // Windows of class `cls` anywhere in the gallery that are visible (their page is shown).
  int VisibleChildren(const wchar_t* cls) const {
    VisibleCount count{cls, 0};
    EnumChildWindows(window, CountVisible, reinterpret_cast<LPARAM>(&count));
    return count.n;
  }
  // Chooses a page the way a click on its tab does: the tab control tells its page control.
  void Page(int index) const {
    HWND pages = find_child(window, nullptr, L"TPageControl");
    SendMessageW(pages, TCM_SETCURFOCUS, index, 0);
  }
  int CurrentPage() const {
    return static_cast<int>(SendMessageW(find_child(window, nullptr, L"TPageControl"), TCM_GETCURSEL, 0, 0));
  }
  // A real click at a client point of `target`.
  static void Click(HWND target, int x, int y) {
    POINT p{x, y};
    ClientToScreen(target, &p);
    testing_support::move_mouse(p);
    Sleep(30);
    testing_support::mouse_left_button(true);
    Sleep(30);
    testing_support::mouse_left_button(false);
    Sleep(150);
  }
  // A real click on tool button `index` (separators count), found where the tool bar says.
  void Tool(int index) const {
    HWND bar = find_child(window, nullptr, L"TToolBar");
    RECT r = ToolButtonRect(bar, index);
    Click(bar, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // Controls of another process answer into memory of their own: `message` is sent with a
  // buffer there, which is read back into `answer`.
  template <class T>
  static bool AskInItsProcess(HWND control, UINT message, WPARAM wParam, T& answer) {
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof answer, MEM_COMMIT, PAGE_READWRITE);
    const bool answered = remote &&
                          SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(remote)) &&
                          ReadProcessMemory(process, remote, &answer, sizeof answer, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return answered;
  }
  static RECT ToolButtonRect(HWND bar, int index) {
    RECT r{};
    AskInItsProcess(bar, TB_GETITEMRECT, index, r);
    return r;
  }
  // The text of the status bar's part `index` (the first one is its window text).
  std::wstring StatusPart(int index) const {
    struct {
      wchar_t text[512];
    } part{};
    AskInItsProcess(status, SB_GETTEXTW, index, part);
    part.text[511] = L'\0';
    return part.text;
  }
};

// A real key press, with Alt held for a menu's access key when `alt` says so.
void PressKey(WORD key, bool alt = false) {
  std::vector<INPUT> keys;
  auto add = [&](WORD vk, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    keys.push_back(in);
  };
  if (alt) add(VK_MENU, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (alt) add(VK_MENU, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  Sleep(150);
}

// Chooses an item of the gallery's "&File" menu from the keyboard, as a user does.
// A drop-down menu of the program's, shown.
bool MenuShown(DWORD pid) {
  for (HWND w = FindWindowW(L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return true;
  }
  return false;
}

// The File menu opened with Alt+F and, once it shows, the item with `accessKey` chosen.
void FileMenuItem(HWND gallery, WORD accessKey) {
  SetForegroundWindow(gallery);
  testing_support::wait_until([&] { return GetForegroundWindow() == gallery; });
  DWORD pid = 0;
  GetWindowThreadProcessId(gallery, &pid);
  PressKey('F', true);
  WaitFor([&] { return MenuShown(pid); });
  PressKey(accessKey);
}

enum Tools { kOpen, kBlue, kDark, kOffOn, kReload, kSeparator, kMdi, kDialogs };

std::vector<HWND> MdiChildren(HWND frame) {
  std::vector<HWND> children;
  HWND client = find_child(frame, nullptr, L"MDIClient");
  for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child;
       child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

TEST(GalleryEndToEndTest, SwitchesSkinsAndSkinsEveryWindowItOpens) {
  Gallery g;
  ASSERT_TRUE(g.Start());
  const DWORD pid = g.program.Id();
  EXPECT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << g.Status();
  ASSERT_TRUE(WaitFor([&] { return Skinned(g.window); }));

  g.Tool(kOffOn);
  EXPECT_TRUE(g.StatusHas(L"Skin: off")) << g.Status();
  EXPECT_FALSE(Skinned(g.window));
  g.Tool(kOffOn);
  EXPECT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << g.Status();
  EXPECT_TRUE(WaitFor([&] { return Skinned(g.window); }));

  g.Tool(kDark);
  EXPECT_TRUE(g.StatusHas(L"Skin: Graphite Dark")) << g.Status();
  EXPECT_TRUE(Skinned(g.window));
  g.Tool(kBlue);
  EXPECT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << g.Status();

  g.Page(1);  // the "Text" page: its three edits show, the lists of another page do not
  EXPECT_TRUE(WaitFor([&] { return g.CurrentPage() == 1 && g.VisibleChildren(L"TEdit") == 3; }));
  EXPECT_EQ(g.VisibleChildren(L"TListBox"), 0);
  g.Page(3);
  EXPECT_TRUE(WaitFor([&] { return g.CurrentPage() == 3 && g.VisibleChildren(L"TListBox") == 3; }));
  EXPECT_EQ(g.VisibleChildren(L"TEdit"), 0);

  // The MDI demo: a frame and three children, all skinned, again after a skin-off.
  g.Tool(kMdi);
  HWND mdi = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (mdi = FindWindowW(nullptr, L"MDI demo")) && MdiChildren(mdi).size() == 3; }));
  EXPECT_TRUE(WaitFor([&] { return Skinned(mdi); }));
  for (HWND child : MdiChildren(mdi))
    EXPECT_TRUE(WaitFor([&] { return Skinned(child); })) << window_text(child);
  g.Tool(kOffOn);
  EXPECT_TRUE(g.StatusHas(L"Skin: off"));
  for (HWND child : MdiChildren(mdi)) EXPECT_FALSE(Skinned(child));
  g.Tool(kOffOn);
  EXPECT_TRUE(g.StatusHas(L"Longhorn Blue"));
  EXPECT_TRUE(WaitFor([&] { return Skinned(mdi); }));
  for (HWND child : MdiChildren(mdi))
    EXPECT_TRUE(WaitFor([&] { return Skinned(child); })) << window_text(child);

  // The dialog demo: a message box, the open-file dialog and the dialog of plain system controls
  // are skinned too.
  g.Tool(kDialogs);
  HWND demo = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (demo = FindWindowW(nullptr, L"Dialog demo")) && IsWindowVisible(demo); }));
  EXPECT_TRUE(WaitFor([&] { return Skinned(demo); }));
  const struct {
    const wchar_t *button, *title;
    WPARAM close;
  } dialogs[] = {{L"&Message box", L"Message box", IDCANCEL},
                 {L"&Open file...", L"Open", IDCANCEL},
                 {L"&System controls dialog", L"System controls", IDOK}};
  for (const auto& d : dialogs) {
    HWND button = find_child(demo, d.button);
    ASSERT_NE(button, nullptr) << d.title;
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = find_dialog(pid, d.title)) != nullptr; })) << d.title;
    EXPECT_TRUE(WaitFor([&] { return Skinned(box); })) << d.title;
    if (std::wstring(d.title) == L"Open") {
      // The file list inside the shell's view, and its column header.
      HWND list = find_child(box, nullptr, L"SysListView32");
      ASSERT_NE(list, nullptr);
      EXPECT_TRUE(WaitFor([&] { return Skinned(list); }));
      EXPECT_TRUE(WaitFor([&] { return Skinned(find_child(list, nullptr, L"SysHeader32")); }));
    }
    if (d.close == IDOK) {
      // Its edit, combo box, progress bar and track bar (by their dialog item numbers).
      for (int item : {104, 105, 108, 109})
        EXPECT_TRUE(WaitFor([&] { return Skinned(GetDlgItem(box, item)); })) << "item " << item;
      RECT r{};
      GetWindowRect(box, &r);
      const std::string dir = QUARNEL_SHOTS;
      CreateDirectoryA(testing_support::host_path(dir).c_str(), nullptr);
      testing_support::save_bmp(testing_support::capture_screen_rect(r),
                                testing_support::host_path(dir + "/gallery_system_controls_dialog.bmp"));
    }
    PostMessageW(box, WM_COMMAND, d.close, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); })) << d.title;
  }

  PostMessageW(g.window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(g.program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

// "Open skin..." answered in the open-file dialog with a package of the other shipped skin.
TEST(GalleryEndToEndTest, OpenSkinMenuLoadsTheChosenPackage) {
  Gallery g;
  ASSERT_TRUE(g.Start());
  ASSERT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << g.Status();
  FileMenuItem(g.window, 'O');
  HWND open = nullptr;
  // The open-file dialog is the slowest window the gallery makes (the shell fills its view), so
  // a loaded machine gets longer than the usual wait for it.
  ASSERT_TRUE(WaitFor([&] { return (open = find_dialog(g.program.Id(), L"Open skin")) != nullptr; }, 15000));
  const std::string path = testing_support::host_path(GRAPHITE_DARK_SKN);
  HWND name = GetDlgItem(open, cmb13) ? GetDlgItem(open, cmb13) : GetDlgItem(open, edt1);
  ASSERT_NE(name, nullptr);
  const std::wstring widePath(path.begin(), path.end());
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widePath.c_str()));
  PostMessageW(open, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(open); }));
  EXPECT_TRUE(g.StatusHas(L"Skin: Graphite Dark")) << g.Status();
  EXPECT_TRUE(Skinned(g.window));
  PostMessageW(g.window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(g.program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

// "Save screenshots..." answered with OK: the folder dialog starts on the gallery's working folder.
TEST(GalleryEndToEndTest, SaveScreenshotsMenuWritesThePicturesToTheChosenFolder) {
  // A folder the dialog's tree shows (the temporary folder lies below a hidden one) and reaches
  // in few steps: a drive's root lists quickly, the build machine's root (Z:) does not.
  wchar_t system[MAX_PATH];
  ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 2u);
  const std::wstring folder =
      std::wstring(system, 3) + L"quarnel-shots-" + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  Gallery g;
  ASSERT_TRUE(g.Start(L"", folder));
  FileMenuItem(g.window, 'S');
  HWND browse = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (browse = find_dialog(g.program.Id(), L"Save screenshots")) != nullptr; }));
  // The dialog names the selected folder in its edit box once it has walked down to it.
  const std::wstring leaf = folder.substr(folder.find_last_of(L'\\') + 1);
  HWND path = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] { return (path = find_child(browse, nullptr, L"Edit")) && window_text(path) == leaf; }, 60000))
      << std::string(leaf.begin(), leaf.end()) << " / edit: "
      << (path ? [](std::wstring t) { return std::string(t.begin(), t.end()); }(window_text(path)) : "none");
  PostMessageW(browse, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(browse); }));
  // Every page and both menus, unskinned and in each shipped skin; the last one written is the
  // dark skin's window menu, after which the gallery goes back to the skin it had.
  const std::wstring last = folder + L"\\gallery-graphite-dark-window-menu.bmp";
  EXPECT_TRUE(WaitFor([&] { return GetFileAttributesW(last.c_str()) != INVALID_FILE_ATTRIBUTES; }, 90000));
  EXPECT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << g.Status();
  int saved = 0;
  WIN32_FIND_DATAW found;
  if (HANDLE search = FindFirstFileW((folder + L"\\gallery-*.bmp").c_str(), &found);
      search != INVALID_HANDLE_VALUE) {
    do {
      ++saved;
      DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  EXPECT_EQ(saved, 3 * (6 + 2));
  PostMessageW(g.window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(g.program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
  RemoveDirectoryW(folder.c_str());  // once the gallery no longer works in it
}

// A named callback: a lambda cannot be the stdcall function a 32-bit build needs.
BOOL CALLBACK FindShownPage(HWND child, LPARAM found) {
  wchar_t name[32];
  if (!IsWindowVisible(child) || !GetClassNameW(child, name, 32) || lstrcmpW(name, L"TTabSheet") != 0)
    return TRUE;
  GetWindowRect(child, reinterpret_cast<RECT*>(found));
  return FALSE;
}

// The screen rectangle of the page shown.
RECT ShownPage(HWND gallery) {
  RECT page{};
  EnumChildWindows(gallery, FindShownPage, reinterpret_cast<LPARAM>(&page));
  return page;
}

int PixelsOf(const RECT& r, COLORREF colour) {
  const testing_support::Capture shot = testing_support::capture_screen_rect(r);
  return static_cast<int>(std::count(shot.pixels.begin(), shot.pixels.end(), colour));
}

// The shipped light skin's folder, copied where the test may edit it; its definition text's
// lines, and the text written back with one line replaced.
struct EditableSkin {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "quarnel_watched_skin";
  std::filesystem::path definition;
  std::string original;
  EditableSkin() {
    std::filesystem::remove_all(folder);
    std::filesystem::copy(testing_support::host_path(LONGHORN_BLUE_DIR), folder);
    for (const auto& file : std::filesystem::directory_iterator(folder))
      if (file.path().extension() == ".ini") definition = file.path();
    std::ifstream in(definition, std::ios::binary);
    original.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  ~EditableSkin() { std::filesystem::remove_all(folder); }
  void WriteWith(const std::string& line, const std::string& replacement) const {
    std::string text = original;
    text.replace(text.find(line), line.size(), replacement);
    Write(text);
  }
  void Write(const std::string& text) const {
    std::ofstream(definition, std::ios::binary | std::ios::trunc) << text;
  }
};

TEST(GalleryEndToEndTest, AWatchedSkinFolderIsInForceAfterEachSaveAndAFaultyOneKeepsTheLastGood) {
  EditableSkin skin;
  ASSERT_NE(skin.original.find("ButtonFace=236 241 247"), std::string::npos);
  Gallery g;
  ASSERT_TRUE(g.Start(L"--watch \"" + skin.folder.wstring() + L"\""));
  ASSERT_TRUE(WaitFor([&] { return Skinned(g.window); }));
  Sleep(300);
  const RECT page = ShownPage(g.window);
  ASSERT_GT(page.right - page.left, 100);
  const COLORREF face = RGB(236, 241, 247), edited = RGB(200, 40, 40);
  EXPECT_GT(PixelsOf(page, face), 1000) << "the folder's skin is in force";

  skin.WriteWith("ButtonFace=236 241 247", "ButtonFace=200 40 40");
  EXPECT_TRUE(WaitFor([&] { return PixelsOf(page, edited) > 1000; }, 3000)) << "the edit is seen";
  EXPECT_EQ(g.StatusPart(2).find(L"Skin folder"), std::wstring::npos);

  skin.WriteWith("[Personality]", "[Personality");
  EXPECT_TRUE(WaitFor([&] { return g.StatusPart(2).find(L"line") != std::wstring::npos; }, 3000))
      << g.StatusPart(2);
  EXPECT_NE(g.StatusPart(2).find(L"\"[Personality\" is a section header without its \"]\""),
            std::wstring::npos)
      << g.StatusPart(2);
  EXPECT_GT(PixelsOf(page, edited), 1000) << "the last good skin stays";

  skin.Write(skin.original);
  EXPECT_TRUE(WaitFor([&] { return PixelsOf(page, face) > 1000; }, 3000));
  EXPECT_TRUE(WaitFor([&] { return g.StatusPart(2).find(L"Skin folder") == std::wstring::npos; }));
  PostMessageW(g.window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  EXPECT_TRUE(g.program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

TEST(GalleryEndToEndTest, ABadSkinFileIsReportedAndTheStoredSkinStays) {
  ProgramProcess program;
  ASSERT_TRUE(program.Start(GALLERY_EXE, L"--skin \"C:\\no such folder\\gone.skn\""));
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = find_dialog(program.Id(), L"Quarnel Skin Gallery")) != nullptr; }));
  EXPECT_NE(testing_support::static_text_of(box).find(L"gone.skn"), std::wstring::npos);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND window = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (window = FindWindowW(L"TGalleryForm", nullptr)) && IsWindowVisible(window); }));
  EXPECT_TRUE(WaitFor([&] { return Skinned(window); }));
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  EXPECT_TRUE(program.WaitForExit(10000, code));
}

TEST(GalleryEndToEndTest, SkinAutoFollowsTheSystemsLightOrDarkSettingUntilASkinIsChosen) {
  const DWORD dark = 0, light = 1;
  testing_support::set_system_look(&dark);
  Gallery g;
  ASSERT_TRUE(g.Start(L"--skin auto"));
  EXPECT_TRUE(g.StatusHas(L"Skin: Graphite Dark")) << g.Status();
  ASSERT_TRUE(WaitFor([&] { return Skinned(g.window); }));
  Sleep(300);
  RECT frame{};
  GetWindowRect(g.window, &frame);
  const POINT caption{(frame.left + frame.right) / 2, frame.top + 6};
  const COLORREF darkCaption =
      testing_support::capture_screen_rect(RECT{caption.x, caption.y, caption.x + 1, caption.y + 1}).at(0, 0);
  testing_support::set_system_look(&light);
  EXPECT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << "the system turned light: " << g.Status();
  Sleep(300);
  EXPECT_NE(
      testing_support::capture_screen_rect(RECT{caption.x, caption.y, caption.x + 1, caption.y + 1}).at(0, 0),
      darkCaption);
  testing_support::set_system_look(&dark);
  EXPECT_TRUE(g.StatusHas(L"Skin: Graphite Dark")) << "and dark again: " << g.Status();

  g.Tool(kBlue);  // a skin chosen by the user ends the following
  EXPECT_TRUE(g.StatusHas(L"Skin: Longhorn Blue")) << g.Status();
  testing_support::set_system_look(&dark);
  Sleep(500);
  EXPECT_NE(g.Status().find(L"Skin: Longhorn Blue"), std::wstring::npos) << g.Status();
  testing_support::set_system_look(nullptr);  // no setting: light
  PostMessageW(g.window, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  EXPECT_TRUE(g.program.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
