// The window outline: the inner rectangle joined with the opaque pixels of the border pieces
// that have transparency, rebuilt only when the window size changes. UI thread.
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_paint.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
int regionBuilds = 0;

// The region of one strip: the opaque pixels of its piece when the piece is transparent and
// `fromImage`, else the whole strip.
fw::UniqueRegion StripRegion(TDataSkinBorder* piece, const RECT& strip, bool stacked, bool fromImage) {
  const int width = strip.right - strip.left, height = strip.bottom - strip.top;
  if (width <= 0 || height <= 0) return fw::UniqueRegion(CreateRectRgn(0, 0, 0, 0));
  if (!piece || piece->Trans != 1 || !fromImage || piece->Image.Empty())
    return fw::UniqueRegion(CreateRectRgnIndirect(&strip));
  SkinMargins margins;
  if (stacked) {
    margins.LeftWidth = piece->LeftWidth;
    margins.RightWidth = piece->RightWidth;
  } else {
    margins.TopHeight = piece->TopHeight;
    margins.BottomHeight = piece->BottomHeight;
  }
  auto image = BuildSkinBitmap({0, 0, width, height}, piece->Image, margins, stacked, piece->Tile != 1,
                               piece->FrameCount, 1);
  return RegionFromBitmap(*image, strip.left, strip.top, 1, 1, 1, kSkinTransparentColor);
}

void Join(HRGN into, const fw::UniqueRegion& part) {
  if (part) CombineRgn(into, into, part.get(), RGN_OR);
}
}  // namespace

int RegionBuildCount() {
  return regionBuilds;
}

void TWinSkinForm::UpdateWindowRegion(bool evenIfSameSize) {
  if (!activation_.FrameEnabled || activation_.SkinState == fsDestroyed || !SkinData) return;
  RECT rect{};
  if (!GetWindowRect(Window, &rect)) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  if (activation_.FormKind == fkMDIChild && activation_.WindowShowState != wssNormal) return;
  if (!evenIfSameSize && w == region_.Size.cx && h == region_.Size.cy && activation_.FormKind != fkMDIChild)
    return;

  // The previous region belongs to the system, which frees it when the new one replaces it.
  region_.Region = nullptr;
  region_.Owned = false;
  ++regionBuilds;
  region_.Size = {w, h};

  TDataSkinBorder *left = Piece(TBorderPiece::Left), *right = Piece(TBorderPiece::Right),
                  *top = Piece(TBorderPiece::Top), *bottom = Piece(TBorderPiece::Bottom);
  auto transparent = [](TDataSkinBorder* p) { return p && p->Trans == 1; };
  fw::UniqueRegion region;
  if (!transparent(left) && !transparent(right) && !transparent(top) && !transparent(bottom)) {
    region.reset(CreateRectRgn(0, 0, w, h));
  } else {
    region.reset(CreateRectRgn(metrics_.BorderLeft, metrics_.CaptionHeight, w - metrics_.BorderRight,
                               h - metrics_.BorderBottom));
    if (activation_.BorderKind != bkNoBorder) {
      Join(region.get(), StripRegion(left, {0, 0, metrics_.BorderLeft, h}, false, h > 1));
      Join(region.get(), StripRegion(right, {w - metrics_.BorderRight, 0, w, h}, false, h > 1));
      Join(region.get(),
           StripRegion(bottom, {metrics_.BorderLeft, h - metrics_.BorderBottom, w - metrics_.BorderRight, h},
                       true, metrics_.BorderBottom >= 2));
      Join(region.get(),
           StripRegion(top, {metrics_.BorderLeft, 0, w - metrics_.BorderRight, metrics_.CaptionHeight}, true,
                       metrics_.CaptionHeight > 1));
    }
  }
  // Once it is the window's, the system owns the region: Owned says the window holds ours.
  if (SetWindowRgn(Window, region.get(), TRUE)) {
    region_.Region = region.release();
    region_.Owned = true;
  }
}

void TWinSkinForm::RestoreChildOutline() {
  activation_.WindowShowState = wssNormal;
  UpdateWindowRegion();
  if (!region_.Owned) RefreshFrame();
}

}  // namespace quarnel
