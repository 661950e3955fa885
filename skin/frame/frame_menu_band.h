// TFrameMenuBand: the menu band of a skinned frame, a part of its frame object. It owns the
// skinned bar standing in for the native one (or the native bar kept in the band), menu mode on
// the bar with its drop-down tracking, and the native menus drawn by the skin while shown (the
// menu components' items are its frame's menu hooks'). It reads its frame object through its view and
// reaches it only through TMenuBandOwner. Members are defined in menu_band_*.cpp. UI thread of
// the skinned window.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/component.h"
#include "framework/ui/message.h"
#include "skin/frame/frame_menu_hooks.h"
#include "skin/frame/frame_state.h"
#include "skin/frame/frame_view.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/menus/native_menu_items.h"

class TCanvas;
class TCustomForm;
class TMainMenu;
class TMenu;
class TMenuItem;

namespace quarnel {

class TSkinData;

// What the menu band asks of its frame object (it reads the frame through its view).
class TMenuBandOwner {
 public:
  // The band's height in the frame changed (0: no band).
  virtual void BandHeightChanged(int height) = 0;
  virtual void PaintFrame(HDC dc) = 0;  // null: into the window's DC
  // The band takes its room, or gives it back: the frame is sized again.
  virtual void RefreshFrame() = 0;

 protected:
  ~TMenuBandOwner() = default;
};

class TFrameMenuBand {
 public:
  TFrameMenuBand(const TFrameView& view, TFrameMenuHooks& hooks, TMenuBandOwner& owner)
      : view_(view), hooks_(hooks), owner_(owner) {}
  TFrameMenuBand(const TFrameMenuBand&) = delete;
  TFrameMenuBand& operator=(const TFrameMenuBand&) = delete;

  // --- the bar --------------------------------------------------------------------------------
  TWinSkinMenu* Bar() const { return bar_.get(); }
  bool Tracking() const { return tracking_; }
  bool SystemBar() const { return systemBar_; }
  // The native menu taken off the window at activation, and put back on it.
  void TakeNativeMenu() { nativeMenu_ = GetMenu(view_.Window()); }
  void GiveBackNativeMenu();
  void CreateBar();
  void FreeBar();
  // The bar goes with its window (unless a menu component owns it, its native menu too).
  void DestroyWithWindow();
  // A window with a native bar that the skin does not draw keeps it, in the band below the
  // skinned caption: the band is sized for it, and the system lays it out and draws it there.
  void SyncSystemBar();
  // The system's menu height changed: a band that shows a bar takes the new height.
  void RenewBandHeight();
  void LayOutSystemBar(HDC dc, RECT band);
  // A menu put back on the window is read into the skinned bar and taken off the window again.
  void AdoptNativeMenu(bool rebuild);
  // The menu update switch of the skin data, kept while MDI children come and go.
  void SaveMenuUpdate(bool on) { savedMenuUpdate_ = on; }
  // An MDI frame's last child went: the switch as it was, and the bar shows the frame's own
  // menu again.
  void ShowFrameMenuAgain();

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
  POINT FramePoint(POINT screen) const { return view_.FramePoint(screen); }
  bool RightToLeft() const { return view_.Facts().RightToLeft; }

  // --- owner-drawn menus ----------------------------------------------------------------------
  // The window's messages about the menus it shows: true when handled. A popup about to open is
  // the window menu when the system says so or when it is the skinned `windowMenu`.
  bool OnInitMenuPopup(TMessage& m, HMENU menu, bool systemMenu, HMENU windowMenu);
  bool OnMeasureItem(TMessage& m, UINT control, MEASUREITEMSTRUCT& measure);
  bool OnDrawItem(TMessage& m, UINT control, const DRAWITEMSTRUCT& draw);
  bool OnMenuChar(TMessage& m, wchar_t key, HMENU menu);
  bool OnExitMenuLoop(TMessage& m);
  // The window's keyboard cues changed: the bar's mnemonic underlines show or hide with them (the
  // state is followed from these messages, not asked for on each paint).
  bool OnUpdateUiState(TMessage& m);
  // The frame is not painted while the menu changes; then the skinned bar takes the new menu.
  bool OnMenuChanged(TMessage& m);
  // Native menus that no menu component of ours draws (a foreign window's menus, the system's
  // window menu): their items are the skin's while their popup is shown.
  void TakeForeignMenu(HMENU menu, bool windowMenu);
  void RestoreForeignMenus() { foreignItems_.Restore(); }

 private:
  void PostPress(const TMenuBtn& button);
  // Menu mode on the bar: the item shown open (-1: none), the loop while the hot item has no
  // drop-down to show, and the end of menu mode.
  void ShowOpenItem(int index);
  int BarLoop(int index);
  void EndTracking();

  const TFrameView& view_;
  TFrameMenuHooks& hooks_;
  TMenuBandOwner& owner_;
  std::unique_ptr<TWinSkinMenu> bar_;
  HMENU nativeMenu_ = nullptr;
  bool tracking_ = false;
  bool systemBar_ = false;  // no skinned bar: the window keeps its native one, drawn by the system
  bool savedMenuUpdate_ = true;
  TNativeMenuItems foreignItems_;  // items of native menus no menu component draws, while shown
};

}  // namespace quarnel
