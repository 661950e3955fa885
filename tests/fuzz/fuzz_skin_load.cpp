// Fuzz target: the whole load of a skin as far as it runs without Windows. The input is the
// form's stored package (signed byte count, then the packed package) or, after a first byte of 1,
// an unpacked package. The definition text is read the way the element loader reads it: each
// section's image decoded, its margins, frame count and tiling read and turned into the pieces a
// paint would copy. Pure code, one thread.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/bmp_decode.h"
#include "skin/data/draw/draw_geometry.h"
#include "skin/data/format/quick_ini.h"
#include "skin/data/format/skin_definition.h"
#include "skin/data/format/skin_reader.h"
#include "skin/data/format/skin_values.h"

namespace {

using quarnel::TSkinDefinition;
using quarnel::TSkinReader;

// The element loader's rule: the value names an entry, or its file-name part does.
fw::bmp::DecodedImage PackageImage(const TSkinReader& package, std::string_view value) {
  if (!quarnel::IsSkinImageName(value)) return {};
  TSkinReader::Bytes bytes;
  if (!package.ExtractFile(value, bytes)) package.ExtractFile(quarnel::SkinFileNamePart(value), bytes);
  fw::bmp::DecodedImage image = fw::bmp::Decode(bytes.data(), bytes.size());
  if (!image.empty() && image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    std::abort();
  return image;
}

// Every piece a paint would copy lands inside the element's own rectangle.
void CheckPieces(const quarnel::SkinPieces& pieces, int width, int height) {
  for (const quarnel::SkinPiece& piece : pieces) {
    const quarnel::SkinRect& d = piece.dest;
    if (d.left < 0 || d.top < 0 || d.right > width || d.bottom > height || d.Inverted()) std::abort();
  }
}

// One element record: its image, frame count, margins and tiling, cut as the frame painter cuts.
void ReadRecord(const TSkinReader& package, const TSkinDefinition& text, const std::string& section,
                const std::string& value) {
  const fw::bmp::DecodedImage image = PackageImage(package, value);
  int32_t frames = text.ReadInteger(section, "Frame", 0);
  const int32_t action = text.ReadInteger(section, "Action", 0);
  if (frames == 0) frames = quarnel::CaptionButtonFrameCount(image.width, image.height, action);
  quarnel::GlyphStripFrameCount(image.width, image.height);
  const quarnel::SkinMargins margins{
      text.ReadInteger(section, "LeftWidth", 0), text.ReadInteger(section, "TopHeight", 0),
      text.ReadInteger(section, "RightWidth", 0), text.ReadInteger(section, "BottomHeight", 0)};
  const bool tile = text.ReadInteger(section, "Tile", 0) != 1;
  text.ReadColor(section, "NormalColour2", 0);
  if (image.empty()) return;
  for (const bool vertical : {false, true}) {
    for (int frame = 1; frame <= 3; ++frame) {
      const quarnel::SkinRect r = quarnel::SelectFrame(image.width, image.height, frames, frame, vertical);
      if (r.left < 0 || r.top < 0 || r.right > image.width || r.bottom > image.height) std::abort();
      const int width = 2 * image.width + 1, height = image.height + 7;
      CheckPieces(quarnel::NinePieces(r, width, height, margins, tile), width, height);
      quarnel::BarPieces(r, 3 * image.width, image.height, margins.LeftWidth, margins.RightWidth);
    }
  }
}

void ReadLikeASkinLoad(const TSkinReader& package) {
  TSkinReader::Bytes bytes;
  std::string iniName;
  package.ExtractByExtension(".ini", bytes, iniName);
  const std::string_view source(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  TSkinDefinition text;
  text.LoadFromText(source);
  text.ReadString("TitlebarSkin", "SkinName");
  // Keys are taken from the lines themselves so that every image a section names is read.
  quarnel::TQuickIni lines;
  lines.LoadFromText(source);
  std::string section;
  for (const std::string& line : lines.Lines()) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const std::string key = line.substr(0, line.find('='));
    const std::string value = text.ReadString(section, key);
    text.ReadInteger(section, key, 0);
    quarnel::ParseRgbTriple(value);
    if (quarnel::IsSkinImageName(value)) ReadRecord(package, text, section, value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  TSkinReader package;
  const bool loaded = data[0] == 1 ? package.LoadUnpacked(rest) : package.Load(quarnel::StoredPackage(rest));
  if (loaded) ReadLikeASkinLoad(package);
  return 0;
}
