// Glyph buttons and speed buttons skinned: which skin the dispatch gives them, the glyph's place
// and its greyed copy when disabled, the flat speed button's idle look, hover and click through
// the parent's mouse routing.
#include <gtest/gtest.h>

#include "button_test_support.h"
#include "framework/core/text.h"
#include "framework/ui/bit_btn.h"
#include "framework/ui/form.h"
#include "framework/ui/speed_button.h"
#include "skin/controls/control_fills.h"
#include "tests/skin/controls/skin_test_form.h"

namespace quarnel::buttontest {
namespace {

using controltest::BuiltInSkin;
using controltest::MakeFormSkin;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A glyph of `frames` 16 x 16 frames: red, blue, ... squares on the magenta key with a border.
void MakeGlyph(TBitmap& glyph, int frames) {
  glyph.SetSize(16 * frames, 16);
  RECT all{0, 0, 16 * frames, 16};
  FillColor(glyph.DC(), all, 0xFF00FF);
  for (int f = 0; f < frames; ++f) {
    RECT square{f * 16 + 2, 2, f * 16 + 14, 14};
    FillColor(glyph.DC(), square, f == 0 ? kRed : kBlue);
  }
}

class GlyphButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    data = &BuiltInSkin();
    ASSERT_FALSE(data->Empty());
    form = Application()->CreateForm<TForm>();
    form->SetBounds(40, 40, 320, 160);
    bit = TComponent::CreateIn<TBitBtn>(form);
    bit->SetParent(form);
    bit->SetBounds(10, 10, 100, 30);
    bit->SetCaption("Glyph");
    bit->SetMargin(4);
    MakeGlyph(*bit->Glyph(), 2);
    bit->SetNumGlyphs(2);
    speed = TComponent::CreateIn<TSpeedButton>(form);
    speed->SetParent(form);
    speed->SetBounds(130, 10, 60, 30);
    speed->SetCaption("Fast");
    speed->SetFlat(true);
    speed->OnClick.code = [this](TObject*) { ++speedClicks; };
    form->Show();
    SetForegroundWindow(form->Handle());
    formSkin = MakeFormSkin(form, data);
    formSkin->Controls().AttachControlSkins();
    move_mouse(POINT{2, 2});
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    flush_events();
  }
  void TearDown() override {
    mouse_left_button(false);
    formSkin->Controls().ReleaseControlSkins(false);
    formSkin.reset();
    Application()->DestroyComponent(form);
    flush_events();
  }
  // The speed button's area of the form's client area.
  Capture SpeedPixels() {
    Capture whole = testing_support::capture_window(form->Handle());
    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    RECT wr;
    GetWindowRect(form->Handle(), &wr);
    Capture c;
    c.width = speed->Width();
    c.height = speed->Height();
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        c.pixels.push_back(
            whole.at(origin.x - wr.left + speed->Left() + x, origin.y - wr.top + speed->Top() + y));
    return c;
  }
  TSkinData* data = nullptr;
  TForm* form = nullptr;
  TBitBtn* bit = nullptr;
  TSpeedButton* speed = nullptr;
  int speedClicks = 0;
  ComponentPtr<TWinSkinForm> formSkin;
};

TEST_F(GlyphButtonTest, DispatchGivesGlyphAndSpeedButtonsTheirSkins) {
  EXPECT_NE(dynamic_cast<TSkinBitButton*>(formSkin->Controls().FindControlSkin(bit->Handle())), nullptr);
  bool speedSkinned = false;
  for (TSkinControl* s : formSkin->Controls().ControlSkins())
    speedSkinned |= s->Binding().GraphicControl() == speed && dynamic_cast<TSkinSpeedButton*>(s);
  EXPECT_TRUE(speedSkinned);
}

TEST_F(GlyphButtonTest, GlyphSitsAtTheMarginAndGreysWhenDisabledWithOneFrame) {
  Capture shown = testing_support::capture_window(bit->Handle());
  const int gy = (30 - 16 + 1) / 2;
  EXPECT_EQ(shown.at(4 + 8, gy + 8), kRed) << "frame 1 of the glyph at x = Margin";
  EXPECT_NE(shown.at(4 + 8 + 16, gy + 8), kBlue) << "only one frame is drawn";
  EXPECT_NE(shown.at(4 + 1, gy + 1), static_cast<COLORREF>(0xFF00FF)) << "the key colour is transparent";
  auto centre = [&] { return testing_support::capture_window(bit->Handle()).at(4 + 8, gy + 8); };
  bit->SetEnabled(false);
  EXPECT_TRUE(testing_support::wait_until([&] { return centre() == kBlue; }))
      << "a disabled two-frame glyph shows frame 2";
  bit->SetNumGlyphs(1);
  bit->Invalidate();
  EXPECT_TRUE(testing_support::wait_until([&] {
    const COLORREF c = centre();
    return c != kBlue && GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
  })) << "a one-frame glyph is greyed";
  testing_support::save_bmp(testing_support::capture_window(form->Handle()),
                            std::string(QUARNEL_SHOTS) + "/glyph_buttons.bmp");
}

TEST_F(GlyphButtonTest, FlatSpeedButtonShowsItsFrameOnlyWhenHotAndClicksOnce) {
  Capture idle = SpeedPixels();
  const COLORREF face = ResolveSkinColor(data->FaceColor());
  EXPECT_EQ(idle.at(0, 15), face) << "idle flat speed button: background only";
  EXPECT_EQ(idle.at(30, 0), face);
  RECT wr;
  GetWindowRect(form->Handle(), &wr);
  POINT centre{speed->Left() + 30, speed->Top() + 15};
  ClientToScreen(form->Handle(), &centre);
  auto shows = [&](int frame) {
    return testing_support::wait_until(
        [&] { return EdgesEqual(SpeedPixels(), FrameReference(*data, 60, 30, frame)); });
  };
  move_mouse(centre);
  EXPECT_TRUE(shows(4)) << "hot: frame 4 of the Buttons image";
  mouse_left_button(true);
  EXPECT_TRUE(shows(2)) << "pressed: frame 2";
  mouse_left_button(false);
  EXPECT_TRUE(testing_support::wait_until([&] { return speedClicks == 1; }));
  move_mouse(POINT{2, 2});
  EXPECT_TRUE(testing_support::wait_until([&] { return SpeedPixels().at(0, 15) == face; }))
      << "back to the flat look after the pointer left";
  flush_events();
  EXPECT_EQ(speedClicks, 1);
}

TEST_F(GlyphButtonTest, MenuButtonDrawsItsArrowAfterTheCaption) {
  TButton* drop = TComponent::CreateIn<TButton>(form);
  drop->SetParent(form);
  drop->SetBounds(10, 60, 100, 30);
  drop->SetCaption("Menu");
  auto* skin = TComponent::CreateIn<TSkinMenuButton>(drop);
  skin->Attach(&formSkin->Controls(), data, false, &formSkin->Controls().HostCanvas());
  RedrawWindow(drop->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  // The arrow is the rightmost run of ink columns: a 7-pixel down-pointing triangle, centred
  // vertically, right of the caption's ink with a gap between them.
  const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  const Capture shown = testing_support::capture_window(drop->Handle());
  auto inkIn = [&](int x) {
    int n = 0;
    for (int y = 2; y < shown.height - 2; ++y) n += shown.at(x, y) == ink;
    return n;
  };
  int right = shown.width - 3;
  while (right > 2 && inkIn(right) == 0) --right;
  int left = right;
  while (left > 2 && inkIn(left - 1) > 0) --left;
  ASSERT_EQ(right - left + 1, 7) << "arrow columns " << left << "-" << right;
  const int tipX = left + 3;
  int top = 2;
  while (top < shown.height - 2 && shown.at(tipX, top) != ink) ++top;
  EXPECT_EQ(inkIn(tipX), 4) << "four rows from the wide top to the tip";
  EXPECT_EQ(inkIn(left), 1);
  EXPECT_EQ(shown.at(left, top), ink) << "the top row is the widest";
  EXPECT_NEAR(top + 2, shown.height / 2, 2) << "centred vertically";
  // The caption: pixels left of the arrow that differ from the background of the gap column.
  EXPECT_EQ(inkIn(left - 1), 0);
  int captionInk = 0;
  for (int y = 3; y < shown.height - 3; ++y)
    for (int x = 4; x < left - 2; ++x) captionInk += shown.at(x, y) != shown.at(left - 1, y);
  EXPECT_GT(captionInk, 10) << "the caption sits left of the arrow";
  drop->SetEnabled(false);
  EXPECT_TRUE(testing_support::wait_until([&] {
    return testing_support::capture_window(drop->Handle()).at(tipX, top + 1) == GetSysColor(COLOR_BTNSHADOW);
  })) << "disabled arrow";
}

TEST_F(GlyphButtonTest, Tag5555ShowsTheParentUnderTheButtonsTransparentCorners) {
  auto make = [&](int tag, int x) {
    TButton* b = TComponent::CreateIn<TButton>(form);
    b->SetParent(form);
    b->SetBounds(x, 100, 75, 25);
    b->SetTag(tag);
    TComponent::CreateIn<TSkinButton>(b)->Attach(&formSkin->Controls(), data, false, &formSkin->Controls().HostCanvas());
    return b;
  };
  form->SetColor(0x2080C0);
  TButton* see = make(kTransparentButtonTag, 10);
  TButton* plain = make(0, 100);
  ASSERT_EQ(data->Buttons->Image.PixelAt(0, 0), static_cast<COLORREF>(0xFF00FF))
      << "the corner is see-through";
  auto corner = [](TButton* b) { return testing_support::capture_window(b->Handle()).at(0, 0); };
  EXPECT_TRUE(testing_support::wait_until([&] { return corner(see) == 0x2080C0; }))
      << std::hex << corner(see);
  EXPECT_TRUE(testing_support::wait_until([&] {
    return corner(plain) == ResolveSkinColor(data->FaceColor());
  })) << std::hex
      << corner(plain);
}

}  // namespace
}  // namespace quarnel::buttontest
