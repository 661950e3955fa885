// The program's own bitmap resources the skin engine uses: the default track images "TRACK"
// and "TRACKVERT" and the menu glyph strip "MANTLEOMENU". UI thread.
#pragma once
#include "framework/graphics/bitmap.h"

namespace quarnel {

// Fills `image` (24 bits per pixel) from the bitmap resource `name` of the program module;
// empty and false when the program carries no such resource.
bool LoadResourceBitmap(const char* name, TBitmap& image);

}  // namespace quarnel
