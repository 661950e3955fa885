// The frame object's state, grouped by concern: what kind of window it frames and where its
// activation stands, the sizes it imposes and its menu band (the caption is TFrameCaption's and
// the window outline TFrameOutline's).
// Each group is written only by its TWinSkinForm; everyone else reads it
// through the frame object's accessors. UI thread.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/component.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/win/handles.h"
#include "skin/frame/menus/native_menu_items.h"

class TMainMenu;
class TMenu;
class TMenuItem;
class TPopupMenu;

namespace quarnel {

class TWinSkinMenu;

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

// The menu band: the skinned bar standing in for the native one, and the menus given the skin's
// owner-drawn items.
struct TMenuBand {
  std::unique_ptr<TWinSkinMenu> Bar;
  HMENU NativeMenu = nullptr;
  bool Tracking = false;
  bool SystemBar = false;  // no skinned bar: the window keeps its native one, drawn by the system
  bool SavedMenuUpdate = true;
  std::vector<std::pair<TMainMenu*, TMenuItem*>> MainMenuHooks;  // items given our handlers
  bool MainMenusOwnerDrawn = false;                              // owner-draw was switched on here
  std::vector<TMenu*> HookedMenus;  // menus controls refer to, drawn through HostHookMenu
  int HookedDisableTag = 0;         // the skin data's DisableTag when the popup menus were hooked
  TNativeMenuItems ForeignItems;    // items of native menus no menu component draws, while shown
};

}  // namespace quarnel
