// Window regions from the non-key pixels of a bitmap, gathered in region-data batches.
// UI thread.
#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

constexpr size_t kInitialRects = 500, kGrowth = 500, kBatch = 2000;

// Rectangles collected for one ExtCreateRegion call, behind the region-data header.
class RegionBatch {
 public:
  RegionBatch() { Reserve(kInitialRects); }
  size_t Count() const { return count_; }
  void Add(const SkinRect& r) {
    if (count_ == capacity_) Reserve(capacity_ + kGrowth);
    RECT rect{r.left, r.top, r.right, r.bottom};
    std::memcpy(buffer_.data() + sizeof(RGNDATAHEADER) + count_ * sizeof(RECT), &rect, sizeof(RECT));
    if (count_ == 0) {
      bounds_ = rect;
    } else {
      bounds_.left = std::min(bounds_.left, rect.left);
      bounds_.top = std::min(bounds_.top, rect.top);
      bounds_.right = std::max(bounds_.right, rect.right);
      bounds_.bottom = std::max(bounds_.bottom, rect.bottom);
    }
    ++count_;
  }
  // Unites the collected rectangles with `result` and starts an empty batch.
  void FlushInto(HRGN result) {
    if (count_ == 0) return;
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(count_);
    header.nRgnSize = static_cast<DWORD>(count_ * sizeof(RECT));
    header.rcBound = bounds_;
    std::memcpy(buffer_.data(), &header, sizeof(header));
    const DWORD bytes = static_cast<DWORD>(sizeof(RGNDATAHEADER) + count_ * sizeof(RECT));
    fw::UniqueRegion part(ExtCreateRegion(nullptr, bytes, reinterpret_cast<const RGNDATA*>(buffer_.data())));
    if (part) CombineRgn(result, result, part.get(), RGN_OR);
    count_ = 0;
  }

 private:
  void Reserve(size_t rects) {
    buffer_.resize(sizeof(RGNDATAHEADER) + rects * sizeof(RECT));
    capacity_ = rects;
  }
  std::vector<uint8_t> buffer_;
  size_t capacity_ = 0, count_ = 0;
  RECT bounds_{};
};

}  // namespace

fw::UniqueRegion RegionFromBitmap(TBitmap& bitmap, int dx, int dy, int redTolerance, int greenTolerance,
                                  int blueTolerance, TColor key) {
  fw::UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
  if (!result || bitmap.Empty()) return result;
  bitmap.SetPixelFormat(pf32bit);
  const RegionKey regionKey{ResolveSkinColor(key), redTolerance, greenTolerance, blueTolerance};
  RegionBatch batch;
  ScanRegionRuns(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.Stride(), regionKey, dx, dy,
                 [&](const SkinRect& r) {
                   batch.Add(r);
                   if (batch.Count() == kBatch) batch.FlushInto(result.get());
                 });
  batch.FlushInto(result.get());
  return result;
}

}  // namespace quarnel
