// TSkinMP and its TWMediaPlayer overlay: the bar painted off-screen from the skin's Buttons
// frames (pressed, hot, disabled) with the glyph bitmaps centred, presses handed to the control
// and the release given only over the pressed button. UI thread.
#include "skin/controls/skin_media_player.h"

#include <windowsx.h>

#include "framework/core/properties.h"
#include "framework/ui/control.h"
#include "framework/ui/private_messages.h"
#include "framework/win/code_module.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/overlay_window_class.h"
#include "skin/controls/paint_handlers.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

constexpr wchar_t kOverlayClass[] = L"TWMediaPlayer";
constexpr COLORREF kGlyphKey = RGB(128, 128, 128);
const wchar_t* const kGlyphNames[kMediaButtonCount] = {
    L"MPPLAY", L"MPPAUSE", L"MPSTOP", L"MPNEXT", L"MPPREV", L"MPSTEP", L"MPBACK", L"MPRECORD", L"MPEJECT"};
// Buttons frames the bar uses.
constexpr int kFrameNormal = 1, kFramePressed = 2, kFrameDisabled = 3, kFrameHot = 4;

unsigned SetProperty(TObject* object, const char* name) {
  const TPropInfo* p = object ? GetPropInfo(*object, name) : nullptr;
  if (!p || p->kind != TTypeKind::Set) return 0;
  return MediaButtonsInSetText(GetSetProp(*object, *p));
}

}  // namespace

// --- the overlay ----------------------------------------------------------------------------------

TWMediaPlayer::TWMediaPlayer(TSkinMP* skin) : skin_(skin) {
  static const wchar_t* const prefixes[] = {L"EN", L"DI", L"CL"};
  for (int b = 0; b < kMediaButtonCount; ++b)
    for (int kind = 0; kind < 3; ++kind) {
      const std::wstring name = std::wstring(prefixes[kind]) + L"_" + kGlyphNames[b];
      glyphs_[static_cast<size_t>(b * 3 + kind)].reset(static_cast<HBITMAP>(
          LoadImageW(fw::CodeModule(), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
}

TWMediaPlayer::~TWMediaPlayer() {
  HWND window = window_;
  subclass_.Restore();
  if (window && IsWindow(window)) DestroyWindow(window);
}

void TWMediaPlayer::Bind(TWinControl* control) {
  control_ = control;
  HWND target = control ? control->Handle() : nullptr;
  if (!target || window_) return;
  EnsureOverlayClass(kOverlayClass);
  window_ = CreateWindowExW(0, kOverlayClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, GetParent(target),
                            nullptr, fw::CodeModule(), nullptr);
  if (window_) subclass_.Install(window_, [this](TMessage& m) { WindowProc(m); });
  Reposition();
}

void TWMediaPlayer::Reposition() {
  if (!window_ || !control_ || !control_->HandleAllocated()) return;
  HWND target = control_->RawHandle();
  RECT r;
  GetWindowRect(target, &r);
  MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&r), 2);
  const bool show = IsWindowVisible(target) && skin_ && skin_->Attachment().Active();
  SetWindowPos(window_, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  Invalidate();
}

void TWMediaPlayer::Invalidate(bool now) {
  if (!window_ || !IsWindowVisible(window_)) return;
  InvalidateRect(window_, nullptr, FALSE);
  if (now) UpdateWindow(window_);
}

void TWMediaPlayer::ReadButtonSets() {
  visible_ = SetProperty(control_, "VisibleButtons");
  enabled_ = SetProperty(control_, "EnabledButtons");
  colored_ = SetProperty(control_, "ColoredButtons");
  if (control_ && !control_->Enabled()) enabled_ = 0;
}

void TWMediaPlayer::Paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  TSkinData* data = skin_ ? skin_->SkinData() : nullptr;
  ReadButtonSets();
  const int count = VisibleMediaButtonCount(visible_);
  const int width = std::max(1L, client.right), height = std::max(1L, client.bottom);
  // The bar changes only with its size, button sets, mouse state and skin: a repaint without
  // such a change copies what was composed last.
  const ComposedKey key{width,          height,     visible_, enabled_, colored_,
                        pressedButton_, hotButton_, pressed_, data};
  const fw::ScratchBitmap image(image_, width, height);
  if (image.Kept() && key == composed_) {
    BitBlt(dc, 0, 0, width, height, image.DC(), 0, 0, SRCCOPY);
    return;
  }
  composed_ = {};
  HDC canvas = image.DC();
  FillSkinColor(*skin_, canvas, RECT{0, 0, width, height});
  TDataSkinButton* buttons =
      data && data->Buttons && !data->Buttons->Image.Empty() ? data->Buttons.get() : nullptr;
  for (int b = 0, order = 0; b < kMediaButtonCount && count > 0; ++b) {
    if (!((visible_ >> b) & 1)) continue;
    const SkinRect c = MediaButtonCell(order++, count, width, height);
    const RECT cell{c.left, c.top, c.right, c.bottom};
    const bool enabled = (enabled_ >> b) & 1;
    const bool down = pressed_ && pressedButton_ == b && enabled;
    const int frame = !enabled          ? kFrameDisabled
                      : down            ? kFramePressed
                      : hotButton_ == b ? kFrameHot
                                        : kFrameNormal;
    if (buttons) DrawElementFrame(canvas, cell, *buttons, buttons->FrameCount, frame);
    const int kind = !enabled ? 1 : ((colored_ >> b) & 1) ? 2 : 0;
    HBITMAP glyph = glyphs_[static_cast<size_t>(b * 3 + kind)].get();
    BITMAP info{};
    if (!glyph || !GetObjectW(glyph, sizeof info, &info)) continue;
    fw::UniqueDC glyphDC(CreateCompatibleDC(dc));
    fw::SelectGuard keep(glyphDC.get(), glyph);
    const int shift = down ? 1 : 0;
    TransparentBlt(canvas, (cell.left + cell.right - info.bmWidth) / 2 + shift,
                   (cell.top + cell.bottom - info.bmHeight) / 2 + shift, info.bmWidth, info.bmHeight,
                   glyphDC.get(), 0, 0, info.bmWidth, info.bmHeight, kGlyphKey);
  }
  composed_ = key;
  BitBlt(dc, 0, 0, width, height, canvas, 0, 0, SRCCOPY);
}

void TWMediaPlayer::WindowProc(TMessage& m) {
  try {
    if (!OnMessage(m)) subclass_.Default(m);
  } catch (...) {
    // Nothing leaves the window procedure; the overlay keeps its last look.
  }
}

bool TWMediaPlayer::OnMessage(TMessage& m) {
  // clang-format off
  switch (m.Msg) {
    case WM_PAINT:          return OnPaint();
    case WM_ERASEBKGND:     return EraseNothing(m);
    case WM_LBUTTONDOWN:    return OnButtonDown(m.WParam, MousePoint(m.LParam));
    case WM_LBUTTONDBLCLK:  return OnButtonDown(m.WParam, MousePoint(m.LParam));
    case WM_LBUTTONUP:      return OnButtonUp(m.WParam, MousePoint(m.LParam));
    case WM_MOUSEMOVE:      return OnMouseMove(MousePoint(m.LParam));
    case WM_MOUSELEAVE:     return OnMouseLeave();
    case WM_CAPTURECHANGED: return OnCaptureChanged(reinterpret_cast<HWND>(m.LParam));
    default:                return false;
  }
  // clang-format on
}

bool TWMediaPlayer::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  Paint(dc);
  EndPaint(window_, &ps);
  return true;
}

bool TWMediaPlayer::OnMouseLeave() {
  hotButton_ = -1;
  Invalidate();
  return true;
}

// The capture gone elsewhere ends the press; the window's own procedure sees it too.
bool TWMediaPlayer::OnCaptureChanged(HWND capture) {
  if (pressed_ && capture != window_) {
    pressed_ = false;
    Invalidate();
  }
  return false;
}

bool TWMediaPlayer::OnButtonDown(WPARAM keys, POINT at) {
  if (!control_ || !control_->HandleAllocated()) return true;
  HWND target = control_->RawHandle();
  RECT client;
  GetClientRect(window_, &client);
  pressed_ = true;
  // The control takes the press (its own press state and events), then the overlay keeps the
  // mouse so that it sees the release wherever it happens.
  SendMessageW(target, WM_LBUTTONDOWN, keys, MAKELPARAM(at.x, at.y));
  if (GetCapture() == target) ReleaseCapture();
  SetCapture(window_);
  pressedButton_ = MediaButtonAt(at.x, client.right, visible_);
  Invalidate();
  return true;
}

bool TWMediaPlayer::OnButtonUp(WPARAM keys, POINT p) {
  if (!pressed_) return true;
  pressed_ = false;
  if (GetCapture() == window_) ReleaseCapture();
  RECT client;
  GetClientRect(window_, &client);
  const bool inside = PtInRect(&client, p) != FALSE;
  const bool same = inside && MediaButtonAt(p.x, client.right, visible_) == pressedButton_;
  pressedButton_ = -1;
  Invalidate();
  if (!control_ || !control_->HandleAllocated()) return true;
  // Over another button the control is told that the press ended outside every button, so it
  // performs nothing and forgets its pressed button.
  SendMessageW(control_->RawHandle(), WM_LBUTTONUP, keys, same ? MAKELPARAM(p.x, p.y) : MAKELPARAM(-1, -1));
  return true;
}

bool TWMediaPlayer::OnMouseMove(POINT p) {
  RECT client;
  GetClientRect(window_, &client);
  const int hot = PtInRect(&client, p) ? MediaButtonAt(p.x, client.right, visible_) : -1;
  TrackMouseLeave(window_);
  if (hot != hotButton_) {
    hotButton_ = hot;
    Invalidate();
  }
  return true;
}

// --- the skin object ------------------------------------------------------------------------------

TSkinMP::TSkinMP(TComponent* owner) : TSkinControl(owner) {}

TSkinMP::~TSkinMP() = default;

void TSkinMP::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  if (!Control()) return;
  overlay_ = std::make_unique<TWMediaPlayer>(this);
  overlay_->Bind(Control());
}

void TSkinMP::Detach() {
  TSkinControl::Detach();
  if (Attachment().State() != scsWindowGone) overlay_.reset();
}

void TSkinMP::UpdateSkin() {
  if (overlay_) {
    overlay_->Forget();
    overlay_->Invalidate();
  }
  TSkinControl::UpdateSkin();
}

void TSkinMP::ActiveChanged() {
  if (overlay_) overlay_->Reposition();
}

// The overlay covers the control whole: while it shows, the control's own painting would only be
// drawn over at once, so its paint cycle ends without it and the overlay is brought up to date.
bool TSkinMP::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      return Covered() && EraseNothing(m);
    case WM_PAINT:
      return Covered() && !m.WParam && Window() && OnCoveredPaint(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

bool TSkinMP::Covered() const {
  return overlay_ && overlay_->Window() && IsWindowVisible(overlay_->Window());
}

// Under the overlay the control paints nothing: its update region is emptied, the overlay paints.
bool TSkinMP::OnCoveredPaint(TMessage& m) {
  PAINTSTRUCT ps;
  BeginPaint(Window(), &ps);
  EndPaint(Window(), &ps);
  overlay_->Invalidate(true);
  m.Result = 0;
  return true;
}

void TSkinMP::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
    case WM_SHOWWINDOW:
      if (overlay_) overlay_->Reposition();
      break;
    case WM_PAINT:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      if (overlay_) overlay_->Invalidate(true);  // with the control: the sets or the state may have changed
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

}  // namespace quarnel
