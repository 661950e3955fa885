// Times a complete skin load (package decode, definition text, every element) against the
// package decode alone, and prints the medians. Usage: bench_skinload [package.skn] [runs].
// Runs on the UI thread of a plain Windows process (under Wine here).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/format/skin_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of this thread in milliseconds: the work itself, without time spent waiting while
// other processes run (this machine is shared).
double ThreadCpuMs() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

template <class F>
double MedianMs(int runs, F&& step, double* cpuMsPerRun = nullptr) {
  const double cpuStart = ThreadCpuMs();
  std::vector<double> times;
  times.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    step();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  if (cpuMsPerRun) *cpuMsPerRun = (ThreadCpuMs() - cpuStart) / runs;
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
  double decodeCpu = 0, loadCpu = 0;
  const double decode = MedianMs(
      runs,
      [&] {
        quarnel::TSkinReader reader;
        reader.Load(packed);
      },
      &decodeCpu);
  const double load = MedianMs(
      runs, [&] { data->LoadSkin(); }, &loadCpu);
  std::printf("package           %s (%zu bytes packed)\n", path, packed.size());
  std::printf("runs              %d\n", runs);
  std::printf("decode median     %.3f ms\n", decode);
  std::printf("LoadSkin median   %.3f ms\n", load);
  std::printf("LoadSkin / decode %.2fx\n", decode > 0 ? load / decode : 0.0);
  std::printf("CPU per run       decode %.3f ms, LoadSkin %.3f ms (%.2fx)\n", decodeCpu, loadCpu,
              decodeCpu > 0 ? loadCpu / decodeCpu : 0.0);
  return 0;
}
