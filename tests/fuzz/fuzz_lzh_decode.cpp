// Fuzz target: LZHUF decoding of arbitrary streams, through callbacks and in memory, must agree
// with the plain reference decoder and stay within one match of the requested size; the same
// bytes must survive an encoder round trip. Input: two bytes of requested size (in units of
// 2 bytes), then the stream.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "reference_lzh.h"
#include "skin/data/format/lzh.h"
#include "skin/data/format/lzh_encoder.h"

namespace {

std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> stream, std::uint32_t size) {
  std::vector<std::uint8_t> out;
  std::size_t next = 0;
  quarnel::TLZH().DecodeWith(
      size,
      [&](std::uint8_t& byte) -> std::size_t {
        if (next == stream.size()) return 0;
        byte = stream[next++];
        return 1;
      },
      [&](std::uint8_t byte) { out.push_back(byte); });
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint32_t wanted = (std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8) * 2;
  const std::span<const std::uint8_t> stream(data + 2, size - 2);

  const auto out = Decode(stream, wanted);
  if (out.size() < wanted || out.size() > wanted + 59) std::abort();
  if (out != quarnel::testing::ReferenceDecode(stream, wanted)) std::abort();
  std::vector<std::uint8_t> inMemory(std::size_t{wanted} + quarnel::lzh::kLookAhead - 1);
  inMemory.resize(quarnel::TLZH().DecodeMemory(stream.data(), stream.size(), wanted, inMemory.data()));
  if (inMemory != out) std::abort();

  const auto packed = quarnel::TLzhEncoder::Encode(stream);
  if (Decode(packed, static_cast<std::uint32_t>(stream.size())) !=
      std::vector<std::uint8_t>(stream.begin(), stream.end())) {
    std::abort();
  }
  return 0;
}
