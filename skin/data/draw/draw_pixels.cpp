// Key-colour pixel loops over bitmap memory: runs of drawn pixels are found per row and copied
// as a whole when source and destination pixels have the same size. Pure code, any thread.
#include "skin/data/draw/draw_pixels.h"

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quarnel {
namespace {

template <int Bpp>
std::uint32_t ColourBytes(const std::uint8_t* p) {
  if constexpr (Bpp == 4) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v & 0xFFFFFF;
  } else {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
  }
}

// Finds key and drawn pixels along a row of Bpp-byte pixels. Runs of drawn pixels are long, so
// the next key pixel is looked for many pixels at a time.
template <int Bpp>
class KeyFinder {
 public:
  explicit KeyFinder(std::uint32_t keyPixel) : key_(keyPixel) {
#if defined(__SSE2__)
    alignas(16) std::uint8_t repeated[48];
    for (int i = 0; i < 48; ++i)
      repeated[i] = static_cast<std::uint8_t>(keyPixel >> (8 * (i % (Bpp == 3 ? 3 : 4))));
    for (int i = 0; i < 3; ++i)
      pattern_[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(repeated + 16 * i));
#endif
  }

  // First x from `x` on (at most `width`) whose pixel is the key.
  int NextKey(const std::uint8_t* row, int x, int width) const {
#if defined(__SSE2__)
    if constexpr (Bpp == 3) {
      while (x + 16 <= width && !AnyKey16(row + x * 3)) x += 16;
    } else {
      const __m128i colour = _mm_set1_epi32(0xFFFFFF);
      for (; x + 4 <= width; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x * 4));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(pixels, colour), pattern_[0])) != 0) break;
      }
    }
#else
    if constexpr (Bpp == 3) {
      // Four pixels as three words XORed with the key repeated: a key pixel shows as three zero
      // bytes.
      const std::uint32_t k0 = key_ | (key_ << 24), k1 = (key_ >> 8) | (key_ << 16),
                          k2 = (key_ >> 16) | (key_ << 8);
      for (; x + 4 <= width; x += 4) {
        std::uint32_t w[3];
        std::memcpy(w, row + x * 3, sizeof w);
        const std::uint32_t a = w[0] ^ k0, b = w[1] ^ k1, c = w[2] ^ k2;
        if ((a & 0xFFFFFF) == 0 || ((a >> 24) | ((b & 0xFFFF) << 8)) == 0 ||
            ((b >> 16) | ((c & 0xFF) << 16)) == 0 || (c >> 8) == 0)
          break;
      }
    }
#endif
    while (x < width && !IsKey(row + x * Bpp)) ++x;
    return x;
  }
  // First x from `x` on (at most `width`) whose pixel is not the key.
  int NextDrawn(const std::uint8_t* row, int x, int width) const {
    while (x < width && IsKey(row + x * Bpp)) ++x;
    return x;
  }
  bool IsKey(const std::uint8_t* pixel) const {
    return ColourBytes<Bpp>(pixel) == key_;
  }

 private:
#if defined(__SSE2__)
  // Whether one of the sixteen 3-byte pixels from `p` on is the key.
  bool AnyKey16(const std::uint8_t* p) const {
    std::uint64_t equal = 0;
    for (int i = 0; i < 3; ++i) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
      equal |=
          std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern_[i])))}
          << (16 * i);
    }
    // A key pixel: three equal bytes from a multiple of three on.
    return (equal & (equal >> 1) & (equal >> 2) & 0x249249249249ull) != 0;
  }
  __m128i pattern_[3];  // the key's bytes repeated over 48 bytes
#endif
  std::uint32_t key_;
};

template <int SourceBpp, int DestBpp>
void CopyRun(const std::uint8_t* from, std::uint8_t* to, int count) {
  if constexpr (SourceBpp == DestBpp) {
    std::memcpy(to, from, static_cast<std::size_t>(count) * DestBpp);
  } else {
    for (int i = 0; i < count; ++i, from += SourceBpp, to += DestBpp) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      if constexpr (DestBpp == 4) to[3] = 0;
    }
  }
}

template <int SourceBpp, int DestBpp>
void CopyUnkeyed(PixelRows source, MutablePixelRows dest, int width, int height, std::uint32_t keyPixel) {
  const KeyFinder<SourceBpp> find(keyPixel);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* from = source.data + static_cast<std::ptrdiff_t>(y) * source.stride;
    std::uint8_t* to = dest.data + static_cast<std::ptrdiff_t>(y) * dest.stride;
    int x = 0;
    while (x < width) {
      const int start = find.NextDrawn(from, x, width);
      x = find.NextKey(from, start, width);
      if (x > start) CopyRun<SourceBpp, DestBpp>(from + start * SourceBpp, to + start * DestBpp, x - start);
    }
  }
}

template <int Bpp>
void MaskRows(PixelRows source, int width, int height, std::uint32_t keyPixel, std::uint8_t* mask,
              int maskStride) {
  const KeyFinder<Bpp> find(keyPixel);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* from = source.data + static_cast<std::ptrdiff_t>(y) * source.stride;
    std::uint8_t* out = mask + static_cast<std::ptrdiff_t>(y) * maskStride;
    std::memset(out, 0, static_cast<std::size_t>(maskStride));
    for (int x = 0; x < width; ++x)
      if (find.IsKey(from + x * Bpp)) out[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
  }
}

}  // namespace

void CopyUnkeyedPixels(PixelRows source, MutablePixelRows dest, int width, int height,
                       std::uint32_t keyPixel) {
  if (width <= 0 || height <= 0) return;
  const bool wide = source.bytesPerPixel == 4, wideDest = dest.bytesPerPixel == 4;
  if (wide && wideDest) return CopyUnkeyed<4, 4>(source, dest, width, height, keyPixel);
  if (wide) return CopyUnkeyed<4, 3>(source, dest, width, height, keyPixel);
  if (wideDest) return CopyUnkeyed<3, 4>(source, dest, width, height, keyPixel);
  CopyUnkeyed<3, 3>(source, dest, width, height, keyPixel);
}

void BuildKeyMask(PixelRows source, int width, int height, std::uint32_t keyPixel, std::uint8_t* mask,
                  int maskStride) {
  if (width <= 0 || height <= 0) return;
  if (source.bytesPerPixel == 4) return MaskRows<4>(source, width, height, keyPixel, mask, maskStride);
  MaskRows<3>(source, width, height, keyPixel, mask, maskStride);
}

}  // namespace quarnel
