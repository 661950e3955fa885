// Caption buttons as functions of numbers: whether a button is shown and may be clicked, from
// its visibility codes, its action and the facts of its window; where it goes by its alignment;
// the frame of its image for a state. Pure code, any thread.
#pragma once
#include <functional>

#include "skin/frame/title_layout.h"

namespace quarnel {

// Bits of the window's border icons (as the frame object keeps them).
enum CaptionIconBits : unsigned {
  kIconMaximize = 1,
  kIconMinimize = 2,
  kIconHelp = 4,
  kIconSystemMenu = 8,
};

// What the visibility codes look at.
struct CaptionWindowFacts {
  bool maximized = false;
  bool active = true;
  unsigned borderIcons = 0;            // CaptionIconBits
  bool dialogBorder = false;           // the frame is a dialog frame
  bool dialogClass = false;            // the window is a system dialog or a message form
  bool mdiChildControlsShown = false;  // an MDI frame whose active child is maximised, with a menu band
};

// Asks the window about codes 1000..2000: true when it says the button is shown.
using CaptionVisibilityQuery = std::function<bool(int code)>;

// One visibility code. `second` evaluates the second code of a button, whose codes 1..10 test a
// slightly different condition for 6 and 8.
bool EvaluateVisibilityCode(int code, bool second, const CaptionWindowFacts& facts,
                            const CaptionVisibilityQuery& query);

struct CaptionButtonShown {
  bool visible = false;
  bool enabled = true;
};
CaptionButtonShown CaptionButtonVisibility(int action, int visibility, int visibility1,
                                           const CaptionWindowFacts& facts,
                                           const CaptionVisibilityQuery& query);

// Places a button `frameWidth` x `height` by its alignment; other alignments keep `previous`.
struct CaptionPlacement {
  int windowWidth = 0;
  TitleBox titleBack;  // the title rectangle before the backdrop's ends are taken off
  int borderRight = 0;
  int menuBarLeft = 0;  // left margin of the menu bar element, 0 without one
  int captionHeight = 0;
  int menuBarHeight = 0;
};
TitleBox PlaceCaptionButton(int align, int xCoord, int yCoord, int frameWidth, int height,
                            const CaptionPlacement& where, const TitleBox& previous);

// The frame (from 1) of a button's image when the whole caption is painted.
int CaptionFrameForCaption(int frameCount, bool windowActive, bool enabled);
// The frame when one button repaints itself after a state change (1 normal, 2 pressed, 3 hot).
int CaptionFrameForState(int state, int frameCount, bool enabled, bool mdiControl);

// The words of a button's hint for its action, or null when it has none.
const char* CaptionHintText(int action);

}  // namespace quarnel
