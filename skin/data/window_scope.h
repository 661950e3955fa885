// TWindowScope: which windows are the program's own to skin. A program built with the engine
// owns the windows its module makes; a host program that loads the engine as a DLL owns those of
// every module of its own (not the system's); and a host may exclude windows, each with all of
// its children. UI thread.
#pragma once
#include <windows.h>

#include <map>
#include <vector>

namespace quarnel {

class TWindowScope {
 public:
  // True for a window made by the engine's own module or, for a host, by its exe or any module of
  // its own that is not the system's.
  bool ProgramInstance(HINSTANCE instance) const;
  // Windows of every module of the program that is not the system's count as its own.
  void SetHostModules(bool on) { hostModules_ = on; }
  bool HostModules() const { return hostModules_; }

  // The window, or one of the windows it sits in, is excluded from skinning.
  bool Excluded(HWND window) const;
  void SetExcluded(HWND window, bool excluded);
  void ClearExclusions() { excluded_.clear(); }

 private:
  bool SystemModule(HINSTANCE instance) const;

  bool hostModules_ = false;
  std::vector<HWND> excluded_;
  mutable std::map<HINSTANCE, bool> systemModules_;  // answers already looked up
};

// The process's one scope.
TWindowScope& WindowScope();

}  // namespace quarnel
