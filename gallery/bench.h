// The gallery's benchmark mode: switching skins with the demos open, GDI objects with and
// without the skin, and start to first skinned paint. Prints its figures. User-interface thread.
#pragma once
#include <string>

class TGalleryForm;

namespace gallery {

// Runs the switching and GDI figures in this process and the start figures in child processes
// of `exePath`; returns the process exit code.
int RunBench(TGalleryForm& form, const std::wstring& exePath);

}  // namespace gallery
