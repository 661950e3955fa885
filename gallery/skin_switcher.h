// Skins chosen at run time for one skin data component: the built-in packages embedded in the
// program, a package file, skinning off and on, and the current package again. Each switch
// takes effect as soon as the current message is done (not after the manager's usual delay)
// and is timed.
// User-interface thread.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gallery/skin_folder_watch.h"

namespace quarnel {
class TSkinData;
}

namespace gallery {

struct TBuiltInSkin {
  std::string Name;             // as shown in the menu
  std::vector<uint8_t> Packed;  // the package, from the program's resources
};

// The skins this program ships, in menu order; those whose resource is missing are left out.
const std::vector<TBuiltInSkin>& BuiltInSkins();

class TSkinSwitcher {
 public:
  explicit TSkinSwitcher(quarnel::TSkinData& data);

  bool UseBuiltIn(size_t index);
  // Follows the system's light or dark setting for programs with the light and the dark built-in
  // skin (Longhorn Blue, Graphite Dark) until another skin is chosen; true when the matching one
  // is in force.
  bool FollowSystem();
  bool FollowsSystem() const { return following_; }
  // The system announced a change of its light or dark setting: while following, its skin.
  void SystemColorSetChanged();
  // A package file; a bad one is reported to the user and changes nothing.
  bool UseFile(const std::wstring& path);
  // An unpacked skin folder, in force now and again after each change of its files, until
  // another skin is chosen. While its files are not a whole skin the last good one stays and
  // FolderProblem says why.
  void WatchFolder(const std::wstring& folder);
  const std::wstring& WatchedFolder() const { return watch_.Folder(); }
  const std::string& FolderProblem() const { return folderProblem_; }
  void SetSkinOn(bool on);
  bool SkinOn() const;
  // The package in force, loaded again (a file is read again from disk).
  bool Reload();

  // The built-in skin in force, or -1 (a file, or none).
  int BuiltInIndex() const { return builtIn_; }
  // What the status line shows: the skin's name, or "off".
  std::string Description() const;
  // Milliseconds the last switch took, from the start of the load to the last repaint.
  double LastSwitchMs() const { return lastMs_; }
  // A switch was asked for and runs once the current message is done.
  bool Pending() const { return pending_; }
  // Told when a switch has taken effect and every window is repainted, and when the watched
  // folder's files were refused.
  std::function<void()> OnSwitched;

 private:
  bool UsePackage(const std::vector<uint8_t>& packed);
  void FolderLoaded(std::vector<uint8_t> packed);
  void FolderRefused(const std::string& problem);
  // The built-in skin in force, whether or not the system is followed.
  bool PutBuiltIn(size_t index);
  // Has the action the skin data just scheduled run next, then repaints every window.
  void Complete(int64_t started);
  void Finished(int64_t started);

  quarnel::TSkinData& data_;
  int builtIn_ = 0;
  bool following_ = false;
  std::wstring file_;
  TSkinFolderWatch watch_;
  std::string folderProblem_;
  double lastMs_ = 0;
  int64_t started_ = 0;
  bool pending_ = false;
};

// Whatever is waiting to be painted in the windows of this thread, painted now.
void PaintPendingWindows();
int64_t NowTicks();
double TicksToMs(int64_t ticks);

}  // namespace gallery
