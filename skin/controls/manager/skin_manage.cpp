// The skin manager: the single instance, skin data components going away, the actions it runs
// when they are due (skin every form, unskin every window, refresh after a new skin), and the
// manager's end. UI thread only.
#include "skin/controls/manager/skin_manage.h"

#include <memory>

#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

// Constant-initialised, so it is destroyed after every dynamically made static (the
// application object among them): components freed at module end still find the manager.
constinit std::unique_ptr<TSkinManage> theManager;

bool hookDisabled = false;

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

TSkinManage::TSkinManage() {
  InstallSkinManager();
  SetFrameRegistry(this);
}

// Every frame object goes, its window given back its own procedures first.
TSkinManage::~TSkinManage() {
  SetFrameRegistry(nullptr);  // frame objects going away below find no registry to update
  skinningCount_ = kSkinningCountDestroying;
  running_ = false;
  actions_.Cancel();
  formSkins_.FreeAll();
  popups_.Clear();
  skinData_.Clear();
  hook_.Remove();
  SetHookDisabled(true);
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  if (skinData_.Current() == data) actions_.Cancel();
  skinData_.Unregister(data);
  if (skinningCount_ == kSkinningCountDestroying) return;
  const std::vector<TWinSkinForm*>& skins = formSkins_.All();
  for (size_t i = skins.size(); i-- > 0;) {
    if (i >= skins.size() || skins[i]->View().Skin() != data) continue;
    formSkins_.Unskin(skins[i]);
  }
}

void TSkinManage::RunPendingAction() {
  const uint32_t action = actions_.Take();
  TSkinData* requester = skinData_.Current();
  if (!requester) return;
  switch (action) {
    case saSkinOn:
      SkinAllForms(requester);
      break;
    case saSkinOff:
      running_ = false;
      formSkins_.UnskinAll(requester);
      break;
    case saRefresh:
      formSkins_.Refresh(requester);
      break;
    default:
      break;
  }
  skinData_.SetCurrent(nullptr);
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
    formSkins_.Purge();
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

}  // namespace quarnel
