// Colour mixing, saturation and gradient ramps. Pure code; the shared ramp cache belongs to the
// user-interface thread.
#include "skin/data/draw/color_math.h"

#include <algorithm>

namespace quarnel {

uint32_t MixRgb(uint32_t c1, uint32_t c2, int weight) {
  const int64_t scale = weight < 100 ? 100 : 1000;
  auto mix = [&](uint32_t a, uint32_t b) {
    int64_t v = (int64_t{a} * weight + int64_t{b} * (scale - weight) + scale / 2) / scale;
    return static_cast<uint32_t>(v) & 0xFF;  // weights out of range wrap like a byte
  };
  return mix(RedOf(c1), RedOf(c2)) | (mix(GreenOf(c1), GreenOf(c2)) << 8) |
         (mix(BlueOf(c1), BlueOf(c2)) << 16);
}

int ColorSaturation(uint32_t color) {
  const uint32_t r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  const uint32_t hi = std::max({r, g, b}), lo = std::min({r, g, b});
  if (hi <= 159) return 200;
  // round((hi - lo) / hi * 255) in integers, halves to even
  const uint32_t num = (hi - lo) * 255;
  uint32_t q = num / hi;
  const uint32_t twiceRem = 2 * (num % hi);
  if (twiceRem > hi || (twiceRem == hi && (q & 1))) ++q;
  return static_cast<int>(q);
}

namespace {
// from + (d div 2 + i * delta) div d; C++ division truncates toward zero, as the ramp requires.
int Step(int from, int delta, int i, int d) {
  return from + static_cast<int>((int64_t{d / 2} + int64_t{i} * delta) / d);
}
}  // namespace

std::vector<uint32_t> ComputeRamp(int count, uint32_t from, uint32_t to) {
  std::vector<uint32_t> ramp(static_cast<size_t>(count));
  const int fr = static_cast<int>(RedOf(from)), fg = static_cast<int>(GreenOf(from)),
            fb = static_cast<int>(BlueOf(from));
  const int dr = static_cast<int>(RedOf(to)) - fr, dg = static_cast<int>(GreenOf(to)) - fg,
            db = static_cast<int>(BlueOf(to)) - fb;
  auto pack = [](int r, int g, int b) {
    return (static_cast<uint32_t>(r) & 0xFF) | ((static_cast<uint32_t>(g) & 0xFF) << 8) |
           ((static_cast<uint32_t>(b) & 0xFF) << 16);
  };
  if (count == 1) {
    ramp[0] = pack(fr + dr / 2, fg + dg / 2, fb + db / 2);
    return ramp;
  }
  const int d = count - 1;
  for (int i = 0; i < count; ++i) ramp[i] = pack(Step(fr, dr, i, d), Step(fg, dg, i, d), Step(fb, db, i, d));
  return ramp;
}

int GradientCache::Ramp(int count, uint32_t from, uint32_t to) {
  if (count < 1) throw EAssertionFailed();
  // Matched on the requested end colours: a falling channel's last entry can miss `to` by one
  // after truncation, and such a ramp must still be found again.
  for (int i = kSlots - 1; i >= 0; --i) {
    const Slot& s = slots_[i];
    if (!s.entries.empty() && static_cast<int>(s.entries.size()) == count && s.from == from && s.to == to)
      return i;
  }
  const int slot = next_;
  next_ = (next_ + 1) % kSlots;
  slots_[slot] = Slot{from, to, ComputeRamp(count, from, to)};
  return slot;
}

void GradientCache::Clear() {
  slots_ = {};
  next_ = 0;
}

GradientCache& SharedGradientCache() {
  static GradientCache cache;
  return cache;
}

}  // namespace quarnel
