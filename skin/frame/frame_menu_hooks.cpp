// TFrameMenuHooks: the owner-draw handlers put on the items of a skinned form's menu components,
// which draw and measure each item in the skin's look. UI thread of the skinned window.
#include "skin/frame/frame_menu_hooks.h"

#include <algorithm>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/menu_item_paint.h"

namespace quarnel {

namespace {
constexpr char kRichEditFormClass[] = "TwwRichEditForm";
}  // namespace

void TFrameMenuHooks::HookPopupMenus(TComponent* root, bool on) {
  if (!root || view_.WindowClass() == kRichEditFormClass) return;
  if (view_.Form() && view_.Form()->ClassName() == kRichEditFormClass) return;
  // Turning off must not read the skin data, which may be gone by then.
  if (on) {
    if (!view_.Skin() || !(view_.Skin()->SkinControls() & Bit(xcPopupMenu))) return;
    hookedDisableTag_ = view_.Skin()->DisableTag();
  }
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    if (ObjectAs<TCustomForm>(component)) {
      HookPopupMenus(component, on);
      continue;
    }
    auto* popup = ObjectAs<TPopupMenu>(component);
    if (!popup || popup->Tag() == hookedDisableTag_) continue;
    popup->SetOwnerDraw(on);
    HookMenuItems(*popup->Items(), on);
  }
}

// Every item at every depth below `parent`; an item's own measure handler is kept.
void TFrameMenuHooks::HookMenuItems(TMenuItem& parent, bool on) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (on) {
      item->OnDrawItem = [this](TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinMenuItem(sender, canvas, rect, state);
      };
      if (!item->OnMeasureItem)
        item->OnMeasureItem = [this](TMenuItem* sender, TCanvas&, int& width, int&) {
          MeasurePopupMenuItem(sender, width);
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
void TFrameMenuHooks::HookMainMenus(bool on) {
  TCustomForm* form = view_.Form();
  if (!form) return;
  if (!on) {
    for (auto [menu, item] : mainMenuHooks_)
      if (IsOwnedMainMenu(menu) && menu->FindItemByAddress(reinterpret_cast<ULONG_PTR>(item))) {
        item->OnDrawItem = nullptr;
        item->OnMeasureItem = nullptr;
      }
    mainMenuHooks_.clear();
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (auto* menu = ObjectAs<TMainMenu>(form->Components(i));
          menu && menu->OwnerDraw() && mainMenusOwnerDrawn_)
        menu->SetOwnerDraw(false);
    mainMenusOwnerDrawn_ = false;
    return;
  }
  if (!view_.Skin() || !(view_.Skin()->SkinControls() & Bit(xcMenuItem))) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* menu = ObjectAs<TMainMenu>(form->Components(i));
    if (!menu) continue;
    for (int j = 0; j < menu->Items()->Count(); ++j) HookMainMenuItems(*menu, *menu->Items()->Items(j));
    if (!menu->OwnerDraw()) {
      mainMenusOwnerDrawn_ = true;
      menu->SetOwnerDraw(true);
    }
  }
}

void TFrameMenuHooks::HookMainMenuItems(TMainMenu& menu, TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->OnDrawItem) {
      item->OnDrawItem = [this](TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinMenuItem(sender, canvas, rect, state);
      };
      item->OnMeasureItem = [this](TMenuItem* sender, TCanvas&, int& width, int&) {
        if (sender) ::quarnel::MeasureMainMenuItem(view_.Skin(), *sender, width);
      };
      mainMenuHooks_.emplace_back(&menu, item);
    }
    HookMainMenuItems(menu, *item);
  }
}

bool TFrameMenuHooks::IsOwnedMainMenu(TMainMenu* menu) const {
  for (int i = 0; view_.Form() && i < view_.Form()->ComponentCount(); ++i)
    if (view_.Form()->Components(i) == menu) return true;
  return false;
}

void TFrameMenuHooks::HookReferencedMenu(TComponent* component) {
  auto* menu = ObjectAs<TMenu>(component);
  if (!menu || !view_.Skin() || (view_.Form() && menu == view_.Form()->Menu()))
    return;  // the bar serves the form's own
  if (std::find(hookedMenus_.begin(), hookedMenus_.end(), menu) != hookedMenus_.end()) return;
  menu->FreeNotification(&frame_);
  hookedMenus_.push_back(menu);
  menu->SetOwnerDraw(true);
  HookMenuItems(*menu->Items(), true);
}

void TFrameMenuHooks::UnhookReferencedMenus() {
  for (TMenu* menu : hookedMenus_) {
    HookMenuItems(*menu->Items(), false);
    menu->SetOwnerDraw(false);
    menu->RemoveFreeNotification(&frame_);
  }
  hookedMenus_.clear();
}

void TFrameMenuHooks::ForgetMenu(TComponent* component) {
  hookedMenus_.erase(std::remove(hookedMenus_.begin(), hookedMenus_.end(), component), hookedMenus_.end());
}

void TFrameMenuHooks::DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state) {
  if (!item) return;
  ::quarnel::DrawSkinMenuItem(
      TMenuItemPaint{view_.Skin(), view_.Facts().RightToLeft, (state & ODS_NOACCEL) != 0}, *item, canvas,
      (state & ODS_SELECTED) != 0, rect);
}

void TFrameMenuHooks::MeasurePopupMenuItem(TMenuItem* item, int& width) {
  if (item) ::quarnel::MeasurePopupMenuItem(view_.Skin(), *item, width);
}

}  // namespace quarnel
