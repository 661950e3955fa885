// The skin manager's list of popup menu windows on screen: which are taken (by the kind of menu
// that opens next and the skin data's options), the tracking mark, and their release.
// UI thread only.
#include "skin/controls/manager/popup_skin_list.h"

#include <algorithm>

#include "framework/ui/menu.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

namespace {

bool PopupKindAllowed(int32_t kind, TSkinControlSet controls) {
  switch (kind) {
    case pkContextMenu:
      return controls & Bit(xcPopupMenu);
    case pkMenuBarDropDown:
      return controls & (Bit(xcMainMenu) | Bit(xcMenuItem));
    case pkWindowMenu:
      return controls & Bit(xcSystemMenu);
    default:
      return false;
  }
}

}  // namespace

bool TPopupSkinList::IsSkinned(HWND popup) const {
  return std::any_of(skins_.begin(), skins_.end(),
                     [popup](const TPopupSkinEntry& entry) { return entry.Window == popup; });
}

bool TPopupSkinList::Take(HWND popup) {
  if (!manager_.Running() || !popup) return false;
  if (SendMessageA(popup, SKM_QUERYSKINNED, 0, 0) == 1 || IsSkinned(popup)) return false;
  TSkinData* data = manager_.SkinData().ChooseFor(popup);
  if (!data || data->Empty()) return false;
  if (!skinDrawn_ && !PopupKindAllowed(kind_, data->SkinControls())) return false;
  auto skin = std::make_unique<TWinSkinPopMenu>();
  skin->Attach(popup, data, [] {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && manager->Running();
  });
  skins_.push_back(TPopupSkinEntry{popup, data, std::move(skin)});
  return true;
}

void TPopupSkinList::Release(HWND popup) {
  if (manager_.SkinningCount() == kSkinningCountDestroying) return;
  auto it = std::find_if(skins_.begin(), skins_.end(),
                         [popup](const TPopupSkinEntry& entry) { return entry.Window == popup; });
  if (it == skins_.end()) return;
  skins_.erase(it);
  if (skins_.empty()) kind_ = pkContextMenu;
}

}  // namespace quarnel
