// Title placement arithmetic. Pure code, any thread.
#include "skin/frame/title_layout.h"

#include <algorithm>

namespace quarnel {

TitleLayout LayoutTitle(const TitleLayoutInput& in) {
  const TitleBox& r = in.caption;
  // The measured text from the caption's corner, widened by the backdrop's ends.
  TitleBox t{r.left, r.top, r.left + in.textWidth + in.textBackLeft + in.textBackRight,
             r.top + in.textHeight};

  int dx = 0;
  if (in.rightToLeft) {
    switch (in.textAlignment) {
      case 0:
        dx = r.Width() - in.buttonReserve - t.Width();
        break;
      case 1:
        dx = (r.Width() - t.Width() - in.buttonReserve) / 2;
        break;
      case 2:
        dx = in.textShift;
        break;
      default:
        break;
    }
  } else {
    switch (in.textAlignment) {
      case 0:
        dx = in.textShift;
        break;
      case 1:
        dx = (r.Width() - t.Width()) / 2;
        break;
      case 2:
        dx = r.Width() - in.textRightClip - t.Width();
        break;
      default:
        break;
    }
  }
  const int dy = (r.Height() - t.Height()) / 2 + in.textShiftVert / 2;
  t.left += dx;
  t.right += dx;
  t.top += dy;
  t.bottom += dy;

  if (in.rightToLeft && dx <= 0) t.left = in.textShift;
  if (in.rightToLeft) {
    t.left += 10;
    t.right += 10;
  } else if (in.popupWindow) {
    if (in.buttonReserve > 5 && r.right - in.buttonReserve - 5 < t.right)
      t.right = r.right - in.buttonReserve - 5;
  } else {
    t.right = std::min(t.right, r.right - in.textRightClip);
  }
  if (in.dialog && in.textAlignment == 0) t.left -= 16;

  TitleLayout out;
  out.back = t;
  out.text = t;
  out.text.left += in.textBackLeft;
  out.text.right -= in.textBackRight;
  return out;
}

}  // namespace quarnel
