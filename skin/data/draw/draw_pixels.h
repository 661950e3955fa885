// Pixel loops of the drawing helpers that work on bitmap memory directly: copying the pixels
// that are not of a key colour, and one-bit masks of the key colour. Pure code, any thread.
#pragma once
#include <cstdint>

namespace quarnel {

// Rows of B, G, R (and X) bytes, `stride` bytes apart; `bytesPerPixel` is 3 or 4.
struct PixelRows {
  const std::uint8_t* data = nullptr;
  int stride = 0, bytesPerPixel = 3;
};
struct MutablePixelRows {
  std::uint8_t* data = nullptr;
  int stride = 0, bytesPerPixel = 3;
};

// The key as the three colour bytes of a pixel read as a little-endian number (B | G << 8 |
// R << 16), from a colour 0x00BBGGRR.
constexpr std::uint32_t KeyPixel(std::uint32_t color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// Copies every pixel of the `width` x `height` source whose colour bytes differ from `keyPixel`
// onto the same place of `dest`; key pixels leave `dest` as it is. A 3-byte pixel becomes a
// 4-byte one with X = 0, a 4-byte one loses X; between equal sizes the whole pixel is copied.
void CopyUnkeyedPixels(PixelRows source, MutablePixelRows dest, int width, int height,
                       std::uint32_t keyPixel);

// A one-bit mask of the source: bit set where the pixel is of the key colour, the first pixel
// of a row in the top bit of its first byte. Rows are `maskStride` bytes apart; bits past the
// width are cleared.
void BuildKeyMask(PixelRows source, int width, int height, std::uint32_t keyPixel, std::uint8_t* mask,
                  int maskStride);

}  // namespace quarnel
