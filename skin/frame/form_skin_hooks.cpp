// TWinSkinForm's form message hook (the framework form's replaceable message method while its
// frame is skinned) and the MDI client's procedure of an MDI frame. UI thread of the window.
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
constexpr UINT kMDIRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
}  // namespace

void TWinSkinForm::FormMessageHook(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      HandleFormSetText(m);
      return;
    case SKM_RESKIN:
      Reskin();
      return;
    case SKM_PAINTNC:
      if (m.LParam != SkinMessageTag) break;
      if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = SkinMessageTag;
      return;
    case SKM_PING:
      m.Result = m.LParam == SkinMessageTag ? SkinMessageTag : 1;
      return;
    case CM_DIALOGCHAR:
      HandleDialogChar(m);
      return;
    default:
      break;
  }
  if (SavedFormHook) SavedFormHook(m);
}

// The system draws its own caption when the text changes: the skinned one is drawn over it.
void TWinSkinForm::HandleFormSetText(TMessage& m) {
  if (SavedFormHook) SavedFormHook(m);
  if (!IsWindowVisible(Window)) return;
  if (activation_.WindowShowState == wssMaximized) {
    if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow())
      PostMessageW(manager->MDIClientWindow(), SKM_MDIREDRAW, 0, 0);
  }
  if (activation_.WindowShowState == wssMinimized)
    PaintFrame(nullptr);
  else
    RefreshFrame();
}

void TWinSkinForm::MDIClientWindowProc(TMessage& m) {
  TFrameRegistry* manager = FrameRegistry();
  switch (m.Msg) {
    case WM_NCDESTROY:
      MDIClientDestroyed(m);
      return;
    case WM_NCCALCSIZE:
      if (activation_.FrameEnabled && !(SkinData->Options() & Bit(xoMDIScrollbar))) {
        const LONG_PTR style = GetWindowLongPtrW(MDIClient, GWL_STYLE);
        SetWindowLongPtrW(MDIClient, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
      }
      break;
    case WM_MDICREATE:
      SkinData->SetMenuUpdate(false);
      break;
    case WM_MDIDESTROY: {
      mdiClientSubclass_.Default(m);
      BOOL maximized = FALSE;
      HWND active = reinterpret_cast<HWND>(
          SendMessageW(MDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
      if (activation_.FrameEnabled && manager) manager->SetMaximizedChildMode(active && maximized);
      if (!active) {
        SkinData->SetMenuUpdate(menuBand_.SavedMenuUpdate);
        if (menuBand_.Bar) {
          menuBand_.Bar->BuildButtons();
          PaintFrame(nullptr);
        }
      }
      return;
    }
    case WM_MDISETMENU:
      mdiClientSubclass_.Default(m);
      if (activation_.FrameEnabled && m.WParam) AdoptNativeMenu(true);
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (activation_.FrameEnabled && manager) manager->SetMaximizedChildMode(false);
      break;
    case SKM_MDIREDRAW:
      RedrawWindow(Window, nullptr, nullptr, kMDIRedrawFlags);
      return;
    default:
      break;
  }
  mdiClientSubclass_.Default(m);
}

// The client's own procedure sees its last message, then goes back on the window.
void TWinSkinForm::MDIClientDestroyed(TMessage& m) {
  const WNDPROC previous = mdiClientSubclass_.Previous();
  const bool unicode = mdiClientSubclass_.Unicode();
  mdiClientSubclass_.Restore();
  m.Result = unicode ? CallWindowProcW(previous, MDIClient, m.Msg, m.WParam, m.LParam)
                     : CallWindowProcA(previous, MDIClient, m.Msg, m.WParam, m.LParam);
  if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow() == MDIClient)
    manager->SetMDIClient(nullptr, nullptr);
}

}  // namespace quarnel
