// The frame object's own state, grouped by concern: what kind of window it frames and where its
// activation stands, and the sizes it imposes (the caption, the outline and the menu band are
// parts of their own). Each group is written only by its TWinSkinForm; everyone else reads it
// through the frame object's accessors. UI thread.
#pragma once
#include <windows.h>

namespace quarnel {

enum TFormSkinState {
  fsNotActivated = 0,
  fsActive = 1,
  fsReskinning = 3,
  fsDestroying = 4,
  fsFitting = 5,
  fsDestroyed = 6
};
enum TFormKind { fkPlainForm = 0, fkMDIFrame = 1, fkMDIChild = 2 };
enum TBorderKind { bkSizeable = 0, bkSingle = 1, bkNoBorder = 2, bkDialog = 3 };
enum TBorderIconBits : unsigned {
  kbiMaximize = 1,
  kbiMinimize = 2,
  kbiHelp = 4,
  kbiSystemMenu = 8,
  kbiKeepSystemMenuStyle = 16
};
enum TWindowShowState { wssNormal = 0, wssMaximized = 1, wssMinimized = 2 };

// The framed window's kind and styles as read at attach, and the frame's activation state.
struct TFrameActivation {
  TFormSkinState SkinState = fsNotActivated;
  TFormKind FormKind = fkPlainForm;
  TBorderKind BorderKind = bkSingle;
  unsigned BorderIcons = 0;  // TBorderIconBits
  TWindowShowState WindowShowState = wssNormal;
  bool RightToLeft = false;
  bool ChildWindow = false;
  bool DialogClass = false;
  bool UnicodeWindow = false;
  bool FrameEnabled = false;
  bool Active = true;  // the window shows the active frame
};

// The frame's sizes: the borders and caption the skin imposes, the menu band, and the window and
// client sizes they were computed for.
struct TFrameMetrics {
  int BorderLeft = 0, CaptionHeight = 0, BorderRight = 0, BorderBottom = 0;
  int MenuBarHeight = 0;
  RECT ClientSize{};
  SIZE NativeFrameExtra{};
  RECT WindowRect{};
  SIZE WindowSize{};
};

}  // namespace quarnel
