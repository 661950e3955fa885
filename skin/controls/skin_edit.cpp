// TSkinEdit: the skin's border round an edit (a ButtonShadow line and two white ones inside),
// drawn after the edit painted, and the spin button inside it skinned as an up-down that
// belongs to the edit. Also the border helper the combo box and date picker skins share. UI thread.
#include "skin/controls/skin_edit.h"

#include <string>

#include "framework/core/text.h"
#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

void FrameWith(HDC dc, const RECT& r, COLORREF colour) {
  fw::UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &r, brush.get());
}

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
  RECT r{0, 0, width, height};
  FrameWith(dc, r, ResolveSkinColor(shadow));
  for (int i = 0; i < whiteFrames; ++i) {
    InflateRect(&r, -1, -1);
    FrameWith(dc, r, 0xFFFFFF);
  }
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == upDown_) upDown_ = nullptr;
}

void TSkinEdit::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      break;
    case WM_NCPAINT:
      // The frame alone repainted (focus, size): the system's border would show again.
      PaintWindow(nullptr);
      break;
    case WM_PRINT:
      if (m.WParam) {
        PrintBorder(reinterpret_cast<HDC>(m.WParam));
      } else {
        fw::WindowDC dc(Handle, fw::WindowDC::kWindow);
        if (dc.get()) PrintBorder(dc.get());
      }
      break;
    case CM_RECREATEWND:
      // The spin button went with the old window; the new one is found at the next draw.
      if (upDown_) RemoveFreeNotification(upDown_);
      upDown_ = nullptr;
      TSkinControl::AfterMessage(m);
      break;
    case SKM_PAINTCLIENT:
      if (m.LParam == SkinMessageTag) {
        if (m.WParam) {
          TMessage paint{WM_PAINT, m.WParam, 0, 0};
          CallSaved(paint);
        }
        m.Result = SkinMessageTag;
      }
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

// The printed border: the DC's brush one pixel in, ButtonShadow on the edge.
void TSkinEdit::PrintBorder(HDC dc) {
  try {
    RECT w{}, c{};
    if (!SkinData || !GetWindowRect(Handle, &w) || !GetClientRect(Handle, &c)) return;
    WindowRect = w;
    const int width = w.right - w.left, height = w.bottom - w.top;
    if (width - c.right < 2 || height - c.bottom < 2) return;
    RECT r{0, 0, width, height};
    RECT inner{1, 1, width - 1, height - 1};
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    FrameWith(dc, r, ResolveSkinColor(SkinData->Colors[scButtonShadow]));
  } catch (...) {
    // a failed print leaves the system's border
  }
}

void TSkinEdit::FindUpDown() {
  if (upDown_ || !SkinData || !Has(*SkinData, xcSpin)) return;
  for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinClass(child)) continue;
    TComponent* owner =
        Control ? static_cast<TComponent*>(Control) : (Host() ? &Host()->HostComponent() : nullptr);
    if (!owner) return;
    upDown_ = TComponent::CreateIn<TSkinUpDown>(owner);
    upDown_->BelongsToEdit = true;
    upDown_->AttachHandle(child, SkinData, Host(), SharedCanvas);
    FreeNotification(upDown_);
    return;
  }
}

void TSkinEdit::Draw(HDC dc, const RECT&) {
  if (!SkinData || !Handle) return;
  FindUpDown();
  DrawEditBorder(dc, Handle, SkinData->Colors[scButtonShadow], 2);
}

}  // namespace quarnel
