// The window outline: the inner rectangle joined with the opaque pixels of the border pieces
// that have transparency, rebuilt only when the window size changes, and the regions built
// lately, kept for the skins and sizes that come back. UI thread.
#include <cstdint>
#include <deque>
#include <vector>

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

// What a frame region is made of: the package its pieces came from, the window size, the frame
// sizes and the border kind.
struct FrameRegionKey {
  uint64_t package;
  int w, h, left, caption, right, bottom, borderKind;
  bool operator==(const FrameRegionKey&) const = default;
};

// Regions built lately, as region data (no handles held): windows switching between skins or
// sizes they had before take them from here. Bounded; the oldest goes first.
struct CachedRegionData {
  FrameRegionKey key;
  std::vector<uint8_t> data;
};
constexpr size_t kCachedRegions = 24;
std::deque<CachedRegionData>& RegionCache() {
  static std::deque<CachedRegionData> cache;
  return cache;
}

fw::UniqueRegion CachedRegion(const FrameRegionKey& key) {
  if (key.package == 0) return fw::UniqueRegion();
  for (const CachedRegionData& entry : RegionCache())
    if (entry.key == key)
      return fw::UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(entry.data.size()),
                                              reinterpret_cast<const RGNDATA*>(entry.data.data())));
  return fw::UniqueRegion();
}

void KeepRegion(const FrameRegionKey& key, HRGN region) {
  if (key.package == 0) return;
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size == 0) return;
  CachedRegionData entry{key, std::vector<uint8_t>(size)};
  if (GetRegionData(region, size, reinterpret_cast<RGNDATA*>(entry.data.data())) != size) return;
  auto& cache = RegionCache();
  if (cache.size() >= kCachedRegions) cache.pop_front();
  cache.push_back(std::move(entry));
}

// The inner rectangle joined with the opaque pixels of the transparent border pieces.
fw::UniqueRegion BuildFrameRegion(const TWinSkinForm& f, int w, int h) {
  ++regionBuilds;
  const TFrameMetrics& m = f.Metrics();
  TDataSkinBorder *left = f.Piece(TBorderPiece::Left), *right = f.Piece(TBorderPiece::Right),
                  *top = f.Piece(TBorderPiece::Top), *bottom = f.Piece(TBorderPiece::Bottom);
  auto transparent = [](TDataSkinBorder* p) { return p && p->Trans == 1; };
  fw::UniqueRegion region;
  if (!transparent(left) && !transparent(right) && !transparent(top) && !transparent(bottom))
    return fw::UniqueRegion(CreateRectRgn(0, 0, w, h));
  region.reset(CreateRectRgn(m.BorderLeft, m.CaptionHeight, w - m.BorderRight, h - m.BorderBottom));
  if (region && f.Activation().BorderKind != bkNoBorder) {
    Join(region.get(), StripRegion(left, {0, 0, m.BorderLeft, h}, false, h > 1));
    Join(region.get(), StripRegion(right, {w - m.BorderRight, 0, w, h}, false, h > 1));
    Join(region.get(), StripRegion(bottom, {m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h}, true,
                                   m.BorderBottom >= 2));
    Join(region.get(),
         StripRegion(top, {m.BorderLeft, 0, w - m.BorderRight, m.CaptionHeight}, true, m.CaptionHeight > 1));
  }
  return region;
}
}  // namespace

void ForgetCachedRegions() {
  RegionCache().clear();
}

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
  region_.Size = {w, h};

  const FrameRegionKey key{SkinData->LoadedPackageKey(),
                           w,
                           h,
                           metrics_.BorderLeft,
                           metrics_.CaptionHeight,
                           metrics_.BorderRight,
                           metrics_.BorderBottom,
                           static_cast<int>(activation_.BorderKind)};
  fw::UniqueRegion region = CachedRegion(key);
  if (!region) {
    region = BuildFrameRegion(*this, w, h);
    if (!region) return;
    KeepRegion(key, region.get());
  }
  // Setting a region is a frame change: the outline a new skin shares with the old one stays.
  if (region_.Owned && region_.Applied && EqualRgn(region_.Applied.get(), region.get())) return;
  fw::UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
  if (copy && CombineRgn(copy.get(), region.get(), nullptr, RGN_COPY) == ERROR) copy.reset();
  // The previous region belongs to the system, which frees it when the new one replaces it.
  region_.Owned = false;
  region_.Applied.reset();
  // While re-skinning, the whole window is painted once at the end.
  if (SetWindowRgn(Window, region.get(), activation_.SkinState != fsReskinning)) {
    region.release();  // the system's now
    region_.Owned = true;
    region_.Applied = std::move(copy);
  }
}

void TWinSkinForm::RestoreChildOutline() {
  activation_.WindowShowState = wssNormal;
  UpdateWindowRegion();
  if (!region_.Owned) RefreshFrame();
}

}  // namespace quarnel
