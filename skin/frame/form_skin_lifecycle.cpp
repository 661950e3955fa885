// TWinSkinForm's life: construction and destruction, attaching to a form, giving the window
// back its own look (Detach), taking a new skin (Reskin), the window region's removal and the
// hover timer. UI thread of the skinned window.
#include <map>

#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

constexpr UINT kHoverInterval = 250;
TFrameRegistry* installedRegistry = nullptr;

// Thread timers carry no object: each running timer is found here by its id.
std::map<UINT_PTR, TWinSkinForm*>& HoverTimers() {
  static std::map<UINT_PTR, TWinSkinForm*> timers;
  return timers;
}

fw::UniqueFont MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return fw::UniqueFont();
  return fw::UniqueFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}

}  // namespace

TFrameRegistry* FrameRegistry() {
  return installedRegistry;
}

void SetFrameRegistry(TFrameRegistry* registry) {
  installedRegistry = registry;
}

void TWinSkinForm::AttachControlSkins() {
  TControlWalker(*this).AttachControlSkins();
}

bool TWinSkinForm::HandleNewChildren(TMessage& m) {
  if (m.Msg == SKM_WALKCHILDREN) {
    if (m.LParam != SkinMessageTag) return false;
    childWalkPosted_ = false;
    AttachControlSkins();  // windows that have their skin already are passed over
    return true;
  }
  Default(m);
  if (Form || LOWORD(m.WParam) != WM_CREATE || childWalkPosted_) return true;
  if (activation_.SkinState == fsNotActivated) return true;  // the activation walks them anyway
  childWalkPosted_ = PostMessageW(Window, SKM_WALKCHILDREN, 0, SkinMessageTag) != FALSE;
  return true;
}

void TWinSkinForm::ReleaseControlSkins(bool destroying) {
  TControlWalker(*this).ReleaseControlSkins(destroying);
}

void TWinSkinForm::DispatchWindow(HWND window) {
  TControlWalker(*this).DispatchWindow(window);
}

void ReleaseHotControls(TWinSkinForm& skin, bool onlyOutside) {
  if (skin.Form) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  for (TSkinControl* control : skin.Controls) {
    if (!control || !control->Hot()) continue;
    RECT r{};
    if (onlyOutside && GetWindowRect(control->Window(), &r) && PtInRect(&r, cursor)) continue;
    control->SetHot(false);
    if (control->Window()) InvalidateRect(control->Window(), nullptr, FALSE);
  }
  skin.ForeignHotControl = nullptr;
}

void TWinSkinForm::BindWindow(HWND window, std::string className, TCustomForm* form, TSkinData* skinData) {
  Window = window;
  WindowClassName = std::move(className);
  if (form) Form = form;
  if (skinData) SkinData = skinData;
}

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner) {
  caption_.Font = MakeCaptionFont();
  caption_.DoubleClickTime = GetDoubleClickTime();
}

TWinSkinForm::~TWinSkinForm() {
  AbandonMenuTracking();  // a menu loop of ours may be running further up the stack
  SetHoverTimer(false);
  RestoreProcedures();
  const bool formGoing = Form && Form->IsDestroying();
  // The items' handlers call this object: they go with it.
  if (Form && !formGoing) {
    HookPopupMenus(Form, false);
    HookMainMenus(false);
    UnhookReferencedMenus();
  }
  ReleaseControlSkins(formGoing || activation_.SkinState == fsDestroying ||
                      activation_.SkinState == fsDestroyed || !IsWindow(Window));
  FreeCaptionButtons();
  caption_.SystemMenuPopup.reset();
  if (TFrameRegistry* manager = FrameRegistry()) manager->ForgetWindow(Window);
}

void TWinSkinForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
  Form = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, Window, WindowClassName);
  // The framework's forms do not scroll; a form with a scroll property would lose it here.
  if (skinData->SkinControls() & Bit(xcMenuItem)) {
    if (const TPropInfo* info = GetPropInfo(*form, "AutoScroll")) SetOrdProp(*form, *info, 0);
  }
  SkinData = skinData;
  HookMainMenus(true);
  Activate(skinData);
  if (activation_.FrameEnabled) InstallFormHook();
  SavedFormColor = form->Color();
  form->SetColor(skinData->FaceColor());
}

void TWinSkinForm::InstallFormHook() {
  if (!Form || formHooked_) return;
  SavedFormHook = Form->WindowProc;
  Form->WindowProc = [this](TMessage& message) { FormMessageHook(message); };
  formHooked_ = true;
}

void TWinSkinForm::RestoreFormHook() {
  if (!formHooked_) return;
  formHooked_ = false;
  if (Form) Form->WindowProc = SavedFormHook;
  SavedFormHook = nullptr;
}

void TWinSkinForm::RestoreProcedures() {
  RestoreFormHook();
  subclass_.Restore();
  mdiClientSubclass_.Restore();
}

void TWinSkinForm::Detach() {
  const bool destroying = activation_.SkinState == fsDestroying;
  AbandonMenuTracking();
  if (Form && !destroying && !Form->IsDestroying()) {
    HookPopupMenus(Form, false);
    HookMainMenus(false);
    UnhookReferencedMenus();
  }
  if (!activation_.FrameEnabled) {
    SetHoverTimer(false);
    ReleaseControlSkins(destroying);
    if (Form && !destroying) Form->SetColor(SavedFormColor);
    RestoreProcedures();
    if (Form)
      for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* control = ObjectAs<TControl>(Form->Components(i))) control->Invalidate();
    return;
  }
  caption_.SystemMenuPopup.reset();
  menuBand_.ForeignItems.Restore();
  SetHoverTimer(false);
  if (!Subclassed()) return;
  RestoreFormHook();
  subclass_.Restore();
  ReleaseControlSkins(destroying);
  if (Form && !destroying) Form->SetColor(SavedFormColor);
  if (caption_.SystemMenu && (activation_.BorderIcons & kbiSystemMenu) &&
      !(activation_.BorderIcons & kbiKeepSystemMenuStyle))
    SetWindowLongPtrW(Window, GWL_STYLE, GetWindowLongPtrW(Window, GWL_STYLE) | WS_SYSMENU);
  // The skinned menu bar gives the native one back.
  FreeMenuBar();
  if (menuBand_.NativeMenu && GetMenu(Window) != menuBand_.NativeMenu) SetMenu(Window, menuBand_.NativeMenu);
  mdiClientSubclass_.Restore();
  // A window whose activation never completed still has the system's frame.
  if (!destroying && activation_.SkinState != fsNotActivated &&
      (!activation_.ChildWindow || activation_.FormKind == fkMDIChild))
    ResizeToNativeFrame();
  RemoveRegion();
}

// The window keeps its client area and gets the system's frame around it again.
void TWinSkinForm::ResizeToNativeFrame() {
  RECT r{};
  GetWindowRect(Window, &r);
  const int width =
      r.right - r.left + metrics_.NativeFrameExtra.cx - metrics_.BorderLeft - metrics_.BorderRight;
  // A native bar kept on the window counts in the system's frame already.
  const int height = r.bottom - r.top + metrics_.NativeFrameExtra.cy - metrics_.CaptionHeight -
                     metrics_.BorderBottom - (menuBand_.SystemBar ? metrics_.MenuBarHeight : 0);
  POINT topLeft{r.left, r.top};
  if (HWND parent = GetParent(Window); parent && activation_.FormKind == fkMDIChild)
    ScreenToClient(parent, &topLeft);
  SetWindowPos(Window, nullptr, topLeft.x, topLeft.y, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::RemoveRegion() {
  if (!region_.Owned) return;
  if (IsWindow(Window)) SetWindowRgn(Window, nullptr, TRUE);  // the system frees the region it held
  region_.Owned = false;
  region_.Applied.reset();
  region_.Size = SIZE{};
}

void TWinSkinForm::Reskin() {
  {
    // Nothing in here paints or invalidates: the whole window is invalidated once, below.
    TInvalidationsSuspended suspended;
    if (Form) {
      Form->SetColor(SkinData->FaceColor());
      for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* embedded = ObjectAs<TCustomForm>(Form->Components(i)))
          embedded->SetColor(SkinData->FaceColor());
    }
    for (TSkinControl* control : Controls)
      if (control) control->UpdateSkin();
    if (Form) HookPopupMenus(Form, true);
    activation_.SkinState = fsReskinning;
    // A top-level window without a form (a dialog or message box of the system's) is refitted
    // too: its client area would otherwise keep the old skin's frame sizes under the new frame.
    const bool foreignTopLevel = !Form && !activation_.ChildWindow && activation_.BorderKind != bkNoBorder;
    if (activation_.FrameEnabled && (Form || foreignTopLevel)) {
      // The client area keeps its size, so the layout stands: at most one frame change (none
      // when the frame has the new skin's sizes already), and the region follows the new skin's
      // pieces for the final size.
      region_.Size = SIZE{};
      FitWindowToFrame(true);
      if (region_.Size.cx == 0) UpdateWindowRegion();
    }
  }
  // Nothing above painted: the whole window is painted once, when the switch is done.
  if (IsWindowVisible(Window))
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  SendMessageW(Window, SKM_SKINNED, 0, SkinMessageTag);
  if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Window, WindowClassName);
  activation_.SkinState = fsActive;
}

void TWinSkinForm::SetHoverTimer(bool enabled) {
  if (enabled == (hoverTimer_ != 0)) return;
  if (enabled) {
    hoverTimer_ = SetTimer(nullptr, 0, kHoverInterval, &TWinSkinForm::HoverTimerProc);
    if (hoverTimer_) HoverTimers()[hoverTimer_] = this;
    return;
  }
  KillTimer(nullptr, hoverTimer_);
  HoverTimers().erase(hoverTimer_);
  hoverTimer_ = 0;
}

void CALLBACK TWinSkinForm::HoverTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = HoverTimers().find(id);
  if (it == HoverTimers().end()) {
    KillTimer(nullptr, id);
    return;
  }
  TWinSkinForm* self = it->second;
  try {
    if (self->MenuBand().Tracking) return;
    self->HoverTimerTick();
    ReleaseHotControls(*self, true);
  } catch (...) {
    // A failed hover update leaves the caption as it is; the next tick tries again.
  }
}

}  // namespace quarnel
