// The skin manager's view of the MDI frame: the maximised-child mode and the children's outlines.
// UI thread only.
#include "skin/controls/manager/mdi_frame_state.h"

#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

void TMdiFrameState::SetMaximizedChildMode(bool on) {
  if (maximizedChildMode_ == on) return;
  maximizedChildMode_ = on;
  TSkinData* main = manager_.SkinData().Main();
  if (main && (main->Options() & Bit(xoMDIChildBorder))) return;
  for (TWinSkinForm* skin : manager_.FormSkins().All()) {
    if (skin->View().Facts().FormKind != fkMDIChild) continue;
    if (on) {
      skin->RemoveRegion();
    } else if (skin->View().Show().State != wssMinimized) {
      skin->RestoreChildOutline();
    }
  }
}

}  // namespace quarnel
