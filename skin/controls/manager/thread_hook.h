// The skin manager's thread hook: it sees the windows of the UI thread being created, destroyed
// and activated, and the keyboard-menu commands of child windows. UI thread only.
#pragma once
#include <windows.h>

#include "framework/win/handles.h"

namespace quarnel {

class TSkinManage;

class TThreadHook {
 public:
  explicit TThreadHook(TSkinManage& manager) : manager_(manager) {}

  void Install();
  bool Installed() const { return static_cast<bool>(hook_); }
  void Remove() { hook_.reset(); }

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam);
  void OnWindowCreating(HWND window, const CBT_CREATEWNDA& create);
  // A keyboard-menu command the system is about to carry out for a child window; true when
  // the skinned bar of the child's window took it.
  bool RouteChildKeyMenu(WPARAM command, LPARAM key) const;

  TSkinManage& manager_;
  fw::UniqueHook hook_;
};

}  // namespace quarnel
