// skinstream: writes a packed skin package as the "SkinStream" data of a form description.
//   skinstream <package.skn> <out.txt>                                  the property text alone
//   skinstream <package.skn> <out.form> --into <in.form> --object <name>  a description with the
//                                        named object's SkinStream replaced by the package
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/skingen/skin_stream.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), std::streamsize(text.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool fragment = args.size() == 2;
  const bool splice = args.size() == 6 && args[2] == "--into" && args[4] == "--object";
  if (!fragment && !splice) {
    std::cerr << "usage: skinstream <package.skn> <out.txt>\n"
                 "       skinstream <package.skn> <out.form> --into <in.form> --object <name>\n";
    return 2;
  }
  try {
    const std::string package = ReadAll(args[0]);
    const std::vector<std::uint8_t> packed(package.begin(), package.end());
    const std::string text = fragment
                                 ? quarnel::skingen::SkinStreamProperty(packed, 4)
                                 : quarnel::skingen::ReplaceSkinStream(ReadAll(args[3]), args[5], packed);
    WriteAll(args[1], text);
  } catch (const std::exception& problem) {
    std::cerr << "skinstream: " << problem.what() << "\n";
    return 1;
  }
  return 0;
}
