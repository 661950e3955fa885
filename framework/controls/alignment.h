// Text alignment shared by the standard controls (panel captions, check box sides).
// Any thread: plain enumerations and their names.
#pragma once
#include "framework/core/properties.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Which side of its box a check box or radio button shows its caption on.
enum TLeftRight { lrLeftJustify, lrRightJustify };
const TEnumInfo& AlignmentEnum();
const TEnumInfo& LeftRightEnum();
