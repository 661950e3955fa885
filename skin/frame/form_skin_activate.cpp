// TWinSkinForm's activation: reading the window's kind, border and buttons, replacing its
// procedure, the skin's frame sizes, finishing at SKM_ACTIVATE, fitting the window around its
// client area with the skin's frame, and frame coordinates. UI thread of the skinned window.
#include <algorithm>
#include <string>

#include "framework/core/text.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/controls/control_walker.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/form_skin_geometry.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/guarded_handler.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

constexpr LONG_PTR kModalFrameStyle = 0x80;  // DS_MODALFRAME

// True when the client area sits where the skin's frame sizes put it: a frame change would
// change nothing.
bool ClientFitsFrame(HWND window, const FrameSizes& sizes) {
  RECT outer{}, inner{};
  if (!GetWindowRect(window, &outer) || !GetClientRect(window, &inner)) return false;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inner), 2);
  const FrameBox box =
      SkinClientBox(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, sizes);
  return box == FrameBox{inner.left, inner.top, inner.right, inner.bottom};
}

}  // namespace

void TWinSkinForm::Activate(TSkinData* skinData) {
  if (Subclassed()) return;
  TFrameRegistry* manager = FrameRegistry();
  if (manager) manager->SetSkinningCount(1);
  skinData_ = skinData;
  caption_.SetHoverTimer(false);
  // The frame is painted whatever the menu options say: xcMainMenu decides only about the menu
  // band, so switching the menu skin off must not leave the whole window unskinned.
  activation_.FrameEnabled = true;
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  activation_.RightToLeft = exStyle & WS_EX_LEFTSCROLLBAR;
  activation_.ChildWindow = style & WS_CHILD;
  const std::string className = ::quarnel::WindowClassName(window_);
  activation_.DialogClass = className == "#32770" || className == "TMessageForm";
  HWND owner = GetWindow(window_, GW_OWNER);

  activation_.BorderIcons = 0;
  if ((style & WS_SYSMENU) || caption_.WindowMenu().Native()) activation_.BorderIcons |= kbiSystemMenu;
  if (style & WS_MINIMIZEBOX) activation_.BorderIcons |= kbiMinimize;
  if (style & WS_MAXIMIZEBOX) activation_.BorderIcons |= kbiMaximize;
  if (exStyle & WS_EX_CONTEXTHELP) activation_.BorderIcons |= kbiHelp;
  ReadShowState();
  ReadFormKind(exStyle);
  ReadBorderKind(style, exStyle);

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
  subclass_.Install(window_, Guarded(this, &TWinSkinForm::FrameWindowProc));
  activation_.UnicodeWindow = subclass_.Unicode();

  if (activation_.FrameEnabled) {
    // The skinned menu bar takes the native one off the window and keeps a band for it.
    menuBand_.TakeNativeMenu();
    ComputeFrameMetrics();
    menuBand_.CreateBar();
    menuBand_.SyncSystemBar();
  } else {
    activation_.SkinState = fsActive;
  }
  if (activation_.FormKind == fkMDIChild) {
    const int systemCaption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (metrics_.CaptionHeight < systemCaption)
      metrics_.MenuBarHeight = systemCaption - metrics_.CaptionHeight;
    if (activation_.WindowShowState == wssMaximized && manager) manager->SetMaximizedChildMode(true);
  }
}

void TWinSkinForm::ReadFormKind(LONG_PTR exStyle) {
  activation_.FormKind = fkPlainForm;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (fw::AsciiLowerCase(::quarnel::WindowClassName(child)) != "mdiclient") continue;
    activation_.FormKind = fkMDIFrame;
    mdiClient_.SetWindow(child);
    if (TFrameRegistry* manager = FrameRegistry()) manager->SetMDIClient(child, ControlOfWindow(window_));
    return;
  }
  if (exStyle & WS_EX_MDICHILD) {
    activation_.FormKind = fkMDIChild;
    if (skinData_->Options() & Bit(xoMDIChildBorder)) activation_.FrameEnabled = false;
  }
}

void TWinSkinForm::ReadBorderKind(LONG_PTR style, LONG_PTR exStyle) {
  activation_.BorderKind = bkSingle;
  if ((style & WS_CAPTION) != WS_CAPTION)
    activation_.BorderKind = bkNoBorder;
  else if (style & WS_THICKFRAME)
    activation_.BorderKind = bkSizeable;
  else if (style & kModalFrameStyle)
    activation_.BorderKind = bkDialog;
  if (exStyle & WS_EX_DLGMODALFRAME) activation_.BorderKind = bkDialog;
  if (activation_.DialogClass) activation_.BorderKind = bkDialog;
}

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      activation_.WindowShowState = wssMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      activation_.WindowShowState = wssMaximized;
      break;
    default:
      activation_.WindowShowState = wssNormal;
      break;
  }
}

void TWinSkinForm::ComputeFrameMetrics() {
  if (!skinData_ || skinData_->Empty()) return;
  const bool noBorder = activation_.BorderKind == bkNoBorder;
  const FrameSizes sizes = SkinBorderSizes(*skinData_, noBorder);
  metrics_.BorderLeft = sizes.left;
  metrics_.CaptionHeight = sizes.caption;
  metrics_.BorderRight = sizes.right;
  metrics_.BorderBottom = sizes.bottom;
  if (noBorder) metrics_.MenuBarHeight = 0;
  caption_.BuildButtons();
}

void TWinSkinForm::CompleteActivation() {
  caption_.WindowMenu().Read();
  caption_.BuildIconBitmap();
  RECT window{};
  GetClientRect(window_, &metrics_.ClientSize);
  GetWindowRect(window_, &window);
  metrics_.NativeFrameExtra = SIZE{window.right - window.left - metrics_.ClientSize.right,
                                   window.bottom - window.top - metrics_.ClientSize.bottom};
  if (form_) {
    controls_.AttachControlSkins();
    menuHooks_.HookPopupMenus(form_, true);
  } else
    TControlWalker(controls_).WalkChildWindows(window_);
  if (activation_.SkinState == fsNotActivated) {
    if (activation_.FormKind == fkMDIChild) {
      if (activation_.WindowShowState == wssMaximized) {
        if (TFrameRegistry* manager = FrameRegistry(); manager && manager->MDIClientWindow())
          PostMessageW(manager->MDIClientWindow(), SKM_MDIREDRAW, 0, 0);
      } else if (activation_.WindowShowState == wssNormal) {
        activation_.SkinState = fsFitting;
        FitWindowToFrame(false);
        activation_.SkinState = fsActive;
        UpdateWindowRegion();
      }
    } else if (!activation_.ChildWindow && activation_.BorderKind != bkNoBorder &&
               activation_.WindowShowState != wssMinimized) {
      activation_.SkinState = fsFitting;
      FitWindowToFrame(false);
      activation_.SkinState = fsActive;
      if (activation_.WindowShowState == wssNormal)
        UpdateWindowRegion();
      else if (activation_.WindowShowState == wssMaximized)
        RefreshFrame();
    }
  }
  SendMessageW(window_, SKM_SKINNED, 0, SkinMessageTag);
  if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(form_, window_, windowClassName_);
  activation_.SkinState = fsActive;
  // Trace point "*****Skin Active finish": kept silent.
  caption_.SetHoverTimer(true);
}

void TWinSkinForm::FitWindowToFrame(bool keepClientSize) {
  const FrameSizes sizes = view_.Sizes();
  if (keepClientSize && activation_.WindowShowState != wssMinimized && activation_.BorderKind != bkNoBorder &&
      ClientFitsFrame(window_, sizes))
    return;
  // A new skin's frame of other sizes: the window is painted once when the switch is done.
  const bool quiet = activation_.SkinState == fsReskinning && IsWindowVisible(window_);
  if (quiet) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  if (activation_.WindowShowState == wssMaximized) {
    RefreshFrame();
  } else {
    if (activation_.DialogClass || activation_.SkinState == fsReskinning || keepClientSize)
      GetClientRect(window_, &metrics_.ClientSize);
    int width =
        metrics_.ClientSize.right - metrics_.ClientSize.left + metrics_.BorderLeft + metrics_.BorderRight;
    int clientHeight = metrics_.ClientSize.bottom - metrics_.ClientSize.top;
    if (!keepClientSize && form_) {
      width = form_->ClientWidth() + metrics_.BorderLeft + metrics_.BorderRight;
      // The band of a skinned bar was the native bar's room in the client area; a native bar
      // kept on the window has its room outside it already.
      const bool bandInClient = activation_.FormKind != fkMDIChild && !menuBand_.SystemBar();
      clientHeight = form_->ClientHeight() - (bandInClient ? metrics_.MenuBarHeight : 0);
    }
    const int height = clientHeight + metrics_.CaptionHeight + metrics_.BorderBottom + metrics_.MenuBarHeight;
    if (activation_.DialogClass && !keepClientSize) WidenForDialogTitle(width);
    SetWindowPos(window_, nullptr, 0, 0, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
  }
  if (quiet) SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
}

// A dialog whose title would not fit grows, its controls moving right by half the growth.
void TWinSkinForm::WidenForDialogTitle(int& width) {
  const std::wstring text = WindowTextWide(window_);
  SIZE extent{};
  {
    fw::WindowDC screen(nullptr);
    fw::SelectGuard font(screen.get(), caption_.Title().Font());
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const int needed = skinData_->Title->TextShift() + extent.cx + skinData_->Title->TextRightClip();
  const TitleFit fit = FitDialogTitle(width, needed);
  if (fit.width == width) return;
  const int shift = fit.childShift;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(window_, &topLeft);
    SetWindowPos(child, nullptr, topLeft.x + shift, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
  }
  width = fit.width;
}

}  // namespace quarnel
