// The manifest of the damaged skin corpus (scripts/make-damaged-skins): each package's file,
// damage, expected outcome and the entry it concerns. Test thread.
#pragma once
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace damaged {

inline constexpr char kRefused[] = "load fails, old skin stays";

struct Damage {
  std::string file, kind, outcome, entry;
};

inline std::vector<Damage> Manifest() {
  std::ifstream in(std::string(DAMAGED_SKINS_DIR) + "/MANIFEST.tsv");
  std::vector<Damage> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Damage d;
    std::getline(fields, d.file, '\t');
    std::getline(fields, d.kind, '\t');
    std::getline(fields, d.outcome, '\t');
    std::getline(fields, d.entry, '\t');
    rows.push_back(d);
  }
  return rows;
}

}  // namespace damaged
