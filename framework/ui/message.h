// The message record every control's message method receives, and the replaceable message
// method itself. User-interface thread.
#pragma once
#include <windows.h>

#include <functional>

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

// Messages the framework sends itself: notifications reflected from a parent to the child
// control they concern (command, notify, colour queries), as the base + the original number.
// The base keeps clear of the skin engine's private messages (0x3401.., 0xBC4A..0xBC4E).
constexpr UINT CN_BASE = 0xA000;
// Notifications a control sends itself when its state changes (wParam: the new value), and
// the one that tells a window it is about to be made again.
constexpr UINT CM_ENABLEDCHANGED = 0xB003;
constexpr UINT CM_VISIBLECHANGED = 0xB007;
constexpr UINT CM_RECREATEWND = 0xB033;
// Dialog keys offered to a control, focus moves within a form, the pointer entering or leaving
// a windowless control, and a form's deferred release.
constexpr UINT CM_DIALOGKEY = 0xB005;
constexpr UINT CM_FOCUSCHANGED = 0xB008;
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;
constexpr UINT CM_RELEASE = 0xB021;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
