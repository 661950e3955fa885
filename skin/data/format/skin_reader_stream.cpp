// TSkinReader's loading from a standard stream. Kept apart from the reader so that programs
// which hand it bytes do not link the stream library. Any thread.
#include <istream>
#include <iterator>

#include "skin/data/format/skin_reader.h"

namespace quarnel {

bool TSkinReader::Load(std::istream& packed) {
  packed.clear();
  packed.seekg(0);
  const Bytes bytes{std::istreambuf_iterator<char>(packed), std::istreambuf_iterator<char>()};
  return Load(bytes);
}

}  // namespace quarnel
