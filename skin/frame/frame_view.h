// TFrameView: what the parts of a frame object read of it: the window as bound, its form and
// skin data, the MDI client of an MDI frame, the facts read at activation, how the window is
// shown, the sizes the frame imposes and the window's previous procedure, and the rules computed
// from them. The frame object and its parts keep and write that state, each its own; through the
// view the others only read it. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include <string>

#include "framework/ui/message.h"
#include "framework/win/window_thunk.h"
#include "skin/frame/form_skin_geometry.h"
#include "skin/frame/frame_state.h"

class TCustomForm;

namespace quarnel {

class TSkinData;

class TFrameView {
 public:
  TFrameView(const TFrameBinding& bound, const HWND& mdiClient, const TFrameActivation& facts,
             const TFrameShow& show, const TFrameMetrics& metrics, const fw::WindowSubclass& procedure)
      : bound_(bound),
        mdiClient_(mdiClient),
        facts_(facts),
        show_(show),
        metrics_(metrics),
        procedure_(procedure) {}
  TFrameView(const TFrameView&) = delete;
  TFrameView& operator=(const TFrameView&) = delete;

  HWND Window() const { return bound_.Window; }
  const std::string& WindowClass() const { return bound_.ClassName; }  // as the manager bound it
  TCustomForm* Form() const { return bound_.Form; }
  TSkinData* Skin() const { return bound_.Skin; }
  HWND MDIClient() const { return mdiClient_; }  // an MDI frame's client window, else null
  const TFrameActivation& Facts() const { return facts_; }
  const TFrameShow& Show() const { return show_; }
  const TFrameMetrics& Metrics() const { return metrics_; }
  // The window's previous procedure handles the message (its result stored).
  void Default(TMessage& message) const { procedure_.Default(message); }
  FrameSizes Sizes() const {
    return FrameSizes{metrics_.BorderLeft, metrics_.CaptionHeight, metrics_.BorderRight,
                      metrics_.BorderBottom, metrics_.MenuBarHeight};
  }

  // A window whose frame the skin draws: a top-level window with the frame on, or an MDI child.
  bool FrameDrawn() const {
    return facts_.FrameEnabled && !(facts_.ChildWindow && facts_.FormKind != fkMDIChild);
  }
  // Its non-client area is the frame's once activated, except a maximised MDI child's, which
  // the system draws in its frame's band.
  bool NonClientDrawn() const {
    return FrameDrawn() && facts_.SkinState != fsNotActivated &&
           !(facts_.FormKind == fkMDIChild && show_.State == wssMaximized);
  }
  // A screen point in frame coordinates (from the window's top-left corner).
  POINT FramePoint(POINT screen) const {
    POINT point = screen;
    ScreenToClient(bound_.Window, &point);
    if (facts_.FormKind == fkMDIChild && show_.State == wssMinimized) return point;
    point.x += metrics_.BorderLeft;
    point.y += metrics_.CaptionHeight + metrics_.MenuBarHeight;
    return point;
  }

 private:
  const TFrameBinding& bound_;
  const HWND& mdiClient_;
  const TFrameActivation& facts_;
  const TFrameShow& show_;
  const TFrameMetrics& metrics_;
  const fw::WindowSubclass& procedure_;
};

}  // namespace quarnel
