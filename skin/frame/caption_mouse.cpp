// TFrameCaption and the pointer: the caption button under a point and what a caption button's
// click does. UI thread.
#include <windowsx.h>

#include "framework/ui/private_messages.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/nc_object.h"

namespace quarnel {

TWinSysButton* TFrameCaption::ButtonAt(POINT framePoint) const {
  for (const auto& button : buttons_) {
    if (button->Visible() && button->Skin()->Action >= 0 && PtInRect(&button->Rect(), framePoint))
      return button.get();
  }
  return nullptr;
}

// A second request within the double-click time is the second click of a double click: on a
// caption button it closes the window.
void TFrameCaption::ShowSystemMenu(POINT screenPoint) {
  if (windowMenu_.Show(screenPoint) || !hot_) return;
  SetHoverTimer(false);
  PostMessageW(view_.Window(), WM_CLOSE, 0, 0);
}

void TFrameCaption::ButtonClick(TWinSysButton& button) {
  HWND window = view_.Window();
  const int action = button.Skin()->Action;
  auto sendToActiveChild = [this](WPARAM command) {
    HWND mdiClient = view_.MDIClient();
    if (view_.Facts().FormKind != fkMDIFrame || !mdiClient) return;
    auto child = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0));
    if (child) SendMessageW(child, WM_SYSCOMMAND, command, 0);
  };
  switch (action) {
    case 0:
      if (windowMenu_.HasClose()) {
        SetHoverTimer(false);
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case 1:
    case 22:
      if (button.Enabled()) owner_.CaptionCommand(TCaptionCommand::ToggleMaximize);
      break;
    case 2:
    case 23:
      if (button.Enabled()) owner_.CaptionCommand(TCaptionCommand::ToggleMinimize);
      break;
    case 3:
    case 11:
    case 12: {
      const DWORD where = GetMessagePos();
      ShowSystemMenu({GET_X_LPARAM(where) + 1, GET_Y_LPARAM(where) + 1});
      break;
    }
    case 4:
      PostMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case 7:
    case 60:
      sendToActiveChild(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      sendToActiveChild(SC_RESTORE);
      break;
    case 9:
    case 62:
      sendToActiveChild(SC_CLOSE);
      break;
    default:
      PostMessageW(window, SKM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

}  // namespace quarnel
