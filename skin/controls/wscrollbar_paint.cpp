// TWScrollbar painting: the bar drawn from the skin into an off-screen bitmap (track, arrows,
// thumb, grip) and copied to the overlay in one transfer. UI thread.
#include "framework/win/handles.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/wscrollbar.h"
#include "skin/data/draw_helpers.h"
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
    TSkinControl::FillColor(dc, rect, data.FaceColor());
  }
}

}  // namespace

void TWScrollbar::OnPaint(TMessage&) {
  fw::PaintDC paint(window_);
  Paint(paint.get());
}

void TWScrollbar::Paint(HDC dc) {
  TSkinData* data = SkinData();
  if (!data || !data->Scrollbar || data->Scrollbar->Image.Empty()) return;
  TScrollBarState bar;
  if (!QueryBar(bar) || (bar.state & kBarInvisible)) return;
  const bool enabled = !(bar.state & kBarUnavailable);
  const int width = bar.screen.right - bar.screen.left;
  const int height = bar.screen.bottom - bar.screen.top;
  RECT client{};
  GetClientRect(window_, &client);
  if (width <= 0 || height <= 0 || width > client.right || height > client.bottom) return;

  length_ = vertical_ ? height : width;
  thumbStart_ = bar.thumbTop;
  thumbEnd_ = bar.thumbBottom;
  int thumbStart = thumbStart_, thumbEnd = thumbEnd_;
  if (dragging_ && active_ == spThumb && kind_ != skControl) DraggedThumb(thumbStart, thumbEnd);

  TDataSkinObject& glyphs = *data->Scrollbar;
  ScrollBarShape shape;
  shape.width = width;
  shape.height = height;
  shape.vertical = vertical_;
  shape.arrowSize = arrowSize_;
  shape.thickness = ScrollThickness(glyphs.Image.Height(), arrowSize_);
  shape.thumbStart = thumbStart;
  shape.thumbEnd = thumbEnd;
  shape.enabled = enabled;
  shape.gripSize = glyphs.Image.Height();
  const ScrollBarLayout layout = LayoutScrollBar(shape);

  if (buffer_.Width() != width || buffer_.Height() != height) buffer_.SetSize(width, height);
  HDC mem = buffer_.DC();
  if (!mem) return;
  SetStretchBltMode(mem, COLORONCOLOR);
  const RECT whole{0, 0, width, height};
  FillFace(mem, whole, *data);

  TDataSkinObject* track = vertical_ ? data->VertScroll.get() : data->HorzScroll.get();
  if (layout.hasTrack && track && !track->Image.Empty())
    DrawElementFrame(mem, ToRect(layout.track), *track, kScrollTrackFrames, TrackFrame(enabled));

  DrawSkinFrameStretched(mem, ToRect(layout.firstArrow), glyphs.Image, true, kScrollGlyphFrames,
                         ArrowGlyphFrame(spFirstArrow, vertical_, active_, dragging_));
  DrawSkinFrameStretched(mem, ToRect(layout.secondArrow), glyphs.Image, true, kScrollGlyphFrames,
                         ArrowGlyphFrame(spSecondArrow, vertical_, active_, dragging_));

  TDataSkinObject* thumb = vertical_ ? data->VertScrollThumb.get() : data->HorzScrollThumb.get();
  if (layout.hasThumb && thumb && !thumb->Image.Empty()) {
    const SkinMargins margins{thumb->LeftWidth, thumb->TopHeight, thumb->RightWidth, thumb->BottomHeight};
    DrawSkinElement(mem, ToRect(layout.thumb), thumb->Image, false, false, thumb->Trans != 0,
                    thumb->FrameCount, ThumbFrame(active_, dragging_), margins);
  }
  if (layout.hasGrip)
    DrawSkinFrameStretched(mem, ToRect(layout.grip), glyphs.Image, true, kScrollGlyphFrames,
                           GripGlyphFrame(vertical_, active_, dragging_));

  if (kind_ == skControl)
    StretchBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, width, height, SRCCOPY);
  else
    BitBlt(dc, 0, 0, width, height, mem, 0, 0, SRCCOPY);
}

}  // namespace quarnel
