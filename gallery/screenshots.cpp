// Screenshots of the gallery's pages, its File drop-down, its window menu and the dialog demo's
// open-file and system-controls dialogs in every skin. User-interface thread.
#include "gallery/screenshots.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <cctype>
#include <utility>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/ui/application.h"
#include "framework/win/handles.h"
#include "gallery/demo_forms.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_messages.h"

namespace gallery {
namespace {

// "Longhorn Blue" -> "longhorn-blue".
std::wstring Slug(const std::string& name) {
  std::wstring slug;
  for (char c : name)
    slug += c == ' ' ? L'-' : static_cast<wchar_t>(std::tolower(static_cast<unsigned char>(c)));
  return slug;
}

// A rectangle of the screen as it is now.
bool SaveScreenRect(const RECT& r, const std::wstring& path) {
  TBitmap shot;
  shot.SetPixelFormat(pf24bit);
  shot.SetSize(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  const bool copied =
      BitBlt(shot.DC(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  if (!copied) return false;
  const std::vector<uint8_t> data = shot.SaveToMemory();
  HANDLE opened =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  fw::UniqueKernelHandle file(opened);
  DWORD written = 0;
  return WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
         written == data.size();
}

// The window as it is on screen, frame included, brought to the front first.
bool SaveWindow(HWND window, const std::wstring& path) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(150);
  RECT r{};
  GetWindowRect(window, &r);
  return SaveScreenRect(r, path);
}

// An open menu with the window under it, taken from inside the menu's loop by a thread timer
// once the menu has had a few ticks to paint.
struct MenuShot {
  HWND window = nullptr;
  std::wstring path;
  int ticks = 0;
  bool saved = false;
};
MenuShot menuShot;

void CALLBACK ShootOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (++menuShot.ticks > 200) EndMenu();
  if (!popup || !IsWindowVisible(popup) || menuShot.ticks < 8 || menuShot.saved) return;
  RECT both{}, menu{};
  GetWindowRect(menuShot.window, &both);
  GetWindowRect(popup, &menu);
  UnionRect(&both, &both, &menu);
  menuShot.saved = SaveScreenRect(both, menuShot.path);
  EndMenu();
}

// Opens a menu by the window's keyboard-menu command (a letter: that bar item; a space: the
// window menu) and saves it; the command returns when the menu has closed.
int SaveMenu(HWND window, wchar_t key, const std::wstring& path) {
  SetForegroundWindow(window);
  PumpFor(100);
  menuShot = MenuShot{window, path};
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &ShootOpenMenu);
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, key);
  KillTimer(nullptr, timer);
  PumpFor(100);
  return menuShot.saved ? 1 : 0;
}

// A modal dialog of the dialog demo, taken from inside its modal loop by a thread timer: once it
// is skinned (when a skin is on), its own steps run ten ticks apart, then it is repainted whole,
// saved and closed.
struct DialogShot {
  std::wstring path;
  bool skinned = false;
  bool (*isTheDialog)(HWND) = nullptr;
  std::vector<void (*)(HWND)> steps;
  int ticks = 0;
  size_t step = 0;
  int stepTick = 0;
  bool saved = false;
};
DialogShot dialogShot;

BOOL CALLBACK FindShotDialog(HWND window, LPARAM result) {
  wchar_t name[16] = {};
  if (!GetClassNameW(window, name, 16) || lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window) ||
      !dialogShot.isTheDialog(window))
    return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

void CALLBACK ShootDialog(HWND, UINT, UINT_PTR, DWORD) {
  DialogShot& shot = dialogShot;
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShotDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  ++shot.ticks;
  const size_t last = shot.steps.size() + 2;  // the steps, the repaint, the picture
  if (shot.step < last && shot.ticks - shot.stepTick >= 10 &&
      (shot.step > 0 || !shot.skinned || SendMessageW(dialog, SKM_QUERYSKINNED, 0, 0) == 1)) {
    if (shot.step < shot.steps.size()) {
      shot.steps[shot.step](dialog);
    } else if (shot.step == shot.steps.size()) {
      SetForegroundWindow(dialog);
      RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else {
      RECT r{};
      GetWindowRect(dialog, &r);
      shot.saved = SaveScreenRect(r, shot.path);
    }
    ++shot.step;
    shot.stepTick = shot.ticks;
  }
  if (shot.step == last || shot.ticks > 400) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Runs `show` (which returns when its dialog has closed) and saves the dialog on the way.
template <class Show>
int SaveDialog(DialogShot shot, Show show) {
  dialogShot = std::move(shot);
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &ShootDialog);
  show();
  KillTimer(nullptr, timer);
  PumpFor(100);
  return dialogShot.saved ? 1 : 0;
}

// The open-file dialog is sent to the system folder, which has files enough for a scroll bar,
// then switched to its details view, which shows the list's column header.
void OpenSystemFolder(HWND dialog) {
  wchar_t system[MAX_PATH] = L"";
  GetSystemDirectoryW(system, MAX_PATH);
  // A folder typed as the file name opens that folder.
  SetDlgItemTextW(dialog, 1148, system);  // the file name box
  SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}

void ShowDetails(HWND dialog) {
  HWND bar = FindWindowExW(dialog, nullptr, L"ToolbarWindow32", nullptr);
  const int count = bar ? static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0)) : 0;
  TBBUTTON details{};  // the last button of the dialog's tool bar
  if (count > 0 && SendMessageW(bar, TB_GETBUTTON, count - 1, reinterpret_cast<LPARAM>(&details)))
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(details.idCommand, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar));
}

bool IsOpenFileDialog(HWND dialog) {
  return FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr) != nullptr;
}

bool IsSystemControlsDialog(HWND dialog) {
  return GetDlgItem(dialog, 110) && GetDlgItem(dialog, 111);  // its tab control and group box
}

// The dialog demo's own dialogs: the open-file dialog and the dialog of plain system controls.
int SaveDemoDialogs(TDialogDemoForm& demo, bool skinned, const std::wstring& prefix) {
  int saved = SaveDialog(
      DialogShot{prefix + L"open-file.bmp", skinned, IsOpenFileDialog, {OpenSystemFolder, ShowDetails}},
      [&] { demo.OpenFileClick(nullptr); });
  saved += SaveDialog(DialogShot{prefix + L"system-controls.bmp", skinned, IsSystemControlsDialog, {}},
                      [&] { RunTemplateDialog(demo.Handle()); });
  return saved;
}

}  // namespace

void PumpFor(int ms) {
  const DWORD start = GetTickCount();
  do {
    Application()->ProcessMessages();
    Sleep(5);
  } while (GetTickCount() - start < static_cast<DWORD>(ms));
}

void WaitForSwitch(const TSkinSwitcher& switcher) {
  const DWORD start = GetTickCount();
  while (switcher.Pending() && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    Application()->ProcessMessages();
  }
}

int SaveScreenshots(TGalleryForm& form, const std::wstring& folder) {
  TSkinSwitcher& switcher = form.Switcher();
  const bool wasOn = switcher.SkinOn();
  const int wasBuiltIn = switcher.BuiltInIndex();
  const int wasPage = form.CurrentPage();
  const std::wstring base =
      folder.empty() || folder.back() == L'\\' || folder.back() == L'/' ? folder : folder + L"\\";

  // Unskinned first, then each built-in skin.
  const int modes = 1 + static_cast<int>(BuiltInSkins().size());
  int saved = 0;
  for (int mode = 0; mode < modes; ++mode) {
    std::wstring slug = L"unskinned";
    if (mode == 0) {
      switcher.SetSkinOn(false);
    } else {
      form.UseBuiltInSkin(static_cast<size_t>(mode - 1));
      slug = Slug(BuiltInSkins()[mode - 1].Name);
    }
    WaitForSwitch(switcher);
    form.UpdateStatus();
    for (int page = 1; page <= form.PageCount(); ++page) {
      form.ShowPage(page);
      form.UpdateStatus();
      const std::string name = TGalleryForm::PageNames()[page - 1];
      saved += SaveWindow(form.Handle(), base + L"gallery-" + slug + L"-" + Slug(name) + L".bmp");
    }
    saved += SaveMenu(form.Handle(), L'f', base + L"gallery-" + slug + L"-file-menu.bmp");
    saved += SaveMenu(form.Handle(), L' ', base + L"gallery-" + slug + L"-window-menu.bmp");
    if (TMdiDemoForm* mdi = MdiDemo(); mdi && IsWindowVisible(mdi->Handle()))
      saved += SaveWindow(mdi->Handle(), base + L"gallery-" + slug + L"-mdi.bmp");
    if (TDialogDemoForm* dialogs = DialogDemo(); dialogs && IsWindowVisible(dialogs->Handle())) {
      saved += SaveWindow(dialogs->Handle(), base + L"gallery-" + slug + L"-dialogs.bmp");
      saved += SaveDemoDialogs(*dialogs, mode > 0, base + L"gallery-" + slug + L"-");
    }
  }

  form.ShowPage(wasPage);
  if (wasBuiltIn >= 0) form.UseBuiltInSkin(static_cast<size_t>(wasBuiltIn));
  WaitForSwitch(switcher);
  switcher.SetSkinOn(wasOn);
  WaitForSwitch(switcher);
  form.UpdateStatus();
  SetForegroundWindow(form.Handle());
  return saved;
}

}  // namespace gallery
