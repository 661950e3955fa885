// TSkinProgress: a progress bar drawn from the Progress element (track frame 1, filled frame 2)
// or, with Progress Style 1, from the Progress track and the ProgressChunk bar. A vertical bar
// is composed lying down and turned left, so it fills from the bottom. UI thread.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include <algorithm>

#include "skin/controls/control_fills.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

TDataSkinBorder* ProgressElement(TSkinData* data) {
  return data && data->Progress && !data->Progress->Image.Empty() ? data->Progress.get() : nullptr;
}

SkinMargins MarginsOf(const TDataSkinObject& e) {
  return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

}  // namespace

bool TSkinProgress::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:  // without the skin's progress element the system draws the bar
      return ProgressElement(SkinData()) && PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return EraseNothing(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinProgress::Draw(HDC dc, const RECT& rect) {
  TDataSkinBorder* p = ProgressElement(SkinData());
  if (!p || !Window()) return;
  const bool vertical = Binding().WindowLong(GWL_STYLE) & PBS_VERTICAL;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int length = vertical ? h : w, thickness = vertical ? w : h;
  if (length <= 0 || thickness <= 0) return;
  PBRANGE range{};
  SendMessageW(Window(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  const int position = static_cast<int>(SendMessageW(Window(), PBM_GETPOS, 0, 0));
  const int filled = ProgressFilledLength(length, range.iLow, range.iHigh, position);
  lastFilled_ = filled;

  const fw::ScratchBitmap lying(length, thickness);
  HDC b = lying.DC();
  const RECT all{0, 0, length, thickness};
  FillSkinColor(*this, b, all);
  if (p->Style == 1) {
    DrawTwoElements(b, length, thickness, filled);
  } else {
    DrawElementFrame(b, all, *p, p->FrameCount, 1);
    if (filled > 0) DrawElementFrame(b, RECT{0, 0, filled, thickness}, *p, p->FrameCount, 2);
  }
  if (!vertical) {
    BitBlt(dc, rect.left, rect.top, w, h, b, 0, 0, SRCCOPY);
    return;
  }
  const fw::ScratchBitmap standing(w, h);
  RotateLeftInto(lying.Bitmap(), standing.Bitmap());
  BitBlt(dc, rect.left, rect.top, w, h, standing.DC(), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawTwoElements(HDC b, int length, int thickness, int filled) {
  TDataSkinBorder& p = *SkinData()->Progress;
  DrawSkinElement(b, RECT{0, 0, length, thickness}, p.Image, false, false, p.Trans != 0, 1, 1, MarginsOf(p));
  TDataSkinObject* chunk = SkinData()->ProgressChunk.get();
  if (filled <= 0 || !chunk || chunk->Image.Empty()) return;
  const int frames = std::max(chunk->FrameCount, 1);
  if (chunk->Tile == 1) {
    // Copies at the image's own width from just inside its left margin, cut at the filled end.
    const int step = std::max(chunk->Image.Width() / frames, 1);
    fw::SavedDCState saved(b);
    IntersectClipRect(b, 0, 0, filled, thickness);
    for (int x = chunk->LeftWidth + 2; x < filled; x += step)
      DrawSkinFrameStretched(b, RECT{x, 0, x + step, thickness}, chunk->Image, chunk->Trans != 0, frames, 1);
    return;
  }
  // Three parts along the bar: the two ends at their own width, the middle stretched.
  DrawSkinElement(b, RECT{0, 0, filled, thickness}, chunk->Image, false, false, chunk->Trans != 0, frames, 1,
                  SkinMargins{chunk->LeftWidth, 0, chunk->RightWidth, 0});
}

}  // namespace quarnel
