// bench_lzh: LZHUF decoding speed on a synthetic skin package of about 227 KB unpacked, or on a
// package file. Prints MB/s and the median time per decode, and the same for a plain decoder of
// the classic algorithm on the same bytes in the same process; --once decodes a single time for
// callgrind (see callgrind.sh, which turns the count into instructions per output byte).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/format/lzh.h"
#include "skin/data/format/skin_writer.h"
#include "tests/skin/data/format/reference_lzh.h"
#include "tools/bench_lzh/sample_skin.h"

namespace quarnel::bench {

using Bytes = std::vector<std::uint8_t>;

// Kept out of line so that callgrind can count exactly one decode (--toggle-collect).
[[gnu::noinline]] std::size_t DecodeOnce(const Bytes& stream, std::uint32_t size, Bytes& out) {
  return TLZH().DecodeMemory(stream.data(), stream.size(), size, out.data());
}

// The synthetic skin packed by our encoder, or a package file; `unpacked` stays empty for a
// file, whose decoded bytes are then only checked for their count.
bool LoadPackage(const char* path, Bytes& packed, Bytes& unpacked) {
  if (path == nullptr) {
    TSkinWriter writer;
    for (auto& entry : sample::MakeSampleSkin()) writer.AddEntry(entry.name, entry.data);
    unpacked = writer.Unpacked(kDefaultSkinVersion);
    packed = writer.Packed(kDefaultSkinVersion);
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  packed.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.good() || in.eof() ? packed.size() >= 4 : false;
}

int Run(int argc, char** argv) {
  int iterations = 300;
  bool once = false;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--once") == 0) {
      once = true;
    } else if (std::strcmp(argv[i], "--iterations") == 0 && i + 1 < argc) {
      iterations = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--package") == 0 && i + 1 < argc) {
      path = argv[++i];
    } else {
      std::fprintf(stderr, "usage: bench_lzh [--iterations N] [--once] [--package FILE.skn]\n");
      return 2;
    }
  }

  Bytes packed;
  Bytes unpacked;
  if (!LoadPackage(path, packed, unpacked)) {
    std::fprintf(stderr, "bench_lzh: cannot read a package from %s\n", path);
    return 1;
  }
  const Bytes stream(packed.begin() + 4, packed.end());
  const std::uint32_t size =
      packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::uint32_t>(packed[3]) << 24;
  Bytes out(std::size_t{size} + lzh::kLookAhead);

  std::printf("package: %u bytes unpacked, %zu bytes packed (ratio %.2f)\n", size, packed.size(),
              static_cast<double>(size) / packed.size());
  const std::size_t produced = DecodeOnce(stream, size, out);
  const bool same = unpacked.empty()
                        ? produced >= size
                        : produced == size && std::equal(unpacked.begin(), unpacked.end(), out.begin());
  if (!same) {
    std::fprintf(stderr, "decoded bytes differ from the package\n");
    return 1;
  }
  if (once) {
    std::printf("decoded once: %zu output bytes\n", produced);
    return 0;
  }

  const Bytes classic = testing::ReferenceDecode(stream, size);
  if (classic.size() < size || !std::equal(classic.begin(), classic.begin() + size, out.begin())) {
    std::fprintf(stderr, "the classic decoder's bytes differ from ours\n");
    return 1;
  }

  // The two decoders take turns, so that a busy moment of the machine falls on both alike.
  std::vector<double> seconds, classicSeconds;
  auto timed = [](auto&& decode) {
    const auto start = std::chrono::steady_clock::now();
    decode();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (int i = 0; i < iterations; ++i) {
    seconds.push_back(timed([&] { DecodeOnce(stream, size, out); }));
    classicSeconds.push_back(timed([&] { testing::ReferenceDecode(stream, size); }));
  }
  std::sort(seconds.begin(), seconds.end());
  std::sort(classicSeconds.begin(), classicSeconds.end());
  const double median = seconds[seconds.size() / 2],
               classicMedian = classicSeconds[classicSeconds.size() / 2];
  std::printf("decodes: %d, median %.1f us, fastest %.1f us per decode\n", iterations, median * 1e6,
              seconds.front() * 1e6);
  std::printf("throughput: %.1f MB/s (median)\n", size / median / 1e6);
  std::printf("classic decodes: %d, median %.1f us, fastest %.1f us per decode\n", iterations,
              classicMedian * 1e6, classicSeconds.front() * 1e6);
  std::printf("speed-up over the classic decoder: %.2fx (medians)\n", classicMedian / median);
  return 0;
}

}  // namespace quarnel::bench

int main(int argc, char** argv) {
  return quarnel::bench::Run(argc, argv);
}
