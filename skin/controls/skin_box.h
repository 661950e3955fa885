// Containers: TSkinBox recolours a framework panel, tool bar, navigator or embedded form to the
// skin's face colour and gives its own colour back at detach; TSkinBoxH paints a bare container
// window (a nested dialog, a system tool bar) and the static children on it in the face colour.
// UI thread.
#pragma once
#include <windows.h>

#include "skin/controls/skin_control.h"

namespace quarnel {

// A State of a box whose control is going away: detaching then leaves its colour alone.
constexpr int32_t kBoxStateReleased = 4;

class TSkinBox : public TSkinControl {
 public:
  explicit TSkinBox(TComponent* owner) : TSkinControl(owner) {}
  // Recolours without taking the control's messages.
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  void AfterMessage(TMessage&) override {}
};

class TSkinBoxH : public TSkinControl {
 public:
  explicit TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
};

}  // namespace quarnel
