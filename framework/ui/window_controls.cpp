// The process's table of framework windows and their controls.
#include "framework/ui/window_controls.h"

#include <mutex>
#include <unordered_map>

namespace fw {
namespace {

struct Table {
  std::mutex lock;
  std::unordered_map<HWND, TWinControl*> controls;
};

Table& Controls() {
  static Table table;
  return table;
}

}  // namespace

void RememberWindowControl(HWND window, TWinControl* control) {
  if (!window) return;
  Table& table = Controls();
  std::lock_guard<std::mutex> guard(table.lock);
  table.controls[window] = control;
}

void ForgetWindowControl(HWND window, const TWinControl* control) {
  if (!window) return;
  Table& table = Controls();
  std::lock_guard<std::mutex> guard(table.lock);
  if (auto it = table.controls.find(window); it != table.controls.end() && it->second == control)
    table.controls.erase(it);
}

TWinControl* WindowControl(HWND window) {
  if (!window) return nullptr;
  Table& table = Controls();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.controls.find(window);
  return it == table.controls.end() ? nullptr : it->second;
}

}  // namespace fw
