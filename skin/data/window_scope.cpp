// Which windows are the program's own to skin: module test and exclusions. UI thread.
#include "skin/data/window_scope.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "framework/win/code_module.h"

namespace quarnel {

namespace {

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring ModulePath(HINSTANCE instance) {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path;
}

}  // namespace

TWindowScope& WindowScope() {
  static TWindowScope scope;
  return scope;
}

bool TWindowScope::ProgramInstance(HINSTANCE instance) const {
  if (!instance) return false;
  if (instance == fw::CodeModule()) return true;
  // The program's exe is its own wherever it lives (the programs that come with the system too).
  return hostModules_ && (instance == GetModuleHandleW(nullptr) || !SystemModule(instance));
}

// Everything below the Windows folder belongs to the system: its own folders, the side-by-side
// store of the common controls, the 32-bit system folder of a 64-bit system.
bool TWindowScope::SystemModule(HINSTANCE instance) const {
  if (auto found = systemModules_.find(instance); found != systemModules_.end()) return found->second;
  wchar_t windows[MAX_PATH] = L"";
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring folder = Lower(std::wstring(windows, length));
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  const std::wstring path = Lower(ModulePath(instance));
  // A module that cannot be named (not a module at all) is not the program's.
  const bool system = path.empty() || folder.size() <= 1 || path.rfind(folder, 0) == 0;
  systemModules_[instance] = system;
  return system;
}

bool TWindowScope::Excluded(HWND window) const {
  if (excluded_.empty()) return false;
  for (HWND w = window; w; w = GetAncestor(w, GA_PARENT))
    if (std::find(excluded_.begin(), excluded_.end(), w) != excluded_.end()) return true;
  return false;
}

void TWindowScope::SetExcluded(HWND window, bool excluded) {
  std::erase_if(excluded_, [window](HWND w) { return w == window || !IsWindow(w); });
  if (excluded) excluded_.push_back(window);
}

}  // namespace quarnel
