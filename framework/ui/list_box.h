// List boxes: `TCustomListBox` (the system LISTBOX class under the framework's class name) with
// its items, selected index and border, and `TListBox`. User-interface thread.
#pragma once
#include <memory>

#include "framework/core/strings.h"
#include "framework/ui/control.h"

class TCustomListBox : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;
  // The items live in the window once it exists, and in a list until then.
  TStrings* Items() { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  int TopIndex() const;
  void SetTopIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v) { borderStyle_ = v; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnCommand(WORD code);
  friend class TListBoxStrings;
  std::unique_ptr<TStrings> items_;
  TStringList stored_;  // the items while there is no window
  int itemIndex_ = -1;
  int itemHeight_ = 0;  // 0: the font's
  int borderStyle_ = 1;
};

class TListBox : public TCustomListBox {
  FW_DECLARE_CLASS()
 public:
  using TCustomListBox::TCustomListBox;
};
