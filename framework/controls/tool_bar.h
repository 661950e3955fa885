// `TToolBar` over the system tool bar ("ToolbarWindow32") and its `TToolButton`s: push, check,
// drop-down (with a popup menu) and separator buttons, images from an image list, flat look,
// captions, a menu shown as buttons, and custom-draw events for the whole bar and for each
// button. User-interface thread.
#pragma once
#include <functional>
#include <vector>

#include "framework/controls/common_controls.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/control.h"

class TImageList;
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
const TEnumInfo& ToolButtonStyleEnum();

// A button of a tool bar. It has no window of its own: the bar draws it and reports its clicks.
class TToolButton : public TControl {
  FW_DECLARE_CLASS()
 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;
  int Style() const { return style_; }
  void SetStyle(int v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  bool Down() const;
  void SetDown(bool v);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool v);
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* menu);
  TToolBar* ToolBar() const { return toolBar_; }
  int Index() const;  // position in the bar, -1 outside one
  // Shows the drop-down menu under the button; false when it has none.
  bool CheckMenuDropdown();
  // The menu-bar item this button stands for when the bar shows a menu, or null.
  TMenuItem* MenuItem() const { return menuItem_; }
  void Click() override;
  void SetParent(TWinControl* parent) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void TextChanged() override { Update(); }
  void EnabledChanged() override { Update(); }
  void VisibleChanged() override { Update(); }

 private:
  friend class TToolBar;
  void Update();
  TToolBar* toolBar_ = nullptr;
  int style_ = tbsButton;
  int imageIndex_ = -1;
  bool down_ = false;
  bool grouped_ = false;
  TPopupMenu* dropdownMenu_ = nullptr;
  TMenuItem* menuItem_ = nullptr;
};

// Custom-draw events, published so that callers reach them by name: the whole bar before it
// draws (bar, canvas, rectangle, default drawing) and each button (bar, button, canvas, state as
// the system's custom-draw item state bits CDIS_*, drawing flags, default drawing). Clearing the
// default-draw flag skips the bar's own drawing; the drawing flags (TBCDRF_*, for example
// TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND for a handler that drew the button's face) trim it. A
// button's caption takes the canvas font's colour.
using TTBCustomDrawEvent = TTypedEvent<TObject*, TCanvas&, const RECT&, bool&>;
using TTBCustomDrawBtnEvent = TTypedEvent<TObject*, TControl*, TCanvas&, unsigned, unsigned&, bool&>;

class TToolBar : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool v);
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int v);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int v);
  // A button's rectangle in the bar's client coordinates (empty without a window).
  RECT ButtonRect(const TToolButton* button);
  // A menu shown as the bar's buttons, one per menu-bar item; each drops its item's sub-menu.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  void Notification(TComponent* component, TOperation operation) override;

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool WmDrawItem(const DRAWITEMSTRUCT& item, LRESULT& result);
  bool WmMeasureItem(MEASUREITEMSTRUCT& item, LRESULT& result);
  bool CnCommand(WORD command);
  bool CnNotify(NMHDR& header, LRESULT& result);
  friend class TToolButton;
  void InsertButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  void RebuildButtons();
  void UpdateButton(TToolButton* button);
  void ApplyImages();
  LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
  TToolButton* ButtonOfCommand(int command) const;
  void MakeMenuButtons();
  void TrackMenu(TToolButton* button);
  std::vector<TToolButton*> buttons_;
  TImageList* images_ = nullptr;
  fw::UniqueImageList systemImages_;
  bool flat_ = false;
  bool showCaptions_ = false;
  int buttonWidth_ = 23, buttonHeight_ = 22;
  TMainMenu* menu_ = nullptr;
  std::vector<TToolButton*> menuButtons_;
};
