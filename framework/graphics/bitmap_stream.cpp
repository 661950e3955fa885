// TBitmap's BMP loading from and saving to standard streams. Kept apart from the bitmap so
// that programs which use memory buffers do not link the stream library. UI thread.
#include <istream>
#include <iterator>
#include <ostream>
#include <vector>

#include "framework/graphics/bitmap.h"

bool TBitmap::LoadFromStream(std::istream& stream) {
  std::vector<uint8_t> data{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
  return LoadFromMemory(data.data(), data.size());
}

void TBitmap::SaveToStream(std::ostream& stream) {
  const std::vector<uint8_t> bytes = SaveToMemory();
  stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
