// TSkinUpDown: the two halves of an up-down control drawn from UpDownVert or UpDownHorz (frames
// 1-4 the first half, 5-8 the second, each normal, pressed, disabled, hot) with their arrow
// glyphs, or plain arrows without the element; inside an edit it leaves the edit's border
// visible. UI thread.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include "framework/win/handles.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// A small arrow of lines pointing up (0), down (1), left (2) or right (3), centred in `r`.
void DrawPlainArrow(HDC dc, const RECT& r, int direction, COLORREF colour) {
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  fw::SelectGuard keep(dc, pen.get());
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  for (int i = 0; i < 4; ++i) {
    const int along = i - 2;  // from the tip backwards
    switch (direction) {
      case 0:
        MoveToEx(dc, cx - i, cy + along, nullptr), LineTo(dc, cx + i + 1, cy + along);
        break;
      case 1:
        MoveToEx(dc, cx - i, cy - along, nullptr), LineTo(dc, cx + i + 1, cy - along);
        break;
      case 2:
        MoveToEx(dc, cx + along, cy - i, nullptr), LineTo(dc, cx + along, cy + i + 1);
        break;
      default:
        MoveToEx(dc, cx - along, cy - i, nullptr), LineTo(dc, cx - along, cy + i + 1);
        break;
    }
  }
}

}  // namespace

bool TSkinUpDown::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(m.WParam), m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnLButtonDown(m);
    case WM_LBUTTONUP:
      return OnLButtonUp(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// A bare up-down is cleared to white first; the paint covers the rest.
bool TSkinUpDown::OnEraseBackground(HDC dc, TMessage& m) {
  if (!Control()) {
    RECT client{};
    GetClientRect(Window(), &client);
    FillColor(dc, client, 0xFFFFFF);
  }
  return EraseNothing(m);
}

// The control takes the press (it starts its repeat), then the skin shows the half pressed.
bool TSkinUpDown::OnLButtonDown(TMessage& m) {
  CallSaved(m);
  Marks().SetPressed(true);
  PaintWindow(nullptr);
  return true;
}

bool TSkinUpDown::OnLButtonUp(TMessage& m) {
  Marks().SetPressed(false);
  CallSaved(m);
  PaintWindow(nullptr);
  return true;
}

void TSkinUpDown::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      OnMouseMove();
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

// The half under the pointer lights up; the system tells when the pointer leaves.
void TSkinUpDown::OnMouseMove() {
  TrackMouseLeave(Window());
  const int half = HalfUnderCursor();
  Marks().SetHot(half >= 0);
  if (half == hotHalf_) return;
  hotHalf_ = half;
  PaintWindow(nullptr);
}

void TSkinUpDown::OnMouseLeave() {
  Marks().SetHot(false);
  hotHalf_ = -1;
  PaintWindow(nullptr);
}

int TSkinUpDown::HalfUnderCursor() const {
  RECT window{};
  POINT cursor{};
  if (!GetWindowRect(Window(), &window) || !GetCursorPos(&cursor) || !PtInRect(&window, cursor)) return -1;
  const bool horizontal = (Binding().WindowLong(GWL_STYLE) & UDS_HORZ) || scrollerKind_ == 1;
  const auto halves =
      UpDownHalves(SkinRect{0, 0, window.right - window.left, window.bottom - window.top}, horizontal);
  const POINT local{cursor.x - window.left, cursor.y - window.top};
  for (int i = 0; i < 2; ++i) {
    const RECT h = ToRect(halves[i]);
    if (PtInRect(&h, local)) return i;
  }
  return -1;
}

void TSkinUpDown::Draw(HDC dc, const RECT& rect) {
  if (!SkinData() || !Window()) return;
  SkinRect area{rect.left, rect.top, rect.right, rect.bottom};
  if (belongsToEdit_) {
    RECT client{};
    GetClientRect(Window(), &client);
    FillColor(dc, client, 0xFFFFFF);
    RECT own{}, parent{};
    if (GetWindowRect(Window(), &own) && GetWindowRect(GetParent(Window()), &parent))
      area =
          UpDownInsideEdit(area, own.top - parent.top, parent.right - own.right, parent.bottom - own.bottom);
  }
  const int w = area.Width(), h = area.Height();
  if (w <= 0 || h <= 0) return;
  const bool horizontal = (Binding().WindowLong(GWL_STYLE) & UDS_HORZ) || scrollerKind_ == 1;
  const bool enabled = !(Binding().WindowLong(GWL_STYLE) & WS_DISABLED);
  TDataSkinBorder* e = horizontal ? SkinData()->UpDownHorz.get() : SkinData()->UpDownVert.get();
  if (e && e->Image.Empty()) e = nullptr;
  const int under = HalfUnderCursor();
  for (int i = 0; i < 2; ++i)
    lastState_[i] =
        UpDownHalfState(under == i && (Marks().Pressed() || Marks().Hot()), Marks().Pressed(), enabled);
  // The halves are composed again only when something they show changed.
  const Composed now{w, h, lastState_[0], lastState_[1], horizontal, e ? e->Image.Handle() : nullptr};
  const fw::ScratchBitmap image(image_, w, h);
  if (image.Kept() && now == composed_) {
    BitBlt(dc, area.left, area.top, w, h, image.DC(), 0, 0, SRCCOPY);
    return;
  }
  composed_ = now;
  HDC b = image.DC();
  FillSkinColor(*this, b, RECT{0, 0, w, h});
  const auto halves = UpDownHalves(SkinRect{0, 0, w, h}, horizontal);
  for (int i = 0; i < 2; ++i) {
    const int state = lastState_[i];
    const RECT half = ToRect(halves[i]);
    if (!e) {
      const TColor ink = enabled ? SkinData()->Colors[scButtonText] : SkinData()->Colors[scButtonShadow];
      DrawPlainArrow(b, half, (horizontal ? 2 : 0) + i, ResolveSkinColor(ink));
      continue;
    }
    const int frames = e->FrameCount > 0 ? e->FrameCount : 8;
    const int frame = i == 1 && frames >= 8 ? state + 4 : state;
    DrawSkinElement(b, half, e->Image, false, false, true, frames, frame,
                    SkinMargins{e->LeftWidth, e->TopHeight, e->RightWidth, e->BottomHeight});
    if (!e->Image2.Empty()) DrawSkinFrameCentred(b, half, e->Image2, true, frames, frame);
  }
  BitBlt(dc, area.left, area.top, w, h, b, 0, 0, SRCCOPY);
}

}  // namespace quarnel
