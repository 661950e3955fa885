// The skin engine's private window messages (SKM_, in the ranges the framework reserves for
// them, 0x3401..0x3523 and 0xBC4A..0xBC4E), the tag that marks a message as the engine's own,
// and the system's unnamed caption message of themed frames. Any thread.
#pragma once
#include <windows.h>

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
