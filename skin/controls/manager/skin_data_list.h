// The skin manager's list of skin data components: which is the main one, which asked for the
// action in hand, and which one a window takes its skin from. UI thread only.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace quarnel {

class TSkinData;

class TSkinDataList {
 public:
  // The first registered component whose form type is sfMainform becomes the main one.
  void Register(TSkinData* data);
  // The component is forgotten everywhere in the list, so nothing reads it afterwards.
  void Unregister(TSkinData* data);
  const std::vector<TSkinData*>& All() const { return list_; }
  TSkinData* Main() const { return main_; }
  // The component whose action is pending or running.
  TSkinData* Current() const { return current_; }
  void SetCurrent(TSkinData* data) { current_ = data; }
  // The component that skins `window`: its own only-this-form one, a dialog one for message
  // boxes and dialogs, else the main one, else the first.
  TSkinData* ChooseFor(HWND window) const;
  // The main component's say on skinning a window of `className` (true without one).
  bool MainAllows(HWND window, const std::string& className) const;
  void Clear() { list_.clear(); }

 private:
  std::vector<TSkinData*> list_;  // not owned
  TSkinData* main_ = nullptr;
  TSkinData* current_ = nullptr;
};

}  // namespace quarnel
