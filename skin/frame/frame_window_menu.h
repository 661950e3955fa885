// TFrameWindowMenu: the window menu of a skinned frame, a part of its caption. It reads the
// system's window menu of the window and shows an owner-drawn copy of it (glyphs from the skin
// data's menu glyphs) on the caption's right click, on the icon button and on Alt+Space. It
// reads the frame through its view; its commands go to the frame object through the caption's
// owner interface. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/core/component.h"
#include "framework/ui/menu.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TCaptionOwner;

class TFrameWindowMenu {
 public:
  TFrameWindowMenu(const TFrameView& view, TCaptionOwner& owner);
  TFrameWindowMenu(const TFrameWindowMenu&) = delete;
  TFrameWindowMenu& operator=(const TFrameWindowMenu&) = delete;

  void Read();  // the system's window menu of the window, as it is now
  HMENU Native() const { return native_; }
  bool HasClose() const;
  // Shows the skinned copy at a screen point. False, and nothing shown, when asked again within
  // the double-click time: the second click of a double click.
  bool Show(POINT screenPoint);
  void Build();
  const TPopupMenu* Popup() const { return popup_.get(); }
  void Drop() { popup_.reset(); }

 private:
  const TFrameView& view_;
  TCaptionOwner& owner_;
  HMENU native_ = nullptr;
  ComponentPtr<TPopupMenu> popup_;
  DWORD lastShownTick_ = 0;
  DWORD doubleClickTime_ = 0;
};

}  // namespace quarnel
