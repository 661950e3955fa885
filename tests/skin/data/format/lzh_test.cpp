// LZHUF decoder: the starting state of its code tables, the end-of-data rules, and agreement
// with a plain reference decoder on valid, truncated and arbitrary streams.
#include "skin/data/format/lzh.h"

#include <gtest/gtest.h>

#include "reference_lzh.h"
#include "skin/data/format/lzh_encoder.h"
#include "skin/data/format/skin_writer.h"
#include "test_bytes.h"
#include "tools/bench_lzh/sample_skin.h"

namespace quarnel::testing {
namespace {

Bytes SampleSkinPackage() {
  TSkinWriter writer;
  for (auto& entry : sample::MakeSampleSkin()) writer.AddEntry(entry.name, entry.data);
  return writer.Unpacked(kDefaultSkinVersion);
}

TEST(LzhInitialState, EightZeroBitsDecodeToTheLetterT) {
  // From the root, always the first child: 626, 624, 620, 612, 596, 564, 500, 372, leaf 116.
  EXPECT_EQ(Decode(Bytes{0x00}, 1), BytesOf("t"));
}

TEST(LzhInitialState, NineOneBitsDecodeToTheLetterS) {
  // Always the second child: 625, 623, 619, 611, 595, 563, 499, 371, leaf 115.
  EXPECT_EQ(Decode(Bytes{0xFF, 0x80}, 1), BytesOf("s"));
}

TEST(LzhInitialState, RingStartsWithSpacesBehindTheWritePosition) {
  const Bytes spaces(60, ' ');
  const Bytes packed = TLzhEncoder::Encode(spaces);
  EXPECT_LE(packed.size(), 3u);  // one match of 60 straight out of the initial ring
  EXPECT_EQ(Decode(packed, 60), spaces);
}

TEST(LzhPositionCode, LeadingByteRangesFollowTheCodeLengths) {
  using lzh::kPositionCode;
  struct Range {
    unsigned first, last, extraBits, firstUpper;
  };
  const Range ranges[] = {{0x00, 0x1F, 1, 0},  {0x20, 0x4F, 2, 1},  {0x50, 0x8F, 3, 4},
                          {0x90, 0xBF, 4, 12}, {0xC0, 0xEF, 5, 24}, {0xF0, 0xFF, 6, 48}};
  for (const Range& range : ranges) {
    EXPECT_EQ(kPositionCode.upperOfByte[range.first], range.firstUpper) << range.first;
    for (unsigned p = range.first; p <= range.last; ++p) {
      EXPECT_EQ(kPositionCode.extraBitsOfByte[p], range.extraBits) << p;
    }
  }
  EXPECT_EQ(kPositionCode.upperOfByte[0xFF], 63);
}

TEST(LzhEnd, SizeZeroProducesNothingAndReadsNothing) {
  int reads = 0;
  int writes = 0;
  TLZH().Decode(
      0,
      [&](std::uint8_t&) -> std::size_t {
        ++reads;
        return 0;
      },
      [&](std::uint8_t) { ++writes; });
  EXPECT_EQ(reads, 0);
  EXPECT_EQ(writes, 0);
}

TEST(LzhEnd, LastMatchIsCopiedWholePastTheRequestedSize) {
  Bytes data;
  for (int i = 0; i < 50; ++i) data.insert(data.end(), {'a', 'b'});
  const Bytes packed = TLzhEncoder::Encode(data);
  // 'a', 'b', then one match of 60: asking for 3 bytes gives 62.
  const Bytes out = Decode(packed, 3);
  ASSERT_EQ(out.size(), 62u);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), data.begin()));
}

TEST(LzhEnd, MissingInputDecodesAsZeroBytes) {
  const Bytes stream = TLzhEncoder::Encode(BytesOf("zero padding"));
  Bytes padded = stream;
  padded.resize(stream.size() + 200, 0);
  EXPECT_EQ(Decode(stream, 900), Decode(padded, 900));
}

TEST(LzhEnd, StreamCutShortKeepsItsDecodablePrefix) {
  const Bytes data = SampleSkinPackage();
  const Bytes packed = TLzhEncoder::Encode(data);
  const std::span<const std::uint8_t> half(packed.data(), packed.size() / 2);
  const auto size = static_cast<std::uint32_t>(data.size());

  const Bytes out = Decode(half, size);
  ASSERT_GE(out.size(), data.size());
  EXPECT_LE(out.size(), data.size() + 59);
  const auto differ = std::mismatch(data.begin(), data.end(), out.begin()).first - data.begin();
  EXPECT_GT(differ, static_cast<long>(data.size() / 4));
  EXPECT_LT(differ, static_cast<long>(data.size()));
  EXPECT_EQ(out, ReferenceDecode(half, size));
}

TEST(LzhReference, AgreesOnAPackedSkin) {
  const Bytes data = SampleSkinPackage();
  const Bytes packed = TLzhEncoder::Encode(data);
  const auto size = static_cast<std::uint32_t>(data.size());
  EXPECT_EQ(Decode(packed, size), data);
  EXPECT_EQ(ReferenceDecode(packed, size), data);
}

TEST(LzhReference, AgreesOnArbitraryStreams) {
  // Random bits exercise every path: long matches across the ring's end, the ring's unwritten
  // slots, and many tree rebuilds (over 0x8000 symbols).
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    const Bytes stream = RandomBytes(seed * 3000, seed);
    const std::uint32_t size = seed * 20000;
    EXPECT_EQ(Decode(stream, size), ReferenceDecode(stream, size)) << "seed " << seed;
  }
}

TEST(LzhInlineCallbacks, MatchTheCallbackObjects) {
  const Bytes stream = RandomBytes(5000, 99);
  Bytes out;
  std::size_t next = 0;
  TLZH().DecodeWith(
      70000,
      [&](std::uint8_t& byte) -> std::size_t {
        if (next == stream.size()) return 0;
        byte = stream[next++];
        return 1;
      },
      [&](std::uint8_t byte) { out.push_back(byte); });
  EXPECT_EQ(out, Decode(stream, 70000));
  EXPECT_EQ(next, stream.size());
}

// The in-memory decoder against the callback one: the produced count and every byte up to it.
void ExpectSameAsCallbacks(std::span<const std::uint8_t> stream, std::uint32_t size, const char* what) {
  const Bytes want = Decode(stream, size);
  Bytes out(std::size_t{size} + lzh::kLookAhead - 1, 0xCC);
  const std::size_t produced = TLZH().DecodeMemory(stream.data(), stream.size(), size, out.data());
  ASSERT_EQ(produced, want.size()) << what;
  out.resize(produced);
  ASSERT_EQ(out, want) << what;
}

TEST(LzhMemory, AgreesOnRandomStreamsWithManyRebuilds) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    const Bytes stream = RandomBytes(seed * 3000, seed);
    ExpectSameAsCallbacks(stream, seed * 20000, "random stream");
  }
}

TEST(LzhMemory, AgreesOnEveryCutOfAShortStream) {
  // Each cut ends the input at another point of the eight-byte reads, down to no input at all.
  const Bytes data =
      BytesOf("abcabcabcabcabcabc, aaaaaaaaaaaaaaaaaaaaaaaaaaaa, xyz xyz xyz, 0123456789 0123456789");
  const Bytes packed = TLzhEncoder::Encode(data);
  for (std::size_t cut = 0; cut <= packed.size(); ++cut)
    for (std::uint32_t size : {1u, 7u, static_cast<std::uint32_t>(data.size()), 500u})
      ExpectSameAsCallbacks(std::span<const std::uint8_t>(packed.data(), cut), size, "cut stream");
}

TEST(LzhMemory, AgreesOnTheSampleSkinWholeAndCutShort) {
  const Bytes data = SampleSkinPackage();
  const Bytes packed = TLzhEncoder::Encode(data);
  const auto size = static_cast<std::uint32_t>(data.size());
  ExpectSameAsCallbacks(packed, size, "whole");
  ExpectSameAsCallbacks(std::span<const std::uint8_t>(packed.data(), packed.size() / 3), size, "a third");
  ExpectSameAsCallbacks(std::span<const std::uint8_t>(packed.data(), packed.size() - 5), size, "five short");
}

TEST(LzhMemory, AgreesWhileTheCommonestSymbolsChange) {
  // Phases in which one byte dominates, then another: short codes near the root keep trading
  // places, and rebuilds (over 0x8000 symbols) regroup the top of the tree, which the in-memory
  // decoder's table of the tree's top levels has to follow.
  Bytes data;
  std::uint32_t seed = 5;
  for (int phase = 0; phase < 150; ++phase) {
    for (int i = 0; i < 1500; ++i) {
      seed = seed * 1664525u + 1013904223u;
      const unsigned roll = seed >> 24;
      data.push_back(static_cast<std::uint8_t>(roll < 200 ? 'A' + phase % 26 : roll));
    }
  }
  const Bytes packed = TLzhEncoder::Encode(data);
  const auto size = static_cast<std::uint32_t>(data.size());
  ExpectSameAsCallbacks(packed, size, "phases");
  EXPECT_EQ(ReferenceDecode(packed, size), data);
}

TEST(LzhMemory, ReadsTheRingsFirstContentsAndRunsUpToTheEndOfTheBuffer) {
  // Matches into the spaces and the unwritten slots, short-distance runs of every distance
  // below sixteen, and a request that ends inside a long final match.
  Bytes data(100, ' ');
  for (int distance = 1; distance < 16; ++distance) {
    for (int i = 0; i < distance; ++i) data.push_back(static_cast<std::uint8_t>('a' + i));
    for (int i = 0; i < 70; ++i) data.push_back(data[data.size() - distance]);
  }
  const Bytes packed = TLzhEncoder::Encode(data);
  for (std::uint32_t size = 1; size <= data.size(); size += 37) ExpectSameAsCallbacks(packed, size, "runs");
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    const Bytes stream = RandomBytes(seed % 9, seed);  // a few bytes, then zero bits
    ExpectSameAsCallbacks(stream, 4000 + seed, "few bytes");
  }
}

}  // namespace
}  // namespace quarnel::testing
