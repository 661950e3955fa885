// Class information queries and the process-wide class registry. Registration happens at start
// on the user-interface thread; lookups from any thread afterwards.
#include "framework/core/object.h"

#include <map>

#include "framework/core/properties.h"
#include "framework/core/text.h"

using fw::SameText;

namespace {
std::map<std::string, const TClassInfo*, std::less<>>& Registry() {
  static std::map<std::string, const TClassInfo*, std::less<>> registry;
  return registry;
}
}  // namespace

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    if (c == &other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    if (SameText(c->name, className)) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view propName) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TPropInfo& p : c->properties)
      if (SameText(p.name, propName)) return &p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view methodName) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const TMethodInfo& m : c->methods)
      if (SameText(m.name, methodName)) return &m;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent) chain.push_back(c);
  std::vector<const TPropInfo*> all;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->properties) all.push_back(&p);
  return all;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr, {}, {}, {}};
  return info;
}

void RegisterComponentClass(const TClassInfo& cls) {
  Registry()[fw::AsciiLowerCase(cls.name)] = &cls;
}

const TClassInfo* FindClass(std::string_view name) {
  auto it = Registry().find(fw::AsciiLowerCase(name));
  return it == Registry().end() ? nullptr : it->second;
}
