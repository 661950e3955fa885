// The skin manager's side of the skin data observer: it registers the skin data components as
// they finish reading and schedules the actions their loads, applies and Active changes ask for.
// Installed while the program module starts, whenever the manager is part of the program. UI thread.
#include <algorithm>

#include "framework/ui/form.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_data_observer.h"

namespace quarnel {

namespace {

constexpr int kActionDelayMs = 250;

class TManagerObserver final : public TSkinDataObserver {
 public:
  void SkinDataLoaded(TSkinData& data) override {
    TSkinManage& manager = TSkinManage::Ensure();
    const auto& list = manager.SkinData().All();
    if (std::find(list.begin(), list.end(), &data) == list.end()) manager.SkinData().Register(&data);
    if (data.SkinFormtype() == sfMainform) {
      manager.Hook().Install();
    } else {
      manager.SetRunning(true);
      manager.SetSkinningCount(manager.SkinningCount() + 1);
      // Only-this-form and dialog components skin their own form at once (if it can be now).
      if (auto* form = ObjectAs<TCustomForm>(data.Owner()); form && data.Active()) manager.SkinForm(form);
    }
  }

  void SkinApplied(TSkinData& data) override {
    if (!TSkinManage::Instance()) data.Loaded();
    TSkinManage& manager = TSkinManage::Ensure();
    manager.SkinData().SetCurrent(&data);
    // The caption buttons point into the records the load just replaced: they go now, not at
    // the refresh, so that no mouse move or paint before it reads a freed record.
    manager.FormSkins().ResetCaptionButtons(&data);
    if (manager.Running()) manager.Actions().Post(saRefresh, kActionDelayMs);
  }

  void SkinActionRequested(TSkinData& data, TSkinAction action) override {
    TSkinManage& manager = TSkinManage::Ensure();
    manager.SkinData().SetCurrent(&data);
    manager.Actions().Post(action, kActionDelayMs);
  }

  void ActiveChanged(TSkinData& data, bool active) override {
    const TSkinAction action = active ? saSkinOn : saSkinOff;
    if (data.SkinFormtype() == sfMainform) {
      if (active && data.Empty()) return;
      SkinActionRequested(data, action);
      if (active) TSkinManage::Ensure().SetRunning(true);
    } else if (data.SkinFormtype() == sfOnlyThisForm) {
      TSkinManage::Ensure().SkinData().SetCurrent(&data);
      if (active && data.Empty()) return;
      SkinActionRequested(data, action);
    }
  }

  void SkinDataGone(TSkinData& data) override {
    if (TSkinManage* manager = TSkinManage::Instance()) manager->UnregisterSkinData(&data);
  }
};

TManagerObserver managerObserver;
const bool installedAtStart = (InstallSkinManager(), true);

}  // namespace

void InstallSkinManager() {
  SetSkinDataObserver(&managerObserver);
}

}  // namespace quarnel
