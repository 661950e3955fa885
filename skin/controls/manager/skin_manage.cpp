// The skin manager: the single instance, skin data registration, the action timer and the
// actions it runs (skin every form, unskin every window, refresh after a new skin), and the
// manager's end. UI thread only.
#include "skin/controls/manager/skin_manage.h"

#include <algorithm>
#include <memory>

#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "framework/ui/thread.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

// Constant-initialised, so it is destroyed after every dynamically made static (the
// application object among them): components freed at module end still find the manager.
constinit std::unique_ptr<TSkinManage> theManager;

constexpr int kInitialTimerInterval = 100;
bool hookDisabled = false;
// Counts across managers, so that a call queued for one never runs another's action.
uint32_t lastActionSerial = 0;

}  // namespace

bool HookDisabled() {
  return hookDisabled;
}

void SetHookDisabled(bool disabled) {
  hookDisabled = disabled;
}

TSkinManage* TSkinManage::Instance() {
  return theManager.get();
}

TSkinManage& TSkinManage::Ensure() {
  if (!theManager) {
    theManager = std::make_unique<TSkinManage>();
    SetHookDisabled(false);
  }
  return *theManager;
}

void TSkinManage::Destroy() {
  theManager.reset();
}

TSkinManage::TSkinManage() : actionInterval_(kInitialTimerInterval) {
  InstallSkinManager();
  SetFrameRegistry(this);
}

// Every frame object goes, its window given back its own procedures first.
TSkinManage::~TSkinManage() {
  SetFrameRegistry(nullptr);  // frame objects going away below find no registry to update
  skinningCount_ = kSkinningCountDestroying;
  running_ = false;
  StopActionTimer();
  while (!formSkins_.empty()) {
    TWinSkinForm* skin = formSkins_.back();
    formSkins_.pop_back();
    FreeFormSkin(skin);  // its destruction puts the window's procedures and form hook back
  }
  foreignSkins_.clear();
  popupSkins_.clear();
  skinDataList_.clear();
  hook_.reset();
  SetHookDisabled(true);
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
  // Windows skinned with it give up their skin, which they could no longer read.
  if (skinningCount_ == kSkinningCountDestroying) return;
  for (size_t i = formSkins_.size(); i-- > 0;) {
    if (i >= formSkins_.size() || formSkins_[i]->View().Skin() != data) continue;
    TWinSkinForm* skin = formSkins_[i];
    formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
    UnskinWindow(skin);
    FreeFormSkin(skin);
  }
}

void TSkinManage::PostAction(uint32_t action, int delayMs) {
  actionSerial_ = ++lastActionSerial;
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

void TSkinManage::RunPendingActionSoon() {
  if (pendingAction_ == saNone) return;
  StopActionTimer();
  // Never at once: the request may come from a control's own handler, whose skin object the
  // action frees. A queued message runs without the timer's minimum delay.
  const uint32_t serial = actionSerial_ = ++lastActionSerial;
  TThread::ForceQueue([serial] {
    TSkinManage* manager = Instance();
    if (manager && manager->actionSerial_ == serial && manager->pendingAction_ != saNone)
      manager->RunPendingAction();
  });
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
      SkinAllForms(requester);
      break;
    case saSkinOff:
      UnskinAll(requester);
      break;
    case saRefresh:
      RefreshForms(requester);
      break;
    default:
      break;
  }
  currentSkinData_ = nullptr;
  requester->SkinChanged();
}

// Action 1: every visible form (or only the requester's own) gets a frame object.
void TSkinManage::SkinAllForms(TSkinData* requester) {
  running_ = true;
  bulkMode_ = true;
  auto& forms = Screen().forms;
  if (requester->SkinFormtype() == sfOnlyThisForm) {
    for (size_t i = forms.size(); i-- > 0;)
      if (forms[i] == requester->Owner()) {
        SkinForm(forms[i]);
        break;
      }
  } else {
    PurgeFormSkins();
    const std::vector<TCustomForm*> snapshot = forms;  // skinning may create forms' windows
    for (size_t i = snapshot.size(); i-- > 0;) SkinForm(snapshot[i]);
    // MDI children are otherwise skinned only at their creation: after a skin-off they would
    // stay plain inside a skinned frame.
    for (size_t i = snapshot.size(); i-- > 0;) {
      TCustomForm* form = snapshot[i];
      if (form->HandleAllocated() && form->Visible() &&
          (GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD))
        SkinWindow(form->Handle());
    }
  }
  bulkMode_ = false;
}

// Gives one window back its own look: procedures, frame and size, then a full repaint, its
// children included (a window that clips them would leave them showing the skin).
void TSkinManage::UnskinWindow(TWinSkinForm* skin) {
  HWND window = skin->View().Window();
  skin->Detach();
  if (IsWindow(window))
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Action 2: every window (or the requester's last one) returns to its own look.
void TSkinManage::UnskinAll(TSkinData* requester) {
  running_ = false;
  PurgeFormSkins();
  if (requester->SkinFormtype() == sfOnlyThisForm) {
    for (size_t i = formSkins_.size(); i-- > 0;) {
      TWinSkinForm* skin = formSkins_[i];
      if (skin->View().Skin() != requester) continue;
      formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
      UnskinWindow(skin);
      FreeFormSkin(skin);
      break;
    }
    return;
  }
  while (!formSkins_.empty()) {
    TWinSkinForm* skin = formSkins_.front();
    formSkins_.erase(formSkins_.begin());
    UnskinWindow(skin);
    FreeFormSkin(skin);
  }
}

// Action 3: frame objects of the requester take its new skin.
void TSkinManage::RefreshForms(TSkinData* requester) {
  PurgeFormSkins();
  if (requester->SkinFormtype() == sfOnlyThisForm) {
    for (TWinSkinForm* skin : formSkins_)
      if (skin->View().Skin() == requester) {
        skin->ApplySkin();
        break;
      }
    return;
  }
  // A re-skin may end windows (and their frame objects): only those still listed take it.
  const std::vector<TWinSkinForm*> snapshot = formSkins_;
  for (TWinSkinForm* skin : snapshot)
    if (std::find(formSkins_.begin(), formSkins_.end(), skin) != formSkins_.end() &&
        skin->View().Skin() == requester)
      skin->ApplySkin();  // paints nothing itself: each window is painted once, after the switch
}

void TSkinManage::ResetCaptionButtons() {
  for (TWinSkinForm* skin : formSkins_)
    if (skin->View().Skin() == currentSkinData_) skin->FreeCaptionButtons();
}

}  // namespace quarnel
