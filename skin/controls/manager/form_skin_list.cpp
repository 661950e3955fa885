// The skin manager's list of frame objects: attaching and freeing them, and the skin-off and
// refresh walks over them. UI thread only.
#include "skin/controls/manager/form_skin_list.h"

#include <algorithm>

#include "framework/ui/form.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

TFormSkinList::TFormSkinList(TSkinManage& manager) : manager_(manager) {}

TFormSkinList::~TFormSkinList() = default;

TWinSkinForm* TFormSkinList::Find(HWND window) const {
  if (!window) return nullptr;
  for (TWinSkinForm* skin : skins_)
    if (skin->View().Window() == window) return skin;
  return nullptr;
}

TWinSkinForm* TFormSkinList::Attach(HWND window, TWinControl* formObject, const std::string& className,
                                    TSkinData* data) {
  TWinSkinForm* skin = nullptr;
  if (formObject) {
    skin = TComponent::CreateIn<TWinSkinForm>(formObject);
  } else {
    foreign_.push_back(TComponent::Make<TWinSkinForm>());
    skin = foreign_.back().get();
  }
  skin->BindWindow(window, className);
  skins_.push_back(skin);
  if (auto* form = ObjectAs<TCustomForm>(formObject))
    skin->AttachForm(data, form);
  else
    skin->Activate(data);
  return skin;
}

void TFormSkinList::Forget(HWND window) {
  if (manager_.SkinningCount() == kSkinningCountDestroying) return;
  std::erase_if(skins_, [window](TWinSkinForm* skin) { return skin->View().Window() == window; });
}

// Entries always refer to live objects (each removes itself when destroyed); those whose
// windows are gone are freed here.
void TFormSkinList::Purge() {
  if (manager_.SkinningCount() == kSkinningCountDestroying) return;
  for (size_t i = skins_.size(); i-- > 0;) {
    if (i >= skins_.size()) continue;
    TWinSkinForm* skin = skins_[i];
    if (skin->View().Facts().SkinState != fsDestroyed) continue;
    skins_.erase(skins_.begin() + static_cast<std::ptrdiff_t>(i));
    Free(skin);
  }
}

void TFormSkinList::Free(TWinSkinForm* skin) {
  if (TComponent* owner = skin->Owner()) {
    owner->DestroyComponent(skin);
    return;
  }
  auto it = std::find_if(foreign_.begin(), foreign_.end(),
                         [skin](const ComponentPtr<TWinSkinForm>& held) { return held.get() == skin; });
  if (it == foreign_.end()) return;
  ComponentPtr<TWinSkinForm> going = std::move(*it);
  foreign_.erase(it);
}

// The window's procedures, frame and size go back, then a full repaint, its children included
// (a window that clips them would leave them showing the skin).
void TFormSkinList::Unskin(TWinSkinForm* skin) {
  std::erase(skins_, skin);
  HWND window = skin->View().Window();
  skin->Detach();
  if (IsWindow(window))
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Free(skin);
}

void TFormSkinList::UnskinAll(TSkinData* requester) {
  Purge();
  if (requester->SkinFormtype() == sfOnlyThisForm) {
    for (size_t i = skins_.size(); i-- > 0;) {
      if (skins_[i]->View().Skin() != requester) continue;
      Unskin(skins_[i]);
      break;
    }
    return;
  }
  while (!skins_.empty()) Unskin(skins_.front());
}

void TFormSkinList::Refresh(TSkinData* requester) {
  Purge();
  if (requester->SkinFormtype() == sfOnlyThisForm) {
    for (TWinSkinForm* skin : skins_)
      if (skin->View().Skin() == requester) {
        skin->ApplySkin();
        break;
      }
    return;
  }
  // A re-skin may end windows (and their frame objects): only those still listed take it.
  const std::vector<TWinSkinForm*> snapshot = skins_;
  for (TWinSkinForm* skin : snapshot)
    if (std::find(skins_.begin(), skins_.end(), skin) != skins_.end() && skin->View().Skin() == requester)
      skin->ApplySkin();  // paints nothing itself: each window is painted once, after the switch
}

void TFormSkinList::ResetCaptionButtons(TSkinData* data) {
  for (TWinSkinForm* skin : skins_)
    if (skin->View().Skin() == data) skin->FreeCaptionButtons();
}

// Each one's destruction puts its window's procedures and form hook back.
void TFormSkinList::FreeAll() {
  while (!skins_.empty()) {
    TWinSkinForm* skin = skins_.back();
    skins_.pop_back();
    Free(skin);
  }
  foreign_.clear();
}

}  // namespace quarnel
