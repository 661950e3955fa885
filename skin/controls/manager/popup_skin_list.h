// The skin manager's list of popup menu windows on screen: which kind of menu opens next, and
// the skin object that paints each taken window. UI thread only.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/popup_menu_skin.h"

class TMenuItem;

namespace quarnel {

class TSkinData;
class TSkinManage;

// A popup menu window on screen that the manager has taken into its list.
struct TPopupSkinEntry {
  HWND Window = nullptr;
  TSkinData* SkinData = nullptr;
  std::unique_ptr<TWinSkinPopMenu> Skin;  // paints the window from the skin
};

class TPopupSkinList {
 public:
  explicit TPopupSkinList(TSkinManage& manager) : manager_(manager) {}

  int32_t Kind() const { return kind_; }
  void SetKind(int32_t kind) { kind_ = kind; }
  // While on, the popups that open are skinned whatever the options say of their kind.
  void SetSkinDrawn(bool on) { skinDrawn_ = on; }
  // True when the popup window was taken into the list.
  bool Take(HWND popup);
  // The window is going: its entry goes, and with the last one the kind resets.
  void Release(HWND popup);
  // The popup skin that shows a menu item's children: the newest one without an item takes an
  // item it has not seen; and the background picture of the one carrying the item.
  static TWinSkinPopMenu* AssignItem(const TMenuItem* item) { return TWinSkinPopMenu::AssignItem(item); }
  static TBitmap* BitmapOfItem(const TMenuItem* item) { return TWinSkinPopMenu::BitmapOfItem(item); }
  bool IsSkinned(HWND popup) const;
  const std::vector<TPopupSkinEntry>& Entries() const { return skins_; }
  // Every entry goes at once (the manager ends).
  void Clear() { skins_.clear(); }

 private:
  TSkinManage& manager_;
  int32_t kind_ = pkContextMenu;
  bool skinDrawn_ = false;
  std::vector<TPopupSkinEntry> skins_;
};

}  // namespace quarnel
