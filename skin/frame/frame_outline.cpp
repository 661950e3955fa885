// TFrameOutline's members: the outline built from the skin's border pieces, the regions kept
// for reuse, and the outline set on the window. UI thread.
#include "skin/frame/frame_outline.h"

#include <cstdint>
#include <deque>
#include <vector>

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_paint.h"

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
fw::UniqueRegion BuildFrameRegion(const TFrameOutline::Source& source, int w, int h) {
  ++regionBuilds;
  const FrameSizes& m = source.sizes;
  TDataSkinBorder *left = source.skin->FrameLeft.get(), *right = source.skin->FrameRight.get(),
                  *top = source.skin->FrameTop.get(), *bottom = source.skin->FrameBottom.get();
  auto transparent = [](TDataSkinBorder* p) { return p && p->Trans == 1; };
  fw::UniqueRegion region;
  if (!transparent(left) && !transparent(right) && !transparent(top) && !transparent(bottom))
    return fw::UniqueRegion(CreateRectRgn(0, 0, w, h));
  region.reset(CreateRectRgn(m.left, m.caption, w - m.right, h - m.bottom));
  if (region && !source.noBorder) {
    Join(region.get(), StripRegion(left, {0, 0, m.left, h}, false, h > 1));
    Join(region.get(), StripRegion(right, {w - m.right, 0, w, h}, false, h > 1));
    Join(region.get(), StripRegion(bottom, {m.left, h - m.bottom, w - m.right, h}, true, m.bottom >= 2));
    Join(region.get(), StripRegion(top, {m.left, 0, w - m.right, m.caption}, true, m.caption > 1));
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

void TFrameOutline::Update(HWND window, const Source& source, bool evenIfSameSize) {
  RECT rect{};
  if (!source.skin || !GetWindowRect(window, &rect)) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  if (!evenIfSameSize && w == size_.cx && h == size_.cy) return;
  size_ = {w, h};

  const FrameSizes& m = source.sizes;
  const FrameRegionKey key{
      source.skin->LoadedPackageKey(), w, h, m.left, m.caption, m.right, m.bottom, source.borderKind};
  fw::UniqueRegion region = CachedRegion(key);
  if (!region) {
    region = BuildFrameRegion(source, w, h);
    if (!region) return;
    KeepRegion(key, region.get());
  }
  // Setting a region is a frame change: the outline a new skin shares with the old one stays.
  if (owned_ && applied_ && EqualRgn(applied_.get(), region.get())) return;
  fw::UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
  if (copy && CombineRgn(copy.get(), region.get(), nullptr, RGN_COPY) == ERROR) copy.reset();
  // The previous region belongs to the system, which frees it when the new one replaces it.
  owned_ = false;
  applied_.reset();
  if (SetWindowRgn(window, region.get(), source.redraw)) {
    region.release();  // the system's now
    owned_ = true;
    applied_ = std::move(copy);
  }
}

void TFrameOutline::Remove(HWND window) {
  if (!owned_) return;
  if (IsWindow(window)) SetWindowRgn(window, nullptr, TRUE);  // the system frees the region it held
  owned_ = false;
  applied_.reset();
  size_ = SIZE{};
}

}  // namespace quarnel
