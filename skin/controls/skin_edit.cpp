// TSkinEdit: the skin's border round an edit (a ButtonShadow line and two white ones inside),
// drawn after the edit painted, and the spin button inside it skinned as an up-down that
// belongs to the edit. Also the border helper the combo box and date picker skins share. UI thread.
#include "skin/controls/skin_edit.h"

#include <array>
#include <string>
#include <utility>

#include "framework/core/text.h"
#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "framework/win/shared_caches.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

namespace {

void FrameWith(HDC dc, const RECT& r, COLORREF colour) {
  fw::UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &r, brush.get());
}

}  // namespace

namespace {
// Pens of the few colours borders are drawn in, kept between paints.
HPEN CachedPen(COLORREF colour) {
  static std::array<std::pair<COLORREF, fw::UniquePen>, 4> pens;
  static size_t next = 0;
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches([] {
                                                    for (auto& slot : pens) slot.second.reset();
                                                  }),
                                                  true);
  for (auto& [c, pen] : pens)
    if (pen && c == colour) return pen.get();
  auto& slot = pens[next++ % pens.size()];
  slot.first = colour;
  slot.second.reset(CreatePen(PS_SOLID, 1, colour));
  return slot.second.get();
}
}  // namespace

// A one-pixel ring of a solid brush is one outline call; others are four block fills. Either is
// much cheaper than frame calls where a border is drawn on every paint.
void DrawRing(HDC dc, const RECT& r, int thickness, HBRUSH brush) {
  LOGBRUSH solid{};
  if (thickness == 1 && GetObjectW(brush, sizeof solid, &solid) == sizeof solid &&
      solid.lbStyle == BS_SOLID) {
    fw::SelectGuard pen(dc, CachedPen(solid.lbColor));
    fw::SelectGuard hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    return;
  }
  fw::SelectGuard keep(dc, brush);
  const int w = r.right - r.left, h = r.bottom - r.top;
  PatBlt(dc, r.left, r.top, w, thickness, PATCOPY);
  PatBlt(dc, r.left, r.bottom - thickness, w, thickness, PATCOPY);
  PatBlt(dc, r.left, r.top + thickness, thickness, h - 2 * thickness, PATCOPY);
  PatBlt(dc, r.right - thickness, r.top + thickness, thickness, h - 2 * thickness, PATCOPY);
}

HBRUSH CachedSolidBrush(COLORREF colour) {
  static fw::UniqueBrush brush;
  static COLORREF made = CLR_INVALID;
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches([] {
                                                    brush.reset();
                                                    made = CLR_INVALID;
                                                  }),
                                                  true);
  if (!brush || made != colour) {
    brush.reset(CreateSolidBrush(colour));
    made = colour;
  }
  return brush.get();
}

namespace {

bool IsSpinClass(HWND window) {
  const std::string name = fw::AsciiLowerCase(WindowClassName(window));
  return name == "msctls_updown32" || name.find("spin") != std::string::npos ||
         name.find("updown") != std::string::npos;
}

}  // namespace

void DrawEditBorder(HDC dc, HWND window, TColor shadow, int whiteFrames) {
  RECT w{}, c{};
  if (!GetWindowRect(window, &w) || !GetClientRect(window, &c)) return;
  const int width = w.right - w.left, height = w.bottom - w.top;
  if (!HasClientBorder(width, height, c.right, c.bottom)) return;
  const RECT r{0, 0, width, height};
  DrawRing(dc, r, 1, CachedSolidBrush(ResolveSkinColor(shadow)));
  if (whiteFrames > 0)
    DrawRing(dc, RECT{1, 1, width - 1, height - 1}, whiteFrames,
             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == upDown_) upDown_ = nullptr;
}

bool PaintsOwnFrame(TSkinControl& skin, TMessage& m, bool& ownsFrame) {
  if (m.Msg != WM_NCPAINT || !skin.Window()) return false;
  RECT w{}, c{};
  if (!GetWindowRect(skin.Window(), &w) || !GetClientRect(skin.Window(), &c)) return false;
  if (!HasClientBorder(w.right - w.left, w.bottom - w.top, c.right, c.bottom)) return false;
  if (skin.Binding().WindowLong(GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) return false;
  skin.PaintWindow(nullptr);
  m.Result = 0;
  ownsFrame = true;
  return true;
}

bool TSkinEdit::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      return PaintsOwnFrame(*this, m, ownsFrame_);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinEdit::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      OnPainted(reinterpret_cast<HDC>(m.WParam));
      break;
    case WM_NCPAINT:
      OnNcPainted();
      break;
    case WM_PRINT:
      OnPrint(reinterpret_cast<HDC>(m.WParam));
      break;
    case CM_RECREATEWND:
      OnRecreated(m);
      break;
    case SKM_PAINTCLIENT:
      OnPaintClient(m);
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinEdit::OnPainted(HDC dc) {
  if (!ownsFrame_)
    PaintWindow(dc);
  else
    RestoreInnerRing(dc);
}

// The frame alone repainted (focus, size): the system's border would show again. Within a paint
// cycle (client still to be painted) the border is drawn once, after the paint.
void TSkinEdit::OnNcPainted() {
  if (!GetUpdateRect(Window(), nullptr, FALSE)) PaintWindow(nullptr);
}

void TSkinEdit::OnPrint(HDC dc) {
  if (dc) {
    PrintBorder(dc);
  } else {
    fw::WindowDC windowDC(Window(), fw::WindowDC::kWindow);
    if (windowDC.get()) PrintBorder(windowDC.get());
  }
}

// The spin button went with the old window; the new one is found at the next draw.
void TSkinEdit::OnRecreated(TMessage& m) {
  if (upDown_) RemoveFreeNotification(upDown_);
  upDown_ = nullptr;
  TSkinControl::AfterMessage(m);
}

// The engine's own request for the client's paint into a DC (wParam), answered with the tag.
void TSkinEdit::OnPaintClient(TMessage& m) {
  if (m.LParam != SkinMessageTag) return;
  if (m.WParam) {
    TMessage paint{WM_PAINT, m.WParam, 0, 0};
    CallSaved(paint);
  }
  m.Result = SkinMessageTag;
}

// The frame's inner white ring lies on the client's outermost pixels when the system's border is
// thinner than the skin's: the edit's own paint covers it there with its colour (read-only,
// disabled and coloured edits are not white), so it goes back over the client after each paint.
void TSkinEdit::RestoreInnerRing(HDC given) {
  RECT w{}, c{};
  if (!Window() || !GetWindowRect(Window(), &w) || !GetClientRect(Window(), &c)) return;
  POINT origin{0, 0};
  ClientToScreen(Window(), &origin);
  const int ox = origin.x - w.left, oy = origin.y - w.top;
  const int width = w.right - w.left, height = w.bottom - w.top;
  constexpr int kRingEdge = 2;  // the inner ring's offset from the window's edge
  if (ox > kRingEdge && oy > kRingEdge && width - ox - c.right > kRingEdge &&
      height - oy - c.bottom > kRingEdge)
    return;  // the ring lies outside the client
  const RECT ring{kRingEdge - ox, kRingEdge - oy, width - kRingEdge - ox, height - kRingEdge - oy};
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  if (given) {
    DrawRing(given, ring, 1, white);
    return;
  }
  fw::WindowDC dc(Window());
  if (dc.get()) DrawRing(dc.get(), ring, 1, white);
}

// The printed border: the DC's brush one pixel in, ButtonShadow on the edge.
void TSkinEdit::PrintBorder(HDC dc) {
  try {
    RECT w{}, c{};
    if (!SkinData() || !GetWindowRect(Window(), &w) || !GetClientRect(Window(), &c)) return;
    const int width = w.right - w.left, height = w.bottom - w.top;
    if (width - c.right < 2 || height - c.bottom < 2) return;
    RECT r{0, 0, width, height};
    RECT inner{1, 1, width - 1, height - 1};
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    FrameWith(dc, r, ResolveSkinColor(SkinData()->Colors[scButtonShadow]));
  } catch (...) {
    // a failed print leaves the system's border
  }
}

void TSkinEdit::FindUpDown() {
  if (upDown_ || !SkinData() || !Has(*SkinData(), xcSpin)) return;
  for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinClass(child)) continue;
    TComponent* owner = Control() ? static_cast<TComponent*>(Control())
                                  : (Binding().Host() ? &Binding().Host()->HostComponent() : nullptr);
    if (!owner) return;
    upDown_ = TComponent::CreateIn<TSkinUpDown>(owner, 0, true);
    upDown_->AttachHandle(child, SkinData(), Binding().Host(), Binding().SharedCanvas());
    FreeNotification(upDown_);
    return;
  }
}

void TSkinEdit::Draw(HDC dc, const RECT&) {
  if (!SkinData() || !Window()) return;
  FindUpDown();
  DrawEditBorder(dc, Window(), SkinData()->Colors[scButtonShadow], 2);
}

}  // namespace quarnel
