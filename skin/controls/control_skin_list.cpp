// TControlSkinList: registration and lookup of a host's control skins. UI thread.
#include "skin/controls/control_skin_list.h"

#include <algorithm>

#include "skin/controls/skin_control.h"

namespace quarnel {

void TControlSkinList::Register(TSkinControl& skin) {
  if (std::find(skins_.begin(), skins_.end(), &skin) == skins_.end()) skins_.push_back(&skin);
}

void TControlSkinList::Unregister(TSkinControl& skin) {
  skins_.erase(std::remove(skins_.begin(), skins_.end(), &skin), skins_.end());
}

TSkinControl* TControlSkinList::Find(HWND window) const {
  if (!window) return nullptr;
  for (TSkinControl* skin : skins_)
    if (skin->Window() == window) return skin;
  return nullptr;
}

}  // namespace quarnel
