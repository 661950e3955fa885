// The frame's metrics as a value: the border and caption sizes a skin imposes, computed from
// its border pieces alone (the rule over numbers is FramePieceSize of form_skin_geometry.h).
// Pure over the skin's records, any thread that owns them.
#pragma once
#include "skin/frame/form_skin_geometry.h"

namespace quarnel {

class TSkinData;

// The sizes for a window of that border: none for a window without one. The menu band is not
// the skin's to say: it is left 0.
FrameSizes SkinBorderSizes(const TSkinData& skin, bool noBorder);

}  // namespace quarnel
