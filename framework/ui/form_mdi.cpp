// MDI for forms: an fsMDIForm form holds an "MDIClient" window and uses DefFrameProc; an
// fsMDIChild form is made as an MDI child of its owning frame (else of the main form) and uses
// DefMDIChildProc. User-interface thread.
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/win/code_module.h"

namespace {
constexpr UINT kFirstChildMenuId = 0xFF00;
}  // namespace

HWND TCustomForm::MDIParentClient() const {
  if (formStyle_ != fsMDIChild) return nullptr;
  // A child owned by an MDI frame goes into that frame; any other into the main form's.
  if (auto* frame = ObjectAs<TCustomForm>(Owner()); frame && frame->FormStyle() == fsMDIForm) {
    frame->Handle();
    return frame->ClientHandle();
  }
  TCustomForm* main = Application()->MainForm();
  if (!main || main == this || main->FormStyle() != fsMDIForm) return nullptr;
  main->Handle();
  return main->ClientHandle();
}

void TCustomForm::CreateMDIClient() {
  if (formStyle_ != fsMDIForm || clientHandle_) return;
  CLIENTCREATESTRUCT create{};
  create.idFirstChild = kFirstChildMenuId;
  RECT client{};
  GetClientRect(handle_, &client);
  clientHandle_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                      WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, client.right,
                      client.bottom, handle_, nullptr, fw::CodeModule(), &create);
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (handle_ && clientHandle_) {
    m.Result = DefFrameProcW(handle_, clientHandle_, m.Msg, m.WParam, m.LParam);
    if (m.Msg == WM_NCDESTROY) clientHandle_ = nullptr;
    return;
  }
  if (handle_ && mdiChildWindow_) {
    m.Result = DefMDIChildProcW(handle_, m.Msg, m.WParam, m.LParam);
    return;
  }
  TWinControl::DefaultHandler(m);
}

// An MDI child leaves through its client window, which then activates another child.
void TCustomForm::DestroyHandle() {
  if (handle_ && menu_) ::SetMenu(handle_, nullptr);  // the menu component owns its handle
  if (handle_ && mdiChildWindow_) {
    if (HWND client = GetParent(handle_)) {
      SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle_), 0);
      DetachHandle();  // when the window outlived the message
      return;
    }
  }
  TWinControl::DestroyHandle();
}
