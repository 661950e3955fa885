// Copies to a window only where the window can show them. Wine's block transfer to a window
// costs by the whole destination rectangle even where child windows clip it away: a page control
// copying its composed picture over the page it holds paid a millisecond for a border's worth of
// pixels. UI thread.
#include <vector>

#include "skin/data/draw/draw_helpers.h"

namespace quarnel {

namespace {

// More pieces than this and one plain copy is cheaper than the separate ones.
constexpr DWORD kMostPieces = 32;

// The part of `target` that `dc` can reach, in its device coordinates; null when that cannot be
// told (a mapping, or no visible region), which calls for one plain copy.
fw::UniqueRegion ReachableArea(HDC dc, const RECT& target) {
  POINT viewport{}, window{};
  if (GetMapMode(dc) != MM_TEXT || !GetViewportOrgEx(dc, &viewport) || !GetWindowOrgEx(dc, &window) ||
      viewport.x || viewport.y || window.x || window.y)
    return {};
  fw::UniqueRegion area(CreateRectRgn(0, 0, 0, 0));
  if (!area || GetRandomRgn(dc, area.get(), SYSRGN) != 1) return {};
  if (CurrentPlatform() == GdiPlatform::Nt) {  // NT gives the visible region in screen coordinates
    POINT origin{};
    if (!GetDCOrgEx(dc, &origin)) return {};
    OffsetRgn(area.get(), -origin.x, -origin.y);
  }
  fw::UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
  const int clipped = clip ? GetClipRgn(dc, clip.get()) : -1;
  if (clipped < 0) return {};
  if (clipped == 1) CombineRgn(area.get(), area.get(), clip.get(), RGN_AND);
  fw::UniqueRegion wanted(CreateRectRgnIndirect(&target));
  if (!wanted) return {};
  CombineRgn(area.get(), area.get(), wanted.get(), RGN_AND);
  return area;
}

}  // namespace

void CopyToVisible(HDC dc, const RECT& target, HDC source, int sx, int sy) {
  const auto copy = [&](const RECT& r) {
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, sx + r.left - target.left,
           sy + r.top - target.top, SRCCOPY);
  };
  const fw::UniqueRegion area = ReachableArea(dc, target);
  const DWORD size = area ? GetRegionData(area.get(), 0, nullptr) : 0;
  if (!size) {
    copy(target);
    return;
  }
  std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (!GetRegionData(area.get(), size, data) || data->rdh.nCount > kMostPieces) {
    copy(target);
    return;
  }
  const auto* pieces = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) copy(pieces[i]);
}

}  // namespace quarnel
