// The watched skin folder: looked at every 150 ms; a change is taken once a look finds the files
// as the one before it did, so that a save under way is not taken half-written.
// User-interface thread.
#include "gallery/skin_folder_watch.h"

#include <filesystem>
#include <utility>

#include "framework/ui/timer.h"
#include "skin/data/format/skin_folder.h"

namespace gallery {

namespace {
constexpr int kLookInterval = 150;  // ms: a change is in force within half a second
}

TSkinFolderWatch::TSkinFolderWatch(Loaded loaded, Refused refused)
    : loaded_(std::move(loaded)), refused_(std::move(refused)), timer_(TComponent::Make<TTimer>()) {
  timer_->SetEnabled(false);
  timer_->SetInterval(kLookInterval);
  timer_->OnTimer.code = [this](TObject*) { Look(); };
}

TSkinFolderWatch::~TSkinFolderWatch() = default;

void TSkinFolderWatch::Start(const std::wstring& folder) {
  folder_ = folder;
  TakeAgain();
  timer_->SetEnabled(true);
}

void TSkinFolderWatch::Stop() {
  timer_->SetEnabled(false);
  folder_.clear();
}

void TSkinFolderWatch::TakeAgain() {
  if (!Watching()) return;
  seen_ = quarnel::SkinFolderStamp(std::filesystem::path(folder_));
  Take(seen_);
}

void TSkinFolderWatch::Look() {
  const uint64_t stamp = quarnel::SkinFolderStamp(std::filesystem::path(folder_));
  if (stamp != seen_) {  // still changing, or just changed: looked at again next time
    seen_ = stamp;
    return;
  }
  if (stamp != taken_) Take(stamp);
}

void TSkinFolderWatch::Take(uint64_t stamp) {
  taken_ = stamp;
  quarnel::TSkinFolderPackage package = quarnel::PackSkinFolder(std::filesystem::path(folder_));
  if (package.Problem.empty())
    loaded_(std::move(package.Packed));
  else
    refused_(package.Problem);
}

}  // namespace gallery
