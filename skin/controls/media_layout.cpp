// Media-player bar geometry. Pure code.
#include "skin/controls/media_layout.h"

#include <algorithm>
#include <cctype>

namespace quarnel {

const char* const kMediaButtonNames[kMediaButtonCount] = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                                          "btStep", "btBack",  "btRecord", "btEject"};

namespace {
bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(x) == std::tolower(y);
         });
}
}  // namespace

unsigned MediaButtonsInSetText(std::string_view text) {
  unsigned bits = 0;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == '[' || text[i] == ']' || text[i] == ',' || text[i] == ' ')) ++i;
    size_t end = i;
    while (end < text.size() && text[end] != ',' && text[end] != ']' && text[end] != ' ') ++end;
    const std::string_view name = text.substr(i, end - i);
    for (int b = 0; b < kMediaButtonCount; ++b)
      if (SameName(name, kMediaButtonNames[b])) bits |= 1u << b;
    i = end;
  }
  return bits;
}

int VisibleMediaButtonCount(unsigned visible) {
  int n = 0;
  for (int b = 0; b < kMediaButtonCount; ++b) n += (visible >> b) & 1;
  return n;
}

SkinRect MediaButtonCell(int order, int count, int width, int height) {
  const int cell = count > 0 ? width / count : 0;
  return {order * cell, 0, order + 1 == count ? width : (order + 1) * cell, height};
}

int MediaButtonAt(int x, int width, unsigned visible) {
  const int count = VisibleMediaButtonCount(visible);
  if (count == 0 || x < 0 || x >= width) return -1;
  const int cell = std::max(1, width / count);
  const int order = std::min(count - 1, x / cell);
  for (int b = 0, seen = 0; b < kMediaButtonCount; ++b) {
    if (!((visible >> b) & 1)) continue;
    if (seen++ == order) return b;
  }
  return -1;
}

}  // namespace quarnel
