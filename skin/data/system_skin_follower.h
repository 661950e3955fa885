// TSystemSkinFollower: keeps a skin data component in the light or the dark package as the
// system is set for programs, switching when the system announces a change, for as long as it
// lives. User-interface thread (the component's).
#pragma once
#include <cstdint>
#include <vector>

#include "skin/data/system_theme.h"

namespace quarnel {

class TSkinData;

class TSystemSkinFollower {
 public:
  TSystemSkinFollower(TSkinData& data, std::vector<uint8_t> light, std::vector<uint8_t> dark);
  // Puts the package that matches the system's setting in force (nothing when it is already);
  // false when that package does not load, which leaves the skin in force as it was.
  bool Apply();

 private:
  TSkinData& data_;
  std::vector<uint8_t> light_, dark_;
  TSystemThemeWatch watch_;
};

}  // namespace quarnel
