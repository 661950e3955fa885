// What the frame painting files share: the scratch bitmap of the frame module, the painting
// of a border piece, the count of window regions built (so that callers and tests can see a region is built
// once per size) and the regions kept for reuse. UI thread.
#pragma once

#include <windows.h>

class TBitmap;

namespace quarnel {

class TDataSkinBorder;

// A border piece's nine-part image over `rect` of `target`: its active frame or, when not
// `active`, its inactive one. `stacked` for the top and bottom pieces.
void PaintBorderPiece(TDataSkinBorder* element, bool stacked, bool active, const RECT& rect, HDC target);

// The module's scratch bitmap, made on first use and kept until the module ends.
TBitmap* FrameScratchBitmap();
// Window regions built by UpdateWindowRegion since the module started, over all frames.
int RegionBuildCount();
// Drops the regions kept for skins and sizes that come back (benchmarks measure a build).
void ForgetCachedRegions();

}  // namespace quarnel
