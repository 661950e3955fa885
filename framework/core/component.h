// Components: owned objects with a name, a tag and an owner that frees them; the loading state
// and notifications a description reader and the skin engine rely on. User-interface thread.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/core/object.h"

class TComponent;

// Persistent objects can copy their state from another of their kind.
class TPersistent : public TObject {
  FW_DECLARE_CLASS()
 public:
  virtual void Assign(const TPersistent& /*source*/) {}
};

// Frees a component: first the virtual clean-up that needs the whole object, then the object.
struct ComponentDeleter {
  void operator()(TComponent* c) const;
};
template <class T = TComponent>
using ComponentPtr = std::unique_ptr<T, ComponentDeleter>;

enum TOperation { opInsert, opRemove };

enum TComponentStateBit : uint32_t {
  csLoading = 1,
  csReading = 2,
  csDestroying = 4,
  csDesigning = 8,
};

class TComponent : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  explicit TComponent(TComponent* owner) : owner_(owner) {}
  ~TComponent() override;

  // Makes a T owned by `owner` (which frees it) and returns it.
  template <class T, class... A>
  static T* CreateIn(TComponent* owner, A&&... args) {
    ComponentPtr<T> obj(std::make_unique<T>(owner, std::forward<A>(args)...).release());
    T* raw = obj.get();
    owner->InsertComponent(ComponentPtr<>(obj.release()));
    return raw;
  }
  // Makes a T that nobody owns; the caller holds it.
  template <class T, class... A>
  static ComponentPtr<T> Make(A&&... args) {
    return ComponentPtr<T>(std::make_unique<T>(nullptr, std::forward<A>(args)...).release());
  }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  uint32_t ComponentState() const { return state_; }
  bool IsLoading() const { return state_ & csLoading; }
  bool IsDestroying() const { return state_ & csDestroying; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)).get(); }
  int ComponentIndex() const;  // position in the owner's list, -1 without owner
  TComponent* FindComponent(std::string_view name) const;

  // Frees one owned component now.
  void DestroyComponent(TComponent* child);
  // Takes ownership of a component made elsewhere.
  void InsertComponent(ComponentPtr<> child);

  // The description reader sets csLoading while it reads and calls Loaded once it is done.
  void BeginLoading() { state_ |= csLoading | csReading; }
  void EndReading() { state_ &= ~csReading; }
  virtual void Loaded() { state_ &= ~csLoading; }

  // Told when a component is inserted into or removed from this one's list, or when one that
  // asked through FreeNotification goes away.
  virtual void Notification(TComponent* component, TOperation operation);
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // Where a description nests this component (the enclosing object); controls take it as parent.
  virtual void SetParentComponent(TComponent* /*parent*/) {}

  // Binary properties stored as {hex} data in descriptions (like an icon or a skin package).
  virtual bool ReadBinaryProperty(std::string_view /*name*/, const std::vector<uint8_t>& /*data*/) {
    return false;
  }
  virtual std::vector<std::pair<std::string, std::vector<uint8_t>>> BinaryProperties() const {
    return {};
  }

  // Runs while the whole object still exists, before its destructors: frees what it owns.
  virtual void BeforeDestruction();

 private:
  friend struct ComponentDeleter;
  ComponentPtr<> RemoveComponent(TComponent* child);

  TComponent* owner_;
  std::string name_;
  int tag_ = 0;
  uint32_t state_ = 0;
  bool beforeDestructionDone_ = false;
  std::vector<ComponentPtr<>> components_;
  std::vector<TComponent*> freeNotifies_;
};
