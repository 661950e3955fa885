// The shared set behind ScratchBitmap: a short list of bitmaps with their DCs, searched by owner
// and size, the least recently used let go first when the set is over its bounds.
#include "framework/graphics/scratch_bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace fw {

namespace detail {

struct ScratchEntry {
  TBitmap bitmap;
  const void* owner = nullptr;  // whose composed image it holds between leases; null: nobody's
  uint64_t used = 0;            // when it came back last
  bool lent = false;
  int saved = 0;               // the DC's state when lent
  HGDIOBJ selected = nullptr;  // the section the DC held when lent

  bool Fits(int width, int height, TPixelFormat format) const {
    return bitmap.Width() == width && bitmap.Height() == height && bitmap.PixelFormat() == format;
  }
  size_t Bytes() const { return static_cast<size_t>(bitmap.Stride()) * static_cast<size_t>(bitmap.Height()); }
};

}  // namespace detail

namespace {

using detail::ScratchEntry;
using Entries = std::vector<std::shared_ptr<ScratchEntry>>;

struct SetState {
  std::mutex lock;
  Entries entries;
  uint64_t clock = 0;
};

// Set once the set has been destroyed at process end; a lease ending later only drops its bitmap.
bool g_setGone = false;

struct SetHolder {
  SetState state;
  ~SetHolder() {
    std::lock_guard guard(state.lock);
    state.entries.clear();  // a lease still out holds its own entry
    g_setGone = true;
  }
};

SetState& State() {
  static SetHolder holder;
  return holder.state;
}

// The free entry that came back longest ago, those holding nobody's image first.
std::shared_ptr<ScratchEntry> Oldest(const Entries& entries) {
  std::shared_ptr<ScratchEntry> oldest;
  for (const auto& e : entries) {
    if (e->lent) continue;
    if (!oldest || (!e->owner && oldest->owner) || (!e->owner == !oldest->owner && e->used < oldest->used))
      oldest = e;
  }
  return oldest;
}

// Lets the oldest free entries go until the set is within its bounds again.
void Trim(Entries& entries) {
  size_t bytes = 0;
  for (const auto& e : entries) bytes += e->Bytes();
  while (entries.size() > ScratchBitmap::kMaxEntries || bytes > ScratchBitmap::kMaxBytes) {
    const std::shared_ptr<ScratchEntry> oldest = Oldest(entries);
    if (!oldest) return;
    bytes -= oldest->Bytes();
    std::erase(entries, oldest);
  }
}

}  // namespace

KeptImage::~KeptImage() {
  Forget();
}

void KeptImage::Forget() {
  ScratchBitmap::Forget(*this);
}

ScratchBitmap::ScratchBitmap(int width, int height, TPixelFormat format, bool clear) {
  Lend(nullptr, width, height, format, clear);
}

ScratchBitmap::ScratchBitmap(const KeptImage& owner, int width, int height, TPixelFormat format) {
  Lend(&owner, width, height, format, false);
}

void ScratchBitmap::Lend(const void* owner, int width, int height, TPixelFormat format, bool clear) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  owner_ = owner;
  if (!g_setGone) {
    SetState& s = State();
    std::lock_guard guard(s.lock);
    Entries& entries = s.entries;
    // The owner's own image first, then a free bitmap of the size (no new section), then a new one
    // while there is room, then the oldest free one resized; beyond the bounds when none is free.
    for (const auto& e : entries) {
      if (!owner || e->lent || e->owner != owner) continue;
      if (e->Fits(width, height, format)) {
        entry_ = e;
        kept_ = true;
      } else {
        e->owner = nullptr;  // of another size: no use to anyone as it is
      }
      break;
    }
    for (auto it = entries.begin(); !entry_ && it != entries.end(); ++it)
      if (!(*it)->lent && !(*it)->owner && (*it)->Fits(width, height, format)) entry_ = *it;
    if (!entry_ && entries.size() >= kMaxEntries) entry_ = Oldest(entries);
    if (!entry_) entry_ = entries.emplace_back(std::make_shared<ScratchEntry>());
    entry_->lent = true;
    entry_->owner = nullptr;
  }
  if (!entry_) entry_ = std::make_shared<ScratchEntry>();
  TBitmap& b = entry_->bitmap;
  if (!kept_ && !entry_->Fits(width, height, format)) {
    b.SetSize(0, 0);  // no copy of the old pixels into the new size
    b.SetPixelFormat(format);
    b.SetSize(width, height);
  }
  if (clear && !b.Empty()) std::memset(b.ScanLine(0), 0, entry_->Bytes());  // rows follow each other
  dc_ = b.DC();
  entry_->selected = GetCurrentObject(dc_, OBJ_BITMAP);
  entry_->saved = SaveDC(dc_);
}

ScratchBitmap::~ScratchBitmap() {
  // A bitmap resized during the lease no longer holds the section its saved state names: it
  // cannot be restored, so it is not lent again.
  const bool intact = GetCurrentObject(dc_, OBJ_BITMAP) == entry_->selected;
  if (intact) RestoreDC(dc_, entry_->saved);
  if (g_setGone) return;
  SetState& s = State();
  std::lock_guard guard(s.lock);
  entry_->lent = false;
  entry_->used = ++s.clock;
  if (!intact) {
    std::erase(s.entries, entry_);
    return;
  }
  if (owner_) {
    for (const auto& e : s.entries)
      if (e->owner == owner_ && !e->lent) e->owner = nullptr;  // an owner keeps one image
    entry_->owner = owner_;
  }
  Trim(s.entries);
}

TBitmap& ScratchBitmap::Bitmap() const {
  return entry_->bitmap;
}

void ScratchBitmap::Empty() {
  if (g_setGone) return;
  SetState& s = State();
  std::lock_guard guard(s.lock);
  std::erase_if(s.entries, [](const auto& e) { return !e->lent; });
}

size_t ScratchBitmap::Count() {
  if (g_setGone) return 0;
  SetState& s = State();
  std::lock_guard guard(s.lock);
  return s.entries.size();
}

void ScratchBitmap::Forget(const KeptImage& owner) {
  if (g_setGone) return;
  SetState& s = State();
  std::lock_guard guard(s.lock);
  for (const auto& e : s.entries)
    if (e->owner == &owner) e->owner = nullptr;
}

}  // namespace fw
