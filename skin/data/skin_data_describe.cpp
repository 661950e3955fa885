// Component-to-description writer. UI thread.
#include "skin/data/skin_data_describe.h"

#include "framework/core/properties.h"
#include "framework/core/strings.h"

namespace quarnel {

namespace {

bool DescribeValue(TObject& obj, const TPropInfo& info, TDescProperty& out) {
  TDescValue& v = out.value;
  switch (info.kind) {
    case TTypeKind::Integer: {
      const int64_t value = GetOrdProp(obj, info);
      const char* name = info.intToIdent ? info.intToIdent(value) : nullptr;
      if (name) {
        v.kind = TDescValue::Ident;
        v.text = name;
      } else {
        v.kind = TDescValue::Integer;
        v.integer = value;
      }
      return true;
    }
    case TTypeKind::Boolean:
    case TTypeKind::Enumeration:
      v.kind = TDescValue::Ident;
      v.text = GetEnumProp(obj, info);
      return true;
    case TTypeKind::Set: {
      v.kind = TDescValue::Set;
      const int64_t bits = GetOrdProp(obj, info);
      for (size_t i = 0; info.enumType && i < info.enumType->names.size() && i < 32; ++i)
        if (bits & (int64_t{1} << i)) v.items.push_back(info.enumType->names[i]);
      return true;
    }
    case TTypeKind::String:
    case TTypeKind::WideString:
      v.kind = TDescValue::String;
      v.text = GetStrProp(obj, info);
      return true;
    case TTypeKind::Object: {
      auto* strings = ObjectAs<TStrings>(GetObjectProp(obj, info));
      if (!strings) return false;
      out.name += ".Strings";
      v.kind = TDescValue::List;
      for (const std::string& line : strings->ToVector()) {
        TDescValue item;
        item.kind = TDescValue::String;
        item.text = line;
        v.list.push_back(std::move(item));
      }
      return true;
    }
    case TTypeKind::Event: {
      TNotifyEvent* event = GetEventProp(obj, info);
      if (!event || event->methodName.empty()) return false;
      v.kind = TDescValue::Ident;
      v.text = event->methodName;
      return true;
    }
  }
  return false;
}

}  // namespace

TDescObject DescribeComponent(TComponent& component) {
  TDescObject desc;
  desc.name = component.Name();
  desc.className = component.ClassName();
  for (const TPropInfo* info : component.ClassInfo().AllProperties()) {
    // Read-only properties cannot be read back, except string lists filled through ".Strings".
    if (info->readOnly && info->kind != TTypeKind::Object) continue;
    if (info->name == "Name") continue;  // the object header carries it
    TDescProperty prop;
    prop.name = info->name;
    if (DescribeValue(component, *info, prop)) desc.properties.push_back(std::move(prop));
  }
  for (auto& [name, bytes] : component.BinaryProperties()) {
    TDescProperty prop;
    prop.name = name;
    prop.value.kind = TDescValue::Binary;
    prop.value.bytes = bytes;
    desc.properties.push_back(std::move(prop));
  }
  return desc;
}

}  // namespace quarnel
