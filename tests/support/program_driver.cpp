// Process and window helpers for end-to-end tests. Test thread.
#include "tests/support/program_driver.h"

#include "skin/data/skin_messages.h"
#include "tests/support/wine_paths.h"

namespace testing_support {

ProgramProcess::~ProgramProcess() {
  if (!pi_.hProcess) return;
  if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 99);
  CloseHandle(pi_.hProcess);
  CloseHandle(pi_.hThread);
}

bool ProgramProcess::Start(const std::string& exePath, const std::wstring& arguments,
                           const std::wstring& folder) {
  std::wstring exe;
  for (char c : host_path(exePath)) exe += static_cast<wchar_t>(c);
  std::wstring cmd = L"\"" + exe + L"\"";
  if (!arguments.empty()) cmd += L" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  return CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi_);
}

bool answers_skinned(HWND window) {
  DWORD_PTR answer = 0;
  return window && SendMessageTimeoutW(window, SKM_QUERYSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) &&
         answer == 1;
}

HWND visible_window_of(DWORD pid, const wchar_t* cls) {
  for (HWND w = FindWindowW(cls, nullptr); w; w = FindWindowExW(nullptr, w, cls, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

bool ProgramProcess::WaitForExit(DWORD ms, DWORD& exitCode) {
  if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(pi_.hProcess, &exitCode);
}

namespace {
struct ChildSearch {
  const wchar_t* text;
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM p) {
  auto* s = reinterpret_cast<ChildSearch*>(p);
  wchar_t buf[256];
  if (s->text) {
    GetWindowTextW(child, buf, 256);
    if (lstrcmpW(buf, s->text) != 0) return TRUE;
  }
  if (s->cls) {
    GetClassNameW(child, buf, 256);
    if (lstrcmpiW(buf, s->cls) != 0) return TRUE;
  }
  s->found = child;
  return FALSE;
}

struct DialogSearch {
  DWORD pid;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND wnd, LPARAM p) {
  auto* s = reinterpret_cast<DialogSearch*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(wnd, &owner);
  wchar_t cls[64], title[128];
  GetClassNameW(wnd, cls, 64);
  GetWindowTextW(wnd, title, 128);
  if ((s->pid == 0 || owner == s->pid) && lstrcmpW(cls, L"#32770") == 0 && lstrcmpW(title, s->title) == 0 &&
      IsWindowVisible(wnd)) {
    s->found = wnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM p) {
  wchar_t cls[64];
  GetClassNameW(child, cls, 64);
  if (lstrcmpiW(cls, L"Static") == 0) *reinterpret_cast<std::wstring*>(p) += window_text(child);
  return TRUE;
}
}  // namespace

HWND find_child(HWND parent, const wchar_t* text, const wchar_t* cls) {
  ChildSearch s{text, cls, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::wstring window_text(HWND wnd) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 2000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(wnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_BLOCK, 2000,
                      &got);
  text.resize(got);
  return text;
}

HWND wait_for_main_window(DWORD pid, DWORD ms) {
  DWORD start = GetTickCount();
  do {
    HWND wnd = FindWindowW(L"TForm1", L"Quarnel Ver:1.0");
    DWORD owner = 0;
    if (wnd) GetWindowThreadProcessId(wnd, &owner);
    if (wnd && owner == pid && IsWindowVisible(wnd) && find_child(wnd, L"Velmora网")) return wnd;
    Sleep(20);
  } while (GetTickCount() - start < ms);
  return nullptr;
}

HWND find_dialog(DWORD pid, const wchar_t* title) {
  DialogSearch s{pid, title, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::wstring static_text_of(HWND dialog) {
  std::wstring text;
  EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

void set_system_look(const DWORD* light) {
  constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  if (light)
    RegSetValueExW(key, L"AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(light),
                   sizeof *light);
  else
    RegDeleteValueW(key, L"AppsUseLightTheme");
  RegCloseKey(key);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"),
                      SMTO_ABORTIFHUNG, 5000, &answer);
}

}  // namespace testing_support
