// The skin manager: the single instance, skin data registration, the thread hook that counts
// window activations, and the action timer. UI thread only.
#include "skin/controls/skin_manage.h"

#include <algorithm>
#include <memory>

#include "skin/data/optional_user_api.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

// Constant-initialised, so it is destroyed after every dynamically made static (the
// application object among them): components freed at module end still find the manager.
constinit std::unique_ptr<TSkinManage> theManager;

// Set once the manager is gone: a hook call still on its way then only passes the event on.
bool hookDisabled = false;
constexpr int kInitialTimerInterval = 100;

}  // namespace

TSkinManage* TSkinManage::Instance() {
  return theManager.get();
}

TSkinManage& TSkinManage::Ensure() {
  if (!theManager) {
    theManager = std::make_unique<TSkinManage>();
    hookDisabled = false;
  }
  return *theManager;
}

void TSkinManage::Destroy() {
  theManager.reset();
}

TSkinManage::TSkinManage() : actionInterval_(kInitialTimerInterval) {}

TSkinManage::~TSkinManage() {
  skinningCount_ = kSkinningCountDestroying;
  running_ = false;
  StopActionTimer();
  skinDataList_.clear();
  hook_.reset();
  hookDisabled = true;
}

void TSkinManage::InstallHook() {
  if (hook_) return;
  hook_.reset(SetWindowsHookExA(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId()));
  // A hung skinned window must keep its own frame rather than get the system's ghost copy.
  if (auto disableGhosting = OptionalUserApi().DisableProcessWindowsGhosting) disableGhosting();
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = Instance();
  if (!hookDisabled && manager && code == HCBT_ACTIVATE && manager->skinningCount_ == 0)
    manager->skinningCount_ = 1;
  HHOOK hook = manager ? manager->hook_.get() : nullptr;
  return CallNextHookEx(hook, code, wParam, lParam);
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
  skinDataList_.push_back(data);
  if (!mainSkinData_ && data->SkinFormtype() == sfMainform) mainSkinData_ = data;
}

// A component that goes away is forgotten everywhere, so nothing reads it afterwards.
void TSkinManage::UnregisterSkinData(TSkinData* data) {
  std::erase(skinDataList_, data);
  if (mainSkinData_ == data) mainSkinData_ = nullptr;
  if (currentSkinData_ == data) {
    currentSkinData_ = nullptr;
    StopActionTimer();
    pendingAction_ = saNone;
  }
}

void TSkinManage::PostAction(uint32_t action, int delayMs) {
  pendingAction_ = action;
  actionInterval_ = delayMs;
  if (skinningCount_ != 0) {
    StopActionTimer();  // a new action restarts the delay
    StartActionTimer();
    return;
  }
  // No window was activated yet: nothing to walk, only the running state changes.
  if (action == saSkinOn) running_ = true;
  if (action == saSkinOff) running_ = false;
}

void TSkinManage::StartActionTimer() {
  actionTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(actionInterval_ > 0 ? actionInterval_ : 1),
                          &TSkinManage::ActionTimerProc);
}

void TSkinManage::StopActionTimer() {
  if (actionTimer_) KillTimer(nullptr, actionTimer_);
  actionTimer_ = 0;
}

void CALLBACK TSkinManage::ActionTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  TSkinManage* manager = Instance();
  if (!manager || manager->actionTimer_ != id) {
    KillTimer(nullptr, id);  // left over from a manager that is gone
    return;
  }
  manager->RunPendingAction();
}

void TSkinManage::RunPendingAction() {
  StopActionTimer();
  const uint32_t action = pendingAction_;
  pendingAction_ = saNone;
  TSkinData* requester = currentSkinData_;
  if (!requester) return;
  switch (action) {
    case saSkinOn:
      running_ = true;
      break;
    case saSkinOff:
      running_ = false;
      break;
    default:
      break;
  }
  currentSkinData_ = nullptr;
  requester->SkinChanged();
}

}  // namespace quarnel
