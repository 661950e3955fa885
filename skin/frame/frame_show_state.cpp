// TFrameShowState: the show state followed from the window's messages, and the window commands
// from the caption and the window menu. UI thread of the skinned window.
#include "skin/frame/frame_show_state.h"

#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"

namespace quarnel {

namespace {

bool IsWindowMenuCommand(UINT command) {
  switch (command) {
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

}  // namespace

void TFrameShowState::ReadPlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(view_.Window(), &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      show_.State = wssMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      show_.State = wssMaximized;
      break;
    default:
      show_.State = wssNormal;
      break;
  }
}

void TFrameShowState::Command(TCaptionCommand command) {
  switch (command) {
    case TCaptionCommand::Restore:
      Restore();
      break;
    case TCaptionCommand::ToggleMaximize:
      ToggleMaximize();
      break;
    case TCaptionCommand::ToggleMinimize:
      ToggleMinimize();
      break;
    case TCaptionCommand::Close:
      caption_.SetHoverTimer(false);
      PostMessageW(view_.Window(), WM_CLOSE, 0, 0);
      break;
  }
}

void TFrameShowState::Restore() {
  show_.State = wssNormal;
  PostMessageW(view_.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TFrameShowState::ToggleMaximize() {
  if (show_.State == wssMaximized) {
    Restore();
    return;
  }
  if (TFrameRegistry* manager = FrameRegistry(); manager && view_.Facts().FormKind == fkMDIChild)
    manager->SetMaximizedChildMode(true);
  show_.State = wssMaximized;
  PostMessageW(view_.Window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  caption_.SetHot(nullptr);
}

void TFrameShowState::ToggleMinimize() {
  if (show_.State == wssMinimized) {
    Restore();
    return;
  }
  show_.State = wssMinimized;
  if (caption_.WindowMenu().Native() && !(view_.Facts().BorderIcons & kbiKeepSystemMenuStyle)) {
    const LONG style = GetWindowLongW(view_.Window(), GWL_STYLE);
    SetWindowLongW(view_.Window(), GWL_STYLE, style | WS_SYSMENU);
  }
  PostMessageW(view_.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

bool TFrameShowState::OnSize(TMessage& m, UINT kind) {
  if (!view_.FrameDrawn()) return false;
  view_.Default(m);
  switch (kind) {
    case SIZE_RESTORED:
      show_.State = wssNormal;
      break;
    case SIZE_MINIMIZED:
      show_.State = wssMinimized;
      break;
    case SIZE_MAXIMIZED:
      show_.State = wssMaximized;
      break;
    default:
      break;
  }
  if (show_.State == wssMinimized) return true;
  const TFrameActivation& facts = view_.Facts();
  if (facts.FormKind == fkMDIChild) {
    TFrameRegistry* manager = FrameRegistry();
    if ((manager && manager->MaximizedChildMode()) || show_.State != wssNormal) return true;
  }
  if (facts.SkinState == fsActive || facts.SkinState == fsReskinning) owner_.UpdateWindowRegion(false);
  return true;
}

bool TFrameShowState::OnActivate(bool active) {
  if (view_.FrameDrawn()) show_.Active = active;
  return false;
}

bool TFrameShowState::OnGetMinMaxInfo(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  view_.Default(m);
  ReadPlacement();
  return true;
}

bool TFrameShowState::OnWindowPosChanged(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  ReadPlacement();
  view_.Default(m);
  return true;
}

bool TFrameShowState::OnCommand(UINT id) {
  if (!view_.FrameDrawn() || !IsWindowMenuCommand(id)) return false;
  PostMessageW(view_.Window(), WM_SYSCOMMAND, id, 0);
  return true;
}

void TFrameShowState::NoteSysCommand(UINT command) {
  switch (command) {
    case SC_MINIMIZE:
      show_.State = wssMinimized;
      break;
    case SC_MAXIMIZE:
      show_.State = wssMaximized;
      break;
    case SC_RESTORE:
      show_.State = wssNormal;
      if (TFrameRegistry* manager = FrameRegistry();
          manager && view_.Facts().FormKind == fkMDIChild && manager->MaximizedChildMode())
        manager->SetMaximizedChildMode(false);
      break;
    default:
      break;
  }
}

}  // namespace quarnel
