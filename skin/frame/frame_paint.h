// What the frame painting files share: the scratch bitmap of the frame module, the count of
// window regions built (so that callers and tests can see a region is built once per size) and
// the regions kept for reuse.
// UI thread.
#pragma once

class TBitmap;

namespace quarnel {

// The module's scratch bitmap, made on first use and kept until the module ends.
TBitmap* FrameScratchBitmap();
// Window regions built by UpdateWindowRegion since the module started, over all frames.
int RegionBuildCount();
// Drops the regions kept for skins and sizes that come back (benchmarks measure a build).
void ForgetCachedRegions();

}  // namespace quarnel
