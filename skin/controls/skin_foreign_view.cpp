// TSkinForeignView: the skin's border over a two-pixel edge and a tree view's colours lent to the
// skin; the bars are the base's, repainted with the view's every paint. UI thread.
#include "skin/controls/skin_foreign_view.h"

#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "framework/core/text.h"
#include "framework/win/handles.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinForeignView::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                                    TCanvas* canvas) {
  if (Attachment().Attached() || !IsWindow(window)) return;
  TSkinScrollbarH::AttachHandle(window, skinData, host, canvas);
  treeView_ = fw::AsciiLowerCase(WindowClassName(window)) == "systreeview32";
  TakeTreeColours();
  // The edge is drawn again with the skin's border.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinForeignView::Detach() {
  if (Attachment().State() != scsWindowGone) GiveTreeColours();
  treeColoursTaken_ = false;
  TSkinScrollbarH::Detach();
}

void TSkinForeignView::UpdateSkin() {
  TakeTreeColours();
  TSkinScrollbarH::UpdateSkin();
}

bool TSkinForeignView::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      return OnNcPaint(m);
    default:
      return TSkinScrollbarH::BeforeMessage(m);
  }
}

// The view paints its edge and system bars first; the skin's border goes over the edge, and the
// overlays over the bars.
bool TSkinForeignView::OnNcPaint(TMessage& m) {
  CallSaved(m);
  if (SkinData() && (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
    fw::WindowDC dc(Window(), fw::WindowDC::kWindow);
    if (dc.get()) DrawSkinBorder(dc.get(), Window(), *SkinData());
  }
  RepositionAndRepaint();
  return true;
}

void TSkinForeignView::TakeTreeColours() {
  if (!treeView_ || !SkinData() || !Window()) return;
  const HWND view = Window();
  if (!treeColoursTaken_) {
    savedText_ = static_cast<COLORREF>(SendMessageW(view, TVM_GETTEXTCOLOR, 0, 0));
    savedLine_ = static_cast<COLORREF>(SendMessageW(view, TVM_GETLINECOLOR, 0, 0));
    treeColoursTaken_ = true;
  }
  SendMessageW(view, TVM_SETTEXTCOLOR, 0, ResolveSkinColor(SkinData()->Colors[scWindowText]));
  SendMessageW(view, TVM_SETLINECOLOR, 0, ResolveSkinColor(SkinData()->Colors[scButtonShadow]));
}

void TSkinForeignView::GiveTreeColours() {
  if (!treeColoursTaken_ || !IsWindow(Window())) return;
  SendMessageW(Window(), TVM_SETTEXTCOLOR, 0, savedText_);
  SendMessageW(Window(), TVM_SETLINECOLOR, 0, savedLine_);
  treeColoursTaken_ = false;
}

}  // namespace quarnel
