// Where the caption title goes: the text rectangle and the backdrop rectangle of the title, as
// a function of the caption rectangle, the measured text and the title element's settings.
// Pure code, any thread.
#pragma once

namespace quarnel {

struct TitleBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TitleBox&) const = default;
};

struct TitleLayoutInput {
  TitleBox caption;   // the caption rectangle the title lives in
  int textWidth = 0;  // the measured extent of the whole title text
  int textHeight = 0;
  int textShift = 0;      // the title element's left margin
  int textShiftVert = 0;  // its top margin
  int textRightClip = 0;  // its right margin
  int textAlignment = 0;  // 0 left, 1 centre, 2 right
  int textBackLeft = 0;   // fixed ends of the text backdrop
  int textBackRight = 0;
  int buttonReserve = 0;  // room of the right-aligned caption buttons
  bool rightToLeft = false;
  bool popupWindow = false;  // WS_POPUP
  bool dialog = false;       // a dialog frame: it has no icon
};

struct TitleLayout {
  TitleBox back;  // the title rectangle before the backdrop's ends are taken off
  TitleBox text;  // where the text is drawn
};

TitleLayout LayoutTitle(const TitleLayoutInput& in);

}  // namespace quarnel
