// Skins chosen at run time: built-in packages from the resources, files, off and on, reload.
// User-interface thread.
#include "gallery/skin_switcher.h"

#include <windows.h>

#include <utility>

#include "framework/win/code_module.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_file_option.h"
#include "skin/data/system_theme.h"

namespace gallery {
namespace {

BOOL CALLBACK RepaintThreadWindow(HWND window, LPARAM flags) {
  if (IsWindowVisible(window)) RedrawWindow(window, nullptr, nullptr, static_cast<UINT>(flags));
  return TRUE;
}

}  // namespace

const std::vector<TBuiltInSkin>& BuiltInSkins() {
  static const std::vector<TBuiltInSkin> skins = [] {
    std::vector<TBuiltInSkin> list;
    const struct {
      const char* name;
      const wchar_t* resource;
    } table[] = {{"Longhorn Blue", L"SKIN_LONGHORN_BLUE"}, {"Graphite Dark", L"SKIN_GRAPHITE_DARK"}};
    for (const auto& entry : table) {
      if (!FindResourceW(nullptr, entry.resource, reinterpret_cast<LPCWSTR>(RT_RCDATA))) continue;
      list.emplace_back();
      list.back().Name = entry.name;
      list.back().Packed = fw::ResourceBytes(nullptr, entry.resource);
    }
    return list;
  }();
  return skins;
}

int64_t NowTicks() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TicksToMs(int64_t ticks) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart ? 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart)
                            : 0;
}

void PaintPendingWindows() {
  EnumThreadWindows(GetCurrentThreadId(), RepaintThreadWindow, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TSkinSwitcher::TSkinSwitcher(quarnel::TSkinData& data)
    : data_(data),
      watch_([this](std::vector<uint8_t> packed) { FolderLoaded(std::move(packed)); },
             [this](const std::string& problem) { FolderRefused(problem); }) {}

bool TSkinSwitcher::UseBuiltIn(size_t index) {
  following_ = false;
  watch_.Stop();
  return PutBuiltIn(index);
}

bool TSkinSwitcher::PutBuiltIn(size_t index) {
  if (index >= BuiltInSkins().size()) return false;
  if (!UsePackage(BuiltInSkins()[index].Packed)) return false;
  builtIn_ = static_cast<int>(index);
  file_.clear();
  return true;
}

bool TSkinSwitcher::FollowSystem() {
  const char* wanted = quarnel::SystemUsesLightApps() ? "Longhorn Blue" : "Graphite Dark";
  const auto& skins = BuiltInSkins();
  for (size_t i = 0; i < skins.size(); ++i) {
    if (skins[i].Name != wanted) continue;
    following_ = true;
    watch_.Stop();
    return data_.PackedSkin() == skins[i].Packed || PutBuiltIn(i);
  }
  following_ = true;
  return false;
}

void TSkinSwitcher::SystemColorSetChanged() {
  if (following_) FollowSystem();
}

bool TSkinSwitcher::UsePackage(const std::vector<uint8_t>& packed) {
  const int64_t started = NowTicks();
  if (!data_.LoadPackage(packed)) return false;
  data_.ApplySkin();
  Complete(started);
  return true;
}

bool TSkinSwitcher::UseFile(const std::wstring& path) {
  const int64_t started = NowTicks();
  if (!quarnel::UseSkinFile(data_, path)) return false;
  following_ = false;
  watch_.Stop();
  builtIn_ = -1;
  file_ = path;
  Complete(started);
  return true;
}

void TSkinSwitcher::WatchFolder(const std::wstring& folder) {
  following_ = false;
  folderProblem_.clear();
  watch_.Start(folder);
}

// The status is told once the switch is done, as for any other skin: set before it starts.
void TSkinSwitcher::FolderLoaded(std::vector<uint8_t> packed) {
  const int builtIn = std::exchange(builtIn_, -1);
  const std::wstring file = std::exchange(file_, std::wstring());
  folderProblem_.clear();
  if (UsePackage(packed)) return;
  builtIn_ = builtIn;
  file_ = file;
  FolderRefused("its skin cannot be read");
}

void TSkinSwitcher::FolderRefused(const std::string& problem) {
  folderProblem_ = problem;
  if (OnSwitched) OnSwitched();
}

void TSkinSwitcher::SetSkinOn(bool on) {
  const int64_t started = NowTicks();
  if (on == data_.Active()) return;
  data_.SetActive(on);
  Complete(started);
}

bool TSkinSwitcher::SkinOn() const {
  quarnel::TSkinManage* manager = quarnel::TSkinManage::Instance();
  return data_.Active() && manager && manager->Running();
}

bool TSkinSwitcher::Reload() {
  if (watch_.Watching()) {
    watch_.TakeAgain();
    return folderProblem_.empty();
  }
  if (!file_.empty()) return UseFile(file_);
  if (builtIn_ >= 0) return PutBuiltIn(static_cast<size_t>(builtIn_));
  return UsePackage(data_.PackedSkin());
}

std::string TSkinSwitcher::Description() const {
  if (!SkinOn()) return "off";
  if (builtIn_ >= 0 && static_cast<size_t>(builtIn_) < BuiltInSkins().size())
    return BuiltInSkins()[builtIn_].Name;
  return data_.SkinName.empty() ? std::string("Skin file") : data_.SkinName;
}

// The switch is the user's own action, with nothing to gather: the manager runs it as soon as
// the current message is done, not after its usual delay. Never at once: the switch may come
// from a control's own handler, whose skin object the action frees.
void TSkinSwitcher::Complete(int64_t started) {
  quarnel::TSkinManage* manager = quarnel::TSkinManage::Instance();
  if (!manager || manager->Actions().Pending() == quarnel::saNone) {
    Finished(started);
    return;
  }
  started_ = started;
  pending_ = true;
  data_.OnSkinChanged.code = [this](TObject*) {
    data_.OnSkinChanged.code = nullptr;
    Finished(started_);
  };
  manager->Actions().RunSoon();
}

void TSkinSwitcher::Finished(int64_t started) {
  PaintPendingWindows();  // what the switch left to paint, painted now: the figure ends there
  lastMs_ = TicksToMs(NowTicks() - started);
  pending_ = false;
  if (OnSwitched) OnSwitched();
}

}  // namespace gallery
