// SkinStream data: block layout, hex formatting like the description writer's, and a line-based
// replacement that leaves the rest of the description (including 8-bit texts) untouched.
#include "tools/skingen/skin_stream.h"

#include <algorithm>
#include <stdexcept>

namespace quarnel::skingen {
namespace {

constexpr std::size_t kBytesPerLine = 32;

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
  while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
  return line;
}

bool StartsWithWord(std::string_view text, std::string_view word) {
  return text.size() > word.size() && text.starts_with(word) && text[word.size()] == ' ';
}

struct TLine {
  std::size_t begin, end;  // end includes the line break
};

std::vector<TLine> SplitLines(std::string_view text) {
  std::vector<TLine> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back({begin, end});
    begin = end;
  }
  return lines;
}

}  // namespace

std::vector<std::uint8_t> SkinStreamBlock(std::span<const std::uint8_t> packed) {
  if (packed.size() > 0x7FFFFFFF) throw std::invalid_argument("package too large for a SkinStream");
  const auto size = static_cast<std::uint32_t>(packed.size());
  std::vector<std::uint8_t> block(4 + packed.size());
  for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
  std::copy(packed.begin(), packed.end(), block.begin() + 4);
  return block;
}

std::string SkinStreamProperty(std::span<const std::uint8_t> packed, int indent) {
  static const char* hex = "0123456789ABCDEF";
  const std::string margin(std::size_t(indent), ' ');
  const std::vector<std::uint8_t> block = SkinStreamBlock(packed);
  std::string text = margin + "SkinStream = {";
  for (std::size_t i = 0; i < block.size(); ++i) {
    if (i % kBytesPerLine == 0) text += "\n" + margin + "  ";
    text += hex[block[i] >> 4];
    text += hex[block[i] & 15];
  }
  return text + "}\n";
}

std::string ReplaceSkinStream(std::string_view description, std::string_view objectName,
                              std::span<const std::uint8_t> packed) {
  const std::vector<TLine> lines = SplitLines(description);
  auto text = [&](std::size_t i) {
    return description.substr(lines[i].begin, lines[i].end - lines[i].begin);
  };
  const std::string header = "object " + std::string(objectName) + ":";
  std::size_t i = 0;
  while (i < lines.size() && !Trimmed(text(i)).starts_with(header)) ++i;
  if (i == lines.size()) throw std::invalid_argument("no object " + std::string(objectName));
  // Walk the object's own lines; nested objects are skipped by depth.
  int depth = 0;
  for (++i; i < lines.size(); ++i) {
    const std::string_view line = Trimmed(text(i));
    if (StartsWithWord(line, "object") || StartsWithWord(line, "inherited") ||
        StartsWithWord(line, "inline")) {
      ++depth;
    } else if (line == "end") {
      if (depth-- == 0) break;
    } else if (depth == 0 && line.starts_with("SkinStream = {")) {
      std::size_t last = i;
      while (last < lines.size() && text(last).find('}') == std::string_view::npos) ++last;
      if (last == lines.size()) throw std::invalid_argument("SkinStream value without its closing brace");
      const std::string_view first = text(i);
      const int indent = int(first.find_first_not_of(' '));
      std::string result(description.substr(0, lines[i].begin));
      result += SkinStreamProperty(packed, indent);
      result += description.substr(lines[last].end);
      return result;
    }
  }
  throw std::invalid_argument("object " + std::string(objectName) + " has no SkinStream property");
}

}  // namespace quarnel::skingen
