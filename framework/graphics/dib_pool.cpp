// The section pool behind TBitmap: a short list searched by size, oldest dropped first.
#include "framework/graphics/dib_pool.h"

#include <cstring>
#include <deque>
#include <mutex>
#include <utility>

namespace fw {
namespace {

struct Kept {
  DibSection section;
  int width, height, bitsPerPixel;
  size_t bytes;
};

struct PoolState {
  std::mutex lock;
  std::deque<Kept> kept;  // oldest first
  size_t bytes = 0;
  // One DC to prove a section is free: a bitmap selected into another DC cannot be selected here.
  UniqueDC probe;
  HGDIOBJ probeOriginal = nullptr;
};

// Set once the pool has been destroyed at process end; later releases delete at once.
bool g_poolGone = false;

struct PoolHolder {
  PoolState state;
  ~PoolHolder() {
    DibPool::Empty();
    g_poolGone = true;
  }
};

PoolState& State() {
  static PoolHolder holder;
  return holder.state;
}

size_t SectionBytes(int width, int height, int bitsPerPixel) {
  return static_cast<size_t>(DibStride(width, bitsPerPixel)) * static_cast<size_t>(height);
}

DibSection NewSection(int width, int height, int bitsPerPixel) {
  BITMAPINFO bi = DibInfo(width, height, bitsPerPixel);
  void* bits = nullptr;
  DibSection section;
  section.handle.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (section.handle) section.bits = static_cast<uint8_t*>(bits);
  return section;
}

bool SelectedElsewhere(PoolState& s, HBITMAP bitmap) {
  if (!s.probe) {
    s.probe = CreateMemoryDC();
    if (!s.probe) return true;
    s.probeOriginal = GetCurrentObject(s.probe.get(), OBJ_BITMAP);
  }
  if (!SelectObject(s.probe.get(), bitmap)) return true;
  SelectObject(s.probe.get(), s.probeOriginal);
  return false;
}

}  // namespace

BITMAPINFO DibInfo(int width, int height, int bitsPerPixel) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

DibSection DibPool::Take(int width, int height, int bitsPerPixel) {
  if (!g_poolGone) {
    PoolState& s = State();
    std::unique_lock guard(s.lock);
    for (auto it = s.kept.begin(); it != s.kept.end(); ++it) {
      if (it->width != width || it->height != height || it->bitsPerPixel != bitsPerPixel) continue;
      Kept found = std::move(*it);
      s.kept.erase(it);
      s.bytes -= found.bytes;
      guard.unlock();
      GdiFlush();  // drawing queued by its previous owner lands before the clear
      std::memset(found.section.bits, 0, found.bytes);
      return std::move(found.section);
    }
  }
  return NewSection(width, height, bitsPerPixel);
}

void DibPool::Give(DibSection section, int width, int height, int bitsPerPixel, bool mayBeSelected) {
  const size_t bytes = SectionBytes(width, height, bitsPerPixel);
  if (!section.handle || g_poolGone || bytes > kMaxEntryBytes) return;
  PoolState& s = State();
  std::lock_guard guard(s.lock);
  if (mayBeSelected && SelectedElsewhere(s, section.handle.get())) return;  // only delete it
  while (!s.kept.empty() && (s.kept.size() >= kMaxEntries || s.bytes + bytes > kMaxTotalBytes)) {
    s.bytes -= s.kept.front().bytes;
    s.kept.pop_front();
  }
  s.kept.push_back(Kept{std::move(section), width, height, bitsPerPixel, bytes});
  s.bytes += bytes;
}

void DibPool::Empty() {
  if (g_poolGone) return;
  PoolState& s = State();
  std::lock_guard guard(s.lock);
  s.kept.clear();
  s.bytes = 0;
  s.probe.reset();
}

size_t DibPool::KeptCount() {
  if (g_poolGone) return 0;
  PoolState& s = State();
  std::lock_guard guard(s.lock);
  return s.kept.size();
}

}  // namespace fw
