// The skinned window of the frame benchmarks: a frame object put on a bench window and
// activated there as the manager would, with the skin's frame fitted. Main thread.
#pragma once
#include <windows.h>

#include <string>

#include "skin/data/skin_messages.h"
#include "skin/frame/win_skin_form.h"
#include "tools/bench_common/bench_timing.h"

namespace quarnel::bench {

inline ComponentPtr<TWinSkinForm> SkinBenchWindow(HWND window, const std::string& className,
                                                  TSkinData* skin) {
  auto frame = TComponent::Make<TWinSkinForm>();
  frame->BindWindow(window, className);
  frame->Activate(skin);
  SetForegroundWindow(window);
  SendMessageW(window, SKM_ACTIVATE, 0, kActivateMessageParam);
  Pump();
  return frame;
}

}  // namespace quarnel::bench
