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

void ShowUnreadable(const std::wstring& path) {
  if (CurrentNotifier()) CurrentNotifier()(UnreadableSkinFileMessage(path));
}

}  // namespace

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

std::wstring UnreadableSkinFileMessage(const std::wstring& path) {
  return L"The skin file \"" + path + L"\" cannot be read.\nThe program goes on with its stored skin.";
}

SkinFileNotifier SetSkinFileNotifier(SkinFileNotifier notifier) {
  return std::exchange(CurrentNotifier(), std::move(notifier));
}

bool UseSkinFile(TSkinData& data, const std::wstring& path) {
  std::vector<uint8_t> packed;
  if (!ReadWholeFile(path, packed)) {
    ShowUnreadable(path);
    return false;
  }
  TSkinReader check;
  if (!check.Load(packed)) {
    if (check.Result() == TSkinReader::TResult::UnknownVersion)
      TSkinData::Notify(TSkinReader::kOlderSkinMessage);
    else
      ShowUnreadable(path);
    return false;
  }
  data.SetPackedSkin(std::move(packed));
  if (!data.LoadSkin()) return false;
  data.ApplySkin();
  return true;
}

}  // namespace quarnel
