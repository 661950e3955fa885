// Windows BMP decoding into a 32-bit pixel buffer; every offset is checked before it is read.
// Pure code, any thread.
#include "framework/graphics/bmp_decode.h"

#include <array>

namespace fw::bmp {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
int32_t I32(const uint8_t* p) {
  return static_cast<int32_t>(U32(p));
}

// One colour channel of a 16- or 32-bit pixel, described by its bit mask.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  uint8_t Extract(uint32_t pixel) const {
    if (bits == 0) return 0;
    uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    uint32_t top = (1u << bits) - 1;
    return static_cast<uint8_t>((v * 255 + top / 2) / top);
  }
};

// A mask must be one run of set bits inside the pixel; an empty mask reads as 0.
bool MakeChannel(uint32_t mask, int pixelBits, Channel& out) {
  out = Channel{};
  if (mask == 0) return true;
  if (pixelBits < 32 && (mask >> pixelBits) != 0) return false;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  uint32_t run = mask >> shift;
  if ((run & (run + 1)) != 0) return false;
  int bits = 0;
  while (run != 0) {
    ++bits;
    run >>= 1;
  }
  out = Channel{mask, shift, bits};
  return true;
}

struct Header {
  uint32_t size = 0;
  int64_t width = 0, height = 0;
  int planes = 0, bits = 0;
  uint32_t compression = kRgb;
  uint32_t colorsUsed = 0;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha
  bool hasMasks = false;
};

bool ReadInfoHeader(const uint8_t* data, size_t size, Header& h) {
  if (size < kFileHeaderSize + 4) return false;
  const uint8_t* p = data + kFileHeaderSize;
  h.size = U32(p);
  if (h.size > size - kFileHeaderSize) return false;
  if (h.size == 12) {  // OS/2 core header: 16-bit sizes, 3-byte palette entries
    h.width = U16(p + 4);
    h.height = U16(p + 6);
    h.planes = U16(p + 8);
    h.bits = U16(p + 10);
    return true;
  }
  if (h.size != 40 && h.size != 52 && h.size != 56 && h.size != 108 && h.size != 124) return false;
  h.width = I32(p + 4);
  h.height = I32(p + 8);
  h.planes = U16(p + 12);
  h.bits = U16(p + 14);
  h.compression = U32(p + 16);
  h.colorsUsed = U32(p + 32);
  if (h.size >= 52) {
    for (int i = 0; i < 3; ++i) h.masks[i] = U32(p + 40 + 4 * i);
    h.hasMasks = true;
  }
  if (h.size >= 56) h.masks[3] = U32(p + 52);
  return true;
}

bool ValidDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Run-length pixel data (BI_RLE8 on 8 bits, BI_RLE4 on 4 bits), bottom-up. A run is a count and
// an index byte (two alternating nibbles in RLE4); a zero count starts an escape: 0 end of line,
// 1 end of bitmap, 2 a move right and up, 3 or more a literal run padded to a whole word.
// Pixels the data never reaches keep index 0, as in a freshly made indexed bitmap; pixels past
// the right edge are dropped, and data that stops early ends the image where it stops.
void DecodeRle(const uint8_t* src, size_t size, int bits, const std::vector<uint32_t>& palette,
               DecodedImage& img) {
  const size_t width = static_cast<size_t>(img.width), rows = static_cast<size_t>(img.height);
  const uint32_t background = palette.empty() ? 0 : palette[0];
  img.pixels.assign(width * rows, background);
  size_t pos = 0, x = 0, row = 0;  // row counts from the bottom
  auto put = [&](uint32_t index) {
    if (x < width && row < rows)
      img.pixels[(rows - 1 - row) * width + x] = index < palette.size() ? palette[index] : 0;
    ++x;
  };
  while (row < rows && size - pos >= 2) {
    const uint8_t count = src[pos], value = src[pos + 1];
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) put(bits == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
      continue;
    }
    if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (size - pos < 2) return;
      x += src[pos];
      row += src[pos + 1];
      pos += 2;
    } else {
      const size_t bytes = bits == 8 ? value : (value + 1u) / 2;
      if (size - pos < bytes) return;
      for (unsigned i = 0; i < value; ++i)
        put(bits == 8 ? src[pos + i] : (i % 2 == 0 ? src[pos + i / 2] >> 4 : src[pos + i / 2] & 0x0F));
      pos += bytes + bytes % 2;  // literal runs end on a word boundary
      if (pos > size) return;
    }
  }
}

}  // namespace

DecodedImage Decode(const uint8_t* data, size_t size) {
  DecodedImage none;
  if (data == nullptr || size < kFileHeaderSize || data[0] != 'B' || data[1] != 'M') return none;
  Header h;
  if (!ReadInfoHeader(data, size, h)) return none;
  if (h.planes != 1 || !ValidDepth(h.bits) || h.width <= 0 || h.height == 0) return none;
  const bool topDown = h.height < 0;
  const int64_t height = topDown ? -h.height : h.height;
  if (h.width > kMaxSide || height > kMaxSide || h.width * height > kMaxPixels) return none;
  if (h.compression == kBitFields) {
    if (h.bits != 16 && h.bits != 32) return none;
  } else if (h.compression == kRle8 || h.compression == kRle4) {
    // Run-length data runs bottom-up only, each kind at its own depth.
    if (h.bits != (h.compression == kRle8 ? 8 : 4) || topDown) return none;
  } else if (h.compression != kRgb) {
    return none;  // embedded JPEG/PNG images are not supported
  }

  size_t pos = kFileHeaderSize + h.size;
  if (h.compression == kBitFields && !h.hasMasks) {
    if (size - pos < 12) return none;
    for (int i = 0; i < 3; ++i) h.masks[i] = U32(data + pos + 4 * i);
    pos += 12;
  }

  std::vector<uint32_t> palette;
  if (h.bits <= 8) {
    const uint32_t maxEntries = 1u << h.bits;
    const uint32_t count = (h.size == 12 || h.colorsUsed == 0) ? maxEntries : h.colorsUsed;
    if (count > maxEntries) return none;
    const size_t entrySize = h.size == 12 ? 3 : 4;
    if ((size - pos) / entrySize < count) return none;
    palette.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* e = data + pos + i * entrySize;
      palette[i] = uint32_t{e[0]} | (uint32_t{e[1]} << 8) | (uint32_t{e[2]} << 16);
    }
    pos += count * entrySize;
  }

  const size_t offBits = U32(data + 10);
  if (offBits < pos || offBits > size) return none;
  const size_t width = static_cast<size_t>(h.width);
  const size_t rows = static_cast<size_t>(height);
  if (h.compression == kRle8 || h.compression == kRle4) {
    DecodedImage img;
    img.width = static_cast<int>(width);
    img.height = static_cast<int>(rows);
    img.source_bits = h.bits;
    DecodeRle(data + offBits, size - offBits, h.bits, palette, img);
    return img;
  }
  const size_t rowBytes = (width * h.bits + 7) / 8;
  const size_t stride = (width * h.bits + 31) / 32 * 4;
  // The last row may lack its padding; nothing past its last pixel byte is read.
  if (size - offBits < rowBytes || (size - offBits - rowBytes) / stride < rows - 1) return none;

  Channel r, g, b, a;
  if (h.bits == 16 || h.bits == 32) {
    std::array<uint32_t, 4> m = h.masks;
    if (h.compression == kRgb) {
      m = h.bits == 16 ? std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                       : std::array<uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0xFF000000u};
    }
    if (!MakeChannel(m[0], h.bits, r) || !MakeChannel(m[1], h.bits, g) || !MakeChannel(m[2], h.bits, b) ||
        !MakeChannel(m[3], h.bits, a))
      return none;
  }

  DecodedImage img;
  img.width = static_cast<int>(width);
  img.height = static_cast<int>(rows);
  img.source_bits = h.bits;
  img.pixels.resize(width * rows);
  for (size_t y = 0; y < rows; ++y) {
    const uint8_t* src = data + offBits + (topDown ? y : rows - 1 - y) * stride;
    uint32_t* dst = img.pixels.data() + y * width;
    for (size_t x = 0; x < width; ++x) {
      uint32_t px = 0;
      switch (h.bits) {
        case 1:
        case 4:
        case 8: {
          const size_t bit = x * h.bits;
          const unsigned shift = 8 - h.bits - bit % 8;
          const uint32_t index = (src[bit / 8] >> shift) & ((1u << h.bits) - 1);
          px = index < palette.size() ? palette[index] : 0;  // a stray index reads as black
          break;
        }
        case 16:
        case 32: {
          const uint32_t raw = h.bits == 16 ? U16(src + 2 * x) : U32(src + 4 * x);
          px = uint32_t{b.Extract(raw)} | (uint32_t{g.Extract(raw)} << 8) | (uint32_t{r.Extract(raw)} << 16) |
               (uint32_t{a.Extract(raw)} << 24);
          break;
        }
        case 24:
          px = uint32_t{src[3 * x]} | (uint32_t{src[3 * x + 1]} << 8) | (uint32_t{src[3 * x + 2]} << 16);
          break;
      }
      dst[x] = px;
    }
  }
  return img;
}

}  // namespace fw::bmp
