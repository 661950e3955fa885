// LZHUF decoding from one buffer into another: the bit buffer is reloaded eight packed bytes at
// a time, codes start with a table of the tree's top levels, and the output buffer itself serves
// as the sliding window (the ring's starting contents are supplied). Any thread.
#include <cstring>

#include "skin/data/format/lzh.h"

namespace quarnel {
namespace {

using namespace lzh;

std::uint64_t LoadBigEndian(const std::uint8_t* at) {
  std::uint64_t word;
  std::memcpy(&word, at, 8);
  if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  return word;
}

// The eight packed bytes from `index` on as a big-endian word, zeros past the end.
[[gnu::noinline]] std::uint64_t WordNearEnd(const std::uint8_t* packed, std::size_t count,
                                            std::size_t index) {
  std::uint8_t bytes[8] = {};
  if (index < count) std::memcpy(bytes, packed + index, count - index < 8 ? count - index : 8);
  std::uint64_t word = 0;
  for (const std::uint8_t byte : bytes) word = word << 8 | byte;
  return word;
}

// Decoding of the position that follows a match length: the leading byte of the bit buffer
// gives the length of the prefix code for the upper six bits and their value; the lower six
// bits follow the code.
struct PositionLeads {
  std::array<std::uint16_t, 256> upper{};  // upper six bits, already shifted into place
  std::array<std::uint8_t, 256> length{};  // prefix code length in bits (3 to 8)
};
constexpr PositionLeads MakePositionLeads() {
  PositionLeads leads;
  for (unsigned byte = 0; byte < 256; ++byte) {
    leads.upper[byte] = static_cast<std::uint16_t>(kPositionCode.upperOfByte[byte] << 6);
    leads.length[byte] = static_cast<std::uint8_t>(kPositionCode.extraBitsOfByte[byte] + 2);
  }
  return leads;
}
constexpr PositionLeads kPositionLeads = MakePositionLeads();

// The smallest multiple of a distance below eight that is at least eight.
constexpr std::uint8_t kPatternStep[8] = {8, 8, 8, 9, 8, 10, 12, 14};

// The ring's content at a slot not yet written: spaces before the first write position.
std::uint8_t InitialRingByte(std::ptrdiff_t position) {
  const unsigned slot = static_cast<unsigned>(kRingStart + position) & (kRingSize - 1);
  return slot < kRingStart ? ' ' : 0;
}

// Copies a match whose source lies wholly in the output; `target` has room for 64 bytes. Up to
// 15 bytes past the match are written too; later output overwrites them.
inline void CopyMatch(std::uint8_t* target, std::size_t back, std::size_t length) {
  const std::uint8_t* const source = target - back;
  if (back >= 16) {
    for (std::size_t k = 0; k < length; k += 16) std::memcpy(target + k, source + k, 16);
  } else if (back >= 8) {
    for (std::size_t k = 0; k < length; k += 8) std::memcpy(target + k, source + k, 8);
  } else {
    // A distance below eight repeats a pattern: eight bytes one by one, then eight at a time
    // from the distance's smallest multiple of at least eight.
    target[0] = source[0], target[1] = source[1], target[2] = source[2], target[3] = source[3];
    target[4] = source[4], target[5] = source[5], target[6] = source[6], target[7] = source[7];
    const std::size_t step = kPatternStep[back];
    for (std::size_t k = 8; k < length; k += 8) std::memcpy(target + k, target + k - step, 8);
  }
}

}  // namespace

std::size_t TLZH::DecodeMemory(const std::uint8_t* packed, std::size_t count, std::uint32_t size,
                               std::uint8_t* out) {
  const std::unique_ptr<TDecodeTables> tables = AcquireTables();
  THuffmanTree& tree = tables->tree;
  const std::uint16_t* const child = tree.Children();

  // The packed bytes as a big-endian bit stream followed by zero bits without end. The next bit
  // is the top bit of `bits`; behind the valid bits sits one marker bit, so the bits used since
  // the last reload are read off the marker's position. `index` is the byte the buffer was last
  // loaded from.
  std::size_t index = 0;
  std::uint64_t bits = 1;  // as if the marker had just passed the bits before byte 0
  // A symbol and its position need at most 36 bits: while its root count is at most 0x8000 the
  // tree (a Huffman tree for its counts) is no deeper than 21, as a leaf at depth d needs a
  // root count of at least Fibonacci(d + 2), and a position takes at most 14. Reloading leaves
  // at least 56.
  auto reload = [&] {
    const auto marker = static_cast<unsigned>(std::countr_zero(bits));  // bits used + offset
    index += marker >> 3;
    std::uint64_t word;
    if (index + 8 <= count) [[likely]] {
      word = LoadBigEndian(packed + index);
    } else {
      // Past the end the stream is zeros wherever it is read: the index stays at the end, so
      // it cannot grow without bound on a long run of nothing.
      index = index < count ? index : count;
      word = WordNearEnd(packed, count, index);
    }
    bits = (word | 1) << (marker & 7);  // the marker replaces the word's last bit
  };
  reload();
  const std::size_t capacity = std::size_t{size} + kLookAhead - 1;

  std::size_t produced = 0;
  while (produced < size) {
    if ((bits & 0x0FFFFFFF) == 0) reload();  // fewer than 36 bits left
    const THuffmanTree::TPrefix prefix = tree.Prefixes()[bits >> (64 - THuffmanTree::kPrefixBits)];
    bits <<= prefix.length;
    unsigned node = prefix.entry;
    while (node < kNodeCount) {
      // Doubling shifts the next bit out as the carry: one add per tree level.
      const bool second = __builtin_add_overflow(bits, bits, &bits);
      node = child[node + second];
    }
    const unsigned symbol = SymbolOfLeaf(node);
    tree.Update(symbol);

    if (symbol < kFirstMatchSymbol) {
      out[produced++] = static_cast<std::uint8_t>(symbol);
      continue;
    }

    const auto lead = static_cast<unsigned>(bits >> 56);
    bits <<= kPositionLeads.length[lead];
    const std::size_t back = (kPositionLeads.upper[lead] | static_cast<unsigned>(bits >> 58)) + 1;
    bits <<= 6;
    const std::size_t length = symbol - kFirstMatchSymbol + kMinMatch;

    std::uint8_t* const target = out + produced;
    if (back <= produced && produced + 64 <= capacity) [[likely]] {
      CopyMatch(target, back, length);
    } else {
      for (std::size_t k = 0; k < length; ++k) {
        const std::ptrdiff_t from =
            static_cast<std::ptrdiff_t>(produced + k) - static_cast<std::ptrdiff_t>(back);
        target[k] = from < 0 ? InitialRingByte(from) : out[from];
      }
    }
    produced += length;
  }
  return produced;
}

}  // namespace quarnel
