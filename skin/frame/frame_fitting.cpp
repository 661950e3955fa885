// TFrameFitting: the frame's sizes from the skin, and the window sized round its client area
// with the skin's frame or with the system's again. UI thread of the skinned window.
#include "skin/frame/frame_fitting.h"

#include <string>

#include "framework/ui/form.h"
#include "framework/win/handles.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_skin_geometry.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_metrics.h"

namespace quarnel {

namespace {

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

bool TFrameFitting::Compute() {
  const TSkinData* skin = view_.Skin();
  if (!skin || skin->Empty()) return false;
  const bool noBorder = view_.Facts().BorderKind == bkNoBorder;
  const FrameSizes sizes = SkinBorderSizes(*skin, noBorder);
  metrics_.BorderLeft = sizes.left;
  metrics_.CaptionHeight = sizes.caption;
  metrics_.BorderRight = sizes.right;
  metrics_.BorderBottom = sizes.bottom;
  if (noBorder) metrics_.MenuBarHeight = 0;
  return true;
}

void TFrameFitting::KeepSystemCaptionHeight() {
  const int systemCaption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
  if (metrics_.CaptionHeight < systemCaption) metrics_.MenuBarHeight = systemCaption - metrics_.CaptionHeight;
}

void TFrameFitting::ReadNativeFrame() {
  RECT window{};
  GetClientRect(view_.Window(), &metrics_.ClientSize);
  GetWindowRect(view_.Window(), &window);
  metrics_.NativeFrameExtra = SIZE{window.right - window.left - metrics_.ClientSize.right,
                                   window.bottom - window.top - metrics_.ClientSize.bottom};
}

void TFrameFitting::FitWindow(bool keepClientSize) {
  const HWND window = view_.Window();
  const TFrameActivation& facts = view_.Facts();
  const TWindowShowState show = view_.Show().State;
  if (keepClientSize && show != wssMinimized && facts.BorderKind != bkNoBorder &&
      ClientFitsFrame(window, view_.Sizes()))
    return;
  // A new skin's frame of other sizes: the window is painted once when the switch is done.
  const bool quiet = facts.SkinState == fsReskinning && IsWindowVisible(window);
  if (quiet) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  if (show == wssMaximized) {
    owner_.RefreshFrame();
  } else {
    if (facts.DialogClass || facts.SkinState == fsReskinning || keepClientSize)
      GetClientRect(window, &metrics_.ClientSize);
    int width =
        metrics_.ClientSize.right - metrics_.ClientSize.left + metrics_.BorderLeft + metrics_.BorderRight;
    int clientHeight = metrics_.ClientSize.bottom - metrics_.ClientSize.top;
    if (TCustomForm* form = view_.Form(); !keepClientSize && form) {
      width = form->ClientWidth() + metrics_.BorderLeft + metrics_.BorderRight;
      // The band of a skinned bar was the native bar's room in the client area; a native bar
      // kept on the window has its room outside it already.
      const bool bandInClient = facts.FormKind != fkMDIChild && !menuBand_.SystemBar();
      clientHeight = form->ClientHeight() - (bandInClient ? metrics_.MenuBarHeight : 0);
    }
    const int height = clientHeight + metrics_.CaptionHeight + metrics_.BorderBottom + metrics_.MenuBarHeight;
    if (facts.DialogClass && !keepClientSize) WidenForDialogTitle(width);
    SetWindowPos(window, nullptr, 0, 0, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
  }
  if (quiet) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
}

// A dialog whose title would not fit grows, its controls moving right by half the growth.
void TFrameFitting::WidenForDialogTitle(int& width) {
  const HWND window = view_.Window();
  const std::wstring text = WindowTextWide(window);
  SIZE extent{};
  {
    fw::WindowDC screen(nullptr);
    fw::SelectGuard font(screen.get(), caption_.Title().Font());
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const TSkinData& skin = *view_.Skin();
  const int needed = skin.Title->TextShift() + extent.cx + skin.Title->TextRightClip();
  const TitleFit fit = FitDialogTitle(width, needed);
  if (fit.width == width) return;
  const int shift = fit.childShift;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(window, &topLeft);
    SetWindowPos(child, nullptr, topLeft.x + shift, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
  }
  width = fit.width;
}

void TFrameFitting::ResizeToNativeFrame(int addedBand) {
  const HWND window = view_.Window();
  RECT r{};
  GetWindowRect(window, &r);
  const int width =
      r.right - r.left + metrics_.NativeFrameExtra.cx - metrics_.BorderLeft - metrics_.BorderRight;
  // A native bar kept on the window counts in the system's frame already.
  const int height = r.bottom - r.top + metrics_.NativeFrameExtra.cy - metrics_.CaptionHeight -
                     metrics_.BorderBottom - (menuBand_.SystemBar() ? metrics_.MenuBarHeight : 0) - addedBand;
  POINT topLeft{r.left, r.top};
  if (HWND parent = GetParent(window); parent && view_.Facts().FormKind == fkMDIChild)
    ScreenToClient(parent, &topLeft);
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

}  // namespace quarnel
