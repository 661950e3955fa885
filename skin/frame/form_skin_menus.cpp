// TWinSkinForm and menus: the owner-draw handlers it puts on the items of its form's popup menu
// components, of the drop-downs of its main menus and of the skinned window menu, which draw and
// measure each item in the skin's look. UI thread of the skinned window.
#include <algorithm>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/menu_item_paint.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
constexpr char kRichEditFormClass[] = "TwwRichEditForm";
}  // namespace

void TWinSkinForm::HookPopupMenus(TComponent* root, bool on) {
  if (!root || windowClassName_ == kRichEditFormClass) return;
  if (form_ && form_->ClassName() == kRichEditFormClass) return;
  // Turning off must not read the skin data, which may be gone by then.
  if (on) {
    if (!skinData_ || !(skinData_->SkinControls() & Bit(xcPopupMenu))) return;
    menuBand_.HookedDisableTag = skinData_->DisableTag();
  }
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    if (ObjectAs<TCustomForm>(component)) {
      HookPopupMenus(component, on);
      continue;
    }
    auto* popup = ObjectAs<TPopupMenu>(component);
    if (!popup || popup->Tag() == menuBand_.HookedDisableTag) continue;
    popup->SetOwnerDraw(on);
    HookMenuItems(*popup->Items(), on);
  }
}

// Every item at every depth below `parent`; an item's own measure handler is kept.
void TWinSkinForm::HookMenuItems(TMenuItem& parent, bool on) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (on) {
      item->OnDrawItem = [this](TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinMenuItem(sender, canvas, rect, state);
      };
      if (!item->OnMeasureItem)
        item->OnMeasureItem = [this](TMenuItem* sender, TCanvas& canvas, int& width, int& height) {
          MeasurePopupMenuItem(sender, canvas, width, height);
        };
    } else {
      item->OnDrawItem = nullptr;
      item->OnMeasureItem = nullptr;
    }
    HookMenuItems(*item, on);
  }
}

// The drop-downs of the form's main menus (the bar's own titles are the skinned bar's); an item
// with a draw handler of its own keeps it.
void TWinSkinForm::HookMainMenus(bool on) {
  if (!form_) return;
  if (!on) {
    for (auto [menu, item] : menuBand_.MainMenuHooks)
      if (IsOwnedMainMenu(menu) && menu->FindItemByAddress(reinterpret_cast<ULONG_PTR>(item))) {
        item->OnDrawItem = nullptr;
        item->OnMeasureItem = nullptr;
      }
    menuBand_.MainMenuHooks.clear();
    for (int i = 0; i < form_->ComponentCount(); ++i)
      if (auto* menu = ObjectAs<TMainMenu>(form_->Components(i));
          menu && menu->OwnerDraw() && menuBand_.MainMenusOwnerDrawn)
        menu->SetOwnerDraw(false);
    menuBand_.MainMenusOwnerDrawn = false;
    return;
  }
  if (!skinData_ || !(skinData_->SkinControls() & Bit(xcMenuItem))) return;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* menu = ObjectAs<TMainMenu>(form_->Components(i));
    if (!menu) continue;
    for (int j = 0; j < menu->Items()->Count(); ++j) HookMainMenuItems(*menu, *menu->Items()->Items(j));
    if (!menu->OwnerDraw()) {
      menuBand_.MainMenusOwnerDrawn = true;
      menu->SetOwnerDraw(true);
    }
  }
}

void TWinSkinForm::HookMainMenuItems(TMainMenu& menu, TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->OnDrawItem) {
      item->OnDrawItem = [this](TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinMenuItem(sender, canvas, rect, state);
      };
      item->OnMeasureItem = [this](TMenuItem* sender, TCanvas&, int& width, int&) {
        if (sender) ::quarnel::MeasureMainMenuItem(skinData_, *sender, width);
      };
      menuBand_.MainMenuHooks.emplace_back(&menu, item);
    }
    HookMainMenuItems(menu, *item);
  }
}

bool TWinSkinForm::IsOwnedMainMenu(TMainMenu* menu) const {
  for (int i = 0; form_ && i < form_->ComponentCount(); ++i)
    if (form_->Components(i) == menu) return true;
  return false;
}

void TWinSkinForm::HostHookMenu(TComponent* component) {
  auto* menu = ObjectAs<TMenu>(component);
  if (!menu || !skinData_ || (form_ && menu == form_->Menu())) return;  // the bar serves the form's own
  if (std::find(menuBand_.HookedMenus.begin(), menuBand_.HookedMenus.end(), menu) !=
      menuBand_.HookedMenus.end())
    return;
  menu->FreeNotification(this);
  menuBand_.HookedMenus.push_back(menu);
  menu->SetOwnerDraw(true);
  HookMenuItems(*menu->Items(), true);
}

void TWinSkinForm::UnhookReferencedMenus() {
  for (TMenu* menu : menuBand_.HookedMenus) {
    HookMenuItems(*menu->Items(), false);
    menu->SetOwnerDraw(false);
    menu->RemoveFreeNotification(this);
  }
  menuBand_.HookedMenus.clear();
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove)
    menuBand_.HookedMenus.erase(
        std::remove(menuBand_.HookedMenus.begin(), menuBand_.HookedMenus.end(), component),
        menuBand_.HookedMenus.end());
}

// A menu about to be shown for this window that no menu component of ours draws: its items
// become the skin's until the menu loop ends, when the kind of menu is skinned at all.
void TWinSkinForm::TakeForeignMenu(HMENU menu, bool windowMenu) {
  if (!menu || !activation_.FrameEnabled || !skinData_ || skinData_->Empty()) return;
  if (form_ && !windowMenu) return;  // a form's own menus are drawn through their components
  const TSkinControlSet kinds = windowMenu ? Bit(xcSystemMenu) : Bit(xcMainMenu) | Bit(xcMenuItem);
  if (!(skinData_->SkinControls() & kinds)) return;
  menuBand_.ForeignItems.SkinData = skinData_;
  menuBand_.ForeignItems.OwnerDraw(menu, false);
}

void TWinSkinForm::DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state) {
  if (!item) return;
  ::quarnel::DrawSkinMenuItem(TMenuItemPaint{skinData_, activation_.RightToLeft}, *item, canvas,
                              (state & ODS_SELECTED) != 0, rect);
}

void TWinSkinForm::MeasurePopupMenuItem(TMenuItem* item, TCanvas&, int& width, int&) {
  if (item) ::quarnel::MeasurePopupMenuItem(skinData_, *item, width);
}

}  // namespace quarnel
