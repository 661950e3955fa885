// Starting with a skin file named on the command line. User-interface thread.
#include "skin/data/skin_file_option.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/win/handles.h"
#include "skin/data/format/skin_reader.h"
#include "skin/data/skin_data.h"
#include "skin/data/whole_file.h"

namespace quarnel {
namespace {

void ShowBox(const std::wstring& message) {
  const std::string title = Application() ? Application()->Title() : std::string();
  MessageBoxW(nullptr, message.c_str(), fw::ToWide(title).c_str(), MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

SkinFileNotifier& CurrentNotifier() {
  static SkinFileNotifier notifier = ShowBox;
  return notifier;
}

// Every refusal names the file and the reason, so a user who typed the command knows what to mend.
void ShowRefused(const std::wstring& path, const wchar_t* why) {
  if (CurrentNotifier())
    CurrentNotifier()(L"The skin file \"" + path + L"\" cannot be used: " + why +
                      L".\nThe program goes on with its stored skin.");
}

const wchar_t* WhyUnread(const TSkinReader& reader) {
  switch (reader.Result()) {
    case TSkinReader::TResult::TooManyEntries:
      return L"it holds more entries than a skin package may";
    case TSkinReader::TResult::UnknownVersion:
    case TSkinReader::TResult::Loaded:
      break;
  }
  // A cut or foreign file reads as a package of a version nobody made.
  return L"it is not a skin package, or one of a version this program does not know";
}

}  // namespace

std::wstring SkinPackageRefusal(const std::vector<uint8_t>& packed) {
  if (packed.empty()) return L"it is empty";
  TSkinReader check;
  if (!check.Load(packed)) return WhyUnread(check);
  return {};
}

std::wstring SkinFileArgument(const std::wstring& commandLine) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(commandLine.c_str(), &count);
  if (!args) return {};
  std::wstring file;
  for (int i = 1; i + 1 < count; ++i)
    if (std::wstring(args[i]) == L"--skin") {
      file = args[i + 1];
      break;
    }
  LocalFree(args);
  return file;
}

SkinFileNotifier SetSkinFileNotifier(SkinFileNotifier notifier) {
  return std::exchange(CurrentNotifier(), std::move(notifier));
}

bool UseSkinFile(TSkinData& data, const std::wstring& path) {
  std::vector<uint8_t> packed;
  if (!ReadWholeFile(path, packed)) {
    ShowRefused(path, L"it cannot be read");
    return false;
  }
  if (const std::wstring why = SkinPackageRefusal(packed); !why.empty()) {
    ShowRefused(path, why.c_str());
    return false;
  }
  if (!data.LoadPackage(std::move(packed))) {
    ShowRefused(path, L"its skin cannot be loaded");
    return false;
  }
  data.ApplySkin();
  return true;
}

}  // namespace quarnel
