// Byte layout of a skin package shared by its reader and writer: the known format versions,
// the size of the block each version skips before the name list, and the entry limit.
#pragma once

#include <cstdint>
#include <optional>

namespace quarnel {

inline constexpr std::uint32_t kSkinHeaderSize = 16;
inline constexpr std::size_t kMaxSkinEntries = 1001;
inline constexpr std::uint32_t kDefaultSkinVersion = 60000;

// Header of an unpacked package. The two reserved words are carried but not interpreted.
struct TSkinHeader {
  std::uint32_t Version = 0;
  std::uint32_t NameListLength = 0;
  std::uint32_t Reserved1 = 0;
  std::uint32_t Reserved2 = 0;
};

// Bytes between the header and the name list, or nothing for an unknown version.
constexpr std::optional<std::uint32_t> SkippedBlockSize(std::uint32_t version) {
  switch (version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return std::nullopt;
  }
}

}  // namespace quarnel
