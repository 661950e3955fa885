// Parsers and rules for definition-text values. Pure code, any thread.
#include "skin/data/format/skin_values.h"

namespace quarnel {

int32_t ParseRgbTriple(std::string_view text) {
  int32_t channels[3] = {0, 0, 0};
  int taken = 0;
  int32_t number = 0;  // kept modulo 256 while it is read, so long digit runs cannot overflow
  bool inNumber = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      number = (number * 10 + (c - '0')) % 256;
      inNumber = true;
    } else if (inNumber) {
      if (taken < 3) channels[taken++] = number;
      number = 0;
      inNumber = false;
    }
  }
  // A number that runs to the end of the text is the blue channel; beyond three it is dropped.
  if (inNumber && taken < 3) channels[2] = number;
  return channels[0] + channels[1] * 256 + channels[2] * 65536;
}

std::string_view TrimSkinBlanks(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view SkinFileNamePart(std::string_view value) {
  const size_t cut = value.find_last_of("\\/:");
  return cut == std::string_view::npos ? value : value.substr(cut + 1);
}

bool IsSkinImageName(std::string_view value) {
  const std::string_view name = SkinFileNamePart(value);
  const size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos) return false;
  return name.substr(dot) == ".bmp";
}

int32_t CaptionButtonFrameCount(int32_t width, int32_t height, int32_t action) {
  int32_t count = 6;
  // width / height <= 3.8, in integers: x87 arithmetic would otherwise put exactly 3.8 above it.
  if (width > 0 && height > 0) count = int64_t{width} * 5 <= int64_t{height} * 19 ? 3 : 6;
  if (action < 0) count = 6;
  return count;
}

int32_t GlyphStripFrameCount(int32_t width, int32_t height) {
  const int32_t count = width / (height < 16 ? 13 : 16);
  return count < 4 ? 4 : count;
}

}  // namespace quarnel
