// Colour arithmetic of the skin engine on plain 0x00BBGGRR values: mixing, saturation and the
// process-wide cache of gradient ramps. Pure code; the cache is used from the UI thread only.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "framework/core/error.h"

namespace quarnel {

// A caller broke a precondition (a programming error, not bad data).
using ::EAssertionFailed;

constexpr uint32_t RedOf(uint32_t c) {
  return c & 0xFF;
}
constexpr uint32_t GreenOf(uint32_t c) {
  return (c >> 8) & 0xFF;
}
constexpr uint32_t BlueOf(uint32_t c) {
  return (c >> 16) & 0xFF;
}

// Weighted mix of two resolved colours: weights below 100 are per cent of c1, others per mille.
uint32_t MixRgb(uint32_t c1, uint32_t c2, int weight);

// 0..255 saturation of a colour with a bright channel (above 159), else 200.
int ColorSaturation(uint32_t color);

// Sixteen ramps of colours between two end colours, reused while they match and otherwise
// overwritten round-robin.
class GradientCache {
 public:
  static constexpr int kSlots = 16;
  // Index of a ramp of `count` entries from `from` to `to`; count < 1 throws EAssertionFailed.
  int Ramp(int count, uint32_t from, uint32_t to);
  const std::vector<uint32_t>& Entries(int index) const { return slots_[index].entries; }
  void Clear();

 private:
  struct Slot {
    uint32_t from = 0, to = 0;
    std::vector<uint32_t> entries;  // empty: never filled
  };
  std::array<Slot, kSlots> slots_;
  int next_ = 0;
};

// The cache every gradient of the process shares.
GradientCache& SharedGradientCache();
inline int ColorRamp(int count, uint32_t from, uint32_t to) {
  return SharedGradientCache().Ramp(count, from, to);
}

// The entries of one ramp: entry i is from + (d div 2 + i * delta) div d per channel, d = count - 1.
std::vector<uint32_t> ComputeRamp(int count, uint32_t from, uint32_t to);

}  // namespace quarnel
