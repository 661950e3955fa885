// TSkinBinding: taking the window, control, skin data and canvas, and the registration with
// the host. UI thread.
#include "skin/controls/skin_binding.h"

#include "skin/controls/control_skin_host.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"

namespace quarnel {

TControl* TSkinBinding::OwnerControl() const {
  return graphicControl_ ? graphicControl_ : control_;
}

LONG_PTR TSkinBinding::WindowLong(int index) const {
  if (!window_) return 0;
  return unicodeWindow_ ? GetWindowLongPtrW(window_, index) : GetWindowLongPtrA(window_, index);
}

void TSkinBinding::TakeSkin(TSkinData* skinData, TCanvas* canvas) {
  skinData_ = skinData;
  sharedCanvas_ = canvas;
  if (skinData) skin_.FreeNotification(skinData);
}

void TSkinBinding::ReadWindowKind() {
  unicodeWindow_ = window_ && IsWindowUnicode(window_);
}

void TSkinBinding::FollowControlWindow() {
  if (control_ && control_->HandleAllocated()) window_ = control_->RawHandle();
}

void TSkinBinding::Register(TControlSkinHost* host) {
  if (host_ && host_ != host) Unregister();
  host_ = host;
  if (!host) return;
  hostComponent_ = &host->HostComponent();
  skin_.FreeNotification(hostComponent_);
  host->RegisterControlSkin(skin_);
}

void TSkinBinding::Unregister() {
  if (!host_) return;
  host_->UnregisterControlSkin(skin_);
  skin_.RemoveFreeNotification(hostComponent_);
  host_ = nullptr;
  hostComponent_ = nullptr;
}

void TSkinBinding::Forget(TComponent* component) {
  if (component == hostComponent_) {
    host_ = nullptr;
    hostComponent_ = nullptr;
  }
  if (component == skinData_) skinData_ = nullptr;
}

}  // namespace quarnel
