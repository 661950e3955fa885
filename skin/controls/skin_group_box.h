// TSkinGroupBox: a group box drawn as a rounded frame in the skin's shadow colour with its
// caption on the face colour, for framework group boxes (which it paints whole) and for the
// group boxes of dialogs (over which it paints its frame and caption). UI thread.
#pragma once
#include <windows.h>

#include "skin/controls/skin_control.h"

namespace quarnel {

class TSkinGroupBox : public TSkinControl {
 public:
  explicit TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace quarnel
