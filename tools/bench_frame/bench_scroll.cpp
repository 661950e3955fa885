// bench_scroll: median time of one paint of a skinned scroll-bar overlay over a multi-line edit's
// vertical bar, beside the system's own paint of an unskinned scroll bar of the same size measured
// in the same run. Runs on the main thread; usage: bench_scroll [runs] [package.skn].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/wscrollbar.h"
#include "skin/data/skin_data.h"
#include "tools/bench_common/bench_skin.h"

namespace quarnel::bench {
namespace {

HWND MakeChild(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w,
                         h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Redraw(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

int Run(int runs, const std::string& package) {
  auto skin = LoadBenchSkin(package);
  if (!skin) return 1;
  HWND host = MakeBenchWindow(L"QuarnelBenchScroll", L"bench_scroll", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              20, 20, 420, 300);
  HWND edit = MakeChild(host, L"EDIT", ES_MULTILINE | WS_VSCROLL, 10, 10, 180, 240);
  std::wstring text;
  for (int i = 0; i < 100; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
  SetWindowTextW(edit, text.c_str());
  Pump();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(edit, OBJID_VSCROLL, &info);
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  // The unskinned twin: a scroll-bar control of the bar's size with the same range and page.
  HWND plain = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 220, 10, width, height,
                               host, nullptr, GetModuleHandleW(nullptr), nullptr);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(edit, SB_VERT, &si);
  SetScrollInfo(plain, SB_CTL, &si, TRUE);
  Pump();

  // The overlay belongs to a plain skin object (on the host window, which is not measured) that
  // only lends it the skin.
  auto owner = TComponent::Make<TSkinControl>();
  owner->AttachHandle(host, skin.get(), nullptr, nullptr);
  TWScrollbar overlay(owner.get());
  overlay.BindWindow(edit, skVertical);
  Pump();
  if (!overlay.Shown()) {
    std::fprintf(stderr, "the overlay is not shown\n");
    return 1;
  }
  TScrollBarPaint bar;
  bar.width = width;
  bar.height = height;
  bar.vertical = true;
  bar.arrowSize = overlay.ArrowSize();
  bar.thumbStart = info.xyThumbTop;
  bar.thumbEnd = info.xyThumbBottom;
  TBitmap buffer;
  if (!PaintSkinScrollBar(*skin, bar, buffer)) {
    std::fprintf(stderr, "the skin cannot paint a bar\n");
    return 1;
  }
  const double compose = Median(runs, [&] { PaintSkinScrollBar(*skin, bar, buffer); });
  HDC dc = GetDC(overlay.Window());
  const double paintDirect = Median(runs, [&] { overlay.Paint(dc); });
  ReleaseDC(overlay.Window(), dc);
  const double overlayRedraw = Median(runs, [&] { Redraw(overlay.Window()); });
  const double systemRedraw = Median(runs, [&] { Redraw(plain); });
  // The system bar's own drawing alone, without the window manager's round trip: its paint
  // message with a memory DC of the bar's size.
  TBitmap target(width, height);
  const double systemPaint =
      Median(runs, [&] { SendMessageW(plain, WM_PAINT, reinterpret_cast<WPARAM>(target.DC()), 0); });
  const double systemNC = Median(runs, [&] {
    RedrawWindow(edit, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE | RDW_NOCHILDREN);
  });

  std::printf("vertical bar %d x %d, built-in skin, %d runs (medians)\n", width, height, runs);
  PrintVersusSystem(48, "overlay RedrawWindow (WM_PAINT, one copy)", overlayRedraw, systemRedraw);
  PrintVersusSystem(48, "overlay Paint into its DC", paintDirect, systemRedraw);
  PrintFigure(48, "  of which composing the off-screen bar", compose);
  PrintFigure(48, "system scroll bar RedrawWindow (same size)", systemRedraw);
  PrintFigure(48, "system edit frame + bar (RDW_FRAME)", systemNC);
  std::printf("%-48s %9.1f us   overlay Paint = %5.2f x this\n",
              "system scroll bar WM_PAINT into a memory DC", systemPaint, paintDirect / systemPaint);
  DestroyWindow(host);
  return 0;
}

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  return quarnel::bench::BenchMain(argc, argv, 300, 5, QUARNEL_LONGHORN_BLUE_SKN, quarnel::bench::Run);
}
