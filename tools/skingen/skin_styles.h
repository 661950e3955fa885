// The skins we ship, as the generator knows them: a name for the folder and package, the skin's
// own name, its definition text's file name and its palette. Pure data.
#pragma once

#include <string_view>
#include <vector>

#include "tools/skingen/palette.h"

namespace quarnel::skingen {

struct TSkinStyle {
  const char* id;              // folder, order file and package name: "longhorn-blue"
  const char* name;            // the "SkinName" of the definition text
  const char* definitionName;  // the definition text's entry name
  const char* description;     // the text's opening comment
  TPalette palette;
};

// Longhorn Blue first: the built-in skin of the program.
const std::vector<TSkinStyle>& ShippedSkins();
// The shipped skin with this id, or null.
const TSkinStyle* FindSkin(std::string_view id);

}  // namespace quarnel::skingen
