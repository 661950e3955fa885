// Shared pieces of the Windows benchmarks: a microsecond clock, a message pump, the median of
// timed runs, host paths as Wine sees them, and a plain top-level window to measure in.
// Main thread of a benchmark program.
#pragma once
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace quarnel::bench {

inline double Now() {
  static const double ticksPerMicrosecond = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1e6;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticksPerMicrosecond;
}

inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Median of `runs` timed calls in microseconds, after `warmup` untimed ones; `prepare` runs
// before each call outside the timing. Queued GDI work is flushed on both sides of each call.
inline double Median(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {},
                     int warmup = 10) {
  for (int i = 0; i < warmup; ++i) {
    if (prepare) prepare();
    work();
  }
  std::vector<double> times(static_cast<size_t>(std::max(runs, 1)));
  for (double& t : times) {
    if (prepare) prepare();
    GdiFlush();
    const double start = Now();
    work();
    GdiFlush();
    t = Now() - start;
  }
  const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
  std::nth_element(times.begin(), middle, times.end());
  return *middle;
}

// A path of the build machine as the Windows program sees it (drive Z: under Wine).
inline std::string HostPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

// A shown, not activated top-level window of a class of its own (registered on first use) with
// the default procedure and the button-face background.
inline HWND MakeBenchWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                            int width, int height) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = className;
  RegisterClassW(&cls);
  HWND w = CreateWindowExW(0, className, title, style, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  return w;
}

}  // namespace quarnel::bench
