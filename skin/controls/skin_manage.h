// TSkinManage: the process's single skin manager. Knows the registered skin data components,
// runs the actions they schedule (skin on, skin off, refresh) from its action timer, and
// counts window activations through its thread hook. UI thread only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/handles.h"

namespace quarnel {

class TSkinData;

enum TSkinAction : uint32_t { saNone = 0, saSkinOn = 1, saSkinOff = 2, saRefresh = 3 };

class TSkinManage {
 public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The manager, or null before the first skin data component finished loading.
  static TSkinManage* Instance();
  // The manager, made on first need.
  static TSkinManage& Ensure();
  // Ends the manager now (normally at module end).
  static void Destroy();

  void InstallHook();
  bool HookInstalled() const { return static_cast<bool>(hook_); }

  // The first registered component whose form type is sfMainform becomes the main one.
  void RegisterSkinData(TSkinData* data);
  void UnregisterSkinData(TSkinData* data);
  const std::vector<TSkinData*>& SkinDataList() const { return skinDataList_; }
  TSkinData* MainSkinData() const { return mainSkinData_; }
  TSkinData* CurrentSkinData() const { return currentSkinData_; }
  void SetCurrentSkinData(TSkinData* data) { currentSkinData_ = data; }

  // Schedules `action` after `delayMs`; a later call replaces a pending one and restarts the
  // delay. Before any window was activated the timer stays off: skin on and off take effect
  // at once and a refresh is dropped.
  void PostAction(uint32_t action, int delayMs);
  uint32_t PendingAction() const { return pendingAction_; }
  bool ActionTimerEnabled() const { return actionTimer_ != 0; }
  int ActionTimerInterval() const { return actionInterval_; }

  bool Running() const { return running_; }
  void SetRunning(bool running) { running_ = running; }
  int32_t SkinningCount() const { return skinningCount_; }
  void SetSkinningCount(int32_t count) { skinningCount_ = count; }
  bool BulkMode() const { return bulkMode_; }

  // Carries out the pending action (the action timer's event).
  void RunPendingAction();

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK ActionTimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void StartActionTimer();
  void StopActionTimer();

  std::vector<TSkinData*> skinDataList_;  // not owned
  TSkinData* mainSkinData_ = nullptr;
  TSkinData* currentSkinData_ = nullptr;
  uint32_t pendingAction_ = saNone;
  // A thread timer of its own: the manager lives until module end, beyond the framework's timers.
  UINT_PTR actionTimer_ = 0;
  int actionInterval_ = 100;
  fw::UniqueHook hook_;
  bool running_ = false;
  int32_t skinningCount_ = 0;
  bool bulkMode_ = false;
};

// Value of SkinningCount while the manager is being destroyed: lists are no longer kept.
constexpr int32_t kSkinningCountDestroying = 4;

}  // namespace quarnel
