// skingen: draws a shipped skin and writes its files into a folder, or lists them.
//   skingen [--skin <id>] write <folder>   the 35 files of the skin and the @2x variants of the bitmaps
//   skingen [--skin <id>] order            entry names in package order, one a line
//   skingen [--skin <id>] manifest         name, frame count and layout (h side by side, v stacked)
//   skingen [--skin <id>] preview <out.bmp> a mock-up of windows and controls; its texts on stdout
//   skingen skins                          the ids of the shipped skins, one a line
// Without --skin: longhorn-blue, the built-in skin.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/skingen/skin_generator.h"
#include "tools/skingen/skin_preview.h"

namespace {

namespace fs = std::filesystem;
using namespace quarnel::skingen;

int Write(const TSkinStyle& skin, const fs::path& folder) {
  fs::create_directories(folder);
  std::vector<TSkinFile> files = GenerateSkin(skin);
  for (TSkinFile& variant : GenerateDensityVariants(skin)) files.push_back(std::move(variant));
  for (const auto& file : files) {
    std::ofstream out(folder / file.name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()), std::streamsize(file.bytes.size()));
    if (!out) {
      std::cerr << "skingen: cannot write " << (folder / file.name).string() << "\n";
      return 1;
    }
  }
  return 0;
}

// Texts as "x y width height RRGGBB centred text" lines for the review script to write in.
int Preview(const TSkinStyle& skin, const fs::path& target) {
  const auto bytes = EncodeBmp(DrawPreview(skin.palette, DrawSkinBitmaps(skin.palette, 1)));
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) {
    std::cerr << "skingen: cannot write " << target.string() << "\n";
    return 1;
  }
  for (const TPreviewText& t : kPreviewTexts) {
    const TRgb c = PreviewTextColour(skin.palette, t.role);
    char colour[8];
    std::snprintf(colour, sizeof colour, "%02X%02X%02X", c.r, c.g, c.b);
    std::cout << t.x << " " << t.y << " " << t.width << " " << t.height << " " << colour << " "
              << (t.centred ? 1 : 0) << " " << t.text << "\n";
  }
  return 0;
}

constexpr int kNotACommand = -1;

int Run(const TSkinStyle& skin, const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "write" && args.size() == 2) return Write(skin, args[1]);
  if (command == "preview" && args.size() == 2) return Preview(skin, args[1]);
  if (command == "order" && args.size() == 1) {
    for (const auto& name : SkinOrder(skin)) std::cout << name << "\n";
    return 0;
  }
  if (command == "manifest" && args.size() == 1) {
    for (const auto& file : GenerateSkin(skin)) {
      std::cout << file.name << "\t" << file.frames << "\t" << (file.stacked ? "v" : "h") << "\n";
    }
    return 0;
  }
  if (command == "skins" && args.size() == 1) {
    for (const TSkinStyle& shipped : ShippedSkins()) std::cout << shipped.id << "\n";
    return 0;
  }
  return kNotACommand;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const TSkinStyle* skin = &ShippedSkins().front();
  if (args.size() >= 2 && args[0] == "--skin") {
    skin = FindSkin(args[1]);
    if (!skin) {
      std::cerr << "skingen: no shipped skin is called " << args[1] << "\n";
      return 2;
    }
    args.erase(args.begin(), args.begin() + 2);
  }
  try {
    const int result = Run(*skin, args);
    if (result != kNotACommand) return result;
  } catch (const std::exception& problem) {
    std::cerr << "skingen: " << problem.what() << "\n";
    return 1;
  }
  std::cerr << "usage: skingen [--skin <id>] write <folder> | order | manifest | preview <out.bmp>\n"
               "       skingen skins\n";
  return 2;
}
