// Containers: TSkinBox recolours a framework panel, tool bar, navigator or embedded form to the
// skin's face and text colours (and gives a tool bar its drawing handlers) and gives its own
// back at detach; TSkinBoxH paints a bare container window (a nested dialog, a system tool bar)
// and the static children on it in the face colour; TSkinCoolBar colours a cool bar's bands.
// UI thread.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_toolbar_draw.h"

namespace quarnel {

class TSkinBox : public TSkinControl {
 public:
  explicit TSkinBox(TComponent* owner) : TSkinControl(owner), toolBarDraw_(*this) {}
  // Recolours without taking the control's messages.
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  void AfterMessage(TMessage&) override {}
  void UpdateSkin() override;
  void BeforeDestruction() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // A caption in the system's text colour would vanish on a dark face: while recoloured the box
  // shows the skin's text colour. Children that followed its font keep the colour they had.
  void TakeCaptionColor();
  void GiveCaptionColor();

  TToolBarSkinDraw toolBarDraw_;
  bool captionColorTaken_ = false;
  TColor savedFontColor_ = 0;
  bool savedParentFont_ = false;
  std::vector<TControl*> fontFollowers_;
};

// Every band of a cool bar (the items of its "Bands" collection) takes the face colour while
// skinned, a new skin's too, and gets its own colour back at detach. No messages are taken.
class TSkinCoolBar : public TSkinControl {
 public:
  explicit TSkinCoolBar(TComponent* owner) : TSkinControl(owner) {}
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  void AfterMessage(TMessage&) override {}
  void UpdateSkin() override;

 private:
  void ColourBands();
  struct SavedBand {
    std::string color, parentColor;
  };
  std::vector<SavedBand> saved_;
};

class TSkinBoxH : public TSkinControl {
 public:
  explicit TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;

 private:
  bool OnEraseBackground(TMessage& message);
  bool OnCtlColorStatic(TMessage& message);
};

}  // namespace quarnel
