// TSkinSession: the skinning of a host program that loads the engine as a DLL. It keeps the
// package in force, the skin data component made from it, and the thread skinning runs on, and
// turns the calls of the C interface into the engine's operations. Skinning runs on one thread
// of the host; loads before the start may come from any thread (the exported functions
// serialise them).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/component.h"

namespace quarnel {
class TSkinData;
}

namespace sdk {

// What a call gives back: one of the interface's result codes, and the text of a failure.
struct TCallResult {
  int code = 0;
  std::wstring error;
};

class TSkinSession {
 public:
  TSkinSession() = default;
  // Nothing is stopped here: the DLL's entry point stops before the module's statics go.
  ~TSkinSession() = default;
  TSkinSession(const TSkinSession&) = delete;
  TSkinSession& operator=(const TSkinSession&) = delete;

  // The package in `packed` (named `source` in failure texts) becomes the one in force; while
  // skinning runs, every window takes it.
  TCallResult Load(std::vector<uint8_t> packed, const std::wstring& source);
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
  // Makes the component from the package in force; false when the package does not load.
  bool MakeSkinData();
  void FinishStop();
  // The action the component just scheduled (a new skin's refresh), run once the window
  // procedures that may have asked for it have returned.
  void RunScheduledAction();

  std::vector<uint8_t> packed_;  // the package in force; empty before the first load
  ComponentPtr<quarnel::TSkinData> data_;
  DWORD thread_ = 0;
  bool stopping_ = false;  // a stop waits for the window procedures to return
};

}  // namespace sdk
