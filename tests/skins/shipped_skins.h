// The skins we ship as the tests expect them: names, whether the skin is dark, and where its
// committed sources, built package and SkinStream text are (paths the test process can open).
#pragma once

#include <ostream>
#include <string>

#include "skin_files.h"

namespace quarnel::skintest {

struct TShippedSkin {
  const char* id;              // folder and package name
  const char* name;            // "SkinName" of its definition text
  const char* definitionName;  // entry name of the definition text
  bool dark;                   // dark faces and light text
  const char* dir;
  const char* package;
  const char* stream;

  std::string SourceDir() const { return LocalPath(dir); }
  std::string PackagePath() const { return LocalPath(package); }
  std::string StreamPath() const { return LocalPath(stream); }
};

inline const TShippedSkin kShippedSkins[] = {
    {"longhorn-blue", "Longhorn Blue", "longhorn style-blue.ini", false, LONGHORN_BLUE_DIR, LONGHORN_BLUE_SKN,
     LONGHORN_BLUE_STREAM},
    {"graphite-dark", "Graphite Dark", "graphite style-dark.ini", true, GRAPHITE_DARK_DIR, GRAPHITE_DARK_SKN,
     GRAPHITE_DARK_STREAM},
};

// Test names: LonghornBlue, GraphiteDark.
inline std::string SkinTestName(const TShippedSkin& skin) {
  std::string name;
  bool upper = true;
  for (const char* c = skin.id; *c; ++c) {
    if (*c == '-') {
      upper = true;
      continue;
    }
    name += upper ? char(*c - 'a' + 'A') : *c;
    upper = false;
  }
  return name;
}

inline void PrintTo(const TShippedSkin& skin, std::ostream* out) {
  *out << skin.id;
}

}  // namespace quarnel::skintest
