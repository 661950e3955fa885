// TFrameMenuHooks: the menu components of a skinned frame's form drawn in the skin's look, a
// part of its frame object. It puts owner-draw handlers on the items of the form's popup menu
// components, of the drop-downs of its main menus, of menus its controls refer to and of the
// skinned window menu, and takes them off again. It reads its frame object through its view.
// UI thread of the skinned window.
#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "framework/core/component.h"
#include "skin/frame/frame_view.h"

class TCanvas;
class TMainMenu;
class TMenu;
class TMenuItem;

namespace quarnel {

class TFrameMenuHooks {
 public:
  // `frame` follows the free notification of the menus controls refer to.
  TFrameMenuHooks(const TFrameView& view, TComponent& frame) : view_(view), frame_(frame) {}
  TFrameMenuHooks(const TFrameMenuHooks&) = delete;
  TFrameMenuHooks& operator=(const TFrameMenuHooks&) = delete;

  // Switches the popup menu components owned by `root` (and by forms it owns) to skinned
  // owner-drawn items, or back.
  void HookPopupMenus(TComponent* root, bool on);
  void HookMenuItems(TMenuItem& parent, bool on);
  // With xcMenuItem: the form's main menus owner-drawn below their titles, in the skin's look.
  void HookMainMenus(bool on);
  // A menu a control refers to, drawn by the skin until it goes or is unhooked.
  void HookReferencedMenu(TComponent* component);
  void UnhookReferencedMenus();
  void ForgetMenu(TComponent* component);

 private:
  void HookMainMenuItems(TMainMenu& menu, TMenuItem& parent);
  bool IsOwnedMainMenu(TMainMenu* menu) const;
  void DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state);
  void MeasurePopupMenuItem(TMenuItem* item, int& width);

  const TFrameView& view_;
  TComponent& frame_;
  std::vector<std::pair<TMainMenu*, TMenuItem*>> mainMenuHooks_;  // items given our handlers
  bool mainMenusOwnerDrawn_ = false;                              // owner-draw was switched on here
  std::vector<TMenu*> hookedMenus_;  // menus controls refer to, drawn through HookReferencedMenu
  int hookedDisableTag_ = 0;         // the skin data's DisableTag when the popup menus were hooked
};

}  // namespace quarnel
