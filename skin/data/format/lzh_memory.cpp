// LZHUF decoding from one buffer into another: the packed bytes are read eight at a time into
// the bit buffer, and the output buffer itself serves as the sliding window (the ring's
// starting contents are supplied for the positions before the first byte). Any thread.
#include <cstring>

#include "skin/data/format/lzh.h"

namespace quarnel {
namespace {

using namespace lzh;

// Where reading goes on when fewer than eight packed bytes are left: a copy of them followed by
// zeros (`tail`, 24 bytes), from which eight bytes can always be read; once the copy is used up
// the reading stays on its zeros. Returns the next byte and the last safe reading position.
struct ReadPosition {
  const std::uint8_t* next;
  const std::uint8_t* limit;
};
[[gnu::noinline]] ReadPosition ReadTail(const std::uint8_t* next, const std::uint8_t* end,
                                        std::uint8_t* tail) {
  if (next >= tail && next < tail + 24) return {tail + 8, tail + 8};  // bytes 7 and on are zeros
  const std::size_t left = static_cast<std::size_t>(end - next);
  std::memset(tail, 0, 24);
  if (left != 0) std::memcpy(tail, next, left);
  return {tail, tail + 8};
}

// The smallest multiple of a distance below eight that is at least eight.
constexpr std::uint8_t kPatternStep[8] = {8, 8, 8, 9, 8, 10, 12, 14};

// The ring's content at a slot not yet written: spaces before the first write position.
std::uint8_t InitialRingByte(std::ptrdiff_t position) {
  const unsigned slot = static_cast<unsigned>(kRingStart + position) & (kRingSize - 1);
  return slot < kRingStart ? ' ' : 0;
}

}  // namespace

std::size_t TLZH::DecodeMemory(const std::uint8_t* packed, std::size_t count, std::uint32_t size,
                               std::uint8_t* out) {
  const std::unique_ptr<TDecodeTables> tables = AcquireTables();
  THuffmanTree& tree = tables->tree;
  const std::uint16_t* const child = tree.Children();
  // The packed bytes as a big-endian bit stream followed by zero bits without end. The next bit
  // is the top bit of `bits`; behind the valid bits sits one marker bit.
  std::uint64_t bits = std::uint64_t{1} << 63;
  std::uint8_t tail[24];
  ReadPosition read{packed, count >= 8 ? packed + count - 8 : nullptr};
  const std::uint8_t* const end = packed + count;
  if (count < 8) read = ReadTail(packed, end, tail);
  // Called once per symbol, which needs at most 36 bits: leaves at least 56.
  auto refill = [&] {
    if (read.next > read.limit) [[unlikely]]
      read = ReadTail(read.next, end, tail);
    std::uint64_t word;
    std::memcpy(&word, read.next, 8);
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    const unsigned marker = static_cast<unsigned>(__builtin_ctzll(bits));  // 63 - marker valid bits
    const unsigned moved = marker & 7;                                     // where the marker goes
    read.next += marker >> 3;
    const std::uint64_t valid = bits & ~((std::uint64_t{2} << marker) - 1);  // 2 << 63 wraps to 0
    const std::uint64_t added = (word >> (63 - marker)) & ~((std::uint64_t{2} << moved) - 1);
    bits = valid | added | (std::uint64_t{1} << moved);
  };
  const std::size_t capacity = std::size_t{size} + kLookAhead - 1;

  std::size_t produced = 0;
  while (produced < size) {
    refill();
    unsigned node = child[kRoot];
    while (node < kNodeCount) {
      const bool second = __builtin_add_overflow(bits, bits, &bits);
      node = child[node + second];
    }
    const unsigned symbol = node - kNodeCount;
    tree.Update(symbol);

    if (symbol < kFirstMatchSymbol) {
      out[produced++] = static_cast<std::uint8_t>(symbol);
      continue;
    }

    unsigned lead = static_cast<unsigned>(bits >> 56);
    const unsigned extra = kPositionCode.extraBitsOfByte[lead];
    const unsigned upper = kPositionCode.upperOfByte[lead];
    lead = (lead << extra) | static_cast<unsigned>((bits << 8) >> (64 - extra));
    bits <<= 8 + extra;
    const std::size_t back = ((upper << 6) | (lead & 63)) + 1;  // 1 to 4096 bytes back
    const std::size_t length = symbol - kFirstMatchSymbol + kMinMatch;

    std::uint8_t* const target = out + produced;
    if (back <= produced && produced + 64 <= capacity) [[likely]] {
      // Up to 7 bytes past the match are written too; later output overwrites them.
      // Eight bytes one by one (a distance below eight repeats a pattern), then eight at a
      // time from the distance, or from its smallest multiple of at least eight.
      const std::uint8_t* const source = target - back;
      target[0] = source[0], target[1] = source[1], target[2] = source[2], target[3] = source[3];
      target[4] = source[4], target[5] = source[5], target[6] = source[6], target[7] = source[7];
      const std::size_t step = back >= 8 ? back : kPatternStep[back];
      for (std::size_t k = 8; k < length; k += 8) std::memcpy(target + k, target + k - step, 8);
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
