// The gallery's command line. Pure code; any thread.
#include "gallery/gallery_options.h"

namespace gallery {

TGalleryOptions ParseGalleryOptions(const std::vector<std::wstring>& args) {
  TGalleryOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    auto value = [&](std::wstring& target) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        options.Error = arg + L" needs a value";
        return;
      }
      target = args[++i];
    };
    if (arg == L"--skin") {
      value(options.SkinFile);
    } else if (arg == L"--screenshots") {
      value(options.ScreenshotDir);
    } else if (arg == L"--watch") {
      value(options.WatchDir);
    } else if (arg == L"--version") {
      options.Version = true;
    } else if (arg == L"--bench") {
      options.Bench = true;
    } else if (arg == L"--bench-start") {
      value(options.BenchStart);
      if (options.Error.empty() && options.BenchStart != L"on" && options.BenchStart != L"off")
        options.Error = L"--bench-start takes on or off";
    } else {
      options.Error = L"Unknown option " + arg;
    }
    if (!options.Error.empty()) break;
  }
  return options;
}

}  // namespace gallery
