// `fw::DibPool`: device-independent sections given back by released bitmaps, kept for the next
// bitmap of the same size and format. A fresh section costs an allocation and a page fault on
// every page at its first write; a pooled one is only cleared. The pool is bounded in count and
// bytes, so it never grows with use. Any thread.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "framework/win/handles.h"

namespace fw {

struct DibSection {
  UniqueBitmap handle;
  uint8_t* bits = nullptr;
};

class DibPool {
 public:
  static constexpr size_t kMaxEntries = 8;
  static constexpr size_t kMaxEntryBytes = size_t{1} << 20;
  static constexpr size_t kMaxTotalBytes = size_t{4} << 20;

  // A top-down section of the given size and bits per pixel (24 or 32), all pixels zero: a pooled
  // one when there is one, else a new one. Empty handle when the system has no memory for it.
  static DibSection Take(int width, int height, int bitsPerPixel);
  // Keeps the section for later, or deletes it when it is too large or when it is still selected
  // into a device context somewhere (checked only when `mayBeSelected`: the check costs more
  // than the rest). The oldest kept sections make room.
  static void Give(DibSection section, int width, int height, int bitsPerPixel, bool mayBeSelected = true);
  // Deletes every kept section (for leak counts and at shutdown).
  static void Empty();
  static size_t KeptCount();
};

// The header of a top-down section of the given size and bits per pixel.
BITMAPINFO DibInfo(int width, int height, int bitsPerPixel);

// Bytes of one row of a section `width` pixels wide.
inline int DibStride(int width, int bitsPerPixel) {
  return (width * (bitsPerPixel / 8) + 3) & ~3;
}

}  // namespace fw
