// Collections: `TCollection`, an ordered list of owned `TCollectionItem`s of one class (status
// panels, list columns, header sections, bands), and the typed `TOwnedCollection<T>`. Their
// owner is told of every change so it can bring its window up to date. User-interface thread.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "framework/core/component.h"

class TCollection;

class TCollectionItem : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  TCollection* Collection() const { return collection_; }
  int Index() const;

 protected:
  // Tells the collection's owner that this item changed.
  void Changed();

 private:
  TCollection* collection_;
};

class TCollection : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  using ItemMaker = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
  TCollection(const TClassInfo& itemClass, ItemMaker maker);
  ~TCollection() override;

  const TClassInfo& ItemClass() const { return itemClass_; }
  // The object the collection belongs to (a control), if it was told.
  TPersistent* Owner() const { return owner_; }
  void SetOwner(TPersistent* owner) { owner_ = owner; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Item(int index) const;  // throws EListError out of range
  int IndexOf(const TCollectionItem* item) const;
  TCollectionItem* AddItem() { return InsertItem(Count()); }
  TCollectionItem* InsertItem(int index);
  void Delete(int index);
  void Clear();
  void Move(int from, int to);

  // Changes between BeginUpdate and EndUpdate are reported once, at the end, as a whole.
  void BeginUpdate() { ++updating_; }
  void EndUpdate();
  // Told of a change: one item's properties (item set), or the list itself (null).
  std::function<void(TCollectionItem* item)> OnUpdate;

 private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);
  const TClassInfo& itemClass_;
  ItemMaker maker_;
  TPersistent* owner_ = nullptr;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updating_ = 0;
  bool pending_ = false;
};

// A collection whose items are all T.
template <class T>
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection() : TCollection(T::StaticClass(), [](TCollection* c) { return std::make_unique<T>(c); }) {}
  T* Items(int index) const { return static_cast<T*>(Item(index)); }
  T* Add() { return static_cast<T*>(AddItem()); }
  T* Insert(int index) { return static_cast<T*>(InsertItem(index)); }
};
