// libFuzzer target for the definition-text value parsers: colour triples and image names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/data/format/skin_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int32_t colour = quarnel::ParseRgbTriple(text);
  if (colour < 0 || colour > 0xFFFFFF) std::abort();
  const std::string_view name = quarnel::SkinFileNamePart(text);
  if (name.size() > text.size() || text.substr(text.size() - name.size()) != name) std::abort();
  if (quarnel::IsSkinImageName(text) && (name.size() < 4 || name.substr(name.size() - 4) != ".bmp"))
    std::abort();
  return 0;
}
