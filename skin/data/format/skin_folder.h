// A skin folder: the definition text and bitmaps of a skin as files (as a package unpacks),
// packed in memory for loading, or the first problem that keeps it from being a whole skin (a
// save still under way, a line of the definition that is not one, a bitmap named but missing
// or cut short). Also a stamp of the folder's files that changes when any of them does. No user
// interface; any thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quarnel {

struct TSkinFolderPackage {
  std::vector<std::uint8_t> Packed;  // the package, when Problem is empty
  std::string Problem;               // one plain sentence naming the file (and line) at fault
};

TSkinFolderPackage PackSkinFolder(const std::filesystem::path& folder);

// The names, sizes and write times of the folder's files folded into one number (0: the folder
// cannot be read).
std::uint64_t SkinFolderStamp(const std::filesystem::path& folder);

}  // namespace quarnel
