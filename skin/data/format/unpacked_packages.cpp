// TUnpackedPackages: a most-recently-used list of a few entries, compared by their whole packed
// bytes (a copy of a few tens of kilobytes is cheap next to decoding them again).
#include "skin/data/format/unpacked_packages.h"

#include <algorithm>
#include <utility>

#include "skin/data/format/skin_reader.h"

namespace quarnel {

const TUnpackedPackages::Bytes& TUnpackedPackages::Unpack(std::span<const std::uint8_t> packed) {
  const auto same = [&](const Entry& e) { return std::ranges::equal(e.packed, packed); };
  auto found = std::find_if(entries_.begin(), entries_.end(), same);
  if (found == entries_.end()) {
    ++decoded_;
    if (entries_.size() >= kKept) entries_.pop_back();
    entries_.insert(entries_.begin(),
                    Entry{Bytes(packed.begin(), packed.end()), TSkinReader::Unpack(packed)});
    return entries_.front().unpacked;
  }
  std::rotate(entries_.begin(), found, found + 1);
  return entries_.front().unpacked;
}

}  // namespace quarnel
