// Structural check of a Windows bitmap file (BMP) as stored in a skin package: header, sizes
// and pixel data that fits inside the bytes given.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quarnel::skinpack {

// Empty when `bytes` is a well-formed BMP file; otherwise what is wrong with it.
std::string BitmapProblem(std::span<const std::uint8_t> bytes);

}  // namespace quarnel::skinpack
