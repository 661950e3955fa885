// Fuzz target: the form description reader. Any text either fails with EReadError or parses into
// a tree whose written-back form reads again to the same text; parsed trees are then read into
// sample components, which must also end in EReadError or succeed. Pure code, one thread.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/core/error.h"
#include "framework/description/description.h"
#include "framework/description/reader.h"
#include "tests/framework/sample_components.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TDescObject desc;
  try {
    desc = ParseDescription(text);
  } catch (const EReadError&) {
    return 0;
  }

  // What the formatter writes is a description the parser takes back unchanged.
  const std::string written = FormatDescription(desc);
  std::string again;
  try {
    again = FormatDescription(ParseDescription(written));
  } catch (const EReadError&) {
    std::abort();
  }
  if (again != written) std::abort();

  TSample::loadedOrder().clear();
  auto root = TComponent::Make<TSampleRoot>();
  try {
    ReadComponent(*root, desc);
  } catch (const EReadError&) {
  }
  return 0;
}
