// TSkinWriter: builds skin packages from named entries, in the order they were added, as
// the unpacked layout or packed (unpacked size word followed by the LZHUF stream).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/format/skin_package.h"

namespace quarnel {

class TSkinWriter {
 public:
  using Bytes = std::vector<std::uint8_t>;

  // Throws std::invalid_argument for an empty name, a name holding CR or LF, or an entry
  // beyond kMaxSkinEntries: none of them could be read back as written.
  void AddEntry(std::string name, Bytes data);

  // Throw std::invalid_argument for a version the reader does not know.
  Bytes Unpacked(std::uint32_t version) const;
  Bytes Packed(std::uint32_t version) const;

  std::size_t EntryCount() const { return entries_.size(); }

 private:
  struct TEntry {
    std::string name;
    Bytes data;
  };
  std::vector<TEntry> entries_;
};

}  // namespace quarnel
