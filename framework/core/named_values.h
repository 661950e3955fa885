// Tables of named integer constants (colours, character sets) that descriptions write by name.
// Any thread.
#pragma once
#include <cstdint>
#include <string_view>

#include "framework/core/text.h"

struct TNamedValue {
  const char* name;
  int64_t value;
};

// The value of a name (ASCII case-insensitive); false when the table lacks it.
template <size_t N>
bool ValueOfName(const TNamedValue (&table)[N], std::string_view name, int64_t& value) {
  for (const TNamedValue& entry : table)
    if (fw::SameText(entry.name, name)) {
      value = entry.value;
      return true;
    }
  return false;
}

// The first name of a value, or null.
template <size_t N>
const char* NameOfValue(const TNamedValue (&table)[N], int64_t value) {
  for (const TNamedValue& entry : table)
    if (entry.value == value) return entry.name;
  return nullptr;
}
