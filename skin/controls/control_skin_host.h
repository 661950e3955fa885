// TControlSkinHost: what the control skin objects and the control walk need from the frame
// object that owns and drives them (its window and form, the shared canvas, the skin data and
// the registry of its control skins). The frame object implements it. UI thread.
#pragma once
#include <windows.h>

#include <vector>

class TCanvas;
class TComponent;
class TCustomForm;

namespace quarnel {

class TSkinData;
class TSkinControl;

class TControlSkinHost {
 public:
  // The owner of the control skins of bare windows; control skins follow its free notification.
  virtual TComponent& HostComponent() = 0;
  virtual HWND HostWindow() const = 0;
  // The framework form of the window, or null for a foreign window.
  virtual TCustomForm* HostForm() const = 0;
  virtual TSkinData* HostSkinData() const = 0;
  // The canvas every control skin of this host draws with.
  virtual TCanvas& HostCanvas() = 0;
  // The control skins registered with this host, in attach order. Read only: a skin joins and
  // leaves through the two operations below.
  virtual const std::vector<TSkinControl*>& ControlSkins() const = 0;
  // Adds `skin` at the end unless it is registered already.
  virtual void RegisterControlSkin(TSkinControl& skin) = 0;
  virtual void UnregisterControlSkin(TSkinControl& skin) = 0;
  // The registered skin serving `window`, or null.
  virtual TSkinControl* FindControlSkin(HWND window) const = 0;
  // The host paints its own frame (a menu band included).
  virtual bool HostFrameEnabled() const = 0;
  // A menu a control refers to (its "Menu" property) is drawn in the skin's look from now on.
  virtual void HostHookMenu(TComponent* menu) = 0;

 protected:
  ~TControlSkinHost() = default;
};

}  // namespace quarnel
