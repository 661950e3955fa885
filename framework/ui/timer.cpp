// Timers run on thread timers; their ids map back to the objects. User-interface thread.
#include "framework/ui/timer.h"

#include <map>

#include "framework/ui/application.h"

namespace {
std::map<UINT_PTR, TTimer*>& Timers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}
}  // namespace

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTimer>("TTimer", &TComponent::StaticClass())
                                     .Creatable()
                                     .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                     .Int("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                     .Event("OnTimer", &TTimer::OnTimer)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

void TTimer::SetEnabled(bool v) {
  enabled_ = v;
  Update();
}

void TTimer::SetInterval(int v) {
  interval_ = v;
  Update();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  Update();
}

void TTimer::Stop() {
  if (id_) {
    KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
  }
}

void TTimer::Update() {
  Stop();
  if (IsLoading() || !enabled_ || interval_ <= 0) return;
  id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), &TTimer::TimerProc);
  if (id_) Timers()[id_] = this;
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find(id);
  if (it == Timers().end()) return;
  try {
    if (it->second->OnTimer) it->second->OnTimer(it->second);
  } catch (...) {
    Application()->HandleException(std::current_exception());
  }
}
