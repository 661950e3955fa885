// TSkinFolderWatch: an unpacked skin folder watched while its author edits it. It is looked at a
// few times a second; once its files have stopped changing, they are packed and handed on whole,
// or the problem that keeps them from being a whole skin is told instead. User-interface thread.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"

class TTimer;

namespace gallery {

class TSkinFolderWatch {
 public:
  using Loaded = std::function<void(std::vector<uint8_t> packed)>;
  using Refused = std::function<void(const std::string& problem)>;
  TSkinFolderWatch(Loaded loaded, Refused refused);
  ~TSkinFolderWatch();
  TSkinFolderWatch(const TSkinFolderWatch&) = delete;
  TSkinFolderWatch& operator=(const TSkinFolderWatch&) = delete;

  // The folder is taken at once, then again after each change.
  void Start(const std::wstring& folder);
  void Stop();
  // The folder taken again now, changed or not.
  void TakeAgain();
  bool Watching() const { return !folder_.empty(); }
  const std::wstring& Folder() const { return folder_; }

 private:
  void Look();
  void Take(uint64_t stamp);

  Loaded loaded_;
  Refused refused_;
  ComponentPtr<TTimer> timer_;
  std::wstring folder_;
  uint64_t seen_ = 0;   // the stamp at the last look
  uint64_t taken_ = 0;  // the stamp of the files last packed
};

}  // namespace gallery
