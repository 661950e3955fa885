// TSkinControl painting: PaintWindow over the whole window, the parent's background under a
// control, the caption colour on the skin's face and element frames. UI thread.
#include "framework/graphics/color.h"
#include "framework/win/handles.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/skin_control.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinControl::PaintWindow(HDC dc) {
  if (!Window()) return;
  if (dc) {
    DrawWholeWindow(*this, dc);
  } else {
    fw::WindowDC windowDC(Window(), fw::WindowDC::kWindow);
    if (windowDC.get()) DrawWholeWindow(*this, windowDC.get());
  }
}

void TSkinControl::Draw(HDC, const RECT&) {}

void DrawParentBackground(TControl* control, HDC dc) {
  if (!control || !dc) return;
  TWinControl* parent = control->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  fw::SavedDCState saved(dc);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + control->Width(),
                    control->Top() + control->Height());
  HWND parentWindow = parent->RawHandle();
  SendMessageW(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parentWindow, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

TColor SkinCaptionColor(TColor own, const TSkinData* skinData) {
  if (skinData && (own == clWindowText || own == clBtnText)) return skinData->Colors[scButtonText];
  return own;
}

void DrawElementFrame(HDC dc, const RECT& rect, TDataSkinObject& element, int frameCount, int frameIndex) {
  if (element.Image.Empty()) return;
  SkinMargins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
  DrawSkinElement(dc, rect, element.Image, false, element.Tile != 0, element.Trans != 0, frameCount,
                  frameIndex, margins);
}

}  // namespace quarnel
