// Tool bars and panels on a skinned form: tool buttons drawn from the Buttons element's frames
// with the element's caption colours through the bar's custom-draw events, handlers taken back
// when the skin lets go (and a bar's own handler never replaced), and a panel's caption in the
// skin's text colour while its children keep theirs. Test thread.
#include "framework/controls/panel.h"
#include "framework/controls/tool_bar.h"
#include "framework/core/properties.h"
#include "framework/ui/memo.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_toolbar_draw.h"
#include "tests/skin/controls/choice_test_support.h"

namespace quarnel::choicetest {
namespace {

constexpr int kCell = 24;
constexpr COLORREF kCaptionRed = RGB(255, 0, 0);

int CountColour(const testing_support::Capture& c, const RECT& r, COLORREF colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += c.at(x, y) == colour;
  return n;
}

class ToolBarSkinTest : public ChoiceFormTest {
 protected:
  void SetUp() override {
    ChoiceFormTest::SetUp();
    TDataSkinButton& b = *data->Buttons;
    savedImage.Assign(b.Image);
    saved = {b.HasNormalColour2, b.HasMouseOverColour2, b.NormalColour2};
    // Five solid frames: a pixel inside a button names the frame it was drawn with.
    b.Image.SetSize(5 * kCell, kCell);
    for (int i = 1; i <= 5; ++i) {
      RECT r{(i - 1) * kCell, 0, i * kCell, kCell};
      HBRUSH brush = CreateSolidBrush(FrameColour(i));
      FillRect(b.Image.DC(), &r, brush);
      DeleteObject(brush);
    }
    b.HasNormalColour2 = true;
    b.HasMouseOverColour2 = false;
    b.NormalColour2 = kCaptionRed;
  }
  void TearDown() override {
    ChoiceFormTest::TearDown();
    TDataSkinButton& b = *data->Buttons;
    b.Image.Assign(savedImage);
    b.HasNormalColour2 = saved.normal;
    b.HasMouseOverColour2 = saved.over;
    b.NormalColour2 = saved.colour;
  }
  TToolBar* AddBar(int top) {
    auto* bar = Add<TToolBar>(form, 0, top, 300, 30);
    bar->SetShowCaptions(true);
    bar->SetButtonWidth(60);
    for (const char* caption : {"One", "Two"}) {
      auto* button = TComponent::CreateIn<TToolButton>(form);
      button->SetCaption(caption);
      button->SetParent(bar);
    }
    return bar;
  }
  // The frame a button shows just inside its corner, clear of its caption.
  int ButtonFrame(TToolBar* bar, int index) {
    const RECT r = bar->ButtonRect(bar->Buttons(index));
    return FrameOf(capture_window(bar->Handle()).at(r.left + 3, r.top + 3));
  }

  TBitmap savedImage;
  struct {
    bool normal, over;
    TColor colour;
  } saved{};
};

TEST_F(ToolBarSkinTest, ButtonsAreDrawnFromTheButtonsElementUntilTheSkinLetsGo) {
  TToolBar* bar = AddBar(10);
  TToolBar* own = AddBar(60);
  int ownCalls = 0;
  own->OnCustomDrawButton.code = [&](TObject*, TControl*, TCanvas&, unsigned, unsigned&, bool&) {
    ++ownCalls;
  };
  testing_support::move_mouse({0, 0});
  ShowAndSkin();
  auto* skin = SkinOf<TSkinBox>(bar->Handle());
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(bar->Flat());
  ASSERT_TRUE(bar->OnCustomDraw);
  ASSERT_TRUE(bar->OnCustomDrawButton);
  EXPECT_EQ(own->OnCustomDrawButton.data, nullptr) << "a bar's own handler stays";
  EXPECT_TRUE(own->OnCustomDraw) << "the event the bar left free is taken";

  bar->Repaint();
  flush_events(30);
  EXPECT_EQ(ButtonFrame(bar, 0), 1);
  EXPECT_EQ(ButtonFrame(bar, 1), 1);
  EXPECT_GT(CountColour(capture_window(bar->Handle()), bar->ButtonRect(bar->Buttons(0)), kCaptionRed), 5)
      << "the caption takes the element's normal colour";
  EXPECT_EQ(ButtonFrame(own, 0), 0);
  EXPECT_GT(ownCalls, 0);

  // Hot under the real pointer: frame 4, the other button stays normal.
  RECT second = bar->ButtonRect(bar->Buttons(1));
  MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&second), 2);
  testing_support::move_mouse({(second.left + second.right) / 2, (second.top + second.bottom) / 2});
  EXPECT_TRUE(testing_support::wait_until([&] { return ButtonFrame(bar, 1) == 4; }, 2000))
      << ButtonFrame(bar, 1);
  EXPECT_EQ(ButtonFrame(bar, 0), 1);
  SaveShot(bar->Handle(), "toolbar_skinned");
  testing_support::move_mouse({0, 0});

  skin->Detach();
  EXPECT_FALSE(bar->OnCustomDraw);
  EXPECT_FALSE(bar->OnCustomDrawButton);
  EXPECT_TRUE(own->OnCustomDrawButton) << "detaching leaves a handler that is not the skin's";
  bar->Repaint();
  flush_events(30);
  EXPECT_EQ(ButtonFrame(bar, 0), 0);
}

TEST(ToolButtonFrameTest, FollowsTheCustomDrawState) {
  EXPECT_EQ(ToolButtonFrame(0), 1);
  EXPECT_EQ(ToolButtonFrame(CDIS_DEFAULT), 1);
  EXPECT_EQ(ToolButtonFrame(CDIS_SELECTED | CDIS_HOT), 2);
  EXPECT_EQ(ToolButtonFrame(CDIS_HOT), 4);
  EXPECT_EQ(ToolButtonFrame(CDIS_DISABLED), 0);
  EXPECT_EQ(ToolButtonFrame(CDIS_CHECKED), 0) << "a checked button is left to the bar";
}

TEST_F(ChoiceFormTest, PanelCaptionTakesTheSkinTextColourWhileItsChildrenKeepTheirs) {
  const TColor savedText = data->Colors[scButtonText];
  data->Colors[scButtonText] = kCaptionRed;
  auto* panel = Add<TPanel>(form, 20, 20, 200, 80);
  panel->SetCaption("Panel caption");
  auto* edit = Add<TEdit>(panel, 10, 50, 120, 22);
  ShowAndSkin();
  auto* skin = SkinOf<TSkinBox>(panel->Handle());
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(panel->Font()->Color(), kCaptionRed);
  EXPECT_EQ(edit->Font()->Color(), clWindowText) << "a child that followed the panel's font keeps its colour";
  panel->Repaint();
  flush_events(30);
  const testing_support::Capture shot = capture_window(panel->Handle());
  EXPECT_GT(CountColour(shot, RECT{0, 0, shot.width, 45}, kCaptionRed), 5);

  skin->Detach();
  data->Colors[scButtonText] = savedText;
  EXPECT_EQ(panel->Font()->Color(), clWindowText);
  EXPECT_TRUE(panel->ParentFont());
  EXPECT_TRUE(edit->ParentFont());
}

}  // namespace
}  // namespace quarnel::choicetest
