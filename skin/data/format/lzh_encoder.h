// LZHUF compressor producing streams for TLZH: LZSS with a hash-chain match search (with one
// step of lazy matching) over the same 4 KB ring, coded with the shared adaptive Huffman tree.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quarnel {

class TLzhEncoder {
 public:
  // Returns the bit stream alone (no size prefix); TLZH needs the size of `data` to decode it.
  static std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> data);
};

}  // namespace quarnel
