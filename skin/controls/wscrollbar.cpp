// TWScrollbar: the overlay window, its binding to a bar, following the real bar, hit testing
// and the mouse: hover, and presses handed to the target so that its own scroll-bar handling
// (auto-repeat, thumb tracking) runs underneath. UI thread.
#include "skin/controls/wscrollbar.h"

#include <windowsx.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/control.h"
#include "framework/win/code_module.h"
#include "skin/controls/overlay_window_class.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/skin_control.h"
#include "skin/data/draw/optional_user_api.h"

namespace quarnel {

namespace {

constexpr wchar_t kOverlayClass[] = L"TWScrollbar";

POINT PointOf(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

TWScrollbar::TWScrollbar(TSkinControl* skin)
    : skin_(skin), arrowSize_(GetSystemMetrics(SM_CXHSCROLL)), alive_(std::make_shared<bool>(true)) {}

TWScrollbar::~TWScrollbar() {
  *alive_ = false;
  hint_.reset();
  HWND window = window_;
  subclass_.Restore();
  if (window && IsWindow(window)) DestroyWindow(window);
}

TSkinData* TWScrollbar::SkinData() const {
  return skin_ ? skin_->SkinData() : nullptr;
}

void TWScrollbar::Create(HWND parent) {
  if (window_ || !parent) return;
  EnsureOverlayClass(kOverlayClass);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kOverlayClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                            parent, nullptr, fw::CodeModule(), nullptr);
  if (window_) subclass_.Install(window_, [this](TMessage& m) { WindowProc(m); });
}

void TWScrollbar::Bind(TWinControl* control, TScrollKind kind) {
  control_ = control;
  kind_ = kind;
  vertical_ = kind == skVertical;
  if (kind == skControl) vertical_ = fw::AsciiLowerCase(GetEnumPropByName(control, "Kind")) != "sbhorizontal";
  target_ = control ? control->Handle() : nullptr;
  Create(target_ ? GetParent(target_) : nullptr);
  Reposition();
}

void TWScrollbar::BindWindow(HWND window, TScrollKind kind) {
  control_ = nullptr;
  kind_ = kind;
  vertical_ = kind == skVertical || (kind == skControl && (GetWindowLongW(window, GWL_STYLE) & SBS_VERT));
  target_ = window;
  Create(window ? GetParent(window) : nullptr);
  Reposition();
}

bool TWScrollbar::QueryBar(TScrollBarState& bar) const {
  if (!target_ || !IsWindow(target_)) return false;
  if (kind_ == skControl) return ComputeControlBar(bar);
  auto query = OptionalUserApi().GetScrollBarInfo;
  if (!query) return false;
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!query(target_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
  bar.screen = info.rcScrollBar;
  bar.arrowSize = info.dxyLineButton;
  bar.thumbTop = info.xyThumbTop;
  bar.thumbBottom = info.xyThumbBottom;
  bar.state = info.rgstate[0];
  return true;
}

bool TWScrollbar::ComputeControlBar(TScrollBarState& bar) const {
  if (!GetWindowRect(target_, &bar.screen)) return false;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(target_, SB_CTL, &si)) return false;
  const int length = vertical_ ? bar.screen.bottom - bar.screen.top : bar.screen.right - bar.screen.left;
  const ThumbExtent thumb = ControlThumb(length, arrowSize_, {si.nMin, si.nMax, si.nPage, si.nPos});
  bar.arrowSize = arrowSize_;
  bar.thumbTop = thumb.start;
  bar.thumbBottom = thumb.start + thumb.length;
  bar.state =
      (IsWindowVisible(target_) ? 0 : kBarInvisible) | (IsWindowEnabled(target_) ? 0 : kBarUnavailable);
  return true;
}

void TWScrollbar::Reposition() {
  arrowSize_ = GetSystemMetrics(SM_CXHSCROLL);  // the system's arrows grow and shrink with its metrics
  TScrollBarState bar;
  if (!window_ || !QueryBar(bar)) {
    shown_ = false;
    return;
  }
  if (!(GetWindowLongW(target_, GWL_STYLE) & WS_VISIBLE) || (bar.state & kBarInvisible)) {
    Hide();
    return;
  }
  barRect_ = bar.screen;
  MapWindowPoints(nullptr, target_, reinterpret_cast<POINT*>(&barRect_), 2);
  const int width = bar.screen.right - bar.screen.left;
  const int height = bar.screen.bottom - bar.screen.top;
  length_ = vertical_ ? height : width;
  thumbStart_ = bar.thumbTop;
  thumbEnd_ = bar.thumbBottom;
  barOrigin_ = {bar.screen.left, bar.screen.top};
  POINT at = barOrigin_;
  ScreenToClient(GetParent(window_), &at);
  shown_ = true;
  // Directly above the target: after the window that precedes it, or first when none does.
  HWND before = GetWindow(target_, GW_HWNDPREV);
  UINT flags = SWP_SHOWWINDOW | SWP_NOACTIVATE;
  if (before == window_) flags |= SWP_NOZORDER;
  SetWindowPos(window_, before ? before : HWND_TOP, at.x, at.y, width, height, flags);
}

void TWScrollbar::Hide() {
  shown_ = false;
  if (window_) ShowWindow(window_, SW_HIDE);
}

void TWScrollbar::SetHint(const std::wstring& text) {
  hint_.reset();
  hintText_ = text;
  if (!window_ || hintText_.empty()) return;
  hint_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, fw::CodeModule(), nullptr));
  if (!hint_) return;
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = hintText_.data();
  SendMessageW(hint_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // The application's hint pauses, as for its other hints.
  SendMessageW(hint_.get(), TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(Application()->HintPause(), 0));
  SendMessageW(hint_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(Application()->HintHidePause(), 0));
}

void TWScrollbar::Enable(bool enabled) {
  if (window_) EnableWindow(window_, enabled);
}

void TWScrollbar::Invalidate() {
  if (!window_ || !shown_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

ScrollPart TWScrollbar::HitTest(POINT p) const {
  return ScrollHitTest(ScrollAxis{length_, arrowSize_, thumbStart_, thumbEnd_}, vertical_ ? p.y : p.x);
}

void TWScrollbar::SetActivePart(int part) {
  switch (part) {
    case spFirstArrow:
    case spSecondArrow:
    case spTrackBefore:
    case spTrackAfter:
    case spThumb:
      active_ = static_cast<ScrollPart>(part);
      break;
    default:  // thumb position, end of scroll: no part is highlighted
      active_ = spNone;
      break;
  }
  Invalidate();
}

void TWScrollbar::DraggedThumb(int& start, int& end) const {
  POINT cursor;
  GetCursorPos(&cursor);
  const int delta = vertical_ ? cursor.y - pressCursor_.y : cursor.x - pressCursor_.x;
  const int thumbLength = end - start;
  start = DraggedThumbStart(ScrollAxis{length_, arrowSize_, start, end}, pressThumbStart_, delta);
  end = start + thumbLength;
}

// --- the overlay's own messages ------------------------------------------------------------------

void TWScrollbar::WindowProc(TMessage& m) {
  try {
    if (!OnMessage(m)) subclass_.Default(m);
  } catch (...) {
    // Nothing leaves the window procedure; the bar keeps its last look.
  }
}

bool TWScrollbar::OnMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_PAINT:         return OnPaint();
    case WM_ERASEBKGND:    return EraseNothing(m);
    case WM_MOUSEMOVE:     return OnMouseMove(PointOf(m.LParam));
    case WM_MOUSELEAVE:    return OnMouseLeave();
    case WM_LBUTTONDOWN:   return OnButtonDown(m, PointOf(m.LParam));
    case WM_LBUTTONDBLCLK: return OnButtonDown(m, PointOf(m.LParam));
    case WM_LBUTTONUP:     return OnButtonUp(PointOf(m.LParam));
    case WM_NCDESTROY:     return OnDestroyed(m);
    default:               return false;
  }
  // clang-format on
}

bool TWScrollbar::OnDestroyed(TMessage& m) {
  hint_.reset();
  subclass_.Default(m);
  subclass_.Restore();
  window_ = nullptr;
  shown_ = false;
  return true;
}

bool TWScrollbar::OnMouseMove(POINT at) {
  const ScrollPart part = HitTest(at);
  if (part != active_) {
    active_ = part;
    Invalidate();
  }
  TrackMouseLeave(window_);
  return true;
}

bool TWScrollbar::OnMouseLeave() {
  if (dragging_) return true;
  active_ = spNone;
  Invalidate();
  return true;
}

// The press goes on to the bar's target, whose own scroll-bar handling runs it to its end.
bool TWScrollbar::OnButtonDown(TMessage& m, POINT at) {
  subclass_.Default(m);
  GetCursorPos(&pressCursor_);
  TScrollBarState bar;
  if (QueryBar(bar)) pressThumbStart_ = bar.thumbTop;
  POINT p = at;
  active_ = HitTest(p);
  if (kind_ != skControl) {
    barOrigin_ = {bar.screen.left, bar.screen.top};
    ClientToScreen(window_, &p);
  }
  dragging_ = true;
  Invalidate();
  ReleaseCapture();
  // The target's own scroll-bar handling runs to the end of the press before the send returns;
  // this overlay may be gone by then (the skin switched off meanwhile).
  std::shared_ptr<bool> alive = alive_;
  if (kind_ == skControl)
    SendMessageW(target_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  else
    SendMessageW(target_, WM_NCLBUTTONDOWN, HitCode(), MAKELPARAM(p.x, p.y));
  if (!*alive) return true;
  dragging_ = false;
  ReleaseCapture();
  if (kind_ == skControl) Invalidate();
  return true;
}

bool TWScrollbar::OnButtonUp(POINT at) {
  POINT p = at;
  if (kind_ != skControl) ClientToScreen(window_, &p);
  dragging_ = false;
  ReleaseCapture();
  if (kind_ == skControl)
    PostMessageW(target_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  else
    PostMessageW(target_, WM_NCLBUTTONUP, HitCode(), MAKELPARAM(p.x, p.y));
  return true;
}

}  // namespace quarnel
