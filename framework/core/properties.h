// Published properties: a per-class table of typed properties with get/set by name, walked up
// the class chain. Descriptions and the skin engine reach any component through it.
// User-interface thread (like the objects it reads).
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/object.h"

enum class TTypeKind { Integer, Boolean, Enumeration, Set, String, WideString, Object, Event };

// Ordinal names of an enumeration (also the element type of a set, at most 32 members).
struct TEnumInfo {
  std::string name;
  std::vector<std::string> names;
  int ValueOf(std::string_view ident) const;  // -1 when unknown (case-insensitive)
  std::string NameOf(int64_t value) const;    // empty when out of range
};

// An event handler: code + the object it is bound to. Assigned when its code is set.
struct TNotifyEvent {
  std::function<void(TObject* sender)> code;
  TObject* data = nullptr;
  std::string methodName;  // the published method it was bound to by name, if any
  explicit operator bool() const { return static_cast<bool>(code); }
  void operator()(TObject* sender) const {
    if (code) code(sender);
  }
};

// An event with its own parameters, held with the object its handler is bound to, so that a
// caller that set it by name can tell later whether it is still its own.
template <class... A>
struct TTypedEvent {
  std::function<void(A...)> code;
  TObject* data = nullptr;
  explicit operator bool() const { return static_cast<bool>(code); }
  void operator()(A... args) const {
    if (code) code(std::forward<A>(args)...);
  }
  void Clear() {
    code = nullptr;
    data = nullptr;
  }
};

struct TPropInfo {
  std::string name;
  TTypeKind kind = TTypeKind::Integer;
  const TEnumInfo* enumType = nullptr;           // Enumeration, Set
  const TClassInfo& (*objectClass)() = nullptr;  // Object (a function: classes may refer to themselves)
  std::function<int64_t(TObject&)> getOrd;       // Integer, Boolean, Enumeration, Set (bit mask)
  std::function<void(TObject&, int64_t)> setOrd;
  std::function<std::string(TObject&)> getStr;
  std::function<void(TObject&, const std::string&)> setStr;
  std::function<std::wstring(TObject&)> getWStr;
  std::function<void(TObject&, const std::wstring&)> setWStr;
  std::function<TObject*(TObject&)> getObj;
  std::function<void(TObject&, TObject*)> setObj;
  std::function<TNotifyEvent&(TObject&)> event;
  // An event with other parameters: binds a published method of `self` to the event of
  // `target`; false when the method's parameters differ from the event's.
  std::function<bool(TObject& target, TObject* self, const TMethodInfo& method)> bindTyped;
  // A TTypedEvent<A...> member: its address and void(A...).
  std::function<void*(TObject&)> typedEvent;
  const std::type_info* eventSignature = nullptr;
  // Integer properties whose values have names (colours, character sets): name <-> value.
  bool (*identToInt)(std::string_view ident, int64_t& value) = nullptr;
  const char* (*intToIdent)(int64_t value) = nullptr;
  bool readOnly = false;
};

// Lookup and access by name. Missing properties: nullptr / no effect; the callers decide.
const TPropInfo* GetPropInfo(const TObject& obj, std::string_view name);
int64_t GetOrdProp(TObject& obj, const TPropInfo& p);
void SetOrdProp(TObject& obj, const TPropInfo& p, int64_t value);
std::string GetEnumProp(TObject& obj, const TPropInfo& p);  // ordinal's name
bool SetEnumProp(TObject& obj, const TPropInfo& p, std::string_view ident);
std::string GetSetProp(TObject& obj, const TPropInfo& p);  // "[a,b]"
std::string GetStrProp(TObject& obj, const TPropInfo& p);  // String and WideString (GBK)
void SetStrProp(TObject& obj, const TPropInfo& p, const std::string& value);
std::wstring GetWideStrProp(TObject& obj, const TPropInfo& p);
void SetWideStrProp(TObject& obj, const TPropInfo& p, const std::wstring& value);
TObject* GetObjectProp(TObject& obj, const TPropInfo& p);
void SetObjectProp(TObject& obj, const TPropInfo& p, TObject* value);
TNotifyEvent* GetEventProp(TObject& obj, const TPropInfo& p);

// A typed event by name, for callers that know its parameters but not the class: null when
// the object has no such event or its parameters are not A...
template <class... A>
TTypedEvent<A...>* GetTypedEventProp(TObject& obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->kind != TTypeKind::Event || !p->typedEvent || !p->eventSignature ||
      *p->eventSignature != typeid(void(A...)))
    return nullptr;
  return static_cast<TTypedEvent<A...>*>(p->typedEvent(obj));
}

// The same by property name, for callers that do not know the class: a missing property reads
// as -1 (ordinal), empty (text) or null (object), and setting one does nothing (false).
int64_t GetOrdPropByName(TObject& obj, std::string_view name);
std::string GetStrPropByName(TObject& obj, std::string_view name);
TObject* GetObjectPropByName(TObject& obj, std::string_view name);
bool SetOrdPropByName(TObject& obj, std::string_view name, int64_t value);
bool SetStrPropByName(TObject& obj, std::string_view name, const std::string& value);

namespace fw::detail {
template <class T>
struct SetterArg;
template <class R, class K, class A>
struct SetterArg<R (K::*)(A)> {
  using type = std::decay_t<A>;
};
}  // namespace fw::detail

// Builds the class information of C: TClassBuilder<TButton>("TButton", &TButtonControl::StaticClass())
//   .Int("Width", &TButton::Width, &TButton::SetWidth) ... .Build()
template <class C>
class TClassBuilder {
 public:
  TClassBuilder(std::string name, const TClassInfo* parent) {
    info_.name = std::move(name);
    info_.parent = parent;
  }
  // Components that descriptions may create.
  TClassBuilder& Creatable() {
    info_.create = [](TComponent* owner) -> TComponent* { return C::template CreateIn<C>(owner); };
    return *this;
  }
  template <class G, class S>
  TClassBuilder& Int(std::string name, G get, S set) {
    return Ord(std::move(name), TTypeKind::Integer, nullptr, get, set);
  }
  // An integer property whose values may also be written as names.
  template <class G, class S>
  TClassBuilder& IntNamed(std::string name, G get, S set, bool (*identToInt)(std::string_view, int64_t&),
                          const char* (*intToIdent)(int64_t)) {
    Ord(std::move(name), TTypeKind::Integer, nullptr, get, set);
    info_.properties.back().identToInt = identToInt;
    info_.properties.back().intToIdent = intToIdent;
    return *this;
  }
  template <class G, class S>
  TClassBuilder& Bool(std::string name, G get, S set) {
    return Ord(std::move(name), TTypeKind::Boolean, nullptr, get, set);
  }
  template <class G, class S>
  TClassBuilder& Enum(std::string name, const TEnumInfo& type, G get, S set) {
    return Ord(std::move(name), TTypeKind::Enumeration, &type, get, set);
  }
  template <class G, class S>
  TClassBuilder& Set(std::string name, const TEnumInfo& type, G get, S set) {
    return Ord(std::move(name), TTypeKind::Set, &type, get, set);
  }
  template <class G, class S>
  TClassBuilder& Str(std::string name, G get, S set) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::String;
    p.getStr = [get](TObject& o) { return std::string(std::invoke(get, static_cast<C&>(o))); };
    p.setStr = [set](TObject& o, const std::string& v) { std::invoke(set, static_cast<C&>(o), v); };
    info_.properties.push_back(std::move(p));
    return *this;
  }
  template <class G, class S>
  TClassBuilder& WStr(std::string name, G get, S set) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::WideString;
    p.getWStr = [get](TObject& o) { return std::wstring(std::invoke(get, static_cast<C&>(o))); };
    p.setWStr = [set](TObject& o, const std::wstring& v) { std::invoke(set, static_cast<C&>(o), v); };
    info_.properties.push_back(std::move(p));
    return *this;
  }
  // An object property; with a null setter the object is owned by C and only its own
  // properties can be changed (like a font).
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Obj(std::string name, const TClassInfo& (*cls)(), G get, S set = nullptr) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::Object;
    p.objectClass = cls;
    p.getObj = [get](TObject& o) -> TObject* { return std::invoke(get, static_cast<C&>(o)); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      using Arg = typename fw::detail::SetterArg<S>::type;
      p.setObj = [set](TObject& o, TObject* v) { std::invoke(set, static_cast<C&>(o), static_cast<Arg>(v)); };
    } else {
      p.readOnly = true;
    }
    info_.properties.push_back(std::move(p));
    return *this;
  }
  TClassBuilder& Event(std::string name, TNotifyEvent C::*field) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::Event;
    p.event = [field](TObject& o) -> TNotifyEvent& { return static_cast<C&>(o).*field; };
    info_.properties.push_back(std::move(p));
    return *this;
  }
  // The method `m` called on `self`, when its parameters are `A...`; empty otherwise.
  template <class... A>
  static std::function<void(A...)> BoundMethod(TObject* self, const TMethodInfo& m) {
    using Call = std::function<void(TObject*, A...)>;
    if (!m.typed || !m.signature || *m.signature != typeid(void(A...))) return {};
    auto call = std::static_pointer_cast<const Call>(m.typed);
    return [self, call](A... args) { (*call)(self, std::forward<A>(args)...); };
  }
  // An event property bound to methods of parameters `A...`: `assign`(object, self, code) stores
  // the bound method in the object.
  template <class... A, class Assign>
  static TPropInfo TypedEventProperty(std::string name, Assign assign) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::Event;
    p.bindTyped = [assign](TObject& o, TObject* self, const TMethodInfo& m) {
      auto code = BoundMethod<A...>(self, m);
      if (!code) return false;
      assign(static_cast<C&>(o), self, std::move(code));
      return true;
    };
    return p;
  }
  // An event with its own parameters (a std::function member), bound to methods of the
  // same parameters.
  template <class... A>
  TClassBuilder& Event(std::string name, std::function<void(A...)> C::*field) {
    info_.properties.push_back(TypedEventProperty<A...>(
        std::move(name),
        [field](C& o, TObject*, std::function<void(A...)> code) { o.*field = std::move(code); }));
    return *this;
  }
  // An event with its own parameters that callers may also reach by name and signature.
  template <class... A>
  TClassBuilder& Event(std::string name, TTypedEvent<A...> C::*field) {
    TPropInfo p = TypedEventProperty<A...>(std::move(name),
                                           [field](C& o, TObject* self, std::function<void(A...)> code) {
                                             TTypedEvent<A...>& event = o.*field;
                                             event.code = std::move(code);
                                             event.data = self;
                                           });
    p.typedEvent = [field](TObject& o) -> void* { return &(static_cast<C&>(o).*field); };
    p.eventSignature = &typeid(void(A...));
    info_.properties.push_back(std::move(p));
    return *this;
  }
  // A published method that descriptions can bind events to by name.
  TClassBuilder& Method(std::string name, void (C::*method)(TObject*)) {
    TMethodInfo m;
    m.name = std::move(name);
    m.call = [method](TObject* self, TObject* sender) { (static_cast<C*>(self)->*method)(sender); };
    info_.methods.push_back(std::move(m));
    return *this;
  }
  template <class... A>
  TClassBuilder& Method(std::string name, void (C::*method)(A...)) {
    TMethodInfo m;
    m.name = std::move(name);
    m.typed = std::make_shared<const std::function<void(TObject*, A...)>>(
        [method](TObject* self, A... args) { (static_cast<C*>(self)->*method)(std::forward<A>(args)...); });
    m.signature = &typeid(void(A...));
    info_.methods.push_back(std::move(m));
    return *this;
  }
  TClassInfo Build() { return std::move(info_); }

 private:
  template <class G, class S>
  TClassBuilder& Ord(std::string name, TTypeKind kind, const TEnumInfo* type, G get, S set) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = kind;
    p.enumType = type;
    p.getOrd = [get](TObject& o) { return static_cast<int64_t>(std::invoke(get, static_cast<C&>(o))); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      using Arg = typename fw::detail::SetterArg<S>::type;
      p.setOrd = [set](TObject& o, int64_t v) { std::invoke(set, static_cast<C&>(o), static_cast<Arg>(v)); };
    } else {
      p.readOnly = true;
    }
    info_.properties.push_back(std::move(p));
    return *this;
  }

  TClassInfo info_;
};
