// TWinSkinForm and its skinned menu bar: taking the native bar at activation, hot tracking of
// the bar items, opening an item's drop-down under it with the system's popup tracking, and
// keyboard access through the window's keyboard-menu command. UI thread of the window.
#include "skin/data/skin_data.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

void TWinSkinForm::CreateMenuBar() {
  MenuBar.reset();
  if (!NativeMenu || FormKind != fkPlainForm || BorderKind == bkNoBorder) return;
  if (!(SkinData->SkinControls() & Bit(xcMainMenu))) return;
  auto bar = std::make_unique<TWinSkinMenu>(Window, SkinData);
  if (!bar->BuildButtons()) return;
  MenuBar = std::move(bar);
  MenuBarHeight = GetSystemMetrics(SM_CYMENU);
}

void TWinSkinForm::FreeMenuBar() {
  if (!MenuBar) return;
  MenuBar->GiveBack();
  MenuBar.reset();
  MenuBarHeight = 0;
}

// The item under the pointer is hot; the one that was hot before goes back to normal.
bool TWinSkinForm::MenuBarMouseMove(POINT framePoint) {
  if (!MenuBar) return false;
  TMenuBtn* hot = MenuTracking ? nullptr : MenuBar->ButtonAt(framePoint);
  for (TMenuBtn& button : MenuBar->Buttons) {
    const int state = &button == hot ? 3 : 1;
    if (button.State == state || button.State == 2) continue;
    button.State = state;
    fw::WindowDC dc(Window, fw::WindowDC::kWindow);
    MenuBar->PaintButton(dc.get(), button);
  }
  return hot != nullptr;
}

bool TWinSkinForm::OpenMenuButton(TMenuBtn* button) {
  if (!button || !MenuBar) return false;
  // An item without a drop-down is a command of its own; one with a drop-down carries none.
  if (!button->SubMenu) {
    PostMessageW(Window, WM_COMMAND, button->Command, 0);
    return false;
  }
  RECT window{};
  GetWindowRect(Window, &window);
  const int index = button->Index;
  MenuTracking = true;
  if (TFrameRegistry* manager = FrameRegistry()) manager->SetPopupKind(pkMenuBarDropDown);
  {
    fw::WindowDC dc(Window, fw::WindowDC::kWindow);
    for (TMenuBtn& other : MenuBar->Buttons) {
      other.State = &other == button ? 2 : 1;
      MenuBar->PaintButton(dc.get(), other);
    }
  }
  const int x = window.left + (RightToLeft ? button->Rect.right : button->Rect.left);
  const int y = window.top + button->Rect.bottom;
  if (button->ItemEnabled)
    TrackPopupMenu(button->SubMenu, TPM_RIGHTBUTTON | (RightToLeft ? TPM_RIGHTALIGN : 0), x, y, 0, Window,
                   nullptr);
  MenuTracking = false;
  // The bar may have been rebuilt while the drop-down was open.
  if (MenuBar && index < static_cast<int>(MenuBar->Buttons.size())) {
    MenuBar->Buttons[static_cast<size_t>(index)].State = 1;
    POINT cursor{};
    GetCursorPos(&cursor);
    fw::WindowDC dc(Window, fw::WindowDC::kWindow);
    MenuBar->PaintButton(dc.get(), MenuBar->Buttons[static_cast<size_t>(index)]);
    MenuBarMouseMove(FramePoint(cursor));
  }
  return true;
}

// Alt+letter, F10 and Alt+Space reach the window as its keyboard-menu command.
bool TWinSkinForm::MenuBarKeyMenu(TMessage& m) {
  if (!MenuBar || MenuTracking || GetCapture()) return false;
  const auto key = static_cast<wchar_t>(LOWORD(m.LParam));
  if (key == L' ') {
    POINT origin{0, 0};
    ClientToScreen(Window, &origin);
    ShowSystemMenu(origin);
    m.Result = 0;
    return true;
  }
  if (key == L'-') return false;
  TMenuBtn* button = key == 0 ? (MenuBar->Buttons.empty() ? nullptr : &MenuBar->Buttons.front())
                              : MenuBar->ButtonWithAccelerator(key);
  if (!button && key != 0) return false;
  if (button) OpenMenuButton(button);
  m.Result = 1;
  return true;
}

}  // namespace quarnel
