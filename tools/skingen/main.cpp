// skingen: draws the Longhorn Blue skin and writes its files into a folder, or lists them.
//   skingen write <folder>   the 35 files of the skin
//   skingen order            entry names in package order, one a line
//   skingen manifest         name, frame count and layout (h side by side, v stacked) per line
//   skingen preview <out.bmp> a mock-up of windows and controls; its texts, one a line, on stdout
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/skingen/skin_generator.h"
#include "tools/skingen/skin_preview.h"

namespace {

namespace fs = std::filesystem;
using quarnel::skingen::GenerateLonghornBlue;

int Write(const fs::path& folder) {
  fs::create_directories(folder);
  for (const auto& file : GenerateLonghornBlue()) {
    std::ofstream out(folder / file.name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()), std::streamsize(file.bytes.size()));
    if (!out) {
      std::cerr << "skingen: cannot write " << (folder / file.name).string() << "\n";
      return 1;
    }
  }
  return 0;
}

// Texts as "x y width height light centred text" lines for the review script to write in.
int Preview(const fs::path& target) {
  using namespace quarnel::skingen;
  const auto bytes = EncodeBmp(DrawPreview(DrawLonghornBlueBitmaps()));
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) {
    std::cerr << "skingen: cannot write " << target.string() << "\n";
    return 1;
  }
  for (const TPreviewText& t : kPreviewTexts) {
    std::cout << t.x << " " << t.y << " " << t.width << " " << t.height << " " << (t.light ? 1 : 0) << " "
              << (t.centred ? 1 : 0) << " " << t.text << "\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "write" && argc == 3) return Write(argv[2]);
    if (command == "preview" && argc == 3) return Preview(argv[2]);
    if (command == "order" && argc == 2) {
      for (const auto& name : quarnel::skingen::LonghornBlueOrder()) std::cout << name << "\n";
      return 0;
    }
    if (command == "manifest" && argc == 2) {
      for (const auto& file : GenerateLonghornBlue()) {
        std::cout << file.name << "\t" << file.frames << "\t" << (file.stacked ? "v" : "h") << "\n";
      }
      return 0;
    }
  } catch (const std::exception& problem) {
    std::cerr << "skingen: " << problem.what() << "\n";
    return 1;
  }
  std::cerr << "usage: skingen write <folder> | order | manifest | preview <out.bmp>\n";
  return 2;
}
