// Caption button visibility by every code and action rule, placement by alignment, frame
// choice and hint texts. Pure, native and under Wine.
#include "skin/frame/caption_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarnel {
namespace {

constexpr unsigned kAllIcons = kIconMaximize | kIconMinimize | kIconSystemMenu;

CaptionWindowFacts Normal(unsigned icons = kAllIcons) {
  CaptionWindowFacts f;
  f.borderIcons = icons;
  return f;
}

bool Code(int code, bool second, const CaptionWindowFacts& facts) {
  return EvaluateVisibilityCode(code, second, facts, nullptr);
}

TEST(CaptionVisibility, FixedCodes) {
  const CaptionWindowFacts f = Normal();
  for (bool second : {false, true}) {
    EXPECT_FALSE(Code(-1, second, f));
    EXPECT_TRUE(Code(0, second, f));
    EXPECT_FALSE(Code(5, second, f));
    for (int code = 11; code <= 99; ++code) EXPECT_FALSE(Code(code, second, f)) << code;
    EXPECT_TRUE(Code(201, second, f));
    EXPECT_TRUE(Code(999, second, f));
    EXPECT_FALSE(Code(2001, second, f));
    EXPECT_FALSE(Code(-2, second, f));
    EXPECT_FALSE(Code(150, second, f));
  }
}

TEST(CaptionVisibility, ShowStateAndActivation) {
  CaptionWindowFacts f = Normal();
  EXPECT_FALSE(Code(1, false, f));
  EXPECT_TRUE(Code(2, false, f));
  EXPECT_TRUE(Code(3, false, f));
  EXPECT_FALSE(Code(4, true, f));
  f.maximized = true;
  f.active = false;
  EXPECT_TRUE(Code(1, true, f));
  EXPECT_FALSE(Code(2, true, f));
  EXPECT_FALSE(Code(3, true, f));
  EXPECT_TRUE(Code(4, false, f));
}

TEST(CaptionVisibility, BorderIconCodesDifferBetweenFirstAndSecond) {
  // Minimise box without a window menu: the first code wants both, the second only the box.
  const CaptionWindowFacts f = Normal(kIconMinimize);
  EXPECT_FALSE(Code(6, false, f));
  EXPECT_TRUE(Code(6, true, f));
  EXPECT_FALSE(Code(8, false, f));
  EXPECT_TRUE(Code(8, true, f));
  EXPECT_TRUE(Code(6, false, Normal(kIconMaximize | kIconSystemMenu)));
  EXPECT_FALSE(Code(6, true, Normal(kIconSystemMenu)));
  EXPECT_TRUE(Code(7, false, Normal(kIconMinimize)));
  EXPECT_FALSE(Code(7, true, Normal(kIconMaximize)));
  EXPECT_TRUE(Code(9, true, Normal(kIconMaximize)));
  EXPECT_FALSE(Code(9, false, Normal(kIconMinimize)));
}

TEST(CaptionVisibility, HelpCode) {
  EXPECT_TRUE(Code(10, false, Normal(kIconHelp | kIconSystemMenu)));
  EXPECT_FALSE(Code(10, false, Normal(kIconHelp | kIconMinimize)));
  EXPECT_TRUE(Code(10, true, Normal(kIconHelp | kIconMinimize)));
  EXPECT_FALSE(Code(10, true, Normal(kIconSystemMenu)));
}

TEST(CaptionVisibility, MdiDialogAndWindowAnswers) {
  CaptionWindowFacts f = Normal();
  EXPECT_FALSE(Code(100, false, f));
  f.mdiChildControlsShown = true;
  EXPECT_TRUE(Code(100, true, f));
  f.dialogBorder = true;
  EXPECT_TRUE(Code(200, false, f));
  f.dialogClass = true;
  EXPECT_FALSE(Code(200, false, f));

  std::vector<int> asked;
  const CaptionVisibilityQuery query = [&](int code) {
    asked.push_back(code);
    return code == 1500;
  };
  EXPECT_TRUE(EvaluateVisibilityCode(1500, false, f, query));
  EXPECT_FALSE(EvaluateVisibilityCode(1000, false, f, query));
  EXPECT_FALSE(EvaluateVisibilityCode(2000, true, f, query));
  EXPECT_TRUE(EvaluateVisibilityCode(999, false, f, query));  // below 1000: not asked
  EXPECT_EQ(asked, (std::vector<int>{1500, 1000, 2000}));
}

// The built-in skin's buttons: close (0, 0), maximise (2, 6), restore (1, 0), minimise (8, 0),
// icon (0, 0, action 3).
struct BuiltIn {
  int action, visibility, visibility1;
};
constexpr BuiltIn kClose{0, 0, 0}, kMaximize{1, 2, 6}, kRestore{1, 1, 0}, kMinimize{2, 8, 0}, kIcon{3, 0, 0};

CaptionButtonShown Shown(BuiltIn b, const CaptionWindowFacts& f) {
  return CaptionButtonVisibility(b.action, b.visibility, b.visibility1, f, nullptr);
}

TEST(CaptionVisibility, BuiltInButtonsOfANormalWindow) {
  const CaptionWindowFacts f = Normal();
  EXPECT_TRUE(Shown(kClose, f).visible);
  EXPECT_TRUE(Shown(kMaximize, f).visible);
  EXPECT_TRUE(Shown(kMaximize, f).enabled);
  EXPECT_FALSE(Shown(kRestore, f).visible);
  EXPECT_TRUE(Shown(kMinimize, f).visible);
  EXPECT_TRUE(Shown(kIcon, f).visible);
}

TEST(CaptionVisibility, MaximisedWindowSwapsMaximiseForRestore) {
  CaptionWindowFacts f = Normal();
  f.maximized = true;
  EXPECT_FALSE(Shown(kMaximize, f).visible);
  EXPECT_TRUE(Shown(kRestore, f).visible);
  EXPECT_TRUE(Shown(kClose, f).visible);
}

TEST(CaptionVisibility, ActionRules) {
  // No window menu: no close, and maximise/minimise are shown (second code) but disabled.
  const CaptionWindowFacts noMenu = Normal(kIconMaximize | kIconMinimize);
  EXPECT_FALSE(Shown(kClose, noMenu).visible);
  EXPECT_TRUE(Shown(kMaximize, noMenu).visible);  // its code 6 is the second one: the box is enough
  EXPECT_FALSE(Shown(kMaximize, noMenu).enabled);
  EXPECT_FALSE(Shown(kMinimize, noMenu).visible);
  EXPECT_FALSE(Shown(kMinimize, noMenu).enabled);
  // Only the minimise box: maximise is disabled.
  const CaptionWindowFacts minOnly = Normal(kIconMinimize | kIconSystemMenu);
  EXPECT_TRUE(Shown(kMaximize, minOnly).visible);
  EXPECT_FALSE(Shown(kMaximize, minOnly).enabled);
  EXPECT_TRUE(Shown(kMinimize, minOnly).enabled);
  // Dialog frames have no icon button of any of the three icon actions.
  CaptionWindowFacts dialog = Normal();
  dialog.dialogBorder = true;
  EXPECT_FALSE(Shown(kIcon, dialog).visible);
  EXPECT_FALSE(CaptionButtonVisibility(11, 0, 0, dialog, nullptr).visible);
  EXPECT_FALSE(CaptionButtonVisibility(12, 0, 0, dialog, nullptr).visible);
  EXPECT_TRUE(CaptionButtonVisibility(13, 0, 0, dialog, nullptr).visible);
}

TEST(CaptionPlacement, EveryAlignment) {
  CaptionPlacement where;
  where.windowWidth = 400;
  where.titleBack = {30, 8, 130, 22};
  where.borderRight = 4;
  where.menuBarLeft = 2;
  where.captionHeight = 30;
  where.menuBarHeight = 20;
  const TitleBox previous{1, 2, 3, 4};
  EXPECT_EQ(PlaceCaptionButton(0, 8, 7, 16, 16, where, previous), (TitleBox{8, 7, 24, 23}));
  EXPECT_EQ(PlaceCaptionButton(1, 25, 5, 21, 21, where, previous), (TitleBox{375, 5, 396, 26}));
  EXPECT_EQ(PlaceCaptionButton(2, 3, 5, 10, 12, where, previous), (TitleBox{17, 5, 27, 17}));
  EXPECT_EQ(PlaceCaptionButton(8, 3, 5, 10, 12, where, previous), (TitleBox{17, 5, 27, 17}));
  EXPECT_EQ(PlaceCaptionButton(3, 3, 5, 10, 12, where, previous), (TitleBox{133, 5, 143, 17}));
  EXPECT_EQ(PlaceCaptionButton(9, 3, 5, 10, 12, where, previous), (TitleBox{133, 5, 143, 17}));
  // Inside the menu band, centred vertically; YCoord does not count.
  EXPECT_EQ(PlaceCaptionButton(100, 16, 99, 16, 14, where, previous), (TitleBox{378, 33, 394, 47}));
  EXPECT_EQ(PlaceCaptionButton(4, 3, 5, 10, 12, where, previous), previous);
}

TEST(CaptionFrames, WholeCaptionAndSingleButton) {
  EXPECT_EQ(CaptionFrameForCaption(4, true, true), 1);
  EXPECT_EQ(CaptionFrameForCaption(4, false, true), 4);
  EXPECT_EQ(CaptionFrameForCaption(4, true, false), 4);
  EXPECT_EQ(CaptionFrameForCaption(3, false, false), 1);

  EXPECT_EQ(CaptionFrameForState(2, 4, true, false), 2);
  EXPECT_EQ(CaptionFrameForState(3, 4, true, false), 3);
  EXPECT_EQ(CaptionFrameForState(3, 4, false, false), 4);
  EXPECT_EQ(CaptionFrameForState(2, 3, false, false), 1);
  EXPECT_EQ(CaptionFrameForState(3, 4, true, true), 4);
  EXPECT_EQ(CaptionFrameForState(2, 4, true, true), 2);
}

TEST(CaptionHints, TextsByAction) {
  EXPECT_STREQ(CaptionHintText(0), "Close");
  EXPECT_STREQ(CaptionHintText(22), "Maximize");
  EXPECT_STREQ(CaptionHintText(23), "Minimize");
  EXPECT_STREQ(CaptionHintText(60), "Minimize");
  EXPECT_STREQ(CaptionHintText(61), "Restore");
  EXPECT_STREQ(CaptionHintText(9), "Close");
  EXPECT_EQ(CaptionHintText(3), nullptr);
  EXPECT_EQ(CaptionHintText(4), nullptr);
  EXPECT_EQ(CaptionHintText(500), nullptr);
}

}  // namespace
}  // namespace quarnel
