// TWinSkinPopMenu: the skin on one system popup menu window ("#32768"). It paints the window's
// border and background from the skin's MenuBackground element and keeps that picture, from
// which the owner-drawn items copy their background. UI thread of the menu.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/ui/message.h"
#include "framework/win/window_thunk.h"

namespace quarnel {

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // `enabled` answers whether skinning is switched on at the moment (else messages pass).
  void Attach(HWND window, TSkinData* skinData, std::function<bool()> enabled = {});
  void Detach();
  bool Attached() const { return subclass_.Installed(); }

  HWND Window = nullptr;
  TSkinData* SkinData = nullptr;
  std::unique_ptr<TBitmap> MenuBackgroundBitmap;
  HMENU MenuHandle = nullptr;  // learnt from the first item drawn in the window
  const void* Item = nullptr;  // the menu item (a parent of drawn items) this window shows

  // Rebuilds the background for the window's present size; false without a MenuBackground image.
  bool BuildBackground();
  // Where the client area starts in the window (the items' coordinates are client ones).
  POINT ClientOffset() const;

  // Live popup objects, oldest first.
  static const std::vector<TWinSkinPopMenu*>& LivePopups();
  // The popup object of a popup window, or null.
  static TWinSkinPopMenu* OfWindow(HWND window);
  // The popup showing `menu`; a menu not known yet is given to the newest popup without one.
  static TWinSkinPopMenu* ForMenu(HMENU menu);
  // The popup carrying `item`; an item not known yet is given to the newest popup without one.
  static TWinSkinPopMenu* AssignItem(const void* item);
  // The background picture of the popup carrying `item`, or null.
  static TBitmap* BitmapOfItem(const void* item);

 private:
  void WindowProc(TMessage& m);
  void HandleEraseBackground(TMessage& m);
  void HandleNCPaint(TMessage& m);
  void HandlePrint(TMessage& m);
  void CopyBorderBands(HDC dc);
  void PaintBorderBands();
  void PaintBetweenItems();

  std::function<bool()> enabled_;
  fw::WindowSubclass subclass_;
};

}  // namespace quarnel
