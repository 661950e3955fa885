// TWinSkinForm's window procedure: three dispatches in turn (messages every skinned window
// handles, those of a window with a skinned frame, and the non-client messages once the frame
// is active), with one named handler per message. UI thread of the skinned window.
#include <windowsx.h>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/form_skin_geometry.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

bool IsWindowMenuCommand(WPARAM command) {
  switch (LOWORD(command)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

// An MDI frame painted while its active child is maximised shows that child in the
// maximised-child presentation.
void NoteMaximizedChild(HWND mdiClient) {
  TFrameRegistry* manager = FrameRegistry();
  if (!manager || !mdiClient || manager->MaximizedChildMode()) return;
  BOOL maximized = FALSE;
  SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  if (maximized) manager->SetMaximizedChildMode(true);
}

}  // namespace

void TWinSkinForm::FrameWindowProc(TMessage& m) {
  if (activation_.SkinState == fsNotActivated && m.Msg == WM_NCPAINT) {
    m.Result = 0;
    return;
  }
  if (FirstDispatch(m)) return;
  if (!activation_.FrameEnabled || (activation_.ChildWindow && activation_.FormKind != fkMDIChild)) {
    Default(m);
    return;
  }
  if (SecondDispatch(m)) return;
  if (activation_.SkinState == fsNotActivated ||
      (activation_.FormKind == fkMDIChild && activation_.WindowShowState == wssMaximized)) {
    Default(m);
    return;
  }
  ThirdDispatch(m);
}

bool TWinSkinForm::FirstDispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      HandleEraseBackground(m);
      return true;
    case WM_NCDESTROY:
      HandleNCDestroy(m);
      return true;
    case WM_NCACTIVATE:
      if (activation_.SkinState != fsNotActivated || activation_.FormKind == fkMDIChild) return false;
      m.Result = 1;  // the system caption is never drawn; deactivation is not refused
      return true;
    case WM_NCUAHDRAWCAPTION:
      m.Result = 0;
      return true;
    case WM_MEASUREITEM:
      if (m.WParam != 0) return false;
      if (auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
          (menuBand_.Bar && menuBand_.Bar->MeasureNativeItem(*measure)) ||
          menuBand_.ForeignItems.Measure(*measure)) {
        m.Result = TRUE;
        return true;
      }
      return false;
    case WM_DRAWITEM:
      if (m.WParam != 0) return false;
      if (const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
          (menuBand_.Bar && menuBand_.Bar->DrawNativeItem(*draw, activation_.RightToLeft)) ||
          menuBand_.ForeignItems.Draw(*draw, activation_.RightToLeft)) {
        m.Result = TRUE;
        return true;
      }
      return false;
    case WM_MENUCHAR: {
      const auto menu = reinterpret_cast<HMENU>(m.LParam);
      const auto key = static_cast<wchar_t>(LOWORD(m.WParam));
      return (menuBand_.Bar && menuBand_.Bar->MenuChar(menu, key, m.Result)) ||
             menuBand_.ForeignItems.MenuChar(menu, key, m.Result);
    }
    case WM_INITMENUPOPUP: {
      const auto menu = reinterpret_cast<HMENU>(m.WParam);
      const bool windowMenu = HIWORD(m.LParam) != 0 || menu == caption_.SystemMenu;
      if (TFrameRegistry* manager = FrameRegistry())
        manager->SetPopupKind(windowMenu ? pkWindowMenu : pkMenuBarDropDown);
      Default(m);
      TakeForeignMenu(menu, windowMenu);  // as its program has just prepared it
      return true;
    }
    case WM_EXITMENULOOP:
      Default(m);
      menuBand_.ForeignItems.Restore();
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      HandleControlColor(m);
      return true;
    case SKM_ACTIVATE:
      if (m.LParam != kActivateMessageParam) return false;
      CompleteActivation();
      return true;
    case SKM_RESKINSCROLL:
      ReskinScrolledControl(*this, reinterpret_cast<HWND>(m.WParam));
      return true;
    case WM_PARENTNOTIFY:
    case SKM_WALKCHILDREN:
      return HandleNewChildren(m);
    case SKM_QUERYSKINNED:
      m.Result = 1;
      PostMessageW(Window, SKM_SKINNED, 0, SkinMessageTag);
      return true;
    default:
      return false;
  }
}

// True when the message is done; false: on to the third dispatch. Every message that ends
// here has reached the previous procedure exactly once (or, by design, not at all).
bool TWinSkinForm::SecondDispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      HandleSize(m);
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      activation_.Active = LOBYTE(m.WParam) != 0;
      return false;
    case WM_GETMINMAXINFO:
      Default(m);
      ReadShowState();
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadShowState();
      Default(m);
      return true;
    case WM_SETICON:
      Default(m);
      BuildIconBitmap();
      return true;
    case WM_COMMAND:
      HandleCommand(m);
      return true;
    case WM_SYSCOMMAND:
      HandleSysCommand(m);
      return true;
    case SKM_MENUBARCLICK:
      HandleMenuBarClick(m);
      return true;
    case CM_MENUCHANGED:
      HandleMenuChanged(m);
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::ThirdDispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGING:
      Default(m);
      return;
    case WM_NCCALCSIZE:
      HandleNCCalcSize(m);
      return;
    case WM_NCHITTEST:
      HandleNCHitTest(m);
      return;
    case WM_NCPAINT:
      HandleNCPaint(m);
      return;
    case WM_NCACTIVATE:
      HandleNCActivate(m);
      return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      HandleNCMouse(m);
      return;
    case SKM_REPAINTFRAME:
      PaintFrame(nullptr);
      return;
    default:
      Default(m);
      return;
  }
}

void TWinSkinForm::HandleEraseBackground(TMessage& m) {
  Default(m);
  if (Form || !SkinData || !SkinData->FaceBrush) return;
  RECT client{};
  GetClientRect(Window, &client);
  FillRect(reinterpret_cast<HDC>(m.WParam), &client, SkinData->FaceBrush.get());
  m.Result = 1;
}

void TWinSkinForm::HandleControlColor(TMessage& m) {
  Default(m);
  if (Form) return;
  SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
  if (m.Msg == WM_CTLCOLORSTATIC && SkinData && SkinData->FaceBrush) {
    // Static text stands on the face colour: in the skin's text colour, or a dark skin hides it.
    SetTextColor(reinterpret_cast<HDC>(m.WParam), ResolveSkinColor(SkinData->Colors[scButtonText]));
    m.Result = reinterpret_cast<LRESULT>(SkinData->FaceBrush.get());
  }
}

// Everything this object put on the window is taken off before the window's own last message.
void TWinSkinForm::HandleNCDestroy(TMessage& m) {
  activation_.SkinState = fsDestroying;
  AbandonMenuTracking();
  const WNDPROC previous = subclass_.Previous();
  const bool unicode = subclass_.Unicode();
  if (!activation_.FrameEnabled) {
    Detach();
  } else {
    caption_.SystemMenuPopup.reset();
    menuBand_.ForeignItems.Restore();
    // The bar taken off the window is not destroyed with it: it goes here, unless a menu
    // component owns it.
    if (menuBand_.Bar) {
      if (!menuBand_.Bar->Menu) DestroyMenu(menuBand_.Bar->NativeMenu);
      menuBand_.Bar.reset();
      menuBand_.NativeMenu = nullptr;
    }
    SetHoverTimer(false);
    RestoreProcedures();
    ReleaseControlSkins(true);
  }
  subclass_.Restore();
  m.Result = unicode ? CallWindowProcW(previous, Window, m.Msg, m.WParam, m.LParam)
                     : CallWindowProcA(previous, Window, m.Msg, m.WParam, m.LParam);
  activation_.SkinState = fsDestroyed;
}

void TWinSkinForm::HandleCommand(TMessage& m) {
  if (IsWindowMenuCommand(m.WParam)) {
    PostMessageW(Window, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
    return;
  }
  Default(m);
}

void TWinSkinForm::HandleSysCommand(TMessage& m) {
  switch (m.WParam & 0xFFF0) {
    case SC_KEYMENU:
      if (MenuBarKeyMenu(m)) return;
      break;
    case SC_MINIMIZE:
      activation_.WindowShowState = wssMinimized;
      break;
    case SC_MAXIMIZE:
      activation_.WindowShowState = wssMaximized;
      break;
    case SC_RESTORE:
      activation_.WindowShowState = wssNormal;
      if (TFrameRegistry* manager = FrameRegistry();
          manager && activation_.FormKind == fkMDIChild && manager->MaximizedChildMode())
        manager->SetMaximizedChildMode(false);
      break;
    default:
      break;
  }
  Default(m);
}

void TWinSkinForm::HandleSize(TMessage& m) {
  Default(m);
  switch (m.WParam) {
    case SIZE_RESTORED:
      activation_.WindowShowState = wssNormal;
      break;
    case SIZE_MINIMIZED:
      activation_.WindowShowState = wssMinimized;
      break;
    case SIZE_MAXIMIZED:
      activation_.WindowShowState = wssMaximized;
      break;
    default:
      break;
  }
  if (activation_.WindowShowState == wssMinimized) return;
  if (activation_.FormKind == fkMDIChild) {
    TFrameRegistry* manager = FrameRegistry();
    if ((manager && manager->MaximizedChildMode()) || activation_.WindowShowState != wssNormal) return;
  }
  if (activation_.SkinState == fsActive || activation_.SkinState == fsReskinning) UpdateWindowRegion();
}

void TWinSkinForm::HandleNCActivate(TMessage& m) {
  activation_.Active = m.WParam != 0;
  SetHoverTimer(activation_.Active);
  if (!activation_.Active) ReleaseHotControls(*this, false);
  if (activation_.FormKind == fkMDIFrame && MDIClient)
    SendMessageW(MDIClient, WM_NCACTIVATE, m.WParam, 0);
  else if (activation_.FormKind == fkMDIChild)
    Default(m);
  if (!(activation_.FormKind == fkMDIChild && activation_.WindowShowState == wssMaximized))
    PaintFrame(nullptr);
  m.Result = 1;
}

void TWinSkinForm::HandleNCCalcSize(TMessage& m) {
  Default(m);
  if (!m.WParam) {
    m.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  if ((activation_.FormKind == fkMDIChild && activation_.WindowShowState != wssNormal) ||
      activation_.BorderKind == bkNoBorder || !params->lppos) {
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return;
  }
  if (!menuBand_.Bar) SyncSystemBar();
  const WINDOWPOS& pos = *params->lppos;
  const FrameBox box =
      SkinClientBox(pos.x, pos.y, pos.cx, pos.cy,
                    FrameSizes{metrics_.BorderLeft, metrics_.CaptionHeight, metrics_.BorderRight,
                               metrics_.BorderBottom, metrics_.MenuBarHeight});
  const RECT client{box.left, box.top, box.right, box.bottom};
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  m.Result = WVR_VALIDRECTS;
  if (menuBand_.SystemBar) {
    // The system has just laid its bar out in its own frame's place: it goes into the band.
    fw::UniqueDC memory = fw::CreateMemoryDC();
    LayOutSystemBar(memory.get(),
                    RECT{metrics_.BorderLeft, metrics_.CaptionHeight, pos.cx - metrics_.BorderRight,
                         metrics_.CaptionHeight + metrics_.MenuBarHeight});
  }
}

void TWinSkinForm::HandleNCHitTest(TMessage& m) {
  Default(m);
  // The system places a native bar kept on the window below its own caption, not the skin's.
  if (m.Result != HTNOWHERE && m.Result != HTCAPTION && m.Result != HTMENU) return;
  const POINT frame = FramePoint(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  m.Result =
      CaptionHitTest(static_cast<int>(m.Result), frame.y, metrics_.CaptionHeight, metrics_.MenuBarHeight);
}

void TWinSkinForm::HandleNCPaint(TMessage& m) {
  if (activation_.FormKind == fkMDIFrame) NoteMaximizedChild(MDIClient);
  if (!(activation_.BorderIcons & kbiKeepSystemMenuStyle)) {
    const LONG_PTR style = GetWindowLongPtrW(Window, GWL_STYLE);
    if (style & WS_SYSMENU) SetWindowLongPtrW(Window, GWL_STYLE, style & ~WS_SYSMENU);
  }
  m.Result = 0;
  if (!SkinData->FramePainting) return;
  if ((activation_.FormKind == fkMDIChild && activation_.WindowShowState == wssMaximized) ||
      activation_.BorderKind == bkNoBorder) {
    Default(m);
    return;
  }
  PaintFrame(nullptr);
}

void TWinSkinForm::HandleNCMouse(TMessage& m) {
  bool swallowed = false;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      swallowed = NCMouseMove(m);
      break;
    case WM_NCLBUTTONDOWN:
      swallowed = NCLButtonDown(m);
      break;
    case WM_NCLBUTTONUP:
      swallowed = NCLButtonUp(m);
      break;
    case WM_NCLBUTTONDBLCLK:
      swallowed = NCLButtonDblClk(m);
      break;
    case WM_NCRBUTTONDOWN:
      swallowed = NCRButtonDown(m);
      break;
    default:
      break;
  }
  if (!swallowed) Default(m);
}

}  // namespace quarnel
