// TUnpackedPackages: the last few skin packages unpacked, found again by their packed bytes, so
// that going back to a skin used a moment ago does not decode it again. No user interface; one
// thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quarnel {

class TUnpackedPackages {
 public:
  using Bytes = std::vector<std::uint8_t>;
  static constexpr std::size_t kKept = 2;

  // The unpacked bytes of `packed`: kept from before when the same bytes were unpacked lately,
  // otherwise decoded now and kept in place of the least recently used. The reference holds
  // until the next call.
  const Bytes& Unpack(std::span<const std::uint8_t> packed);
  // How many packages were decoded rather than found kept.
  std::size_t Decoded() const { return decoded_; }

 private:
  struct Entry {
    Bytes packed, unpacked;
  };
  std::vector<Entry> entries_;  // most recently used first
  std::size_t decoded_ = 0;
};

}  // namespace quarnel
