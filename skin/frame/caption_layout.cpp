// Caption button visibility, placement and frame choice. Pure code, any thread.
#include "skin/frame/caption_layout.h"

namespace quarnel {

bool EvaluateVisibilityCode(int code, bool second, const CaptionWindowFacts& facts,
                            const CaptionVisibilityQuery& query) {
  const unsigned icons = facts.borderIcons;
  const bool minOrMax = (icons & (kIconMinimize | kIconMaximize)) != 0;
  const bool sysMenu = (icons & kIconSystemMenu) != 0;
  switch (code) {
    case 0:
      return true;
    case 1:
      return facts.maximized;
    case 2:
      return !facts.maximized;
    case 3:
      return facts.active;
    case 4:
      return !facts.active;
    case 6:
    case 8:
      return second ? minOrMax : minOrMax && sysMenu;
    case 7:
      return !(icons & kIconMaximize);
    case 9:
      return !(icons & kIconMinimize);
    case 10:
      return second ? (icons & kIconHelp) != 0 : (icons & kIconHelp) && !minOrMax;
    case 100:
      return facts.mdiChildControlsShown;
    case 200:
      return facts.dialogBorder && !facts.dialogClass;
    default:
      break;
  }
  if (code >= 201 && code <= 999) return true;
  if (code >= 1000 && code <= 2000) return query && query(code);
  return false;  // -1, 5, 11..99 and everything else
}

CaptionButtonShown CaptionButtonVisibility(int action, int visibility, int visibility1,
                                           const CaptionWindowFacts& facts,
                                           const CaptionVisibilityQuery& query) {
  CaptionButtonShown shown;
  shown.visible = EvaluateVisibilityCode(visibility, false, facts, query) &&
                  EvaluateVisibilityCode(visibility1, true, facts, query);
  const unsigned icons = facts.borderIcons;
  const bool sysMenu = (icons & kIconSystemMenu) != 0;
  switch (action) {
    case 0:
      if (!sysMenu) shown.visible = false;
      break;
    case 1:
      shown.enabled = (icons & kIconMaximize) && sysMenu;
      break;
    case 2:
      shown.enabled = (icons & kIconMinimize) && sysMenu;
      break;
    case 3:
    case 11:
    case 12:
      if (facts.dialogBorder) shown.visible = false;
      break;
    default:
      break;
  }
  return shown;
}

TitleBox PlaceCaptionButton(int align, int xCoord, int yCoord, int frameWidth, int height,
                            const CaptionPlacement& where, const TitleBox& previous) {
  int x = 0, y = yCoord;
  switch (align) {
    case 0:
      x = xCoord;
      break;
    case 1:
      x = where.windowWidth - xCoord;
      break;
    case 2:
    case 8:
      x = where.titleBack.left - frameWidth - xCoord;
      break;
    case 3:
    case 9:
      x = where.titleBack.right + xCoord;
      break;
    case 100:
      x = where.windowWidth - xCoord - where.borderRight - where.menuBarLeft;
      y = where.captionHeight + (where.menuBarHeight - height) / 2;
      break;
    default:
      return previous;
  }
  return {x, y, x + frameWidth, y + height};
}

int CaptionFrameForCaption(int frameCount, bool windowActive, bool enabled) {
  return (frameCount < 4 || (windowActive && enabled)) ? 1 : 4;
}

int CaptionFrameForState(int state, int frameCount, bool enabled, bool mdiControl) {
  if (!enabled) return frameCount > 3 ? 4 : 1;
  if (mdiControl && state == 3) return 4;
  return state;
}

const char* CaptionHintText(int action) {
  switch (action) {
    case 0:
    case 9:
    case 62:
      return "Close";
    case 1:
    case 22:
      return "Maximize";
    case 2:
    case 23:
    case 7:
    case 60:
      return "Minimize";
    case 8:
    case 61:
      return "Restore";
    default:
      return nullptr;
  }
}

}  // namespace quarnel
