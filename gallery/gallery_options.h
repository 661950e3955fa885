// The gallery's command line: a skin file to start with, a folder for screenshots, the
// benchmark mode. Pure code (also built natively); any thread.
#pragma once
#include <string>
#include <vector>

namespace gallery {

struct TGalleryOptions {
  std::wstring SkinFile;       // --skin FILE
  std::wstring ScreenshotDir;  // --screenshots DIR
  std::wstring WatchDir;       // --watch DIR: an unpacked skin folder, loaded again after each change
  bool Bench = false;          // --bench
  bool Version = false;        // --version: print the program's version and stop
  std::wstring BenchStart;     // --bench-start on|off: one timed start, reported as exit code
  std::wstring Error;          // not empty when the command line cannot be used
};

// Parses the arguments after the program name.
TGalleryOptions ParseGalleryOptions(const std::vector<std::wstring>& args);

}  // namespace gallery
