// Radio groups: the item list drives the child radio buttons; a click on one of them becomes
// the group's ItemIndex and its OnClick. User-interface thread.
#include "framework/controls/radio_group.h"

#include <algorithm>

// The items of a radio group: a string list that tells the group after every change.
class TRadioGroupItems : public TStringList {
 public:
  explicit TRadioGroupItems(TCustomRadioGroup& group) : group_(group) {}
  void Put(int index, const std::string& s) override {
    TStringList::Put(index, s);
    group_.UpdateButtons();
  }
  void Insert(int index, const std::string& s) override {
    TStringList::Insert(index, s);
    group_.UpdateButtons();
  }
  void Delete(int index) override {
    TStringList::Delete(index);
    group_.UpdateButtons();
  }
  void Clear() override {
    TStringList::Clear();
    group_.UpdateButtons();
  }

 private:
  TCustomRadioGroup& group_;
};

const TClassInfo& TCustomRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomRadioGroup>("TCustomRadioGroup", &TCustomGroupBox::StaticClass())
          .Obj("Items", &TStrings::StaticClass, &TCustomRadioGroup::Items)
          .Int("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex)
          .Int("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns)
          .Build();
  return info;
}

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioGroup>("TRadioGroup", &TCustomRadioGroup::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), items_(std::make_unique<TRadioGroupItems>(*this)) {}

// The buttons are components of the group and go with it; only the list is dropped here.
TCustomRadioGroup::~TCustomRadioGroup() = default;

void TCustomRadioGroup::SetItemIndex(int v) {
  if (IsLoading()) {
    itemIndex_ = v;  // the items may come later in the description: checked in Loaded
    return;
  }
  if (v < -1 || v >= items_->Count()) v = -1;
  if (v == itemIndex_) return;
  if (v < 0) {
    itemIndex_ = -1;
    for (TRadioButton* b : buttons_) b->SetChecked(false);
    return;
  }
  buttons_[static_cast<size_t>(v)]->SetChecked(true);  // reaches ButtonClicked
}

void TCustomRadioGroup::SetColumns(int v) {
  v = std::clamp(v, 1, 16);
  if (v == columns_) return;
  columns_ = v;
  ArrangeButtons();
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  if (itemIndex_ < -1 || itemIndex_ >= items_->Count()) itemIndex_ = -1;
  UpdateButtons();
}

void TCustomRadioGroup::Notification(TComponent* component, TOperation operation) {
  TCustomGroupBox::Notification(component, operation);
  if (operation == opRemove)
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), component), buttons_.end());
}

void TCustomRadioGroup::UpdateButtons() {
  const int count = items_->Count();
  updating_ = true;
  while (static_cast<int>(buttons_.size()) > count) {
    TRadioButton* last = buttons_.back();
    DestroyComponent(last);  // Notification drops it from the list
  }
  while (static_cast<int>(buttons_.size()) < count) {
    auto* b = TComponent::CreateIn<TRadioButton>(this);
    const int index = static_cast<int>(buttons_.size());
    b->OnClick.code = [this, index](TObject*) { ButtonClicked(index); };
    b->SetParent(this);
    buttons_.push_back(b);
  }
  if (!IsLoading() && itemIndex_ >= count) itemIndex_ = count - 1;  // the last one stays checked
  for (int i = 0; i < count; ++i) {
    buttons_[static_cast<size_t>(i)]->SetCaption(items_->Get(i));
    buttons_[static_cast<size_t>(i)]->SetChecked(i == itemIndex_);
  }
  updating_ = false;
  ArrangeButtons();
}

void TCustomRadioGroup::ButtonClicked(int index) {
  if (updating_ || index == itemIndex_) return;
  itemIndex_ = index;
  Click();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int perColumn = (count + columns_ - 1) / columns_;
  const int textHeight = CaptionHeight();
  const int buttonWidth = std::max(0, (width_ - 10) / columns_);
  const int space = std::max(0, height_ - textHeight - 5);
  const int buttonHeight = space / perColumn;
  const int topMargin = textHeight + 1 + (space % perColumn) / 2;
  for (int i = 0; i < count; ++i) {
    const int column = i / perColumn, row = i % perColumn;
    buttons_[static_cast<size_t>(i)]->SetBounds(column * buttonWidth + 8, topMargin + row * buttonHeight,
                                                buttonWidth, buttonHeight);
  }
}

void TCustomRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}
