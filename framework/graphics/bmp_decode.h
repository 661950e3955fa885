// Decoding of Windows BMP files (1, 4, 8, 16, 24 and 32 bits, bottom-up and top-down, and the
// run-length encoded 4 and 8 bits) into a plain 32-bit pixel buffer. No Windows dependency, no
// shared state: any thread.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw::bmp {

// Top-down rows of 32-bit pixels laid out as a 32-bit DIB stores them: bytes B, G, R, X.
struct DecodedImage {
  int width = 0;
  int height = 0;
  int source_bits = 0;  // bits per pixel of the file; 32 keeps the fourth byte of each pixel
  std::vector<uint32_t> pixels;
  bool empty() const { return pixels.empty(); }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Largest side and pixel count accepted; larger images are refused rather than allocated.
constexpr int kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t{1} << 24;  // 64 MB decoded, affordable in a 32-bit process

// Decodes a BMP file held in `data` (starting with the "BM" file header). Every header field and
// size is checked against `size`; a malformed or unsupported file gives an empty image.
DecodedImage Decode(const uint8_t* data, size_t size);

}  // namespace fw::bmp
