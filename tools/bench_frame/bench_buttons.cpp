// bench_buttons: median time of one paint of a skinned push button beside the system's own
// paint of an unskinned push button of the same size and caption, measured in the same run.
// Runs on the main thread; usage: bench_buttons [runs] [package.skn].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "skin/controls/skin_button.h"
#include "skin/data/skin_data.h"
#include "tools/bench_common/bench_skin.h"

namespace quarnel::bench {
namespace {

HWND MakeButton(HWND parent, int x) {
  HWND b = CreateWindowExW(0, L"Button", L"Velmora", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 20, 75, 25,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return b;
}

int Run(int runs, const std::string& package) {
  auto skin = LoadBenchSkin(package);
  if (!skin) return 1;
  if (!skin->Buttons || skin->Buttons->Image.Empty()) {
    std::fprintf(stderr, "the skin package %s has no button image\n", package.c_str());
    return 1;
  }
  HWND host = MakeBenchWindow(L"QuarnelBenchButtons", L"bench_buttons", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              20, 20, 300, 120);
  HWND plain = MakeButton(host, 10);
  HWND skinned = MakeButton(host, 100);
  auto owner = TComponent::Make<TComponent>();
  auto* button = TComponent::CreateIn<TSkinButton>(owner.get());
  button->AttachHandle(skinned, skin.get(), nullptr, nullptr);
  Pump();
  auto redraw = [](HWND w) {
    return [w] { RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); };
  };
  const double system = Median(runs, redraw(plain));
  const double skinnedPaint = Median(runs, redraw(skinned));
  HDC dc = GetDC(skinned);
  const RECT rect{0, 0, 75, 25};
  const double draw = Median(runs, [&] { button->Draw(dc, rect); });
  ReleaseDC(skinned, dc);
  std::printf("push button 75 x 25, built-in skin, %d runs (medians)\n", runs);
  PrintFigure(44, "system button RedrawWindow (erase + paint)", system);
  PrintVersusSystem(44, "skinned button RedrawWindow", skinnedPaint, system);
  PrintVersusSystem(44, "  of which Draw (off-screen + one copy)", draw, system);
  owner.reset();
  DestroyWindow(host);
  return 0;
}

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  return quarnel::bench::BenchMain(argc, argv, 2001, 11, QUARNEL_LONGHORN_BLUE_SKN, quarnel::bench::Run);
}
