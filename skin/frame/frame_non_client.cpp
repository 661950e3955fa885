// TFrameNonClient: the non-client area of a skinned frame once it is the skin's: its size, its
// hit test and its paint, and the system's colours and sizes it follows. UI thread of the
// skinned window.
#include "skin/frame/frame_non_client.h"

#include "skin/data/skin_data.h"
#include "skin/frame/form_skin_geometry.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_registry.h"

namespace quarnel {

namespace {

// An MDI frame painted while its active child is maximised shows that child in the
// maximised-child presentation.
void NoteMaximizedChild(HWND mdiClient) {
  TFrameRegistry* manager = FrameRegistry();
  if (!manager || !mdiClient || manager->MaximizedChildMode()) return;
  BOOL maximized = FALSE;
  SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  if (maximized) manager->SetMaximizedChildMode(true);
}

}  // namespace

bool TFrameNonClient::OnNcUahDrawCaption(TMessage& m) {
  m.Result = 0;
  return true;
}

bool TFrameNonClient::OnNcCalcSize(TMessage& m, bool validRects, NCCALCSIZE_PARAMS* params) {
  if (!view_.NonClientDrawn()) return false;
  view_.Default(m);
  if (!validRects) {
    m.Result = 0;
    return true;
  }
  if ((view_.Facts().FormKind == fkMDIChild && view_.Show().State != wssNormal) ||
      view_.Facts().BorderKind == bkNoBorder || !params->lppos) {
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return true;
  }
  if (!menuBand_.Bar()) menuBand_.SyncSystemBar();
  const WINDOWPOS& pos = *params->lppos;
  const FrameBox box = SkinClientBox(pos.x, pos.y, pos.cx, pos.cy, view_.Sizes());
  const RECT client{box.left, box.top, box.right, box.bottom};
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  m.Result = WVR_VALIDRECTS;
  if (menuBand_.SystemBar()) {
    // The system has just laid its bar out in its own frame's place: it goes into the band.
    fw::UniqueDC memory = fw::CreateMemoryDC();
    menuBand_.LayOutSystemBar(
        memory.get(),
        RECT{view_.Metrics().BorderLeft, view_.Metrics().CaptionHeight, pos.cx - view_.Metrics().BorderRight,
             view_.Metrics().CaptionHeight + view_.Metrics().MenuBarHeight});
  }
  return true;
}

bool TFrameNonClient::OnNcHitTest(TMessage& m, POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  view_.Default(m);
  // The system places a native bar kept on the window below its own caption, not the skin's.
  if (m.Result != HTNOWHERE && m.Result != HTCAPTION && m.Result != HTMENU) return true;
  const POINT frame = view_.FramePoint(screen);
  m.Result = CaptionHitTest(static_cast<int>(m.Result), frame.y, view_.Metrics().CaptionHeight,
                            view_.Metrics().MenuBarHeight);
  return true;
}

bool TFrameNonClient::OnNcPaint(TMessage& m) {
  if (view_.Facts().SkinState == fsNotActivated) {
    m.Result = 0;  // the system frame never shows before the skin's
    return true;
  }
  if (!view_.NonClientDrawn()) return false;
  if (view_.Facts().FormKind == fkMDIFrame) NoteMaximizedChild(view_.MDIClient());
  if (!(view_.Facts().BorderIcons & kbiKeepSystemMenuStyle)) {
    const LONG_PTR style = GetWindowLongPtrW(view_.Window(), GWL_STYLE);
    if (style & WS_SYSMENU) SetWindowLongPtrW(view_.Window(), GWL_STYLE, style & ~WS_SYSMENU);
  }
  m.Result = 0;
  if (!view_.Skin()->FramePainting()) return true;
  if ((view_.Facts().FormKind == fkMDIChild && view_.Show().State == wssMaximized) ||
      view_.Facts().BorderKind == bkNoBorder)
    return false;
  owner_.PaintFrame(nullptr);
  return true;
}

bool TFrameNonClient::OnSysColorChange(TMessage& m) {
  view_.Default(m);
  if (TSkinData* skin = view_.Skin()) skin->RenewColourObjects();
  RedrawWindow(view_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}

bool TFrameNonClient::OnSettingChange(TMessage& m, UINT setting) {
  return setting == SPI_SETNONCLIENTMETRICS && OnMetricsChange(m);
}

// The client area gives the band its new room, as the system's own frames do.
bool TFrameNonClient::OnMetricsChange(TMessage& m) {
  view_.Default(m);
  if (TSkinData* skin = view_.Skin()) skin->RenewSystemMetrics();
  caption_.RenewTitleFont();
  const TFrameActivation& facts = view_.Facts();
  // The system tells top-level windows only; an MDI frame's children have captions too.
  if (facts.FormKind == fkMDIFrame && view_.MDIClient())
    for (HWND child = GetWindow(view_.MDIClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      SendMessageW(child, m.Msg, m.WParam, m.LParam);
  if (!facts.FrameEnabled || facts.SkinState != fsActive) return true;
  menuBand_.RenewBandHeight();
  owner_.RefreshFrame();
  RedrawWindow(view_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  return true;
}

bool TFrameNonClient::OnRepaintFrame() {
  if (!view_.NonClientDrawn()) return false;
  owner_.PaintFrame(nullptr);
  return true;
}

}  // namespace quarnel
