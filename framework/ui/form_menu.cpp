// A form's menu bar: the menu handle put on the window, its item commands and owner-drawn
// items routed to the items, and the handle taken off before the menu or the window goes.
// User-interface thread.
#include "framework/ui/form.h"
#include "framework/ui/menu.h"

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  if (!handle_) return;
  ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
  DrawMenuBar(handle_);
}

// The window would destroy an attached menu with itself: the menu component owns its handle.
void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove || component != menu_) return;
  if (handle_ && IsWindow(handle_)) ::SetMenu(handle_, nullptr);
  menu_ = nullptr;
}

bool TCustomForm::DispatchMenuMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      // Menu commands come with notification code 0 and no control window.
      if (m.LParam || HIWORD(m.WParam)) return false;
      return menu_->DispatchCommand(LOWORD(m.WParam));
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (m.WParam || draw.CtlType != ODT_MENU || !menu_->DispatchDrawItem(draw)) return false;
      m.Result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (m.WParam || measure.CtlType != ODT_MENU || !menu_->DispatchMeasureItem(measure)) return false;
      m.Result = TRUE;
      return true;
    }
    case WM_MENUCHAR:
      return menu_->DispatchMenuChar(reinterpret_cast<HMENU>(m.LParam), LOWORD(m.WParam), m.Result);
    case CM_MENUCHANGED:
      // The menu was built again: its new handle goes on the window.
      if (reinterpret_cast<TMainMenu*>(m.LParam) != menu_ || !handle_) return false;
      ::SetMenu(handle_, menu_->Handle());
      DrawMenuBar(handle_);
      return true;
    default:
      return false;
  }
}
