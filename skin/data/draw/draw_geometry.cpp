// Frame selection, nine-piece, tile, bar and centring geometry, and gradient stripe ranges.
// Pure code, any thread.
#include "skin/data/draw/draw_geometry.h"

#include <algorithm>

namespace quarnel {

SkinRect SelectFrame(int imageWidth, int imageHeight, int count, int frame, bool vertical) {
  count = std::max(count, 1);  // a record without a frame count still has its one image
  frame = std::clamp(frame, 1, count);
  if (vertical) {
    const int h = imageHeight / count;
    return RectAt(0, h * (frame - 1), imageWidth, h);
  }
  const int w = imageWidth / count;
  return RectAt(w * (frame - 1), 0, w, imageHeight);
}

namespace {
bool HasArea(const SkinRect& r) {
  return r.Width() > 0 && r.Height() > 0;
}
}  // namespace

SkinPieces NinePieces(const SkinRect& frame, int width, int height, SkinMargins m, bool tile) {
  int L = std::max(m.LeftWidth, 0), T = std::max(m.TopHeight, 0);
  int R = std::max(m.RightWidth, 0), B = std::max(m.BottomHeight, 0);
  if (width < L + R) L = R = 0;
  if (height < T + B) T = B = 0;
  const int x = frame.left, y = frame.top, fw = frame.Width(), fh = frame.Height();
  const int dw = width, dh = height;

  SkinPieces out;
  auto add = [&](bool condition, SkinRect dest, SkinRect source, bool tiled = false) {
    // Margins wider than the frame leave pieces with nothing to copy; they are skipped rather
    // than drawn mirrored.
    if (condition && HasArea(dest) && HasArea(source))
      out.items[out.count++] = SkinPiece{dest, source, tiled};
  };
  add(L * T > 0, {0, 0, L, T}, {x, y, x + L, y + T});
  add(L * B > 0, {0, dh - B, L, dh}, {x, y + fh - B, x + L, y + fh});
  add(R * T > 0, {dw - R, 0, dw, T}, {x + fw - R, y, x + fw, y + T});
  add(L > 0, {0, T, L, dh - B}, {x, y + T, x + L, y + fh - B});
  add(T > 0, {L, 0, dw - R, T}, {x + L, y, x + fw - R, y + T});
  add(true, {L, T, dw - R, dh - B}, {x + L, y + T, x + fw - R, y + fh - B}, tile);
  // Right and bottom pieces come after the centre: they cover tiles that ran past it.
  add(R * B > 0, {dw - R, dh - B, dw, dh}, {x + fw - R, y + fh - B, x + fw, y + fh});
  add(R > 0, {dw - R, T, dw, dh - B}, {x + fw - R, y + T, x + fw, y + fh - B});
  add(B > 0, {L, dh - B, dw - R, dh}, {x + L, y + fh - B, x + fw - R, y + fh});
  return out;
}

std::vector<SkinPiece> TilePieces(const SkinRect& target, const SkinRect& source) {
  std::vector<SkinPiece> tiles;
  const int w = source.Width(), h = source.Height();
  if (w <= 0 || h <= 0) return tiles;
  for (int x = target.left; x < target.right; x += w)
    for (int y = target.top; y < target.bottom; y += h) tiles.push_back({RectAt(x, y, w, h), source, false});
  return tiles;
}

std::vector<SkinPiece> BarPieces(const SkinRect& frame, int width, int height, int left, int right) {
  std::vector<SkinPiece> parts;
  const int x = frame.left, y = frame.top, fw = frame.Width();
  const int L = std::max(left, 0), R = std::max(right, 0);
  auto add = [&](SkinRect dest, SkinRect source) {
    if (HasArea(dest) && HasArea(source)) parts.push_back({dest, source, false});
  };
  add({0, 0, L, height}, {x, frame.top, x + L, frame.bottom});
  const int m = fw - L - R;
  if (m > 0)  // no middle part: nothing to repeat, and no endless loop
    for (int dx = L; dx < width - R; dx += m)
      add({dx, 0, dx + m, height}, {x + L, y, x + L + m, frame.bottom});
  add({width - R, 0, width, height}, {x + fw - R, y, x + fw, frame.bottom});
  return parts;
}

std::vector<SkinPiece> StretchedBarPieces(const SkinRect& frame, const SkinRect& target, int left,
                                          int right) {
  std::vector<SkinPiece> parts;
  const int x = frame.left, y = frame.top, fw = frame.Width(), fh = frame.Height();
  const int width = target.Width(), height = target.Height();
  if (fw > width) {
    parts.push_back({target, frame, false});
    return parts;
  }
  const int L = std::max(left, 0), R = std::max(right, 0);
  auto add = [&](SkinRect dest, SkinRect source) {
    if (HasArea(dest) && HasArea(source)) parts.push_back({dest, source, false});
  };
  add(RectAt(target.left, target.top, L, height), RectAt(x, y, L, fh));
  add(RectAt(target.left + L, target.top, width - L - R, height), RectAt(x + L, y, fw - L - R, fh));
  add(RectAt(target.right - R, target.top, R, height), RectAt(x + fw - R, y, R, fh));
  return parts;
}

SkinRect CentredRect(const SkinRect& target, int width, int height) {
  return RectAt(target.left + (target.Width() - width) / 2, target.top + (target.Height() - height) / 2,
                width, height);
}

StripeRange GradientStripes(int start, int count, int clipStart, int clipEnd) {
  StripeRange range;
  range.first = std::max(clipStart - start, 0);
  range.last = count - 1;
  if (clipEnd - start < count) range.last = clipEnd - start - 1;  // the clip box ends inside
  return range;
}

bool RegionKey::Matches(uint8_t red, uint8_t green, uint8_t blue) const {
  auto within = [](int value, uint32_t keyChannel, int tolerance) {
    const int lo = static_cast<int>(keyChannel);
    const int hi = std::min(lo + std::max(tolerance, 0), 255);
    return value >= lo && value <= hi;
  };
  return within(red, color & 0xFF, redTolerance) && within(green, (color >> 8) & 0xFF, greenTolerance) &&
         within(blue, (color >> 16) & 0xFF, blueTolerance);
}

}  // namespace quarnel
