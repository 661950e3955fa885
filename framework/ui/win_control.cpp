// TWinControl: window handles made on demand, children and tab order, and message routing
// between parents and children. User-interface thread.
#include <algorithm>
#include <utility>

#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/control.h"
#include "framework/ui/form.h"
#include "framework/ui/graphic_control.h"
#include "framework/ui/window_class.h"
#include "framework/ui/window_controls.h"
#include "framework/win/code_module.h"
#include "framework/win/handles.h"

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info = TClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
                                     .Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                     .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                     .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  fw::ForgetWindowControl(handle_, this);
  for (TControl* c : std::vector<TControl*>(controls_)) c->SetParent(nullptr);
}

void TWinControl::BeforeDestruction() {
  DestroyHandle();
  TControl::BeforeDestruction();
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  if (!handle_) throw EWin32Error("Error creating window for " + ClassName() + " " + Name());
  HandleCreated();
  // Children that exist already get their windows now, in creation order.
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = ObjectAs<TWinControl>(c)) w->CreateHandle();
  // Windows stack in tab order so that system dialog navigation agrees with ours.
  HWND after = HWND_TOP;
  for (TWinControl* w : tabList_)
    if (w->handle_) {
      SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      after = w->handle_;
    }
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.caption = WideCaption();
  p.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) p.style |= WS_VISIBLE;
  if (!enabled_) p.style |= WS_DISABLED;
  if (tabStop_) p.style |= WS_TABSTOP;
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  if (parent_) p.wndParent = parent_->Handle();
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if ((p.style & WS_CHILD) && !p.wndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  const WindowClassInfo& cls = RegisterControlClass(ClassName(), p.superClass, p.classStyle, p.cursor);
  defWndProc_ = cls.defaultProc;
  CreatingControl() = this;
  HWND wnd = CreateWindowExW(p.exStyle, cls.name.c_str(), p.caption.c_str(), p.style, p.x, p.y, p.width,
                             p.height, p.wndParent, p.menu, fw::CodeModule(), p.param);
  CreatingControl() = nullptr;
  if (wnd && !handle_) AttachHandle(wnd);
}

void TWinControl::AttachHandle(HWND wnd) {
  handle_ = wnd;
  SetPropW(wnd, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(ControlAtom())), this);
  fw::RememberWindowControl(wnd, this);
}

void TWinControl::DetachHandle() {
  if (!handle_) return;
  RemovePropW(handle_, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(ControlAtom())));
  fw::ForgetWindowControl(handle_, this);
  handle_ = nullptr;
}

void TWinControl::HandleCreated() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), 0);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  DestroyWindow(handle_);  // children go with it; WM_NCDESTROY detaches each control
  DetachHandle();          // when the window outlived the call
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::TurnTo(int& orientation, int value) {
  if (value == orientation) return;
  orientation = value;
  if (!IsLoading()) std::swap(width_, height_);
  if (handle_) {
    RecreateWnd();
    SetBounds(left_, top_, width_, height_);
  }
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = ObjectAs<TWinControl>(control)) {
    InsertInTabList(w);
    if (handle_) w->CreateHandle();
  }
}

void TWinControl::InsertInTabList(TWinControl* child) {
  tabList_.push_back(child);
}

bool TWinControl::HasNonClientArea() const {
  RECT window{}, client{};
  if (!GetWindowRect(handle_, &window) || !GetClientRect(handle_, &client)) return true;
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

bool TWinControl::HasGraphicChildren() const {
  for (TControl* c : controls_)
    if (ObjectAs<TGraphicControl>(c)) return true;
  return false;
}

void TWinControl::PaintWithGraphicChildren(TMessage& m) {
  if (m.WParam) {
    DefaultHandler(m);
    PaintGraphicChildren(*this, reinterpret_cast<HDC>(m.WParam));
    return;
  }
  fw::PaintDC dc(handle_);
  m.WParam = reinterpret_cast<WPARAM>(dc.get());
  DefaultHandler(m);
  PaintGraphicChildren(*this, dc.get());
  m.WParam = 0;
  m.Result = 0;
}

void TWinControl::RemoveControl(TControl* control) {
  if (control == graphicHover_) graphicHover_ = nullptr;
  if (control == graphicCapture_) graphicCapture_ = nullptr;
  if (auto* w = ObjectAs<TWinControl>(control)) {
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    if (w->handle_ && !IsDestroying()) w->DestroyHandle();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!parent_) return;
  auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (order < 0 || order > static_cast<int>(list.size())) order = static_cast<int>(list.size());
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
  tabStop_ = v;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

bool TWinControl::Focused() const {
  return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
  if (HWND wnd = Handle()) ::SetFocus(wnd);
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
  // Flatten this control's windowed descendants in tab order.
  std::vector<TWinControl*> order;
  auto collect = [&](auto&& self, const TWinControl* parent) -> void {
    for (TWinControl* c : parent->tabList_) {
      order.push_back(c);
      self(self, c);
    }
  };
  collect(collect, this);
  if (order.empty()) return nullptr;
  int n = static_cast<int>(order.size());
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (order[i] == current) start = i;
  for (int step = 1; step <= n; ++step) {
    int i = start < 0 ? (forward ? step - 1 : n - step) : ((start + (forward ? step : -step)) % n + n) % n;
    TWinControl* c = order[static_cast<size_t>(i)];
    if (c == current) continue;
    if (c->CanFocus() && (!checkTabStop || c->tabStop_)) return c;
  }
  return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TWinControl::Caption() const {
  if (!handle_) return caption_;
  int n = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(handle_, text.data(), n + 1);
  text.resize(static_cast<size_t>(n));
  return fw::FromWide(text);
}

int TWinControl::ClientWidth() const {
  if (!handle_) return width_;
  RECT r;
  GetClientRect(handle_, &r);
  return r.right;
}

int TWinControl::ClientHeight() const {
  if (!handle_) return height_;
  RECT r;
  GetClientRect(handle_, &r);
  return r.bottom;
}

void TWinControl::SetClientWidth(int v) {
  SetWidth(width_ - ClientWidth() + v);
}

void TWinControl::SetClientHeight(int v) {
  SetHeight(height_ - ClientHeight() + v);
}

void TWinControl::FontChanged() {
  if (handle_) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    Invalidate();
  }
  UpdateChildFonts();
}

void TWinControl::UpdateChildFonts() {
  for (TControl* c : controls_)
    if (c->ParentFont()) c->ParentFontChanged();
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, visible_ ? SW_SHOW : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_);
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextW(handle_, fw::ToWide(caption_).c_str());
}

void TWinControl::ColorChanged() {
  brush_.reset();
  Invalidate();
  for (TControl* c : controls_)
    if (c->ParentColor()) c->ParentColorChanged();
}

HBRUSH TWinControl::ColorBrush() {
  if (!brush_ || brushColor_ != color_) {
    brush_.reset(CreateSolidBrush(ColorToRGB(color_)));
    brushColor_ = color_;
  }
  return brush_.get();
}

HBRUSH TWinControl::ControlColorBrush(HDC dc) {
  SetTextColor(dc, ColorToRGB(font_.Color()));
  SetBkColor(dc, ColorToRGB(color_));
  return ColorBrush();
}

void TWinControl::Invalidate() {
  if (handle_ && !TInvalidationsSuspended::Active()) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Repaint() {
  if (handle_) {
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
  }
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_HSCROLL:
    case WM_VSCROLL:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      // Menus draw with id 0, but so do controls made without an id (a status bar): ask the type.
      if (const auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam); draw->CtlType != ODT_MENU)
        child = draw->hwndItem;
      break;
    default:
      return false;
  }
  TWinControl* target = child ? FindControl(child) : nullptr;
  if (!target) return false;
  m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  bool handled = false;
  // clang-format off
  switch (m.Msg) {
    case CM_RECREATEWND:       handled = CmRecreateWnd(); break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: handled = ReflectToChild(m); break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:   handled = CnControlColor(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    case WM_SETFOCUS:          handled = WmSetFocus(); break;
    case WM_WINDOWPOSCHANGED:  handled = WmWindowPosChanged(m); break;
    case WM_NCPAINT:           handled = WmNcPaint(m.Result); break;
    case WM_PAINT:             handled = WmPaint(m); break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONUP:         handled = WmMouseOverChildren(m); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:     handled = WmLButtonDown(m, m.Msg == WM_LBUTTONDBLCLK); break;
    case WM_SYSCHAR:           handled = OfferDialogChar(m); break;
    case WM_SYSCOMMAND:        handled = WmSysCommand(m); break;
    case WM_NCDESTROY:         handled = WmNcDestroy(m); break;
    default:                   break;
  }
  // clang-format on
  if (!handled) TControl::WndProc(m);
}

bool TWinControl::CmRecreateWnd() {
  if (handle_) {
    DestroyHandle();
    Handle();
  }
  return true;
}

bool TWinControl::CnControlColor(HDC dc, LRESULT& result) {
  result = reinterpret_cast<LRESULT>(ControlColorBrush(dc));
  return true;
}

// The form hears of it and passes it on to the control's own procedure.
bool TWinControl::WmSetFocus() {
  if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(this);
  return false;
}

// Keeps the stored bounds in step with moves and sizes made by the system or the user.
bool TWinControl::WmWindowPosChanged(TMessage& m) {
  DefaultHandler(m);
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND parent = GetParent(handle_); parent && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const bool resized = r.right - r.left != width_ || r.bottom - r.top != height_;
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  if (resized) BoundsChanged();
  return true;
}

// Nothing to paint outside a client area that fills the window; the default handling would
// still ask the window system for a window DC.
bool TWinControl::WmNcPaint(LRESULT& result) {
  if (HasNonClientArea()) return false;
  result = 0;
  return true;
}

bool TWinControl::WmPaint(TMessage& m) {
  if (!HasGraphicChildren()) return false;
  PaintWithGraphicChildren(m);
  return true;
}

bool TWinControl::WmMouseOverChildren(TMessage& m) {
  return (graphicHover_ || graphicCapture_ || HasGraphicChildren()) &&
         RouteGraphicMouse(*this, m, graphicHover_, graphicCapture_);
}

bool TWinControl::WmLButtonDown(TMessage& m, bool doubleClick) {
  if (HasGraphicChildren() && RouteGraphicMouse(*this, m, graphicHover_, graphicCapture_)) return true;
  DefaultHandler(m);
  MouseDown(mbLeft, KeysToShiftState(m.WParam) | (doubleClick ? ssDouble : 0),
            static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)));
  return true;
}

// The keyboard-menu command of a control belongs to the top-level window with the menu bar.
bool TWinControl::WmSysCommand(TMessage& m) {
  if ((m.WParam & 0xFFF0) != SC_KEYMENU || !(GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) return false;
  m.Result = SendMessageW(GetAncestor(handle_, GA_ROOT), WM_SYSCOMMAND, m.WParam, m.LParam);
  return true;
}

bool TWinControl::WmNcDestroy(TMessage& m) {
  DefaultHandler(m);
  DetachHandle();
  return true;
}

// Alt+character: the form hears of it first as a possible accelerator (of its menu bar, say); a
// non-zero answer means it was taken.
bool TWinControl::OfferDialogChar(TMessage& m) {
  if (!(HIWORD(m.LParam) & KF_ALTDOWN) || m.WParam == VK_SPACE || m.WParam == VK_TAB || m.WParam == VK_ESCAPE)
    return false;
  TCustomForm* form = GetParentForm(this);
  if (!form || !form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) return false;
  m.Result = 0;
  return true;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) {
    m.Result = 0;
    return;
  }
  m.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, m.Msg, m.WParam, m.LParam);
}

ATOM TWinControl::ControlAtom() {
  static ATOM atom = []() {
    wchar_t name[64];
    wsprintfW(name, L"ControlOfs%.8X%.8X",
              static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(fw::CodeModule())),
              static_cast<unsigned>(GetCurrentThreadId()));
    return GlobalAddAtomW(name);
  }();
  return atom;
}

TWinControl* TWinControl::FindControl(HWND wnd) {
  if (!wnd) return nullptr;
  return fw::WindowControl(wnd);  // the property's value, read without asking the window system
}
