// Every private window message of the program in one place, so that no two ranges overlap:
// the framework's notifications (CM_, 0xB000..) and reflected notifications (CN_, 0xA000..),
// and the skin engine's messages (SKM_, 0x3401..0x3523 and 0xBC4B..0xBC4E), which the
// framework only keeps clear of. Any thread.
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

// --- the skin engine -----------------------------------------------------------------------------
// Frame objects: take the skin again, repaint the frame, finish activation, caption button
// events, MDI frame redraw, a scrolled control's window made again, a menu band click.
constexpr UINT SKM_RESKIN = 0x3401;
constexpr UINT SKM_REPAINTFRAME = 0x3502;
constexpr UINT SKM_ACTIVATE = 0x3503;
constexpr UINT SKM_CUSTOMBUTTON = 0x3514;
constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
constexpr UINT SKM_MDIREDRAW = 0x3516;
constexpr UINT SKM_RESKINSCROLL = 0x3517;
constexpr UINT SKM_MENUBARCLICK = 0x3518;
// Posted to a foreign window's frame object (lParam SkinMessageTag) after child windows were
// made: their control skins are attached.
constexpr UINT SKM_WALKCHILDREN = 0x3519;
// A window answers 1 when a skin object already serves it.
constexpr UINT SKM_QUERYSKINNED = 0x3523;
// Switches a control skin's painting off (wParam 0) or on (wParam > 0); never passed on.
constexpr UINT SKM_ENABLESKIN = 0x3506;
constexpr UINT SKM_PAINTCLIENT = 0xBC4A;
// Sent to the form window by a skinned page control whose tab's close box was clicked (wParam
// the control's window, lParam the tab index); an answer of 0 lets the page be freed.
constexpr UINT SKM_CLOSETAB = 0x3507;
constexpr UINT SKM_PAINTNC = 0xBC4B;
constexpr UINT SKM_PING = 0xBC4D;
constexpr UINT SKM_SKINNED = 0xBC4E;
// lParam that marks a message as the skin engine's own.
constexpr LPARAM SkinMessageTag = 0x41A2;
// lParam of SKM_ACTIVATE.
constexpr LPARAM kActivateMessageParam = 1000;
// The system's caption-drawing message of themed frames, which has no name in the headers.
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;
