// Combo boxes: `TCustomCombo` (items kept in the window once it exists, selection, text, drop-down
// state and the change, select, drop-down and close-up events), `TCustomComboBox`/`TComboBox` over
// the system COMBOBOX class with its four styles, and `TCustomComboBoxEx`/`TComboBoxEx` over the
// extended combo box. User-interface thread.
#pragma once
#include <functional>
#include <memory>

#include "framework/core/strings.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/control.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed };
enum TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };
const TEnumInfo& ComboBoxStyleEnum();
const TEnumInfo& ComboBoxExStyleEnum();

class TCustomCombo : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomCombo(TComponent* owner);
  ~TCustomCombo() override;
  TStrings* Items() { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The edit part's text; for a list-only combo the selected item's (setting it selects the item).
  virtual std::string Text() const { return Caption(); }
  void SetText(const std::string& text);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int v);
  bool DroppedDown() const;
  void SetDroppedDown(bool v);
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange, OnSelect, OnDropDown, OnCloseUp;

 protected:
  friend class TComboStrings;
  // The items in the window: plain combo boxes and extended ones store them differently.
  virtual void WindowInsert(int index, const std::string& text) = 0;
  virtual std::string WindowItem(int index) const = 0;
  virtual bool EditableStyle() const = 0;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;
  // The window is made this much taller than the control: room for the drop-down list.
  virtual int ListHeight() const;
  void SetCaptionSilently(const std::string& text);

  TStringList stored_;  // the items while there is no window
  int itemIndex_ = -1;
  int dropDownCount_ = 8;

 private:
  bool CnCommand(WORD code, LRESULT& result);
  std::unique_ptr<TStrings> items_;
};

// A combo box item drawn by the program: item index, its rectangle in Canvas() and the
// ODS_* state bits.
using TDrawItemEvent = std::function<void(TObject* sender, int index, const RECT& rect, UINT state)>;

class TCustomComboBox : public TCustomCombo {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomComboBox(TComponent* owner);
  int Style() const { return style_; }
  void SetStyle(int v);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  // Bound to the item's DC while OnDrawItem runs.
  TCanvas* Canvas() { return &canvas_; }

  TDrawItemEvent OnDrawItem;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;
  void WindowInsert(int index, const std::string& text) override;
  std::string WindowItem(int index) const override;
  bool EditableStyle() const override { return style_ == csDropDown || style_ == csSimple; }
  int ListHeight() const override;

 private:
  bool WmEraseBackground(HDC dc, LRESULT& result);
  bool CnDrawItem(const DRAWITEMSTRUCT& item, LRESULT& result);
  void DrawItem(const DRAWITEMSTRUCT& item);
  int style_ = csDropDown;
  bool sorted_ = false;
  int itemHeight_ = 16;
  int maxLength_ = 0;
  TCanvas canvas_;
};

class TComboBox : public TCustomComboBox {
  FW_DECLARE_CLASS()
 public:
  using TCustomComboBox::TCustomComboBox;
};

class TCustomComboBoxEx : public TCustomCombo {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomComboBoxEx(TComponent* owner);
  int Style() const { return style_; }
  void SetStyle(int v);
  std::string Text() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowInsert(int index, const std::string& text) override;
  std::string WindowItem(int index) const override;
  bool EditableStyle() const override { return style_ != csExDropDownList; }

 private:
  int style_ = csExDropDown;
};

class TComboBoxEx : public TCustomComboBoxEx {
  FW_DECLARE_CLASS()
 public:
  using TCustomComboBoxEx::TCustomComboBoxEx;
};
