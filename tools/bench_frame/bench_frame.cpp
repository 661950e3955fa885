// bench_frame: median times of one full PaintFrame of a main-window-sized window skinned with
// the built-in skin and of one UpdateWindowRegion after a size change, beside the system's own
// non-client paint of an unskinned twin measured in the same run; and how many regions one size
// change builds. Runs on the main thread; usage: bench_frame [runs] [package.skn].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_paint.h"
#include "skin/frame/win_skin_form.h"
#include "tools/bench_common/bench_skin.h"
#include "tools/bench_frame/bench_frame_window.h"

namespace quarnel::bench {
namespace {

constexpr int kWidth = 520, kHeight = 420;  // about the program's main window

HWND MakeWindow(const wchar_t* title, int x) {
  return MakeBenchWindow(L"QuarnelBenchFrame", title, WS_OVERLAPPEDWINDOW, x, 20, kWidth, kHeight);
}

int Run(int runs, const std::string& package) {
  auto skin = LoadBenchSkin(package);
  if (!skin) return 1;

  HWND plain = MakeWindow(L"Quarnel Ver:1.0", 20 + kWidth + 10);
  HWND skinned = MakeWindow(L"Quarnel Ver:1.0", 20);
  auto frame = SkinBenchWindow(skinned, "QuarnelBenchFrame", skin.get());
  // The twin gets the skinned window's outer size, so both frames cover the same area.
  RECT r{};
  GetWindowRect(skinned, &r);
  SetWindowPos(plain, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  Pump();

  const double paint = Median(runs, [&] { frame->PaintFrame(nullptr); });
  const double skinnedNC = Median(runs, [&] {
    RedrawWindow(skinned, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE | RDW_NOCHILDREN);
  });
  const double systemNC = Median(runs, [&] {
    RedrawWindow(plain, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE | RDW_NOCHILDREN);
  });
  const double systemNCPaint = Median(runs, [&] { SendMessageW(plain, WM_NCPAINT, 1, 0); });
  // The outline cut again, as after a size change: a build, not a region kept from the run before.
  const double region = Median(
      runs, [&] { frame->UpdateWindowRegion(true); }, [] { ForgetCachedRegions(); });

  // Real size changes through the window: how many regions each builds.
  const int changes = 50;
  const int before = RegionBuildCount();
  double resizeTotal = 0;
  for (int i = 0; i < changes; ++i) {
    const double start = Now();
    SetWindowPos(skinned, nullptr, 0, 0, r.right - r.left + (i % 2 ? 0 : 13), r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    resizeTotal += Now() - start;
  }
  const int builds = RegionBuildCount() - before;

  std::printf("window %ld x %ld, built-in skin, %d runs (medians)\n", r.right - r.left, r.bottom - r.top,
              runs);
  PrintVersusSystem(46, "PaintFrame (whole frame)", paint, systemNC);
  PrintVersusSystem(46, "skinned RedrawWindow(RDW_FRAME|RDW_UPDATENOW)", skinnedNC, systemNC);
  PrintFigure(46, "system RedrawWindow(RDW_FRAME|RDW_UPDATENOW)", systemNC);
  PrintFigure(46, "system WM_NCPAINT", systemNCPaint);
  PrintFigure(46, "UpdateWindowRegion after a size change", region);
  std::printf("%-46s %9d builds for %d size changes (%.2f per change), %.0f us per change\n",
              "regions built by SetWindowPos resizes", builds, changes, static_cast<double>(builds) / changes,
              resizeTotal / changes);

  DestroyWindow(skinned);
  frame.reset();
  DestroyWindow(plain);
  return 0;
}

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  return quarnel::bench::BenchMain(argc, argv, 200, 5, QUARNEL_LONGHORN_BLUE_SKN, quarnel::bench::Run);
}
