// The control walk over a host's form or child windows: which control gets which control skin
// object, in which order, and the release of those objects. UI thread.
#include "skin/controls/control_walker.h"

#include <algorithm>
#include <vector>

#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "framework/ui/form.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

namespace {

std::string UpperClassName(const TObject& object) {
  std::string s = object.ClassName();
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace

void TControlWalker::AttachControlSkins() {
  for (TSkinControl* skin : std::vector<TSkinControl*>(host_.ControlSkins()))
    if (skin->Attachment().State() == scsWindowGone) {
      host_.UnregisterControlSkin(*skin);
      if (TComponent* owner = skin->Owner()) owner->DestroyComponent(skin);
    }
  if (!host_.HostSkinData()) return;
  TCustomForm* form = host_.HostForm();
  if (!form) {
    WalkChildWindows(host_.HostWindow());
    return;
  }
  WalkComponents(form);
  for (TWinControl* control : std::vector<TWinControl*>(form->TabList()))
    if (!SkipInTabWalk(control)) DispatchControl(control, form);
}

void TControlWalker::WalkComponents(TComponent* component) {
  if (!component) return;
  for (int i = 0; i < component->ComponentCount(); ++i)
    if (auto* control = ObjectAs<TControl>(component->Components(i))) DispatchControl(control, component);
}

void TControlWalker::WalkChildControls(TWinControl* container) {
  if (!container) return;
  for (int i = 0; i < container->ControlCount(); ++i) DispatchControl(container->Controls(i), container);
}

bool TControlWalker::SkipInTabWalk(TWinControl* control) const {
  if (!control || !control->HandleAllocated()) return true;
  if (TSkinData* data = host_.HostSkinData(); data && control->Tag() == data->DisableTag()) return true;
  return SendMessageW(control->RawHandle(), SKM_QUERYSKINNED, 0, 0) == 1;
}

void TControlWalker::DisableGroupChildren(TControl* control) {
  auto* win = ObjectAs<TWinControl>(control);
  TSkinData* data = host_.HostSkinData();
  if (!win || win->ControlCount() == 0 || !data) return;
  std::string lower = fw::AsciiLowerCase(control->ClassName());
  if (lower.find("radiogroup") == std::string::npos && lower.find("checkgroup") == std::string::npos) return;
  for (int i = 0; i < win->ControlCount(); ++i) win->Controls(i)->SetTag(data->DisableTag());
}

bool TControlWalker::HasControlSkin(TControl* control) const {
  if (!control) return false;
  if (control->Perform(SKM_QUERYSKINNED) == 1) return true;
  const std::vector<TSkinControl*>& controls = host_.ControlSkins();
  return std::any_of(controls.begin(), controls.end(), [control](const TSkinControl* skin) {
    return skin->Control() == control || skin->Binding().GraphicControl() == control;
  });
}

void TControlWalker::DispatchControl(TControl* control, TComponent* owner) {
  if (!control || !host_.HostSkinData()) return;
  TSkinData& data = *host_.HostSkinData();
  if (control->Tag() == data.DisableTag()) {
    DisableGroupChildren(control);
    return;
  }
  if (!control->Parent() || HasControlSkin(control)) return;
  const std::string upper = UpperClassName(*control);
  if (auto* win = ObjectAs<TWinControl>(control)) {
    try {
      if (!win->Handle()) return;
    } catch (...) {
      return;  // no window for this control: it stays unskinned
    }
  }
  if (data.OnSkinControl) {
    TComponent* made = nullptr;
    data.OnSkinControl(&host_.HostComponent(), &data, owner, control, upper, made);
    auto* skin = dynamic_cast<TSkinControl*>(made);
    const std::vector<TSkinControl*>& controls = host_.ControlSkins();
    if (skin && std::find(controls.begin(), controls.end(), skin) == controls.end()) {
      skin->Attach(&host_, &data, skin->UsesSkinColor(), &host_.HostCanvas());
      if (control->InheritsFrom("TCustomPanel")) WalkChildControls(ObjectAs<TWinControl>(control));
    }
    return;
  }
  if (ApplySkin3rdKind(upper, control)) return;
  if (IsExcludedControlClass(upper)) return;
  DispatchContext context{*this, data, *control, upper};
  if (const ControlRule* rule = ChooseControlRule(context))
    if (rule->apply) rule->apply(context);
}

void TControlWalker::ReleaseControlSkins(bool destroying) {
  while (!host_.ControlSkins().empty()) {
    TSkinControl* skin = host_.ControlSkins().front();
    host_.UnregisterControlSkin(*skin);
    if (!destroying && skin->Attachment().State() != scsWindowGone) skin->Detach();
    if (TComponent* owner = skin->Owner()) owner->DestroyComponent(skin);
  }
}

void TControlWalker::ReleaseControlSkinsWithin(HWND window) {
  for (TSkinControl* skin : std::vector<TSkinControl*>(host_.ControlSkins())) {
    HWND served = skin->Window();
    if (served != window && !IsChild(window, served)) continue;
    host_.UnregisterControlSkin(*skin);
    if (skin->Attachment().State() != scsWindowGone) skin->Detach();
    if (TComponent* owner = skin->Owner()) owner->DestroyComponent(skin);
  }
}

TSkinControl* TControlWalker::FindControlSkin(HWND window) const {
  return host_.FindControlSkin(window);
}

bool IsExcludedControlClass(std::string_view upperClass) {
  return upperClass == "TDBCOMBOBOXEH" || upperClass == "TFRDESIGNERPAGE" || upperClass == "TFRPBOX";
}

}  // namespace quarnel
