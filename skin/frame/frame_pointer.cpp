// TFramePointer: the non-client mouse messages of a skinned frame, shared out between its
// caption and its menu band. UI thread of the skinned window.
#include "skin/frame/frame_pointer.h"

#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/nc_object.h"

namespace quarnel {

bool TFramePointer::OnNcMouseMove(POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  if (!view_.Show().Active) return true;
  if (TWinSysButton* button = caption_.ButtonAt(view_.FramePoint(screen))) {
    button->MouseMove();
    return true;
  }
  if (caption_.Hot()) {
    caption_.Hot()->MouseLeave();
    caption_.SetHot(nullptr);
  }
  return menuBand_.MouseMove(view_.FramePoint(screen));
}

bool TFramePointer::OnNcLButtonDown(TMessage& m, UINT hit, POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  caption_.HideHint();
  if (TWinSysButton* button = caption_.ButtonAt(view_.FramePoint(screen))) {
    if (!view_.Show().Active) SetForegroundWindow(view_.Window());
    button->MouseDown();
    return true;
  }
  if (menuBand_.Bar() && hit == HTMENU) {
    if (!view_.Show().Active) SetForegroundWindow(view_.Window());
    menuBand_.OpenButton(menuBand_.Bar()->ButtonAt(view_.FramePoint(screen)));
    return true;
  }
  // A maximised window cannot be dragged by its caption: the press goes on as one on the menu.
  if (view_.Show().State == wssMaximized && view_.Show().Active && hit == HTCAPTION)
    m.WParam = HTMENU;
  return false;
}

bool TFramePointer::OnNcLButtonUp(POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  caption_.HideHint();
  TWinSysButton* button = caption_.ButtonAt(view_.FramePoint(screen));
  if (!button) return false;
  // Only the button that was pressed acts: releasing over another one does nothing.
  if (caption_.Hot() == button && button->State() == 2) {
    button->MouseUp();
    caption_.ButtonClick(*button);
  }
  return true;
}

bool TFramePointer::OnNcLButtonDblClk(UINT hit, POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  if (TWinSysButton* button = caption_.ButtonAt(view_.FramePoint(screen))) {
    if (button->IsIconButton()) {
      caption_.SetHoverTimer(false);
      PostMessageW(view_.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return true;
  }
  // A second press on the bar soon after the first is a press like any other.
  if (menuBand_.Bar() && hit == HTMENU) {
    menuBand_.OpenButton(menuBand_.Bar()->ButtonAt(view_.FramePoint(screen)));
    return true;
  }
  if (hit != HTCAPTION) return false;
  if (view_.Show().State != wssNormal) {
    owner_.CaptionCommand(TCaptionCommand::Restore);
    return true;
  }
  if (view_.Facts().BorderIcons & kbiMaximize) {
    owner_.CaptionCommand(TCaptionCommand::ToggleMaximize);
    return true;
  }
  return false;
}

bool TFramePointer::OnNcRButtonDown(UINT hit, POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  caption_.HideHint();
  if (hit != HTCAPTION || view_.Facts().FormKind == fkMDIChild) return false;
  caption_.ShowSystemMenu(screen);
  return true;
}

// SKM_MENUBARCLICK: a press on the band at a screen point, posted.
bool TFramePointer::OnMenuBarClick(POINT screen) {
  if (!view_.FrameDrawn()) return false;
  const POINT frame = view_.FramePoint(screen);
  if (TWinSysButton* button = caption_.ButtonAt(frame)) {
    caption_.ButtonClick(*button);
    return true;
  }
  if (menuBand_.Bar()) menuBand_.OpenButton(menuBand_.Bar()->ButtonAt(frame));
  return true;
}

}  // namespace quarnel
