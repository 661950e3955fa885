// TFrameMenuBand: the menu band of a skinned frame, a part of its frame object. It owns the
// skinned bar standing in for the native one (or the native bar kept in the band), menu mode on
// the bar with its drop-down tracking, the menus given the skin's owner-drawn items and the
// native menus drawn by the skin while shown. It reaches its frame object only through
// TMenuBandOwner. Members are defined in menu_band_*.cpp. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/component.h"
#include "skin/frame/frame_state.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/menus/native_menu_items.h"

class TCanvas;
class TCustomForm;
class TMainMenu;
class TMenu;
class TMenuItem;

namespace quarnel {

class TSkinData;

// What the menu band asks of its frame object.
class TMenuBandOwner {
 public:
  virtual HWND BandWindow() const = 0;
  virtual const std::string& BandWindowClass() const = 0;  // as the manager bound the window
  virtual TSkinData* BandSkin() const = 0;
  virtual TCustomForm* BandForm() const = 0;
  virtual const TFrameActivation& BandFacts() const = 0;
  virtual POINT BandFramePoint(POINT screen) const = 0;
  // The band's height in the frame changed (0: no band).
  virtual void BandHeightChanged(int height) = 0;
  // Menus the band draws are watched for their end by this component.
  virtual TComponent& BandComponent() = 0;
  virtual void BandRepaintFrame() = 0;
  // The band takes its room, or gives it back: the frame is sized again.
  virtual void BandRefitFrame() = 0;

 protected:
  ~TMenuBandOwner() = default;
};

class TFrameMenuBand {
 public:
  explicit TFrameMenuBand(TMenuBandOwner& owner) : owner_(owner) {}
  TFrameMenuBand(const TFrameMenuBand&) = delete;
  TFrameMenuBand& operator=(const TFrameMenuBand&) = delete;

  // --- the bar --------------------------------------------------------------------------------
  TWinSkinMenu* Bar() const { return bar_.get(); }
  bool Tracking() const { return tracking_; }
  bool SystemBar() const { return systemBar_; }
  // The native menu taken off the window at activation, and put back on it.
  void TakeNativeMenu() { nativeMenu_ = GetMenu(owner_.BandWindow()); }
  void GiveBackNativeMenu();
  void CreateBar();
  void FreeBar();
  // The bar goes with its window (unless a menu component owns it, its native menu too).
  void DestroyWithWindow();
  // A window with a native bar that the skin does not draw keeps it, in the band below the
  // skinned caption: the band is sized for it, and the system lays it out and draws it there.
  void SyncSystemBar();
  void LayOutSystemBar(HDC dc, RECT band);
  // A menu put back on the window is read into the skinned bar and taken off the window again.
  void AdoptNativeMenu(bool rebuild);
  // The menu update switch of the skin data, kept while MDI children come and go.
  void SaveMenuUpdate(bool on) { savedMenuUpdate_ = on; }
  bool SavedMenuUpdate() const { return savedMenuUpdate_; }

  // --- pointer and keys -----------------------------------------------------------------------
  bool MouseMove(POINT framePoint);  // true: over a bar item
  // Opens the item's drop-down and runs menu mode on the bar until it ends; false when the
  // item has no drop-down (its command is posted).
  bool OpenButton(TMenuBtn* button);
  // Ends an open menu at once, when the frame object is about to go or to give its menu back:
  // the drop-down's items are the system's again and the loop touches the band no more.
  void AbandonTracking();
  // The keyboard-menu command with key `key` (0: F10 or Alt alone); true: handled, `result`
  // set.
  bool KeyMenu(wchar_t key, LRESULT& result);
  // Alt+letter: the bar item with that accelerator opens once the present message is done.
  bool ChildKeyMenu(wchar_t key);
  // CM_DIALOGCHAR: true when the band has a bar to answer for, `result` set when it took it.
  bool DialogChar(wchar_t key, LRESULT& result);
  POINT FramePoint(POINT screen) const { return owner_.BandFramePoint(screen); }
  bool RightToLeft() const { return owner_.BandFacts().RightToLeft; }

  // --- owner-drawn menus ----------------------------------------------------------------------
  bool MeasureItem(MEASUREITEMSTRUCT& measure);
  bool DrawItem(const DRAWITEMSTRUCT& draw);
  bool MenuChar(HMENU menu, wchar_t key, LRESULT& result);
  // Native menus that no menu component of ours draws (a foreign window's menus, the system's
  // window menu): their items are the skin's while their popup is shown.
  void TakeForeignMenu(HMENU menu, bool windowMenu);
  void RestoreForeignMenus() { foreignItems_.Restore(); }
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
  void PostPress(const TMenuBtn& button);
  // Menu mode on the bar: the item shown open (-1: none), the loop while the hot item has no
  // drop-down to show, and the end of menu mode.
  void ShowOpenItem(int index);
  int BarLoop(int index);
  void EndTracking();
  void HookMainMenuItems(TMainMenu& menu, TMenuItem& parent);
  bool IsOwnedMainMenu(TMainMenu* menu) const;
  void DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state);
  void MeasurePopupMenuItem(TMenuItem* item, int& width);

  TMenuBandOwner& owner_;
  std::unique_ptr<TWinSkinMenu> bar_;
  HMENU nativeMenu_ = nullptr;
  bool tracking_ = false;
  bool systemBar_ = false;  // no skinned bar: the window keeps its native one, drawn by the system
  bool savedMenuUpdate_ = true;
  std::vector<std::pair<TMainMenu*, TMenuItem*>> mainMenuHooks_;  // items given our handlers
  bool mainMenusOwnerDrawn_ = false;                              // owner-draw was switched on here
  std::vector<TMenu*> hookedMenus_;  // menus controls refer to, drawn through HookReferencedMenu
  int hookedDisableTag_ = 0;         // the skin data's DisableTag when the popup menus were hooked
  TNativeMenuItems foreignItems_;    // items of native menus no menu component draws, while shown
};

}  // namespace quarnel
