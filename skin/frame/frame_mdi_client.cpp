// TFrameMDIClient: the MDI client's procedure while its frame is skinned. UI thread of the frame.
#include "skin/frame/frame_mdi_client.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/guarded_handler.h"

namespace quarnel {

namespace {
constexpr UINT kMDIRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
}  // namespace

void TFrameMDIClient::Install() {
  if (client_) subclass_.Install(client_, Guarded(this, &TFrameMDIClient::WindowProc));
}

void TFrameMDIClient::WindowProc(TMessage& m) {
  if (!OnMessage(m)) subclass_.Default(m);
}

bool TFrameMDIClient::OnMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_NCDESTROY:   return OnNcDestroy(m);
    case WM_NCCALCSIZE:  return OnNcCalcSize();
    case WM_MDICREATE:   return OnCreateChild();
    case WM_MDIDESTROY:  return OnDestroyChild(m);
    case WM_MDISETMENU:  return OnSetMenu(m, reinterpret_cast<HMENU>(m.WParam));
    case WM_MDITILE:     return OnArrange();
    case WM_MDICASCADE:  return OnArrange();
    case SKM_MDIREDRAW:  return OnRedrawFrame();
    default:             return false;
  }
  // clang-format on
}

// The client keeps no scroll bars unless the skin wants them.
bool TFrameMDIClient::OnNcCalcSize() {
  if (view_.Facts().FrameEnabled && !(view_.Skin()->Options() & Bit(xoMDIScrollbar))) {
    const LONG_PTR style = GetWindowLongPtrW(client_, GWL_STYLE);
    SetWindowLongPtrW(client_, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
  }
  return false;
}

bool TFrameMDIClient::OnCreateChild() {
  view_.Skin()->SetMenuUpdate(false);
  return false;
}

bool TFrameMDIClient::OnDestroyChild(TMessage& m) {
  subclass_.Default(m);
  BOOL maximized = FALSE;
  HWND active =
      reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  TFrameRegistry* manager = FrameRegistry();
  if (view_.Facts().FrameEnabled && manager) manager->SetMaximizedChildMode(active && maximized);
  if (!active) menuBand_.ShowFrameMenuAgain();
  return true;
}

bool TFrameMDIClient::OnSetMenu(TMessage& m, HMENU frameMenu) {
  subclass_.Default(m);
  if (view_.Facts().FrameEnabled && frameMenu) menuBand_.AdoptNativeMenu(true);
  return true;
}

bool TFrameMDIClient::OnArrange() {
  if (TFrameRegistry* manager = FrameRegistry(); view_.Facts().FrameEnabled && manager)
    manager->SetMaximizedChildMode(false);
  return false;
}

bool TFrameMDIClient::OnRedrawFrame() {
  RedrawWindow(view_.Window(), nullptr, nullptr, kMDIRedrawFlags);
  return true;
}

// The client's own procedure sees its last message, then goes back on the window.
bool TFrameMDIClient::OnNcDestroy(TMessage& m) {
  const WNDPROC previous = subclass_.Previous();
  const bool unicode = subclass_.Unicode();
  subclass_.Restore();
  m.Result = unicode ? CallWindowProcW(previous, client_, m.Msg, m.WParam, m.LParam)
                     : CallWindowProcA(previous, client_, m.Msg, m.WParam, m.LParam);
  if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow() == client_)
    manager->SetMDIClient(nullptr, nullptr);
  return true;
}

}  // namespace quarnel
