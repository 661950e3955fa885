// The framework's private window messages: its notifications (CM_, 0xB000..) and reflected
// notifications (CN_, 0xA000..). The ranges 0x3401..0x3523 and 0xBC4A..0xBC4E are reserved for
// the skin engine's messages (skin/data/skin_messages.h); the framework defines nothing there.
// Any thread.
#pragma once
#include <windows.h>

// --- the framework -------------------------------------------------------------------------------
// Messages the framework sends itself: notifications reflected from a parent to the child
// control they concern (command, notify, colour queries), as the base + the original number.
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
// A form's menu changed (its band must be measured again); a character offered to the controls
// of a dialog as a possible accelerator.
constexpr UINT CM_MENUCHANGED = 0xB015;
constexpr UINT CM_DIALOGCHAR = 0xB006;
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
