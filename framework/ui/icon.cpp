// Icon file parsing with bounds checks and icon handle creation. User-interface thread.
#include "framework/ui/icon.h"

#include <cstring>

#include "framework/core/properties.h"

const TClassInfo& TIcon::StaticClass() {
  static const TClassInfo info = TClassBuilder<TIcon>("TIcon", &TPersistent::StaticClass()).Build();
  return info;
}

namespace {
uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

// Checks the directory: reserved 0, type 1, every entry inside the data.
bool ValidIconFile(const std::vector<uint8_t>& b) {
  if (b.size() < 6 || Read16(&b[0]) != 0 || Read16(&b[2]) != 1) return false;
  size_t count = Read16(&b[4]);
  if (count == 0 || 6 + count * 16 > b.size()) return false;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = &b[6 + i * 16];
    uint64_t size = Read32(e + 8), offset = Read32(e + 12);
    if (size < 40 || offset + size > b.size()) return false;
  }
  return true;
}
}  // namespace

bool TIcon::LoadFromBytes(const std::vector<uint8_t>& bytes) {
  large_.reset();
  small_.reset();
  if (!ValidIconFile(bytes)) {
    bytes_.clear();
    return false;
  }
  bytes_ = bytes;
  return true;
}

HICON TIcon::Handle(int size) {
  if (bytes_.empty()) return nullptr;
  bool large = size == 0 || size == GetSystemMetrics(SM_CXICON);
  if (size == 0) size = GetSystemMetrics(SM_CXICON);
  fw::UniqueIcon& slot = large ? large_ : small_;
  if (slot && (large || smallSize_ == size)) return slot.get();
  size_t count = Read16(&bytes_[4]);
  // Pick the entry closest in size, preferring more colours.
  size_t best = 0;
  int bestScore = 1 << 30;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = &bytes_[6 + i * 16];
    int w = e[0] ? e[0] : 256;
    int bits = Read16(e + 6);
    int score = std::abs(w - size) * 64 - bits;
    if (score < bestScore) {
      bestScore = score;
      best = i;
    }
  }
  const uint8_t* e = &bytes_[6 + best * 16];
  uint32_t entrySize = Read32(e + 8), offset = Read32(e + 12);
  std::vector<uint8_t> image(bytes_.begin() + offset, bytes_.begin() + offset + entrySize);
  slot.reset(CreateIconFromResourceEx(image.data(), entrySize, TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR));
  if (!large) smallSize_ = size;
  return slot.get();
}

void TIcon::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TIcon*>(&source)) LoadFromBytes(other->bytes_);
}
