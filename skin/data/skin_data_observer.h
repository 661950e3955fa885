// The observer through which the skin data components tell the skin manager, which sits above
// them and installs itself here, about their loads, applies and activation. UI thread.
#pragma once
#include <cstdint>

namespace quarnel {

class TSkinData;

enum TSkinAction : uint32_t { saNone = 0, saSkinOn = 1, saSkinOff = 2, saRefresh = 3 };

class TSkinDataObserver {
 public:
  // The component finished reading (its skin is loaded, or failed to load).
  virtual void SkinDataLoaded(TSkinData& data) = 0;
  // The component's loaded skin should take effect on the skinned windows.
  virtual void SkinApplied(TSkinData& data) = 0;
  // The component asks for skinning to be switched on or off (saSkinOn, saSkinOff).
  virtual void SkinActionRequested(TSkinData& data, TSkinAction action) = 0;
  // The component's Active property changed outside reading.
  virtual void ActiveChanged(TSkinData& data, bool active) = 0;
  // The component is going away: nothing may keep it.
  virtual void SkinDataGone(TSkinData& data) = 0;

 protected:
  ~TSkinDataObserver() = default;
};

// The installed observer, or null when no manager watches.
TSkinDataObserver* SkinDataObserver();
void SetSkinDataObserver(TSkinDataObserver* observer);

}  // namespace quarnel
