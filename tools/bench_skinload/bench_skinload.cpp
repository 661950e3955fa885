// Times a complete skin load (package decode, definition text, every element) against the
// package decode alone, and prints the medians. Usage: bench_skinload [package.skn] [runs].
// Runs on the UI thread of a plain Windows process (under Wine here).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double MedianMs(int runs, F&& step) {
  std::vector<double> times;
  times.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    step();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : QUARNEL_DEFAULT_SKIN_PACKAGE;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> packed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (packed.empty()) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return 1;
  }
  auto data = TComponent::Make<quarnel::TSkinData>();
  data->SetPackedSkin(packed);
  if (!data->LoadSkin()) {
    std::fprintf(stderr, "%s is not a skin package this program reads\n", path);
    return 1;
  }
  const double decode = MedianMs(runs, [&] {
    quarnel::TSkinReader reader;
    reader.Load(packed);
  });
  const double load = MedianMs(runs, [&] { data->LoadSkin(); });
  std::printf("package           %s (%zu bytes packed)\n", path, packed.size());
  std::printf("runs              %d\n", runs);
  std::printf("decode median     %.3f ms\n", decode);
  std::printf("LoadSkin median   %.3f ms\n", load);
  std::printf("LoadSkin / decode %.2fx\n", decode > 0 ? load / decode : 0.0);
  return 0;
}
