// A deliberately plain LZHUF decoder used as the yardstick for the optimised one: a 16-bit
// bit buffer refilled a byte at a time, linear searches, its own tree arrays.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quarnel::testing {

std::vector<std::uint8_t> ReferenceDecode(std::span<const std::uint8_t> packed, std::uint32_t size);

}  // namespace quarnel::testing
