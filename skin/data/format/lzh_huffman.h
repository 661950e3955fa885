// Adaptive Huffman tree and fixed position code shared by the LZHUF decoder and encoder.
// The tree codes 256 literal bytes and 58 match lengths; its frequencies adapt after every
// symbol and are halved (and the tree rebuilt) when the root reaches the limit.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quarnel::lzh {

inline constexpr unsigned kRingSize = 4096;                              // N: sliding window
inline constexpr unsigned kLookAhead = 60;                               // F: longest match
inline constexpr unsigned kThreshold = 2;                                // matches are longer than this
inline constexpr unsigned kRingStart = kRingSize - kLookAhead;           // first write position
inline constexpr unsigned kSymbolCount = 256 - kThreshold + kLookAhead;  // 314
inline constexpr unsigned kNodeCount = kSymbolCount * 2 - 1;             // T = 627
inline constexpr unsigned kRoot = kNodeCount - 1;                        // 626
inline constexpr unsigned kRebuildFrequency = 0x8000;
inline constexpr unsigned kFirstMatchSymbol = 256;
inline constexpr unsigned kMinMatch = kThreshold + 1;

// The upper six bits of a match distance are coded with a fixed prefix code of 3 to 8 bits.
// Code lengths by upper value: 0 -> 3 bits, 1-3 -> 4, 4-11 -> 5, 12-23 -> 6, 24-47 -> 7,
// 48-63 -> 8. The codes are canonical, so one leading byte identifies the upper value.
struct PositionCodeTables {
  std::array<std::uint8_t, 256> upperOfByte{};      // upper six bits for a leading byte
  std::array<std::uint8_t, 256> extraBitsOfByte{};  // bits still to read after that byte
  std::array<std::uint8_t, 64> codeOfUpper{};       // code bits, right-aligned
  std::array<std::uint8_t, 64> lengthOfUpper{};     // code length in bits
};

constexpr PositionCodeTables MakePositionCodeTables() {
  PositionCodeTables tables;
  constexpr unsigned countOfLength[9] = {0, 0, 0, 1, 3, 8, 12, 24, 16};
  unsigned upper = 0;
  unsigned byte = 0;
  for (unsigned length = 3; length <= 8; ++length) {
    for (unsigned i = 0; i < countOfLength[length]; ++i, ++upper) {
      const unsigned span = 1u << (8 - length);
      tables.codeOfUpper[upper] = static_cast<std::uint8_t>(byte >> (8 - length));
      tables.lengthOfUpper[upper] = static_cast<std::uint8_t>(length);
      for (unsigned k = 0; k < span; ++k, ++byte) {
        tables.upperOfByte[byte] = static_cast<std::uint8_t>(upper);
        tables.extraBitsOfByte[byte] = static_cast<std::uint8_t>(length - 2);
      }
    }
  }
  return tables;
}

inline constexpr PositionCodeTables kPositionCode = MakePositionCodeTables();

// Nodes are kept in order of non-decreasing frequency; the children of a node sit in a pair of
// neighbouring slots (first child even, second odd). A child entry of kNodeCount or more is a
// leaf holding symbol (entry - kNodeCount).
class THuffmanTree {
 public:
  void Reset();

  // Called after each coded symbol: rebuilds when the root is full, then counts the symbol.
  void Update(unsigned symbol) {
    if (freq_[kRoot] == kRebuildFrequency) Rebuild();
    std::size_t node = parent_[symbol + kNodeCount];
    do {
      std::uint16_t* const at = &freq_[node];
      const std::uint16_t count = ++at[0];
      if (count > at[1]) node = SwapForward(static_cast<unsigned>(node), count);
      node = parent_[node];
    } while (node != 0);
  }

  unsigned FirstChild(unsigned node) const { return child_[node]; }
  unsigned Parent(unsigned node) const { return parent_[node]; }
  unsigned LeafOf(unsigned symbol) const { return parent_[symbol + kNodeCount]; }
  unsigned Frequency(unsigned node) const { return freq_[node]; }
  const std::uint16_t* Children() const { return child_.data(); }

 private:
  // The node's count now exceeds its right neighbour's: exchange it with the last node of
  // lower count so that the order stays sorted, and carry on from the node's new slot.
  unsigned SwapForward(unsigned node, unsigned count) {
    unsigned target = node + LowerAhead(node, count);  // most runs of equal counts are short
    if (target == node + kLookAheadSlots) [[unlikely]]
      target = LastBelow(target, count);
    freq_[node] = freq_[target];
    freq_[target] = static_cast<std::uint16_t>(count);
    const unsigned moved = child_[node];
    const unsigned displaced = child_[target];
    child_[target] = static_cast<std::uint16_t>(moved);
    child_[node] = static_cast<std::uint16_t>(displaced);
    // An inner node's children are a pair of slots; a leaf has one entry (written twice).
    parent_[moved] = static_cast<std::uint16_t>(target);
    parent_[moved + (moved < kNodeCount)] = static_cast<std::uint16_t>(target);
    parent_[displaced] = static_cast<std::uint16_t>(node);
    parent_[displaced + (displaced < kNodeCount)] = static_cast<std::uint16_t>(node);
    return target;
  }
  // How many of the kLookAheadSlots slots after `node` (at least the first) hold a count below
  // `count`. Counts are sorted, so they are the slots up to the last one below.
  static constexpr unsigned kLookAheadSlots = 16;
  unsigned LowerAhead(unsigned node, unsigned count) const {
#if defined(__SSE2__)
    // Sixteen counts at once: saturating count - slot is zero where the slot is not lower.
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(count));
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq_[node + 1]));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq_[node + 9]));
    const __m128i zero = _mm_setzero_si128();
    const __m128i notLower = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_subs_epu16(wanted, first), zero),
                                             _mm_cmpeq_epi16(_mm_subs_epu16(wanted, second), zero));
    return static_cast<unsigned>(
        std::countr_zero(static_cast<unsigned>(_mm_movemask_epi8(notLower)) | 0x10000u));
#else
    unsigned ahead = 1;
    while (ahead < kLookAheadSlots && count > freq_[node + ahead + 1]) ++ahead;
    return ahead;
#endif
  }
  unsigned LastBelow(unsigned from, unsigned count) const;
  void Rebuild();

  // Behind the nodes: sentinels 0xFFFF, as many as LowerAhead reads past the root.
  std::array<std::uint16_t, kNodeCount + kLookAheadSlots> freq_{};
  std::array<std::uint16_t, kNodeCount + kSymbolCount> parent_{};
  std::array<std::uint16_t, kNodeCount> child_{};
};

}  // namespace quarnel::lzh
