// The "SkinStream" data of a form description: a packed skin package behind its 32-bit byte
// count, written as the description's binary value, and put into a description text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::skingen {

// The byte count of `packed` (32-bit little-endian) followed by `packed` itself.
std::vector<std::uint8_t> SkinStreamBlock(std::span<const std::uint8_t> packed);

// The property line "SkinStream = {" with the block as hex lines of 32 bytes and the closing
// "}", every line indented by `indent` spaces (the data lines by two more). Ends with a newline.
std::string SkinStreamProperty(std::span<const std::uint8_t> packed, int indent);

// `description` with the value of the "SkinStream" property of the object named `objectName`
// replaced by the block of `packed`; everything else stays byte for byte. Throws
// std::invalid_argument when the object or its property is not there.
std::string ReplaceSkinStream(std::string_view description, std::string_view objectName,
                              std::span<const std::uint8_t> packed);

}  // namespace quarnel::skingen
