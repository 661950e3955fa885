// What a frame object asks of the process's list of frame objects: the skin manager, which sits
// above the frame objects and installs itself here while it lives. UI thread.
#pragma once
#include <windows.h>

#include <cstdint>

class TWinControl;

namespace quarnel {

// Which kind of popup menu opens next.
enum TPopupKind : int32_t { pkContextMenu = 0, pkMenuBarDropDown = 1, pkWindowMenu = 2 };

class TFrameRegistry {
 public:
  // Drops the entry of a frame object that is going away (it frees itself).
  virtual void ForgetWindow(HWND window) = 0;
  virtual void SetSkinningCount(int32_t count) = 0;
  // A maximised MDI child shows its caption buttons in the frame's menu bar.
  virtual bool MaximizedChildMode() const = 0;
  virtual void SetMaximizedChildMode(bool on) = 0;
  // The MDI frame found at activation, and its client window.
  virtual HWND MDIClientWindow() const = 0;
  virtual void SetMDIClient(HWND client, TWinControl* form) = 0;
  virtual void SetPopupKind(int32_t kind) = 0;
  // While on, the popups that open show items the skin draws (the skinned window menu): they
  // are skinned whatever the options say of their kind.
  virtual void SetSkinDrawnPopups(bool on) = 0;

 protected:
  ~TFrameRegistry() = default;
};

// The installed registry, or null when there is none (no manager, or it is being destroyed).
TFrameRegistry* FrameRegistry();
void SetFrameRegistry(TFrameRegistry* registry);

}  // namespace quarnel
