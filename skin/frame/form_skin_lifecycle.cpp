// TWinSkinForm's life: construction and destruction, attaching to a form, giving the window
// back its own look (Detach), taking a new skin (ApplySkin), and the hover timer's tick. UI
// thread of the skinned window.
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

TFrameRegistry* installedRegistry = nullptr;

}  // namespace

TFrameRegistry* FrameRegistry() {
  return installedRegistry;
}

void SetFrameRegistry(TFrameRegistry* registry) {
  installedRegistry = registry;
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove) menuHooks_.ForgetMenu(component);
}

void TWinSkinForm::BindWindow(HWND window, std::string className, TCustomForm* form, TSkinData* skinData) {
  bound_.Window = window;
  bound_.ClassName = std::move(className);
  if (form) bound_.Form = form;
  if (skinData) bound_.Skin = skinData;
}

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TComponent(owner),
      mdiClient_(view_, menuBand_),
      show_(view_, caption_, *this),
      fitting_(view_, caption_, menuBand_, *this),
      view_(bound_, mdiClient_.Window(), activation_, show_.Show(), fitting_.Metrics(), subclass_),
      caption_(view_, *this),
      menuHooks_(view_, *this),
      menuBand_(view_, menuHooks_, *this),
      controls_(view_, *this, menuHooks_),
      formHook_(view_, menuBand_, *this),
      pointer_(view_, caption_, menuBand_, *this),
      nonClient_(view_, caption_, menuBand_, *this) {}

TWinSkinForm::~TWinSkinForm() {
  menuBand_.AbandonTracking();  // a menu loop of ours may be running further up the stack
  caption_.SetHoverTimer(false);
  RestoreProcedures();
  const bool formGoing = bound_.Form && bound_.Form->IsDestroying();
  // The items' handlers call this object: they go with it.
  if (bound_.Form && !formGoing) {
    menuHooks_.HookPopupMenus(bound_.Form, false);
    menuHooks_.HookMainMenus(false);
    menuHooks_.UnhookReferencedMenus();
  }
  controls_.ReleaseControlSkins(formGoing || activation_.SkinState == fsDestroying ||
                                activation_.SkinState == fsDestroyed || !IsWindow(bound_.Window));
  caption_.FreeButtons();
  caption_.WindowMenu().Drop();
  if (TFrameRegistry* manager = FrameRegistry()) manager->ForgetWindow(bound_.Window);
}

void TWinSkinForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
  bound_.Form = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, bound_.Window, bound_.ClassName);
  // The framework's forms do not scroll; a form with a scroll property would lose it here.
  if (skinData->SkinControls() & Bit(xcMenuItem)) {
    if (const TPropInfo* info = GetPropInfo(*form, "AutoScroll")) SetOrdProp(*form, *info, 0);
  }
  bound_.Skin = skinData;
  menuHooks_.HookMainMenus(true);
  Activate(skinData);
  if (activation_.FrameEnabled) formHook_.Install();
  formHook_.TakeSkinColor(skinData->FaceColor());
}

void TWinSkinForm::RestoreProcedures() {
  formHook_.Restore();
  subclass_.Restore();
  mdiClient_.Restore();
}

void TWinSkinForm::Detach() {
  const bool destroying = activation_.SkinState == fsDestroying;
  menuBand_.AbandonTracking();
  if (bound_.Form && !destroying && !bound_.Form->IsDestroying()) {
    menuHooks_.HookPopupMenus(bound_.Form, false);
    menuHooks_.HookMainMenus(false);
    menuHooks_.UnhookReferencedMenus();
  }
  if (!activation_.FrameEnabled) {
    caption_.SetHoverTimer(false);
    controls_.ReleaseControlSkins(destroying);
    if (!destroying) formHook_.GiveColorBack();
    RestoreProcedures();
    if (bound_.Form)
      for (int i = 0; i < bound_.Form->ComponentCount(); ++i)
        if (auto* control = ObjectAs<TControl>(bound_.Form->Components(i))) control->Invalidate();
    return;
  }
  caption_.WindowMenu().Drop();
  menuBand_.RestoreForeignMenus();
  caption_.SetHoverTimer(false);
  if (!subclass_.Installed()) return;
  formHook_.Restore();
  subclass_.Restore();
  controls_.ReleaseControlSkins(destroying);
  if (!destroying) formHook_.GiveColorBack();
  if (caption_.WindowMenu().Native() && (activation_.BorderIcons & kbiSystemMenu) &&
      !(activation_.BorderIcons & kbiKeepSystemMenuStyle))
    SetWindowLongPtrW(bound_.Window, GWL_STYLE, GetWindowLongPtrW(bound_.Window, GWL_STYLE) | WS_SYSMENU);
  // A foreign window's skinned band was added outside its client area (a form's took its room
  // from the client): it comes off with the skin's frame.
  const int addedBand = !bound_.Form && menuBand_.Bar() ? view_.Metrics().MenuBarHeight : 0;
  // The skinned menu bar gives the native one back.
  menuBand_.FreeBar();
  menuBand_.GiveBackNativeMenu();
  mdiClient_.Restore();
  // A window whose activation never completed still has the system's frame.
  if (!destroying && activation_.SkinState != fsNotActivated &&
      (!activation_.ChildWindow || activation_.FormKind == fkMDIChild))
    fitting_.ResizeToNativeFrame(addedBand);
  RemoveRegion();
}

void TWinSkinForm::ApplySkin() {
  caption_.FreeButtons();
  if (fitting_.Compute()) caption_.BuildButtons();
  Reskin();
}

void TWinSkinForm::Reskin() {
  {
    // Nothing in here paints or invalidates: the whole window is invalidated once, below.
    TInvalidationsSuspended suspended;
    if (bound_.Form) {
      bound_.Form->SetColor(bound_.Skin->FaceColor());
      for (int i = 0; i < bound_.Form->ComponentCount(); ++i)
        if (auto* embedded = ObjectAs<TCustomForm>(bound_.Form->Components(i)))
          embedded->SetColor(bound_.Skin->FaceColor());
    }
    controls_.UpdateSkins();
    if (bound_.Form) menuHooks_.HookPopupMenus(bound_.Form, true);
    activation_.SkinState = fsReskinning;
    // A top-level window without a form (a dialog or message box of the system's) is refitted
    // too: its client area would otherwise keep the old skin's frame sizes under the new frame.
    const bool foreignTopLevel =
        !bound_.Form && !activation_.ChildWindow && activation_.BorderKind != bkNoBorder;
    if (activation_.FrameEnabled && (bound_.Form || foreignTopLevel)) {
      // The client area keeps its size, so the layout stands: at most one frame change (none
      // when the frame has the new skin's sizes already), and the region follows the new skin's
      // pieces for the final size.
      outline_.ForgetSize();
      fitting_.FitWindow(true);
      if (!outline_.CutSinceForget()) UpdateWindowRegion();
    }
  }
  // Nothing above painted: the whole window is painted once, when the switch is done.
  if (IsWindowVisible(bound_.Window))
    RedrawWindow(bound_.Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  SendMessageW(bound_.Window, SKM_SKINNED, 0, SkinMessageTag);
  if (bound_.Skin->OnAfterSkinForm)
    bound_.Skin->OnAfterSkinForm(bound_.Form, bound_.Window, bound_.ClassName);
  activation_.SkinState = fsActive;
}

// A tick of the caption's hover timer: the bar item and the caption button under the pointer,
// and the foreign window's control skins it left.
void TWinSkinForm::CaptionHoverTick() {
  if (menuBand_.Tracking()) return;
  // The pointer may leave a hot bar item into the client area, where no non-client move comes.
  if (menuBand_.Bar()) {
    POINT cursor{};
    if (GetCursorPos(&cursor)) menuBand_.MouseMove(view_.FramePoint(cursor));
  }
  if (!menuBand_.Tracking()) caption_.HoverTick();
  controls_.ReleaseHotControls(true);
}

}  // namespace quarnel
