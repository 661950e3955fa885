// The frame object's walk over its form's controls: which control gets which control skin
// object, in which order, and the release of those objects. UI thread.
#include "skin/controls/control_dispatch.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "framework/ui/form.h"
#include "skin/controls/skin_control.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

std::string UpperClassName(const TObject& object) {
  std::string s = object.ClassName();
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace

void TWinSkinForm::AttachControlSkins() {
  for (TSkinControl* skin : std::vector<TSkinControl*>(Controls))
    if (skin->State == scsWindowGone) {
      Controls.erase(std::remove(Controls.begin(), Controls.end(), skin), Controls.end());
      if (TComponent* owner = skin->Owner()) owner->DestroyComponent(skin);
    }
  if (!SkinData) return;
  if (!Form) {
    WalkChildWindows(Window);
    return;
  }
  WalkComponents(Form);
  for (TWinControl* control : std::vector<TWinControl*>(Form->TabList()))
    if (!SkipInTabWalk(control)) DispatchControl(control, Form);
}

void TWinSkinForm::WalkComponents(TComponent* component) {
  if (!component) return;
  for (int i = 0; i < component->ComponentCount(); ++i)
    if (auto* control = ObjectAs<TControl>(component->Components(i))) DispatchControl(control, component);
}

void TWinSkinForm::WalkChildControls(TWinControl* container) {
  if (!container) return;
  for (int i = 0; i < container->ControlCount(); ++i) DispatchControl(container->Controls(i), container);
}

bool TWinSkinForm::SkipInTabWalk(TWinControl* control) const {
  if (!control || !control->HandleAllocated()) return true;
  if (SkinData && control->Tag() == SkinData->DisableTag()) return true;
  return SendMessageW(control->RawHandle(), SKM_QUERYSKINNED, 0, 0) == 1;
}

void TWinSkinForm::DisableGroupChildren(TControl* control) {
  auto* win = ObjectAs<TWinControl>(control);
  if (!win || win->ControlCount() == 0 || !SkinData) return;
  std::string lower = fw::AsciiLowerCase(control->ClassName());
  if (lower.find("radiogroup") == std::string::npos && lower.find("checkgroup") == std::string::npos) return;
  for (int i = 0; i < win->ControlCount(); ++i) win->Controls(i)->SetTag(SkinData->DisableTag());
}

bool TWinSkinForm::HasControlSkin(TControl* control) const {
  if (!control) return false;
  if (control->Perform(SKM_QUERYSKINNED) == 1) return true;
  return std::any_of(Controls.begin(), Controls.end(), [control](const TSkinControl* skin) {
    return skin->Control == control || skin->GraphicControl == control;
  });
}

void TWinSkinForm::DispatchControl(TControl* control, TComponent* owner) {
  if (!control || !SkinData) return;
  TSkinData& data = *SkinData;
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
    data.OnSkinControl(this, &data, owner, control, upper, made);
    auto* skin = dynamic_cast<TSkinControl*>(made);
    if (skin && std::find(Controls.begin(), Controls.end(), skin) == Controls.end()) {
      skin->Attach(this, &data, skin->UseSkinColor != 0, &Canvas);
      if (control->InheritsFrom("TCustomPanel")) WalkChildControls(ObjectAs<TWinControl>(control));
    }
    return;
  }
  if (ApplySkin3rdKind(upper, control)) return;
  if (IsExcludedControlClass(upper)) return;
  ControlRuleContext context{*this, data, *control, upper};
  if (const ControlRule* rule = ChooseControlRule(context))
    if (rule->apply) rule->apply(context);
}

void TWinSkinForm::ReleaseControlSkins(bool destroying) {
  while (!Controls.empty()) {
    TSkinControl* skin = Controls.front();
    Controls.erase(Controls.begin());
    if (!destroying && skin->State != scsWindowGone) skin->Detach();
    if (TComponent* owner = skin->Owner()) owner->DestroyComponent(skin);
  }
}

TSkinControl* TWinSkinForm::FindControlSkin(HWND window) const {
  if (!window) return nullptr;
  for (TSkinControl* skin : Controls)
    if (skin->Handle == window) return skin;
  return nullptr;
}

bool IsExcludedControlClass(std::string_view upperClass) {
  return upperClass == "TDBCOMBOBOXEH" || upperClass == "TFRDESIGNERPAGE" || upperClass == "TFRPBOX";
}

}  // namespace quarnel
