// The benchmark mode of the gallery. User-interface thread.
#include "gallery/bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "framework/win/object_counts.h"
#include "gallery/demo_forms.h"
#include "gallery/gallery_form.h"
#include "gallery/screenshots.h"

namespace gallery {
namespace {

constexpr int kSwitches = 100;       // timed
constexpr int kLongRunSwitches = 1000;  // GDI objects counted after them, against after the timed ones
constexpr int kStarts = 3;

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// One start of the program in a child process; its exit code is the time to its first
// (skinned) paint in tenths of a millisecond, or 900000 and above when it could not tell.
double TimedStart(const std::wstring& exePath, bool skinOn) {
  std::wstring command = L"\"" + exePath + L"\" --bench-start " + (skinOn ? L"on" : L"off");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 99999);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code >= 900000 ? -1 : static_cast<double>(code) / 10.0;  // tenths of a millisecond
}

}  // namespace

int RunBench(TGalleryForm& form, const std::wstring& exePath) {
  TSkinSwitcher& switcher = form.Switcher();
  form.Show();
  ShowMdiDemo();
  ShowDialogDemo();
  PumpFor(600);

  switcher.SetSkinOn(false);
  WaitForSwitch(switcher);
  PumpFor(300);
  const DWORD gdiOff = fw::GdiObjectCount();
  form.UseBuiltInSkin(0);
  WaitForSwitch(switcher);
  PumpFor(300);
  const DWORD gdiOn = fw::GdiObjectCount();

  const size_t skins = BuiltInSkins().size();
  std::vector<double> times;
  // Ends on the first skin, whose objects were counted above.
  const auto switchTimes = [&](int count, bool timed) {
    for (int i = 0; i < count; ++i) {
      form.UseBuiltInSkin(skins > 1 ? static_cast<size_t>((i + 1) % 2) : 0);
      WaitForSwitch(switcher);
      if (timed) times.push_back(switcher.LastSwitchMs());
      PumpFor(timed ? 5 : 1);
    }
    form.UseBuiltInSkin(0);
    WaitForSwitch(switcher);
    PumpFor(300);
  };
  switchTimes(kSwitches, true);
  const DWORD gdiAfter = fw::GdiObjectCount();
  switchTimes(kLongRunSwitches - kSwitches, false);
  const DWORD gdiLongRun = fw::GdiObjectCount();

  std::vector<double> startOn, startOff;
  for (int i = 0; i < kStarts; ++i) {
    startOn.push_back(TimedStart(exePath, true));
    startOff.push_back(TimedStart(exePath, false));
  }

  std::printf("Skin switch with the gallery, MDI demo (3 children) and dialog demo open, %d switches:\n",
              kSwitches);
  std::printf("  median %.1f ms, slowest %.1f ms (goal: median under 30 ms)\n", Median(times),
              *std::max_element(times.begin(), times.end()));
  std::printf("GDI objects, same windows: unskinned %lu, skinned %lu (ratio %.2f, goal at most 1.2)\n", gdiOff,
              gdiOn, gdiOff ? static_cast<double>(gdiOn) / static_cast<double>(gdiOff) : 0.0);
  std::printf("GDI objects after %d more switches: %lu (growth %ld)\n", kSwitches, gdiAfter,
              static_cast<long>(gdiAfter) - static_cast<long>(gdiOn));
  std::printf("GDI objects after %d switches in all: %lu (growth since %d: %ld)\n", kLongRunSwitches, gdiLongRun,
              kSwitches, static_cast<long>(gdiLongRun) - static_cast<long>(gdiAfter));
  std::printf(
      "Start to first paint of the gallery (median of %d, from program entry): skinned %.1f ms, "
      "unskinned %.1f ms\n",
      kStarts, Median(startOn), Median(startOff));
  std::fflush(stdout);
  return 0;
}

}  // namespace gallery
