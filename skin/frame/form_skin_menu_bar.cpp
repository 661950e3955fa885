// TWinSkinForm and its skinned menu bar: taking the native bar at activation and after menu
// changes, hot tracking of the bar items, opening an item's drop-down under it with the system's
// popup tracking, and keyboard access (keyboard-menu command, Alt+letter). UI thread of the window.
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
  if (!(SkinData->SkinControls() & Bit(xcMainMenu))) return;
  auto bar = std::make_unique<TWinSkinMenu>(Window, SkinData);
  bar->Menu = Form ? Form->Menu() : nullptr;
  if (!bar->BuildButtons()) return;
  menuBand_.Bar = std::move(bar);
  metrics_.MenuBarHeight = GetSystemMetrics(SM_CYMENU);
}

void TWinSkinForm::FreeMenuBar() {
  if (!menuBand_.Bar) return;
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
    fw::WindowDC dc(Window, fw::WindowDC::kWindow);
    menuBand_.Bar->PaintButton(dc.get(), button);
  }
  return hot != nullptr;
}

namespace {

// The drop-down tracking of the one menu loop that can run at a time (it is modal).
struct TrackState {
  fw::UniqueHook Hook;
  TWinSkinForm* Form = nullptr;
  int CurrentIndex = -1;
  int NextIndex = -1;  // the bar item to open once the present drop-down has closed
  bool Started = false;
  POINT LastPointer{};
};
TrackState track;

struct OpenMenus {
  int Depth = 0;         // popup menu windows of this thread on screen
  int OpenBranches = 0;  // of their menus, those whose selected item has a submenu
};

BOOL CALLBACK CountMenu(HWND window, LPARAM data) {
  auto& open = *reinterpret_cast<OpenMenus*>(data);
  if (!IsWindowVisible(window) || WindowClassName(window) != "#32768") return TRUE;
  ++open.Depth;
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if ((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) && GetSubMenu(menu, i))
      ++open.OpenBranches;
  return TRUE;
}

OpenMenus CountOpenMenus() {
  OpenMenus open;
  EnumThreadWindows(GetCurrentThreadId(), &CountMenu, reinterpret_cast<LPARAM>(&open));
  return open;
}

// Left leaves the drop-down for the previous bar item only from the drop-down's own level;
// right goes to the next one unless the selected item opens a submenu.
int ArrowTarget(WPARAM key, int count) {
  const OpenMenus open = CountOpenMenus();
  if (key == VK_LEFT && open.Depth <= 1) return (track.CurrentIndex + count - 1) % count;
  if (key == VK_RIGHT && open.OpenBranches < open.Depth) return (track.CurrentIndex + 1) % count;
  return -1;
}

LRESULT CALLBACK TrackHookProc(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TWinSkinForm* form = track.Form;
  if (form && form->Activation().RightToLeft && msg && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_LEFT)
      msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT)
      msg->wParam = VK_LEFT;
  }
  const LRESULT next = CallNextHookEx(track.Hook.get(), code, wParam, lParam);
  if (next || code != MSGF_MENU || !form || !form->MenuBar() || !msg) return next;
  if (!track.Started) {
    track.Started = true;
    PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);  // the drop-down opens on its first item
  }
  const int count = static_cast<int>(form->MenuBar()->Buttons.size());
  int target = -1;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) target = ArrowTarget(msg->wParam, count);
      break;
    case WM_MOUSEMOVE:
      if (msg->pt.x != track.LastPointer.x || msg->pt.y != track.LastPointer.y) {
        if (TMenuBtn* under = form->MenuBar()->ButtonAt(form->FramePoint(msg->pt))) target = under->Index;
        track.LastPointer = msg->pt;
      }
      break;
    default:
      break;
  }
  if (target < 0 || target == track.CurrentIndex || count == 0) return 0;
  // The system's loop ends and OpenMenuButton opens the other item when it returns.
  track.NextIndex = target;
  EndMenu();
  return 1;
}

}  // namespace

bool TWinSkinForm::OpenMenuButton(TMenuBtn* button) {
  if (!button || !menuBand_.Bar) return false;
  // An item without a drop-down is a command of its own; one with a drop-down carries none.
  if (!button->SubMenu) {
    PostMessageW(Window, WM_COMMAND, button->Command, 0);
    return false;
  }
  if (track.Form) return false;  // a drop-down is open already
  int index = button->Index;
  menuBand_.Tracking = true;
  track.Form = this;
  track.Hook.reset(SetWindowsHookExW(WH_MSGFILTER, &TrackHookProc, nullptr, GetCurrentThreadId()));
  while (menuBand_.Bar && index >= 0 && index < static_cast<int>(menuBand_.Bar->Buttons.size())) {
    TMenuBtn& open = menuBand_.Bar->Buttons[static_cast<size_t>(index)];
    track.CurrentIndex = index;
    track.NextIndex = -1;
    track.Started = false;
    GetCursorPos(&track.LastPointer);
    if (TFrameRegistry* manager = FrameRegistry()) manager->SetPopupKind(pkMenuBarDropDown);
    {
      fw::WindowDC dc(Window, fw::WindowDC::kWindow);
      for (TMenuBtn& other : menuBand_.Bar->Buttons) {
        other.State = &other == &open ? 2 : 1;
        menuBand_.Bar->PaintButton(dc.get(), other);
      }
    }
    RECT window{};
    GetWindowRect(Window, &window);
    const int x = window.left + (activation_.RightToLeft ? open.Rect.right : open.Rect.left);
    const int y = window.top + open.Rect.bottom;
    if (open.ItemEnabled && open.SubMenu) {
      menuBand_.Bar->OwnerDrawDropDown(open.SubMenu);
      TrackPopupMenu(open.SubMenu, TPM_RIGHTBUTTON | (activation_.RightToLeft ? TPM_RIGHTALIGN : 0), x, y, 0,
                     Window, nullptr);
      if (menuBand_.Bar) menuBand_.Bar->RestoreDropDown();
    }
    if (menuBand_.Bar && index < static_cast<int>(menuBand_.Bar->Buttons.size())) {
      menuBand_.Bar->Buttons[static_cast<size_t>(index)].State = 1;
      fw::WindowDC dc(Window, fw::WindowDC::kWindow);
      menuBand_.Bar->PaintButton(dc.get(), menuBand_.Bar->Buttons[static_cast<size_t>(index)]);
    }
    index = track.NextIndex;
  }
  track.Hook.reset();
  track = TrackState{};
  menuBand_.Tracking = false;
  POINT cursor{};
  GetCursorPos(&cursor);
  MenuBarMouseMove(FramePoint(cursor));
  return true;
}

// Alt+letter, F10 and Alt+Space reach the window as its keyboard-menu command.
bool TWinSkinForm::MenuBarKeyMenu(TMessage& m) {
  if (menuBand_.Tracking || GetCapture()) return false;
  const auto key = static_cast<wchar_t>(LOWORD(m.LParam));
  // Alt+Space on any window with a window menu: the system would look for the window-menu
  // style, which the frame has taken off.
  if (key == L' ' && (menuBand_.Bar || (activation_.BorderIcons & kbiSystemMenu))) {
    POINT origin{0, 0};
    ClientToScreen(Window, &origin);
    ShowSystemMenu(origin);
    m.Result = 0;
    return true;
  }
  if (!menuBand_.Bar || key == L' ' || key == L'-') return false;
  TMenuBtn* button = key == 0 ? (menuBand_.Bar->Buttons.empty() ? nullptr : &menuBand_.Bar->Buttons.front())
                              : menuBand_.Bar->ButtonWithAccelerator(key);
  if (!button && key != 0) return false;
  if (button) OpenMenuButton(button);
  m.Result = 1;
  return true;
}

void TWinSkinForm::PostMenuBarPress(const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(Window, &window);
  const POINT at{window.left + button.Rect.left + 1, window.top + button.Rect.top + 1};
  PostMessageW(Window, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
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

void TWinSkinForm::HandleDialogChar(TMessage& m) {
  if (SavedFormHook) SavedFormHook(m);
  if (m.Result) return;
  const bool onlyAlt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (menuBand_.Bar && !menuBand_.Tracking) {
    TMenuBtn* button = menuBand_.Bar->ButtonWithAccelerator(static_cast<wchar_t>(m.WParam));
    if (button && onlyAlt) {
      PostMenuBarPress(*button);
      m.Result = 1;
    }
    return;
  }
  // Forms without a bar of their own: an MDI child's keys belong to its frame, those of a
  // secondary form to the main form.
  TCustomForm* next = nullptr;
  if (activation_.FormKind == fkMDIChild)
    next = ObjectAs<TCustomForm>(TWinControl::FindControl(GetAncestor(Window, GA_ROOT)));
  else if (Application() && Application()->MainForm() != Form)
    next = Application()->MainForm();
  if (next && next != Form && next->HandleAllocated()) m.Result = next->Perform(m.Msg, m.WParam, m.LParam);
}

// The frame is not painted while the menu changes; then the skinned bar takes the new menu.
void TWinSkinForm::HandleMenuChanged(TMessage& m) {
  const bool painting = SkinData->FramePainting;
  SkinData->FramePainting = false;
  Default(m);
  SkinData->FramePainting = painting;
  HookMainMenus(true);  // items added since are drawn by the skin too
  AdoptNativeMenu(SkinData->MenuUpdate());
}

// A menu put back on the window is read into the skinned bar (always when its handle is a new
// one: the old one is gone with its items) and taken off the window again; a window that had
// no bar gets one.
void TWinSkinForm::AdoptNativeMenu(bool rebuild) {
  HMENU menu = GetMenu(Window);
  if (!menu || activation_.FormKind == fkMDIChild) return;
  menuBand_.NativeMenu = menu;
  if (!menuBand_.Bar) {
    CreateMenuBar();
    if (menuBand_.Bar) RefreshFrame();  // the band takes its room from the client area
    return;
  }
  if (rebuild || menuBand_.Bar->NativeMenu != menu) {
    menuBand_.Bar->Menu = Form ? Form->Menu() : nullptr;
    menuBand_.Bar->BuildButtons();
  }
  if (GetMenu(Window)) SetMenu(Window, nullptr);
  PaintFrame(nullptr);
}

void TWinSkinForm::HandleMenuBarClick(TMessage& m) {
  const POINT frame = FramePoint(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  if (TWinSysButton* button = CaptionButtonAt(frame)) {
    CaptionButtonClick(*button);
    return;
  }
  if (menuBand_.Bar) OpenMenuButton(menuBand_.Bar->ButtonAt(frame));
}

}  // namespace quarnel
