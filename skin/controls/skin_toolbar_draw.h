// The drawing handlers a skinned form gives a tool bar: its background from the skin's Toolbar
// image and each button's face and caption colour from the Buttons element. They are set through
// the bar's published custom-draw events, only where the bar has none of its own, and taken back
// when the skin lets go. UI thread.
#pragma once
#include <windows.h>

class TCanvas;
class TControl;

namespace quarnel {

class TSkinControl;

// The frame of the five-frame Buttons image a tool button is drawn with for its custom-draw
// state bits (CDIS_*): 2 pressed, 4 hot or focused, 1 an enabled button in its plain state,
// 0 none (the bar draws that button by itself).
int ToolButtonFrame(unsigned state);

class TToolBarSkinDraw {
 public:
  // `owner` is the skin object of the bar: the handlers draw only while it is attached and active.
  explicit TToolBarSkinDraw(TSkinControl& owner) : owner_(owner) {}
  ~TToolBarSkinDraw() { Remove(); }
  TToolBarSkinDraw(const TToolBarSkinDraw&) = delete;
  TToolBarSkinDraw& operator=(const TToolBarSkinDraw&) = delete;

  // Sets each handler whose event `bar` publishes and has unassigned; false when it set none.
  bool Install(TControl& bar);
  // Clears the events that still hold these handlers.
  void Remove();

 private:
  void DrawBackground(TCanvas& canvas, const RECT& rect);
  // True when it drew the button's face: the bar then adds no edges or background of its own.
  bool DrawButton(TControl* button, TCanvas& canvas, unsigned state);

  TSkinControl& owner_;
  TControl* bar_ = nullptr;
};

}  // namespace quarnel
