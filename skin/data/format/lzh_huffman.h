// Adaptive Huffman tree and fixed position code shared by the LZHUF decoder and encoder.
// The tree codes 256 literal bytes and 58 match lengths; its frequencies adapt after every
// symbol and are halved (and the tree rebuilt) when the root reaches the limit. Any thread.
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

// A child entry of kNodeCount or more is a leaf: kNodeCount + 2 * symbol. Leaves are two apart
// so that each has a spare parent entry behind its own, as an inner node's pair of slots has:
// reordering writes both entries of whatever it moves without asking which kind it is.
inline constexpr unsigned LeafCode(unsigned symbol) {
  return kNodeCount + 2 * symbol;
}
inline constexpr unsigned SymbolOfLeaf(unsigned code) {
  return (code - kNodeCount) / 2;
}

// Nodes are kept in order of non-decreasing frequency; the children of a node sit in a pair of
// neighbouring slots (first child even, second odd).
//
// The frequencies themselves are not stored: each slot keeps its gap, how far its right
// neighbour's count lies above its own (the root's gap is its distance to kRebuildFrequency).
// Counting a node lowers its own gap and raises its left neighbour's; a gap that would go
// negative is exactly a node whose count has overtaken its neighbour's, and the root's parent is
// a sentinel slot whose gap goes negative on every visit, so the upward walk tests one sign per
// level and nothing else.
class THuffmanTree {
 public:
  void Reset();

  // Called after each coded symbol: rebuilds when the root is full, then counts the symbol.
  void Update(unsigned symbol) {
    if (Gap(kRoot) == 0) Rebuild();
    std::size_t node = parent_[LeafCode(symbol)];
    for (;;) {
      node = CountUpward(node);
      if (node == kSentinel) break;
      node = MoveForward(node);
      ++Gap(node - 1);
      node = parent_[node];
    }
    Gap(kSentinel) = 0;
  }

  unsigned Parent(unsigned node) const { return parent_[node]; }
  unsigned LeafOf(unsigned symbol) const { return parent_[LeafCode(symbol)]; }
  const std::uint16_t* Children() const { return child_.data(); }

  // The first kPrefixBits steps of the decoding walk, for every value of the next kPrefixBits
  // bits: the child entry reached (a leaf once the code ends sooner) and the bits used. The
  // table is kept until reordering or a rebuild touches a slot it was made from, which the
  // top of the tree rarely sees.
  static constexpr unsigned kPrefixBits = 4;
  struct TPrefix {
    std::uint16_t entry;
    std::uint16_t length;
  };
  const TPrefix* Prefixes() {
    if (prefixesStale_ != 0) [[unlikely]]
      BuildPrefixes();
    return prefixes_.data();
  }

 private:
  static constexpr unsigned kSentinel = kNodeCount;  // the root's parent
  static constexpr unsigned kScanWidth = 16;         // gaps read at once past a slot

  std::int16_t& Gap(std::size_t node) { return gaps_[node + 1]; }
  std::int16_t Gap(std::size_t node) const { return gaps_[node + 1]; }

  // Counts `node` and its ancestors up to the first whose gap goes negative (a node that must
  // move, or the sentinel) and returns that one; its gap is left at -1. This is the walk every
  // symbol takes, some eight levels long; compilers differ widely in how many instructions
  // they spend on it, so on x86 it is written out (four per level).
  std::size_t CountUpward(std::size_t node) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    asm("jmp 2f\n"
        "1:\n\t"
        "addw $1, %c[gap]-2(%[tree],%[node],2)\n\t"
        "movzwl %c[parent](%[tree],%[node],2), %k[node]\n"
        "2:\n\t"
        "subw $1, %c[gap](%[tree],%[node],2)\n\t"
        "jns 1b"
        : [node] "+r"(node)
        : [tree] "r"(this), [gap] "i"(offsetof(THuffmanTree, gaps_) + sizeof(std::int16_t)),
          [parent] "i"(offsetof(THuffmanTree, parent_))
        : "cc", "memory");
#else
    while (--Gap(node) >= 0) {
      ++Gap(node - 1);
      node = parent_[node];
    }
#endif
    return node;
  }

  // `node`'s count has just reached its right neighbour's (its gap went from 0 to -1): the node
  // trades places with the last node of its old count, which then takes the increment instead.
  // Nodes of equal count are interchangeable, so the order stays sorted. Returns the new slot.
  std::size_t MoveForward(std::size_t node) {
    Gap(node) = 0;
    const std::size_t target = node + 1 + ZeroGapsFrom(node + 1);
    --Gap(target);
    const std::size_t moved = child_[node];
    const std::size_t displaced = child_[target];
    child_[target] = static_cast<std::uint16_t>(moved);
    child_[node] = static_cast<std::uint16_t>(displaced);
    parent_[moved] = parent_[moved + 1] = static_cast<std::uint16_t>(target);
    parent_[displaced] = parent_[displaced + 1] = static_cast<std::uint16_t>(node);
    prefixesStale_ |= prefixSource_[node] | prefixSource_[target];
    return target;
  }

  // How many slots from `first` on have a zero gap. The run ends before the root, since the
  // root's count exceeds every other node's, so the scan stops in the tree; it reads up to
  // kScanWidth - 1 slots past the end of the run.
  std::size_t ZeroGapsFrom(std::size_t first) const {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (std::size_t skipped = 0;; skipped += kScanWidth) {
      const std::int16_t* const at = &gaps_[first + 1 + skipped];
      const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 8));
      const unsigned zeros = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(low, zero), _mm_cmpeq_epi16(high, zero))));
      if (zeros != 0xFFFF) return skipped + static_cast<std::size_t>(__builtin_ctz(~zeros));
    }
#else
    std::size_t skipped = 0;
    while (Gap(first + skipped) == 0) ++skipped;
    return skipped;
#endif
  }

  void BuildPrefixes();

  // Frequencies of all nodes from the gaps, and back.
  void FrequenciesFromGaps(std::uint16_t* freq) const;
  void GapsFromFrequencies(const std::uint16_t* freq);
  void Rebuild();

  // Slot -1 (counted along with node 0, its value unused), the nodes, the sentinel, and room
  // for the scan's wide reads.
  std::array<std::int16_t, 1 + kNodeCount + 1 + kScanWidth> gaps_{};
  std::array<std::uint16_t, kNodeCount + 2 * kSymbolCount> parent_{};
  std::array<std::uint16_t, kNodeCount> child_{};

  std::array<TPrefix, 1u << kPrefixBits> prefixes_{};
  std::array<std::uint8_t, kNodeCount> prefixSource_{};               // 1: a slot the table was made from
  std::array<std::uint16_t, (2u << kPrefixBits) - 1> prefixSlots_{};  // those slots
  unsigned prefixSlotCount_ = 0;
  std::uint8_t prefixesStale_ = 1;
};

}  // namespace quarnel::lzh
