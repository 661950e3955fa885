// bench_lzh: LZHUF decoding speed on a synthetic skin package of about 227 KB unpacked.
// Prints MB/s and the median time per decode; --once decodes a single time for callgrind
// (see callgrind.sh, which turns the count into instructions per output byte).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/skin_writer.h"
#include "tools/bench_lzh/sample_skin.h"

namespace quarnel::bench {

using Bytes = std::vector<std::uint8_t>;

// Kept out of line so that callgrind can count exactly one decode (--toggle-collect).
[[gnu::noinline]] std::size_t DecodeOnce(const Bytes& stream, std::uint32_t size, Bytes& out) {
  const std::uint8_t* next = stream.data();
  const std::uint8_t* const end = next + stream.size();
  std::uint8_t* sink = out.data();
  TLZH().DecodeWith(
      size,
      [&](std::uint8_t& byte) -> std::size_t {
        if (next == end) return 0;
        byte = *next++;
        return 1;
      },
      [&](std::uint8_t byte) { *sink++ = byte; });
  return static_cast<std::size_t>(sink - out.data());
}

int Run(int argc, char** argv) {
  int iterations = 300;
  bool once = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--once") == 0) {
      once = true;
    } else if (std::strcmp(argv[i], "--iterations") == 0 && i + 1 < argc) {
      iterations = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench_lzh [--iterations N] [--once]\n");
      return 2;
    }
  }

  TSkinWriter writer;
  for (auto& entry : sample::MakeSampleSkin()) writer.AddEntry(entry.name, entry.data);
  const Bytes unpacked = writer.Unpacked(kDefaultSkinVersion);
  const Bytes packed = writer.Packed(kDefaultSkinVersion);
  const Bytes stream(packed.begin() + 4, packed.end());
  const auto size = static_cast<std::uint32_t>(unpacked.size());
  Bytes out(size + lzh::kLookAhead);

  std::printf("package: %zu bytes unpacked, %zu bytes packed (ratio %.2f)\n", unpacked.size(), packed.size(),
              static_cast<double>(unpacked.size()) / packed.size());
  const std::size_t produced = DecodeOnce(stream, size, out);
  if (produced != size || !std::equal(unpacked.begin(), unpacked.end(), out.begin())) {
    std::fprintf(stderr, "decoded bytes differ from the package\n");
    return 1;
  }
  if (once) {
    std::printf("decoded once: %zu output bytes\n", produced);
    return 0;
  }

  std::vector<double> seconds;
  seconds.reserve(static_cast<std::size_t>(iterations));
  for (int i = 0; i < iterations; ++i) {
    const auto start = std::chrono::steady_clock::now();
    DecodeOnce(stream, size, out);
    const auto stop = std::chrono::steady_clock::now();
    seconds.push_back(std::chrono::duration<double>(stop - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  const double median = seconds[seconds.size() / 2];
  std::printf("decodes: %d, median %.1f us, fastest %.1f us per decode\n", iterations, median * 1e6,
              seconds.front() * 1e6);
  std::printf("throughput: %.1f MB/s (median)\n", size / median / 1e6);
  return 0;
}

}  // namespace quarnel::bench

int main(int argc, char** argv) {
  return quarnel::bench::Run(argc, argv);
}
