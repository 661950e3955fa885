// LZHUF decompressor: LZSS over a 4 KB ring with an adaptive Huffman code for literals and
// match lengths and a fixed prefix code for match positions. Bytes come in and go out one at a
// time through callbacks; the hot loop is a template so that callers' callbacks inline.
#pragma once

#include <bit>
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "skin/data/format/lzh_huffman.h"

namespace quarnel {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  static constexpr const char* kNoMemory = "LZH : Cannot get memory for dictionary tables";
  static constexpr const char* kFreeFailed = "LZH : Error freeing memory for dictionary tables";
};

namespace lzh {
// Work tables of one decoding; they live only while Decode runs.
struct TDecodeTables {
  THuffmanTree tree;
  std::uint8_t ring[kRingSize + kLookAhead - 1];
};
}  // namespace lzh

class TLZH {
 public:
  // Delivers the next packed byte into `byte`; returns how many bytes it delivered (0 or 1).
  using ReadByte = std::function<std::size_t(std::uint8_t& byte)>;
  using WriteByte = std::function<void(std::uint8_t byte)>;

  // Produces at least `size` bytes (up to kLookAhead - 1 more when the last match runs past
  // it). Past the end of the packed data zero bits are decoded.
  void Decode(std::uint32_t size, const ReadByte& read, const WriteByte& write) {
    DecodeWith(size, read, write);
  }

  // Same as Decode with callbacks the compiler can inline.
  template <class Read, class Write>
  void DecodeWith(std::uint32_t size, Read&& read, Write&& write);

  // Decodes `count` packed bytes at `packed` into `out`, which must hold size + kLookAhead - 1
  // bytes; returns how many bytes were produced (the same bytes Decode delivers). Bytes of
  // `out` past that count may have been written.
  std::size_t DecodeMemory(const std::uint8_t* packed, std::size_t count, std::uint32_t size,
                           std::uint8_t* out);

 private:
  // Fresh work tables for one decoding; released when the pointer goes, also on failure.
  static std::unique_ptr<lzh::TDecodeTables> AcquireTables();  // throws ElzhException
};

template <class Read, class Write>
void TLZH::DecodeWith(std::uint32_t size, Read&& read, Write&& write) {
  using namespace lzh;
  const std::unique_ptr<TDecodeTables> tables = AcquireTables();
  THuffmanTree& tree = tables->tree;
  std::uint8_t* const ring = tables->ring;
  const std::uint16_t* const child = tree.Children();

  // The next bit is the top bit of `bits`. Behind the valid bits sits one marker bit, so the
  // number of valid bits is read off the marker's position instead of being counted per bit.
  std::uint64_t bits = std::uint64_t{1} << 63;
  // Refills whole bytes up to 36 or more valid bits. A symbol plus its position needs at most
  // 36: while its root count is at most 0x8000 the tree (a Huffman tree for its counts) is no
  // deeper than 21, as a leaf at depth d needs a root count of at least Fibonacci(d + 2).
  auto readByte = [&]() -> std::uint64_t {
    std::uint8_t byte = 0;
    if (read(byte) == 0) byte = 0;
    return byte;
  };
  // Three bytes below the valid bits; called with at most 39 valid bits, so they fit.
  auto refill = [&] {
    const int marker = std::countr_zero(bits);
    std::uint64_t word = readByte() << 16;
    word |= readByte() << 8;
    word |= readByte();
    const int next = marker - 24;  // where the marker goes
    bits = (bits & (bits - 1)) | (word << (next + 1)) | (std::uint64_t{1} << next);
  };

  unsigned r = kRingStart;
  std::uint32_t produced = 0;
  while (produced < size) {
    while ((bits & 0x0FFFFFFF) == 0) refill();  // fewer than 36 bits left
    unsigned node = child[kRoot];
    while (node < kNodeCount) {
      // Doubling shifts the next bit out as the carry: one add per tree level.
      const bool second = __builtin_add_overflow(bits, bits, &bits);
      node = child[node + second];
    }
    assert(bits != 0);  // the marker is still there: the walk used buffered bits only
    const unsigned symbol = SymbolOfLeaf(node);
    tree.Update(symbol);

    if (symbol < kFirstMatchSymbol) {
      const auto byte = static_cast<std::uint8_t>(symbol);
      write(byte);
      ring[r] = byte;
      r = (r + 1) & (kRingSize - 1);
      ++produced;
      continue;
    }

    unsigned lead = static_cast<unsigned>(bits >> 56);
    const unsigned extra = kPositionCode.extraBitsOfByte[lead];
    const unsigned upper = kPositionCode.upperOfByte[lead];
    lead = (lead << extra) | static_cast<unsigned>((bits << 8) >> (64 - extra));
    assert(63 - std::countr_zero(bits) >= static_cast<int>(8 + extra));  // bits were there
    bits <<= 8 + extra;
    const unsigned distance = (upper << 6) | (lead & 63);

    const unsigned length = symbol - kFirstMatchSymbol + kMinMatch;
    unsigned from = (r - distance - 1) & (kRingSize - 1);
    if (from + length <= kRingSize && r + length <= kRingSize) {
      // Neither side wraps: copy forward without masking (overlap copies the new bytes).
      const std::uint8_t* const source = ring + from;
      std::uint8_t* const target = ring + r;
      for (std::size_t k = 0; k < length; ++k) {
        const std::uint8_t byte = source[k];
        target[k] = byte;
        write(byte);
      }
      r = (r + length) & (kRingSize - 1);
    } else {
      for (unsigned k = 0; k < length; ++k) {
        const std::uint8_t byte = ring[from];
        from = (from + 1) & (kRingSize - 1);
        ring[r] = byte;
        r = (r + 1) & (kRingSize - 1);
        write(byte);
      }
    }
    produced += length;
  }
}

}  // namespace quarnel
