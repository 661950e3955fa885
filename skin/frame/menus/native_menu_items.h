// TNativeMenuItems: the items of native menus drawn by the skin while their popup is shown. They
// are made owner-drawn for that time (text, identifiers and states stay as they are), measured
// and drawn in the skin's item look, and given back their own type and data afterwards.
// UI thread of the window that owns the menus.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

class TMainMenu;
class TMenuItem;

namespace quarnel {

class TSkinData;

class TNativeMenuItems {
 public:
  // The look items taken are drawn in: the skin, and the form's menu component, whose items
  // (found by command) are measured and drawn from the framework's item; null for the menus of
  // a window without one.
  void DrawIn(TSkinData* skinData, TMainMenu* menuComponent) {
    skinData_ = skinData;
    menu_ = menuComponent;
  }

  // Makes the items of `menu` owner-drawn, and those of its submenus at every depth when
  // `deep`. Items that are owner-drawn already or bitmaps are the program's and stay as they are.
  void OwnerDraw(HMENU menu, bool deep);
  // Gives every item taken back what it was, wherever it stands now (its program may have
  // inserted or deleted items since); an item its program has changed since is left.
  void Restore();
  bool Empty() const { return items_.empty(); }
  bool Holds(HMENU menu) const;

  // Owner-draw records of the items taken; false for any other item.
  bool Measure(MEASUREITEMSTRUCT& measure) const;
  bool Draw(const DRAWITEMSTRUCT& draw, bool rightToLeft) const;
  // A key typed in one of those menus: owner-drawn items lose the system's mnemonics, so the
  // item whose "&" letter matches is chosen here (false: not one of our menus).
  bool MenuChar(HMENU menu, wchar_t key, LRESULT& result) const;

 private:
  // What an item taken was. Its address is the item data it carries while taken: a mark of
  // ours that no other record (of this set or another) and no position shares.
  struct TItem {
    HMENU Menu;
    UINT Id;
    UINT Type;
    ULONG_PTR Data;
    bool Branch;  // opens a submenu (whose identifier the system may give as it likes)
  };
  // The record an owner-draw message's item data names, when the identifier matches too.
  const TItem* Find(ULONG_PTR data, UINT id) const;
  // Where the item carrying `item`'s mark stands in its menu now, or -1.
  static int PositionOf(const TItem& item);
  // The form's menu item behind a native item (by its command), or null.
  TMenuItem* FormItem(const TItem& native) const;
  std::vector<std::unique_ptr<TItem>> items_;
  TSkinData* skinData_ = nullptr;
  TMainMenu* menu_ = nullptr;
};

}  // namespace quarnel
