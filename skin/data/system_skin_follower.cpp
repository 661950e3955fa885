// TSystemSkinFollower: the matching package in force now and at each announcement. UI thread.
#include "skin/data/system_skin_follower.h"

#include <utility>

#include "skin/data/skin_data.h"

namespace quarnel {

TSystemSkinFollower::TSystemSkinFollower(TSkinData& data, std::vector<uint8_t> light,
                                         std::vector<uint8_t> dark)
    : data_(data), light_(std::move(light)), dark_(std::move(dark)), watch_([this] { Apply(); }) {}

bool TSystemSkinFollower::Apply() {
  const std::vector<uint8_t>& wanted = SystemUsesLightApps() ? light_ : dark_;
  if (data_.PackedSkin() == wanted) return true;
  if (!data_.LoadPackage(wanted)) return false;
  data_.ApplySkin();
  return true;
}

}  // namespace quarnel
