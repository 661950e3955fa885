// Menus: `TMenuItem` (a tree of items with caption, tag, glyph, state, shortcut text and click,
// draw and measure events), `TMenu` and its two kinds `TMainMenu` (a window's menu bar) and
// `TPopupMenu` (shown at a point, routed through a hidden window). User-interface thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/graphics/canvas.h"
#include "framework/win/handles.h"

class TImageList;

// The upper-case letter after a caption's single "&" (its accelerator), or 0 when it has none.
wchar_t MenuAccelerator(const std::string& caption);
class TMenu;
class TMenuItem;

// Draws an owner-drawn item into `rect`; `state` holds the ODS_* bits of the system.
using TMenuDrawItemEvent =
    std::function<void(TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state)>;
// Gives the size of an owner-drawn item; width and height arrive holding the default measure.
using TMenuMeasureItemEvent =
    std::function<void(TMenuItem* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
  FW_DECLARE_CLASS()
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on) { checked_ = on; }
  // The menu's default item (shown in bold; chosen by a double click on its parent).
  bool Default() const { return default_; }
  void SetDefault(bool on) { default_ = on; }
  // The shortcut as text shown at the item's right ("Ctrl+S", "ALT+F4").
  const std::string& ShortCut() const { return shortCut_; }
  void SetShortCut(const std::string& text) { shortCut_ = text; }
  bool IsLine() const { return caption_ == "-"; }

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // Children, in order. Items are owned by their owner component; the tree only links them.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  // A new child owned by `owner`, added at the end.
  TMenuItem* AddNew(TComponent* owner, const std::string& caption, int tag = 0);
  // The menu the item belongs to (through its parents), or null.
  TMenu* GetParentMenu() const;
  // Depth below the menu's root: a menu bar's titles are 1.
  int Level() const;

  // Runs OnClick when the item is enabled.
  virtual void Click();
  UINT Command() const { return command_; }  // the item's WM_COMMAND identifier

  // The framework's own look of an item: background, check, glyph, caption, shortcut, lines.
  void DefaultDraw(TCanvas& canvas, const RECT& rect, UINT state);
  void DefaultMeasure(TCanvas& canvas, int& width, int& height);

  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TMenu;
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  bool checked_ = false;
  bool default_ = false;
  std::string shortCut_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item
  UINT command_;
};

class TMenu : public TComponent {
  FW_DECLARE_CLASS()
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return root_.get(); }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool on);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images) { images_ = images; }

  // The menu handle, built from the items on first use; Rebuild makes it again after changes.
  HMENU Handle();
  void Rebuild();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }

  // Routing of the messages the menu's owner window receives; true when one of our items.
  bool DispatchCommand(UINT command);
  bool DispatchDrawItem(const DRAWITEMSTRUCT& draw);
  bool DispatchMeasureItem(MEASUREITEMSTRUCT& measure);
  // WM_MENUCHAR for `menu`: false when none of its items are this menu's owner-drawn ones.
  bool DispatchMenuChar(HMENU menu, wchar_t key, LRESULT& result) const;
  TMenuItem* FindItem(UINT command) const;
  // The item of this menu at `address` (an owner-draw record's item data), or null.
  TMenuItem* FindItemByAddress(ULONG_PTR address) const;

 protected:
  virtual bool IsPopup() const = 0;
  void Fill(HMENU menu, TMenuItem& parent, bool ownerDraw);

 private:
  TMenuItem* FindItemWhere(const std::function<bool(const TMenuItem&)>& match) const;

  ComponentPtr<TMenuItem> root_;
  fw::UniqueMenu handle_;
  bool ownerDraw_ = false;
  TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
  FW_DECLARE_CLASS()
 public:
  using TMenu::TMenu;

 protected:
  bool IsPopup() const override { return false; }
};

class TPopupMenu : public TMenu {
  FW_DECLARE_CLASS()
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  TNotifyEvent OnPopup;
  // Shows the menu at the screen point and returns when it closes; the chosen item's OnClick
  // runs from the command the hidden window receives.
  void Popup(int x, int y);
  HWND Window() const { return window_.get(); }
  // The item chosen in the last Popup, or null.
  TMenuItem* LastChosen() const { return lastChosen_; }

 protected:
  bool IsPopup() const override { return true; }

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleCommand(WPARAM wParam);
  LRESULT HandleDrawItem(LPARAM lParam);
  LRESULT HandleMeasureItem(LPARAM lParam);
  fw::UniqueWindow window_;
  TMenuItem* lastChosen_ = nullptr;
};
