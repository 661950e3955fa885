// The root of every framework class: run-time class information (name, parent, published
// properties, published methods, factory) and instance-of tests by class name. Any thread.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

class TObject;
class TComponent;
struct TPropInfo;

// A published method: an event handler that descriptions bind by name.
using TPublishedMethod = std::function<void(TObject* self, TObject* sender)>;
// A method with other parameters keeps a std::function<void(TObject* self, Args...)> in
// `typed`, with `signature` naming void(Args...); it binds only to events of that signature.
struct TMethodInfo {
  std::string name;
  TPublishedMethod call;
  std::shared_ptr<const void> typed;
  const std::type_info* signature = nullptr;
};

struct TClassInfo {
  std::string name;
  const TClassInfo* parent = nullptr;
  // Makes an instance owned by `owner`; empty for abstract classes and non-components.
  std::function<TComponent*(TComponent* owner)> create;
  std::vector<TPropInfo> properties;  // this class's own, in declaration order
  std::vector<TMethodInfo> methods;

  bool InheritsFrom(const TClassInfo& other) const;
  bool InheritsFrom(std::string_view className) const;
  const TPropInfo* FindProperty(std::string_view name) const;  // walks up the chain
  const TMethodInfo* FindMethod(std::string_view name) const;  // walks up the chain
  // Every published property, base classes first.
  std::vector<const TPropInfo*> AllProperties() const;
};

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassInfo() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassInfo().name; }
  bool InheritsFrom(std::string_view className) const { return ClassInfo().InheritsFrom(className); }
  bool InheritsFrom(const TClassInfo& cls) const { return ClassInfo().InheritsFrom(cls); }
};

// Class registry: descriptions create components by class name.
void RegisterComponentClass(const TClassInfo& cls);
const TClassInfo* FindClass(std::string_view name);

// Checked down-cast by class information rather than by C++ type.
template <class T>
T* ObjectAs(TObject* obj) {
  return obj && obj->InheritsFrom(T::StaticClass()) ? static_cast<T*>(obj) : nullptr;
}

// Declares the class-information overrides inside a class body.
#define FW_DECLARE_CLASS()                 \
 public:                                   \
  static const TClassInfo& StaticClass();  \
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
