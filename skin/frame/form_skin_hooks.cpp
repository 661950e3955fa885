// TWinSkinForm's form message hook (the framework form's replaceable message method while its
// frame is skinned) and the MDI client's procedure of an MDI frame. UI thread of the window.
#include "framework/ui/application.h"
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

// The form's own method sees what the hook does not take, once.
void TWinSkinForm::FormMessageHook(TMessage& m) {
  if (!OnFormMessage(m) && savedFormHook_) savedFormHook_(m);
}

bool TWinSkinForm::OnFormMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_SETTEXT:    return OnFormSetText(m);
    case SKM_RESKIN:    return OnFormReskin();
    case SKM_PAINTNC:   return OnFormPaintFrame(m, reinterpret_cast<HDC>(m.WParam), m.LParam);
    case SKM_PING:      return OnFormPing(m, m.LParam);
    case CM_DIALOGCHAR: return OnDialogChar(m, static_cast<wchar_t>(m.WParam));
    default:            return false;
  }
  // clang-format on
}

// The system draws its own caption when the text changes: the skinned one is drawn over it.
bool TWinSkinForm::OnFormSetText(TMessage& m) {
  if (savedFormHook_) savedFormHook_(m);
  if (!IsWindowVisible(window_)) return true;
  if (activation_.WindowShowState == wssMaximized) {
    if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow())
      PostMessageW(manager->MDIClientWindow(), SKM_MDIREDRAW, 0, 0);
  }
  if (activation_.WindowShowState == wssMinimized)
    PaintFrame(nullptr);
  else
    RefreshFrame();
  return true;
}

bool TWinSkinForm::OnFormReskin() {
  Reskin();
  return true;
}

bool TWinSkinForm::OnFormPaintFrame(TMessage& m, HDC dc, LPARAM tag) {
  if (tag != SkinMessageTag) return false;
  if (dc) PaintFrame(dc);
  m.Result = SkinMessageTag;
  return true;
}

bool TWinSkinForm::OnFormPing(TMessage& m, LPARAM tag) {
  m.Result = tag == SkinMessageTag ? SkinMessageTag : 1;
  return true;
}

bool TWinSkinForm::OnDialogChar(TMessage& m, wchar_t key) {
  if (savedFormHook_) savedFormHook_(m);
  if (m.Result) return true;
  if (menuBand_.DialogChar(key, m.Result)) return true;
  // Forms without a bar of their own: an MDI child's keys belong to its frame, those of a
  // secondary form to the main form.
  TCustomForm* next = nullptr;
  if (activation_.FormKind == fkMDIChild)
    next = ObjectAs<TCustomForm>(TWinControl::FindControl(GetAncestor(window_, GA_ROOT)));
  else if (Application() && Application()->MainForm() != form_)
    next = Application()->MainForm();
  if (next && next != form_ && next->HandleAllocated()) m.Result = next->Perform(m.Msg, m.WParam, m.LParam);
  return true;
}

// The MDI client's own procedure sees what this one does not take, once.
void TWinSkinForm::MDIClientWindowProc(TMessage& m) {
  if (!OnMDIClientMessage(m)) mdiClientSubclass_.Default(m);
}

bool TWinSkinForm::OnMDIClientMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_NCDESTROY:   return OnMDIClientDestroy(m);
    case WM_NCCALCSIZE:  return OnMDIClientCalcSize();
    case WM_MDICREATE:   return OnMDICreate();
    case WM_MDIDESTROY:  return OnMDIDestroy(m);
    case WM_MDISETMENU:  return OnMDISetMenu(m, reinterpret_cast<HMENU>(m.WParam));
    case WM_MDITILE:     return OnMDIArrange();
    case WM_MDICASCADE:  return OnMDIArrange();
    case SKM_MDIREDRAW:  return OnMDIRedraw();
    default:             return false;
  }
  // clang-format on
}

// The client keeps no scroll bars unless the skin wants them.
bool TWinSkinForm::OnMDIClientCalcSize() {
  if (activation_.FrameEnabled && !(skinData_->Options() & Bit(xoMDIScrollbar))) {
    const LONG_PTR style = GetWindowLongPtrW(mdiClient_, GWL_STYLE);
    SetWindowLongPtrW(mdiClient_, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
  }
  return false;
}

bool TWinSkinForm::OnMDICreate() {
  skinData_->SetMenuUpdate(false);
  return false;
}

bool TWinSkinForm::OnMDIDestroy(TMessage& m) {
  mdiClientSubclass_.Default(m);
  BOOL maximized = FALSE;
  HWND active = reinterpret_cast<HWND>(
      SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  TFrameRegistry* manager = FrameRegistry();
  if (activation_.FrameEnabled && manager) manager->SetMaximizedChildMode(active && maximized);
  if (!active) {
    skinData_->SetMenuUpdate(menuBand_.SavedMenuUpdate());
    if (menuBand_.Bar()) {
      menuBand_.Bar()->BuildButtons();
      PaintFrame(nullptr);
    }
  }
  return true;
}

bool TWinSkinForm::OnMDISetMenu(TMessage& m, HMENU frameMenu) {
  mdiClientSubclass_.Default(m);
  if (activation_.FrameEnabled && frameMenu) menuBand_.AdoptNativeMenu(true);
  return true;
}

bool TWinSkinForm::OnMDIArrange() {
  if (TFrameRegistry* manager = FrameRegistry(); activation_.FrameEnabled && manager)
    manager->SetMaximizedChildMode(false);
  return false;
}

bool TWinSkinForm::OnMDIRedraw() {
  RedrawWindow(window_, nullptr, nullptr, kMDIRedrawFlags);
  return true;
}

// The client's own procedure sees its last message, then goes back on the window.
bool TWinSkinForm::OnMDIClientDestroy(TMessage& m) {
  const WNDPROC previous = mdiClientSubclass_.Previous();
  const bool unicode = mdiClientSubclass_.Unicode();
  mdiClientSubclass_.Restore();
  m.Result = unicode ? CallWindowProcW(previous, mdiClient_, m.Msg, m.WParam, m.LParam)
                     : CallWindowProcA(previous, mdiClient_, m.Msg, m.WParam, m.LParam);
  if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow() == mdiClient_)
    manager->SetMDIClient(nullptr, nullptr);
  return true;
}

}  // namespace quarnel
