// quarnelskin.dll used the way a host program uses it: loaded by name, its functions looked up,
// the test program's own plain Win32 windows skinned, switched, excluded and given back their
// own look; refusals with their codes and texts; calls from another thread; unloading while
// skinning runs.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <cstring>
#include <string>
#include <thread>

#include "include/quarnelskin.h"
#include "skin/data/skin_messages.h"
#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

using namespace testing_support;

constexpr WORD kStopCommand = 101;

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

// The DLL's functions, looked up by name as a program that loads it at run time does.
struct SkinDll {
  HMODULE module = nullptr;
  int(__stdcall* LoadFile)(const wchar_t*) = nullptr;
  int(__stdcall* LoadMemory)(const void*, unsigned long) = nullptr;
  int(__stdcall* LoadBuiltIn)(const wchar_t*) = nullptr;
  int(__stdcall* FollowSystem)(const wchar_t*, const wchar_t*) = nullptr;
  int(__stdcall* Start)() = nullptr;
  void(__stdcall* Stop)() = nullptr;
  int(__stdcall* ExcludeWindow)(HWND, int) = nullptr;
  const wchar_t*(__stdcall* LastError)() = nullptr;
  unsigned long(__stdcall* Version)() = nullptr;

  template <class F>
  void Find(F& function, const char* name) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }
  bool Open() {
    module = LoadLibraryW(Wide(host_path(QUARNEL_SKIN_DLL)).c_str());
    if (!module) return false;
    Find(LoadFile, "QuarnelSkinLoadFile");
    Find(LoadMemory, "QuarnelSkinLoadMemory");
    Find(LoadBuiltIn, "QuarnelSkinLoadBuiltIn");
    Find(FollowSystem, "QuarnelSkinFollowSystem");
    Find(Start, "QuarnelSkinStart");
    Find(Stop, "QuarnelSkinStop");
    Find(ExcludeWindow, "QuarnelSkinExcludeWindow");
    Find(LastError, "QuarnelSkinLastError");
    Find(Version, "QuarnelSkinVersion");
    return LoadFile && LoadMemory && LoadBuiltIn && FollowSystem && Start && Stop && ExcludeWindow &&
           LastError && Version;
  }
  void Close() {
    if (module) FreeLibrary(module);
    module = nullptr;
  }
};

SkinDll* commandTarget = nullptr;  // the DLL the window's stop command calls

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && LOWORD(wParam) == kStopCommand && commandTarget) {
    commandTarget->Stop();  // from inside the skinned window's own message
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

bool Skinned(HWND window) {
  return SendMessageW(window, SKM_QUERYSKINNED, 0, 0) == 1;
}

// A file of the given bytes in the temporary folder, removed when this goes.
struct TempFile {
  std::wstring path;
  explicit TempFile(const char* bytes) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path = std::wstring(folder) + L"not-a-skin.skn";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(strlen(bytes)), &written, nullptr);
    CloseHandle(file);
  }
  ~TempFile() { DeleteFileW(path.c_str()); }
};

class SkinDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // As every program that shows common controls: the DLL's own use of them is not the program's.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    ASSERT_TRUE(dll.Open()) << "quarnelskin.dll or one of its functions is missing";
    commandTarget = &dll;
    window = MakeHostWindow(L"Host window", 40);
    button = CreateWindowExW(0, L"BUTTON", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 100, 28,
                             window, nullptr, GetModuleHandleW(nullptr), nullptr);
    edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"text", WS_CHILD | WS_VISIBLE, 20, 60, 160, 24, window,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    toolbar =
        CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_BOTTOM, 0,
                        0, 0, 0, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT, 190,
                           20, 110, 90, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    column.pszText = const_cast<wchar_t*>(L"Name");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    flush_events(100);
  }
  void TearDown() override {
    if (dll.module) {
      dll.Stop();
      flush_events(50);
    }
    if (IsWindow(window)) DestroyWindow(window);
    dll.Close();
    commandTarget = nullptr;
    flush_events(50);
  }

  // A plain top-level window with a menu bar of two drop-downs.
  static HWND MakeHostWindow(const wchar_t* title, int at) {
    HMENU bar = CreateMenu(), file = CreatePopupMenu(), view = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kStopCommand, L"&Stop skinning");
    AppendMenuW(view, MF_STRING, 102, L"&Refresh");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    HWND w = CreateWindowExW(0, test_window_class(L"QuarnelSdkHost", HostProc), title,
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, at, at, 320, 220, nullptr, bar,
                             GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(w);
    return w;
  }
  // Skinning started with a built-in skin, and the window painted in it.
  void StartSkinned(const wchar_t* skin = L"Longhorn Blue") {
    ASSERT_EQ(dll.LoadBuiltIn(skin), QUARNEL_SKIN_OK) << dll.LastError();
    ASSERT_EQ(dll.Start(), QUARNEL_SKIN_OK) << dll.LastError();
    ASSERT_TRUE(wait_until([&] { return Skinned(window); }));
    flush_events(200);
  }
  // A pixel of the caption strip, in window coordinates.
  COLORREF CaptionPixel() const { return window_pixel(window, 60, 8, true); }

  SkinDll dll;
  HWND window = nullptr, button = nullptr, edit = nullptr, toolbar = nullptr, list = nullptr;
};

TEST_F(SkinDllTest, RefusalsCarryTheirCodesAndSayWhatWasWrong) {
  EXPECT_EQ(dll.Version(), static_cast<unsigned long>(EXPECTED_VERSION));
  EXPECT_EQ(dll.Start(), QUARNEL_SKIN_E_STATE) << "nothing loaded yet";
  EXPECT_NE(std::wstring(dll.LastError()).find(L"No skin is loaded"), std::wstring::npos) << dll.LastError();
  EXPECT_EQ(dll.LoadFile(nullptr), QUARNEL_SKIN_E_ARGUMENT);
  EXPECT_EQ(dll.LoadFile(L"C:\\no\\such\\folder\\skin.skn"), QUARNEL_SKIN_E_FILE);
  EXPECT_NE(std::wstring(dll.LastError()).find(L"C:\\no\\such\\folder\\skin.skn"), std::wstring::npos)
      << dll.LastError();
  TempFile junk("this is not a skin package");
  EXPECT_EQ(dll.LoadFile(junk.path.c_str()), QUARNEL_SKIN_E_FORMAT);
  EXPECT_NE(std::wstring(dll.LastError()).find(junk.path), std::wstring::npos) << dll.LastError();
  EXPECT_EQ(dll.LoadMemory("junk", 4), QUARNEL_SKIN_E_FORMAT);
  EXPECT_EQ(dll.LoadMemory(nullptr, 4), QUARNEL_SKIN_E_ARGUMENT);
  EXPECT_EQ(dll.LoadBuiltIn(L"Windows Classic"), QUARNEL_SKIN_E_ARGUMENT);
  EXPECT_NE(std::wstring(dll.LastError()).find(L"Longhorn Blue"), std::wstring::npos) << dll.LastError();
  EXPECT_EQ(dll.ExcludeWindow(nullptr, 1), QUARNEL_SKIN_E_ARGUMENT);
  EXPECT_EQ(dll.Start(), QUARNEL_SKIN_E_STATE) << "failed loads load nothing";
  EXPECT_FALSE(Skinned(window));
}

// What the window looked like and what the process held before skinning comes back exactly.
TEST_F(SkinDllTest, StartSkinsTheWindowsThereAndStopGivesBackTheirPixelsAndObjects) {
  ASSERT_EQ(dll.LoadBuiltIn(L"Longhorn Blue"), QUARNEL_SKIN_OK);
  // The system keeps the device contexts it lends out in a cache that never shrinks; the
  // engine's painting borrows a few at once.
  HDC borrowed[4][4];
  const HWND owners[4] = {window, button, edit, nullptr};
  for (int i = 0; i < 4; ++i)
    for (HDC& dc : borrowed[i]) dc = GetDCEx(owners[i], nullptr, DCX_WINDOW | DCX_CACHE);
  for (int i = 0; i < 4; ++i)
    for (HDC dc : borrowed[i]) ReleaseDC(owners[i], dc);
  const Capture before = capture_window(window);
  const DWORD gdi = gdi_objects(), user = user_objects();
  ASSERT_EQ(dll.Start(), QUARNEL_SKIN_OK) << dll.LastError();
  ASSERT_TRUE(
      wait_until([&] { return Skinned(window) && Skinned(button) && Skinned(edit) && Skinned(toolbar); }));
  flush_events(200);
  const Capture skinned = capture_window(window);
  EXPECT_NE(skinned.pixels, before.pixels);
  EXPECT_NE(CaptionPixel(), before.at(60, 8)) << "the caption is the skin's";

  dll.Stop();
  flush_events(300);
  for (HWND w : {window, button, edit, toolbar, list, ListView_GetHeader(list)})
    EXPECT_FALSE(Skinned(w)) << w;
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.bottom - r.top, 220) << "the window's own size";
  EXPECT_EQ(r.right - r.left, 320);
  const Capture after = capture_window(window);
  ASSERT_EQ(after.width, before.width);
  ASSERT_EQ(after.height, before.height);
  EXPECT_TRUE(after.pixels == before.pixels) << "the window's own look, pixel for pixel";
  EXPECT_EQ(gdi_objects(), gdi);
  EXPECT_EQ(user_objects(), user);
  EXPECT_EQ(dll.Start(), QUARNEL_SKIN_OK) << "the skin stays loaded across a stop";
  EXPECT_TRUE(wait_until([&] { return Skinned(window); }));
}

TEST_F(SkinDllTest, WindowsMadeAfterTheStartAreSkinnedAndALoadSwitchesThemAll) {
  StartSkinned();
  HWND later = MakeHostWindow(L"Made later", 80);
  EXPECT_TRUE(wait_until([&] { return Skinned(later); }));
  flush_events(200);
  const COLORREF blue = CaptionPixel();

  ASSERT_EQ(dll.LoadFile(Wide(host_path(GRAPHITE_DARK_SKN)).c_str()), QUARNEL_SKIN_OK) << dll.LastError();
  flush_events(300);
  const COLORREF dark = CaptionPixel();
  EXPECT_NE(dark, blue) << "the open window took the new skin";
  EXPECT_TRUE(Skinned(later));

  TempFile junk("still not a skin package");
  EXPECT_EQ(dll.LoadFile(junk.path.c_str()), QUARNEL_SKIN_E_FORMAT);
  flush_events(300);
  EXPECT_EQ(CaptionPixel(), dark) << "a failed load leaves the skin in force";
  EXPECT_TRUE(Skinned(window));
  DestroyWindow(later);
}

TEST_F(SkinDllTest, FollowingTheSystemTakesItsLightOrDarkSkinAndSwitchesWithItUntilAnotherLoad) {
  const DWORD dark = 0, light = 1;
  const std::wstring darkFile = Wide(host_path(GRAPHITE_DARK_SKN));
  EXPECT_EQ(dll.FollowSystem(nullptr, darkFile.c_str()), QUARNEL_SKIN_E_ARGUMENT);
  EXPECT_EQ(dll.FollowSystem(L"Longhorn Blue", L"C:\\no such folder\\dark.skn"), QUARNEL_SKIN_E_FILE);
  TempFile junk("not a skin package either");
  EXPECT_EQ(dll.FollowSystem(junk.path.c_str(), L"Graphite Dark"), QUARNEL_SKIN_E_FORMAT);
  EXPECT_NE(std::wstring(dll.LastError()).find(L"not-a-skin.skn"), std::wstring::npos) << dll.LastError();

  testing_support::set_system_look(&dark);
  ASSERT_EQ(dll.FollowSystem(L"Longhorn Blue", darkFile.c_str()), QUARNEL_SKIN_OK) << dll.LastError();
  ASSERT_EQ(dll.Start(), QUARNEL_SKIN_OK) << dll.LastError();
  ASSERT_TRUE(wait_until([&] { return Skinned(window); }));
  flush_events(200);
  const COLORREF darkCaption = CaptionPixel();
  testing_support::set_system_look(&light);
  flush_events(300);
  const COLORREF lightCaption = CaptionPixel();
  EXPECT_NE(lightCaption, darkCaption) << "the system turned light";
  testing_support::set_system_look(&dark);
  flush_events(300);
  EXPECT_EQ(CaptionPixel(), darkCaption) << "and dark again";

  ASSERT_EQ(dll.LoadBuiltIn(L"Longhorn Blue"), QUARNEL_SKIN_OK);  // the program's own choice
  flush_events(300);
  testing_support::set_system_look(&dark);
  flush_events(300);
  EXPECT_EQ(CaptionPixel(), lightCaption) << "a load ends the following";
  testing_support::set_system_look(nullptr);
}

TEST_F(SkinDllTest, CallsFromAnotherThreadAreRefusedWithTheirOwnText) {
  StartSkinned();
  int load = 0, start = 0, exclude = 0;
  std::wstring text;
  std::thread other([&] {
    load = dll.LoadBuiltIn(L"Graphite Dark");
    start = dll.Start();
    exclude = dll.ExcludeWindow(window, 1);
    text = dll.LastError();
  });
  other.join();
  EXPECT_EQ(load, QUARNEL_SKIN_E_THREAD);
  EXPECT_EQ(start, QUARNEL_SKIN_E_THREAD);
  EXPECT_EQ(exclude, QUARNEL_SKIN_E_THREAD);
  EXPECT_NE(text.find(L"thread"), std::wstring::npos) << text;
  EXPECT_EQ(std::wstring(dll.LastError()), L"") << "the last error is the calling thread's own";
  flush_events(100);
  EXPECT_TRUE(Skinned(window)) << "nothing changed";
}

TEST_F(SkinDllTest, AnExcludedWindowKeepsItsLookWithItsChildren) {
  ASSERT_EQ(dll.ExcludeWindow(window, 1), QUARNEL_SKIN_OK);
  ASSERT_EQ(dll.LoadBuiltIn(L"Longhorn Blue"), QUARNEL_SKIN_OK);
  const Capture plain = capture_window(window);
  ASSERT_EQ(dll.Start(), QUARNEL_SKIN_OK);
  flush_events(300);
  EXPECT_FALSE(Skinned(window));
  EXPECT_FALSE(Skinned(button));
  EXPECT_TRUE(capture_window(window).pixels == plain.pixels);

  ASSERT_EQ(dll.ExcludeWindow(window, 0), QUARNEL_SKIN_OK);
  EXPECT_TRUE(wait_until([&] { return Skinned(window) && Skinned(button); }));
  ASSERT_EQ(dll.ExcludeWindow(button, 1), QUARNEL_SKIN_OK);
  flush_events(100);
  EXPECT_FALSE(Skinned(button)) << "a skinned control gets its own look back at once";
  EXPECT_TRUE(Skinned(edit));
  EXPECT_TRUE(Skinned(window));
}

// A host stops skinning from a menu command of the skinned window itself, and unloads the DLL
// while skinning runs: neither may crash it, and its windows keep working in their own look.
TEST_F(SkinDllTest, StopFromTheWindowsOwnCommandAndUnloadingWhileSkinnedLeaveAWorkingWindow) {
  const Capture before = capture_window(window);
  StartSkinned();
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(kStopCommand, 0), 0);
  flush_events(300);
  EXPECT_TRUE(capture_window(window).pixels == before.pixels) << "its own look once the message is done";
  for (HWND w : {window, button, edit, toolbar, list, ListView_GetHeader(list)})
    EXPECT_FALSE(Skinned(w)) << w;

  ASSERT_EQ(dll.Start(), QUARNEL_SKIN_OK);
  ASSERT_TRUE(wait_until([&] { return Skinned(window); }));
  dll.Close();
  flush_events(100);
  EXPECT_FALSE(Skinned(window));
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SetWindowPos(window, nullptr, 0, 0, 340, 240, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(button, BM_CLICK, 0, 0);
  flush_events(100);
  EXPECT_TRUE(IsWindow(window));
  wchar_t text[16] = L"";
  GetWindowTextW(edit, text, 16);
  EXPECT_STREQ(text, L"text");

  ASSERT_TRUE(dll.Open()) << "loaded again after an unload";
  StartSkinned(L"Graphite Dark");
  EXPECT_TRUE(Skinned(button));
}

}  // namespace
