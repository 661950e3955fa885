// TControlSkinList: the control skins a host has registered, in attach order, with the named
// operations the host interface offers over them (register once, unregister, find by window,
// read-only iteration). A value the frame object keeps. UI thread.
#pragma once
#include <windows.h>

#include <vector>

namespace quarnel {

class TSkinControl;

class TControlSkinList {
 public:
  // Adds `skin` at the end unless it is there already.
  void Register(TSkinControl& skin);
  void Unregister(TSkinControl& skin);
  // The skin serving `window`, or null.
  TSkinControl* Find(HWND window) const;

  const std::vector<TSkinControl*>& Items() const { return skins_; }
  bool Empty() const { return skins_.empty(); }
  auto begin() const { return skins_.begin(); }
  auto end() const { return skins_.end(); }

 private:
  std::vector<TSkinControl*> skins_;
};

}  // namespace quarnel
