// The frame object's state, grouped by concern: the window it is bound to, what kind it is and where its
// activation stands (the frame object's), how the window is shown (its show-state part's), and
// the sizes it imposes (its fitting part's). Each group is written only by its owner; everyone
// else reads it through the frame's view. UI thread.
#pragma once
#include <windows.h>

#include <string>

class TCustomForm;

namespace quarnel {

class TSkinData;

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

// The window a frame object is bound to, its class as the manager found it, its form (null for
// a window of the system's or of another program) and the skin data it is drawn from.
struct TFrameBinding {
  HWND Window = nullptr;
  std::string ClassName;
  TCustomForm* Form = nullptr;
  TSkinData* Skin = nullptr;
};

// The framed window's kind and styles as read at attach, and the frame's activation state.
struct TFrameActivation {
  TFormSkinState SkinState = fsNotActivated;
  TFormKind FormKind = fkPlainForm;
  TBorderKind BorderKind = bkSingle;
  unsigned BorderIcons = 0;  // TBorderIconBits
  bool RightToLeft = false;
  bool ChildWindow = false;
  bool DialogClass = false;
  bool UnicodeWindow = false;
  bool FrameEnabled = false;
};

// How the window is shown: normal, maximised or minimised, and whether its frame shows active.
struct TFrameShow {
  TWindowShowState State = wssNormal;
  bool Active = true;
};

// The frame's sizes: the borders and caption the skin imposes, the menu band, the client size
// they were fitted around, the system's frame they replaced and the window size last painted.
struct TFrameMetrics {
  int BorderLeft = 0, CaptionHeight = 0, BorderRight = 0, BorderBottom = 0;
  int MenuBarHeight = 0;
  RECT ClientSize{};
  SIZE NativeFrameExtra{};
  SIZE WindowSize{};
};

}  // namespace quarnel
