// bench_menus: median times of painting the skinned menu band of a window with a five-item menu
// bar beside the system redrawing the same bar on an unskinned twin (DrawMenuBar), and of one
// skinned popup item beside one item of the system's own popup (a whole popup repaint divided by
// its items), in one run. Main thread; usage: bench_menus [runs] [package.skn].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/core/component.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/menu.h"
#include "framework/win/handles.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/menus/menu_item_paint.h"
#include "skin/frame/win_skin_form.h"
#include "tools/bench_common/bench_skin.h"
#include "tools/bench_frame/bench_frame_window.h"

namespace quarnel::bench {
namespace {

constexpr int kWidth = 520, kHeight = 420, kPopupItems = 10;

HMENU MakeBar() {
  HMENU bar = CreateMenu();
  for (const wchar_t* title : {L"&File", L"&Edit", L"&View", L"&Window", L"&Help"}) {
    HMENU drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, 100, L"&Open");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop), title);
  }
  return bar;
}

// The system's popup, measured from inside its own menu loop by a thread timer.
struct PopupProbe {
  int runs = 0;
  double repaint = 0;
};
PopupProbe probe;

void CALLBACK MeasurePopup(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (!popup || !IsWindowVisible(popup) || probe.repaint > 0) return;
  probe.repaint = Median(
      probe.runs, [&] { RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
  EndMenu();
}

int Run(int runs, const std::string& package) {
  auto skin = LoadBenchSkin(package);
  if (!skin) return 1;
  HWND plain = MakeBenchWindow(L"QuarnelBenchMenus", L"System menu bar", WS_OVERLAPPEDWINDOW,
                               20 + kWidth + 10, 20, kWidth, kHeight);
  HWND skinned = MakeBenchWindow(L"QuarnelBenchMenus", L"Skinned menu bar", WS_OVERLAPPEDWINDOW, 20, 20,
                                 kWidth, kHeight);
  SetMenu(plain, MakeBar());
  SetMenu(skinned, MakeBar());
  auto frame = SkinBenchWindow(skinned, "QuarnelBenchMenus", skin.get());
  if (!frame->MenuBar()) {
    std::fprintf(stderr, "the skinned window has no skinned menu bar\n");
    return 1;
  }

  RECT r{};
  GetWindowRect(skinned, &r);
  const RECT band{frame->View().Metrics().BorderLeft, frame->View().Metrics().CaptionHeight,
                  r.right - r.left - frame->View().Metrics().BorderRight,
                  frame->View().Metrics().CaptionHeight + frame->View().Metrics().MenuBarHeight};
  fw::WindowDC dc(skinned, fw::WindowDC::kWindow);
  const double skinnedBar =
      Median(runs, [&] { frame->MenuBar()->PaintMenuBar(dc.get(), band, true, false); });
  const double systemBar = Median(runs, [&] {
    DrawMenuBar(plain);
    RedrawWindow(plain, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
  });

  // One skinned item drawn the way an open drop-down draws it, onto a memory surface.
  ComponentPtr<TMenuItem> item = TComponent::Make<TMenuItem>();
  item->SetCaption("&Open skin...");
  item->SetShortCut("Ctrl+O");
  fw::UniqueDC memory = fw::CreateMemoryDC();
  fw::UniqueBitmap surface(CreateCompatibleBitmap(dc.get(), 200, 24));
  fw::SelectGuard keep(memory.get(), surface.get());
  TCanvas canvas(memory.get());
  const RECT itemRect{0, 0, 200, 22};
  const double skinnedItem = Median(runs, [&] {
    DrawSkinMenuItem(TMenuItemPaint{skin.get(), false}, *item, canvas, true, itemRect);
  });
  canvas.SetHandle(nullptr);

  // The system's popup of kPopupItems such items, repainted whole while it is open.
  HMENU popup = CreatePopupMenu();
  for (int i = 0; i < kPopupItems; ++i) AppendMenuW(popup, MF_STRING, 200 + i, L"&Open skin...\tCtrl+O");
  probe.runs = runs;
  SetForegroundWindow(plain);
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &MeasurePopup);
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, r.right + 40, r.top + 80, 0, plain, nullptr);
  KillTimer(nullptr, timer);
  DestroyMenu(popup);
  const double systemItem = probe.repaint / kPopupItems;

  std::printf("menu bar of 5 items on a %ld x %ld window, %d runs (medians)\n", r.right - r.left,
              r.bottom - r.top, runs);
  PrintVersusSystem(46, "skinned band PaintMenuBar", skinnedBar, systemBar);
  PrintFigure(46, "system DrawMenuBar + update (twin)", systemBar);
  std::printf("%-46s %9.1f us   %5.2f x system\n", "skinned popup item DrawSkinMenuItem", skinnedItem,
              systemItem > 0 ? skinnedItem / systemItem : 0.0);
  std::printf("%-46s %9.1f us   (%.1f us for %d items)\n", "system popup item (repaint / items)", systemItem,
              probe.repaint, kPopupItems);

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
