// Byte layout of a skin package shared by its reader and writer: the known format versions,
// the size of the block each version skips before the name list, the entry limit, and the
// package as a form stores it. Pure code, any thread.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

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

// The packed package held by a form's stored skin property: a signed 32-bit byte count, then the
// bytes. A count of 0 or less means no package is stored; a count beyond the bytes present
// takes only what is there.
inline std::span<const std::uint8_t> StoredPackage(std::span<const std::uint8_t> stored) {
  std::int32_t count = 0;
  if (stored.size() < sizeof(count)) return {};
  std::memcpy(&count, stored.data(), sizeof(count));
  if (count <= 0) return {};
  const std::span<const std::uint8_t> rest = stored.subspan(sizeof(count));
  return rest.first(std::min<std::size_t>(rest.size(), static_cast<std::uint32_t>(count)));
}

}  // namespace quarnel
