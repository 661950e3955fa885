// Collections: owned items, their order, and change reports to the owner. User-interface thread.
#include "framework/core/collection.h"

#include <algorithm>
#include <string>

#include "framework/core/error.h"
#include "framework/core/properties.h"

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClass())
          .Int("Index", &TCollectionItem::Index, nullptr)
          .Build();
  return info;
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCollection>("TCollection", &TPersistent::StaticClass())
                                     .Int("Count", &TCollection::Count, nullptr)
                                     .Build();
  return info;
}

int TCollectionItem::Index() const {
  return collection_ ? collection_->IndexOf(this) : -1;
}

void TCollectionItem::Changed() {
  if (collection_) collection_->Changed(this);
}

TCollection::TCollection(const TClassInfo& itemClass, ItemMaker maker)
    : itemClass_(itemClass), maker_(std::move(maker)) {}

TCollection::~TCollection() {
  OnUpdate = nullptr;
  items_.clear();
}

TCollectionItem* TCollection::Item(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<size_t>(index)].get();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

TCollectionItem* TCollection::InsertItem(int index) {
  if (index < 0 || index > Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  auto it = items_.insert(items_.begin() + index, maker_(this));
  Changed(nullptr);
  return it->get();
}

void TCollection::Delete(int index) {
  Item(index);  // range check
  // The owner is told after the item has left the list, while it still exists.
  std::unique_ptr<TCollectionItem> gone = std::move(items_[static_cast<size_t>(index)]);
  items_.erase(items_.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed(nullptr);
}

void TCollection::Move(int from, int to) {
  Item(from);
  Item(to);
  auto item = std::move(items_[static_cast<size_t>(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  Changed(nullptr);
}

void TCollection::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0 && pending_) {
    pending_ = false;
    if (OnUpdate) OnUpdate(nullptr);
  }
}

void TCollection::Changed(TCollectionItem* item) {
  if (updating_ > 0) {
    pending_ = true;
    return;
  }
  if (OnUpdate) OnUpdate(item);
}
