// What the skin benchmarks share around their measurements: the program's arguments ([runs]
// [package.skn]), the package loaded or a message why not, a frame object put on a bench
// window, and result rows printed beside their baseline. Main thread of a benchmark program.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/core/component.h"
#include "skin/data/skin_data.h"
#include "tools/bench_common/bench_timing.h"

namespace quarnel::bench {

using BenchRun = int (*)(int runs, const std::string& package);

// Runs `run` with the run count (at least `minimumRuns`) and the package named on the command
// line, or with the defaults.
inline int BenchMain(int argc, char** argv, int defaultRuns, int minimumRuns, const char* defaultPackage,
                     BenchRun run) {
  const int runs = argc > 1 ? std::max(minimumRuns, std::atoi(argv[1])) : defaultRuns;
  const std::string package = argc > 2 ? argv[2] : defaultPackage;
  return run(runs, package);
}

// The package as a skin data component, or null after saying on stderr that it would not load.
inline ComponentPtr<TSkinData> LoadBenchSkin(const std::string& package) {
  auto skin = TComponent::Make<TSkinData>();
  skin->SetSkinFile(HostPath(package));
  if (!skin->Empty()) return skin;
  std::fprintf(stderr, "cannot load the skin package %s\n", package.c_str());
  return nullptr;
}

// A result row: the label padded to `width`, the median in microseconds.
inline void PrintFigure(int width, const char* label, double us) {
  std::printf("%-*s %9.1f us\n", width, label, us);
}

// A result row with its ratio to the system's own figure.
inline void PrintVersusSystem(int width, const char* label, double us, double system) {
  std::printf("%-*s %9.1f us   %5.2f x system\n", width, label, us, system > 0 ? us / system : 0.0);
}

}  // namespace quarnel::bench
