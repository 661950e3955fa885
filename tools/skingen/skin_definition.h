// The definition text "longhorn style-blue.ini" of the Longhorn Blue skin: which bitmap each
// section uses, its cut margins, frame counts and flags, the colour scheme and the fonts.
#pragma once

#include <string>

namespace quarnel::skingen {

inline constexpr const char* kDefinitionName = "longhorn style-blue.ini";

// CR LF line ends, as skin authors' tools write them.
std::string LonghornBlueDefinition();

}  // namespace quarnel::skingen
