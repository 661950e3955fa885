// The definition text of a skin (for Longhorn Blue "longhorn style-blue.ini"): which bitmap each
// section uses, its cut margins, frame counts and flags, the colour scheme and the fonts.
#pragma once

#include <string>

#include "tools/skingen/skin_styles.h"

namespace quarnel::skingen {

// CR LF line ends, as skin authors' tools write them. Every skin has the same sections and
// keys; only the names and the colours differ.
std::string SkinDefinition(const TSkinStyle& skin);

}  // namespace quarnel::skingen
