// `fw::ScratchBitmap`: an off-screen bitmap with its memory DC, lent for one piece of drawing from
// a small shared set, so that controls painting off-screen do not each keep buffers of their own;
// `fw::KeptImage`: an owner's claim on the image it composed there last. Any thread (the set is
// locked; a lent bitmap belongs to its lease alone).
#pragma once
#include <windows.h>

#include <cstddef>
#include <memory>

#include "framework/graphics/bitmap.h"

namespace fw {

namespace detail {
struct ScratchEntry;
}

// Identifies an image composed into the shared set and kept there while the set has room, for
// drawing that reuses what it composed at the last paint. Forgets that image when it goes.
class KeptImage {
 public:
  KeptImage() = default;
  ~KeptImage();
  KeptImage(const KeptImage&) = delete;
  KeptImage& operator=(const KeptImage&) = delete;
  void Forget();  // what was composed no longer holds (a new skin, a detached control)
};

class ScratchBitmap {
 public:
  // Bitmaps the set keeps between leases, lent or not, and the bytes of their pixels; a lease
  // that finds none free gets one beyond these, let go when it comes back.
  static constexpr size_t kMaxEntries = 12;
  static constexpr size_t kMaxBytes = size_t{8} << 20;

  // A bitmap of exactly `width` x `height` in `format` whose pixels are whatever its last user
  // left (all zero when `clear`). The DC's state (selected objects, colours, modes, clipping) is
  // the DC's defaults, and whatever the lease sets there is undone when it ends. The bitmap must
  // not be resized during the lease.
  ScratchBitmap(int width, int height, TPixelFormat format = pf24bit, bool clear = false);
  // The same for the image `owner` composes: Kept() tells whether it is the bitmap `owner`
  // composed at its last lease of this size and format, untouched since.
  ScratchBitmap(const KeptImage& owner, int width, int height, TPixelFormat format = pf24bit);
  ~ScratchBitmap();
  ScratchBitmap(const ScratchBitmap&) = delete;
  ScratchBitmap& operator=(const ScratchBitmap&) = delete;

  TBitmap& Bitmap() const;
  HDC DC() const { return dc_; }
  bool Kept() const { return kept_; }

  // Deletes every bitmap not lent out (for leak counts and at shutdown).
  static void Empty();
  static size_t Count();  // bitmaps held by the set, lent or not
  static void Forget(const KeptImage& owner);

 private:
  void Lend(const void* owner, int width, int height, TPixelFormat format, bool clear);

  std::shared_ptr<detail::ScratchEntry> entry_;
  const void* owner_ = nullptr;
  HDC dc_ = nullptr;
  bool kept_ = false;
};

}  // namespace fw
