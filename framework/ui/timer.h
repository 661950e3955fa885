// `TTimer`: calls OnTimer every Interval milliseconds while Enabled. User-interface thread.
#pragma once
#include <windows.h>

#include "framework/core/component.h"
#include "framework/core/properties.h"

class TTimer : public TComponent {
  FW_DECLARE_CLASS()
 public:
  explicit TTimer(TComponent* owner) : TComponent(owner) {}
  ~TTimer() override { Stop(); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int v);
  void Loaded() override;
  TNotifyEvent OnTimer;

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void Update();
  void Stop();
  bool enabled_ = true;
  int interval_ = 1000;
  UINT_PTR id_ = 0;
};
