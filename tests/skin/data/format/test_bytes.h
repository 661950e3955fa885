// Small helpers for the skin format tests: deterministic byte patterns and decoding a packed
// stream through TLZH into a vector.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "skin/data/format/lzh.h"
#include "skin/data/format/lzh_encoder.h"

namespace quarnel::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes RandomBytes(std::size_t count, std::uint32_t seed) {
  Bytes out(count);
  for (auto& byte : out) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<std::uint8_t>(seed >> 24);
  }
  return out;
}

inline Bytes BytesOf(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

inline Bytes Decode(std::span<const std::uint8_t> packed, std::uint32_t size) {
  Bytes out;
  std::size_t next = 0;
  TLZH().Decode(
      size,
      [&](std::uint8_t& byte) -> std::size_t {
        if (next == packed.size()) return 0;
        byte = packed[next++];
        return 1;
      },
      [&](std::uint8_t byte) { out.push_back(byte); });
  return out;
}

// `unpacked` as a package stores it: its size word, then the LZHUF stream.
inline Bytes PackedPackage(const Bytes& unpacked) {
  Bytes out;
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(unpacked.size() >> (8 * i)));
  const Bytes stream = TLzhEncoder::Encode(unpacked);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

}  // namespace quarnel::testing
