// Shared by the control-skin tests: the built-in skin, loaded once per test program, and a frame
// object made by hand for a shown form, which the control skins register with. Test thread.
#pragma once
#include "framework/ui/form.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tests/support/wine_paths.h"

namespace quarnel::controltest {

// The skin is loaded by the first call rather than in a static's initialiser.
inline TSkinData& BuiltInSkin() {
  static ComponentPtr<TSkinData> skin;
  if (!skin) {
    skin = TComponent::Make<TSkinData>();
    skin->SetSkinFile(testing_support::host_path(QUARNEL_LONGHORN_BLUE_SKN));
  }
  return *skin;
}

// A frame object for `form`'s window drawing with `data`, made without the skin manager.
inline ComponentPtr<TWinSkinForm> MakeFormSkin(TForm* form, TSkinData* data) {
  auto formSkin = TComponent::Make<TWinSkinForm>();
  formSkin->BindWindow(form->Handle(), "TForm", form, data);
  return formSkin;
}

}  // namespace quarnel::controltest
