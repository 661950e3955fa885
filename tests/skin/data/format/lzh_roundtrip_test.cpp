// LZHUF encoder: every kind of input decodes back to itself, and repeated data really is
// found as matches.
#include <gtest/gtest.h>

#include "skin/data/format/lzh_encoder.h"
#include "test_bytes.h"
#include "tools/bench_lzh/sample_skin.h"

namespace quarnel::testing {
namespace {

void ExpectRoundTrip(const Bytes& data) {
  const Bytes packed = TLzhEncoder::Encode(data);
  const Bytes out = Decode(packed, static_cast<std::uint32_t>(data.size()));
  ASSERT_EQ(out.size(), data.size());
  EXPECT_TRUE(out == data);
}

TEST(LzhRoundTrip, EmptyInput) {
  EXPECT_TRUE(TLzhEncoder::Encode({}).empty());
  ExpectRoundTrip({});
}

TEST(LzhRoundTrip, OneByte) {
  ExpectRoundTrip({0x00});
  ExpectRoundTrip({0xFF});
}

TEST(LzhRoundTrip, RandomBytesIncludingTreeRebuilds) {
  ExpectRoundTrip(RandomBytes(100000, 7));  // > 0x8000 literals: the tree is rebuilt
  ExpectRoundTrip(RandomBytes(4097, 8));
}

TEST(LzhRoundTrip, HighlyRepetitiveDataCompressesToMatches) {
  Bytes data;
  while (data.size() < 200000) data.insert(data.end(), {'s', 'k', 'i', 'n', '\r', '\n'});
  ExpectRoundTrip(data);
  EXPECT_LT(TLzhEncoder::Encode(data).size(), data.size() / 40);
}

TEST(LzhRoundTrip, MatchesAcrossTheRingBoundaryAndAtFullDistance) {
  // A 4096-byte block repeated: each repeat lies exactly one ring length back.
  const Bytes block = RandomBytes(4096, 3);
  Bytes data = block;
  data.insert(data.end(), block.begin(), block.end());
  data.insert(data.end(), block.begin(), block.end());
  ExpectRoundTrip(data);
  EXPECT_LT(TLzhEncoder::Encode(data).size(), block.size() * 3 / 2);
}

TEST(LzhRoundTrip, ShortRunsAndOverlappingMatches) {
  Bytes data;
  for (int run = 1; run < 300; ++run) data.insert(data.end(), run % 70, static_cast<std::uint8_t>(run));
  ExpectRoundTrip(data);
}

TEST(LzhRoundTrip, SkinLikeData) {
  Bytes data;
  for (auto& entry : sample::MakeSampleSkin()) data.insert(data.end(), entry.data.begin(), entry.data.end());
  ExpectRoundTrip(data);
  EXPECT_LT(TLzhEncoder::Encode(data).size(), data.size() / 4);
}

}  // namespace
}  // namespace quarnel::testing
