// Published properties by name for controls whose class the skins do not know: integer,
// enumeration, text and object reads and a text-driven setter. UI thread.
#include <cstdlib>

#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

int64_t GetOrdPropByName(TObject* object, std::string_view name) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  if (!p || p->kind != TTypeKind::Integer || !p->getOrd) return -1;
  return GetOrdProp(*object, *p);
}

std::string GetEnumPropByName(TObject* object, std::string_view name) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  if (!p || (p->kind != TTypeKind::Enumeration && p->kind != TTypeKind::Boolean) || !p->getOrd) return {};
  return GetEnumProp(*object, *p);
}

std::wstring GetTextPropByName(TObject* object, std::string_view name) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  if (!p) return {};
  if (p->kind == TTypeKind::WideString && p->getWStr) return GetWideStrProp(*object, *p);
  if (p->kind == TTypeKind::String && p->getStr) return fw::ToWide(GetStrProp(*object, *p));
  return {};
}

TObject* GetObjectPropByName(TObject* object, std::string_view name, const TClassInfo& cls) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  if (!p || p->kind != TTypeKind::Object || !p->getObj) return nullptr;
  TObject* value = GetObjectProp(*object, *p);
  return value && value->InheritsFrom(cls) ? value : nullptr;
}

void SetPropByName(TObject* object, std::string_view name, std::string_view text) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  if (!p || p->readOnly) return;
  switch (p->kind) {
    case TTypeKind::Integer:
      if (p->setOrd) SetOrdProp(*object, *p, std::strtoll(std::string(text).c_str(), nullptr, 10));
      break;
    case TTypeKind::Enumeration:
    case TTypeKind::Boolean:
      if (p->setOrd) SetEnumProp(*object, *p, text);
      break;
    case TTypeKind::String:
      if (p->setStr) SetStrProp(*object, *p, std::string(text));
      break;
    case TTypeKind::WideString:
      if (p->setWStr) SetWideStrProp(*object, *p, fw::ToWide(text));
      break;
    default:
      break;
  }
}

}  // namespace quarnel
