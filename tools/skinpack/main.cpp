// skinpack: command-line tool for skin authors to build and inspect skin packages (.skn).
#include <iostream>
#include <string>
#include <vector>

#include "tools/skinpack/skinpack_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return quarnel::skinpack::RunSkinpack(args, std::cout, std::cerr);
}
