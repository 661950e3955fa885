// Access to published properties by their information record. User-interface thread.
#include "framework/core/properties.h"

#include "framework/core/text.h"

int TEnumInfo::ValueOf(std::string_view ident) const {
  for (size_t i = 0; i < names.size(); ++i)
    if (fw::SameText(names[i], ident)) return static_cast<int>(i);
  return -1;
}

std::string TEnumInfo::NameOf(int64_t value) const {
  return value >= 0 && value < static_cast<int64_t>(names.size()) ? names[static_cast<size_t>(value)]
                                                                 : std::string();
}

const TPropInfo* GetPropInfo(const TObject& obj, std::string_view name) {
  return obj.ClassInfo().FindProperty(name);
}

int64_t GetOrdProp(TObject& obj, const TPropInfo& p) { return p.getOrd ? p.getOrd(obj) : 0; }

void SetOrdProp(TObject& obj, const TPropInfo& p, int64_t value) {
  if (p.setOrd) p.setOrd(obj, value);
}

std::string GetEnumProp(TObject& obj, const TPropInfo& p) {
  if (p.kind == TTypeKind::Boolean) return GetOrdProp(obj, p) ? "True" : "False";
  return p.enumType ? p.enumType->NameOf(GetOrdProp(obj, p)) : std::string();
}

bool SetEnumProp(TObject& obj, const TPropInfo& p, std::string_view ident) {
  int value = -1;
  if (p.kind == TTypeKind::Boolean) {
    if (fw::SameText(ident, "True")) value = 1;
    if (fw::SameText(ident, "False")) value = 0;
  } else if (p.enumType) {
    value = p.enumType->ValueOf(ident);
  }
  if (value < 0 || !p.setOrd) return false;
  p.setOrd(obj, value);
  return true;
}

std::string GetSetProp(TObject& obj, const TPropInfo& p) {
  int64_t bits = GetOrdProp(obj, p);
  std::string out = "[";
  if (p.enumType)
    for (size_t i = 0; i < p.enumType->names.size() && i < 32; ++i)
      if (bits & (int64_t{1} << i)) {
        if (out.size() > 1) out += ",";
        out += p.enumType->names[i];
      }
  return out + "]";
}

std::string GetStrProp(TObject& obj, const TPropInfo& p) {
  if (p.getStr) return p.getStr(obj);
  if (p.getWStr) return fw::FromWide(p.getWStr(obj));
  return {};
}

void SetStrProp(TObject& obj, const TPropInfo& p, const std::string& value) {
  if (p.setStr) p.setStr(obj, value);
  else if (p.setWStr) p.setWStr(obj, fw::ToWide(value));
}

std::wstring GetWideStrProp(TObject& obj, const TPropInfo& p) {
  if (p.getWStr) return p.getWStr(obj);
  if (p.getStr) return fw::ToWide(p.getStr(obj));
  return {};
}

void SetWideStrProp(TObject& obj, const TPropInfo& p, const std::wstring& value) {
  if (p.setWStr) p.setWStr(obj, value);
  else if (p.setStr) p.setStr(obj, fw::FromWide(value));
}

TObject* GetObjectProp(TObject& obj, const TPropInfo& p) { return p.getObj ? p.getObj(obj) : nullptr; }

void SetObjectProp(TObject& obj, const TPropInfo& p, TObject* value) {
  if (p.setObj) p.setObj(obj, value);
}

TNotifyEvent* GetEventProp(TObject& obj, const TPropInfo& p) {
  return p.event ? &p.event(obj) : nullptr;
}

namespace {
bool IsOrdinal(const TPropInfo& p) {
  return p.kind == TTypeKind::Integer || p.kind == TTypeKind::Boolean || p.kind == TTypeKind::Enumeration ||
         p.kind == TTypeKind::Set;
}
bool IsText(const TPropInfo& p) { return p.kind == TTypeKind::String || p.kind == TTypeKind::WideString; }
}  // namespace

int64_t GetOrdPropByName(TObject& obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  return p && IsOrdinal(*p) ? GetOrdProp(obj, *p) : -1;
}

std::string GetStrPropByName(TObject& obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  return p && IsText(*p) ? GetStrProp(obj, *p) : std::string();
}

TObject* GetObjectPropByName(TObject& obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  return p && p->kind == TTypeKind::Object ? GetObjectProp(obj, *p) : nullptr;
}

bool SetOrdPropByName(TObject& obj, std::string_view name, int64_t value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || !IsOrdinal(*p) || !p->setOrd) return false;
  p->setOrd(obj, value);
  return true;
}

bool SetStrPropByName(TObject& obj, std::string_view name, const std::string& value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || !IsText(*p) || p->readOnly) return false;
  SetStrProp(obj, *p, value);
  return true;
}
