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

void TWinSkinForm::UpdateWindowRegion() {
  if (!FrameEnabled || SkinState == fsDestroyed || !SkinData) return;
  RECT rect{};
  if (!GetWindowRect(Window, &rect)) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  if (FormKind == fkMDIChild && WindowShowState != wssNormal) return;
  if (w == RegionSize.cx && h == RegionSize.cy && FormKind != fkMDIChild) return;

  // The previous region belongs to the system, which frees it when the new one replaces it.
  Region = nullptr;
  RegionOwned = false;
  ++regionBuilds;
  RegionSize = {w, h};

  TDataSkinBorder *left = Piece(TBorderPiece::Left), *right = Piece(TBorderPiece::Right),
                  *top = Piece(TBorderPiece::Top), *bottom = Piece(TBorderPiece::Bottom);
  auto transparent = [](TDataSkinBorder* p) { return p && p->Trans == 1; };
  fw::UniqueRegion region;
  if (!transparent(left) && !transparent(right) && !transparent(top) && !transparent(bottom)) {
    region.reset(CreateRectRgn(0, 0, w, h));
  } else {
    region.reset(CreateRectRgn(BorderLeft, CaptionHeight, w - BorderRight, h - BorderBottom));
    if (BorderKind != bkNoBorder) {
      Join(region.get(), StripRegion(left, {0, 0, BorderLeft, h}, false, h > 1));
      Join(region.get(), StripRegion(right, {w - BorderRight, 0, w, h}, false, h > 1));
      Join(region.get(),
           StripRegion(bottom, {BorderLeft, h - BorderBottom, w - BorderRight, h}, true, BorderBottom >= 2));
      Join(region.get(),
           StripRegion(top, {BorderLeft, 0, w - BorderRight, CaptionHeight}, true, CaptionHeight > 1));
    }
  }
  // Once it is the window's, the system owns the region: RegionOwned says the window holds ours.
  if (SetWindowRgn(Window, region.get(), TRUE)) {
    Region = region.release();
    RegionOwned = true;
  }
}

}  // namespace quarnel
