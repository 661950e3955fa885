// BMP check: file header, one of the known info header sizes, plausible dimensions and bit
// depth, and (for uncompressed data) pixel rows that fit in the file.
#include "tools/skinpack/bitmap_check.h"

#include <cstdlib>

namespace quarnel::skinpack {
namespace {

std::uint32_t Read(std::span<const std::uint8_t> bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
  return value;
}

bool KnownInfoSize(std::uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

}  // namespace

std::string BitmapProblem(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12) return "too short for a bitmap";
  if (bytes[0] != 'B' || bytes[1] != 'M') return "does not start with \"BM\"";
  const std::uint32_t fileSize = Read(bytes, 2, 4);
  const std::uint32_t pixelsAt = Read(bytes, 10, 4);
  const std::uint32_t infoSize = Read(bytes, 14, 4);
  if (fileSize > bytes.size()) return "file size field larger than the entry";
  if (!KnownInfoSize(infoSize)) return "unknown info header size " + std::to_string(infoSize);
  if (kFileHeader + infoSize > bytes.size()) return "info header runs past the end";
  if (pixelsAt < kFileHeader + infoSize || pixelsAt >= bytes.size()) {
    return "pixel data offset outside the file";
  }

  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  if (infoSize == 12) {
    width = Read(bytes, 18, 2);
    height = Read(bytes, 20, 2);
    planes = Read(bytes, 22, 2);
    bitsPerPixel = Read(bytes, 24, 2);
  } else {
    width = static_cast<std::int32_t>(Read(bytes, 18, 4));
    height = static_cast<std::int32_t>(Read(bytes, 22, 4));
    planes = Read(bytes, 26, 2);
    bitsPerPixel = Read(bytes, 28, 2);
    compression = Read(bytes, 30, 4);
  }
  if (width <= 0 || height == 0) return "empty or negative dimensions";
  if (planes != 1) return "plane count is not 1";
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 &&
      bitsPerPixel != 24 && bitsPerPixel != 32) {
    return "unsupported bit depth " + std::to_string(bitsPerPixel);
  }
  const bool rle = (compression == 1 && bitsPerPixel == 8) || (compression == 2 && bitsPerPixel == 4);
  const bool plain = compression == 0 || (compression == 3 && (bitsPerPixel == 16 || bitsPerPixel == 32));
  if (!rle && !plain) return "unsupported compression " + std::to_string(compression);
  if (plain) {
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const std::int64_t pixelBytes = rowBytes * std::llabs(height);
    if (pixelsAt + pixelBytes > static_cast<std::int64_t>(bytes.size())) {
      return "pixel rows run past the end";
    }
  }
  return {};
}

}  // namespace quarnel::skinpack
