// TWinSkinForm and its skinned menu bar: taking the native bar at activation and after menu
// changes, hot tracking of the bar items and keyboard access (keyboard-menu command, Alt+letter).
// Opening the drop-downs is form_skin_menu_tracking.cpp's. UI thread of the window.
#include <windowsx.h>

#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

void TWinSkinForm::CreateMenuBar() {
  menuBand_.Bar.reset();
  if (!menuBand_.NativeMenu || activation_.FormKind == fkMDIChild || activation_.BorderKind == bkNoBorder)
    return;
  if (!(skinData_->SkinControls() & Bit(xcMainMenu))) return;
  auto bar = std::make_unique<TWinSkinMenu>(window_, skinData_);
  bar->Menu = form_ ? form_->Menu() : nullptr;
  if (!bar->BuildButtons()) return;
  menuBand_.Bar = std::move(bar);
  menuBand_.SystemBar = false;
  metrics_.MenuBarHeight = GetSystemMetrics(SM_CYMENU);
}

namespace {

using DrawMenuBarTempProc = DWORD(WINAPI*)(HWND, HDC, LPRECT, HMENU, HFONT);

// The system's drawing of a menu bar at a place of the caller's choosing (not in every system's
// headers, so looked up).
DrawMenuBarTempProc DrawMenuBarTempEntry() {
  static const auto entry = reinterpret_cast<DrawMenuBarTempProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "DrawMenuBarTemp")));
  return entry;
}

}  // namespace

void TWinSkinForm::SyncSystemBar() {
  if (menuBand_.Bar || activation_.FormKind == fkMDIChild || activation_.BorderKind == bkNoBorder) return;
  menuBand_.SystemBar = GetMenu(window_) != nullptr && DrawMenuBarTempEntry() != nullptr;
  metrics_.MenuBarHeight = menuBand_.SystemBar ? GetSystemMetrics(SM_CYMENU) : 0;
}

void TWinSkinForm::LayOutSystemBar(HDC dc, RECT band) {
  HMENU menu = GetMenu(window_);
  const DrawMenuBarTempProc draw = DrawMenuBarTempEntry();
  if (!menuBand_.SystemBar || !menu || !draw || !dc || band.right <= band.left) return;
  // The system lays a bar out afresh only after one of its items changed (an item set as it is
  // will do): then its items stand in the band, where the system also tracks the pointer over
  // them and opens their drop-downs.
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  if (GetMenuItemInfoW(menu, 0, TRUE, &info)) SetMenuItemInfoW(menu, 0, TRUE, &info);
  draw(window_, dc, &band, menu, nullptr);
}

void TWinSkinForm::FreeMenuBar() {
  if (!menuBand_.Bar) return;
  AbandonMenuTracking();
  menuBand_.Bar->GiveBack();
  menuBand_.Bar.reset();
  metrics_.MenuBarHeight = 0;
}

// The item under the pointer is hot; the one that was hot before goes back to normal.
bool TWinSkinForm::MenuBarMouseMove(POINT framePoint) {
  if (!menuBand_.Bar) return false;
  TMenuBtn* hot = menuBand_.Tracking ? nullptr : menuBand_.Bar->ButtonAt(framePoint);
  for (TMenuBtn& button : menuBand_.Bar->Buttons) {
    const int state = &button == hot ? 3 : 1;
    if (button.State == state || button.State == 2) continue;
    button.State = state;
    fw::WindowDC dc(window_, fw::WindowDC::kWindow);
    menuBand_.Bar->PaintButton(dc.get(), button);
  }
  return hot != nullptr;
}

// Alt+letter, F10 and Alt+Space reach the window as its keyboard-menu command.
bool TWinSkinForm::MenuBarKeyMenu(TMessage& m, wchar_t key) {
  if (menuBand_.Tracking || GetCapture()) return false;
  // Alt+Space on any window with a window menu: the system would look for the window-menu
  // style, which the frame has taken off.
  if (key == L' ' && (menuBand_.Bar || (activation_.BorderIcons & kbiSystemMenu))) {
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    caption_.ShowSystemMenu(origin);
    m.Result = 0;
    return true;
  }
  if (!menuBand_.Bar || key == L' ' || key == L'-') return false;
  // A letter opens its item only with Alt alone: Shift or Ctrl held too, the key is not the
  // bar's (the command is also sent without any key down, by programs, so Alt is not asked for).
  if (key != 0 && (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0)) {
    m.Result = 0;
    return true;
  }
  TMenuBtn* button = key == 0 ? (menuBand_.Bar->Buttons.empty() ? nullptr : &menuBand_.Bar->Buttons.front())
                              : menuBand_.Bar->ButtonWithAccelerator(key);
  if (!button && key != 0) return false;
  if (button) OpenMenuButton(button);
  m.Result = 1;
  return true;
}

void TWinSkinForm::PostMenuBarPress(const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(window_, &window);
  const POINT at{window.left + button.Rect.left + 1, window.top + button.Rect.top + 1};
  PostMessageW(window_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
}

bool TWinSkinForm::ChildKeyMenu(wchar_t key) {
  if (!menuBand_.Bar || menuBand_.Tracking || GetCapture() || key == 0 || key == L' ' || key == L'-')
    return false;
  const bool onlyAlt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  TMenuBtn* button = menuBand_.Bar->ButtonWithAccelerator(key);
  if (!button || !onlyAlt) return false;
  PostMenuBarPress(*button);
  return true;
}

bool TWinSkinForm::OnDialogChar(TMessage& m, wchar_t key) {
  if (savedFormHook_) savedFormHook_(m);
  if (m.Result) return true;
  const bool onlyAlt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (menuBand_.Bar && !menuBand_.Tracking) {
    TMenuBtn* button = menuBand_.Bar->ButtonWithAccelerator(key);
    if (button && onlyAlt) {
      PostMenuBarPress(*button);
      m.Result = 1;
    }
    return true;
  }
  // Forms without a bar of their own: an MDI child's keys belong to its frame, those of a
  // secondary form to the main form.
  TCustomForm* next = nullptr;
  if (activation_.FormKind == fkMDIChild)
    next = ObjectAs<TCustomForm>(TWinControl::FindControl(GetAncestor(window_, GA_ROOT)));
  else if (Application() && Application()->MainForm() != form_)
    next = Application()->MainForm();
  if (next && next != form_ && next->HandleAllocated()) m.Result = next->Perform(m.Msg, m.WParam, m.LParam);
  return true;
}

// The frame is not painted while the menu changes; then the skinned bar takes the new menu.
bool TWinSkinForm::OnMenuChanged(TMessage& m) {
  if (!FrameDrawn()) return false;
  const bool painting = skinData_->FramePainting;
  skinData_->FramePainting = false;
  Default(m);
  skinData_->FramePainting = painting;
  HookMainMenus(true);  // items added since are drawn by the skin too
  AdoptNativeMenu(skinData_->MenuUpdate());
  return true;
}

// A menu put back on the window is read into the skinned bar (always when its handle is a new
// one: the old one is gone with its items) and taken off the window again; a window that had
// no bar gets one.
void TWinSkinForm::AdoptNativeMenu(bool rebuild) {
  HMENU menu = GetMenu(window_);
  if (!menu || activation_.FormKind == fkMDIChild) return;
  menuBand_.NativeMenu = menu;
  if (!menuBand_.Bar) {
    CreateMenuBar();
    SyncSystemBar();
    RefreshFrame();  // the band takes its room from the client area
    return;
  }
  if (rebuild || menuBand_.Bar->NativeMenu != menu) {
    menuBand_.Bar->Menu = form_ ? form_->Menu() : nullptr;
    menuBand_.Bar->BuildButtons();
  }
  if (GetMenu(window_)) SetMenu(window_, nullptr);
  PaintFrame(nullptr);
}

// SKM_MENUBARCLICK: a press on the band at a screen point, posted.
bool TWinSkinForm::OnMenuBarClick(POINT screen) {
  if (!FrameDrawn()) return false;
  const POINT frame = FramePoint(screen);
  if (TWinSysButton* button = caption_.ButtonAt(frame)) {
    caption_.ButtonClick(*button);
    return true;
  }
  if (menuBand_.Bar) OpenMenuButton(menuBand_.Bar->ButtonAt(frame));
  return true;
}

}  // namespace quarnel
