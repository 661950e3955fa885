// Construction and rebuilding of the adaptive Huffman tree, and conversion between its gaps
// and plain frequencies. Only the rare paths live here; the per-symbol path is inline in the
// header. Any thread (each tree belongs to one coder).
#include "skin/data/format/lzh_huffman.h"

#include <algorithm>

namespace quarnel::lzh {

void THuffmanTree::Reset() {
  std::array<std::uint16_t, kNodeCount> freq;
  for (unsigned i = 0; i < kSymbolCount; ++i) {
    freq[i] = 1;
    child_[i] = static_cast<std::uint16_t>(LeafCode(i));
    parent_[LeafCode(i)] = static_cast<std::uint16_t>(i);
  }
  for (unsigned pair = 0, node = kSymbolCount; node <= kRoot; pair += 2, ++node) {
    freq[node] = static_cast<std::uint16_t>(freq[pair] + freq[pair + 1]);
    child_[node] = static_cast<std::uint16_t>(pair);
    parent_[pair] = parent_[pair + 1] = static_cast<std::uint16_t>(node);
  }
  parent_[kRoot] = static_cast<std::uint16_t>(kSentinel);
  GapsFromFrequencies(freq.data());
  prefixesStale_ = 1;
}

// Level by level: before step `depth`, prefixes_[p << (kPrefixBits - depth)] holds the walk's
// state after the `depth` bits p. Leaves already reached are handed down unchanged; inner nodes
// are opened, and every slot read is marked as one the table depends on.
void THuffmanTree::BuildPrefixes() {
  for (unsigned i = 0; i < prefixSlotCount_; ++i) prefixSource_[prefixSlots_[i]] = 0;
  unsigned slots = 0;
  const auto read = [&](unsigned slot, unsigned depth) {
    prefixSource_[slot] = 1;
    prefixSlots_[slots++] = static_cast<std::uint16_t>(slot);
    return TPrefix{child_[slot], static_cast<std::uint16_t>(depth)};
  };
  prefixes_[0] = read(kRoot, 0);  // the root is inner: every code has at least one bit
  for (unsigned depth = 0; depth < kPrefixBits; ++depth) {
    const unsigned half = 1u << (kPrefixBits - depth - 1);
    for (unsigned i = 0; i < (1u << kPrefixBits); i += 2 * half) {
      const TPrefix state = prefixes_[i];
      if (state.entry >= kNodeCount) {
        prefixes_[i + half] = state;
      } else {
        prefixes_[i] = read(state.entry, depth + 1);
        prefixes_[i + half] = read(state.entry + 1u, depth + 1);
      }
    }
  }
  prefixSlotCount_ = slots;
  prefixesStale_ = 0;
}

void THuffmanTree::FrequenciesFromGaps(std::uint16_t* freq) const {
  unsigned count = kRebuildFrequency - static_cast<unsigned>(Gap(kRoot));
  freq[kRoot] = static_cast<std::uint16_t>(count);
  for (unsigned node = kRoot; node-- > 0;) {
    count -= static_cast<unsigned>(Gap(node));
    freq[node] = static_cast<std::uint16_t>(count);
  }
}

// Counts stay within 1..kRebuildFrequency, so every gap fits a signed 16-bit slot. The slots
// past the root are never part of a run of zero gaps (see ZeroGapsFrom): they hold 1.
void THuffmanTree::GapsFromFrequencies(const std::uint16_t* freq) {
  for (unsigned node = 0; node < kRoot; ++node)
    Gap(node) = static_cast<std::int16_t>(freq[node + 1] - freq[node]);
  Gap(kRoot) = static_cast<std::int16_t>(kRebuildFrequency - freq[kRoot]);
  gaps_[0] = 0;
  Gap(kSentinel) = 0;
  std::fill(gaps_.begin() + kSentinel + 2, gaps_.end(), std::int16_t{1});
}

// Halves the leaf counts (rounding up), then rebuilds the inner nodes by pairing the two
// lowest-count nodes and inserting their parent behind every node of equal or lower count.
void THuffmanTree::Rebuild() {
  std::array<std::uint16_t, kNodeCount> freq;
  FrequenciesFromGaps(freq.data());
  unsigned leaves = 0;
  for (unsigned node = 0; node < kNodeCount; ++node) {
    if (child_[node] >= kNodeCount) {
      freq[leaves] = static_cast<std::uint16_t>((freq[node] + 1) / 2);
      child_[leaves] = child_[node];
      ++leaves;
    }
  }
  for (unsigned pair = 0, node = kSymbolCount; node < kNodeCount; pair += 2, ++node) {
    const unsigned count = freq[pair] + freq[pair + 1];
    unsigned slot = node;
    while (count < freq[slot - 1]) --slot;
    for (unsigned k = node; k > slot; --k) {
      freq[k] = freq[k - 1];
      child_[k] = child_[k - 1];
    }
    freq[slot] = static_cast<std::uint16_t>(count);
    child_[slot] = static_cast<std::uint16_t>(pair);
  }
  for (unsigned node = 0; node < kNodeCount; ++node) {
    const unsigned first = child_[node];
    parent_[first] = parent_[first + 1] = static_cast<std::uint16_t>(node);
  }
  GapsFromFrequencies(freq.data());
  prefixesStale_ = 1;
}

}  // namespace quarnel::lzh
