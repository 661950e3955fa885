// Component ownership, names and notifications. User-interface thread.
#include "framework/core/component.h"

#include <algorithm>

#include "framework/core/error.h"
#include "framework/core/properties.h"
#include "framework/core/text.h"

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPersistent>("TPersistent", &TObject::StaticClass()).Build();
  return info;
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
          .Str("Name", &TComponent::Name, &TComponent::SetName)
          .Int("Tag", &TComponent::Tag, &TComponent::SetTag)
          .Build();
  return info;
}

void ComponentDeleter::operator()(TComponent* c) const {
  if (!c->beforeDestructionDone_) {
    c->beforeDestructionDone_ = true;
    c->BeforeDestruction();
  }
  delete c;
}

TComponent::~TComponent() {
  // Owned components were freed in BeforeDestruction; whatever is left goes now.
  while (!components_.empty()) {
    ComponentPtr<> last = std::move(components_.back());
    components_.pop_back();
  }
}

void TComponent::BeforeDestruction() {
  state_ |= csDestroying;
  auto partners = std::move(freeNotifies_);
  for (TComponent* other : partners) {
    other->RemoveFreeNotification(this);
    other->Notification(this, opRemove);
  }
  while (!components_.empty()) {
    ComponentPtr<> last = std::move(components_.back());
    components_.pop_back();
    Notification(last.get(), opRemove);
    last.reset();
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  bool valid = !name.empty() && !(name[0] >= '0' && name[0] <= '9');
  for (char c : name)
    valid = valid && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
  if (!name.empty() && !valid) throw EComponentError("\"" + name + "\" is not a valid component name");
  if (!name.empty() && owner_) {
    TComponent* same = owner_->FindComponent(name);
    if (same && same != this) throw EComponentError("A component named " + name + " already exists");
  }
  name_ = name;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  for (size_t i = 0; i < owner_->components_.size(); ++i)
    if (owner_->components_[i].get() == this) return static_cast<int>(i);
  return -1;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& c : components_)
    if (fw::SameText(c->Name(), name)) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(ComponentPtr<> child) {
  TComponent* raw = child.get();
  raw->owner_ = this;
  components_.push_back(std::move(child));
  Notification(raw, opInsert);
}

ComponentPtr<> TComponent::RemoveComponent(TComponent* child) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [child](const ComponentPtr<>& c) { return c.get() == child; });
  if (it == components_.end()) return nullptr;
  ComponentPtr<> owned = std::move(*it);
  components_.erase(it);
  Notification(child, opRemove);
  return owned;
}

void TComponent::DestroyComponent(TComponent* child) { RemoveComponent(child).reset(); }

void TComponent::Notification(TComponent* /*component*/, TOperation /*operation*/) {}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
    freeNotifies_.push_back(other);
    other->FreeNotification(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), other);
  if (it != freeNotifies_.end()) {
    freeNotifies_.erase(it);
    other->RemoveFreeNotification(this);
  }
}
