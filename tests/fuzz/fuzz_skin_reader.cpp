// Fuzz target: loading a packed package and, separately, parsing the input as an unpacked
// package, then extracting every entry; extracted bytes never exceed the declared sizes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "skin/data/format/skin_reader.h"

namespace {

void ExtractAll(const quarnel::TSkinReader& reader) {
  std::vector<std::uint8_t> target;
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    if (!reader.ExtractFile(reader.Names()[i], target)) std::abort();
    // A repeated name finds its first entry.
    std::size_t first = 0;
    while (reader.Names()[first] != reader.Names()[i]) ++first;
    if (target.size() > reader.Sizes()[first]) std::abort();
  }
  std::string name;
  for (const char* text : {".ini", ".bmp", ""}) reader.ExtractByExtension(text, target, name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);

  quarnel::TSkinReader packed;
  if (packed.Load(bytes)) ExtractAll(packed);
  if (packed.Data().size() > quarnel::TSkinReader::UnpackedSizeLimit(size) + 59) std::abort();

  quarnel::TSkinReader unpacked;
  if (unpacked.LoadUnpacked(bytes)) {
    if (unpacked.Names().size() > quarnel::kMaxSkinEntries) std::abort();
    ExtractAll(unpacked);
  }
  return 0;
}
