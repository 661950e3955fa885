// TFrameFormHook: the framework form's message method while its frame is skinned, and its
// colour. UI thread of the skinned window.
#include "skin/frame/frame_form_hook.h"

#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_registry.h"

namespace quarnel {

void TFrameFormHook::Install() {
  TCustomForm* form = view_.Form();
  if (!form || installed_) return;
  savedHook_ = form->WindowProc;
  form->WindowProc = [this](TMessage& message) { MessageHook(message); };
  installed_ = true;
}

void TFrameFormHook::Restore() {
  if (!installed_) return;
  installed_ = false;
  if (TCustomForm* form = view_.Form()) form->WindowProc = savedHook_;
  savedHook_ = nullptr;
}

void TFrameFormHook::TakeSkinColor(TColor face) {
  TCustomForm* form = view_.Form();
  if (!form) return;
  savedColor_ = form->Color();
  form->SetColor(face);
}

void TFrameFormHook::GiveColorBack() {
  if (TCustomForm* form = view_.Form()) form->SetColor(savedColor_);
}

void TFrameFormHook::MessageHook(TMessage& m) {
  if (!OnMessage(m) && savedHook_) savedHook_(m);
}

bool TFrameFormHook::OnMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_SETTEXT:    return OnSetText(m);
    case SKM_RESKIN:    return OnReskin();
    case SKM_PAINTNC:   return OnPaintFrame(m, reinterpret_cast<HDC>(m.WParam), m.LParam);
    case SKM_PING:      return OnPing(m, m.LParam);
    case CM_DIALOGCHAR: return OnDialogChar(m, static_cast<wchar_t>(m.WParam));
    default:            return false;
  }
  // clang-format on
}

// The system draws its own caption when the text changes: the skinned one is drawn over it.
bool TFrameFormHook::OnSetText(TMessage& m) {
  if (savedHook_) savedHook_(m);
  if (!IsWindowVisible(view_.Window())) return true;
  const TWindowShowState show = view_.Show().State;
  if (show == wssMaximized) {
    if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow())
      PostMessageW(manager->MDIClientWindow(), SKM_MDIREDRAW, 0, 0);
  }
  if (show == wssMinimized)
    owner_.PaintFrame(nullptr);
  else
    owner_.RefreshFrame();
  return true;
}

bool TFrameFormHook::OnReskin() {
  owner_.Reskin();
  return true;
}

bool TFrameFormHook::OnPaintFrame(TMessage& m, HDC dc, LPARAM tag) {
  if (tag != SkinMessageTag) return false;
  if (dc) owner_.PaintFrame(dc);
  m.Result = SkinMessageTag;
  return true;
}

bool TFrameFormHook::OnPing(TMessage& m, LPARAM tag) {
  m.Result = tag == SkinMessageTag ? SkinMessageTag : 1;
  return true;
}

bool TFrameFormHook::OnDialogChar(TMessage& m, wchar_t key) {
  if (savedHook_) savedHook_(m);
  if (m.Result) return true;
  if (menuBand_.DialogChar(key, m.Result)) return true;
  // Forms without a bar of their own: an MDI child's keys belong to its frame, those of a
  // secondary form to the main form.
  TCustomForm* own = view_.Form();
  TCustomForm* next = nullptr;
  if (view_.Facts().FormKind == fkMDIChild)
    next = ObjectAs<TCustomForm>(TWinControl::FindControl(GetAncestor(view_.Window(), GA_ROOT)));
  else if (Application() && Application()->MainForm() != own)
    next = Application()->MainForm();
  if (next && next != own && next->HandleAllocated()) m.Result = next->Perform(m.Msg, m.WParam, m.LParam);
  return true;
}

}  // namespace quarnel
