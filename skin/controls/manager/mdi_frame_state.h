// The skin manager's view of the MDI frame: its client window and form, found at activation,
// and whether a maximised child shows its caption buttons in the frame's menu bar.
// UI thread only.
#pragma once
#include <windows.h>

class TWinControl;

namespace quarnel {

class TSkinManage;

class TMdiFrameState {
 public:
  explicit TMdiFrameState(TSkinManage& manager) : manager_(manager) {}

  bool MaximizedChildMode() const { return maximizedChildMode_; }
  // The MDI children's outlines follow: a maximised child has none, a restored one gets its own.
  void SetMaximizedChildMode(bool on);
  HWND Client() const { return client_; }
  TWinControl* Form() const { return form_; }
  void SetClient(HWND client, TWinControl* form) {
    client_ = client;
    form_ = form;
  }

 private:
  TSkinManage& manager_;
  bool maximizedChildMode_ = false;
  HWND client_ = nullptr;
  TWinControl* form_ = nullptr;
};

}  // namespace quarnel
