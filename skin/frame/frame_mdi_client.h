// TFrameMDIClient: the MDI client window of a skinned MDI frame, a part of its frame object. It
// replaces the client's procedure while the frame is skinned: the client keeps no scroll bars
// unless the skin wants them, the frame knows when its children are arranged, maximised or all
// gone, and a menu set through the client goes into the skinned bar. It reads its frame object
// through its view; what it changes of the menus is its frame's menu band's. UI thread of the
// frame.
#pragma once
#include <windows.h>

#include "framework/ui/message.h"
#include "framework/win/window_thunk.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameMenuBand;

class TFrameMDIClient {
 public:
  TFrameMDIClient(const TFrameView& view, TFrameMenuBand& menuBand) : view_(view), menuBand_(menuBand) {}
  TFrameMDIClient(const TFrameMDIClient&) = delete;
  TFrameMDIClient& operator=(const TFrameMDIClient&) = delete;

  // The frame's client window, found at attach (null: the frame is no MDI frame).
  void SetWindow(HWND client) { client_ = client; }
  const HWND& Window() const { return client_; }
  void Install();
  void Restore() { subclass_.Restore(); }

 private:
  // The client's own procedure sees what the switch does not take, once.
  void WindowProc(TMessage& m);
  bool OnMessage(TMessage& m);
  bool OnNcDestroy(TMessage& m);
  bool OnNcCalcSize();
  bool OnCreateChild();
  bool OnDestroyChild(TMessage& m);
  bool OnSetMenu(TMessage& m, HMENU frameMenu);
  bool OnArrange();
  bool OnRedrawFrame();

  const TFrameView& view_;
  TFrameMenuBand& menuBand_;
  HWND client_ = nullptr;
  fw::WindowSubclass subclass_;
};

}  // namespace quarnel
