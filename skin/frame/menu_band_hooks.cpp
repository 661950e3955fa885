// TFrameMenuBand and menus: the owner-draw handlers it puts on the items of its form's popup menu
// components, of the drop-downs of its main menus and of the skinned window menu, which draw and
// measure each item in the skin's look. UI thread of the skinned window.
#include <algorithm>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/menus/menu_item_paint.h"

namespace quarnel {

namespace {
constexpr char kRichEditFormClass[] = "TwwRichEditForm";
}  // namespace

void TFrameMenuBand::HookPopupMenus(TComponent* root, bool on) {
  if (!root || owner_.BandWindowClass() == kRichEditFormClass) return;
  if (owner_.BandForm() && owner_.BandForm()->ClassName() == kRichEditFormClass) return;
  // Turning off must not read the skin data, which may be gone by then.
  if (on) {
    if (!owner_.BandSkin() || !(owner_.BandSkin()->SkinControls() & Bit(xcPopupMenu))) return;
    hookedDisableTag_ = owner_.BandSkin()->DisableTag();
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
void TFrameMenuBand::HookMenuItems(TMenuItem& parent, bool on) {
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
void TFrameMenuBand::HookMainMenus(bool on) {
  TCustomForm* form = owner_.BandForm();
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
  if (!owner_.BandSkin() || !(owner_.BandSkin()->SkinControls() & Bit(xcMenuItem))) return;
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

void TFrameMenuBand::HookMainMenuItems(TMainMenu& menu, TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->OnDrawItem) {
      item->OnDrawItem = [this](TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinMenuItem(sender, canvas, rect, state);
      };
      item->OnMeasureItem = [this](TMenuItem* sender, TCanvas&, int& width, int&) {
        if (sender) ::quarnel::MeasureMainMenuItem(owner_.BandSkin(), *sender, width);
      };
      mainMenuHooks_.emplace_back(&menu, item);
    }
    HookMainMenuItems(menu, *item);
  }
}

bool TFrameMenuBand::IsOwnedMainMenu(TMainMenu* menu) const {
  for (int i = 0; owner_.BandForm() && i < owner_.BandForm()->ComponentCount(); ++i)
    if (owner_.BandForm()->Components(i) == menu) return true;
  return false;
}

void TFrameMenuBand::HookReferencedMenu(TComponent* component) {
  auto* menu = ObjectAs<TMenu>(component);
  if (!menu || !owner_.BandSkin() || (owner_.BandForm() && menu == owner_.BandForm()->Menu()))
    return;  // the bar serves the form's own
  if (std::find(hookedMenus_.begin(), hookedMenus_.end(), menu) != hookedMenus_.end()) return;
  menu->FreeNotification(&owner_.BandComponent());
  hookedMenus_.push_back(menu);
  menu->SetOwnerDraw(true);
  HookMenuItems(*menu->Items(), true);
}

void TFrameMenuBand::UnhookReferencedMenus() {
  for (TMenu* menu : hookedMenus_) {
    HookMenuItems(*menu->Items(), false);
    menu->SetOwnerDraw(false);
    menu->RemoveFreeNotification(&owner_.BandComponent());
  }
  hookedMenus_.clear();
}

void TFrameMenuBand::ForgetMenu(TComponent* component) {
  hookedMenus_.erase(std::remove(hookedMenus_.begin(), hookedMenus_.end(), component), hookedMenus_.end());
}

// A menu about to be shown for this window that no menu component of ours draws: its items
// become the skin's until the menu loop ends, when the kind of menu is skinned at all.
void TFrameMenuBand::TakeForeignMenu(HMENU menu, bool windowMenu) {
  if (!menu || !owner_.BandFacts().FrameEnabled || !owner_.BandSkin() || owner_.BandSkin()->Empty()) return;
  if (owner_.BandForm() && !windowMenu) return;  // a form's own menus are drawn through their components
  const TSkinControlSet kinds = windowMenu ? Bit(xcSystemMenu) : Bit(xcMainMenu) | Bit(xcMenuItem);
  if (!(owner_.BandSkin()->SkinControls() & kinds)) return;
  foreignItems_.SkinData = owner_.BandSkin();
  foreignItems_.OwnerDraw(menu, false);
}

void TFrameMenuBand::DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state) {
  if (!item) return;
  ::quarnel::DrawSkinMenuItem(TMenuItemPaint{owner_.BandSkin(), owner_.BandFacts().RightToLeft}, *item,
                              canvas, (state & ODS_SELECTED) != 0, rect);
}

void TFrameMenuBand::MeasurePopupMenuItem(TMenuItem* item, int& width) {
  if (item) ::quarnel::MeasurePopupMenuItem(owner_.BandSkin(), *item, width);
}

}  // namespace quarnel
