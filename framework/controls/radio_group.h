// Radio groups: `TCustomRadioGroup` and `TRadioGroup`, a group box that shows one radio button
// (a child `TRadioButton` it owns) per item, laid out in columns; `ItemIndex` is the checked
// one. User-interface thread.
#pragma once
#include <memory>
#include <vector>

#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "framework/core/strings.h"

class TCustomRadioGroup : public TCustomGroupBox {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomRadioGroup(TComponent* owner);
  ~TCustomRadioGroup() override;
  TStrings* Items() { return items_.get(); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int v);
  int Columns() const { return columns_; }
  void SetColumns(int v);
  // The radio button showing item `index` (the group's child controls, in item order).
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void BoundsChanged() override;
  void FontChanged() override;

 private:
  friend class TRadioGroupItems;
  // Makes the buttons match the items (count, captions, the checked one) and places them.
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(int index);

  std::unique_ptr<TStrings> items_;
  std::vector<TRadioButton*> buttons_;  // owned as components of the group
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
  FW_DECLARE_CLASS()
 public:
  using TCustomRadioGroup::TCustomRadioGroup;
};
