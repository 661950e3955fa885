// A tool bar that shows a menu: one button per menu-bar item, dropping the item's sub-menu under
// the button and running the chosen item. User-interface thread.
#include <algorithm>

#include "framework/controls/tool_bar.h"
#include "framework/ui/menu.h"

void TToolBar::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  MakeMenuButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) {
    menu_ = nullptr;
    if (!IsDestroying()) MakeMenuButtons();
  }
  if (operation == opRemove)
    menuButtons_.erase(std::remove(menuButtons_.begin(), menuButtons_.end(), component), menuButtons_.end());
}

void TToolBar::MakeMenuButtons() {
  for (TToolButton* button : std::vector<TToolButton*>(menuButtons_)) DestroyComponent(button);
  menuButtons_.clear();
  if (!menu_) return;
  TMenuItem* root = menu_->Items();
  for (int i = 0; i < root->Count(); ++i) {
    auto* button = CreateIn<TToolButton>(this);
    button->menuItem_ = root->Items(i);
    button->SetCaption(root->Items(i)->Caption());
    button->SetEnabled(root->Items(i)->Enabled());
    button->SetParent(this);
    menuButtons_.push_back(button);
  }
}

void TToolBar::TrackMenu(TToolButton* button) {
  TMenuItem* item = button->menuItem_;
  if (!item || !menu_) return;
  if (item->Count() == 0) {
    item->Click();
    return;
  }
  // The item's sub-menu is the popup at its position in the menu bar.
  TMenuItem* root = menu_->Items();
  HMENU sub = nullptr;
  for (int i = 0; i < root->Count() && !sub; ++i)
    if (root->Items(i) == item) sub = GetSubMenu(menu_->Handle(), i);
  if (!sub || !handle_) return;
  RECT r = ButtonRect(button);
  POINT below{r.left, r.bottom};
  ClientToScreen(handle_, &below);
  const WPARAM command = static_cast<WPARAM>(button->Index() + 1);
  SendMessageW(handle_, TB_PRESSBUTTON, command, TRUE);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(sub, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                       below.x, below.y, 0, handle_, nullptr));
  SendMessageW(handle_, TB_PRESSBUTTON, command, FALSE);
  if (chosen) menu_->DispatchCommand(chosen);
}
