// Construction, rebuilding and node reordering of the adaptive Huffman tree.
// Only Update's rare paths live here; the per-symbol path is inline in the header.
#include "skin/data/format/lzh_huffman.h"

#include <algorithm>

namespace quarnel::lzh {

void THuffmanTree::Reset() {
  for (unsigned i = 0; i < kSymbolCount; ++i) {
    freq_[i] = 1;
    child_[i] = static_cast<std::uint16_t>(i + kNodeCount);
    parent_[i + kNodeCount] = static_cast<std::uint16_t>(i);
  }
  for (unsigned pair = 0, node = kSymbolCount; node <= kRoot; pair += 2, ++node) {
    freq_[node] = static_cast<std::uint16_t>(freq_[pair] + freq_[pair + 1]);
    child_[node] = static_cast<std::uint16_t>(pair);
    parent_[pair] = parent_[pair + 1] = static_cast<std::uint16_t>(node);
  }
  std::fill(freq_.begin() + kNodeCount, freq_.end(), std::uint16_t{0xFFFF});
  parent_[kRoot] = 0;
}

// Last slot from `from` on whose count is below `count`, where freq_[from] is known to be.
// Counts are sorted and the sentinel stops the search: gallop, then bisect, since runs of
// equal counts (rarely used literals) can be hundreds of nodes long.
unsigned THuffmanTree::LastBelow(unsigned from, unsigned count) const {
  unsigned below = from;
  unsigned above = from + 1;
  for (unsigned step = 2; count > freq_[above]; step *= 2) {
    below = above;
    above = std::min(below + step, kNodeCount);
  }
  while (above - below > 1) {
    const unsigned middle = (below + above) / 2;
    const bool lower = count > freq_[middle];  // selects, not branches: unpredictable
    below = lower ? middle : below;
    above = lower ? above : middle;
  }
  return below;
}

// Halves the leaf counts (rounding up), then rebuilds the inner nodes by pairing the two
// lowest-count nodes and inserting their parent behind every node of equal or lower count.
void THuffmanTree::Rebuild() {
  unsigned leaves = 0;
  for (unsigned node = 0; node < kNodeCount; ++node) {
    if (child_[node] >= kNodeCount) {
      freq_[leaves] = static_cast<std::uint16_t>((freq_[node] + 1) / 2);
      child_[leaves] = child_[node];
      ++leaves;
    }
  }
  for (unsigned pair = 0, node = kSymbolCount; node < kNodeCount; pair += 2, ++node) {
    const unsigned count = freq_[pair] + freq_[pair + 1];
    unsigned slot = node;
    while (count < freq_[slot - 1]) --slot;
    for (unsigned k = node; k > slot; --k) {
      freq_[k] = freq_[k - 1];
      child_[k] = child_[k - 1];
    }
    freq_[slot] = static_cast<std::uint16_t>(count);
    child_[slot] = static_cast<std::uint16_t>(pair);
  }
  for (unsigned node = 0; node < kNodeCount; ++node) {
    const unsigned first = child_[node];
    parent_[first] = static_cast<std::uint16_t>(node);
    if (first < kNodeCount) parent_[first + 1] = static_cast<std::uint16_t>(node);
  }
}

}  // namespace quarnel::lzh
