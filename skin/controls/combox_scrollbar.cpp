// TComboxScrollBar: the list's own frame painting followed by the skinned bar, non-client mouse
// moves over the bar kept from the list, and the thumb drag loop. UI thread.
#include "skin/controls/combox_scrollbar.h"

#include <windowsx.h>

#include "framework/graphics/scratch_bitmap.h"
#include "framework/win/handles.h"
#include "skin/controls/wscrollbar.h"
#include "skin/data/draw/optional_user_api.h"

namespace quarnel {

namespace {

bool QueryVerticalBar(HWND window, SCROLLBARINFO& info) {
  auto query = OptionalUserApi().GetScrollBarInfo;
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return query && query(window, OBJID_VSCROLL, &info) && !(info.rgstate[0] & kBarInvisible);
}

bool IsMouseMove(UINT msg) {
  return msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE;
}
bool IsButtonUp(UINT msg) {
  return msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP;
}

}  // namespace

TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {}

TComboxScrollBar::~TComboxScrollBar() {
  *alive_ = false;
}

bool TComboxScrollBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      return false;  // the list paints its frame; the bar is painted over it afterwards
    case WM_NCMOUSEMOVE:
      return m.WParam == HTHSCROLL || m.WParam == HTVSCROLL;  // over the bar: the skin's, not the list's
    case WM_NCLBUTTONDOWN:
      return DragThumb(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListRepaintMessage:
      PaintWindow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TComboxScrollBar::Draw(HDC dc, const RECT&) {
  SCROLLBARINFO bar;
  if (!SkinData() || !dc || !QueryVerticalBar(Window(), bar)) return;
  RECT window{};
  if (!GetWindowRect(Window(), &window)) return;
  TScrollBarPaint p;
  p.width = bar.rcScrollBar.right - bar.rcScrollBar.left;
  p.height = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
  p.vertical = true;
  p.arrowSize = GetSystemMetrics(SM_CXHSCROLL);
  p.thumbStart = bar.xyThumbTop;
  p.thumbEnd = bar.xyThumbBottom;
  p.enabled = !(bar.rgstate[0] & kBarUnavailable);
  p.active = dragging_ ? spThumb : spNone;
  p.dragging = dragging_;
  const fw::ScratchBitmap buffer(p.width, p.height);
  if (!PaintSkinScrollBar(*SkinData(), p, buffer.Bitmap())) return;
  BitBlt(dc, bar.rcScrollBar.left - window.left, bar.rcScrollBar.top - window.top, p.width, p.height,
         buffer.DC(), 0, 0, SRCCOPY);
}

bool TComboxScrollBar::DragThumb(const TMessage& m) {
  if (m.WParam != HTVSCROLL || dragging_) return false;
  SCROLLBARINFO bar;
  if (!QueryVerticalBar(Window(), bar)) return false;
  const POINT press{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const int along = press.y - bar.rcScrollBar.top;
  if (along < bar.xyThumbTop || along >= bar.xyThumbBottom) return false;
  TrackThumb(press, bar);
  return true;
}

void TComboxScrollBar::TrackThumb(POINT press, const SCROLLBARINFO& bar) {
  const HWND window = Window();
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(window, SB_VERT, &si);
  const ScrollInfoValues info{si.nMin, si.nMax, si.nPage, si.nPos};
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int trackLength = bar.rcScrollBar.bottom - bar.rcScrollBar.top - 2 * arrow;
  const int thumbLength = bar.xyThumbBottom - bar.xyThumbTop;
  const int pressOffset = bar.xyThumbTop - arrow;
  int position = si.nPos;

  // The object may be freed while the loop runs (the skin switched off): it is not touched then.
  const std::shared_ptr<bool> alive = alive_;
  SetCapture(window);
  dragging_ = true;
  PaintWindow(nullptr);
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
      break;
    }
    if (IsMouseMove(msg.message)) {
      DispatchMessageW(&msg);
      POINT cursor{};
      GetCursorPos(&cursor);
      const int next = DraggedListPosition(pressOffset, cursor.y - press.y, trackLength, thumbLength, info);
      if (next != position) {
        position = next;
        SendMessageW(window, WM_VSCROLL, MAKEWPARAM(kScrollThumbTrack, position), 0);
      }
    } else if (IsButtonUp(msg.message)) {
      SendMessageW(window, WM_VSCROLL, MAKEWPARAM(kScrollThumbPosition, position), 0);
      PostMessageW(window, WM_VSCROLL, kScrollEnd, 0);
      break;
    } else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // A list that went away, or lost the mouse to another window, ends the drag.
    if (!*alive || !IsWindow(window) || GetCapture() != window) break;
  }
  if (GetCapture() == window) ReleaseCapture();
  if (!*alive) return;
  dragging_ = false;
  if (IsWindow(window)) PaintWindow(nullptr);
}

}  // namespace quarnel
