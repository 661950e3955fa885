// The skin manager's list of popup menu windows on screen: which are taken (by the kind of menu
// that opens next and the skin data's options), the tracking mark, and their release.
// UI thread only.
#include <algorithm>

#include "framework/ui/menu.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

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

bool TSkinManage::IsPopupSkinned(HWND popup) const {
  return std::any_of(popupSkins_.begin(), popupSkins_.end(),
                     [popup](const TPopupSkinEntry& entry) { return entry.Window == popup; });
}

bool TSkinManage::SkinPopupMenu(HWND popup) {
  if (!running_ || !popup) return false;
  if (SendMessageA(popup, SKM_QUERYSKINNED, 0, 0) == 1 || IsPopupSkinned(popup)) return false;
  TSkinData* data = ChooseSkinData(popup);
  if (!data || data->Empty()) return false;
  if (!skinDrawnPopups_ && !PopupKindAllowed(popupKind_, data->SkinControls())) return false;
  auto skin = std::make_unique<TWinSkinPopMenu>();
  skin->Attach(popup, data, [] {
    TSkinManage* manager = Instance();
    return manager && manager->Running();
  });
  popupSkins_.push_back(TPopupSkinEntry{popup, popupTracking_, data, std::move(skin)});
  return true;
}

void TSkinManage::ReleasePopupMenu(HWND popup) {
  if (skinningCount_ == kSkinningCountDestroying) return;
  auto it = std::find_if(popupSkins_.begin(), popupSkins_.end(),
                         [popup](const TPopupSkinEntry& entry) { return entry.Window == popup; });
  if (it == popupSkins_.end()) return;
  popupSkins_.erase(it);
  if (popupSkins_.empty()) {
    popupTracking_ = false;
    popupKind_ = pkContextMenu;
  }
}

void TSkinManage::MarkPopupsTracking() {
  for (TPopupSkinEntry& entry : popupSkins_) entry.Tracking = true;
}

}  // namespace quarnel
