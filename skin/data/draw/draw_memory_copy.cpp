// Block copies and one-way stretches in bitmap memory. A stretch takes the source pixel GDI
// would take: which source column (or row) lands on each target one is asked of GDI once per
// pair of sizes, by stretching a line whose pixels hold their own index, and kept. UI thread.
#include "framework/win/shared_caches.h"
#include "skin/data/draw/draw_memory_copy.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace quarnel {
namespace {

struct Run {
  int source = 0, count = 0;
};

// How a stretch from `from` to `to` pixels along x (or y when `vertical`) picks its source
// pixels in colour-on-colour mode; the last few size pairs are kept per thread.
struct StretchMap {
  int from = 0, to = 0;
  bool vertical = false;
  std::vector<int> source;  // source index of every target index
  std::vector<Run> runs;    // the same as runs of target pixels taken from one source pixel
};

class StretchMaps {
 public:
  const StretchMap* Find(int from, int to, bool vertical) {
    for (const StretchMap& m : maps_)
      if (m.from == from && m.to == to && m.vertical == vertical && !m.source.empty()) return &m;
    StretchMap& m = maps_[next_];
    next_ = (next_ + 1) % maps_.size();
    m.source.clear();
    m.runs.clear();
    if (!Probe(from, to, vertical, m.source)) return nullptr;
    m.from = from, m.to = to, m.vertical = vertical;
    for (int x : m.source) {
      if (!m.runs.empty() && m.runs.back().source == x) {
        ++m.runs.back().count;
      } else {
        m.runs.push_back(Run{x, 1});
      }
    }
    return &m;
  }

 private:
  static bool Probe(int from, int to, bool vertical, std::vector<int>& map) {
    // A line of `from` pixels numbered 0, 1, ... (B, G, R = low, middle, high byte).
    TBitmap line(vertical ? 1 : from, vertical ? from : 1, pf32bit);
    TBitmap out(vertical ? 1 : to, vertical ? to : 1, pf32bit);
    if (line.Empty() || out.Empty()) return false;
    for (int i = 0; i < from; ++i) {
      uint8_t* p = vertical ? line.ScanLine(i) : line.ScanLine(0) + 4 * i;
      p[0] = static_cast<uint8_t>(i), p[1] = static_cast<uint8_t>(i >> 8),
      p[2] = static_cast<uint8_t>(i >> 16);
    }
    HDC dc = out.DC();
    SetStretchBltMode(dc, COLORONCOLOR);
    if (!StretchBlt(dc, 0, 0, out.Width(), out.Height(), line.DC(), 0, 0, line.Width(), line.Height(),
                    SRCCOPY))
      return false;
    map.resize(static_cast<size_t>(to));
    for (int i = 0; i < to; ++i) {
      const uint8_t* p = vertical ? out.ScanLine(i) : out.ScanLine(0) + 4 * i;
      const int index = p[0] | (p[1] << 8) | (p[2] << 16);
      if (index >= from) return false;
      map[static_cast<size_t>(i)] = index;
    }
    return true;
  }
  std::array<StretchMap, 8> maps_;
  size_t next_ = 0;
};

// `count` copies of the 3-byte pixel at `p` from `out` on; returns the end.
uint8_t* Fill3(uint8_t* out, const uint8_t* p, int count) {
  const uint32_t px = p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
  if (count >= 4) {
    const uint32_t four[3] = {px | (px << 24), (px >> 8) | (px << 16), (px >> 16) | (px << 8)};
    for (; count >= 4; count -= 4, out += 12) std::memcpy(out, four, 12);
  }
  for (; count > 0; --count, out += 3) out[0] = p[0], out[1] = p[1], out[2] = p[2];
  return out;
}

uint8_t* Fill4(uint8_t* out, const uint8_t* p, int count) {
  uint32_t px;
  std::memcpy(&px, p, 4);
  if (count >= 4) {
    const uint32_t four[4] = {px, px, px, px};
    for (; count >= 4; count -= 4, out += 16) std::memcpy(out, four, 16);
  }
  for (; count > 0; --count, out += 4) std::memcpy(out, &px, 4);
  return out;
}

StretchMaps& ThreadMaps() {
  static fw::ThreadScratch<StretchMaps> maps;
  thread_local fw::ScratchSlot<StretchMaps> slot;
  return maps.Get(slot);
}

}  // namespace

MemoryCopy::MemoryCopy(TBitmap& dest, TBitmap& source) {
  if (dest.PixelFormat() != source.PixelFormat() || dest.Empty() || source.Empty()) return;
  dest_ = dest.ScanLine(0);  // finishes pending GDI drawing
  source_ = source.ScanLine(0);
  destStride_ = dest.Stride();
  sourceStride_ = source.Stride();
  destW_ = dest.Width(), destH_ = dest.Height(), sourceW_ = source.Width(), sourceH_ = source.Height();
  bpp_ = dest.BytesPerPixel();
}

void MemoryCopy::FinishGdi() {
  if (gdiPending_) GdiFlush();
  gdiPending_ = false;
}

bool MemoryCopy::Copy(int x, int y, int w, int h, int sx, int sy) {
  if (!dest_ || !Inside(RectAt(sx, sy, w, h), sourceW_, sourceH_)) return false;
  if (x < 0) w += x, sx -= x, x = 0;
  if (y < 0) h += y, sy -= y, y = 0;
  w = std::min(w, destW_ - x);
  h = std::min(h, destH_ - y);
  if (w <= 0 || h <= 0) return true;
  FinishGdi();
  for (int row = 0; row < h; ++row)
    std::memcpy(DestAt(x, y + row), SourceAt(sx, sy + row), static_cast<size_t>(w) * bpp_);
  return true;
}

bool MemoryCopy::Stretch(const SkinRect& to, const SkinRect& from) {
  if (!dest_ || !Inside(to, destW_, destH_) || !Inside(from, sourceW_, sourceH_)) return false;
  const bool vertical = to.Width() == from.Width();
  if (!vertical && to.Height() != from.Height()) return false;  // scaled both ways: GDI's job
  const StretchMap* map = vertical ? ThreadMaps().Find(from.Height(), to.Height(), true)
                                   : ThreadMaps().Find(from.Width(), to.Width(), false);
  if (!map) return false;
  FinishGdi();
  if (vertical) {
    for (int row = 0; row < to.Height(); ++row)
      std::memcpy(DestAt(to.left, to.top + row),
                  SourceAt(from.left, from.top + map->source[static_cast<size_t>(row)]),
                  static_cast<size_t>(to.Width()) * bpp_);
    return true;
  }
  // Widening repeats each source pixel over a run of target pixels: runs are filled four pixels
  // (twelve or sixteen bytes) at a time.
  const std::vector<Run>& runs = map->runs;
  for (int row = 0; row < to.Height(); ++row) {
    const uint8_t* in = SourceAt(from.left, from.top + row);
    uint8_t* out = DestAt(to.left, to.top + row);
    if (bpp_ == 3) {
      for (const Run& run : runs) out = Fill3(out, in + 3 * run.source, run.count);
    } else {
      for (const Run& run : runs) out = Fill4(out, in + 4 * run.source, run.count);
    }
  }
  return true;
}

}  // namespace quarnel
