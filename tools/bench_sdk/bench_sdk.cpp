// The plain Win32 sample timed from outside its process: from its start to a main window that
// shows, says what skin is in force and has painted, skinned and unskinned in alternation; and
// a skin switch, from the command to the repainted window. Prints the medians. Main thread.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "samples/plain-win32/resource.h"
#include "tools/bench_common/bench_timing.h"

namespace {

using quarnel::bench::Now;

std::wstring Text(HWND window) {
  wchar_t text[128] = L"";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      &length);
  return text;
}

// Every invalid part of the window painted now: the window's thread paints before this returns.
void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Sample {
  PROCESS_INFORMATION process{};
  HWND window = nullptr, status = nullptr;

  // Microseconds from the start to the painted main window whose status begins with `status`.
  double Start(const wchar_t* arguments, const wchar_t* statusText) {
    std::wstring command = L"\"" + Wide(quarnel::bench::HostPath(PLAIN_WIN32_EXE)) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const double started = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      return -1;
    for (;;) {
      window = FindWindowW(L"" PLAIN_SAMPLE_CLASS, L"" PLAIN_SAMPLE_TITLE);
      status = window ? GetDlgItem(window, IDC_MAIN_STATUS) : nullptr;
      if (status && IsWindowVisible(window) && Text(status) == statusText) break;
      if (Now() - started > 20e6) return -1;
      Sleep(1);
    }
    PaintNow(window);
    return Now() - started;
  }
  // Microseconds from the command to the repainted window that names the new skin.
  double Switch(WORD command, const wchar_t* statusText) const {
    const double started = Now();
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    while (Text(status) != statusText) {
      if (Now() - started > 10e6) return -1;
      Sleep(0);
    }
    PaintNow(window);
    return Now() - started;
  }
  void End() {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (process.hProcess) {
      if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    process = {};
    window = status = nullptr;
  }
  static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
};

double MedianOf(std::vector<double> values) {
  if (values.empty()) return -1;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2),
                   values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
  std::vector<double> skinned, unskinned, switches;
  for (int i = 0; i < runs + 1; ++i) {  // the first pair only warms the system's caches
    Sample plain;
    const double p = plain.Start(L"--unskinned", L"Skin: off");
    plain.End();
    Sample sample;
    const double s = sample.Start(L"", L"Skin: Longhorn Blue");
    if (s > 0) {
      for (int k = 0; k < 2; ++k) {
        const double dark = sample.Switch(ID_SKIN_GRAPHITE_DARK, L"Skin: Graphite Dark");
        const double blue = sample.Switch(ID_SKIN_LONGHORN_BLUE, L"Skin: Longhorn Blue");
        if (i > 0 && dark > 0) switches.push_back(dark);
        if (i > 0 && blue > 0) switches.push_back(blue);
      }
    }
    sample.End();
    if (i == 0 || p < 0 || s < 0) continue;
    unskinned.push_back(p);
    skinned.push_back(s);
  }
  std::printf("plain Win32 sample, %d starts each, alternating\n", runs);
  std::printf("start-up unskinned median %10.1f ms\n", MedianOf(unskinned) / 1000);
  std::printf("start-up skinned median   %10.1f ms\n", MedianOf(skinned) / 1000);
  std::printf("skin switch median        %10.1f ms\n", MedianOf(switches) / 1000);
  return 0;
}
