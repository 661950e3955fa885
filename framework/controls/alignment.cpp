// Names of the alignment enumerations as descriptions write them. Any thread.
#include "framework/controls/alignment.h"

const TEnumInfo& AlignmentEnum() {
  static const TEnumInfo e{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return e;
}

// A check box's side uses the first two alignment names, as descriptions write them.
const TEnumInfo& LeftRightEnum() {
  static const TEnumInfo e{"TLeftRight", {"taLeftJustify", "taRightJustify"}};
  return e;
}
