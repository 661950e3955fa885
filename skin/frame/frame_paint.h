// What the frame painting files share: the scratch bitmap of the frame module and the count of
// window regions built (so that callers and tests can see a region is built once per size).
// UI thread.
#pragma once

class TBitmap;

namespace quarnel {

// The module's scratch bitmap, made on first use and kept until the module ends.
TBitmap* FrameScratchBitmap();
// Window regions built by UpdateWindowRegion since the module started, over all frames.
int RegionBuildCount();

}  // namespace quarnel
