// TFrameFitting: the sizes of a skinned frame and the window fitted to them, a part of its frame
// object. It owns the frame's metrics (the skin's borders and caption, the menu band, the client
// size they were fitted around and the system's frame they replaced), computes them from the
// skin, and sizes the window so that its client area sits inside the skin's frame, or inside the
// system's frame again when the skin comes off. It reads the frame through its view and reaches it
// only through TFittingOwner. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "skin/frame/frame_state.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameCaption;
class TFrameMenuBand;

// What the fitting asks of its frame object.
class TFittingOwner {
 public:
  virtual void RefreshFrame() = 0;  // the frame sized again, the window's size kept

 protected:
  ~TFittingOwner() = default;
};

class TFrameFitting {
 public:
  TFrameFitting(const TFrameView& view, const TFrameCaption& caption, const TFrameMenuBand& menuBand,
                TFittingOwner& owner)
      : view_(view), caption_(caption), menuBand_(menuBand), owner_(owner) {}
  TFrameFitting(const TFrameFitting&) = delete;
  TFrameFitting& operator=(const TFrameFitting&) = delete;

  const TFrameMetrics& Metrics() const { return metrics_; }

  // The skin's border and caption sizes for the window's border kind; false when there is no
  // skin to take them from (the metrics stay).
  bool Compute();
  void SetMenuBarHeight(int height) { metrics_.MenuBarHeight = height; }
  // An MDI child's caption is never lower than the system's: the band makes up the difference.
  void KeepSystemCaptionHeight();
  // The window's client size and the system's frame around it, read once it is fully made.
  void ReadNativeFrame();
  void NoteWindowSize(SIZE size) { metrics_.WindowSize = size; }

  // The window sized so that the skin's frame fits round its client area: the client size it
  // has now (`keepClientSize`, a re-skin), or its form's. A window that fits already is left.
  void FitWindow(bool keepClientSize);
  // The window keeps its client area and gets the system's frame around it again. `addedBand`:
  // height of a skinned menu band the frame added outside the client area.
  void ResizeToNativeFrame(int addedBand);

 private:
  void WidenForDialogTitle(int& width);

  const TFrameView& view_;
  const TFrameCaption& caption_;
  const TFrameMenuBand& menuBand_;
  TFittingOwner& owner_;
  TFrameMetrics metrics_;
};

}  // namespace quarnel
