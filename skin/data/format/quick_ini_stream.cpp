// TQuickIni's loading from a standard stream. Kept apart from the reader so that programs
// which hand it text do not link the stream library. Any thread.
#include <istream>
#include <iterator>

#include "skin/data/format/quick_ini.h"

namespace quarnel {

void TQuickIni::LoadFromStream(std::istream* stream) {
  if (stream == nullptr) return;
  const std::string text{std::istreambuf_iterator<char>(*stream), std::istreambuf_iterator<char>()};
  LoadFromText(text);
}

}  // namespace quarnel
