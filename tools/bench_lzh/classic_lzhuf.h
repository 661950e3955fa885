// A plain LZHUF decoder, written straight from the algorithm: bit by bit through the adaptive
// Huffman tree, the tree updated after every symbol by moving the node up past its equals, the
// position's upper six bits from a table of the first byte. The yardstick our decoder is timed
// against; it is never linked into a program.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quarnel::bench {

// Decodes `count` packed bytes into `size` bytes (a last match may run up to 59 bytes past it).
std::vector<std::uint8_t> ClassicLzhufDecode(const std::uint8_t* packed, std::size_t count,
                                             std::uint32_t size);

}  // namespace quarnel::bench
