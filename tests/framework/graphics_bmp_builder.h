// Builds BMP files byte by byte for the decoder and bitmap tests: any depth, either row order,
// either header size, with palettes and bit masks. Test code, any thread.
#pragma once
#include <cstdint>
#include <vector>

namespace bmp_test {

struct BmpSpec {
  int width = 0;
  int height = 0;  // rows of `pixels`
  int bits = 24;
  bool topDown = false;
  int headerSize = 40;       // 12 (core), 40, 56, 124
  uint32_t compression = 0;  // 0 plain, 3 bit fields
  uint32_t masks[4] = {0, 0, 0, 0};
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  // Top-down pixel values: palette indices (1, 4, 8 bits), raw 16-bit values, 0x00RRGGBB (24),
  // raw 32-bit values.
  std::vector<uint32_t> pixels;
};

inline void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = (v >> 8) & 0xFF;
}
inline void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xFF;
}

inline std::vector<uint8_t> EncodeBmp(const BmpSpec& s) {
  const bool core = s.headerSize == 12;
  const size_t entry = core ? 3 : 4;
  const size_t maskBytes = (s.compression == 3 && s.headerSize == 40) ? 12 : 0;
  const size_t stride = (static_cast<size_t>(s.width) * s.bits + 31) / 32 * 4;
  const size_t off = 14 + s.headerSize + maskBytes + s.palette.size() * entry;
  std::vector<uint8_t> out(off + stride * s.height, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<uint32_t>(out.size()));
  Put32(out, 10, static_cast<uint32_t>(off));
  Put32(out, 14, s.headerSize);
  if (core) {
    Put16(out, 18, s.width);
    Put16(out, 20, s.height);
    Put16(out, 22, 1);
    Put16(out, 24, s.bits);
  } else {
    Put32(out, 18, s.width);
    Put32(out, 22, s.topDown ? -s.height : s.height);
    Put16(out, 26, 1);
    Put16(out, 28, s.bits);
    Put32(out, 30, s.compression);
    Put32(out, 46, static_cast<uint32_t>(s.palette.size()));
    size_t maskAt = s.headerSize >= 56 ? 54 : 14 + 40;
    if (s.compression == 3 || s.headerSize >= 56)
      for (int i = 0; i < (s.headerSize >= 56 ? 4 : 3); ++i) Put32(out, maskAt + 4 * i, s.masks[i]);
  }
  size_t p = 14 + s.headerSize + maskBytes;
  for (uint32_t c : s.palette) {
    out[p] = c & 0xFF;
    out[p + 1] = (c >> 8) & 0xFF;
    out[p + 2] = (c >> 16) & 0xFF;
    p += entry;
  }
  for (int y = 0; y < s.height; ++y) {
    const size_t row = off + stride * static_cast<size_t>(s.topDown ? y : s.height - 1 - y);
    for (int x = 0; x < s.width; ++x) {
      const uint32_t v = s.pixels[static_cast<size_t>(y) * s.width + x];
      const size_t bit = static_cast<size_t>(x) * s.bits;
      switch (s.bits) {
        case 1:
        case 4:
        case 8:
          out[row + bit / 8] |= static_cast<uint8_t>(v << (8 - s.bits - bit % 8));
          break;
        case 16:
          Put16(out, row + 2 * x, v);
          break;
        case 24:
          out[row + 3 * x] = v & 0xFF;
          out[row + 3 * x + 1] = (v >> 8) & 0xFF;
          out[row + 3 * x + 2] = (v >> 16) & 0xFF;
          break;
        case 32:
          Put32(out, row + 4 * x, v);
          break;
      }
    }
  }
  return out;
}

}  // namespace bmp_test
