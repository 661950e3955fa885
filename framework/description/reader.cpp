// Applies description trees to live components. User-interface thread.
#include "framework/description/reader.h"

#include <vector>

#include "framework/core/collection.h"
#include "framework/core/error.h"
#include "framework/core/properties.h"
#include "framework/core/strings.h"
#include "framework/core/text.h"

namespace {

class Reader {
 public:
  explicit Reader(TComponent& root) : root_(root) {}

  void Read(const TDescObject& desc) {
    if (!fw::SameText(root_.ClassName(), desc.className))
      Fail(desc.line, "Class " + desc.className + " does not match " + root_.ClassName());
    root_.BeginLoading();
    loaded_.push_back(&root_);
    if (!desc.name.empty()) SetName(root_, desc.name, desc.line);
    ApplyProperties(root_, desc.properties);
    for (const TDescObject& child : desc.children) ReadChild(child, &root_);
    ResolveFixups();
    for (TComponent* c : loaded_) c->EndReading();
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  [[noreturn]] static void Fail(int line, const std::string& what) {
    throw EReadError("Line " + std::to_string(line) + ": " + what);
  }

  static void SetName(TComponent& c, const std::string& name, int line) {
    try {
      c.SetName(name);
    } catch (const Exception& e) {
      Fail(line, e.Message());
    }
  }

  void ReadChild(const TDescObject& desc, TComponent* parent) {
    const TClassInfo* cls = FindClass(desc.className);
    if (!cls) Fail(desc.line, "Class " + desc.className + " not found");
    if (!cls->create) Fail(desc.line, "Class " + desc.className + " cannot be created");
    if (!desc.name.empty() && root_.FindComponent(desc.name))
      Fail(desc.line, "A component named " + desc.name + " already exists");
    TComponent* c = cls->create(&root_);
    c->BeginLoading();
    loaded_.push_back(c);
    if (!desc.name.empty()) SetName(*c, desc.name, desc.line);
    c->SetParentComponent(parent);
    ApplyProperties(*c, desc.properties);
    for (const TDescObject& child : desc.children) ReadChild(child, c);
  }

  void ApplyProperties(TObject& c, const std::vector<TDescProperty>& properties) {
    for (const TDescProperty& p : properties) {
      try {
        Apply(c, p);
      } catch (const EReadError&) {
        throw;
      } catch (const std::exception& e) {
        Fail(p.line, "Error setting " + c.ClassName() + "." + p.name + ": " + e.what());
      }
    }
  }

  void Apply(TObject& c, const TDescProperty& p) {
    const TDescValue& v = p.value;
    if (v.kind == TDescValue::Binary) {
      auto* component = ObjectAs<TComponent>(&c);
      if (!component || !component->ReadBinaryProperty(p.name, v.bytes))
        Fail(p.line, "Property " + c.ClassName() + "." + p.name + " does not exist");
      return;
    }
    // Walk "Font.Name" through the object properties.
    TObject* target = &c;
    std::string_view path = p.name;
    for (size_t dot; (dot = path.find('.')) != std::string_view::npos; path.remove_prefix(dot + 1)) {
      std::string_view head = path.substr(0, dot);
      const TPropInfo* info = GetPropInfo(*target, head);
      TObject* next = info && info->kind == TTypeKind::Object ? GetObjectProp(*target, *info) : nullptr;
      if (!next)
        Fail(p.line, "Property " + target->ClassName() + "." + std::string(head) + " does not exist");
      target = next;
    }
    if (auto* strings = ObjectAs<TStrings>(target); strings && fw::SameText(path, "Strings")) {
      if (v.kind != TDescValue::List) Fail(p.line, "Invalid property value: a list of strings expected");
      std::vector<std::string> lines;
      for (const TDescValue& item : v.list) {
        if (item.kind != TDescValue::String) Fail(item.line, "Invalid property value: a string expected");
        lines.push_back(item.text);
      }
      strings->AssignLines(lines);
      return;
    }
    const TPropInfo* info = GetPropInfo(*target, path);
    if (!info) Fail(p.line, "Property " + target->ClassName() + "." + std::string(path) + " does not exist");
    if (info->readOnly && v.kind != TDescValue::Collection)
      Fail(p.line, "Property " + std::string(path) + " is read-only");
    SetValue(*target, *info, v, p.line);
  }

  void SetValue(TObject& target, const TPropInfo& info, const TDescValue& v, int line) {
    auto bad = [&]() { Fail(line, "Invalid property value for " + info.name); };
    switch (info.kind) {
      case TTypeKind::Integer: {
        int64_t value = 0;
        if (v.kind == TDescValue::Integer)
          value = v.integer;
        else if (v.kind == TDescValue::Ident && info.identToInt && info.identToInt(v.text, value)) {
        } else
          bad();
        SetOrdProp(target, info, value);
        break;
      }
      case TTypeKind::Boolean:
      case TTypeKind::Enumeration:
        if (v.kind != TDescValue::Ident || !SetEnumProp(target, info, v.text)) bad();
        break;
      case TTypeKind::Set: {
        if (v.kind != TDescValue::Set || !info.enumType) bad();
        int64_t bits = 0;
        for (const std::string& member : v.items) {
          int bit = info.enumType->ValueOf(member);
          if (bit < 0 || bit >= 32) Fail(line, "Invalid set member " + member);
          bits |= int64_t{1} << bit;
        }
        SetOrdProp(target, info, bits);
        break;
      }
      case TTypeKind::String:
      case TTypeKind::WideString:
        if (v.kind != TDescValue::String) bad();
        SetStrProp(target, info, v.text);
        break;
      case TTypeKind::Object: {
        if (v.kind == TDescValue::Collection) {
          auto* collection = ObjectAs<TCollection>(GetObjectProp(target, info));
          if (!collection) bad();
          ReadCollection(*collection, v);
          break;
        }
        if (v.kind != TDescValue::Ident) bad();
        TObject* ref = nullptr;
        if (!fw::SameText(v.text, "nil")) {
          ref = fw::SameText(v.text, root_.Name()) ? &root_ : root_.FindComponent(v.text);
          if (!ref) {
            // A component read later (a page control's active page, a band's control): the
            // reference is set once the whole tree exists.
            fixups_.push_back({&target, &info, v.text, line});
            break;
          }
          if (info.objectClass && !ref->InheritsFrom(info.objectClass())) bad();
        }
        SetObjectProp(target, info, ref);
        break;
      }
      case TTypeKind::Event: {
        if (v.kind != TDescValue::Ident) bad();
        const TMethodInfo* m = root_.ClassInfo().FindMethod(v.text);
        if (!m) Fail(line, "Method " + v.text + " not found in " + root_.ClassName());
        if (info.bindTyped) {
          if (!info.bindTyped(target, &root_, *m))
            Fail(line, "Method " + v.text + " does not have the parameters of " + info.name);
          break;
        }
        TNotifyEvent* ev = GetEventProp(target, info);
        if (!ev) bad();
        if (!m->call) Fail(line, "Method " + v.text + " does not have the parameters of " + info.name);
        TComponent* self = &root_;
        TPublishedMethod call = m->call;
        ev->code = [self, call](TObject* sender) { call(self, sender); };
        ev->data = self;
        ev->methodName = m->name;
        break;
      }
    }
  }

  // The items replace what the collection held; the owner hears of it once, at the end.
  void ReadCollection(TCollection& collection, const TDescValue& v) {
    collection.BeginUpdate();
    try {
      collection.Clear();
      for (const auto& item : v.collection) ApplyProperties(*collection.AddItem(), item);
    } catch (...) {
      collection.EndUpdate();
      throw;
    }
    collection.EndUpdate();
  }

  void ResolveFixups() {
    for (const Fixup& f : fixups_) {
      TComponent* ref = root_.FindComponent(f.name);
      if (!ref) Fail(f.line, "Component " + f.name + " not found");
      if (f.info->objectClass && !ref->InheritsFrom(f.info->objectClass()))
        Fail(f.line, "Invalid property value for " + f.info->name);
      try {
        SetObjectProp(*f.target, *f.info, ref);
      } catch (const EReadError&) {
        throw;
      } catch (const std::exception& e) {
        Fail(f.line, "Error setting " + f.target->ClassName() + "." + f.info->name + ": " + e.what());
      }
    }
  }

  // An object property whose component had not been read yet.
  struct Fixup {
    TObject* target;
    const TPropInfo* info;
    std::string name;
    int line;
  };

  TComponent& root_;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

}  // namespace

void ReadComponent(TComponent& root, const TDescObject& desc) {
  Reader(root).Read(desc);
}

void ReadComponent(TComponent& root, std::string_view text) {
  ReadComponent(root, ParseDescription(text));
}
