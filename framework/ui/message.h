// The message record every control's message method receives, and the replaceable message
// method itself. User-interface thread.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/ui/private_messages.h"

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  WORD LParamLo() const { return LOWORD(LParam); }
  WORD LParamHi() const { return HIWORD(LParam); }
};

// A control's message method. Skin objects save it, install their own and put it back; it
// counts as assigned while it holds code.
using TWndMethod = std::function<void(TMessage&)>;
