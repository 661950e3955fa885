// TSkinSession: loads, start, stop and exclusions of a host program's skinning. The thread
// skinning runs on, except for loads before the start.
#include "sdk/skin_session.h"

#include <utility>

#include "framework/win/shared_caches.h"
#include "framework/win/window_thunk.h"
#include "include/quarnelskin.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_file_option.h"
#include "skin/data/system_theme.h"
#include "skin/data/window_scope.h"

namespace sdk {

namespace {

using quarnel::TSkinManage;

TCallResult Ok() {
  return {QUARNEL_SKIN_OK, {}};
}

// The manager's pending action, run now (nothing of ours is on the stack when this is called).
void RunManagerAction() {
  if (TSkinManage* manager = TSkinManage::Instance();
      manager && manager->Actions().Pending() != quarnel::saNone)
    manager->RunPendingAction();
}

}  // namespace

TCallResult TSkinSession::RefuseOtherThread() const {
  return {QUARNEL_SKIN_E_THREAD, L"Skinning runs on thread " + std::to_wstring(thread_) +
                                     L"; this call came from thread " +
                                     std::to_wstring(GetCurrentThreadId()) + L"."};
}

TSkinSession::TSkinSession() = default;
TSkinSession::~TSkinSession() = default;

TCallResult TSkinSession::Load(std::vector<uint8_t> packed, const std::wstring& source) {
  if (Started() && GetCurrentThreadId() != thread_) return RefuseOtherThread();
  TCallResult result = LoadPackage(std::move(packed), source);
  if (result.code == QUARNEL_SKIN_OK) {  // a skin of the program's choice ends the following
    light_.clear();
    dark_.clear();
    systemWatch_.reset();
  }
  return result;
}

TCallResult TSkinSession::FollowSystem(std::vector<uint8_t> light, std::vector<uint8_t> dark,
                                       const std::wstring& source) {
  if (Started() && GetCurrentThreadId() != thread_) return RefuseOtherThread();
  for (const auto* packed : {&light, &dark})
    if (std::wstring why = quarnel::SkinPackageRefusal(*packed); !why.empty())
      return {QUARNEL_SKIN_E_FORMAT, source + L" cannot be used: " + why + L"."};
  TCallResult result = LoadPackage(quarnel::SystemUsesLightApps() ? light : dark, source);
  if (result.code != QUARNEL_SKIN_OK) return result;
  light_ = std::move(light);
  dark_ = std::move(dark);
  ListenToSystem();
  return result;
}

void TSkinSession::ListenToSystem() {
  if (Started() && !light_.empty() && !systemWatch_)
    systemWatch_ = std::make_unique<quarnel::TSystemThemeWatch>([this] { SystemChanged(); });
}

// Called from the watch's own window procedure: the switch runs once that has returned.
void TSkinSession::SystemChanged() {
  fw::RunWhenSubclassesUnwound([this] {
    if (light_.empty() || !Started()) return;
    const std::vector<uint8_t>& wanted = quarnel::SystemUsesLightApps() ? light_ : dark_;
    if (wanted != packed_) LoadPackage(wanted, L"The system's skin");
  });
}

TCallResult TSkinSession::LoadPackage(std::vector<uint8_t> packed, const std::wstring& source) {
  auto refused = [&](std::wstring why) {
    if (why.empty()) why = L"its skin cannot be loaded";
    return TCallResult{QUARNEL_SKIN_E_FORMAT, source + L" cannot be used: " + why + L"."};
  };
  if (!Started()) {
    // Only checked now: it is read into a component when skinning starts.
    if (std::wstring why = quarnel::SkinPackageRefusal(packed); !why.empty()) return refused(why);
    packed_ = std::move(packed);
    return Ok();
  }
  // Read once: the reason is looked for only when the load failed.
  if (!data_->LoadPackage(packed)) return refused(quarnel::SkinPackageRefusal(packed));
  packed_ = std::move(packed);
  data_->ApplySkin();
  RunScheduledAction();
  return Ok();
}

bool TSkinSession::MakeSkinData() {
  data_ = TComponent::Make<quarnel::TSkinData>();
  data_->SetPackedSkin(packed_);
  if (data_->LoadSkin()) return true;
  data_.reset();
  return false;
}

TCallResult TSkinSession::Start() {
  if (Started()) {
    if (GetCurrentThreadId() != thread_) return RefuseOtherThread();
    stopping_ = false;  // a stop asked for in the same message is undone
    return Ok();
  }
  if (packed_.empty()) return {QUARNEL_SKIN_E_STATE, L"No skin is loaded: load one before starting."};
  if (!MakeSkinData()) return {QUARNEL_SKIN_E_FORMAT, L"The skin in force cannot be loaded."};
  thread_ = GetCurrentThreadId();
  quarnel::WindowScope().SetHostModules(true);
  data_->Loaded();  // the manager takes the component and hooks this thread
  data_->SetActive(true);
  RunManagerAction();
  if (TSkinManage* manager = TSkinManage::Instance()) manager->SkinThreadWindows();
  ListenToSystem();
  return Ok();
}

TCallResult TSkinSession::Stop() {
  if (!Started()) return {QUARNEL_SKIN_E_STATE, L"Skinning has not been started."};
  if (GetCurrentThreadId() != thread_) return RefuseOtherThread();
  stopping_ = true;
  // Called from a skinned window's own message, the window's objects go once it has returned.
  fw::RunWhenSubclassesUnwound([this] {
    if (stopping_) FinishStop();
  });
  return Ok();
}

void TSkinSession::StopNow() {
  if (!Started()) return;
  fw::RunUnwoundWorkNow();
  if (Started()) FinishStop();
}

void TSkinSession::FinishStop() {
  stopping_ = false;
  systemWatch_.reset();
  if (data_ && TSkinManage::Instance()) {
    data_->SetActive(false);
    RunManagerAction();  // every window gets its own look back
  }
  TSkinManage::Destroy();
  data_.reset();
  fw::EmptySharedCaches();  // what the engine kept for its next paint
  quarnel::WindowScope().SetHostModules(false);
  thread_ = 0;
}

TCallResult TSkinSession::Exclude(HWND window, bool exclude) {
  if (Started() && GetCurrentThreadId() != thread_) return RefuseOtherThread();
  if (!window || !IsWindow(window)) return {QUARNEL_SKIN_E_ARGUMENT, L"The window handle names no window."};
  const DWORD skinningThread = Started() ? thread_ : GetCurrentThreadId();
  if (GetWindowThreadProcessId(window, nullptr) != skinningThread)
    return {QUARNEL_SKIN_E_ARGUMENT, L"The window belongs to another thread than the skinning one."};
  quarnel::WindowScope().SetExcluded(window, exclude);  // windows made from now on see it at once
  if (Started())
    fw::RunWhenSubclassesUnwound([window] {
      if (TSkinManage* manager = TSkinManage::Instance(); manager && IsWindow(window))
        manager->ApplyExclusion(window);
    });
  return Ok();
}

void TSkinSession::RunScheduledAction() {
  fw::RunWhenSubclassesUnwound(RunManagerAction);
}

}  // namespace sdk
