// TSkinSession: the skinning of a host program that loads the engine as a DLL. It keeps the
// package in force, the skin data component made from it, and the thread skinning runs on, and
// turns the calls of the C interface into the engine's operations. Skinning runs on one thread
// of the host; loads before the start may come from any thread (the exported functions
// serialise them).
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"

namespace quarnel {
class TSkinData;
class TSystemThemeWatch;
}  // namespace quarnel

namespace sdk {

// What a call gives back: one of the interface's result codes, and the text of a failure.
struct TCallResult {
  int code = 0;
  std::wstring error;
};

class TSkinSession {
 public:
  TSkinSession();
  // Nothing is stopped here: the DLL's entry point stops before the module's statics go.
  ~TSkinSession();
  TSkinSession(const TSkinSession&) = delete;
  TSkinSession& operator=(const TSkinSession&) = delete;

  // The package in `packed` (named `source` in failure texts) becomes the one in force; while
  // skinning runs, every window takes it.
  TCallResult Load(std::vector<uint8_t> packed, const std::wstring& source);
  // The light or the dark package, as the system is set for programs, is the one in force, and
  // the other one when the system announces a change, until another load. Both are checked first:
  // one that cannot be used changes nothing.
  TCallResult FollowSystem(std::vector<uint8_t> light, std::vector<uint8_t> dark, const std::wstring& source);
  TCallResult Start();
  TCallResult Stop();
  TCallResult Exclude(HWND window, bool exclude);
  // Skinning stops at once, whatever runs (the module is going away).
  void StopNow();

  bool Started() const { return thread_ != 0; }
  // The thread skinning runs on; 0 when not started.
  DWORD Thread() const { return thread_; }

 private:
  TCallResult RefuseOtherThread() const;
  TCallResult LoadPackage(std::vector<uint8_t> packed, const std::wstring& source);
  // While following the system and skinning: hears its announcements on the skinning thread.
  void ListenToSystem();
  void SystemChanged();
  // Makes the component from the package in force; false when the package does not load.
  bool MakeSkinData();
  void FinishStop();
  // The action the component just scheduled (a new skin's refresh), run once the window
  // procedures that may have asked for it have returned.
  void RunScheduledAction();

  std::vector<uint8_t> packed_;  // the package in force; empty before the first load
  ComponentPtr<quarnel::TSkinData> data_;
  DWORD thread_ = 0;
  bool stopping_ = false;              // a stop waits for the window procedures to return
  std::vector<uint8_t> light_, dark_;  // while following the system's light or dark setting
  std::unique_ptr<quarnel::TSystemThemeWatch> systemWatch_;
};

}  // namespace sdk
