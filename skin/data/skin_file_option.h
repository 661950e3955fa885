// A program started with a skin file on its command line ("--skin FILE"): the file is read,
// checked, and put in force in place of the stored skin. User-interface thread.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quarnel {

class TSkinData;

// The value that follows "--skin" in a command line, or empty.
std::wstring SkinFileArgument(const std::wstring& commandLine);

// Why `packed` cannot be used as a skin package ("it is empty", "it is not a skin package, or
// one of a version this program does not know", …), or empty when it reads as one.
std::wstring SkinPackageRefusal(const std::vector<uint8_t>& packed);

// Puts the skin package in `path` in force for `data`. A file that cannot be read, or that is
// not a skin package, changes nothing: it is reported in a message box captioned with the
// program's name that names the file and says why. True when the file's skin is now in force.
bool UseSkinFile(TSkinData& data, const std::wstring& path);

// Where the box for a file that cannot be used goes; returns the previous receiver. The default
// shows a message box captioned with the application's title.
using SkinFileNotifier = std::function<void(const std::wstring& message)>;
SkinFileNotifier SetSkinFileNotifier(SkinFileNotifier notifier);

}  // namespace quarnel
