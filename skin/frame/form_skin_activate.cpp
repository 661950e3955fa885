// TWinSkinForm's activation: reading the window's kind, border and buttons, replacing its
// procedure, taking the skin's frame sizes, and finishing at SKM_ACTIVATE with the window fitted
// round its client area. UI thread of the skinned window.
#include <algorithm>
#include <string>

#include "framework/core/text.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/controls/control_walker.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/guarded_handler.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

constexpr LONG_PTR kModalFrameStyle = 0x80;  // DS_MODALFRAME

TBorderKind BorderKindOf(LONG_PTR style, LONG_PTR exStyle, bool dialogClass) {
  if (dialogClass || (exStyle & WS_EX_DLGMODALFRAME)) return bkDialog;
  if ((style & WS_CAPTION) != WS_CAPTION) return bkNoBorder;
  if (style & WS_THICKFRAME) return bkSizeable;
  if (style & kModalFrameStyle) return bkDialog;
  return bkSingle;
}

// An MDI frame's client window among the window's children, or null.
HWND FindMDIClient(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (fw::AsciiLowerCase(::quarnel::WindowClassName(child)) == "mdiclient") return child;
  return nullptr;
}

}  // namespace

void TWinSkinForm::Activate(TSkinData* skinData) {
  if (subclass_.Installed()) return;
  TFrameRegistry* manager = FrameRegistry();
  if (manager) manager->SetSkinningCount(1);
  bound_.Skin = skinData;
  caption_.SetHoverTimer(false);
  // The frame is painted whatever the menu options say: xcMainMenu decides only about the menu
  // band, so switching the menu skin off must not leave the whole window unskinned.
  activation_.FrameEnabled = true;
  const LONG_PTR style = GetWindowLongPtrW(bound_.Window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(bound_.Window, GWL_EXSTYLE);
  activation_.RightToLeft = exStyle & WS_EX_LEFTSCROLLBAR;
  activation_.ChildWindow = style & WS_CHILD;
  const std::string className = ::quarnel::WindowClassName(bound_.Window);
  activation_.DialogClass = className == "#32770" || className == "TMessageForm";
  HWND owner = GetWindow(bound_.Window, GW_OWNER);

  activation_.BorderIcons = 0;
  if ((style & WS_SYSMENU) || caption_.WindowMenu().Native()) activation_.BorderIcons |= kbiSystemMenu;
  if (style & WS_MINIMIZEBOX) activation_.BorderIcons |= kbiMinimize;
  if (style & WS_MAXIMIZEBOX) activation_.BorderIcons |= kbiMaximize;
  if (exStyle & WS_EX_CONTEXTHELP) activation_.BorderIcons |= kbiHelp;
  show_.ReadPlacement();
  activation_.FormKind = fkPlainForm;
  if (HWND client = FindMDIClient(bound_.Window)) {
    activation_.FormKind = fkMDIFrame;
    mdiClient_.SetWindow(client);
    if (manager) manager->SetMDIClient(client, ControlOfWindow(bound_.Window));
  } else if (exStyle & WS_EX_MDICHILD) {
    activation_.FormKind = fkMDIChild;
    if (skinData->Options() & Bit(xoMDIChildBorder)) activation_.FrameEnabled = false;
  }
  activation_.BorderKind = BorderKindOf(style, exStyle, activation_.DialogClass);

  const TSkinModuleState& system = SkinModule();
  if (SystemMajorVersion() > 4 && SystemMinorVersion() == 0 &&
      ((system.IsNTPlatform && (exStyle & WS_EX_APPWINDOW)) ||
       (!owner && activation_.FormKind != fkMDIChild)))
    activation_.BorderIcons |= kbiKeepSystemMenuStyle;
  if (!system.IsNTPlatform) skinData->SetSkinControls(skinData->SkinControls() & ~Bit(xcSystemMenu));

  if (activation_.FormKind == fkMDIFrame) {
    menuBand_.SaveMenuUpdate(skinData->MenuUpdate());
    mdiClient_.Install();
  }
  subclass_.Install(bound_.Window, Guarded(this, &TWinSkinForm::FrameWindowProc));
  activation_.UnicodeWindow = subclass_.Unicode();

  if (activation_.FrameEnabled) {
    // The skinned menu bar takes the native one off the window and keeps a band for it.
    menuBand_.TakeNativeMenu();
    if (fitting_.Compute()) caption_.BuildButtons();
    menuBand_.CreateBar();
    menuBand_.SyncSystemBar();
  } else {
    activation_.SkinState = fsActive;
  }
  if (activation_.FormKind == fkMDIChild) {
    fitting_.KeepSystemCaptionHeight();
    if (show_.Show().State == wssMaximized && manager) manager->SetMaximizedChildMode(true);
  }
}

bool TWinSkinForm::OnCompleteActivation(LPARAM tag) {
  if (tag != kActivateMessageParam) return false;
  caption_.WindowMenu().Read();
  caption_.BuildIconBitmap();
  fitting_.ReadNativeFrame();
  if (bound_.Form) {
    controls_.AttachControlSkins();
    menuHooks_.HookPopupMenus(bound_.Form, true);
  } else
    TControlWalker(controls_).WalkChildWindows(bound_.Window);
  if (activation_.SkinState == fsNotActivated) {
    if (activation_.FormKind == fkMDIChild) {
      if (show_.Show().State == wssMaximized) {
        if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow())
          PostMessageW(manager->MDIClientWindow(), SKM_MDIREDRAW, 0, 0);
      } else if (show_.Show().State == wssNormal) {
        activation_.SkinState = fsFitting;
        fitting_.FitWindow(false);
        activation_.SkinState = fsActive;
        UpdateWindowRegion();
      }
    } else if (!activation_.ChildWindow && activation_.BorderKind != bkNoBorder &&
               show_.Show().State != wssMinimized) {
      activation_.SkinState = fsFitting;
      fitting_.FitWindow(false);
      activation_.SkinState = fsActive;
      if (show_.Show().State == wssNormal)
        UpdateWindowRegion();
      else if (show_.Show().State == wssMaximized)
        RefreshFrame();
    }
  }
  SendMessageW(bound_.Window, SKM_SKINNED, 0, SkinMessageTag);
  if (bound_.Skin->OnAfterSkinForm)
    bound_.Skin->OnAfterSkinForm(bound_.Form, bound_.Window, bound_.ClassName);
  activation_.SkinState = fsActive;
  // Trace point "*****Skin Active finish": kept silent.
  caption_.SetHoverTimer(true);
  return true;
}

}  // namespace quarnel
