// libFuzzer target for BMP decoding: any input must decode to a consistent image or to nothing,
// without reading outside the data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/graphics/bmp_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fw::bmp::DecodedImage img = fw::bmp::Decode(data, size);
  if (!img.empty()) {
    // A decoded image is never larger than its pixel data allows and always fully filled.
    if (img.width <= 0 || img.height <= 0 ||
        img.pixels.size() != static_cast<size_t>(img.width) * static_cast<size_t>(img.height))
      std::abort();
    if (static_cast<uint64_t>(img.width) * img.height > static_cast<uint64_t>(fw::bmp::kMaxPixels))
      std::abort();
  }
  return 0;
}
