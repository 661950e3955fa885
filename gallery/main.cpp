// The skin gallery's entry point: the command line, the main window and the loop, or one of
// the unattended modes (screenshots, benchmark, one timed start). User-interface thread.
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "gallery/bench.h"
#include "gallery/demo_forms.h"
#include "gallery/gallery_form.h"
#include "gallery/gallery_options.h"
#include "gallery/screenshots.h"
#include "quarnel_version.h"

namespace {

constexpr wchar_t kTitle[] = L"Quarnel Skin Gallery";
constexpr DWORD kNoStartFigure = 999999;

std::vector<std::wstring> Arguments() {
  std::vector<std::wstring> args;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
  if (argv) LocalFree(argv);
  return args;
}

std::wstring ExePath() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

int SaveScreenshotsAndExit(TGalleryForm& form, const std::wstring& folder) {
  form.Show();
  gallery::ShowMdiDemo();
  gallery::ShowDialogDemo();
  gallery::PumpFor(500);
  CreateDirectoryW(folder.c_str(), nullptr);
  const int saved = gallery::SaveScreenshots(form, folder);
  std::printf("%d screenshots saved\n", saved);
  std::fflush(stdout);
  return saved > 0 ? 0 : 1;
}

// One start, timed: the exit code is the time to the first paint in tenths of a millisecond.
DWORD TimedStart(TGalleryForm& form) {
  form.Show();
  const DWORD started = GetTickCount();
  while (form.FirstSkinnedPaintMs() < 0 && GetTickCount() - started < 10000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Application()->ProcessMessages();
  }
  const double ms = form.FirstSkinnedPaintMs();
  return ms < 0 ? kNoStartFigure : static_cast<DWORD>(std::lround(ms * 10));
}

// Prints the version on the console that started the program, or shows it in a box when there is
// none (a window program has no console of its own).
void ShowVersion() {
  const std::string line = std::string("gallery (") + quarnel::kProductName + ") " + quarnel::kVersion + "\n";
  AttachConsole(ATTACH_PARENT_PROCESS);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out && out != INVALID_HANDLE_VALUE &&
      WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr))
    return;
  MessageBoxW(nullptr, fw::ToWide(line).c_str(), kTitle, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int64_t startTicks = gallery::NowTicks();
  const gallery::TGalleryOptions options = gallery::ParseGalleryOptions(Arguments());
  if (options.Version && options.Error.empty()) {
    ShowVersion();
    return 0;
  }
  TApplication* app = Application();
  app->Initialize();
  app->SetTitle(fw::FromWide(kTitle));
  if (!options.Error.empty()) {
    const std::wstring text =
        options.Error +
        L"\n\nUsage: gallery.exe [--skin FILE.skn] [--watch DIR] [--screenshots DIR] [--bench] [--version]";
    MessageBoxW(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    app->Shutdown();
    return 2;
  }
  TGalleryForm* form = nullptr;
  try {
    form = app->CreateForm<TGalleryForm>();
    form->SetStartTicks(startTicks);
    if (options.BenchStart == L"off") form->Switcher().SetSkinOn(false);
    // "--skin auto": the light or the dark built-in skin as the system is set, and at each
    // change; a bad file is reported and the stored skin stays.
    if (options.SkinFile == L"auto")
      form->Switcher().FollowSystem();
    else if (!options.SkinFile.empty())
      form->Switcher().UseFile(options.SkinFile);
    if (!options.WatchDir.empty()) form->Switcher().WatchFolder(options.WatchDir);
    form->UpdateStatus();
  } catch (...) {
    app->HandleException(std::current_exception());
    app->Shutdown();
    return 1;
  }
  int code = 0;
  if (!options.ScreenshotDir.empty()) {
    code = SaveScreenshotsAndExit(*form, options.ScreenshotDir);
  } else if (options.Bench) {
    code = gallery::RunBench(*form, ExePath());
  } else if (!options.BenchStart.empty()) {
    code = static_cast<int>(TimedStart(*form));
  } else {
    app->Run();
  }
  app->Shutdown();
  return code;
}
