// The module that holds this code, found from an address inside it, and resource bytes. Any
// thread.
#include "framework/win/code_module.h"

namespace fw {

HINSTANCE CodeModule() {
  static const HINSTANCE module = [] {
    HMODULE found = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&CodeModule), &found))
      found = GetModuleHandleW(nullptr);
    return found;
  }();
  return module;
}

std::vector<uint8_t> ResourceBytes(HMODULE module, const wchar_t* name) {
  HRSRC found = FindResourceW(module, name, reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  if (!bytes) return {};
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, found));
}

}  // namespace fw
