// Scrolling containers: the children move by the scrolled distance, the system's window scroll
// bars show where the content is, and wheel and bar requests become new positions.
// User-interface thread.
#include "framework/controls/scroll_box.h"

#include <algorithm>

#include "framework/controls/parent_background.h"
#include "framework/ui/memo.h"

const TClassInfo& TControlScrollBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControlScrollBar>("TControlScrollBar", &TPersistent::StaticClass())
          .Int("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
          .Int("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition)
          .Int("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement)
          .Bool("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible)
          .Build();
  return info;
}

int TControlScrollBar::Range() const {
  return control_.AutoScroll() ? control_.ChildExtent(vertical_) : range_;
}

void TControlScrollBar::SetRange(int v) {
  range_ = std::max(0, v);
  control_.UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int v) {
  if (control_.HandleAllocated())
    control_.ScrollTo(*this, v);
  else
    position_ = std::max(0, v);  // applied once the window exists
}

void TControlScrollBar::SetVisible(bool v) {
  visible_ = v;
  control_.UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
  return visible_ && Range() > control_.ClientExtent(vertical_);
}

const TClassInfo& TScrollingWinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollingWinControl>("TScrollingWinControl", &TWinControl::StaticClass())
          .Bool("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
          .Obj("HorzScrollBar", &TControlScrollBar::StaticClass, &TScrollingWinControl::HorzScrollBar)
          .Obj("VertScrollBar", &TControlScrollBar::StaticClass, &TScrollingWinControl::VertScrollBar)
          .Build();
  return info;
}

const TClassInfo& TScrollBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollBox>("TScrollBox", &TScrollingWinControl::StaticClass())
          .Creatable()
          .Enum("BorderStyle", BorderStyleEnum(), &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {
  color_ = clBtnFace;
}

void TScrollingWinControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.style |= WS_CLIPCHILDREN;
}

void TScrollingWinControl::SetAutoScroll(bool v) {
  autoScroll_ = v;
  UpdateScrollBars();
}

void TScrollingWinControl::Loaded() {
  TWinControl::Loaded();
  UpdateScrollBars();
}

void TScrollingWinControl::HandleCreated() {
  TWinControl::HandleCreated();
  // Positions given before the window existed move the children now.
  for (TControlScrollBar* bar : {&horz_, &vert_}) {
    const int wanted = bar->position_;
    bar->position_ = 0;
    UpdateScrollBars();
    if (wanted) ScrollTo(*bar, wanted);
  }
}

int TScrollingWinControl::ChildExtent(bool vertical) const {
  const int offset = vertical ? vert_.position_ : horz_.position_;
  int extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* c = Controls(i);
    if (!c->Visible()) continue;
    extent = std::max(extent, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
  }
  return extent > 0 ? extent + offset : 0;
}

int TScrollingWinControl::ClientExtent(bool vertical) const {
  return vertical ? ClientHeight() : ClientWidth();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (!handle_ || updating_) return;
  updating_ = true;
  // Showing one bar narrows the client area for the other: twice settles both.
  for (int pass = 0; pass < 2; ++pass) {
    ApplyBar(horz_);
    ApplyBar(vert_);
  }
  updating_ = false;
}

void TScrollingWinControl::ApplyBar(TControlScrollBar& bar) {
  const int bar_kind = bar.vertical_ ? SB_VERT : SB_HORZ;
  const int range = bar.Range(), page = ClientExtent(bar.vertical_);
  if (!bar.IsScrollBarVisible()) {
    if (bar.position_) ScrollTo(bar, 0);
    ShowScrollBar(handle_, bar_kind, FALSE);
    return;
  }
  if (bar.position_ > range - page) ScrollTo(bar, range - page);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = range - 1;
  si.nPage = static_cast<UINT>(page);
  si.nPos = bar.position_;
  ShowScrollBar(handle_, bar_kind, TRUE);
  SetScrollInfo(handle_, bar_kind, &si, TRUE);
}

void TScrollingWinControl::ScrollTo(TControlScrollBar& bar, int position) {
  const int highest = std::max(0, bar.Range() - ClientExtent(bar.vertical_));
  position = std::clamp(position, 0, highest);
  const int delta = bar.position_ - position;
  if (!delta) return;
  bar.position_ = position;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (bar.vertical_)
      c->SetBounds(c->Left(), c->Top() + delta, c->Width(), c->Height());
    else
      c->SetBounds(c->Left() + delta, c->Top(), c->Width(), c->Height());
  }
  if (handle_) {
    SetScrollPos(handle_, bar.vertical_ ? SB_VERT : SB_HORZ, position, TRUE);
    InvalidateRect(handle_, nullptr, TRUE);
  }
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (!control || control->Parent() != this) return;
  const int right = control->Left() + control->Width(), bottom = control->Top() + control->Height();
  if (control->Left() < 0)
    ScrollTo(horz_, horz_.position_ + control->Left());
  else if (right > ClientWidth())
    ScrollTo(horz_, horz_.position_ + right - ClientWidth());
  if (control->Top() < 0)
    ScrollTo(vert_, vert_.position_ + control->Top());
  else if (bottom > ClientHeight())
    ScrollTo(vert_, vert_.position_ + bottom - ClientHeight());
}

void TScrollingWinControl::HandleScroll(TControlScrollBar& bar, int request) {
  const int page = ClientExtent(bar.vertical_);
  int position = bar.position_;
  switch (request) {
    case SB_LINEUP:
      position -= bar.increment_;
      break;
    case SB_LINEDOWN:
      position += bar.increment_;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The tracking position from the bar itself: the message's is only 16 bits wide.
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(handle_, bar.vertical_ ? SB_VERT : SB_HORZ, &si);
      position = si.nTrackPos;
      break;
    }
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = bar.Range();
      break;
    default:
      return;
  }
  ScrollTo(bar, position);
}

void TScrollingWinControl::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_HSCROLL: handled = WmScroll(horz_, LOWORD(m.WParam), reinterpret_cast<HWND>(m.LParam), m.Result); break;
    case WM_VSCROLL: handled = WmScroll(vert_, LOWORD(m.WParam), reinterpret_cast<HWND>(m.LParam), m.Result); break;
    case WM_MOUSEWHEEL: handled = WmMouseWheel(static_cast<short>(HIWORD(m.WParam)), m.Result); break;
    case WM_SIZE:
    case WM_PARENTNOTIFY: handled = WmLayoutChanged(m); break;
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

// A scroll-bar control's notification (from a bar window) is reflected to it.
bool TScrollingWinControl::WmScroll(TControlScrollBar& bar, WORD request, HWND barWindow, LRESULT& result) {
  if (barWindow) return false;
  HandleScroll(bar, request);
  result = 0;
  return true;
}

bool TScrollingWinControl::WmMouseWheel(short delta, LRESULT& result) {
  TControlScrollBar& bar = vert_.IsScrollBarVisible() ? vert_ : horz_;
  if (!bar.IsScrollBarVisible()) return false;
  const int notches = delta / WHEEL_DELTA;
  ScrollTo(bar, bar.position_ - notches * bar.increment_ * 3);
  result = 0;
  return true;
}

// A new size or a child made or gone: the message takes its way, then the bars follow.
bool TScrollingWinControl::WmLayoutChanged(TMessage& m) {
  TWinControl::WndProc(m);
  UpdateScrollBars();
  return true;
}

bool TScrollingWinControl::WmEraseBackground(HDC dc, LRESULT& result) {
  fw::EraseContainer(*this, dc, ColorBrush(), false);
  result = 1;
  return true;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner), borderStyle_(bsSingleBorder) {
  width_ = 185;
  height_ = 41;
  tabStop_ = false;
}

void TScrollBox::CreateParams(TCreateParams& p) {
  TScrollingWinControl::CreateParams(p);
  if (borderStyle_ == bsSingleBorder) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(int v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  if (!handle_) return;
  LONG_PTR ex = GetWindowLongPtrW(handle_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
  SetWindowLongPtrW(handle_, GWL_EXSTYLE, ex | (v == bsSingleBorder ? WS_EX_CLIENTEDGE : 0));
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
