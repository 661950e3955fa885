// TSkinTrackBar: the track bar draws its own tick marks while the channel and the thumb come
// from the skin, through the custom-draw notifications the bar's parent reflects to it. A bar of
// a dialog (no framework parent to reflect them) is painted over after it painted itself. UI thread.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

SkinRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
TDataSkinObject* Usable(const std::unique_ptr<TDataSkinObject>& e) {
  return e && !e->Image.Empty() ? e.get() : nullptr;
}

}  // namespace

bool TSkinTrackBar::Vertical() const {
  return Binding().WindowLong(GWL_STYLE) & TBS_VERT;
}

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NOTIFY:
    case CN_NOTIFY:
      return OnNotify(m, reinterpret_cast<const NMHDR*>(m.LParam));
    case WM_PAINT:
      return !Control() && OnBarePaint(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// The bar's custom drawing: the skin draws the thumb and the channel, the bar its tics.
bool TSkinTrackBar::OnNotify(TMessage& m, const NMHDR* header) {
  if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW)) return false;
  auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(m.LParam);
  // Without a skin (its data component gone) the bar draws itself.
  if (!SkinData()) return false;
  if (draw->dwDrawStage == CDDS_PREPAINT) {
    m.Result = CDRF_NOTIFYITEMDRAW;
  } else if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
    if (draw->dwItemSpec == TBCD_TICS) {
      m.Result = CDRF_DODEFAULT;
    } else if (draw->dwItemSpec == TBCD_THUMB) {
      DrawThumb(draw->hdc);
      m.Result = CDRF_SKIPDEFAULT;
    } else if (draw->dwItemSpec == TBCD_CHANNEL) {
      DrawChannel(draw->hdc);
      m.Result = CDRF_SKIPDEFAULT;
    }
  }
  return true;
}

bool TSkinTrackBar::OnBarePaint(TMessage& m) {
  PaintBareWindow(m);
  return true;
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  if (!SkinData()) return;
  RECT r{};
  SendMessageW(Window(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  TDataSkinObject* image = Vertical() ? Usable(SkinData()->TrackThumbVert) : nullptr;
  if (!image) image = Usable(SkinData()->TrackThumbHorz);
  if (image) {
    thumb_.Draw(dc, r, image->Image, 5, 2, true);
    return;
  }
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, ResolveSkinColor(SkinData()->Colors[scButtonShadow])));
  fw::SelectGuard p(dc, pen.get());
  fw::SelectGuard b(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void TSkinTrackBar::DrawChannel(HDC dc) {
  if (!SkinData()) return;
  RECT reported{};
  SendMessageW(Window(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
  if (Vertical()) {
    TDataSkinObject* e = Usable(SkinData()->TrackVert);
    if (!e) return;
    const RECT place = ToRect(VerticalChannelPlace(FromRect(reported), e->Image.Width()));
    // Top and bottom rows at their own size, the middle stretched.
    DrawSkinElement(dc, place, e->Image, false, false, e->Trans != 0, 1, 1,
                    SkinMargins{0, e->TopHeight, 0, e->BottomHeight});
    return;
  }
  TDataSkinObject* e = Usable(SkinData()->Track);
  if (!e) return;
  const RECT place = ToRect(HorizontalChannelPlace(FromRect(reported), e->Image.Height()));
  DrawSkinElement(dc, place, e->Image, false, false, e->Trans != 0, 1, 1,
                  SkinMargins{e->LeftWidth, 0, e->RightWidth, 0});
}

void TSkinTrackBar::PaintBareWindow(TMessage& m) {
  RECT client{};
  GetClientRect(Window(), &client);
  if (client.right <= 0 || client.bottom <= 0 || !SkinData()) {
    CallSaved(m);
    return;
  }
  const fw::ScratchBitmap buffer(client.right, client.bottom);
  HDC b = buffer.DC();
  TMessage own{WM_PAINT, reinterpret_cast<WPARAM>(b), 0, 0};
  CallSaved(own);
  // The bar's own channel and thumb give way to its background before the skin's are drawn.
  auto brush =
      reinterpret_cast<HBRUSH>(SendMessageW(GetParent(Window()), WM_CTLCOLORSTATIC,
                                            reinterpret_cast<WPARAM>(b), reinterpret_cast<LPARAM>(Window())));
  if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
  RECT channel{}, thumb{};
  SendMessageW(Window(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageW(Window(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  if (Vertical() && channel.right - channel.left > channel.bottom - channel.top)
    channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  FillRect(b, &channel, brush);
  FillRect(b, &thumb, brush);
  DrawChannel(b);
  DrawThumb(b);
  auto present = [&](HDC dc) { BitBlt(dc, 0, 0, client.right, client.bottom, b, 0, 0, SRCCOPY); };
  if (m.WParam) {
    present(reinterpret_cast<HDC>(m.WParam));
  } else {
    fw::PaintDC dc(Window());
    present(dc.get());
  }
  m.Result = 0;
}

void TStretchedFrame::Draw(HDC dc, const RECT& rect, TBitmap& image, int frameCount, int frame,
                           bool transparent) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0 || image.Empty()) return;
  const fw::ScratchBitmap stretched(stretched_, w, h);
  if (!stretched.Kept() || source_ != image.Handle() || frameCount_ != frameCount || frame_ != frame) {
    const SkinRect f = SelectFrame(image.Width(), image.Height(), frameCount, frame, false);
    SetStretchBltMode(stretched.DC(), COLORONCOLOR);
    StretchBlt(stretched.DC(), 0, 0, w, h, image.DC(), f.left, f.top, f.Width(), f.Height(), SRCCOPY);
    source_ = image.Handle();
    frameCount_ = frameCount;
    frame_ = frame;
    background_ = CLR_INVALID;
  }
  if (transparent)
    DrawTransparent(dc, rect, stretched.Bitmap(), kSkinTransparentColor);
  else
    BitBlt(dc, rect.left, rect.top, w, h, stretched.DC(), 0, 0, SRCCOPY);
}

bool TStretchedFrame::Stale(TBitmap& image, int frameCount, int frame, COLORREF background) const {
  return source_ != image.Handle() || frameCount_ != frameCount || frame_ != frame ||
         background_ != background;
}

void TStretchedFrame::DrawOn(HDC dc, const RECT& rect, TBitmap& image, int frameCount, int frame,
                             COLORREF background) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0 || image.Empty()) return;
  const fw::ScratchBitmap stretched(stretched_, w, h);
  if (!stretched.Kept() || Stale(image, frameCount, frame, background)) {
    const RECT all{0, 0, w, h};
    fw::UniqueBrush fill(CreateSolidBrush(background));
    FillRect(stretched.DC(), &all, fill.get());
    DrawSkinFrameStretched(stretched.DC(), all, image, true, frameCount, frame);
    source_ = image.Handle();
    frameCount_ = frameCount;
    frame_ = frame;
    background_ = background;
  }
  BitBlt(dc, rect.left, rect.top, w, h, stretched.DC(), 0, 0, SRCCOPY);
}

void TSkinTrackBar::UpdateSkin() {
  thumb_.Forget();  // a new skin's image may come in a recycled handle
  // Taking the focus and giving it back makes the bar draw its thumb again; done only within
  // the bar's own window, so that a new skin never activates another one.
  const HWND had = GetFocus();
  if (had && had != Window() && GetAncestor(had, GA_ROOT) == GetAncestor(Window(), GA_ROOT)) {
    SetFocus(Window());
    SetFocus(had);
  }
  Repaint();
}

}  // namespace quarnel
