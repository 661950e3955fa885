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
#include "tools/bench_common/bench_timing.h"

namespace quarnel::bench {
namespace {

constexpr int kWidth = 520, kHeight = 420;  // about the program's main window

HWND MakeWindow(const wchar_t* title, int x) {
  return MakeBenchWindow(L"QuarnelBenchFrame", title, WS_OVERLAPPEDWINDOW, x, 20, kWidth, kHeight);
}

int Run(int runs, const std::string& package) {
  auto skin = TComponent::Make<TSkinData>();
  skin->SetSkinFile(HostPath(package));
  if (skin->Empty()) {
    std::fprintf(stderr, "cannot load the skin package %s\n", package.c_str());
    return 1;
  }

  HWND plain = MakeWindow(L"Quarnel Ver:1.0", 20 + kWidth + 10);
  HWND skinned = MakeWindow(L"Quarnel Ver:1.0", 20);
  auto frame = TComponent::Make<TWinSkinForm>();
  frame->Window = skinned;
  frame->WindowClassName = "QuarnelBenchFrame";
  frame->Activate(skin.get());
  SetForegroundWindow(skinned);
  SendMessageW(skinned, SKM_ACTIVATE, 0, kActivateMessageParam);
  Pump();
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
  // A size change as UpdateWindowRegion sees it: the size it was built for is no longer the window's.
  const double region = Median(
      runs, [&] { frame->UpdateWindowRegion(); },
      [&] {
        frame->RegionSize = SIZE{};
        ForgetCachedRegions();  // a build, not a region kept from the run before
      });

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
  std::printf("%-46s %9.1f us   %5.2f x system\n", "PaintFrame (whole frame)", paint, paint / systemNC);
  std::printf("%-46s %9.1f us   %5.2f x system\n", "skinned RedrawWindow(RDW_FRAME|RDW_UPDATENOW)", skinnedNC,
              skinnedNC / systemNC);
  std::printf("%-46s %9.1f us\n", "system RedrawWindow(RDW_FRAME|RDW_UPDATENOW)", systemNC);
  std::printf("%-46s %9.1f us\n", "system WM_NCPAINT", systemNCPaint);
  std::printf("%-46s %9.1f us\n", "UpdateWindowRegion after a size change", region);
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
  const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 200;
  const std::string package = argc > 2 ? argv[2] : QUARNEL_LONGHORN_BLUE_SKN;
  return quarnel::bench::Run(runs, package);
}
