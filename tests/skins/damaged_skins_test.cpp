// Every package of the damaged corpus (scripts/make-damaged-skins, built from the shipped skins)
// read the way a skin load reads it: package, definition text, the images and values it names.
// Nothing may crash or read astray (the native build runs under the sanitizers), and each
// outcome the manifest states is checked: refused packages leave the previous one in place.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "damaged_manifest.h"
#include "framework/graphics/bmp_decode.h"
#include "skin/data/format/quick_ini.h"
#include "skin/data/format/skin_reader.h"
#include "skin/data/format/skin_values.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using damaged::Damage;
using damaged::Manifest;

fw::bmp::DecodedImage DecodeEntry(const quarnel::TSkinReader& reader, std::string_view name) {
  Bytes bytes;
  reader.ExtractFile(name, bytes);
  return fw::bmp::Decode(bytes.data(), bytes.size());
}

// What a skin load asks of a package: the text, every integer and colour in it, every image it
// names. Returns how many of the named images decoded.
int ReadLikeASkinLoad(const quarnel::TSkinReader& reader) {
  Bytes text;
  std::string iniName;
  reader.ExtractByExtension(".ini", text, iniName);
  quarnel::TQuickIni ini;
  ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  int decoded = 0;
  std::string section;
  for (const std::string& line : ini.Lines()) {
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const std::string key = line.substr(0, line.find('='));
    const std::string value = ini.ReadString(section, key, "");
    ini.ReadInteger(section, key, 0);
    quarnel::ParseRgbTriple(value);
    if (!quarnel::IsSkinImageName(value)) continue;
    const fw::bmp::DecodedImage image = DecodeEntry(reader, quarnel::SkinFileNamePart(value));
    if (image.empty()) continue;
    EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height);
    ++decoded;
  }
  return decoded;
}

TEST(DamagedSkins, EveryPackageLoadsOrIsRefusedAsTheManifestSays) {
  const std::vector<Damage> damages = Manifest();
  ASSERT_GE(damages.size(), 30u);

  const Bytes good = ReadFile(LONGHORN_BLUE_SKN);
  quarnel::TSkinReader healthy;
  ASSERT_TRUE(healthy.Load(good));
  const int healthyImages = ReadLikeASkinLoad(healthy);
  ASSERT_GT(healthyImages, 30);

  int refused = 0, emptied = 0;
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.file + ": " + d.kind);
    const Bytes bytes = ReadFile(std::string(DAMAGED_SKINS_DIR) + "/" + d.file);
    quarnel::TSkinReader reader;
    ASSERT_TRUE(reader.Load(good));
    const bool loaded = reader.Load(bytes);
    if (d.outcome == damaged::kRefused) {
      ++refused;
      EXPECT_FALSE(loaded);
      EXPECT_EQ(reader.Names(), healthy.Names());  // the previous package is still served
      EXPECT_EQ(reader.Data(), healthy.Data());
      continue;
    }
    EXPECT_TRUE(loaded);
    const int images = ReadLikeASkinLoad(reader);
    if (d.entry == "-") continue;
    if (d.entry.ends_with(".ini")) {
      Bytes text;
      reader.ExtractFile(d.entry, text);
      EXPECT_TRUE(text.empty());
    } else if (d.outcome == "loads") {
      // Re-encoded with a palette that holds every colour: the very same pixels.
      const fw::bmp::DecodedImage image = DecodeEntry(reader, d.entry);
      const fw::bmp::DecodedImage original = DecodeEntry(healthy, d.entry);
      EXPECT_EQ(image.width, original.width);
      EXPECT_EQ(image.height, original.height);
      EXPECT_TRUE(image.pixels == original.pixels);
      EXPECT_EQ(images, healthyImages);
    } else {
      ++emptied;
      EXPECT_TRUE(DecodeEntry(reader, d.entry).empty());
      EXPECT_LT(images, healthyImages);
    }
  }
  EXPECT_GE(refused, 5);
  EXPECT_GE(emptied, 10);
}

}  // namespace
