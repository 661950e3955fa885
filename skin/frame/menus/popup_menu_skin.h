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

  HWND Window() const { return window_; }
  // The background picture for the window's present size, made when first asked for; null
  // without a MenuBackground image.
  TBitmap* Background();
  // Where the client area starts in the window (the items' coordinates are client ones).
  POINT ClientOffset() const;
  // The menu item (a parent of drawn items) this window shows, unless it knows one already.
  void CarryItem(const void* item) {
    if (!item_) item_ = item;
  }

  // The popup object of a popup window, or null.
  static TWinSkinPopMenu* OfWindow(HWND window);
  // The popup carrying `item`; an item not known yet is given to the newest popup without one.
  static TWinSkinPopMenu* AssignItem(const void* item);
  // The background picture of the popup carrying `item`, or null.
  static TBitmap* BitmapOfItem(const void* item);

 private:
  // Every case is one line: a handler that returns true has answered the message (in `result`),
  // false passes it on to the window's own procedure.
  void WindowProc(TMessage& m);
  // The window goes: the skin lets go of it first, then the message reaches its own procedure.
  void DetachAndForward(TMessage& m);
  bool OnEraseBackground(const std::function<void()>& previous, LRESULT& result);
  bool OnNcPaint(WPARAM region);
  void OnPainted();
  bool OnPrint(HDC dc, const std::function<void()>& previous);
  bool BuildBackground();
  void CopyBorderBands(HDC dc);
  void PaintBorderBands();
  void PaintBetweenItems();

  HWND window_ = nullptr;
  TSkinData* skinData_ = nullptr;
  std::unique_ptr<TBitmap> background_;
  const void* item_ = nullptr;  // the menu item (a parent of drawn items) this window shows
  std::function<bool()> enabled_;
  fw::WindowSubclass subclass_;
};

}  // namespace quarnel
