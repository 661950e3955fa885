// The skin manager's window filter and its frame object list: which windows get a frame object,
// with which skin data, attaching and freeing them. UI thread only.
#include <algorithm>
#include <string>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/data/window_scope.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

constexpr int kNeverSkinTag = 99;
constexpr LONG_PTR kDialogNoSkinStyle = 0x200;

bool AnswersSkinned(HWND window) {
  return SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1;
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

TWinSkinForm* TSkinManage::FindFormSkin(HWND window) const {
  if (!window) return nullptr;
  for (TWinSkinForm* skin : formSkins_)
    if (skin->View().Window() == window) return skin;
  return nullptr;
}

// Forms are matched by the windows they already have: asking a form for its handle would make a
// window, and for the form whose window is being created right now a second one.
TWinControl* TSkinManage::FindFormObject(HWND window) const {
  for (TCustomForm* form : Screen().forms)
    if (form->HandleAllocated() && form->RawHandle() == window) return form;
  return ControlOfWindow(window);
}

bool TSkinManage::MaySkinWindow(HWND window, const std::string& className) const {
  bool doSkin = true;
  TSkinData* main = mainSkinData_;
  if (!main) return doSkin;
  const std::string lower = fw::AsciiLowerCase(className);
  if (!(main->Options() & Bit(xoPreview)) && Contains(lower, "preview")) doSkin = false;
  if (className == "#32770" && (GetWindowLongPtrA(window, GWL_STYLE) & kDialogNoSkinStyle)) doSkin = false;
  if (lower == "tpopupdbtreeview") doSkin = false;
  main->FormSkinAllowed(window, className, doSkin);
  return doSkin;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  TSkinData* found = nullptr;
  for (TSkinData* data : skinDataList_) {
    if (data->SkinFormtype() != sfOnlyThisForm) continue;
    auto* owner = ObjectAs<TWinControl>(data->Owner());
    if (owner && owner->HandleAllocated() && owner->RawHandle() == window) found = data;
  }
  if (found) return found;
  const std::string lower = fw::AsciiLowerCase(WindowClassName(window));
  if (lower == "tmessageform" || lower == "#32770") {
    for (TSkinData* data : skinDataList_)
      if (data->SkinFormtype() == sfDialog) found = data;
    if (found) return found;
  }
  for (TSkinData* data : skinDataList_)
    if (data->SkinFormtype() == sfMainform) found = data;
  if (found) return found;
  return skinDataList_.empty() ? nullptr : skinDataList_.front();
}

// Steps 4 to 10 of the filter: the window's form object, its kind and its class.
bool TSkinManage::PassesWindowFilter(HWND window, TWinControl*& formObject, std::string& className) const {
  formObject = FindFormObject(window);
  className = WindowClassName(window);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  const bool mdiChild = exStyle & WS_EX_MDICHILD;
  if (!bulkMode_ && (style & WS_CHILD) && !mdiChild &&
      fw::AsciiLowerCase(WindowClassName(GetParent(window))) != "mdiclient")
    return false;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  if (!formObject && !WindowScope().ProgramInstance(instance) && className != "#32770") return false;
  if (WindowScope().Excluded(window)) return false;
  RECT r{};
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
  if (formObject && formObject->Tag() == kNeverSkinTag) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return false;
  return MaySkinWindow(window, className);
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!running_ || !IsWindow(window)) return false;
  PurgeFormSkins();
  if (AnswersSkinned(window) || FindFormSkin(window)) return false;
  TWinControl* formObject = nullptr;
  std::string className;
  if (!PassesWindowFilter(window, formObject, className)) return false;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->Empty()) return false;
  AttachFormSkin(window, formObject, className, data);
  PostMessageA(window, SKM_ACTIVATE, 0, kActivateMessageParam);
  return true;
}

TWinSkinForm* TSkinManage::AttachFormSkin(HWND window, TWinControl* formObject, const std::string& className,
                                          TSkinData* data) {
  TWinSkinForm* skin = nullptr;
  if (formObject) {
    skin = TComponent::CreateIn<TWinSkinForm>(formObject);
  } else {
    foreignSkins_.push_back(TComponent::Make<TWinSkinForm>());
    skin = foreignSkins_.back().get();
  }
  skin->BindWindow(window, className);
  formSkins_.push_back(skin);
  if (auto* form = ObjectAs<TCustomForm>(formObject))
    skin->AttachForm(data, form);
  else
    skin->Activate(data);
  return skin;
}

bool TSkinManage::SkinForm(TCustomForm* form) {
  if (!form->Visible()) return true;
  HWND window = form->Handle();
  if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) return true;
  return SkinWindow(window);
}

void TSkinManage::ForgetWindow(HWND window) {
  if (skinningCount_ == kSkinningCountDestroying) return;
  std::erase_if(formSkins_, [window](TWinSkinForm* skin) { return skin->View().Window() == window; });
}

// Entries always refer to live objects (each removes itself when destroyed); those whose
// windows are gone are freed here.
void TSkinManage::PurgeFormSkins() {
  if (skinningCount_ == kSkinningCountDestroying) return;
  for (size_t i = formSkins_.size(); i-- > 0;) {
    if (i >= formSkins_.size()) continue;
    TWinSkinForm* skin = formSkins_[i];
    if (skin->Activation().SkinState != fsDestroyed) continue;
    formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
    FreeFormSkin(skin);
  }
}

void TSkinManage::FreeFormSkin(TWinSkinForm* skin) {
  if (TComponent* owner = skin->Owner()) {
    owner->DestroyComponent(skin);
    return;
  }
  auto it = std::find_if(foreignSkins_.begin(), foreignSkins_.end(),
                         [skin](const ComponentPtr<TWinSkinForm>& held) { return held.get() == skin; });
  if (it == foreignSkins_.end()) return;
  ComponentPtr<TWinSkinForm> going = std::move(*it);
  foreignSkins_.erase(it);
}

void TSkinManage::SetMaximizedChildMode(bool on) {
  if (maximizedChildMode_ == on) return;
  maximizedChildMode_ = on;
  if (mainSkinData_ && (mainSkinData_->Options() & Bit(xoMDIChildBorder))) return;
  for (TWinSkinForm* skin : formSkins_) {
    if (skin->Activation().FormKind != fkMDIChild) continue;
    if (on) {
      skin->RemoveRegion();
    } else if (skin->Activation().WindowShowState != wssMinimized) {
      skin->RestoreChildOutline();
    }
  }
}

}  // namespace quarnel
