// TControlWalker: the walk of a frame object over its form's controls (or a foreign window's
// child windows) that gives each control its control skin object, and the release of those
// objects. It is driven through the host interface the frame object implements. UI thread.
#pragma once
#include <windows.h>

#include <string>

class TComponent;
class TControl;
class TWinControl;

namespace quarnel {

class TControlSkinHost;
class TSkinControl;

class TControlWalker {
 public:
  explicit TControlWalker(TControlSkinHost& host) : host_(host) {}

  TControlSkinHost& Host() const { return host_; }

  // Frees the objects whose window is gone, then walks the form (components, then the tab
  // order) or, for a foreign window, its child windows.
  void AttachControlSkins();
  // Frees every control skin object; unless destroying, each first restores its control.
  void ReleaseControlSkins(bool destroying);
  // Frees, after restoring its control, each object serving `window` or a window inside it.
  void ReleaseControlSkinsWithin(HWND window);
  TSkinControl* FindControlSkin(HWND window) const;

  void WalkComponents(TComponent* component);
  void WalkChildControls(TWinControl* container);
  void WalkChildWindows(HWND window);
  void DispatchControl(TControl* control, TComponent* owner);
  void DispatchWindow(HWND window);
  bool ApplySkin3rdKind(const std::string& upperClass, TControl* control);  // true: handled

 private:
  void DisableGroupChildren(TControl* control);
  bool HasControlSkin(TControl* control) const;
  bool SkipInTabWalk(TWinControl* control) const;

  TControlSkinHost& host_;
};

}  // namespace quarnel
