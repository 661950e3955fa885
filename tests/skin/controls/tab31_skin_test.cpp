// Tab-set skins under Wine, on a small test-only tab set of the class name the dispatch row
// gives: tabs laid from the start margin and the first visible tab as far as they fit, drawn from
// the flipped tab frames (the selected one from frame 2), and the scroller handed to its skin.
#include "framework/core/strings.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_tab.h"
#include "skin/data/draw/draw_helpers.h"
#include "tab_test_support.h"

namespace quarnel::tabtest {
namespace {

// Only what the skin reads of a tab set: its tabs, the selected and first visible one, margins.
class TTabSet : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TTabSet(TComponent* owner) : TWinControl(owner) {
    tabs_.OnChange = [this] { Invalidate(); };
  }
  TStrings* Tabs() { return &tabs_; }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int v) { tabIndex_ = v; }
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int v) { firstIndex_ = v; }
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int v) { startMargin_ = v; }
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int v) { endMargin_ = v; }

 private:
  TNotifyStringList tabs_;
  int tabIndex_ = 0, firstIndex_ = 0, startMargin_ = 5, endMargin_ = 5;
};
const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTabSet>("TTabSet", &TWinControl::StaticClass())
                                     .Obj("Tabs", &TStrings::StaticClass, &TTabSet::Tabs)
                                     .Int("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
                                     .Int("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex)
                                     .Int("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)
                                     .Int("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)
                                     .Build();
  return info;
}

// The tab set's scroller: a plain child window, its first component.
class TTestScroller : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
};
const TClassInfo& TTestScroller::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestScroller>("TTestScroller", &TWinControl::StaticClass()).Build();
  return info;
}

SkinRequest g_scrollerRequest;
TSkinControl* RecordScroller(const SkinRequest& r) {
  g_scrollerRequest = r;
  return nullptr;
}

const char* kForm = R"(object TabSetForm: TForm
  Left = 30
  Top = 30
  Caption = 'Tab set'
  ClientWidth = 320
  ClientHeight = 80
end
)";

class TabSetTest : public TabSkinTest {
 protected:
  void SetUp() override {
    MakeForm(kForm);
    tabSet = TComponent::CreateIn<TTabSet>(form);
    auto* scroller = TComponent::CreateIn<TTestScroller>(tabSet);
    tabSet->SetParent(form);
    tabSet->SetBounds(10, 10, 200, 22);
    scroller->SetParent(tabSet);
    scroller->SetBounds(170, 2, 28, 18);
    for (const char* t : {"First", "Second", "Third", "Fourth", "Fifth", "Sixth"}) tabSet->Tabs()->Add(t);
    tabSet->SetTabIndex(1);
    g_scrollerRequest = SkinRequest{};
    SkinFactory previous = SetSkinFactory(SkinClass::UpDown, &RecordScroller);
    formSkin->Controls().AttachControlSkins();
    SetSkinFactory(SkinClass::UpDown, previous);
    skin = dynamic_cast<TSkinTab31*>(formSkin->Controls().FindControlSkin(tabSet->Handle()));
    Pump(60);
  }
  // Mismatches between a drawn tab's outer rows (at the bottom) and frame `frame` of the flipped
  // tab image drawn at its size over the face colour.
  int OuterEdgeMismatches(const RECT& tab, int frame) {
    TDataSkinBorder& e = *data->Tabs;
    TBitmap image;
    image.Assign(e.Image);
    FlipBitmap(image);
    const int w = tab.right - tab.left, h = tab.bottom - tab.top;
    TBitmap ref(w, h, pf32bit);
    const RECT all{0, 0, w, h};
    FillRect(ref.DC(), &all, data->FaceBrush.get());
    DrawSkinElement(ref.DC(), RECT{0, 0, w, h}, image, false, e.Tile != 0, e.Trans != 0, e.FrameCount, frame,
                    SkinMargins{e.LeftWidth, e.BottomHeight, e.RightWidth, e.TopHeight});
    const Capture c = testing_support::capture_window(tabSet->Handle());
    int mismatches = 0;
    for (int y = h - e.TopHeight; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (c.at(tab.left + x, tab.top + y) != ref.PixelAt(x, y)) ++mismatches;
    return mismatches;
  }

  TTabSet* tabSet = nullptr;
  TSkinTab31* skin = nullptr;
};

TEST_F(TabSetTest, TabsAreLaidFromTheMarginAsFarAsTheyFitAndDrawnFlipped) {
  ASSERT_NE(skin, nullptr);
  const auto& drawn = skin->DrawnTabs();
  ASSERT_GE(drawn.size(), 2u);
  EXPECT_LT(drawn.size(), 6u) << "six tabs do not fit in 200 pixels";
  EXPECT_EQ(drawn[0].index, 0);
  EXPECT_EQ(drawn[0].rect.left, 5) << "from the start margin";
  EXPECT_EQ(drawn[1].rect.left, drawn[0].rect.right + 9) << "nine pixels apart";
  const RECT& last = drawn.back().rect;
  EXPECT_LE(last.right + 21, 200 - 5) << "the shown scroller keeps its room";
  EXPECT_EQ(OuterEdgeMismatches(drawn[1].rect, 2), 0) << "the selected tab";
  EXPECT_EQ(OuterEdgeMismatches(drawn[0].rect, 1), 0);
  EXPECT_GT(OuterEdgeMismatches(drawn[0].rect, 2), 0);

  tabSet->SetFirstIndex(2);
  tabSet->Invalidate();
  Pump(60);
  ASSERT_FALSE(skin->DrawnTabs().empty());
  EXPECT_EQ(skin->DrawnTabs()[0].index, 2) << "from the first visible tab";
  SaveShot(form->Handle(), "tab_set.bmp");
}

TEST_F(TabSetTest, TheScrollerIsHandedToItsSkinAsATabSetScroller) {
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->ScrollerWindow(),
            tabSet->Components(0) ? ObjectAs<TWinControl>(tabSet->Components(0))->Handle() : nullptr);
  EXPECT_EQ(g_scrollerRequest.window, skin->ScrollerWindow());
  EXPECT_EQ(g_scrollerRequest.variant, 1);
  EXPECT_EQ(g_scrollerRequest.owner, tabSet);
}

}  // namespace
}  // namespace quarnel::tabtest

namespace quarnel::tabtest {
namespace {

// A page control of another family that draws its tabs from two pictures of its own.
class TTestAdvPages : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
  TBitmap* TabBackGround() { return &normal_; }
  TBitmap* TabBackGroundActive() { return &active_; }

 private:
  TBitmap normal_, active_;
};
const TClassInfo& TTestAdvPages::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestAdvPages>("TTestAdvPages", &TWinControl::StaticClass())
          .Obj("TabBackGround", &TBitmap::StaticClass, &TTestAdvPages::TabBackGround)
          .Obj("TabBackGroundActive", &TBitmap::StaticClass, &TTestAdvPages::TabBackGroundActive)
          .Build();
  return info;
}

TEST_F(TabSkinTest, PagesOfAnotherFamilyGetTabPicturesAndLoseThemAtDetach) {
  MakeForm(R"(object AdvForm: TForm
  ClientWidth = 240
  ClientHeight = 80
end
)");
  auto* pages = TComponent::CreateIn<TTestAdvPages>(form);
  pages->SetParent(form);
  pages->SetBounds(10, 10, 200, 60);
  data->Skin3rd()->Add("TTestAdvPages=AdvPageControl");
  formSkin->Controls().AttachControlSkins();
  data->Skin3rd()->Delete(data->Skin3rd()->Count() - 1);
  auto* skin = dynamic_cast<TSkinAdvPage*>(formSkin->Controls().FindControlSkin(pages->Handle()));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Mode(), 4);
  TDataSkinBorder& e = *data->Tabs;
  for (int frame = 1; frame <= 2; ++frame) {
    TBitmap* picture = frame == 1 ? pages->TabBackGround() : pages->TabBackGroundActive();
    ASSERT_EQ(picture->Width(), 100);
    ASSERT_EQ(picture->Height(), 21);
    TBitmap ref(100, 21);
    const RECT all{0, 0, 100, 21};
    FillRect(ref.DC(), &all, data->FaceBrush.get());
    DrawSkinElement(ref.DC(), all, e.Image, false, e.Tile != 0, e.Trans != 0, e.FrameCount, frame,
                    SkinMargins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight});
    for (int x = 0; x < 100; x += 7)
      EXPECT_EQ(picture->PixelAt(x, 1), ref.PixelAt(x, 1)) << frame << " " << x;
  }
  EXPECT_NE(pages->TabBackGround()->PixelAt(50, 1), pages->TabBackGroundActive()->PixelAt(50, 1));
  skin->Detach();
  EXPECT_TRUE(pages->TabBackGround()->Empty());
  EXPECT_TRUE(pages->TabBackGroundActive()->Empty());
}

}  // namespace
}  // namespace quarnel::tabtest
