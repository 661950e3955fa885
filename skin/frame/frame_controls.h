// TFrameControls: the control skin objects of a skinned frame's window, a part of its frame
// object. It is the host the control skins and the control walk are driven through: it keeps
// their registry and the canvas they share, walks the form's controls (or a foreign window's
// child windows, again after a burst of new ones), and takes the hot mark from the controls of
// a foreign window the pointer has left. It reads its frame object through its view; menus the
// controls refer to are its frame's menu hooks'. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include <vector>

#include "framework/core/component.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/message.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_skin_list.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameMenuHooks;

class TFrameControls : public TControlSkinHost {
 public:
  // `frame` owns the control skins of bare windows.
  TFrameControls(const TFrameView& view, TComponent& frame, TFrameMenuHooks& menuHooks)
      : view_(view), frame_(frame), menuHooks_(menuHooks) {}
  TFrameControls(const TFrameControls&) = delete;
  TFrameControls& operator=(const TFrameControls&) = delete;

  // Gives every control (or child window) without one its control skin object.
  void AttachControlSkins();
  // Frees every control skin object; unless destroying, each first restores its control.
  void ReleaseControlSkins(bool destroying);
  // Gives `window` and the windows inside it their own look back.
  void ReleaseControlSkinsWithin(HWND window);
  void DispatchWindow(HWND window);
  void UpdateSkins();  // each takes the skin data's present skin
  // Control skins of a foreign window marked as under the pointer are told it left: all of
  // them, or only those whose window no longer holds the cursor.
  void ReleaseHotControls(bool onlyOutside);

  // The window's messages about its children.
  bool OnParentNotify(TMessage& m, UINT event);
  bool OnWalkChildren(LPARAM tag);
  bool OnReskinScroll(HWND control);

  // --- the host ---------------------------------------------------------------------------------
  TComponent& HostComponent() override { return frame_; }
  HWND HostWindow() const override { return view_.Window(); }
  TCustomForm* HostForm() const override { return view_.Form(); }
  TSkinData* HostSkinData() const override { return view_.Skin(); }
  TCanvas& HostCanvas() override { return canvas_; }
  const std::vector<TSkinControl*>& ControlSkins() const override { return controls_.Items(); }
  void RegisterControlSkin(TSkinControl& skin) override { controls_.Register(skin); }
  void UnregisterControlSkin(TSkinControl& skin) override { controls_.Unregister(skin); }
  TSkinControl* FindControlSkin(HWND window) const override { return controls_.Find(window); }
  bool HostFrameEnabled() const override { return view_.Facts().FrameEnabled; }
  void HostHookMenu(TComponent* menu) override;

 private:
  const TFrameView& view_;
  TComponent& frame_;
  TFrameMenuHooks& menuHooks_;
  TControlSkinList controls_;  // freed by ReleaseControlSkins
  TCanvas canvas_;             // shared with the control skin objects while they draw
  bool childWalkPosted_ = false;
};

}  // namespace quarnel
