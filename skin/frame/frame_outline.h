// TFrameOutline: the window outline a frame object cuts from its skin (the inner rectangle
// joined with the opaque pixels of the transparent border pieces), set on the window once per
// window size, and the regions built lately, kept for the skins and sizes that come back.
// UI thread.
#pragma once
#include <windows.h>

#include "framework/win/handles.h"
#include "skin/frame/form_skin_geometry.h"

namespace quarnel {

class TSkinData;

class TFrameOutline {
 public:
  // What the outline is cut from besides the window's size.
  struct Source {
    const TSkinData* skin = nullptr;
    FrameSizes sizes;
    int borderKind = 0;  // a TBorderKind
    bool noBorder = false;
    bool redraw = true;  // the window is painted again at once (SetWindowRgn's)
  };
  // Cuts the outline for the window's present size, unless it was cut for that size already
  // and `evenIfSameSize` is false.
  void Update(HWND window, const Source& source, bool evenIfSameSize);
  // Takes the outline away (the system frees it) and forgets it.
  void Remove(HWND window);
  // The next Update cuts again whatever the size; CutSinceForget tells whether one did.
  void ForgetSize() { size_ = SIZE{}; }
  bool CutSinceForget() const { return size_.cx != 0; }
  bool Owned() const { return owned_; }

 private:
  bool owned_ = false;        // the window holds an outline of ours (the system owns it)
  fw::UniqueRegion applied_;  // a copy of the outline last set, compared without asking the window
  SIZE size_{};               // the window size the outline was cut for
};

}  // namespace quarnel
