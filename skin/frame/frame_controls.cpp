// TFrameControls: the control skin objects of a skinned frame's window. UI thread.
#include "skin/frame/frame_controls.h"

#include "skin/controls/control_walker.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_menu_hooks.h"

namespace quarnel {

void TFrameControls::AttachControlSkins() {
  TControlWalker(*this).AttachControlSkins();
}

void TFrameControls::ReleaseControlSkins(bool destroying) {
  TControlWalker(*this).ReleaseControlSkins(destroying);
}

void TFrameControls::ReleaseControlSkinsWithin(HWND window) {
  TControlWalker(*this).ReleaseControlSkinsWithin(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TFrameControls::DispatchWindow(HWND window) {
  TControlWalker(*this).DispatchWindow(window);
}

void TFrameControls::UpdateSkins() {
  for (TSkinControl* control : controls_)
    if (control) control->UpdateSkin();
}

void TFrameControls::ReleaseHotControls(bool onlyOutside) {
  if (view_.Form()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  for (TSkinControl* control : controls_) {
    if (!control || !control->Marks().Hot()) continue;
    RECT r{};
    if (onlyOutside && GetWindowRect(control->Window(), &r) && PtInRect(&r, cursor)) continue;
    control->Marks().SetHot(false);
    if (control->Window()) InvalidateRect(control->Window(), nullptr, FALSE);
  }
}

void TFrameControls::HostHookMenu(TComponent* menu) {
  menuHooks_.HookReferencedMenu(menu);
}

// A foreign window's new child windows (a dialog that makes a view again) are skinned once the
// burst of creations is over.
bool TFrameControls::OnParentNotify(TMessage& m, UINT event) {
  view_.Default(m);
  if (view_.Form() || event != WM_CREATE || childWalkPosted_) return true;
  if (view_.Facts().SkinState == fsNotActivated) return true;  // the activation walks them anyway
  childWalkPosted_ = PostMessageW(view_.Window(), SKM_WALKCHILDREN, 0, SkinMessageTag) != FALSE;
  return true;
}

bool TFrameControls::OnWalkChildren(LPARAM tag) {
  if (tag != SkinMessageTag) return false;
  childWalkPosted_ = false;
  AttachControlSkins();  // windows that have their skin already are passed over
  return true;
}

bool TFrameControls::OnReskinScroll(HWND control) {
  ReskinScrolledControl(*this, control);
  return true;
}

}  // namespace quarnel
