// TWinSkinMenu: the skinned menu bar of a window with a native menu bar. It reads the bar's
// top-level items, takes the native bar off the window (the frame keeps a band for it), lays
// the items out, draws the band from the skin's MenuBar element and colours, and draws the
// items of its open drop-downs in the skin's look. UI thread of the window.
#pragma once
#include <windows.h>

#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "skin/frame/menus/native_menu_items.h"

class TMainMenu;
class TMenuItem;

namespace quarnel {

class TSkinData;

// One top-level item of the bar. State: 1 normal, 2 pressed (its drop-down is open), 3 hot.
struct TMenuBtn {
  int Index = 0;
  std::wstring Caption;  // with its "&" accelerator marker
  bool ItemEnabled = true;
  bool Visible = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;
  TMenuItem* MenuItem = nullptr;  // the form's menu item for it, when the form has a menu component
  RECT Rect{};                    // frame coordinates, empty when invisible
  int State = 1;
};

// Item rectangles of a band `bandWidth` wide starting at `band`'s left, for items of the given
// caption widths; right to left they run from the right edge leftwards.
std::vector<RECT> MenuBarLayout(const RECT& band, const std::vector<int>& widths, int start,
                                bool rightToLeft);

class TWinSkinMenu {
 public:
  TWinSkinMenu(HWND window, TSkinData* skinData) : window_(window), skinData_(skinData) {}

  // Reads the window's native bar into Buttons and takes the bar off the window; false (and
  // nothing changed) when the window has no menu bar.
  bool BuildButtons();
  // Puts the native bar back on the window.
  void GiveBack();
  // Draws the band (frame coordinates) into the window DC and lays the items out. Right to
  // left, the items end 5 pixels before `rightEdge` (a frame x) when that lies inside the band:
  // the leftmost button of a maximised MDI child stands there.
  void PaintMenuBar(HDC dc, const RECT& band, bool active, bool rightToLeft, int rightEdge = INT_MAX);
  // Redraws one item in its state over the saved band background.
  void PaintButton(HDC dc, const TMenuBtn& button);
  // The visible button with a caption under a frame point, or null.
  TMenuBtn* ButtonAt(POINT framePoint);
  // The first enabled, visible button whose accelerator is `key` (case-insensitive), or null.
  TMenuBtn* ButtonWithAccelerator(wchar_t key);

  // The items of a drop-down (at every depth) are drawn by the skin while it is open: they are
  // made owner-drawn, and Restore puts back what they were.
  void OwnerDrawDropDown(HMENU menu) {
    dropDownItems_.DrawIn(skinData_, menu_);
    dropDownItems_.OwnerDraw(menu, true);
  }
  void RestoreDropDown() { dropDownItems_.Restore(); }
  // Owner-draw records of those items; false for any other item.
  bool MeasureNativeItem(MEASUREITEMSTRUCT& measure) { return dropDownItems_.Measure(measure); }
  bool DrawNativeItem(const DRAWITEMSTRUCT& draw, bool rightToLeft) {
    return dropDownItems_.Draw(draw, rightToLeft);
  }
  bool MenuChar(HMENU menu, wchar_t key, LRESULT& result) const {
    return dropDownItems_.MenuChar(menu, key, result);
  }

  // The form's menu component, or null (a window without one): its items are the bar's.
  TMainMenu* MenuComponent() const { return menu_; }
  void SetMenuComponent(TMainMenu* menu) { menu_ = menu; }
  HMENU NativeMenu() const { return nativeMenu_; }
  const std::vector<TMenuBtn>& Buttons() const { return buttons_; }
  TMenuBtn* FirstButton() { return buttons_.empty() ? nullptr : &buttons_.front(); }
  // The window's keyboard cues hide mnemonic underlines (until Alt shows them); true when that
  // changed.
  bool SetAcceleratorsHidden(bool hidden) { return std::exchange(hideAccelerators_, hidden) != hidden; }
  // Gives each item the state `stateOf` names for it and redraws those that changed.
  void ShowStates(const std::function<int(const TMenuBtn&)>& stateOf);

 private:
  void DrawCaption(HDC dc, const TMenuBtn& button);
  TMenuItem* FormItemOf(const MENUITEMINFOW& info, int position, int count, TMenuItem* root) const;
  TNativeMenuItems dropDownItems_;
  HWND window_ = nullptr;
  TSkinData* skinData_ = nullptr;
  TMainMenu* menu_ = nullptr;
  HMENU nativeMenu_ = nullptr;
  std::vector<TMenuBtn> buttons_;
  RECT barRect_{};
  TBitmap barBitmap_;  // the band's background at the last paint, without items
  bool hideAccelerators_ = false;
};

}  // namespace quarnel
