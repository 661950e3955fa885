// Scroll-bar painting from the skin: track, arrows, thumb and grip drawn into an off-screen
// bitmap and copied in one transfer; used by the overlays and by list windows whose bar is
// painted into their frame. UI thread.
#include "framework/graphics/scratch_bitmap.h"
#include "framework/win/handles.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/wscrollbar.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

void FillFace(HDC dc, const RECT& rect, TSkinData& data) {
  if (data.FaceBrush) {
    FillRect(dc, &rect, data.FaceBrush.get());
  } else {
    FillColor(dc, rect, data.FaceColor());
  }
}

}  // namespace

bool PaintSkinScrollBar(TSkinData& data, const TScrollBarPaint& p, TBitmap& buffer) {
  if (!data.Scrollbar || data.Scrollbar->Image.Empty() || p.width <= 0 || p.height <= 0) return false;
  TDataSkinObject& glyphs = *data.Scrollbar;
  ScrollBarShape shape;
  shape.width = p.width;
  shape.height = p.height;
  shape.vertical = p.vertical;
  shape.arrowSize = p.arrowSize;
  shape.thickness = ScrollThickness(glyphs.Image.Height(), p.arrowSize);
  shape.thumbStart = p.thumbStart;
  shape.thumbEnd = p.thumbEnd;
  shape.enabled = p.enabled;
  shape.gripSize = glyphs.Image.Height();
  const ScrollBarLayout layout = LayoutScrollBar(shape);

  if (buffer.Width() != p.width || buffer.Height() != p.height) buffer.SetSize(p.width, p.height);
  HDC mem = buffer.DC();
  if (!mem) return false;
  SetStretchBltMode(mem, COLORONCOLOR);
  FillFace(mem, RECT{0, 0, p.width, p.height}, data);

  TDataSkinObject* track = p.vertical ? data.VertScroll.get() : data.HorzScroll.get();
  if (layout.hasTrack && track && !track->Image.Empty())
    DrawElementFrame(mem, ToRect(layout.track), *track, kScrollTrackFrames, TrackFrame(p.enabled));

  DrawSkinFrameStretched(mem, ToRect(layout.firstArrow), glyphs.Image, true, kScrollGlyphFrames,
                         ArrowGlyphFrame(spFirstArrow, p.vertical, p.active, p.dragging));
  DrawSkinFrameStretched(mem, ToRect(layout.secondArrow), glyphs.Image, true, kScrollGlyphFrames,
                         ArrowGlyphFrame(spSecondArrow, p.vertical, p.active, p.dragging));

  TDataSkinObject* thumb = p.vertical ? data.VertScrollThumb.get() : data.HorzScrollThumb.get();
  if (layout.hasThumb && thumb && !thumb->Image.Empty()) {
    const SkinMargins margins{thumb->LeftWidth, thumb->TopHeight, thumb->RightWidth, thumb->BottomHeight};
    DrawSkinElement(mem, ToRect(layout.thumb), thumb->Image, false, false, thumb->Trans != 0,
                    thumb->FrameCount, ThumbFrame(p.active, p.dragging), margins);
  }
  if (layout.hasGrip)
    DrawSkinFrameStretched(mem, ToRect(layout.grip), glyphs.Image, true, kScrollGlyphFrames,
                           GripGlyphFrame(p.vertical, p.active, p.dragging));
  return true;
}

bool TWScrollbar::OnPaint() {
  fw::PaintDC paint(window_);
  Paint(paint.get());
  return true;
}

void TWScrollbar::Paint(HDC dc) {
  TSkinData* data = SkinData();
  if (!data) return;
  TScrollBarState bar;
  if (!QueryBar(bar) || (bar.state & kBarInvisible)) return;
  TScrollBarPaint p;
  p.width = bar.screen.right - bar.screen.left;
  p.height = bar.screen.bottom - bar.screen.top;
  RECT client{};
  GetClientRect(window_, &client);
  if (p.width > client.right || p.height > client.bottom) return;

  length_ = vertical_ ? p.height : p.width;
  thumbStart_ = bar.thumbTop;
  thumbEnd_ = bar.thumbBottom;
  p.thumbStart = thumbStart_;
  p.thumbEnd = thumbEnd_;
  if (dragging_ && active_ == spThumb && kind_ != skControl) DraggedThumb(p.thumbStart, p.thumbEnd);
  p.vertical = vertical_;
  p.arrowSize = arrowSize_;
  p.enabled = !(bar.state & kBarUnavailable);
  p.active = active_;
  p.dragging = dragging_;
  const fw::ScratchBitmap buffer(p.width, p.height);
  if (!PaintSkinScrollBar(*data, p, buffer.Bitmap())) return;

  if (kind_ == skControl)
    StretchBlt(dc, 0, 0, client.right, client.bottom, buffer.DC(), 0, 0, p.width, p.height, SRCCOPY);
  else
    BitBlt(dc, 0, 0, p.width, p.height, buffer.DC(), 0, 0, SRCCOPY);
}

}  // namespace quarnel
