// TGraphicControl and the parent's painting and mouse routing for windowless children.
// User-interface thread.
#include "framework/ui/graphic_control.h"

#include "framework/win/handles.h"

namespace {
// Systems without TrackMouseEvent still run the program; windowless children then just miss
// the leave notice. Looked up once, by name.
void TrackParentLeave(HWND parent) {
  using TrackFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  static const auto track = reinterpret_cast<TrackFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "TrackMouseEvent")));
  if (!track) return;
  TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, parent, 0};
  track(&leave);
}
}  // namespace

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() {
  canvas_.SetHandle(nullptr);
}

void TGraphicControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || TInvalidationsSuspended::Active()) return;
  const RECT r = BoundsRect();
  InvalidateRect(parent_->RawHandle(), &r, TRUE);
}

void TGraphicControl::Repaint() {
  Invalidate();
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->RawHandle());
}

void TGraphicControl::VisibleChanged() {
  if (!parent_ || !parent_->HandleAllocated()) return;
  const RECT r = BoundsRect();
  InvalidateRect(parent_->RawHandle(), &r, TRUE);
}

void TGraphicControl::WndProc(TMessage& m) {
  const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
  bool handled = false;
  switch (m.Msg) {
    case WM_PAINT: handled = WmPaint(reinterpret_cast<HDC>(m.WParam)); break;
    case WM_LBUTTONDOWN: handled = WmLButtonDown(KeysToShiftState(m.WParam), x, y); break;
    case WM_LBUTTONDBLCLK: handled = WmLButtonDown(KeysToShiftState(m.WParam) | ssDouble, x, y); break;
    case WM_LBUTTONUP: handled = WmLButtonUp(x, y); break;
    case CM_MOUSEENTER: handled = CmMouseOver(true); break;
    case CM_MOUSELEAVE: handled = CmMouseOver(false); break;
    default: break;
  }
  if (!handled) TControl::WndProc(m);
}

// The parent hands its DC to the windowless control it paints.
bool TGraphicControl::WmPaint(HDC dc) {
  if (!dc) return true;
  canvas_.SetHandle(dc);
  Paint();
  canvas_.SetHandle(nullptr);
  return true;
}

bool TGraphicControl::WmLButtonDown(TShiftState shift, int x, int y) {
  buttonDown_ = true;
  MouseDown(mbLeft, shift, x, y);
  return true;
}

bool TGraphicControl::WmLButtonUp(int x, int y) {
  if (!buttonDown_) return true;
  buttonDown_ = false;
  if (x >= 0 && y >= 0 && x < width_ && y < height_ && enabled_) Click();
  return true;
}

bool TGraphicControl::CmMouseOver(bool inside) {
  mouseInControl_ = inside;
  return true;
}

namespace {

TControl* GraphicChildAt(TWinControl& parent, int x, int y) {
  for (int i = parent.ControlCount() - 1; i >= 0; --i) {
    TControl* c = parent.Controls(i);
    if (!ObjectAs<TGraphicControl>(c) || !c->Visible()) continue;
    if (x >= c->Left() && x < c->Left() + c->Width() && y >= c->Top() && y < c->Top() + c->Height()) return c;
  }
  return nullptr;
}

LPARAM ToChild(const TControl& c, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam)) - c.Left();
  const int y = static_cast<short>(HIWORD(lParam)) - c.Top();
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace

void PaintGraphicChildren(TWinControl& parent, HDC dc) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    if (!ObjectAs<TGraphicControl>(c) || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
    fw::SavedDCState saved(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + c->Left(), origin.y + c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

bool RouteGraphicMouse(TWinControl& parent, TMessage& m, TControl*& hover, TControl*& capture) {
  const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      TControl* over = GraphicChildAt(parent, x, y);
      if (over != hover) {
        if (hover) hover->Perform(CM_MOUSELEAVE);
        hover = over;
        if (hover) {
          hover->Perform(CM_MOUSEENTER);
          TrackParentLeave(parent.RawHandle());
        }
      }
      if (TControl* target = capture ? capture : over)
        target->Perform(m.Msg, m.WParam, ToChild(*target, m.LParam));
      return false;
    }
    case WM_MOUSELEAVE:
      if (hover && !capture) {
        TControl* was = hover;
        hover = nullptr;
        was->Perform(CM_MOUSELEAVE);
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TControl* over = GraphicChildAt(parent, x, y);
      if (!over || !over->Enabled()) return false;
      capture = over;
      SetCapture(parent.RawHandle());
      over->Perform(m.Msg, m.WParam, ToChild(*over, m.LParam));
      return true;
    }
    case WM_LBUTTONUP: {
      if (!capture) return false;
      TControl* target = capture;
      capture = nullptr;
      ReleaseCapture();
      target->Perform(m.Msg, m.WParam, ToChild(*target, m.LParam));
      return true;
    }
    default:
      return false;
  }
}
